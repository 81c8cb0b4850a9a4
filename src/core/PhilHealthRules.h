#pragma once

#include <string>

namespace ward {

class App;

// Questions about an admission or an item that windows ask before they accept a charge, a request or a discharge.
// Each sends one statement on the shared connection; a missing row is never an error and answers False. Unless
// said otherwise, an error is shown with the one error message and answers False.

// The 24-hour stay is reached. When it is not, says so itself (the callers show nothing more). Errors reach the
// caller.
bool HasStayedOneDay(App& app, const std::string& IdNum);
bool IsValidPHICPatient(App& app, const std::string& IdNum);
// The admission falls on or after the ward parameter RequireCF4Start (or none is set) and it is a valid PhilHealth
// patient.
bool IsCF4Required(App& app, const std::string& IdNum);
bool IsPNFItem(App& app, const std::string& ItemID);
bool IsZPackageItem(App& app, const std::string& ItemID);
// Empties LastPDTransaction, then fills it from the row the Z first-package procedure returns.
bool CheckZFirstPackage(App& app, const std::string& IdNum);
bool IsHMOPatient(App& app, const std::string& IdNum);
// The admission's account number differs from its hospital number. Errors reach the caller.
bool IsCompanyAccount(App& app, const std::string& IdNum);
bool IsInternationalPatient(App& app, const std::string& IdNum);
// The revenue code's stock-card revenue is the pharmacy's.
bool IsPHRevenue(App& app, const std::string& RevenueID);

} // namespace ward
