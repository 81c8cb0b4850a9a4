#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace ward {

class App;

// Asks for the doctor who ordered a request, starting from the patient's first attending doctor. It has no Escape
// and no close box: OK with both a code and a name is the only way out, so RequestingDoctorCode and
// RequestingDoctorName are never empty after it. The code "0" lets the nurse type a name.
class frmRequestingDoctor : public forms::Form {
public:
    explicit frmRequestingDoctor(App& app);

    forms::Label lblRequestingDoctor{*this, "lblRequestingDoctor"};
    forms::ControlArray<forms::TextBox> txtRequestingDoctor{*this, "txtRequestingDoctor"}; // 1 code, 0 name
    forms::CommandButton cmdReqDoc{*this, "cmdReqDoc"};
    forms::CommandButton cmdOK{*this, "cmdOK"};

private:
    void Design() override;
    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void txtRequestingDoctor_KeyPress(int Index, int& KeyAscii);
    void txtRequestingDoctor_Validate(int Index, bool& Cancel);
    void cmdReqDoc_Click();
    void cmdOK_Click();
    // The code check; leaving is the box the focus is leaving, or nullptr. False keeps the focus where it is.
    bool CheckDoctorCode(forms::TextBox* leaving);
    void FocusNameBox();
    forms::TextBox& CodeBox() { return txtRequestingDoctor(1); }
    forms::TextBox& NameBox() { return txtRequestingDoctor(0); }

    App& app;
    bool checking = false;
};

} // namespace ward
