#pragma once

#include <cstdint>
#include <string>

namespace ward {

class App;

// Checks the pharmacy and central-supply request windows make before they accept an item or save a request.

// Medicines requested earlier for the admission are still not administered. An error is shown with its
// description and number under "Warning" and answers False.
bool CheckNotAdministeredMeds(App& app, const std::string& IdNum, const std::string& Code, std::int16_t Mode);

// A discharge notice with record status 'F' or 'P' exists for the admission. Errors reach the caller.
bool HasFinalDischargeNotice(App& app, const std::string& IdNum);

// The admission's total of pharmacy charges and requests; 0 when none, or after showing an error.
double GetTotalPHRequests(App& app, const std::string& IdNum);

// The item carries the ward parameter RegulatedDrugsClassID as its classification. An error is written to the
// error log (a failure to write it is passed over) and shown, and answers False.
bool CheckRegulatedDrug(App& app, const std::string& ItemID);

// The doctor exists and has an S2 licence number. Errors as CheckRegulatedDrug.
bool CheckS2License(App& app, const std::string& DoctorID);

// Digits only, unless the ward parameter AllowDecimalQty accepts anything. An empty text is valid.
bool IsValidQuantity(App& app, const std::string& Text);

} // namespace ward
