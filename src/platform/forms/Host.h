#pragma once

#include "platform/forms/Constants.h"

#include <string>
#include <vector>

namespace forms {

class Form;
class FormsContext;
class Menu;
class Timer;

// The program's name: the title of a message box that gives none.
inline constexpr const char* ProgramTitle = "Tessun Nurse";

// One message box as a window asks for it. Buttons holds the button set, icon and default button added together.
struct MessageBoxRequest {
    std::string Prompt;
    int Buttons = vbOKOnly;
    std::string Title;

    int ButtonSet() const { return Buttons & 0x7; }
    int Icon() const { return Buttons & 0x70; }
    // The answers the box offers, in the order its buttons stand.
    std::vector<int> Answers() const;
    // The answer of the default button (the first one unless vbDefaultButton2 or 3 says otherwise).
    int DefaultAnswer() const;
    bool Offers(int answer) const;
};

// The part of the screen windows may use (the desktop less the task bar), in twips.
struct WorkArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    friend bool operator==(const WorkArea&, const WorkArea&) = default;
};

// Thrown by a host whose End cannot stop the process (the test kit's): it passes through every handler's dispatch
// unshown, so nothing more of the program runs. It is no std::exception, so a handler's own error trap lets it by.
struct ProgramEnded {};

// What the display does for the windows. The Qt binding implements it for the desktop, the test kit's scripted host
// for the tests; windows never reach the display by any other way.
class Host {
public:
    virtual ~Host() = default;

    virtual int MsgBox(const MessageBoxRequest& request) = 0;
    // Shows a window that was made visible and returns at once.
    virtual void ShowModeless(Form& form) = 0;
    // Runs until the window is hidden or unloaded; the user works it meanwhile.
    virtual void RunModal(Form& form) = 0;
    // Runs the event loop while the program's main window, shown modeless, stays loaded; a host without an event
    // loop of its own returns at once.
    virtual void RunUntilUnloaded(Form& form) { (void)form; }
    // A timer ticks every Interval milliseconds from StartTimer until StopTimer.
    virtual void StartTimer(Timer& timer) = 0;
    virtual void StopTimer(Timer& timer) = 0;
    // Shows a pop-up menu at the mouse and returns once it closes (after the chosen item's Click).
    virtual void PopupMenu(Menu& menu) = 0;
    // Whether another copy of the program already runs on this workstation.
    virtual bool PrevInstance() = 0;
    // The folder the program was started from.
    virtual std::string AppPath() = 0;
    // The work area of the primary screen, read anew at each call.
    virtual forms::WorkArea WorkArea() = 0;
    // Ends the program at once: no window hears QueryUnload or Unload and nothing is released one by one.
    [[noreturn]] virtual void End() = 0;

    // The forms contexts running on this host hear of display changes; a context joins when it is built and leaves
    // when it goes.
    void Join(FormsContext& context);
    void Leave(FormsContext& context);

protected:
    // The display changed (a screen came or went, the task bar moved): every loaded SysInfo raises DisplayChanged.
    void DisplayChanged();

private:
    std::vector<FormsContext*> contexts;
};

} // namespace forms
