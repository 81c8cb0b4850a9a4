#include "components/Drug.h"
#include "components/OwnComponents.h"
#include "platform/forms/FormsContext.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/VbError.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

using vb::Variant;

std::string ItemLookUp(const std::string& location, const std::string& code) {
    return "SELECT m.ItemID, m.ItemName, m.Description, m.Status, g.GenericName, m.ItemClassificationID, "
           "c.Classification, s.SellingPriceIn, s.SellingPriceOut, s.OnHand FROM INVENTORY..tbInvMaster m "
           "LEFT JOIN INVENTORY..tbInvGeneric g ON g.GenericID = m.GenericID "
           "LEFT JOIN INVENTORY..tbInvClassification c ON c.ItemClassificationID = m.ItemClassificationID "
           "LEFT JOIN INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND s.LocationID = " +
           location + " WHERE m.ItemID = " + code;
}

const std::vector<std::string> kItemColumns = {
    "ItemID",         "ItemName",       "Description",     "Status", "GenericName", "ItemClassificationID",
    "Classification", "SellingPriceIn", "SellingPriceOut", "OnHand"};

testkit::Row Item(const char* code, const char* status, Variant generic = Variant::Null()) {
    return {Variant(code), Variant("PARACETAMOL 500MG"), Variant("TABLET"), Variant(status),  generic,
            Variant("I"),  Variant("ANALGESIC"),         Variant("12.50"),  Variant("14.00"), Variant(40.0)};
}

std::string RoomOf(const std::string& idNum) {
    return "SELECT RoomID FROM PATIENT_DATA..tbPatient WHERE IDNum = '" + idNum + "'";
}

std::string RoomClassOf(const std::string& room) { return "STATION..sp_Nurse_Get_RoomClassification '" + room + "'"; }

std::string RoomClassPrice(const std::string& code, const std::string& location, const std::string& roomClass) {
    return "SELECT SellingPrice FROM INVENTORY..tbInvRoomClassPrice WHERE ItemID = " + code +
           " AND LocationID = " + location + " AND RoomClass = " + roomClass;
}

std::string SeriesRead(const std::string& series, bool locked) {
    return std::string("SELECT Prefix, Width, LastNumber FROM INVENTORY..tbInvSlipSeries") +
           (locked ? " WITH (UPDLOCK, ROWLOCK)" : "") + " WHERE SeriesID = '" + series + "'";
}

const std::string kChargeValues =
    "('000123', '2024-0001', 'PARA500', '03/04/2026 09:15:00 AM', 'CS0042', 3, 0, 37.5, 'NURSE1', 'D''3', '', "
    "'20', 'ICU-1', 'PH', 'I', 'I', NULL, NULL)";

const std::string kStockCardInsert =
    "INSERT INTO INVENTORY..tbInvStockcard (HospNum, IdNum, ItemID, TransDate, Refnum, Quantity, QuantityIssued, "
    "Amount, UserID, DosageID, DoctorID, LocationID, RoomID, RevenueID, EntryType, PatientType, CreditMemoNum, "
    "ReturnedBy) VALUES ";

std::string StockMove(const std::string& delta, const std::string& code, const std::string& location) {
    return "UPDATE INVENTORY..tbInvLocationStock SET OnHand = OnHand + (" + delta + ") WHERE ItemID = '" + code +
           "' AND LocationID = '" + location + "'";
}

class DrugTest : public ::testing::Test {
protected:
    DrugTest() {
        components::RegisterOwnComponents(factory, {context, [this]() -> db::Connection& { return server; }});
        component = factory.Create<components::DrugComponent>("Tembloc.clsDrug");
    }
    components::DrugObject& Drug() { return component->Drug(); }

    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    testkit::ScriptedServer server;
    components::ComponentFactory factory;
    std::unique_ptr<components::DrugComponent> component;
};

TEST_F(DrugTest, SearchDrugReadsTheTrimmedCodeAtTheLocationAndKeepsTheItem) {
    struct Case {
        const char* name;
        std::string code;
        std::optional<std::string> location;
        std::string statement;
        std::vector<testkit::Row> rows;
        bool found;
        bool inactive;
        std::string drugCode;
    };
    const Case cases[] = {
        {"found at the pharmacy",
         " PARA500 ",
         std::string("20"),
         ItemLookUp("'20'", "'PARA500'"),
         {Item("PARA500", "A")},
         true,
         false,
         "PARA500"},
        {"no location is the pharmacy",
         "PARA500",
         std::nullopt,
         ItemLookUp("'20'", "'PARA500'"),
         {Item("PARA500", "A")},
         true,
         false,
         "PARA500"},
        {"inactive", "OLD1", std::string("21"), ItemLookUp("'21'", "'OLD1'"), {Item("OLD1", "I")}, true, true, "OLD1"},
        {"not found", "NONE", std::string("20"), ItemLookUp("'20'", "'NONE'"), {}, false, false, ""},
        {"an apostrophe", "O'BRIEN", std::string("20"), ItemLookUp("'20'", "'O''BRIEN'"), {}, false, false, ""},
        {"a percent sign is no pattern", "10%", std::string("20"), ItemLookUp("'20'", "'10%'"), {}, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t mark = server.Mark();
        server.On(c.statement).Returns(kItemColumns, c.rows);
        EXPECT_EQ(Drug().SearchDrug(c.code, c.location), c.found);
        EXPECT_TRUE(server.SentExactly({c.statement}, mark));
        EXPECT_EQ(Drug().Status(), c.inactive);
        EXPECT_EQ(Drug().DrugCode(), c.drugCode);
        if (c.found) {
            EXPECT_EQ(Drug().DrugName(), "PARACETAMOL 500MG");
            EXPECT_EQ(Drug().Description(), "TABLET");
            EXPECT_EQ(Drug().Classification().ClassificationCode, "I");
            EXPECT_EQ(Drug().Classification().Classification, "ANALGESIC");
            EXPECT_EQ(vb::CStr(Drug().Invent().SellingPriceIn), "12.50");
            EXPECT_EQ(Drug().Invent().StockOnHand, 40.0);
        } else {
            EXPECT_EQ(Drug().DrugName(), "");
            EXPECT_EQ(Drug().Invent().StockOnHand, 0.0);
        }
    }
}

TEST_F(DrugTest, AnEmptyCodeFindsNothingWithoutAStatementAndEmptiesTheItem) {
    server.On(ItemLookUp("'20'", "'PARA500'")).Returns(kItemColumns, {Item("PARA500", "A")});
    ASSERT_TRUE(Drug().SearchDrug("PARA500"));
    const std::size_t mark = server.Mark();
    EXPECT_FALSE(Drug().SearchDrug("  ", std::string("20")));
    EXPECT_TRUE(server.SentExactly({}, mark));
    EXPECT_EQ(Drug().DrugCode(), "");
}

TEST_F(DrugTest, TheRoomClassPricesByTheAdmissionsRoomOrLeavesTheOrdinaryPrice) {
    struct Case {
        const char* name;
        std::string idNum;
        std::vector<testkit::Row> roomClass;
        std::vector<testkit::Row> price;
        std::string expected;
    };
    const Case cases[] = {
        {"class with a row", "2024-0001", {{Variant("B")}}, {{Variant("15.75")}}, "15.75"},
        {"class without a row", "2024-0002", {{Variant("C")}}, {}, "12.50"},
        {"admission without a class", "2024-0003", {}, {}, "12.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.On(ItemLookUp("'20'", "'PARA500'")).Returns(kItemColumns, {Item("PARA500", "A")});
        server.On(RoomOf(c.idNum)).Returns({"RoomID"}, {{Variant("R" + c.idNum)}});
        server.On(RoomClassOf("R" + c.idNum)).Returns({"RoomClassID"}, c.roomClass);
        if (!c.roomClass.empty())
            server.On(RoomClassPrice("'PARA500'", "'20'", "'" + vb::CStr(c.roomClass[0][0]) + "'"))
                .Returns({"SellingPrice"}, c.price);
        ASSERT_TRUE(Drug().SearchDrug("PARA500", std::string("20"), c.idNum));
        EXPECT_EQ(vb::CStr(Drug().Invent().SellingPriceIn), c.expected);
    }
}

TEST_F(DrugTest, AGenericFoundBecomesTheItemWithItsSummedStockAndNoPrice) {
    const std::string statement =
        "SELECT g.GenericID, g.GenericName, c.Classification, (SELECT ISNULL(SUM(s.OnHand), 0) FROM "
        "INVENTORY..tbInvMaster m JOIN INVENTORY..tbInvLocationStock s ON s.ItemID = m.ItemID AND s.LocationID = "
        "'20' WHERE m.GenericID = g.GenericID AND m.Status = 'A') AS OnHand FROM INVENTORY..tbInvGeneric g "
        "LEFT JOIN INVENTORY..tbInvClassification c ON c.ItemClassificationID = g.ItemClassificationID "
        "WHERE g.GenericID = ";
    server.On(statement + "'PCM'")
        .Returns({"GenericID", "GenericName", "Classification", "OnHand"},
                 {{Variant("PCM"), Variant("PARACETAMOL"), Variant("ANALGESIC"), Variant(65.0)}});
    server.On(statement + "'XYZ'").Returns({"GenericID", "GenericName", "Classification", "OnHand"}, {});
    ASSERT_TRUE(Drug().Generic().Search(" PCM "));
    EXPECT_EQ(Drug().Generic().GenericName(), "PARACETAMOL");
    EXPECT_EQ(Drug().Generic().ClassificationName(), "ANALGESIC");
    EXPECT_EQ(Drug().DrugCode(), "PCM");
    EXPECT_EQ(Drug().GenericName(), "PARACETAMOL");
    EXPECT_EQ(Drug().Invent().StockOnHand, 65.0);
    EXPECT_EQ(vb::CDbl(Drug().Invent().SellingPriceIn), 0.0);
    EXPECT_FALSE(Drug().Generic().Search("XYZ"));
}

TEST_F(DrugTest, QuantityIssuedIsWhatWasChargedLessCancellations) {
    const std::string statement = "SELECT ISNULL(SUM(Quantity), 0) AS Issued FROM INVENTORY..tbInvStockcard WHERE "
                                  "IdNum = '2024-0001' AND ItemID = 'PARA500' AND ISNULL(EntryType, '') <> 'C'";
    server.On(statement).Returns({"Issued"}, {{Variant(7.0)}});
    EXPECT_EQ(Drug().QuantityIssued("2024-0001", " PARA500 "), 7.0);
    const std::size_t mark = server.Mark();
    EXPECT_EQ(Drug().QuantityIssued("2024-0001", ""), 0.0);
    EXPECT_TRUE(server.SentExactly({}, mark));
}

// A charge of 26 positions: positions 18 to 21, 23 to 25 omitted.
components::StockCardArguments Charge(double quantity, double amount, std::optional<Variant> entryType = {}) {
    components::StockCardArguments a(26);
    a[0] = Variant("000123");
    a[1] = Variant("2024-0001");
    a[2] = Variant("PARA500");
    a[3] = Variant("03/04/2026 09:15:00 AM");
    a[4] = Variant("CS0042");
    a[5] = Variant(quantity);
    a[6] = Variant(std::int16_t(0));
    a[7] = Variant(amount);
    a[8] = Variant("NURSE1");
    a[9] = Variant("D'3");
    a[10] = Variant("");
    a[11] = Variant("20");
    a[12] = Variant("");
    a[13] = Variant("ICU-1");
    a[14] = Variant(std::int16_t(1));
    a[15] = Variant("PH");
    a[16] = Variant("PH");
    a[18] = entryType;
    a[21] = Variant("I");
    a[25] = Variant(std::int16_t(0));
    return a;
}

components::StockCardArguments Return() {
    components::StockCardArguments a = Charge(2, 25, Variant("C"));
    a.resize(28);
    a[6] = Variant(5.0);
    a[9] = Variant("");
    a[10] = Variant("DR01");
    a[15] = Variant("PC");
    a[16] = Variant("PC");
    a[21] = std::nullopt;
    a[23] = Variant(std::int16_t(2));
    a[24] = Variant("CM000101");
    a[27] = Variant("NURSE1");
    return a;
}

TEST_F(DrugTest, AStockCardLineMovesTheLocationsStockInItsTransaction) {
    struct Case {
        const char* name;
        components::StockCardArguments arguments;
        std::string values;
        std::string delta;
    };
    const Case cases[] = {
        {"charge", Charge(3, 37.5), kChargeValues, "-3"},
        {"cancellation", Charge(-3, -37.5, Variant("D")),
         "('000123', '2024-0001', 'PARA500', '03/04/2026 09:15:00 AM', 'CS0042', -3, 0, -37.5, 'NURSE1', 'D''3', "
         "'', '20', 'ICU-1', 'PH', 'D', 'I', NULL, NULL)",
         "3"},
        {"return", Return(),
         "('000123', '2024-0001', 'PARA500', '03/04/2026 09:15:00 AM', 'CS0042', 2, 5, 25, 'NURSE1', '', 'DR01', "
         "'20', 'ICU-1', 'PC', 'C', 'I', 'CM000101', 'NURSE1')",
         "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.On(kStockCardInsert + c.values).Affects(1);
        server.On(StockMove(c.delta, "PARA500", "20")).Affects(1);
        const std::size_t mark = server.Mark();
        server.BeginTrans();
        Drug().AppendStockCard(c.arguments);
        server.CommitTrans();
        EXPECT_TRUE(server.SentExactly({kStockCardInsert + c.values, StockMove(c.delta, "PARA500", "20")}, mark));
        EXPECT_EQ(server.CommittedWrites(mark).size(), 2u);
    }
}

TEST_F(DrugTest, OutsideATransactionTheLineAndItsMoveGoInOneOfItsOwn) {
    const std::string& values = kChargeValues;
    std::unique_ptr<testkit::ScriptedServer> fresh;
    std::unique_ptr<components::ComponentFactory> freshFactory;
    std::unique_ptr<components::DrugComponent> drug;
    auto world = [&]() -> testkit::ScriptedServer& {
        fresh = std::make_unique<testkit::ScriptedServer>();
        fresh->On(kStockCardInsert + values).Affects(1);
        fresh->On(StockMove("-3", "PARA500", "20")).Affects(1);
        freshFactory = std::make_unique<components::ComponentFactory>();
        components::RegisterOwnComponents(*freshFactory, {context, [&]() -> db::Connection& { return *fresh; }});
        drug = freshFactory->Create<components::DrugComponent>("Tembloc.clsDrug");
        return *fresh;
    };
    EXPECT_TRUE(testkit::EachFailureCommitsNothing(world, [&] { drug->Drug().AppendStockCard(Charge(3, 37.5)); }));
    world();
    drug->Drug().AppendStockCard(Charge(3, 37.5));
    EXPECT_EQ(fresh->CommittedWrites().size(), 2u);
    EXPECT_FALSE(fresh->InTransaction());
}

TEST_F(DrugTest, AnItemWithoutStockAtTheLocationPostsNothing) {
    server.On(kStockCardInsert + kChargeValues).Affects(1);
    server.On(StockMove("-3", "PARA500", "20")).Affects(0);
    EXPECT_THROW(Drug().AppendStockCard(Charge(3, 37.5)), vb::VbError);
    EXPECT_TRUE(server.NothingCommitted());
    EXPECT_FALSE(server.InTransaction());
}

TEST_F(DrugTest, TheCreditMemoSeriesIsLockedInTheCallersTransactionAndAdvancedOptimistically) {
    const std::vector<std::string> columns = {"Prefix", "Width", "LastNumber"};
    server.On(SeriesRead("CM", true)).Returns(columns, {{Variant("CM"), Variant(6.0), Variant(100.0)}});
    server.On(SeriesRead("CM", false)).Returns(columns, {{Variant("CM"), Variant(6.0), Variant(100.0)}});
    server.On(SeriesRead("AS", false)).Returns(columns, {{Variant("AJ"), Variant(4.0), Variant(7.0)}});
    const std::string update =
        "UPDATE INVENTORY..tbInvSlipSeries SET LastNumber = LastNumber + 1 WHERE SeriesID = 'CM' AND LastNumber = 100";
    server.On(update).Affects(1);
    server.On(update).Affects(0);

    EXPECT_EQ(Drug().ChargeSlip().CurrentCreditMemo(), "CM000101");
    EXPECT_EQ(Drug().ChargeSlip().CurrentAdjustmentSlip(), "AJ0008");
    server.BeginTrans();
    const std::size_t mark = server.Mark();
    EXPECT_EQ(Drug().ChargeSlip().CurrentCreditMemo(), "CM000101");
    Drug().ChargeSlip().UpdateCreditMemo();
    EXPECT_TRUE(server.SentExactly({SeriesRead("CM", true), SeriesRead("CM", true), update}, mark));
    server.RollbackTrans();
    EXPECT_TRUE(server.NothingCommitted(mark));

    server.BeginTrans();
    EXPECT_THROW(Drug().ChargeSlip().UpdateCreditMemo(), vb::VbError);
    server.RollbackTrans();
}

TEST_F(DrugTest, AMissingSeriesRowRaises) {
    server.On(SeriesRead("CM", false)).Returns({"Prefix", "Width", "LastNumber"}, {});
    server.On(SeriesRead("AS", false)).Returns({"Prefix", "Width", "LastNumber"}, {});
    EXPECT_THROW(Drug().ChargeSlip().CurrentCreditMemo(), vb::VbError);
    EXPECT_THROW(Drug().ChargeSlip().UpdateCreditMemo(), vb::VbError);
    EXPECT_THROW(Drug().ChargeSlip().CurrentAdjustmentSlip(), vb::VbError);
}

TEST_F(DrugTest, ThePostedListsReadTheAdmissionsLinesByKindOfLocation) {
    const std::string drugsStatement = components::PostedItemsStatement("'2024-0001'", false);
    const std::string suppliesStatement = components::PostedItemsStatement("'2024-0001'", true);
    EXPECT_NE(drugsStatement.find("l.InventoryType <> 'C'"), std::string::npos);
    EXPECT_NE(suppliesStatement.find("l.InventoryType = 'C'"), std::string::npos);
    server.On(drugsStatement)
        .Returns(components::PostedItemsColumns(),
                 {{Variant("03/04/2026"), Variant("CM000101"), Variant("PARA500"), Variant("PARACETAMOL"), Variant(2.0),
                   Variant("Returned"), Variant("20"), Variant("1,250.00"), Variant("NURSE1"), Variant::Null(),
                   Variant("DR01"), Variant("ICU-1"), Variant("CS0042"), Variant("PARACETAMOL by NURSE1")}});
    server.On(suppliesStatement).Returns(components::PostedItemsColumns(), {});
    db::Recordset drugs = Drug().ListPostedDrugs(" 2024-0001 ", 2);
    ASSERT_EQ(drugs.RecordCount(), 1);
    EXPECT_EQ(vb::CStr(drugs.Fields(1)), "CM000101");
    EXPECT_EQ(vb::CStr(drugs.Fields(5)), "Returned");
    EXPECT_EQ(vb::CStr(drugs.Fields(7)), "1,250.00");
    EXPECT_EQ(vb::CStr(drugs.Fields(13)), "PARACETAMOL by NURSE1");
    EXPECT_EQ(Drug().ListPostedCSR("2024-0001", 2).RecordCount(), 0);
}

} // namespace
