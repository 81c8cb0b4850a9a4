#pragma once

#include "platform/forms/Controls.h"
#include "platform/vb/Variant.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace db {
class Recordset;
}

namespace forms {

// Cell alignments of ColAlignment and FormatString.
inline constexpr int flexAlignLeftTop = 0;
inline constexpr int flexAlignLeftCenter = 1;
inline constexpr int flexAlignLeftBottom = 2;
inline constexpr int flexAlignCenterTop = 3;
inline constexpr int flexAlignCenterCenter = 4;
inline constexpr int flexAlignCenterBottom = 5;
inline constexpr int flexAlignRightTop = 6;
inline constexpr int flexAlignRightCenter = 7;
inline constexpr int flexAlignRightBottom = 8;
inline constexpr int flexAlignGeneral = 9;

// FillStyle: whether Text and the Cell... properties reach the current cell only or the whole selection.
inline constexpr int flexFillSingle = 0;
inline constexpr int flexFillRepeat = 1;

// FocusRect.
inline constexpr int flexFocusNone = 0;
inline constexpr int flexFocusLight = 1;
inline constexpr int flexFocusHeavy = 2;

// HighLight: when the selection shows in the selection colours.
inline constexpr int flexHighlightNever = 0;
inline constexpr int flexHighlightAlways = 1;
inline constexpr int flexHighlightWithFocus = 2;

// SelectionMode.
inline constexpr int flexSelectionFree = 0;
inline constexpr int flexSelectionByRow = 1;
inline constexpr int flexSelectionByColumn = 2;

// Sizes a grid starts with and the font metric FormatString measures headers with, in twips.
inline constexpr int GridDefaultColWidth = 960;
inline constexpr int GridDefaultRowHeight = 240;
// FormatString sizes a column to its header text as drawn in the grid's standard font (MS Sans Serif 8.25): every
// character counts 7 pixels, plus 4 pixels of margin on each side of the cell. One fixed metric, so that widths are
// the same on every workstation and in the tests.
inline constexpr int GridCharacterWidth = 7 * TwipsPerPixel;
inline constexpr int GridCellMargin = 8 * TwipsPerPixel;

// The formatting a cell can carry apart from the grid's own colours; 0 colours mean "the grid's colour".
struct CellFormat {
    Color ForeColor = 0;
    Color BackColor = 0;
    bool FontBold = false;
    forms::Picture Picture;
    std::optional<int> Alignment;
    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

// A flex grid: a table of text cells with fixed (header) rows and columns at the top and left, a current cell (Row,
// Col) and a selection reaching from it to (RowSel, ColSel). Moving the current cell, by the user or by code, raises
// LeaveCell while Row and Col still name the old cell and then EnterCell. Indexes out of range raise "Subscript out of
// range". Observers hear "TextMatrix" for any change of cell text, "CellFormat" for cell formatting, and "Rows" when
// rows were added or removed; every other property by its name.
class MSHFlexGrid : public Control {
public:
    MSHFlexGrid(Form& form, std::string name);

    int Rows() const { return static_cast<int>(rows.size()); }
    void SetRows(int value);
    int Cols() const { return cols; }
    void SetCols(int value);
    int FixedRows() const { return props.FixedRows; }
    void SetFixedRows(int value);
    int FixedCols() const { return props.FixedCols; }
    void SetFixedCols(int value);

    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string value);
    // The current cell's text; setting it fills the whole selection when FillStyle is flexFillRepeat.
    const std::string& Text() const { return TextMatrix(props.Row, props.Col); }
    void SetText(const std::string& value);

    int Row() const { return props.Row; }
    void SetRow(int value);
    int Col() const { return props.Col; }
    void SetCol(int value);
    int RowSel() const { return props.RowSel; }
    void SetRowSel(int value);
    int ColSel() const { return props.ColSel; }
    void SetColSel(int value);
    int FillStyle() const { return props.FillStyle; }
    void SetFillStyle(int value);
    int SelectionMode() const { return props.SelectionMode; }
    void SetSelectionMode(int value);

    // Column headers, alignment and widths in one text: "<" left, "^" centre, ">" right before each header, "|"
    // between columns, blanks kept; after a ";" the texts of the fixed column's rows. Sets Cols (and Rows when row
    // texts are given) to the number of parts.
    const std::string& FormatString() const { return props.FormatString; }
    void SetFormatString(const std::string& value);
    // Width in twips; 0 hides the column, -1 gives back the default width.
    int ColWidth(int col) const;
    void SetColWidth(int col, int value);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int value);
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int value);
    // Offsets within the grid of a column's left and a row's top, counting only what is scrolled into view.
    int ColPos(int col) const;
    int RowPos(int row) const;
    // The current cell's rectangle within the grid.
    int CellLeft() const { return ColPos(props.Col); }
    int CellTop() const { return RowPos(props.Row); }
    int CellWidth() const { return ColWidth(props.Col); }
    int CellHeight() const { return RowHeight(props.Row); }

    // Formatting of the current cell (of the selection with flexFillRepeat).
    Color CellForeColor() const { return CurrentFormat().ForeColor; }
    void SetCellForeColor(Color value);
    Color CellBackColor() const { return CurrentFormat().BackColor; }
    void SetCellBackColor(Color value);
    bool CellFontBold() const { return CurrentFormat().FontBold; }
    void SetCellFontBold(bool value);
    const forms::Picture& CellPicture() const { return CurrentFormat().Picture; }
    void SetCellPicture(forms::Picture value);
    int CellAlignment() const;
    void SetCellAlignment(int value);
    // The formatting of any cell, as the display draws it.
    const CellFormat& FormatOf(int row, int col) const;

    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    Color ForeColor() const { return props.ForeColor; }
    void SetForeColor(Color value);
    Color BackColorFixed() const { return props.BackColorFixed; }
    void SetBackColorFixed(Color value);
    Color ForeColorFixed() const { return props.ForeColorFixed; }
    void SetForeColorFixed(Color value);
    Color BackColorSel() const { return props.BackColorSel; }
    void SetBackColorSel(Color value);
    Color ForeColorSel() const { return props.ForeColorSel; }
    void SetForeColorSel(Color value);
    Color BackColorBkg() const { return props.BackColorBkg; }
    void SetBackColorBkg(Color value);
    int FocusRect() const { return props.FocusRect; }
    void SetFocusRect(int value);
    bool Redraw() const { return props.Redraw; }
    void SetRedraw(bool value);
    const forms::Font& Font() const { return props.Font; }
    void SetFont(const forms::Font& value);
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    int ScrollBars() const { return props.ScrollBars; }
    void SetScrollBars(int value);
    // 0 none, 1 flat, 2 inset, 3 raised.
    int GridLines() const { return props.GridLines; }
    void SetGridLines(int value);
    // 0 never, 1 always, 2 only while the grid has the focus.
    int HighLight() const { return props.HighLight; }
    void SetHighLight(int value);
    // 0 none, 1 columns, 2 rows, 3 both.
    int AllowUserResizing() const { return props.AllowUserResizing; }
    void SetAllowUserResizing(int value);
    bool WordWrap() const { return props.WordWrap; }
    void SetWordWrap(bool value);

    // The first non-fixed row and column in view; moving either raises Scroll. Changing FixedRows or FixedCols
    // scrolls back to the first non-fixed one.
    int TopRow() const { return props.TopRow; }
    void SetTopRow(int value);
    int LeftCol() const { return props.LeftCol; }
    void SetLeftCol(int value);
    bool RowIsVisible(int row) const;
    bool ColIsVisible(int col) const;
    // The cell under the mouse at its last move or press; -1 when the mouse was over no cell.
    int MouseRow() const { return mouseRow; }
    int MouseCol() const { return mouseCol; }

    // Adds a row whose cells take the tab-separated parts of item, at index or at the end.
    void AddItem(const std::string& item, std::optional<int> index = std::nullopt);
    // Removes a row; the last non-fixed row cannot go ("Cannot remove last non-fixed row").
    void RemoveItem(int index);
    // Empties every cell's text and formatting; Rows, Cols, widths and alignment stay.
    void Clear();
    // Copies the recordset's rows: the header row takes the field names, the fields fill the columns after the
    // fixed one, one row per record; widths and alignment set before stay. The recordset keeps its position.
    void SetDataSource(db::Recordset& recordset);

    bool CanHoldFocus() const override { return true; }
    void UserKeyDown(int KeyCode, int Shift) override;
    // The user presses a mouse button at (X, Y) twips within the grid: MouseRow and MouseCol follow, MouseDown is
    // raised, and a left press on a non-fixed cell makes it current.
    void UserMouseDown(int Button, int Shift, float X, float Y);
    void UserMouseMove(int Button, int Shift, float X, float Y);
    // The cell at (X, Y) twips within the grid, or -1 parts when none is there.
    int RowAt(float Y) const;
    int ColAt(float X) const;
    void ResetProperties() override;

    Event<> EnterCell;
    Event<> LeaveCell;
    Event<> RowColChange;
    Event<> SelChange;
    Event<> Scroll;

private:
    struct GridRow {
        // Empty until a cell of the row is formatted.
        std::vector<CellFormat> formats;
        int height = -1;
    };
    struct Props {
        int FixedRows = 1;
        int FixedCols = 1;
        int Row = 1;
        int Col = 1;
        int RowSel = 1;
        int ColSel = 1;
        int TopRow = 1;
        int LeftCol = 1;
        int FillStyle = flexFillSingle;
        int SelectionMode = flexSelectionFree;
        std::string FormatString;
        Color BackColor = vbWindowBackground;
        Color ForeColor = vbWindowText;
        Color BackColorFixed = vbButtonFace;
        Color ForeColorFixed = vbButtonText;
        Color BackColorSel = vbHighlight;
        Color ForeColorSel = vbHighlightText;
        Color BackColorBkg = vbApplicationWorkspace;
        int FocusRect = flexFocusLight;
        bool Redraw = true;
        forms::Font Font;
        int ScrollBars = 3;
        int GridLines = 1;
        int HighLight = flexHighlightAlways;
        int AllowUserResizing = 0;
        bool WordWrap = false;
    };
    struct Column {
        int width = -1;
        int alignment = flexAlignGeneral;
    };

    void RequireRow(int row) const;
    void RequireCol(int col) const;
    // Moves the current cell with LeaveCell and EnterCell; the selection collapses onto it.
    void MoveCurrentCell(int row, int col);
    void CollapseSelection();
    void ResizeRows(int count);
    void ResizeCols(int count);
    void KeepCurrentCellInside();
    const CellFormat& CurrentFormat() const { return FormatOf(props.Row, props.Col); }
    // Applies an edit to the current cell or, with flexFillRepeat, to every selected cell.
    template <class Edit> void ForEachTargetCell(Edit edit);
    CellFormat& FormatAt(int row, int col);
    template <class Field, class Value> void SetCellFormat(Field CellFormat::*field, const Value& value);
    void SetChoice(int& field, int value, int last, std::string_view property);
    int VisibleRowCount() const;

    std::string& TextAt(int row, int col) {
        return texts[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col)];
    }

    std::vector<GridRow> rows;
    // Every cell's text, a row after the other, cols to a row: one block however many rows the grid holds.
    std::vector<std::string> texts;
    std::vector<Column> columns;
    int cols = 2;
    Props props;
    int mouseRow = -1;
    int mouseCol = -1;
};

using MSFlexGrid = MSHFlexGrid;

// The text a field value shows in a grid cell: Null and Empty show nothing.
std::string GridTextOf(const vb::Variant& value);

} // namespace forms
