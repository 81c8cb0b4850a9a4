#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <string>

namespace ward {

class App;

// The active professional fees of one doctor; a double-click or Enter on one hands its amount back in
// SelectedDoctorFee. Each showing starts with no fee chosen (0): the close box and Escape close it without a choice,
// so a fee chosen for an earlier row never reaches this one.
class frmDoctorsFee : public forms::Form {
public:
    explicit frmDoctorsFee(App& app);

    std::string DoctorCode;
    std::string DoctorName;
    double SelectedDoctorFee = 0;
    // True when the doctor has at least one active fee above zero.
    bool SearchRecord();

    forms::Label lblDoctor{*this, "lblDoctor"};
    forms::MSHFlexGrid mshFlexDoctorsFee{*this, "mshFlexDoctorsFee"};
    forms::Frame fraMessage{*this, "fraMessage"};
    forms::Label lblMsg{*this, "lblMsg"};
    forms::Label lblPatient{*this, "lblPatient"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void LoadFees();
    void mshFlexDoctorsFee_DblClick();
    void mshFlexDoctorsFee_KeyPress(int& KeyAscii);
    void ChooseCurrentFee();

    App& app;
};

} // namespace ward
