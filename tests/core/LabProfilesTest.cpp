#include "core/LabProfiles.h"
#include "chart/frmFinal.h"
#include "testkit/FixtureChart.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

using Cells = std::vector<std::string>; // from column 1 on

// Writes the rows into the grid from row 1, keeping the header and at least one data row.
void Fill(forms::MSHFlexGrid& grid, const std::vector<Cells>& rows) {
    grid.SetRows(std::max<int>(2, static_cast<int>(rows.size()) + 1));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
}

// The data rows as cells from column 1 to the last.
std::vector<Cells> DataRows(const forms::MSHFlexGrid& grid) {
    std::vector<Cells> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        Cells cells;
        for (int c = 1; c < grid.Cols(); ++c)
            cells.push_back(grid.TextMatrix(r, c));
        rows.push_back(cells);
    }
    return rows;
}

std::vector<std::string> Lines(const forms::ListBox& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.ListCount(); ++i)
        lines.push_back(list.List(i) + (list.Selected(i) ? " [x]" : ""));
    return lines;
}

const std::string ProfileQuery = "STATION..sp_Nurse_Get_ProfileList 'P100'";
const std::vector<std::string> ProfileColumns = {"ExamID", "ExamName", "ProfileID", "ProfileName"};
const std::vector<Row> LipidProfile = {
    {"1024", "Cholesterol ", "P100", " Lipid profile"},
    {"1025", "Triglycerides", "P100", " Lipid profile"},
    {"1026", vb::Variant::Null(), "P100", " Lipid profile"},
};

// The chart as the profile routines meet it, with a laboratory quick list of four lines.
struct Chart {
    TestApp test;
    ward::frmFinal& chart = ward_fixture::LoadEmptyChart(test);
    forms::MSHFlexGrid& cart = chart.mshflexOrders;
    forms::MSHFlexGrid& profiles = chart.mshflexProfileList;
    forms::ListBox& quickList = chart.lstListLaboratory;

    static inline const std::string Cbc = "Cbc                                               LBHEM  101";
    static inline const std::string Cholesterol = "Cholesterol                                       LBCHE 1024";
    static inline const std::string Sodium = "Sodium                                            LBCHE  330";
    static inline const std::string Triglycerides = "Triglycerides                                     LBCHE 1025";

    Chart() {
        for (const std::string& line : {Triglycerides, Cbc, Sodium, Cholesterol})
            quickList.AddItem(line);
    }
    int IndexOf(const std::string& line) const {
        for (int i = 0; i < quickList.ListCount(); ++i)
            if (quickList.List(i) == line)
                return i;
        return -1;
    }
    // Ticks the line and puts its cart row, as the quick list's pick does.
    Cells Pick(const std::string& line, const std::string& code) {
        quickList.SetSelected(IndexOf(line), true);
        return {"LB",
                code,
                line.substr(0, 15),
                "1",
                "",
                "CHE",
                "N",
                "",
                "lstListLaboratory",
                line,
                std::to_string(IndexOf(line)),
                "0",
                "0",
                "0",
                "1",
                ""};
    }
};

TEST(LoadProfileExams, AppendsTheMembersOfAProfileEachTimeItIsLoaded) {
    Chart c;
    c.test.server.On(ProfileQuery).Returns(ProfileColumns, LipidProfile);

    EXPECT_TRUE(ward::LoadProfileExams(c.test.app, " P100 ", c.profiles));
    EXPECT_EQ(DataRows(c.profiles), (std::vector<Cells>{{"1024", "Cholesterol ", "P100", " Lipid profile"},
                                                        {"1025", "Triglycerides", "P100", " Lipid profile"},
                                                        {"1026", "", "P100", " Lipid profile"}}));

    EXPECT_TRUE(ward::LoadProfileExams(c.test.app, "P100", c.profiles));
    EXPECT_EQ(c.profiles.Rows(), 7);
    EXPECT_EQ(c.profiles.TextMatrix(6, 1), "1026");
}

TEST(LoadProfileExams, AnExamThatIsNoProfileLeavesTheGrid) {
    Chart c;
    Fill(c.profiles, {{"1024", "Cholesterol", "P100", "Lipid profile"}});
    c.test.server.On("STATION..sp_Nurse_Get_ProfileList '330'").Returns(ProfileColumns, {});

    EXPECT_FALSE(ward::LoadProfileExams(c.test.app, "330", c.profiles));
    EXPECT_EQ(DataRows(c.profiles), (std::vector<Cells>{{"1024", "Cholesterol", "P100", "Lipid profile"}}));
}

const std::vector<Cells> LipidMembers = {{"1024", "Cholesterol ", "P100", " Lipid profile"},
                                         {"1025", "Triglycerides", "P100", " Lipid profile"}};

TEST(CheckOrdersInProfile, NamesTheFirstOrderedMemberInCartOrder) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    Fill(c.cart,
         {c.Pick(Chart::Sodium, "330"), c.Pick(Chart::Triglycerides, " 1025 "), c.Pick(Chart::Cholesterol, "1024")});
    c.test.host.ExpectMsgBox("The Exam Triglycerides in the ORDER LIST is included in this Profile(Lipid profile)")
        .Title("Message")
        .Buttons(forms::vbOKOnly + forms::vbExclamation);

    EXPECT_TRUE(ward::CheckOrdersInProfile(c.test.app, c.profiles, c.cart, 2));
}

TEST(CheckOrdersInProfile, NoMemberOrderedOrNothingOrderedSaysNothing) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    EXPECT_FALSE(ward::CheckOrdersInProfile(c.test.app, c.profiles, c.cart, 2));

    Fill(c.cart, {c.Pick(Chart::Sodium, "330")});
    EXPECT_FALSE(ward::CheckOrdersInProfile(c.test.app, c.profiles, c.cart, 2));
    EXPECT_TRUE(c.test.host.MessageBoxes().empty());
}

TEST(CheckOrdersInProfile, ABlankCartRowIsNoOrderEvenAgainstABlankProfileRow) {
    Chart c;
    Fill(c.cart, {c.Pick(Chart::Sodium, "330"), {}});

    EXPECT_FALSE(ward::CheckOrdersInProfile(c.test.app, c.profiles, c.cart, 2));
}

TEST(RemoveProfileExamsFromOrders, TakesEveryMemberOutOfTheCartAndUnticksItsQuickListLine) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    Cells sodium = c.Pick(Chart::Sodium, "330");
    Fill(c.cart, {c.Pick(Chart::Cholesterol, "1024"), sodium, c.Pick(Chart::Triglycerides, "1025")});

    ward::RemoveProfileExamsFromOrders(c.profiles, c.cart, 2, c.quickList);

    EXPECT_EQ(DataRows(c.cart), std::vector<Cells>{sodium});
    EXPECT_EQ(Lines(c.quickList),
              (std::vector<std::string>{Chart::Cbc, Chart::Cholesterol, Chart::Sodium + " [x]", Chart::Triglycerides}));
}

TEST(RemoveProfileExamsFromOrders, ACartOfMembersOnlyKeepsOneBlankRow) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    Fill(c.cart, {c.Pick(Chart::Cholesterol, "1024"), c.Pick(Chart::Triglycerides, "1025")});
    c.quickList.SetSelected(c.IndexOf(Chart::Cbc), true);

    ward::RemoveProfileExamsFromOrders(c.profiles, c.cart, 2, c.quickList);

    EXPECT_EQ(DataRows(c.cart), std::vector<Cells>{Cells(16, "")});
    EXPECT_EQ(Lines(c.quickList),
              (std::vector<std::string>{Chart::Cbc + " [x]", Chart::Cholesterol, Chart::Sodium, Chart::Triglycerides}));
}

TEST(RemoveProfileExamsFromOrders, TheOnlyOrderIsClearedUpToColumnFifteen) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    Cells row = c.Pick(Chart::Cholesterol, "1024");
    row[15] = "1"; // column 16, portable machine
    Fill(c.cart, {row});
    c.cart.SetTextMatrix(1, 0, ">");

    ward::RemoveProfileExamsFromOrders(c.profiles, c.cart, 2, c.quickList);

    EXPECT_EQ(c.cart.Rows(), 2);
    EXPECT_EQ(c.cart.TextMatrix(1, 0), ">");
    for (int col = 1; col <= 15; ++col)
        EXPECT_EQ(c.cart.TextMatrix(1, col), "") << "column " << col;
    EXPECT_EQ(c.cart.TextMatrix(1, 16), "1");
    EXPECT_FALSE(c.quickList.Selected(c.IndexOf(Chart::Cholesterol)));
}

TEST(RemoveProfileExamsFromOrders, FindsTheQuickListLineByItsTextWhenTheStoredIndexIsStale) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    Cells cholesterol = c.Pick(Chart::Cholesterol, "1024");
    Cells triglycerides = c.Pick(Chart::Triglycerides, "1025");
    c.quickList.SetSelected(c.IndexOf(Chart::Cbc), true);
    cholesterol[10] = std::to_string(c.IndexOf(Chart::Cbc)); // another line's position now
    triglycerides[10] = "9";                                 // past the end of the list
    Fill(c.cart, {cholesterol, c.Pick(Chart::Sodium, "330"), triglycerides});

    ward::RemoveProfileExamsFromOrders(c.profiles, c.cart, 2, c.quickList);

    EXPECT_EQ(c.cart.Rows(), 2);
    EXPECT_EQ(c.cart.TextMatrix(1, 2), "330");
    EXPECT_EQ(Lines(c.quickList), (std::vector<std::string>{Chart::Cbc + " [x]", Chart::Cholesterol,
                                                            Chart::Sodium + " [x]", Chart::Triglycerides}));
}

TEST(RemoveProfileExamsFromOrders, ALineNoLongerInTheQuickListIsNotAddedAgain) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    Cells cholesterol = c.Pick(Chart::Cholesterol, "1024");
    c.quickList.RemoveItem(c.IndexOf(Chart::Cholesterol)); // the line has left the list meanwhile
    Fill(c.cart, {cholesterol, c.Pick(Chart::Sodium, "330")});

    ward::RemoveProfileExamsFromOrders(c.profiles, c.cart, 2, c.quickList);

    EXPECT_EQ(c.cart.Rows(), 2);
    EXPECT_EQ(Lines(c.quickList), (std::vector<std::string>{Chart::Cbc, Chart::Sodium + " [x]", Chart::Triglycerides}));
}

TEST(RemoveProfileExamsFromOrders, RowsTypedIntoTheCartLeaveTheQuickListAlone) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    c.quickList.SetSelected(c.IndexOf(Chart::Cholesterol), true);
    Cells typed = {"LB", "1024", "Cholesterol", "1", "", "CHE", "N", "", "", Chart::Cholesterol, ""};
    Fill(c.cart, {typed, c.Pick(Chart::Sodium, "330")});

    ward::RemoveProfileExamsFromOrders(c.profiles, c.cart, 2, c.quickList);

    EXPECT_EQ(c.cart.Rows(), 2);
    EXPECT_TRUE(c.quickList.Selected(c.IndexOf(Chart::Cholesterol)));
}

// The request dialog's entry grid: 13 columns, the exam code in column 1.
class frmEntry : public forms::Form {
public:
    explicit frmEntry(ward::App& app) : Form(app.Forms) {}
    forms::MSHFlexGrid mshflexEntry{*this, "mshflexEntry"};

protected:
    void Design() override {
        mshflexEntry.SetRows(2);
        mshflexEntry.SetCols(13);
    }
};

TEST(RemoveProfileExamsFromOrders, TheEntryGridsOnlyOrderIsClearedInEveryColumn) {
    Chart c;
    Fill(c.profiles, LipidMembers);
    forms::MSHFlexGrid& entry = c.test.app.Forms.Get<frmEntry>().mshflexEntry;
    Fill(entry, {{"1025", "Triglycerides", "1", "250", "CHE", "N", "", "a", "b", "c", "d", "e"}});
    c.quickList.SetSelected(c.IndexOf(Chart::Triglycerides), true);

    ward::RemoveProfileExamsFromOrders(c.profiles, entry, 1, c.quickList);

    EXPECT_EQ(DataRows(entry), (std::vector<Cells>{Cells(12, "")}));
    EXPECT_TRUE(c.quickList.Selected(c.IndexOf(Chart::Triglycerides)));
}

TEST(CheckExamInProfile, TellsWhichProfileHoldsTheExam) {
    Chart c;
    Fill(c.profiles, {{"330", "Sodium", "P200", "Electrolytes "}, {" 1025 ", "Triglycerides ", "P100", " Lipid"}});
    c.test.host.ExpectMsgBox("This Exam Triglycerides is included in this Profile(Lipid)")
        .Title("Message")
        .Buttons(forms::vbOKOnly + forms::vbExclamation);

    EXPECT_TRUE(ward::CheckExamInProfile(c.test.app, "1025", c.profiles));
    EXPECT_FALSE(ward::CheckExamInProfile(c.test.app, "1024", c.profiles));
    EXPECT_FALSE(ward::CheckExamInProfile(c.test.app, "P100", c.profiles));
}

TEST(RemoveExamFromProfileList, TakesOutOnlyTheMembersOfThatProfile) {
    Chart c;
    Fill(c.profiles, {{"1024", "Cholesterol", "P100", "Lipid"},
                      {"330", "Sodium", "P200", "Electrolytes"},
                      {"P100", "Lipid profile", "P900", "Panel"},
                      {"1025", "Triglycerides", " P100 ", "Lipid"}});

    ward::RemoveExamFromProfileList(" P100", c.profiles);

    EXPECT_EQ(DataRows(c.profiles), (std::vector<Cells>{{"330", "Sodium", "P200", "Electrolytes"},
                                                        {"P100", "Lipid profile", "P900", "Panel"}}));
}

TEST(RemoveExamFromProfileList, AProfileThatFillsTheGridLeavesOneBlankRow) {
    Chart c;
    Fill(c.profiles, LipidMembers);

    ward::RemoveExamFromProfileList("P100", c.profiles);

    EXPECT_EQ(DataRows(c.profiles), (std::vector<Cells>{{"", "", "", ""}}));
    ward::RemoveExamFromProfileList("P100", c.profiles);
    EXPECT_EQ(c.profiles.Rows(), 2);
}

} // namespace
