#pragma once

#include "discharge/NoticeWindow.h"

#include <cstdint>

namespace ward {

// The room-transfer notices: ShowType 1 lists the notices other stations sent to this one, 2 those this station sent.
class frmProcessNotification : public NoticeWindow {
public:
    explicit frmProcessNotification(App& app) : NoticeWindow(app, "Notification of Room Transfer") {}

    std::int16_t ShowType = 1;
};

} // namespace ward
