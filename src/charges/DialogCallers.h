#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"

#include <optional>
#include <string>

namespace ward {

class App;

// The windows that charge oxygen by its pressure readings, each with its own amount rule.
enum class PSICaller {
    ChargeWindow,       // the charge and receivable windows: the hospital settings are read again first
    CashAssessment,     // the settings as last loaded
    ClinicalAssessment, // no setting: one unit price below 100 PSI, a hundredth of a unit per PSI from 100 up
};

// "Is this a PSI Oxygen?", No the default answer; true for Yes.
bool AskPSIOxygen(forms::Form& window);
// The row is no PSI row: flag "0", no readings, no tank.
void ClearPSIReadings(forms::MSHFlexGrid& grid, int row);
// After a Yes: marks the row, shows the reading dialog on it, then writes the quantity from PSIReading and the amount
// by the caller's rule.
void ChargeByPSIReading(App& app, forms::MSHFlexGrid& grid, int row, PSICaller caller);
// The quantity and amount the caller's rule gives for the reading handed back (columns 4 to 6 and 11 to 14).
void ApplyPSIAmountRule(App& app, forms::MSHFlexGrid& grid, int row, PSICaller caller);

// Shows the doctor's fee list and answers the fee picked; nothing, after the "No Record(s) found" message, when the
// doctor has no active fee. The caller then empties its row.
std::optional<double> PickDoctorsFee(App& app, forms::Form& window, const std::string& doctorCode,
                                     const std::string& doctorName);

} // namespace ward
