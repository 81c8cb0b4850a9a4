#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The height and weight of the chart's patient.
class frmHtWt : public NoticeWindow {
public:
    explicit frmHtWt(App& app) : NoticeWindow(app, "Height and Weight Entry") {}
};

} // namespace ward
