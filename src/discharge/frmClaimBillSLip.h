#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The ward's bill claim slips ready for printing.
class frmClaimBillSLip : public NoticeWindow {
public:
    explicit frmClaimBillSLip(App& app) : NoticeWindow(app, "Bill Claim Slips") {}
};

} // namespace ward
