#pragma once

#include "Component.h"

namespace components {

// Quosset.Patient: patient information of one admission.
class PatientInfoComponent : public Component {
public:
    virtual bool InitConnect(const std::string& connectionString) = 0;
    // True when the admission was found; the members below then describe it.
    virtual bool LoadInfo(const std::string& idNum) = 0;
    virtual std::string AdmissionNumber() const = 0;
    virtual std::string HospitalNumber() const = 0;
    virtual std::string StationID() const = 0;
    virtual std::string Station() const = 0;
    virtual std::string PatientName() const = 0;
    virtual std::string Doctor() const = 0;
    virtual std::string RoomNumber() const = 0;
    virtual std::string Room() const = 0;
    virtual vb::Variant Age() const = 0;
    virtual std::string Sex() const = 0;
};

} // namespace components
