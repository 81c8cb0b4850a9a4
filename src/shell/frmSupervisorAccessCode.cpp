#include "shell/frmSupervisorAccessCode.h"

#include "core/App.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"
#include "shell/AccessCheck.h"
#include "shell/SignInLayout.h"
#include "shell/UserRights.h"

namespace ward {

frmSupervisorAccessCode::frmSupervisorAccessCode(App& app) : Form(app.Forms), app(app) {
    txtUserID.KeyPress = [this](int& KeyAscii) { txtUserID_KeyPress(KeyAscii); };
    txtAccessCode.KeyPress = [this](int& KeyAscii) { txtAccessCode_KeyPress(KeyAscii); };
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmSupervisorAccessCode::Design() {
    SetCaption("Supervisor Access");
    cmdOption.Load(0).SetCaption("OK");
    cmdOption.Load(1).SetCaption("Close");
    DesignSignIn(*this, {lblHeading, "Supervisor Access", lblInstruction, "Please sign in to validate user.", lblUserID,
                         "User ID/Code", txtUserID, lblAccessCode, "User Password", txtAccessCode})
        .Buttons({&cmdOption(0), &cmdOption(1)})
        .FitFormHeight();
}

void frmSupervisorAccessCode::Form_Load() {
    app.SupervisorID.clear();
    app.ApprovalRemark.clear();
}

void frmSupervisorAccessCode::Form_KeyPress(int& KeyAscii) {
    if (KeyAscii == '\'') {
        KeyAscii = 0;
    } else if (KeyAscii == forms::vbKeyEscape) {
        KeyAscii = 0;
        CloseWithoutApproval();
    }
}

void frmSupervisorAccessCode::txtUserID_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        MoveToNextControl();
    }
}

void frmSupervisorAccessCode::txtAccessCode_KeyPress(int& KeyAscii) {
    if (KeyAscii == forms::vbKeyReturn) {
        KeyAscii = 0;
        Approve();
    }
}

void frmSupervisorAccessCode::cmdOption_Click(int Index) {
    if (Index == 0)
        Approve();
    else
        CloseWithoutApproval();
}

void frmSupervisorAccessCode::Approve() {
    if (!ValidateAccessCode()) {
        MsgBox("Unauthorized user for this department(" + vb::Trim(app.StationID) + "-" + vb::Trim(app.StationName) +
                   ")",
               forms::vbOKOnly | forms::vbInformation, "Notification");
        app.SupervisorID.clear();
        Unload();
        return;
    }
    const std::string userID = vb::Trim(txtUserID.Text());
    if (!HasUserRight(app, "29", userID)) {
        MsgBox("Sorry, you don't have supervisory rights.", forms::vbOKOnly | forms::vbInformation, "Notification");
        Unload();
        return;
    }
    app.SupervisorID = userID;
    app.ApprovalRemark = "Allowed ";
    Unload();
}

bool frmSupervisorAccessCode::ValidateAccessCode() {
    std::optional<std::string> name =
        AcceptedUserName(app, "STATION..sp_Check_User_Department_Access " + db::SqlQuote(vb::Trim(txtUserID.Text())) +
                                  "," + db::SqlQuote(EncipheredAccessCode(txtAccessCode.Text())) + "," +
                                  db::SqlQuote(vb::Trim(app.StationID)));
    app.ValidatedUserName = name.value_or("");
    return name.has_value();
}

void frmSupervisorAccessCode::CloseWithoutApproval() {
    app.SupervisorID.clear();
    app.ApprovalRemark.clear();
    Unload();
}

} // namespace ward
