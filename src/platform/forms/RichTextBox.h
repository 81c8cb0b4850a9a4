#pragma once

#include "platform/forms/Controls.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

// The character formatting of a stretch of rich text.
struct TextFormat {
    std::string FontName = "MS Sans Serif";
    double FontSize = 8.25;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    Color ForeColor = vbBlack;
    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

// A stretch of text in one format.
struct TextRun {
    std::string Text;
    TextFormat Format;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// A text box whose text carries character formatting, kept as runs. Text is built through the selection: set the
// Sel... properties (with no selection they apply to what is typed or set as SelText next), then SelText.
// Positions count bytes, as the text box does.
class RichTextBox : public Control {
public:
    RichTextBox(Form& form, std::string name);

    std::string Text() const;
    // Replaces everything with plain text in the control's font; Change when the text differs.
    void SetText(const std::string& value);
    int SelStart() const { return selStart; }
    void SetSelStart(int value);
    int SelLength() const { return selLength; }
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection with text in the insertion format; the caret goes after it.
    void SetSelText(const std::string& value);

    // The selection's format: of its first character, or what the next insertion takes when nothing is selected.
    std::string SelFontName() const { return SelectionFormat().FontName; }
    void SetSelFontName(const std::string& value);
    double SelFontSize() const { return SelectionFormat().FontSize; }
    void SetSelFontSize(double value);
    bool SelBold() const { return SelectionFormat().Bold; }
    void SetSelBold(bool value);
    bool SelItalic() const { return SelectionFormat().Italic; }
    void SetSelItalic(bool value);
    bool SelUnderline() const { return SelectionFormat().Underline; }
    void SetSelUnderline(bool value);
    forms::Color SelColor() const { return SelectionFormat().ForeColor; }
    void SetSelColor(forms::Color value);

    // The text as formatted runs, neighbours of one format merged.
    const std::vector<TextRun>& Runs() const { return runs; }

    bool Locked() const { return props.Locked; }
    void SetLocked(bool value);
    forms::Color BackColor() const { return props.BackColor; }
    void SetBackColor(forms::Color value);
    int ScrollBars() const { return props.ScrollBars; }
    void SetScrollBars(int value);
    const forms::Font& Font() const { return props.Font; }
    // The control's font: the format of plain text set through Text.
    void SetFont(const forms::Font& value);

    bool CanHoldFocus() const override { return true; }
    void UserKeyPress(int KeyAscii) override;
    void ResetProperties() override;

    Event<> Change;
    Event<> SelChange;

private:
    struct Props {
        bool Locked = false;
        forms::Color BackColor = vbWindowBackground;
        int ScrollBars = 0;
        forms::Font Font;
    };
    int Length() const;
    TextFormat PlainFormat() const;
    TextFormat SelectionFormat() const;
    // The format of the character at a position, or the plain format past the end of an empty text.
    TextFormat FormatAt(int position) const;
    // Splits runs so that a run starts at position; the index of that run.
    std::size_t SplitAt(int position);
    void Merge();
    void ChangeSelectionFormat(const std::function<void(TextFormat&)>& change);
    void ReplaceSelection(const std::string& value);
    void FollowCaret();

    std::vector<TextRun> runs;
    int selStart = 0;
    int selLength = 0;
    TextFormat insertion;
    Props props;
};

} // namespace forms
