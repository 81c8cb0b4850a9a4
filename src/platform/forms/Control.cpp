#include "platform/forms/Control.h"

#include "platform/forms/Form.h"
#include "platform/vb/VbError.h"

namespace forms {

bool Rect::Intersects(const Rect& other) const {
    if (Width <= 0 || Height <= 0 || other.Width <= 0 || other.Height <= 0)
        return false;
    return Left < other.Left + other.Width && other.Left < Left + Width && Top < other.Top + other.Height &&
           other.Top < Top + Height;
}

Control::Control(Form& form, std::string name, ControlKind kind) : form(form), name(std::move(name)), kind(kind) {
    form.Register(*this);
}

Control::~Control() { form.Unregister(*this); }

std::string Control::DisplayName() const {
    if (index < 0)
        return name;
    return name + "(" + std::to_string(index) + ")";
}

void Control::SetLeft(int value) { Update(common.Geometry.Left, value, "Left"); }
void Control::SetTop(int value) { Update(common.Geometry.Top, value, "Top"); }
void Control::SetWidth(int value) { Update(common.Geometry.Width, value, "Width"); }
void Control::SetHeight(int value) { Update(common.Geometry.Height, value, "Height"); }

void Control::Move(int left, int top, int width, int height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
}

void Control::SetVisible(bool value) {
    if (!Update(common.Visible, value, "Visible"))
        return;
    if (!value && HasFocus())
        form.MoveToNextControl();
}

void Control::SetEnabled(bool value) { Update(common.Enabled, value, "Enabled"); }

bool Control::IsEffectivelyEnabled() const {
    if (!common.Enabled || !form.Enabled())
        return false;
    if (common.Container == nullptr)
        return true;
    return common.Container->IsPageEnabled(common.ContainerPage) && common.Container->IsEffectivelyEnabled();
}

bool Control::IsEffectivelyVisible() const {
    if (!common.Visible)
        return false;
    if (common.Container == nullptr)
        return true;
    return common.Container->IsPageVisible(common.ContainerPage) && common.Container->IsEffectivelyVisible();
}

void Control::SetTabIndex(int value) {
    if (value < 0)
        throw vb::VbError(380, "Invalid property value");
    form.ChangeTabIndex(*this, value);
}
void Control::SetTabStop(bool value) { Update(common.TabStop, value, "TabStop"); }
void Control::SetCausesValidation(bool value) { Update(common.CausesValidation, value, "CausesValidation"); }
void Control::SetTag(std::string value) { Update(common.Tag, std::move(value), "Tag"); }
void Control::SetToolTipText(std::string value) { Update(common.ToolTipText, std::move(value), "ToolTipText"); }

void Control::SetContainer(Control* container, int page) {
    if (common.Container == container && common.ContainerPage == page)
        return;
    common.Container = container;
    common.ContainerPage = page;
    Notify("Container");
}

void Control::SetOverlay(bool value) { Update(common.Overlay, value, "Overlay"); }

bool Control::HasFocus() const { return form.ActiveControl() == this; }

void Control::SetFocus() {
    if (!form.Visible() || !form.CanReceiveFocus(*this))
        vb::RaiseInvalidProcedureCall();
    form.MoveFocus(*this);
}

void Control::Refresh() { Notify("Refresh"); }

void Control::UserClick() { Raise(Click); }

void Control::UserKeyDown(int KeyCode, int Shift) {
    (void)KeyCode;
    (void)Shift;
}

void Control::UserKeyPress(int KeyAscii) { (void)KeyAscii; }

void Control::ResetProperties() {
    common = Common{};
    eventsRunning = 0;
    common.TabIndex = designTabIndex;
    Notify("*");
}

void Control::Notify(std::string_view property) {
    AfterChange(property);
    form.NotifyControl(*this, property);
}

void Control::DispatchEvent(const std::function<void()>& call) {
    Form& owner = form;
    auto keep = owner.KeepAlive();
    const unsigned loading = owner.Generation();
    ++eventsRunning;
    owner.Dispatch(call);
    // An Unload meanwhile reset this control, or destroyed it when it was an element of a control array.
    if (owner.Generation() == loading)
        --eventsRunning;
}

} // namespace forms
