#pragma once

#include "discharge/NoticeWindow.h"

#include <string>

namespace ward {

// The doctors of one admission. The chart sets SMSMode (False: the layout without the SMS log), IdNum and PName
// before it shows the window; the window has no title.
class frmDoctors : public NoticeWindow {
public:
    explicit frmDoctors(App& app) : NoticeWindow(app, "") {}

    bool SMSMode = false;
    std::string IdNum;
    std::string PName;
};

} // namespace ward
