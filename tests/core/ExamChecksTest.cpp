#include "core/ExamChecks.h"
#include "chart/frmFinal.h"
#include "platform/forms/Layout.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureWard.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string PendingCheck = "STATION..Nurse_CheckExamStatus '2026001234','1024','LB'";
const std::string PostedCheck = "STATION..Nurse_CheckExam_Posted '2026001234','1024','LB'";

using Check = std::function<bool(ward::App&)>;

bool Pending(ward::App& app) { return ward::CheckExamStatus(app, " 2026001234 ", "1024 ", " LB"); }
bool RepeatRequest(ward::App& app) { return ward::ConfirmRepeatRequest(app, "2026001234", " 1024", "LB "); }
bool RepeatCharge(ward::App& app) { return ward::ConfirmRepeatCharge(app, "2026001234", "1024", "LB"); }

struct RepeatCase {
    const char* name;
    Check check;
    std::string statement;
    std::vector<Row> rows;
    std::optional<int> answer; // the nurse's answer to the question, if one is asked
    std::string message;
    int buttons;
    bool expected;
};

class PendingAndProcessedToday : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(PendingAndProcessedToday, SendsOneStatementAndAnswersAfterItsMessage) {
    const RepeatCase& c = GetParam();
    TestApp test;
    ward_fixture::DeclareEmptyChartSetUp(test.server);
    test.app.Forms.Instance<ward::frmFinal>(); // the chart gives the pending message its two halves
    const std::size_t afterSetUp = test.server.Mark();
    const std::string column = c.statement == PendingCheck ? "Requestdate" : "ProcessDate";
    test.server.On(c.statement).Returns({column}, c.rows);
    if (!c.message.empty()) {
        auto& box = test.host.ExpectMsgBox(c.message).Title("Message ").Buttons(c.buttons);
        if (c.answer)
            box.Answer(*c.answer);
    }

    EXPECT_EQ(c.check(test.app), c.expected);
    EXPECT_TRUE(test.server.SentExactly({c.statement}, afterSetUp));
    EXPECT_EQ(test.host.MessageBoxes().size(), c.message.empty() ? 0U : 1U);
}

const std::vector<Row> PendingRow = {{" 12/10/2026 9:15:00 AM "}};
const std::vector<Row> PostedRow = {{vb::MakeDate({2026, 12, 10, 14, 30, 5})}};

INSTANTIATE_TEST_SUITE_P(
    Checks, PendingAndProcessedToday,
    ::testing::Values(
        RepeatCase{"PendingRowTellsTheNurse", Pending, PendingCheck, PendingRow, std::nullopt,
                   "The same exam had been requested at...12/10/2026 9:15:00 AM   and it is Pending...",
                   forms::vbOKOnly, true},
        RepeatCase{"NothingPending", Pending, PendingCheck, {}, std::nullopt, "", 0, false},
        RepeatCase{"RequestProcessedTodayRepeated", RepeatRequest, PostedCheck, PostedRow, forms::vbYes,
                   "This Request has been PROCCESSED TODAY AT 12/10/2026 2:30:05 PM! Do you wish to REPEAT it ?",
                   forms::vbYesNo + forms::vbCritical + forms::vbDefaultButton1, false},
        RepeatCase{"RequestProcessedTodayNotRepeated", RepeatRequest, PostedCheck, PostedRow, forms::vbNo,
                   "This Request has been PROCCESSED TODAY AT 12/10/2026 2:30:05 PM! Do you wish to REPEAT it ?",
                   forms::vbYesNo + forms::vbCritical + forms::vbDefaultButton1, true},
        RepeatCase{"RequestNotProcessedToday", RepeatRequest, PostedCheck, {}, std::nullopt, "", 0, false},
        RepeatCase{"ChargePostedTodayRepeated", RepeatCharge, PostedCheck, PostedRow, forms::vbYes,
                   "This Item has been POSTED TODAY AT 12/10/2026 2:30:05 PM! Do you wish to REPEAT it ?",
                   forms::vbYesNo + forms::vbCritical + forms::vbDefaultButton1, false},
        RepeatCase{"ChargePostedTodayNotRepeated", RepeatCharge, PostedCheck, PostedRow, forms::vbNo,
                   "This Item has been POSTED TODAY AT 12/10/2026 2:30:05 PM! Do you wish to REPEAT it ?",
                   forms::vbYesNo + forms::vbCritical + forms::vbDefaultButton1, true},
        RepeatCase{"ChargeNotPostedToday", RepeatCharge, PostedCheck, {}, std::nullopt, "", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckExamStatus, BeforeTheChartIsOpenedShowsTheDateAlone) {
    TestApp test;
    test.server.On(PendingCheck).Returns({"Requestdate"}, PendingRow);
    test.host.ExpectMsgBox("12/10/2026 9:15:00 AM").Title("Message ");

    EXPECT_TRUE(Pending(test.app));
}

TEST(CheckExamStatus, AQuoteInTypedTextCannotChangeTheStatement) {
    TestApp test;
    test.server.On("STATION..Nurse_CheckExamStatus '2026001234','10''; drop table x--','LB'")
        .Returns({"Requestdate"}, {});

    EXPECT_FALSE(ward::CheckExamStatus(test.app, "2026001234", "10'; drop table x--", "LB"));
}

TEST(ConfirmRepeatRequest, AProcessDateThatIsNullShowsNothingInItsPlace) {
    TestApp test;
    test.server.On(PostedCheck).Returns({"ProcessDate"}, {{vb::Variant::Null()}});
    test.host.ExpectMsgBox("This Request has been PROCCESSED TODAY AT ! Do you wish to REPEAT it ?")
        .Answer(forms::vbNo);

    EXPECT_TRUE(RepeatRequest(test.app));
}

struct SpecimenCase {
    const char* name;
    std::vector<Row> rows;
    std::string description;
    std::string specimenCode;
    bool several;
};

class LabExamSpecimen : public ::testing::TestWithParam<SpecimenCase> {};

TEST_P(LabExamSpecimen, GivesTheDescriptionAndSetsTheSpecimenCode) {
    const SpecimenCase& c = GetParam();
    TestApp test;
    test.app.SpecimenCode = "stale";
    test.app.HasSeveralSpecimens = !c.several;
    test.server.On("STATION..sp_Nurse_GetLabExam_Specimen '1024'").Returns({"Code", "Description"}, c.rows);
    std::string specimenOut = "stale";

    EXPECT_EQ(ward::GetLabExamSpecimen(test.app, " 1024 ", specimenOut), c.description);
    EXPECT_EQ(specimenOut, c.specimenCode);
    EXPECT_EQ(test.app.SpecimenCode, c.specimenCode);
    EXPECT_EQ(test.app.HasSeveralSpecimens, c.several);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LabExamSpecimen,
    ::testing::Values(SpecimenCase{"None", {}, "None", "0", false},
                      SpecimenCase{"One", {{"S01", "Whole blood"}}, "Whole blood", "S01", false},
                      SpecimenCase{"OneWithoutDescription", {{"S02", vb::Variant::Null()}}, "", "S02", false},
                      SpecimenCase{
                          "SeveralForTheNurseToPick", {{"S01", "Whole blood"}, {"S03", "Serum"}}, "", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A window with the remarks dialog's three priority options.
class frmPriority : public forms::Form {
public:
    explicit frmPriority(ward::App& app) : Form(app.Forms) {}
    forms::ControlArray<forms::OptionButton> Option1{*this, "Option1"};

protected:
    void Design() override {
        Option1.Load(0).SetCaption("Routine");
        Option1.Load(1).SetCaption("Stat");
        Option1.Load(2).SetCaption("Schedule");
        forms::Layout(*this).Row({{&Option1(0), 1200}, {&Option1(1), 1200}, {&Option1(2), 1200}});
    }
};

const std::string PriorityQuery =
    "Select isnull(stat,'') AS Stat, datepart(dw,GETDATE()) as DayofWeek, case When "
    "convert(varchar(10),getdate(),101) +' 17:00:00' >= GEtDATE() then 'F' When convert(varchar(10),getdate(),101) "
    "+' 17:00:00' < GEtDATE() then 'T' END AS 'AFter5' from BUILD_FILE..tbcoLabExam Where LabexamID =' 1024'";

struct PriorityCase {
    const char* name;
    std::string stat;
    std::int32_t dayOfWeek;
    std::string after5;
    int selected;
    bool routineEnabled;
    bool statEnabled;
};

class LabPriority : public ::testing::TestWithParam<PriorityCase> {};

TEST_P(LabPriority, FollowsTheExamsRuleThenTheServersDayAndHour) {
    const PriorityCase& c = GetParam();
    TestApp test;
    frmPriority& form = test.app.Forms.Get<frmPriority>();
    form.Option1(2).SetValue(true); // the nurse's earlier choice, to be replaced
    form.Option1(0).SetEnabled(!c.routineEnabled);
    form.Option1(1).SetEnabled(!c.statEnabled);
    test.server.On(PriorityQuery).Returns({"Stat", "DayofWeek", "AFter5"}, {{c.stat, c.dayOfWeek, c.after5}});

    ward::SetLabPriorityOptions(test.app, " 1024", form.Option1);

    EXPECT_EQ(form.Option1(c.selected).Value(), true);
    EXPECT_FALSE(form.Option1(2).Value());
    EXPECT_TRUE(form.Option1(2).Enabled());
    EXPECT_EQ(form.Option1(0).Enabled(), c.routineEnabled);
    EXPECT_EQ(form.Option1(1).Enabled(), c.statEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LabPriority,
    ::testing::Values(PriorityCase{"StatForcedOnAWeekdayMorning", "Y", 3, "F", 1, false, true},
                      PriorityCase{"RoutineForcedOnASaturdayEvening", "N", 7, "T", 0, true, false},
                      PriorityCase{"FreeOnASaturdayMorningPreselectsStat", "", 7, "F", 1, true, true},
                      PriorityCase{"FreeOnASundayAtFivePreselectsRoutine", "", 1, "F", 0, true, true},
                      PriorityCase{"FreeOnASundayAfterFivePreselectsStat", "", 1, "T", 1, true, true},
                      PriorityCase{"LowerCaseFlagCountsAsFree", "y", 3, "F", 0, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabPriority, AnUnknownExamLeavesTheOptionsAsTheyWere) {
    TestApp test;
    frmPriority& form = test.app.Forms.Get<frmPriority>();
    form.Option1(2).SetValue(true);
    form.Option1(1).SetEnabled(false);
    test.server.On(PriorityQuery).Returns({"Stat", "DayofWeek", "AFter5"}, {});

    ward::SetLabPriorityOptions(test.app, " 1024", form.Option1);

    EXPECT_TRUE(form.Option1(2).Value());
    EXPECT_FALSE(form.Option1(1).Enabled());
}

struct MaxQtyCase {
    const char* name;
    std::function<double(ward::App&, const std::string&)> member;
    std::string table;
    std::vector<Row> rows;
    double expected;
};

class ExamMaxQty : public ::testing::TestWithParam<MaxQtyCase> {};

TEST_P(ExamMaxQty, ReadsTheServersMaximumOrOne) {
    const MaxQtyCase& c = GetParam();
    TestApp test;
    test.server
        .On("Select Case            When IsNull(Isprocedure,0) = 1 and IsNull(Openquantity,0) = 1 then MaxQty "
            "           Else 1        End As MaxQty " +
            c.table + " = 'X12';")
        .Returns({"MaxQty"}, c.rows);

    EXPECT_EQ(c.member(test.app, " X12 "), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Members, ExamMaxQty,
    ::testing::Values(
        MaxQtyCase{"LabOpenQuantity",
                   ward::GetLabExamMaxQty,
                   "From BUILD_FILE..tbCoLabExam Where LabexamID",
                   {{std::int32_t{3}}},
                   3},
        MaxQtyCase{
            "LabOnce", ward::GetLabExamMaxQty, "From BUILD_FILE..tbCoLabExam Where LabexamID", {{std::int32_t{1}}}, 1},
        MaxQtyCase{"LabUnknown", ward::GetLabExamMaxQty, "From BUILD_FILE..tbCoLabExam Where LabexamID", {}, 1},
        MaxQtyCase{"LabOpenQuantityWithoutMaximum",
                   ward::GetLabExamMaxQty,
                   "From BUILD_FILE..tbCoLabExam Where LabexamID",
                   {{vb::Variant::Null()}},
                   1},
        MaxQtyCase{"Xray", ward::GetXrayExamMaxQty, "From BUILD_FILE..tbCoXrayExam Where XrayexamID", {{2.0}}, 2},
        MaxQtyCase{"XrayUnknown", ward::GetXrayExamMaxQty, "From BUILD_FILE..tbCoXrayExam Where XrayexamID", {}, 1},
        MaxQtyCase{"Ultrasound",
                   ward::GetUltrasoundExamMaxQty,
                   "From BUILD_FILE..tbCoultraExam Where UltraexamID",
                   {{std::int16_t{4}}},
                   4},
        MaxQtyCase{"UltrasoundUnknown",
                   ward::GetUltrasoundExamMaxQty,
                   "From BUILD_FILE..tbCoultraExam Where UltraexamID",
                   {},
                   1}),
    [](const auto& info) { return std::string(info.param.name); });

const std::string RequestCheck = "STATION..sp_Nurse_Check_Request 'R-000812'";
const std::vector<std::string> RequestColumns = {"StationID",  "RecordStatus", "RevokeBy",
                                                 "RevokeDate", "ProcessBy",    "ProcessDate"};

// The settings with only the pending-request transfer switch, as the server gives it.
void DeclareTransferWithPendingRequest(ScriptedServer& server, bool allowed) {
    server.On(fixture::HospitalInfoQuery).Returns({"IsAllowRoomTransferWithPendingRequest"}, {{allowed}});
    server.On(fixture::NursingSettingsQuery).Returns({"PHICOneDay"}, {});
    server.On(fixture::NurseSetupQuery).Returns({"Field", "value"}, {});
}

struct LockCase {
    const char* name;
    std::vector<Row> rows;
    std::optional<bool> transferWithPendingRequest; // the settings are read only for another station's line
    std::string message;
    bool expected;
};

class RequestLock : public ::testing::TestWithParam<LockCase> {};

TEST_P(RequestLock, TellsWhyALineMayNotBeCancelled) {
    const LockCase& c = GetParam();
    TestApp test;
    test.server.On(RequestCheck).Returns(RequestColumns, c.rows);
    if (c.transferWithPendingRequest)
        DeclareTransferWithPendingRequest(test.server, *c.transferWithPendingRequest);
    if (!c.message.empty())
        test.host.ExpectMsgBox(c.message).Title("Message").Buttons(forms::vbOKOnly + forms::vbInformation);

    EXPECT_EQ(ward::IsRequestLocked(test.app, " R-000812 "), c.expected);
    EXPECT_EQ(test.host.MessageBoxes().size(), c.message.empty() ? 0U : 1U);
    EXPECT_EQ(test.server.Sent().size(), c.transferWithPendingRequest ? 4U : 1U);
}

const vb::Variant Null = vb::Variant::Null();
const vb::Variant Revoked = vb::MakeDate({2026, 12, 9, 21, 5, 7});
const vb::Variant Processed = vb::MakeDate({2026, 12, 10, 8, 0, 0});

INSTANTIATE_TEST_SUITE_P(
    Lines, RequestLock,
    ::testing::Values(
        LockCase{"NoLine", {}, std::nullopt, "", false},
        LockCase{"Pending", {{"SIC ", "", Null, Null, Null, Null}}, std::nullopt, "", false},
        LockCase{"Revoked",
                 {{"SIC", "R", "REYES, ANA", Revoked, Null, Null}},
                 std::nullopt,
                 "Item(s)/exam(s) requested has been revoked By: REYES, ANA at 12/09/2026 09:05:07 PM",
                 true},
        LockCase{"Processed",
                 {{"SIC", "X", Null, Null, "LAB01", Processed}},
                 std::nullopt,
                 "Item(s)/exam(s) requested has been processed By: LAB01 at 12/10/2026 08:00:00 AM",
                 true},
        LockCase{"ProcessedWithoutNameOrDate",
                 {{"SIC", "X", Null, Null, Null, Null}},
                 std::nullopt,
                 "Item(s)/exam(s) requested has been processed By:  at ",
                 true},
        LockCase{
            "LowerCaseStatusIsNotRevoked", {{"SIC", "r", "REYES, ANA", Revoked, Null, Null}}, std::nullopt, "", false},
        LockCase{"OtherStationRefused",
                 {{"MICU ", "", Null, Null, Null, Null}},
                 false,
                 "You can't revoked item(s)/exam(s) requested from station: MICU ",
                 true},
        LockCase{
            "OtherStationAllowedEvenWhenRevoked", {{"MICU", "R", "REYES, ANA", Revoked, Null, Null}}, true, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
