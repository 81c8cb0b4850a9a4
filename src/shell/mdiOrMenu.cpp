#include "shell/mdiOrMenu.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

mdiOrMenu::mdiOrMenu(App& app) : Form(app.Forms), app(app) {}

void mdiOrMenu::Design() {
    SetMDIContainer(true);
    SetCaption(app.StationName);
    SetInnerSize(12000, 8000);
    lblCS.Load(0).SetCaption("Next Charge Slip #");
    lblCS.Load(1);
    forms::Layout(*this).Row({{&lblCS(0), 1800}, {&lblCS(1), 1500}});
}

} // namespace ward
