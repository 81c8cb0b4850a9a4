#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ClinicalText.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace ward {

namespace {

constexpr forms::Color kBlue = 16711680;
constexpr forms::Color kBlack = 0;

// The character formats of the summary.
struct ClinicalFormat {
    const char* font;
    std::int16_t size;
    forms::Color color;
    bool bold;
};
constexpr ClinicalFormat G{"Arial", 14, kBlue, false};
constexpr ClinicalFormat GB{"Arial", 14, kBlue, true};
constexpr ClinicalFormat H{"Courier New", 10, kBlack, false};
constexpr ClinicalFormat T{"Monotype Corsiva", 14, kBlue, false};
constexpr ClinicalFormat L{"Courier New", 10, kBlue, false};
constexpr ClinicalFormat LB{"Courier New", 10, kBlue, true};
constexpr ClinicalFormat R{"Arial", 14, kBlack, false};
constexpr ClinicalFormat V{"Arial", 8, kBlack, false};
constexpr ClinicalFormat S{"Arial", 10, kBlue, true};
constexpr ClinicalFormat M{"Courier New", 8, kBlack, false};
constexpr ClinicalFormat E{"Arial", 8, kBlue, false};

const std::string CrLf = "\r\n";

void Append(forms::RichTextBox& box, const std::string& text, const ClinicalFormat& format) {
    AppendClinicalText(box, text, format.size, format.font, format.color, format.bold);
}

// The pieces the handler writes itself, the format set in its own order.
void AppendDirect(forms::RichTextBox& box, const std::string& text, const ClinicalFormat& format) {
    box.SetSelFontName(format.font);
    box.SetSelBold(format.bold);
    box.SetSelColor(format.color);
    box.SetSelFontSize(format.size);
    box.SetSelText(box.SelText() + text);
}

std::string Text(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

std::string Pad(const std::string& text, std::int16_t width) { return PadRight(text, width, 1); }

// Blanks that centre a text about column k: k less half its trimmed length, the half rounded to even. A text too long
// to centre gets none.
std::string Centring(const std::string& text, int k) {
    const double count = std::nearbyint(k - vb::Len(vb::Trim(text)) / 2.0);
    return vb::Space(std::max(0, static_cast<int>(count)));
}

bool IsVisitNumber(const std::string& idNum) { return vb::Right(vb::Trim(idNum), 1) == "B"; }

// What the personal and confinement blocks show of an admission or of an out-patient visit.
struct SummarySource {
    const components::PatientData& patient;
    std::string age, idNumber, hospitalNumber, room;
    std::string attending, admitting, admittingDiagnosis, chiefComplaint, finalDiagnosis;
};

SummarySource AdmissionSource(components::AdmissionObject& admission) {
    return {admission.Patient(),
            Text(admission.Age),
            admission.IdNumber,
            admission.HospitalNumber,
            admission.Room.RoomID,
            admission.AttendingDoctor1.CompleteName,
            admission.AdmittingDoctor.CompleteName,
            admission.History.AdmittingDiagnosis,
            admission.History.ChiefComplaint,
            admission.History.FinalDiagnosis};
}

SummarySource VisitSource(components::OutPatientObject& visit) {
    return {visit.Patient(),
            Text(visit.Patient().Age),
            visit.IdNumber,
            visit.HospitalNumber,
            "ER/OPD",
            visit.Doctor1.CompleteName,
            "",
            "",
            visit.OPDHistory.ChiefComplaint,
            visit.OPDHistory.Diagnosis1.Description};
}

// The personal block in three columns, then the confinement's dates, doctors and diagnoses.
void AppendPatientBlocks(forms::RichTextBox& box, const forms::MSHFlexGrid& grid, const SummarySource& source) {
    const components::PatientData& patient = source.patient;
    Append(box, "Lastname   :", L);
    Append(box, " " + Pad(patient.Lastname, 15), H);
    Append(box, " Age         :", L);
    Append(box, " " + Pad(source.age, 10), H);
    Append(box, " Admission Number :", L);
    Append(box, " " + source.idNumber + CrLf, H);
    Append(box, "Firstname  :", L);
    Append(box, " " + Pad(patient.FirstName, 15), H);
    Append(box, " Sex         :", L);
    Append(box, " " + Pad(patient.Sex == "M" ? "Male" : "Female", 10), H);
    Append(box, " Hospital Number  :", L);
    Append(box, " " + source.hospitalNumber + CrLf, H);
    Append(box, "Middlename :", L);
    Append(box, " " + Pad(patient.MiddleName, 15), H);
    Append(box, " Civil Status:", L);
    Append(box, " " + Pad(patient.CivilStatus.Description, 10), H);
    Append(box, " Room/Ward Number :", L);
    Append(box, " " + source.room + CrLf, H);
    Append(box, "Birthdate  :", L);
    Append(box, " " + vb::RTrim(Text(patient.BirthDate)) + CrLf, H);
    Append(box, std::string(57, '_') + CrLf, R);
    Append(box, CrLf, G);

    const int row = grid.Row();
    const std::pair<const char*, std::string> lines[] = {
        {"Date Admitted        :", vb::Format(grid.TextMatrix(row, 2), "mm/dd/yyyy")},
        {"Date Discharged      :", vb::Format(grid.TextMatrix(row, 3), "mm/dd/yyyy")},
        {"Attending Physician  :", source.attending},
        {"Admitting Doctor     :", source.admitting},
        {"Admitting Diagnosis  :", source.admittingDiagnosis},
        {"Chief Complaints     :", source.chiefComplaint},
        {"Final Diagnosis      :", source.finalDiagnosis}};
    for (const auto& [label, value] : lines) {
        Append(box, label, LB);
        Append(box, vb::Space(5) + value + CrLf, V);
    }
    Append(box, CrLf, GB);
}

} // namespace

void frmFinal::WireClinicalSummaryPage() {
    mshflexClin.Click = [this] { mshflexClin_Click(); };
    cmdClinical.Click = [this] { cmdClinical_Click(); };
    cmdClinicalOption.On(&forms::Control::Click, [this](int Index) { cmdClinicalOption_Click(Index); });
}

void frmFinal::DesignClinicalSummaryPage() {
    const char* captions[] = {"PERSONAL INFORMATION", "ADDRESS :", "BIRTH PLACE :", "NATIONALITY :", "RELIGION :",
                              "CIVIL STATUS :",       "SPOUSE :",  "FATHER :",      "MOTHER :"};
    for (int i = 0; i <= 8; ++i)
        lblClinHEad.Load(i).SetCaption(captions[i]);
    for (int i : {9, 12, 13, 14, 15, 16, 17, 18})
        lblClinHEad.Load(i).SetCaption("");
    lblClinHEad.Load(10).SetCaption("Clinical Summary");
    cmdClinical.SetCaption("&View");
    cmdClinical.SetEnabled(false);
    cmdClinicalOption.Load(0).SetCaption("Refresh");
    cmdClinicalOption.Load(1).SetCaption("Print");
    cmdClinicalOption(1).SetEnabled(false);
    rtbClinical.SetLocked(true);
    rtbClinical.SetScrollBars(2);

    forms::Layout layout(tabSSTab1, {}, 6);
    layout.Full(lblClinHEad(0));
    auto caption = [this](int index) { return forms::Cell{&lblClinHEad(index), 1500}; };
    auto value = [this](int index) { return forms::Cell{&lblClinHEad(index), 0}; };
    layout.Row({caption(1), value(9), caption(2), value(12)});
    layout.Row({caption(3), value(13), caption(4), value(14)});
    layout.Row({caption(5), value(15), caption(6), value(16)});
    layout.Row({caption(7), value(17), caption(8), value(18)});
    layout.Full(mshflexClin, 1500);
    layout.Buttons({&cmdClinical, &cmdClinicalOption(0), &cmdClinicalOption(1)});
    layout.Full(lblClinHEad(10));
    layout.Full(rtbClinical, tabSSTab1.Height() - layout.Top() - 120);
    LayOutConfinements();
}

void frmFinal::LayOutConfinements() {
    mshflexClin.Clear();
    mshflexClin.SetCols(5);
    mshflexClin.SetRows(2);
    mshflexClin.SetFormatString(" |<Admision No. |<Admision Date/Time     |<Discharged Date/Time |<Room No.");
    const int widths[] = {1, 2500, 4000, 4000, 1000};
    for (int col = 0; col < 5; ++col)
        mshflexClin.SetColWidth(col, widths[col]);
}

// The patient's personal data and confinements. The patient list may have validated another admission since the
// chart opened, so the chart's own is made current first.
void frmFinal::LoadClinicalSummary() {
    rtbClinical.SetText("");
    LayOutConfinements();
    const std::optional<vb::Variant> admitted = MakeOwnAdmissionCurrent();
    ShowPersonalData(admitted.has_value());
    db::Recordset rs = app.ConfinementObject->GetConfinementPeriod(app.Connection().ConnectionString(), txtPno.Text(),
                                                                   admitted.value_or(vb::Variant::Null()));
    ListConfinements(rs);
    rs.Close();
}

// The admission date of the chart's own admission or visit once it is current, or nothing when it cannot be found.
std::optional<vb::Variant> frmFinal::MakeOwnAdmissionCurrent() {
    if (IsVisitNumber(txtId.Text())) {
        components::OutPatientObject& visit = app.PatientSearch->PatientClass().clsOutPatient();
        if (!visit.OpenOutPatient(txtId.Text(), txtPno.Text()))
            return std::nullopt;
        return visit.AdmissionDate;
    }
    if (!app.PatientSearch->ValidateAdmission(txtId.Text()))
        return std::nullopt;
    return app.PatientSearch->Admission().AdmissionDate;
}

void frmFinal::ShowPersonalData(bool found) {
    const int values[] = {9, 12, 13, 14, 15, 16, 17, 18};
    if (!found) {
        for (int index : values)
            lblClinHEad(index).SetCaption("");
        return;
    }
    components::PatientObject& patient = IsVisitNumber(txtId.Text())
                                             ? app.PatientSearch->PatientClass().clsOutPatient().Patient()
                                             : app.PatientSearch->Admission().Patient();
    patient.Refresh();
    const std::string texts[] = {vb::Trim(patient.Address.CompleteAddress),
                                 patient.BirthPlace,
                                 patient.Nationality.Description,
                                 patient.Religion.Description,
                                 patient.CivilStatus.Description,
                                 patient.Spouse.SpouseName,
                                 patient.Father.FatherName,
                                 patient.Mother.MotherName};
    for (int i = 0; i < 8; ++i)
        lblClinHEad(values[i]).SetCaption(texts[i]);
}

void frmFinal::ListConfinements(db::Recordset& rs) {
    if (rs.Eof()) {
        LayOutConfinements();
        mshflexClin.SetEnabled(false);
        cmdClinical.SetEnabled(false);
        return;
    }
    mshflexClin.SetEnabled(true);
    cmdClinical.SetEnabled(true);
    const char* fields[] = {"Admision No.", "Admision Date/Time", "Discharged Date/Time", "Room"};
    for (; !rs.Eof(); rs.MoveNext()) {
        if (!mshflexClin.TextMatrix(1, 1).empty())
            mshflexClin.SetRows(mshflexClin.Rows() + 1);
        const int row = mshflexClin.Rows() - 1;
        for (int col = 1; col <= 4; ++col)
            mshflexClin.SetTextMatrix(row, col, Text(rs.Fields(fields[col - 1])));
    }
}

void frmFinal::mshflexClin_Click() {
    cmdClinicalOption(1).SetEnabled(false);
    SelectedConfinementIdNum = "";
    SelectedConfinementIdNum = mshflexClin.TextMatrix(mshflexClin.Row(), 1);
    cmdClinicalOption(1).SetEnabled(true);
}

// Composes the picked confinement's summary. Whatever happens on the way, the chart's own admission is made current
// again before the nurse goes on: the billing gates read it there.
void frmFinal::cmdClinical_Click() {
    std::optional<std::string> failure;
    try {
        ComposeClinicalSummary();
    } catch (const std::exception& error) {
        failure = error.what();
    }
    try {
        app.PatientSearch->ValidateAdmission(txtId.Text());
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
    if (failure)
        ShowErrorMessage(app, std::runtime_error(*failure));
}

void frmFinal::ComposeClinicalSummary() {
    rtbClinical.SetText("");
    Append(rtbClinical, CrLf, G);
    Append(rtbClinical, Centring(app.HospitalName, 40) + vb::Trim(app.HospitalName) + CrLf, H);
    Append(rtbClinical, Centring(app.HospitalAddress, 40) + vb::Trim(app.HospitalAddress) + CrLf, H);
    Append(rtbClinical, Centring("Clinical Summary", 70) + "Clinical Summary" + CrLf, T);
    Append(rtbClinical, CrLf, G);

    const std::string picked = mshflexClin.TextMatrix(mshflexClin.Row(), 1);
    if (!IsVisitNumber(picked)) {
        if (app.PatientSearch->ValidateAdmission(picked))
            AppendPatientBlocks(rtbClinical, mshflexClin, AdmissionSource(app.PatientSearch->Admission()));
    } else {
        components::OutPatientObject& visit = app.PatientSearch->PatientClass().clsOutPatient();
        if (visit.OpenOutPatient(picked, txtPno.Text()))
            AppendPatientBlocks(rtbClinical, mshflexClin, VisitSource(visit));
    }
    AppendMedicines(picked);
    AppendExaminations(picked, "2", "Xray Examinations :", true);
    AppendExaminations(picked, "3", "Ultrasound Examinations :", true);
    AppendExaminations(picked, "4", "CT-Scan Examinations :", false);
}

void frmFinal::AppendMedicines(const std::string& picked) {
    db::Recordset rs =
        app.ConfinementResultsObject->GetConfinementResults(app.Connection().ConnectionString(), picked, "1");
    app.Connection().Execute("STATION..Nurse_GetPostedMedicines " + db::SqlQuote(txtId.Text()));
    if (!rs.Eof()) {
        Append(rtbClinical, "Medications :" + CrLf, S);
        AppendDirect(rtbClinical,
                     vb::Space(7) + Pad("Rx Date", 14) + vb::Space(3) + Pad("Brand Name", 45) + vb::Space(5) +
                         Pad("Dosage", 25) + vb::Space(5) + Pad("Qty", 5),
                     M);
    }
    Append(rtbClinical, CrLf, S);
    for (; !rs.Eof(); rs.MoveNext()) {
        ShowSummaryProgress(rs);
        if (rs.Fields("Transdate").IsNull())
            continue;
        AppendDirect(rtbClinical,
                     Pad(Text(rs.Fields("Transdate")), 14) + vb::Space(3) + Pad(Text(rs.Fields("Drug Name")), 45) +
                         vb::Space(5) + Pad(Text(rs.Fields("Dosage")), 25) + vb::Space(5) +
                         Pad(Text(rs.Fields("Quantity")), 5) + vb::Space(2) + CrLf,
                     M);
    }
    rs.Close();
    Append(rtbClinical, CrLf, GB);
}

void frmFinal::AppendExaminations(const std::string& picked, const std::string& kind, const std::string& heading,
                                  bool lineAfter) {
    db::Recordset rs =
        app.ConfinementResultsObject->GetConfinementResults(app.Connection().ConnectionString(), picked, kind);
    if (!rs.Eof())
        Append(rtbClinical, heading + CrLf, S);
    for (; !rs.Eof(); rs.MoveNext()) {
        ShowSummaryProgress(rs);
        Append(rtbClinical, vb::Space(10) + Text(rs.Fields("Examination")) + " " + Text(rs.Fields("Exam. Date")) + CrLf,
               E);
        Append(rtbClinical, Text(rs.Fields("Interpretation")) + CrLf, V);
        Append(rtbClinical, CrLf, V);
    }
    rs.Close();
    if (lineAfter)
        Append(rtbClinical, CrLf, GB);
}

// A list that cannot tell its size or position leaves the bar as it stands.
void frmFinal::ShowSummaryProgress(const db::Recordset& rs) {
    const long count = rs.RecordCount(), position = rs.AbsolutePosition();
    if (count > 0 && position > 0)
        ProgressBarMeter.SetValue(std::min(100.0, static_cast<double>(position) / count * 100));
}

void frmFinal::cmdClinicalOption_Click(int Index) {
    try {
        if (Index == 0) {
            LoadClinicalSummary();
        } else {
            OpenReport(app, app.GetHost().AppPath() + "\\Reports\\Clinical_Summary.RPT",
                       {vb::Trim(SelectedConfinementIdNum), app.HospitalAddress});
            ShowReport(app, false, "Clinical Summary", false, false);
        }
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        return;
    }
    cmdClinicalOption(1).SetEnabled(false);
}

} // namespace ward
