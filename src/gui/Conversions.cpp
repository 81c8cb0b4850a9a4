#include "gui/Conversions.h"

#include "platform/forms/Keyboard.h"

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <array>
#include <cmath>
#include <utility>

namespace gui {

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / forms::TwipsPerPixel));
}

int PixelsToTwips(int pixels) { return pixels * forms::TwipsPerPixel; }

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

namespace {

// System colour indexes and the palette entries that stand for them.
constexpr std::array<std::pair<forms::Color, QPalette::ColorRole>, 17> systemColors{{
    {forms::vbScrollBars, QPalette::Button},
    {forms::vbDesktop, QPalette::Dark},
    {forms::vbActiveTitleBar, QPalette::Highlight},
    {forms::vbMenuBar, QPalette::Window},
    {forms::vbWindowBackground, QPalette::Base},
    {forms::vbWindowFrame, QPalette::Shadow},
    {forms::vbMenuText, QPalette::WindowText},
    {forms::vbWindowText, QPalette::Text},
    {forms::vbApplicationWorkspace, QPalette::Mid},
    {forms::vbHighlight, QPalette::Highlight},
    {forms::vbHighlightText, QPalette::HighlightedText},
    {forms::vbButtonFace, QPalette::Button},
    {forms::vbButtonShadow, QPalette::Dark},
    {forms::vbGrayText, QPalette::PlaceholderText},
    {forms::vbButtonText, QPalette::ButtonText},
    {forms::vbInfoText, QPalette::ToolTipText},
    {forms::vbInfoBackground, QPalette::ToolTipBase},
}};

} // namespace

QColor ToQColor(forms::Color color, const QPalette& palette) {
    if (forms::IsSystemColor(color)) {
        for (const auto& [index, role] : systemColors)
            if (index == color)
                return palette.color(role);
        return palette.color(QPalette::Window);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

namespace {

// A picture file with the pixels of one colour made transparent.
QImage WithoutColor(const QString& path, QRgb masked) {
    QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == (masked & RGB_MASK))
                line[x] = 0;
    }
    return image;
}

} // namespace

QPixmap PixmapOf(const forms::Picture& picture) {
    if (picture.IsEmpty())
        return QPixmap();
    QPixmap shown(ToQString(picture.Path));
    if (shown.isNull() || picture.Overlays.empty())
        return shown;
    QPainter painter(&shown);
    for (const forms::PictureOverlay& overlay : picture.Overlays) {
        QColor masked = ToQColor(overlay.MaskColor, QGuiApplication::palette());
        painter.drawImage(0, 0, WithoutColor(ToQString(overlay.Path), masked.rgb()));
    }
    return shown;
}

QFont ToQFont(const forms::Font& font) {
    QFont shown = font.Name == "Courier New" || font.Name == "Courier" || font.Name == "Fixedsys"
                      ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                      : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (font.Name != "MS Sans Serif" && font.Name != "Courier New")
        shown.setFamilies({ToQString(font.Name), shown.family()});
    shown.setPointSizeF(font.Size);
    shown.setBold(font.Bold);
    shown.setItalic(font.Italic);
    shown.setUnderline(font.Underline);
    shown.setStrikeOut(font.Strikethrough);
    return shown;
}

namespace {

struct NamedKey {
    int QtKey;
    int KeyCode;
};

constexpr std::array<NamedKey, 17> namedKeys{{
    {Qt::Key_Backspace, forms::vbKeyBack},
    {Qt::Key_Tab, forms::vbKeyTab},
    {Qt::Key_Backtab, forms::vbKeyTab},
    {Qt::Key_Return, forms::vbKeyReturn},
    {Qt::Key_Enter, forms::vbKeyReturn},
    {Qt::Key_Escape, forms::vbKeyEscape},
    {Qt::Key_Space, forms::vbKeySpace},
    {Qt::Key_PageUp, forms::vbKeyPageUp},
    {Qt::Key_PageDown, forms::vbKeyPageDown},
    {Qt::Key_End, forms::vbKeyEnd},
    {Qt::Key_Home, forms::vbKeyHome},
    {Qt::Key_Left, forms::vbKeyLeft},
    {Qt::Key_Up, forms::vbKeyUp},
    {Qt::Key_Right, forms::vbKeyRight},
    {Qt::Key_Down, forms::vbKeyDown},
    {Qt::Key_Insert, forms::vbKeyInsert},
    {Qt::Key_Delete, forms::vbKeyDelete},
}};

} // namespace

int KeyCodeOf(const QKeyEvent& event) {
    int key = event.key();
    for (const NamedKey& named : namedKeys)
        if (named.QtKey == key)
            return named.KeyCode;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return forms::vbKeyF1 + (key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return forms::vbKeyA + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return forms::vbKey0 + (key - Qt::Key_0);
    if (key == Qt::Key_Shift)
        return forms::vbKeyShift;
    if (key == Qt::Key_Control)
        return forms::vbKeyControl;
    if (key == Qt::Key_Alt)
        return forms::vbKeyMenu;
    // Punctuation: Qt names the character the key typed; the keyboard table knows the key behind it.
    if (key > 0x20 && key < 0x7F)
        return forms::KeyStrokeFor(static_cast<char>(key)).KeyCode;
    return 0;
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift |= forms::vbShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier))
        shift |= forms::vbCtrlMask;
    if (modifiers.testFlag(Qt::AltModifier))
        shift |= forms::vbAltMask;
    return shift;
}

Qt::Alignment ToQtAlignment(int alignment) {
    switch (alignment) {
    case forms::vbRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case forms::vbCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

namespace {

// How many UTF-16 units the character starting at text[i] takes, and how many bytes; "\r\n" is one unit.
std::pair<int, int> CharacterAt(const std::string& text, std::size_t i) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        return {1, 2};
    if (lead >= 0xF0)
        return {2, 4};
    if (lead >= 0xE0)
        return {1, 3};
    if (lead >= 0xC0)
        return {1, 2};
    return {1, 1};
}

} // namespace

int WidgetPosition(const std::string& text, int bytePosition) {
    int units = 0;
    std::size_t i = 0;
    while (i < text.size() && static_cast<int>(i) < bytePosition) {
        auto [width, bytes] = CharacterAt(text, i);
        units += width;
        i += static_cast<std::size_t>(bytes);
    }
    return units;
}

int BytePosition(const std::string& text, int widgetPosition) {
    int units = 0;
    std::size_t i = 0;
    while (i < text.size() && units < widgetPosition) {
        auto [width, bytes] = CharacterAt(text, i);
        units += width;
        i += static_cast<std::size_t>(bytes);
    }
    return static_cast<int>(std::min(i, text.size()));
}

QString ToWidgetText(const std::string& text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowScrollBars(QAbstractScrollArea& area, int bars) {
    area.setHorizontalScrollBarPolicy((bars & 1) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy((bars & 2) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

} // namespace gui
