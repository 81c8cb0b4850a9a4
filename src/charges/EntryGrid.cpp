#include "charges/EntryGrid.h"

#include "core/App.h"
#include "core/HospitalSettings.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Form.h"
#include "platform/vb/Runtime.h"

namespace ward {

namespace {

constexpr const char* ChargeFormatString =
    "<# |<Dept.Code|<Item Code|< Item   Description    |<Quantity |<Unit Price|<Amount ||||||||||||<Dosage ID";

// The length table and the numeric flags end at column 7; no key of the item entry acts beyond it.
constexpr int LastEditedCol = 7;

} // namespace

bool IsListedDepartment(const forms::ListView& departments, const std::string& code) {
    const std::string wanted = vb::Trim(code);
    for (int i = 1; i <= departments.ListItemCount(); ++i)
        if (vb::Trim(departments.ListItems(i).Text()) == wanted)
            return true;
    return false;
}

EntryGridDescription ChargeEntryGrid(const forms::ListView& departments) {
    EntryGridDescription d;
    d.FormatString = ChargeFormatString;
    d.DosageColumn = true;
    d.CellEntryLocksDescriptionAndAmount = true;
    d.IsDepartment = [&departments](const std::string& code) { return IsListedDepartment(departments, code); };
    return d;
}

EntryGridDescription ReceivableEntryGrid(const forms::ListView& departments) {
    EntryGridDescription d = ChargeEntryGrid(departments);
    d.LastZeroWidthCol = 17;
    d.CellEntryLocksDescriptionAndAmount = false;
    d.ArrowsRerunCellEntry = true;
    d.QuantityPrompt = "Type how many quantity to charge...";
    d.AmountPrompt = "Type the total amount to charge.....";
    return d;
}

EntryGrid::EntryGrid(App& app, forms::MSHFlexGrid& mshflexEntry, forms::TextBox& txtEntry, forms::Label& lblMessage,
                     EntryGridDescription description)
    : app(app), grid(mshflexEntry), editor(txtEntry), prompt(lblMessage), description(std::move(description)) {
    grid.EnterCell = [this] { mshflexEntry_EnterCell(); };
    grid.LeaveCell = [this] { mshflexEntry_LeaveCell(); };
    grid.Scroll = [this] { mshflexEntry_Scroll(); };
    editor.GotFocus = [this] { txtEntry_GotFocus(); };
    editor.KeyPress = [this](int& KeyAscii) { txtEntry_KeyPress(KeyAscii); };
    // The editor floats over the grid's current cell on purpose.
    editor.SetOverlay(true);
}

void EntryGrid::SetUp() {
    maxLength = {0, 3, 8, 35, 0, 0, 0, 0};
    numeric = {false, false, false, false, true, false, false, false};
    editor.SetText("");
    rowCounter = 1;
    grid.Clear();
    grid.SetFormatString(description.FormatString);
    grid.SetCols(description.Cols);
    grid.SetRows(2);
    grid.SetTextMatrix(1, 0, "1");
    SetColumnWidths();
    grid.SetRow(1);
    grid.SetCol(1);
    editor.SetHeight(grid.CellHeight());
    editor.SetMaxLength(maxLength[1]);
    ShowEntryPrompt(grid.Col(), grid.Row());
}

void EntryGrid::SetColumnWidths() {
    grid.SetColWidth(4, 1000);
    grid.SetColWidth(0, grid.ColWidth(3) / 3 + 50);
    grid.SetColWidth(1, 2 * grid.ColWidth(0) - 300);
    grid.SetColWidth(2, 2 * grid.ColWidth(0) - 300);
    grid.SetColWidth(3, 4 * grid.ColWidth(4));
    LoadHospitalSettings(app);
    grid.SetColWidth(5, app.IsShowAmount ? 1000 : 0);
    grid.SetColWidth(6, app.IsShowAmount ? 1000 : 0);
    for (int col = 7; col <= 10 && col < grid.Cols(); ++col)
        grid.SetColWidth(col, 1);
    for (int col = 11; col <= description.LastZeroWidthCol && col < grid.Cols(); ++col)
        grid.SetColWidth(col, 0);
    if (description.DosageColumn && app.Parameters().ShowDosagePostMedicines()) {
        grid.SetColWidth(18, 1000);
        grid.SetColWidth(3, grid.ColWidth(3) - 1000);
    }
}

void EntryGrid::ShowEntryPrompt(int Col, int Row) {
    switch (Col) {
    case 1:
        prompt.SetCaption("Type the Charging Code..(See Department Codes for the list)");
        break;
    case 2:
        prompt.SetCaption("Type the Service Code or First letters of Service Name then Press the <Enter> Key");
        break;
    case 4:
        prompt.SetCaption(description.QuantityPrompt);
        break;
    case 6:
        prompt.SetCaption(description.AmountPrompt);
        break;
    default:
        break;
    }
    // Beyond the length table (the Dosage ID column) and on hidden columns the editor has nothing to do.
    if (!IsLockedColumn(Col) && Col <= LastEditedCol && grid.ColWidth(Col) > 20) {
        editor.Move(grid.Left() + grid.ColPos(Col) + 25, grid.Top() + grid.RowPos(Row) + 25, grid.ColWidth(Col) - 20,
                    grid.CellHeight());
        if (!editor.Visible())
            editor.SetVisible(true);
    }
    editor.SetText(grid.TextMatrix(Row, Col));
}

bool EntryGrid::IsLockedColumn(int Col) const {
    for (int slot = 0; slot <= 5; ++slot)
        if (LockedColumns[slot] == Col)
            return true;
    return false;
}

bool EntryGrid::IsRowComplete(int Row) const {
    auto filled = [&](int col) { return !grid.TextMatrix(Row, col).empty(); };
    if (!filled(1) || !filled(2) || !filled(4))
        return false;
    if (description.CompleteByNumbers)
        return vb::Val(grid.TextMatrix(Row, 5)) > 0 && vb::Val(grid.TextMatrix(Row, 6)) > 0;
    return filled(5) && filled(6);
}

void EntryGrid::AppendEntryRow(int Row) {
    const int last = grid.Rows() - 1;
    const bool ready = grid.Rows() > 2 ? IsRowComplete(last) && IsRowComplete(Row) : IsRowComplete(Row);
    if (!ready)
        return;
    ++rowCounter;
    grid.AddItem("");
    grid.SetTextMatrix(grid.Rows() - 1, 0, vb::CStr(rowCounter));
}

bool EntryGrid::DeptCodeExists(const std::string& Code) const {
    if (vb::Trim(Code).empty())
        return false;
    return description.IsDepartment(Code);
}

void EntryGrid::ClearEntryRow(int Row) {
    if (Row == 1) {
        for (int col = 1; col <= description.FirstRowClearTo && col < grid.Cols(); ++col)
            grid.SetTextMatrix(1, col, "");
    } else {
        grid.RemoveItem(Row);
        --rowCounter;
    }
    ShowEntryPrompt(1, grid.Rows() - 1);
    FocusEditor();
}

bool EntryGrid::IsDuplicateItem(const std::string& Code) const {
    const int current = grid.Row();
    const std::string dept = vb::Trim(grid.TextMatrix(current, 1));
    for (int row = 1; row <= grid.Rows() - 2; ++row) {
        if (row != current && vb::Trim(grid.TextMatrix(row, 1)) == dept &&
            vb::Trim(grid.TextMatrix(row, 2)) == vb::Trim(Code))
            return true;
    }
    return false;
}

bool EntryGrid::RowHasEntries(int Row) const {
    for (int col = 1; col < grid.Cols(); ++col)
        if (!vb::Trim(grid.TextMatrix(Row, col)).empty())
            return true;
    return false;
}

bool EntryGrid::LoadRevenueLocation(const std::string& Code) {
    db::Recordset rs = app.Connection().Open(
        "Select isnull(locationid,'') AS LocationID from BUILD_FILE..tbCoRevenueCode where revenueid = " +
            db::SqlQuote(vb::Trim(Code)),
        db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    bool stocked = false;
    if (!rs.Eof()) {
        const std::string location = vb::ConcatText(rs.Fields("LocationID"));
        if (!location.empty()) {
            app.ChargeLocationID = location;
            stocked = true;
        }
    }
    rs.Close();
    return stocked;
}

void EntryGrid::IgnoreRows() {
    while (grid.Rows() > 2)
        ClearEntryRow(grid.Rows() - 1);
    ClearEntryRow(1);
    editor.SetText("");
    FocusEditor();
}

void EntryGrid::DeleteCurrentRow(forms::Form& window) {
    const int row = grid.Row();
    if (!RowHasEntries(row)) {
        window.MsgBox("Row cannot be deleted because there are no entries yet.", forms::vbInformation, "MESSAGE");
        return;
    }
    if (window.MsgBox("Are you sure to delete the request?", forms::vbYesNo + forms::vbQuestion, "MESSAGE") ==
        forms::vbNo)
        return;
    if (grid.Rows() > 2) {
        grid.RemoveItem(row);
        editor.SetText(grid.Text());
        for (int entry = 1; entry < grid.Rows(); ++entry)
            grid.SetTextMatrix(entry, 0, std::to_string(entry));
        --rowCounter;
        return;
    }
    editor.SetText("");
    for (int col = 1; col < grid.Cols(); ++col)
        grid.SetTextMatrix(row, col, "");
}

void EntryGrid::mshflexEntry_EnterCell() {
    if (description.CellEntryLocksDescriptionAndAmount) {
        LockedColumns[1] = 3;
        LockedColumns[2] = 6;
    }
    const int col = grid.Col();
    editor.SetMaxLength(col <= LastEditedCol ? maxLength[col] : 0);
    editor.SetText(grid.Text());
    ShowEntryPrompt(col, grid.Row());
    // Placing the editor writes its text again; the whole text stays selected, so typing replaces it.
    editor.SetSelStart(0);
    editor.SetSelLength(static_cast<int>(editor.Text().size()));
    if (editor.Visible())
        FocusEditor();
}

void EntryGrid::mshflexEntry_LeaveCell() {
    editor.SetVisible(false);
    editor.SetText("");
    if (grid.Col() < 8 && IsRowComplete(grid.Row()))
        AppendEntryRow(grid.Row());
}

void EntryGrid::mshflexEntry_Scroll() { ShowEntryPrompt(grid.Col(), grid.Row()); }

void EntryGrid::txtEntry_GotFocus() {
    const int col = grid.Col();
    editor.SetMaxLength(col <= LastEditedCol ? maxLength[col] : 0);
}

void EntryGrid::txtEntry_KeyPress(int& KeyAscii) {
    const int col = grid.Col();
    if (col <= LastEditedCol && numeric[col]) {
        if (!(KeyAscii == 0 || KeyAscii == 8 || (KeyAscii >= 46 && KeyAscii <= 57)))
            KeyAscii = 0;
        return;
    }
    KeyAscii = app.KeyFilter->AllUppers(static_cast<std::int16_t>(KeyAscii));
}

void EntryGrid::FormKeyDown(int& KeyCode) {
    if (KeyCode == forms::vbKeyF3)
        ClearEntryRow(grid.Row());
}

void EntryGrid::FormKeyPress(int& KeyAscii) {
    if (KeyAscii == 39)
        KeyAscii = 0;
}

int EntryGrid::NextOpenColumn(int col) const {
    for (int next = col + 1; next <= description.EndLimit && next < grid.Cols(); ++next)
        if (!IsLockedColumn(next) && grid.ColWidth(next) > 20)
            return next;
    return col;
}

bool EntryGrid::Navigate(int KeyCode) {
    const int col = grid.Col();
    const int row = grid.Row();
    switch (KeyCode) {
    case forms::vbKeyHome:
    case forms::vbKeyEnd: {
        int target = col;
        if (KeyCode == forms::vbKeyEnd) {
            target = NextOpenColumn(col);
        } else {
            for (int left = col - 1; left >= 1; --left) {
                if (!IsLockedColumn(left)) {
                    target = left;
                    break;
                }
            }
        }
        if (target != col)
            grid.SetCol(target);
        if (description.HomeEndRerunCellEntry)
            mshflexEntry_EnterCell();
        return true;
    }
    case forms::vbKeyUp:
    case forms::vbKeyDown:
        if (KeyCode == forms::vbKeyUp && row > 1)
            grid.SetRow(row - 1);
        else if (KeyCode == forms::vbKeyDown && row < grid.Rows() - 1)
            grid.SetRow(row + 1);
        if (description.ArrowsRerunCellEntry)
            mshflexEntry_EnterCell();
        return true;
    case forms::vbKeyLeft:
    case forms::vbKeyRight:
        return true;
    default:
        return false;
    }
}

void EntryGrid::Advance(int acceptedCol, int closingCol) {
    const int row = grid.Row();
    if (acceptedCol < 8 && IsRowComplete(row))
        AppendEntryRow(row);
    if (acceptedCol == closingCol) {
        grid.SetCol(1);
        if (row < grid.Rows() - 1)
            grid.SetRow(row + 1);
    } else {
        grid.SetCol(NextOpenColumn(acceptedCol));
    }
    mshflexEntry_EnterCell();
}

void EntryGrid::FocusEditor() {
    if (editor.Parent().Visible() && editor.Parent().CanReceiveFocus(editor))
        editor.SetFocus();
}

} // namespace ward
