#include "platform/forms/Controls.h"

#include "platform/forms/Form.h"
#include "platform/forms/FormsContext.h"
#include "platform/vb/VbError.h"

#include <algorithm>
#include <filesystem>

namespace forms {

Picture LoadPicture(const std::string& path) {
    if (path.empty())
        return Picture{};
    std::string local = LocalPath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(local, error))
        throw vb::VbError(53, "File not found");
    return Picture{local};
}

std::string LocalPath(const std::string& path) {
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

// TextBox

TextBox::TextBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::TextBox) {}

void TextBox::SetText(std::string value) {
    props.SelStart = 0;
    props.SelLength = 0;
    if (Update(props.Text, std::move(value), "Text"))
        Raise(Change);
}

void TextBox::SetSelStart(int value) {
    int length = static_cast<int>(props.Text.size());
    if (value < 0)
        vb::RaiseInvalidProcedureCall();
    Update(props.SelStart, std::min(value, length), "SelStart");
    Update(props.SelLength, 0, "SelLength");
}

void TextBox::SetSelLength(int value) {
    if (value < 0)
        vb::RaiseInvalidProcedureCall();
    int room = static_cast<int>(props.Text.size()) - props.SelStart;
    Update(props.SelLength, std::min(value, room), "SelLength");
}

std::string TextBox::SelText() const {
    return props.Text.substr(static_cast<std::size_t>(props.SelStart), static_cast<std::size_t>(props.SelLength));
}

void TextBox::SetSelText(const std::string& value) { ReplaceSelection(value); }

void TextBox::ReplaceSelection(const std::string& value) {
    std::string text = props.Text;
    text.replace(static_cast<std::size_t>(props.SelStart), static_cast<std::size_t>(props.SelLength), value);
    int caret = props.SelStart + static_cast<int>(value.size());
    bool changed = Update(props.Text, std::move(text), "Text");
    Update(props.SelStart, caret, "SelStart");
    Update(props.SelLength, 0, "SelLength");
    if (changed)
        Raise(Change);
}

void TextBox::SetMaxLength(int value) { Update(props.MaxLength, value, "MaxLength"); }
void TextBox::SetLocked(bool value) { Update(props.Locked, value, "Locked"); }
void TextBox::SetMultiLine(bool value) { Update(props.MultiLine, value, "MultiLine"); }
void TextBox::SetPasswordChar(char value) { Update(props.PasswordChar, value, "PasswordChar"); }
void TextBox::SetAlignment(int value) { Update(props.Alignment, value, "Alignment"); }
void TextBox::SetForeColor(Color value) { Update(props.ForeColor, value, "ForeColor"); }
void TextBox::SetBackColor(Color value) { Update(props.BackColor, value, "BackColor"); }
void TextBox::SetFont(const forms::Font& value) { Update(props.Font, value, "Font"); }

void TextBox::UserKeyDown(int KeyCode, int Shift) {
    (void)Shift;
    int length = static_cast<int>(props.Text.size());
    switch (KeyCode) {
    case vbKeyDelete:
        if (props.Locked)
            return;
        if (props.SelLength == 0 && props.SelStart < length)
            props.SelLength = 1;
        ReplaceSelection("");
        return;
    case vbKeyHome:
        SetSelStart(0);
        return;
    case vbKeyEnd:
        SetSelStart(length);
        return;
    case vbKeyLeft:
        SetSelStart(std::max(0, props.SelStart - 1));
        return;
    case vbKeyRight:
        SetSelStart(std::min(length, props.SelStart + props.SelLength + 1));
        return;
    default:
        return;
    }
}

void TextBox::UserKeyPress(int KeyAscii) {
    if (props.Locked)
        return;
    if (KeyAscii == vbKeyBack) {
        if (props.SelLength == 0 && props.SelStart > 0) {
            props.SelStart -= 1;
            props.SelLength = 1;
        }
        ReplaceSelection("");
        return;
    }
    std::string typed;
    if (KeyAscii == vbKeyReturn) {
        if (!props.MultiLine)
            return;
        typed = "\r\n";
    } else if (KeyAscii >= 32 && KeyAscii <= 255) {
        typed = std::string(1, static_cast<char>(KeyAscii));
    } else {
        return;
    }
    std::size_t lengthAfter = props.Text.size() - static_cast<std::size_t>(props.SelLength) + typed.size();
    if (props.MaxLength > 0 && lengthAfter > static_cast<std::size_t>(props.MaxLength))
        return;
    ReplaceSelection(typed);
}

void TextBox::ResetProperties() {
    props = Props{};
    Control::ResetProperties();
}

// Captioned controls

CaptionedControl::CaptionedControl(Form& form, std::string name, ControlKind kind)
    : Control(form, std::move(name), kind) {}

void CaptionedControl::SetCaption(std::string value) {
    if (Update(look.Caption, std::move(value), "Caption"))
        CaptionChanged();
}
void CaptionedControl::SetForeColor(Color value) { Update(look.ForeColor, value, "ForeColor"); }
void CaptionedControl::SetBackColor(Color value) { Update(look.BackColor, value, "BackColor"); }
void CaptionedControl::SetFont(const forms::Font& value) { Update(look.Font, value, "Font"); }

void CaptionedControl::ResetProperties() {
    look = Look{};
    Control::ResetProperties();
}

// Label

Label::Label(Form& form, std::string name) : CaptionedControl(form, std::move(name), ControlKind::Label) {}

void Label::SetAlignment(int value) { Update(props.Alignment, value, "Alignment"); }
void Label::SetBackStyle(int value) { Update(props.BackStyle, value, "BackStyle"); }
void Label::SetWordWrap(bool value) { Update(props.WordWrap, value, "WordWrap"); }

void Label::ResetProperties() {
    props = Props{};
    CaptionedControl::ResetProperties();
}

// Captions with access keys

char AccessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        char key = caption[i + 1];
        return (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
    }
    return 0;
}

std::string DisplayedCaption(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        else if (caption[i] == '&')
            continue;
        shown += caption[i];
    }
    return shown;
}

// CommandButton

CommandButton::CommandButton(Form& form, std::string name)
    : CaptionedControl(form, std::move(name), ControlKind::CommandButton) {}

void CommandButton::TakeFromOthers(bool Props::*flag, bool value, std::string_view property) {
    if (value)
        for (Control* control : Parent().Controls())
            if (control != this && control->Kind() == ControlKind::CommandButton) {
                auto* other = static_cast<CommandButton*>(control);
                other->Update(other->props.*flag, false, property);
            }
    Update(props.*flag, value, property);
}

void CommandButton::SetDefault(bool value) { TakeFromOthers(&Props::Default, value, "Default"); }
void CommandButton::SetCancel(bool value) { TakeFromOthers(&Props::Cancel, value, "Cancel"); }

void CommandButton::SetValue(bool value) {
    if (value)
        Raise(Click);
}

void CommandButton::SetStyle(int value) { Update(props.Style, value, "Style"); }
void CommandButton::SetPicture(forms::Picture value) { Update(props.Picture, std::move(value), "Picture"); }

void CommandButton::UserKeyPress(int KeyAscii) {
    if (KeyAscii == vbKeySpace)
        Raise(Click);
}

void CommandButton::ResetProperties() {
    props = Props{};
    CaptionedControl::ResetProperties();
}

// CheckBox

CheckBox::CheckBox(Form& form, std::string name) : CaptionedControl(form, std::move(name), ControlKind::CheckBox) {}

void CheckBox::SetValue(int newValue) {
    if (newValue < vbUnchecked || newValue > vbGrayed)
        throw vb::VbError(380, "Invalid property value");
    if (Update(value, newValue, "Value"))
        Raise(Click);
}

void CheckBox::UserClick() { SetValue(value == vbUnchecked ? vbChecked : vbUnchecked); }

void CheckBox::UserKeyPress(int KeyAscii) {
    if (KeyAscii == vbKeySpace)
        UserClick();
}

void CheckBox::ResetProperties() {
    value = vbUnchecked;
    CaptionedControl::ResetProperties();
}

// OptionButton

OptionButton::OptionButton(Form& form, std::string name)
    : CaptionedControl(form, std::move(name), ControlKind::OptionButton) {}

void OptionButton::SetValue(bool newValue) {
    if (!newValue) {
        Update(value, false, "Value");
        return;
    }
    for (Control* control : Parent().Controls()) {
        if (control == this || control->Kind() != ControlKind::OptionButton)
            continue;
        if (control->Container() != Container() || control->ContainerPage() != ContainerPage())
            continue;
        auto* other = static_cast<OptionButton*>(control);
        other->Update(other->value, false, "Value");
    }
    if (Update(value, true, "Value"))
        Raise(Click);
}

void OptionButton::UserClick() {
    if (value)
        Raise(Click);
    else
        SetValue(true);
}

void OptionButton::UserKeyPress(int KeyAscii) {
    if (KeyAscii == vbKeySpace)
        UserClick();
}

void OptionButton::ResetProperties() {
    value = false;
    CaptionedControl::ResetProperties();
}

// Frame

Frame::Frame(Form& form, std::string name) : CaptionedControl(form, std::move(name), ControlKind::Frame) {}

// PictureBox

PictureBox::PictureBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::PictureBox) {}

void PictureBox::SetPicture(forms::Picture value) { Update(props.Picture, std::move(value), "Picture"); }
void PictureBox::SetBackColor(Color value) { Update(props.BackColor, value, "BackColor"); }
void PictureBox::SetBorderStyle(int value) { Update(props.BorderStyle, value, "BorderStyle"); }
void PictureBox::SetAutoSize(bool value) { Update(props.AutoSize, value, "AutoSize"); }

void PictureBox::ResetProperties() {
    props = Props{};
    Control::ResetProperties();
}

// Image

Image::Image(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Image) {}

void Image::SetPicture(forms::Picture value) { Update(props.Picture, std::move(value), "Picture"); }
void Image::SetStretch(bool value) { Update(props.Stretch, value, "Stretch"); }

void Image::ResetProperties() {
    props = Props{};
    Control::ResetProperties();
}

// Shape

Shape::Shape(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Shape) {}

void Shape::SetShapeKind(int value) { Update(props.ShapeKind, value, "Shape"); }
void Shape::SetBackColor(Color value) { Update(props.BackColor, value, "BackColor"); }
void Shape::SetBackStyle(int value) { Update(props.BackStyle, value, "BackStyle"); }
void Shape::SetBorderColor(Color value) { Update(props.BorderColor, value, "BorderColor"); }
void Shape::SetFillColor(Color value) { Update(props.FillColor, value, "FillColor"); }
void Shape::SetFillStyle(int value) { Update(props.FillStyle, value, "FillStyle"); }

void Shape::ResetProperties() {
    props = Props{};
    Control::ResetProperties();
}

// Timer

Timer::Timer(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Timer) {}

Timer::~Timer() {
    if (running)
        Parent().Context().GetHost().StopTimer(*this);
}

void Timer::SetInterval(int value) {
    if (value < 0 || value > 65535)
        throw vb::VbError(380, "Invalid property value");
    Update(props.Interval, value, "Interval");
}

void Timer::Tick() {
    if (running)
        Raise(TimerEvent);
}

void Timer::Synchronize() {
    bool shouldRun = Enabled() && props.Interval > 0 && Parent().IsLoaded();
    if (shouldRun == running)
        return;
    running = shouldRun;
    Host& host = Parent().Context().GetHost();
    if (running)
        host.StartTimer(*this);
    else
        host.StopTimer(*this);
}

void Timer::AfterChange(std::string_view property) {
    if (property == "Enabled" || property == "Interval" || property == "*")
        Synchronize();
}

void Timer::ResetProperties() {
    props = Props{};
    Control::ResetProperties();
}

// Menu

Menu::Menu(Form& form, std::string name) : Control(form, std::move(name), ControlKind::Menu) {}

Menu::Menu(Menu& parent, std::string name) : Menu(parent.Parent(), std::move(name)) { SetContainer(&parent); }

void Menu::SetCaption(std::string value) { Update(props.Caption, std::move(value), "Caption"); }
void Menu::SetChecked(bool value) { Update(props.Checked, value, "Checked"); }

Menu* Menu::ParentMenu() const {
    return Container() != nullptr && Container()->Kind() == ControlKind::Menu ? static_cast<Menu*>(Container())
                                                                              : nullptr;
}

std::vector<Menu*> Menu::Items() const {
    std::vector<Menu*> items;
    for (Control* control : Parent().Controls())
        if (control->Kind() == ControlKind::Menu && control->Container() == this)
            items.push_back(static_cast<Menu*>(control));
    return items;
}

void Menu::SetWindowList(bool value) { Update(props.WindowList, value, "WindowList"); }

std::vector<Form*> Menu::ListedWindows() const {
    std::vector<Form*> listed;
    if (!props.WindowList)
        return listed;
    for (Form* window : Parent().Context().LoadedForms())
        if (window->MDIChild() && window->Visible())
            listed.push_back(window);
    return listed;
}

void Menu::UserChooseWindow(Form& window) {
    std::vector<Form*> listed = ListedWindows();
    if (IsEffectivelyEnabled() && IsEffectivelyVisible() &&
        std::find(listed.begin(), listed.end(), &window) != listed.end())
        window.Show();
}

void Menu::UserClick() {
    if (IsEffectivelyEnabled() && IsEffectivelyVisible())
        Raise(Click);
}

void Menu::ResetProperties() {
    Control* parentMenu = Container();
    props = Props{};
    Control::ResetProperties();
    SetContainer(parentMenu);
}

} // namespace forms
