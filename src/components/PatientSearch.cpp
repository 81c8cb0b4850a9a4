#include "components/PatientSearch.h"

#include "platform/db/DbError.h"
#include "platform/vb/Strings.h"

namespace components {

bool PatientRecord::LoadPatient(const std::string& hospitalNumber) {
    std::optional<PatientData> found = records::ReadPatient(connection(), hospitalNumber);
    if (!found)
        return false;
    static_cast<PatientData&>(*this) = *found;
    return true;
}

void PatientRecord::Refresh() {
    if (!HospitalNumber.empty())
        LoadPatient(HospitalNumber);
}

// An out-patient or emergency visit is validated as an admission too, so the chart opens on it as on any other.
bool Admission::Load(const std::string& idNum) {
    if (records::IsVisitNumber(idNum)) {
        std::optional<records::VisitRecord> visit = records::ReadVisit(connection(), idNum);
        if (!visit)
            return false;
        Take({records::AdmissionOfVisit(visit->visit, visit->patient), visit->patient});
        return true;
    }
    std::optional<records::AdmissionRecord> found = records::ReadAdmission(connection(), idNum);
    if (!found)
        return false;
    Take(*found);
    return true;
}

// An admission that has gone from the server stays as last read, so the chart keeps showing what it showed.
void Admission::Refresh() {
    if (!IdNumber.empty())
        Load(IdNumber);
}

void Admission::Take(const records::AdmissionRecord& record) {
    static_cast<AdmissionData&>(*this) = record.admission;
    static_cast<PatientData&>(patient) = record.patient;
}

// The room the caller passes is where the patient lies now; the discharge does not move it.
bool Admission::DischargePatient(const std::string& idNum, const std::string& dischargeDate,
                                 const std::string& resultCode, const std::string& dispositionCode,
                                 const std::string& userID, const std::string& /*roomID*/,
                                 const std::string& doctorCode) {
    const long changed =
        records::WriteDischarge(connection(), idNum, dischargeDate, resultCode, dispositionCode, userID, doctorCode);
    // Several admissions under one number would all be discharged; raising lets the caller's transaction undo it.
    if (changed > 1)
        throw db::DbError(db::dbErrRowNotFoundForUpdate,
                          "Admission " + vb::Trim(idNum) + " is recorded more than once; nobody was discharged.");
    return changed == 1;
}

bool OutPatientVisit::OpenOutPatient(const std::string& idNum, const std::string& /*hospitalNumber*/) {
    return Load(idNum);
}

void OutPatientVisit::Refresh() {
    if (!IdNumber.empty())
        Load(IdNumber);
}

bool OutPatientVisit::Load(const std::string& idNum) {
    std::optional<records::VisitRecord> found = records::ReadVisit(connection(), idNum);
    if (!found)
        return false;
    static_cast<OutPatientData&>(*this) = found->visit;
    static_cast<PatientData&>(patient) = found->patient;
    return true;
}

PatientSearch::PatientSearch(ConnectionSource connection, RoomChooser chooseRoom)
    : connection(connection), chooseRoom(std::move(chooseRoom)), patientMaster(connection), admission(connection),
      patientClass(connection) {}

bool PatientSearch::InitConnection(db::Connection&, const std::string&) { return true; }

bool PatientSearch::ValidatePatient(const std::string& hospitalNumber) {
    return patientMaster.LoadPatient(hospitalNumber);
}

bool PatientSearch::ValidateAdmission(const std::string& idNum) { return admission.Load(idNum); }

bool PatientSearch::ValidateRoom(const std::string& roomText) {
    std::optional<RoomInfo> found;
    if (!vb::Trim(roomText).empty())
        found = records::ReadRoom(connection(), roomText);
    if (!found) {
        std::optional<std::string> chosen = chooseRoom(roomText);
        if (!chosen)
            return false;
        found = records::ReadRoom(connection(), *chosen);
        if (!found)
            return false;
    }
    room = *found;
    return true;
}

} // namespace components
