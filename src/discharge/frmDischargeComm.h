#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The ward's patients whom billing has cleared for discharge.
class frmDischargeComm : public NoticeWindow {
public:
    explicit frmDischargeComm(App& app) : NoticeWindow(app, "Patients for Discharge") {}
};

} // namespace ward
