#pragma once

#include <string>

namespace ward {

class App;
class frmFinal;

// One print row of the laboratory request form, as LABORATORY..Lab_SaveRequestForm takes it.
struct LabRequestFormRow {
    std::string ExamID, SpecimenID, SectionID, Stat, AccountNum, RequestNum, DoctorCode, RequestDate;
};
// The statement that adds the row for the user code (the user's print rows are what the form prints).
std::string SaveRequestFormStatement(const LabRequestFormRow& row, const std::string& userCode);
// The statement that empties the user's print rows.
std::string CleanUpRequestFormStatement(const std::string& userCode);

// After a cart with laboratory rows is committed: the saved laboratory requests replace the user's earlier print
// rows, in one transaction of their own, and the form prints once with the last request's priority and section.
// When the server finds no request, nothing is touched and nothing prints. A failure reaches the caller.
void SaveLabRequestForms(App& app, frmFinal& chart);
// The form of the chart's admission in the report viewer; a failure is shown and goes no further.
void PrintLabRequestForm(App& app, frmFinal& chart, const std::string& Stat, const std::string& Section);

} // namespace ward
