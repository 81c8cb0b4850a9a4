#include "components/DrugComponent.h"
#include "components/DrugListComponent.h"
#include "components/OwnComponents.h"
#include "components/frmPickList.h"
#include "platform/forms/FormsContext.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using components::frmPickList;

class DrugOnTheSampleWard : public ::testing::Test {
protected:
    DrugOnTheSampleWard() {
        components::RegisterOwnComponents(factory, {context, [this]() -> db::Connection& { return *server; }});
    }
    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    components::ComponentFactory factory;
};

// Every member of the drug component on the sample ward, with no statement left unanswered.
TEST_F(DrugOnTheSampleWard, EveryMemberIsAnswered) {
    auto component = factory.Create<components::DrugComponent>("Tembloc.clsDrug");
    components::DrugObject& drug = component->Drug();
    EXPECT_TRUE(drug.SearchDrug("PARA500"));
    EXPECT_EQ(drug.Invent().StockOnHand, 240.0);
    EXPECT_TRUE(drug.SearchDrug("GAUZE44", std::string("21"), std::string(sampleward::InPatientIdNum)));
    EXPECT_EQ(drug.DrugName(), "GAUZE PAD 4X4");
    EXPECT_FALSE(drug.SearchDrug("NOSUCH", std::string("20")));
    EXPECT_TRUE(drug.Generic().Search("PCM"));
    EXPECT_EQ(drug.Invent().StockOnHand, 240.0);
    EXPECT_EQ(drug.QuantityIssued(sampleward::InPatientIdNum, "PARA500"), 0.0);
    EXPECT_EQ(drug.ChargeSlip().CurrentCreditMemo(), "CM000101");
    EXPECT_EQ(drug.ChargeSlip().CurrentAdjustmentSlip(), "AJ000041");
    server->BeginTrans();
    EXPECT_EQ(drug.ChargeSlip().CurrentCreditMemo(), "CM000101");
    drug.ChargeSlip().UpdateCreditMemo();
    components::StockCardArguments line(26);
    line[1] = vb::Variant(sampleward::InPatientIdNum);
    line[2] = vb::Variant("PARA500");
    line[5] = vb::Variant(2.0);
    line[11] = vb::Variant("20");
    drug.AppendStockCard(line);
    server->CommitTrans();
    EXPECT_EQ(drug.ListPostedDrugs(sampleward::InPatientIdNum, 2).RecordCount(), 0);
    EXPECT_EQ(drug.ListPostedCSR(sampleward::InPatientIdNum, 2).RecordCount(), 0);
    EXPECT_THAT(server->Unanswered(), testing::IsEmpty());
}

TEST_F(DrugOnTheSampleWard, ThePickListsShowTheLocationsItemsAndTheGenerics) {
    struct Case {
        const char* progId;
        std::string text;
        std::optional<std::string> location;
        int rows;
        std::string chosen;
    };
    const Case cases[] = {
        {"Yarrowin.clsListDrugs", "", std::nullopt, 3, "AMOX500"},
        {"Yarrowin.clsListDrugs", "syr", std::string("21"), 1, "SYR5"},
        {"Selkarn.clsListGeneric", "", std::nullopt, 2, "AMX"},
        {"Selkarn.clsListGeneric", "PARA", std::nullopt, 1, "PCM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.progId + (" " + c.text));
        auto list = factory.Create<components::DrugListComponent>(c.progId);
        host.OnModal<frmPickList>([&c](frmPickList& window) {
            EXPECT_EQ(window.lvwList.ListItemCount(), c.rows);
            testkit::PressKey(window.txtSearch, forms::vbKeyReturn);
        });
        EXPECT_EQ(list->ShowList(c.text, false, c.location), c.chosen);
    }
    EXPECT_THAT(server->Unanswered(), testing::IsEmpty());
}

} // namespace
