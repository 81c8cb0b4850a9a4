#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vb {

// Text is UTF-8. Lengths and positions count characters, never bytes (a byte that does not begin a well-formed
// sequence counts as one character); positions start at 1. Comparisons are binary and case-sensitive.

int Len(std::string_view text);
std::string Left(std::string_view text, int length);
std::string Right(std::string_view text, int length);
std::string Mid(std::string_view text, int start);
std::string Mid(std::string_view text, int start, int length);

// The position of find in text at or after start, 0 when it is not there.
int InStr(std::string_view text, std::string_view find);
int InStr(int start, std::string_view text, std::string_view find);
// The last position of find that begins at or before start (-1: the end of the text).
int InStrRev(std::string_view text, std::string_view find, int start = -1);

// Like the original, the result begins at start: the characters before it are dropped. count -1 replaces all.
std::string Replace(std::string_view text, std::string_view find, std::string_view replaceWith, int start = 1,
                    int count = -1);

// Blanks only; tabs and line ends stay.
std::string Trim(std::string_view text);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);

// ASCII letters and the letters of the Windows-1252 code page ("ñ" and "Ñ", "š" and "Š", "ÿ" and "Ÿ" ...).
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);

std::string Space(int count);
// Split of an empty text gives no elements; an empty delimiter gives the whole text as the one element.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter = " ", int limit = -1);
std::string Join(const std::vector<std::string>& parts, std::string_view delimiter = " ");

// The Windows-1252 code of the first character; 63 ("?") for a character the code page lacks.
int Asc(std::string_view text);
// The character of a Windows-1252 code, 0 to 255.
std::string Chr(int code);

// -1, 0 or 1, comparing byte by byte.
int StrComp(std::string_view left, std::string_view right);

} // namespace vb
