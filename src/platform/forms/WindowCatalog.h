#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/FormsContext.h"

#include <functional>
#include <memory>
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
    // A window whose callers always set its public members before it loads: prepare sets them as one caller does.
    template <class T> WindowCatalog& Add(std::function<void(T&)> prepare) {
        entries.push_back(Entry{ClassNameOf(typeid(T)), [prepare = std::move(prepare)](Ctx& ctx) -> Form& {
                                    T& form = ctx.Forms.template Instance<T>();
                                    prepare(form);
                                    form.Load();
                                    return form;
                                }});
        return *this;
    }
    // A window built from the forms context alone, as components make theirs: they know no application context.
    // The loaded window keeps itself alive until it unloads.
    template <class T> WindowCatalog& AddMadeFrom(std::function<std::shared_ptr<T>(FormsContext&)> make) {
        entries.push_back(Entry{ClassNameOf(typeid(T)), [make = std::move(make)](Ctx& ctx) -> Form& {
                                    std::shared_ptr<T> form = make(ctx.Forms);
                                    form->Load();
                                    return *form;
                                }});
        return *this;
    }
    const std::vector<Entry>& Entries() const { return entries; }

private:
    std::vector<Entry> entries;
};

} // namespace forms
