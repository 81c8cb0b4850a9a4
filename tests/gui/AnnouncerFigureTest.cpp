#include "GuiTestWindows.h"
#include "gui/FigureAnnouncer.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/vb/VbError.h"
#include "testkit/ScratchFolder.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

using agent::Request;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

struct FigureApp {
    FigureApp() {
        folder.Write("genie.acs", "announcer");
        announcer.SetPace(0.02);
        announcer.DblClick = [this](const std::string& CharacterID) { app.log.push_back("DblClick " + CharacterID); };
    }
    std::string CharacterFile() const { return folder.ProgramPath("genie.acs"); }

    testkit::ScratchFolder folder{"figure"};
    GuiApp app;
    gui::FigureAnnouncer announcer{app.Forms};
};

// Seven requests: show, move, an animation, two speeches, the balloon hidden, an animation.
void Announce(agent::Character& genie) {
    genie.SetBalloonStyle(agent::BalloonOn);
    genie.Show();
    genie.MoveTo(650, 450);
    genie.Play("announce");
    for (const char* words :
         {"There are available patients ready to be discharge.", " Double click me to view the list."})
        genie.Speak(words);
    genie.SetBalloonVisible(false);
    genie.Play("idle1_1");
}

bool Reaches(const agent::QueuedCharacter& queue, Request::Kind kind) {
    return QTest::qWaitFor([&] { return queue.Playing() && queue.Playing()->What == kind; }, 5000);
}

// The figure stands at the bottom of its window, under the balloon.
QPoint OnTheFigure(const QWidget& figure) { return QPoint(figure.width() / 2, figure.height() - 60); }

TEST(AnnouncerFigure, RequestsPlayInTurnOnTimers) {
    FigureApp figureApp;
    figureApp.announcer.Load("genie", figureApp.CharacterFile());
    Announce(figureApp.announcer.Characters("Genie"));
    const agent::QueuedCharacter& queue = figureApp.announcer.QueueOf("genie");
    QWidget& figure = figureApp.announcer.FigureOf("GENIE");
    EXPECT_EQ(queue.Playing()->What, Request::Kind::Show);
    EXPECT_EQ(queue.Waiting().size(), 6u);
    EXPECT_TRUE(figure.isVisible());

    ASSERT_TRUE(Reaches(queue, Request::Kind::Speak));
    EXPECT_EQ(queue.CurrentPose().BalloonText, "There are available patients ready to be discharge.");
    EXPECT_TRUE(queue.CurrentPose().BalloonVisible);
    EXPECT_EQ(queue.CurrentPose().X, 650);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !queue.Playing(); }, 5000));
    EXPECT_THAT(queue.Waiting(), IsEmpty());
    EXPECT_FALSE(queue.CurrentPose().BalloonVisible);
    EXPECT_TRUE(figure.isVisible());
}

TEST(AnnouncerFigure, StopEmptiesTheQueueAndHideTakesTheFigureAway) {
    FigureApp figureApp;
    figureApp.announcer.Load("genie", figureApp.CharacterFile());
    agent::Character& genie = figureApp.announcer.Characters("genie");
    Announce(genie);
    const agent::QueuedCharacter& queue = figureApp.announcer.QueueOf("genie");
    ASSERT_TRUE(Reaches(queue, Request::Kind::Play));
    genie.Stop();
    EXPECT_FALSE(queue.Playing());
    EXPECT_THAT(queue.Waiting(), IsEmpty());
    genie.Hide();
    EXPECT_FALSE(figureApp.announcer.FigureOf("genie").isVisible());
    // Nothing queued before the stop plays later.
    QTest::qWait(100);
    EXPECT_FALSE(queue.Playing());
    EXPECT_FALSE(queue.CurrentPose().Visible);
}

TEST(AnnouncerFigure, ADoubleClickOnTheFigureRaisesDblClickWithTheIDAsLoaded) {
    FigureApp figureApp;
    figureApp.announcer.Load("genie", figureApp.CharacterFile());
    figureApp.announcer.Characters("GENIE").Show();
    QWidget& figure = figureApp.announcer.FigureOf("genie");
    QTest::mouseDClick(&figure, Qt::LeftButton, Qt::NoModifier, OnTheFigure(figure));
    // The balloon is not the character.
    QTest::mouseDClick(&figure, Qt::LeftButton, Qt::NoModifier, QPoint(figure.width() / 2, 10));
    EXPECT_THAT(figureApp.app.log, ElementsAre("DblClick genie"));
}

TEST(AnnouncerFigure, AnErrorInTheDoubleClickHandlerIsShownLikeAnyHandlersError) {
    FigureApp figureApp;
    figureApp.announcer.Load("genie", figureApp.CharacterFile());
    figureApp.announcer.DblClick = [](const std::string&) { throw std::runtime_error("Disk full"); };
    figureApp.announcer.Characters("genie").Show();
    QWidget& figure = figureApp.announcer.FigureOf("genie");
    QTest::mouseDClick(&figure, Qt::LeftButton, Qt::NoModifier, OnTheFigure(figure));
    EXPECT_THAT(figureApp.app.log, ElementsAre("error: Disk full"));
}

TEST(AnnouncerFigure, UnloadingTheCharacterFromItsOwnDoubleClickIsSafe) {
    FigureApp figureApp;
    figureApp.announcer.Load("genie", figureApp.CharacterFile());
    figureApp.announcer.DblClick = [&figureApp](const std::string& CharacterID) {
        figureApp.announcer.Unload(CharacterID);
    };
    figureApp.announcer.Characters("genie").Show();
    QWidget& figure = figureApp.announcer.FigureOf("genie");
    QTest::mouseDClick(&figure, Qt::LeftButton, Qt::NoModifier, OnTheFigure(figure));
    EXPECT_FALSE(figureApp.announcer.IsLoaded("genie"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AnnouncerFigure, AMissingCharacterFileRaisesAndLoadsNothing) {
    FigureApp figureApp;
    std::string missing = figureApp.folder.ProgramPath("merlin.acs");
    try {
        figureApp.announcer.Load("merlin", missing);
        FAIL() << "a character without its file was loaded";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Number(), 53);
        EXPECT_EQ(error.Description(), "File not found: " + missing);
    }
    EXPECT_FALSE(figureApp.announcer.IsLoaded("merlin"));
}

TEST(AnnouncerFigure, ScreenshotOfTheBalloon) {
    FigureApp figureApp;
    figureApp.announcer.Load("genie", figureApp.CharacterFile());
    agent::Character& genie = figureApp.announcer.Characters("genie");
    genie.SetBalloonStyle(agent::BalloonOn);
    genie.Show();
    genie.MoveTo(900, 600);
    genie.Speak("There are available patients ready to be discharge.");
    const agent::QueuedCharacter& queue = figureApp.announcer.QueueOf("genie");
    ASSERT_TRUE(Reaches(queue, Request::Kind::Speak));
    genie.Stop();
    // Stopped mid-speech the balloon goes; speak again with the balloon kept, then picture it.
    genie.Speak(" Double click me to view the list.");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !queue.Playing(); }, 5000));
    ASSERT_TRUE(queue.CurrentPose().BalloonVisible);

    std::string path = guitest::ScreenshotPath("announcer_balloon");
    ASSERT_TRUE(gui::SaveScreenshot(figureApp.announcer.FigureOf("genie"), path));
    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    // The balloon's pale yellow fills its middle.
    QColor middle = image.pixelColor(image.width() / 4, 30);
    EXPECT_EQ(middle, QColor(255, 255, 225));
}

} // namespace
