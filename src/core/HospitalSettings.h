#pragma once

namespace ward {

class App;

// Reads the hospital's and the nursing settings, then reloads the ward parameters. Never fails: every statement
// that fails is skipped. The flags start each run False, so a server that cannot be read leaves them False, while
// the texts, ByGeneric and CutoffClearanceTime keep the values of the last successful read.
void LoadHospitalSettings(App& app);
// The same reads inside a save that must not go on without them: a statement that fails passes its error on.
void LoadHospitalSettingsOrFail(App& app);

} // namespace ward
