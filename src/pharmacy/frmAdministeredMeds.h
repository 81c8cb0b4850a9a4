#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The medicines given to the chart's patient.
class frmAdministeredMeds : public NoticeWindow {
public:
    explicit frmAdministeredMeds(App& app) : NoticeWindow(app, "Entry for Medicine(s) Administered") {}
};

} // namespace ward
