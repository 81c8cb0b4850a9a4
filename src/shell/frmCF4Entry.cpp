#include "shell/frmCF4Entry.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

frmCF4Entry::frmCF4Entry(App& app) : Form(app.Forms) {
    cmdOK.Click = [this] { Unload(); };
}

void frmCF4Entry::Design() {
    SetCaption("CF4");
    SetBorderStyle(3);
    SetInnerSize(5400, 1200);
    lblMessage.SetCaption("CF4 entries are kept outside this program.");
    cmdOK.SetCaption("OK");
    cmdOK.SetDefault(true);
    cmdOK.SetCancel(true);
    forms::Layout(*this).Full(lblMessage).Buttons({&cmdOK}).FitFormHeight();
}

void frmCF4Entry::Form_Load() { SetCaption(EntryTitle); }

} // namespace ward
