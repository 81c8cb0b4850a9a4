#pragma once

#include <string>

namespace agent {

// An announcing character on the screen. Show, Hide, MoveTo, Play, Speak and hiding or showing the word balloon
// are requests: they wait their turn and play one after another. Stop drops the waiting requests and ends the one
// playing. The language and the balloon's style take effect at once.
class Character {
public:
    virtual ~Character() = default;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Stop() = 0;
    // A position on the screen in pixels: the figure's top left corner.
    virtual void MoveTo(int x, int y) = 0;
    virtual void Play(const std::string& animation) = 0;
    virtual void Speak(const std::string& text) = 0;
    virtual void SetLanguageID(int value) = 0;
    // BalloonOn shows spoken text in the balloon; AutoHide hides it again once the speech is done.
    virtual void SetBalloonStyle(int value) = 0;
    virtual void SetBalloonVisible(bool value) = 0;
};

inline constexpr int BalloonOn = 1;
inline constexpr int BalloonAutoHide = 4;

} // namespace agent
