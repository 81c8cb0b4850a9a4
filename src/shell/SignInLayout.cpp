#include "shell/SignInLayout.h"

#include "platform/forms/Form.h"

namespace ward {

forms::Layout DesignSignIn(forms::Form& form, const SignInControls& controls) {
    form.SetBorderStyle(3);
    form.SetKeyPreview(true);
    form.SetInnerSize(4680, 2000);
    controls.heading.SetCaption(controls.headingText);
    forms::Font headingFont;
    headingFont.Size = 12;
    headingFont.Bold = true;
    controls.heading.SetFont(headingFont);
    controls.instruction.SetCaption(controls.instructionText);
    controls.userLabel.SetCaption(controls.userText);
    controls.codeLabel.SetCaption(controls.codeText);
    controls.codeBox.SetPasswordChar('*');
    forms::LayoutMetrics metrics;
    metrics.LabelWidth = 1400;
    forms::Layout layout(form, metrics);
    layout.Full(controls.heading, 375)
        .Full(controls.instruction)
        .Row(controls.userLabel, controls.userBox)
        .Row(controls.codeLabel, controls.codeBox);
    return layout;
}

} // namespace ward
