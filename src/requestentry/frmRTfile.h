#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmRTfile : public ExamPicker {
public:
    explicit frmRTfile(App& app)
        : ExamPicker(app, "Pulmonary Examinations", {"PA"}, lstListRTS, txtRTdept, cmdRTExit) {}

    forms::ListBox lstListRTS{*this, "lstListRTS"};
    forms::TextBox txtRTdept{*this, "txtRTdept"};
    forms::CommandButton cmdRTExit{*this, "cmdRTExit"};
};

} // namespace ward
