#pragma once

#include <string>

namespace ward {

// The key the access codes of the user table were enciphered with; both sign-in dialogs use it.
inline constexpr const char* AccessCodeKey = "GLIMPSEQUARTO";

// The keyed text cipher of access codes. Mode "E" enciphers: the seed 5B, then two upper-case hexadecimal characters
// per character of Text (blank-padded on the left below 16). Mode "D" gives back the plain text of an enciphered
// one. Any other mode, "e" and "d" included, gives "". Characters are taken by their Windows-1252 codes.
std::string CipherText(const std::string& Mode, const std::string& Key, const std::string& Text);

} // namespace ward
