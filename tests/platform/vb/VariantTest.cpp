#include "platform/vb/Variant.h"
#include "platform/vb/DateSerialNumber.h"
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
    } catch (const VbError& e) {
        EXPECT_EQ(e.Number(), 13);
        EXPECT_EQ(e.Description(), "Type mismatch");
    }
}

TEST(DateSerialNumber, RoundTripsAroundTheEpoch) {
    struct Case {
        DateParts parts;
        double serial;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},   {{1899, 12, 30, 13, 0, 0}, 13.0 / 24}, {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{2024, 3, 1, 0, 0, 0}, 45352.0}, {{2000, 2, 29, 18, 0, 0}, 36585.75},   {{1900, 1, 1, 0, 0, 0}, 2.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(MakeDate(c.parts).serial, c.serial);
        EXPECT_EQ(SplitDate(Date{c.serial}), c.parts);
    }
}
