#pragma once

#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"
#include "platform/forms/Picture.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace forms {

class CommandButton;
class ControlArrayBase;
class FormsContext;
class Menu;

// A picture PaintPicture drew on a window: at (X, Y) twips of the inner area, at the picture's own size.
struct PaintedPicture {
    forms::Picture Picture;
    int X = 0;
    int Y = 0;
    friend bool operator==(const PaintedPicture&, const PaintedPicture&) = default;
};

// A class's name without its namespace, as messages name windows.
std::string ClassNameOf(const std::type_info& type);

// What a display binding subscribes to: every change of a form or of one of its controls, as it happens.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    // property is the member's name ("Caption", "Visible", "Loaded", "ActiveControl", ...); "*" is all of them.
    virtual void FormChanged(Form& form, std::string_view property) = 0;
    virtual void ControlChanged(Control& control, std::string_view property) = 0;
    // A control array element was loaded or unloaded.
    virtual void ControlAdded(Control& control) = 0;
    virtual void ControlRemoved(Control& control) = 0;
};

// One window. A window class derives from it, holds its controls as members, sets them up in Design and overrides
// the handlers it has. Instances come from the application's registry (FormsContext).
class Form : public std::enable_shared_from_this<Form> {
public:
    explicit Form(FormsContext& context);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    FormsContext& Context() const { return context; }
    // The window's class name, as messages and tests name it.
    std::string Name() const;

    // Life of the window.
    // Runs Design and Initialize the first time; the registry calls it right after building the instance.
    void Create();
    // Loads the window (Load runs) unless it is loaded; a window may unload itself inside its own Load.
    void Load();
    // QueryUnload then Unload; either may cancel (false). The controls go back to their design state; the
    // window's own members stay until the instance is released.
    bool Unload(int UnloadMode = vbFormCode);
    // Loads and shows the window; modal shows return once it has been hidden or unloaded, at once when it
    // unloaded itself while loading.
    void Show(int Modal = vbModeless);
    void ShowModal() { Show(vbModal); }
    void Hide();
    // Repaints: raises Paint. The display also calls RaisePaint when it draws the window.
    void Refresh();
    void RaisePaint();
    // Draws a picture on the window at (X, Y) twips, at its own size. A drawing lasts until the window is painted
    // again: Paint starts on a clean window, and the display shows what the Paint handler drew.
    void PaintPicture(const forms::Picture& picture, int X, int Y);
    const std::vector<PaintedPicture>& PaintedPictures() const { return painted; }
    bool IsLoaded() const { return loaded; }
    // Advances with each Unload, which resets the controls and destroys the elements of control arrays. Input that
    // started before a handler ran goes on only while it is unchanged, even when the handler showed the window again.
    unsigned Generation() const { return generation; }
    bool IsShownModally() const { return shownModally; }

    const std::string& Caption() const { return props.Caption; }
    void SetCaption(std::string value);
    int Left() const { return props.Geometry.Left; }
    int Top() const { return props.Geometry.Top; }
    int Width() const { return props.Geometry.Width; }
    int Height() const { return props.Geometry.Height; }
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    void Move(int left, int top, int width, int height);
    // The inner area, Width and Height less the border, the title bar and a visible menu bar.
    int ScaleWidth() const;
    int ScaleHeight() const;
    // Sets the outer size from the inner area wanted.
    void SetInnerSize(int scaleWidth, int scaleHeight);
    bool KeyPreview() const { return props.KeyPreview; }
    void SetKeyPreview(bool value);
    bool ControlBox() const { return props.ControlBox; }
    void SetControlBox(bool value);
    bool Visible() const { return visible; }
    void SetVisible(bool value);
    bool Enabled() const { return props.Enabled; }
    void SetEnabled(bool value);
    int MousePointer() const { return props.MousePointer; }
    void SetMousePointer(int value);
    // Shown inside the main window's MDI area.
    bool MDIChild() const { return props.MDIChild; }
    void SetMDIChild(bool value);
    int WindowState() const { return props.WindowState; }
    void SetWindowState(int value);
    // The main window: other windows marked MDIChild open inside it.
    bool MDIContainer() const { return props.MDIContainer; }
    void SetMDIContainer(bool value);
    // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable tool window.
    int BorderStyle() const { return props.BorderStyle; }
    void SetBorderStyle(int value);
    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    // The window's background picture (the main window's frame behind its child windows).
    const forms::Picture& Picture() const { return props.Picture; }
    void SetPicture(forms::Picture value);
    // An opaque handle of the loaded window, which other programs' dialogs take as their owner: never 0, and no
    // two loads of any window of the run share one.
    std::intptr_t hWnd() const { return handle; }

    // The controls in the order they were built (control array elements where they were loaded).
    const std::vector<Control*>& Controls() const { return controls; }
    Control* FindControl(std::string_view displayName) const;
    std::vector<Menu*> MenuBar() const;
    CommandButton* DefaultButton() const;
    CommandButton* CancelButton() const;

    // Focus.
    Control* ActiveControl() const { return activeControl; }
    // Moves the focus as the user or code does: Validate of the control that has it runs first when the new one
    // CausesValidation; a cancelled Validate keeps the focus where it is (false).
    bool MoveFocus(Control& target);
    // Moves to the next control in TabIndex order, as the Tab key does (backwards with previous).
    bool MoveToNextControl(bool previous = false);
    bool CanReceiveFocus(const Control& control) const;
    // Activates the window and gives its first control the focus when none has it.
    void SetFocus();

    // Input as the user gives it; the display binding and the test kit call these.
    // One key pressed and released on target: KeyDown, KeyPress for a key that types a character, KeyUp, with
    // the key preview, Tab, Enter and Escape pressing the Default and Cancel buttons, and Alt with a caption's
    // access key.
    void PressKey(Control& target, int KeyCode, int Shift = 0);
    // A character typed on target (the key that gives it is pressed).
    void TypeCharacter(Control& target, char character);
    // A mouse click: focus first (unless Validate cancels, which drops the click), then the control's click.
    bool ClickControl(Control& target);
    void DoubleClickControl(Control& target);
    // The close box: QueryUnload with vbFormControlMenu.
    bool CloseByUser() { return Unload(vbFormControlMenu); }

    void PopupMenu(Menu& menu);
    // A message box with the program's name as title when none is given.
    int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");

    void AddObserver(FormObserver* observer);
    void RemoveObserver(FormObserver* observer);

    // Runs a handler of this window: what escapes it is reported and the handler abandoned.
    void Dispatch(const std::function<void()>& handler);

    // Event handlers of the window, named and shaped as the windows write them.
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_Paint() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) {
        (void)Cancel;
        (void)UnloadMode;
    }
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_KeyDown(int& KeyCode, int Shift) {
        (void)KeyCode;
        (void)Shift;
    }
    virtual void Form_KeyPress(int& KeyAscii) { (void)KeyAscii; }
    virtual void Form_KeyUp(int& KeyCode, int Shift) {
        (void)KeyCode;
        (void)Shift;
    }
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}

protected:
    // Sets the controls up as designed: properties, containers, captions and layout. Runs when the window is first
    // built and again after each Unload.
    virtual void Design() {}

private:
    friend class Control;
    friend class ControlArrayBase;
    friend class FormsContext;

    void Register(Control& control);
    void Unregister(Control& control);
    void Register(ControlArrayBase& array);
    void ChangeTabIndex(Control& control, int value);
    void NotifyForm(std::string_view property);
    template <class V> bool Update(V& field, V value, std::string_view property) {
        if (field == value)
            return false;
        field = std::move(value);
        NotifyForm(property);
        return true;
    }
    void NotifyControl(Control& control, std::string_view property);
    void NotifyAdded(Control& control);
    void NotifyRemoved(Control& control);
    void ResetToDesign();
    void SynchronizeTimers();
    void MakeVisible();
    void ShowModalLoop();
    void RaiseResize();
    void GiveInitialFocus();
    bool PressDefaultOrCancel(int KeyCode, Control& target);
    bool PressAccessKey(int KeyCode);
    std::vector<Control*> TabOrder() const;
    bool IsStillLoaded(const Form* form) const;
    bool SameLoading(unsigned loading) const { return loaded && generation == loading; }
    std::shared_ptr<Form> KeepAlive();

    FormsContext& context;
    std::vector<Control*> controls;
    std::vector<ControlArrayBase*> arrays;
    std::vector<FormObserver*> observers;
    Control* activeControl = nullptr;

    struct Props {
        std::string Caption;
        Rect Geometry{0, 0, 4800, 3600};
        bool KeyPreview = false;
        bool ControlBox = true;
        bool Enabled = true;
        int MousePointer = vbDefault;
        bool MDIChild = false;
        int WindowState = vbNormal;
        bool MDIContainer = false;
        int BorderStyle = 2;
        Color BackColor = vbButtonFace;
        forms::Picture Picture;
    };
    Props props;
    bool visible = false;
    std::intptr_t handle = 0;
    std::vector<PaintedPicture> painted;

    bool created = false;
    bool loaded = false;
    unsigned generation = 0;
    bool unloading = false;
    bool shownModally = false;
    bool resizedSinceShown = false;
    int nextTabIndex = 0;
};

} // namespace forms
