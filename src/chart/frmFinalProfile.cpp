#include "chart/frmFinal.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/ModuleHelpers.h"
#include "core/ReportPrinting.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "shell/frmTransaction_UserValidation.h"

#include <functional>

namespace ward {

namespace {

const char* const kAllergyCaptions[] = {"Fish (tuna)", "Eggs",           "Shrimps",       "Crabs",
                                        "Chicken",     "Salted Fish",    "Anchovy Sauce", "Penicillin",
                                        "Aspirin",     "Urobison (IVP)", "Pollens",       "House Dust"};
const char* const kAllergyCodes[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "M1", "M2", "M3", "O1", "O2"};
const char* const kPastCaptions[] = {
    "Measles",   "Whooping Cough",  "Mumps",         "Chicken Pox", "Tonsilitis", "Scarlet Fever",
    "Diptheria", "Rhuematic Fever", "Typhoid Fever", "Malaria",     "Pleurisy",   "Asthma",
    "Influenza", "Arthritis",       "Amoebiasis",    "HIV",         "Gonorrhea",  "Syphilis"};
const char* const kFamilyCaptions[] = {"Cancer",   "Tuberculosis", "Kidney Disease", "Heart Disease",
                                       "Diabetes", "Henophilia",   "Arthritis",      "Nervous"};
const char* const kSocialCaptions[] = {"Smoking", "Alcohol Intake", "Use/Abuse of Prohibited Drugs"};

using CheckBoxes = forms::ControlArray<forms::CheckBox>;

// The allergy code of a box, by index.
std::string AllergyCode(int index) { return kAllergyCodes[index]; }
// The past, family and social history boxes are coded by their index plus one.
std::string NumberCode(int index) { return std::to_string(index + 1); }

std::string Text(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

// The codes of the ticked boxes in index order, the unused slots empty.
std::vector<std::string> TickedCodes(const CheckBoxes& boxes, std::size_t slots,
                                     const std::function<std::string(int)>& codeOf) {
    std::vector<std::string> codes;
    for (int index = 0; index <= boxes.UBound(); ++index)
        if (boxes(index).Value() == forms::vbChecked && codes.size() < slots)
            codes.push_back(codeOf(index));
    codes.resize(slots);
    return codes;
}

// Ticks the box each stored code names; a code no box carries ticks nothing.
void TickByCodes(CheckBoxes& boxes, const std::vector<std::string>& codes,
                 const std::function<std::string(int)>& codeOf) {
    for (const std::string& code : codes)
        for (int index = 0; index <= boxes.UBound(); ++index)
            if (vb::Trim(code) == codeOf(index))
                boxes(index).SetValue(forms::vbChecked);
}

void UntickAll(CheckBoxes& boxes) {
    for (forms::CheckBox* box : boxes.Elements())
        box->SetValue(forms::vbUnchecked);
}

std::vector<std::string> ReadCodes(const db::Recordset& rs, const std::string& column, int slots) {
    std::vector<std::string> codes;
    for (int slot = 1; slot <= slots; ++slot)
        codes.push_back(Text(rs.Fields(column + std::to_string(slot))));
    return codes;
}

// The values of one statement, each quoted, separated by commas.
std::string QuotedList(const std::vector<std::string>& values) {
    std::string list;
    for (const std::string& value : values)
        list += (list.empty() ? "" : ",") + db::SqlQuote(value);
    return list;
}

} // namespace

void frmFinal::WireProfilePage() {
    chkAllergy.On(&forms::Control::Click, [this](int Index) { chkAllergy_Click(Index); });
    chkPH.On(&forms::Control::Click, [this](int Index) { chkPH_Click(Index); });
    chkFH.On(&forms::Control::Click, [this](int Index) { chkFH_Click(Index); });
    cmdUpdate.Click = [this] { cmdUpdate_Click(); };
    cmdSaveprofile.Click = [this] { cmdSaveprofile_Click(); };
    cmdProfileRefresh.Click = [this] { cmdProfileRefresh_Click(); };
    cmdViewSummary.Click = [this] { cmdViewSummary_Click(); };
    txtLympNodes.KeyPress = [this](int& KeyAscii) { txtLympNodes_KeyPress(KeyAscii); };
}

void frmFinal::DesignProfilePage() {
    tabPatientProfile.SetTabs(2);
    tabPatientProfile.SetTabsPerRow(2);
    tabPatientProfile.SetTabCaption(0, "Admiting Information");
    tabPatientProfile.SetTabCaption(1, "Physical Examination");
    forms::LayoutMetrics metrics;
    metrics.ButtonWidth = 2000;
    forms::Layout layout(tabSSTab1, metrics, 5);
    const int buttonRow = metrics.ButtonHeight + metrics.RowGap + metrics.Margin;
    layout.Full(tabPatientProfile, tabSSTab1.Height() - tabSSTab1.TabHeight() - 2 * metrics.RowGap - buttonRow);
    cmdUpdate.SetCaption("&Edit");
    cmdSaveprofile.SetCaption("&Save");
    cmdSaveprofile.SetEnabled(false);
    cmdProfileRefresh.SetCaption("Refresh");
    cmdViewSummary.SetCaption("View Clinical Summary");
    layout.Buttons({&cmdUpdate, &cmdSaveprofile, &cmdProfileRefresh, &cmdViewSummary});
    const char* captions[] = {"Adm. Diagnosis:", "Chief Complaints:", "Impression:",   "Manner of ADM:",
                              "Others:",         "Others:",           "Brief History:"};
    for (int i = 0; i < 7; ++i)
        lblProfile.Load(i).SetCaption(captions[i]);
    DesignAdmittingPage();
    DesignExaminationPage();
    tabPatientProfile.SetTab(0);
}

namespace {

// The boxes of one array in columns inside their frame, each with its caption, then the rows they took skipped.
// The admitting page holds 41 boxes: its rows are a little tighter than elsewhere.
forms::LayoutMetrics AdmittingMetrics() {
    forms::LayoutMetrics metrics;
    metrics.RowHeight = 285;
    metrics.RowGap = 30;
    return metrics;
}

template <std::size_t N>
void PlaceCheckBoxes(forms::Layout& inside, forms::Frame& frame, CheckBoxes& boxes, const char* const (&captions)[N],
                     int columns) {
    const forms::LayoutMetrics metrics = AdmittingMetrics();
    const int width = (inside.Width() - (columns - 1) * metrics.Gap) / columns;
    for (std::size_t index = 0; index < N; ++index) {
        forms::CheckBox& box = boxes.Load(static_cast<int>(index));
        box.SetCaption(captions[index]);
        box.SetContainer(&frame);
        const int column = static_cast<int>(index) % columns, row = static_cast<int>(index) / columns;
        box.Move(inside.Left() + column * (width + metrics.Gap),
                 inside.Top() + row * (metrics.RowHeight + metrics.RowGap), width, metrics.RowHeight);
    }
    const int rows = static_cast<int>((N + columns - 1) / columns);
    inside.Skip(rows * (metrics.RowHeight + metrics.RowGap));
}

} // namespace

void frmFinal::DesignAdmittingPage() {
    forms::Layout layout(tabPatientProfile, AdmittingMetrics(), 0);
    fraAllergy.SetCaption("Allergies:");
    layout.Group(fraAllergy, [this](forms::Layout& inside) {
        PlaceCheckBoxes(inside, fraAllergy, chkAllergy, kAllergyCaptions, 6);
        inside.Row(lblProfile(4), txtAllergyOthers);
    });
    fraPH.SetCaption("Past History:");
    layout.Group(fraPH, [this](forms::Layout& inside) { PlaceCheckBoxes(inside, fraPH, chkPH, kPastCaptions, 6); });
    fraFH.SetCaption("Family History:");
    layout.Group(fraFH, [this](forms::Layout& inside) {
        PlaceCheckBoxes(inside, fraFH, chkFH, kFamilyCaptions, 6);
        inside.Row(lblProfile(5), txtFMOthers);
    });
    fraPSH.SetCaption("Personal && Social History");
    layout.Group(fraPSH,
                 [this](forms::Layout& inside) { PlaceCheckBoxes(inside, fraPSH, chkPSH, kSocialCaptions, 3); });
    txtBriefHistory.SetMultiLine(true);
    layout.Row({{&lblProfile(6), 1500}, {&txtBriefHistory, 0}}, 450);
    auto label = [this](int index) { return forms::Cell{&lblProfile(index), 1500}; };
    layout.Row({label(3), {&txtMannerOfAdmission, 0}, label(2), {&txtImpression, 0}});
    layout.Row({label(0), {&txtADMDiagnosis, 0}, label(1), {&txtChiefComplaints, 0}});
    for (forms::TextBox* box : {&txtMannerOfAdmission, &txtImpression, &txtADMDiagnosis, &txtChiefComplaints,
                                &txtAllergyOthers, &txtFMOthers, &txtBriefHistory})
        box->SetLocked(true);
}

void frmFinal::DesignExaminationPage() {
    const char* captions[] = {"Skin",       "Head/ Neck", "Thorax", "Abdo- men",  "Extre- meties",
                              "Lymp Nodes", "Genitalia",  "Rectal", "Neuro Exam", "Other Physical Examination Data"};
    forms::TextBox* boxes[] = {&txtSkin,      &txtHeadNeck,  &txtThorax, &txtAbdomen,      &txtExtremeties,
                               &txtLympNodes, &txtGenitalia, &txtRectal, &txtNeurological, &txtOtherPE};
    forms::Layout layout(tabPatientProfile, {}, 1);
    for (int i = 0; i < 10; ++i) {
        lblProfile.Load(7 + i).SetCaption(captions[i]);
        boxes[i]->SetLocked(true);
    }
    for (int i = 0; i < 9; ++i)
        layout.Row(lblProfile(7 + i), *boxes[i]);
    txtOtherPE.SetMultiLine(true);
    layout.Full(lblProfile(16)).Full(txtOtherPE, 1200);
}

// The profile of the open admission: the patient's allergies, the admission's nursing profile and, for an in-patient,
// the history the doctors keep. Ticking a box raises its Click, so the tick limits watch the load too.
void frmFinal::LoadPatientProfile() {
    tabPatientProfile.SetTab(0);
    for (CheckBoxes* boxes : {&chkAllergy, &chkPH, &chkFH, &chkPSH})
        UntickAll(*boxes);
    for (forms::TextBox* box :
         {&txtBriefHistory, &txtSkin, &txtHeadNeck, &txtThorax, &txtAbdomen, &txtExtremeties, &txtLympNodes,
          &txtGenitalia, &txtRectal, &txtNeurological, &txtAllergyOthers, &txtFMOthers, &txtOtherPE})
        box->SetText("");
    std::vector<std::string> allergies(5), pastHistory(4), familyHistory(4), socialHistory(3);

    db::Recordset rs = app.Connection().Open("Select * from PATIENT_DATA..tbMasterAllergies Where Hospnum =" +
                                                 db::SqlQuote(txtPno.Text()),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        allergies = ReadCodes(rs, "AllergyID", 5);
        txtAllergyOthers.SetText(Text(rs.Fields("Others")));
    }
    rs.Close();
    TickByCodes(chkAllergy, allergies, AllergyCode);

    for (CheckBoxes* boxes : {&chkPH, &chkFH, &chkPSH})
        UntickAll(*boxes);
    rs = app.Connection().Open("Select * from STATION..tbNurseProfile where Hospnum = " + db::SqlQuote(txtPno.Text()) +
                                   " and IDNum = " + db::SqlQuote(txtId.Text()),
                               db::CursorType::Dynamic, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        pastHistory = ReadCodes(rs, "PH", 4);
        familyHistory = ReadCodes(rs, "FH", 4);
        socialHistory = ReadCodes(rs, "PSH", 3);
        txtBriefHistory.SetText(Text(rs.Fields("BriefHistory")));
        const std::pair<const char*, forms::TextBox*> columns[] = {{"PEskin", &txtSkin},
                                                                   {"PEheadneck", &txtHeadNeck},
                                                                   {"PEthorax", &txtThorax},
                                                                   {"PEabdomen", &txtAbdomen},
                                                                   {"PEextremeties", &txtExtremeties},
                                                                   {"PElympnodes", &txtLympNodes},
                                                                   {"PEgenitalia", &txtGenitalia},
                                                                   {"PErectal", &txtRectal},
                                                                   {"PEneurological", &txtNeurological},
                                                                   {"PEOthers", &txtOtherPE},
                                                                   {"Others", &txtFMOthers}};
        for (const auto& [column, box] : columns)
            box->SetText(Text(rs.Fields(column)));
    }
    rs.Close();

    const std::string idNum = vb::Trim(txtId.Text());
    if (vb::Right(idNum, 1) != "B") {
        rs = app.Connection().Open(" Select Isnull(BriefHistory,'') As BriefHistory, "
                                   " Isnull(PhysicalExamination,'') As PhysicalExamination "
                                   " From PATIENT_DATA..tbPatientHistory Where IDNum = " +
                                       db::SqlQuote(idNum) + ";",
                                   db::CursorType::ForwardOnly, db::LockType::Pessimistic);
        if (!rs.Eof()) {
            txtBriefHistory.SetText(Text(rs.Fields("BriefHistory")));
            txtOtherPE.SetText(Text(rs.Fields("PhysicalExamination")));
        }
        rs.Close();
    }

    TickByCodes(chkPH, pastHistory, NumberCode);
    TickByCodes(chkFH, familyHistory, NumberCode);
    TickByCodes(chkPSH, socialHistory, NumberCode);
}

void frmFinal::chkAllergy_Click(int Index) { LimitTicks(chkAllergy, Index, 5, "Choose only Five"); }

void frmFinal::chkPH_Click(int Index) { LimitTicks(chkPH, Index, 4, "Choose only Four"); }

void frmFinal::chkFH_Click(int Index) { LimitTicks(chkFH, Index, 4, "Choose only Four"); }

void frmFinal::LimitTicks(CheckBoxes& boxes, int Index, int limit, const std::string& message) {
    int ticked = 0;
    for (const forms::CheckBox* box : boxes.Elements())
        ticked += box->Value() == forms::vbChecked ? 1 : 0;
    if (ticked <= limit)
        return;
    MsgBox(message, forms::vbOKOnly);
    boxes(Index).SetValue(forms::vbUnchecked);
}

void frmFinal::cmdUpdate_Click() {
    for (forms::TextBox* box :
         {&txtBriefHistory, &txtSkin, &txtHeadNeck, &txtThorax, &txtAbdomen, &txtExtremeties, &txtLympNodes,
          &txtGenitalia, &txtRectal, &txtNeurological, &txtAllergyOthers, &txtOtherPE, &txtFMOthers})
        box->SetLocked(false);
    const bool outPatient = vb::Right(vb::Trim(txtId.Text()), 1) == "B";
    txtADMDiagnosis.SetLocked(outPatient);
    txtChiefComplaints.SetLocked(outPatient);
    cmdSaveprofile.SetEnabled(true);
}

// The allergies, the nursing profile and an in-patient's history are saved together or not at all; the nurse hears
// of success only once the commit has gone through.
void frmFinal::cmdSaveprofile_Click() {
    const std::vector<std::string> allergies = TickedCodes(chkAllergy, 5, AllergyCode);
    const std::vector<std::string> pastHistory = TickedCodes(chkPH, 4, NumberCode);
    const std::vector<std::string> familyHistory = TickedCodes(chkFH, 4, NumberCode);
    const std::vector<std::string> socialHistory = TickedCodes(chkPSH, 3, NumberCode);
    try {
        if (!ValidateProfileNurse())
            return;
        SaveProfile(allergies, pastHistory, socialHistory, familyHistory);
    } catch (const std::exception& error) {
        MsgBox("Error While Saving Patient Profile  " + std::string(error.what()), forms::vbOKOnly);
        return;
    }
    MsgBox("Patient Profile Successfully Updated.", forms::vbOKOnly + forms::vbInformation, "Message");
    LockProfileBoxes();
    try {
        LoadPatientHeader();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

bool frmFinal::ValidateProfileNurse() {
    for (;;) {
        app.Forms.Get<frmTransaction_UserValidation>().ShowModal();
        if (!app.ValidatedUserID.empty())
            return true;
        if (MsgBox("Unable to continue this transaction! \r\nAre you sure you want to update the Patient Profile?",
                   forms::vbYesNo + forms::vbInformation, "Message") != forms::vbYes)
            return false;
    }
}

void frmFinal::SaveProfile(const std::vector<std::string>& allergies, const std::vector<std::string>& pastHistory,
                           const std::vector<std::string>& socialHistory,
                           const std::vector<std::string>& familyHistory) {
    RefreshServerDate(app);
    db::Connection& connection = app.Connection();
    db::TransactionGuard transaction(connection);
    connection.Execute("STATION..Nurse_Save_Allergy " +
                       QuotedList({txtPno.Text(), allergies[0], allergies[1], allergies[2], allergies[3], allergies[4],
                                   txtAllergyOthers.Text()}));
    std::vector<std::string> profile = {txtPno.Text(),       txtId.Text(),          txtBriefHistory.Text(),
                                        txtSkin.Text(),      txtHeadNeck.Text(),    txtThorax.Text(),
                                        txtAbdomen.Text(),   txtExtremeties.Text(), txtLympNodes.Text(),
                                        txtGenitalia.Text(), txtRectal.Text(),      txtNeurological.Text()};
    for (const std::vector<std::string>* codes : {&pastHistory, &socialHistory, &familyHistory})
        profile.insert(profile.end(), codes->begin(), codes->end());
    profile.push_back(vb::Format(app.ServerDate, "mm/dd/yyyy hh:mm:ss AM/PM"));
    profile.push_back(app.CurrentUser->EmployeeCode());
    profile.push_back(txtFMOthers.Text());
    profile.push_back(txtOtherPE.Text());
    connection.Execute("STATION..Nurse_Save_Profile " + QuotedList(profile));
    cmdSaveprofile.SetEnabled(false);
    if (vb::Trim(vb::Right(txtId.Text(), 1)) != "B")
        connection.Execute("Update PATIENT_DATA..tbPatientHistory  Set ADMDiagnosis = " +
                           db::SqlQuote(vb::Trim(txtADMDiagnosis.Text())) +
                           " , ChiefComplaint= " + db::SqlQuote(vb::Trim(txtChiefComplaints.Text())) +
                           " , BriefHistory= " + db::SqlQuote(vb::Trim(txtBriefHistory.Text())) +
                           " , PhysicalExamination= " + db::SqlQuote(vb::Trim(txtOtherPE.Text())) +
                           " Where IDNum = " + db::SqlQuote(txtId.Text()) + ";");
    transaction.Commit();
}

void frmFinal::LockProfileBoxes() {
    for (forms::TextBox* box : {&txtBriefHistory, &txtSkin, &txtHeadNeck, &txtThorax, &txtAbdomen, &txtExtremeties,
                                &txtLympNodes, &txtGenitalia, &txtRectal, &txtNeurological, &txtADMDiagnosis,
                                &txtChiefComplaints, &txtAllergyOthers, &txtOtherPE, &txtFMOthers})
        box->SetLocked(true);
}

void frmFinal::cmdProfileRefresh_Click() { LoadPatientProfile(); }

void frmFinal::cmdViewSummary_Click() {
    try {
        OpenReport(app, app.GetHost().AppPath() + "\\Reports\\Clinical_Summary.RPT",
                   {vb::Trim(txtId.Text()), app.HospitalAddress});
        ShowReport(app, false, "Clinical Summary", false, false);
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
    }
}

void frmFinal::txtLympNodes_KeyPress(int& KeyAscii) {
    if (KeyAscii != forms::vbKeyReturn)
        return;
    KeyAscii = 0;
    MoveToNextControl();
}

} // namespace ward
