#include "shell/frmSearch.h"
#include "shell/mdiOrMenu.h"
#include "testkit/FixturePatientList.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

constexpr forms::Color WindowText = forms::vbWindowText;
constexpr forms::Color Blue = 0xFF0000;
constexpr forms::Color Red = 0xFF;
constexpr forms::Color White = 0xFFFFFF;
constexpr forms::Color LightBlue = 0xFEE2C5;

struct ListWorld {
    TestApp test;
    ward::frmSearch& list;

    explicit ListWorld(const std::vector<Row>& rows = {fixture::InPatientListRow()})
        : list(fixture::OpenPatientList(test, rows)) {}

    ward::mdiOrMenu& Main() { return test.app.Forms.Instance<ward::mdiOrMenu>(); }
};

std::vector<Row> Patients(int count) {
    std::vector<Row> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back(fixture::PatientListRow("1000" + std::to_string(i), "202600000" + std::to_string(i),
                                               "PATIENT " + std::to_string(i)));
    return rows;
}

TEST(PatientList, LoadsTheStationsPatientsWithRowOneEnteredOnce) {
    ListWorld w(Patients(12));
    ward::frmSearch& list = w.list;
    EXPECT_EQ(w.test.server.Statements(), std::vector<std::string>{fixture::PatientListQuery()});
    EXPECT_EQ(list.mshflexList.Rows(), 13);
    EXPECT_EQ(list.mshflexList.Cols(), 9);
    EXPECT_TRUE(list.mshflexList.Enabled());
    EXPECT_EQ(list.mshflexList.Row(), 1);
    EXPECT_EQ(list.mshflexList.Col(), 1);
    EXPECT_EQ(list.mshflexList.FocusRect(), forms::flexFocusNone);
    EXPECT_EQ(w.test.app.CurHospNum, "10001");
    EXPECT_EQ(w.test.app.CurIdNum, "2026000001");
    EXPECT_EQ(w.test.app.SearchRow, 1);
    EXPECT_EQ(w.test.app.SearchRow2, 1);
    EXPECT_EQ(w.test.app.PatientTypeIO, "I");
    EXPECT_EQ(list.lblRecNum.Caption(), "1  out of  12");
    EXPECT_EQ(w.test.app.Connection().CursorLocation(), db::CursorLocation::Client);
    EXPECT_TRUE(list.mshflexList.Redraw());
    EXPECT_FALSE(w.Main().ProgressBar1.Visible());
    EXPECT_FALSE(w.Main().mnuInquiry.Enabled());
    EXPECT_FALSE(w.Main().mnuRS.Enabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(list.lblProcedures(i).Enabled());
    EXPECT_FALSE(list.Command1.Enabled());
    EXPECT_TRUE(list.optSearchType(0).Value());
    EXPECT_TRUE(list.optPatientType(0).Value());
    EXPECT_FALSE(list.optPatientType(0).Visible());

    PressKey(list.mshflexList, forms::vbKeyDown);
    PressKey(list.mshflexList, forms::vbKeyDown);
    EXPECT_EQ(list.lblRecNum.Caption(), "3  out of  12");
    EXPECT_EQ(w.test.app.CurIdNum, "2026000003");
    EXPECT_EQ(w.test.app.SearchRow, 3);
}

TEST(PatientList, NumbersAreTakenAsShownAndTheCounterHasNoBlanksAroundItsNumbers) {
    ListWorld w({fixture::PatientListRow(" 100234 ", "2026001234 ", "DELA CRUZ, JUAN")});
    EXPECT_EQ(w.test.app.CurHospNum, " 100234 ");
    EXPECT_EQ(w.test.app.CurIdNum, "2026001234 ");
    EXPECT_EQ(w.list.lblRecNum.Caption(), "1  out of  1");
}

TEST(PatientList, AnEmptyResultOrARowWithoutAHospitalNumberLeavesOneDisabledRow) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {"no row", {}},
        {"one row without a hospital number", {fixture::PatientListRow("", "", "")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListWorld w(c.rows);
        EXPECT_EQ(w.list.mshflexList.Rows(), 2);
        EXPECT_FALSE(w.list.mshflexList.Enabled());
        EXPECT_EQ(w.test.app.CurHospNum, "");
        EXPECT_EQ(w.test.app.CurIdNum, "");
        EXPECT_EQ(w.test.app.SearchRow, 1);
        EXPECT_EQ(w.list.lblRecNum.Caption(), "");
        EXPECT_FALSE(w.list.lblLegend(1).Visible());
        EXPECT_TRUE(w.list.mshflexList.Redraw());
    }
}

TEST(PatientList, ColoursEachRowByItsBillingAndCashBasisAndShowsTheCashBasisText) {
    struct Case {
        const char* name;
        Row row;
        forms::Color text;
        const char* flagAfter;
        bool legendShown;
        const char* legend;
    };
    const Case cases[] = {
        {"billed", fixture::PatientListRow("1", "11", "A", "12/10/2026", "0"), Blue, "0", false, ""},
        {"billed and flagged", fixture::PatientListRow("2", "12", "B", "12/10/2026", "1", "LAB ONLY."), Blue, "0",
         false, ""},
        {"cash basis", fixture::PatientListRow("3", "13", "C", "", "1", " CASH BASIS: LAB. "), Red, "1", true,
         "CASH BASIS: LAB"},
        {"plain", fixture::PatientListRow("4", "14", "D"), WindowText, "0", false, ""},
        {"flag not a number", fixture::PatientListRow("5", "15", "E", "", "X", "TEXT."), WindowText, "X", false, ""},
        {"flagged without a text", fixture::PatientListRow("6", "16", "F", "", "1", ""), Red, "1", true, ""},
    };
    std::vector<Row> rows;
    for (const Case& c : cases)
        rows.push_back(c.row);
    ListWorld w(rows);
    forms::MSHFlexGrid& grid = w.list.mshflexList;
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const int row = i + 1;
        for (int col = 1; col < 9; ++col) {
            EXPECT_EQ(grid.FormatOf(row, col).ForeColor, c.text) << "column " << col;
            EXPECT_EQ(grid.FormatOf(row, col).BackColor, row % 2 == 1 ? White : LightBlue) << "column " << col;
        }
        EXPECT_EQ(grid.TextMatrix(row, 7), c.flagAfter);
        if (row > 1)
            PressKey(grid, forms::vbKeyDown);
        EXPECT_EQ(w.list.lblLegend(1).Visible(), c.legendShown);
        EXPECT_EQ(w.list.lblLegend(1).Caption(), c.legend);
        EXPECT_EQ(grid.ForeColorSel(), c.text);
        EXPECT_EQ(w.list.lblRecNum.Caption(), std::to_string(row) + "  out of  6");
    }
}

TEST(PatientList, TheSelectionKeepsItsColourOnARowOfAnyOtherTextColour) {
    ListWorld w(Patients(2));
    forms::MSHFlexGrid& grid = w.list.mshflexList;
    grid.SetForeColorSel(0x00FF00);
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetCellForeColor(0x123456);
    PressKey(grid, forms::vbKeyUp);
    PressKey(grid, forms::vbKeyDown);
    EXPECT_EQ(grid.ForeColorSel(), forms::vbWindowText) << "row 1 sets it";
    grid.SetForeColorSel(0x00FF00);
    PressKey(grid, forms::vbKeyUp);
    EXPECT_EQ(grid.ForeColorSel(), forms::vbWindowText);
}

TEST(PatientList, SendsTheBoxesAsTypedWithTheSearchType) {
    struct Case {
        const char* name;
        int box;
        std::string text; // pasted: no key filter
        bool allPatients;
        std::string expected;
    };
    const Case cases[] = {
        {"last name", 0, "SMITH", false, fixture::PatientListQuery('C', "SMITH")},
        {"hospital number", 1, "100234", false, fixture::PatientListQuery('C', "", "100234")},
        {"admission number with blanks", 2, " 2026001234", false,
         fixture::PatientListQuery('C', "", "", " 2026001234")},
        {"an apostrophe pasted", 0, "O'NEIL", false, "STATION..sp_Get_SNCU_PatientList 'C','O''NEIL','',''"},
        {"all patients", 0, "SMITH", true, fixture::PatientListQuery('A', "SMITH")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListWorld w;
        if (c.allPatients) {
            w.test.server.On(fixture::PatientListQuery('A')).Returns(fixture::PatientListColumns(), {});
            Click(w.list.optSearchType(1));
        }
        Focus(w.list.txtSearch(c.box));
        w.list.txtSearch(c.box).SetText(c.text);
        w.test.server.On(c.expected).Returns(fixture::PatientListColumns(), {fixture::InPatientListRow()});
        const std::size_t mark = w.test.server.Mark();
        PressKey(w.list.txtSearch(c.box), forms::vbKeyReturn);
        EXPECT_EQ(w.test.server.Statements(mark), std::vector<std::string>{c.expected});
    }
}

TEST(PatientList, TheLastNameBoxDropsDigitsAndTakesUpperCaseTheOthersTakeDigits) {
    ListWorld w;
    Type(w.list.txtSearch(0), "de'la 9cruz");
    EXPECT_EQ(w.list.txtSearch(0).Text(), "DELA CRUZ");
    EXPECT_TRUE(w.list.Command1.Enabled());
    Type(w.list.txtSearch(1), "10'02a");
    EXPECT_EQ(w.list.txtSearch(1).Text(), "1002a");
    EXPECT_EQ(w.list.txtSearch(0).Text(), "") << "focusing a box empties the others";
    Type(w.list.txtSearch(2), "2026'1");
    EXPECT_EQ(w.list.txtSearch(2).Text(), "20261");
    EXPECT_EQ(w.list.txtSearch(1).Text(), "");
}

TEST(PatientList, SearchIsEnabledWhileTheChangedBoxHoldsTextAndEnterSearchesRegardless) {
    ListWorld w;
    Type(w.list.txtSearch(0), "SMITH");
    EXPECT_TRUE(w.list.Command1.Enabled());
    Focus(w.list.txtSearch(1));
    EXPECT_EQ(w.list.txtSearch(0).Text(), "");
    EXPECT_FALSE(w.list.Command1.Enabled()) << "emptying the last-name box disabled it";
    w.test.server.On(fixture::PatientListQuery()).Returns(fixture::PatientListColumns(), {});
    const std::size_t mark = w.test.server.Mark();
    PressKey(w.list.txtSearch(1), forms::vbKeyReturn);
    EXPECT_EQ(w.test.server.Statements(mark), std::vector<std::string>{fixture::PatientListQuery()});
    Type(w.list.txtSearch(1), "7");
    EXPECT_TRUE(w.list.Command1.Enabled());
}

TEST(PatientList, ChangingTheSearchTypeSearchesAgainThenFocusesTheLastNameBox) {
    ListWorld w;
    Type(w.list.txtSearch(1), "100234");
    w.test.server.On(fixture::PatientListQuery('A', "", "100234")).Returns(fixture::PatientListColumns(), {});
    const std::size_t mark = w.test.server.Mark();
    Click(w.list.optSearchType(1));
    EXPECT_EQ(w.test.server.Statements(mark), std::vector<std::string>{fixture::PatientListQuery('A', "", "100234")});
    EXPECT_EQ(w.list.txtSearch(1).Text(), "") << "the focus went to the last-name box after the search";
    EXPECT_EQ(w.list.ActiveControl(), &w.list.txtSearch(0));
    EXPECT_EQ(w.test.app.CurHospNum, "");
    EXPECT_EQ(w.list.lblRecNum.Caption(), "");
}

TEST(PatientList, AFailingSearchShowsItsErrorOnceAndLeavesTheGridEmptyAndDisabled) {
    ListWorld w(Patients(3));
    Type(w.list.txtSearch(0), "X");
    w.test.server.On(fixture::PatientListQuery('C', "X")).Fails("Could not find stored procedure", 2812);
    w.test.host.ExpectMsgBox("Could not find stored procedure\n\nPlease notify your IT department.")
        .Title("Notification");
    Click(w.list.Command1);
    EXPECT_EQ(w.list.mshflexList.Rows(), 2);
    EXPECT_EQ(w.list.mshflexList.TextMatrix(1, 1), "");
    EXPECT_FALSE(w.list.mshflexList.Enabled());
    EXPECT_TRUE(w.list.mshflexList.Redraw());
    EXPECT_FALSE(w.Main().ProgressBar1.Visible());
    EXPECT_EQ(w.test.app.CurIdNum, "");
    EXPECT_EQ(w.test.host.MessageBoxes().size(), 1u);
}

TEST(PatientList, TheRightButtonPopsUpTheInquiryMenuOnlyWhileItIsEnabled) {
    ListWorld w;
    MouseDown(w.list.mshflexList, forms::vbRightButton, 100, 300);
    EXPECT_TRUE(w.test.host.Popups().empty());
    w.Main().mnuInquiry.SetEnabled(true);
    MouseDown(w.list.mshflexList, forms::vbLeftButton, 100, 300);
    EXPECT_TRUE(w.test.host.Popups().empty());
    MouseDown(w.list.mshflexList, forms::vbRightButton, 100, 300);
    EXPECT_EQ(w.test.host.Popups(), std::vector<std::string>{"mnuInquiry"});
}

TEST(PatientList, TheMouseUnderlinesTheLinkUnderItAndNothingElse) {
    ListWorld w;
    for (int i = 0; i < 3; ++i)
        w.list.lblProcedures(i).SetEnabled(true);
    MouseMove(w.list.lblProcedures(1), 10, 10);
    MouseMove(w.list.lblProcedures(2), 10, 10);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.list.lblProcedures(i).Font().Underline, i == 2) << i;
}

TEST(PatientList, ClosingDisablesThePatientMenus) {
    ListWorld w;
    ward::mdiOrMenu& main = w.Main();
    for (forms::Menu* menu : {&main.mnuInquiry, &main.mnuRS, &main.mnuMaintained, &main.mnuInfo, &main.mnuLedger})
        menu->SetEnabled(true);
    w.list.Unload();
    EXPECT_TRUE(main.mnuInquiry.Enabled());
    for (forms::Menu* menu : {&main.mnuRS, &main.mnuMaintained, &main.mnuInfo, &main.mnuLedger})
        EXPECT_FALSE(menu->Enabled()) << menu->Name();
}

TEST(PatientList, ResizingKeepsThePanelLeftAndGivesTheListTheRest) {
    ListWorld w;
    w.list.SetInnerSize(12000, 7000);
    EXPECT_EQ(w.list.Frame1.Left(), 20);
    EXPECT_EQ(w.list.Picture1.Left(), 20);
    EXPECT_EQ(w.list.Frame2.Height(), w.list.Frame1.Height());
    EXPECT_EQ(w.list.Picture1.Width(), w.list.Frame1.Width());
    EXPECT_EQ(w.list.Picture1.Height(), 7000);
    EXPECT_EQ(w.list.mshflexList.Left(), w.list.Frame2.Width() + 100);
    EXPECT_EQ(w.list.mshflexList.Width(), 12000 - (w.list.Frame2.Width() + 100));
    EXPECT_EQ(w.list.mshflexList.Height(), 7000);
}

TEST(PatientList, LaysThePanelOutAtItsPlaces) {
    ListWorld w;
    ward::frmSearch& l = w.list;
    const std::pair<forms::Control*, int> tops[] = {
        {&l.Label6(0), 120},         {&l.Label3, 600},       {&l.txtSearch(0), 840},      {&l.Label4, 1320},
        {&l.txtSearch(1), 1560},     {&l.Label5, 1980},      {&l.txtSearch(2), 2280},     {&l.Command1, 2760},
        {&l.Command2, 2760},         {&l.Label6(1), 3420},   {&l.lblProcedures(0), 3780}, {&l.lblProcedures(1), 4140},
        {&l.lblProcedures(2), 4500}, {&l.lblRecNum, 5130},   {&l.lblLegend(0), 5640},     {&l.Label1(2), 5880},
        {&l.Label1(1), 6180},        {&l.lblLegend(1), 6480}};
    for (const auto& [control, top] : tops) {
        EXPECT_EQ(control->Top(), top) << control->DisplayName();
        EXPECT_EQ(control->Container(), &l.Picture1) << control->DisplayName();
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(l.txtSearch(i).Width(), 3135);
    EXPECT_EQ(l.lblLegend(1).Width(), 3585);
    EXPECT_EQ(l.lblLegend(1).Height(), 915);
    EXPECT_EQ(l.mshflexList.FormatString(),
              "  |<Hospital #|<ADM. Num.|< Patient Name                    |<Admission Date     |<Discharged Date    "
              "|<Billing Date       ");
}

} // namespace
