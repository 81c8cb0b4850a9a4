#include "components/PatientSearch.h"
#include "PatientColumns.h"
#include "platform/db/DbError.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/ScriptedServer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using patientcolumns::AdmissionColumns;
using patientcolumns::PatientColumns;
using testkit::Row;
using testkit::ScriptedServer;

const std::string AdmissionSelect =
    "SELECT A.IDNum, A.HospNum, A.AccountNum, A.Company, A.AdmDate, A.DcrDate, A.BillingDate, A.Age, A.HowAdmitted, "
    "A.RoomID, A.AttendingDr1, A.AttendingDr2, A.AdmittingDr, A.ReferringDr, B.OkeyLab, B.OkeyXray, B.OkeyUltra, "
    "B.OkeyPH, B.OkeyCS, B.OkeyCT, B.OkeyPT, B.OkeyHS, B.OkeyRTS, B.OkeyNU, B.OkeyAU, H.ADMDiagnosis, "
    "H.ChiefComplaint, H.FinalDiagnosis, H.AdmittingImpression, H.Height, H.Weight, H.Procedures "
    "FROM PATIENT_DATA..tbPatient A LEFT OUTER JOIN PATIENT_DATA..tbPatient2 B ON B.IDNum = A.IDNum "
    "LEFT OUTER JOIN PATIENT_DATA..tbPatientHistory H ON H.IDNum = A.IDNum WHERE A.IDNum = ";

const std::string PatientSelect =
    "SELECT HospNum, LastName, FirstName, MiddleName, Sex, BirthDate, BloodType, CivilStatus, Address, AccountNum, "
    "Company, BirthPlace, Nationality, Religion, SpouseName, FatherName, MotherName FROM PATIENT_DATA..tbMaster "
    "WHERE HospNum = ";

const std::string DoctorSelect = "SELECT Lastname, Firstname, Middlename FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = ";
const std::string RoomSelect =
    "SELECT R.RoomID, R.RoomRate, R.Accomodation, R.StationID, S.Station FROM BUILD_FILE..tbCoRoom R "
    "LEFT OUTER JOIN Build_file..tbCoStation S ON S.StationID = R.StationID WHERE UPPER(R.RoomID) = ";
const std::string RoomClassCall = "STATION..sp_Nurse_Get_RoomClassification ";
const std::string VisitSelect =
    "SELECT IDNum, HospNum, AccountNum, Company, AdmDate, DcrDate, BillingDate, Age, AttendingDr1, AttendingDr2, "
    "AttendingDr3, ChiefComplaint, Diagnosis1 FROM Patient_Data..tbOutPatient WHERE IDNum = ";

const vb::Variant Null = vb::Variant::Null();
const vb::Date Admitted = vb::MakeDate({2026, 1, 12, 9, 30, 0});

// The flags: laboratory allowed, pharmacy under cash basis, the others not decided by billing yet.
Row AdmissionRow(const std::string& idNum, vb::Variant billingDate = Null) {
    return {idNum,
            "300101",
            "300101",
            "",
            Admitted,
            Null,
            billingDate,
            "68",
            "EMERGENCY",
            "SIC-02",
            "D0301",
            "",
            "D0301",
            Null,
            true,
            Null,
            Null,
            false,
            Null,
            Null,
            Null,
            Null,
            Null,
            Null,
            Null,
            "PERFORATED ULCER",
            "EPIGASTRIC PAIN",
            Null,
            "",
            "168 CM",
            "70 KG",
            "LAPAROTOMY"};
}

Row PatientRow(const std::string& hospNum, const std::string& lastname) {
    return {hospNum,
            lastname,
            "ROBERTO",
            "SALAZAR",
            "M",
            vb::MakeDate({1958, 3, 21}),
            "A+",
            "MARRIED",
            "17 BONIFACIO STREET",
            "300101",
            "",
            "ZENTARI CITY",
            "FILIPINO",
            "ROMAN CATHOLIC",
            Null,
            Null,
            Null};
}

class PatientSearchTest : public ::testing::Test {
protected:
    PatientSearchTest()
        : search([this]() -> db::Connection& { return server; },
                 [this](const std::string& text) {
                     listShownWith.push_back(text);
                     return roomChosen;
                 }) {}

    void DeclareInPatient(const std::string& idNum = "2026000101") {
        server.On(AdmissionSelect + "'" + idNum + "'").Returns(AdmissionColumns, {AdmissionRow(idNum)});
        DeclareDoctorAndPatient();
    }
    void DeclareDoctorAndPatient() {
        server.On(DoctorSelect + "'D0301'")
            .Returns({"Lastname", "Firstname", "Middlename"}, {{"NAVARRO", "TERESA", Null}});
        server.On(PatientSelect + "'300101'").Returns(PatientColumns, {PatientRow("300101", "VILLANUEVA")});
        DeclareRoom("SIC-02", 4500.0);
    }
    void DeclareRoom(const std::string& roomID, vb::Variant rate) {
        server.On(RoomSelect + "'" + roomID + "'")
            .Returns({"RoomID", "RoomRate", "Accomodation", "StationID", "Station"},
                     {{roomID, rate, "ICU BED", "SIC", "SURGICAL INTENSIVE CARE UNIT"}});
        server.On(RoomClassCall + "'" + roomID + "'").Returns({"RoomClassID"}, {{"C"}});
    }
    void DeclareNoAdmission(const std::string& idNum) {
        server.On(AdmissionSelect + "'" + idNum + "'").Returns(AdmissionColumns, {});
    }

    ScriptedServer server;
    std::vector<std::string> listShownWith;
    std::optional<std::string> roomChosen;
    components::PatientSearch search;
};

TEST_F(PatientSearchTest, AnAdmissionFoundBecomesCurrentWithItsDoctorsPatientAndRoom) {
    DeclareInPatient();
    ASSERT_TRUE(search.ValidateAdmission(" 2026000101 "));

    EXPECT_TRUE(server.SentExactly({AdmissionSelect + "'2026000101'", DoctorSelect + "'D0301'",
                                    PatientSelect + "'300101'", RoomSelect + "'SIC-02'", RoomClassCall + "'SIC-02'"}));
    components::AdmissionObject& admission = search.Admission();
    EXPECT_EQ(admission.IdNumber, "2026000101");
    EXPECT_EQ(admission.AdmissionDate, vb::Variant(Admitted));
    EXPECT_EQ(admission.DischargeDate, vb::Variant(std::int32_t{0}));
    EXPECT_EQ(admission.BillingDate, vb::Variant(std::int32_t{0}));
    EXPECT_EQ(admission.OkeyLab, std::optional<bool>(true));
    EXPECT_EQ(admission.OkeyPH, std::optional<bool>(false));
    EXPECT_EQ(admission.OkeyXray, std::nullopt);
    EXPECT_EQ(admission.AttendingDoctor1.Code, "D0301");
    EXPECT_EQ(admission.AttendingDoctor1.CompleteName, "NAVARRO, TERESA");
    EXPECT_EQ(admission.AdmittingDoctor.CompleteName, "NAVARRO, TERESA");
    EXPECT_EQ(admission.AttendingDoctor2.Code, "");
    EXPECT_EQ(admission.ReferringDoctor.CompleteName, "");
    EXPECT_EQ(admission.History.FinalDiagnosis, "");
    EXPECT_EQ(admission.History.Procedures, "LAPAROTOMY");
    EXPECT_EQ(admission.Room.RoomID, "SIC-02");
    EXPECT_EQ(admission.Room.RoomClassID, "C");
    EXPECT_EQ(admission.Room.Station.Code, "SIC");
    EXPECT_EQ(admission.Room.RoomRate, 4500);
    EXPECT_EQ(admission.RoomRate, 4500);
    EXPECT_EQ(admission.Patient().Lastname, "VILLANUEVA");
    EXPECT_EQ(admission.Patient().Spouse.SpouseName, "");
    EXPECT_EQ(admission.Patient().Age, vb::Variant("68"));
}

TEST_F(PatientSearchTest, AnAdmissionNotFoundOrFailingKeepsTheCurrentOne) {
    DeclareInPatient();
    ASSERT_TRUE(search.ValidateAdmission("2026000101"));

    DeclareNoAdmission("O''NEIL%");
    EXPECT_FALSE(search.ValidateAdmission("O'NEIL%"));
    EXPECT_EQ(search.Admission().IdNumber, "2026000101");

    server.On(AdmissionSelect + "'2026000999'").Fails("Invalid object name 'PATIENT_DATA..tbPatient2'.", 208);
    try {
        search.ValidateAdmission("2026000999");
        FAIL() << "the server's error was swallowed";
    } catch (const db::DbError& error) {
        EXPECT_EQ(error.Number(), 208);
        EXPECT_EQ(error.Description(), "Invalid object name 'PATIENT_DATA..tbPatient2'.");
    }
    EXPECT_EQ(search.Admission().IdNumber, "2026000101");
    EXPECT_EQ(search.Admission().Patient().Lastname, "VILLANUEVA");
}

TEST_F(PatientSearchTest, RefreshReadsTheBillingDateSetSinceTheLastRead) {
    DeclareInPatient();
    const vb::Date billed = vb::MakeDate({2026, 1, 15, 16, 0, 0});
    server.On(AdmissionSelect + "'2026000101'").Returns(AdmissionColumns, {AdmissionRow("2026000101", billed)});
    ASSERT_TRUE(search.ValidateAdmission("2026000101"));
    EXPECT_EQ(search.Admission().BillingDate, vb::Variant(std::int32_t{0}));

    const std::size_t mark = server.Mark();
    search.Admission().Refresh();
    EXPECT_EQ(server.Statements(mark).front(), AdmissionSelect + "'2026000101'");
    EXPECT_EQ(search.Admission().BillingDate, vb::Variant(billed));
}

TEST_F(PatientSearchTest, RefreshWithoutAnAdmissionSendsNothing) {
    search.Admission().Refresh();
    search.PatientMaster().Refresh();
    search.PatientClass().clsOutPatient().Refresh();
    EXPECT_TRUE(server.Sent().empty());
}

TEST_F(PatientSearchTest, ARoomMissingFromTheRegisterKeepsItsIdAndClass) {
    server.On(AdmissionSelect + "'2026000101'").Returns(AdmissionColumns, {AdmissionRow("2026000101")});
    server.On(DoctorSelect + "'D0301'").Returns({"Lastname", "Firstname", "Middlename"}, {});
    server.On(PatientSelect + "'300101'").Returns(PatientColumns, {});
    server.On(RoomSelect + "'SIC-02'").Returns({"RoomID", "RoomRate", "Accomodation", "StationID", "Station"}, {});
    server.On(RoomClassCall + "'SIC-02'").Returns({"RoomClassID"}, {{"C"}});

    ASSERT_TRUE(search.ValidateAdmission("2026000101"));
    EXPECT_EQ(search.Admission().Room.RoomID, "SIC-02");
    EXPECT_EQ(search.Admission().Room.RoomClassID, "C");
    EXPECT_EQ(search.Admission().RoomRate, 0);
    EXPECT_EQ(search.Admission().AttendingDoctor1.Code, "D0301");
    EXPECT_EQ(search.Admission().AttendingDoctor1.CompleteName, "");
    EXPECT_EQ(search.Admission().Patient().HospitalNumber, "300101");
}

TEST_F(PatientSearchTest, ThePatientMasterLoadsOnlyWhenFound) {
    server.On(PatientSelect + "'300101'").Returns(PatientColumns, {PatientRow("300101", "VILLANUEVA")});
    server.On(PatientSelect + "'D''ARCY'").Returns(PatientColumns, {});
    ASSERT_TRUE(search.ValidatePatient(" 300101"));
    EXPECT_EQ(search.PatientMaster().Address.CompleteAddress, "17 BONIFACIO STREET");
    EXPECT_FALSE(search.ValidatePatient("D'ARCY"));
    EXPECT_FALSE(search.PatientMaster().LoadPatient("D'ARCY"));
    EXPECT_EQ(search.PatientMaster().Lastname, "VILLANUEVA");
}

TEST_F(PatientSearchTest, AVisitOpensWithItsDoctorsAndPatient) {
    server.On(VisitSelect + "'2026000102B'")
        .Returns(
            {"IDNum", "HospNum", "AccountNum", "Company", "AdmDate", "DcrDate", "BillingDate", "Age", "AttendingDr1",
             "AttendingDr2", "AttendingDr3", "ChiefComplaint", "Diagnosis1"},
            {{"2026000102B", "300102", "300102", "ACME", Admitted, Null, Null, 38, "D0302", Null, "", "WOUND", Null}});
    server.On(DoctorSelect + "'D0302'")
        .Returns({"Lastname", "Firstname", "Middlename"}, {{"SORIANO ", "MIGUEL", "CRUZ"}});
    server.On(PatientSelect + "'300102'").Returns(PatientColumns, {PatientRow("300102", "MERCADO")});
    server.On(VisitSelect + "'2026000101'").Returns({"IDNum"}, {});

    components::OutPatientObject& visit = search.PatientClass().clsOutPatient();
    EXPECT_FALSE(visit.OpenOutPatient("2026000101", "300101"));
    ASSERT_TRUE(visit.OpenOutPatient("2026000102B ", "300102"));
    EXPECT_EQ(visit.IdNumber, "2026000102B");
    EXPECT_EQ(visit.Account.Company, "ACME");
    EXPECT_EQ(visit.BillingDate, vb::Variant(std::int32_t{0}));
    EXPECT_EQ(visit.Doctor1.CompleteName, "SORIANO, MIGUEL CRUZ");
    EXPECT_EQ(visit.Doctor2.CompleteName, "");
    EXPECT_EQ(visit.OPDHistory.ChiefComplaint, "WOUND");
    EXPECT_EQ(visit.Patient().Lastname, "MERCADO");
    EXPECT_EQ(visit.Patient().Age, vb::Variant(38));
    EXPECT_EQ(search.Admission().IdNumber, "");
}

TEST_F(PatientSearchTest, AVisitValidatedAsAnAdmissionBecomesTheCurrentOne) {
    server.On(VisitSelect + "'2026000102B'")
        .Returns(
            {"IDNum", "HospNum", "AccountNum", "Company", "AdmDate", "DcrDate", "BillingDate", "Age", "AttendingDr1",
             "AttendingDr2", "AttendingDr3", "ChiefComplaint", "Diagnosis1"},
            {{"2026000102B", "300102", "300102", "", Admitted, Null, Null, 38, "D0302", Null, "", "WOUND", "CUT"}});
    server.On(DoctorSelect + "'D0302'")
        .Returns({"Lastname", "Firstname", "Middlename"}, {{"SORIANO ", "MIGUEL", "CRUZ"}});
    server.On(PatientSelect + "'300102'").Returns(PatientColumns, {PatientRow("300102", "MERCADO")});
    server.On(VisitSelect + "'2026000999B'").Returns({"IDNum"}, {});

    const std::size_t mark = server.Mark();
    ASSERT_TRUE(search.ValidateAdmission("2026000102B "));
    EXPECT_EQ(server.Statements(mark).front(), VisitSelect + "'2026000102B'") << "no admission is looked for";
    const components::AdmissionObject& admission = search.Admission();
    EXPECT_EQ(admission.IdNumber, "2026000102B");
    EXPECT_EQ(admission.AdmissionDate, vb::Variant(Admitted));
    EXPECT_EQ(admission.AttendingDoctor1.Code, "D0302");
    EXPECT_EQ(admission.AttendingDoctor1.CompleteName, "SORIANO, MIGUEL CRUZ");
    EXPECT_EQ(admission.History.ChiefComplaint, "WOUND");
    EXPECT_EQ(admission.History.AdmittingDiagnosis, "CUT");
    EXPECT_FALSE(admission.OkeyPH.has_value()) << "a visit has no cash-basis flag";
    EXPECT_EQ(admission.Age, vb::Variant(38));
    EXPECT_EQ(search.Admission().Patient().Lastname, "MERCADO");
    EXPECT_FALSE(search.ValidateAdmission("2026000999B"));
    EXPECT_EQ(search.Admission().IdNumber, "2026000102B") << "a visit not found keeps the current one";
}

struct RoomCase {
    const char* name;
    std::string typed;
    std::optional<std::string> chosen;      // what the nurse picks from the list; nothing: closes it
    std::vector<std::string> listShownWith; // empty: no list
    bool accepted;
    std::string room; // Room afterwards
};

class ValidateRoomTest : public PatientSearchTest, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(ValidateRoomTest, AcceptsARegisteredRoomOrWhatTheListGives) {
    const RoomCase& c = GetParam();
    DeclareRoom("SIC-01", 4500.0);
    DeclareRoom("SIC-05", 5200.0);
    server.On(RoomSelect + "'XYZ'").Returns({"RoomID"}, {});
    ASSERT_TRUE(search.ValidateRoom("SIC-01"));

    roomChosen = c.chosen;
    listShownWith.clear();
    EXPECT_EQ(search.ValidateRoom(c.typed), c.accepted);
    EXPECT_EQ(listShownWith, c.listShownWith);
    EXPECT_EQ(search.Room().RoomID, c.room);
    EXPECT_EQ(search.Room().Station.Code, "SIC");
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, ValidateRoomTest,
    ::testing::Values(RoomCase{"ExactInAnyCase", " sic-05 ", std::nullopt, {}, true, "SIC-05"},
                      RoomCase{"EmptyThenChosen", "", std::string("SIC-05"), {""}, true, "SIC-05"},
                      RoomCase{"UnknownThenClosed", "xyz", std::nullopt, {"xyz"}, false, "SIC-01"},
                      RoomCase{"UnknownThenChosen", "xyz", std::string("SIC-05"), {"xyz"}, true, "SIC-05"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PatientSearchTest, ARoomValidatedIsReadFromTheRegisterWithItsRate) {
    DeclareRoom("SIC-05", 5200.0);
    ASSERT_TRUE(search.ValidateRoom("SIC-05"));
    EXPECT_EQ(search.Room().RoomRate, 5200);
    EXPECT_EQ(search.Room().Station.Description, "SURGICAL INTENSIVE CARE UNIT");
    EXPECT_EQ(search.Room().Accomodation.Description, "ICU BED");
    EXPECT_EQ(search.Room().RoomClassID, "C");
}

const std::string DischargeUpdate =
    "UPDATE PATIENT_DATA..tbPatient SET DcrDate = '01/16/2026 10:05:00 AM', ResultID = 'R1', DispositionID = 'D''1', "
    "DischargedBy = 'N1001', DischargeDoctor = 'D0301' WHERE IDNum = '2026000101' AND DcrDate IS NULL";

bool Discharge(components::PatientSearch& search) {
    return search.Admission().DischargePatient(" 2026000101", "01/16/2026 10:05:00 AM", "R1", "D'1", "N1001", "SIC-02",
                                               "D0301");
}

TEST_F(PatientSearchTest, DischargeIsTrueOnlyWhenExactlyOneAdmissionChanged) {
    server.On(DischargeUpdate).Affects(1);
    server.On(DischargeUpdate).Affects(0);
    EXPECT_TRUE(Discharge(search));
    EXPECT_FALSE(Discharge(search)) << "already discharged";
    EXPECT_TRUE(server.SentExactly({DischargeUpdate, DischargeUpdate}));
}

TEST_F(PatientSearchTest, DischargeOfAnAdmissionRecordedTwiceRaisesSoTheCallerRollsBack) {
    server.On(DischargeUpdate).Affects(2);
    const std::size_t mark = server.Mark();
    server.BeginTrans();
    EXPECT_THROW(Discharge(search), db::DbError);
    server.RollbackTrans();
    EXPECT_TRUE(server.NothingCommitted(mark));
}

TEST_F(PatientSearchTest, DischargeIsUndoneWithTheCallersTransaction) {
    server.On(DischargeUpdate).Affects(1);
    const std::size_t mark = server.Mark();
    server.BeginTrans();
    EXPECT_TRUE(Discharge(search));
    server.RollbackTrans();
    EXPECT_TRUE(server.NothingCommitted(mark));
}

TEST_F(PatientSearchTest, TheOfferedConnectionIsAcceptedAndNeverUsed) {
    ScriptedServer other;
    EXPECT_TRUE(search.InitConnection(other, "MTS"));
    DeclareNoAdmission("2026000101");
    EXPECT_FALSE(search.ValidateAdmission("2026000101"));
    EXPECT_TRUE(other.Sent().empty());
}

TEST(RoomList, MatchesTheTextLiterally) {
    struct Case {
        std::string typed, pattern;
    };
    const std::vector<Case> cases = {
        {"", "'%%'"}, {" sic ", "'%sic%'"}, {"50%", "'%50[%]%'"}, {"A_B[1]", "'%A[_]B[[]1]%'"}, {"O'N", "'%O''N%'"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedServer server;
        const std::string sql = "SELECT R.RoomID, S.Station FROM BUILD_FILE..tbCoRoom R LEFT OUTER JOIN "
                                "Build_file..tbCoStation S ON S.StationID = R.StationID WHERE R.RoomID LIKE " +
                                c.pattern + " OR S.Station LIKE " + c.pattern + " ORDER BY R.RoomID";
        server.On(sql).Returns({"RoomID", "Station"}, {{"SIC-01 ", Null}});
        const std::vector<components::records::RoomListEntry> rooms =
            components::records::ReadRoomList(server, c.typed);
        ASSERT_EQ(rooms.size(), 1u);
        EXPECT_EQ(rooms[0].RoomID, "SIC-01");
        EXPECT_EQ(rooms[0].Station, "");
    }
}

} // namespace
