#pragma once

#include "discharge/NoticeWindow.h"

#include <string>

namespace ward {

// The professional fees of one doctor, one of which the nurse picks as the unit price of a doctor's-fee row.
class frmDoctorsFee : public NoticeWindow {
public:
    explicit frmDoctorsFee(App& app) : NoticeWindow(app, "Professional Fees") {}

    std::string DoctorCode;
    std::string DoctorName;
    double SelectedDoctorFee = 0;
    // True when the doctor has at least one active fee above zero.
    bool SearchRecord();
};

} // namespace ward
