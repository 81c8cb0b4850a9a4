#include "shell/mdiOrMenu.h"

#include "core/App.h"
#include "core/ErrorReporting.h"
#include "core/HospitalSettings.h"
#include "core/ModuleHelpers.h"
#include "platform/agent/Announcer.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlText.h"
#include "platform/forms/Layout.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"
#include "platform/vb/VbError.h"
#include "shell/frmSearch.h"
#include "shell/frmSplash.h"

namespace ward {

namespace {

constexpr const char* TitlePrefix = "Tessun Zentari - ZODE";
constexpr const char* FixedStationName = "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT";

} // namespace

mdiOrMenu::mdiOrMenu(App& app) : Form(app.Forms), app(app) {
    Timer1.TimerEvent = [this] { Timer1_Timer(); };
    SysInfo1.DisplayChanged = [this] { SysInfo1_DisplayChanged(); };
    tmrChkDischarge.TimerEvent = [this] { tmrChkDischarge_Timer(); };
    tmrDischarge.TimerEvent = [this] { tmrDischarge_Timer(); };
    tmrChkClaimSlip.TimerEvent = [this] { tmrChkClaimSlip_Timer(); };
    tmrClaimSlip.TimerEvent = [this] { tmrClaimSlip_Timer(); };
    tmrDCRInstructions.TimerEvent = [this] { tmrDCRInstructions_Timer(); };
    tmrDCRInsMeds.TimerEvent = [this] { tmrDCRInsMeds_Timer(); };
    tmrRoomTransfer.TimerEvent = [this] { tmrRoomTransfer_Timer(); };
    tmrButton.TimerEvent = [this] { tmrButton_Timer(); };
    cmdDischarge.Click = [this] { cmdDischarge_Click(); };
    cmdClaimSlip.Click = [this] { cmdClaimSlip_Click(); };
    cmdDCRInstructionsMedicationSheet.Click = [this] { cmdDCRInstructionsMedicationSheet_Click(); };
    cmdRoomTransferNotification.Click = [this] { cmdRoomTransferNotification_Click(); };
    tmrComm.TimerEvent = [this] { tmrComm_Timer(); };
    cmdCommunication.Click = [this] { cmdCommunication_Click(); };
    WireMenus();
    tmrComm.TimerEvent = [this] { tmrComm_Timer(); };
    cmdCommunication.Click = [this] { cmdCommunication_Click(); };
}

void mdiOrMenu::Design() {
    SetMDIContainer(true);
    SetCaption(TitlePrefix);
    SetInnerSize(12000, 8000);

    StbEr.AddPanel(0, "", "USER'S INITIAL ");
    StbEr.AddPanel().SetWidth(900);
    StbEr.AddPanel().SetWidth(2700);
    StbEr.AddPanel(0, "", "", forms::sbrCaps).SetWidth(720);
    StbEr.AddPanel(0, "", "", forms::sbrNum).SetWidth(720);
    StbEr.AddPanel(0, "", "", forms::sbrTime).SetWidth(900);
    StbEr.AddPanel(0, "", "", forms::sbrDate).SetWidth(1200);
    StbEr.AddPanel(0, "", "Server Name").SetWidth(3000);
    StbEr.SetHeight(330);

    lblCS.Load(0).SetCaption("Next Charge Slip #");
    lblCS.Load(1);
    forms::LayoutMetrics tight;
    tight.Margin = 60;
    forms::Layout inside(Picture2, tight);
    inside.Row({{&lblCS(0), 1800}, {&lblCS(1), 1500}});
    Picture2.Move(ScaleWidth() - 3540, 0, 3540, inside.UsedHeight());

    ImageList1.Add(PictureFile("discharge.png"));
    ImageList1.Add(PictureFile("claimslip.png"));
    ImageList1.Add(PictureFile("roomtransfer.png"));
    Timer1.SetInterval(1000);
    Timer1.SetTimerEnabled(false);
    DesignNoticeButtons();
    DesignTimers();
    DesignMenus();
    DesignToolbar();
}

forms::Picture mdiOrMenu::PictureFile(const std::string& name) const {
    return forms::Picture{app.GetHost().AppPath() + "/Pictures/" + name};
}

void mdiOrMenu::DesignMenus() {
    mnuFile.SetCaption("&File");
    mnuOpen.SetCaption("&Open");
    mnuChargeSlip.SetCaption("Charge Slip Setting");
    mnuUser.SetCaption("User Settings");
    mnuReports.SetCaption("R&eports");
    mnuDetailed.SetCaption("Income Report (Detailed)");
    mnuSummary.SetCaption("Income Report (Summary)");
    mnuLedger.SetCaption("Patient's Ledger");
    mnuLedger.SetEnabled(false);
    mnuInquiry.SetCaption("&Inquiry");
    mnuCF4.SetCaption("CF4 (Philhealth)");
    mnuDischargeNoticeStatus.SetCaption("Patient Discharge Notice Status");
    mnuFluidIO.SetCaption("Fluid Input and Output");
    mnuFluidIO.SetVisible(false);
    mnuInfo.SetCaption("Personal Info");
    mnuInfo.SetEnabled(false);
    mnuRS.SetCaption("Request Status");
    mnuRS.SetEnabled(false);
    mnuRecvbles.SetCaption("&Receivable Update");
    mnuAssessment.SetCaption("Assessment Entry");
    mnuAssessment.SetVisible(false);
    mnuAssessment.SetEnabled(false);
    mnuMaintained.SetCaption("&Maintained Room");
    mnuMaintained.SetEnabled(false);
    mnuChange.SetCaption("Change Maintained Room");
    mnuCancel.SetCaption("Cancel Maintained Room");
    mnuWindow.SetCaption("&Window");
    mnuWindow.SetWindowList(true);
    mnuExit.SetCaption("&Exit");
    mnuExitApps.SetCaption("Exit Application");
}

// The start-up: the nurse signs in, then the station, settings and outside components are set up.
void mdiOrMenu::Form_Load() {
    if (app.GetHost().PrevInstance()) {
        app.Forms.MsgBox("Program is already loaded.", forms::vbCritical, "Notification");
        Unload();
        return;
    }
    app.UnitPriceInEntry = true;
    app.ObjectsCreated = false;
    if (!SignIn())
        return;
    app.StationID = "SIC";
    // A window that is half started would leave the nurse working without settings or components: on any error
    // the main window closes through the normal shutdown.
    try {
        StartWork();
    } catch (const std::exception& error) {
        ShowErrorMessage(app, error);
        Unload();
    }
}

bool mdiOrMenu::SignIn() {
    app.CurrentUser = CreateOutsideObject<components::LoginComponent>("Zentari_User.clsCurrentuser");
    app.CurrentUser->SetPasswordDeptCode("ZODE");
    app.CurrentUser->SethwndParentForm(hWnd());
    app.CurrentUser->ShowMain();
    if (!app.CurrentUser->Connected()) {
        app.Forms.MsgBox("Connection Failed.", forms::vbCritical, "Notification");
        Unload();
        return false;
    }
    app.AllowReportPrint = true;
    tmrRoomTransfer.SetTimerEnabled(true);
    cmdRoomTransferNotification.SetPicture(ImageList1.ListImage(3));
    app.ObjectsCreated = true;
    tmrButton.SetTimerEnabled(true);
    return true;
}

void mdiOrMenu::StartWork() {
    ReadStationName();
    SetCaption(TitlePrefix + app.StationName);
    app.StationName = FixedStationName;
    LoadFramePicture();
    RefreshServerDate(app);
    LoadHospitalSettings(app);
    FillStatusBar();
    mnuCF4.SetVisible(app.Parameters().ShowCF4());
    db::Connection& connection = app.Connection();
    connection.SetCommandTimeout(120);
    connection.SetCursorLocation(db::CursorLocation::Client);
    CreateOutsideComponents();
    if (app.Parameters().ShowCF4())
        app.CF4Object = app.CurrentUser->ZENTARIClasses().clsCF4();
    mnuFluidIO.SetVisible(app.Parameters().ShowFluidIO());
    SetUpCodeSearch();
    OfferConnection();
    app.CurrentUser->ZENTARIClasses().SetUseClasses(true);
    app.CurrentUser->ZENTARIClasses().initwithdb();
    app.AgentLoaded = false;
    Timer1.SetTimerEnabled(true);
}

void mdiOrMenu::ReadStationName() {
    db::Recordset rs = app.Connection().Open("Select StationID,Station From Build_file..tbCoStation Where StationID=" +
                                                 db::SqlQuote(vb::Trim(app.StationID)),
                                             db::CursorType::ForwardOnly, db::LockType::ReadOnly);
    if (!rs.Eof()) {
        vb::Variant station = rs.Fields("Station");
        app.StationName = station.IsNull() ? std::string() : vb::CStr(station);
    }
    rs.Close();
}

// A frame without its picture still works: only a missing file is passed over.
void mdiOrMenu::LoadFramePicture() {
    try {
        SetPicture(forms::LoadPicture(app.GetHost().AppPath() + "\\Main Menu1.jpg"));
    } catch (const vb::VbError& error) {
        if (error.Number() != 53)
            throw;
    }
}

void mdiOrMenu::FillStatusBar() {
    StbEr.Panels(2).SetText(app.CurrentUser->Initial());
    StbEr.Panels(3).SetText(app.CurrentUser->EmployeeName());
    StbEr.Panels(7).SetToolTipText(vb::Format(app.ServerDate, "Long Date"));
    StbEr.Panels(8).SetText(std::string("Server Name") + " : " + ServerPart());
}

std::string mdiOrMenu::ServerPart() const {
    const std::string server = app.CurrentUser->servername();
    clsParameters& parameters = app.Parameters();
    if (!parameters.HideServerIP())
        return server;
    if (server == parameters.LiveServer())
        return "LIVE SERVER";
    if (server == parameters.TestServer())
        return "TEST SERVER";
    return "UNKNOWN SERVER";
}

template <class T> std::unique_ptr<T> mdiOrMenu::CreateOutsideObject(const std::string& progId) {
    std::unique_ptr<T> component;
    try {
        component = app.Factory.Create<T>(progId);
    } catch (const std::exception&) {
        app.Forms.MsgBox("Cannot create object " + progId + ". Register this DLL.", forms::vbInformation,
                         "Notification");
        app.GetHost().End();
    }
    return component;
}

void mdiOrMenu::CreateOutsideComponents() {
    using namespace components;
    app.DrugListObject =
        CreateOutsideObject<DrugListComponent>(app.ByGeneric ? "Selkarn.clsListGeneric" : "Yarrowin.clsListDrugs");
    app.PatientSearch = CreateOutsideObject<PatientSearchComponent>("Ulvexa.clsPatientSearch");
    app.DrugObject = CreateOutsideObject<DrugComponent>("Tembloc.clsDrug");
    app.DrugListObject2 = CreateOutsideObject<DrugListComponent>("Yarrowin.clsListDrugs");
    app.LabResultViewerObject = CreateOutsideObject<LabResultViewerComponent>("Ostenay.Labresultviewer");
    app.KeyFilter = CreateOutsideObject<KeyFilterComponent>("Kappoch.KeyPress");
    app.CodeSearch = CreateOutsideObject<CodeSearchComponent>("Bramwit.clsCodeSearch");
    app.KeyFilter1 = CreateOutsideObject<KeyFilterComponent>("Kappoch.KeyPress");
    app.ICDSearch = CreateOutsideObject<ICDSearchComponent>("Gorvath.ICDCodeSearch");
    app.RequestObject = CreateOutsideObject<RequestListComponent>("Virselto.clsRequest");
    app.ResultsObject = CreateOutsideObject<ResultsComponent>("Virselto.clsResults");
    app.ChargeSlipObject = CreateOutsideObject<ChargeSlipListComponent>("Mibrault.clsChargeSlip");
    app.IssuedMedsObject = CreateOutsideObject<IssuedItemsComponent>("Tondrel.clsIssuedMedicines");
    app.ConfinementResultsObject = CreateOutsideObject<ConfinementResultsComponent>("Virselto.clsConfinementResults");
    app.ConfinementObject = CreateOutsideObject<ConfinementComponent>("Virselto.clsConfinement");
    app.ICDSearch->SetActiveConnection(app.Connection());
    app.PatientObject = CreateOutsideObject<PatientInfoComponent>("Quosset.Patient");
}

void mdiOrMenu::SetUpCodeSearch() {
    app.CodeSearch->SetMTS_Server(app.MTSServerName);
    app.CodeSearch->SetSearchMode(true);
    app.CodeSearch->Initialize_Classes();
    app.CodeSearch->SetConnection(app.Connection());
    app.CodeSearch->SetCompanyName(app.HospitalName);
}

// The offers stop at the first component that refuses; the start-up goes on without a word, as the components that
// did not get the connection report it themselves when used.
void mdiOrMenu::OfferConnection() {
    auto connectionString = [this] { return app.Connection().ConnectionString(); };
    if (!app.PatientSearch->InitConnection(app.Connection(), app.MTSServerName) ||
        !app.DrugObject->InitConnect(connectionString()) || !app.DrugListObject->InitConnection(connectionString()) ||
        !app.PatientObject->InitConnect(connectionString()) ||
        !app.IssuedMedsObject->InitConnection(connectionString()) ||
        !app.ChargeSlipObject->InitConnection(connectionString()))
        return;
    if (app.ByGeneric && !app.DrugListObject2->InitConnection(connectionString()))
        return;
    app.DrugListObject2->SetDrugsOrCSR(false);
}

// One second after the start-up: the polls begin, the splash shows, the patient list opens and the announcer comes.
void mdiOrMenu::Timer1_Timer() {
    Timer1.SetTimerEnabled(false);
    tmrChkDischarge.SetTimerEnabled(true);
    tmrChkClaimSlip.SetTimerEnabled(true);
    tmrDCRInstructions.SetTimerEnabled(true);
    app.Forms.Get<frmSplash>().ShowModal();
    app.Forms.Get<frmSearch>().Show();
    if (!app.AgentLoaded) {
        app.Announcer->Load("genie", app.GetHost().AppPath() + "\\genie.acs");
        app.Announcer->DblClick = [this](const std::string& CharacterID) { Agent1_DblClick(CharacterID); };
        app.AgentLoaded = true;
    }
}

void mdiOrMenu::Form_Activate() {
    ShowNextChargeSlipNumber();
    KeepChargeSlipBoxRight();
}

void mdiOrMenu::ShowNextChargeSlipNumber() {
    db::Recordset rs = app.Connection().Open("Select * from STATION..tbSCNChargeSlip", db::CursorType::Dynamic,
                                             db::LockType::Optimistic);
    if (!rs.Eof())
        lblCS(1).SetCaption(vb::Trim(vb::CStr(rs.Fields("ChargeSlip"))));
    rs.Close();
}

void mdiOrMenu::KeepChargeSlipBoxRight() { Picture2.SetLeft(Width() - Picture2.Width()); }

void mdiOrMenu::SysInfo1_DisplayChanged() {
    forms::Form* active = app.Forms.ActiveForm();
    if (active == nullptr)
        return;
    if (SysInfo1.WorkAreaWidth() < active->Width()) {
        active->SetLeft(SysInfo1.WorkAreaLeft());
        active->SetWidth(SysInfo1.WorkAreaWidth());
    }
    if (SysInfo1.WorkAreaHeight() < active->Height()) {
        active->SetTop(SysInfo1.WorkAreaTop());
        active->SetHeight(SysInfo1.WorkAreaHeight());
    }
}

// The shutdown: the outside components go in their order, then every other window, then the announcer.
void mdiOrMenu::Form_Unload(int& /*Cancel*/) {
    ReleaseOutsideComponents();
    UnloadAllForms(app);
    if (app.AgentLoaded) {
        app.Announcer->Unload("Genie");
        app.AgentLoaded = false;
    }
}

namespace {

template <class T> void Terminate(std::unique_ptr<T>& component) {
    if (component) {
        component->Class_Terminate();
        component.reset();
    }
}

} // namespace

void mdiOrMenu::ReleaseOutsideComponents() {
    if (app.ObjectsCreated) {
        Terminate(app.ResultsObject);
        Terminate(app.RequestObject);
        Terminate(app.ConfinementObject);
        Terminate(app.ConfinementResultsObject);
    }
    app.PatientSearch.reset();
    app.DrugObject.reset();
    app.DrugListObject.reset();
    app.DrugListObject2.reset();
    app.KeyFilter1.reset();
    app.KeyFilter.reset();
    app.CurrentUser.reset();
    app.CodeSearch.reset();
    app.LabResultViewerObject.reset();
    app.ICDSearch.reset();
    app.LabTabular.reset();
    if (app.Parameters().ShowCF4())
        app.CF4Object.reset();
}

} // namespace ward
