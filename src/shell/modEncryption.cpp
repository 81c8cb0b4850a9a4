#include "shell/modEncryption.h"

#include "platform/vb/Strings.h"
#include "platform/vb/Utf8.h"

#include <cctype>
#include <vector>

namespace ward {

namespace {

constexpr int Seed = 91;

// The Windows-1252 codes of a text's characters, in order.
std::vector<int> CodesOf(const std::string& text) {
    std::vector<int> codes;
    for (std::size_t offset = 0; offset < text.size();) {
        const vb::Utf8Char character = vb::DecodeUtf8(text, offset);
        codes.push_back(vb::Asc(std::string_view(text).substr(offset, character.length)));
        offset += character.length;
    }
    return codes;
}

// Walks the key's characters in turn, from the first again after the last.
class KeyWheel {
public:
    explicit KeyWheel(const std::string& key) : codes(CodesOf(key)) {}
    int Next() {
        position = position == codes.size() ? 1 : position + 1;
        // An empty key has no character to give: the runtime's Asc of "" fails the same way.
        if (codes.empty())
            return vb::Asc("");
        return codes[position - 1];
    }

private:
    std::vector<int> codes;
    std::size_t position = 0;
};

std::string TwoHexDigits(int value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string pair(2, ' ');
    if (value >= 16)
        pair[0] = digits[value / 16];
    pair[1] = digits[value % 16];
    return pair;
}

// The leading hexadecimal digits of a text as a number, 0 when it has none.
int HexValue(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            break;
        value = value * 16 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10);
    }
    return value;
}

std::string Encipher(const std::string& key, const std::string& text) {
    KeyWheel wheel(key);
    int seed = Seed;
    std::string output = TwoHexDigits(Seed);
    for (int code : CodesOf(text)) {
        int value = (code + seed) % 255;
        value ^= wheel.Next();
        output += TwoHexDigits(value);
        seed = value;
    }
    return output;
}

std::string Decipher(const std::string& key, const std::string& text) {
    KeyWheel wheel(key);
    int seed = HexValue(vb::Left(text, 2));
    std::string output;
    const int length = vb::Len(text);
    for (int start = 3; start <= length; start += 2) {
        const int cipher = HexValue(vb::Trim(vb::Mid(text, start, 2)));
        int code = wheel.Next() ^ cipher;
        code = code <= seed ? 255 + code - seed : code - seed;
        output += vb::Chr(code);
        seed = cipher;
    }
    return output;
}

} // namespace

std::string CipherText(const std::string& Mode, const std::string& Key, const std::string& Text) {
    if (Mode == "E")
        return Encipher(Key, Text);
    if (Mode == "D")
        return Decipher(Key, Text);
    return "";
}

} // namespace ward
