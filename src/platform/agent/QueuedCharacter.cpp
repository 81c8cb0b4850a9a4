#include "platform/agent/QueuedCharacter.h"

namespace agent {

std::string Request::Describe() const {
    switch (What) {
    case Kind::Show:
        return "Show";
    case Kind::Hide:
        return "Hide";
    case Kind::MoveTo:
        return "MoveTo " + std::to_string(X) + " " + std::to_string(Y);
    case Kind::Play:
        return "Play " + Text;
    case Kind::Speak:
        return "Speak " + Text;
    case Kind::Balloon:
        return On ? "Balloon shown" : "Balloon hidden";
    }
    return "";
}

QueuedCharacter::QueuedCharacter(std::string id, Stage& stage) : id(std::move(id)), stage(stage) {}

namespace {

Request Of(Request::Kind what, std::string text = {}) {
    Request request;
    request.What = what;
    request.Text = std::move(text);
    return request;
}

} // namespace

void QueuedCharacter::Show() { Enqueue(Of(Request::Kind::Show)); }
void QueuedCharacter::Hide() { Enqueue(Of(Request::Kind::Hide)); }
void QueuedCharacter::Play(const std::string& animation) { Enqueue(Of(Request::Kind::Play, animation)); }
void QueuedCharacter::Speak(const std::string& text) { Enqueue(Of(Request::Kind::Speak, text)); }

void QueuedCharacter::MoveTo(int x, int y) {
    Request request = Of(Request::Kind::MoveTo);
    request.X = x;
    request.Y = y;
    Enqueue(std::move(request));
}

void QueuedCharacter::SetBalloonVisible(bool value) {
    Request request = Of(Request::Kind::Balloon);
    request.On = value;
    Enqueue(std::move(request));
}

void QueuedCharacter::Stop() {
    waiting.clear();
    if (!playing)
        return;
    bool speaking = playing->What == Request::Kind::Speak;
    playing.reset();
    stage.Cancel();
    // A speech cut short takes its words with it, whatever the balloon's style; an animation cut short ends.
    if (speaking)
        pose.BalloonVisible = false;
    pose.Animation.clear();
    stage.PoseChanged();
}

void QueuedCharacter::Finished() {
    if (!playing)
        return;
    if (playing->What == Request::Kind::Speak)
        EndSpeech();
    if (playing->What == Request::Kind::Play)
        pose.Animation.clear();
    playing.reset();
    stage.PoseChanged();
    if (!beginning)
        BeginWaiting();
}

void QueuedCharacter::Enqueue(Request request) {
    waiting.push_back(std::move(request));
    if (!playing && !beginning)
        BeginWaiting();
}

void QueuedCharacter::BeginWaiting() {
    // A stage may finish a request inside Begin: the loop, not a nested call, takes the next one.
    beginning = true;
    while (!playing && !waiting.empty()) {
        playing = waiting.front();
        waiting.pop_front();
        TakeEffect(*playing);
        stage.PoseChanged();
        stage.Begin(*playing);
    }
    beginning = false;
}

void QueuedCharacter::TakeEffect(const Request& request) {
    switch (request.What) {
    case Request::Kind::Show:
        pose.Visible = true;
        break;
    case Request::Kind::Hide:
        pose.Visible = false;
        pose.BalloonVisible = false;
        break;
    case Request::Kind::MoveTo:
        pose.X = request.X;
        pose.Y = request.Y;
        break;
    case Request::Kind::Play:
        pose.Animation = request.Text;
        break;
    case Request::Kind::Speak:
        pose.BalloonText = request.Text;
        pose.BalloonVisible = (balloonStyle & BalloonOn) != 0;
        break;
    case Request::Kind::Balloon:
        pose.BalloonVisible = request.On && !pose.BalloonText.empty();
        break;
    }
}

void QueuedCharacter::EndSpeech() {
    if ((balloonStyle & BalloonAutoHide) != 0)
        pose.BalloonVisible = false;
}

} // namespace agent
