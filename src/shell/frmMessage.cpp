#include "shell/frmMessage.h"

#include "core/App.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Strings.h"

namespace ward {

frmMessage::frmMessage(App& app) : Form(app.Forms), app(app) {
    cmdOption.On(&forms::Control::Click, [this](int Index) { cmdOption_Click(Index); });
}

void frmMessage::Design() {
    SetCaption("IMPORTANT MESSAGE");
    SetBorderStyle(3);
    SetInnerSize(6300, 1900);
    lblMessage.SetCaption(vb::Space(2) + "The request entered were not yet sent to the departments!" + vb::Space(22) +
                          "Press Yes Button to send the request now" + vb::Space(34) +
                          "Press No Button to cancel the request.");
    lblMessage.SetWordWrap(true);
    cmdOption.Load(0).SetCaption("YES");
    cmdOption.Load(1).SetCaption("NO");
    forms::Layout layout(*this);
    layout.Row({{&Image1, 720}, {&lblMessage}}, 1080).Buttons({&cmdOption(0), &cmdOption(1)});
}

// The answer starts as "no" at every showing: closing by the close box must never leave an earlier YES behind.
void frmMessage::Form_Load() { app.MessageAnswer = false; }

void frmMessage::cmdOption_Click(int Index) {
    app.MessageAnswer = Index == 0;
    Unload();
}

} // namespace ward
