#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// The station's patient list, from which the nurse chooses the patient the menus act on and opens the chart. The
// grid's cells are the list: columns 1 hospital number, 2 admission number, 3 name, 4 to 6 admission, discharge and
// billing dates, and hidden 7 the cash-basis flag and 8 its text.
class frmSearch : public forms::Form {
public:
    explicit frmSearch(App& app);

    forms::Frame Frame1{*this, "Frame1"};
    // "Search Type": 0 the station's patients, 1 all patients.
    forms::Frame Frame2{*this, "Frame2"};
    forms::ControlArray<forms::OptionButton> optSearchType{*this, "optSearchType"};
    // Never shown, never changed: other windows read item 0 as "the listed patients are in-patients".
    forms::ControlArray<forms::OptionButton> optPatientType{*this, "optPatientType"};

    // The panel down the left side.
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::ControlArray<forms::Label> Label6{*this, "Label6"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};
    // 0 last name, 1 hospital number, 2 admission number.
    forms::ControlArray<forms::TextBox> txtSearch{*this, "txtSearch"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    // 0 send requests, 1 results, 2 clinical summary.
    forms::ControlArray<forms::Label> lblProcedures{*this, "lblProcedures"};
    forms::Label lbl1{*this, "lbl1"};
    forms::Label lblRecNum{*this, "lblRecNum"};
    // 0 "LEGEND:", 1 the cash-basis text of the current row.
    forms::ControlArray<forms::Label> lblLegend{*this, "lblLegend"};
    // 0 the billed swatch, 1 the cash-basis swatch.
    forms::ControlArray<forms::Shape> shpLegend{*this, "shpLegend"};
    // 1 "Cash Basis Patient", 2 "Billed Patient".
    forms::ControlArray<forms::Label> Label1{*this, "Label1"};

    forms::MSHFlexGrid mshflexList{*this, "mshflexList"};

    // The search, as "&Search" runs it.
    void Command1_Click();
    // Resets the window and searches again, as its load does.
    void Form_Load() override;

private:
    void Design() override;
    void DesignPanel();
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;

    // The list.
    void LayOutList();
    void LoadPatientList();
    void ColorPatientList();
    void ColorRow(int row);
    void mshflexList_EnterCell();
    void mshflexList_MouseDown(int Button, int Shift, float X, float Y);
    void lblProcedures_MouseMove(int Index);

    // The search boxes and the search type.
    void Command2_Click();
    void optSearchType_Click(int Index);
    void txtSearch_Change(int Index);
    void txtSearch_GotFocus(int Index);
    void txtSearch_KeyDown(int Index, int& KeyCode);
    void txtSearch_KeyPress(int Index, int& KeyAscii);

    // Choosing and opening a patient.
    void mshflexList_Click();
    void mshflexList_DblClick();
    void mshflexList_KeyDown(int& KeyCode);
    void lblProcedures_Click(int Index);
    bool ChooseCurrentRow();
    void TakeAdmission();
    bool CheckPendingRoomTransfer();
    bool ConfirmRoomTransfer(const std::string& oldRoom, const std::string& newRoom, const std::string& transNum);
    bool RevokeRoomTransfer(const std::string& oldRoom, const std::string& newRoom, const std::string& transNum);
    void SendRoomTransferAction(const std::string& oldRoom, const std::string& newRoom, const std::string& transNum,
                                int action);
    void MarkChartForReload();
    bool OpenChart(const std::string& hospNum, const std::string& idNum, int tab);
    void MakeOpenedAdmissionCurrent(const std::string& idNum);

    // Setting the design's options must not search.
    bool designing = false;
    // The row handling runs once however often the grid moves its current cell while it runs.
    bool enteringRow = false;
    bool colouring = false;
    unsigned rowHandlings = 0;
    // The admission the last successful click chose, which the links act on without choosing again.
    std::string chosenIdNum;

    App& app;
};

} // namespace ward
