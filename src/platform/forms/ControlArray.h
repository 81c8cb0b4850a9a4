#pragma once

#include "platform/forms/Form.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class ControlArrayBase {
public:
    ControlArrayBase(Form& form, std::string name);
    ControlArrayBase(const ControlArrayBase&) = delete;
    ControlArrayBase& operator=(const ControlArrayBase&) = delete;
    virtual ~ControlArrayBase() = default;

    const std::string& Name() const { return name; }
    // Drops every element; the form's Design loads them again.
    virtual void UnloadAll() = 0;

protected:
    Form& ParentForm() const { return form; }
    void Announce(Control& element, int index);
    void Withdraw(Control& element);
    [[noreturn]] static void RaiseMissingElement(int index);
    [[noreturn]] static void RaiseAlreadyLoaded();
    [[noreturn]] static void RaiseUnloadInOwnEvent();

private:
    Form& form;
    std::string name;
};

// Controls of one kind sharing a name, told apart by Index; their events carry the Index. Elements are loaded by
// index (Design loads the designed ones, code may load more) and keep their address while loaded.
template <class T> class ControlArray : public ControlArrayBase {
public:
    ControlArray(Form& form, std::string name) : ControlArrayBase(form, std::move(name)) {}

    // The element at index; a missing one raises "Control array element 'n' doesn't exist".
    T& operator()(int index) const { return Element(index); }
    T& operator[](int index) const { return Element(index); }
    T& Element(int index) const {
        auto found = elements.find(index);
        if (found == elements.end())
            RaiseMissingElement(index);
        return *found->second;
    }
    bool Exists(int index) const { return elements.count(index) != 0; }
    int Count() const { return static_cast<int>(elements.size()); }
    int LBound() const { return elements.empty() ? 0 : elements.begin()->first; }
    int UBound() const { return elements.empty() ? -1 : elements.rbegin()->first; }
    std::vector<T*> Elements() const {
        std::vector<T*> result;
        for (const auto& [index, element] : elements)
            result.push_back(element.get());
        return result;
    }

    // Loads a new element; one that exists raises "Object already loaded".
    T& Load(int index) {
        if (Exists(index))
            RaiseAlreadyLoaded();
        auto element = std::make_unique<T>(ParentForm(), Name());
        T& added = *element;
        elements.emplace(index, std::move(element));
        Announce(added, index);
        for (const auto& connect : connections)
            connect(added, index);
        return added;
    }
    // Unloads an element; a missing one raises error 340, one whose own event is running "Unable to unload within
    // this context".
    void Unload(int index) {
        auto found = elements.find(index);
        if (found == elements.end())
            RaiseMissingElement(index);
        if (found->second->IsRaisingEvent())
            RaiseUnloadInOwnEvent();
        Remove(found);
    }
    // The window's Unload drops every element, also one whose event is running: its handler ends before anything
    // reads the element again.
    void UnloadAll() override {
        while (!elements.empty())
            Remove(std::prev(elements.end()));
    }

    // Connects a handler that receives the element's Index first: cmdOption.On(&Control::Click, [this](int Index)
    // { cmdOption_Click(Index); }). Elements loaded later get it too. Connect handlers once, in the constructor.
    template <class Owner, class... Args, class Handler> void On(Event<Args...> Owner::*event, Handler handler) {
        auto connect = [event, handler](T& element, int index) {
            element.*event = [handler, index](Args... args) { handler(index, std::forward<Args>(args)...); };
        };
        for (auto& [index, element] : elements)
            connect(*element, index);
        connections.push_back(connect);
    }

private:
    using ElementMap = std::map<int, std::unique_ptr<T>>;

    void Remove(typename ElementMap::iterator found) {
        Withdraw(*found->second);
        elements.erase(found);
    }

    ElementMap elements;
    std::vector<std::function<void(T&, int)>> connections;
};

} // namespace forms
