#pragma once

#include "components/LabResultViewerComponent.h"
#include "components/OwnComponents.h"

#include <string>
#include <vector>

namespace components {

// One released laboratory result of an admission, with the request line and charge slip it belongs to.
struct LabResultLine {
    std::string Section;
    std::string Exam;
    std::string NormalValue;
    std::string LabExamID;
    vb::Variant Resultdate;
    std::string Result;
    std::string RequestNum; // empty when the admission has no laboratory request line for the examination
    std::string Reference;  // the charge slip of the request, empty when none is logged
};

// Every released result of the admission (trimmed number) once per laboratory request line of its examination, in
// the laboratory's order; a result whose examination has no request line comes once, without request or slip.
std::vector<LabResultLine> ReadLabResultLines(db::Connection& connection, const std::string& idNum);

// The lines of one request, or with no request number those of one charge slip (both compared trimmed).
std::vector<LabResultLine> ChooseLabResults(const std::vector<LabResultLine>& lines, const std::string& requestNum,
                                            const std::string& csNumber);

namespace labstatements {
std::string NormalValues(const std::string& idNum);
std::string RequestLines(const std::string& idNum);
} // namespace labstatements

// Ostenay.Labresultviewer. Shows the chosen results of the admission in its own viewer window (view mode 0) or
// prints them at once (view mode 1), through the LabResult template. The patient printed is the one of IdNumber as
// the hospital's records give it: the patient properties are kept as set but never printed, since a caller that
// prints verified results leaves them as the chart set them for another patient.
class Labresultviewer : public LabResultViewerComponent {
public:
    explicit Labresultviewer(const ComponentServices& services);

    void SetCSNumber(const std::string& value) override { CSNumber = value; }
    void SetRequestNum(const std::string& value) override { RequestNum = value; }
    void SetAutoPrint(bool value) override { AutoPrint = value; }
    void SetViewMode(std::int16_t value) override { ViewMode = value; }
    void SetSQLConnection(db::Connection& connection) override { SQLConnection = &connection; }
    void SetHospitalNumber(const std::string& value) override { HospitalNumber = value; }
    void SetIdNumber(const std::string& value) override { IdNumber = value; }
    void SetRoomNumber(const std::string& value) override { RoomNumber = value; }
    void SetPatientName(const std::string& value) override { PatientName = value; }
    void SetAge(const std::string& value) override { Age = value; }
    void SetSex(const std::string& value) override { Sex = value; }
    void SetStatus(const std::string& value) override { Status = value; }
    void SetUserID(const std::string& value) override { UserID = value; }
    void SetStationID(const std::string& value) override { StationID = value; }
    void Show_Results() override;

    std::string CSNumber, RequestNum, HospitalNumber, IdNumber, RoomNumber, PatientName, Age, Sex, Status, UserID,
        StationID;
    bool AutoPrint = false;
    std::int16_t ViewMode = 0;
    db::Connection* SQLConnection = nullptr;

private:
    db::Connection& Connection() const;
    std::vector<vb::Variant> ReportValues();

    ComponentServices services;
};

void RegisterLabResultViewer(ComponentFactory& factory, const ComponentServices& services);

} // namespace components
