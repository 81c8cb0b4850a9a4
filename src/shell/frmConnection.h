#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "shell/Connector.h"

#include <filesystem>

namespace ward {

class App;

// Enters the workstation's connection and saves it in its file, readable by this user only. The caller sets File and
// Settings before the show and reads Saved (and the new Settings) after it.
class frmConnection : public forms::Form {
public:
    explicit frmConnection(App& app);

    std::filesystem::path File;
    ConnectionSettings Settings;
    bool Saved = false;

    forms::Label lblServer{*this, "lblServer"};
    forms::TextBox txtServer{*this, "txtServer"};
    forms::Label lblPort{*this, "lblPort"};
    forms::TextBox txtPort{*this, "txtPort"};
    forms::Label lblDatabase{*this, "lblDatabase"};
    forms::TextBox txtDatabase{*this, "txtDatabase"};
    forms::Label lblLogin{*this, "lblLogin"};
    forms::TextBox txtLogin{*this, "txtLogin"};
    forms::Label lblPassword{*this, "lblPassword"};
    forms::TextBox txtPassword{*this, "txtPassword"};
    forms::Label lblFile{*this, "lblFile"};
    forms::CommandButton cmdSave{*this, "cmdSave"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};

private:
    void Design() override;
    void Form_Load() override;
    void cmdSave_Click();
    // The first box left empty or wrong is pointed out; nothing is saved then.
    bool CheckEntries();
};

} // namespace ward
