#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmHeart : public ExamPicker {
public:
    explicit frmHeart(App& app)
        : ExamPicker(app, "Heart Station Examinations", {"HS", true, true}, lstListHS, txtHSDept, cmdHSexit) {}

    forms::ListBox lstListHS{*this, "lstListHS"};
    forms::TextBox txtHSDept{*this, "txtHSDept"};
    forms::CommandButton cmdHSexit{*this, "cmdHSexit"};
};

} // namespace ward
