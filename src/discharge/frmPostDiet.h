#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// A new diet order for the chart's admission; the chart reads the diet again once it closes.
class frmPostDiet : public NoticeWindow {
public:
    explicit frmPostDiet(App& app) : NoticeWindow(app, "Post New Diet") {}
};

} // namespace ward
