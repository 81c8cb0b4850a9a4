#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vb {

// One character of a UTF-8 text: a well-formed sequence, or a single byte that does not start one.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 1;
    bool valid = true;
};

Utf8Char DecodeUtf8(std::string_view text, std::size_t offset);
void AppendUtf8(std::string& out, char32_t codePoint);
std::size_t CharCount(std::string_view text);
// The byte offset where character number index (0-based) starts; the text's size when it has fewer characters.
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t index);

// The text with ASCII letters in lower case, for the runtime's case-blind keywords ("yyyy", "True", "Long Date").
std::string AsciiLower(std::string_view text);

} // namespace vb
