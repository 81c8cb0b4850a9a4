#include "platform/forms/Grid.h"
#include "TestWindows.h"
#include "platform/db/Recordset.h"
#include "platform/vb/VbError.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

// An entry grid with a cell editor floating over it, as the charge and request windows have.
class frmEntry : public Form {
public:
    explicit frmEntry(TestApp& app) : Form(app.Forms), log(app.log) {
        mshflexEntry.LeaveCell = [this] { log.push_back("LeaveCell " + Cell()); };
        mshflexEntry.EnterCell = [this] { log.push_back("EnterCell " + Cell()); };
        mshflexEntry.Click = [this] { log.push_back("Click " + Cell()); };
        mshflexEntry.DblClick = [this] { log.push_back("DblClick " + Cell()); };
        mshflexEntry.MouseDown = [this](int, int, float, float) { log.push_back("MouseDown"); };
        mshflexEntry.MouseUp = [this](int, int, float, float) { log.push_back("MouseUp"); };
        mshflexEntry.Scroll = [this] { log.push_back("Scroll " + std::to_string(mshflexEntry.TopRow())); };
    }
    MSHFlexGrid mshflexEntry{*this, "mshflexEntry"};
    TextBox txtEntry{*this, "txtEntry"};

    std::string Cell() const {
        return "(" + std::to_string(mshflexEntry.Row()) + "," + std::to_string(mshflexEntry.Col()) + ")";
    }

private:
    void Design() override {
        SetInnerSize(9000, 3000);
        mshflexEntry.SetRows(4);
        mshflexEntry.SetCols(4);
        txtEntry.SetOverlay(true);
        txtEntry.SetVisible(false);
        Layout(*this).Full(mshflexEntry, 2400);
    }
    std::vector<std::string>& log;
};

db::Recordset MakeRecordset(std::vector<std::string> columns, std::vector<std::vector<vb::Variant>> rows) {
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = std::move(columns);
    for (auto& row : rows)
        for (auto& value : row)
            table.values.push_back(std::move(value));
    return db::Recordset(std::move(table), db::CursorType::ForwardOnly, db::LockType::ReadOnly);
}

class GridTest : public ::testing::Test {
protected:
    TestApp app;
    frmEntry& form = app.Forms.Get<frmEntry>();
    MSHFlexGrid& grid = form.mshflexEntry;
};

} // namespace

TEST_F(GridTest, MovingTheCurrentCellByCodeRaisesLeaveCellOnTheOldCellThenEnterCellOnTheNew) {
    grid.SetRow(2);
    grid.SetCol(3);
    grid.SetRow(2);
    grid.SetCol(3);
    EXPECT_THAT(app.log, ElementsAre("LeaveCell (1,1)", "EnterCell (2,1)", "LeaveCell (2,1)", "EnterCell (2,3)"));
    EXPECT_EQ(grid.RowSel(), 2) << "moving the current cell collapses the selection onto it";
    EXPECT_EQ(grid.ColSel(), 3);
}

TEST_F(GridTest, AMoveFromInsideLeaveCellRunsItsOwnLeaveAndEnterAtOnce) {
    bool movedOnce = false;
    grid.LeaveCell = [&] {
        app.log.push_back("LeaveCell " + form.Cell());
        if (!std::exchange(movedOnce, true))
            grid.SetCol(2);
    };
    grid.SetRow(3);
    EXPECT_THAT(app.log, ElementsAre("LeaveCell (1,1)", "LeaveCell (1,1)", "EnterCell (1,2)", "EnterCell (3,1)"));
    EXPECT_EQ(form.Cell(), "(3,1)");
}

TEST_F(GridTest, TheUsersClickOnACellMovesToItBetweenMouseDownAndClick) {
    form.Show();
    app.log.clear();
    testkit::ClickCell(grid, 2, 3);
    testkit::ClickCell(grid, 0, 2);
    testkit::DoubleClickCell(grid, 2, 3);
    EXPECT_THAT(app.log,
                ElementsAre("MouseDown", "LeaveCell (1,1)", "EnterCell (2,3)", "MouseUp", "Click (2,3)", "MouseDown",
                            "MouseUp", "Click (2,3)", "MouseDown", "MouseUp", "Click (2,3)", "DblClick (2,3)"));
    EXPECT_TRUE(grid.HasFocus());
    EXPECT_EQ(grid.MouseRow(), 2);
    EXPECT_EQ(grid.MouseCol(), 3);
}

TEST_F(GridTest, ArrowKeysMoveTheCurrentCellWithinTheNonFixedCells) {
    form.Show();
    app.log.clear();
    testkit::PressKey(grid, vbKeyUp);
    testkit::PressKey(grid, vbKeyDown);
    testkit::PressKey(grid, vbKeyEnd);
    testkit::PressKey(grid, vbKeyLeft);
    EXPECT_THAT(app.log, ElementsAre("LeaveCell (1,1)", "EnterCell (2,1)", "LeaveCell (2,1)", "EnterCell (2,3)",
                                     "LeaveCell (2,3)", "EnterCell (2,2)"))
        << "Up on the first row stays put without events";
}

TEST_F(GridTest, IndexesOutsideTheGridRaiseSubscriptOutOfRange) {
    struct Case {
        const char* name;
        std::function<void()> action;
    };
    const Case cases[] = {
        {"TextMatrix row", [&] { (void)grid.TextMatrix(4, 0); }},
        {"TextMatrix column", [&] { (void)grid.TextMatrix(0, 4); }},
        {"TextMatrix negative", [&] { (void)grid.TextMatrix(-1, 0); }},
        {"set TextMatrix", [&] { grid.SetTextMatrix(1, 9, "x"); }},
        {"Row", [&] { grid.SetRow(4); }},
        {"Col", [&] { grid.SetCol(-1); }},
        {"ColWidth", [&] { grid.SetColWidth(4, 100); }},
        {"RowHeight", [&] { (void)grid.RowHeight(7); }},
        {"AddItem index", [&] { grid.AddItem("x", 6); }},
        {"RemoveItem index", [&] { grid.RemoveItem(4); }},
    };
    for (const Case& c : cases) {
        std::string text;
        EXPECT_EQ(VbErrorOf(c.action, &text), 381) << c.name;
        EXPECT_EQ(text, "Subscript out of range") << c.name;
    }
    EXPECT_THAT(app.log, testing::IsEmpty()) << "a refused move raises no cell events";
}

TEST_F(GridTest, RemovingTheLastNonFixedRowIsRefusedAndOtherRowsGo) {
    grid.AddItem("4\tB");
    grid.RemoveItem(1);
    grid.RemoveItem(1);
    grid.RemoveItem(1);
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.TextMatrix(1, 1), "B");
    std::string text;
    EXPECT_EQ(VbErrorOf([&] { grid.RemoveItem(1); }, &text), 30015);
    EXPECT_EQ(text, "Cannot remove last non-fixed row");
    EXPECT_EQ(grid.Rows(), 2);
}

TEST_F(GridTest, AddItemSplitsTabsIntoCellsAtTheIndexGiven) {
    grid.SetTextMatrix(1, 1, "first");
    grid.AddItem("1\tA\t\tD-extra");
    grid.AddItem("\tinserted", 1);
    EXPECT_EQ(grid.Rows(), 6);
    EXPECT_EQ(grid.TextMatrix(1, 1), "inserted");
    EXPECT_EQ(grid.TextMatrix(2, 1), "first");
    EXPECT_EQ(grid.TextMatrix(5, 0), "1");
    EXPECT_EQ(grid.TextMatrix(5, 2), "");
    EXPECT_EQ(grid.TextMatrix(5, 3), "D-extra");
    EXPECT_EQ(grid.Row(), 2) << "the current cell stays on its row";
    EXPECT_THAT(app.log, testing::IsEmpty());
}

TEST_F(GridTest, ClearEmptiesCellsButKeepsRowsColumnsAndWidths) {
    grid.SetColWidth(2, 0);
    grid.SetColAlignment(1, flexAlignRightCenter);
    grid.SetTextMatrix(0, 1, "Code");
    grid.SetTextMatrix(3, 3, "x");
    grid.SetCellBackColor(vbYellow);
    grid.Clear();
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.ColWidth(2), 0);
    EXPECT_EQ(grid.ColAlignment(1), flexAlignRightCenter);
    EXPECT_EQ(grid.TextMatrix(0, 1), "");
    EXPECT_EQ(grid.TextMatrix(3, 3), "");
    EXPECT_EQ(grid.CellBackColor(), 0u);
}

TEST_F(GridTest, FormatStringSetsHeadersAlignmentAndMeasuredWidthsKeepingBlanks) {
    grid.SetRows(2);
    grid.SetFormatString("  |<Dept. |^QTY|>Amount");
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.TextMatrix(0, 0), "  ");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Dept. ");
    EXPECT_EQ(grid.TextMatrix(0, 2), "QTY");
    EXPECT_EQ(grid.ColAlignment(1), flexAlignLeftCenter);
    EXPECT_EQ(grid.ColAlignment(2), flexAlignCenterCenter);
    EXPECT_EQ(grid.ColAlignment(3), flexAlignRightCenter);
    EXPECT_EQ(grid.ColAlignment(0), flexAlignGeneral);
    EXPECT_EQ(grid.ColWidth(1), 6 * GridCharacterWidth + GridCellMargin);
    EXPECT_EQ(grid.ColWidth(0), 2 * GridCharacterWidth + GridCellMargin);

    grid.SetCols(8);
    EXPECT_EQ(grid.TextMatrix(0, 1), "Dept. ") << "more columns keep the headers";
    EXPECT_EQ(grid.ColWidth(7), GridDefaultColWidth);

    grid.SetFormatString("|Code;|one|two");
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.TextMatrix(2, 0), "two");
}

TEST_F(GridTest, BindingARecordsetCopiesItsRowsAndKeepsWidthsAndAlignmentSetBefore) {
    grid.SetCols(4);
    grid.SetColWidth(0, 1);
    grid.SetColWidth(2, 0);
    grid.SetColAlignment(3, flexAlignRightCenter);
    db::Recordset rs = MakeRecordset({"Code", "Description", "Amount"}, {{"LB001", "CBC", vb::Variant(150.5)},
                                                                         {"LB002", vb::Variant::Null(), 0},
                                                                         {"XR001", "CHEST PA", vb::Variant(800.0)}});
    rs.MoveNext();
    grid.SetDataSource(rs);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 4);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.TextMatrix(0, 0), "");
    EXPECT_EQ(grid.TextMatrix(0, 1), "Code");
    EXPECT_EQ(grid.TextMatrix(0, 3), "Amount");
    EXPECT_EQ(grid.TextMatrix(1, 3), "150.5");
    EXPECT_EQ(grid.TextMatrix(2, 2), "") << "Null shows nothing";
    EXPECT_EQ(grid.TextMatrix(3, 2), "CHEST PA");
    EXPECT_EQ(grid.ColWidth(0), 1);
    EXPECT_EQ(grid.ColWidth(2), 0);
    EXPECT_EQ(grid.ColAlignment(3), flexAlignRightCenter);
    EXPECT_EQ(rs.AbsolutePosition(), 2) << "the recordset stays where the caller left it";
    EXPECT_EQ(rs.Fields("Code").AsString(), "LB002");
}

TEST_F(GridTest, BindingAnEmptyResultLeavesTheHeaderRowOnly) {
    grid.SetTextMatrix(2, 1, "old");
    db::Recordset rs = MakeRecordset({"Code", "Name"}, {});
    grid.SetDataSource(rs);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.TextMatrix(0, 2), "Name");
    EXPECT_EQ(grid.Row(), 0);
    grid.SetFixedRows(1);
    grid.AddItem("\tLB001");
    EXPECT_EQ(grid.TextMatrix(1, 1), "LB001");
}

TEST_F(GridTest, FillRepeatWritesTextAndColoursOverTheSelection) {
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetRowSel(2);
    grid.SetColSel(3);
    grid.SetCellForeColor(vbRed);
    EXPECT_EQ(grid.FormatOf(2, 3).ForeColor, 0u) << "single fill reaches the current cell only";
    grid.SetFillStyle(flexFillRepeat);
    grid.SetCellForeColor(vbRed);
    grid.SetText("x");
    EXPECT_EQ(grid.FormatOf(2, 3).ForeColor, vbRed);
    EXPECT_EQ(grid.TextMatrix(2, 2), "x");
    EXPECT_EQ(grid.TextMatrix(3, 1), "");
    EXPECT_EQ(grid.FormatOf(3, 1).ForeColor, 0u);
}

TEST_F(GridTest, CellPositionsCountFixedPartsAndWhatIsScrolledIntoView) {
    grid.SetColWidth(0, 300);
    grid.SetColWidth(1, 0);
    grid.SetColWidth(2, 1000);
    grid.SetRows(30);
    grid.SetRowHeight(0, 400);
    grid.SetCol(3);
    EXPECT_EQ(grid.CellLeft(), 1300) << "a hidden column takes no room";
    EXPECT_EQ(grid.CellWidth(), GridDefaultColWidth);
    EXPECT_EQ(grid.RowPos(3), 400 + 2 * GridDefaultRowHeight);
    EXPECT_FALSE(grid.RowIsVisible(25));
    grid.SetTopRow(20);
    EXPECT_EQ(app.log.back(), "Scroll 20");
    EXPECT_TRUE(grid.RowIsVisible(25));
    EXPECT_TRUE(grid.RowIsVisible(0));
    EXPECT_FALSE(grid.RowIsVisible(3));
    EXPECT_EQ(grid.RowPos(21), 400 + GridDefaultRowHeight);
}

// Every cell holds its own place, "row,col" as filled: reshaping the grid must move no text to another cell.
TEST_F(GridTest, ReshapingKeepsEveryTextInItsCell) {
    auto fill = [&] {
        for (int row = 0; row < grid.Rows(); ++row)
            for (int col = 0; col < grid.Cols(); ++col)
                grid.SetTextMatrix(row, col, std::to_string(row) + "," + std::to_string(col));
    };
    auto cellsOfRow = [&](int row) {
        std::vector<std::string> texts;
        for (int col = 0; col < grid.Cols(); ++col)
            texts.push_back(grid.TextMatrix(row, col));
        return texts;
    };
    fill();
    grid.SetCols(6);
    EXPECT_THAT(cellsOfRow(3), ElementsAre("3,0", "3,1", "3,2", "3,3", "", ""));
    grid.SetCols(3);
    EXPECT_THAT(cellsOfRow(2), ElementsAre("2,0", "2,1", "2,2"));
    grid.RemoveItem(2);
    EXPECT_THAT(cellsOfRow(2), ElementsAre("3,0", "3,1", "3,2"));
    grid.AddItem("a\tb", 1);
    EXPECT_THAT(cellsOfRow(1), ElementsAre("a", "b", ""));
    EXPECT_THAT(cellsOfRow(2), ElementsAre("1,0", "1,1", "1,2"));
    grid.SetRows(6);
    EXPECT_THAT(cellsOfRow(3), ElementsAre("3,0", "3,1", "3,2"));
    EXPECT_THAT(cellsOfRow(5), ElementsAre("", "", ""));
}

TEST_F(GridTest, ColumnsScrollLikeRowsAndAGridWithoutFixedPartsStartsAtItsFirstCell) {
    grid.SetColWidth(0, 300);
    grid.SetLeftCol(2);
    EXPECT_EQ(app.log.back(), "Scroll 1");
    EXPECT_FALSE(grid.ColIsVisible(1));
    EXPECT_EQ(grid.ColPos(2), 300);
    EXPECT_EQ(grid.ColAt(310), 2);

    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    EXPECT_EQ(grid.TopRow(), 0);
    EXPECT_EQ(grid.LeftCol(), 0);
    EXPECT_TRUE(grid.ColIsVisible(0));
    EXPECT_EQ(grid.ColPos(1), 300);
    EXPECT_EQ(grid.RowAt(10), 0);
    EXPECT_EQ(grid.ColAt(10), 0);
    EXPECT_EQ(VbErrorOf([&] { grid.SetLeftCol(4); }), 381);
}

TEST_F(GridTest, ShrinkingTheGridKeepsTheCurrentCellInsideWithoutCellEvents) {
    grid.SetRow(3);
    app.log.clear();
    grid.SetRows(2);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetCols(2);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_THAT(app.log, testing::IsEmpty());
    EXPECT_EQ(VbErrorOf([&] { grid.SetRows(0); }), 380) << "fewer rows than the fixed ones";
}

TEST_F(GridTest, UnloadPutsTheGridBackAsDesigned) {
    grid.AddItem("x");
    grid.SetColWidth(1, 5);
    form.Unload();
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.ColWidth(1), GridDefaultColWidth);
    EXPECT_EQ(grid.TextMatrix(3, 0), "");
}
