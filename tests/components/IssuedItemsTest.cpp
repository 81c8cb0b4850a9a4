#include "components/IssuedItems.h"
#include "OwnComponentsWorld.h"
#include "components/frmPickList.h"
#include "platform/forms/FormsContext.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using components::frmPickList;
using components::issueditems::IssuedLines;
using testkit::ScriptedServer;

const std::vector<std::string> Fields = {"Refnum", "ItemID", "ItemName", "Returnable"};

template <class Server> struct Issued : componentstest::OwnComponentsWorld<Server> {
    Issued() { list = this->factory.template Create<components::IssuedItemsComponent>("Tondrel.clsIssuedMedicines"); }
    std::unique_ptr<components::IssuedItemsComponent> list;
};

void Choose(testkit::ScriptedHost& host, int index, std::string* caption = nullptr) {
    host.OnModal<frmPickList>([index, caption](frmPickList& list) {
        if (caption)
            *caption = list.Caption();
        testkit::DoubleClickListItem(list.lvwList, index);
    });
}

void Close(testkit::ScriptedHost& host) {
    host.OnModal<frmPickList>([](frmPickList& list) { testkit::PressKey(list.txtSearch, forms::vbKeyEscape); });
}

TEST(IssuedItems, TheStatementSumsChargesLessCancellationsLessReturnsPerSlipAndItem) {
    const std::string returnable = "SUM(CASE WHEN ISNULL(S.EntryType, '') = 'C' THEN -S.Quantity ELSE S.Quantity END)";
    EXPECT_EQ(IssuedLines(" 2026000101 ", true),
              "SELECT S.Refnum, S.ItemID, MAX(ISNULL(M.ItemName, S.ItemID)) AS ItemName, " + returnable +
                  " AS Returnable FROM INVENTORY..tbInvStockcard S INNER JOIN INVENTORY..tbInvLocation L ON "
                  "L.LocationID = S.LocationID LEFT OUTER JOIN INVENTORY..tbInvMaster M ON M.ItemID = S.ItemID "
                  "WHERE S.IdNum = '2026000101' AND ISNULL(L.InventoryType, '') <> 'C' GROUP BY S.Refnum, "
                  "S.ItemID HAVING " +
                  returnable + " > 0 ORDER BY S.Refnum, S.ItemID");
    EXPECT_THAT(IssuedLines("2026000101", false), ::testing::HasSubstr("ISNULL(L.InventoryType, '') = 'C' GROUP"));
    EXPECT_THAT(
        IssuedLines("O'B%", false, " CS'1% "),
        ::testing::HasSubstr("S.IdNum = 'O''B%' AND ISNULL(L.InventoryType, '') = 'C' AND S.Refnum = 'CS''1%'"));
}

TEST(IssuedItems, TheChosenLineGivesItsCodeSlipAndReturnableQuantity) {
    Issued<ScriptedServer> test;
    test.server.On(IssuedLines("2026000101", true))
        .Returns(Fields,
                 {{"CS-1", "PARA500", "PARACETAMOL 500MG", 4.0}, {"CS-2", "PARA500", "PARACETAMOL 500MG", 1.5}});
    test.list->SetDrugsOrCSR(true);
    std::string caption;
    Choose(test.host, 2, &caption);
    EXPECT_EQ(test.list->ListIssuedbyDrugs("2026000101", "List of Issued Medicines"), "PARA500");
    EXPECT_EQ(caption, "List of Issued Medicines");
    EXPECT_EQ(test.list->ChargeSlip(), "CS-2");
    EXPECT_EQ(test.list->IssuedQuantity(), 1.5);
}

TEST(IssuedItems, AListClosedWithoutAChoiceForgetsTheEarlierOne) {
    Issued<ScriptedServer> test;
    test.server.On(IssuedLines("2026000101", false)).Returns(Fields, {{"CS-9", "SYR05", "SYRINGE 5ML", 3.0}});
    test.list->SetDrugsOrCSR(false);
    Choose(test.host, 1);
    ASSERT_EQ(test.list->ListIssuedbyDrugs("2026000101", "List of Issued Supplies"), "SYR05");
    Close(test.host);
    EXPECT_EQ(test.list->ListIssuedbyDrugs("2026000101", "List of Issued Supplies"), "");
    EXPECT_EQ(test.list->ChargeSlip(), "");
    EXPECT_EQ(test.list->IssuedQuantity(), 0);
}

TEST(IssuedItems, OneSlipsListShowsOnlyItsLinesUnderThePatientsName) {
    Issued<ScriptedServer> test;
    test.server.On(IssuedLines("2026000101", true, "CS-2")).Returns(Fields, {{"CS-2", "CEFU750", "CEFUROXIME", 2.0}});
    std::string caption;
    Choose(test.host, 1, &caption);
    EXPECT_EQ(test.list->ShowList("2026000101", "CS-2", "VILLANUEVA, ROBERTO"), "CEFU750");
    EXPECT_EQ(caption, "Charge Slip CS-2 - VILLANUEVA, ROBERTO");
    EXPECT_EQ(test.list->ChargeSlip(), "CS-2");
    EXPECT_EQ(test.list->IssuedQuantity(), 2.0);
}

TEST(IssuedItemsOnTheSampleWard, EveryListIsAnswered) {
    Issued<sampleward::SampleServer> test;
    sampleward::DeclareSampleWard(test.server);
    for (bool medicines : {true, false})
        for (const char* idNum : {sampleward::InPatientIdNum, sampleward::OutPatientIdNum}) {
            test.list->SetDrugsOrCSR(medicines);
            Close(test.host);
            test.list->ListIssuedbyDrugs(idNum, "List");
            Close(test.host);
            test.list->ShowList(idNum, "CS-0001201", "");
        }
    test.list->SetDrugsOrCSR(true);
    Choose(test.host, 1);
    EXPECT_EQ(test.list->ShowList(sampleward::InPatientIdNum, "CS-0001201", ""), "CEFU750");
    EXPECT_THAT(test.server.Unanswered(), ::testing::IsEmpty());
}

} // namespace
