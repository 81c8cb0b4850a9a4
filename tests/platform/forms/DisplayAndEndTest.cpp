#include "TestWindows.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/forms/SysInfo.h"
#include "testkit/ScratchFolder.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

using namespace forms;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// A main frame in small: a picture store, the display's information, and ways to end the program from a handler.
class frmFrame : public Form {
public:
    explicit frmFrame(TestApp& app) : Form(app.Forms), app(app) {
        SysInfo1.DisplayChanged = [this] { SysInfo1_DisplayChanged(); };
        tmrEnd.TimerEvent = [this] { End(); };
        cmdEnd.Click = [this] { cmdEnd_Click(); };
    }
    ImageList ImageList1{*this, "ImageList1"};
    SysInfo SysInfo1{*this, "SysInfo1"};
    Timer tmrEnd{*this, "tmrEnd"};
    CommandButton cmdEnd{*this, "cmdEnd"};

    bool EndWhileLoading = false;
    bool Trapped = false;
    int StepsAfterEnd = 0;
    int Unloads = 0;
    // Another window the display change unloads first, when set.
    Form* CloseOnDisplayChange = nullptr;

private:
    void Design() override {
        ImageList1.Add(forms::Picture{"discharge.bmp"});
        ImageList1.Add(forms::Picture{"claim.bmp"});
        ImageList1.Add(forms::Picture{"transfer.bmp"});
        tmrEnd.SetInterval(1000);
        cmdEnd.Move(120, 120, 1200, 360);
    }
    void Form_Load() override {
        if (EndWhileLoading)
            End();
    }
    void Form_Unload(int&) override { ++Unloads; }
    void SysInfo1_DisplayChanged() {
        if (CloseOnDisplayChange != nullptr)
            CloseOnDisplayChange->Unload();
        app.log.push_back(Name() + " sees " + std::to_string(SysInfo1.WorkAreaWidth()) + " x " +
                          std::to_string(SysInfo1.WorkAreaHeight()) + " at " + std::to_string(SysInfo1.WorkAreaLeft()) +
                          ", " + std::to_string(SysInfo1.WorkAreaTop()));
    }
    void cmdEnd_Click() {
        // An error trap of the window's own catches errors, not the end of the program.
        try {
            End();
        } catch (const std::exception&) {
            Trapped = true;
        }
    }
    void End() {
        Context().GetHost().End();
        ++StepsAfterEnd;
    }
    TestApp& app;
};

class frmPatientList : public frmFrame {
public:
    using frmFrame::frmFrame;
};

TEST(FormPictures, APicturePathBuiltWithBackslashesIsFound) {
    testkit::ScratchFolder folder("pictures");
    folder.Write("Main Menu1.jpg", "jpeg");
    Picture picture = LoadPicture(folder.ProgramPath("Main Menu1.jpg"));
    EXPECT_EQ(picture.Path, (folder.Path() / "Main Menu1.jpg").string());
    std::string text;
    EXPECT_EQ(VbErrorOf([&] { LoadPicture(folder.ProgramPath("Main Menu2.jpg")); }, &text), 53);
    EXPECT_EQ(text, "File not found");
    EXPECT_TRUE(LoadPicture("").IsEmpty());
}

TEST(FormPictures, TheWindowsPictureIsAPropertyThatAnUnloadPutsBack) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    form.SetPicture(forms::Picture{"Main Menu1.jpg"});
    EXPECT_EQ(form.Picture().Path, "Main Menu1.jpg");
    form.Unload();
    EXPECT_TRUE(form.Picture().IsEmpty());
}

// Stamps its picture once more at each paint than at the one before, one stamp to the right of the other.
class frmStamps : public Form {
public:
    explicit frmStamps(TestApp& app) : Form(app.Forms) {}
    int Paints = 0;

private:
    void Form_Paint() override {
        ++Paints;
        for (int stamp = 0; stamp < Paints; ++stamp)
            PaintPicture(forms::Picture{"stamp.png"}, stamp * 480, 60);
    }
};

TEST(FormPictures, EachPaintStartsCleanAndKeepsWhatItsHandlerDrew) {
    TestApp app;
    auto& form = app.Forms.Get<frmStamps>();
    form.PaintPicture(Picture{"before.png"}, 0, 0);
    EXPECT_THAT(form.PaintedPictures(), ElementsAre(PaintedPicture{Picture{"before.png"}, 0, 0}));
    form.Refresh();
    form.RaisePaint();
    EXPECT_THAT(form.PaintedPictures(), ElementsAre(PaintedPicture{Picture{"stamp.png"}, 0, 60},
                                                    PaintedPicture{Picture{"stamp.png"}, 480, 60}));
    form.Unload();
    EXPECT_THAT(form.PaintedPictures(), IsEmpty());
    // An unloaded window is not painted.
    form.RaisePaint();
    EXPECT_EQ(form.Paints, 2);
}

TEST(FormHandles, EveryLoadedWindowHasAHandleOfItsOwn) {
    TestApp app;
    auto& frame = app.Forms.Get<frmFrame>();
    auto& list = app.Forms.Get<frmPatientList>();
    auto separate = app.Forms.New<frmFrame>();
    separate->Load();
    std::set<std::intptr_t> handles{frame.hWnd(), list.hWnd(), separate->hWnd()};
    EXPECT_EQ(handles.size(), 3u);
    EXPECT_EQ(handles.count(0), 0u);
    std::intptr_t before = list.hWnd();
    EXPECT_EQ(list.hWnd(), before);
    list.Unload();
    list.Load();
    EXPECT_NE(list.hWnd(), before);
    EXPECT_EQ(handles.count(list.hWnd()), 0u);
}

TEST(ImageLists, PicturesCountFromOneAndAnUnloadKeepsTheDesignedOnes) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    EXPECT_EQ(form.ImageList1.Count(), 3);
    EXPECT_EQ(form.ImageList1.ListImage(3).Path, "transfer.bmp");
    std::string text;
    EXPECT_EQ(VbErrorOf([&] { form.ImageList1.ListImage(0); }, &text), 35600);
    EXPECT_EQ(text, "Index out of bounds");
    EXPECT_EQ(VbErrorOf([&] { form.ImageList1.ListImage(4); }), 35600);
    form.ImageList1.Add(forms::Picture{"extra.bmp"});
    form.Unload();
    form.Load();
    EXPECT_EQ(form.ImageList1.Count(), 3);
}

TEST(ImageLists, AnOverlayLaysTheSecondPictureOverTheFirstWithTheMaskColourOfThatMoment) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    EXPECT_EQ(form.ImageList1.MaskColor(), 0xC0C0C0u);
    Picture grey = form.ImageList1.Overlay(1, 2);
    form.ImageList1.SetMaskColor(vbWhite);
    Picture white = form.ImageList1.Overlay(3, 2);
    EXPECT_EQ(grey, (Picture{"discharge.bmp", {{"claim.bmp", 0xC0C0C0}}}));
    EXPECT_EQ(white, (Picture{"transfer.bmp", {{"claim.bmp", vbWhite}}}));
    EXPECT_NE(white, form.ImageList1.ListImage(3)) << "an overlay is another picture than its base";
    EXPECT_EQ(form.ImageList1.ListImage(3).Overlays.size(), 0u) << "the list's own picture stays as it was";
    form.Unload();
    form.Load();
    EXPECT_EQ(form.ImageList1.MaskColor(), 0xC0C0C0u);
}

TEST(ImageLists, AnOverlayOfAPictureTheListDoesNotHaveRaisesItsIndexError) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    const std::pair<int, int> outside[] = {{0, 1}, {1, 0}, {4, 1}, {1, 4}};
    for (auto [index, overIndex] : outside) {
        std::string text;
        EXPECT_EQ(VbErrorOf([&] { form.ImageList1.Overlay(index, overIndex); }, &text), 35600)
            << index << " under " << overIndex;
        EXPECT_EQ(text, "Index out of bounds");
    }
}

TEST(ImageLists, NeitherAnImageListNorSysInfoTakesPlaceOnTheWindow) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    // Where the designer happened to leave them does not matter.
    form.ImageList1.Move(120, 120, 480, 480);
    form.SysInfo1.Move(240, 240, 480, 480);
    EXPECT_FALSE(form.ImageList1.HasGeometry());
    EXPECT_FALSE(form.SysInfo1.HasGeometry());
    EXPECT_THAT(FindOverlaps(form), IsEmpty());
}

TEST(SysInfoControls, TheWorkAreaIsReadFromTheHostAtEachCall) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    app.host.SetWorkArea(WorkArea{0, 0, 12000, 8595});
    EXPECT_EQ(form.SysInfo1.WorkAreaWidth(), 12000);
    app.host.SetWorkArea(WorkArea{900, 30, 15360, 11070});
    EXPECT_EQ(form.SysInfo1.WorkAreaLeft(), 900);
    EXPECT_EQ(form.SysInfo1.WorkAreaTop(), 30);
    EXPECT_EQ(form.SysInfo1.WorkAreaWidth(), 15360);
    EXPECT_EQ(form.SysInfo1.WorkAreaHeight(), 11070);
}

TEST(SysInfoControls, ADisplayChangeReachesEverySysInfoOfTheLoadedWindows) {
    TestApp app;
    app.Forms.Get<frmFrame>();
    auto& list = app.Forms.Get<frmPatientList>();
    app.host.ChangeDisplay(WorkArea{0, 0, 12000, 8595});
    list.Unload();
    app.host.ChangeDisplay(WorkArea{0, 450, 19200, 15750});
    EXPECT_THAT(app.log, ElementsAre("frmFrame sees 12000 x 8595 at 0, 0", "frmPatientList sees 12000 x 8595 at 0, 0",
                                     "frmFrame sees 19200 x 15750 at 0, 450"));
}

TEST(SysInfoControls, AWindowUnloadedByAnotherWindowsHandlerNoLongerHearsTheChange) {
    TestApp app;
    auto& frame = app.Forms.Get<frmFrame>();
    auto& list = app.Forms.Get<frmPatientList>();
    frame.CloseOnDisplayChange = &list;
    app.host.ChangeDisplay(WorkArea{0, 0, 12000, 8595});
    EXPECT_FALSE(list.IsLoaded());
    EXPECT_THAT(app.log, ElementsAre("frmFrame sees 12000 x 8595 at 0, 0"));
}

TEST(ProgramEnd, EndingWhileLoadingStopsTheLoadAndUnloadsNothing) {
    TestApp app;
    auto& form = app.Forms.Instance<frmFrame>();
    form.EndWhileLoading = true;
    EXPECT_THROW(app.Forms.Get<frmFrame>(), ProgramEnded);
    EXPECT_TRUE(app.host.Ended());
    EXPECT_EQ(form.StepsAfterEnd, 0);
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.Unloads, 0);
}

TEST(ProgramEnd, AnErrorTrapOfTheHandlerDoesNotCatchTheEnd) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    form.Show();
    EXPECT_FALSE(app.host.Run([&] { testkit::Click(form.cmdEnd); }));
    EXPECT_TRUE(app.host.Ended());
    EXPECT_FALSE(form.Trapped);
    EXPECT_EQ(form.StepsAfterEnd, 0);
    EXPECT_TRUE(app.host.MessageBoxes().empty());
}

TEST(ProgramEnd, ATimerThatEndsTheProgramStopsThereAndTheHostTakesTheEnd) {
    TestApp app;
    auto& form = app.Forms.Get<frmFrame>();
    form.tmrEnd.SetEnabled(true);
    app.host.FireTimer(form.tmrEnd);
    EXPECT_TRUE(app.host.Ended());
    EXPECT_EQ(form.StepsAfterEnd, 0);
    EXPECT_EQ(form.Unloads, 0);
}

} // namespace
