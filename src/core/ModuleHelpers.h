#pragma once

#include "platform/vb/Variant.h"

#include <cstdint>
#include <string>

namespace ward {

class App;

// Reads the server's date and time into ServerDate. A failure reaches the caller; ServerDate then keeps its value.
void RefreshServerDate(App& app);

// " " for a Null field value, else the value as text.
std::string NullToSpace(const vb::Variant& Value);

// With Align 1: the trimmed text padded with blanks to Width, or the text unchanged when its trimmed form already
// fills the width. Any other Align gives "".
std::string PadRight(const std::string& Text, std::int16_t Width, std::int16_t Align);

// Unloads every loaded window but the first (the main window), the last loaded first; a window that refuses is
// skipped.
void UnloadAllForms(App& app);

// Gives the bar the range 0 to Last - First + 1; a Last of 0 leaves it as it is.
template <class Bar> void SetProgressRange(Bar& bar, std::int16_t First, std::int16_t Last) {
    if (Last == 0)
        return;
    bar.SetMin(0);
    bar.SetMax(Last - First + 1);
}

} // namespace ward
