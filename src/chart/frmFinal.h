#pragma once

#include "platform/forms/Bars.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/DaySchedule.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Lists.h"
#include "platform/forms/MonthView.h"
#include "platform/forms/RichTextBox.h"
#include "platform/forms/Tabs.h"
#include "platform/vb/Variant.h"
#include "requestcart/RequestGate.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace db {
class Recordset;
} // namespace db

namespace ward {

class App;
struct OtherDepartment;

// The chart of one admission: the header, the action bar, and the pages of the main tab control. The patient list
// writes txtPno and txtId and shows it; the header loads at the first tick of Timer1, each page when it is opened.
// The handlers are split by topic into the sources of the subsystems that own them.
class frmFinal : public forms::Form {
public:
    explicit frmFinal(App& app);

    // Header. Labels of the boxes are lblHeader, in the order the boxes are laid out.
    forms::Frame fraHeader{*this, "fraHeader"};
    forms::ControlArray<forms::Label> lblHeader{*this, "lblHeader"};
    forms::TextBox txtPatient{*this, "txtPatient"};
    forms::TextBox txtPno{*this, "txtPno"};
    forms::TextBox txtId{*this, "txtId"};
    forms::TextBox txtRoom{*this, "txtRoom"};
    forms::TextBox txtSex{*this, "txtSex"};
    forms::TextBox txtAge{*this, "txtAge"};
    forms::TextBox txtDob{*this, "txtDob"};
    forms::TextBox txtStatus{*this, "txtStatus"};
    forms::TextBox txtDateAdmitted{*this, "txtDateAdmitted"};
    forms::TextBox txtDateDischarged{*this, "txtDateDischarged"};
    forms::TextBox txtBloodType{*this, "txtBloodType"};
    forms::TextBox txtHt{*this, "txtHt"};
    forms::TextBox txtWt{*this, "txtWt"};
    forms::TextBox txtAdiet{*this, "txtAdiet"};
    forms::TextBox txtDoctor1{*this, "txtDoctor1"};
    forms::TextBox txtDoctor2{*this, "txtDoctor2"};
    forms::TextBox txtDoctor3{*this, "txtDoctor3"};
    forms::TextBox txtDiagnosis{*this, "txtDiagnosis"};
    // 0 "PHIC TYPE ", 1 the admission's PhilHealth type.
    forms::ControlArray<forms::Label> lblPhilhealth{*this, "lblPhilhealth"};

    // The panel shown over the chart while it loads.
    forms::PictureBox pctMeter{*this, "pctMeter"};
    forms::Label lblMeter{*this, "lblMeter"};
    forms::ProgressBar ProgressBarMeter{*this, "ProgressBarMeter"};

    // The action bar; index 8 is not used.
    forms::PictureBox picActionBar{*this, "picActionBar"};
    forms::ControlArray<forms::CommandButton> cmdNextPatient{*this, "cmdNextPatient"};
    forms::CommandButton cmdExit{*this, "cmdExit"};

    // Starts the header load: a one-shot trigger.
    forms::Timer Timer1{*this, "Timer1"};

    forms::SSTab tabSSTab1{*this, "tabSSTab1"};

    // Page 0, send requests: the quick lists, the search buttons, the request cart, the profile grid, the reports.
    forms::ListBox lstListLaboratory{*this, "lstListLaboratory"};
    forms::ListBox lstListXray{*this, "lstListXray"};
    forms::ListBox lstListUltra{*this, "lstListUltra"};
    forms::ListBox lstListOthers{*this, "lstListOthers"};
    forms::CommandButton cmdLabMore{*this, "cmdLabMore"};
    forms::CommandButton cmdXrayMore{*this, "cmdXrayMore"};
    forms::CommandButton cmdUltraMore{*this, "cmdUltraMore"};
    // The request cart: 17 columns, 0 blank, 1 DEPT, 2 CODE, 3 DESCRIPTION, 4 QTY, 5 AMOUNT, 6 SECTION, 7 STAT,
    // 8 REMARKS, and hidden 9 LIST, 10 STRING, 11 INDEX, 12 SPECIMEN, 13 TRANSPLANT, 14 DIALYSIS, 15 morning
    // pick-up, 16 portable machine.
    forms::MSHFlexGrid mshflexOrders{*this, "mshflexOrders"};
    // The members of the laboratory profiles in the cart: 1 ExamID, 2 ExamName, 3 ProfileID, 4 ProfileName.
    forms::MSHFlexGrid mshflexProfileList{*this, "mshflexProfileList"};
    // Under the cart: "&Save" sends it, "&Delete" puts its current row back.
    forms::CommandButton cmdSave{*this, "cmdSave"};
    forms::CommandButton cmdDelete{*this, "cmdDelete"};
    // The printable reports: 1 the type code (hidden), 2 the icon, 3 the name.
    forms::MSHFlexGrid mshflexReports{*this, "mshflexReports"};
    forms::ImageList imgListReports{*this, "imgListReports"};

    // Page 1, the nurse's requests: 0 processed, 1 pending, 2 exams with results; "Refresh" reloads them. The
    // clinical assessments of the admission, with the message shown over them when there are none. The printouts of
    // the pending requests: 0 of this station, 1 of all stations.
    forms::ControlArray<forms::Label> lblProcessed{*this, "lblProcessed"};
    forms::ControlArray<forms::MSHFlexGrid> mshflexProcessed{*this, "mshflexProcessed"};
    forms::CommandButton cmdView{*this, "cmdView"};
    forms::Frame fraList{*this, "fraList"};
    forms::MSHFlexGrid mshflexList{*this, "mshflexList"};
    forms::TextBox txtMessage{*this, "txtMessage"};
    forms::ControlArray<forms::Image> imgPendingRequest{*this, "imgPendingRequest"};
    forms::ControlArray<forms::Label> lblPendingRequest{*this, "lblPendingRequest"};

    // Page 2, results by department; item 2 of each button array is "View".
    forms::SSTab tabSSTab2{*this, "tabSSTab2"};
    forms::ControlArray<forms::CommandButton> cmdResultX{*this, "cmdResultX"};
    forms::ControlArray<forms::CommandButton> cmdResultU{*this, "cmdResultU"};
    forms::ControlArray<forms::CommandButton> cmdCTExit{*this, "cmdCTExit"};
    // The x-ray, ultrasound and CT pages: their lists, interpretations, headings 0 to 5 and detail labels 0 to 35
    // (each page six captions and six values); heading 6 is the laboratory page's.
    forms::MSHFlexGrid mshflexXray{*this, "mshflexXray"};
    forms::MSHFlexGrid mshflexUltra{*this, "mshflexUltra"};
    forms::MSHFlexGrid mshflexCT{*this, "mshflexCT"};
    forms::Frame fraXray{*this, "fraXray"};
    forms::Frame fraUltra{*this, "fraUltra"};
    forms::Frame fraCT{*this, "fraCT"};
    forms::TextBox txtXrayInterp{*this, "txtXrayInterp"};
    forms::TextBox txtUltraInterp{*this, "txtUltraInterp"};
    forms::TextBox txtCTInterp{*this, "txtCTInterp"};
    forms::ControlArray<forms::Label> lblHead{*this, "lblHead"};
    forms::ControlArray<forms::Label> lblXrayInfo{*this, "lblXrayInfo"};
    // The laboratory page: the list, the table by day in the same place, 0 "View Result Per Exam" and 1 "View Result
    // Per ChargeSlip", the switch between list and table, 0 "Exit" and 1 "Refresh".
    forms::MSHFlexGrid mshflexLab{*this, "mshflexLab"};
    forms::MSHFlexGrid mshflexLabTabular{*this, "mshflexLabTabular"};
    forms::ControlArray<forms::CommandButton> cmdLabView{*this, "cmdLabView"};
    forms::CommandButton cmdTabular{*this, "cmdTabular"};
    forms::ControlArray<forms::CommandButton> cmdExitResultL{*this, "cmdExitResultL"};
    // The heart-station page: the list, in the frame labels 0 to 5 the captions and 6 to 11 the clicked row's
    // values, and the buttons 0 "Exit", 1 "Refresh", 2 "View".
    forms::MSHFlexGrid mshflexHeart{*this, "mshflexHeart"};
    forms::Frame fraHeart{*this, "fraHeart"};
    forms::ControlArray<forms::Label> lblHEart{*this, "lblHEart"};
    forms::ControlArray<forms::CommandButton> cmdExitResultE{*this, "cmdExitResultE"};

    // Page 3, vital signs: the entry panel (0 systolic, 1 diastolic) and its captions, the monitoring profile, the
    // buttons; the history is item 3 of mshflexProcessed.
    forms::Frame fraVitalSigns{*this, "fraVitalSigns"};
    forms::ControlArray<forms::Label> lblVitalSigns{*this, "lblVitalSigns"};
    forms::ControlArray<forms::TextBox> txtBloodPressure{*this, "txtBloodPressure"};
    forms::TextBox txtTemperature{*this, "txtTemperature"};
    forms::TextBox txtRespiratoryrate{*this, "txtRespiratoryrate"};
    forms::TextBox txtPulserate{*this, "txtPulserate"};
    forms::TextBox txtO2Sat{*this, "txtO2Sat"};
    forms::Frame fraProfile{*this, "fraProfile"};
    forms::ComboBox cmbProfile{*this, "cmbProfile"};
    forms::CommandButton cmdSaveVitalSign{*this, "cmdSaveVitalSign"};
    forms::CommandButton cmdPrintVitalSigns{*this, "cmdPrintVitalSigns"};
    forms::CommandButton cmdVitalExit{*this, "cmdVitalExit"};

    // Page 4, nurses notes: the notebook's "Notes Entry" and "Past Notes" pages. Pickers 0 and 1 date and time of a
    // new note, 2 and 3 of the picked one; shift 0 of a new note, 1 of the picked one; buttons 0 Save, 1 Edit,
    // 2 Update. lblInfo(13) names who wrote the picked note; the other labels are captions.
    forms::SSNotebook SSNotebookNotes{*this, "SSNotebookNotes"};
    forms::ControlArray<forms::Label> lblInfo{*this, "lblInfo"};
    forms::ControlArray<forms::DTPicker> dtpNotes{*this, "dtpNotes"};
    forms::ControlArray<forms::ComboBox> cboShift{*this, "cboShift"};
    forms::TextBox txtNotesEntry{*this, "txtNotesEntry"};
    forms::ControlArray<forms::CommandButton> cmdSaveNotes{*this, "cmdSaveNotes"};
    // 1 "Date / Time", 2 "Day Shift", 3 "Entered By", 4 "User ID", 5 the note number (hidden).
    forms::MSHFlexGrid mshflexPrevNotes{*this, "mshflexPrevNotes"};
    forms::TextBox txtPrevNotes{*this, "txtPrevNotes"};
    forms::CommandButton cmdNotesPrint{*this, "cmdNotesPrint"};
    forms::CommandButton cmdDeleteNote{*this, "cmdDeleteNote"};
    forms::CommandButton cmdPrintAll{*this, "cmdPrintAll"};

    // Page 5, the patient profile: page 0 "Admiting Information", page 1 "Physical Examination". The labels of the
    // boxes are lblProfile, in the order the boxes are laid out.
    forms::SSTab tabPatientProfile{*this, "tabPatientProfile"};
    forms::Frame fraAllergy{*this, "fraAllergy"};
    forms::ControlArray<forms::CheckBox> chkAllergy{*this, "chkAllergy"};
    forms::TextBox txtAllergyOthers{*this, "txtAllergyOthers"};
    forms::Frame fraPH{*this, "fraPH"};
    forms::ControlArray<forms::CheckBox> chkPH{*this, "chkPH"};
    forms::Frame fraFH{*this, "fraFH"};
    forms::ControlArray<forms::CheckBox> chkFH{*this, "chkFH"};
    forms::TextBox txtFMOthers{*this, "txtFMOthers"};
    forms::Frame fraPSH{*this, "fraPSH"};
    forms::ControlArray<forms::CheckBox> chkPSH{*this, "chkPSH"};
    forms::ControlArray<forms::Label> lblProfile{*this, "lblProfile"};
    forms::TextBox txtBriefHistory{*this, "txtBriefHistory"};
    forms::TextBox txtMannerOfAdmission{*this, "txtMannerOfAdmission"};
    forms::TextBox txtADMDiagnosis{*this, "txtADMDiagnosis"};
    forms::TextBox txtChiefComplaints{*this, "txtChiefComplaints"};
    forms::TextBox txtImpression{*this, "txtImpression"};
    forms::TextBox txtSkin{*this, "txtSkin"};
    forms::TextBox txtHeadNeck{*this, "txtHeadNeck"};
    forms::TextBox txtThorax{*this, "txtThorax"};
    forms::TextBox txtAbdomen{*this, "txtAbdomen"};
    forms::TextBox txtExtremeties{*this, "txtExtremeties"};
    forms::TextBox txtLympNodes{*this, "txtLympNodes"};
    forms::TextBox txtGenitalia{*this, "txtGenitalia"};
    forms::TextBox txtRectal{*this, "txtRectal"};
    forms::TextBox txtNeurological{*this, "txtNeurological"};
    forms::TextBox txtOtherPE{*this, "txtOtherPE"};
    forms::CommandButton cmdUpdate{*this, "cmdUpdate"};
    forms::CommandButton cmdSaveprofile{*this, "cmdSaveprofile"};
    forms::CommandButton cmdProfileRefresh{*this, "cmdProfileRefresh"};
    forms::CommandButton cmdViewSummary{*this, "cmdViewSummary"};

    // Page 6, the clinical summary: 0 the title "PERSONAL INFORMATION", 1 to 8 the captions, 9 and 12 to 18 the
    // patient's values, 10 the title "Clinical Summary"; the confinements (1 admission number, 2 admission date and
    // time, 3 discharge date and time, 4 room); "&View"; 0 "Refresh", 1 "Print"; the composed summary.
    forms::ControlArray<forms::Label> lblClinHEad{*this, "lblClinHEad"};
    forms::MSHFlexGrid mshflexClin{*this, "mshflexClin"};
    forms::CommandButton cmdClinical{*this, "cmdClinical"};
    forms::ControlArray<forms::CommandButton> cmdClinicalOption{*this, "cmdClinicalOption"};
    forms::RichTextBox rtbClinical{*this, "rtbClinical"};
    // The admission number of the confinement clicked last; "Print" prints it.
    std::string SelectedConfinementIdNum;

    // Page 7, the operating-room schedule: the day shown, its bookings by room, the details of a picked booking, and
    // the request for an operation. The code boxes are item 0 and the names item 1 of the three look-up pairs.
    forms::MonthView MonthView1{*this, "MonthView1"};
    forms::DaySchedule Schedule1{*this, "Schedule1"};
    forms::Frame fraSchedule{*this, "fraSchedule"};
    forms::ControlArray<forms::Label> lblSchedule{*this, "lblSchedule"};
    forms::ControlArray<forms::DTPicker> dtpSchedule{*this, "dtpSchedule"};
    forms::ComboBox cboStartTime{*this, "cboStartTime"};
    forms::ControlArray<forms::TextBox> txtOperation{*this, "txtOperation"};
    forms::ControlArray<forms::TextBox> txtSurgeon{*this, "txtSurgeon"};
    forms::ControlArray<forms::TextBox> txtAnesthesiologist{*this, "txtAnesthesiologist"};
    forms::TextBox txtScheduleRemarks{*this, "txtScheduleRemarks"};
    forms::CommandButton cmdProcedure{*this, "cmdProcedure"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    // 0 "Save", 2 "Exit" of the details panel, 3 "List of Request Entered".
    forms::ControlArray<forms::CommandButton> cmdSaveSchedule{*this, "cmdSaveSchedule"};
    // The details panel: item 2 the room; items 5 the date, 2 the start, 3 the length and 4 the text.
    forms::PictureBox pictSchedule{*this, "pictSchedule"};
    forms::ControlArray<forms::Label> lblScheduleDetails{*this, "lblScheduleDetails"};
    forms::ControlArray<forms::TextBox> txtScheduleRoom{*this, "txtScheduleRoom"};
    forms::ControlArray<forms::TextBox> txtDuration{*this, "txtDuration"};

    // Empties the cart to its header and one blank row and sets its columns; AMOUNT shows only with IsShowAmount.
    void LayOutRequestCart();
    // Empties the profile grid to its header and one blank row and sets its columns.
    void LayOutProfileList();

    // Reloads the vital-signs history and empties the entry panel.
    void Get_VitalSigns();

    // Reloads the request lists of page 1 and the clinical-assessment status.
    void Get_CanPenProc();
    // The central-supply request entry behind its billing gate.
    void CSR();
    // "&Back to Patient List": closes the chart with its pickers and gives the patient list the focus.
    void cmdExit_Click();
    bool CartHoldsRequests() const;
    // Saves and sends the request cart.
    void cmdSave_Click();
    // (Re)loads the heart-station list of the admission in txtId.
    void Get_HeartResults();

    // The supervisors' approvals of STAT requests let through a cash basis for this cart, by department code. The
    // set-up empties them with the cart.
    BypassApprovals StatBypassApprovals;

protected:
    void Design() override;
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Unload(int& Cancel) override;

private:
    // Layout, by topic.
    void DesignHeader();
    void DesignLoadingPanel();
    void DesignActionBar();
    void DesignTabs();
    void DesignSendRequestsPage();
    void DesignRequestListsPage();
    void DesignResultsPage();
    void DesignVitalSignsPage();
    void DesignNotesPage();
    void DesignProfilePage();
    void DesignClinicalSummaryPage();
    void DesignORSchedulePage();

    // Builds the grids and fills every exam list from the catalogues.
    void SetUpChart();
    void LoadReportList();
    void LoadExamCatalogues();
    void LoadPickers();
    // The six department pickers, from physical therapy to nuclear medicine, in that order.
    void UnloadDepartmentPickers();
    void ClearExamLists();

    void Timer1_Timer();
    void tabSSTab1_Click(int PreviousTab);
    // Shows the page's refusal and goes back to page 0.
    void RefusePage(const std::string& message);
    // The function keys' actions.
    void RunFunctionKey(int KeyCode);
    bool AskRight(const std::string& right, const std::string& refusal);
    void OpenDischargeMenu();
    void ShowStatementOfAccount();

    // Report list.
    void DesignReportIcons();
    void InitReportsList();
    void mshflexReports_DblClick();
    void PrintReportOfRow();

    // Filled by the topics that own them.
    void LoadPatientHeader();
    void OpenPharmacyEntry();

    // The action bar: each button opens its window behind the billing gate's steps.
    void cmdNextPatient_Click(int Index);
    void RequestFromPharmacy(const std::string& revenue);
    void ChangeDiet();
    void ReadCurrentDiet();
    void OpenHeightAndWeight();
    bool MayDischargeOrTransfer();
    void SendClearance();
    bool ClearanceCutOffPassed();
    bool HasPendingRequests();
    bool HasRemoteControlCharges();
    void OpenDoctors();
    void OpenWardCharges();
    void OpenClinicalAssessment();
    void OpenCashAssessmentEntry();
    void EnterSuppliesAsStat();
    void ShowSuppliesEntry();
    // The gate's steps: each shows its refusal and answers true when it refused.
    bool RefusedAsCleared(const std::string& deptCode, const std::string& toMake);
    bool RefusedAsUnknownAdmission();
    bool RefusedAsClosed(const std::string& closedSentence, const std::string& title);
    bool RefusedAsCashBasis(bool underCashBasis, const std::string& departmentText);
    // The results pages.
    void DesignRadiologyPage(int page);
    void DesignLaboratoryPage();
    void ConnectResultsPages();
    void tabSSTab2_Click(int PreviousTab);
    void LoadXrayResults();
    void LoadUltrasoundResults();
    void LoadCTResults();
    void LoadRadiologyResults(int page);
    void ShowRadiologyRow(int page);
    void mshflexXray_Click();
    void mshflexUltra_Click();
    void mshflexCT_Click();
    void cmdResultX_Click(int Index);
    void cmdResultU_Click(int Index);
    void cmdCTExit_Click(int Index);
    void RunRadiologyButton(int page, int Index);
    void ViewRadiologyResult(int page);
    void DesignHeartPage();
    void mshflexHeart_Click();
    void cmdExitResultE_Click(int Index);
    void ViewHeartResult();
    void PrintHeartPackageResults(const std::string& admission, const std::string& requestNum);
    enum class HeartPrint { View, Package };
    void PrintHeartForm(const std::string& letter, const std::string& requestNum, HeartPrint print);
    // User right 16, read at the first report of a View and given to every viewer it opens.
    std::optional<bool> HeartViewMayPrint;
    void LoadLabResults();
    void TintLabSections();
    void mshflexLab_Click();
    void cmdLabView_Click(int Index);
    void cmdExitResultL_Click(int Index);
    void cmdTabular_Click();
    void mshflexLabTabular_Click();
    // The reference of the laboratory row clicked last; each load of the chart starts it empty.
    std::string SelectedLabReference;
    void LoadNurseNotes();
    // The patient profile.
    void WireProfilePage();
    void DesignAdmittingPage();
    void DesignExaminationPage();
    void LoadPatientProfile();
    void chkAllergy_Click(int Index);
    void chkPH_Click(int Index);
    void chkFH_Click(int Index);
    // Unticks the clicked box, with the message, when the array holds more ticks than the limit.
    void LimitTicks(forms::ControlArray<forms::CheckBox>& boxes, int Index, int limit, const std::string& message);
    void cmdUpdate_Click();
    void cmdSaveprofile_Click();
    // The acting nurse signs in, or the nurse gives up (false).
    bool ValidateProfileNurse();
    void SaveProfile(const std::vector<std::string>& allergies, const std::vector<std::string>& pastHistory,
                     const std::vector<std::string>& socialHistory, const std::vector<std::string>& familyHistory);
    void LockProfileBoxes();
    void cmdProfileRefresh_Click();
    void cmdViewSummary_Click();
    void txtLympNodes_KeyPress(int& KeyAscii);
    // The clinical summary.
    void WireClinicalSummaryPage();
    void LoadClinicalSummary();
    void LayOutConfinements();
    std::optional<vb::Variant> MakeOwnAdmissionCurrent();
    void ShowPersonalData(bool found);
    void ListConfinements(db::Recordset& rs);
    void mshflexClin_Click();
    void cmdClinical_Click();
    void ComposeClinicalSummary();
    void AppendMedicines(const std::string& picked);
    void AppendExaminations(const std::string& picked, const std::string& kind, const std::string& heading,
                            bool lineAfter);
    void ShowSummaryProgress(const db::Recordset& rs);
    void cmdClinicalOption_Click(int Index);
    // The operating-room schedule and its request.
    void WireORSchedule();
    void DesignRequestForm();
    void DesignScheduleDetails();
    void InitORScheduler();
    void LoadORSchedule();
    void ResetScheduleRequest();
    void MonthView1_DateClick(vb::Date DateClicked);
    void Schedule1_BookingPick(int& Booking);
    void Command1_Click();
    void Command2_Click();
    void cmdProcedure_Click();
    void txtSurgeon_KeyPress(int Index, int& KeyAscii);
    void txtAnesthesiologist_KeyPress(int Index, int& KeyAscii);
    void txtOperation_KeyPress(int Index, int& KeyAscii);
    // Looks a doctor up by the name box's text; true when one was picked and written into the pair.
    bool SearchDoctor(forms::ControlArray<forms::TextBox>& pair);
    // Enter searches the doctor and, after a pick, is taken and moves the focus on; other keys are upper-cased.
    void DoctorNameKeyPress(forms::ControlArray<forms::TextBox>& pair, int& KeyAscii);
    void SearchProcedure();
    void cmdSaveSchedule_Click(int Index);
    void SaveScheduleRequest();
    // The requested start as a date and time, or nothing when the start text is no time of day.
    std::optional<vb::Date> RequestedStart();
    std::string RequestSummary();

    // The request cart and the quick lists that fill it. A cart row is one department's exam: department and code
    // tell rows apart.
    void WireRequestCart();
    void lstListLaboratory_Click();
    void lstListXray_Click();
    void lstListUltra_Click();
    void PickFromImagingList(forms::ListBox& list, const RequestOpener& opener, const std::string& remarksDeptID);
    void PickImagingExam(forms::ListBox& list, const RequestOpener& opener, const std::string& remarksDeptID);
    void PickLaboratoryExam();
    // True when the pick may go on: the exam is not pending, not declined as a repeat and not in the cart yet.
    bool ExamMayBeOrdered(forms::ListBox& list, const std::string& deptCode);
    void AddCartRow(forms::ListBox& list, const std::string& code, const std::string& section);
    void IsExamInOrders(const std::string& deptCode);
    void RemoveOrderRow(const std::string& deptCode);
    void mshflexOrders_DblClick();
    void cmdDelete_Click();
    forms::ListBox* ListNamed(const std::string& name);

    // The request lists of page 1 and the cancelling of a pending request.
    void WireRequestLists();
    void LayOutRequestList(forms::MSHFlexGrid& grid, int cols);
    void ListPendingRequests();
    void ListRequestsRowByRow(forms::MSHFlexGrid& grid, const std::string& kind);
    void ListAssessments();
    void cmdView_Click();
    void mshflexProcessed_DblClick(int Index);
    // The acting nurse signs for the requests, asked again while the nurse answers Yes; false when given up.
    bool SignForRequests();
    // The pending request of the list's current row, once the nurse has confirmed it and signed for it.
    void CancelPendingRequest();
    void imgPendingRequest_Click(int Index);

    // The search buttons beside the quick lists: each opens the request dialog of its department behind the gate.
    void WireRequestEntry();
    void cmdLabMore_Click();
    void cmdUltraMore_Click();
    void cmdXrayMore_Click();
    void OpenRequestDialog(const RequestOpener& opener, const std::string& caption);
    void ShowRequestDialog(const std::string& caption, const std::string& deptCode);
    // The other-departments list: each line opens its department's picker or request window behind the gate.
    void lstListOthers_Click();
    void OpenOtherDepartment(const OtherDepartment& department, const std::string& text);
    void UntickOthersLine(const std::string& deptCode);
    void ShowRehabilitationEntry();
    std::string CurrentExamCode;
    std::string SavedListLine;
    bool ExamAlreadyInOrders = false;

    // The vital-signs page.
    void WireVitalSigns();
    void txtBloodPressure_KeyPress(int Index, int& KeyAscii);
    void txtTemperature_KeyPress(int& KeyAscii);
    void txtRespiratoryrate_KeyPress(int& KeyAscii);
    void txtPulserate_KeyPress(int& KeyAscii);
    // Enter checks the box's value and moves on; other keys pass only when they belong in a measurement.
    void FilterVitalSignKey(int& KeyAscii, const std::function<bool()>& valueAccepted);
    // Asks about a value outside [low, high]; true when the nurse keeps it (or it is inside), else the focus goes to
    // retry.
    bool VitalSignAccepted(double value, double low, double high, forms::TextBox& retry);
    bool DiastolicAccepted();
    // A control on a page or notebook page that is not shown cannot take the focus; it is given it otherwise.
    void FocusIfShown(forms::Control& control);
    void cmdSaveVitalSign_Click();
    void cmdPrintVitalSigns_Click();
    void SaveVitalSigns();
    // The text of the profile chosen last by a save; the loaders leave it.
    std::string LastMonitoringProfile;

    // The nurses notes page.
    void WireNotes();
    void LayOutNotesList();
    void TitleNotesList();
    void PresetNewNote();
    void mshflexPrevNotes_Click();
    void txtNotesEntry_Change();
    void cmdSaveNotes_Click(int Index);
    void SaveNote();
    void EditNote();
    void UpdateNote();
    void cmdDeleteNote_Click();
    void DeleteNote();
    void cmdNotesPrint_Click();
    void cmdPrintAll_Click();
    void SetNotesEditMode(bool Enable);
    // Whether that user wrote the note; refuses (naming the writer) when not.
    bool OwnsShownNote(const std::string& userID);
    bool PostNoteDelete(const std::string& noteNumber, const std::string& noteText);
    // The note the past-notes panel shows, as the list's Click read it: its number (empty when none), the list's
    // shift and its stored text. Edit, Update and the delete's audit line act on it, wherever the list's current row
    // has moved since.
    std::string shownNoteNumber;
    std::string shownNoteListShift;
    std::string shownNoteText;
    std::string shownNoteWriter;
    // The user validated at Edit, whom Update checks again.
    std::string noteEditor;

    // The header's load, by step, and the flags that open or close the request lists.
    void WritePatientBoxes();
    void WriteAdmissionBoxes();
    void WritePatientMaster();
    void WriteDiet();
    void ReadMembership();
    void ShowPhilhealthType();
    void ReloadRequestLists();
    void ApplyCashBasisFlags();
    void txtPatient_KeyPress(int& KeyAscii);
    // The caption the load made, which each header load starts again from.
    std::string captionOfLoad;

    App& app;
};

} // namespace ward
