#pragma once

#include "discharge/NoticeWindow.h"
#include "platform/forms/Grid.h"

#include <cstdint>
#include <string>

namespace ward {

// The oxygen pressure readings of one tank. Its caller names the oxygen item and the grid row before showing it; the
// dialog writes the readings into that row and hands the consumption back in PSIReading.
class frmPSIReading : public NoticeWindow {
public:
    explicit frmPSIReading(App& app) : NoticeWindow(app, "PSI Reading") {}

    std::string Code;
    std::string Description;
    forms::MSHFlexGrid* Grid = nullptr;
    std::int16_t SelectedRow = 0;
};

} // namespace ward
