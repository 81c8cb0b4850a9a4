#include "chart/ExamLines.h"
#include "chart/frmFinal.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"
#include "testkit/FixtureRequestEntry.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using ward::ExamPicker;

namespace {

const std::string Id = fixture::InPatientIdNum;

// One picker: its window, its list's name and how it differs.
struct Member {
    std::string deptCode;
    std::string listName;
    bool prices;
    bool blanksWholeRow;
    ExamPicker& (*window)(TestApp&);
};

template <class Picker> ExamPicker& Window(TestApp& test) { return test.app.Forms.Instance<Picker>(); }

const std::vector<Member>& Members() {
    static const std::vector<Member> members = {
        {"AU", "lstListAudio", false, true, &Window<ward::frmAudio>},
        {"CT", "lstListCT", true, false, &Window<ward::frmCTfile>},
        {"HS", "lstListHS", true, true, &Window<ward::frmHeart>},
        {"NU", "lstListNuclear", true, false, &Window<ward::frmNuclear>},
        {"PT", "lstListPT", true, false, &Window<ward::frmPTFile>},
        {"PA", "lstListRTS", true, false, &Window<ward::frmRTfile>},
        {"NE", "lstListNeuro", true, false, &Window<ward::frmNeuRoExams>},
    };
    return members;
}

const fixture::PickerExam& ExamOf(const std::string& deptCode) {
    for (const fixture::PickerExam& exam : fixture::PickerExams())
        if (exam.deptCode == deptCode)
            return exam;
    throw std::logic_error("no exam of " + deptCode);
}

// The chart of the in-patient with each picker's one exam in its list; the nurse answers the remarks dialog STAT
// with a remark.
struct Picking {
    TestApp test;
    ward::frmFinal& chart;
    std::string remarksDept;
    bool specimenEnabled = true;

    Picking() : chart(fixture::OpenRequestEntryChart(test)) { fixture::DeclarePickerExams(test.server); }

    forms::MSHFlexGrid& Orders() { return chart.mshflexOrders; }
    // Ticks or unticks the picker's only line; a tick that reaches the remarks dialog answers it.
    void ClickExam(ExamPicker& picker, bool remarksExpected = true) {
        if (!picker.Visible())
            picker.Show();
        if (remarksExpected)
            test.host.OnModal<ward::frmRemarks>([this](ward::frmRemarks& remarks) {
                remarksDept = remarks.DeptID;
                specimenEnabled = remarks.lblSpecimen(1).Enabled() || remarks.cmdSpecimen.Enabled();
                Click(remarks.Option1(1));
                remarks.txtRemarks.SetText("AFTER MEALS");
                Click(remarks.Command1);
            });
        ClickListLine(picker.ExamList(), 0);
    }
    std::vector<std::string> Row(int row) {
        std::vector<std::string> cells;
        for (int col = 1; col <= 16; ++col)
            cells.push_back(Orders().TextMatrix(row, col));
        return cells;
    }
    // A row of another department, as a quick list would have written it.
    void FillFirstRow() {
        const std::vector<std::string> cells = {"XR",          "12",   "CHEST PA", "1", " 450", "",  "N", "",
                                                "lstListXray", "line", "0",        "",  "0",    "0", "0", "1"};
        for (int col = 1; col <= 16; ++col)
            Orders().SetTextMatrix(1, col, cells[col - 1]);
    }
};

std::vector<std::string> ExpectedRow(const Member& m, ExamPicker& picker) {
    const fixture::PickerExam& exam = ExamOf(m.deptCode);
    const std::string line = picker.ExamList().List(0);
    return {m.deptCode,
            exam.code,
            vb::Trim(vb::Left(line, 45)),
            "1",
            m.prices ? " " + vb::CStr(exam.amount) : "",
            "",
            m.prices ? "Y" : "",
            "AFTER MEALS",
            m.listName,
            line,
            "0",
            "0",
            "0",
            "0",
            "0",
            "0"};
}

TEST(Pickers, EachPickerWritesItsRowIntoAnEmptyOrAFilledCart) {
    for (const Member& m : Members()) {
        for (bool filled : {false, true}) {
            SCOPED_TRACE(m.deptCode + (filled ? " filled cart" : " empty cart"));
            Picking p;
            if (filled)
                p.FillFirstRow();
            ExamPicker& picker = m.window(p.test);
            const std::size_t mark = p.test.server.Mark();
            p.ClickExam(picker);
            const int row = filled ? 2 : 1;
            ASSERT_EQ(p.Orders().Rows(), row + 1);
            EXPECT_EQ(p.Row(row), ExpectedRow(m, picker));
            EXPECT_TRUE(picker.ExamList().Selected(0));
            const fixture::PickerExam& exam = ExamOf(m.deptCode);
            const std::vector<std::string> sent = p.test.server.Statements(mark);
            EXPECT_EQ(sent.at(0), fixture::ExamStatusCheck(Id, exam.code, m.deptCode));
            EXPECT_EQ(sent.at(1), fixture::ExamPostedCheck(Id, exam.code, m.deptCode));
            EXPECT_EQ(testing::Value(sent, testing::Contains(fixture::ExamAmountQuery(m.deptCode, "C", exam.code))),
                      m.prices);
            EXPECT_EQ(p.remarksDept, m.deptCode);
            EXPECT_FALSE(p.specimenEnabled);
        }
    }
}

TEST(Pickers, PendingOrDeclinedRepeatsAndExamsInTheCartAreRefused) {
    enum class Refusal { Pending, ProcessedToday, InCart };
    for (const Member& m : Members()) {
        for (Refusal refusal : {Refusal::Pending, Refusal::ProcessedToday, Refusal::InCart}) {
            SCOPED_TRACE(m.deptCode + " " + std::to_string(static_cast<int>(refusal)));
            Picking p;
            ExamPicker& picker = m.window(p.test);
            const fixture::PickerExam& exam = ExamOf(m.deptCode);
            if (refusal == Refusal::Pending) {
                p.test.server.Instead(fixture::ExamStatusCheck(Id, exam.code, m.deptCode))
                    .Returns({"Requestdate"}, {{"12/11/2026 08:00:00 AM"}});
                p.test.host.ExpectMsgBox(p.test.app.MsgExamRequestedPrefix + "12/11/2026 08:00:00 AM" +
                                         p.test.app.MsgExamPendingSuffix);
            } else if (refusal == Refusal::ProcessedToday) {
                p.test.server.Instead(fixture::ExamPostedCheck(Id, exam.code, m.deptCode))
                    .Returns({"ProcessDate"}, {{"09:30 AM"}});
                p.test.host
                    .ExpectMsgBox("This Request has been PROCCESSED TODAY AT 09:30 AM! Do you wish to REPEAT it ?")
                    .Answer(forms::vbNo);
            } else {
                // The cart holds the line already: the status checks run and the pick stops without a word.
                p.Orders().SetTextMatrix(1, 1, m.deptCode);
                p.Orders().SetTextMatrix(1, 10, picker.ExamList().List(0));
            }
            const std::vector<std::string> before = p.Row(1);
            p.ClickExam(picker, false);
            EXPECT_EQ(p.Row(1), before);
            EXPECT_EQ(p.Orders().Rows(), 2);
            EXPECT_EQ(picker.ExamList().Selected(0), refusal == Refusal::InCart);
            EXPECT_THAT(p.test.host.ModalShows(), testing::IsEmpty());
        }
    }
}

TEST(Pickers, AnInternationalPatientPaysTheRaisedRate) {
    Picking p;
    fixture::LoadWardParameter(p.test, "ZODEAllowInternationalRate", "1");
    p.test.server.On(fixture::InternationalCheck(Id)).Returns({"isInternational"}, {{"Y"}});
    for (const Member& m : Members())
        p.ClickExam(m.window(p.test));
    std::vector<std::string> amounts;
    for (int row = 1; row < p.Orders().Rows(); ++row)
        amounts.push_back(p.Orders().TextMatrix(row, 1) + " " + p.Orders().TextMatrix(row, 5));
    EXPECT_EQ(amounts,
              (std::vector<std::string>{"AU ", "CT 4950", "HS 440", "NU 3520", "PT 385", "PA 132", "NE 1980"}));
}

TEST(Pickers, UntickingTakesTheRowOutOrEmptiesTheOnlyRowByTheMembersRule) {
    for (const Member& m : Members()) {
        SCOPED_TRACE(m.deptCode);
        Picking p;
        ExamPicker& picker = m.window(p.test);
        p.ClickExam(picker);
        std::vector<std::string> kept = p.Row(1);
        p.ClickExam(picker, false);
        EXPECT_FALSE(picker.ExamList().Selected(0));
        ASSERT_EQ(p.Orders().Rows(), 2);
        if (m.blanksWholeRow) {
            EXPECT_EQ(p.Row(1), std::vector<std::string>(16, ""));
        } else {
            for (int col : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11})
                kept[static_cast<std::size_t>(col - 1)] = "";
            EXPECT_EQ(p.Row(1), kept) << "the amount and the hidden flags stay";
        }

        // Beside another row the exam's row goes.
        p.FillFirstRow();
        p.ClickExam(picker);
        ASSERT_EQ(p.Orders().Rows(), 3);
        p.ClickExam(picker, false);
        ASSERT_EQ(p.Orders().Rows(), 2);
        EXPECT_EQ(p.Orders().TextMatrix(1, 1), "XR");
    }
}

TEST(Pickers, UntickingALineNotInTheCartChangesNothingAndTwoRowsOfOneLineLoseOnlyTheFirst) {
    Picking p;
    ExamPicker& picker = p.test.app.Forms.Instance<ward::frmCTfile>();
    p.FillFirstRow();
    picker.ExamList().SetSelected(0, true);
    p.ClickExam(picker, false);
    EXPECT_EQ(p.Orders().Rows(), 2);
    EXPECT_EQ(p.Orders().TextMatrix(1, 1), "XR");

    p.ClickExam(picker);
    p.Orders().SetRows(4);
    for (int col = 1; col <= 16; ++col)
        p.Orders().SetTextMatrix(3, col, p.Orders().TextMatrix(2, col));
    p.Orders().SetTextMatrix(3, 8, "SECOND");
    p.ClickExam(picker, false);
    ASSERT_EQ(p.Orders().Rows(), 3);
    EXPECT_EQ(p.Orders().TextMatrix(2, 8), "SECOND");
}

// An exam taken out leaves its amount and flags in the emptied row 1; the next pick must not send them on.
TEST(Pickers, APickReusingRowOneWritesItsOwnAmountAndPortableFlag) {
    Picking p;
    ExamPicker& ct = p.test.app.Forms.Instance<ward::frmCTfile>();
    ExamPicker& audio = p.test.app.Forms.Instance<ward::frmAudio>();
    p.ClickExam(ct);
    p.Orders().SetTextMatrix(1, 16, "1");
    p.ClickExam(ct, false);
    ASSERT_EQ(p.Orders().TextMatrix(1, 5), " 4500");
    p.ClickExam(audio);
    EXPECT_EQ(p.Orders().TextMatrix(1, 1), "AU");
    EXPECT_EQ(p.Orders().TextMatrix(1, 5), "");
    EXPECT_EQ(p.Orders().TextMatrix(1, 16), "0");
}

TEST(Pickers, AFailureBeforeTheRowIsWrittenUnticksTheLine) {
    Picking p;
    ExamPicker& picker = p.test.app.Forms.Instance<ward::frmCTfile>();
    p.test.server.Instead(fixture::ExamAmountQuery("CT", "C", "601")).Fails("Deadlock", 1205);
    p.test.host.ExpectMsgBox("Deadlock\n\nPlease notify your IT department.").Title("Notification");
    p.ClickExam(picker);
    EXPECT_FALSE(picker.ExamList().Selected(0));
    EXPECT_EQ(p.Orders().TextMatrix(1, 1), "");
}

// Close gives the opener's line back unticked and hides the picker, whose ticks are there at the next opening.
TEST(Pickers, CloseUnticksTheOtherDepartmentsLineAndKeepsThePicksTicks) {
    for (const Member& m : Members()) {
        SCOPED_TRACE(m.deptCode);
        Picking p;
        forms::ListBox& others = p.chart.lstListOthers;
        others.Clear();
        const std::string line = ward::examlines::OtherDepartmentLine("SOME DEPARTMENT", m.deptCode);
        others.AddItem(ward::examlines::OtherDepartmentLine("ANOTHER", "ZZ"));
        others.AddItem(line);
        others.SetSelected(0, true);
        others.SetSelected(1, true);
        ExamPicker& picker = m.window(p.test);
        picker.DepartmentBox().SetText(line + "  ");
        p.ClickExam(picker);
        Click(picker.CloseButton());
        EXPECT_FALSE(picker.Visible());
        EXPECT_TRUE(picker.IsLoaded());
        EXPECT_TRUE(others.Selected(0)) << "another department's line keeps its tick";
        EXPECT_FALSE(others.Selected(1));
        EXPECT_TRUE(picker.ExamList().Selected(0));
        // A box no line matches only hides.
        picker.DepartmentBox().SetText("GONE");
        picker.Show();
        Click(picker.CloseButton());
        EXPECT_FALSE(picker.Visible());
        EXPECT_EQ(others.ListCount(), 2);
    }
}

TEST(Pickers, TheNeurologyCloseBoxClosesAsItsButtonDoes) {
    Picking p;
    ward::frmNeuRoExams& neuro = p.test.app.Forms.Instance<ward::frmNeuRoExams>();
    forms::ListBox& others = p.chart.lstListOthers;
    const std::string line = ward::examlines::OtherDepartmentLine("NEUROLOGY", "NE");
    others.AddItem(line);
    int index = 0;
    while (others.List(index) != line)
        ++index;
    others.SetSelected(index, true);
    neuro.DepartmentBox().SetText(line);
    p.ClickExam(neuro);
    EXPECT_FALSE(neuro.CloseByUser());
    EXPECT_TRUE(neuro.IsLoaded());
    EXPECT_FALSE(neuro.Visible());
    EXPECT_FALSE(others.Selected(index));
    EXPECT_EQ(neuro.ExamList().ListCount(), 1);
    EXPECT_TRUE(neuro.ExamList().Selected(0));
    EXPECT_FALSE(p.test.app.Forms.Instance<ward::frmCTfile>().ControlBox());
}

} // namespace
