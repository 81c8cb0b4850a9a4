#pragma once

namespace ward {

class App;

// Reads the hospital's and the nursing settings, then reloads the ward parameters. Never fails: every statement
// that fails is skipped. The flags start each run False, so a server that cannot be read leaves them False, while
// the texts, ByGeneric and CutoffClearanceTime keep the values of the last successful read.
void LoadHospitalSettings(App& app);

} // namespace ward
