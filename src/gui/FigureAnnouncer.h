#pragma once

#include "platform/agent/Announcer.h"
#include "platform/agent/QueuedCharacter.h"

#include <QWidget>

#include <string>

namespace forms {
class FormsContext;
}

namespace gui {

// The announcer of the desktop. Each character is a figure of our own: a frameless window that stays on top, drawn
// with a word balloon above it. Its requests play in turn on timers: a Speak keeps its words in the balloon for a
// time that grows with the text, a Play holds the figure's raised arms and the animation's name for a beat, a move
// glides. The character file must exist (it marks the character as installed) though the figure is drawn, not read
// from it. A double-click on the figure raises DblClick through the windows' dispatch, so an error in the handler
// is shown as any handler's is.
class FigureAnnouncer : public agent::Announcer {
public:
    explicit FigureAnnouncer(forms::FormsContext& context);
    ~FigureAnnouncer() override;

    // Every request's time multiplied by this, for characters loaded afterwards (1 on the desktop; tests play
    // faster).
    void SetPace(double value) { pace = value; }
    // The figure's window and the queue of a loaded character.
    QWidget& FigureOf(const std::string& characterID);
    const agent::QueuedCharacter& QueueOf(const std::string& characterID);

protected:
    std::unique_ptr<agent::Character> MakeCharacter(const std::string& characterID, const std::string& file) override;

private:
    forms::FormsContext& context;
    double pace = 1.0;
};

// How long a request plays on the desktop, in milliseconds; 0 is at once.
int PlayingTime(const agent::Request& request);

} // namespace gui
