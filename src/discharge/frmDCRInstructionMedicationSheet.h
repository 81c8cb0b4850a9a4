#pragma once

#include "discharge/NoticeWindow.h"

namespace ward {

// The discharge instructions and medication sheets still to be written.
class frmDCRInstructionMedicationSheet : public NoticeWindow {
public:
    explicit frmDCRInstructionMedicationSheet(App& app)
        : NoticeWindow(app, "Discharge Instructions and Medication Sheet") {}
};

} // namespace ward
