#include "chart/ExamLines.h"
#include "platform/vb/Strings.h"

#include <gtest/gtest.h>

namespace {

using vb::Space;
using vb::Variant;

const Variant Null = Variant::Null();

struct LineCase {
    const char* name;
    std::string line;
    std::string expected;
};

// The lines request entry cuts by position, each compared character by character.
std::vector<LineCase> Cases() {
    using namespace ward::examlines;
    const std::string sixty(60, 'X');
    return {
        {"capitals folded", DepartmentLine(Variant(std::string("BLOOD SUGAR")), "XR ", Variant(std::string("12"))),
         "Blood sugar" + Space(39) + "XR   12"},
        {"long description cut at 45", DepartmentLine(Variant(sixty), "US ", Variant(std::string("210"))),
         "X" + std::string(44, 'x') + Space(5) + "US  210"},
        {"blanks trimmed after folding",
         DepartmentLine(Variant(std::string("  chest pa  ")), "XR ", Variant(std::string("1"))),
         "chest pa" + Space(42) + "XR    1"},
        {"five-character code runs on",
         DepartmentLine(Variant(std::string("Ecg")), "HS ", Variant(std::string("12345"))),
         "Ecg" + Space(47) + "HS 12345"},
        {"numeric code", DepartmentLine(Variant(std::string("Eeg")), "NE ", Variant(std::int32_t{971})),
         "Eeg" + Space(47) + "NE  971"},
        {"null code ends the line", DepartmentLine(Variant(std::string("Eeg")), "NE ", Null),
         "Eeg" + Space(47) + "NE "},
        {"null description outside the laboratory", DepartmentLine(Null, "PT ", Variant(std::string("501"))),
         Space(50) + "PT  501"},
        {"laboratory line",
         LaboratoryLine(Variant(std::string("CBC")), Variant(std::string("HEM")), Variant(std::string("101"))),
         "Cbc" + Space(47) + "LBHEM 101"},
        {"one-letter section padded",
         LaboratoryLine(Variant(std::string("Cbc")), Variant(std::string("H")), Variant(std::string("12"))),
         "Cbc" + Space(47) + "LBH    12"},
        {"blank-padded section trimmed first",
         LaboratoryLine(Variant(std::string("Cbc")), Variant(std::string(" H ")), Variant(std::string("12"))),
         "Cbc" + Space(47) + "LBH    12"},
        {"four-letter section pushes the code",
         LaboratoryLine(Variant(std::string("Cbc")), Variant(std::string("HEMA")), Variant(std::string("1024"))),
         "Cbc" + Space(47) + "LBHEMA1024"},
        {"null laboratory description", LaboratoryLine(Null, Variant(std::string("CHE")), Variant(std::string("330"))),
         Space(50) + "LBCHE 330"},
        {"null section reads as empty", LaboratoryLine(Variant(std::string("Cbc")), Null, Variant(std::string("330"))),
         "Cbc" + Space(47) + "LB    330"},
        {"null laboratory code", LaboratoryLine(Variant(std::string("Cbc")), Variant(std::string("CHE")), Null),
         "Cbc" + Space(47) + "LBCHE"},
        {"accented letters count as one",
         DepartmentLine(Variant(std::string("PIÑA TEST")), "AU ", Variant(std::string("8"))),
         "Piña test" + Space(41) + "AU    8"},
        {"other department", OtherDepartmentLine(Variant(std::string("CT SCAN ")), Variant(std::string(" CT"))),
         "CT SCAN" + Space(30) + "CT"},
        {"other department with a null name", OtherDepartmentLine(Null, Variant(std::string("PT"))), Space(30) + "PT"},
    };
}

TEST(ExamLines, PutEachFieldAtItsPosition) {
    for (const LineCase& c : Cases())
        EXPECT_EQ(c.line, c.expected) << c.name;
}

TEST(ExamLines, StartTheDepartmentCodeAtPosition51) {
    using namespace ward::examlines;
    for (const std::string& description : {std::string(""), std::string("A"), std::string(80, 'b')}) {
        const std::string line = DepartmentLine(Variant(description), "CT ", Variant(std::string("601")));
        EXPECT_EQ(vb::Mid(line, 51, 2), "CT") << description;
        EXPECT_EQ(vb::Mid(line, 54, 4), " 601") << description;
    }
}

} // namespace
