#pragma once

#include "platform/agent/Character.h"

#include <deque>
#include <optional>
#include <string>

namespace agent {

// One request of a character, waiting or playing.
struct Request {
    enum class Kind { Show, Hide, MoveTo, Play, Speak, Balloon };
    Kind What = Kind::Show;
    int X = 0;
    int Y = 0;
    // The animation played or the text spoken.
    std::string Text;
    // Whether the balloon is shown (Balloon).
    bool On = false;

    // "Show", "MoveTo 650 450", "Play announce", "Speak Hello", "Balloon hidden".
    std::string Describe() const;
    friend bool operator==(const Request&, const Request&) = default;
};

// How the character looks once the requests played so far have had their effect.
struct Pose {
    bool Visible = false;
    int X = 0;
    int Y = 0;
    // The animation playing now, or "".
    std::string Animation;
    bool BalloonVisible = false;
    std::string BalloonText;
};

// What plays requests on the display. Begin starts one; the stage calls the character's Finished when it is done,
// at once or later. Cancel ends the one playing now (Stop).
class Stage {
public:
    virtual ~Stage() = default;
    virtual void Begin(const Request& request) = 0;
    virtual void Cancel() = 0;
    // The pose changed: draw it.
    virtual void PoseChanged() {}
};

// A character whose requests wait in a queue and play in turn on a stage: each begins once the one before it has
// finished. A request takes its effect on the pose when it begins (a Speak shows its text in the balloon, when
// the balloon style says so).
class QueuedCharacter : public Character {
public:
    QueuedCharacter(std::string id, Stage& stage);

    void Show() override;
    void Hide() override;
    void Stop() override;
    void MoveTo(int x, int y) override;
    void Play(const std::string& animation) override;
    void Speak(const std::string& text) override;
    void SetLanguageID(int value) override { languageID = value; }
    void SetBalloonStyle(int value) override { balloonStyle = value; }
    void SetBalloonVisible(bool value) override;

    const std::string& ID() const { return id; }
    int LanguageID() const { return languageID; }
    int BalloonStyle() const { return balloonStyle; }
    const Pose& CurrentPose() const { return pose; }
    // The request playing now and those waiting behind it.
    const std::optional<Request>& Playing() const { return playing; }
    const std::deque<Request>& Waiting() const { return waiting; }

    // The stage is done with the request playing: the next one begins.
    void Finished();

private:
    void Enqueue(Request request);
    void BeginWaiting();
    void TakeEffect(const Request& request);
    void EndSpeech();

    std::string id;
    Stage& stage;
    int languageID = 1033;
    int balloonStyle = BalloonOn | BalloonAutoHide;
    Pose pose;
    std::optional<Request> playing;
    std::deque<Request> waiting;
    bool beginning = false;
};

} // namespace agent
