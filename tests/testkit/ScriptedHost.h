#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Host.h"

#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <typeindex>
#include <vector>

namespace testkit {

// A message box as a window showed it, with the answer it got.
struct RecordedMessageBox {
    std::string Prompt;
    int Buttons = forms::vbOKOnly;
    std::string Title;
    int Answer = forms::vbOK;

    int ButtonSet() const { return Buttons & 0x7; }
    int Icon() const { return Buttons & 0x70; }
};

// One message box a test expects, in order, and how it is answered.
class MessageBoxExpectation {
public:
    explicit MessageBoxExpectation(std::string prompt) : prompt(std::move(prompt)) {}

    // The button the user presses; an OK-only box needs none, a question must have one.
    MessageBoxExpectation& Answer(int answer);
    // Checks the title (as shown: the program's name when the window gave none).
    MessageBoxExpectation& Title(std::string title);
    // Checks button set, icon and default button, added together as the window passes them.
    MessageBoxExpectation& Buttons(int buttons);
    // Runs while the box is open, before the answer: timers keep ticking behind a message box.
    MessageBoxExpectation& WhileOpen(std::function<void()> action);

private:
    friend class ScriptedHost;
    std::string prompt;
    std::optional<int> answer;
    std::optional<std::string> title;
    std::optional<int> buttons;
    std::function<void()> whileOpen;
};

// The host of window tests: message boxes answered from a queue, modal windows worked by handlers the test
// registers, timers fired on request, pop-up menus answered from a queue. Whatever a window shows that the test
// did not declare fails the test with its text; what the test declared and the window never showed fails it too
// when the host goes away.
class ScriptedHost : public forms::Host {
public:
    ScriptedHost() = default;
    ~ScriptedHost() override;

    // Message boxes.
    MessageBoxExpectation& ExpectMsgBox(std::string prompt);
    const std::vector<RecordedMessageBox>& MessageBoxes() const { return shownBoxes; }

    // Modal windows: the handler runs once, when a window of class T is next shown modally; it works the window
    // through its controls and must close it (hide or unload).
    template <class T> void OnModal(std::function<void(T&)> handler) {
        modalHandlers.push_back(ModalHandler{typeid(T), forms::ClassNameOf(typeid(T)),
                                             [handler](forms::Form& form) { handler(static_cast<T&>(form)); }});
    }
    // Names of the windows shown modally and modelessly, in order.
    const std::vector<std::string>& ModalShows() const { return modalShows; }
    const std::vector<std::string>& ModelessShows() const { return modelessShows; }

    // Timers.
    bool IsRunning(const forms::Timer& timer) const;
    // One tick of a running timer; a stopped one fails the test.
    void FireTimer(forms::Timer& timer);

    // Pop-up menus: the next pop-up shown chooses this item (a pop-up with none queued is dismissed).
    void ChooseFromPopup(forms::Menu& item);
    const std::vector<std::string>& Popups() const { return popupShows; }

    void SetPrevInstance(bool value) { prevInstance = value; }
    void SetAppPath(std::string value) { appPath = std::move(value); }

    // The display: the work area SysInfo reads, and a change of it that every loaded SysInfo hears.
    void SetWorkArea(forms::WorkArea value) { workArea = value; }
    void ChangeDisplay(forms::WorkArea value);

    // The program's immediate end: End records it and throws forms::ProgramEnded, which no handler's dispatch
    // stops, so a test that loads or clicks directly sees that exception (or calls it through Run). FireTimer and
    // ChangeDisplay take it themselves. Nothing is unloaded.
    bool Ended() const { return ended; }
    // Runs what a test does; false when the program ended inside it.
    bool Run(const std::function<void()>& action);

    // Fails for every declared message box, modal handler or pop-up choice still waiting, and forgets them.
    void VerifyAllUsed();

    int MsgBox(const forms::MessageBoxRequest& request) override;
    void ShowModeless(forms::Form& form) override;
    void RunModal(forms::Form& form) override;
    void StartTimer(forms::Timer& timer) override;
    void StopTimer(forms::Timer& timer) override;
    void PopupMenu(forms::Menu& menu) override;
    bool PrevInstance() override { return prevInstance; }
    std::string AppPath() override { return appPath; }
    forms::WorkArea WorkArea() override { return workArea; }
    [[noreturn]] void End() override;

private:
    struct ModalHandler {
        std::type_index type;
        std::string name;
        std::function<void(forms::Form&)> run;
    };

    int AnswerFor(const forms::MessageBoxRequest& request, MessageBoxExpectation& expected);

    std::deque<MessageBoxExpectation> expectedBoxes;
    std::vector<RecordedMessageBox> shownBoxes;
    std::vector<ModalHandler> modalHandlers;
    std::vector<std::string> modalShows;
    std::vector<std::string> modelessShows;
    std::set<forms::Timer*> runningTimers;
    std::deque<std::pair<forms::Menu*, std::string>> popupChoices;
    std::vector<std::string> popupShows;
    bool prevInstance = false;
    std::string appPath = ".";
    // A 1024 by 768 screen less a task bar along the bottom.
    forms::WorkArea workArea{0, 0, 15360, 11070};
    bool ended = false;
};

} // namespace testkit
