#include "chart/frmFinal.h"

#include "core/AccountChecks.h"
#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmPTRequestEntry.h"
#include "requestentry/frmRTfile.h"
#include "requestentry/frmRequest.h"
#include "shell/UserRights.h"

namespace ward {

// How a department's cash-basis refusal ends: billing (A), credit and collection (B), or the same on three lines (C).
enum class Advice { Billing, CreditAndCollection, CreditAndCollectionLines };

// One department of the other-departments list. A department without a flag of its own has no picker: its cash
// basis comes from a query (and neurology has none).
struct OtherDepartment {
    const char* code;
    const char* text;
    components::NullableFlag components::AdmissionData::*mayCharge;
    const char* charges;
    Advice advice;
    ExamPicker& (*picker)(App&);
};

namespace {

constexpr int kInformation = forms::vbInformation + forms::vbOKOnly;
constexpr int kExclamation = forms::vbExclamation + forms::vbOKOnly;

template <class Picker> ExamPicker& LoadedPicker(App& app) { return app.Forms.Get<Picker>(); }

using components::AdmissionData;
const OtherDepartment OtherDepartments[] = {
    {"PT", "Physical Therapy", &AdmissionData::OkeyPT, "for ( Physical Therapy Charges ) by the Billing Officer. ",
     Advice::Billing, &LoadedPicker<frmPTFile>},
    {"CT", "CT-Scan ", &AdmissionData::OkeyCT, "for ( CT Scan Charges ) by the Billing Officer. ", Advice::Billing,
     &LoadedPicker<frmCTfile>},
    {"PA", "Pulmonary", &AdmissionData::OkeyRTS, "for ( Pulmonary/RTS Charges ) by the Billing Officer. ",
     Advice::Billing, &LoadedPicker<frmRTfile>},
    {"AU", "Audiometry", &AdmissionData::OkeyAU, "for ( Audiometry Charges ) by the Credit & Collection Officer. ",
     Advice::CreditAndCollection, &LoadedPicker<frmAudio>},
    {"NU", "Nuclear Medicine", &AdmissionData::OkeyNU, "for ( Nuclear Medicine Charges ) by the Billing Officer. ",
     Advice::Billing, &LoadedPicker<frmNuclear>},
    {"HS", "Heart Station", &AdmissionData::OkeyHS, "for ( Heart Station/Cardio Charges ) by the Billing Officer. ",
     Advice::Billing, &LoadedPicker<frmHeart>},
    {"NE", "Neurology", nullptr, "", Advice::Billing, &LoadedPicker<frmNeuRoExams>},
    {"MI", "MAGNETIC RESONANCE IMAGING", nullptr, "for ( MRI Charges ) by the Credit & Collection Officer. ",
     Advice::CreditAndCollectionLines, nullptr},
    {"WC", "CENTRE FOR WOMEN", nullptr, "for ( Center For Women Charges ) by the Credit & Collection Officer. ",
     Advice::CreditAndCollectionLines, nullptr},
};

// A code outside the table: its text is the line less its code, the line's blanks kept.
OtherDepartment DepartmentOfLine(const std::string& code, const std::string& line, std::string& text) {
    for (const OtherDepartment& department : OtherDepartments)
        if (code == department.code) {
            text = department.text;
            return department;
        }
    const std::string trimmed = vb::Trim(line);
    text = vb::Left(trimmed, std::max<int>(0, static_cast<int>(trimmed.size()) - 2));
    return {"", "", nullptr, "", Advice::CreditAndCollectionLines, nullptr};
}

std::string CashBasisMessage(const std::string& charges, Advice advice) {
    const std::string placed = "The patient's account has been placed under cash basis ";
    switch (advice) {
    case Advice::Billing:
        return placed + charges +
               "Please advise the patient/watcher to see the Billing staff immediately for further instructions.";
    case Advice::CreditAndCollection:
        return placed + charges + "Please refer to Credit & Collection Department for further instructions.";
    case Advice::CreditAndCollectionLines:
        break;
    }
    return placed + "\r" + charges + "\r" + "Please refer to Credit & Collection Department for further instructions.";
}

bool IsTrue(const vb::Variant& value) { return !value.IsNull() && vb::CBool(value); }

} // namespace

void frmFinal::WireRequestEntry() {
    cmdLabMore.Click = [this] { cmdLabMore_Click(); };
    cmdUltraMore.Click = [this] { cmdUltraMore_Click(); };
    cmdXrayMore.Click = [this] { cmdXrayMore_Click(); };
    lstListOthers.Click = [this] { lstListOthers_Click(); };
}

void frmFinal::cmdLabMore_Click() { OpenRequestDialog(openers::cmdLabMore, "Laboratory Request Entry"); }

void frmFinal::cmdUltraMore_Click() { OpenRequestDialog(openers::cmdUltraMore, "Ultrasound Request Entry"); }

void frmFinal::cmdXrayMore_Click() { OpenRequestDialog(openers::cmdXrayMore, "Xray Request Entry"); }

void frmFinal::OpenRequestDialog(const RequestOpener& opener, const std::string& caption) {
    auto showDialog = [this, &opener, &caption] { ShowRequestDialog(caption, opener.DeptCode); };
    if (PassSearchGate(app, opener, txtId, StatBypassApprovals, showDialog) == GateAnswer::Passed)
        showDialog();
}

// The caption's touch loads the dialog, whose load reads the by-pass flag before the department is known.
void frmFinal::ShowRequestDialog(const std::string& caption, const std::string& deptCode) {
    app.Forms.Get<frmRequest>().SetCaption(caption);
    app.Forms.Get<frmRequest>().txtDept.SetText(deptCode);
    app.Forms.Get<frmRequest>().SetDepartment(deptCode);
    app.Forms.Get<frmRequest>().ShowModal();
}

// Puts the current line back unticked when it is ticked. A picker department's line goes through the picker's
// department box, which keeps it for the picker's Close.
void frmFinal::UntickOthersLine(const std::string& deptCode) {
    const int index = lstListOthers.ListIndex();
    std::string line = lstListOthers.List(index);
    std::string text;
    if (const OtherDepartment department = DepartmentOfLine(deptCode, line, text); department.picker) {
        forms::TextBox& box = department.picker(app).DepartmentBox();
        box.SetText(line);
        line = box.Text();
    }
    if (lstListOthers.Selected(index))
        RestoreClickedLine(lstListOthers, line);
}

// A line runs its department's gate, then opens the department's request window; a line ticked stays ticked while
// a picker is open, whose Close gives it back.
void frmFinal::lstListOthers_Click() {
    const int index = lstListOthers.ListIndex();
    if (index < 0)
        return;
    const std::string line = lstListOthers.List(index);
    const std::string deptCode = vb::Right(line, 2);
    if (!HasUserRight(app, "1")) {
        MsgBox("Sorry you don't have access right to Request Exams.", kInformation, "Message");
        UntickOthersLine(deptCode);
        return;
    }
    if (RefusedAsUnknownAdmission())
        return;
    std::string text;
    const OtherDepartment department = DepartmentOfLine(deptCode, line, text);
    if (IsDepartmentCleared(app, txtId.Text(), deptCode)) {
        MsgBox("Patient is already cleared by (" + text + " Department). " +
                   "If you have requests to make, notify the Billing staff" +
                   " immediately for further instructions.....",
               kInformation, "Message");
        UntickOthersLine(deptCode);
        return;
    }
    if (IsBillingDateSet(app.PatientSearch->Admission().BillingDate)) {
        MsgBox(std::string("The patient's account has already been closed . ") +
                   "If you have charges to make, notify the Billing staff" +
                   " immediately for further instructions.....",
               kExclamation, "Message");
        return;
    }
    if (!lstListOthers.Selected(index))
        return;
    OpenOtherDepartment(department, text);
}

// The department's window, or its cash-basis refusal with the STAT by-pass.
void frmFinal::OpenOtherDepartment(const OtherDepartment& department, const std::string& text) {
    const std::string line = lstListOthers.List(lstListOthers.ListIndex());
    const std::string deptCode = vb::Right(line, 2);
    if (department.picker) {
        ExamPicker& picker = department.picker(app);
        picker.DepartmentBox().SetText(line);
        if (!department.mayCharge) {
            picker.ShowModal();
            return;
        }
        if ((app.PatientSearch->Admission().*department.mayCharge).value_or(false)) {
            if (deptCode == "PT" && app.Parameters().FreeTypingPT()) {
                ShowRehabilitationEntry();
                UntickOthersLine(deptCode);
            } else {
                picker.ShowModal();
            }
            return;
        }
        MsgBox(CashBasisMessage(department.charges, department.advice), kExclamation, "Message");
        UntickOthersLine(deptCode);
        RunStatBypass(app, deptCode, false, StatBypassApprovals, [&picker] { picker.ShowModal(); });
        return;
    }
    const std::string caption = deptCode == "MI"   ? std::string("MRI Request Entry")
                                : deptCode == "WC" ? std::string("Centre for Women Request Entry")
                                                   : text;
    const std::string idNum = db::SqlQuote(vb::Trim(txtId.Text()));
    std::string charges = department.charges;
    bool cashBasis = false;
    {
        db::Recordset rs = app.Connection().Open(
            deptCode == "MI" ? "Select isnull(okeymri,0) OkeyMRI from patient_data..tbpatient2 where idnum =" + idNum
            : deptCode == "WC"
                ? "Select isnull(okeymammo,0) OkeyMRI from patient_data..tbpatient2 where idnum =" + idNum
                : "STATION..sp_Nurse_Check_OtherDept_If_CashBasis " + idNum + "," + db::SqlQuote(vb::Trim(deptCode)),
            db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        if (rs.Eof())
            return;
        if (deptCode == "MI" || deptCode == "WC") {
            cashBasis = !IsTrue(rs.Fields("OkeyMRI"));
        } else {
            cashBasis = IsTrue(rs.Fields("CashBasis"));
            if (cashBasis)
                charges =
                    "for ( " + vb::Trim(vb::CStr(rs.Fields("Department"))) + " ) by the Credit & Collection Officer. ";
        }
        rs.Close();
    }
    if (!cashBasis) {
        ShowRequestDialog(caption, deptCode);
        UntickOthersLine(deptCode);
        return;
    }
    MsgBox(CashBasisMessage(charges, department.advice), kExclamation, "Message");
    UntickOthersLine(deptCode);
    RunStatBypass(app, deptCode, false, StatBypassApprovals,
                  [this, &caption, &deptCode] { ShowRequestDialog(caption, deptCode); });
}

// The rehabilitation entry takes the chart's header before it loads.
void frmFinal::ShowRehabilitationEntry() {
    frmPTRequestEntry& entry = app.Forms.Instance<frmPTRequestEntry>();
    entry.PName = txtPatient.Text();
    entry.AdmMD = txtDoctor1.Text();
    entry.AtnMD = txtDoctor2.Text();
    entry.ID = txtId.Text();
    entry.Hosp = txtPno.Text();
    entry.Room = txtRoom.Text();
    entry.AdmDate = txtDateAdmitted.Text();
    entry.Bdate = txtDob.Text();
    entry.Sex = txtSex.Text();
    entry.Age = txtAge.Text();
    entry.ShowModal();
}

} // namespace ward
