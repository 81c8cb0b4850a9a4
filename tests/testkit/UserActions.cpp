#include "UserActions.h"

#include "platform/forms/FormsContext.h"

#include <gtest/gtest.h>

namespace testkit {

namespace {

bool WindowReachable(forms::Form &form, const std::string &what) {
    if (!form.IsLoaded() || !form.Visible()) {
        ADD_FAILURE() << "Cannot " << what << ": window " << form.Name() << " is not shown";
        return false;
    }
    forms::Form *modal = form.Context().ModalForm();
    if (modal != nullptr && modal != &form) {
        ADD_FAILURE() << "Cannot " << what << ": window " << form.Name() << " is behind the modal window "
                      << modal->Name();
        return false;
    }
    if (!form.Enabled()) {
        ADD_FAILURE() << "Cannot " << what << ": window " << form.Name() << " is disabled";
        return false;
    }
    return true;
}

bool Reachable(forms::Control &control, const std::string &what) {
    std::string action = what + " " + control.DisplayName();
    if (!WindowReachable(control.Parent(), action))
        return false;
    if (!control.IsEffectivelyVisible()) {
        ADD_FAILURE() << "Cannot " << action << " of " << control.Parent().Name() << ": it is hidden";
        return false;
    }
    if (!control.IsEffectivelyEnabled()) {
        ADD_FAILURE() << "Cannot " << action << " of " << control.Parent().Name() << ": it is disabled";
        return false;
    }
    return true;
}

// The control that receives keys after the user put the focus on control.
forms::Control *KeyTarget(forms::Control &control) {
    forms::Form &form = control.Parent();
    if (control.CanHoldFocus() && !form.MoveFocus(control))
        return nullptr;
    return form.ActiveControl() != nullptr ? form.ActiveControl() : &control;
}

} // namespace

void Click(forms::Control &control) {
    if (Reachable(control, "click"))
        control.Parent().ClickControl(control);
}

void DoubleClick(forms::Control &control) {
    if (Reachable(control, "double-click"))
        control.Parent().DoubleClickControl(control);
}

bool Focus(forms::Control &control) {
    if (!Reachable(control, "focus"))
        return false;
    if (!control.CanHoldFocus()) {
        ADD_FAILURE() << "Cannot focus " << control.DisplayName() << ": it takes no focus";
        return false;
    }
    return control.Parent().MoveFocus(control);
}

void Type(forms::Control &control, const std::string &text) {
    if (!Reachable(control, "type into"))
        return;
    forms::Form &form = control.Parent();
    forms::Control *target = KeyTarget(control);
    if (target == nullptr)
        return;
    // The user clicks after the text, unless a handler selected some of it for replacing.
    if (target == &control && control.Kind() == forms::ControlKind::TextBox) {
        auto &box = static_cast<forms::TextBox &>(control);
        if (box.SelLength() == 0)
            box.SetSelStart(static_cast<int>(box.Text().size()));
    }
    for (char character : text) {
        if (!form.IsLoaded())
            return;
        forms::Control *focused = form.ActiveControl() != nullptr ? form.ActiveControl() : target;
        form.TypeCharacter(*focused, character);
    }
}

void PressKey(forms::Control &control, int KeyCode, int Shift) {
    if (!Reachable(control, "press a key on"))
        return;
    forms::Control *target = KeyTarget(control);
    if (target != nullptr)
        control.Parent().PressKey(*target, KeyCode, Shift);
}

void PressKey(forms::Form &form, int KeyCode, int Shift) {
    if (!WindowReachable(form, "press a key"))
        return;
    if (form.ActiveControl() == nullptr) {
        ADD_FAILURE() << "Cannot press a key in " << form.Name() << ": no control has the focus";
        return;
    }
    form.PressKey(*form.ActiveControl(), KeyCode, Shift);
}

void MouseDown(forms::Control &control, int Button, float X, float Y, int Shift) {
    if (Reachable(control, "press the mouse on"))
        control.Raise(control.MouseDown, Button, Shift, X, Y);
}

void MouseUp(forms::Control &control, int Button, float X, float Y, int Shift) {
    if (Reachable(control, "release the mouse on"))
        control.Raise(control.MouseUp, Button, Shift, X, Y);
}

void MouseMove(forms::Control &control, float X, float Y, int Button, int Shift) {
    if (Reachable(control, "move the mouse over"))
        control.Raise(control.MouseMove, Button, Shift, X, Y);
}

void ChooseMenu(forms::Menu &item) {
    if (Reachable(item, "choose the menu item"))
        item.UserClick();
}

bool CloseWindow(forms::Form &form) {
    if (!WindowReachable(form, "close the window"))
        return false;
    if (!form.ControlBox()) {
        ADD_FAILURE() << "Cannot close " << form.Name() << " by its close box: it has none";
        return false;
    }
    return form.CloseByUser();
}

} // namespace testkit
