#pragma once

#include "platform/vb/Variant.h"

#include <string>
#include <vector>

namespace db {
class Connection;
}

namespace ward {

class App;
class frmFinal;

// One print row of the laboratory request form, as LABORATORY..Lab_SaveRequestForm takes it.
struct LabRequestFormRow {
    std::string ExamID, SpecimenID, SectionID, NurseID, Stat, AccountNum, RequestNum, DoctorCode, RequestDate;
};
// The statement that adds the row for the user code (the user's print rows are what the form prints).
std::string SaveRequestFormStatement(const LabRequestFormRow& row, const std::string& userCode);
// The statement that empties the user's print rows.
std::string CleanUpRequestFormStatement(const std::string& userCode);
// The rows replace the user's earlier print rows, all in one transaction: a failure leaves the earlier rows.
void ReplaceRequestFormRows(db::Connection& connection, const std::string& userCode,
                            const std::vector<LabRequestFormRow>& rows);

// The form's eighteen values for the patient on the chart: the reference (or charge slip) number it prints, the
// priority flag ("Y" prints as "STAT"), the doctor's name and the section that heads it.
std::vector<vb::Variant> RequestFormValues(App& app, const frmFinal& chart, const std::string& reference,
                                           const std::string& Stat, const std::string& doctorName,
                                           const std::string& Section);

// After a cart with laboratory rows is committed: the saved laboratory requests replace the user's earlier print
// rows, in one transaction of their own, and the form prints once with the last request's priority and section.
// When the server finds no request, nothing is touched and nothing prints. A failure reaches the caller.
void SaveLabRequestForms(App& app, frmFinal& chart);
// The form of the chart's admission in the report viewer; a failure is shown and goes no further.
void PrintLabRequestForm(App& app, frmFinal& chart, const std::string& Stat, const std::string& Section);

} // namespace ward
