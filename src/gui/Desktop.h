#pragma once

#include "program/Program.h"

#include <functional>

namespace ward {
class App;
}

namespace gui {

class QtHost;

// Runs the ward client on the desktop, in a QApplication that already exists: the application context with the
// desktop's host, the default printer and the announcer, the components of the mode, and the main window until it
// unloads. started runs once the context stands, before the main window loads (tests work the program from there).
void RunWardClient(const program::Options& options, const std::function<void(QtHost&, ward::App&)>& started = {});

} // namespace gui
