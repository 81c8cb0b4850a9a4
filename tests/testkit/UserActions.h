#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <string>

namespace testkit {

// What a nurse does with the mouse and keyboard, through the same paths the display uses. An action on a control
// the user could not reach (its window not shown, behind a modal window, the control hidden or disabled) fails the
// test and does nothing.

// Clicks: the focus moves first (Validate may cancel it, and then the click does not happen).
void Click(forms::Control &control);
void DoubleClick(forms::Control &control);
// Moves the focus with the mouse; false when Validate kept it where it was.
bool Focus(forms::Control &control);
// Types text into a control (into a text box after what it holds, or over its selection): for each character
// KeyDown, KeyPress, the change, KeyUp. A character whose handler moves the focus sends the rest to the control that
// has it then.
void Type(forms::Control &control, const std::string &text);
// One key pressed on a control (it gets the focus first): vbKeyReturn, vbKeyEscape, vbKeyTab, vbKeyF3 ...
void PressKey(forms::Control &control, int KeyCode, int Shift = 0);
// One key pressed where the focus is in the window.
void PressKey(forms::Form &form, int KeyCode, int Shift = 0);
// Mouse buttons pressed and released, or the mouse moved, over a control at (X, Y) twips: MouseDown, MouseUp
// or MouseMove with the button (vbLeftButton, vbRightButton) and Shift state. No click follows.
void MouseDown(forms::Control &control, int Button, float X = 0, float Y = 0, int Shift = 0);
void MouseUp(forms::Control &control, int Button, float X = 0, float Y = 0, int Shift = 0);
void MouseMove(forms::Control &control, float X, float Y, int Button = 0, int Shift = 0);
// Chooses a menu item of the window's menu bar.
void ChooseMenu(forms::Menu &item);
// The window's close box; false when QueryUnload or Unload kept it open.
bool CloseWindow(forms::Form &form);

} // namespace testkit
