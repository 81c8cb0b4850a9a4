#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The current admission's maintained room revoked.
class frmCancelMaintainedRoom : public NoticeWindow {
public:
    explicit frmCancelMaintainedRoom(App& app) : NoticeWindow(app, "Revoke Maintained Room") {}
};

} // namespace ward
