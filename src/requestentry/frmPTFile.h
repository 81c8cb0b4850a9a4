#pragma once

#include "requestentry/ExamPicker.h"

namespace ward {

class frmPTFile : public ExamPicker {
public:
    explicit frmPTFile(App& app) : ExamPicker(app, "PTExaminations", {"PT"}, lstListPT, txtPtDept, cmdPTExit) {}

    forms::ListBox lstListPT{*this, "lstListPT"};
    forms::TextBox txtPtDept{*this, "txtPtDept"};
    forms::CommandButton cmdPTExit{*this, "cmdPTExit"};
};

} // namespace ward
