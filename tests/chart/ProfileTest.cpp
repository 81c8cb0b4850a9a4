#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureSignIn.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using CheckBoxes = forms::ControlArray<forms::CheckBox>;

namespace {

const std::string RightsQuery = "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N0001'";
const std::string ServerDateQuery = "select GETDATE() AS Tdate";

// The chart as the patient list opens it, its header not loaded yet, for a nurse who may update profiles.
struct ProfileChart {
    TestApp test;
    ward::frmFinal& chart;

    explicit ProfileChart(const std::string& idNum = fixture::InPatientIdNum,
                          const std::string& hospNum = fixture::InPatientHospNum,
                          const fixture::ProfileRows& rows = fixture::InPatientProfile())
        : chart(Open(test, idNum, hospNum)) {
        test.server.On(RightsQuery).Returns({"EmployeeID", "EmployeeRights"}, {{"N0001", "|11|"}});
        test.server.On(ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 2, 15, 20, 5, 9})}});
        fixture::DeclareProfile(test.server, idNum, hospNum, rows);
    }

    static ward::frmFinal& Open(TestApp& test, const std::string& idNum, const std::string& hospNum) {
        fixture::AddPeople(test);
        return fixture::OpenChart(test, idNum, hospNum);
    }

    void OpenProfile() { ChooseTab(chart.tabSSTab1, 5); }

    // The acting nurse signs in without a word to the server.
    void NurseSignsIn() {
        test.host.OnModal<ward::frmTransaction_UserValidation>([this](ward::frmTransaction_UserValidation& dialog) {
            test.app.ValidatedUserID = fixture::ActingNurseCode;
            dialog.Unload();
        });
    }
    void NurseGivesUp() {
        test.host.OnModal<ward::frmTransaction_UserValidation>(
            [](ward::frmTransaction_UserValidation& dialog) { PressKey(dialog.txtUserID, forms::vbKeyEscape); });
    }
};

std::vector<int> Ticked(const CheckBoxes& boxes) {
    std::vector<int> ticked;
    for (int index = 0; index <= boxes.UBound(); ++index)
        if (boxes(index).Value() == forms::vbChecked)
            ticked.push_back(index);
    return ticked;
}

struct ProfileLoadCase {
    std::string name;
    std::string idNum, hospNum;
    fixture::ProfileRows rows;
    std::vector<int> allergies, past, family, social;
    std::string allergyOthers, briefHistory, skin, otherPE, familyOthers;
};

std::vector<ProfileLoadCase> LoadCases() {
    const vb::Variant Null = vb::Variant::Null();
    const std::string in = fixture::InPatientIdNum, inHosp = fixture::InPatientHospNum;
    fixture::ProfileRows odd = fixture::InPatientProfile();
    odd.allergies = {{inHosp, "F1", "F1", "X9", Null, "M2"}};
    odd.allergies[0].push_back(Null);
    odd.profile[0][2] = "19"; // PH1 to PH4
    odd.profile[0][3] = "0";
    odd.profile[0][4] = "18";
    odd.profile[0][5] = "18";
    odd.profile[0][6] = "9"; // FH1 to FH4
    odd.profile[0][7] = Null;
    odd.profile[0][8] = "8";
    odd.profile[0][10] = "4"; // PSH1 to PSH3
    odd.profile[0][11] = "3";
    odd.profile[0][14] = Null; // PEskin
    odd.profile[0][24] = Null; // Others
    fixture::ProfileRows doctorsHistoryEmpty = fixture::InPatientProfile();
    doctorsHistoryEmpty.history = {{"", "RE-EXAMINED"}};
    return {
        {"InPatient",
         in,
         inHosp,
         fixture::InPatientProfile(),
         {0, 7, 11},
         {0, 11},
         {0, 4},
         {0},
         "SEAFOOD RASH",
         "ONSET 2 DAYS AGO, VOMITING",
         "WARM, DRY",
         "McBURNEY POINT TENDERNESS",
         "MOTHER'S ASTHMA"},
        {"NoRows", in, inHosp, {}, {}, {}, {}, {}, "", "", "", "", ""},
        {"CodesOutsideTheTablesAndTwice",
         in,
         inHosp,
         odd,
         {0, 8},
         {17},
         {7},
         {2},
         "",
         "ONSET 2 DAYS AGO, VOMITING",
         "",
         "McBURNEY POINT TENDERNESS",
         ""},
        {"DoctorsHistoryWithoutBriefHistory",
         in,
         inHosp,
         doctorsHistoryEmpty,
         {0, 7, 11},
         {0, 11},
         {0, 4},
         {0},
         "SEAFOOD RASH",
         "",
         "WARM, DRY",
         "RE-EXAMINED",
         "MOTHER'S ASTHMA"},
        {"OutPatient",
         fixture::OutPatientIdNum,
         fixture::OutPatientHospNum,
         fixture::OutPatientProfile(),
         {1},
         {2},
         {},
         {},
         "",
         "CUT ON LEFT HAND",
         "LACERATION 2CM",
         "",
         ""},
    };
}

TEST(PatientProfile, LoadsTheAllergiesTheNursingProfileAndAnInPatientsHistory) {
    for (const ProfileLoadCase& c : LoadCases()) {
        SCOPED_TRACE(c.name);
        ProfileChart p(c.idNum, c.hospNum, c.rows);
        p.chart.tabPatientProfile.SetTab(1);
        const std::size_t mark = p.test.server.Mark();
        p.OpenProfile();

        std::vector<std::string> expected = {RightsQuery, fixture::AllergiesQuery(c.hospNum),
                                             fixture::NurseProfileQuery(c.hospNum, c.idNum)};
        if (c.idNum.back() != 'B')
            expected.push_back(fixture::PatientHistoryQuery(c.idNum));
        EXPECT_TRUE(p.test.server.SentExactly(expected, mark));
        EXPECT_EQ(p.chart.tabPatientProfile.Tab(), 0);
        EXPECT_EQ(Ticked(p.chart.chkAllergy), c.allergies);
        EXPECT_EQ(Ticked(p.chart.chkPH), c.past);
        EXPECT_EQ(Ticked(p.chart.chkFH), c.family);
        EXPECT_EQ(Ticked(p.chart.chkPSH), c.social);
        EXPECT_EQ(p.chart.txtAllergyOthers.Text(), c.allergyOthers);
        EXPECT_EQ(p.chart.txtBriefHistory.Text(), c.briefHistory);
        EXPECT_EQ(p.chart.txtSkin.Text(), c.skin);
        EXPECT_EQ(p.chart.txtOtherPE.Text(), c.otherPE);
        EXPECT_EQ(p.chart.txtFMOthers.Text(), c.familyOthers);
        EXPECT_TRUE(p.test.host.MessageBoxes().empty());
    }
}

TEST(PatientProfile, RefreshDiscardsWhatWasTickedAndTyped) {
    ProfileChart p;
    p.OpenProfile();
    Click(p.chart.cmdUpdate);
    Click(p.chart.chkAllergy(3));
    Type(p.chart.txtAllergyOthers, " AND DUST");
    Click(p.chart.cmdProfileRefresh);
    EXPECT_EQ(Ticked(p.chart.chkAllergy), (std::vector<int>{0, 7, 11}));
    EXPECT_EQ(p.chart.txtAllergyOthers.Text(), "SEAFOOD RASH");
}

struct TickLimitCase {
    const char* name;
    CheckBoxes ward::frmFinal::*boxes;
    int limit;
    const char* message; // empty: no limit
};

TEST(PatientProfile, TickingPastTheLimitUnticksTheClickedBoxWithAMessage) {
    const TickLimitCase cases[] = {
        {"Allergies", &ward::frmFinal::chkAllergy, 5, "Choose only Five"},
        {"PastHistory", &ward::frmFinal::chkPH, 4, "Choose only Four"},
        {"FamilyHistory", &ward::frmFinal::chkFH, 4, "Choose only Four"},
        {"SocialHistory", &ward::frmFinal::chkPSH, 3, ""},
    };
    for (const TickLimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileChart p(fixture::InPatientIdNum, fixture::InPatientHospNum, {});
        p.OpenProfile();
        CheckBoxes& boxes = p.chart.*c.boxes;
        // Ticked from the last box back, so the refused one is not the highest.
        std::vector<int> expected;
        for (int index = boxes.UBound(); index > boxes.UBound() - c.limit; --index) {
            Click(boxes(index));
            expected.insert(expected.begin(), index);
        }
        if (*c.message) {
            p.test.host.ExpectMsgBox(c.message).Buttons(forms::vbOKOnly);
            Click(boxes(0));
        }
        EXPECT_EQ(Ticked(boxes), expected);
        Click(boxes(boxes.UBound()));
        expected.pop_back();
        EXPECT_EQ(Ticked(boxes), expected) << "unticking shows nothing";
    }
}

TEST(PatientProfile, EditUnlocksTheBoxesAndTheAdmittingOnesOnlyForAnInPatient) {
    for (const std::string& idNum : {std::string(fixture::InPatientIdNum), std::string(fixture::OutPatientIdNum)}) {
        SCOPED_TRACE(idNum);
        const bool outPatient = idNum.back() == 'B';
        ProfileChart p(idNum, outPatient ? fixture::OutPatientHospNum : fixture::InPatientHospNum,
                       outPatient ? fixture::OutPatientProfile() : fixture::InPatientProfile());
        p.OpenProfile();
        EXPECT_TRUE(p.chart.txtSkin.Locked());
        EXPECT_FALSE(p.chart.cmdSaveprofile.Enabled());
        const std::size_t mark = p.test.server.Mark();
        Click(p.chart.cmdUpdate);
        for (forms::TextBox* box : {&p.chart.txtBriefHistory, &p.chart.txtSkin, &p.chart.txtLympNodes,
                                    &p.chart.txtAllergyOthers, &p.chart.txtOtherPE, &p.chart.txtFMOthers})
            EXPECT_FALSE(box->Locked()) << box->Name();
        EXPECT_EQ(p.chart.txtADMDiagnosis.Locked(), outPatient);
        EXPECT_EQ(p.chart.txtChiefComplaints.Locked(), outPatient);
        EXPECT_TRUE(p.chart.txtImpression.Locked());
        EXPECT_TRUE(p.chart.cmdSaveprofile.Enabled());
        EXPECT_EQ(p.test.server.Mark(), mark);
    }
}

TEST(PatientProfile, EnterInTheLymphNodesBoxMovesOnWithoutTyping) {
    ProfileChart p;
    p.OpenProfile();
    Click(p.chart.cmdUpdate);
    ChooseTab(p.chart.tabPatientProfile, 1);
    Type(p.chart.txtLympNodes, "X");
    PressKey(p.chart.txtLympNodes, forms::vbKeyReturn);
    EXPECT_EQ(p.chart.txtLympNodes.Text(), "NOT PALPABLEX");
    EXPECT_EQ(p.chart.ActiveControl(), &p.chart.txtGenitalia);
}

std::string AllergySave(const std::string& codes, const std::string& others = "SEAFOOD RASH") {
    return "STATION..Nurse_Save_Allergy '100234'," + codes + ",'" + others + "'";
}

const std::string InPatientProfileSave =
    "STATION..Nurse_Save_Profile '100234','2026001234','ONSET 2 DAYS AGO, VOMITING','WARM, DRY','NO MASS',"
    "'CLEAR BREATH SOUNDS','TENDER RLQ','NO EDEMA','NOT PALPABLE','NORMAL','DEFERRED','GCS 15','1','12','','','1','',"
    "'','1','5','','','02/15/2026 08:05:09 PM','N0001','MOTHER''S ASTHMA','McBURNEY POINT TENDERNESS'";

const std::string InPatientHistoryUpdate =
    "Update PATIENT_DATA..tbPatientHistory  Set ADMDiagnosis = 'APPENDICITIS' , ChiefComplaint= 'PAIN, RLQ' , "
    "BriefHistory= 'ONSET 2 DAYS AGO, VOMITING' , PhysicalExamination= 'McBURNEY POINT TENDERNESS' Where IDNum = "
    "'2026001234';";

// The in-patient's profile opened and edited: Crabs ticked and Penicillin unticked, the admitting diagnosis and
// complaint typed with blanks around them.
void EditInPatientProfile(ProfileChart& p) {
    p.OpenProfile();
    Click(p.chart.cmdUpdate);
    Click(p.chart.chkAllergy(3));
    Click(p.chart.chkAllergy(7));
    Type(p.chart.txtADMDiagnosis, "APPENDICITIS  ");
    Type(p.chart.txtChiefComplaints, " PAIN, RLQ");
    p.test.server.On(AllergySave("'F1','F4','O2','',''")).Affects(1);
    p.test.server.On(InPatientProfileSave).Affects(1);
    p.test.server.On(InPatientHistoryUpdate).Affects(1);
}

TEST(PatientProfile, SavesInOneTransactionThenTellsLocksAndReloadsTheHeader) {
    ProfileChart p;
    EditInPatientProfile(p);
    p.NurseSignsIn();
    const std::size_t mark = p.test.server.Mark();
    p.test.host.ExpectMsgBox("Patient Profile Successfully Updated.")
        .Buttons(forms::vbOKOnly + forms::vbInformation)
        .Title("Message");
    Click(p.chart.cmdSaveprofile);

    const std::vector<std::string> transcript = p.test.server.Transcript();
    const std::vector<std::string> save = {ServerDateQuery,
                                           "BEGIN TRANSACTION",
                                           "  " + AllergySave("'F1','F4','O2','',''"),
                                           "  " + InPatientProfileSave,
                                           "  " + InPatientHistoryUpdate,
                                           "COMMIT"};
    const auto begin = std::find(transcript.begin(), transcript.end(), ServerDateQuery);
    ASSERT_NE(begin, transcript.end());
    EXPECT_EQ(std::vector<std::string>(begin, begin + save.size()), save);
    EXPECT_THAT(p.test.server.Statements(mark), testing::Contains(fixture::DietQuery(fixture::InPatientIdNum)))
        << "the header reloads after the save";
    EXPECT_EQ(p.chart.txtPatient.Text(), "DELA CRUZ ,JUAN PEREZ");
    EXPECT_FALSE(p.chart.cmdSaveprofile.Enabled());
    for (forms::TextBox* box : {&p.chart.txtBriefHistory, &p.chart.txtNeurological, &p.chart.txtADMDiagnosis,
                                &p.chart.txtChiefComplaints, &p.chart.txtFMOthers})
        EXPECT_TRUE(box->Locked()) << box->Name();
    EXPECT_EQ(Ticked(p.chart.chkAllergy), (std::vector<int>{0, 3, 11}));
}

TEST(PatientProfile, AnOutPatientsSaveLeavesTheDoctorsHistoryAlone) {
    ProfileChart p(fixture::OutPatientIdNum, fixture::OutPatientHospNum, fixture::OutPatientProfile());
    p.OpenProfile();
    Click(p.chart.cmdUpdate);
    // Ticked out of index order: the codes still follow the boxes.
    for (int index : {11, 10, 0})
        Click(p.chart.chkAllergy(index));
    for (int index : {2, 0, 1})
        Click(p.chart.chkPSH(index));
    p.NurseSignsIn();
    p.test.host.ExpectMsgBox("Patient Profile Successfully Updated.");
    const std::string allergies = "STATION..Nurse_Save_Allergy '100577','F1','F2','O1','O2','',''";
    const std::string profile =
        "STATION..Nurse_Save_Profile '100577','2026004410B','CUT ON LEFT HAND','LACERATION 2CM','','','','','','','',"
        "'','3','','','','1','2','3','','','','','02/15/2026 08:05:09 PM','N0001','',''";
    p.test.server.On(allergies).Affects(1);
    p.test.server.On(profile).Affects(1);
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdSaveprofile);
    const std::vector<std::string> sent = p.test.server.Statements(mark);
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[1], allergies);
    EXPECT_EQ(sent[2], profile);
    EXPECT_THAT(sent, testing::Not(testing::Contains(testing::HasSubstr("tbPatientHistory"))));
}

TEST(PatientProfile, ARefusedSignInAskedAgainOrGivenUp) {
    ProfileChart p;
    EditInPatientProfile(p);
    const std::string question =
        "Unable to continue this transaction! \r\nAre you sure you want to update the Patient Profile?";
    p.NurseGivesUp();
    p.test.host.ExpectMsgBox(question).Answer(forms::vbYes).Buttons(forms::vbYesNo + forms::vbInformation);
    p.NurseGivesUp();
    p.test.host.ExpectMsgBox(question).Answer(forms::vbNo);
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdSaveprofile);
    EXPECT_EQ(p.test.server.Mark(), mark);
    EXPECT_TRUE(p.chart.cmdSaveprofile.Enabled());
    EXPECT_FALSE(p.chart.txtSkin.Locked());
    EXPECT_EQ(p.chart.txtADMDiagnosis.Text(), "APPENDICITIS  ");
}

TEST(PatientProfile, AFailedStatementOrCommitLeavesNothingAndNoSuccess) {
    std::unique_ptr<ProfileChart> world;
    int run = 0;
    auto freshWorld = [&]() -> ScriptedServer& {
        world.reset();
        world = std::make_unique<ProfileChart>();
        EditInPatientProfile(*world);
        // No header to reload: only the save's own statements are sent.
        world->test.patientSearch.admissions.erase(fixture::InPatientIdNum);
        world->NurseSignsIn();
        // The first run succeeds, then each of its four statements fails in turn, then its commit.
        world->test.host.ExpectMsgBox(run == 0   ? "Patient Profile Successfully Updated."
                                      : run <= 4 ? "Error While Saving Patient Profile  Scripted failure"
                                                 : "Error While Saving Patient Profile  Scripted commit failure");
        ++run;
        return world->test.server;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(freshWorld, [&] { Click(world->chart.cmdSaveprofile); }));
    EXPECT_EQ(run, 6);
}

TEST(PatientProfile, AfterAFailedCommitTheEntriesStayAndASecondSaveSendsEachRowOnce) {
    ProfileChart p;
    EditInPatientProfile(p);
    p.NurseSignsIn();
    p.test.server.FailCommit(1, "Transaction log full");
    p.test.host.ExpectMsgBox("Error While Saving Patient Profile  Transaction log full").Buttons(forms::vbOKOnly);
    const std::size_t first = p.test.server.Mark();
    Click(p.chart.cmdSaveprofile);
    EXPECT_TRUE(p.test.server.NothingCommitted(first));
    EXPECT_FALSE(p.chart.cmdSaveprofile.Enabled());
    EXPECT_FALSE(p.chart.txtSkin.Locked());
    EXPECT_EQ(p.chart.txtChiefComplaints.Text(), " PAIN, RLQ");

    Click(p.chart.cmdUpdate);
    p.NurseSignsIn();
    p.test.host.ExpectMsgBox("Patient Profile Successfully Updated.");
    const std::size_t second = p.test.server.Mark();
    Click(p.chart.cmdSaveprofile);
    EXPECT_TRUE(p.test.server.NoneSentAgain(first, second));
    EXPECT_EQ(p.test.server.CommittedWrites(second).size(), 3u);
}

TEST(PatientProfile, AHeaderReloadThatFailsAfterTheCommitIsNoFailedSave) {
    ProfileChart p;
    EditInPatientProfile(p);
    p.NurseSignsIn();
    p.test.server.Instead(fixture::DietQuery(fixture::InPatientIdNum)).Fails("Diet table locked", 1205);
    p.test.host.ExpectMsgBox("Patient Profile Successfully Updated.");
    p.test.host.ExpectMsgBox("Diet table locked\n\nPlease notify your IT department.").Title("Notification");
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdSaveprofile);
    EXPECT_EQ(p.test.server.CommittedWrites(mark).size(), 3u);
    EXPECT_TRUE(p.chart.txtSkin.Locked());
}

TEST(PatientProfile, ViewClinicalSummaryPrintsTheOpenAdmission) {
    ProfileChart p;
    p.test.app.HospitalAddress = "12 MABINI STREET";
    p.chart.txtId.SetText(" 2026001234 ");
    p.test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    fixture::DeclareProfile(p.test.server, " 2026001234 ", fixture::InPatientHospNum, {});
    p.OpenProfile();
    Click(p.chart.cmdViewSummary);
    const RecordedReport& report = p.test.reportEngine.Last();
    EXPECT_EQ(report.path, p.test.host.AppPath() + "\\Reports\\Clinical_Summary.RPT");
    EXPECT_EQ(report.values, (std::vector<vb::Variant>{"2026001234", "12 MABINI STREET"}));
    EXPECT_EQ(report.viewer.Caption, "Clinical Summary");
    EXPECT_FALSE(report.viewer.ShowGroupTree);
    EXPECT_EQ(report.output, RecordedReport::Output::Viewed);
}

TEST(PatientProfile, ViewClinicalSummaryShowsAReportThatCannotOpen) {
    ProfileChart p;
    p.OpenProfile();
    p.test.reportEngine.FailNextOpen("Logon failed for table tbPatientHistory");
    p.test.host.ExpectMsgBox("Logon failed for table tbPatientHistory\n\nPlease notify your IT department.")
        .Title("Notification");
    Click(p.chart.cmdViewSummary);
    EXPECT_TRUE(p.test.reportEngine.Reports().empty());
}

} // namespace
