#include "platform/forms/Keyboard.h"

#include "platform/forms/Constants.h"

#include <array>

namespace forms {

namespace {

struct SymbolKey {
    int KeyCode;
    char Plain;
    char Shifted;
};

constexpr std::array<SymbolKey, 11> symbolKeys{{
    {186, ';', ':'},
    {187, '=', '+'},
    {188, ',', '<'},
    {189, '-', '_'},
    {190, '.', '>'},
    {191, '/', '?'},
    {192, '`', '~'},
    {219, '[', '{'},
    {220, '\\', '|'},
    {221, ']', '}'},
    {222, '\'', '"'},
}};

constexpr std::array<char, 10> shiftedDigits{')', '!', '@', '#', '$', '%', '^', '&', '*', '('};

} // namespace

KeyStroke KeyStrokeFor(char character) {
    if (character >= 'a' && character <= 'z')
        return {character - 'a' + vbKeyA, 0};
    if (character >= 'A' && character <= 'Z')
        return {character - 'A' + vbKeyA, vbShiftMask};
    if (character >= '0' && character <= '9')
        return {character - '0' + vbKey0, 0};
    for (std::size_t digit = 0; digit < shiftedDigits.size(); ++digit)
        if (shiftedDigits[digit] == character)
            return {static_cast<int>(digit) + vbKey0, vbShiftMask};
    for (const SymbolKey& key : symbolKeys) {
        if (key.Plain == character)
            return {key.KeyCode, 0};
        if (key.Shifted == character)
            return {key.KeyCode, vbShiftMask};
    }
    switch (character) {
    case ' ':
        return {vbKeySpace, 0};
    case '\r':
        return {vbKeyReturn, 0};
    case '\t':
        return {vbKeyTab, 0};
    case '\b':
        return {vbKeyBack, 0};
    case 27:
        return {vbKeyEscape, 0};
    default:
        return {};
    }
}

int CharacterOf(int KeyCode, int Shift) {
    bool shift = (Shift & vbShiftMask) != 0;
    if ((Shift & vbAltMask) != 0)
        return 0;
    if (KeyCode >= vbKeyA && KeyCode <= vbKeyZ) {
        if ((Shift & vbCtrlMask) != 0)
            return KeyCode - vbKeyA + 1;
        return shift ? KeyCode : KeyCode - vbKeyA + 'a';
    }
    if ((Shift & vbCtrlMask) != 0)
        return 0;
    if (KeyCode >= vbKey0 && KeyCode <= vbKey9)
        return shift ? shiftedDigits[static_cast<std::size_t>(KeyCode - vbKey0)] : KeyCode;
    for (const SymbolKey& key : symbolKeys)
        if (key.KeyCode == KeyCode)
            return shift ? key.Shifted : key.Plain;
    switch (KeyCode) {
    case vbKeySpace:
    case vbKeyReturn:
    case vbKeyBack:
    case vbKeyEscape:
        return KeyCode;
    default:
        return 0;
    }
}

} // namespace forms
