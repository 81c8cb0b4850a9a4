#include "requestcart/RequestGate.h"

#include "core/AccountChecks.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "platform/vb/Strings.h"
#include "shell/UserRights.h"
#include "shell/frmSupervisorAccessCode.h"

namespace ward {

namespace openers {

const RequestOpener lstListLaboratory{"LB",
                                      &components::AdmissionData::OkeyLab,
                                      "Sorry you don't have access right to Request Laboratory Exams.",
                                      "Patient is already cleared by (Laboratory Department). ",
                                      " immediately for further instructions.",
                                      "for ( Laboratory Charges ) by the Billing Officer. ",
                                      false,
                                      false};
const RequestOpener lstListXray{"XR",
                                &components::AdmissionData::OkeyXray,
                                "Sorry you don't have access right to Request Xray Exams.",
                                "Patient is already cleared by (Xray Department). ",
                                " immediately for further instructions.....",
                                "for ( Xray Charges ) by the Billing Officer. ",
                                false,
                                false};
const RequestOpener lstListUltra{"US",
                                 &components::AdmissionData::OkeyUltra,
                                 "Sorry you don't have access right to Request Ultrasound Exams.",
                                 "Patient is already cleared by (Ultrasound Department). ",
                                 " immediately for further instructions.....",
                                 "for ( Ultrasound Charges ) by the Billing Officer. ",
                                 false,
                                 false};
const RequestOpener cmdLabMore{"LB",
                               &components::AdmissionData::OkeyLab,
                               "Sorry you don't have access right to Request Laboratory Exams.",
                               "Patient is already cleared by (Laboratory Department). ",
                               " immediately for further instructions.....",
                               "for ( Laboratory Charges ) by the Billing Officer. ",
                               true,
                               true};
const RequestOpener cmdUltraMore{"US",
                                 &components::AdmissionData::OkeyUltra,
                                 "Sorry you don't have access right to Request Ultrasound Exams.",
                                 "Patient is already cleared by (Ultrasound Department). ",
                                 " immediately for further instructions.....",
                                 "for ( Ultrasound Charges ) by the Billing Officer. ",
                                 true,
                                 false};
const RequestOpener cmdXrayMore{"XR",
                                &components::AdmissionData::OkeyXray,
                                "Sorry you don't have access right to Request Xray Exams.",
                                "Patient is already cleared by (Xray Department). ",
                                " immediately for further instructions.....",
                                "for ( Xray Charges ) by the Billing Officer. ",
                                true,
                                false};

} // namespace openers

namespace {

constexpr int kInformation = forms::vbInformation + forms::vbOKOnly;
constexpr int kExclamation = forms::vbExclamation + forms::vbOKOnly;
constexpr int kQuestion = forms::vbYesNo + forms::vbInformation;

enum class Step { Passed, Right, UnknownAdmission, Cleared, Closed, CashBasis };

// The checks every opener shares, in order; the first that refuses has told the nurse why.
Step FirstRefusingStep(App& app, const RequestOpener& opener, const forms::TextBox& txtId) {
    if (!HasUserRight(app, "1")) {
        app.Forms.MsgBox(opener.RightRefusal, kInformation, "Message");
        return Step::Right;
    }
    // The patient search holds the admission validated last, which a click in the patient list changes behind an
    // open chart: the chart's own admission is made current before its billing state is read.
    if (!app.PatientSearch->ValidateAdmission(txtId.Text())) {
        app.Forms.MsgBox("No records found.", kInformation, "Notification");
        return Step::UnknownAdmission;
    }
    components::AdmissionObject& admission = app.PatientSearch->Admission();
    admission.Refresh();
    if (IsDepartmentCleared(app, txtId.Text(), opener.DeptCode)) {
        app.Forms.MsgBox(opener.ClearedFirst + "If you have requests to make, notify the Billing staff" +
                             opener.ClearedLast,
                         kInformation, "Message");
        return Step::Cleared;
    }
    if (IsBillingDateSet(admission.BillingDate)) {
        app.Forms.MsgBox(std::string("The patient's account has already been closed . ") +
                             "If you have charges to make, notify the Billing staff" +
                             " immediately for further instructions.....",
                         kExclamation, "Message");
        return Step::Closed;
    }
    if ((admission.*opener.MayCharge).value_or(false))
        return Step::Passed;
    app.Forms.MsgBox("The patient's account has been placed under cash basis " + opener.CashBasisMiddle +
                         "Please advise the patient/watcher to see the Billing staff immediately for further "
                         "instructions.",
                     kExclamation, "Message");
    return Step::CashBasis;
}

// A click that ticked the line is undone; one that unticked it stays.
void UntickClickedLine(forms::ListBox& list) {
    const int index = list.ListIndex();
    if (index >= 0 && list.Selected(index))
        RestoreClickedLine(list, list.List(index));
}

} // namespace

StatBypassShowing::StatBypassShowing(App& app) : app(app) { app.CashBasisStatBypass = true; }

StatBypassShowing::~StatBypassShowing() { app.CashBasisStatBypass = false; }

void RestoreClickedLine(forms::ListBox& list, const std::string& line) {
    list.RemoveItem(list.ListIndex());
    list.AddItem(line);
    list.Refresh();
}

bool PassQuickListGate(App& app, const RequestOpener& opener, const forms::TextBox& txtId, forms::ListBox& list,
                       std::string& SavedListLine) {
    Step step = Step::Passed;
    try {
        step = FirstRefusingStep(app, opener, txtId);
    } catch (...) {
        SavedListLine = list.Text();
        UntickClickedLine(list);
        throw;
    }
    if (step == Step::Passed)
        return true;
    SavedListLine = list.Text();
    // Under a closed account the line stays as clicked: billing, not the nurse, has to act.
    if (step != Step::Closed)
        UntickClickedLine(list);
    return false;
}

GateAnswer PassSearchGate(App& app, const RequestOpener& opener, const forms::TextBox& txtId,
                          BypassApprovals& approvals, const std::function<void()>& showEntryWindow) {
    const Step step = FirstRefusingStep(app, opener, txtId);
    if (step == Step::Passed)
        return GateAnswer::Passed;
    if (step != Step::CashBasis || !opener.OffersBypass)
        return GateAnswer::Refused;
    return RunStatBypass(app, opener.DeptCode, opener.ReloadsSettings, approvals, showEntryWindow)
               ? GateAnswer::PassedUnderBypass
               : GateAnswer::Refused;
}

bool RunStatBypass(App& app, const std::string& DeptCode, bool reloadSettings, BypassApprovals& approvals,
                   const std::function<void()>& showEntryWindow) {
    app.CashBasisStatBypass = false;
    if (reloadSettings)
        LoadHospitalSettings(app);
    if (!app.IsAllowByPassClinicalDepartmentCashBasis)
        return false;
    if (app.Forms.MsgBox(std::string("Note: You can by pass the cash basis condition if the request is really a "
                                     "'STAT'.") +
                             "\n\r" +
                             "Provided that you will enter the reason for the STAT request and a Supervisor Log-in." +
                             "\n\r\n\r" + "Do You want to Proceed?",
                         kQuestion, "Message") != forms::vbYes)
        return false;
    for (;;) {
        app.Forms.Get<frmSupervisorAccessCode>().ShowModal();
        if (!vb::Trim(app.SupervisorID).empty()) {
            app.ValidatedUserID = app.SupervisorID;
            approvals[DeptCode] = {vb::Trim(app.SupervisorID), app.ApprovalRemark};
            StatBypassShowing showing(app);
            showEntryWindow();
            return true;
        }
        if (app.Forms.MsgBox(std::string("Selected transaction will not continue! ") + "\r\n" +
                                 "Are you sure you want to by pass the cash basis condition if the request is really "
                                 "a 'STAT'?",
                             kQuestion, "Message") != forms::vbYes)
            return false;
    }
}

} // namespace ward
