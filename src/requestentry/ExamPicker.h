#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Lists.h"

#include <string>

namespace ward {

class App;

// How one department's picker differs from the others beyond its names.
struct PickerRules {
    std::string DeptCode;
    // The audiometry picker asks no price and no priority: its rows go with an empty amount and STAT cell.
    bool PricesExams = true;
    // Emptying the cart's only row blanks every cell instead of the exam's own.
    bool BlanksWholeRow = false;
    // The window's close box does what the Close button does.
    bool HasCloseBox = false;
};

// One department's exam picker: the department's exams as a sorted list with a check box on each line, in a
// fixed-pitch font so the columns of the lines stand one under the other, the department box and the Close button.
// The chart fills the list; the window keeps it, with its ticks, while hidden. Ticking a line puts its exam into the
// chart's request cart, clearing the tick takes it out; Close gives the opener's line of the other-departments list
// back unticked (the opener wrote that line into the department box) and hides the window.
//
// The list line, by position: 1-45 the description, 51-52 the department, 54-57 the exam code. The cart row is found
// by the whole line, kept in its column 10.
class ExamPicker : public forms::Form {
public:
    forms::ListBox& ExamList() { return list; }
    forms::TextBox& DepartmentBox() { return departmentBox; }
    forms::CommandButton& CloseButton() { return closeButton; }
    const PickerRules& Rules() const { return rules; }

protected:
    // The controls are members of the derived window, built after this base: only their addresses are kept here.
    ExamPicker(App& app, std::string caption, PickerRules rules, forms::ListBox& list, forms::TextBox& departmentBox,
               forms::CommandButton& closeButton);
    void Design() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;

    App& app;

private:
    void ExamList_Click();
    void PickExam();
    void WriteCartRow();
    // Whether a cart row already holds the clicked line.
    void IsExamInOrders();
    void RemoveOrderRow();
    void CloseButton_Click();

    std::string caption;
    PickerRules rules;
    forms::ListBox& list;
    forms::TextBox& departmentBox;
    forms::CommandButton& closeButton;

    std::string clickedLine;
    bool examInOrders = false;
};

} // namespace ward
