#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmCTfile : public ExamPicker {
public:
    explicit frmCTfile(App& app) : ExamPicker(app, "CT Scan Examinations", {"CT"}, lstListCT, txtCtdept, cmdCTExit) {}

    forms::ListBox lstListCT{*this, "lstListCT"};
    forms::TextBox txtCtdept{*this, "txtCtdept"};
    forms::CommandButton cmdCTExit{*this, "cmdCTExit"};
};

} // namespace ward
