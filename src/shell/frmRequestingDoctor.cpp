#include "shell/frmRequestingDoctor.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"

namespace ward {

namespace {

constexpr int DoctorList = 1;

} // namespace

frmRequestingDoctor::frmRequestingDoctor(App& app) : Form(app.Forms), app(app) {
    txtRequestingDoctor.On(&forms::Control::KeyPress,
                           [this](int Index, int& KeyAscii) { txtRequestingDoctor_KeyPress(Index, KeyAscii); });
    txtRequestingDoctor.On(&forms::Control::Validate,
                           [this](int Index, bool& Cancel) { txtRequestingDoctor_Validate(Index, Cancel); });
    cmdReqDoc.Click = [this] { cmdReqDoc_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmRequestingDoctor::Design() {
    SetCaption("Enter Requesting Doctor");
    SetBorderStyle(3);
    SetControlBox(false);
    SetInnerSize(5400, 1000);
    lblRequestingDoctor.SetCaption("Requesting Doctor :");
    forms::TextBox& code = txtRequestingDoctor.Load(1);
    forms::TextBox& name = txtRequestingDoctor.Load(0);
    code.SetTabIndex(0);
    name.SetTabIndex(1);
    cmdReqDoc.SetCaption("...");
    cmdReqDoc.SetToolTipText("Search doctor");
    cmdOK.SetCaption("OK");
    forms::Layout(*this)
        .Row({{&lblRequestingDoctor, 1500}, {&code, 900}, {&cmdReqDoc, 375}, {&name}})
        .Buttons({&cmdOK})
        .FitFormHeight();
}

void frmRequestingDoctor::Form_Load() {
    CodeBox().SetText(app.AttendingDoctor1Code);
    app.RequestingDoctorCode.clear();
    app.RequestingDoctorName.clear();
    if (!vb::Trim(CodeBox().Text()).empty())
        CheckDoctorCode(nullptr);
}

// The caller relies on a doctor being named: only OK may close the prompt, not the system menu or Alt+F4.
void frmRequestingDoctor::Form_QueryUnload(int& Cancel, int UnloadMode) {
    if (UnloadMode == forms::vbFormControlMenu)
        Cancel = 1;
}

void frmRequestingDoctor::txtRequestingDoctor_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == '\'') {
        KeyAscii = 0;
    } else if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        if (Index == 1) {
            NameBox().SetText("");
            CheckDoctorCode(nullptr);
        } else {
            MoveToNextControl();
        }
    } else {
        KeyAscii = app.KeyFilter1->AllUppers(static_cast<std::int16_t>(KeyAscii));
    }
}

void frmRequestingDoctor::txtRequestingDoctor_Validate(int Index, bool& Cancel) {
    if (checking)
        return;
    Cancel = !CheckDoctorCode(&txtRequestingDoctor(Index));
}

bool frmRequestingDoctor::CheckDoctorCode(forms::TextBox* leaving) {
    const std::string code = vb::Trim(CodeBox().Text());
    if (code != "0") {
        NameBox().SetEnabled(false);
        if (!app.CodeSearch->SearchListing(code, DoctorList)) {
            MsgBox("Doctor code does not exist.", forms::vbOKOnly | forms::vbInformation, "Notification");
            return false;
        }
        const components::DoctorRecordInfo& doctor = app.CodeSearch->DoctorRecord();
        CodeBox().SetText(doctor.ResultCode);
        NameBox().SetText(doctor.resident ? "" : vb::Trim(doctor.Lastname) + " ," + vb::Trim(doctor.FirstName));
        return true;
    }
    NameBox().SetEnabled(true);
    if (leaving == nullptr)
        FocusNameBox();
    if (!NameBox().Text().empty())
        return true;
    MsgBox("Please Enter the Name of the requesting Doctor.", forms::vbOKOnly | forms::vbExclamation, "Message");
    // From the code box the focus goes on to the name; from the name box it stays there.
    if (leaving != &NameBox())
        FocusNameBox();
    return false;
}

void frmRequestingDoctor::FocusNameBox() {
    if (!Visible() || !CanReceiveFocus(NameBox()))
        return;
    checking = true;
    MoveFocus(NameBox());
    checking = false;
}

void frmRequestingDoctor::cmdReqDoc_Click() {
    if (!app.CodeSearch->SearchListing(vb::Trim(CodeBox().Text()), DoctorList)) {
        MsgBox("Doctor code does not exist.", forms::vbOKOnly | forms::vbInformation, "Notification");
        return;
    }
    const components::DoctorRecordInfo& doctor = app.CodeSearch->DoctorRecord();
    CodeBox().SetText(doctor.ResultCode);
    NameBox().SetText(vb::Trim(doctor.Lastname) + ", " + vb::Trim(doctor.FirstName));
}

void frmRequestingDoctor::cmdOK_Click() {
    if (CodeBox().Text().empty() || NameBox().Text().empty()) {
        MsgBox("Please provide requesting doctor.", forms::vbOKOnly | forms::vbInformation, "Notification");
        return;
    }
    app.RequestingDoctorCode = CodeBox().Text();
    app.RequestingDoctorName = NameBox().Text();
    Unload();
}

} // namespace ward
