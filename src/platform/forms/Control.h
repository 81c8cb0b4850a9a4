#pragma once

#include "platform/forms/Constants.h"
#include "platform/forms/Event.h"

#include <string>
#include <string_view>

namespace forms {

class Form;

// The kind of a control, for a display binding that renders any form; each new control class adds its kind here.
enum class ControlKind {
    TextBox,
    Label,
    CommandButton,
    CheckBox,
    OptionButton,
    Frame,
    PictureBox,
    Image,
    Shape,
    Timer,
    Menu,
    Grid,
    ListBox,
    ComboBox,
    ListView,
    TabControl,
    DTPicker,
    MonthView,
    RichTextBox,
    ProgressBar,
    StatusBar,
    ReportViewer,
    ImageList,
    SysInfo,
    Toolbar,
    DaySchedule
};

struct Font {
    std::string Name = "MS Sans Serif";
    double Size = 8.25;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// A position and size in twips, relative to the control's container.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Intersects(const Rect& other) const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// What every control has: a name (and index in a control array), geometry in twips, a container, visibility,
// enabling, focus order, and the events every kind shares. A control registers itself with its form when built.
class Control {
public:
    Control(Form& form, std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    Form& Parent() const { return form; }
    const std::string& Name() const { return name; }
    // The index in its control array, or -1 for a control of its own.
    int Index() const { return index; }
    // True while one of its events runs: an element of a control array cannot be unloaded then.
    bool IsRaisingEvent() const { return eventsRunning > 0; }
    // The name as code writes it: "txtName" or "cmdOption(1)".
    std::string DisplayName() const;
    ControlKind Kind() const { return kind; }

    int Left() const { return common.Geometry.Left; }
    int Top() const { return common.Geometry.Top; }
    int Width() const { return common.Geometry.Width; }
    int Height() const { return common.Geometry.Height; }
    const Rect& Geometry() const { return common.Geometry; }
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    void Move(int left, int top, int width, int height);

    bool Visible() const { return common.Visible; }
    void SetVisible(bool value);
    bool Enabled() const { return common.Enabled; }
    void SetEnabled(bool value);
    // Enabled and visible as the user meets it: a disabled or hidden container (frame, picture, tab page) takes its
    // children with it without changing their own Enabled or Visible.
    bool IsEffectivelyEnabled() const;
    bool IsEffectivelyVisible() const;

    int TabIndex() const { return common.TabIndex; }
    // Moves the control to that place of the form's tab order; the others close up behind it, so the indexes
    // stay 0, 1, 2 ... as the platform kept them.
    void SetTabIndex(int value);
    bool TabStop() const { return common.TabStop; }
    void SetTabStop(bool value);
    bool CausesValidation() const { return common.CausesValidation; }
    void SetCausesValidation(bool value);
    const std::string& Tag() const { return common.Tag; }
    void SetTag(std::string value);
    const std::string& ToolTipText() const { return common.ToolTipText; }
    void SetToolTipText(std::string value);

    // The control that holds this one (a frame, picture box, tab control or parent menu), or nullptr for the form;
    // page is the tab page of a tab control, -1 otherwise.
    Control* Container() const { return common.Container; }
    int ContainerPage() const { return common.ContainerPage; }
    void SetContainer(Control* container, int page = -1);
    // An overlay floats over other controls on purpose (a cell editor over its grid, a panel over a view); the
    // layout check leaves it out.
    bool IsOverlay() const { return common.Overlay; }
    void SetOverlay(bool value);

    // Whether this kind of control can hold the focus at all; the form adds visibility and enabling.
    virtual bool CanHoldFocus() const { return false; }
    // Whether the control takes space on its container (timers and menus do not).
    virtual bool HasGeometry() const { return true; }
    // A container with pages (a tab control) shows and enables only some of them.
    virtual bool IsPageVisible(int page) const {
        (void)page;
        return true;
    }
    virtual bool IsPageEnabled(int page) const {
        (void)page;
        return true;
    }
    bool HasFocus() const;
    // Moves the focus here as code does; a control that cannot take it raises "Invalid procedure call or argument".
    void SetFocus();
    void Refresh();

    // What the mouse and keyboard do to the control after its handlers have run; the form's input path calls them.
    virtual void UserClick();
    virtual void UserKeyDown(int KeyCode, int Shift);
    virtual void UserKeyPress(int KeyAscii);
    // Alt with a letter that an access key of the control's own parts answers (a tab's caption); false when none
    // does.
    virtual bool UserAccessKey(int KeyCode) {
        (void)KeyCode;
        return false;
    }

    // Puts every property back as the control was built; the form's Design sets them again.
    virtual void ResetProperties();

    Event<> Click;
    Event<> DblClick;
    Event<> GotFocus;
    Event<> LostFocus;
    Event<bool&> Validate;
    Event<int&, int> KeyDown;
    Event<int&> KeyPress;
    Event<int&, int> KeyUp;
    Event<int, int, float, float> MouseDown;
    Event<int, int, float, float> MouseMove;
    Event<int, int, float, float> MouseUp;

    // Raises one of the control's events through the form's dispatch, which catches what escapes the handler.
    template <class... Args, class... Values> void Raise(const Event<Args...>& event, Values&&... values);

protected:
    // Tells the form's observers (the display binding) that a property changed.
    void Notify(std::string_view property);
    // Stores a new value and notifies; false when the value was already there.
    template <class V> bool Update(V& field, V value, std::string_view property) {
        if (field == value)
            return false;
        field = std::move(value);
        Notify(property);
        return true;
    }
    // Called after each change of a property, before the observers hear of it.
    virtual void AfterChange(std::string_view property) { (void)property; }

private:
    friend class Form;
    friend class ControlArrayBase;
    struct Common {
        Rect Geometry;
        bool Visible = true;
        bool Enabled = true;
        int TabIndex = 0;
        bool TabStop = true;
        bool CausesValidation = true;
        std::string Tag;
        std::string ToolTipText;
        Control* Container = nullptr;
        int ContainerPage = -1;
        bool Overlay = false;
    };

    void DispatchEvent(const std::function<void()>& call);

    Form& form;
    std::string name;
    int index = -1;
    int eventsRunning = 0;
    ControlKind kind;
    int designTabIndex = 0;
    Common common;
};

template <class... Args, class... Values> void Control::Raise(const Event<Args...>& event, Values&&... values) {
    if (event)
        DispatchEvent([&] { event.Invoke(std::forward<Values>(values)...); });
}

} // namespace forms
