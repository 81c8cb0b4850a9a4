#include "chart/frmCheckData.h"
#include "chart/frmFinal.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string SaveCall = "STATION..Nurse_UpdatePatientHistory '2026001234',";

// The missing-information window over the chart of the fixture's in-patient, whose header has loaded.
struct CheckDataWindow {
    TestApp test;
    ward::frmFinal& chart;
    ward::frmCheckData* window = nullptr;

    CheckDataWindow() : chart(OpenChart(test)) { test.host.FireTimer(chart.Timer1); }

    static ward::frmFinal& OpenChart(TestApp& test) {
        fixture::AddPeople(test);
        return fixture::OpenChart(test);
    }

    ward::frmCheckData& Show() {
        window = &test.app.Forms.Get<ward::frmCheckData>();
        window->Show();
        return *window;
    }

    void DeclareSave(const std::string& sql) { test.server.On(sql).Affects(1); }

    // The chart's four boxes that a save writes, in one line.
    std::string ChartBoxes() const {
        return chart.txtADMDiagnosis.Text() + "|" + chart.txtDiagnosis.Text() + "|" + chart.txtChiefComplaints.Text() +
               "|" + chart.txtAdiet.Text();
    }
};

TEST(CheckData, LoadsTheChartsAdmissionEvenWhenAnotherIsCurrent) {
    CheckDataWindow w;
    ASSERT_TRUE(w.test.patientSearch.ValidateAdmission(fixture::OutPatientIdNum));
    w.test.patientSearch.Calls.clear();
    w.test.patientSearch.admission.Calls.clear();
    ward::frmCheckData& window = w.Show();
    EXPECT_EQ(window.Caption(), "Please Enter the Missing Information");
    EXPECT_EQ(w.test.patientSearch.Calls, std::vector<std::string>{"ValidateAdmission(2026001234)"});
    EXPECT_EQ(w.test.patientSearch.admission.Calls, std::vector<std::string>{"Admission.Refresh"});
    EXPECT_EQ(window.txtEntry(0).Text(), "ACUTE APPENDICITIS");
    EXPECT_EQ(window.txtEntry(1).Text(), "ABDOMINAL PAIN");
    EXPECT_EQ(window.txtDiet(0).Text(), "SOFT DIET");
    EXPECT_EQ(window.txtDiet(1).Text(), "");
}

TEST(CheckData, AnAdmissionThePatientSearchCannotFindIsNotEdited) {
    CheckDataWindow w;
    w.chart.txtId.SetText("2026009999");
    w.test.host.ExpectMsgBox("No records found.").Title("Notification").Buttons(forms::vbInformation + forms::vbOKOnly);
    w.test.patientSearch.admission.Calls.clear();
    ward::frmCheckData& window = w.test.app.Forms.Get<ward::frmCheckData>();
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(w.test.patientSearch.Calls.back(), "ValidateAdmission(2026009999)");
    EXPECT_TRUE(w.test.patientSearch.admission.Calls.empty()) << "the current admission is not refreshed";
}

TEST(CheckData, SavesWhatIsTypedInOneTransactionAndWritesItIntoTheChart) {
    CheckDataWindow w;
    ward::frmCheckData& window = w.Show();
    window.txtEntry(0).SetText("PATIENT'S FALL ");
    Type(window.txtEntry(1), " WITH FEVER");
    w.DeclareSave(SaveCall + "'','PATIENT''S FALL ','ABDOMINAL PAIN WITH FEVER'");
    const std::size_t mark = w.test.server.Mark();
    Click(window.cmdOption(0));

    EXPECT_EQ(w.test.server.Transcript().back(), "COMMIT");
    EXPECT_TRUE(w.test.server.SentExactly({SaveCall + "'','PATIENT''S FALL ','ABDOMINAL PAIN WITH FEVER'"}, mark));
    EXPECT_EQ(w.test.server.CommittedWrites(mark).size(), 1u);
    EXPECT_EQ(w.ChartBoxes(), "PATIENT'S FALL |PATIENT'S FALL |ABDOMINAL PAIN WITH FEVER|SOFT DIET");
    EXPECT_FALSE(window.IsLoaded());
}

TEST(CheckData, ADietPickedByEnterOrTheButtonIsSavedByItsCode) {
    for (bool byButton : {false, true}) {
        SCOPED_TRACE(byButton ? "button" : "Enter");
        CheckDataWindow w;
        w.test.codeSearch.answers[{6, "LOW SALT"}] = [](FakeCodeSearch& search) {
            search.diet = {"D07", "LOW SALT, LOW FAT", ""};
        };
        ward::frmCheckData& window = w.Show();
        window.txtDiet(0).SetText("");
        Type(window.txtDiet(0), "low salt");
        EXPECT_EQ(window.txtDiet(0).Text(), "LOW SALT");
        if (byButton)
            Click(window.cmdDiet);
        else
            PressKey(window.txtDiet(0), forms::vbKeyReturn);
        EXPECT_EQ(window.txtDiet(0).Text(), "LOW SALT, LOW FAT");
        EXPECT_EQ(window.txtDiet(1).Text(), "D07");
        w.DeclareSave(SaveCall + "'D07','ACUTE APPENDICITIS','ABDOMINAL PAIN'");
        Click(window.cmdOption(0));
        EXPECT_EQ(w.chart.txtAdiet.Text(), "LOW SALT, LOW FAT");
    }
}

TEST(CheckData, ADietSearchWithoutAChoiceKeepsWhatWasThere) {
    CheckDataWindow w;
    ward::frmCheckData& window = w.Show();
    Click(window.cmdDiet);
    EXPECT_EQ(window.txtDiet(0).Text(), "SOFT DIET");
    EXPECT_EQ(window.txtDiet(1).Text(), "");
    EXPECT_THAT(w.test.codeSearch.Calls, testing::Contains(testing::HasSubstr("SOFT DIET")));
}

TEST(CheckData, RefusesABlankDietAndSendsNothing) {
    CheckDataWindow w;
    ward::frmCheckData& window = w.Show();
    window.txtDiet(0).SetText("");
    w.test.host.ExpectMsgBox("Can't Save a Blank Diet.")
        .Title("Message")
        .Buttons(forms::vbExclamation + forms::vbOKOnly);
    const std::size_t mark = w.test.server.Mark();
    Click(window.cmdOption(0));
    EXPECT_TRUE(w.test.server.SentExactly({}, mark));
    EXPECT_TRUE(window.IsLoaded());
}

TEST(CheckData, CloseChangesNothing) {
    CheckDataWindow w;
    ward::frmCheckData& window = w.Show();
    window.txtEntry(0).SetText("SOMETHING ELSE");
    const std::string before = w.ChartBoxes();
    const std::size_t mark = w.test.server.Mark();
    Click(window.cmdOption(1));
    EXPECT_TRUE(w.test.server.SentExactly({}, mark));
    EXPECT_EQ(w.ChartBoxes(), before);
    EXPECT_FALSE(window.IsLoaded());
}

TEST(CheckData, KeysAreUpperCasedInTheDietAndTheApostropheDroppedEverywhere) {
    CheckDataWindow w;
    ward::frmCheckData& window = w.Show();
    window.txtDiet(0).SetText("");
    Type(window.txtDiet(0), "soft's");
    EXPECT_EQ(window.txtDiet(0).Text(), "SOFTS");
    window.txtEntry(0).SetText("");
    Type(window.txtEntry(0), "o'clock fall");
    EXPECT_EQ(window.txtEntry(0).Text(), "oclock fall") << "only the diet name is upper-cased";
}

TEST(CheckData, AFailedSaveCommitsNothingAndKeepsTheWindowAsTyped) {
    std::unique_ptr<CheckDataWindow> world;
    int run = 0;
    const std::string sql = SaveCall + "'','ACUTE APPENDICITIS','FELL FROM BED'";
    const std::vector<std::string> failures = {"", "Scripted failure", "Scripted commit failure"};
    auto fresh = [&]() -> ScriptedServer& {
        world.reset();
        world = std::make_unique<CheckDataWindow>();
        ward::frmCheckData& window = world->Show();
        window.txtEntry(1).SetText("FELL FROM BED");
        world->DeclareSave(sql);
        if (run > 0)
            world->test.host.ExpectMsgBox(failures.at(run) + "\n\nPlease notify your IT department.")
                .Title("Notification");
        return world->test.server;
    };
    auto save = [&] {
        const std::string before = world->ChartBoxes();
        Click(world->window->cmdOption(0));
        if (run > 0) {
            EXPECT_TRUE(world->window->IsLoaded()) << run;
            EXPECT_EQ(world->window->txtEntry(1).Text(), "FELL FROM BED");
            EXPECT_EQ(world->ChartBoxes(), before);
        }
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, save));
    EXPECT_EQ(run, 3) << "one save, one failing statement, one failing commit";

    // Saving again after a failure posts once.
    world.reset();
    world = std::make_unique<CheckDataWindow>();
    ward::frmCheckData& window = world->Show();
    window.txtEntry(1).SetText("FELL FROM BED");
    world->DeclareSave(sql);
    const std::size_t mark = world->test.server.Mark();
    world->test.server.FailStatement(mark);
    world->test.host.ExpectMsgBox("Scripted failure\n\nPlease notify your IT department.");
    Click(window.cmdOption(0));
    Click(window.cmdOption(0));
    EXPECT_EQ(world->test.server.CommittedWrites(mark), std::vector<std::string>{sql});
    EXPECT_EQ(world->chart.txtChiefComplaints.Text(), "FELL FROM BED");
}

} // namespace
