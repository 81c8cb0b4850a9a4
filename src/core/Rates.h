#pragma once

#include <string>

namespace forms {
class Form;
class TextBox;
} // namespace forms

namespace ward {

class App;

// Look-ups that price and classify what is charged. Arguments are trimmed before they go into the statement; a
// missing row gives the neutral answer (empty text, 0 or False). None of them catches an error.

// The accounts-receivable code of a charge line.
std::string GetARCode(App& app, const std::string& RevenueCode, const std::string& UnitCode, const std::string& Mode);
// The rate class of a room.
std::string GetRoomClassification(App& app, const std::string& RoomID);
// The package's rate for the classes "A" to "E" as Str writes it (" 1500"); "" for any other class.
std::string GetPackageRate(App& app, const std::string& PackageID, const std::string& RateClass);
double GetDoctorsRate(App& app, const std::string& DoctorCode, const std::string& RateClass);
// Whether the doctor has an active professional fee.
bool HasDoctorBill(App& app, const std::string& DoctorCode);
std::string GetOPDRateType(App& app, const std::string& IdNum);
// The kind of inventory of a charge location; the charge windows compare it with "C".
std::string GetInventoryType(App& app, const std::string& LocationID);
// The admission's package: PatientType "I" reads the in-patient table, anything else the out-patient one.
std::string GetAdmissionPackage(App& app, const std::string& IdNum, const std::string& PatientType);

// Loads the admission's transplant and dialysis status into TransplantID, DialysisID, TransplantText and
// DialysisText, and adds its packages, VIP and senior-citizen notes to the chart's caption. The chart passes its
// admission box and itself.
void ShowPatientPackageInfo(App& app, const forms::TextBox& txtId, forms::Form& chart);
// The texts the laboratory request form prints for TransplantID and DialysisID: "0", "1" and (dialysis only) "2"
// name them; any other value leaves the text as it was.
void SetTransplantAndDialysisTexts(App& app);
// The same for the codes of a posted exam.
void SetTransplantAndDialysisTexts(App& app, const std::string& transplantID, const std::string& dialysisID);
// Saves TransplantID and DialysisID for the admission in the chart's box.
void SavePatientOtherInfo(App& app, const forms::TextBox& txtId);

} // namespace ward
