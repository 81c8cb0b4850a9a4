#include "ScriptedHost.h"

#include "platform/forms/FormsContext.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace testkit {

MessageBoxExpectation& MessageBoxExpectation::Answer(int value) {
    answer = value;
    return *this;
}

MessageBoxExpectation& MessageBoxExpectation::Title(std::string value) {
    title = std::move(value);
    return *this;
}

MessageBoxExpectation& MessageBoxExpectation::Buttons(int value) {
    buttons = value;
    return *this;
}

MessageBoxExpectation& MessageBoxExpectation::WhileOpen(std::function<void()> action) {
    whileOpen = std::move(action);
    return *this;
}

ScriptedHost::~ScriptedHost() { VerifyAllUsed(); }

MessageBoxExpectation& ScriptedHost::ExpectMsgBox(std::string prompt) {
    expectedBoxes.emplace_back(std::move(prompt));
    return expectedBoxes.back();
}

int ScriptedHost::MsgBox(const forms::MessageBoxRequest& request) {
    RecordedMessageBox shown{request.Prompt, request.Buttons, request.Title, request.DefaultAnswer()};
    if (expectedBoxes.empty()) {
        ADD_FAILURE() << "Unexpected message box: \"" << request.Prompt << "\" (title \"" << request.Title << "\")";
    } else {
        MessageBoxExpectation expected = std::move(expectedBoxes.front());
        expectedBoxes.pop_front();
        shown.Answer = AnswerFor(request, expected);
    }
    shownBoxes.push_back(shown);
    return shown.Answer;
}

int ScriptedHost::AnswerFor(const forms::MessageBoxRequest& request, MessageBoxExpectation& expected) {
    if (request.Prompt != expected.prompt)
        ADD_FAILURE() << "Expected the message box \"" << expected.prompt << "\" but the window showed \""
                      << request.Prompt << "\"";
    if (expected.title && *expected.title != request.Title)
        ADD_FAILURE() << "Message box \"" << request.Prompt << "\" has the title \"" << request.Title
                      << "\", expected \"" << *expected.title << "\"";
    if (expected.buttons && *expected.buttons != request.Buttons)
        ADD_FAILURE() << "Message box \"" << request.Prompt << "\" has buttons " << request.Buttons << ", expected "
                      << *expected.buttons;
    if (expected.whileOpen)
        expected.whileOpen();
    if (!expected.answer) {
        if (request.Answers().size() > 1)
            ADD_FAILURE() << "The question \"" << request.Prompt << "\" has no answer queued";
        return request.DefaultAnswer();
    }
    if (!request.Offers(*expected.answer)) {
        ADD_FAILURE() << "Message box \"" << request.Prompt << "\" offers no button for the answer "
                      << *expected.answer;
        return request.DefaultAnswer();
    }
    return *expected.answer;
}

void ScriptedHost::ShowModeless(forms::Form& form) { modelessShows.push_back(form.Name()); }

void ScriptedHost::RunModal(forms::Form& form) {
    modalShows.push_back(form.Name());
    auto handler = std::find_if(modalHandlers.begin(), modalHandlers.end(),
                                [&form](const ModalHandler& h) { return h.type == typeid(form); });
    if (handler == modalHandlers.end()) {
        ADD_FAILURE() << "Unexpected modal window " << form.Name() << " (caption \"" << form.Caption() << "\")";
        if (!form.Unload())
            form.Hide();
        return;
    }
    auto run = std::move(handler->run);
    modalHandlers.erase(handler);
    run(form);
    if (form.IsLoaded() && form.Visible()) {
        ADD_FAILURE() << "Modal window " << form.Name() << " is still open after its handler";
        form.Hide();
    }
}

void ScriptedHost::StartTimer(forms::Timer& timer) { runningTimers.insert(&timer); }

void ScriptedHost::StopTimer(forms::Timer& timer) { runningTimers.erase(&timer); }

bool ScriptedHost::IsRunning(const forms::Timer& timer) const {
    return runningTimers.count(const_cast<forms::Timer*>(&timer)) != 0;
}

void ScriptedHost::FireTimer(forms::Timer& timer) {
    if (ended) {
        ADD_FAILURE() << "Timer " << timer.DisplayName() << " of " << timer.Parent().Name()
                      << " cannot tick: the program has ended";
        return;
    }
    if (!IsRunning(timer)) {
        ADD_FAILURE() << "Timer " << timer.DisplayName() << " of " << timer.Parent().Name() << " is not running";
        return;
    }
    Run([&timer] { timer.Tick(); });
}

void ScriptedHost::ChangeDisplay(forms::WorkArea value) {
    workArea = value;
    Run([this] { DisplayChanged(); });
}

void ScriptedHost::End() {
    ended = true;
    throw forms::ProgramEnded{};
}

bool ScriptedHost::Run(const std::function<void()>& action) {
    try {
        action();
    } catch (const forms::ProgramEnded&) {
        return false;
    }
    return true;
}

void ScriptedHost::ChooseFromPopup(forms::Menu& item) { popupChoices.emplace_back(&item, item.DisplayName()); }

void ScriptedHost::PopupMenu(forms::Menu& menu) {
    popupShows.push_back(menu.DisplayName());
    if (popupChoices.empty())
        return;
    forms::Menu* item = popupChoices.front().first;
    popupChoices.pop_front();
    bool inside = false;
    for (forms::Menu* parent = item->ParentMenu(); parent != nullptr; parent = parent->ParentMenu())
        inside = inside || parent == &menu;
    if (!inside) {
        ADD_FAILURE() << "Menu item " << item->DisplayName() << " is not in the pop-up menu " << menu.DisplayName();
        return;
    }
    if (!item->IsEffectivelyEnabled() || !item->IsEffectivelyVisible()) {
        ADD_FAILURE() << "Menu item " << item->DisplayName() << " cannot be chosen: it is disabled or hidden";
        return;
    }
    item->UserClick();
}

void ScriptedHost::VerifyAllUsed() {
    for (const MessageBoxExpectation& expected : expectedBoxes)
        ADD_FAILURE() << "Expected message box never shown: \"" << expected.prompt << "\"";
    for (const ModalHandler& handler : modalHandlers)
        ADD_FAILURE() << "Expected modal window never shown: " << handler.name;
    for (const auto& choice : popupChoices)
        ADD_FAILURE() << "Expected pop-up menu never shown to choose " << choice.second;
    expectedBoxes.clear();
    modalHandlers.clear();
    popupChoices.clear();
}

} // namespace testkit
