#pragma once

#include "components/PatientSearchComponent.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Lists.h"

#include <functional>
#include <map>
#include <string>

namespace ward {

class App;

// One way of ordering exams from the chart and what its gate says: the department, the admission's flag that lets
// the department charge (no value counts as cash basis), the pieces of its refusals, and whether a cash-basis
// refusal may be by-passed for a STAT request (reloading the hospital settings first or not).
struct RequestOpener {
    std::string DeptCode;
    components::NullableFlag components::AdmissionData::*MayCharge;
    std::string RightRefusal;
    std::string ClearedFirst;
    std::string ClearedLast;
    std::string CashBasisMiddle;
    bool OffersBypass;
    bool ReloadsSettings;
};

// The chart's six openers: its three quick lists and its three search buttons.
namespace openers {
extern const RequestOpener lstListLaboratory;
extern const RequestOpener lstListXray;
extern const RequestOpener lstListUltra;
extern const RequestOpener cmdLabMore;
extern const RequestOpener cmdUltraMore;
extern const RequestOpener cmdXrayMore;
} // namespace openers

// A supervisor's approval of a STAT request through the cash basis, kept for the cart by department code until the
// chart empties the cart: the cart's save writes its notes for billing from these alone.
struct BypassApproval {
    std::string SupervisorID;
    std::string ApprovalRemark;
    friend bool operator==(const BypassApproval&, const BypassApproval&) = default;
};
using BypassApprovals = std::map<std::string, BypassApproval>;

enum class GateAnswer { Refused, Passed, PassedUnderBypass };

// The gate of a quick list, run first on every click of a line; true when it passed. A refusal has told the nurse
// why, kept the clicked line in SavedListLine and put a ticked line back unticked, except under a closed account,
// which leaves the line as the click made it. A failure settles the line as a refusal does before it goes on.
bool PassQuickListGate(App& app, const RequestOpener& opener, const forms::TextBox& txtId, forms::ListBox& list,
                       std::string& SavedListLine);

// The gate of a search button. Passed: the caller opens its entry window. Under cash basis an opener that offers the
// by-pass runs RunStatBypass, which shows the window itself (PassedUnderBypass).
GateAnswer PassSearchGate(App& app, const RequestOpener& opener, const forms::TextBox& txtId,
                          BypassApprovals& approvals, const std::function<void()>& showEntryWindow);

// The STAT by-pass of a cash-basis refusal: with the hospital's leave and the nurse's consent a supervisor signs in
// (again as often as the nurse wants after a refusal). Once one is accepted the supervisor becomes the acting user,
// the approval is kept for the cart under DeptCode, and the entry window is shown while CashBasisStatBypass is True,
// which is False again however the window ends. True when the window was shown.
bool RunStatBypass(App& app, const std::string& DeptCode, bool reloadSettings, BypassApprovals& approvals,
                   const std::function<void()>& showEntryWindow);

// CashBasisStatBypass while an entry window opened through the by-pass is shown: it falls however the window ends,
// so no later window takes it for its own.
class StatBypassShowing {
public:
    explicit StatBypassShowing(App& app);
    ~StatBypassShowing();
    StatBypassShowing(const StatBypassShowing&) = delete;
    StatBypassShowing& operator=(const StatBypassShowing&) = delete;

private:
    App& app;
};

// Puts the clicked line of a sorted check-box list back unticked at its place: the line goes and its text comes back.
void RestoreClickedLine(forms::ListBox& list, const std::string& line);

} // namespace ward
