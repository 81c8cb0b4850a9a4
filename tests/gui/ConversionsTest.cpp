#include "gui/Conversions.h"

#include <QApplication>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(ConversionsTest, TwipsAndPixels) {
    EXPECT_EQ(gui::TwipsToPixels(0), 0);
    EXPECT_EQ(gui::TwipsToPixels(15), 1);
    EXPECT_EQ(gui::TwipsToPixels(4800), 320);
    EXPECT_EQ(gui::TwipsToPixels(22), 1);
    EXPECT_EQ(gui::TwipsToPixels(23), 2);
    EXPECT_EQ(gui::PixelsToTwips(320), 4800);
}

TEST(ConversionsTest, ColoursAreBlueGreenRed) {
    QPalette palette = QApplication::palette();
    EXPECT_EQ(gui::ToQColor(forms::RGB(255, 128, 0), palette), QColor(255, 128, 0));
    EXPECT_EQ(gui::ToQColor(forms::vbBlue, palette), QColor(0, 0, 255));
    EXPECT_EQ(gui::ToQColor(forms::vbWindowBackground, palette), palette.color(QPalette::Base));
    EXPECT_EQ(gui::ToQColor(forms::vbButtonFace, palette), palette.color(QPalette::Button));
}

TEST(ConversionsTest, CourierNewFallsBackToAFixedPitchFont) {
    forms::Font font;
    font.Name = "Courier New";
    font.Size = 10;
    font.Bold = true;
    QFont shown = gui::ToQFont(font);
    EXPECT_TRUE(QFontInfo(shown).fixedPitch());
    EXPECT_TRUE(shown.bold());
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 10.0);
}

// Positions count bytes of UTF-8 and "\r\n" in the model, UTF-16 units and "\n" in the widget.
TEST(ConversionsTest, TextPositions) {
    std::string text = "Ren\xC3\xA9\r\nB";
    EXPECT_EQ(gui::WidgetPosition(text, 3), 3);
    EXPECT_EQ(gui::WidgetPosition(text, 5), 4);
    EXPECT_EQ(gui::WidgetPosition(text, 7), 5);
    EXPECT_EQ(gui::BytePosition(text, 4), 5);
    EXPECT_EQ(gui::BytePosition(text, 5), 7);
    EXPECT_EQ(gui::BytePosition(text, 99), 8);
    EXPECT_EQ(gui::ToWidgetText(text), QString::fromUtf8("Ren\xC3\xA9\nB"));
}

} // namespace
