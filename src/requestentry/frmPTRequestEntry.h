#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// A free-text request to rehabilitation medicine for one admission: the requesting doctor and the remarks the doctor
// wrote go to the station as one pending request. The window lists the admission's rehabilitation requests by status
// and revokes one the department has not processed. The opener sets the ten header texts on the instance before the
// window loads; the admission worked on is the one of txtId.
//
// List columns: 1 Remarks, 2 Requesting MD, 3 Date Requested, 4 Requested By, 5 Status, 6 Process Date,
// 7 Processed By, 8 Revoke Date, 9 Revoked By, 10 Request No.
class frmPTRequestEntry : public forms::Form {
public:
    explicit frmPTRequestEntry(App& app);

    std::string PName, AdmMD, AtnMD, ID, Hosp, AdmDate, Bdate, Room, Age, Sex;

    forms::Frame fraHeader{*this, "fraHeader"};
    forms::ControlArray<forms::Label> lblHeader{*this, "lblHeader"};
    forms::TextBox txtPatient{*this, "txtPatient"};
    forms::TextBox txtDoctor1{*this, "txtDoctor1"};
    forms::TextBox txtDoctor2{*this, "txtDoctor2"};
    forms::TextBox txtId{*this, "txtId"};
    forms::TextBox txtPno{*this, "txtPno"};
    forms::TextBox txtDateAdmitted{*this, "txtDateAdmitted"};
    forms::TextBox txtDob{*this, "txtDob"};
    forms::TextBox txtRoom{*this, "txtRoom"};
    forms::TextBox txtAge{*this, "txtAge"};
    forms::TextBox txtSex{*this, "txtSex"};

    forms::Frame fraNew{*this, "fraNew"};
    forms::Label lblRequestingDoctor{*this, "lblRequestingDoctor"};
    // 0 the doctor's name, 1 the doctor's code ("0": a doctor without a code, whose name is typed).
    forms::ControlArray<forms::TextBox> txtRequestingDoctor{*this, "txtRequestingDoctor"};
    forms::CommandButton cmdReqDoc{*this, "cmdReqDoc"};
    forms::Label lblRemarks{*this, "lblRemarks"};
    forms::TextBox txtRemarks{*this, "txtRemarks"};

    forms::Frame fraList{*this, "fraList"};
    forms::MSHFlexGrid mshflexList{*this, "mshflexList"};
    forms::TextBox txtMessage{*this, "txtMessage"};

    // 0 "&Save", 2 "&Close", 6 "&Refresh ".
    forms::ControlArray<forms::CommandButton> Command1{*this, "Command1"};
    forms::CommandButton cmdRevoke{*this, "cmdRevoke"};

protected:
    void Design() override;
    void Form_Load() override;

private:
    void DesignHeader();
    void DesignNewRequest();
    void Command1_Click(int Index);
    void cmdRevoke_Click();
    void RefreshList();
    void InitRequestGrid();
    void LoadRequestList();
    void MarkRequestStatus();
    void SavePTRequest();
    void CancelPTRequest(const std::string& requestNumber);
    // Reads the requests again: false, with the nurse told why, when the request was processed, cancelled or
    // removed since the list loaded.
    bool StillRevocable(const std::string& requestNumber);
    void txtRequestingDoctor_KeyPress(int Index, int& KeyAscii);
    void txtRequestingDoctor_Validate(int Index, bool& Cancel);
    // The code check; leaving is the box the focus is leaving, or nullptr. False keeps the focus where it is.
    bool CheckDoctorCode(forms::TextBox* leaving);
    void FocusNameBox();
    void ShowDoctor();
    void cmdReqDoc_Click();
    forms::TextBox& NameBox() { return txtRequestingDoctor(0); }
    forms::TextBox& CodeBox() { return txtRequestingDoctor(1); }

    App& app;
    bool checking = false;
};

} // namespace ward
