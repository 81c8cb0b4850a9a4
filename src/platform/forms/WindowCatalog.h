#pragma once

#include "platform/forms/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

// The window classes a program has, so that checks can run over every one of them (the layout check loads each at
// its design size). Ctx is the application context; its Forms member is the registry.
template <class Ctx> class WindowCatalog {
public:
    struct Entry {
        std::string Name;
        std::function<Form&(Ctx&)> Load;
    };

    template <class T> WindowCatalog& Add() {
        entries.push_back(Entry{ClassNameOf(typeid(T)), [](Ctx& ctx) -> Form& { return ctx.Forms.template Get<T>(); }});
        return *this;
    }
    const std::vector<Entry>& Entries() const { return entries; }

private:
    std::vector<Entry> entries;
};

} // namespace forms
