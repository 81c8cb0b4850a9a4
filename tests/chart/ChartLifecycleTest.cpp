#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "discharge/frmDischargeMenu.h"
#include "discharge/frmHBPS.h"
#include "platform/vb/DateSerialNumber.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureORSchedule.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string RightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";

// The chart of the fixture's in-patient, opened by a nurse holding exactly these rights.
struct OpenedChart {
    TestApp test;
    ward::frmFinal& chart;

    explicit OpenedChart(const std::string& rights = "|1|2|3|4|5|6|7|8|9|10|12|15|20|22",
                         const fixture::SettingChanges& settings = {})
        : chart(Open(test, settings)) {
        test.server.On(RightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{"N0001", rights}});
        fixture::DeclareORSchedule(test.server, "12/11/2026 ");
    }

    static ward::frmFinal& Open(TestApp& test, const fixture::SettingChanges& settings) {
        fixture::AddPeople(test);
        test.app.ServerDate = vb::MakeDate({2026, 12, 11, 14, 5, 33});
        return fixture::OpenChart(test, fixture::InPatientIdNum, fixture::InPatientHospNum, settings);
    }

    void Refused(const std::string& message) {
        test.host.ExpectMsgBox(message).Title("Message").Buttons(forms::vbInformation + forms::vbOKOnly);
    }
};

TEST(ChartLoad, SwitchesOffTheLastResultPagesAndStartsTheHeaderTimer) {
    OpenedChart c;
    for (int page = 0; page < 9; ++page)
        EXPECT_EQ(c.chart.tabSSTab2.TabEnabled(page), page < 5) << "results page " << page;
    EXPECT_EQ(c.chart.MonthView1.Value(), c.test.app.ServerDate);
    EXPECT_TRUE(c.test.host.IsRunning(c.chart.Timer1));
    EXPECT_EQ(c.chart.Caption(), "Clinical Procedure");
    EXPECT_TRUE(c.chart.KeyPreview());
}

TEST(ChartLoad, ShowsTheViewButtonsOfTheResultsOnlyWhenNursesPrint) {
    for (bool nursePrint : {true, false}) {
        OpenedChart c("|10|", {{"IsNursePrint", nursePrint}});
        for (auto* buttons : {&c.chart.cmdResultX, &c.chart.cmdResultU, &c.chart.cmdCTExit})
            EXPECT_EQ((*buttons)(2).Visible(), nursePrint) << (*buttons)(2).DisplayName();
    }
}

TEST(ChartLoad, NamesTheAdmissionsPackageInTheCaption) {
    TestApp test;
    fixture::DeclareChartSetUp(test.server);
    test.server.On(fixture::AdmissionPackageQuery(fixture::InPatientIdNum)).Returns({"Package"}, {{"SURGICAL B "}});
    test.app.CurIdNum = fixture::InPatientIdNum;
    EXPECT_EQ(fixture::LoadChart(test).Caption(), "Package Type : SURGICAL B ");
}

TEST(ChartTimer, LoadsTheHeaderOnceAtEachStartAndReturnsTheResultsToXray) {
    OpenedChart c;
    c.chart.tabSSTab2.SetTab(3);
    c.test.host.FireTimer(c.chart.Timer1);
    EXPECT_FALSE(c.test.host.IsRunning(c.chart.Timer1)) << "one tick per start";
    EXPECT_EQ(c.chart.tabSSTab2.Tab(), 0);

    PressKey(c.chart, forms::vbKeyF5);
    EXPECT_TRUE(c.test.host.IsRunning(c.chart.Timer1)) << "F5 reloads the header at the next tick";
}

struct PageCase {
    int page;
    std::string rights;
    int shownPage;
    std::string refusal;
};

TEST(ChartPages, AskTheirRightsAndGoBackToTheFirstPageWhenRefused) {
    const std::vector<PageCase> cases = {
        {2, "|1|", 0, "Sorry you don't have access right to View Results."},
        {2, "|10|", 2, ""},
        {5, "|10|", 0, "Sorry you don't have access right to Update Patient Profile."},
        {5, "|11|", 5, ""},
        {7, "|10|", 0, "Sorry you don't have access right to Schedule Operation."},
        {7, "|12|", 7, ""},
        {3, "", 3, ""},
        {4, "", 4, ""},
        {6, "", 6, ""},
        {1, "", 1, ""},
    };
    for (const PageCase& p : cases) {
        OpenedChart c(p.rights);
        const std::string name = "page " + std::to_string(p.page) + " with " + p.rights;
        if (p.page == 4) {
            // The notes page dates a new note from the admission the header shows.
            fixture::DeclareNotes(c.test.server, fixture::InPatientIdNum);
            c.test.host.FireTimer(c.chart.Timer1);
        }
        if (p.page == 5)
            fixture::DeclareProfile(c.test.server, fixture::InPatientIdNum, fixture::InPatientHospNum,
                                    fixture::InPatientProfile());
        if (!p.refusal.empty())
            c.Refused(p.refusal);
        ChooseTab(c.chart.tabSSTab1, p.page);
        EXPECT_EQ(c.chart.tabSSTab1.Tab(), p.shownPage) << name;
    }
}

TEST(ChartPages, ClearAPagesFlagOnlyWhenItsPageWasLoaded) {
    struct FlagCase {
        int page;
        std::string rights;
        bool ward::App::*flag;
        std::string refusal; // empty when the page loads
    };
    const std::string results = "Sorry you don't have access right to View Results.";
    const std::string schedule = "Sorry you don't have access right to Schedule Operation.";
    const std::vector<FlagCase> cases = {
        {2, "|10|", &ward::App::ReloadXrayResults, ""}, {2, "|1|", &ward::App::ReloadXrayResults, results},
        {3, "", &ward::App::ReloadVitalSigns, ""},      {6, "", &ward::App::ReloadClinicalSummary, ""},
        {7, "|12|", &ward::App::ReloadORSchedule, ""},  {7, "|10|", &ward::App::ReloadORSchedule, schedule},
    };
    for (const FlagCase& f : cases) {
        OpenedChart c(f.rights);
        c.test.app.*f.flag = true;
        const bool cleared = f.refusal.empty();
        if (!cleared)
            c.Refused(f.refusal);
        ChooseTab(c.chart.tabSSTab1, f.page);
        EXPECT_EQ(c.test.app.*f.flag, !cleared) << "page " << f.page << " with " << f.rights;
    }
}

TEST(ChartPages, OfferPrintingOfResultsByTheirOwnRight) {
    for (const auto& [rights, allowed] :
         std::vector<std::pair<std::string, bool>>{{"|10|", false}, {"|10|16|", true}}) {
        OpenedChart c(rights);
        c.test.app.AllowReportPrint = !allowed;
        ChooseTab(c.chart.tabSSTab1, 2);
        EXPECT_EQ(c.test.app.AllowReportPrint, allowed) << rights;
    }
}

struct KeyRightCase {
    int key;
    std::string rights;
    std::string refusal;
};

TEST(ChartKeys, AskTheRightOfTheActionBarButtonTheyStandFor) {
    const std::vector<KeyRightCase> cases = {
        {forms::vbKeyF6, "|2|", "Sorry you don't have access right to Request Medicines."},
        {forms::vbKeyF7, "|2|", "Sorry you don't have access right to Request Central Supplies."},
        {forms::vbKeyF8, "|1|6|", "Sorry you don't have access right to Discharge and Transfer Room of Patient."},
        {forms::vbKeyF9, "|1|4|5|", "Sorry you don't have access right to Send Clearance/Discharge Order."},
    };
    for (const KeyRightCase& k : cases) {
        OpenedChart c(k.rights);
        c.Refused(k.refusal);
        PressKey(c.chart, k.key);
        EXPECT_THAT(c.test.host.ModalShows(), testing::IsEmpty()) << k.refusal;
    }
}

TEST(ChartKeys, F8GivesTheDischargeWindowTheChartsAdmissionDateAndTime) {
    for (const char* rights : {"|4|", "|5|"}) {
        OpenedChart c(rights);
        std::string date, time;
        c.test.host.OnModal<ward::frmDischargeMenu>([&](ward::frmDischargeMenu& menu) {
            date = menu.txtADMDate.Text();
            time = menu.txtADMTime.Text();
            EXPECT_TRUE(CloseWindow(menu));
        });
        c.test.patientSearch.admission.AdmissionDate = vb::MakeDate({2020, 1, 1}); // a patient validated elsewhere
        PressKey(c.chart, forms::vbKeyF8);
        EXPECT_EQ(date, "12/07/2026") << rights;
        EXPECT_EQ(time, "09:30:00 AM") << rights;
    }
}

TEST(ChartKeys, F8WithAnAdmissionThePatientSearchCannotFindOpensNothing) {
    OpenedChart c;
    c.chart.txtId.SetText("2026999999");
    c.test.host.ExpectMsgBox("No records found.").Title("Notification").Buttons(forms::vbInformation + forms::vbOKOnly);
    PressKey(c.chart, forms::vbKeyF8);
    EXPECT_THAT(c.test.host.ModalShows(), testing::IsEmpty());
}

TEST(ChartKeys, F9ShowsTheDischargeOrderAndF10ValidatesTheIcdCode) {
    OpenedChart c;
    c.test.host.OnModal<ward::frmHBPS>([](ward::frmHBPS& order) { EXPECT_TRUE(CloseWindow(order)); });
    PressKey(c.chart, forms::vbKeyF9);
    EXPECT_EQ(c.test.host.ModalShows(), (std::vector<std::string>{"frmHBPS"}));
    PressKey(c.chart, forms::vbKeyF10);
    EXPECT_EQ(c.test.icdSearch.Calls, (std::vector<std::string>{"ValidateICDCode"}));
}

TEST(ChartKeys, ShowAnErrorOfTheirActionOnceAndLeaveTheChartWorking) {
    OpenedChart c("|19|");
    c.test.reportEngine.FailNextOpen("The report file could not be opened.");
    c.test.host.ExpectMsgBox("The report file could not be opened.\n\nPlease notify your IT department.")
        .Title("Notification");
    PressKey(c.chart, forms::vbKeyF11);
    EXPECT_EQ(c.test.host.MessageBoxes().size(), 1u);
    EXPECT_TRUE(c.test.app.AllowReportPrint) << "printing is given back also when the statement failed";
    EXPECT_TRUE(c.chart.IsLoaded());
}

TEST(ChartKeys, DropTheApostropheWhileOtherKeysStillEdit) {
    OpenedChart c;
    forms::TextBox& box = c.chart.txtPatient;
    box.SetLocked(false);
    Focus(box);
    Type(box, "O'NEIL");
    EXPECT_EQ(box.Text(), "ONEIL");
    PressKey(box, forms::vbKeyHome);
    PressKey(box, forms::vbKeyDelete);
    PressKey(box, forms::vbKeyRight);
    PressKey(box, forms::vbKeyDelete);
    EXPECT_EQ(box.Text(), "NIL");
}

TEST(ChartUnload, UnloadsSixPickersAndKeepsTheNeurologyPicker) {
    OpenedChart c;
    ASSERT_TRUE(c.chart.Unload());
    EXPECT_FALSE(c.test.app.Forms.IsLoaded<ward::frmPTFile>());
    EXPECT_FALSE(c.test.app.Forms.IsLoaded<ward::frmCTfile>());
    EXPECT_FALSE(c.test.app.Forms.IsLoaded<ward::frmRTfile>());
    EXPECT_FALSE(c.test.app.Forms.IsLoaded<ward::frmAudio>());
    EXPECT_FALSE(c.test.app.Forms.IsLoaded<ward::frmHeart>());
    EXPECT_FALSE(c.test.app.Forms.IsLoaded<ward::frmNuclear>());
    EXPECT_TRUE(c.test.app.Forms.IsLoaded<ward::frmNeuRoExams>());
}

} // namespace
