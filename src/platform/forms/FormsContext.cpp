#include "platform/forms/FormsContext.h"

#include "platform/forms/SysInfo.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

FormsContext::FormsContext(Host& host) : host(host) { host.Join(*this); }

FormsContext::~FormsContext() {
    host.Leave(*this);
    active = nullptr;
    modal.clear();
    loaded.clear();
    defaults.clear();
}

int FormsContext::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return host.MsgBox(MessageBoxRequest{prompt, buttons, title.empty() ? std::string(ProgramTitle) : title});
}

void FormsContext::SetErrorReporter(ErrorReporter reporter) { errorReporter = std::move(reporter); }

void FormsContext::ReportError(const std::exception& error) {
    // The report itself must not throw back into the dispatch that is handling an error.
    try {
        if (errorReporter)
            errorReporter(error);
        else
            MsgBox(error.what());
    } catch (...) {
    }
}

void FormsContext::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(std::runtime_error("Unknown error"));
    }
}

std::vector<Form*> FormsContext::LoadedForms() const {
    std::vector<Form*> forms;
    for (const LoadedForm& entry : loaded)
        forms.push_back(entry.form);
    return forms;
}

bool FormsContext::UnloadFromLast(int keep) {
    std::vector<LoadedForm> snapshot = loaded;
    bool all = true;
    for (int position = static_cast<int>(snapshot.size()) - 1; position >= std::max(keep, 0); --position)
        if (snapshot[static_cast<std::size_t>(position)].form->IsLoaded())
            all = snapshot[static_cast<std::size_t>(position)].form->Unload() && all;
    return all;
}

void FormsContext::SetActiveForm(Form& form) {
    if (active == &form)
        return;
    Form* previous = active;
    active = &form;
    if (previous != nullptr)
        previous->Dispatch([previous] { previous->Form_Deactivate(); });
    if (active == &form)
        form.Dispatch([&form] { form.Form_Activate(); });
}

void FormsContext::DisplayChanged() {
    std::vector<SysInfo*> targets;
    for (const LoadedForm& entry : loaded)
        for (Control* control : entry.form->Controls())
            if (control->Kind() == ControlKind::SysInfo)
                targets.push_back(static_cast<SysInfo*>(control));
    // A handler may unload windows, its own among them: only controls of windows still loaded hear the change.
    auto stillLoaded = [this](const Control* control) {
        return std::any_of(loaded.begin(), loaded.end(), [control](const LoadedForm& entry) {
            const std::vector<Control*>& controls = entry.form->Controls();
            return std::find(controls.begin(), controls.end(), control) != controls.end();
        });
    };
    for (SysInfo* target : targets)
        if (stillLoaded(target))
            target->Raise(target->DisplayChanged);
}

std::shared_ptr<Form> FormsContext::FindDefault(std::type_index type) const {
    auto found = defaults.find(type);
    return found == defaults.end() ? nullptr : found->second;
}

void FormsContext::AddDefault(std::type_index type, std::shared_ptr<Form> form) { defaults[type] = std::move(form); }

void FormsContext::DropDefault(std::type_index type) { defaults.erase(type); }

void FormsContext::FormLoaded(Form& form) { loaded.push_back(LoadedForm{&form, form.weak_from_this().lock()}); }

void FormsContext::FormUnloaded(Form& form) {
    if (active == &form)
        active = nullptr;
    auto found = std::find_if(loaded.begin(), loaded.end(), [&form](const LoadedForm& e) { return e.form == &form; });
    if (found == loaded.end())
        return;
    std::shared_ptr<Form> keep = std::move(found->keep);
    loaded.erase(found);
}

void FormsContext::FormHidden(Form& form) {
    if (active != &form)
        return;
    active = nullptr;
    form.Dispatch([&form] { form.Form_Deactivate(); });
}

void FormsContext::PopModal(Form& form) {
    auto found = std::find(modal.rbegin(), modal.rend(), &form);
    if (found != modal.rend())
        modal.erase(std::next(found).base());
}

} // namespace forms
