#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <array>
#include <cstdint>
#include <string>

namespace ward {

class App;
class frmFinal;

// Several exams of one department typed in a row, one grid row per exam: each code is looked up through the code
// search, priced by the room class, checked against the rows above, the chart's cart and earlier requests, and given
// its remarks; Accept copies the rows into the chart's request cart. Nothing here writes to the server.
//
// The opener sets the caption, txtDept and Department in that order on the loaded window and shows it modally; its
// load reads CashBasisStatBypass. Entry grid columns: 1 CODE, 2 DESCRIPTION, 3 QTY, 4 AMOUNT (hidden), 5 SECTION,
// 6 STAT, 7 REMARKS, hidden 8 specimen, 9 transplant, 10 dialysis, 11 AM pick-up, 12 portable machine, and 13 the
// amount the row's look-up priced, which each quantity multiplies afresh.
class frmRequest : public forms::Form {
public:
    explicit frmRequest(App& app);

    const std::string& Department() const { return department; }
    void SetDepartment(std::string value) { department = std::move(value); }

    forms::Frame fraReq{*this, "fraReq"};
    forms::MSHFlexGrid mshflexEntry{*this, "mshflexEntry"};
    forms::TextBox txtEntry{*this, "txtEntry"};
    forms::Frame fraMessage{*this, "fraMessage"};
    forms::Label lblMessage{*this, "lblMessage"};
    // 0 "&Accept", 1 "&Exit", 2 "&Delete".
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"};
    forms::TextBox txtDept{*this, "txtDept"};
    // The members of the laboratory profiles entered here: 1 ExamID, 2 ExamName, 3 ProfileID, 4 ProfileName.
    forms::MSHFlexGrid mshflexProfileList{*this, "mshflexProfileList"};

    void PutTextBox(int Col, int Row);
    // True when the cursor passes over the column.
    bool ExcemptCol(int Col) const;
    bool CompleteRow(int Row) const;
    void AddRow(int Row);
    void DeleteRow(int Row);
    // The code in another data row of the dialog.
    bool Check_Code(const std::string& Code) const;
    // The code in the chart's cart under this dialog's department.
    bool Check_Code_Exist(const std::string& Code) const;
    bool QualifiedRow(int Row) const;

protected:
    void Design() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_KeyPress(int& KeyAscii) override;

private:
    void DesignEntryGrid();
    void DesignProfileGrid();
    void SkipColumns(bool quantityTaken);
    int ColumnMaxLengthOf(int col) const;

    void mshflexEntry_EnterCell();
    void mshflexEntry_LeaveCell();
    void txtEntry_GotFocus();
    void txtEntry_KeyDown(int& KeyCode, int Shift);
    void txtEntry_KeyPress(int& KeyAscii);
    void cmdOption_Click(int Index);
    // Enter in a column: false when its work ended the key there.
    bool EnterInColumn(int col);
    bool EnterCode();
    bool EnterQuantity();
    // Code-search look-up, price and defaults of the current row; false when nothing was picked.
    bool FillRowFromSearch(int row);
    // True when the row was refused for its exam: already in the dialog or the cart, pending, or not repeated.
    bool RefusedExam(int row);
    bool ProfileStops(int row);
    void AskRemarks(int row);
    void ClearRow(int row);
    void ClearCells(int row, int lastCol);
    void MoveToNextEntryColumn(int row, int col);

    void Accept();
    void CopyProfileList();
    void DeleteCurrentRow();

    frmFinal& Chart() const;

    App& app;
    std::string department;
    std::array<std::int16_t, 8> ColumnMaxLength{};
    std::array<std::int16_t, 8> SkippedColumns{};
    std::array<bool, 8> NumericColumns{};
    std::int16_t rowCounter = 1;
};

} // namespace ward
