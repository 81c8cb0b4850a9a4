#pragma once

#include "platform/vb/Variant.h"

#include <string>

// The fixed-width lines of the exam lists. Request entry cuts its fields from them by position (counted in
// characters from 1): positions 1-50 the description, 51-52 the department code, then the exam code right-aligned in
// four positions (department lines: 53 a blank, 54-57 the code; laboratory lines: 53-55 the section, 56-59 the code).
// A code of more than four characters extends the line. A Null text field reads as empty text.
namespace ward::examlines {

// The description cut to 45 characters, first character upper-cased and the rest lower-cased, trimmed, then padded
// to 50 characters.
std::string DescriptionField(const vb::Variant& description);
// The code preceded by blanks up to four characters; a Null code gives nothing.
std::string CodeField(const vb::Variant& code);
// The trimmed section code padded to three characters, or the stored value when it already has three or more.
std::string SectionField(const vb::Variant& sectionCode);

// departmentCode is the three-character "XR ", "US ", "PT " ...
std::string DepartmentLine(const vb::Variant& description, const std::string& departmentCode, const vb::Variant& code);
// A Null description counts as a single blank, as the laboratory catalogue has always listed it.
std::string LaboratoryLine(const vb::Variant& description, const vb::Variant& sectionCode, const vb::Variant& code);
// The trimmed name, 30 blanks and the trimmed department code: readers take the code from the line's end.
std::string OtherDepartmentLine(const vb::Variant& itemName, const vb::Variant& revenueID);

} // namespace ward::examlines
