#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// A new maintained room for the current admission.
class frmMaintainedRoom : public NoticeWindow {
public:
    explicit frmMaintainedRoom(App& app) : NoticeWindow(app, "Change Maintained Room") {}
};

} // namespace ward
