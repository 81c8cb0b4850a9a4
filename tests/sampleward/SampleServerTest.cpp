#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateTime.h"
#include "sampleward/SampleWard.h"
#include "shell/AccessCheck.h"
#include "shell/modEncryption.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using sampleward::OpenSampleWard;
using sampleward::SampleServer;
using testing::ElementsAre;
using testing::IsEmpty;

db::Recordset Read(SampleServer& server, const std::string& sql) {
    return server.Open(sql, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
}

std::string Text(const db::Recordset& rs, const std::string& field) { return vb::CStr(rs.Fields(field)); }

TEST(SampleWardEmployees, TheAccessCodesAreKeptAsTheSignInDialogsEncipherThem) {
    struct Case {
        std::string code, typed;
    };
    const std::vector<Case> cases = {
        {sampleward::SampleNurseID, sampleward::SampleNurseAccessCode}, {"N1002", "WARD2"}, {"S1001", "HEAD1"}};
    ASSERT_EQ(cases.size(), sampleward::SampleEmployees().size());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const sampleward::SampleEmployee* employee = sampleward::FindEmployee(c.code);
        ASSERT_NE(employee, nullptr);
        EXPECT_EQ(employee->enciphered, ward::CipherText("E", ward::AccessCodeKey, c.typed));
        EXPECT_EQ(employee->enciphered, ward::EncipheredAccessCode(c.typed));
    }
}

TEST(SampleWardEmployees, TheUserCheckAnswersARowOnlyForTheRightAccessCode) {
    struct Case {
        std::string name, procedure, userID, typed, department, lastname;
    };
    const std::vector<Case> cases = {
        {"sample nurse, right code", "Station", "N1001", "WARD1", "ZODE", "DIAZ"},
        {"sample nurse, another's code", "Station", "N1001", "WARD2", "ZODE", ""},
        {"ID typed in lower case", "Station", "n1001", "WARD1", "ZODE", "DIAZ"},
        {"code typed in lower case", "Station", "N1001", "ward1", "ZODE", ""},
        {"unknown employee", "Station", "X9999", "WARD1", "ZODE", ""},
        {"supervisor on the station's check", "STATION", "S1001", "HEAD1", "SIC", "BAUTISTA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto server = OpenSampleWard();
        db::Recordset rs = Read(*server, c.procedure + "..sp_Check_User_Department_Access '" + c.userID + "','" +
                                             ward::EncipheredAccessCode(c.typed) + "','" + c.department + "'");
        EXPECT_EQ(rs.Eof() ? "" : Text(rs, "Lastname"), c.lastname);
        EXPECT_THAT(server->Unanswered(), IsEmpty());
    }
}

TEST(SampleWardEmployees, RightsAreReadPerEmployee) {
    auto server = OpenSampleWard();
    db::Recordset nurse = Read(*server, "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = 'N1001'");
    EXPECT_THAT(Text(nurse, "EmployeeRights"), testing::HasSubstr("|4|"));
    db::Recordset stranger = Read(*server, "SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = "
                                           "'X9999'");
    EXPECT_TRUE(stranger.Eof());
    EXPECT_THAT(server->Unanswered(), IsEmpty());
}

TEST(SampleServer, AWriteIsAnsweredAsDoneAndForgotten) {
    auto server = OpenSampleWard();
    db::Recordset slip =
        server->Open("Select * from STATION..tbSCNChargeSlip", db::CursorType::Dynamic, db::LockType::Optimistic);
    const std::string before = Text(slip, "ChargeSlip");
    slip.SetField("ChargeSlip", "9999999");
    EXPECT_NO_THROW(slip.Update());
    long affected = 0;
    server->Execute("Insert Into STATION..tbStationLogs(Idnum,Remarks) Values('2026000101','x')", affected);
    EXPECT_EQ(affected, 1);
    db::Recordset again = Read(*server, "Select * from STATION..tbSCNChargeSlip");
    EXPECT_EQ(Text(again, "ChargeSlip"), before);
    EXPECT_THAT(server->Unanswered(), IsEmpty());
}

TEST(SampleServer, TransactionsAreAcceptedAndNothingIsKept) {
    auto server = OpenSampleWard();
    {
        db::TransactionGuard transaction(*server);
        server->Execute("UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = '1'");
        transaction.Commit();
    }
    server->BeginTrans();
    server->RollbackTrans();
    EXPECT_EQ(Text(Read(*server, "Select * from STATION..tbSCNChargeSlip"), "ChargeSlip"), "0004521");
}

TEST(SampleServer, AStatementNobodyDeclaredGetsAnEmptyResultAndIsListed) {
    auto server = OpenSampleWard();
    testing::internal::CaptureStderr();
    db::Recordset rs = Read(*server, "STATION..sp_Nurse_Unknown 'SIC'");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(rs.Eof());
    EXPECT_THAT(said, testing::HasSubstr("STATION..sp_Nurse_Unknown 'SIC'"));
    EXPECT_THAT(server->Unanswered(), ElementsAre("STATION..sp_Nurse_Unknown 'SIC'"));
}

TEST(SampleServer, ADeclaredFailureReachesTheCaller) {
    SampleServer server;
    server.On("select 1").Fails("Timeout expired", -2147217871);
    EXPECT_THROW(server.Execute("select 1"), db::DbError);
    EXPECT_THAT(server.Unanswered(), IsEmpty());
}

// The dates the sample ward gives lie on the workstation's clock.
TEST(SampleServer, TheServerDateIsNow) {
    auto server = OpenSampleWard();
    const vb::Date before = sampleward::Now();
    const vb::Date serverDate = vb::CDate(Read(*server, "select GETDATE() AS Tdate").Fields("Tdate"));
    EXPECT_LE(vb::DateDiff("s", before, serverDate), 1);
    EXPECT_GE(vb::DateDiff("s", before, serverDate), 0);
}

TEST(SampleWardStartUp, TheStationAndTheNextChargeSlipAreAnswered) {
    auto server = OpenSampleWard();
    db::Recordset station =
        Read(*server, "Select StationID,Station From Build_file..tbCoStation Where StationID='SIC'");
    EXPECT_EQ(Text(station, "Station"), "SURGICAL INTENSIVE CARE UNIT");
    db::Recordset slip =
        server->Open("Select * from STATION..tbSCNChargeSlip", db::CursorType::Dynamic, db::LockType::Optimistic);
    EXPECT_EQ(Text(slip, "ChargeSlip"), "0004521");
    EXPECT_THAT(server->Unanswered(), IsEmpty());
}

TEST(SampleWardNotices, EachPollFindsANoticeWaiting) {
    const std::vector<std::string> polls = {
        "Station..sp_Nurse_Get_Patient_ForDischarge 'SIC'",
        "Station..sp_Nurse_Get_Patient_ClaimSlip 'SIC'",
        "Station..sp_Nurse_Get_Patient_ForDischargeInstructions_MedicationSheet 'ZODE'",
        "STATION..sp_Nurse_Process_Pending_NotificationOfRoomTransfer 'SIC'",
    };
    auto server = OpenSampleWard();
    for (const std::string& poll : polls) {
        SCOPED_TRACE(poll);
        db::Recordset rs = server->Open(poll, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        EXPECT_FALSE(rs.Bof() || rs.Eof());
    }
    EXPECT_THAT(server->Unanswered(), IsEmpty());
}

// Cleared long enough ago that the announcer calls the discharge out.
TEST(SampleWardNotices, TheDischargeWasClearedMoreThanTwentyMinutesAgo) {
    auto server = OpenSampleWard();
    db::Recordset rs = Read(*server, "Station..sp_Nurse_Get_Patient_ForDischarge 'SIC'");
    EXPECT_GE(vb::DateDiff("n", rs.Fields("Good Up To"), sampleward::Now()), 20);
}

} // namespace
