#include "RequestDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string CodeHint =
    "Type the Examination Code or First Letter(s) of the Examination name then Press the <Enter> Key";
const std::string StatHint = "Type [Y]-YES if the Exam. is STAT and [N]-NO if it is Routine";
const std::string RemarksHint = "Type additional Remarks.....";

std::vector<int> EntryColumns(ward::frmRequest& dialog) {
    std::vector<int> cols;
    for (int col = 0; col <= 7; ++col)
        if (!dialog.ExcemptCol(col))
            cols.push_back(col);
    return cols;
}

TEST(RequestDialog, TheGridIsLaidOutInTwipsWithItsHiddenColumns) {
    RequestDialog r("XR");
    forms::MSHFlexGrid& grid = r.grid();
    EXPECT_EQ(grid.Cols(), 14);
    EXPECT_EQ(grid.Rows(), 2);
    const std::vector<int> widths = {1, 869, 4001, 869, 1, 1069, 869, 3519, 0, 0, 0, 0, 0, 0};
    for (int col = 0; col < 14; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[static_cast<std::size_t>(col)]) << "column " << col;
    EXPECT_EQ(grid.TextMatrix(0, 2), "DESCRIPTION                                      ");
    EXPECT_EQ(grid.TextMatrix(0, 6), "STAT");
    EXPECT_EQ(r.d().mshflexProfileList.Cols(), 5);
    EXPECT_EQ(r.d().mshflexProfileList.ColWidth(4), 2000);
    EXPECT_TRUE(r.d().txtEntry.IsOverlay());
    EXPECT_EQ(r.d().cmdOption(2).Caption(), "&Delete");
    EXPECT_EQ(r.d().cmdOption(2).Left(), 8040);
    EXPECT_EQ(r.d().txtEntry.Left(), 60 + 1 + 25);
    EXPECT_EQ(r.d().txtEntry.Width(), 869 - 20);
    EXPECT_FALSE(r.d().txtDept.Visible());
}

// Which columns take entries when the dialog opens, by department and under the STAT by-pass.
TEST(RequestDialog, AtLoadQuantityIsAnEntryColumnOnlyInTheLaboratoryAndStatIsSkippedUnderTheBypass) {
    struct Case {
        std::string dept;
        bool bypass;
        std::vector<int> entryColumns;
    };
    const Case cases[] = {{"LB", false, {1, 3, 6, 7}}, {"XR", false, {1, 6, 7}}, {"US", false, {1, 6, 7}},
                          {"MI", false, {1, 6, 7}},    {"WC", false, {1, 6, 7}}, {"LB", true, {1, 3, 7}},
                          {"XR", true, {1, 7}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dept + (c.bypass ? " under the by-pass" : ""));
        RequestDialog r(c.dept, {}, c.bypass);
        EXPECT_EQ(EntryColumns(r.d()), c.entryColumns);
        EXPECT_EQ(r.Cell(), std::make_pair(1, 1));
        EXPECT_EQ(r.d().lblMessage.Caption(), CodeHint);
        EXPECT_TRUE(r.d().txtEntry.HasFocus());
    }
}

TEST(RequestDialog, KeysMoveAlongTheEntryColumnsAndShowEachHint) {
    RequestDialog r("XR");
    r.Key(forms::vbKeyHome);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 1)) << "Home in CODE stays";
    r.Key(forms::vbKeyEnd);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 6));
    EXPECT_EQ(r.d().lblMessage.Caption(), StatHint);
    r.Key(forms::vbKeyEnd);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 7));
    EXPECT_EQ(r.d().lblMessage.Caption(), RemarksHint);
    r.Key(forms::vbKeyEnd);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 7)) << "End in REMARKS stays";
    r.Key(forms::vbKeyHome);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 6));
    r.Key(forms::vbKeyUp);
    r.Key(forms::vbKeyDown);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 6)) << "one row: nowhere to go";
}

TEST(RequestDialog, TextNotCommittedWithEnterIsDroppedWhenTheCursorMoves) {
    RequestDialog r("XR");
    r.Key(forms::vbKeyEnd);
    Type(r.d().txtEntry, "y");
    EXPECT_EQ(r.d().txtEntry.Text(), "Y") << "upper-cased";
    r.Key(forms::vbKeyRight);
    EXPECT_EQ(r.d().txtEntry.Text(), "") << "Right refills the editor from the cell";
    Type(r.d().txtEntry, "n");
    ClickCell(r.grid(), 1, 1);
    EXPECT_EQ(r.grid().TextMatrix(1, 6), "");
    EXPECT_EQ(r.d().txtEntry.Text(), "");
    ClickCell(r.grid(), 1, 2);
    EXPECT_FALSE(r.d().txtEntry.Visible()) << "DESCRIPTION takes no entry";
    ClickCell(r.grid(), 1, 7);
    EXPECT_TRUE(r.d().txtEntry.Visible());
    EXPECT_EQ(r.d().txtEntry.Left(), r.grid().Left() + r.grid().ColPos(7) + 25);
    Type(r.d().txtEntry, "fasting");
    r.TypeAndEnter("");
    EXPECT_EQ(r.grid().TextMatrix(1, 7), "FASTING") << "Enter commits it";
}

TEST(RequestDialog, TheQuantityTakesDigitsPointAndSlashOnlyAndTheWindowDropsTheApostrophe) {
    RequestDialog r("LB");
    ClickCell(r.grid(), 1, 3);
    Type(r.d().txtEntry, "a1-.");
    EXPECT_EQ(r.d().txtEntry.Text(), "1.");
    r.d().txtEntry.SetText("");
    Type(r.d().txtEntry, "x/9");
    EXPECT_EQ(r.d().txtEntry.Text(), "/9") << "two characters at most";
    ClickCell(r.grid(), 1, 7);
    Type(r.d().txtEntry, "o'k");
    EXPECT_EQ(r.d().txtEntry.Text(), "OK");
}

TEST(RequestDialog, EnterInRemarksAddsARowOnlyAfterACompleteLastRow) {
    RequestDialog r("XR");
    ClickCell(r.grid(), 1, 7);
    r.TypeAndEnter("");
    EXPECT_EQ(r.grid().Rows(), 2) << "an incomplete row adds none";
    EXPECT_EQ(r.Cell(), std::make_pair(1, 1));

    r.Enter(fixture::ChestPaCode);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 6)) << "QTY skipped for an exam ordered once";
    EXPECT_EQ(r.grid().Rows(), 3) << "the complete row has its empty row after it";
    r.Key(forms::vbKeyEnd);
    r.TypeAndEnter("");
    EXPECT_EQ(r.grid().Rows(), 3) << "never two empty rows";
    EXPECT_EQ(r.Cell(), std::make_pair(2, 1));
    EXPECT_EQ(r.grid().TextMatrix(2, 0), "2");
}

// Builds three rows: complete blood count, fasting blood sugar and the lipid profile with its members.
void ThreeLabRows(RequestDialog& r) {
    r.Enter(fixture::CbcCode);
    r.Key(forms::vbKeyDown);
    ClickCell(r.grid(), 2, 1);
    r.Enter(fixture::FbsCode);
    ClickCell(r.grid(), 3, 1);
    r.Enter(fixture::LipidProfile.code);
    ASSERT_EQ(r.Codes(), (std::vector<std::string>{"101", "1024", "500", ""}));
    ASSERT_EQ(r.DialogProfiles(), (std::vector<std::string>{"510 of 500", "520 of 500"}));
}

TEST(RequestDialog, F3EmptiesTheFirstRowRemovesAnyOtherAndTakesProfileMembersWithIt) {
    RequestDialog r("LB");
    ThreeLabRows(r);
    ClickCell(r.grid(), 1, 1);
    PressKey(r.d(), forms::vbKeyF3);
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"", "1024", "500", ""}));
    EXPECT_EQ(r.Row(1), std::vector<std::string>(13, ""));
    EXPECT_EQ(r.Cell(), std::make_pair(4, 1)) << "the cursor goes where the editor stands";
    EXPECT_TRUE(r.d().txtEntry.HasFocus());

    ClickCell(r.grid(), 3, 7);
    PressKey(r.d(), forms::vbKeyF3);
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"", "1024", ""}));
    EXPECT_EQ(r.DialogProfiles(), (std::vector<std::string>{" of "})) << "the profile's members leave with it";
    EXPECT_EQ(r.Cell(), std::make_pair(3, 1));
    r.Enter(fixture::Cholesterol.code);
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"", "1024", "510", ""})) << "a former member may be ordered";
}

TEST(RequestDialog, TheDeleteButtonAsksFirstAndRefusesAnEmptyRow) {
    RequestDialog r("LB");
    r.test.host.ExpectMsgBox("Row cannot be deleted because there are no entries yet.")
        .Title("MESSAGE")
        .Buttons(forms::vbInformation);
    Click(r.d().cmdOption(2));

    ThreeLabRows(r);
    ClickCell(r.grid(), 3, 1);
    r.test.host.ExpectMsgBox("Are you sure to delete the request?")
        .Title("MESSAGE")
        .Buttons(forms::vbQuestion + forms::vbYesNo)
        .Answer(forms::vbNo);
    Click(r.d().cmdOption(2));
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"101", "1024", "500", ""}));

    r.test.host.ExpectMsgBox("Are you sure to delete the request?").Answer(forms::vbYes);
    ClickCell(r.grid(), 3, 1);
    Click(r.d().cmdOption(2));
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"101", "1024", ""}));
    EXPECT_EQ(r.DialogProfiles(), (std::vector<std::string>{" of "}));
    EXPECT_EQ(r.grid().TextMatrix(3, 0), "3") << "renumbered";
}

TEST(RequestDialog, DeletingTheOnlyFilledRowLeavesOneEmptyRow) {
    RequestDialog r("XR");
    r.Enter(fixture::ChestPaCode);
    ClickCell(r.grid(), 2, 1);
    ClickCell(r.grid(), 1, 1);
    r.test.host.ExpectMsgBox("Are you sure to delete the request?").Answer(forms::vbYes);
    Click(r.d().cmdOption(2));
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{""}));
    EXPECT_EQ(r.d().txtEntry.Text(), "");
}

} // namespace
