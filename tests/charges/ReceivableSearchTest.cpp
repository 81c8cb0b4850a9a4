#include "charges/frmSearchRecievable.h"
#include "testkit/FixtureReceivable.h"
#include "testkit/UserActions.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"

#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using ward::frmSearchRecievable;

namespace {

constexpr forms::Color Blue = 0xFF0000;
constexpr forms::Color Red = 0xFF;

struct SearchWorld {
    TestApp test;
    frmSearchRecievable& window = fixture::LoadReceivableSearch(test);
};

TEST(ReceivableSearch, SendsTheTypedBoxAsTypedForEachPatientType) {
    struct Case {
        const char* name;
        bool inPatient;
        int box;
        std::string text;
        std::string expected;
        const char* typeIO;
    };
    const Case cases[] = {
        {"in-patient by last name", true, 0, "SANTOS", fixture::ReceivableSearchQuery("A", "SANTOS"), "I"},
        {"out-patient by hospital number", false, 1, " 100577", fixture::ReceivableSearchQuery("O", "", " 100577"),
         "O"},
        {"admission number untrimmed", true, 2, "2026001234 ", fixture::ReceivableSearchQuery("A", "", "", "2026001234 "),
         "I"},
        {"a pasted quote is doubled", true, 0, "O'NEIL", fixture::ReceivableSearchQuery("A", "O''NEIL"), "I"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SearchWorld w;
        w.window.optPatientType(c.inPatient ? 0 : 1).SetValue(true);
        w.window.txtSearch(c.box).SetText(c.text);
        w.test.server.On(c.expected).Returns(fixture::ReceivableSearchColumns(), {});
        PressKey(w.window.txtSearch(c.box), forms::vbKeyReturn);
        EXPECT_EQ(w.test.server.Statements(), std::vector<std::string>{c.expected});
        EXPECT_EQ(w.test.app.PatientTypeIO, c.typeIO);
        EXPECT_EQ(w.window.mshflexList.Rows(), 2);
        EXPECT_FALSE(w.window.mshflexList.Enabled());
        EXPECT_TRUE(w.window.mshflexList.Redraw());
        EXPECT_FALSE(w.window.ProgressBar1.Visible());
    }
}

TEST(ReceivableSearch, ListsTheRowsAndColoursBilledOverCashBasis) {
    SearchWorld w;
    const std::vector<Row> rows = {
        fixture::ReceivablePatientRow("100234", "2026001234", "DELA CRUZ, JUAN", vb::MakeDate({2026, 12, 9})),
        fixture::ReceivablePatientRow("100235", "2026001235", "REYES, ANA"),
        fixture::ReceivablePatientRow("100236", "2026001236", "LIM, TOMAS"),
    };
    w.test.server.On(fixture::ReceivableSearchQuery("A")).Returns(fixture::ReceivableSearchColumns(), rows);
    w.test.server.On(fixture::CashBasisCheck("2026001235", "I")).Returns({"IDNum"}, {{"2026001235"}});
    w.test.server.On(fixture::CashBasisCheck("2026001236", "I")).Returns({"IDNum"}, {});
    PressKey(w.window.txtSearch(0), forms::vbKeyReturn);
    // The billed row needs no cash-basis check.
    EXPECT_EQ(w.test.server.Statements(),
              (std::vector<std::string>{fixture::ReceivableSearchQuery("A"), fixture::CashBasisCheck("2026001235", "I"),
                                        fixture::CashBasisCheck("2026001236", "I")}));
    forms::MSHFlexGrid& grid = w.window.mshflexList;
    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(2, 1), "100235");
    EXPECT_EQ(grid.TextMatrix(2, 3), "REYES, ANA");
    EXPECT_EQ(grid.TextMatrix(2, 6), "");
    EXPECT_NE(grid.TextMatrix(1, 6), "");
    const forms::Color expected[] = {Blue, Red, forms::vbWindowText};
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 6; ++col)
            EXPECT_EQ(grid.FormatOf(row, col).ForeColor, expected[row - 1]) << row << "," << col;
    EXPECT_EQ(w.window.ProgressBar1.Max(), 3);
    EXPECT_EQ(w.window.ProgressBar1.Value(), 3);
    EXPECT_FALSE(w.window.ProgressBar1.Visible());
    EXPECT_TRUE(grid.Enabled());
    EXPECT_TRUE(grid.Redraw());
}

TEST(ReceivableSearch, TheListIsLaidOutByItsWidthAndAPatientTypeClickEmptiesIt) {
    SearchWorld w;
    forms::MSHFlexGrid& grid = w.window.mshflexList;
    grid.SetWidth(11400); // 11400 / 13 + 350 = 1226.9...
    fixture::SearchReceivables(w.test, true, {fixture::ReceivablePatientRow("100234", "2026001234", "A")});
    const int widths[] = {300, 1227, 1227, 4908, 2277, 2277, 2277};
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << col;
    grid.SetWidth(6500);
    Click(w.window.optPatientType(1));
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.TextMatrix(0, 2), "ADM. Num.");
    EXPECT_FALSE(grid.Enabled());
    EXPECT_EQ(grid.ColWidth(1), 850);
    EXPECT_EQ(grid.ColWidth(3), 3400);
}

TEST(ReceivableSearch, TheBoxesFilterKeysEmptyEachOtherAndEnableSearch) {
    SearchWorld w;
    frmSearchRecievable& s = w.window;
    Type(s.txtSearch(0), "s1a'");
    EXPECT_EQ(s.txtSearch(0).Text(), "SA");
    EXPECT_TRUE(s.Command1.Enabled());
    Type(s.txtSearch(1), "12a");
    EXPECT_EQ(s.txtSearch(1).Text(), "12a");
    EXPECT_EQ(s.txtSearch(0).Text(), "");
    s.txtSearch(1).SetText("");
    EXPECT_FALSE(s.Command1.Enabled());
}

struct PickCase {
    const char* name;
    bool inPatient;
    std::string hospNum;
    std::string idNum;
    bool receivable;
    std::string message;    // empty when the pick is accepted
    std::string hospAfter;  // ReceivableHospNum after the pick
    std::string guarantor;
    std::string roomClass;
    std::string room;
};

TEST(ReceivableSearch, APickIsRefusedOrNamesThePatientAndHides) {
    const std::string invoiced = "Record indicates that the Patient's Account was already been invoiced ! \r\n"
                                 " Please contact Accounts Receivable Section.";
    const PickCase cases[] = {
        {"invoiced", true, "100234", "2026001234", false, invoiced, "", "", "", ""},
        {"in-patient", true, "100234", "2026001234", true, "", "100234", "PERSONAL", "C", "SIC-03"},
        {"out-patient", false, "100577", "2026004410B", true, "", "100577", "PERSONAL", "A", "OPD"},
        {"admission refused", true, "100234", "2026009999", true, "No Records Found.", "", "", "", ""},
        {"visit refused", false, "100577", "2026009998B", true, "No Records Found.", "", "", "", ""},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.name);
        SearchWorld w;
        w.test.app.CurRoomClassID = "";
        w.test.app.CurRoomID = "";
        w.test.app.ReceivableGuarantor = "OLD";
        fixture::SearchReceivables(w.test, c.inPatient, {fixture::ReceivablePatientRow(c.hospNum, c.idNum, "X")});
        fixture::DeclareReceivableUpdate(w.test.server, c.idNum, c.receivable);
        if (!c.message.empty())
            w.test.host.ExpectMsgBox(c.message);
        w.window.Show();
        DoubleClickCell(w.window.mshflexList, 1, 2);
        EXPECT_EQ(w.test.app.ReceivableHospNum, c.hospAfter);
        EXPECT_EQ(w.test.app.ReceivableIdNum, c.message.empty() ? c.idNum : "");
        EXPECT_EQ(w.test.app.ReceivableGuarantor, c.guarantor);
        EXPECT_EQ(w.test.app.CurRoomClassID, c.roomClass);
        EXPECT_EQ(w.test.app.CurRoomID, c.room);
        EXPECT_EQ(w.window.Visible(), !c.message.empty());
        EXPECT_EQ(w.test.app.SearchRow, 1);
        if (c.message.empty()) {
            EXPECT_EQ(w.window.PickedInPatient(), c.inPatient);
            EXPECT_EQ(w.test.app.CurAccountNum, c.hospNum);
        }
    }
}

TEST(ReceivableSearch, AnotherAccountNamesItsCompanyAndAnUnknownPatientKeepsTheName) {
    SearchWorld w;
    w.test.patientSearch.admissions[fixture::InPatientIdNum].admission.Account = {"ACC-77", "ZENTARI MUTUAL"};
    w.test.app.CurPatientName = "EARLIER, NAME";
    w.test.patientSearch.patientMaster.patients.erase(fixture::InPatientHospNum);
    fixture::SearchReceivables(w.test, true, {fixture::ReceivablePatientRow("100234", "2026001234", "X")});
    fixture::DeclareReceivableUpdate(w.test.server, "2026001234", true);
    PressKey(w.window.mshflexList, forms::vbKeyReturn);
    EXPECT_EQ(w.test.app.ReceivableGuarantor, "ZENTARI MUTUAL");
    EXPECT_EQ(w.test.app.CurAccountNum, "ACC-77");
    EXPECT_EQ(w.test.app.CurPatientName, "EARLIER, NAME");
    EXPECT_EQ(w.test.app.ReceivableIdNum, "2026001234");
}

TEST(ReceivableSearch, CloseHidesAndKeepsThePreviousPick) {
    SearchWorld w;
    w.test.app.ReceivableHospNum = "100234";
    w.test.app.ReceivableIdNum = "2026001234";
    w.window.Show();
    Click(w.window.Command2);
    EXPECT_FALSE(w.window.Visible());
    EXPECT_TRUE(w.test.app.Forms.IsLoaded<frmSearchRecievable>());
    EXPECT_EQ(w.test.app.ReceivableIdNum, "2026001234");
}

} // namespace
