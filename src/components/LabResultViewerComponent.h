#pragma once

#include "Component.h"

namespace components {

// Ostenay.Labresultviewer: shows or prints laboratory results. One object for the whole run: every property keeps the
// value last set.
class LabResultViewerComponent : public Component {
public:
    virtual void SetCSNumber(const std::string& value) = 0;
    virtual void SetRequestNum(const std::string& value) = 0;
    virtual void SetAutoPrint(bool value) = 0;
    virtual void SetViewMode(std::int16_t value) = 0; // 0 view, 1 print
    virtual void SetSQLConnection(db::Connection& connection) = 0;
    virtual void SetHospitalNumber(const std::string& value) = 0;
    virtual void SetIdNumber(const std::string& value) = 0;
    virtual void SetRoomNumber(const std::string& value) = 0;
    virtual void SetPatientName(const std::string& value) = 0;
    virtual void SetAge(const std::string& value) = 0;
    virtual void SetSex(const std::string& value) = 0;
    virtual void SetStatus(const std::string& value) = 0;
    virtual void SetUserID(const std::string& value) = 0;
    virtual void SetStationID(const std::string& value) = 0;
    // Shows the described results, or prints them in print mode; returns when done.
    virtual void Show_Results() = 0;
};

} // namespace components
