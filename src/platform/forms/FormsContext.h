#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/Host.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace forms {

// The forms runtime of one run of the program: the host, the default instance of each window class, the loaded
// windows in load order, the active window and the error reporter. The application context embeds it as a
// FormRegistry, which also knows how to build its windows.
class FormsContext {
public:
    explicit FormsContext(Host& host);
    FormsContext(const FormsContext&) = delete;
    FormsContext& operator=(const FormsContext&) = delete;
    virtual ~FormsContext();

    Host& GetHost() const { return host; }

    // A message box; no title gives the program's name.
    int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");

    // Shows an error that escaped a handler. The default is a plain message box with the error's text; the
    // application replaces it with its own error message.
    using ErrorReporter = std::function<void(const std::exception&)>;
    void SetErrorReporter(ErrorReporter reporter);
    void ReportError(const std::exception& error);
    // Runs a handler; an error escaping it is reported and goes no further.
    void Dispatch(const std::function<void()>& handler);

    // The windows loaded now, in the order they were loaded.
    std::vector<Form*> LoadedForms() const;
    int Count() const { return static_cast<int>(loaded.size()); }
    // Unloads loaded windows from the last loaded down to the one at position keep (0 unloads all); false when one
    // refused.
    bool UnloadFromLast(int keep = 0);

    // The window that has the user's attention; the display tells when the user switches windows.
    Form* ActiveForm() const { return active; }
    void SetActiveForm(Form& form);
    // The innermost window shown modally, or nullptr.
    Form* ModalForm() const { return modal.empty() ? nullptr : modal.back(); }

    // The host tells of a change of the display: every SysInfo control of a loaded window raises DisplayChanged.
    void DisplayChanged();
    // A window handle no other window of this run has had.
    std::intptr_t NewHandle() { return ++lastHandle; }

protected:
    std::shared_ptr<Form> FindDefault(std::type_index type) const;
    void AddDefault(std::type_index type, std::shared_ptr<Form> form);
    void DropDefault(std::type_index type);

private:
    friend class Form;

    void FormLoaded(Form& form);
    void FormUnloaded(Form& form);
    void FormHidden(Form& form);
    void PushModal(Form& form) { modal.push_back(&form); }
    void PopModal(Form& form);

    struct LoadedForm {
        Form* form;
        // Keeps a separate instance alive while it is loaded; default instances live in defaults.
        std::shared_ptr<Form> keep;
    };

    Host& host;
    ErrorReporter errorReporter;
    std::map<std::type_index, std::shared_ptr<Form>> defaults;
    std::vector<LoadedForm> loaded;
    std::vector<Form*> modal;
    Form* active = nullptr;
    std::intptr_t lastHandle = 0;
};

// The registry as the application holds it: Ctx is the application context every window receives when built.
// The context declares its Host before the registry, so that the host outlives the windows.
//   app.Forms.Get<frmX>()       the default instance, loaded (Initialize and Load run the first time)
//   app.Forms.Instance<frmX>()  the default instance without loading it, to set its public members before a show
//   app.Forms.New<frmX>()       a separate instance that loads, shows and is released on its own
template <class Ctx> class FormRegistry : public FormsContext {
public:
    FormRegistry(Ctx& ctx, Host& host) : FormsContext(host), ctx(ctx) {}

    template <class T> T& Instance() {
        if (auto existing = FindDefault(typeid(T)))
            return static_cast<T&>(*existing);
        auto form = std::make_shared<T>(ctx);
        AddDefault(typeid(T), form);
        form->Create();
        return *form;
    }
    template <class T> T& Get() {
        T& form = Instance<T>();
        form.Load();
        return form;
    }
    template <class T> std::shared_ptr<T> New() {
        auto form = std::make_shared<T>(ctx);
        form->Create();
        return form;
    }
    // Whether the default instance exists and is loaded; neither builds nor loads it.
    template <class T> bool IsLoaded() const {
        auto existing = FindDefault(typeid(T));
        return existing && existing->IsLoaded();
    }
    // Unloads the default instance and lets it go, so the next use builds a new one with fresh members.
    template <class T> bool Release() {
        auto existing = FindDefault(typeid(T));
        if (existing && !existing->Unload())
            return false;
        DropDefault(typeid(T));
        return true;
    }

private:
    Ctx& ctx;
};

} // namespace forms
