#pragma once

namespace forms {

// The key that types a character on a US keyboard: its key code and whether Shift is held. 0 for a character no
// key types.
struct KeyStroke {
    int KeyCode = 0;
    int Shift = 0;
};
KeyStroke KeyStrokeFor(char character);

// The character (KeyAscii) a key types with the given Shift state, or 0 when it types none.
int CharacterOf(int KeyCode, int Shift);

} // namespace forms
