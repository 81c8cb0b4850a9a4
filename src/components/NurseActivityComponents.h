#pragma once

#include "Component.h"

namespace components {

// The nurse-activity objects of the Virselto family. Each takes the connection string of the shared connection with
// every call and hands back a recordset; each gets Class_Terminate before it is released at shutdown.
class NurseActivityComponent : public Component {
public:
    virtual void Class_Terminate() = 0;
};

// Virselto.clsRequest: kind "1" processed requests, "2" pending requests, "3" exams with results, "4" vital signs.
class RequestListComponent : public NurseActivityComponent {
public:
    virtual RecordsetResult GetRequests(const std::string& connectionString, const std::string& idNum,
                                        const std::string& kind) = 0;
};

// Virselto.clsResults: kind "1" x-ray, "2" ultrasound, "3" CT, "4" laboratory.
class ResultsComponent : public NurseActivityComponent {
public:
    virtual RecordsetResult GetResults(const std::string& connectionString, const std::string& idNum,
                                       const std::string& kind) = 0;
};

// Virselto.clsConfinement: the patient's confinements.
class ConfinementComponent : public NurseActivityComponent {
public:
    virtual RecordsetResult GetConfinementPeriod(const std::string& connectionString, const std::string& hospitalNumber,
                                                 const vb::Variant& admissionDate) = 0;
};

// Virselto.clsConfinementResults: kind "1" medicines, "2" x-ray, "3" ultrasound, "4" CT of one confinement.
class ConfinementResultsComponent : public NurseActivityComponent {
public:
    virtual RecordsetResult GetConfinementResults(const std::string& connectionString, const std::string& idNum,
                                                  const std::string& kind) = 0;
};

} // namespace components
