#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/Layout.h"
#include "platform/forms/WindowCatalog.h"
#include "platform/vb/VbError.h"
#include "testkit/ScriptedHost.h"

#include <functional>

#include <string>
#include <vector>

// The number of the runtime error an action raises (0 for none), and its text when asked.
inline int VbErrorOf(const std::function<void()>& action, std::string* text = nullptr) {
    try {
        action();
    } catch (const vb::VbError& error) {
        if (text != nullptr)
            *text = error.Description();
        return error.Number();
    }
    return 0;
}

// A fresh application per test: the scripted host and the registry of windows.
struct TestApp {
    testkit::ScriptedHost host;
    forms::FormRegistry<TestApp> Forms{*this, host};
    std::vector<std::string> log;
};

// A sign-in dialog of the usual shape: two boxes, OK (default) and Cancel (cancel) as a control array.
class frmSignIn : public forms::Form {
public:
    explicit frmSignIn(TestApp& app) : Form(app.Forms), app(app) {
        txtUserID.Change = [this] { this->app.log.push_back("txtUserID_Change"); };
        txtUserID.Validate = [this](bool& Cancel) { txtUserID_Validate(Cancel); };
        txtAccessCode.GotFocus = [this] { this->app.log.push_back("txtAccessCode_GotFocus"); };
        txtUserID.LostFocus = [this] { this->app.log.push_back("txtUserID_LostFocus"); };
        cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
    }

    forms::Label lblUserID{*this, "lblUserID"};
    forms::TextBox txtUserID{*this, "txtUserID"};
    forms::Label lblAccessCode{*this, "lblAccessCode"};
    forms::TextBox txtAccessCode{*this, "txtAccessCode"};
    forms::ControlArray<forms::CommandButton> cmdOption{*this, "cmdOption"};

    // Members of the window itself: they outlive an Unload.
    std::string SignedInUser;
    int Loads = 0;
    int Initializes = 0;
    bool RequireUserID = false;

private:
    void Design() override {
        SetCaption("Sign In");
        SetInnerSize(5000, 1800);
        SetKeyPreview(true);
        lblUserID.SetCaption("User ID");
        lblAccessCode.SetCaption("Access Code");
        txtAccessCode.SetPasswordChar('*');
        cmdOption.Load(0).SetCaption("&OK");
        cmdOption(0).SetDefault(true);
        cmdOption.Load(1).SetCaption("&Cancel");
        cmdOption(1).SetCancel(true);
        cmdOption(1).SetCausesValidation(false);
        forms::Layout(*this)
            .Row(lblUserID, txtUserID)
            .Row(lblAccessCode, txtAccessCode)
            .Buttons({&cmdOption(0), &cmdOption(1)});
    }
    void Form_Initialize() override { ++Initializes; }
    void Form_Load() override {
        ++Loads;
        app.log.push_back("Form_Load");
    }
    void Form_Activate() override { app.log.push_back("Form_Activate"); }
    void Form_KeyPress(int& KeyAscii) override {
        if (KeyAscii == '\'')
            KeyAscii = 0;
    }
    void txtUserID_Validate(bool& Cancel) {
        app.log.push_back("txtUserID_Validate");
        if (RequireUserID && txtUserID.Text().empty())
            Cancel = true;
    }
    void cmdOption_Click(int Index) {
        app.log.push_back("cmdOption_Click(" + std::to_string(Index) + ")");
        if (Index == 0)
            SignedInUser = txtUserID.Text();
        Unload();
    }

    TestApp& app;
};

inline forms::WindowCatalog<TestApp> TestWindowCatalog() {
    forms::WindowCatalog<TestApp> catalog;
    catalog.Add<frmSignIn>();
    return catalog;
}
