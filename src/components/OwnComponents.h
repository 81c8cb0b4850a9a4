#pragma once

#include "components/ComponentFactory.h"

#include <functional>

namespace db {
class Connection;
}
namespace forms {
class FormsContext;
}
namespace reports {
class ReportEngine;
}

namespace components {

// What our own components work with: the registry of windows, for their dialogs, the program's one connection, read
// at each use (the log-in component opens it after the components are made), and the report engine.
struct ComponentServices {
    forms::FormsContext& Forms;
    std::function<db::Connection&()> Connection;
    // The program's report engine, read at each use like the connection; a component that lays out a report raises
    // when none was given.
    std::function<reports::ReportEngine&()> Reports = {};
};

// Registers our own implementation of every outside component the start-up creates but the log-in component, under
// its program identifier. The program calls it in both of its modes.
void RegisterOwnComponents(ComponentFactory& factory, const ComponentServices& services);

} // namespace components
