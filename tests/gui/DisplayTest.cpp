#include "GuiTestWindows.h"
#include "gui/Conversions.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/SysInfo.h"
#include "testkit/ScratchFolder.h"

#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QScreen>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using testing::ElementsAre;

namespace {

class frmDisplayWatch : public forms::Form {
public:
    explicit frmDisplayWatch(GuiApp& app) : Form(app.Forms) {
        SysInfo1.DisplayChanged = [this, &app] {
            app.log.push_back("DisplayChanged " + std::to_string(SysInfo1.WorkAreaWidth()));
        };
    }
    forms::SysInfo SysInfo1{*this, "SysInfo1"};
    forms::ImageList ImageList1{*this, "ImageList1"};
    forms::CommandButton cmdOK{*this, "cmdOK"};

private:
    void Design() override {
        ImageList1.Add(forms::Picture{"transfer.bmp"});
        cmdOK.Move(120, 120, 1200, 360);
    }
};

// A red picture, named as the program names its pictures.
std::string RedPicture(const testkit::ScratchFolder& folder, const std::string& name) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.save(QString::fromStdString((folder.Path() / name).string()), "PNG");
    return folder.ProgramPath(name);
}

QColor MiddleOfFrame(GuiApp& app, mdiMain& main) {
    QMdiArea* area = app.host.WindowOf(main)->MdiArea();
    QApplication::processEvents();
    QImage image = area->viewport()->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(Display, TheWorkAreaIsThePrimaryScreensAvailableGeometryInTwips) {
    GuiApp app;
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    forms::WorkArea area = app.host.WorkArea();
    EXPECT_EQ(area.Left, available.left() * 15);
    EXPECT_EQ(area.Top, available.top() * 15);
    EXPECT_EQ(area.Width, available.width() * 15);
    EXPECT_EQ(area.Height, available.height() * 15);
    auto& form = app.Forms.Get<frmDisplayWatch>();
    EXPECT_EQ(form.SysInfo1.WorkAreaWidth(), area.Width);
}

TEST(Display, AScreenChangeReachesTheLoadedSysInfoControls) {
    GuiApp app;
    auto& form = app.Forms.Get<frmDisplayWatch>();
    form.Show();
    QScreen* screen = QGuiApplication::primaryScreen();
    emit screen->availableGeometryChanged(screen->availableGeometry());
    form.Unload();
    emit screen->availableGeometryChanged(screen->availableGeometry());
    EXPECT_THAT(app.log, ElementsAre("DisplayChanged " + std::to_string(screen->availableGeometry().width() * 15)));
}

TEST(Display, ImageListsAndSysInfoAreNeverShown) {
    GuiApp app;
    auto& form = app.Forms.Get<frmDisplayWatch>();
    form.Show();
    EXPECT_EQ(app.WidgetOf(form.SysInfo1), nullptr);
    EXPECT_EQ(app.WidgetOf(form.ImageList1), nullptr);
    EXPECT_NE(app.WidgetOf(form.cmdOK), nullptr);
}

TEST(Display, TheMainWindowsPictureFillsTheFrameBehindItsChildren) {
    GuiApp app;
    testkit::ScratchFolder folder("display");
    auto& main = OpenMainWindow(app);
    QColor plain = MiddleOfFrame(app, main);
    EXPECT_NE(plain, QColor(Qt::red));
    main.SetPicture(forms::LoadPicture(RedPicture(folder, "Main Menu1.png")));
    EXPECT_EQ(MiddleOfFrame(app, main), QColor(Qt::red));
    // Stretched to cover the whole frame, corners too.
    QMdiArea* area = app.host.WindowOf(main)->MdiArea();
    QImage image = area->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(Qt::red));
    main.SetPicture(forms::Picture{});
    EXPECT_EQ(MiddleOfFrame(app, main), plain);
}

TEST(Display, APictureFileTheDisplayCannotReadLeavesTheFramePlain) {
    GuiApp app;
    testkit::ScratchFolder folder("display");
    folder.Write("Main Menu1.jpg", "not a picture");
    auto& main = OpenMainWindow(app);
    QColor plain = MiddleOfFrame(app, main);
    main.SetPicture(forms::LoadPicture(folder.ProgramPath("Main Menu1.jpg")));
    EXPECT_EQ(MiddleOfFrame(app, main), plain);
}

TEST(DisplayDeathTest, EndLeavesAtOnceWithItsStatusAfterFlushingOutput) {
    testkit::ScratchFolder folder("end");
    std::filesystem::path file = folder.Path() / "output.txt";
    EXPECT_EXIT(
        {
            GuiApp app;
            std::FILE* out = std::fopen(file.c_str(), "w");
            std::fputs("written before the end", out);
            app.host.End();
        },
        testing::ExitedWithCode(gui::QtHost::EndExitStatus), "");
    std::ifstream written(file);
    std::string text;
    std::getline(written, text);
    EXPECT_EQ(text, "written before the end");
}

} // namespace
