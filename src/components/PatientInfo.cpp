#include "components/PatientInfo.h"

#include "platform/vb/Strings.h"

namespace components {

// The connection string holds the password; the shared connection is used instead and the text is dropped unread.
bool PatientInfo::InitConnect(const std::string&) { return true; }

bool PatientInfo::LoadInfo(const std::string& idNum) {
    current = {{}, {}};
    current.admission.Age = std::string();
    std::optional<records::AdmissionRecord> found = records::ReadAdmission(connection(), idNum);
    if (!found)
        return false;
    current = *found;
    return true;
}

std::string PatientInfo::PatientName() const {
    const PatientData& patient = current.patient;
    if (patient.Lastname.empty() && patient.FirstName.empty() && patient.MiddleName.empty())
        return "";
    return vb::Trim(vb::Trim(patient.Lastname) + ", " + vb::Trim(patient.FirstName) + " " +
                    vb::Trim(patient.MiddleName));
}

} // namespace components
