#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmNeuRoExams : public ExamPicker {
public:
    explicit frmNeuRoExams(App& app)
        : ExamPicker(app, "Neurology Examinations", {"NE", true, false, true}, lstListNeuro, txtNEDept, cmdNEexit) {}

    forms::ListBox lstListNeuro{*this, "lstListNeuro"};
    forms::TextBox txtNEDept{*this, "txtNEDept"};
    forms::CommandButton cmdNEexit{*this, "cmdNEexit"};
};

} // namespace ward
