#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmAudio : public ExamPicker {
public:
    explicit frmAudio(App& app)
        : ExamPicker(app, "Audiometry Examinations", {"AU", false, true}, lstListAudio, txtAUDept, cmdAUexit) {}

    forms::ListBox lstListAudio{*this, "lstListAudio"};
    forms::TextBox txtAUDept{*this, "txtAUDept"};
    forms::CommandButton cmdAUexit{*this, "cmdAUexit"};
};

} // namespace ward
