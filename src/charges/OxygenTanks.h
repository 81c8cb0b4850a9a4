#pragma once

#include <string>

namespace ward {

class App;

// True when the admission has a tank still open. A failed query is shown and answers False.
bool HasOpenTank(App& app, const std::string& IdNum);

} // namespace ward
