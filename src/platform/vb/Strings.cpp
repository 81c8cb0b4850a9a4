#include "Strings.h"

#include "CodePage1252.h"
#include "Utf8.h"
#include "VbError.h"

#include <algorithm>

namespace vb {

namespace {

void RequireNotNegative(int value) {
    if (value < 0)
        RaiseInvalidProcedureCall();
}

void RequirePosition(int start) {
    if (start < 1)
        RaiseInvalidProcedureCall();
}

// The byte offset where each character starts, plus the end of the text.
std::vector<std::size_t> CharOffsets(std::string_view text) {
    std::vector<std::size_t> offsets;
    for (std::size_t offset = 0; offset < text.size(); offset += DecodeUtf8(text, offset).length)
        offsets.push_back(offset);
    offsets.push_back(text.size());
    return offsets;
}

// The character index of the first match of find that starts at or after character firstChar; npos when none.
std::size_t FindAtBoundary(std::string_view text, std::string_view find, const std::vector<std::size_t>& offsets,
                           std::size_t firstChar) {
    for (std::size_t i = firstChar; i + 1 < offsets.size(); ++i) {
        if (text.substr(offsets[i]).starts_with(find))
            return i;
    }
    return std::string_view::npos;
}

char32_t UpperOf(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    switch (c) {
    case 0x0161:
        return 0x0160;
    case 0x0153:
        return 0x0152;
    case 0x017E:
        return 0x017D;
    case 0x00FF:
        return 0x0178;
    default:
        return c;
    }
}

char32_t LowerOf(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    switch (c) {
    case 0x0160:
        return 0x0161;
    case 0x0152:
        return 0x0153;
    case 0x017D:
        return 0x017E;
    case 0x0178:
        return 0x00FF;
    default:
        return c;
    }
}

// Plain ASCII text, by far the most common, maps byte by byte in place without decoding: from..to shift by delta.
template <typename Map> std::string MapLetters(std::string_view text, char from, char to, int delta, Map map) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string out(text);
        for (char& c : out)
            c = c >= from && c <= to ? static_cast<char>(c + delta) : c;
        return out;
    }
    std::string out;
    out.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const Utf8Char c = DecodeUtf8(text, offset);
        if (c.valid)
            AppendUtf8(out, map(c.codePoint));
        else
            out += text[offset];
        offset += c.length;
    }
    return out;
}

} // namespace

int Len(std::string_view text) { return static_cast<int>(CharCount(text)); }

std::string Left(std::string_view text, int length) {
    RequireNotNegative(length);
    return std::string(text.substr(0, ByteOffsetOfChar(text, length)));
}

std::string Right(std::string_view text, int length) {
    RequireNotNegative(length);
    const int total = Len(text);
    if (length >= total)
        return std::string(text);
    return std::string(text.substr(ByteOffsetOfChar(text, total - length)));
}

std::string Mid(std::string_view text, int start) {
    RequirePosition(start);
    return std::string(text.substr(ByteOffsetOfChar(text, start - 1)));
}

std::string Mid(std::string_view text, int start, int length) {
    RequirePosition(start);
    RequireNotNegative(length);
    const std::string_view rest = text.substr(ByteOffsetOfChar(text, start - 1));
    return std::string(rest.substr(0, ByteOffsetOfChar(rest, length)));
}

int InStr(std::string_view text, std::string_view find) { return InStr(1, text, find); }

int InStr(int start, std::string_view text, std::string_view find) {
    RequirePosition(start);
    const std::vector<std::size_t> offsets = CharOffsets(text);
    const auto chars = static_cast<int>(offsets.size()) - 1;
    if (start > chars)
        return 0;
    if (find.empty())
        return start;
    const std::size_t found = FindAtBoundary(text, find, offsets, start - 1);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

int InStrRev(std::string_view text, std::string_view find, int start) {
    if (start == 0 || start < -1)
        RaiseInvalidProcedureCall();
    const std::vector<std::size_t> offsets = CharOffsets(text);
    const auto chars = static_cast<int>(offsets.size()) - 1;
    if (start == -1)
        start = chars;
    if (start > chars)
        return 0;
    if (find.empty())
        return start;
    for (int i = start - 1; i >= 0; --i) {
        const std::string_view from = text.substr(offsets[i]);
        // The whole match has to lie before position start + 1.
        if (from.starts_with(find) && offsets[i] + find.size() <= offsets[start])
            return i + 1;
    }
    return 0;
}

std::string Replace(std::string_view text, std::string_view find, std::string_view replaceWith, int start, int count) {
    RequirePosition(start);
    if (count < -1)
        RaiseInvalidProcedureCall();
    const std::string_view rest = text.substr(ByteOffsetOfChar(text, start - 1));
    if (find.empty())
        return std::string(rest);
    const std::vector<std::size_t> offsets = CharOffsets(rest);
    std::string out;
    std::size_t copied = 0;
    for (std::size_t i = 0; i + 1 < offsets.size() && count != 0; ++i) {
        if (offsets[i] < copied || !rest.substr(offsets[i]).starts_with(find))
            continue;
        out.append(rest.substr(copied, offsets[i] - copied));
        out.append(replaceWith);
        copied = offsets[i] + find.size();
        if (count > 0)
            --count;
    }
    out.append(rest.substr(copied));
    return out;
}

std::string LTrim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) { return LTrim(RTrim(text)); }

std::string UCase(std::string_view text) {
    return MapLetters(text, 'a', 'z', -32, [](char32_t c) { return UpperOf(c); });
}
std::string LCase(std::string_view text) {
    return MapLetters(text, 'A', 'Z', 32, [](char32_t c) { return LowerOf(c); });
}

std::string Space(int count) {
    RequireNotNegative(count);
    return std::string(static_cast<std::size_t>(count), ' ');
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter, int limit) {
    if (limit < -1)
        RaiseInvalidProcedureCall();
    std::vector<std::string> parts;
    if (text.empty() || limit == 0)
        return parts;
    if (delimiter.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    const std::vector<std::size_t> offsets = CharOffsets(text);
    std::size_t partStart = 0;
    for (std::size_t i = 0; i + 1 < offsets.size(); ++i) {
        if (limit != -1 && static_cast<int>(parts.size()) == limit - 1)
            break;
        if (offsets[i] < partStart || !text.substr(offsets[i]).starts_with(delimiter))
            continue;
        parts.emplace_back(text.substr(partStart, offsets[i] - partStart));
        partStart = offsets[i] + delimiter.size();
    }
    parts.emplace_back(text.substr(partStart));
    return parts;
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out.append(delimiter);
        out.append(parts[i]);
    }
    return out;
}

int Asc(std::string_view text) {
    if (text.empty())
        RaiseInvalidProcedureCall();
    const Utf8Char c = DecodeUtf8(text, 0);
    const int code = c.valid ? CodePage1252FromUnicode(c.codePoint) : -1;
    return code < 0 ? '?' : code;
}

std::string Chr(int code) {
    if (code < 0 || code > 255)
        RaiseInvalidProcedureCall();
    std::string out;
    AppendUtf8(out, UnicodeFromCodePage1252(static_cast<unsigned char>(code)));
    return out;
}

int StrComp(std::string_view left, std::string_view right) {
    const int order = left.compare(right);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace vb
