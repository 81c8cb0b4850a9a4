#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The discharge order of the admission on the chart.
class frmHBPS : public NoticeWindow {
public:
    explicit frmHBPS(App& app) : NoticeWindow(app, "Discharge Order") {}
};

} // namespace ward
