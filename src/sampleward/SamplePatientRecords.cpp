#include "components/PatientRecords.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

namespace statements = components::records::statements;

bool IsVisit(const std::string& idNum) { return vb::Right(idNum, 1) == "B"; }

const SampleAdmission* FindSample(const std::vector<SampleAdmission>& samples, const std::string& idNum) {
    for (const SampleAdmission& sample : samples)
        if (sample.admission.IdNumber == idNum)
            return &sample;
    return nullptr;
}

vb::Variant Flag(const components::NullableFlag& flag) { return flag ? vb::Variant(*flag) : vb::Variant::Null(); }

// A date column: Null where the sample has none (0).
vb::Variant DateOrNull(const vb::Variant& date) {
    return date.Type() == vb::VarType::Date ? date : vb::Variant::Null();
}

Row AdmissionRow(const components::AdmissionData& a) {
    const components::HistoryInfo& h = a.History;
    return {a.IdNumber,
            a.HospitalNumber,
            a.Account.AccountNumber,
            a.Account.Company,
            a.AdmissionDate,
            DateOrNull(a.DischargeDate),
            DateOrNull(a.BillingDate),
            a.Age,
            a.HowAdmitted.Description,
            a.Room.RoomID,
            a.AttendingDoctor1.Code,
            a.AttendingDoctor2.Code,
            a.AdmittingDoctor.Code,
            a.ReferringDoctor.Code,
            Flag(a.OkeyLab),
            Flag(a.OkeyXray),
            Flag(a.OkeyUltra),
            Flag(a.OkeyPH),
            Flag(a.OkeyCS),
            Flag(a.OkeyCT),
            Flag(a.OkeyPT),
            Flag(a.OkeyHS),
            Flag(a.OkeyRTS),
            Flag(a.OkeyNU),
            Flag(a.OkeyAU),
            h.AdmittingDiagnosis,
            h.ChiefComplaint,
            h.FinalDiagnosis,
            h.AdmittingImpression,
            h.Height,
            h.Weight,
            h.Procedures};
}

Answer Admission(const std::vector<std::string>& values) {
    std::vector<SampleAdmission> samples = SampleAdmissions();
    for (SampleAdmission& earlier : EarlierSampleAdmissions())
        samples.push_back(std::move(earlier));
    const SampleAdmission* found = FindSample(samples, values[0]);
    std::vector<Row> rows;
    if (found && !IsVisit(values[0]))
        rows.push_back(AdmissionRow(found->admission));
    return Rows({"IDNum",
                 "HospNum",
                 "AccountNum",
                 "Company",
                 "AdmDate",
                 "DcrDate",
                 "BillingDate",
                 "Age",
                 "HowAdmitted",
                 "RoomID",
                 "AttendingDr1",
                 "AttendingDr2",
                 "AdmittingDr",
                 "ReferringDr",
                 "OkeyLab",
                 "OkeyXray",
                 "OkeyUltra",
                 "OkeyPH",
                 "OkeyCS",
                 "OkeyCT",
                 "OkeyPT",
                 "OkeyHS",
                 "OkeyRTS",
                 "OkeyNU",
                 "OkeyAU",
                 "ADMDiagnosis",
                 "ChiefComplaint",
                 "FinalDiagnosis",
                 "AdmittingImpression",
                 "Height",
                 "Weight",
                 "Procedures"},
                rows);
}

Answer Visit(const std::vector<std::string>& values) {
    const std::vector<SampleAdmission> samples = SampleAdmissions();
    const SampleAdmission* found = FindSample(samples, values[0]);
    std::vector<Row> rows;
    if (found && IsVisit(values[0])) {
        const components::AdmissionData& v = found->admission;
        rows.push_back({v.IdNumber, v.HospitalNumber, v.Account.AccountNumber, v.Account.Company, v.AdmissionDate,
                        vb::Variant::Null(), vb::Variant::Null(), v.Age, v.AttendingDoctor1.Code,
                        v.AttendingDoctor2.Code, v.AdmittingDoctor.Code, v.History.ChiefComplaint,
                        v.History.AdmittingDiagnosis});
    }
    return Rows({"IDNum", "HospNum", "AccountNum", "Company", "AdmDate", "DcrDate", "BillingDate", "Age",
                 "AttendingDr1", "AttendingDr2", "AttendingDr3", "ChiefComplaint", "Diagnosis1"},
                rows);
}

Answer Patient(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleAdmission& sample : SampleAdmissions()) {
        const components::PatientData& p = sample.patient;
        if (p.HospitalNumber == values[0])
            rows.push_back({p.HospitalNumber, p.Lastname, p.FirstName, p.MiddleName, p.Sex, p.BirthDate, p.BloodType,
                            p.CivilStatus.Description, p.Address.CompleteAddress, p.Account.AccountNumber,
                            p.Account.Company, p.BirthPlace, p.Nationality.Description, p.Religion.Description,
                            p.Spouse.SpouseName, p.Father.FatherName, p.Mother.MotherName});
    }
    return Rows({"HospNum", "LastName", "FirstName", "MiddleName", "Sex", "BirthDate", "BloodType", "CivilStatus",
                 "Address", "AccountNum", "Company", "BirthPlace", "Nationality", "Religion", "SpouseName",
                 "FatherName", "MotherName"},
                rows);
}

struct SampleDoctor {
    const char* code;
    const char* lastname;
    const char* firstName;
    const char* middleName;
};
constexpr SampleDoctor Doctors[] = {{"D0301", "NAVARRO", "TERESA", "LOPEZ"}, {"D0302", "SORIANO", "MIGUEL", "CRUZ"}};

Answer Doctor(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const SampleDoctor& doctor : Doctors)
        if (vb::UCase(values[0]) == doctor.code)
            rows.push_back({doctor.lastname, doctor.firstName, doctor.middleName});
    return Rows({"Lastname", "Firstname", "Middlename"}, rows);
}

// The station's six beds.
std::vector<std::string> RoomIDs() {
    std::vector<std::string> ids;
    for (int bed = 1; bed <= 6; ++bed)
        ids.push_back("SIC-0" + std::to_string(bed));
    return ids;
}

Answer Room(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const std::string& id : RoomIDs())
        if (id == values[0])
            rows.push_back({id, 4500.0, "ICU BED", StationID, StationName});
    return Rows({"RoomID", "RoomRate", "Accomodation", "StationID", "Station"}, rows);
}

Answer RoomClass(const std::vector<std::string>& values) {
    std::vector<Row> rows;
    for (const std::string& id : RoomIDs())
        if (id == vb::UCase(values[0]))
            rows.push_back({"C"});
    return Rows({"RoomClassID"}, rows);
}

// The pattern's own brackets are left in the text matched: no sample room or station holds "%", "_" or "[".
Answer RoomList(const std::vector<std::string>& values) {
    const std::string text = vb::UCase(values[0]);
    std::vector<Row> rows;
    for (const std::string& id : RoomIDs())
        if (id.find(text) != std::string::npos || std::string(StationName).find(text) != std::string::npos)
            rows.push_back({id, StationName});
    return Rows({"RoomID", "Station"}, rows);
}

} // namespace

void DeclarePatientRecords(SampleServer& server) {
    server.OnRule(statements::Admission("{?}"), Admission);
    server.OnRule(statements::Visit("{?}"), Visit);
    server.OnRule(statements::Patient("{?}"), Patient);
    server.OnRule(statements::Doctor("{?}"), Doctor);
    server.OnRule(statements::Room("{?}"), Room);
    server.OnRule(statements::RoomClass("{?}"), RoomClass);
    server.OnRule(statements::RoomList("{?}"), RoomList);
}

} // namespace sampleward
