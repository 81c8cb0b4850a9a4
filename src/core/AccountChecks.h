#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Grid.h"
#include "platform/vb/Variant.h"

#include <string>

namespace ward {

class App;

// Yes/no questions about the open admission asked before the nurse may work, and the charge-slip checks. Arguments
// are trimmed before they go into the statement; a missing row gives False. None of them catches an error.

// Whether the department has cleared the patient (a row with a clearance date).
bool IsDepartmentCleared(App& app, const std::string& IdNum, const std::string& DeptCode);
// Whether billing has placed the ward's own charges under cash basis (the admission's OkeySU flag is off).
bool IsCashBasisSU(App& app, const std::string& IdNum);
inline bool IsOkeySU(App& app, const std::string& IdNum) { return IsCashBasisSU(app, IdNum); }
// Whether the patient is under patient's medicine.
bool IsPatientsMed(App& app, const std::string& IdNum);
bool IsMaintainedRoom(App& app, const std::string& IdNum);
bool IsSeniorCitizen(App& app, const std::string& IdNum);
// Whether late charges may be posted through the receivable update.
bool IsReceivableUpdate(App& app, const std::string& IdNum);
// Whether the patient search's billing date means a closed account: a date or number other than zero; Null, Empty
// and blank text mean open.
bool IsBillingDateSet(const vb::Variant& billingDate);
// Whether billing has closed the account of the admission the patient search holds; the nurse has been told.
bool IsAccountClosed(App& app);

// Whether a data row of the entry grid has the department code "IC" in column 1 (the requesting doctor is asked).
bool HasICRow(const forms::MSHFlexGrid& Grid);

// Whether the charge-slip number is already used by any charge, out-patient charge, stock card or (with the
// fifteen-character slip format) cash assessment.
bool ChargeSlipExists(App& app, const std::string& ChargeSlip);
// Shows the counter of the charge-slip series in item 1 of the main window's lblCS.
void ShowNextChargeSlip(App& app, forms::ControlArray<forms::Label>& lblCS);

} // namespace ward
