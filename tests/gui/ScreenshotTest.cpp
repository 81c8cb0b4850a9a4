#include "gui/Screenshot.h"
#include "GuiTestWindows.h"
#include "gui/Conversions.h"
#include "gui/main/ScreenshotPath.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using guitest::ScreenshotPath;

// Renders a window as the user sees it; the pictures land in the build tree to look at.
TEST(ScreenshotTest, RendersAWindowToPng) {
    GuiApp app;
    auto& form = app.Forms.Get<dlgPatientName>();
    form.txtName.SetText("SMITH, JOHN");
    form.chkUrgent.SetValue(forms::vbChecked);
    std::string path = ScreenshotPath("dlgPatientName");

    ASSERT_TRUE(gui::SaveScreenshot(app.host, form, path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), gui::TwipsToPixels(form.ScaleWidth()));
    EXPECT_GE(image.height(), gui::TwipsToPixels(form.ScaleHeight()));
    // Not a blank picture: the text box's white field and the dark text both show.
    bool dark = false;
    for (int y = 0; y < image.height() && !dark; ++y)
        for (int x = 0; x < image.width() && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 64;
    EXPECT_TRUE(dark);
}

TEST(ScreenshotTest, RendersTheMainWindowWithAChildInside) {
    GuiApp app;
    auto& main = OpenMainWindow(app);
    auto& child = app.Forms.Get<frmChild>();
    child.txtNote.SetText("Bed 4: blood pressure at 10:00\r\nBed 5: discharge letter");
    child.Show();
    std::string path = ScreenshotPath("mdiMain");
    ASSERT_TRUE(gui::SaveScreenshot(app.host, main, path));
    EXPECT_EQ(QImage(QString::fromStdString(path)).width(), gui::TwipsToPixels(main.ScaleWidth()));
}

} // namespace

#include "WardTestWindow.h"

namespace {

TEST(ScreenshotTest, RendersAGridATabControlAndAList) {
    GuiApp app;
    auto& form = app.Forms.Get<frmWard>();
    form.Show();
    form.grdPatients.SetRow(2);
    form.grdPatients.SetCol(1);
    form.grdPatients.SetCellBackColor(forms::vbYellow);
    form.grdPatients.SetCellFontBold(true);
    form.lstTasks.SetSelected(0, true);
    std::string path = ScreenshotPath("frmWard");
    ASSERT_TRUE(gui::SaveScreenshot(app.host, form, path));
    EXPECT_EQ(QImage(QString::fromStdString(path)).width(), gui::TwipsToPixels(form.ScaleWidth()));
}

} // namespace
