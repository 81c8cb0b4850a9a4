#include "platform/forms/RichTextBox.h"

#include "platform/vb/VbError.h"

#include <algorithm>

namespace forms {

RichTextBox::RichTextBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::RichTextBox) {
    insertion = PlainFormat();
}

TextFormat RichTextBox::PlainFormat() const {
    TextFormat format;
    format.FontName = props.Font.Name;
    format.FontSize = props.Font.Size;
    format.Bold = props.Font.Bold;
    format.Italic = props.Font.Italic;
    format.Underline = props.Font.Underline;
    return format;
}

int RichTextBox::Length() const {
    int length = 0;
    for (const TextRun& run : runs)
        length += static_cast<int>(run.Text.size());
    return length;
}

std::string RichTextBox::Text() const {
    std::string text;
    for (const TextRun& run : runs)
        text += run.Text;
    return text;
}

void RichTextBox::SetText(const std::string& value) {
    std::string before = Text();
    runs.clear();
    if (!value.empty())
        runs.push_back(TextRun{value, PlainFormat()});
    selStart = 0;
    selLength = 0;
    insertion = FormatAt(0);
    Notify("SelStart");
    if (before != value) {
        Notify("Text");
        Raise(Change);
    }
}

TextFormat RichTextBox::FormatAt(int position) const {
    int start = 0;
    for (const TextRun& run : runs) {
        int end = start + static_cast<int>(run.Text.size());
        if (position < end)
            return run.Format;
        start = end;
    }
    return runs.empty() ? PlainFormat() : runs.back().Format;
}

TextFormat RichTextBox::SelectionFormat() const { return selLength > 0 ? FormatAt(selStart) : insertion; }

// What is typed at the caret takes the format of the character before it.
void RichTextBox::FollowCaret() { insertion = FormatAt(selStart > 0 ? selStart - 1 : 0); }

void RichTextBox::SetSelStart(int value) {
    if (value < 0)
        vb::RaiseInvalidProcedureCall();
    selStart = std::min(value, Length());
    selLength = 0;
    FollowCaret();
    Notify("SelStart");
    Raise(SelChange);
}

void RichTextBox::SetSelLength(int value) {
    if (value < 0)
        vb::RaiseInvalidProcedureCall();
    selLength = std::min(value, Length() - selStart);
    FollowCaret();
    Notify("SelLength");
    Raise(SelChange);
}

std::string RichTextBox::SelText() const {
    return Text().substr(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
}

std::size_t RichTextBox::SplitAt(int position) {
    int start = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        int length = static_cast<int>(runs[i].Text.size());
        if (position == start)
            return i;
        if (position < start + length) {
            std::size_t cut = static_cast<std::size_t>(position - start);
            TextRun tail{runs[i].Text.substr(cut), runs[i].Format};
            runs[i].Text.erase(cut);
            runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return i + 1;
        }
        start += length;
    }
    return runs.size();
}

void RichTextBox::Merge() {
    std::vector<TextRun> merged;
    for (TextRun& run : runs) {
        if (run.Text.empty())
            continue;
        if (!merged.empty() && merged.back().Format == run.Format)
            merged.back().Text += run.Text;
        else
            merged.push_back(std::move(run));
    }
    runs = std::move(merged);
}

void RichTextBox::ReplaceSelection(const std::string& value) {
    std::size_t first = SplitAt(selStart);
    std::size_t last = SplitAt(selStart + selLength);
    runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(first), runs.begin() + static_cast<std::ptrdiff_t>(last));
    if (!value.empty())
        runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(first), TextRun{value, insertion});
    Merge();
    bool changed = selLength > 0 || !value.empty();
    selStart += static_cast<int>(value.size());
    selLength = 0;
    Notify("SelStart");
    if (changed) {
        Notify("Text");
        Raise(Change);
    }
}

void RichTextBox::SetSelText(const std::string& value) {
    if (selLength > 0)
        insertion = FormatAt(selStart);
    ReplaceSelection(value);
}

void RichTextBox::ChangeSelectionFormat(const std::function<void(TextFormat&)>& change) {
    change(insertion);
    if (selLength == 0)
        return;
    std::size_t first = SplitAt(selStart);
    std::size_t last = SplitAt(selStart + selLength);
    for (std::size_t i = first; i < last; ++i)
        change(runs[i].Format);
    Merge();
    Notify("Runs");
}

void RichTextBox::SetSelFontName(const std::string& value) {
    ChangeSelectionFormat([&value](TextFormat& format) { format.FontName = value; });
}
void RichTextBox::SetSelFontSize(double value) {
    if (value <= 0)
        throw vb::VbError(380, "Invalid property value");
    ChangeSelectionFormat([value](TextFormat& format) { format.FontSize = value; });
}
void RichTextBox::SetSelBold(bool value) {
    ChangeSelectionFormat([value](TextFormat& format) { format.Bold = value; });
}
void RichTextBox::SetSelItalic(bool value) {
    ChangeSelectionFormat([value](TextFormat& format) { format.Italic = value; });
}
void RichTextBox::SetSelUnderline(bool value) {
    ChangeSelectionFormat([value](TextFormat& format) { format.Underline = value; });
}
void RichTextBox::SetSelColor(forms::Color value) {
    ChangeSelectionFormat([value](TextFormat& format) { format.ForeColor = value; });
}

void RichTextBox::SetLocked(bool value) { Update(props.Locked, value, "Locked"); }
void RichTextBox::SetBackColor(forms::Color value) { Update(props.BackColor, value, "BackColor"); }
void RichTextBox::SetScrollBars(int value) { Update(props.ScrollBars, value, "ScrollBars"); }

void RichTextBox::SetFont(const forms::Font& value) {
    if (Update(props.Font, value, "Font") && runs.empty())
        insertion = PlainFormat();
}

void RichTextBox::UserKeyPress(int KeyAscii) {
    if (props.Locked)
        return;
    if (KeyAscii == vbKeyBack) {
        if (selLength == 0 && selStart > 0) {
            --selStart;
            selLength = 1;
        }
        ReplaceSelection("");
        return;
    }
    if (KeyAscii == vbKeyReturn)
        ReplaceSelection("\r\n");
    else if (KeyAscii >= 32 && KeyAscii <= 255)
        ReplaceSelection(std::string(1, static_cast<char>(KeyAscii)));
}

void RichTextBox::ResetProperties() {
    props = Props{};
    runs.clear();
    selStart = 0;
    selLength = 0;
    insertion = PlainFormat();
    Control::ResetProperties();
}

} // namespace forms
