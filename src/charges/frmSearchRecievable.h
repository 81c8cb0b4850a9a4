#pragma once

#include "platform/forms/Bars.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// The station's billed and cash-basis patients, searched by patient type and by last name, hospital number or
// admission number; a pick names the patient the receivable update posts late charges to. The window is hidden,
// never unloaded, between searches, so it keeps its type, texts and list.
class frmSearchRecievable : public forms::Form {
public:
    explicit frmSearchRecievable(App& app);

    forms::Frame fraPatientType{*this, "fraPatientType"};
    forms::ControlArray<forms::OptionButton> optPatientType{*this, "optPatientType"}; // 0 in, 1 out
    forms::Frame fraSearch{*this, "fraSearch"};
    forms::ControlArray<forms::Label> lblSearch{*this, "lblSearch"};
    // 0 last name, 1 hospital number, 2 admission number.
    forms::ControlArray<forms::TextBox> txtSearch{*this, "txtSearch"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::MSHFlexGrid mshflexList{*this, "mshflexList"};
    forms::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    forms::Label lblMessage{*this, "lblMessage"};
    // 0 "Billed Patient", 1 "Cash Basis Patient".
    forms::ControlArray<forms::Label> Label1{*this, "Label1"};
    forms::Shape Shape1{*this, "Shape1"};
    forms::Shape Shape2{*this, "Shape2"};
    forms::Image Image4{*this, "Image4"};

    // Whether the last accepted pick was made under "In Patient": the type the picked patient is priced and
    // cancelled by, whatever the option shows since.
    bool PickedInPatient() const { return pickedInPatient; }

    void SearchReceivablePatients();

private:
    void Design() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Paint() override;
    void Form_Unload(int& Cancel) override;

    void LayOutList();
    void ColorPatientList();
    forms::Color RowColor(int row);
    void mshflexList_DblClick();
    void mshflexList_KeyDown(int& KeyCode);
    // The pick's account: the admission's, or the out-patient visit's; false when the admission is refused.
    bool TakeInPatientAdmission(std::string& company);
    bool TakeOutPatientVisit(std::string& company);
    void TakeAccountNumber(const std::string& accountNumber);
    void optPatientType_Click(int Index);
    void txtSearch_Change(int Index);
    void txtSearch_GotFocus(int Index);
    void txtSearch_KeyDown(int Index, int& KeyCode);
    void txtSearch_KeyPress(int Index, int& KeyAscii);

    App& app;
    bool designing = false;
    bool pickedInPatient = true;
};

} // namespace ward
