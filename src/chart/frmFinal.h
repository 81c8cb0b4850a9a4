#pragma once

#include "platform/forms/Bars.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Lists.h"
#include "platform/forms/MonthView.h"
#include "platform/forms/Tabs.h"
#include "requestcart/RequestGate.h"

#include <string>

namespace ward {

class App;

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

    // Page 1, the nurse's requests: 0 processed, 1 pending, 2 exams with results.
    forms::ControlArray<forms::Label> lblProcessed{*this, "lblProcessed"};
    forms::ControlArray<forms::MSHFlexGrid> mshflexProcessed{*this, "mshflexProcessed"};

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

    // Page 5, the patient profile.
    forms::ControlArray<forms::Label> lblProfile{*this, "lblProfile"};
    forms::TextBox txtADMDiagnosis{*this, "txtADMDiagnosis"};
    forms::TextBox txtChiefComplaints{*this, "txtChiefComplaints"};
    forms::TextBox txtImpression{*this, "txtImpression"};
    forms::TextBox txtMannerOfAdmission{*this, "txtMannerOfAdmission"};

    // Page 7, the operating-room schedule: the day to book.
    forms::MonthView MonthView1{*this, "MonthView1"};

    // Empties the cart to its header and one blank row and sets its columns; AMOUNT shows only with IsShowAmount.
    void LayOutRequestCart();
    // Empties the profile grid to its header and one blank row and sets its columns.
    void LayOutProfileList();

    // Reloads the request lists of page 1 and the clinical-assessment status.
    void Get_CanPenProc();
    // The central-supply request entry behind its billing gate.
    void CSR();
    // "&Back to Patient List": closes the chart with its pickers and gives the patient list the focus.
    void cmdExit_Click();
    bool CartHoldsRequests() const;
    // Saves and sends the request cart.
    void cmdSave_Click();

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
    void Get_HeartResults();
    void LoadLabResults();
    void TintLabSections();
    void mshflexLab_Click();
    void cmdLabView_Click(int Index);
    void cmdExitResultL_Click(int Index);
    void cmdTabular_Click();
    void mshflexLabTabular_Click();
    // The reference of the laboratory row clicked last; each load of the chart starts it empty.
    std::string SelectedLabReference;
    void Get_VitalSigns();
    void LoadNurseNotes();
    void LoadPatientProfile();
    void LoadClinicalSummary();
    void InitORScheduler();
    void ResetScheduleRequest();

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

    // The search buttons beside the quick lists: each opens the request dialog of its department behind the gate.
    void WireRequestEntry();
    void cmdLabMore_Click();
    void cmdUltraMore_Click();
    void cmdXrayMore_Click();
    void OpenRequestDialog(const RequestOpener& opener, const std::string& caption);
    std::string CurrentExamCode;
    std::string SavedListLine;
    bool ExamAlreadyInOrders = false;

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
