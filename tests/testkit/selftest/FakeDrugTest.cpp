#include "platform/vb/VbError.h"
#include "testkit/FakeComponents.h"

#include <gtest/gtest.h>

namespace {

TEST(FakeDrug, AMemberAskedToFailRaisesAfterTheCallsLetThroughAndKeepsNothing) {
    testkit::FakeDrug fake;
    components::DrugObject& drug = fake.Drug();
    fake.drug.failures.Fail("AppendStockCard", "Stock card refused", 1);
    fake.drug.failures.Fail("ChargeSlip.UpdateCreditMemo");
    EXPECT_NO_THROW(drug.AppendStockCard({}));
    try {
        drug.AppendStockCard({});
        ADD_FAILURE() << "no error";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Description(), "Stock card refused");
    }
    EXPECT_EQ(fake.drug.stockCards.size(), 1u);
    EXPECT_THROW(drug.ChargeSlip().UpdateCreditMemo(), vb::VbError);
    EXPECT_EQ(drug.ChargeSlip().CurrentCreditMemo(), "CM000001");
    fake.drug.failures.Clear("ChargeSlip.UpdateCreditMemo");
    drug.ChargeSlip().UpdateCreditMemo();
    EXPECT_EQ(drug.ChargeSlip().CurrentCreditMemo(), "CM000002");
    fake.drug.failures.Fail("Generic.Search");
    EXPECT_THROW(drug.Generic().Search("PCM"), vb::VbError);
}

} // namespace
