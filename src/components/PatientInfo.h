#pragma once

#include "components/PatientInfoComponent.h"
#include "components/PatientRecords.h"
#include "components/PatientSearch.h"

namespace components {

// Our patient-information object: reads an admission on the shared connection into a state of its own, so the
// patient search's current admission never moves.
class PatientInfo : public PatientInfoComponent {
public:
    explicit PatientInfo(ConnectionSource connection) : connection(std::move(connection)) {}
    bool InitConnect(const std::string& connectionString) override;
    bool LoadInfo(const std::string& idNum) override;
    std::string AdmissionNumber() const override { return current.admission.IdNumber; }
    std::string HospitalNumber() const override { return current.admission.HospitalNumber; }
    std::string StationID() const override { return current.admission.Room.Station.Code; }
    std::string Station() const override { return current.admission.Room.Station.Description; }
    std::string PatientName() const override;
    std::string Doctor() const override { return current.admission.AttendingDoctor1.CompleteName; }
    std::string RoomNumber() const override { return current.admission.Room.RoomID; }
    std::string Room() const override { return current.admission.Room.Accomodation.Description; }
    vb::Variant Age() const override { return current.admission.Age; }
    std::string Sex() const override { return current.patient.Sex; }

private:
    ConnectionSource connection;
    records::AdmissionRecord current{{}, {}};
};

} // namespace components
