#include "ChargeWindow.h"
#include "charges/DialogCallers.h"
#include "charges/frmDoctorsFee.h"
#include "charges/frmPSIReading.h"
#include "shell/frmSupervisorAccessCode.h"
#include "testkit/FixtureSignIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
using namespace charges_test;

namespace {

const std::string Id = fixture::InPatientIdNum;
constexpr int Information = forms::vbOKOnly + forms::vbInformation;
constexpr int Critical = forms::vbOKOnly + forms::vbCritical;

std::string Location(const std::string& code) {
    return "Select isnull(locationid,'') AS LocationID from BUILD_FILE..tbCoRevenueCode where revenueid = '" + code +
           "'";
}
std::string Repeat(const std::string& item, const std::string& dept) {
    return "STATION..Nurse_CheckExam_Posted '" + Id + "','" + item + "','" + dept + "'";
}
std::string ARCode(const std::string& dept, const std::string& mode = "1") {
    return "STATION..sp_Get_ARCodes '" + dept + "','ICU','" + mode + "'";
}
std::string RoomClass(const std::string& room) { return "STATION..sp_Nurse_Get_RoomClassification '" + room + "'"; }
const std::string International = "STATION..CheckIfInternational '" + Id + "'";
std::string DoctorBill(const std::string& doctor) {
    return "Select * from BUILD_FILE..tbCoDoctorBill Where DoctorID ='" + doctor + "' and Status = 1 and Amount >0";
}
std::string FeeRecord(const std::string& doctor) {
    return "Select TOP 1 1 from BUILD_FILE..tbCoDoctorBill Where DoctorID ='" + doctor +
           "' and Status = 1 and Amount >0";
}
std::string DoctorsRate(const std::string& doctor, const std::string& rateClass) {
    return "STATION..sp_Nurse_Get_Doctors_Rate '" + doctor + "','" + rateClass + "'";
}
const std::string PHRevenue = "SELECT 1 FROM BUILD_FILE..tbCoRevenueCode WHERE RevenueID = 'PH' AND "
                              "StockCardRevenueID = 'PH'";
const std::string OpenTank = "Select 1 from STATION..tbOpenClosetank WHERE IDNUM = '" + Id + "' AND STATUS = 1";

// The fixture hospital asks the STAT question; these tests ask for it where they answer it.
fixture::ChargeWindowSetUp WithoutStatQuestion(fixture::ChargeWindowSetUp setUp) {
    setUp.hospital.insert(setUp.hospital.begin(), {"isStat", false});
    return setUp;
}

// A charge window with the fixture ward's answers for pricing: stock at the pharmacy ("20"), none elsewhere; nothing
// posted today; room class "C"; AR codes by department.
struct Entry : ChargeWindow {
    explicit Entry(fixture::ChargeWindowSetUp setUp = {}) : ChargeWindow(WithoutStatQuestion(setUp)) {
        for (const char* code : {"SU", "MD", "OX"})
            test.server.On(Location(code)).Returns({"LocationID"}, {{""}});
        test.server.On(Location("PH")).Returns({"LocationID"}, {{"20"}});
        for (const char* code : {"SU", "PH", "OX"}) {
            test.server.On(ARCode(code)).Returns({"ARCode"}, {{std::string("AR-") + code}});
            test.server.OnPattern("STATION..Nurse_CheckExam_Posted '" + Id + "','{?}','" + code + "'")
                .Returns({"ProcessDate"}, {});
        }
        test.server.On(RoomClass("SIC-03")).Returns({"RoomClassID"}, {{"C"}});
        test.server.On(International).Returns({"isInternational"}, {{"N"}});
        Medicine("AMOX500", "AMOXICILLIN 500MG", "12.5", 100);
        Service("SU", "SU-DRS", "WOUND DRESSING", "250");
    }

    void Medicine(const std::string& code, const std::string& name, const char* price, double stock) {
        FakeItem item;
        item.DrugCode = code;
        item.DrugName = name;
        item.Invent.SellingPriceIn = price;
        item.Invent.SellingPriceOut = "99";
        item.Invent.StockOnHand = stock;
        test.drugObject.drug.items[code] = item;
    }
    // A service of the section with the same rate for every class except "C", priced at the given one.
    void Service(const std::string& section, const std::string& code, const std::string& name, const char* rateC) {
        test.codeSearch.answers[{21, code}] = [=](FakeCodeSearch& search) {
            search.otherRevenue = {};
            search.otherRevenue.ResultCode = code;
            search.otherRevenue.OtherRevenue = name;
            for (vb::Variant* rate :
                 {&search.otherRevenue.RateA, &search.otherRevenue.RateB, &search.otherRevenue.RateD,
                  &search.otherRevenue.RateE, &search.otherRevenue.RateF, &search.otherRevenue.RateG,
                  &search.otherRevenue.RateH})
                *rate = "100";
            search.otherRevenue.RateC = rateC;
        };
        (void)section;
    }
    void Doctor(const std::string& code) {
        test.codeSearch.answers[{1, code}] = [=](FakeCodeSearch& search) {
            search.doctor = {code, "REYES ", " ANA", "", false};
        };
    }
    // Department and item typed and accepted on the row.
    void Pick(int row, const std::string& dept, const std::string& item) {
        Enter(row, 1, dept);
        Enter(row, 2, item);
    }
};

TEST(ItemEntryKinds, AServiceIsPricedByTheRoomClassWithItsStatementsInOrder) {
    Entry e;
    const std::size_t mark = e.test.server.Mark();
    e.Pick(1, "SU", "SU-DRS");
    EXPECT_EQ(e.SentSince(mark),
              (std::vector<std::string>{Location("SU"), Repeat("SU-DRS", "SU"), RoomClass("SIC-03"), ARCode("SU")}));
    EXPECT_EQ(e.test.codeSearch.OtherSectionID, "SU");
    EXPECT_EQ(e.Cells(1), (std::vector<std::string>{"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "250", "", "AR-SU",
                                                    "250", "250", "", "", "", "", "", "", "", ""}));
    // The editor moved on to the quantity.
    EXPECT_EQ(e.grid().Col(), 4);
    EXPECT_EQ(e.charge.lblMessage.Caption(), "Type how many quantity to charge");
}

TEST(ItemEntryKinds, RateClassesOfTheRoom) {
    struct Case {
        const char* name;
        std::string room;
        std::vector<std::string> roomStatements;
        const char* price;
    };
    const std::vector<Case> cases = {
        {"emergency or out-patient room", "ER/OPD", {}, "100"},
        {"room of class C", "SIC-03", {RoomClass("SIC-03")}, "250"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::ChargeWindowSetUp setUp;
        setUp.room = c.room;
        Entry e(setUp);
        const std::size_t mark = e.test.server.Mark();
        e.Pick(1, "SU", "SU-DRS");
        std::vector<std::string> expected = {Location("SU"), Repeat("SU-DRS", "SU")};
        expected.insert(expected.end(), c.roomStatements.begin(), c.roomStatements.end());
        expected.push_back(ARCode("SU"));
        EXPECT_EQ(e.SentSince(mark), expected);
        EXPECT_EQ(e.grid().TextMatrix(1, 5), c.price);
    }
}

TEST(ItemEntryKinds, AnUnknownRateClassLeavesNoPriceAndWithAmountsHiddenTheRowIsRefused) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"IsShowAmount", false}};
    setUp.room = "SIC-99";
    Entry e(setUp);
    e.test.server.On(RoomClass("SIC-99")).Returns({"RoomClassID"}, {{"Z"}});
    e.test.host
        .ExpectMsgBox("Record(s) indicate that the amount of the item is zero! \r\nPlease contact EDP for further "
                      "assistance.")
        .Title("Message")
        .Buttons(Critical);
    e.Pick(1, "SU", "SU-DRS");
    EXPECT_EQ(e.Cells(1), std::vector<std::string>(18, ""));
    EXPECT_EQ(e.grid().Col(), 1);
    EXPECT_EQ(e.charge.txtEntry.Text(), "");
}

TEST(ItemEntryKinds, AMedicineWithPnfCheckAndDosage) {
    fixture::ChargeWindowSetUp setUp;
    setUp.wardParameters = WardParameters({{"ZODEShowDosagePostMedicines", "1"}, {"CheckPNF", "1"}});
    Entry e(setUp);
    e.test.server
        .On("Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation Where LocationID "
            "='20'")
        .Returns({"InventoryType"}, {{"P"}});
    e.test.server.On("Station..CheckIfPNF 'AMOX500'").Returns({"ItemID"}, {{"AMOX500"}});
    e.test.server.On(PHRevenue).Returns({"1"}, {{1}});
    e.test.drugListObject2.choices = {"AMOX500"};
    e.test.codeSearch.answers[{16, ""}] = [](FakeCodeSearch& search) { search.dosage = {"TID", std::int32_t{3}}; };
    const std::size_t mark = e.test.server.Mark();
    e.Pick(1, "PH", "amox");
    EXPECT_EQ(e.SentSince(mark), (std::vector<std::string>{
                                     Location("PH"), Repeat("AMOX500", "PH"),
                                     "Select Isnull(InventoryType,'') As InventoryType From INVENTORY..tbInvLocation "
                                     "Where LocationID ='20'",
                                     "Station..CheckIfPNF 'AMOX500'", ARCode("PH"), PHRevenue, Location("PH")}));
    // The dosage's frequency is the quantity; the amount stays one unit's until the quantity is confirmed.
    EXPECT_EQ(e.Cells(1), (std::vector<std::string>{"PH", "AMOX500", "AMOXICILLIN 500MG", "3", "12.5", "12.5", "20",
                                                    "AR-PH", "12.5", "12.5", "", "", "", "", "", "", "", "TID"}));
    EXPECT_EQ(e.test.app.ChargeLocationID, "20");
}

TEST(ItemEntryKinds, ADoctorsFeeFromTheRateTableOrFromThePicker) {
    {
        SCOPED_TRACE("rate table");
        Entry e;
        e.Doctor("D001");
        e.test.server.On(DoctorBill("D001")).Returns({"DoctorID"}, {});
        e.test.server.On(DoctorsRate("D001", "C")).Returns({"Amount"}, {{1500.0}});
        const std::size_t mark = e.test.server.Mark();
        e.Pick(1, "MD", "D001");
        EXPECT_EQ(e.SentSince(mark), (std::vector<std::string>{Location("MD"), DoctorBill("D001"), RoomClass("SIC-03"),
                                                               DoctorsRate("D001", "C")}));
        EXPECT_EQ(e.Cells(1), (std::vector<std::string>{"MD", "D001", "REYES ,ANA", "1", "1500", "1500", "", "", "1500",
                                                        "1500", "", "", "", "", "", "", "", ""}));
    }
    {
        SCOPED_TRACE("picker");
        Entry e;
        e.Doctor("D002");
        e.test.server.On(DoctorBill("D002")).Returns({"DoctorID"}, {{"D002"}});
        e.test.server.On(FeeRecord("D002")).Returns({"1"}, {{1}});
        const std::string feeList = DoctorBill("D002").replace(0, 8, "Select Description,Amount") + " Order By Description";
        e.test.server.On(feeList).Returns({"Description", "Amount"}, {{"PROFESSIONAL FEE", 800.0}});
        std::string asked;
        e.test.host.OnModal<ward::frmDoctorsFee>([&](ward::frmDoctorsFee& picker) {
            asked = picker.DoctorCode + "|" + picker.DoctorName;
            picker.SelectedDoctorFee = 800;
            picker.Unload();
        });
        const std::size_t mark = e.test.server.Mark();
        e.Pick(1, "MD", "D002");
        // Closing the picker activates the window again, which lists the posted charges anew.
        EXPECT_EQ(e.SentSince(mark), (std::vector<std::string>{Location("MD"), DoctorBill("D002"), FeeRecord("D002"),
                                                               feeList, fixture::PostedChargesQuery()}));
        EXPECT_EQ(asked, "D002|REYES ,ANA");
        EXPECT_EQ(e.grid().TextMatrix(1, 5), "800");
        EXPECT_EQ(e.grid().TextMatrix(1, 6), "800");
    }
}

TEST(ItemEntryRefusals, EachRefusalShowsItsMessageAndKeepsTheEditorOnItsCell) {
    struct Case {
        const char* name;
        std::function<void(Entry&)> arrange;
        std::function<void(Entry&)> act;
        const char* message;
        const char* title;
        int buttons;
        int col; // where the editor stays
    };
    const std::vector<Case> cases = {
        {"unknown department", [](Entry&) {}, [](Entry& e) { e.Enter(1, 1, "XR"); }, "Department code does not exist.",
         "Notification", Information, 1},
        {"unknown medicine", [](Entry&) {}, [](Entry& e) { e.Pick(1, "PH", "12345"); }, "Code does not exist.",
         "Notification", Information, 2},
        {"inactive medicine",
         [](Entry& e) {
             e.Medicine("555", "OLD SYRUP", "10", 5);
             e.test.drugObject.drug.items["555"].inactive = true;
         },
         [](Entry& e) { e.Pick(1, "PH", "555"); }, "Record is inactive. Please check build file of items.", "Message",
         forms::vbOKOnly + forms::vbExclamation, 2},
        {"the same medicine twice",
         [](Entry& e) {
             e.Fill(1, {"PH", "AMOX500", "AMOXICILLIN 500MG", "1", "12.5", "12.5"});
             e.Fill(2, {});
             e.test.drugListObject2.choices = {"AMOX500"};
         },
         [](Entry& e) { e.Pick(2, "PH", ""); }, "Can't charge the same Medicine/Supply.", "Notification", Information,
         2},
        {"the same service twice",
         [](Entry& e) {
             e.Fill(1, {"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "250"});
             e.Fill(2, {});
         },
         [](Entry& e) { e.Pick(2, "SU", "SU-DRS"); }, "Can't charge the same service.", "Notification", Information, 2},
        {"a quantity of zero",
         [](Entry& e) {
             e.Fill(1, {"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "250"});
         },
         [](Entry& e) { e.Enter(1, 4, "0"); }, "Quantity should be greater than zero(0).", "Notification", Information,
         4},
        {"a unit price under the picked one",
         [](Entry& e) {
             e.Fill(1, {"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "250", "", "AR-SU", "250", "250"});
         },
         [](Entry& e) { e.Enter(1, 5, "200"); }, "Unit Price should be greater >= 250", forms::ProgramTitle,
         forms::vbOKOnly, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Entry e;
        c.arrange(e);
        e.test.host.ExpectMsgBox(c.message).Title(c.title).Buttons(c.buttons);
        c.act(e);
        EXPECT_EQ(e.grid().Col(), c.col);
        e.test.host.VerifyAllUsed();
    }
}

TEST(ItemEntryRefusals, NoStockLeftEmptiesTheRowFromTheItemOn) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"AllowZeroOnHand", true}};
    Entry e(setUp);
    e.Medicine("CEFT1G", "CEFTRIAXONE 1G", "350", 0);
    e.Fill(1, {"PH", "OLD", "OLD ITEM", "2", "5", "10", "20", "AR-PH", "5", "5"});
    e.grid().SetTextMatrix(1, 18, "BID");
    e.test.drugListObject2.choices = {"CEFT1G"};
    e.test.host.ExpectMsgBox("There is no stock left for CEFTRIAXONE 1G. The system can't process the specified item.")
        .Title("Notification")
        .Buttons(Critical);
    e.Enter(1, 2, "ceftriaxone");
    std::vector<std::string> expected(18, "");
    expected[0] = "PH";
    EXPECT_EQ(e.Cells(1), expected);
    EXPECT_EQ(e.grid().Col(), 2);
}

TEST(ItemEntryRefusals, ASecondOxygenTankWhileOneIsOpen) {
    fixture::ChargeWindowSetUp setUp;
    setUp.wardParameters = WardParameters({{"ZODEAllowOpenCloseTank", "1"}});
    Entry e(setUp);
    e.Service("OX", "OX-TANK", "OXYGEN TANK", "850");
    e.test.server.On(OpenTank).Returns({"1"}, {{1}});
    e.test.host.ExpectMsgBox("Sorry, patient still has an open oxygen tank.").Title("Warning").Buttons(Critical);
    e.Pick(1, "OX", "OX-TANK");
    EXPECT_EQ(e.grid().TextMatrix(1, 2), "OX-TANK");
    EXPECT_EQ(e.grid().TextMatrix(1, 5), "");
    EXPECT_EQ(e.grid().Col(), 2);
}

TEST(ItemEntryRefusals, ADoctorWithoutFeesWhileAmountsAreHiddenEmptiesTheRow) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"IsShowAmount", false}};
    Entry e(setUp);
    e.Doctor("D003");
    e.test.server.On(DoctorBill("D003")).Returns({"DoctorID"}, {});
    e.test.server.On(FeeRecord("D003")).Returns({"1"}, {});
    e.test.host
        .ExpectMsgBox("No Record(s) found in the Doctor's Fee table! \r\nPlease contact EDP for further assistance.")
        .Title("Message")
        .Buttons(Critical);
    e.Pick(1, "MD", "D003");
    EXPECT_EQ(e.Cells(1), std::vector<std::string>(18, ""));
    EXPECT_EQ(e.grid().Col(), 1);
}

// Quantity, unit price and STAT surcharge: what columns 4 to 6 hold once the quantity is confirmed.
TEST(ItemEntryPricing, QuantityAndStatSurchargeGiveTheAmount) {
    struct Case {
        const char* name;
        bool international;
        const char* quantity;
        std::optional<bool> stat;       // nothing: the STAT question is not asked
        std::vector<std::string> cells; // columns 4 to 6
    };
    const std::vector<Case> cases = {
        {"plain", false, "2", std::nullopt, {"2", "250", "500"}},
        {"international", true, "1", std::nullopt, {"1", "275", "275"}},
        {"STAT yes", false, "2", true, {"2", "250", "650"}},
        {"STAT no", false, "2", false, {"2", "250", "500"}},
        {"a half", false, "1.5", std::nullopt, {"1.5", "250", "375"}},
        {"a third of a price", false, "3", std::nullopt, {"3", "250", "750"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::ChargeWindowSetUp setUp;
        setUp.hospital = {{"isStat", c.stat.has_value()}};
        setUp.wardParameters = WardParameters({{"ZODEAllowInternationalRate", "1"}});
        Entry e(setUp);
        e.test.server.Instead(International).Returns({"isInternational"}, {{c.international ? "Y" : "N"}});
        e.Pick(1, "SU", "SU-DRS");
        if (c.stat)
            e.test.host.ExpectMsgBox("Is it Stat/Holiday?")
                .Buttons(forms::vbYesNo + forms::vbQuestion)
                .Answer(*c.stat ? forms::vbYes : forms::vbNo);
        e.Enter(1, 4, c.quantity);
        EXPECT_EQ(
            (std::vector<std::string>{e.grid().TextMatrix(1, 4), e.grid().TextMatrix(1, 5), e.grid().TextMatrix(1, 6)}),
            c.cells);
        if (c.stat) {
            EXPECT_EQ(e.test.app.StatHolidayYN, *c.stat ? "Y" : "N");
        }
        EXPECT_EQ(e.grid().Col(), 5);
    }
}

TEST(ItemEntryPricing, AnInternationalPriceIsTheRateTimesOnePointOneWithoutBinaryTails) {
    struct Case {
        const char* rate;
        const char* price;
    };
    for (const Case& c : std::vector<Case>{{"100", "110"}, {"0.1", "0.11"}, {"33.3", "36.63"}, {"250", "275"}}) {
        SCOPED_TRACE(c.rate);
        fixture::ChargeWindowSetUp setUp;
        setUp.wardParameters = WardParameters({{"ZODEAllowInternationalRate", "1"}});
        Entry e(setUp);
        e.Service("SU", "SU-DRS", "WOUND DRESSING", c.rate);
        e.test.server.Instead(International).Returns({"isInternational"}, {{"Y"}});
        e.Pick(1, "SU", "SU-DRS");
        EXPECT_EQ(e.grid().TextMatrix(1, 5), c.price);
    }
}

TEST(ItemEntryPricing, TheUnitPriceFloorAndTheAdvanceToTheNextRow) {
    Entry e;
    e.Pick(1, "SU", "SU-DRS");
    e.Enter(1, 4, "2");
    // An equal or higher price is stored and priced; Unit Price closes the row while amounts are shown.
    e.Enter(1, 5, "300");
    EXPECT_EQ(e.grid().TextMatrix(1, 5), "300");
    EXPECT_EQ(e.grid().TextMatrix(1, 6), "600");
    EXPECT_EQ(e.grid().Rows(), 3);
    EXPECT_EQ(e.grid().Row(), 2);
    EXPECT_EQ(e.grid().Col(), 1);
    EXPECT_EQ(e.grid().TextMatrix(2, 0), "2");
}

TEST(ItemEntryPricing, TheQuantityClosesTheRowWhileAmountsAreHidden) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"IsShowAmount", false}};
    Entry e(setUp);
    e.Pick(1, "SU", "SU-DRS");
    e.Enter(1, 4, "1");
    EXPECT_EQ(e.grid().Row(), 2);
    EXPECT_EQ(e.grid().Col(), 1);
}

TEST(ItemEntryPricing, AtKelbaAChangedUnitPriceNeedsASupervisor) {
    for (bool approved : {true, false}) {
        SCOPED_TRACE(approved ? "approved" : "refused");
        fixture::ChargeWindowSetUp setUp;
        setUp.hospital = {{"ClientName", "KELBA"}};
        Entry e(setUp);
        e.Pick(1, "SU", "SU-DRS");
        e.Enter(1, 4, "2");
        // The picked price itself needs nobody.
        e.Enter(1, 5, "250");
        EXPECT_EQ(e.test.host.ModalShows(), std::vector<std::string>{});
        e.test.host.OnModal<ward::frmSupervisorAccessCode>([&](ward::frmSupervisorAccessCode& dialog) {
            e.test.app.SupervisorID = approved ? fixture::SupervisorCode : "";
            dialog.Hide();
        });
        e.Enter(1, 5, "300");
        if (approved) {
            EXPECT_EQ(e.grid().TextMatrix(1, 11), fixture::SupervisorCode);
            EXPECT_EQ(e.grid().TextMatrix(1, 5), "300");
        } else {
            EXPECT_EQ(e.grid().TextMatrix(1, 11), "");
            EXPECT_EQ(e.grid().TextMatrix(1, 5), "250");
            EXPECT_EQ(e.grid().TextMatrix(1, 6), "500");
            EXPECT_EQ(e.charge.txtEntry.Text(), "250");
            EXPECT_EQ(e.grid().Col(), 5);
        }
    }
}

// The amount column as a grid that leaves it open reaches it: the typed amount against quantity × unit price.
TEST(ItemEntryPricing, TheAmountCheck) {
    struct Case {
        const char* typed;
        const char* quantity;
        const char* price;
        bool accepted;
        const char* amount;
        const char* priceAfter;
    };
    const std::vector<Case> cases = {
        {"12.346", "1", "12.35", true, "12.346", "12.35"},
        {"12.34", "1", "12.35", false, "12.35", "12.35"},
        {"500", "2", "250", true, "500", "250"},
        {"90", "3", "0", true, "90", "30"},
        {"0", "1", "250", false, "", "250"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Entry e;
        e.Fill(1, {"SU", "SU-DRS", "WOUND DRESSING", c.quantity, c.price, ""});
        e.grid().SetCol(6);
        e.charge.Entry().LockedColumns[2] = 0;
        e.charge.Entry().ShowEntryPrompt(6, 1);
        if (!c.accepted)
            e.test.host
                .ExpectMsgBox(std::string(c.typed) == "0"
                                  ? "Amount should be greater than zero."
                                  : "Total Amount should be greater than or equal to QTY * Unit Price.")
                .Title("Notification")
                .Buttons(Information);
        e.charge.txtEntry.SetText(c.typed);
        PressKey(e.charge.txtEntry, forms::vbKeyReturn);
        EXPECT_EQ(e.grid().TextMatrix(1, 6), c.amount);
        EXPECT_EQ(e.grid().TextMatrix(1, 5), c.priceAfter);
    }
}

TEST(ItemEntryPricing, AnAmountOnARowWithoutQuantityIsReportedAndKeepsTheRow) {
    Entry e;
    e.Fill(1, {"SU", "SU-DRS", "WOUND DRESSING", "", "250", ""});
    e.grid().SetCol(6);
    e.charge.Entry().LockedColumns[2] = 0;
    e.charge.Entry().ShowEntryPrompt(6, 1);
    e.test.host.ExpectMsgBox("Type mismatch\n\nPlease notify your IT department.").Title("Notification");
    e.charge.txtEntry.SetText("100");
    PressKey(e.charge.txtEntry, forms::vbKeyReturn);
    EXPECT_EQ(e.Cells(1)[0], "SU");
    EXPECT_EQ(e.grid().TextMatrix(1, 6), "");
}

TEST(ItemEntryDecisions, AQuantityIsTestedAgainstTheStockOfItsOwnItem) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"AllowZeroOnHand", true}};
    Entry e(setUp);
    e.Medicine("PARA500", "PARACETAMOL 500MG", "4.5", 5);
    e.test.drugListObject2.choices = {"AMOX500", "PARA500"};
    e.Pick(1, "PH", "AMOX500"); // 100 in stock
    e.Enter(1, 4, "1");
    e.Enter(1, 5, "12.5");
    e.Pick(2, "PH", "PARA500"); // looked up last, 5 in stock
    e.test.host.ExpectMsgBox("Stock is not enough for the quantity entered. Remaining stock is: 100")
        .Title("Notification")
        .Buttons(Information);
    e.Enter(1, 4, "101");
    EXPECT_EQ(e.grid().TextMatrix(1, 4), "");
    e.Enter(1, 4, "20");
    EXPECT_EQ(e.grid().TextMatrix(1, 4), "20");
    EXPECT_EQ(e.grid().TextMatrix(1, 6), "250");
}

TEST(ItemEntryDecisions, AMedicineRowRepickedAsAServiceKeepsNothingOfTheMedicine) {
    fixture::ChargeWindowSetUp setUp;
    setUp.wardParameters = WardParameters({{"ZODEShowDosagePostMedicines", "1"}});
    Entry e(setUp);
    e.test.server.On(PHRevenue).Returns({"1"}, {{1}});
    e.test.codeSearch.answers[{16, ""}] = [](FakeCodeSearch& search) { search.dosage = {"TID", std::int32_t{3}}; };
    e.test.drugListObject2.choices = {"AMOX500", "AMOX500"};
    e.Pick(1, "PH", "AMOX500");
    ASSERT_EQ(e.grid().TextMatrix(1, 18), "TID");
    // The same medicine again keeps its dosage even when none is picked now.
    e.test.codeSearch.answers.clear();
    e.Service("SU", "SU-DRS", "WOUND DRESSING", "250");
    e.Enter(1, 2, "AMOX500");
    EXPECT_EQ(e.grid().TextMatrix(1, 18), "TID");

    e.Pick(1, "SU", "SU-DRS");
    EXPECT_EQ(e.Cells(1), (std::vector<std::string>{"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "250", "", "AR-SU",
                                                    "250", "250", "", "", "", "", "", "", "", ""}));
}

TEST(ItemEntryDecisions, StatOnAPsiRowSurchargesTheAmountTheReadingGave) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"isStat", true}, {"PSIOxygenComputationType", std::int16_t{2}}};
    Entry e(setUp);
    e.Service("OX", "OX-PSI", "OXYGEN PSI", "40");
    e.Pick(1, "OX", "OX-PSI");
    e.test.host.ExpectMsgBox("Is this a PSI Oxygen?")
        .Title("Message")
        .Buttons(forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2)
        .Answer(forms::vbYes);
    e.test.host.OnModal<ward::frmPSIReading>([&](ward::frmPSIReading& dialog) {
        EXPECT_EQ(dialog.Code, "OX-PSI");
        EXPECT_EQ(dialog.SelectedRow, 1);
        dialog.Grid->SetTextMatrix(dialog.SelectedRow, 12, "1500");
        dialog.Grid->SetTextMatrix(dialog.SelectedRow, 13, "1250");
        dialog.Grid->SetTextMatrix(dialog.SelectedRow, 14, "T-7");
        e.test.app.PSIReading = 250;
        dialog.Unload();
    });
    e.test.host.ExpectMsgBox("Is it Stat/Holiday?").Answer(forms::vbYes);
    e.Enter(1, 4, "1");
    // 40 × 250 ÷ 100 = 100, and 30% on it.
    EXPECT_EQ((std::vector<std::string>{e.grid().TextMatrix(1, 4), e.grid().TextMatrix(1, 6),
                                        e.grid().TextMatrix(1, 11), e.grid().TextMatrix(1, 14)}),
              (std::vector<std::string>{" 250", "130", "1", "T-7"}));
    // A PSI row does not stop another row's prices.
    e.Pick(2, "SU", "SU-DRS");
    e.test.host.ExpectMsgBox("Is it Stat/Holiday?").Answer(forms::vbNo);
    e.Enter(2, 4, "1");
    e.Enter(2, 5, "300");
    EXPECT_EQ(e.grid().TextMatrix(2, 5), "300");
}

// The PSI amount rule of each caller, for a unit price of 40.
TEST(PSIAmountRule, QuantityAmountAndFlagByCallerTypeAndReading) {
    using ward::PSICaller;
    struct Case {
        PSICaller caller;
        std::int16_t type;
        std::int16_t reading;
        std::vector<std::string> cells; // quantity, amount, flag
    };
    const std::vector<Case> cases = {
        {PSICaller::ChargeWindow, 1, 250, {" 250", "10000", "1"}},
        {PSICaller::ChargeWindow, 1, 50, {" 50", "2000", "1"}},
        {PSICaller::ChargeWindow, 1, 0, {"1", "40", "1"}},
        {PSICaller::ChargeWindow, 2, 250, {" 250", "100", "1"}},
        {PSICaller::ChargeWindow, 2, 100, {" 100", "40", "1"}},
        {PSICaller::ChargeWindow, 2, 50, {" 50", "40", "1"}},
        {PSICaller::ChargeWindow, 2, 0, {"1", "40", "0"}},
        {PSICaller::CashAssessment, 2, 333, {" 333", "133.2", "1"}},
        {PSICaller::CashAssessment, 2, 0, {"1", "40", "0"}},
        {PSICaller::ClinicalAssessment, 1, 250, {" 250", "100", "1"}},
        {PSICaller::ClinicalAssessment, 1, 99, {" 99", "40", "1"}},
        {PSICaller::ClinicalAssessment, 1, 0, {"", "40", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.caller)) + "/" + std::to_string(c.type) + "/" +
                     std::to_string(c.reading));
        fixture::ChargeWindowSetUp setUp;
        setUp.hospital = {{"PSIOxygenComputationType", c.type}};
        Entry e(setUp);
        e.test.app.PSIOxygenComputationType = c.type;
        e.Fill(1, {"OX", "OX-PSI", "OXYGEN PSI", "7", "40", ""});
        e.test.host.OnModal<ward::frmPSIReading>([&](ward::frmPSIReading& dialog) {
            if (c.reading > 0)
                dialog.Grid->SetTextMatrix(dialog.SelectedRow, 12, "2000");
            e.test.app.PSIReading = c.reading;
            dialog.Unload();
        });
        ward::ChargeByPSIReading(e.test.app, e.grid(), 1, c.caller);
        EXPECT_EQ((std::vector<std::string>{e.grid().TextMatrix(1, 4), e.grid().TextMatrix(1, 6),
                                            e.grid().TextMatrix(1, 11)}),
                  c.cells);
        if (c.cells[2] == "0") {
            EXPECT_EQ(e.grid().TextMatrix(1, 12), "");
        }
    }
}

} // namespace
