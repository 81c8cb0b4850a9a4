#include "platform/agent/QueuedCharacter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace agent;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// A stage the test drives: it notes what begins and is cancelled, and finishes a request when told to (or at once,
// like a stage with nothing to animate).
class TestStage : public Stage {
public:
    void Begin(const Request& request) override {
        log.push_back("begin " + request.Describe());
        if (finishAtOnce)
            character->Finished();
    }
    void Cancel() override { log.push_back("cancel"); }

    QueuedCharacter* character = nullptr;
    bool finishAtOnce = false;
    std::vector<std::string> log;
};

struct Figure {
    Figure() { stage.character = &character; }
    TestStage stage;
    QueuedCharacter character{"genie", stage};
};

// The announcement the ward's discharge poll queues.
void Announce(Character& genie) {
    genie.Show();
    genie.SetBalloonStyle(BalloonOn);
    genie.MoveTo(650, 450);
    genie.SetLanguageID(1033);
    genie.Play("announce");
    genie.Speak("There are available patients ready to be discharge.");
    genie.Speak(" Double click me to view the list.");
    genie.SetBalloonVisible(false);
    genie.Play("idle1_1");
}

TEST(QueuedCharacter, RequestsPlayOneAfterAnotherAsEachFinishes) {
    Figure figure;
    Announce(figure.character);
    EXPECT_THAT(figure.stage.log, ElementsAre("begin Show"));
    EXPECT_EQ(figure.character.Waiting().size(), 6u);
    // The settings do not wait their turn.
    EXPECT_EQ(figure.character.BalloonStyle(), BalloonOn);
    EXPECT_EQ(figure.character.LanguageID(), 1033);

    figure.character.Finished();
    EXPECT_EQ(figure.character.CurrentPose().X, 650);
    EXPECT_EQ(figure.character.CurrentPose().Y, 450);
    figure.character.Finished();
    EXPECT_EQ(figure.character.CurrentPose().Animation, "announce");
    figure.character.Finished();
    EXPECT_EQ(figure.character.CurrentPose().Animation, "");
    EXPECT_TRUE(figure.character.CurrentPose().BalloonVisible);
    EXPECT_EQ(figure.character.CurrentPose().BalloonText, "There are available patients ready to be discharge.");
    while (figure.character.Playing())
        figure.character.Finished();

    EXPECT_THAT(figure.stage.log, ElementsAre("begin Show", "begin MoveTo 650 450", "begin Play announce",
                                              "begin Speak There are available patients ready to be discharge.",
                                              "begin Speak  Double click me to view the list.", "begin Balloon hidden",
                                              "begin Play idle1_1"));
    EXPECT_TRUE(figure.character.CurrentPose().Visible);
    EXPECT_FALSE(figure.character.CurrentPose().BalloonVisible);
}

TEST(QueuedCharacter, AStageThatFinishesAtOnceStillPlaysInOrder) {
    Figure figure;
    figure.stage.finishAtOnce = true;
    Announce(figure.character);
    EXPECT_EQ(figure.stage.log.size(), 7u);
    EXPECT_EQ(figure.stage.log.back(), "begin Play idle1_1");
    EXPECT_FALSE(figure.character.Playing());
    EXPECT_THAT(figure.character.Waiting(), IsEmpty());
}

TEST(QueuedCharacter, StopEmptiesTheQueueAndEndsTheRequestPlaying) {
    Figure figure;
    Announce(figure.character);
    figure.character.Finished();
    figure.character.Finished();
    figure.character.Finished();
    ASSERT_EQ(figure.character.Playing()->What, Request::Kind::Speak);

    figure.character.Stop();
    EXPECT_FALSE(figure.character.Playing());
    EXPECT_THAT(figure.character.Waiting(), IsEmpty());
    EXPECT_EQ(figure.stage.log.back(), "cancel");
    EXPECT_FALSE(figure.character.CurrentPose().BalloonVisible);
    // A late word from the stage about the cancelled request changes nothing.
    figure.character.Finished();
    EXPECT_EQ(figure.stage.log.back(), "cancel");

    // What comes after the stop plays at once.
    figure.character.Hide();
    EXPECT_EQ(figure.stage.log.back(), "begin Hide");
    EXPECT_FALSE(figure.character.CurrentPose().Visible);

    // Stopping an idle character cancels nothing.
    figure.character.Finished();
    figure.character.Stop();
    EXPECT_EQ(figure.stage.log.back(), "begin Hide");
}

struct BalloonCase {
    const char* name;
    int style;
    bool shownWhileSpeaking;
    bool shownAfterSpeaking;
};

class BalloonStyles : public testing::TestWithParam<BalloonCase> {};

TEST_P(BalloonStyles, TheStyleDecidesWhetherTheBalloonShowsAndStays) {
    Figure figure;
    figure.character.SetBalloonStyle(GetParam().style);
    figure.character.Speak("Hello");
    EXPECT_EQ(figure.character.CurrentPose().BalloonVisible, GetParam().shownWhileSpeaking);
    figure.character.Finished();
    EXPECT_EQ(figure.character.CurrentPose().BalloonVisible, GetParam().shownAfterSpeaking);
    figure.character.SetBalloonVisible(false);
    EXPECT_FALSE(figure.character.CurrentPose().BalloonVisible);
}

INSTANTIATE_TEST_SUITE_P(QueuedCharacter, BalloonStyles,
                         testing::Values(BalloonCase{"Off", 0, false, false},
                                         BalloonCase{"OnStaysUntilHidden", BalloonOn, true, true},
                                         BalloonCase{"OnAndAutoHide", BalloonOn | BalloonAutoHide, true, false}),
                         [](const testing::TestParamInfo<BalloonCase>& info) { return info.param.name; });

} // namespace
