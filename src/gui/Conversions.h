#pragma once

#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"
#include "platform/forms/Picture.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QString>

#include <string>

class QAbstractScrollArea;
class QKeyEvent;

namespace gui {

// Twips to pixels and back, at the density the windows were drawn for.
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

// The model's texts are UTF-8.
QString ToQString(const std::string& text);
std::string ToUtf8(const QString& text);

// A platform colour (&H00BBGGRR, or a system colour index with the high bit set) as the display shows it.
QColor ToQColor(forms::Color color, const QPalette& palette);

// A picture as the display draws it: its file, then each overlay with the pixels of its mask colour left out. A file
// the display cannot read draws nothing.
QPixmap PixmapOf(const forms::Picture& picture);

// A font as the model names it; the platform's proportional and fixed-pitch fonts fall back to the system's own.
QFont ToQFont(const forms::Font& font);

// A key of the keyboard as the model counts it: the platform's key code (0 for a key it has none for) and the
// Shift argument of key events.
int KeyCodeOf(const QKeyEvent& event);
int ShiftOf(Qt::KeyboardModifiers modifiers);

// Scroll bars as the model's ScrollBars property gives them: 0 none, 1 horizontal, 2 vertical, 3 both.
void ShowScrollBars(QAbstractScrollArea& area, int bars);

// Alignment of text boxes and labels.
Qt::Alignment ToQtAlignment(int alignment);

// A position in a text as the model counts it (bytes of UTF-8, a line break as "\r\n") and as the widget counts
// it (UTF-16 units, a line break as "\n").
int WidgetPosition(const std::string& text, int bytePosition);
int BytePosition(const std::string& text, int widgetPosition);
// A multi-line text as the widget shows it: "\r\n" becomes "\n".
QString ToWidgetText(const std::string& text);

} // namespace gui
