#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmNuclear : public ExamPicker {
public:
    explicit frmNuclear(App& app)
        : ExamPicker(app, "Nuclear Medicine Examinations", {"NU"}, lstListNuclear, txtNUDept, cmdNUexit) {}

    forms::ListBox lstListNuclear{*this, "lstListNuclear"};
    forms::TextBox txtNUDept{*this, "txtNUDept"};
    forms::CommandButton cmdNUexit{*this, "cmdNUexit"};
};

} // namespace ward
