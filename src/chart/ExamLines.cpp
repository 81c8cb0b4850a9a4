#include "chart/ExamLines.h"

#include "core/ModuleHelpers.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

#include <algorithm>
#include <cctype>

namespace ward::examlines {

namespace {

std::string TextOf(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Room for the description, the department and section codes and a code: a line is built without growing.
constexpr std::size_t kLineCapacity = 64;

// The same field for plain ASCII text, where characters are bytes, built in place: catalogues are long.
std::string AsciiDescriptionField(std::string_view text) {
    std::string field;
    field.reserve(kLineCapacity);
    field.assign(text.substr(0, 45));
    for (char& c : field)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    if (!field.empty() && field[0] >= 'a' && field[0] <= 'z')
        field[0] = static_cast<char>(field[0] - 32);
    const std::size_t last = field.find_last_not_of(' ');
    field.erase(last == std::string::npos ? 0 : last + 1);
    field.erase(0, field.find_first_not_of(' ') == std::string::npos ? field.size() : field.find_first_not_of(' '));
    field.resize(50, ' ');
    return field;
}

void AppendCodeField(std::string& line, const vb::Variant& code) {
    if (code.IsNull())
        return;
    const std::string text = vb::CStr(code);
    const int length = vb::Len(text);
    if (length < 4)
        line.append(static_cast<std::size_t>(4 - length), ' ');
    line += text;
}

} // namespace

std::string DescriptionField(const vb::Variant& description) {
    // A text value is read where it is stored: a catalogue holds thousands.
    const std::string converted = description.IsString() ? std::string() : TextOf(description);
    const std::string_view text = description.IsString() ? std::string_view(description.AsString()) : converted;
    if (IsAscii(text))
        return AsciiDescriptionField(text);
    std::string field = vb::Trim(vb::UCase(vb::Left(text, 1)) + vb::LCase(vb::Mid(text, 2, 44)));
    const int length = vb::Len(field);
    return field + vb::Space(length <= 44 ? 45 - length + 5 : 5);
}

std::string CodeField(const vb::Variant& code) {
    std::string field;
    AppendCodeField(field, code);
    return field;
}

std::string SectionField(const vb::Variant& sectionCode) {
    const std::string stored = TextOf(sectionCode);
    const std::string trimmed = vb::Trim(stored);
    const int length = vb::Len(trimmed);
    return length < 3 ? trimmed + vb::Space(3 - length) : stored;
}

std::string DepartmentLine(const vb::Variant& description, const std::string& departmentCode, const vb::Variant& code) {
    std::string line = DescriptionField(description);
    line += departmentCode;
    AppendCodeField(line, code);
    return line;
}

std::string LaboratoryLine(const vb::Variant& description, const vb::Variant& sectionCode, const vb::Variant& code) {
    static const vb::Variant blank(NullToSpace(vb::Variant::Null()));
    std::string line = DescriptionField(description.IsNull() ? blank : description);
    line += "LB";
    line += SectionField(sectionCode);
    AppendCodeField(line, code);
    return line;
}

std::string OtherDepartmentLine(const vb::Variant& itemName, const vb::Variant& revenueID) {
    return vb::Trim(TextOf(itemName)) + vb::Space(30) + vb::Trim(TextOf(revenueID));
}

} // namespace ward::examlines
