#include "chart/frmFinal.h"
#include "chart/frmScheduleRequestStatus.h"
#include "platform/db/SqlText.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/DateTime.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureORSchedule.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

vb::Date At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return vb::MakeDate({year, month, day, hour, minute, second});
}

const std::string Today = "12/11/2026 ";
const std::string Summary = "Patient Name :O'NEIL, ROSE Procedure :LAPAROSCOPIC CHOLECYSTECTOMY Surgeon:REYES ,MARIO "
                            "Anesthesiologist :SANTOS ,LUZ ";

std::string SaveStatement(const std::string& start, const std::string& summary, const std::string& procedure,
                          const std::string& surgeon, const std::string& anesthesiologist, const std::string& remarks) {
    auto q = [](const std::string& value) { return db::SqlQuote(value); };
    return "SCHEDULE..sp_Save_RequestORSchedule " + q(start) + "," + q(summary) + "," + q(start) + "," +
           q(fixture::InPatientIdNum) + "," + q(fixture::NurseCode) + "," + q(procedure) + "," + q(surgeon) + "," +
           q(anesthesiologist) + "," + q(fixture::InPatientHospNum) + "," + q(fixture::StationID) + "," + q(remarks);
}

// The Schedule Operation page of the fixture's in-patient, opened at 2:05:33 PM, the request filled in by the
// nurse: procedure, surgeon and anesthesiologist found by their searches, the start at 3:00 PM, remarks.
struct RequestChart {
    vb::Date now = At(2026, 12, 11, 14, 5, 33);
    TestApp test;
    ward::frmFinal& chart;

    RequestChart() : chart(fixture::OpenScheduleChart(test, now)) {
        ChooseTab(chart.tabSSTab1, 7);
        chart.txtPatient.SetText("O'NEIL, ROSE");
    }

    void Fill() {
        Type(chart.txtOperation(1), "CHOLE");
        PressKey(chart.txtOperation(1), forms::vbKeyReturn);
        Type(chart.txtSurgeon(1), "reyes");
        PressKey(chart.txtSurgeon(1), forms::vbKeyReturn);
        Type(chart.txtAnesthesiologist(1), "santos");
        PressKey(chart.txtAnesthesiologist(1), forms::vbKeyReturn);
        ChooseComboLine(chart.cboStartTime, "3:00:00 PM");
        Type(chart.txtScheduleRemarks, "NPO after midnight");
    }

    void ClockReads(vb::Date tdate) {
        test.server.On(fixture::ScheduleClockQuery).Returns({"Tdate"}, {{vb::Variant(tdate)}});
    }

    std::string FullStatement(const std::string& start = "12/11/2026 3:00:00 PM") const {
        return SaveStatement(start, Summary, fixture::ProcedureCode, fixture::SurgeonCode,
                             fixture::AnesthesiologistCode, "NPO after midnight");
    }

    std::vector<std::string> Entries() const {
        return {chart.txtOperation(0).Text(),        chart.txtOperation(1).Text(),
                chart.txtSurgeon(0).Text(),          chart.txtSurgeon(1).Text(),
                chart.txtAnesthesiologist(0).Text(), chart.txtAnesthesiologist(1).Text(),
                chart.txtScheduleRemarks.Text()};
    }

    void Save() { Click(chart.cmdSaveSchedule(0)); }
};

const std::vector<std::string> NoEntries(7, "");

TEST(ORScheduleRequest, AClearedAdmissionRefusesEveryButton) {
    for (int index : {0, 2, 3}) {
        RequestChart r;
        r.Fill();
        ClickSchedule(r.chart.Schedule1, "OR 1", vb::TimeSerial(9, 0, 0));
        r.test.server.Instead(fixture::ClearedCheck(fixture::InPatientIdNum, "OR"))
            .Returns({"ClearDate"}, {{vb::Variant(At(2026, 12, 10, 16))}});
        r.test.host
            .ExpectMsgBox("Patient is already cleared by (Operating Room Department). If you have requests to make, "
                          "notify the Billing staff immediately for further instructions.....")
            .Title("Message")
            .Buttons(forms::vbOKOnly + forms::vbInformation);
        const std::size_t mark = r.test.server.Mark();
        Click(r.chart.cmdSaveSchedule(index));
        EXPECT_THAT(r.test.server.Statements(mark), ElementsAre(fixture::ClearedCheck(fixture::InPatientIdNum, "OR")))
            << index;
        EXPECT_TRUE(r.chart.pictSchedule.Visible()) << index;
        EXPECT_THAT(r.test.host.ModalShows(), IsEmpty()) << index;
        EXPECT_EQ(r.Entries()[0], fixture::ProcedureCode) << index;
    }
}

TEST(ORScheduleRequest, NeedsAProcedureOrASurgeonCode) {
    struct Case {
        const char* name;
        const char* procedure;
        const char* surgeon;
        bool sent;
    };
    const Case cases[] = {
        {"neither", "", "", false},
        {"a procedure only", "OR-0107", "", true},
        {"a surgeon only", "", "D0201", true},
    };
    for (const Case& c : cases) {
        RequestChart r;
        r.chart.txtOperation(0).SetText(c.procedure);
        r.chart.txtSurgeon(0).SetText(c.surgeon);
        ChooseComboLine(r.chart.cboStartTime, "3:00:00 PM");
        const std::size_t mark = r.test.server.Mark();
        if (c.sent) {
            r.ClockReads(At(2026, 12, 11, 14, 30, 0));
            const std::string summary = "Patient Name :O'NEIL, ROSE Procedure : Surgeon: Anesthesiologist : ";
            r.test.server.On(SaveStatement("12/11/2026 3:00:00 PM", summary, c.procedure, c.surgeon, "", ""))
                .Affects(1);
            r.test.host.ExpectMsgBox("Schedule Data Successfully Saved.").Buttons(forms::vbOKOnly);
        } else {
            r.test.host.ExpectMsgBox("Can't Save Incomplete Data.").Buttons(forms::vbOKOnly);
        }
        r.Save();
        EXPECT_EQ(r.test.server.Statements(mark).size(), c.sent ? 4u : 1u) << c.name;
    }
}

TEST(ORScheduleRequest, RefusesAStartThatIsNoLaterTimeOfTheDay) {
    struct Case {
        const char* start;
        vb::Date tdate;
        bool accepted;
    };
    const Case cases[] = {
        {"3:00:00 PM", At(2026, 12, 11, 14, 59, 59), true},
        {"3:00:00 PM", At(2026, 12, 11, 15, 0, 0), false},  // at the server's time
        {"2:00:00 PM", At(2026, 12, 11, 14, 5, 33), false}, // before it
        {"3:00 pm", At(2026, 12, 11, 14, 30, 0), true},     // sent as typed
        {"15:30", At(2026, 12, 11, 14, 30, 0), true},
        {"8", At(2026, 12, 11, 0, 0, 0), false}, // a bare number would read as midnight
        {"tomorrow", At(2026, 12, 11, 14, 30, 0), false},
        {"12/12/2026", At(2026, 12, 11, 14, 30, 0), false}, // a date is no time of day
        {"", At(2026, 12, 11, 14, 30, 0), false},
    };
    for (const Case& c : cases) {
        RequestChart r;
        r.Fill();
        r.chart.cboStartTime.SetText(c.start);
        r.ClockReads(c.tdate);
        const std::size_t mark = r.test.server.Mark();
        if (c.accepted) {
            r.test.server.On(r.FullStatement(Today + c.start)).Affects(1);
            r.test.host.ExpectMsgBox("Schedule Data Successfully Saved.");
        } else {
            r.test.host.ExpectMsgBox("Invalid Time of Operation")
                .Title("Message")
                .Buttons(forms::vbOKOnly + forms::vbCritical);
        }
        r.Save();
        const std::vector<std::string> sent = r.test.server.Statements(mark);
        ASSERT_GE(sent.size(), 2u) << c.start;
        EXPECT_EQ(sent[1], fixture::ScheduleClockQuery) << c.start;
        EXPECT_EQ(sent.size() > 2 && sent[2] == r.FullStatement(Today + c.start), c.accepted) << c.start;
        EXPECT_EQ(r.test.app.ServerDate, c.tdate) << c.start << ": the scheduling clock is kept";
        if (!c.accepted) {
            EXPECT_EQ(r.Entries()[0], fixture::ProcedureCode) << c.start;
        }
    }
}

TEST(ORScheduleRequest, SendsTheRequestResetsTheFormAndASecondSaveFindsNothingToSend) {
    RequestChart r;
    r.Fill();
    r.ClockReads(At(2026, 12, 11, 14, 40, 2));
    r.test.server.On(r.FullStatement()).Affects(1);
    r.test.host.ExpectMsgBox("Schedule Data Successfully Saved.").Buttons(forms::vbOKOnly);
    const std::size_t mark = r.test.server.Mark();
    r.Save();
    EXPECT_THAT(r.test.server.Statements(mark),
                ElementsAre(fixture::ClearedCheck(fixture::InPatientIdNum, "OR"), fixture::ScheduleClockQuery,
                            r.FullStatement(), fixture::BookingsQuery(Today)));
    EXPECT_EQ(r.Entries(), NoEntries);
    EXPECT_EQ(r.chart.dtpSchedule(0).Value(), At(2026, 12, 11, 14, 40, 2));
    EXPECT_EQ(r.chart.cboStartTime.Text(), "2:00:00 PM");

    r.test.host.ExpectMsgBox("Can't Save Incomplete Data.");
    const std::size_t second = r.test.server.Mark();
    r.Save();
    EXPECT_THAT(r.test.server.Statements(second), ElementsAre(fixture::ClearedCheck(fixture::InPatientIdNum, "OR")));
}

TEST(ORScheduleRequest, ARequestOnALaterDayCarriesThatDay) {
    RequestChart r;
    r.Fill();
    ASSERT_TRUE(PickDate(r.chart.dtpSchedule(0), At(2026, 12, 15, 14, 5, 33)));
    ChooseComboLine(r.chart.cboStartTime, "8:00:00 AM");
    r.ClockReads(At(2026, 12, 11, 14, 40, 2));
    r.test.server.On(r.FullStatement("12/15/2026 8:00:00 AM")).Affects(1);
    r.test.host.ExpectMsgBox("Schedule Data Successfully Saved.");
    r.Save();
    EXPECT_EQ(r.Entries(), NoEntries);
}

TEST(ORScheduleRequest, AFailingRequestSaysSoAndKeepsTheEntries) {
    RequestChart r;
    r.Fill();
    r.ClockReads(At(2026, 12, 11, 14, 40, 2));
    r.test.server.On(r.FullStatement()).Fails("Deadlock victim", 1205);
    r.test.host.ExpectMsgBox("Deadlock victim\n\nThe request was not saved.")
        .Title("Message")
        .Buttons(forms::vbOKOnly + forms::vbCritical);
    const std::size_t mark = r.test.server.Mark();
    const std::vector<std::string> entries = r.Entries();
    r.Save();
    EXPECT_EQ(r.test.server.Statements(mark).size(), 3u) << "the schedule is not reloaded";
    EXPECT_EQ(r.Entries(), entries);
    EXPECT_EQ(r.chart.cboStartTime.Text(), "3:00:00 PM");

    r.test.server.Instead(r.FullStatement()).Affects(1);
    r.test.host.ExpectMsgBox("Schedule Data Successfully Saved.");
    r.Save();
    EXPECT_EQ(r.Entries(), NoEntries);
}

TEST(ORScheduleRequest, ASavedRequestLeavesNoEntriesBehindWhenTheReloadFails) {
    RequestChart r;
    r.Fill();
    r.ClockReads(At(2026, 12, 11, 14, 40, 2));
    r.test.server.On(r.FullStatement()).Affects(1);
    r.test.server.Instead(fixture::BookingsQuery(Today)).Fails("Timeout expired", -2147217871);
    r.test.host.ExpectMsgBox("Schedule Data Successfully Saved.");
    r.test.host.ExpectMsgBox("Timeout expired\n\nPlease notify your IT department.");
    r.Save();
    EXPECT_EQ(r.Entries(), NoEntries) << "a second Save cannot send the same request again";
}

TEST(ORScheduleRequest, TheListOfRequestsOpensModally) {
    RequestChart r;
    r.test.server.On(fixture::RequestListQuery()).Returns(fixture::RequestColumns, fixture::RequestRows());
    bool shown = false;
    r.test.host.OnModal<ward::frmScheduleRequestStatus>([&](ward::frmScheduleRequestStatus& list) {
        shown = true;
        Click(list.cmdPending(2));
    });
    Click(r.chart.cmdSaveSchedule(3));
    EXPECT_TRUE(shown);
}

} // namespace
