#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Lists.h"

#include <string>

namespace ward {

class App;

// One department's exam picker: the department's exams as a sorted list with a check box on each line, in a
// fixed-pitch font so the columns of the lines stand one under the other, the department box and the Close button,
// which hides the window. The chart fills the list; the window keeps it while hidden.
class ExamPicker : public forms::Form {
public:
    forms::ListBox& ExamList() { return list; }

protected:
    // The controls are members of the derived window, built after this base: only their addresses are kept here.
    ExamPicker(App& app, std::string caption, forms::ListBox& list, forms::TextBox& departmentBox,
               forms::CommandButton& closeButton);
    void Design() override;

    App& app;

private:
    std::string caption;
    forms::ListBox& list;
    forms::TextBox& departmentBox;
    forms::CommandButton& closeButton;
};

} // namespace ward
