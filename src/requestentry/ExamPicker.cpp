#include "requestentry/ExamPicker.h"

#include "core/App.h"
#include "platform/forms/Layout.h"

namespace ward {

ExamPicker::ExamPicker(App& app, std::string caption, forms::ListBox& list, forms::TextBox& departmentBox,
                       forms::CommandButton& closeButton)
    : Form(app.Forms), app(app), caption(std::move(caption)), list(list), departmentBox(departmentBox),
      closeButton(closeButton) {}

void ExamPicker::Design() {
    SetCaption(caption);
    SetBorderStyle(3);
    SetControlBox(false);
    SetInnerSize(7800, 5200);
    list.SetStyle(forms::vbListBoxCheckbox);
    list.SetSorted(true);
    forms::Font fixedPitch;
    fixedPitch.Name = "Courier New";
    list.SetFont(fixedPitch);
    departmentBox.SetVisible(false);
    closeButton.Click = [this] { Hide(); };
    closeButton.SetCaption("&Close");
    closeButton.SetCancel(true);
    forms::Layout(*this).Full(list, 4200).Full(departmentBox).Buttons({&closeButton});
}

} // namespace ward
