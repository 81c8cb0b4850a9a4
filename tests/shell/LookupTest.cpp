#include "platform/vb/Conversions.h"
#include "shell/clsSearcher.h"
#include "shell/frmSearcher.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
using ward::clsSearcher;
using ward::frmSearcher;

namespace {

const std::vector<std::string> FoundColumns = {"HospitalID", "HospitalName"};
const std::vector<std::string> ListedColumns = {"HospitalName", "HospitalID"};
const std::vector<Row> SanHospitals = {{"SAN JUAN DE DIOS HOSPITAL", "H0003"}, {"SAN LAZARO HOSPITAL", "H0004"}};

// The search for the beginning of a name, the literal written as the server receives it.
std::string Found(const std::string& literal) {
    return "SELECT HospitalID,HospitalName FROM BUILD_FILE..tbcoHospital where HospitalName like  " + literal +
           " + '%'";
}

// The look-up's list for the typed text, quotes already doubled.
std::string Listed(const std::string& inside) {
    return "SELECT HospitalName,HospitalID FROM BUILD_FILE..tbcoHospital WHERE HospitalName like '" + inside +
           "' + '%' ORDER BY HospitalName";
}

void ExpectNoRecordFound(TestApp& test) {
    test.host.ExpectMsgBox("No record found.").Title("Notification").Buttons(forms::vbOKOnly | forms::vbCritical);
}

frmSearcher& Dialog(TestApp& test) { return test.app.Forms.Instance<frmSearcher>(); }

struct DirectCase {
    const char* name;
    std::string key;
    std::string literal;
    Row row;
    std::string description;
};

void PrintTo(const DirectCase& c, std::ostream* os) { *os << c.name; }

class OneHospital : public testing::TestWithParam<DirectCase> {};

TEST_P(OneHospital, IsTakenAtOnceWithoutTheLookUp) {
    const DirectCase& c = GetParam();
    TestApp test;
    test.server.On(Found(c.literal)).Returns(FoundColumns, {c.row});
    clsSearcher searcher(test.app);
    EXPECT_TRUE(searcher.SearchHospital(c.key));
    EXPECT_EQ(searcher.Description(), c.description);
    EXPECT_EQ(searcher.Code(), vb::CStr(c.row[0]));
    EXPECT_TRUE(test.host.ModalShows().empty());
    EXPECT_TRUE(test.server.SentExactly({Found(c.literal)}));
}

INSTANTIATE_TEST_SUITE_P(
    clsSearcher, OneHospital,
    testing::Values(DirectCase{"ByTheBeginningOfItsName",
                               "PHIL",
                               "'PHIL'",
                               {"H0001", "PHILIPPINE HEART CENTER"},
                               "PHILIPPINE HEART CENTER"},
                    // The key is sent as typed, blanks and all, its quote doubled so the statement stays whole.
                    DirectCase{"WithAnApostropheInItsName",
                               " ST. LUKE'S",
                               "' ST. LUKE''S'",
                               {"H0007", "ST. LUKE'S MEDICAL CENTER"},
                               "ST. LUKE'S MEDICAL CENTER"},
                    DirectCase{"WhoseNameIsNull", "H", "'H'", {"H0009", vb::Variant::Null()}, ""}),
    [](const testing::TestParamInfo<DirectCase>& info) { return info.param.name; });

TEST(clsSearcher, NoHospitalIsRefusedWithAMessageAndTheNameChosenBeforeStays) {
    TestApp test;
    test.server.On(Found("'PHIL'")).Returns(FoundColumns, {{"H0001", "PHILIPPINE HEART CENTER"}});
    test.server.On(Found("'XYZ'")).Returns(FoundColumns, {});
    clsSearcher searcher(test.app);
    ASSERT_TRUE(searcher.SearchHospital("PHIL"));
    ExpectNoRecordFound(test);
    EXPECT_FALSE(searcher.SearchHospital("XYZ"));
    EXPECT_EQ(searcher.Description(), "PHILIPPINE HEART CENTER");
    EXPECT_TRUE(test.host.ModalShows().empty());
}

TEST(clsSearcher, AServerErrorIsShownAndChoosesNothing) {
    TestApp test;
    test.server.On(Found("'SAN'")).Fails("Invalid object name 'BUILD_FILE..tbcoHospital'.", 208);
    test.host.ExpectMsgBox("Invalid object name 'BUILD_FILE..tbcoHospital'.\n\nPlease notify your IT department.")
        .Title("Notification");
    clsSearcher searcher(test.app);
    EXPECT_FALSE(searcher.SearchHospital("SAN"));
    EXPECT_EQ(searcher.Description(), "");
}

TEST(clsSearcher, SeveralHospitalsAreListedToNarrowAndPickFrom) {
    TestApp test;
    test.app.CurHospNum = "100234";
    test.server.On(Found("'San'"))
        .Returns(FoundColumns, {{"H0003", "SAN JUAN DE DIOS HOSPITAL"}, {"H0004", "SAN LAZARO HOSPITAL"}});
    test.server.On(Listed("San")).Returns(ListedColumns, SanHospitals);
    test.server.On(Listed("SAN L")).Returns(ListedColumns, {SanHospitals[1]});
    test.host.OnModal<frmSearcher>([](frmSearcher& dialog) {
        EXPECT_EQ(dialog.Caption(), "Hospitals");
        EXPECT_EQ(dialog.lblTitle.Caption(), "Hospitals");
        EXPECT_EQ(dialog.lblSTitle.Caption(), "Hospitals");
        EXPECT_EQ(dialog.lblHospital.Caption(), "100234");
        forms::MSHFlexGrid& grid = dialog.grdDispWindow;
        EXPECT_EQ(grid.Rows(), 3);
        EXPECT_EQ(grid.TextMatrix(0, 1), "HospitalName");
        EXPECT_TRUE(grid.FormatOf(0, 1).FontBold && grid.FormatOf(0, 2).FontBold);
        EXPECT_FALSE(grid.FormatOf(1, 1).FontBold);
        EXPECT_EQ(grid.ColWidth(0), 200);
        EXPECT_EQ(grid.ColWidth(1), 4150);
        EXPECT_EQ(grid.ColWidth(2), 2000);
        EXPECT_EQ(grid.Row(), 1);
        EXPECT_EQ(grid.Col(), 1);
        EXPECT_TRUE(dialog.cmdSelect.Enabled());
        // The first row became current, so the box holds its name, selected whole for typing over.
        EXPECT_TRUE(dialog.txtSearchStr.HasFocus());
        EXPECT_EQ(dialog.txtSearchStr.Text(), "SAN JUAN DE DIOS HOSPITAL");
        EXPECT_EQ(dialog.txtSearchStr.SelLength(), 25);

        Type(dialog.txtSearchStr, "san l");
        EXPECT_EQ(dialog.txtSearchStr.Text(), "SAN L");
        PressKey(dialog.txtSearchStr, forms::vbKeyReturn);
        EXPECT_EQ(grid.Rows(), 2);
        EXPECT_EQ(grid.TextMatrix(1, 1), "SAN LAZARO HOSPITAL");
        Click(dialog.cmdSelect);
    });
    clsSearcher searcher(test.app);
    EXPECT_TRUE(searcher.SearchHospital("San"));
    EXPECT_EQ(searcher.Description(), "SAN LAZARO HOSPITAL");
    EXPECT_EQ(searcher.Code(), "H0004");
    EXPECT_TRUE(test.server.SentExactly({Found("'San'"), Listed("San"), Listed("SAN L")}));
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmSearcher>());
}

TEST(clsSearcher, AnEmptyKeyListsEveryHospitalAtOnce) {
    TestApp test;
    test.server.On(Listed("")).Returns(ListedColumns, {{"MAKATI MEDICAL CENTER", "H0002"}, SanHospitals[0]});
    test.host.OnModal<frmSearcher>([](frmSearcher& dialog) {
        EXPECT_EQ(dialog.grdDispWindow.Rows(), 3);
        DoubleClickCell(dialog.grdDispWindow, 2, 1);
    });
    clsSearcher searcher(test.app);
    EXPECT_TRUE(searcher.SearchHospital(""));
    EXPECT_EQ(searcher.Description(), "SAN JUAN DE DIOS HOSPITAL");
    EXPECT_EQ(searcher.Code(), "H0003");
    EXPECT_TRUE(test.server.SentExactly({Listed("")}));
}

TEST(clsSearcher, ALookUpLeftWithoutAChoiceChoosesNothingAndKeepsTheNameChosenBefore) {
    TestApp test;
    test.server.On(Listed("SAN")).Returns(ListedColumns, SanHospitals);
    test.server.On(Found("'SAN'"))
        .Returns(FoundColumns, {{"H0003", "SAN JUAN DE DIOS HOSPITAL"}, {"H0004", "SAN LAZARO HOSPITAL"}});
    clsSearcher searcher(test.app);
    test.host.OnModal<frmSearcher>([](frmSearcher& dialog) { Click(dialog.cmdSelect); });
    ASSERT_TRUE(searcher.SearchHospital("SAN"));
    EXPECT_TRUE(Dialog(test).Valid());

    test.host.OnModal<frmSearcher>([](frmSearcher& dialog) { EXPECT_TRUE(CloseWindow(dialog)); });
    EXPECT_FALSE(searcher.SearchHospital("SAN"));
    EXPECT_FALSE(Dialog(test).Valid());

    test.host.OnModal<frmSearcher>([](frmSearcher& dialog) { Click(dialog.cmdCancel); });
    EXPECT_FALSE(searcher.SearchHospital("SAN"));
    EXPECT_EQ(searcher.Description(), "SAN JUAN DE DIOS HOSPITAL");
    EXPECT_EQ(searcher.Code(), "H0003");
}

// The dialog on a caller's own statement.
const std::string DoctorQuery = "SELECT Name,Code FROM DOCTORS WHERE Name like '##%' OR Code like '##%'";

std::string DoctorSearch(const std::string& inside) {
    return "SELECT Name,Code FROM DOCTORS WHERE Name like '" + inside + "%' OR Code like '" + inside + "%'";
}

void ShowDoctors(TestApp& test, const std::string& criteria, std::function<void(frmSearcher&)> work) {
    frmSearcher& dialog = Dialog(test);
    dialog.SearchCaption = "Doctors";
    dialog.Criteria = criteria;
    dialog.Query = DoctorQuery;
    test.host.OnModal<frmSearcher>(std::move(work));
    dialog.ShowModal();
}

TEST(frmSearcher, EveryMarkIsReplacedByTheTextWithItsQuotesDoubled) {
    TestApp test;
    test.server.On(DoctorSearch("O''BRIEN")).Returns({"Name", "Code"}, {{"O'BRIEN, SEAN", "D0300"}});
    ShowDoctors(test, "O'BRIEN", [](frmSearcher& dialog) {
        EXPECT_EQ(dialog.grdDispWindow.TextMatrix(1, 1), "O'BRIEN, SEAN");
        PressKey(dialog.grdDispWindow, forms::vbKeyReturn);
    });
    EXPECT_TRUE(Dialog(test).Valid());
    EXPECT_EQ(Dialog(test).Description(), "O'BRIEN, SEAN");
    EXPECT_EQ(Dialog(test).Code(), "D0300");
}

TEST(frmSearcher, ANewSearchNarrowsTheListAndMovingInItWritesTheRowsNameWithoutSearching) {
    TestApp test;
    test.server.On(DoctorSearch("")).Returns({"Name", "Code"}, {{"LIM, RAMON", "D0101"}, {"YU, CARMEN", "D0205"}});
    ShowDoctors(test, "", [](frmSearcher& dialog) {
        forms::MSHFlexGrid& grid = dialog.grdDispWindow;
        PressKey(dialog.txtSearchStr, forms::vbKeyDown);
        EXPECT_TRUE(grid.HasFocus());
        EXPECT_EQ(grid.Row(), grid.TopRow());
        PressKey(grid, forms::vbKeyDown);
        EXPECT_EQ(dialog.txtSearchStr.Text(), "YU, CARMEN");
        ClickCell(grid, 1, 2);
        EXPECT_EQ(dialog.txtSearchStr.Text(), "LIM, RAMON");
        Focus(dialog.txtSearchStr);
        EXPECT_EQ(dialog.txtSearchStr.SelLength(), 10);
        Click(dialog.cmdCancel);
    });
    EXPECT_FALSE(Dialog(test).Valid());
    EXPECT_TRUE(test.server.SentExactly({DoctorSearch("")}));
}

TEST(frmSearcher, AListWithNothingFoundCannotBeChosenFrom) {
    TestApp test;
    test.server.On(DoctorSearch("ZZ")).Returns({"Name", "Code"}, {});
    ShowDoctors(test, "ZZ", [](frmSearcher& dialog) {
        forms::MSHFlexGrid& grid = dialog.grdDispWindow;
        EXPECT_FALSE(dialog.cmdSelect.Enabled());
        EXPECT_EQ(grid.Rows(), 1);
        EXPECT_TRUE(grid.FormatOf(0, 1).FontBold);
        // The title row names the columns; it is no choice, so its text never reaches the box.
        EXPECT_EQ(dialog.txtSearchStr.Text(), "");
        PressKey(dialog.txtSearchStr, forms::vbKeyDown);
        PressKey(grid, forms::vbKeyReturn);
        DoubleClick(grid);
        EXPECT_TRUE(dialog.IsLoaded());
        EXPECT_EQ(dialog.txtSearchStr.Text(), "");
        EXPECT_TRUE(CloseWindow(dialog));
    });
    EXPECT_FALSE(Dialog(test).Valid());
}

TEST(frmSearcher, ASearchTheServerRefusesIsShownAndLeavesNothingToChoose) {
    TestApp test;
    test.server.On(DoctorSearch("")).Returns({"Name", "Code"}, {{"LIM, RAMON", "D0101"}});
    test.server.On(DoctorSearch("L")).Fails("Timeout expired", -2147217871);
    test.host.ExpectMsgBox("Timeout expired\n\nPlease notify your IT department.").Title("Notification");
    ShowDoctors(test, "", [](frmSearcher& dialog) {
        ASSERT_TRUE(dialog.cmdSelect.Enabled());
        Type(dialog.txtSearchStr, "l");
        PressKey(dialog.txtSearchStr, forms::vbKeyReturn);
        EXPECT_FALSE(dialog.cmdSelect.Enabled());
        EXPECT_EQ(dialog.grdDispWindow.Rows(), 1);
        Click(dialog.cmdCancel);
    });
    EXPECT_FALSE(Dialog(test).Valid());
}

} // namespace
