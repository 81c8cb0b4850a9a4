#include "platform/forms/Form.h"

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/Keyboard.h"
#include "platform/vb/VbError.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace forms {

namespace {

// Each observer is told from a copy of the list, as one may come or go while it is told; the copy is spared for the
// usual one observer (the display) or none, since changes come by the thousand while a grid is filled.
template <class Tell> void TellObservers(const std::vector<FormObserver*>& observers, Tell tell) {
    if (observers.size() == 1) {
        tell(observers.front());
        return;
    }
    if (observers.empty())
        return;
    for (FormObserver* observer : std::vector<FormObserver*>(observers))
        tell(observer);
}

} // namespace

std::string ClassNameOf(const std::type_info& type) {
    int status = 0;
    char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::string name = status == 0 && demangled != nullptr ? demangled : type.name();
    std::free(demangled);
    std::size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

namespace {

// The window frame the inner area loses: a 4-pixel border on each side, a 23-pixel title bar, a 20-pixel menu bar.
constexpr int BorderTwips = 4 * TwipsPerPixel;
constexpr int TitleBarTwips = 23 * TwipsPerPixel;
constexpr int MenuBarTwips = 20 * TwipsPerPixel;

} // namespace

Form::Form(FormsContext& context) : context(context), handle(context.NewHandle()) {}

Form::~Form() = default;

std::string Form::Name() const { return ClassNameOf(typeid(*this)); }

std::shared_ptr<Form> Form::KeepAlive() { return weak_from_this().lock(); }

// Life of the window

void Form::Create() {
    if (created)
        return;
    created = true;
    Design();
    Dispatch([this] { Form_Initialize(); });
}

void Form::Load() {
    if (loaded)
        return;
    auto keep = KeepAlive();
    Create();
    loaded = true;
    resizedSinceShown = false;
    context.FormLoaded(*this);
    SynchronizeTimers();
    NotifyForm("Loaded");
    Dispatch([this] { Form_Load(); });
}

bool Form::Unload(int UnloadMode) {
    if (!loaded)
        return true;
    if (unloading)
        return false;
    auto keep = KeepAlive();
    unloading = true;
    int Cancel = 0;
    Dispatch([&] { Form_QueryUnload(Cancel, UnloadMode); });
    if (Cancel == 0)
        Dispatch([&] { Form_Unload(Cancel); });
    if (Cancel != 0) {
        unloading = false;
        return false;
    }
    if (visible) {
        visible = false;
        NotifyForm("Visible");
    }
    loaded = false;
    ++generation;
    activeControl = nullptr;
    SynchronizeTimers();
    ResetToDesign();
    unloading = false;
    // The next load is a new window with a handle of its own.
    handle = context.NewHandle();
    context.FormUnloaded(*this);
    NotifyForm("Loaded");
    return true;
}

void Form::Show(int Modal) {
    auto keep = KeepAlive();
    Load();
    if (!loaded)
        return;
    if (Modal == vbModal) {
        if (visible)
            throw vb::VbError(400, "Form already displayed; can't show modally");
        ShowModalLoop();
        return;
    }
    MakeVisible();
    if (!loaded)
        return;
    context.GetHost().ShowModeless(*this);
    context.SetActiveForm(*this);
    GiveInitialFocus();
}

void Form::ShowModalLoop() {
    Form* opener = context.ActiveForm();
    shownModally = true;
    context.PushModal(*this);
    MakeVisible();
    if (loaded && visible) {
        context.SetActiveForm(*this);
        GiveInitialFocus();
    }
    if (loaded && visible)
        context.GetHost().RunModal(*this);
    context.PopModal(*this);
    shownModally = false;
    if (loaded && visible)
        Hide();
    // The window that opened the dialog is active again and hears Activate again.
    if (opener != nullptr && opener != this && IsStillLoaded(opener) && opener->Visible())
        context.SetActiveForm(*opener);
}

void Form::MakeVisible() {
    if (!visible) {
        visible = true;
        NotifyForm("Visible");
    }
    if (!resizedSinceShown) {
        resizedSinceShown = true;
        RaiseResize();
    }
}

void Form::Hide() {
    if (!visible)
        return;
    visible = false;
    NotifyForm("Visible");
    context.FormHidden(*this);
}

void Form::SetVisible(bool value) {
    if (value)
        Show();
    else
        Hide();
}

void Form::Refresh() {
    NotifyForm("Refresh");
    RaisePaint();
}

void Form::RaisePaint() {
    painted.clear();
    if (loaded)
        Dispatch([this] { Form_Paint(); });
}

void Form::PaintPicture(const forms::Picture& picture, int X, int Y) { painted.push_back({picture, X, Y}); }

void Form::RaiseResize() {
    if (loaded)
        Dispatch([this] { Form_Resize(); });
}

void Form::ResetToDesign() {
    for (ControlArrayBase* array : arrays)
        array->UnloadAll();
    for (Control* control : controls)
        control->ResetProperties();
    props = Props{};
    painted.clear();
    Design();
    NotifyForm("*");
}

void Form::SynchronizeTimers() {
    for (Control* control : controls)
        if (control->Kind() == ControlKind::Timer)
            static_cast<Timer*>(control)->Synchronize();
}

bool Form::IsStillLoaded(const Form* form) const {
    for (Form* candidate : context.LoadedForms())
        if (candidate == form)
            return true;
    return false;
}

// Properties

void Form::SetCaption(std::string value) { Update(props.Caption, std::move(value), "Caption"); }

void Form::SetLeft(int value) { Move(value, props.Geometry.Top, props.Geometry.Width, props.Geometry.Height); }
void Form::SetTop(int value) { Move(props.Geometry.Left, value, props.Geometry.Width, props.Geometry.Height); }
void Form::SetWidth(int value) { Move(props.Geometry.Left, props.Geometry.Top, value, props.Geometry.Height); }
void Form::SetHeight(int value) { Move(props.Geometry.Left, props.Geometry.Top, props.Geometry.Width, value); }

void Form::Move(int left, int top, int width, int height) {
    Rect wanted{left, top, width, height};
    if (wanted == props.Geometry)
        return;
    bool resized = width != props.Geometry.Width || height != props.Geometry.Height;
    props.Geometry = wanted;
    NotifyForm("Geometry");
    if (resized)
        RaiseResize();
}

int Form::ScaleWidth() const { return std::max(0, props.Geometry.Width - 2 * BorderTwips); }

int Form::ScaleHeight() const {
    bool menuBar = false;
    for (Menu* menu : MenuBar())
        menuBar = menuBar || menu->Visible();
    return std::max(0, props.Geometry.Height - 2 * BorderTwips - TitleBarTwips - (menuBar ? MenuBarTwips : 0));
}

void Form::SetInnerSize(int scaleWidth, int scaleHeight) {
    SetWidth(scaleWidth + props.Geometry.Width - ScaleWidth());
    SetHeight(scaleHeight + props.Geometry.Height - ScaleHeight());
}

void Form::SetKeyPreview(bool value) { Update(props.KeyPreview, value, "KeyPreview"); }
void Form::SetControlBox(bool value) { Update(props.ControlBox, value, "ControlBox"); }
void Form::SetEnabled(bool value) { Update(props.Enabled, value, "Enabled"); }
void Form::SetMousePointer(int value) { Update(props.MousePointer, value, "MousePointer"); }
void Form::SetMDIChild(bool value) { Update(props.MDIChild, value, "MDIChild"); }
void Form::SetBackColor(Color value) { Update(props.BackColor, value, "BackColor"); }
void Form::SetPicture(forms::Picture value) { Update(props.Picture, std::move(value), "Picture"); }
void Form::SetMDIContainer(bool value) { Update(props.MDIContainer, value, "MDIContainer"); }
void Form::SetBorderStyle(int value) { Update(props.BorderStyle, value, "BorderStyle"); }

void Form::SetWindowState(int value) {
    if (Update(props.WindowState, value, "WindowState"))
        RaiseResize();
}

// Controls

Control* Form::FindControl(std::string_view displayName) const {
    for (Control* control : controls)
        if (control->DisplayName() == displayName)
            return control;
    return nullptr;
}

std::vector<Menu*> Form::MenuBar() const {
    std::vector<Menu*> menus;
    for (Control* control : controls)
        if (control->Kind() == ControlKind::Menu && control->Container() == nullptr)
            menus.push_back(static_cast<Menu*>(control));
    return menus;
}

CommandButton* Form::DefaultButton() const {
    for (Control* control : controls)
        if (control->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(control)->Default())
            return static_cast<CommandButton*>(control);
    return nullptr;
}

CommandButton* Form::CancelButton() const {
    for (Control* control : controls)
        if (control->Kind() == ControlKind::CommandButton && static_cast<CommandButton*>(control)->Cancel())
            return static_cast<CommandButton*>(control);
    return nullptr;
}

// Focus

bool Form::CanReceiveFocus(const Control& control) const {
    return &control.Parent() == this && control.CanHoldFocus() && control.IsEffectivelyVisible() &&
           control.IsEffectivelyEnabled();
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (Control* control : controls)
        if (control->TabStop() && CanReceiveFocus(*control))
            order.push_back(control);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return order;
}

bool Form::MoveFocus(Control& target) {
    if (activeControl == &target)
        return true;
    if (!CanReceiveFocus(target))
        return false;
    auto keep = KeepAlive();
    const unsigned loading = generation;
    Control* current = activeControl;
    if (current != nullptr && target.CausesValidation()) {
        bool Cancel = false;
        current->Raise(current->Validate, Cancel);
        if (Cancel || generation != loading)
            return false;
        // The handler may have moved the focus itself.
        if (activeControl != current)
            return activeControl == &target;
    }
    activeControl = &target;
    if (current != nullptr)
        current->Raise(current->LostFocus);
    if (generation != loading)
        return false;
    NotifyForm("ActiveControl");
    if (activeControl == &target)
        target.Raise(target.GotFocus);
    return generation == loading;
}

bool Form::MoveToNextControl(bool previous) {
    std::vector<Control*> order = TabOrder();
    if (order.empty())
        return false;
    auto found = std::find(order.begin(), order.end(), activeControl);
    std::size_t next = 0;
    std::size_t count = order.size();
    if (found != order.end()) {
        std::size_t position = static_cast<std::size_t>(found - order.begin());
        next = previous ? (position + count - 1) % count : (position + 1) % count;
    } else if (activeControl != nullptr) {
        int from = activeControl->TabIndex();
        auto after = std::find_if(order.begin(), order.end(), [from](Control* c) { return c->TabIndex() > from; });
        next = after == order.end() ? 0 : static_cast<std::size_t>(after - order.begin());
    } else if (previous) {
        next = count - 1;
    }
    return MoveFocus(*order[next]);
}

void Form::GiveInitialFocus() {
    if (activeControl != nullptr && CanReceiveFocus(*activeControl))
        return;
    activeControl = nullptr;
    std::vector<Control*> order = TabOrder();
    if (!order.empty())
        MoveFocus(*order.front());
}

void Form::SetFocus() {
    if (!visible)
        vb::RaiseInvalidProcedureCall();
    context.SetActiveForm(*this);
    GiveInitialFocus();
}

// Input

void Form::PressKey(Control& target, int KeyCode, int Shift) {
    if (&target.Parent() != this || !loaded)
        return;
    auto keep = KeepAlive();
    if (KeyCode == vbKeyTab && (Shift & (vbCtrlMask | vbAltMask)) == 0) {
        MoveToNextControl((Shift & vbShiftMask) != 0);
        return;
    }
    if (Shift == 0 && PressDefaultOrCancel(KeyCode, target))
        return;
    if (Shift == vbAltMask && PressAccessKey(KeyCode))
        return;

    const unsigned loading = generation;
    int code = KeyCode;
    if (props.KeyPreview)
        Dispatch([&] { Form_KeyDown(code, Shift); });
    if (code != 0 && SameLoading(loading))
        target.Raise(target.KeyDown, code, Shift);
    if (code != 0 && SameLoading(loading))
        target.UserKeyDown(code, Shift);

    int ascii = CharacterOf(KeyCode, Shift);
    if (ascii != 0 && SameLoading(loading)) {
        if (props.KeyPreview)
            Dispatch([&] { Form_KeyPress(ascii); });
        if (ascii != 0 && SameLoading(loading))
            target.Raise(target.KeyPress, ascii);
        if (ascii != 0 && SameLoading(loading))
            target.UserKeyPress(ascii);
    }

    int up = KeyCode;
    if (props.KeyPreview && SameLoading(loading))
        Dispatch([&] { Form_KeyUp(up, Shift); });
    if (up != 0 && SameLoading(loading))
        target.Raise(target.KeyUp, up, Shift);
}

bool Form::PressDefaultOrCancel(int KeyCode, Control& target) {
    CommandButton* button = nullptr;
    if (KeyCode == vbKeyReturn)
        button = target.Kind() == ControlKind::CommandButton ? static_cast<CommandButton*>(&target) : DefaultButton();
    else if (KeyCode == vbKeyEscape)
        button = CancelButton();
    if (button == nullptr || !button->IsEffectivelyEnabled() || !button->IsEffectivelyVisible())
        return false;
    button->UserClick();
    return true;
}

bool Form::PressAccessKey(int KeyCode) {
    for (Control* control : controls) {
        if (control->IsEffectivelyEnabled() && control->IsEffectivelyVisible() && control->UserAccessKey(KeyCode))
            return true;
        auto* captioned = dynamic_cast<CaptionedControl*>(control);
        if (captioned == nullptr || AccessKeyOf(captioned->Caption()) != KeyCode)
            continue;
        if (!control->IsEffectivelyEnabled() || !control->IsEffectivelyVisible())
            continue;
        if (control->CanHoldFocus()) {
            ClickControl(*control);
            return true;
        }
        // A label or frame passes its access key to the next control in tab order.
        std::vector<Control*> order = TabOrder();
        auto next = std::find_if(order.begin(), order.end(),
                                 [control](const Control* c) { return c->TabIndex() > control->TabIndex(); });
        if (next != order.end())
            MoveFocus(**next);
        return true;
    }
    return false;
}

void Form::TypeCharacter(Control& target, char character) {
    KeyStroke stroke = KeyStrokeFor(character);
    if (stroke.KeyCode != 0) {
        PressKey(target, stroke.KeyCode, stroke.Shift);
        return;
    }
    // A character no key of the keyboard types (an accented letter) still arrives as a KeyPress.
    if (&target.Parent() != this || !loaded)
        return;
    auto keep = KeepAlive();
    const unsigned loading = generation;
    int ascii = static_cast<unsigned char>(character);
    if (props.KeyPreview)
        Dispatch([&] { Form_KeyPress(ascii); });
    if (ascii != 0 && SameLoading(loading))
        target.Raise(target.KeyPress, ascii);
    if (ascii != 0 && SameLoading(loading))
        target.UserKeyPress(ascii);
}

bool Form::ClickControl(Control& target) {
    if (&target.Parent() != this || !loaded)
        return false;
    auto keep = KeepAlive();
    const unsigned loading = generation;
    if (target.CanHoldFocus() && target.TabStop() && !MoveFocus(target))
        return false;
    if (!SameLoading(loading))
        return false;
    target.UserClick();
    return true;
}

void Form::DoubleClickControl(Control& target) {
    auto keep = KeepAlive();
    const unsigned loading = generation;
    if (ClickControl(target) && SameLoading(loading))
        target.Raise(target.DblClick);
}

void Form::PopupMenu(Menu& menu) { context.GetHost().PopupMenu(menu); }

int Form::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return context.MsgBox(prompt, buttons, title);
}

// Observers and dispatch

void Form::AddObserver(FormObserver* observer) { observers.push_back(observer); }

void Form::RemoveObserver(FormObserver* observer) {
    observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
}

void Form::Dispatch(const std::function<void()>& handler) {
    auto keep = KeepAlive();
    context.Dispatch(handler);
}

void Form::Register(Control& control) {
    control.designTabIndex = nextTabIndex++;
    control.common.TabIndex = control.designTabIndex;
    controls.push_back(&control);
}

void Form::Unregister(Control& control) {
    controls.erase(std::remove(controls.begin(), controls.end(), &control), controls.end());
    if (activeControl == &control)
        activeControl = nullptr;
}

void Form::Register(ControlArrayBase& array) { arrays.push_back(&array); }

void Form::ChangeTabIndex(Control& control, int value) {
    std::vector<Control*> order = controls;
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    order.erase(std::find(order.begin(), order.end(), &control));
    std::size_t place = std::min(static_cast<std::size_t>(value), order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(place), &control);
    for (std::size_t position = 0; position < order.size(); ++position)
        order[position]->Update(order[position]->common.TabIndex, static_cast<int>(position), "TabIndex");
}

void Form::NotifyForm(std::string_view property) {
    TellObservers(observers, [&](FormObserver* observer) { observer->FormChanged(*this, property); });
}

void Form::NotifyControl(Control& control, std::string_view property) {
    TellObservers(observers, [&](FormObserver* observer) { observer->ControlChanged(control, property); });
}

void Form::NotifyAdded(Control& control) {
    TellObservers(observers, [&](FormObserver* observer) { observer->ControlAdded(control); });
}

void Form::NotifyRemoved(Control& control) {
    TellObservers(observers, [&](FormObserver* observer) { observer->ControlRemoved(control); });
}

} // namespace forms
