#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The central-supply request entry of the chart's admission.
class frmCSREntry : public NoticeWindow {
public:
    explicit frmCSREntry(App& app) : NoticeWindow(app, "Central Supply Request Entry") {}
};

} // namespace ward
