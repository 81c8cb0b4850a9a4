#pragma once

#include "gui/ControlView.h"
#include "platform/forms/Controls.h"

class QLineEdit;
class QPlainTextEdit;

namespace gui {

// A text box: a line edit, or a plain text edit when multi-line. The widget never edits on its own: every key goes
// through the model, which changes Text, SelStart and SelLength, and the widget shows them. What the mouse selects
// goes back into SelStart and SelLength.
class TextBoxView : public ControlView {
public:
    TextBoxView(forms::TextBox& textBox, FormWindow& window);

    bool NeedsRebuild(std::string_view property) const override;
    bool ClicksOnRelease() const override { return true; }
    void TypeText(const std::string& text) override;
    void ClipboardKey(int KeyCode) override;

protected:
    void Show(std::string_view property) override;

private:
    void ShowText();
    void ShowSelection();
    void SelectionChangedByUser(int anchor, int position);
    // Inserts text at the selection as typing it would, within MaxLength.
    void InsertTyped(std::string text);

    forms::TextBox& textBox;
    bool multiLine;
    QLineEdit* line = nullptr;
    QPlainTextEdit* lines = nullptr;
};

} // namespace gui
