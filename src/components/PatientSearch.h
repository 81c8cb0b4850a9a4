#pragma once

#include "components/PatientRecords.h"
#include "components/PatientSearchComponent.h"

#include <functional>
#include <optional>
#include <string>

namespace db {
class Connection;
}

namespace components {

using ConnectionSource = std::function<db::Connection&()>;

// Shows the rooms of the register whose text matches, with the text in the search box; the room ID chosen, or
// nothing when the nurse closes the list.
using RoomChooser = std::function<std::optional<std::string>(const std::string& text)>;

class PatientRecord : public PatientObject {
public:
    explicit PatientRecord(ConnectionSource connection) : connection(std::move(connection)) {}
    bool LoadPatient(const std::string& hospitalNumber) override;
    // Re-reads the patient loaded last; nothing to read before the first load.
    void Refresh() override;

private:
    ConnectionSource connection;
};

class Admission : public AdmissionObject {
public:
    explicit Admission(ConnectionSource connection) : connection(connection), patient(connection) {}
    // Makes that admission current; False keeps the current one.
    bool Load(const std::string& idNum);
    void Refresh() override;
    bool DischargePatient(const std::string& idNum, const std::string& dischargeDate, const std::string& resultCode,
                          const std::string& dispositionCode, const std::string& userID, const std::string& roomID,
                          const std::string& doctorCode) override;
    PatientObject& Patient() override { return patient; }

private:
    void Take(const records::AdmissionRecord& record);
    ConnectionSource connection;
    PatientRecord patient;
};

class OutPatientVisit : public OutPatientObject {
public:
    explicit OutPatientVisit(ConnectionSource connection) : connection(connection), patient(connection) {}
    bool OpenOutPatient(const std::string& idNum, const std::string& hospitalNumber) override;
    void Refresh() override;
    PatientObject& Patient() override { return patient; }

private:
    bool Load(const std::string& idNum);
    ConnectionSource connection;
    PatientRecord patient;
};

class PatientClass : public PatientClassObject {
public:
    explicit PatientClass(ConnectionSource connection) : outPatient(std::move(connection)) {}
    OutPatientObject& clsOutPatient() override { return outPatient; }

private:
    OutPatientVisit outPatient;
};

// Our patient search: every statement runs on the program's shared connection, whatever connection is offered.
class PatientSearch : public PatientSearchComponent {
public:
    PatientSearch(ConnectionSource connection, RoomChooser chooseRoom);
    bool InitConnection(db::Connection& connection, const std::string& mtsServerName) override;
    bool ValidatePatient(const std::string& hospitalNumber) override;
    bool ValidateAdmission(const std::string& idNum) override;
    bool ValidateRoom(const std::string& roomText) override;
    PatientObject& PatientMaster() override { return patientMaster; }
    AdmissionObject& Admission() override { return admission; }
    PatientClassObject& PatientClass() override { return patientClass; }
    const RoomInfo& Room() const override { return room; }

private:
    ConnectionSource connection;
    RoomChooser chooseRoom;
    PatientRecord patientMaster;
    components::Admission admission;
    components::PatientClass patientClass;
    RoomInfo room;
};

} // namespace components
