#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// Late charges for a patient already billed or on cash basis; it opens inside the main window.
class frmRecievable : public NoticeWindow {
public:
    explicit frmRecievable(App& app) : NoticeWindow(app, "Recievable Update") {}

protected:
    void Design() override {
        NoticeWindow::Design();
        SetMDIChild(true);
    }
};

} // namespace ward
