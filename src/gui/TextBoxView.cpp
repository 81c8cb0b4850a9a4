#include "gui/TextBoxView.h"

#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/TextSelection.h"
#include "platform/forms/Form.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace gui {

namespace {

// The longest start of text that is whole UTF-8 characters and at most room bytes.
std::string FitTo(std::string text, std::size_t room) {
    if (text.size() <= room)
        return text;
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut);
}

} // namespace

TextBoxView::TextBoxView(forms::TextBox& textBox, FormWindow& window)
    : ControlView(textBox, window), textBox(textBox), multiLine(textBox.MultiLine()) {
    if (multiLine) {
        lines = new QPlainTextEdit;
        lines->setTabChangesFocus(true);
        lines->setContextMenuPolicy(Qt::NoContextMenu);
        lines->setAcceptDrops(false);
        lines->setUndoRedoEnabled(false);
        QObject::connect(lines, &QPlainTextEdit::cursorPositionChanged, &window, [this] {
            QTextCursor cursor = lines->textCursor();
            SelectionChangedByUser(cursor.anchor(), cursor.position());
        });
        SetWidget(lines);
    } else {
        line = new QLineEdit;
        line->setContextMenuPolicy(Qt::NoContextMenu);
        line->setDragEnabled(false);
        line->setAcceptDrops(false);
        line->setFrame(true);
        auto selectionMoved = [this] {
            int position = line->cursorPosition();
            int anchor = position;
            if (line->hasSelectedText()) {
                int start = line->selectionStart();
                anchor = start == position ? start + line->selectionLength() : start;
            }
            SelectionChangedByUser(anchor, position);
        };
        QObject::connect(line, &QLineEdit::cursorPositionChanged, &window, selectionMoved);
        QObject::connect(line, &QLineEdit::selectionChanged, &window, selectionMoved);
        SetWidget(line);
    }
}

bool TextBoxView::NeedsRebuild(std::string_view property) const {
    return Is(property, "MultiLine") && textBox.MultiLine() != multiLine;
}

void TextBoxView::Show(std::string_view property) {
    QWidget* widget = Widget();
    if (Is(property, "Text"))
        ShowText();
    if (Is(property, "Text") || Is(property, "SelStart") || Is(property, "SelLength"))
        ShowSelection();
    if (Is(property, "Locked")) {
        if (line != nullptr)
            line->setReadOnly(textBox.Locked());
        else
            lines->setReadOnly(textBox.Locked());
    }
    if (Is(property, "PasswordChar") && line != nullptr)
        line->setEchoMode(textBox.PasswordChar() != 0 ? QLineEdit::Password : QLineEdit::Normal);
    if (Is(property, "Alignment") && line != nullptr)
        line->setAlignment(ToQtAlignment(textBox.Alignment()));
    if (Is(property, "ForeColor") || Is(property, "BackColor")) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, ToQColor(textBox.ForeColor(), QApplication::palette()));
        palette.setColor(QPalette::Base, ToQColor(textBox.BackColor(), QApplication::palette()));
        widget->setPalette(palette);
    }
    if (Is(property, "Font"))
        widget->setFont(ToQFont(textBox.Font()));
}

void TextBoxView::ShowText() {
    if (line != nullptr) {
        QString shown = ToQString(textBox.Text());
        if (line->text() != shown)
            line->setText(shown);
        return;
    }
    QString shown = ToWidgetText(textBox.Text());
    if (lines->toPlainText() != shown)
        lines->setPlainText(shown);
}

void TextBoxView::ShowSelection() {
    const std::string& text = textBox.Text();
    int start = WidgetPosition(text, textBox.SelStart());
    int end = WidgetPosition(text, textBox.SelStart() + textBox.SelLength());
    if (line != nullptr) {
        if (end > start)
            line->setSelection(start, end - start);
        else
            line->setCursorPosition(start);
        return;
    }
    QTextCursor cursor = lines->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    lines->setTextCursor(cursor);
}

void TextBoxView::SelectionChangedByUser(int anchor, int position) {
    if (Writing())
        return;
    TakeUserSelection(Window(), textBox, textBox.Text(), anchor, position);
}

void TextBoxView::TypeText(const std::string& text) {
    forms::Form& form = textBox.Parent();
    // The platform's key code of a character no key of the table types: its Latin-1 code, or "?" beyond.
    QString typed = ToQString(text);
    int KeyAscii = typed.size() == 1 && typed[0].unicode() < 0x100 ? typed[0].unicode() : '?';
    Window().Guard([&] {
        if (form.KeyPreview())
            form.Dispatch([&] { form.Form_KeyPress(KeyAscii); });
        if (KeyAscii != 0 && form.IsLoaded())
            textBox.Raise(textBox.KeyPress, KeyAscii);
        if (KeyAscii != 0 && form.IsLoaded() && !textBox.Locked())
            InsertTyped(text);
    });
}

void TextBoxView::InsertTyped(std::string text) {
    std::size_t kept = textBox.Text().size() - static_cast<std::size_t>(textBox.SelLength());
    std::size_t limit = static_cast<std::size_t>(textBox.MaxLength());
    if (limit > 0)
        text = FitTo(std::move(text), limit > kept ? limit - kept : 0);
    if (!text.empty())
        textBox.SetSelText(text);
}

void TextBoxView::ClipboardKey(int KeyCode) {
    QClipboard* clipboard = QApplication::clipboard();
    bool secret = textBox.PasswordChar() != 0;
    Window().Guard([&] {
        if ((KeyCode == 'C' || KeyCode == 'X') && !secret && textBox.SelLength() > 0)
            clipboard->setText(ToQString(textBox.SelText()));
        if (KeyCode == 'X' && !secret && !textBox.Locked() && textBox.SelLength() > 0)
            textBox.SetSelText("");
        if (KeyCode == 'V' && !textBox.Locked()) {
            QString pasted = clipboard->text();
            if (textBox.MultiLine())
                pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\n', QStringLiteral("\r\n"));
            else
                pasted = pasted.section('\n', 0, 0).remove('\r');
            InsertTyped(ToUtf8(pasted));
        }
    });
}

} // namespace gui
