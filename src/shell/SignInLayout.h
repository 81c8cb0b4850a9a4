#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Layout.h"

namespace ward {

// The sign-in part both access-code dialogs share: a heading, a line of instruction, and the user ID and password
// rows.
struct SignInControls {
    forms::Label& heading;
    const char* headingText;
    forms::Label& instruction;
    const char* instructionText;
    forms::Label& userLabel;
    const char* userText;
    forms::TextBox& userBox;
    forms::Label& codeLabel;
    const char* codeText;
    forms::TextBox& codeBox;
};

// Sets the window up as a fixed dialog that sees keys first, with the sign-in rows at the top; the layout goes on
// below them.
forms::Layout DesignSignIn(forms::Form& form, const SignInControls& controls);

} // namespace ward
