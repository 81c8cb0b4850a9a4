#pragma once

#include "components/CodeSearchComponent.h"
#include "components/ComponentFactory.h"
#include "components/DrugComponent.h"
#include "components/DrugListComponent.h"
#include "components/IssuedItemsComponent.h"
#include "components/LabResultViewerComponent.h"
#include "components/NurseActivityComponents.h"
#include "components/PatientInfoComponent.h"
#include "components/PatientSearchComponent.h"
#include "sampleward/SampleWard.h"

#include <vector>

// Stand-ins for the hospital system's outside components, for the sample ward. The patient search and the
// patient-info object know the sample admissions; the others accept every connection offered, find nothing, list
// nothing and keep nothing.
namespace sampleward {

class SamplePatient : public components::PatientObject {
public:
    bool LoadPatient(const std::string& hospitalNumber) override;
    void Refresh() override {}
};

class SampleAdmissionObject : public components::AdmissionObject {
public:
    void Refresh() override {}
    // The discharge is a write, answered as done and forgotten like every other.
    bool DischargePatient(const std::string&, const std::string&, const std::string&, const std::string&,
                          const std::string&, const std::string&, const std::string&) override {
        return true;
    }
    components::PatientObject& Patient() override { return patient; }

    SamplePatient patient;
};

class SampleOutPatient : public components::OutPatientObject {
public:
    bool OpenOutPatient(const std::string& idNum, const std::string& hospitalNumber) override;
    void Refresh() override {}
    components::PatientObject& Patient() override { return patient; }

    SamplePatient patient;
};

class SamplePatientClass : public components::PatientClassObject {
public:
    components::OutPatientObject& clsOutPatient() override { return outPatient; }

    SampleOutPatient outPatient;
};

class SamplePatientSearch : public components::PatientSearchComponent {
public:
    bool InitConnection(db::Connection&, const std::string&) override { return true; }
    bool ValidatePatient(const std::string& hospitalNumber) override;
    bool ValidateAdmission(const std::string& idNum) override;
    bool ValidateRoom(const std::string& roomText) override;
    components::PatientObject& PatientMaster() override { return patientMaster; }
    components::AdmissionObject& Admission() override { return admission; }
    components::PatientClassObject& PatientClass() override { return patientClass; }
    const components::RoomInfo& Room() const override { return room; }

private:
    SamplePatient patientMaster;
    SampleAdmissionObject admission;
    SamplePatientClass patientClass;
    components::RoomInfo room;
};

class SamplePatientInfo : public components::PatientInfoComponent {
public:
    bool InitConnect(const std::string&) override { return true; }
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
    SampleAdmission current;
};

// Registers a stand-in under every program identifier the start-up creates that has no implementation of our own
// yet, except the log-in component's.
void RegisterSampleComponents(components::ComponentFactory& factory);

} // namespace sampleward
