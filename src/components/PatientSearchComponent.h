#pragma once

#include "Component.h"

namespace components {

struct DescriptionInfo {
    std::string Description;
};

struct DoctorInfo {
    std::string Code; // empty when the admission has no such doctor
    std::string CompleteName;
};

struct AccountInfo {
    std::string AccountNumber;
    std::string Company;
};

struct AddressInfo {
    std::string CompleteAddress;
};

// A room's station; where a room's station is used as text, that text is Code.
struct StationInfo {
    std::string Code;
    std::string Description;
};

// A room of the room register. Where a room is used as text, that text is RoomID.
struct RoomInfo {
    std::string RoomID;
    std::string RoomClassID; // rate letter "A" to "H"
    double RoomRate = 0;
    DescriptionInfo Accomodation;
    StationInfo Station;
};

struct HistoryInfo {
    std::string AdmittingDiagnosis;
    std::string ChiefComplaint;
    std::string FinalDiagnosis;
    std::string AdmittingImpression;
    std::string Height;
    std::string Weight;
    std::string Procedures;
};

// A patient record, as the admission, the patient master and the out-patient visit each hold one.
struct PatientData {
    std::string HospitalNumber;
    std::string Lastname;
    std::string FirstName;
    std::string MiddleName;
    std::string Sex;       // "M" male, anything else female
    vb::Variant BirthDate; // a date, or 0 when unknown
    vb::Variant Age;       // text or number
    std::string BloodType;
    DescriptionInfo CivilStatus;
    AddressInfo Address;
    AccountInfo Account;
    std::string BirthPlace;
    DescriptionInfo Nationality;
    DescriptionInfo Religion;
    struct {
        std::string SpouseName;
    } Spouse;
    struct {
        std::string FatherName;
    } Father;
    struct {
        std::string MotherName;
    } Mother;
};

class PatientObject : public PatientData {
public:
    virtual ~PatientObject() = default;
    // Loads the patient of that hospital number; False keeps the values loaded before.
    virtual bool LoadPatient(const std::string& hospitalNumber) = 0;
    virtual void Refresh() = 0;
};

struct AdmissionData {
    std::string IdNumber;
    std::string HospitalNumber;
    vb::Variant BillingDate;   // 0 or Null while billing has not closed the account
    vb::Variant AdmissionDate; // a date
    vb::Variant DischargeDate; // a date, or 0 when none
    vb::Variant Age;           // text or number
    double RoomRate = 0;       // the rate of the room the patient occupies
    // Whether billing lets the department charge the admission: False is cash basis, no value is a Null column.
    NullableFlag OkeyLab, OkeyXray, OkeyUltra, OkeyPH, OkeyCS, OkeyCT, OkeyPT, OkeyHS, OkeyRTS, OkeyNU, OkeyAU;
    DescriptionInfo HowAdmitted;
    AccountInfo Account;
    DoctorInfo AttendingDoctor1, AttendingDoctor2, AdmittingDoctor, ReferringDoctor;
    HistoryInfo History;
    RoomInfo Room;
};

// The admission validated last; every window reads the chart's admission here.
class AdmissionObject : public AdmissionData {
public:
    virtual ~AdmissionObject() = default;
    // Re-reads the admission from the server (billing date, cash-basis flags, room).
    virtual void Refresh() = 0;
    // Discharges the admission on the server; True when it did.
    virtual bool DischargePatient(const std::string& idNum, const std::string& dischargeDate,
                                  const std::string& resultCode, const std::string& dispositionCode,
                                  const std::string& userID, const std::string& roomID,
                                  const std::string& doctorCode) = 0;
    virtual PatientObject& Patient() = 0;
};

// An out-patient or emergency visit (admission number ending in "B").
struct OutPatientData {
    std::string IdNumber;
    std::string HospitalNumber;
    vb::Variant AdmissionDate;
    vb::Variant DischargeDate; // 0 when none
    vb::Variant BillingDate;   // 0 while not billed
    AccountInfo Account;
    DoctorInfo Doctor1, Doctor2, Doctor3;
    struct {
        std::string ChiefComplaint;
        DescriptionInfo Diagnosis1;
    } OPDHistory;
};

class OutPatientObject : public OutPatientData {
public:
    virtual ~OutPatientObject() = default;
    // Makes the visit current; True when it exists.
    virtual bool OpenOutPatient(const std::string& idNum, const std::string& hospitalNumber) = 0;
    virtual void Refresh() = 0;
    virtual PatientObject& Patient() = 0;
};

class PatientClassObject {
public:
    virtual ~PatientClassObject() = default;
    virtual OutPatientObject& clsOutPatient() = 0;
};

// Ulvexa.clsPatientSearch: patients, admissions, out-patient visits and rooms, with the current one of each shared by
// every window.
class PatientSearchComponent : public Component {
public:
    virtual bool InitConnection(db::Connection& connection, const std::string& mtsServerName) = 0;
    // True when the patient exists; loads PatientMaster. A Null answer of the server counts as False.
    virtual bool ValidatePatient(const std::string& hospitalNumber) = 0;
    // True when the admission exists; it becomes the current Admission.
    virtual bool ValidateAdmission(const std::string& idNum) = 0;
    // True when the text names a room of the register; Room then describes it. An empty text may show a room list.
    virtual bool ValidateRoom(const std::string& roomText) = 0;
    virtual PatientObject& PatientMaster() = 0;
    virtual AdmissionObject& Admission() = 0;
    virtual PatientClassObject& PatientClass() = 0;
    // The room accepted by the last ValidateRoom.
    virtual const RoomInfo& Room() const = 0;
};

} // namespace components
