#include "discharge/NoticeWindow.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

NoticeWindow::NoticeWindow(App& app, std::string caption) : Form(app.Forms), app(app), caption(std::move(caption)) {
    cmdClose.Click = [this] { Unload(); };
}

void NoticeWindow::Design() {
    SetCaption(caption);
    SetBorderStyle(3);
    SetInnerSize(6000, 1500);
    lblNotice.SetCaption("This window is not available in this version of the program.");
    lblNotice.SetWordWrap(true);
    cmdClose.SetCaption("&Close");
    cmdClose.SetCancel(true);
    forms::Layout layout(*this);
    layout.Row({{&lblNotice}}, 600);
    DesignFields(layout);
    layout.Buttons({&cmdClose}).FitFormHeight();
}

} // namespace ward
