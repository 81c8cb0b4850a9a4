#pragma once

#include "components/PatientSearchComponent.h"

#include <optional>
#include <string>
#include <vector>

namespace db {
class Connection;
}

// Readers of the hospital's patient, admission, visit and room records, shared by the patient search and the
// patient-information object. Each reads what it finds whole or answers nothing; a server error is raised unchanged.
namespace components::records {

// The patient master of that hospital number (trimmed).
std::optional<PatientData> ReadPatient(db::Connection& connection, const std::string& hospitalNumber);

// The admission of that number (trimmed), with its doctors, history and room, and its patient.
struct AdmissionRecord {
    AdmissionData admission;
    PatientData patient;
};
std::optional<AdmissionRecord> ReadAdmission(db::Connection& connection, const std::string& idNum);

// The out-patient visit of that number (trimmed), with its doctors and its patient.
struct VisitRecord {
    OutPatientData visit;
    PatientData patient;
};
std::optional<VisitRecord> ReadVisit(db::Connection& connection, const std::string& idNum);

// An out-patient visit as the current admission: its doctors in order as the attending doctors and the admitting one,
// its diagnosis as the admitting diagnosis; no room, and no cash-basis flag set.
AdmissionData AdmissionOfVisit(const OutPatientData& visit, const PatientData& patient);

// Whether the admission number names an out-patient or emergency visit: it ends in "B".
bool IsVisitNumber(const std::string& idNum);

// The room of the register whose ID equals the text, trimmed, in any letter case.
std::optional<RoomInfo> ReadRoom(db::Connection& connection, const std::string& roomID);

// The rooms of the register whose ID or station holds the text literally (all of them for an empty text), by ID.
struct RoomListEntry {
    std::string RoomID;
    std::string Station;
};
std::vector<RoomListEntry> ReadRoomList(db::Connection& connection, const std::string& text);

// Discharges the admission while it has none; the rows the update changed.
long WriteDischarge(db::Connection& connection, const std::string& idNum, const std::string& dischargeDate,
                    const std::string& resultCode, const std::string& dispositionCode, const std::string& userID,
                    const std::string& doctorCode);

// The statements the readers send, each value trimmed and quoted; a server that answers them declares them here.
namespace statements {
std::string Patient(const std::string& hospitalNumber);
std::string Admission(const std::string& idNum);
std::string Visit(const std::string& idNum);
std::string Doctor(const std::string& code);
std::string Room(const std::string& roomID);
std::string RoomClass(const std::string& roomID);
std::string RoomList(const std::string& text);
std::string Discharge(const std::string& idNum, const std::string& dischargeDate, const std::string& resultCode,
                      const std::string& dispositionCode, const std::string& userID, const std::string& doctorCode);
} // namespace statements

// The text as a LIKE pattern that matches it literally anywhere: "%", "_" and "[" stand for themselves.
std::string ContainsPattern(const std::string& text);

} // namespace components::records
