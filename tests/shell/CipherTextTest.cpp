#include "platform/vb/Strings.h"
#include "shell/modEncryption.h"

#include <gtest/gtest.h>

namespace {

using ward::AccessCodeKey;
using ward::CipherText;

// Each row worked by hand: v = (code + seed) mod 255, XOR the next key character, written as two hexadecimal
// characters (a blank before a single digit), and v is the next seed; the seed starts at 91 (5B).
TEST(CipherText, EnciphersUnderTheAccessCodeKey) {
    const struct {
        const char* plain;
        const char* enciphered;
    } cases[] = {
        {"", "5B"},
        // (65 + 91) mod 255 = 156; 156 XOR 71 ("G") = 219 = DB.
        {"A", "5BDB"},
        {"Z", "5BF2"},
        {"~", "5B9E"},
        {"1234", "5BCBB1ADAC"},
        // Pairs below 16 begin with a blank: 8, 2 and 3 here.
        {"NURSE01", "5BEE 8132B20 371"},
        {"ADMIN", "5BDB6CF07795"},
        // Longer than the key: the fourteenth character takes "G" again.
        {"ABCDEFGHIJKLMNOP", "5BDB52DC6CE17B879EB2BD5BF3 E1B263F"},
        // "ñ" is 241 in Windows-1252: (241 + 91) mod 255 = 77; 77 XOR 71 = 10 = " A".
        {"ñ", "5B A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain);
        EXPECT_EQ(CipherText("E", AccessCodeKey, c.plain), c.enciphered);
        EXPECT_EQ(CipherText("D", AccessCodeKey, c.enciphered), c.plain);
    }
}

TEST(CipherText, ReusesAShortKeyFromItsFirstCharacter) {
    // 156 XOR 88 ("X") = C4; (65 + 196) mod 255 = 6, XOR 89 ("Y") = 5F; (65 + 95) = 160, XOR 88 = F8.
    EXPECT_EQ(CipherText("E", "XY", "AAA"), "5BC45FF8");
    EXPECT_EQ(CipherText("D", "XY", "5BC45FF8"), "AAA");
}

TEST(CipherText, EveryCodeFrom1To255ComesBack) {
    for (int code = 1; code <= 255; ++code) {
        SCOPED_TRACE(code);
        const std::string plain = vb::Chr(code);
        const std::string enciphered = CipherText("E", AccessCodeKey, plain);
        EXPECT_EQ(enciphered.size(), 4u);
        EXPECT_EQ(CipherText("D", AccessCodeKey, enciphered), plain);
    }
}

TEST(CipherText, CodeZeroEnciphersAs255AndComesBackAs255) {
    EXPECT_EQ(CipherText("E", AccessCodeKey, vb::Chr(0)), CipherText("E", AccessCodeKey, vb::Chr(255)));
    EXPECT_EQ(CipherText("D", AccessCodeKey, CipherText("E", AccessCodeKey, vb::Chr(0))), vb::Chr(255));
}

TEST(CipherText, AnyOtherModeGivesTheEmptyText) {
    for (const char* mode : {"e", "d", "", "X", "EE", " E"}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(CipherText(mode, AccessCodeKey, "NURSE01"), "");
    }
}

} // namespace
