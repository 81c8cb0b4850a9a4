#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Picture.h"

#include <string>
#include <vector>

namespace forms {

class TextBox : public Control {
public:
    TextBox(Form& form, std::string name);

    const std::string& Text() const { return props.Text; }
    // Raises Change when the text differs; the caret goes to the start.
    void SetText(std::string value);
    int SelStart() const { return props.SelStart; }
    void SetSelStart(int value);
    int SelLength() const { return props.SelLength; }
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection (Change when that alters the text) and puts the caret after the new text.
    void SetSelText(const std::string& value);
    // Limits what the user types; code may set a longer text. 0 is no limit.
    int MaxLength() const { return props.MaxLength; }
    void SetMaxLength(int value);
    bool Locked() const { return props.Locked; }
    void SetLocked(bool value);
    bool MultiLine() const { return props.MultiLine; }
    void SetMultiLine(bool value);
    char PasswordChar() const { return props.PasswordChar; }
    void SetPasswordChar(char value);
    int Alignment() const { return props.Alignment; }
    void SetAlignment(int value);
    Color ForeColor() const { return props.ForeColor; }
    void SetForeColor(Color value);
    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    const forms::Font& Font() const { return props.Font; }
    void SetFont(const forms::Font& value);

    bool CanHoldFocus() const override { return true; }
    void UserKeyDown(int KeyCode, int Shift) override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

    Event<> Change;

private:
    struct Props {
        std::string Text;
        int SelStart = 0;
        int SelLength = 0;
        int MaxLength = 0;
        bool Locked = false;
        bool MultiLine = false;
        char PasswordChar = 0;
        int Alignment = vbLeftJustify;
        Color ForeColor = vbWindowText;
        Color BackColor = vbWindowBackground;
        forms::Font Font;
    };
    void ReplaceSelection(const std::string& value);
    Props props;
};

// What captioned controls share: the caption, colours and font.
class CaptionedControl : public Control {
public:
    const std::string& Caption() const { return look.Caption; }
    void SetCaption(std::string value);
    Color ForeColor() const { return look.ForeColor; }
    void SetForeColor(Color value);
    Color BackColor() const { return look.BackColor; }
    void SetBackColor(Color value);
    const forms::Font& Font() const { return look.Font; }
    void SetFont(const forms::Font& value);
    void ResetProperties() override;

protected:
    CaptionedControl(Form& form, std::string name, ControlKind kind);
    // Called when the caption changed.
    virtual void CaptionChanged() {}

private:
    struct Look {
        std::string Caption;
        Color ForeColor = vbButtonText;
        Color BackColor = vbButtonFace;
        forms::Font Font;
    };
    Look look;
};

class Label : public CaptionedControl {
public:
    Label(Form& form, std::string name);

    int Alignment() const { return props.Alignment; }
    void SetAlignment(int value);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return props.BackStyle; }
    void SetBackStyle(int value);
    bool WordWrap() const { return props.WordWrap; }
    void SetWordWrap(bool value);
    void ResetProperties() override;

    // Raised when the caption changes, by code as by anything else.
    Event<> Change;

protected:
    void CaptionChanged() override { Raise(Change); }

private:
    struct Props {
        int Alignment = vbLeftJustify;
        int BackStyle = 1;
        bool WordWrap = false;
    };
    Props props;
};

// The letter after a single "&" of a caption, upper-cased, or 0; "&&" is a literal "&".
char AccessKeyOf(const std::string& caption);
// A caption as the user reads it: access-key marks removed, "&&" shown as "&".
std::string DisplayedCaption(const std::string& caption);

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& form, std::string name);

    // The button Enter presses; making one button the default takes it from the others of the form.
    bool Default() const { return props.Default; }
    void SetDefault(bool value);
    // The button Escape presses; one per form as with Default.
    bool Cancel() const { return props.Cancel; }
    void SetCancel(bool value);
    // Setting Value to true clicks the button, as code did to press it.
    void SetValue(bool value);
    // 0 standard, 1 graphical (BackColor and Picture show only then).
    int Style() const { return props.Style; }
    void SetStyle(int value);
    const forms::Picture& Picture() const { return props.Picture; }
    void SetPicture(forms::Picture value);

    bool CanHoldFocus() const override { return true; }
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

private:
    struct Props {
        bool Default = false;
        bool Cancel = false;
        int Style = 0;
        forms::Picture Picture;
    };
    // Makes this button the only one of the form with the flag set.
    void TakeFromOthers(bool Props::*flag, bool value, std::string_view property);
    Props props;
};

class CheckBox : public CaptionedControl {
public:
    CheckBox(Form& form, std::string name);

    // vbUnchecked, vbChecked or vbGrayed; a change raises Click, from code as from the user.
    int Value() const { return value; }
    void SetValue(int value);

    bool CanHoldFocus() const override { return true; }
    void UserClick() override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

private:
    int value = vbUnchecked;
};

class OptionButton : public CaptionedControl {
public:
    OptionButton(Form& form, std::string name);

    // Setting it on turns off every other option button of the same container, whatever array they belong to,
    // and raises Click on this one.
    bool Value() const { return value; }
    void SetValue(bool value);

    bool CanHoldFocus() const override { return true; }
    void UserClick() override;
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

private:
    bool value = false;
};

// A captioned container; disabling or hiding it takes its children along.
class Frame : public CaptionedControl {
public:
    Frame(Form& form, std::string name);
};

// A container that shows a picture and raises Paint when it must be drawn.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name);

    const forms::Picture& Picture() const { return props.Picture; }
    void SetPicture(forms::Picture value);
    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    int BorderStyle() const { return props.BorderStyle; }
    void SetBorderStyle(int value);
    bool AutoSize() const { return props.AutoSize; }
    void SetAutoSize(bool value);

    bool CanHoldFocus() const override { return TabStop(); }
    void ResetProperties() override;

    // Raised by the display whenever the box must be drawn.
    Event<> Paint;

private:
    struct Props {
        forms::Picture Picture;
        Color BackColor = vbButtonFace;
        int BorderStyle = 1;
        bool AutoSize = false;
    };
    Props props;
};

class Image : public Control {
public:
    Image(Form& form, std::string name);

    const forms::Picture& Picture() const { return props.Picture; }
    void SetPicture(forms::Picture value);
    bool Stretch() const { return props.Stretch; }
    void SetStretch(bool value);
    void ResetProperties() override;

private:
    struct Props {
        forms::Picture Picture;
        bool Stretch = false;
    };
    Props props;
};

class Shape : public Control {
public:
    Shape(Form& form, std::string name);

    // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
    int ShapeKind() const { return props.ShapeKind; }
    void SetShapeKind(int value);
    Color BackColor() const { return props.BackColor; }
    void SetBackColor(Color value);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return props.BackStyle; }
    void SetBackStyle(int value);
    Color BorderColor() const { return props.BorderColor; }
    void SetBorderColor(Color value);
    Color FillColor() const { return props.FillColor; }
    void SetFillColor(Color value);
    // 0 solid, 1 transparent, ...
    int FillStyle() const { return props.FillStyle; }
    void SetFillStyle(int value);
    void ResetProperties() override;

private:
    struct Props {
        int ShapeKind = 0;
        Color BackColor = vbWindowBackground;
        int BackStyle = 0;
        Color BorderColor = vbWindowText;
        Color FillColor = vbBlack;
        int FillStyle = 1;
    };
    Props props;
};

// Raises Timer every Interval milliseconds while Enabled, Interval is above 0 and its form is loaded; the host
// keeps the time.
class Timer : public Control {
public:
    Timer(Form& form, std::string name);
    ~Timer() override;

    int Interval() const { return props.Interval; }
    void SetInterval(int value);
    bool TimerEnabled() const { return Enabled(); }
    void SetTimerEnabled(bool value) { SetEnabled(value); }
    // Whether the host is counting for it now.
    bool IsRunning() const { return running; }
    // One tick, as the host delivers it.
    void Tick();
    // Starts or stops the host's counting to match Enabled, Interval and the form's state.
    void Synchronize();

    bool HasGeometry() const override { return false; }
    void ResetProperties() override;

    Event<> TimerEvent;

protected:
    void AfterChange(std::string_view property) override;

private:
    struct Props {
        int Interval = 0;
    };
    Props props;
    bool running = false;
};

// A menu item of the form's menu bar or of a pop-up menu; an item holds the items of its sub-menu.
class Menu : public Control {
public:
    Menu(Form& form, std::string name);
    Menu(Menu& parent, std::string name);

    const std::string& Caption() const { return props.Caption; }
    void SetCaption(std::string value);
    bool Checked() const { return props.Checked; }
    void SetChecked(bool value);
    Menu* ParentMenu() const;
    std::vector<Menu*> Items() const;
    // A caption of "-" is a separator line.
    bool IsSeparator() const { return props.Caption == "-"; }
    // A menu that lists the main window's open child windows below its own items; choosing one brings it forward.
    bool WindowList() const { return props.WindowList; }
    void SetWindowList(bool value);
    // The child windows the list offers now: loaded, shown and inside the main window, in the order they loaded.
    std::vector<Form*> ListedWindows() const;
    void UserChooseWindow(Form& window);

    bool HasGeometry() const override { return false; }
    void UserClick() override;
    void ResetProperties() override;

private:
    struct Props {
        std::string Caption;
        bool Checked = false;
        bool WindowList = false;
    };
    Props props;
};

} // namespace forms
