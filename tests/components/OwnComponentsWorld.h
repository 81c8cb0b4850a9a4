#pragma once

#include "components/OwnComponents.h"
#include "platform/forms/FormsContext.h"
#include "testkit/ScriptedHost.h"

namespace componentstest {

// Our own components made as the program makes them, all on one connection: a scripted server or the sample ward.
template <class Server> struct OwnComponentsWorld {
    OwnComponentsWorld() : forms(host) {
        components::RegisterOwnComponents(factory, {forms, [this]() -> db::Connection& { return server; }});
    }
    Server server;
    testkit::ScriptedHost host;
    forms::FormsContext forms;
    components::ComponentFactory factory;
};

} // namespace componentstest
