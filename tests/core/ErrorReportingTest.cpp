#include "core/ErrorReporting.h"
#include "platform/db/Connection.h"
#include "platform/vb/VbError.h"
#include "testkit/TestApp.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

const std::string ErrorLogInsert =
    "Insert Into STATION..tbNurseErrLog(ModuleName,HostName,UserID,ErrMessage,Transdate,ErrSource) ";
const std::string StationLogInsert =
    "Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) ";

TEST(ShowErrorMessage, ShowsTheDescriptionAndTheNoticeInOneInformationBox) {
    TestApp test;
    test.host.ExpectMsgBox("Timeout expired\n\nPlease notify your IT department.")
        .Title("Notification")
        .Buttons(forms::vbInformation + forms::vbOKOnly);

    ward::ShowErrorMessage(test.app, vb::VbError(-2147217871, "Timeout expired"), "frmCharge", "cmdSave_Click");
}

TEST(ShowErrorMessage, AnEmptyDescriptionLeavesTwoEmptyLines) {
    TestApp test;
    test.host.ExpectMsgBox("\n\nPlease notify your IT department.").Title("Notification");

    ward::ShowErrorMessage(test.app, vb::VbError(5, ""));
}

TEST(ShowErrorMessage, ReportsAnErrorThatEscapesAWindowsHandler) {
    TestApp test;
    test.host.ExpectMsgBox("Division by zero\n\nPlease notify your IT department.").Title("Notification");

    test.app.Forms.Dispatch([] { throw vb::VbError(11, "Division by zero"); });
}

TEST(WriteErrorLog, DoublesTheApostropheOfTheMessage) {
    TestApp test;
    const std::string insert = ErrorLogInsert +
                               "Values('Tessun Nurse',Host_Name(), 'N0002','Can''t read the drug class',getdate(),"
                               "'CheckRegulatedDrug (fn)')";
    test.server.On(insert).Affects(1);

    ward::WriteErrorLog(test.app, "Tessun Nurse", "N0002", "Can't read the drug class", "CheckRegulatedDrug (fn)");

    EXPECT_TRUE(test.server.SentExactly({insert}));
}

TEST(WriteErrorLog, AFailedInsertReachesTheCaller) {
    TestApp test;
    test.server.On(ErrorLogInsert + "Values('Tessun Nurse',Host_Name(), 'N0002','x',getdate(),'CheckS2License (fn)')")
        .Fails("Communication link failure", 11);

    EXPECT_THROW(ward::WriteErrorLog(test.app, "Tessun Nurse", "N0002", "x", "CheckS2License (fn)"), vb::VbError);
}

TEST(WriteStationLog, QuotesEveryValue) {
    TestApp test;
    const std::string insert = StationLogInsert + "Values('2026001234',GetDate(), 'DELETED NURSE NOTES: patient''s "
                                                  "note','N0002',Host_Name(),'SIC')";
    test.server.On(insert).Affects(1);

    ward::WriteStationLog(test.app, "2026001234", "DELETED NURSE NOTES: patient's note", "N0002", "SIC");

    EXPECT_TRUE(test.server.SentExactly({insert}));
}

TEST(WriteStationLog, AFailedInsertIsDroppedSilentlyButReachesTheCallerOfInsertStationLog) {
    for (bool insert : {false, true}) {
        SCOPED_TRACE(insert ? "InsertStationLog" : "WriteStationLog");
        TestApp test;
        test.server
            .On(StationLogInsert +
                "Values('2026001234',GetDate(), 'CANCELED PT REQUEST: R1','N0002',Host_Name(),'SIC')")
            .Fails("Communication link failure", 11);
        auto log = insert ? &ward::InsertStationLog : &ward::WriteStationLog;

        if (insert)
            EXPECT_THROW(log(test.app, "2026001234", "CANCELED PT REQUEST: R1", "N0002", "SIC"), vb::VbError);
        else
            EXPECT_NO_THROW(log(test.app, "2026001234", "CANCELED PT REQUEST: R1", "N0002", "SIC"));
        EXPECT_TRUE(test.host.MessageBoxes().empty());
    }
}

const std::string ParamCountQuery =
    "select COUNT(1) as ParamCount from information_schema.parameters where specific_name='sp_Nurse_SaveDoctors'";
const std::string ProcedureQuery = "select 1 from sys.procedures where name='sp_Nurse_SaveDoctors'";

struct ProbeCase {
    const char* name;
    std::vector<Row> rows;
    std::int16_t count;
};

class ParamCount : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ParamCount, CountsTheParametersOfTheProcedure) {
    TestApp test;
    test.server.On("USE STATION").Affects(-1);
    test.server.On(ParamCountQuery).Returns({"ParamCount"}, GetParam().rows);

    EXPECT_EQ(ward::GetProcParamCount(test.app, "STATION", "sp_Nurse_SaveDoctors"), GetParam().count);
    EXPECT_TRUE(test.server.SentExactly({"USE STATION", ParamCountQuery}));
}

INSTANTIATE_TEST_SUITE_P(Answers, ParamCount,
                         ::testing::Values(ProbeCase{"Seven", {{std::int32_t{7}}}, 7},
                                           ProbeCase{"NoParameters", {{std::int32_t{0}}}, 0},
                                           ProbeCase{"CountAsText", {{"3"}}, 3}, ProbeCase{"NoRow", {}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GetProcParamCount, AFailedProbeIsShownAndCountsZero) {
    TestApp test;
    test.server.On("USE STATION").Affects(-1);
    test.server.On(ParamCountQuery).Fails("Invalid object name 'information_schema.parameters'.", 208);
    test.host.ExpectMsgBox("Invalid object name 'information_schema.parameters'.\n\nPlease notify your IT "
                           "department.");

    EXPECT_EQ(ward::GetProcParamCount(test.app, "STATION", "sp_Nurse_SaveDoctors"), 0);
}

TEST(GetProcParamCount, ADatabaseNameThatIsNoIdentifierIsRefusedBeforeAnythingIsSent) {
    TestApp test;
    test.host.ExpectMsgBox("\"STATION; DROP TABLE x\" is not a valid name: only letters, digits and \"_\" are "
                           "allowed.\n\nPlease notify your IT department.");

    EXPECT_EQ(ward::GetProcParamCount(test.app, "STATION; DROP TABLE x", "sp_Nurse_SaveDoctors"), 0);
    EXPECT_TRUE(test.server.Sent().empty());
}

TEST(ProcedureMissing, TellsWhetherTheProcedureExists) {
    TestApp test;
    test.server.On("USE STATION").Affects(-1);
    test.server.On(ProcedureQuery).Returns({""}, {{std::int32_t{1}}});
    test.server.On(ProcedureQuery).Returns({""}, {});

    EXPECT_FALSE(ward::ProcedureMissing(test.app, "STATION", "sp_Nurse_SaveDoctors"));
    EXPECT_TRUE(ward::IsProcedureMissing(test.app, "STATION", "sp_Nurse_SaveDoctors"));
    EXPECT_TRUE(test.server.SentExactly({"USE STATION", ProcedureQuery, "USE STATION", ProcedureQuery}));
}

TEST(ProcedureMissing, AFailedProbeIsShownAndCountsAsMissing) {
    TestApp test;
    test.server.On("USE STATION").Fails("Database 'STATION' does not exist.", 911);
    test.host.ExpectMsgBox("Database 'STATION' does not exist.\n\nPlease notify your IT department.");

    EXPECT_TRUE(ward::ProcedureMissing(test.app, "STATION", "sp_Nurse_SaveDoctors"));
}

TEST(FieldExists, IgnoresLetterCaseButNotBlanks) {
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = {"DoctorCode", "ADr3Code"};
    db::Recordset rs(table, db::CursorType::Static, db::LockType::ReadOnly);

    EXPECT_TRUE(ward::FieldExists(rs, "adr3code"));
    EXPECT_TRUE(ward::FieldExists(rs, "DOCTORCODE"));
    EXPECT_FALSE(ward::FieldExists(rs, "ADr3Code "));
    EXPECT_FALSE(ward::FieldExists(rs, "ADr4Code"));
}

TEST(FieldExists, AClosedRecordsetRaises) {
    db::Recordset closed;
    EXPECT_THROW(ward::FieldExists(closed, "IdNum"), vb::VbError);
}

} // namespace
