#include "charges/frmChargeSlipVerification.h"
#include "charges/frmRecievable.h"
#include "testkit/FixtureReceivable.h"
#include "core/frmReport.h"
#include "core/frmReportViewer.h"
#include "discharge/frmCancelMaintainedRoom.h"
#include "discharge/frmMaintainedRoom.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/frmInfo.h"
#include "shell/frmSearch.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/frmUserRights.h"
#include "shell/mdiOrMenu.h"
#include "testkit/FixturePatientList.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string RightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";
const std::string ActingRightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0002'";
const std::string ServerDateQuery = "select GETDATE() AS Tdate";
const std::string ChargeSlipQuery = "Select * from STATION..tbSCNChargeSlip";
// The charge-slip setting reads the counter when it opens.
const std::string SlipCounterQuery = "Select ChargeSlip from STATION..tbSCNChargeSlip ";
const std::string Station = "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT";

// Every value is text but the Booleans, which show as "True (Boolean)" or "False (Boolean)".
std::vector<std::string> Shown(const std::vector<vb::Variant>& values) {
    for (const vb::Variant& value : values)
        EXPECT_TRUE(value.Type() == vb::VarType::String || value.Type() == vb::VarType::Boolean)
            << vb::CStr(value) << " is not text";
    return ShownValues(values);
}

// The main window after its start-up, shown, with the list's patient chosen, for a nurse holding these rights.
struct MainWindow {
    TestApp test;
    ward::mdiOrMenu& main;
    std::size_t mark = 0;

    explicit MainWindow(const std::string& rights = "|1|") : main(test.app.Forms.Instance<ward::mdiOrMenu>()) {
        fixture::PrepareStartUp(test);
        // What the settings say after the start-up has read them: amounts are no longer shown.
        fixture::DeclareSettings(test.server, {{"IsShowAmount", false}});
        fixture::AddPeople(test);
        test.server.On(ChargeSlipQuery).Returns({"ChargeSlip"}, {{"0012345"}});
        test.host.Run([this] { main.Show(); });
        GiveRights(rights);
        test.app.CurHospNum = " 100234";
        test.app.CurIdNum = "2026001234 ";
        test.app.CurPatientName = "DELA CRUZ, JUAN PEREZ";
        test.app.CurPatientAddress = "45 RIZAL AVENUE";
        test.app.CurAccountNum = "100234";
        test.app.CurGuarantor = "SELF";
        test.app.CurAdmissionDate = "12/7/2026 9:30:00 AM";
        test.app.CurDischargeDate = "";
        test.app.CurRoomID = "SIC-03";
        for (forms::Menu* item : {&main.mnuInquiry, &main.mnuRS, &main.mnuInfo, &main.mnuLedger, &main.mnuMaintained})
            item->SetEnabled(true);
        mark = test.server.Mark();
    }

    void GiveRights(const std::string& rights) {
        test.server.Instead(RightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{"N0001", rights}});
    }
    // What the action sent; the main window reads the next slip number each time it is active again, which is not
    // the action's.
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent = test.server.Statements(mark);
        std::erase(sent, ChargeSlipQuery);
        return sent;
    }
    void AnswerDates(std::string from, std::string to, std::string caption) {
        test.host.OnModal<ward::frmReport>([this, from, to, caption](ward::frmReport& dialog) {
            EXPECT_EQ(dialog.Caption(), caption);
            EXPECT_TRUE(CloseWindow(dialog));
            test.app.ReportDateFrom = from;
            test.app.ReportDateTo = to;
        });
    }
    void CloseTheViewer() {
        test.host.OnModal<ward::frmReportViewer>(
            [](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    }
};

using Action = std::function<void(ward::mdiOrMenu&)>;

Action Menu(forms::Menu ward::mdiOrMenu::*item) {
    return [item](ward::mdiOrMenu& main) { ChooseMenu(main.*item); };
}
Action ReportItem(const std::string& key) {
    return [key](ward::mdiOrMenu& main) { ChooseToolbarItem(main.Toolbar1, "Report", key); };
}

struct ReportCase {
    std::string name;
    Action action;
    std::string right;               // empty: none asked
    std::string datesCaption;        // empty: no dates asked
    std::vector<std::string> before; // statements after the right, before the report opens
    std::string file;
    std::vector<std::string> values;
    std::string caption;
    bool groupTree = false;
    std::string refusal;
};

std::vector<ReportCase> ReportCases() {
    const std::string hospital = fixture::HospitalName, address = fixture::HospitalAddress;
    const std::vector<std::string> settings = {fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                                               fixture::NurseSetupQuery};
    return {
        {"audit",
         ReportItem("Audit"),
         "",
         "Enter Report Date for Audit Report",
         {},
         "Audit_report.RPT",
         {"12/1/2026", "12/10/2026", hospital, address, "SCN AUDIT REPORT"},
         "",
         false,
         ""},
        {"monthly",
         ReportItem("Month"),
         "",
         "Enter Report Date for Monthly Report",
         {},
         "Monthly_Report.RPT",
         {hospital, address, "MONTHLY SCN REPORT", "12/1/2026", "12/10/2026"},
         "",
         false,
         ""},
        {"diet list",
         ReportItem("Diet"),
         "",
         "",
         {},
         "Diet_List.Rpt",
         {"SIC", hospital, address, Station + " - Diet List"},
         "Diet List",
         false,
         ""},
        {"census",
         ReportItem("Census"),
         "",
         "",
         {ServerDateQuery, "PATIENT_DATA..sp_Adm_CensusByStation '2026/12/12','SIC'"},
         "CensusByStation_PSH.rpt",
         {"12/12/2026"},
         "Census Report by Station",
         false,
         ""},
        {"discharges for the day",
         ReportItem("Discharge"),
         "",
         "",
         {ServerDateQuery, "STATION..Nurse_dischargeList 'SIC','12/12/2026'"},
         "NurseDischargeReport.rpt",
         {Station, hospital, address},
         "Discharged List",
         false,
         ""},
        {"income detailed",
         Menu(&ward::mdiOrMenu::mnuDetailed),
         "18",
         "Enter Report Date for Income Report",
         {},
         "Nurse_Station_Income_Detailed.RPT",
         {"12/1/2026", "12/10/2026", "SIC", "True (Boolean)"},
         "Income Report (Detailed)",
         false,
         "Sorry you don't have access right to view Detailed Income Report."},
        {"income summary",
         Menu(&ward::mdiOrMenu::mnuSummary),
         "21",
         "Enter Report Date for Income Report",
         settings,
         "Nurse_Station_Income_Summary.RPT",
         {"12/1/2026", "12/10/2026", "SIC", "False (Boolean)"},
         "Income Report (Summary)",
         false,
         "Sorry you don't have access right to view Summary Income Report."},
        {"patient's ledger",
         Menu(&ward::mdiOrMenu::mnuLedger),
         "",
         "",
         {},
         "Patient_Ledger.RPT",
         {hospital, address, "", "PATIENT'S SCN LEDGER", "DELA CRUZ, JUAN PEREZ", "45 RIZAL AVENUE", "100234", "SELF",
          "2026001234", "100234", "12/7/2026 9:30:00 AM", "", "SIC-03", "100234", "2026001234", "SU"},
         "",
         false,
         ""},
        {"discharge notice status",
         Menu(&ward::mdiOrMenu::mnuDischargeNoticeStatus),
         "",
         "",
         {},
         "PatientDischargeNoticeStatus.RPT",
         {"SIC"},
         "Patient Discharge Notice Status",
         false,
         ""},
        {"request status",
         Menu(&ward::mdiOrMenu::mnuRS),
         "",
         "",
         {},
         "List_of_RequestOrders.Rpt",
         {"2026001234"},
         "",
         true,
         ""},
    };
}

// The server's clock has passed midnight since the start-up.
void LaterOnTheServer(MainWindow& w) {
    w.test.server.Instead(ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 12, 0, 15, 0})}});
    w.test.server.On("PATIENT_DATA..sp_Adm_CensusByStation '2026/12/12','SIC'").Affects(0);
    w.test.server.On("STATION..Nurse_dischargeList 'SIC','12/12/2026'").Affects(0);
}

TEST(MainMenuReports, EachPrintsItsTemplateWithItsValuesInOrderAndShowsItInTheViewer) {
    for (const ReportCase& r : ReportCases()) {
        SCOPED_TRACE(r.name);
        MainWindow w("|18|21|");
        ASSERT_TRUE(w.test.app.IsShowAmount) << "as the start-up read it";
        LaterOnTheServer(w);
        if (!r.datesCaption.empty())
            w.AnswerDates("12/1/2026", "12/10/2026", r.datesCaption);
        w.CloseTheViewer();

        r.action(w.main);

        std::vector<std::string> sent;
        if (!r.right.empty())
            sent.push_back(RightsQuery);
        sent.insert(sent.end(), r.before.begin(), r.before.end());
        EXPECT_EQ(w.Sent(), sent);
        ASSERT_EQ(w.test.reportEngine.Reports().size(), 1u);
        const RecordedReport& report = w.test.reportEngine.Last();
        EXPECT_EQ(report.path, w.test.host.AppPath() + "\\Reports\\" + r.file);
        EXPECT_EQ(Shown(report.values), r.values);
        EXPECT_EQ(report.output, RecordedReport::Output::Viewed);
        EXPECT_EQ(report.viewer.Caption, r.caption);
        EXPECT_EQ(report.viewer.ShowGroupTree, r.groupTree);
        EXPECT_THAT(w.test.host.MessageBoxes(), testing::IsEmpty());
    }
}

TEST(MainMenuReports, WithoutTheirRightTheIncomeReportsSaySoAndAskNothingMore) {
    for (const ReportCase& r : ReportCases()) {
        if (r.right.empty())
            continue;
        SCOPED_TRACE(r.name);
        MainWindow w("|1|2|3|");
        w.test.host.ExpectMsgBox(r.refusal).Title("Message").Buttons(forms::vbInformation + forms::vbOKOnly);
        r.action(w.main);
        EXPECT_EQ(w.Sent(), std::vector<std::string>{RightsQuery});
        EXPECT_THAT(w.test.host.ModalShows(), testing::IsEmpty());
        EXPECT_THAT(w.test.reportEngine.Reports(), testing::IsEmpty());
    }
}

TEST(MainMenuReports, TheSummaryNeedsOnlyItsOwnRight) {
    MainWindow w("|21|");
    LaterOnTheServer(w);
    w.test.host.ExpectMsgBox("Sorry you don't have access right to view Detailed Income Report.").Title("Message");
    ChooseMenu(w.main.mnuDetailed);
    w.AnswerDates("12/1/2026", "12/10/2026", "Enter Report Date for Income Report");
    w.CloseTheViewer();
    ChooseMenu(w.main.mnuSummary);
    ASSERT_EQ(w.test.reportEngine.Reports().size(), 1u);
    EXPECT_EQ(w.test.reportEngine.Last().path, w.test.host.AppPath() + "\\Reports\\Nurse_Station_Income_Summary.RPT");
}

TEST(MainMenuReports, ADateRangeWithOneDateStillPrintsButNoDatesEndsSilently) {
    struct Case {
        std::string from, to;
        bool prints;
    };
    const Case cases[] = {{"", "", false}, {"  ", "", false}, {"12/1/2026", "", true}, {"", "12/10/2026", true}};
    for (const ReportCase& r : ReportCases()) {
        if (r.datesCaption.empty())
            continue;
        for (const Case& c : cases) {
            SCOPED_TRACE(r.name + " from '" + c.from + "' to '" + c.to + "'");
            MainWindow w("|18|21|");
            LaterOnTheServer(w);
            w.AnswerDates(c.from, c.to, r.datesCaption);
            if (c.prints)
                w.CloseTheViewer();
            r.action(w.main);
            EXPECT_EQ(w.test.reportEngine.Reports().size(), c.prints ? 1u : 0u);
            EXPECT_THAT(w.test.host.MessageBoxes(), testing::IsEmpty());
        }
    }
}

TEST(MainMenuReports, AFailingStatementOrAMissingTemplateShowsTheErrorAndNoReport) {
    struct Case {
        std::string name;
        Action action;
        std::function<void(MainWindow&)> arrange;
        std::string message;
    };
    const Case cases[] = {
        {"census statement", ReportItem("Census"),
         [](MainWindow& w) {
             w.test.server.Instead("PATIENT_DATA..sp_Adm_CensusByStation '2026/12/12','SIC'")
                 .Fails("Could not find stored procedure", 2812);
         },
         "Could not find stored procedure"},
        {"discharge-list statement", ReportItem("Discharge"),
         [](MainWindow& w) {
             w.test.server.Instead("STATION..Nurse_dischargeList 'SIC','12/12/2026'").Fails("Timeout expired", 0);
         },
         "Timeout expired"},
        {"server date", ReportItem("Census"),
         [](MainWindow& w) { w.test.server.Instead(ServerDateQuery).Fails("Communication link failure", 0); },
         "Communication link failure"},
        {"missing template", Menu(&ward::mdiOrMenu::mnuRS),
         [](MainWindow& w) { w.test.reportEngine.FailNextOpen("Load report failed."); }, "Load report failed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow w;
        LaterOnTheServer(w);
        c.arrange(w);
        w.test.host.ExpectMsgBox(c.message + "\n\nPlease notify your IT department.").Title("Notification");
        c.action(w.main);
        EXPECT_EQ(w.test.reportEngine.ViewedCount(), 0);
        EXPECT_EQ(w.test.host.MessageBoxes().size(), 1u);
        EXPECT_TRUE(w.main.IsLoaded());
    }
}

TEST(MainToolbar, HasThreeButtonsWhoseDropDownsActByKeyAndWhoseFacesDoNothingButOpenTheList) {
    MainWindow w;
    forms::Toolbar& bar = w.main.Toolbar1;
    ASSERT_EQ(bar.ButtonCount(), 3);
    const std::vector<std::tuple<std::string, std::string, std::string>> buttons = {
        {"Patient List", "Open", "Patient List"},
        {"View Reports", "Report", "Reports"},
        {"Exit App.", "Exit", "Exit Application"}};
    for (int index = 1; index <= 3; ++index) {
        const auto& [caption, key, tip] = buttons[index - 1];
        EXPECT_EQ(bar.Buttons(index).Caption(), caption);
        EXPECT_EQ(bar.Buttons(index).Key(), key);
        EXPECT_EQ(bar.Buttons(index).ToolTipText(), tip);
    }
    std::vector<std::pair<std::string, std::string>> items;
    for (int index = 1; index <= bar.Buttons("Report").ButtonMenuCount(); ++index)
        items.emplace_back(bar.Buttons("Report").ButtonMenus(index).Text(),
                           bar.Buttons("Report").ButtonMenus(index).Key());
    EXPECT_EQ(items, (std::vector<std::pair<std::string, std::string>>{{"Audit Report", "Audit"},
                                                                       {"Monthly Report", "Month"},
                                                                       {"Diet List", "Diet"},
                                                                       {"Census Report", "Census"},
                                                                       {"Discharges For the Day", "Discharge"}}));
    EXPECT_EQ(bar.Buttons("Exit").ButtonMenuCount(), 1);
    EXPECT_EQ(bar.Buttons("Exit").ButtonMenus(1).Text(), "Exit Application");

    ClickToolbarButton(bar, "Report");
    ClickToolbarButton(bar, "Exit");
    EXPECT_THAT(w.Sent(), testing::IsEmpty());
    EXPECT_THAT(w.test.host.ModalShows(), testing::IsEmpty());
    EXPECT_TRUE(w.main.IsLoaded());
    EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmSearch>());
}

TEST(MainToolbar, PatientListFaceAndOpenMenuShowTheListModelessAndBringItForward) {
    for (const Action& open : {Action([](ward::mdiOrMenu& main) { ClickToolbarButton(main.Toolbar1, "Open"); }),
                               Menu(&ward::mdiOrMenu::mnuOpen)}) {
        MainWindow w;
        w.test.server.On(fixture::PatientListQuery())
            .Returns(fixture::PatientListColumns(), {fixture::InPatientListRow()});
        open(w.main);
        ASSERT_TRUE(w.test.app.Forms.IsLoaded<ward::frmSearch>());
        ward::frmSearch& list = w.test.app.Forms.Instance<ward::frmSearch>();
        EXPECT_TRUE(list.Visible());
        EXPECT_EQ(w.test.app.Forms.ActiveForm(), &list);
        w.test.app.Forms.SetActiveForm(w.main);
        open(w.main);
        EXPECT_EQ(w.test.app.Forms.ActiveForm(), &list);
        EXPECT_THAT(w.test.host.ModalShows(), testing::IsEmpty());
    }
}

TEST(MainToolbar, ExitApplicationFromTheMenuOrTheDropDownShutsTheProgramDown) {
    for (const Action& exit : {Menu(&ward::mdiOrMenu::mnuExitApps), Action([](ward::mdiOrMenu& main) {
                                   ChooseToolbarItem(main.Toolbar1, "Exit", "Exit");
                               })}) {
        MainWindow w;
        w.test.app.Forms.Get<ward::frmMaintainedRoom>();
        exit(w.main);
        EXPECT_FALSE(w.main.IsLoaded());
        EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmMaintainedRoom>()) << "every window goes with it";
        EXPECT_EQ(w.test.app.CurrentUser, nullptr) << "the outside components are released";
    }
}

TEST(MainMenus, ChargeSlipSettingValidatesTheActingNurseAndAsksTheRightForHer) {
    struct Case {
        std::string name;
        std::string validated; // empty: refused or abandoned
        std::string actingRights;
        bool opens;
    };
    const Case cases[] = {
        {"validation refused or abandoned, though the logged-in nurse holds right 20", "", "", false},
        {"validated without right 20", fixture::ActingNurseCode, "|3|22|", false},
        {"validated with right 20", fixture::ActingNurseCode, "|3|20|22|", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow w("|20|");
        w.test.server.Instead(ActingRightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{"N0002", c.actingRights}});
        w.test.host.OnModal<ward::frmTransaction_UserValidation>([&](ward::frmTransaction_UserValidation& dialog) {
            EXPECT_EQ(dialog.PostOrCancel, 0);
            dialog.Hide();
            w.test.app.ValidatedUserID = c.validated;
        });
        if (c.opens)
            w.test.server.On(SlipCounterQuery).Returns({"ChargeSlip"}, {{std::int32_t{12345}}});
        if (c.opens)
            w.test.host.OnModal<ward::frmChargeSlipVerification>([](ward::frmChargeSlipVerification& window) {
                EXPECT_EQ(window.Caption(), "Charge Slip Sequence Number");
                EXPECT_TRUE(CloseWindow(window));
            });
        else if (!c.validated.empty())
            w.test.host.ExpectMsgBox("Sorry you don't have access right for Charge Slip Setting.")
                .Title("Message")
                .Buttons(forms::vbInformation + forms::vbOKOnly);
        ChooseMenu(w.main.mnuChargeSlip);
        std::vector<std::string> sent;
        if (!c.validated.empty())
            sent.push_back(ActingRightsQuery);
        if (c.opens)
            sent.push_back(SlipCounterQuery);
        EXPECT_EQ(w.Sent(), sent);
        std::vector<std::string> modal = {"frmTransaction_UserValidation"};
        if (c.opens)
            modal.push_back("frmChargeSlipVerification");
        EXPECT_EQ(w.test.host.ModalShows(), modal);
        if (c.validated.empty()) {
            EXPECT_THAT(w.test.host.MessageBoxes(), testing::IsEmpty());
        }
    }
}

TEST(MainMenus, UserSettingsOpensTheRightsScreenOnlyForTheRightPassword) {
    for (bool accepted : {true, false}) {
        SCOPED_TRACE(accepted ? "accepted" : "refused");
        MainWindow w;
        w.test.currentUser.passwordAccepted = accepted;
        w.test.currentUser.Calls.clear();
        if (accepted) {
            w.test.server.On("Select Description,ItemID From  STATION..tbNurseUserSettings Where Status = 'A'")
                .Returns({"Description", "ItemID"}, {{"Request Exams", "1"}});
            w.test.host.OnModal<ward::frmUserRights>([](ward::frmUserRights& screen) { screen.Hide(); });
        } else
            w.test.host.ExpectMsgBox("Invalid Password")
                .Title(forms::ProgramTitle)
                .Buttons(forms::vbCritical + forms::vbOKOnly);
        ChooseMenu(w.main.mnuUser);
        const auto calls = std::count(w.test.currentUser.Calls.begin(), w.test.currentUser.Calls.end(),
                                      std::string("checkusersettings"));
        EXPECT_EQ(calls, accepted ? 1 : 2);
        EXPECT_EQ(w.test.host.ModalShows(),
                  accepted ? std::vector<std::string>{"frmUserRights"} : std::vector<std::string>{});
    }
}

TEST(MainMenus, CF4SetsTheEntryOfTheListsPatientInOrderThenShowsItAndShowsItsError) {
    MainWindow w;
    FakeCF4& cf4 = *w.test.currentUser.classes.cf4;
    cf4.Calls.clear();
    w.test.app.CF4Object.reset(); // the class library's own object is used, not the start-up's copy
    ChooseMenu(w.main.mnuCF4);
    const std::string path = w.test.host.AppPath() + "\\Reports";
    EXPECT_EQ(cf4.Calls,
              (std::vector<std::string>{"IdNum=2026001234 ", "StationID=SIC",
                                        "Title=PhilHealth CF4 Entries  - DELA CRUZ, JUAN PEREZ ( 2026001234  )",
                                        "ShowPrint=False", "HospitalName=" + std::string(fixture::HospitalName),
                                        "HospitalAddress=" + std::string(fixture::HospitalAddress),
                                        "ReportPath=" + path, "EmployeeCode=N0001", "ShowEntry"}));

    cf4.showEntryError = "The CF4 tables cannot be read.";
    w.test.host.ExpectMsgBox("The CF4 tables cannot be read.\n\nPlease notify your IT department.")
        .Title("Notification");
    ChooseMenu(w.main.mnuCF4);
    EXPECT_TRUE(w.main.IsLoaded());
}

TEST(MainMenus, ReceivableUpdateNeedsRight13AndHoldsThePatientItemsUntilTheListIsUsedAgain) {
    {
        MainWindow w("|1|");
        w.test.host.ExpectMsgBox("Sorry you don't have access right for Receivable Entry.")
            .Title("Message")
            .Buttons(forms::vbInformation + forms::vbOKOnly);
        ChooseMenu(w.main.mnuRecvbles);
        EXPECT_FALSE(w.test.app.Forms.IsLoaded<ward::frmRecievable>());
        EXPECT_TRUE(w.main.mnuInfo.Enabled());
    }
    MainWindow w("|13|");
    w.test.server.On(fixture::PatientListQuery()).Returns(fixture::PatientListColumns(), {fixture::InPatientListRow()});
    fixture::DeclareChargingCodes(w.test.server);
    ChooseMenu(w.main.mnuRecvbles);
    ASSERT_TRUE(w.test.app.Forms.IsLoaded<ward::frmRecievable>());
    ward::frmRecievable& window = w.test.app.Forms.Instance<ward::frmRecievable>();
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(window.MDIChild());
    EXPECT_EQ(window.Caption(), "Recievable Update");
    EXPECT_THAT(w.test.host.ModalShows(), testing::IsEmpty());
    for (forms::Menu* item : {&w.main.mnuInfo, &w.main.mnuLedger, &w.main.mnuRS})
        EXPECT_FALSE(item->Enabled()) << item->Name();

    ChooseMenu(w.main.mnuOpen);
    ward::frmSearch& list = w.test.app.Forms.Instance<ward::frmSearch>();
    for (forms::Menu* item : {&w.main.mnuInfo, &w.main.mnuLedger, &w.main.mnuRS})
        EXPECT_FALSE(item->Enabled()) << item->Name() << " stays disabled until a row is clicked";
    w.test.server.On("STATION..sp_Nurse_Check_Maintained_Room '2026001234'").Returns({"IDNum"}, {});
    ClickCell(list.mshflexList, 1, 3);
    for (forms::Menu* item : {&w.main.mnuInfo, &w.main.mnuLedger, &w.main.mnuRS})
        EXPECT_TRUE(item->Enabled()) << item->Name();
}

TEST(MainMenus, TheOtherWindowsOpenModallyAndFluidBalanceDoesNothing) {
    struct Case {
        forms::Menu ward::mdiOrMenu::*item;
        std::string window;
        std::string caption;
    };
    const Case cases[] = {
        {&ward::mdiOrMenu::mnuInfo, "frmInfo", ""},
        {&ward::mdiOrMenu::mnuChange, "frmMaintainedRoom", "Change Maintained Room"},
        {&ward::mdiOrMenu::mnuCancel, "frmCancelMaintainedRoom", "Revoke Maintained Room"},
        {&ward::mdiOrMenu::mnuFluidIO, "", ""},
    };
    for (const Case& c : cases) {
        MainWindow w;
        SCOPED_TRACE((w.main.*c.item).Name());
        EXPECT_TRUE((w.main.*c.item).Visible());
        auto close = [&](forms::Form& window) {
            if (!c.caption.empty()) {
                EXPECT_EQ(window.Caption(), c.caption);
            }
            window.Hide();
        };
        if (c.window == "frmInfo")
            w.test.host.OnModal<ward::frmInfo>(close);
        else if (c.window == "frmMaintainedRoom")
            w.test.host.OnModal<ward::frmMaintainedRoom>(close);
        else if (c.window == "frmCancelMaintainedRoom")
            w.test.host.OnModal<ward::frmCancelMaintainedRoom>(close);
        ChooseMenu(w.main.*c.item);
        EXPECT_EQ(w.test.host.ModalShows(),
                  c.window.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.window});
        EXPECT_THAT(w.test.host.ModelessShows(), testing::Not(testing::Contains(testing::StartsWith("frm"))));
    }
}

TEST(MainMenus, AssessmentEntryStaysHiddenAndDisabled) {
    MainWindow w;
    EXPECT_FALSE(w.main.mnuAssessment.Visible());
    EXPECT_FALSE(w.main.mnuAssessment.Enabled());
}

TEST(MainMenus, TheWindowListOffersTheOpenChildWindowsAndBringsTheChosenOneForward) {
    MainWindow w("|13|");
    w.test.server.On(fixture::PatientListQuery()).Returns(fixture::PatientListColumns(), {fixture::InPatientListRow()});
    fixture::DeclareChargingCodes(w.test.server);
    EXPECT_THAT(w.main.mnuWindow.ListedWindows(), testing::IsEmpty());
    ChooseMenu(w.main.mnuOpen);
    ChooseMenu(w.main.mnuRecvbles);
    ward::frmSearch& list = w.test.app.Forms.Instance<ward::frmSearch>();
    ward::frmRecievable& receivable = w.test.app.Forms.Instance<ward::frmRecievable>();
    EXPECT_EQ(w.main.mnuWindow.ListedWindows(), (std::vector<forms::Form*>{&list, &receivable}));
    ASSERT_EQ(w.test.app.Forms.ActiveForm(), &receivable);
    ChooseWindow(w.main.mnuWindow, list);
    EXPECT_EQ(w.test.app.Forms.ActiveForm(), &list);
    receivable.Unload();
    EXPECT_EQ(w.main.mnuWindow.ListedWindows(), std::vector<forms::Form*>{&list});
}

} // namespace
