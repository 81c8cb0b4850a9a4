#include "requestcart/LabRequestForm.h"

#include "chart/frmFinal.h"
#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

namespace ward {

// The first five values are separated by a comma and a blank, the rest by a comma alone.
std::string SaveRequestFormStatement(const LabRequestFormRow& row, const std::string& userCode) {
    const auto q = [](const std::string& value) { return db::SqlQuote(value); };
    return "LABORATORY..Lab_SaveRequestForm 'NS'," + q(row.ExamID) + ", " + q(row.SpecimenID) + ", " + q(userCode) +
           ", " + q(row.SectionID) + ", " + q(row.NurseID) + ", " + q(row.Stat) + "," + q(row.AccountNum) + "," +
           q(row.RequestNum) + "," + q(row.DoctorCode) + "," + q(row.RequestDate) + "," + q(userCode);
}

std::string CleanUpRequestFormStatement(const std::string& userCode) {
    return "LABORATORY..Lab_CleanUp_tbLabRequestForm " + db::SqlQuote(userCode);
}

void ReplaceRequestFormRows(db::Connection& connection, const std::string& userCode,
                            const std::vector<LabRequestFormRow>& rows) {
    db::TransactionGuard transaction(connection);
    connection.Execute(CleanUpRequestFormStatement(userCode));
    for (const LabRequestFormRow& row : rows)
        connection.Execute(SaveRequestFormStatement(row, userCode));
    transaction.Commit();
}

std::vector<vb::Variant> RequestFormValues(App& app, const frmFinal& chart, const std::string& reference,
                                           const std::string& Stat, const std::string& doctorName,
                                           const std::string& Section) {
    return {app.HospitalAddress,
            app.HospitalPhone,
            chart.txtPno.Text(),
            chart.txtId.Text(),
            chart.txtPatient.Text(),
            chart.txtAge.Text(),
            chart.txtSex.Text(),
            chart.txtRoom.Text(),
            app.PatientSearch->Admission().Room.Accomodation.Description,
            reference,
            std::string(),
            std::string(vb::Trim(Stat) == "Y" ? "STAT" : "ROUTINE"),
            app.TransplantText,
            app.DialysisText,
            doctorName,
            std::string("In-Patient"),
            app.CurrentUser->EmployeeCode(),
            Section};
}

} // namespace ward
