#include "components/PatientRecords.h"

#include "components/CodeSearch.h"

#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"

#include <map>

namespace components::records {

namespace statements {

// Assumes PATIENT_DATA..tbMaster holds the patient's personal data by HospNum under these column names, the
// descriptions as text; to be checked against the hospital's database.
std::string Patient(const std::string& hospitalNumber) {
    return "SELECT HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, BloodType, CivilStatus, Address, "
           "AccountNum, Company, BirthPlace, Nationality, Religion, SpouseName, FatherName, MotherName "
           "FROM PATIENT_DATA..tbMaster WHERE HospNum = " +
           db::SqlQuote(vb::Trim(hospitalNumber));
}

// Assumes PATIENT_DATA..tbPatient (IDNum, HospNum, AccountNum, Company, AdmDate, DcrDate, BillingDate, Age,
// HowAdmitted, RoomID, AttendingDr1, AttendingDr2, AdmittingDr, ReferringDr), the department flags of
// PATIENT_DATA..tbPatient2 under their member names, and PATIENT_DATA..tbPatientHistory (ADMDiagnosis,
// ChiefComplaint, FinalDiagnosis, AdmittingImpression, Height, Weight, Procedures), all by IDNum; to be checked
// against the hospital's database.
std::string Admission(const std::string& idNum) {
    return "SELECT A.IDNum, A.HospNum, A.AccountNum, A.Company, A.AdmDate, A.DcrDate, A.BillingDate, A.Age, "
           "A.HowAdmitted, A.RoomID, A.AttendingDr1, A.AttendingDr2, A.AdmittingDr, A.ReferringDr, "
           "B.OkeyLab, B.OkeyXray, B.OkeyUltra, B.OkeyPH, B.OkeyCS, B.OkeyCT, B.OkeyPT, B.OkeyHS, B.OkeyRTS, "
           "B.OkeyNU, B.OkeyAU, H.ADMDiagnosis, H.ChiefComplaint, H.FinalDiagnosis, H.AdmittingImpression, H.Height, "
           "H.Weight, H.Procedures FROM PATIENT_DATA..tbPatient A "
           "LEFT OUTER JOIN PATIENT_DATA..tbPatient2 B ON B.IDNum = A.IDNum "
           "LEFT OUTER JOIN PATIENT_DATA..tbPatientHistory H ON H.IDNum = A.IDNum WHERE A.IDNum = " +
           db::SqlQuote(vb::Trim(idNum));
}

// Assumes Patient_Data..tbOutPatient (IDNum, HospNum, AccountNum, Company, AdmDate, DcrDate, BillingDate, Age,
// AttendingDr1 to AttendingDr3, ChiefComplaint, Diagnosis1) by IDNum; to be checked against the hospital's database.
std::string Visit(const std::string& idNum) {
    return "SELECT IDNum, HospNum, AccountNum, Company, AdmDate, DcrDate, BillingDate, Age, AttendingDr1, "
           "AttendingDr2, AttendingDr3, ChiefComplaint, Diagnosis1 FROM Patient_Data..tbOutPatient WHERE IDNum = " +
           db::SqlQuote(vb::Trim(idNum));
}

// Assumes BUILD_FILE..tbCoDoctor holds Lastname, Firstname and Middlename by DoctorID; to be checked against the
// hospital's database.
std::string Doctor(const std::string& code) {
    return "SELECT Lastname, Firstname, Middlename FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = " +
           db::SqlQuote(vb::Trim(code));
}

// Assumes BUILD_FILE..tbCoRoom as the room register (RoomID, RoomRate, Accomodation as text, StationID) and
// Build_file..tbCoStation (StationID, Station); to be checked against the hospital's database.
std::string Room(const std::string& roomID) {
    return "SELECT R.RoomID, R.RoomRate, R.Accomodation, R.StationID, S.Station FROM BUILD_FILE..tbCoRoom R "
           "LEFT OUTER JOIN Build_file..tbCoStation S ON S.StationID = R.StationID WHERE UPPER(R.RoomID) = " +
           db::SqlQuote(vb::UCase(vb::Trim(roomID)));
}

// Assumes the procedure answers the rate letter in RoomClassID, as the ward's own charging reads it.
std::string RoomClass(const std::string& roomID) {
    return "STATION..sp_Nurse_Get_RoomClassification " + db::SqlQuote(vb::Trim(roomID));
}

// The same register and stations as Room.
std::string RoomList(const std::string& text) {
    const std::string pattern = db::SqlQuote(ContainsPattern(vb::Trim(text)));
    return "SELECT R.RoomID, S.Station FROM BUILD_FILE..tbCoRoom R "
           "LEFT OUTER JOIN Build_file..tbCoStation S ON S.StationID = R.StationID WHERE R.RoomID LIKE " +
           pattern + " OR S.Station LIKE " + pattern + " ORDER BY R.RoomID";
}

// Assumes PATIENT_DATA..tbPatient keeps who discharged and on whose order in DischargedBy and DischargeDoctor; to be
// checked against the hospital's database. The date goes as the caller's text, which the server converts.
std::string Discharge(const std::string& idNum, const std::string& dischargeDate, const std::string& resultCode,
                      const std::string& dispositionCode, const std::string& userID, const std::string& doctorCode) {
    return "UPDATE PATIENT_DATA..tbPatient SET DcrDate = " + db::SqlQuote(dischargeDate) +
           ", ResultID = " + db::SqlQuote(resultCode) + ", DispositionID = " + db::SqlQuote(dispositionCode) +
           ", DischargedBy = " + db::SqlQuote(userID) + ", DischargeDoctor = " + db::SqlQuote(doctorCode) +
           " WHERE IDNum = " + db::SqlQuote(vb::Trim(idNum)) + " AND DcrDate IS NULL";
}

} // namespace statements

namespace {

// The statement's first row as read gives it, or nothing when there is none; the recordset is closed before.
template <class Read>
auto FirstRow(db::Connection& connection, const std::string& sql, Read read)
    -> std::optional<decltype(read(std::declval<db::Recordset&>()))> {
    db::Recordset rs = connection.Execute(sql);
    std::optional<decltype(read(rs))> row;
    if (!rs.Eof())
        row = read(rs);
    rs.Close();
    return row;
}

std::string Text(const db::Recordset& rs, std::string_view column) {
    const vb::Variant& value = rs.Fields(column);
    return value.IsNull() || value.IsEmpty() ? std::string() : vb::CStr(value);
}

// A date column; a missing date reads as 0, which every caller takes for "none".
vb::Variant DateOrZero(const db::Recordset& rs, std::string_view column) {
    const vb::Variant& value = rs.Fields(column);
    return value.IsNull() || value.IsEmpty() ? vb::Variant(std::int32_t{0}) : value;
}

vb::Variant ValueOrEmptyText(const db::Recordset& rs, std::string_view column) {
    const vb::Variant& value = rs.Fields(column);
    return value.IsNull() || value.IsEmpty() ? vb::Variant(std::string()) : value;
}

double NumberOrZero(const db::Recordset& rs, std::string_view column) {
    const vb::Variant& value = rs.Fields(column);
    return value.IsNull() || value.IsEmpty() ? 0.0 : vb::CDbl(value);
}

// Billing leaves a flag unset until it decides; that is not the same as refusing the department.
NullableFlag Flag(const db::Recordset& rs, std::string_view column) {
    const vb::Variant& value = rs.Fields(column);
    if (value.IsNull() || value.IsEmpty())
        return std::nullopt;
    return vb::CBool(value);
}

std::string CompleteName(const std::string& lastname, const std::string& firstName, const std::string& middleName) {
    return vb::Trim(vb::Trim(lastname) + ", " + vb::Trim(firstName) + " " + vb::Trim(middleName));
}

// Doctors are read once per code within one record, since the attending and admitting doctor are often the same.
class DoctorNames {
public:
    explicit DoctorNames(db::Connection& connection) : connection(connection) {}

    DoctorInfo Find(const std::string& code) {
        const std::string trimmed = vb::Trim(code);
        if (trimmed.empty())
            return {};
        auto known = names.find(trimmed);
        if (known == names.end())
            known = names.emplace(trimmed, Read(trimmed)).first;
        return {trimmed, known->second};
    }

private:
    std::string Read(const std::string& code) {
        return FirstRow(connection, statements::Doctor(code),
                        [](db::Recordset& rs) {
                            return CompleteName(Text(rs, "Lastname"), Text(rs, "Firstname"), Text(rs, "Middlename"));
                        })
            .value_or(std::string());
    }

    db::Connection& connection;
    std::map<std::string, std::string> names;
};

std::string RoomClass(db::Connection& connection, const std::string& roomID) {
    db::Recordset rs = connection.Execute(statements::RoomClass(roomID));
    std::string roomClass;
    if (rs.State() == db::ObjectState::Open && !rs.Eof())
        roomClass = vb::Trim(Text(rs, "RoomClassID"));
    rs.Close();
    return roomClass;
}

void ReadHistory(const db::Recordset& rs, HistoryInfo& history) {
    history.AdmittingDiagnosis = Text(rs, "ADMDiagnosis");
    history.ChiefComplaint = Text(rs, "ChiefComplaint");
    history.FinalDiagnosis = Text(rs, "FinalDiagnosis");
    history.AdmittingImpression = Text(rs, "AdmittingImpression");
    history.Height = Text(rs, "Height");
    history.Weight = Text(rs, "Weight");
    history.Procedures = Text(rs, "Procedures");
}

void ReadFlags(const db::Recordset& rs, AdmissionData& admission) {
    admission.OkeyLab = Flag(rs, "OkeyLab");
    admission.OkeyXray = Flag(rs, "OkeyXray");
    admission.OkeyUltra = Flag(rs, "OkeyUltra");
    admission.OkeyPH = Flag(rs, "OkeyPH");
    admission.OkeyCS = Flag(rs, "OkeyCS");
    admission.OkeyCT = Flag(rs, "OkeyCT");
    admission.OkeyPT = Flag(rs, "OkeyPT");
    admission.OkeyHS = Flag(rs, "OkeyHS");
    admission.OkeyRTS = Flag(rs, "OkeyRTS");
    admission.OkeyNU = Flag(rs, "OkeyNU");
    admission.OkeyAU = Flag(rs, "OkeyAU");
}

// The columns an admission and an out-patient visit share.
template <class Stay> void ReadStay(db::Recordset& rs, Stay& stay) {
    stay.IdNumber = vb::Trim(Text(rs, "IDNum"));
    stay.HospitalNumber = vb::Trim(Text(rs, "HospNum"));
    stay.Account = {Text(rs, "AccountNum"), Text(rs, "Company")};
    stay.AdmissionDate = DateOrZero(rs, "AdmDate");
    stay.DischargeDate = DateOrZero(rs, "DcrDate");
    stay.BillingDate = DateOrZero(rs, "BillingDate");
}

struct AdmissionRow {
    AdmissionData admission;
    std::string attending1, attending2, admitting, referring;
};

std::optional<AdmissionRow> ReadAdmissionRow(db::Connection& connection, const std::string& idNum) {
    return FirstRow(connection, statements::Admission(idNum), [&](db::Recordset& rs) {
        AdmissionRow row;
        AdmissionData& admission = row.admission;
        ReadStay(rs, admission);
        admission.Age = ValueOrEmptyText(rs, "Age");
        admission.HowAdmitted.Description = Text(rs, "HowAdmitted");
        admission.Room.RoomID = vb::Trim(Text(rs, "RoomID"));
        row.attending1 = Text(rs, "AttendingDr1");
        row.attending2 = Text(rs, "AttendingDr2");
        row.admitting = Text(rs, "AdmittingDr");
        row.referring = Text(rs, "ReferringDr");
        ReadFlags(rs, admission);
        ReadHistory(rs, admission.History);
        return row;
    });
}

std::optional<VisitRecord> ReadVisitRow(db::Connection& connection, const std::string& idNum,
                                        std::vector<std::string>& doctorCodes) {
    return FirstRow(connection, statements::Visit(idNum), [&](db::Recordset& rs) {
        VisitRecord record;
        OutPatientData& visit = record.visit;
        ReadStay(rs, visit);
        visit.OPDHistory.ChiefComplaint = Text(rs, "ChiefComplaint");
        visit.OPDHistory.Diagnosis1.Description = Text(rs, "Diagnosis1");
        record.patient.Age = ValueOrEmptyText(rs, "Age");
        doctorCodes = {Text(rs, "AttendingDr1"), Text(rs, "AttendingDr2"), Text(rs, "AttendingDr3")};
        return record;
    });
}

// The patient as read, or only the hospital number and the admission's age when the master has no row.
PatientData PatientOf(db::Connection& connection, const std::string& hospitalNumber, const vb::Variant& age) {
    PatientData patient = ReadPatient(connection, hospitalNumber).value_or(PatientData{});
    patient.HospitalNumber = vb::Trim(hospitalNumber);
    patient.Age = age;
    return patient;
}

} // namespace

std::optional<PatientData> ReadPatient(db::Connection& connection, const std::string& hospitalNumber) {
    return FirstRow(connection, statements::Patient(hospitalNumber), [&](db::Recordset& rs) {
        PatientData patient;
        patient.HospitalNumber = vb::Trim(Text(rs, "HospNum"));
        patient.Lastname = Text(rs, "LastName");
        patient.FirstName = Text(rs, "FirstName");
        patient.MiddleName = Text(rs, "MiddleName");
        patient.Sex = Text(rs, "Sex");
        patient.BirthDate = DateOrZero(rs, "BirthDate");
        patient.Age = std::string();
        patient.BloodType = Text(rs, "BloodType");
        patient.CivilStatus.Description = Text(rs, "CivilStatus");
        patient.Address.CompleteAddress = Text(rs, "Address");
        patient.Account = {Text(rs, "AccountNum"), Text(rs, "Company")};
        patient.BirthPlace = Text(rs, "BirthPlace");
        patient.Nationality.Description = Text(rs, "Nationality");
        patient.Religion.Description = Text(rs, "Religion");
        patient.Spouse.SpouseName = Text(rs, "SpouseName");
        patient.Father.FatherName = Text(rs, "FatherName");
        patient.Mother.MotherName = Text(rs, "MotherName");
        return patient;
    });
}

std::optional<AdmissionRecord> ReadAdmission(db::Connection& connection, const std::string& idNum) {
    std::optional<AdmissionRow> row = ReadAdmissionRow(connection, idNum);
    if (!row)
        return std::nullopt;
    AdmissionRecord record{row->admission, {}};
    AdmissionData& admission = record.admission;
    DoctorNames doctors(connection);
    admission.AttendingDoctor1 = doctors.Find(row->attending1);
    admission.AttendingDoctor2 = doctors.Find(row->attending2);
    admission.AdmittingDoctor = doctors.Find(row->admitting);
    admission.ReferringDoctor = doctors.Find(row->referring);
    record.patient = PatientOf(connection, admission.HospitalNumber, admission.Age);
    if (!admission.Room.RoomID.empty()) {
        if (std::optional<RoomInfo> room = ReadRoom(connection, admission.Room.RoomID))
            admission.Room = *room;
        else
            admission.Room.RoomClassID = RoomClass(connection, admission.Room.RoomID);
    }
    admission.RoomRate = admission.Room.RoomRate;
    return record;
}

std::optional<VisitRecord> ReadVisit(db::Connection& connection, const std::string& idNum) {
    std::vector<std::string> doctorCodes;
    std::optional<VisitRecord> record = ReadVisitRow(connection, idNum, doctorCodes);
    if (!record)
        return std::nullopt;
    DoctorNames doctors(connection);
    record->visit.Doctor1 = doctors.Find(doctorCodes[0]);
    record->visit.Doctor2 = doctors.Find(doctorCodes[1]);
    record->visit.Doctor3 = doctors.Find(doctorCodes[2]);
    record->patient = PatientOf(connection, record->visit.HospitalNumber, record->patient.Age);
    return record;
}

AdmissionData AdmissionOfVisit(const OutPatientData& visit, const PatientData& patient) {
    AdmissionData admission;
    admission.IdNumber = visit.IdNumber;
    admission.HospitalNumber = visit.HospitalNumber;
    admission.BillingDate = visit.BillingDate;
    admission.AdmissionDate = visit.AdmissionDate;
    admission.DischargeDate = visit.DischargeDate;
    admission.Age = patient.Age;
    admission.Account = visit.Account;
    admission.AttendingDoctor1 = visit.Doctor1;
    admission.AttendingDoctor2 = visit.Doctor2;
    admission.AdmittingDoctor = visit.Doctor3;
    admission.History.ChiefComplaint = visit.OPDHistory.ChiefComplaint;
    admission.History.AdmittingDiagnosis = visit.OPDHistory.Diagnosis1.Description;
    return admission;
}

bool IsVisitNumber(const std::string& idNum) { return vb::Right(vb::UCase(vb::Trim(idNum)), 1) == "B"; }

std::optional<RoomInfo> ReadRoom(db::Connection& connection, const std::string& roomID) {
    std::optional<RoomInfo> room = FirstRow(connection, statements::Room(roomID), [](db::Recordset& rs) {
        RoomInfo read;
        read.RoomID = vb::Trim(Text(rs, "RoomID"));
        read.RoomRate = NumberOrZero(rs, "RoomRate");
        read.Accomodation.Description = Text(rs, "Accomodation");
        read.Station = {vb::Trim(Text(rs, "StationID")), Text(rs, "Station")};
        return read;
    });
    if (room)
        room->RoomClassID = RoomClass(connection, room->RoomID);
    return room;
}

std::vector<RoomListEntry> ReadRoomList(db::Connection& connection, const std::string& text) {
    db::Recordset rs = connection.Execute(statements::RoomList(text));
    std::vector<RoomListEntry> rooms;
    for (; !rs.Eof(); rs.MoveNext())
        rooms.push_back({vb::Trim(Text(rs, "RoomID")), Text(rs, "Station")});
    rs.Close();
    return rooms;
}

long WriteDischarge(db::Connection& connection, const std::string& idNum, const std::string& dischargeDate,
                    const std::string& resultCode, const std::string& dispositionCode, const std::string& userID,
                    const std::string& doctorCode) {
    long changed = 0;
    connection.Execute(statements::Discharge(idNum, dischargeDate, resultCode, dispositionCode, userID, doctorCode),
                       changed);
    return changed;
}

std::string ContainsPattern(const std::string& text) { return "%" + LikeLiteral(text) + "%"; }

} // namespace components::records
