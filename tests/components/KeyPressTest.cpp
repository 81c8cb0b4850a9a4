#include "components/KeyPress.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Codes are those of Windows-1252, as the workstation types them.
TEST(KeyPress, UpperCasesLettersOfTheCodePageAndTellsDigits) {
    struct Case {
        const char* name;
        int key, upper;
        bool digit;
    };
    const std::vector<Case> cases = {
        {"a", 'a', 'A', false},
        {"z", 'z', 'Z', false},
        {"A stays", 'A', 'A', false},
        {"0", '0', '0', true},
        {"9", '9', '9', true},
        {"/ before the digits", '/', '/', false},
        {": after the digits", ':', ':', false},
        {"` before the letters", '`', '`', false},
        {"{ after the letters", '{', '{', false},
        {"a dropped key", 0, 0, false},
        {"backspace", 8, 8, false},
        {"enter", 13, 13, false},
        {"apostrophe", '\'', '\'', false},
        {"a with grave", 0xE0, 0xC0, false},
        {"n with tilde", 0xF1, 0xD1, false},
        {"y with diaeresis", 0xFF, 0x9F, false},
        {"s with caron", 0x9A, 0x8A, false},
        {"oe", 0x9C, 0x8C, false},
        {"z with caron", 0x9E, 0x8E, false},
        {"division sign", 0xF7, 0xF7, false},
        {"sharp s has no capital", 0xDF, 0xDF, false},
        {"micro sign", 0xB5, 0xB5, false},
        {"outside the code page", 300, 300, false},
        {"negative", -1, -1, false},
    };
    components::KeyPress filter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto key = static_cast<std::int16_t>(c.key);
        EXPECT_EQ(filter.AllUppers(key), c.upper);
        EXPECT_EQ(filter.IsNumber(key), c.digit);
    }
}

} // namespace
