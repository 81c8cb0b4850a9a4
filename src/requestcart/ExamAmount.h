#pragma once

#include <string>

namespace ward {

class App;

// The amount of one exam at the current patient's room class (CurRoomClassID, passed as it is), into ExamAmount as
// Str writes it (" 250", " 12.5", " .5"). Under the ward's international rate an international admission pays the
// amount times 1.1, written plainly ("275", "138.05"). An exam without an amount for the class, or whose amount is
// Null, gets "". IdNum is the admission as the chart's box holds it. Catches no error.
void LookUpExamAmount(App& app, const std::string& DeptCode, const std::string& ExamCode, const std::string& IdNum);

} // namespace ward
