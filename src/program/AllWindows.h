#pragma once

#include "platform/forms/WindowCatalog.h"

namespace ward {

class App;

// Every window class of the program, for checks that run over all of them. A new window is added here.
const forms::WindowCatalog<App>& AllWindows();

} // namespace ward
