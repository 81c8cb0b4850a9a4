#include "platform/forms/Grid.h"

#include "platform/db/Recordset.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/VbError.h"

#include <algorithm>

namespace forms {

namespace {

[[noreturn]] void RaiseGridSubscript() { throw vb::VbError(381, "Subscript out of range"); }
[[noreturn]] void RaiseInvalidValue() { throw vb::VbError(380, "Invalid property value"); }

const CellFormat& PlainFormat() {
    static const CellFormat plain;
    return plain;
}

int AlignmentOfMark(char mark) {
    switch (mark) {
    case '<':
        return flexAlignLeftCenter;
    case '^':
        return flexAlignCenterCenter;
    case '>':
        return flexAlignRightCenter;
    default:
        return -1;
    }
}

std::vector<std::string> SplitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

std::string GridTextOf(const vb::Variant& value) {
    if (value.IsNull() || value.IsEmpty())
        return {};
    if (value.IsString())
        return value.AsString();
    return vb::CStr(value);
}

MSHFlexGrid::MSHFlexGrid(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Grid) {
    ResizeCols(2);
    ResizeRows(2);
}

// Shape

void MSHFlexGrid::ResizeRows(int count) {
    rows.resize(static_cast<std::size_t>(count));
    texts.resize(rows.size() * static_cast<std::size_t>(cols));
}

void MSHFlexGrid::ResizeCols(int count) {
    std::vector<std::string> resized(rows.size() * static_cast<std::size_t>(count));
    for (int row = 0; row < Rows(); ++row)
        for (int col = 0; col < std::min(cols, count); ++col)
            resized[static_cast<std::size_t>(row) * static_cast<std::size_t>(count) + static_cast<std::size_t>(col)] =
                std::move(TextAt(row, col));
    texts = std::move(resized);
    cols = count;
    columns.resize(static_cast<std::size_t>(count));
    for (GridRow& row : rows)
        if (!row.formats.empty())
            row.formats.resize(static_cast<std::size_t>(count));
}

// Shape changes keep the current cell inside the grid without raising cell events: the cell the user is on did not
// change, only the grid around it.
void MSHFlexGrid::KeepCurrentCellInside() {
    int row = std::clamp(props.Row, 0, std::max(0, Rows() - 1));
    int col = std::clamp(props.Col, 0, std::max(0, cols - 1));
    Update(props.Row, row, "Row");
    Update(props.Col, col, "Col");
    Update(props.RowSel, std::clamp(props.RowSel, 0, std::max(0, Rows() - 1)), "RowSel");
    Update(props.ColSel, std::clamp(props.ColSel, 0, std::max(0, cols - 1)), "ColSel");
    Update(props.TopRow,
           std::clamp(props.TopRow, std::min(props.FixedRows, std::max(0, Rows() - 1)), std::max(0, Rows() - 1)),
           "TopRow");
    Update(props.LeftCol,
           std::clamp(props.LeftCol, std::min(props.FixedCols, std::max(0, cols - 1)), std::max(0, cols - 1)),
           "LeftCol");
}

void MSHFlexGrid::SetRows(int value) {
    if (value < props.FixedRows)
        RaiseInvalidValue();
    if (value == Rows())
        return;
    ResizeRows(value);
    Notify("Rows");
    KeepCurrentCellInside();
}

void MSHFlexGrid::SetCols(int value) {
    if (value < props.FixedCols)
        RaiseInvalidValue();
    if (value == cols)
        return;
    ResizeCols(value);
    Notify("Cols");
    KeepCurrentCellInside();
}

void MSHFlexGrid::SetFixedRows(int value) {
    if (value < 0 || value > Rows())
        RaiseInvalidValue();
    if (!Update(props.FixedRows, value, "FixedRows"))
        return;
    if (props.Row < value && value < Rows()) {
        Update(props.Row, value, "Row");
        CollapseSelection();
    }
    Update(props.TopRow, value, "TopRow");
    KeepCurrentCellInside();
}

void MSHFlexGrid::SetFixedCols(int value) {
    if (value < 0 || value > cols)
        RaiseInvalidValue();
    if (!Update(props.FixedCols, value, "FixedCols"))
        return;
    if (props.Col < value && value < cols) {
        Update(props.Col, value, "Col");
        CollapseSelection();
    }
    Update(props.LeftCol, value, "LeftCol");
    KeepCurrentCellInside();
}

void MSHFlexGrid::RequireRow(int row) const {
    if (row < 0 || row >= Rows())
        RaiseGridSubscript();
}

void MSHFlexGrid::RequireCol(int col) const {
    if (col < 0 || col >= cols)
        RaiseGridSubscript();
}

// Text

const std::string& MSHFlexGrid::TextMatrix(int row, int col) const {
    RequireRow(row);
    RequireCol(col);
    return texts[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col)];
}

void MSHFlexGrid::SetTextMatrix(int row, int col, std::string value) {
    RequireRow(row);
    RequireCol(col);
    std::string& cell = TextAt(row, col);
    if (cell == value)
        return;
    cell = std::move(value);
    Notify("TextMatrix");
}

template <class Edit> void MSHFlexGrid::ForEachTargetCell(Edit edit) {
    RequireRow(props.Row);
    RequireCol(props.Col);
    if (props.FillStyle != flexFillRepeat) {
        edit(props.Row, props.Col);
        return;
    }
    auto [top, bottom] = std::minmax(props.Row, props.RowSel);
    auto [left, right] = std::minmax(props.Col, props.ColSel);
    for (int row = top; row <= bottom; ++row)
        for (int col = left; col <= right; ++col)
            edit(row, col);
}

void MSHFlexGrid::SetText(const std::string& value) {
    ForEachTargetCell([&](int row, int col) { SetTextMatrix(row, col, value); });
}

// Current cell and selection

void MSHFlexGrid::MoveCurrentCell(int row, int col) {
    RequireRow(row);
    RequireCol(col);
    if (row == props.Row && col == props.Col) {
        CollapseSelection();
        return;
    }
    Raise(LeaveCell);
    // A LeaveCell handler may have changed the grid's shape.
    if (row >= Rows() || col >= cols)
        return;
    Update(props.Row, row, "Row");
    Update(props.Col, col, "Col");
    CollapseSelection();
    Raise(EnterCell);
    Raise(RowColChange);
}

void MSHFlexGrid::CollapseSelection() {
    int colSel = props.SelectionMode == flexSelectionByRow ? cols - 1 : props.Col;
    int rowSel = props.SelectionMode == flexSelectionByColumn ? Rows() - 1 : props.Row;
    bool changed = Update(props.RowSel, rowSel, "RowSel");
    changed = Update(props.ColSel, colSel, "ColSel") || changed;
    if (changed)
        Raise(SelChange);
}

void MSHFlexGrid::SetRow(int value) {
    RequireRow(value);
    MoveCurrentCell(value, props.Col);
}

void MSHFlexGrid::SetCol(int value) {
    RequireCol(value);
    MoveCurrentCell(props.Row, value);
}

void MSHFlexGrid::SetRowSel(int value) {
    RequireRow(value);
    if (Update(props.RowSel, value, "RowSel"))
        Raise(SelChange);
}

void MSHFlexGrid::SetColSel(int value) {
    RequireCol(value);
    if (Update(props.ColSel, value, "ColSel"))
        Raise(SelChange);
}

void MSHFlexGrid::SetFillStyle(int value) { SetChoice(props.FillStyle, value, flexFillRepeat, "FillStyle"); }

void MSHFlexGrid::SetSelectionMode(int value) {
    if (value < flexSelectionFree || value > flexSelectionByColumn)
        RaiseInvalidValue();
    if (Update(props.SelectionMode, value, "SelectionMode"))
        CollapseSelection();
}

// Layout of columns and rows

void MSHFlexGrid::SetFormatString(const std::string& value) {
    std::size_t semicolon = value.find(';');
    std::string columnPart = value.substr(0, semicolon);
    std::vector<std::string> headers = SplitOn(columnPart, '|');
    int count = static_cast<int>(headers.size());
    if (count > cols)
        SetCols(std::max(count, props.FixedCols + 1));
    else if (count >= props.FixedCols + 1)
        SetCols(count);
    for (int col = 0; col < count; ++col) {
        std::string header = headers[static_cast<std::size_t>(col)];
        int alignment = header.empty() ? -1 : AlignmentOfMark(header.front());
        if (alignment >= 0) {
            header.erase(0, 1);
            SetColAlignment(col, alignment);
        }
        SetColWidth(col, static_cast<int>(header.size()) * GridCharacterWidth + GridCellMargin);
        if (Rows() > 0)
            SetTextMatrix(0, col, header);
    }
    if (semicolon != std::string::npos) {
        std::vector<std::string> rowTexts = SplitOn(value.substr(semicolon + 1), '|');
        int wanted = static_cast<int>(rowTexts.size());
        if (wanted > Rows())
            SetRows(wanted);
        for (int row = 0; row < wanted; ++row)
            if (cols > 0)
                SetTextMatrix(row, 0, rowTexts[static_cast<std::size_t>(row)]);
    }
    Update(props.FormatString, value, "FormatString");
}

int MSHFlexGrid::ColWidth(int col) const {
    RequireCol(col);
    int width = columns[static_cast<std::size_t>(col)].width;
    return width < 0 ? GridDefaultColWidth : width;
}

void MSHFlexGrid::SetColWidth(int col, int value) {
    RequireCol(col);
    if (value < -1)
        RaiseInvalidValue();
    Update(columns[static_cast<std::size_t>(col)].width, value, "ColWidth");
}

int MSHFlexGrid::RowHeight(int row) const {
    RequireRow(row);
    int height = rows[static_cast<std::size_t>(row)].height;
    return height < 0 ? GridDefaultRowHeight : height;
}

void MSHFlexGrid::SetRowHeight(int row, int value) {
    RequireRow(row);
    if (value < -1)
        RaiseInvalidValue();
    Update(rows[static_cast<std::size_t>(row)].height, value, "RowHeight");
}

int MSHFlexGrid::ColAlignment(int col) const {
    RequireCol(col);
    return columns[static_cast<std::size_t>(col)].alignment;
}

void MSHFlexGrid::SetColAlignment(int col, int value) {
    RequireCol(col);
    if (value < flexAlignLeftTop || value > flexAlignGeneral)
        RaiseInvalidValue();
    Update(columns[static_cast<std::size_t>(col)].alignment, value, "ColAlignment");
}

int MSHFlexGrid::ColPos(int col) const {
    RequireCol(col);
    int position = 0;
    for (int c = 0; c < col; ++c)
        if (c < props.FixedCols || c >= props.LeftCol)
            position += ColWidth(c);
    return position;
}

int MSHFlexGrid::RowPos(int row) const {
    RequireRow(row);
    int position = 0;
    for (int r = 0; r < row; ++r)
        if (r < props.FixedRows || r >= props.TopRow)
            position += RowHeight(r);
    return position;
}

// Cell formatting

const CellFormat& MSHFlexGrid::FormatOf(int row, int col) const {
    RequireRow(row);
    RequireCol(col);
    const GridRow& line = rows[static_cast<std::size_t>(row)];
    return line.formats.empty() ? PlainFormat() : line.formats[static_cast<std::size_t>(col)];
}

CellFormat& MSHFlexGrid::FormatAt(int row, int col) {
    GridRow& line = rows[static_cast<std::size_t>(row)];
    if (line.formats.empty())
        line.formats.resize(static_cast<std::size_t>(cols));
    return line.formats[static_cast<std::size_t>(col)];
}

template <class Field, class Value> void MSHFlexGrid::SetCellFormat(Field CellFormat::*field, const Value& value) {
    bool changed = false;
    ForEachTargetCell([&](int row, int col) {
        Field& current = FormatAt(row, col).*field;
        if (current == value)
            return;
        current = value;
        changed = true;
    });
    if (changed)
        Notify("CellFormat");
}

void MSHFlexGrid::SetCellForeColor(Color value) { SetCellFormat(&CellFormat::ForeColor, value); }
void MSHFlexGrid::SetCellBackColor(Color value) { SetCellFormat(&CellFormat::BackColor, value); }
void MSHFlexGrid::SetCellFontBold(bool value) { SetCellFormat(&CellFormat::FontBold, value); }
void MSHFlexGrid::SetCellPicture(forms::Picture value) { SetCellFormat(&CellFormat::Picture, value); }

int MSHFlexGrid::CellAlignment() const {
    const CellFormat& format = CurrentFormat();
    return format.Alignment ? *format.Alignment : ColAlignment(props.Col);
}

void MSHFlexGrid::SetCellAlignment(int value) {
    if (value < flexAlignLeftTop || value > flexAlignGeneral)
        RaiseInvalidValue();
    SetCellFormat(&CellFormat::Alignment, std::optional<int>(value));
}

// The grid's own look

void MSHFlexGrid::SetBackColor(Color value) { Update(props.BackColor, value, "BackColor"); }
void MSHFlexGrid::SetForeColor(Color value) { Update(props.ForeColor, value, "ForeColor"); }
void MSHFlexGrid::SetBackColorFixed(Color value) { Update(props.BackColorFixed, value, "BackColorFixed"); }
void MSHFlexGrid::SetForeColorFixed(Color value) { Update(props.ForeColorFixed, value, "ForeColorFixed"); }
void MSHFlexGrid::SetBackColorSel(Color value) { Update(props.BackColorSel, value, "BackColorSel"); }
void MSHFlexGrid::SetForeColorSel(Color value) { Update(props.ForeColorSel, value, "ForeColorSel"); }
void MSHFlexGrid::SetBackColorBkg(Color value) { Update(props.BackColorBkg, value, "BackColorBkg"); }
void MSHFlexGrid::SetFocusRect(int value) { SetChoice(props.FocusRect, value, flexFocusHeavy, "FocusRect"); }
void MSHFlexGrid::SetRedraw(bool value) { Update(props.Redraw, value, "Redraw"); }
void MSHFlexGrid::SetFont(const forms::Font& value) { Update(props.Font, value, "Font"); }

// Sets one of the grid's numbered display choices, refusing a number outside 0 to last.
void MSHFlexGrid::SetChoice(int& field, int value, int last, std::string_view property) {
    if (value < 0 || value > last)
        RaiseInvalidValue();
    Update(field, value, property);
}

void MSHFlexGrid::SetScrollBars(int value) { SetChoice(props.ScrollBars, value, 3, "ScrollBars"); }
void MSHFlexGrid::SetGridLines(int value) { SetChoice(props.GridLines, value, 3, "GridLines"); }
void MSHFlexGrid::SetHighLight(int value) { SetChoice(props.HighLight, value, 2, "HighLight"); }
void MSHFlexGrid::SetAllowUserResizing(int value) { SetChoice(props.AllowUserResizing, value, 3, "AllowUserResizing"); }
void MSHFlexGrid::SetWordWrap(bool value) { Update(props.WordWrap, value, "WordWrap"); }

// Scrolling

int MSHFlexGrid::VisibleRowCount() const {
    int room = Height();
    for (int r = 0; r < std::min(props.FixedRows, Rows()); ++r)
        room -= RowHeight(r);
    int count = 0;
    for (int r = props.TopRow; r < Rows() && room > 0; ++r) {
        room -= RowHeight(r);
        if (room >= 0)
            ++count;
    }
    return std::max(1, count);
}

void MSHFlexGrid::SetTopRow(int value) {
    if (value < 0 || value >= Rows())
        RaiseGridSubscript();
    int top = std::max(value, std::min(props.FixedRows, Rows() - 1));
    if (Update(props.TopRow, top, "TopRow"))
        Raise(Scroll);
}

void MSHFlexGrid::SetLeftCol(int value) {
    if (value < 0 || value >= cols)
        RaiseGridSubscript();
    int left = std::max(value, std::min(props.FixedCols, cols - 1));
    if (Update(props.LeftCol, left, "LeftCol"))
        Raise(Scroll);
}

bool MSHFlexGrid::RowIsVisible(int row) const {
    RequireRow(row);
    if (row < props.FixedRows)
        return true;
    return row >= props.TopRow && row < props.TopRow + VisibleRowCount();
}

bool MSHFlexGrid::ColIsVisible(int col) const {
    RequireCol(col);
    return col < props.FixedCols || col >= props.LeftCol;
}

// Rows as items

void MSHFlexGrid::AddItem(const std::string& item, std::optional<int> index) {
    int at = index.value_or(Rows());
    if (at < 0 || at > Rows())
        RaiseGridSubscript();
    rows.insert(rows.begin() + at, GridRow{});
    texts.insert(texts.begin() + static_cast<std::ptrdiff_t>(at) * cols, static_cast<std::size_t>(cols), std::string());
    std::vector<std::string> parts = SplitOn(item, '\t');
    for (int col = 0; col < static_cast<int>(parts.size()) && col < cols; ++col)
        TextAt(at, col) = std::move(parts[static_cast<std::size_t>(col)]);
    if (at <= props.Row && props.Row >= props.FixedRows && at >= props.FixedRows) {
        Update(props.Row, props.Row + 1, "Row");
        Update(props.RowSel, props.RowSel + 1, "RowSel");
    }
    Notify("Rows");
}

void MSHFlexGrid::RemoveItem(int index) {
    RequireRow(index);
    if (index < props.FixedRows)
        RaiseInvalidValue();
    if (Rows() - props.FixedRows <= 1)
        throw vb::VbError(30015, "Cannot remove last non-fixed row");
    rows.erase(rows.begin() + index);
    auto first = texts.begin() + static_cast<std::ptrdiff_t>(index) * cols;
    texts.erase(first, first + cols);
    if (index < props.Row)
        Update(props.Row, props.Row - 1, "Row");
    Notify("Rows");
    KeepCurrentCellInside();
    CollapseSelection();
}

void MSHFlexGrid::Clear() {
    std::fill(texts.begin(), texts.end(), std::string());
    for (GridRow& row : rows)
        row.formats.clear();
    Notify("TextMatrix");
    Notify("CellFormat");
}

void MSHFlexGrid::SetDataSource(db::Recordset& recordset) {
    int fieldCount = recordset.FieldCount();
    long count = recordset.RecordCount();
    long position = recordset.AbsolutePosition();
    int fixedCols = std::min(props.FixedCols, 1);
    SetFixedCols(fixedCols);

    // The old cells go before the new ones come, so that the copy reuses their memory; heights of rows that stay
    // in place survive, as widths of columns do.
    std::vector<int> heights;
    for (const GridRow& row : rows)
        heights.push_back(row.height);
    rows.clear();
    texts.clear();
    cols = fieldCount + fixedCols;
    columns.resize(static_cast<std::size_t>(cols));
    texts.reserve((static_cast<std::size_t>(std::max(count, 0L)) + 1) * static_cast<std::size_t>(cols));
    // A row with its fixed cells empty, ready for the field values.
    auto addRow = [&] {
        rows.emplace_back();
        texts.resize(texts.size() + static_cast<std::size_t>(fixedCols));
    };
    addRow();
    for (const std::string& field : recordset.FieldNames())
        texts.push_back(field);
    if (count > 0) {
        recordset.MoveFirst();
        for (; !recordset.Eof(); recordset.MoveNext()) {
            addRow();
            for (int field = 0; field < fieldCount; ++field)
                texts.push_back(GridTextOf(recordset.Fields(field)));
        }
        // Back to where the caller left it.
        if (position == db::adPosBOF) {
            recordset.MoveFirst();
            recordset.MovePrevious();
        } else if (position != db::adPosEOF) {
            recordset.MoveFirst();
            for (long step = 1; step < position; ++step)
                recordset.MoveNext();
        }
    }
    for (std::size_t r = 0; r < rows.size() && r < heights.size(); ++r)
        rows[r].height = heights[r];
    Update(props.FixedRows, 1, "FixedRows");
    Notify("Cols");
    Notify("Rows");
    Notify("TextMatrix");
    Notify("CellFormat");
    KeepCurrentCellInside();
}

// The user

int MSHFlexGrid::RowAt(float Y) const {
    int top = 0;
    for (int r = 0; r < Rows(); ++r) {
        if (r >= props.FixedRows && r < props.TopRow)
            continue;
        int height = RowHeight(r);
        if (Y >= static_cast<float>(top) && Y < static_cast<float>(top + height))
            return r;
        top += height;
    }
    return -1;
}

int MSHFlexGrid::ColAt(float X) const {
    int left = 0;
    for (int c = 0; c < cols; ++c) {
        if (c >= props.FixedCols && c < props.LeftCol)
            continue;
        int width = ColWidth(c);
        if (X >= static_cast<float>(left) && X < static_cast<float>(left + width))
            return c;
        left += width;
    }
    return -1;
}

void MSHFlexGrid::UserMouseMove(int Button, int Shift, float X, float Y) {
    mouseRow = RowAt(Y);
    mouseCol = ColAt(X);
    Raise(MouseMove, Button, Shift, X, Y);
}

void MSHFlexGrid::UserMouseDown(int Button, int Shift, float X, float Y) {
    mouseRow = RowAt(Y);
    mouseCol = ColAt(X);
    Raise(MouseDown, Button, Shift, X, Y);
    if (Button != vbLeftButton || mouseRow < props.FixedRows || mouseCol < props.FixedCols)
        return;
    if (mouseRow >= Rows() || mouseCol >= cols)
        return;
    if ((Shift & vbShiftMask) != 0) {
        SetRowSel(mouseRow);
        SetColSel(mouseCol);
        return;
    }
    MoveCurrentCell(mouseRow, mouseCol);
}

void MSHFlexGrid::UserKeyDown(int KeyCode, int Shift) {
    (void)Shift;
    int row = props.Row;
    int col = props.Col;
    int firstRow = std::min(props.FixedRows, Rows() - 1);
    int firstCol = std::min(props.FixedCols, cols - 1);
    switch (KeyCode) {
    case vbKeyUp:
        row = std::max(firstRow, row - 1);
        break;
    case vbKeyDown:
        row = std::min(Rows() - 1, row + 1);
        break;
    case vbKeyLeft:
        col = std::max(firstCol, col - 1);
        break;
    case vbKeyRight:
        col = std::min(cols - 1, col + 1);
        break;
    case vbKeyHome:
        col = firstCol;
        break;
    case vbKeyEnd:
        col = cols - 1;
        break;
    case vbKeyPageUp:
        row = std::max(firstRow, row - VisibleRowCount());
        break;
    case vbKeyPageDown:
        row = std::min(Rows() - 1, row + VisibleRowCount());
        break;
    default:
        return;
    }
    if (row < 0 || col < 0)
        return;
    MoveCurrentCell(row, col);
    if (row < props.TopRow && row >= props.FixedRows)
        SetTopRow(row);
    else if (row >= props.FixedRows && !RowIsVisible(row))
        SetTopRow(std::max(props.FixedRows, row - VisibleRowCount() + 1));
}

void MSHFlexGrid::ResetProperties() {
    props = Props{};
    rows.clear();
    texts.clear();
    columns.clear();
    ResizeCols(2);
    ResizeRows(2);
    mouseRow = -1;
    mouseCol = -1;
    Control::ResetProperties();
}

} // namespace forms
