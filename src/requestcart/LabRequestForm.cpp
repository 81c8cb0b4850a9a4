#include "requestcart/LabRequestForm.h"

#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"

namespace ward {

// The first five values are separated by a comma and a blank, the rest by a comma alone.
std::string SaveRequestFormStatement(const LabRequestFormRow& row, const std::string& userCode) {
    const auto q = [](const std::string& value) { return db::SqlQuote(value); };
    return "LABORATORY..Lab_SaveRequestForm 'NS'," + q(row.ExamID) + ", " + q(row.SpecimenID) + ", " + q(userCode) +
           ", " + q(row.SectionID) + ", " + q(userCode) + ", " + q(row.Stat) + "," + q(row.AccountNum) + "," +
           q(row.RequestNum) + "," + q(row.DoctorCode) + "," + q(row.RequestDate) + "," + q(userCode);
}

std::string CleanUpRequestFormStatement(const std::string& userCode) {
    return "LABORATORY..Lab_CleanUp_tbLabRequestForm " + db::SqlQuote(userCode);
}

} // namespace ward
