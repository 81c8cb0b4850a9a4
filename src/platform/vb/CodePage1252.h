#pragma once

namespace vb {

// The workstation's ANSI code page, Windows-1252. The five codes it leaves undefined (129, 141, 143, 144, 157) stand
// for the C1 controls of the same number, so all 256 codes map to a character and back.
char32_t UnicodeFromCodePage1252(unsigned char code);
// The code of a character in the code page, or -1 when the code page has no such character.
int CodePage1252FromUnicode(char32_t codePoint);

} // namespace vb
