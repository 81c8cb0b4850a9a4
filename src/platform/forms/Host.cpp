#include "platform/forms/Host.h"

#include "platform/forms/FormsContext.h"

#include <algorithm>

namespace forms {

std::vector<int> MessageBoxRequest::Answers() const {
    switch (ButtonSet()) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int MessageBoxRequest::DefaultAnswer() const {
    std::vector<int> answers = Answers();
    std::size_t position = static_cast<std::size_t>((Buttons & 0x300) >> 8);
    return answers[std::min(position, answers.size() - 1)];
}

bool MessageBoxRequest::Offers(int answer) const {
    std::vector<int> answers = Answers();
    return std::find(answers.begin(), answers.end(), answer) != answers.end();
}

void Host::Join(FormsContext& context) { contexts.push_back(&context); }

void Host::Leave(FormsContext& context) {
    contexts.erase(std::remove(contexts.begin(), contexts.end(), &context), contexts.end());
}

void Host::DisplayChanged() {
    for (FormsContext* context : std::vector<FormsContext*>(contexts))
        context->DisplayChanged();
}

} // namespace forms
