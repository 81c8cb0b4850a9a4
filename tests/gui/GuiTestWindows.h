#pragma once

#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/Layout.h"

#include <QApplication>
#include <QWidget>

#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

// A fresh application per test on the desktop host; errors that escape handlers are logged, not shown.
struct GuiApp {
    GuiApp() {
        Forms.SetErrorReporter(
            [this](const std::exception& error) { log.push_back(std::string("error: ") + error.what()); });
    }
    ~GuiApp() {
        host.ReleaseWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    gui::QtHost host;
    forms::FormRegistry<GuiApp> Forms{*this, host};
    std::vector<std::string> log;

    // The widget that shows a control of a shown window.
    QWidget* WidgetOf(const forms::Control& control) const {
        gui::FormWindow* window = host.WindowOf(control.Parent());
        return window == nullptr ? nullptr : window->WidgetOf(control);
    }
    QWidget* WindowOf(const forms::Form& form) const {
        gui::FormWindow* window = host.WindowOf(form);
        return window == nullptr ? nullptr : window->TopLevel();
    }
};

// A patient-name dialog: the name is upper-cased as typed and an apostrophe is dropped; OK is not the default and
// there is no Cancel button unless a test makes them so.
class dlgPatientName : public forms::Form {
public:
    explicit dlgPatientName(GuiApp& app) : Form(app.Forms), app(app) {
        txtName.KeyPress = [this](int& KeyAscii) { txtName_KeyPress(KeyAscii); };
        txtName.Change = [this] { this->app.log.push_back("txtName_Change " + txtName.Text()); };
        txtName.Validate = [this](bool& Cancel) { Cancel = RefuseEmptyName && txtName.Text().empty(); };
        cmdOK.Click = [this] { this->app.log.push_back("cmdOK_Click"); };
        cmdClose.Click = [this] {
            this->app.log.push_back("cmdClose_Click");
            Unload();
        };
        lblWard.Click = [this] { this->app.log.push_back("lblWard_Click"); };
        chkUrgent.Click = [this] { this->app.log.push_back("chkUrgent_Click " + std::to_string(chkUrgent.Value())); };
        cmdFail.Click = [] { throw std::runtime_error("Disk full"); };
    }

    forms::Label lblName{*this, "lblName"};
    forms::TextBox txtName{*this, "txtName"};
    forms::Label lblWard{*this, "lblWard"};
    forms::TextBox txtWard{*this, "txtWard"};
    forms::CheckBox chkUrgent{*this, "chkUrgent"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdClose{*this, "cmdClose"};
    forms::CommandButton cmdFail{*this, "cmdFail"};
    forms::Timer tmrClock{*this, "tmrClock"};

    bool RefuseEmptyName = false;
    int QueryUnloadMode = -1;
    bool RefuseClose = false;

private:
    void Design() override {
        SetCaption("Patient Name");
        SetInnerSize(5400, 2000);
        lblName.SetCaption("&Name");
        lblWard.SetCaption("Ward && Bed");
        chkUrgent.SetCaption("&Urgent");
        cmdOK.SetCaption("&OK");
        cmdClose.SetCaption("&Close");
        cmdFail.SetCaption("&Fail");
        forms::Layout(*this)
            .Row(lblName, txtName)
            .Row(lblWard, txtWard)
            .Row({{&chkUrgent}})
            .Buttons({&cmdOK, &cmdClose, &cmdFail});
    }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override {
        QueryUnloadMode = UnloadMode;
        if (RefuseClose)
            Cancel = 1;
    }
    void txtName_KeyPress(int& KeyAscii) {
        app.log.push_back("txtName_KeyPress " + std::to_string(KeyAscii));
        if (KeyAscii == '\'')
            KeyAscii = 0;
        else
            KeyAscii = std::toupper(KeyAscii);
    }
    GuiApp& app;
};

// The main window and a child window that opens inside it.
class mdiMain : public forms::Form {
public:
    explicit mdiMain(GuiApp& app) : Form(app.Forms) {
        mnuContextCopy.Click = [&app] { app.log.push_back("mnuContextCopy_Click"); };
    }
    forms::Menu mnuFile{*this, "mnuFile"};
    forms::Menu mnuFileExit{mnuFile, "mnuFileExit"};
    // A pop-up menu: hidden from the menu bar, shown where the user right-clicks.
    forms::Menu mnuContext{*this, "mnuContext"};
    forms::Menu mnuContextCopy{mnuContext, "mnuContextCopy"};
    forms::Menu mnuContextPaste{mnuContext, "mnuContextPaste"};

private:
    void Design() override {
        SetCaption("Tessun Nurse");
        SetMDIContainer(true);
        SetInnerSize(9000, 6000);
        mnuFile.SetCaption("&File");
        mnuFileExit.SetCaption("E&xit");
        mnuContext.SetCaption("Context");
        mnuContext.SetVisible(false);
        mnuContextCopy.SetCaption("&Copy");
        mnuContextPaste.SetCaption("&Paste");
    }
};

// Loads the main window and shows it.
inline mdiMain& OpenMainWindow(GuiApp& app) {
    auto& main = app.Forms.Get<mdiMain>();
    main.Show();
    return main;
}

class frmChild : public forms::Form {
public:
    explicit frmChild(GuiApp& app) : Form(app.Forms) {}
    forms::TextBox txtNote{*this, "txtNote"};

private:
    void Design() override {
        SetCaption("Notes");
        SetMDIChild(true);
        SetInnerSize(4000, 2000);
        txtNote.SetMultiLine(true);
        forms::Layout(*this).Full(txtNote, 1200);
    }
};

// Shifts as option buttons of a control array inside a frame; more shifts can be loaded while it is open.
class frmShift : public forms::Form {
public:
    explicit frmShift(GuiApp& app) : Form(app.Forms) {
        optShift.On(&forms::Control::Click,
                    [&app](int Index) { app.log.push_back("optShift_Click " + std::to_string(Index)); });
        fraShift.Click = [&app] { app.log.push_back("fraShift_Click"); };
    }
    forms::Frame fraShift{*this, "fraShift"};
    forms::ControlArray<forms::OptionButton> optShift{*this, "optShift"};

    forms::OptionButton& AddShift(int index, const std::string& caption) {
        forms::OptionButton& option = optShift.Load(index);
        option.SetContainer(&fraShift);
        option.SetCaption(caption);
        option.Move(120, 240 + index * 315, 2000, 285);
        return option;
    }

private:
    void Design() override {
        SetCaption("Shift");
        SetInnerSize(3000, 1800);
        fraShift.SetCaption("Shift");
        fraShift.Move(120, 120, 2600, 1500);
        AddShift(0, "&Day");
        AddShift(1, "&Evening");
    }
};
