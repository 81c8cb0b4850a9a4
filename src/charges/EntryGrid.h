#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ListView.h"

#include <array>
#include <functional>
#include <string>

namespace ward {

class App;

// What tells one window's charge-entry grid from another's. The mechanics (cell editor, prompts, keys, length
// limits, locked columns, row numbers, row helpers) are the same in every window.
struct EntryGridDescription {
    int Cols = 19;
    std::string FormatString;
    // Columns 7 to 10 are one twip wide, 11 to this one zero wide; later ones keep their format-string width.
    int LastZeroWidthCol = 18;
    // Column 18 "Dosage ID" 1000 wide, and the description 1000 narrower, when the ward shows dosages.
    bool DosageColumn = false;
    std::string QuantityPrompt = "Type how many quantity to charge";
    std::string AmountPrompt = "Type the total amount to charge";
    // The cell entry locks Item Description and Amount (slots 1 and 2) each time a cell is entered.
    bool CellEntryLocksDescriptionAndAmount = false;
    // The rightmost column End and the advance reach.
    int EndLimit = 6;
    // Whether Home and End, and Up and Down, run the cell entry once more after moving.
    bool HomeEndRerunCellEntry = true;
    bool ArrowsRerunCellEntry = false;
    // Complete by the numbers of Unit Price and Amount (above 0), or by their texts (not empty).
    bool CompleteByNumbers = true;
    // The last column F3 empties on the first entry row.
    int FirstRowClearTo = 14;
    // Whether a charging code is one the nurse may use; it gets the code as typed and is asked only for a code that
    // is not blank.
    std::function<bool(const std::string& code)> IsDepartment;
};

// The descriptions of the charge and receivable windows; both list their charging codes in that list view.
EntryGridDescription ChargeEntryGrid(const forms::ListView& departments);
EntryGridDescription ReceivableEntryGrid(const forms::ListView& departments);
// A charging code is listed when the trimmed code equals the trimmed text of an item, case kept.
bool IsListedDepartment(const forms::ListView& departments, const std::string& code);

// The entry grid of one window with its floating cell editor and prompt label. It answers the grid's and the
// editor's events itself; the window forwards its previewed keys (FormKeyDown, FormKeyPress) and runs the item
// entry on the editor's KeyDown, with Navigate for the arrow keys and Advance after an accepted Enter.
class EntryGrid {
public:
    EntryGrid(App& app, forms::MSHFlexGrid& mshflexEntry, forms::TextBox& txtEntry, forms::Label& lblMessage,
              EntryGridDescription description);

    // The grid's part of the window's set-up: length table, empty editor, row counter, layout, widths (with the
    // hospital settings loaded again), the editor on cell (1, 1).
    void SetUp();

    void ShowEntryPrompt(int Col, int Row);
    bool IsLockedColumn(int Col) const;
    bool IsRowComplete(int Row) const;
    void AppendEntryRow(int Row);
    bool DeptCodeExists(const std::string& Code) const;
    void ClearEntryRow(int Row);
    bool IsDuplicateItem(const std::string& Code) const;
    bool RowHasEntries(int Row) const;
    bool LoadRevenueLocation(const std::string& Code);

    // The typed rows discarded: one cleared entry row numbered 1 is left, the editor emptied and focused.
    void IgnoreRows();
    // The current row removed after the nurse agrees, the rows after it numbered again; the only entry row is
    // emptied instead.
    void DeleteCurrentRow(forms::Form& window);

    void mshflexEntry_EnterCell();
    void mshflexEntry_LeaveCell();
    void mshflexEntry_Scroll();
    void txtEntry_GotFocus();
    void txtEntry_KeyPress(int& KeyAscii);
    // F3 anywhere in the window clears the current row; the apostrophe is dropped everywhere.
    void FormKeyDown(int& KeyCode);
    static void FormKeyPress(int& KeyAscii);

    // Home, End, Up and Down as the editor handles them; false for any other key.
    bool Navigate(int KeyCode);
    // Ends an accepted Enter on a column: appends a row when this one is complete, goes to column 1 of the next row
    // after the closing column, else to the next column End would choose; then the cell entry.
    void Advance(int acceptedCol, int closingCol);
    // The next column to the right End chooses (not locked, wider than 20 twips), or the column itself.
    int NextOpenColumn(int col) const;

    // Slots 0 to 7 of the locked-column list; only 0 to 5 are searched.
    std::array<int, 8> LockedColumns{};

    forms::MSHFlexGrid& Grid() const { return grid; }
    forms::TextBox& Editor() const { return editor; }
    const EntryGridDescription& Description() const { return description; }
    int RowCounter() const { return rowCounter; }

private:
    void SetColumnWidths();
    void FocusEditor();

    App& app;
    forms::MSHFlexGrid& grid;
    forms::TextBox& editor;
    forms::Label& prompt;
    EntryGridDescription description;
    std::array<int, 8> maxLength{};
    std::array<bool, 8> numeric{};
    int rowCounter = 1;
};

} // namespace ward
