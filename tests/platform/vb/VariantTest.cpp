#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Variant, NullIsAValueOfItsOwnAndSurvivesCopies) {
    Variant v = Variant::Null();
    Variant copy = v;
    EXPECT_TRUE(copy.IsNull());
    EXPECT_FALSE(Variant().IsNull());
    EXPECT_TRUE(Variant().IsEmpty());
}

TEST(VbError, CarriesTheRuntimeNumberAndText) {
    try {
        RaiseTypeMismatch();
        FAIL();
    } catch (const VbError &e) {
        EXPECT_EQ(e.Number(), 13);
        EXPECT_EQ(e.Description(), "Type mismatch");
    }
}
