#include "shell/StartupWorld.h"

#include "discharge/frmProcessNotification.h"
#include "platform/vb/Conversions.h"
#include "shell/frmSearch.h"
#include "shell/frmSplash.h"

#include <gtest/gtest.h>

namespace {

using shelltest::CreatedInOrder;
using shelltest::StartupWorld;
using testkit::FakeCodeSearch;
using testkit::FakeDrugList;
using testkit::Row;

// Every component the start-up creates, in its order, when the drug list is by brand.
const std::vector<std::string> AllCreations = {"Zentari_User.clsCurrentuser",
                                               "Yarrowin.clsListDrugs",
                                               "Ulvexa.clsPatientSearch",
                                               "Tembloc.clsDrug",
                                               "Yarrowin.clsListDrugs#2",
                                               "Ostenay.Labresultviewer",
                                               "Kappoch.KeyPress",
                                               "Bramwit.clsCodeSearch",
                                               "Kappoch.KeyPress#2",
                                               "Gorvath.ICDCodeSearch",
                                               "Virselto.clsRequest",
                                               "Virselto.clsResults",
                                               "Mibrault.clsChargeSlip",
                                               "Tondrel.clsIssuedMedicines",
                                               "Virselto.clsConfinementResults",
                                               "Virselto.clsConfinement",
                                               "Quosset.Patient"};

std::vector<Row> NurseSetupWithout(const std::string& field) {
    std::vector<Row> rows;
    for (const Row& row : testkit::ward_fixture::NurseSetupRows())
        if (vb::CStr(row[0]) != field)
            rows.push_back(row);
    return rows;
}

TEST(StartUp, SignsInSetsUpTheStationAndCreatesTheComponentsInOrder) {
    StartupWorld world;
    ward::mdiOrMenu& main = world.Start();

    EXPECT_TRUE(world.server.SentExactly(StartupWorld::StartupStatements()));
    EXPECT_EQ(CreatedInOrder(world.log), AllCreations);
    EXPECT_EQ(world.Login().Calls, (std::vector<std::string>{"PasswordDeptCode=ZODE", "ShowMain"}));
    EXPECT_EQ(world.Login().hwndParentForm, main.hWnd());
    EXPECT_EQ(main.Caption(), "Tessun Zentari - ZODESURGICAL INTENSIVE CARE UNIT");
    EXPECT_EQ(world.app.StationName, "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT");
    EXPECT_EQ(world.app.StationID, "SIC");
    EXPECT_TRUE(world.app.UnitPriceInEntry);
    EXPECT_TRUE(world.app.ObjectsCreated);
    EXPECT_TRUE(world.app.AllowReportPrint);
    EXPECT_EQ(world.app.HospitalName, testkit::ward_fixture::HospitalName);

    EXPECT_EQ(main.StbEr.Panels(1).Text(), "USER'S INITIAL ");
    EXPECT_EQ(main.StbEr.Panels(2).Text(), "MRS");
    EXPECT_EQ(main.StbEr.Panels(3).Text(), "SANTOS, MARIA");
    EXPECT_EQ(main.StbEr.Panels(7).ToolTipText(), "Friday, December 11, 2026");
    EXPECT_EQ(main.StbEr.Panels(8).Text(), "Server Name : HOSPSRV01");

    EXPECT_EQ(world.server.CommandTimeout(), 120);
    EXPECT_EQ(world.server.CursorLocation(), db::CursorLocation::Client);
    auto& icd = dynamic_cast<testkit::FakeICDSearch&>(*world.app.ICDSearch);
    EXPECT_EQ(icd.connection, &world.server);
    auto& codeSearch = dynamic_cast<FakeCodeSearch&>(*world.app.CodeSearch);
    EXPECT_EQ(codeSearch.Calls, (std::vector<std::string>{"MTS_Server=MTS01", "SearchMode=True", "Initialize_Classes",
                                                          "Connection", "CompanyName=TESSUN GENERAL HOSPITAL"}));
    EXPECT_EQ(dynamic_cast<FakeDrugList&>(*world.app.DrugListObject2).DrugsOrCSR, false);
    EXPECT_EQ(world.Login().classes.Calls, (std::vector<std::string>{"UseClasses=True", "initwithdb"}));
    EXPECT_EQ(world.app.CF4Object, world.Login().classes.cf4);
    EXPECT_TRUE(main.mnuCF4.Visible());
    EXPECT_TRUE(main.mnuFluidIO.Visible());

    EXPECT_FALSE(world.app.AgentLoaded);
    EXPECT_TRUE(world.host.IsRunning(main.Timer1));
    EXPECT_TRUE(world.host.IsRunning(main.tmrRoomTransfer));
    EXPECT_TRUE(world.host.IsRunning(main.tmrButton));
    EXPECT_FALSE(world.host.IsRunning(main.tmrChkDischarge));
    EXPECT_EQ(main.cmdRoomTransferNotification.Picture(), main.ImageList1.ListImage(3));
}

TEST(StartUp, ASecondCopyIsRefusedBeforeAnythingIsCreated) {
    StartupWorld world;
    world.host.SetPrevInstance(true);
    world.host.ExpectMsgBox("Program is already loaded.")
        .Title("Notification")
        .Buttons(forms::vbOKOnly + forms::vbCritical);
    ward::mdiOrMenu& main = world.Start();
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_TRUE(world.log.empty());
    EXPECT_TRUE(world.server.Sent().empty());
}

TEST(StartUp, ALogInClosedWithoutConnectionEndsAfterMakingOnlyTheLogInComponent) {
    StartupWorld world;
    world.loginSucceeds = false;
    world.host.ExpectMsgBox("Connection Failed.").Title("Notification").Buttons(forms::vbOKOnly + forms::vbCritical);
    ward::mdiOrMenu& main = world.Start();
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_EQ(world.log,
              (std::vector<std::string>{"create Zentari_User.clsCurrentuser", "release Zentari_User.clsCurrentuser"}));
    EXPECT_TRUE(world.server.Sent().empty());
    EXPECT_FALSE(world.app.ObjectsCreated);
    EXPECT_FALSE(world.host.IsRunning(main.tmrRoomTransfer));
}

TEST(StartUp, AComponentThatCannotBeCreatedEndsTheProgramAtOnce) {
    for (std::size_t failing : {std::size_t{0}, std::size_t{7}, AllCreations.size() - 1}) {
        SCOPED_TRACE(AllCreations[failing]);
        StartupWorld world;
        world.failingCreation = AllCreations[failing];
        world.host.ExpectMsgBox("Cannot create object " + AllCreations[failing] + ". Register this DLL.")
            .Title("Notification")
            .Buttons(forms::vbOKOnly + forms::vbInformation);
        world.Start();
        EXPECT_TRUE(world.host.Ended());
        std::vector<std::string> before(AllCreations.begin(), AllCreations.begin() + static_cast<long>(failing));
        EXPECT_EQ(world.log.size(), before.size()) << "nothing is released one by one";
        EXPECT_EQ(CreatedInOrder(world.log), before);
        EXPECT_FALSE(world.host.IsRunning(world.Main().Timer1));
    }
}

TEST(StartUp, TheOffersOfTheConnectionStopAtTheFirstRefusal) {
    struct Case {
        std::string refusing;
        bool byGeneric;
        std::vector<std::string> offered; // the components asked, in order
        bool drugsOrCSRSet;
    };
    const std::vector<std::string> firstSix = {"PatientSearch", "DrugObject",       "DrugListObject",
                                               "PatientObject", "IssuedMedsObject", "ChargeSlipObject"};
    auto firstOffers = [&](std::size_t count) {
        return std::vector<std::string>(firstSix.begin(), firstSix.begin() + static_cast<long>(count));
    };
    std::vector<std::string> withGeneric = firstSix;
    withGeneric.push_back("DrugListObject2");
    const Case cases[] = {
        {"", false, firstSix, true},
        {"", true, withGeneric, true},
        {"Ulvexa.clsPatientSearch", false, firstOffers(1), false},
        {"Tembloc.clsDrug", false, firstOffers(2), false},
        {"Yarrowin.clsListDrugs", false, firstOffers(3), false},
        {"Quosset.Patient", false, firstOffers(4), false},
        {"Tondrel.clsIssuedMedicines", false, firstOffers(5), false},
        {"Mibrault.clsChargeSlip", false, firstSix, false},
        {"Yarrowin.clsListDrugs#2", true, withGeneric, false},
        {"Yarrowin.clsListDrugs#2", false, firstSix, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusing + (c.byGeneric ? " by generic" : ""));
        StartupWorld world;
        world.byGeneric = c.byGeneric;
        if (c.byGeneric && c.refusing == "Yarrowin.clsListDrugs#2")
            world.refusingOffers = {"Yarrowin.clsListDrugs"}; // the only instance of it is the second list
        else if (!c.refusing.empty())
            world.refusingOffers = {c.refusing};
        ward::mdiOrMenu& main = world.Start();
        ward::App& app = world.app;
        std::vector<std::string> offered;
        auto asked = [&](const std::string& name, const testkit::CallLog& fake) {
            for (const std::string& call : fake.Calls)
                if (call.rfind("InitConnect", 0) == 0)
                    offered.push_back(name);
        };
        asked("PatientSearch", dynamic_cast<testkit::FakePatientSearch&>(*app.PatientSearch));
        asked("DrugObject", dynamic_cast<testkit::FakeDrug&>(*app.DrugObject));
        asked("DrugListObject", dynamic_cast<FakeDrugList&>(*app.DrugListObject));
        asked("PatientObject", dynamic_cast<testkit::FakePatientInfo&>(*app.PatientObject));
        asked("IssuedMedsObject", dynamic_cast<testkit::FakeIssuedItems&>(*app.IssuedMedsObject));
        asked("ChargeSlipObject", dynamic_cast<testkit::FakeChargeSlipList&>(*app.ChargeSlipObject));
        asked("DrugListObject2", dynamic_cast<FakeDrugList&>(*app.DrugListObject2));
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(dynamic_cast<FakeDrugList&>(*app.DrugListObject2).DrugsOrCSR.has_value(), c.drugsOrCSRSet);
        EXPECT_TRUE(world.host.IsRunning(main.Timer1));
    }
}

TEST(StartUp, TheServerPanelNamesTheServerOrWhichOneItIs) {
    struct Case {
        const char* name;
        std::vector<Row> parameters;
        const char* panel;
    };
    auto with = [](std::vector<Row> extra) {
        std::vector<Row> rows = testkit::ward_fixture::NurseSetupRows();
        rows.insert(rows.end(), extra.begin(), extra.end());
        return rows;
    };
    const Case cases[] = {
        {"shown", with({{"LiveServerIP", "HOSPSRV01"}}), "Server Name : HOSPSRV01"},
        {"live", with({{"HideServerIP", "1"}, {"LiveServerIP", "HOSPSRV01"}, {"TestServerIP", "TESTSRV"}}),
         "Server Name : LIVE SERVER"},
        {"test", with({{"HideServerIP", "1"}, {"LiveServerIP", "LIVESRV"}, {"TestServerIP", "HOSPSRV01"}}),
         "Server Name : TEST SERVER"},
        {"unknown", with({{"HideServerIP", "1"}, {"LiveServerIP", "LIVESRV"}, {"TestServerIP", "TESTSRV"}}),
         "Server Name : UNKNOWN SERVER"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupWorld world;
        world.nurseSetup = c.parameters;
        EXPECT_EQ(world.Start().StbEr.Panels(8).Text(), c.panel);
    }
}

TEST(StartUp, WithoutCF4AndFluidIOTheirMenusStayHiddenAndCF4IsNotTouched) {
    StartupWorld world;
    std::vector<Row> rows;
    for (const Row& row : NurseSetupWithout("ZODEShowCF4"))
        if (vb::CStr(row[0]) != "ZODEShowFluidIO")
            rows.push_back(row);
    world.nurseSetup = rows;
    ward::mdiOrMenu& main = world.Start();
    EXPECT_FALSE(main.mnuCF4.Visible());
    EXPECT_FALSE(main.mnuFluidIO.Visible());
    EXPECT_EQ(world.app.CF4Object, nullptr);
}

TEST(StartUp, WithoutAStationRowTheTitleIsThePrefixAlone) {
    StartupWorld world;
    world.stationRow = false;
    EXPECT_EQ(world.Start().Caption(), "Tessun Zentari - ZODE");
    EXPECT_EQ(world.app.StationName, "Tessun Zentari -  SURGICAL INTENSIVE CARE UNIT");
}

TEST(StartUp, AnErrorAfterTheLogInIsShownAndTheWindowShutsDownWhole) {
    StartupWorld world;
    world.server.On("select GETDATE() AS Tdate").Fails("Communication link failure", 11);
    world.host.ExpectMsgBox("Communication link failure\n\nPlease notify your IT department.").Title("Notification");
    // The failing answer was declared first, so the start-up meets it.
    ward::mdiOrMenu& main = world.Start();
    EXPECT_FALSE(main.IsLoaded());
    EXPECT_FALSE(world.host.IsRunning(main.Timer1));
    EXPECT_EQ(world.app.CurrentUser, nullptr);
    EXPECT_EQ(CreatedInOrder(world.log), std::vector<std::string>{"Zentari_User.clsCurrentuser"});
}

TEST(StartUp, TheTimerTickStartsThePollsShowsTheSplashAndThePatientListAndLoadsTheAnnouncer) {
    StartupWorld world;
    ward::mdiOrMenu& main = world.StartAndTick();
    EXPECT_FALSE(world.host.IsRunning(main.Timer1));
    EXPECT_TRUE(world.host.IsRunning(main.tmrChkDischarge));
    EXPECT_TRUE(world.host.IsRunning(main.tmrChkClaimSlip));
    EXPECT_TRUE(world.host.IsRunning(main.tmrDCRInstructions));
    EXPECT_EQ(world.host.ModalShows(), std::vector<std::string>{"frmSplash"});
    EXPECT_EQ(world.host.ModelessShows().back(), "frmSearch");
    EXPECT_FALSE(world.app.Forms.IsLoaded<ward::frmSplash>());
    EXPECT_EQ(world.app.Forms.Get<ward::frmSearch>().Caption(), "Patient List");
    EXPECT_TRUE(world.app.AgentLoaded);
    EXPECT_EQ(world.announcer.Calls(), std::vector<std::string>{"Load genie .\\genie.acs"});
}

TEST(StartUp, TheSplashClosesItselfOnItsFirstTick) {
    StartupWorld world;
    ward::frmSplash& splash = world.app.Forms.Get<ward::frmSplash>();
    EXPECT_TRUE(world.host.IsRunning(splash.Timer1));
    EXPECT_EQ(splash.Timer1.Interval(), 1000);
    world.host.FireTimer(splash.Timer1);
    EXPECT_FALSE(splash.IsLoaded());
}

TEST(StartUp, ActivationShowsTheNextChargeSlipNumberOrKeepsTheLastOne) {
    const char* counter = "Select * from STATION..tbSCNChargeSlip";
    StartupWorld world;
    world.server.On(counter).Returns({"ChargeSlip"}, {{"  0012345 "}});
    world.server.On(counter).Returns({"ChargeSlip"}, {});
    ward::mdiOrMenu& main = world.Start();
    std::size_t mark = world.server.Mark();
    world.app.Forms.SetActiveForm(main);
    EXPECT_EQ(main.lblCS(1).Caption(), "0012345");
    EXPECT_EQ(main.Picture2.Left(), main.Width() - main.Picture2.Width());
    world.app.Forms.SetActiveForm(world.app.Forms.Get<ward::frmSplash>());
    world.app.Forms.SetActiveForm(main);
    EXPECT_EQ(main.lblCS(1).Caption(), "0012345") << "an empty counter leaves the number shown";
    EXPECT_EQ(world.server.Statements(mark), (std::vector<std::string>{counter, counter}));
}

TEST(StartUp, ADisplayChangeFitsTheActiveWindowIntoTheWorkArea) {
    struct Case {
        const char* name;
        forms::WorkArea area;
        forms::Rect expected; // left, top, width, height of the active window afterwards
    };
    // The active window stands at (300, 200) and is 9000 by 6000 twips.
    const Case cases[] = {
        {"larger", {0, 0, 18000, 12000}, {300, 200, 9000, 6000}},
        {"narrower", {150, 0, 8000, 12000}, {150, 200, 8000, 6000}},
        {"lower", {0, 450, 18000, 5000}, {300, 450, 9000, 5000}},
        {"both", {15, 30, 6000, 4000}, {15, 30, 6000, 4000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupWorld world;
        world.Start();
        ward::frmSearch& list = world.app.Forms.Get<ward::frmSearch>();
        list.Move(300, 200, 9000, 6000);
        world.app.Forms.SetActiveForm(list);
        world.host.ChangeDisplay(c.area);
        EXPECT_EQ(list.Left(), c.expected.Left);
        EXPECT_EQ(list.Top(), c.expected.Top);
        EXPECT_EQ(list.Width(), c.expected.Width);
        EXPECT_EQ(list.Height(), c.expected.Height);
    }
}

TEST(StartUp, TheShutdownReleasesTheComponentsInItsOrderThenTheWindowsThenTheAnnouncer) {
    StartupWorld world;
    ward::mdiOrMenu& main = world.StartAndTick();
    world.log.clear();
    main.Unload();
    EXPECT_EQ(world.log, (std::vector<std::string>{
                             "terminate Virselto.clsResults",
                             "release Virselto.clsResults",
                             "terminate Virselto.clsRequest",
                             "release Virselto.clsRequest",
                             "terminate Virselto.clsConfinement",
                             "release Virselto.clsConfinement",
                             "terminate Virselto.clsConfinementResults",
                             "release Virselto.clsConfinementResults",
                             "release Ulvexa.clsPatientSearch",
                             "release Tembloc.clsDrug",
                             "release Yarrowin.clsListDrugs",
                             "release Yarrowin.clsListDrugs#2",
                             "release Kappoch.KeyPress#2",
                             "release Kappoch.KeyPress",
                             "release Zentari_User.clsCurrentuser",
                             "release Bramwit.clsCodeSearch",
                             "release Ostenay.Labresultviewer",
                             "release Gorvath.ICDCodeSearch",
                         }));
    EXPECT_EQ(world.app.CF4Object, nullptr);
    EXPECT_NE(world.app.ChargeSlipObject, nullptr);
    EXPECT_NE(world.app.IssuedMedsObject, nullptr);
    EXPECT_NE(world.app.PatientObject, nullptr);
    EXPECT_FALSE(world.app.Forms.IsLoaded<ward::frmSearch>());
    EXPECT_EQ(world.announcer.Calls().back(), "Unload Genie");
    EXPECT_FALSE(world.app.AgentLoaded);
}

} // namespace
