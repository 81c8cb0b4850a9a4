#include "shell/frmSplash.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

frmSplash::frmSplash(App& app) : Form(app.Forms), app(app) {
    Timer1.TimerEvent = [this] { Timer1_Timer(); };
}

void frmSplash::Design() {
    SetBorderStyle(3);
    SetInnerSize(7200, 3000);
    forms::Font title = lblProductName.Font();
    title.Size = 24;
    title.Bold = true;
    lblProductName.SetFont(title);
    lblProductName.SetCaption(forms::ProgramTitle);
    lblProductName.SetAlignment(forms::vbCenter);
    lblStation.SetCaption("SURGICAL INTENSIVE CARE UNIT");
    lblStation.SetAlignment(forms::vbCenter);
    lblPlatform.SetCaption("For Windows");
    lblPlatform.SetAlignment(forms::vbCenter);
    Timer1.SetInterval(1000);
    Timer1.SetTimerEnabled(false);
    forms::Layout(*this).Row({{&imgLogo, 960}, {&lblProductName}}, 960).Row({{&lblStation}}).Row({{&lblPlatform}});
}

void frmSplash::Form_Load() {
    Timer1.SetInterval(1000);
    Timer1.SetTimerEnabled(true);
}

void frmSplash::Timer1_Timer() {
    Timer1.SetTimerEnabled(false);
    Unload();
}

} // namespace ward
