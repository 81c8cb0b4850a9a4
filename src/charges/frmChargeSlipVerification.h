#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The station's next charge-slip number, shown and reset.
class frmChargeSlipVerification : public NoticeWindow {
public:
    explicit frmChargeSlipVerification(App& app) : NoticeWindow(app, "Charge Slip Sequence Number") {}
};

} // namespace ward
