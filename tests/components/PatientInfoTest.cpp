#include "OwnComponentsWorld.h"
#include "PatientColumns.h"
#include "components/OwnComponents.h"
#include "components/PatientInfoComponent.h"
#include "components/PatientSearchComponent.h"
#include "components/frmPickList.h"
#include "platform/forms/FormsContext.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using patientcolumns::AdmissionColumns;
using patientcolumns::PatientColumns;
using ::testing::IsEmpty;
using testkit::ScriptedServer;

const vb::Variant Null = vb::Variant::Null();

// Both objects made as the program makes them, on one connection.
template <class Server> struct Components : componentstest::OwnComponentsWorld<Server> {
    Components() {
        search = this->factory.template Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
        info = this->factory.template Create<components::PatientInfoComponent>("Quosset.Patient");
    }
    std::unique_ptr<components::PatientSearchComponent> search;
    std::unique_ptr<components::PatientInfoComponent> info;
};

void DeclareAdmission(ScriptedServer& server, const std::string& idNum, vb::Variant age) {
    testkit::Row row(AdmissionColumns.size(), Null);
    row[0] = idNum;
    row[1] = "300101";
    row[7] = age;
    row[9] = "SIC-02";
    row[10] = "D0301";
    server.OnPattern("SELECT A.IDNum, {?} WHERE A.IDNum = '" + idNum + "'").Returns(AdmissionColumns, {row});
    server.OnPattern("SELECT Lastname, {?} WHERE DoctorID = 'D0301'")
        .Returns({"Lastname", "Firstname", "Middlename"}, {{"NAVARRO", "TERESA", "LOPEZ"}});
    testkit::Row patient = {"300101", "VILLANUEVA ", "ROBERTO", Null, "M"};
    patient.resize(17, Null);
    server.OnPattern("SELECT HospNum, {?} WHERE HospNum = '300101'").Returns(PatientColumns, {patient});
    server.OnPattern("SELECT R.RoomID, R.RoomRate, {?} WHERE UPPER(R.RoomID) = 'SIC-02'")
        .Returns({"RoomID", "RoomRate", "Accomodation", "StationID", "Station"},
                 {{"SIC-02", 4500.0, "ICU BED", "SIC", Null}});
    server.On("STATION..sp_Nurse_Get_RoomClassification 'SIC-02'").Returns({"RoomClassID"}, {{"C"}});
}

TEST(PatientInfo, DescribesTheAdmissionFoundWithNullsAsEmptyTexts) {
    Components<ScriptedServer> test;
    EXPECT_TRUE(test.info->InitConnect("DSN=WARD;PWD=secret"));
    DeclareAdmission(test.server, "2026000101", Null);
    ASSERT_TRUE(test.info->LoadInfo(" 2026000101 "));
    EXPECT_EQ(test.info->AdmissionNumber(), "2026000101");
    EXPECT_EQ(test.info->HospitalNumber(), "300101");
    EXPECT_EQ(test.info->PatientName(), "VILLANUEVA, ROBERTO");
    EXPECT_EQ(test.info->Doctor(), "NAVARRO, TERESA LOPEZ");
    EXPECT_EQ(test.info->RoomNumber(), "SIC-02");
    EXPECT_EQ(test.info->Room(), "ICU BED");
    EXPECT_EQ(test.info->StationID(), "SIC");
    EXPECT_EQ(test.info->Station(), "");
    EXPECT_EQ(test.info->Age(), vb::Variant(""));
    EXPECT_EQ(test.info->Sex(), "M");
}

TEST(PatientInfo, AnAdmissionNotFoundEmptiesEveryMember) {
    Components<ScriptedServer> test;
    DeclareAdmission(test.server, "2026000101", 68);
    ASSERT_TRUE(test.info->LoadInfo("2026000101"));
    test.server.OnPattern("SELECT A.IDNum, {?} WHERE A.IDNum = 'NOBODY'").Returns(AdmissionColumns, {});
    EXPECT_FALSE(test.info->LoadInfo("NOBODY"));
    for (const std::string& member :
         {test.info->AdmissionNumber(), test.info->HospitalNumber(), test.info->StationID(), test.info->Station(),
          test.info->PatientName(), test.info->Doctor(), test.info->RoomNumber(), test.info->Room(), test.info->Sex()})
        EXPECT_EQ(member, "");
    EXPECT_EQ(test.info->Age(), vb::Variant(""));
}

TEST(PatientInfo, LeavesThePatientSearchsAdmissionWhereItWas) {
    Components<ScriptedServer> test;
    DeclareAdmission(test.server, "2026000101", 68);
    DeclareAdmission(test.server, "2026000150", 41);
    ASSERT_TRUE(test.search->ValidateAdmission("2026000101"));
    ASSERT_TRUE(test.info->LoadInfo("2026000150"));
    EXPECT_EQ(test.search->Admission().IdNumber, "2026000101");
    EXPECT_EQ(test.search->Admission().Age, vb::Variant(68));
    EXPECT_EQ(test.info->Age(), vb::Variant(41));
}

// Every member the ward calls, on the sample ward's server, finds its answers there.
TEST(PatientComponentsOnTheSampleWard, EveryMemberIsAnswered) {
    Components<sampleward::SampleServer> test;
    sampleward::DeclareSampleWard(test.server);
    components::PatientSearchComponent& search = *test.search;
    ASSERT_TRUE(search.ValidateAdmission(sampleward::InPatientIdNum));
    EXPECT_EQ(search.Admission().Patient().Lastname, "VILLANUEVA");
    EXPECT_EQ(search.Admission().AttendingDoctor1.CompleteName, "NAVARRO, TERESA LOPEZ");
    EXPECT_EQ(search.Admission().Room.RoomClassID, "C");
    search.Admission().Refresh();
    search.Admission().Patient().Refresh();
    EXPECT_TRUE(search.ValidatePatient(sampleward::OutPatientHospNum));
    EXPECT_TRUE(search.PatientMaster().LoadPatient(sampleward::InPatientHospNum));
    components::OutPatientObject& visit = search.PatientClass().clsOutPatient();
    EXPECT_TRUE(visit.OpenOutPatient(sampleward::OutPatientIdNum, sampleward::OutPatientHospNum));
    EXPECT_EQ(visit.Patient().FirstName, "ISABEL");
    visit.Refresh();
    EXPECT_TRUE(search.ValidateRoom("sic-04"));
    EXPECT_EQ(search.Room().RoomID, "SIC-04");
    EXPECT_TRUE(search.Admission().DischargePatient(sampleward::InPatientIdNum, "01/16/2026 10:05:00 AM", "R1", "D1",
                                                    "N1001", "SIC-02", "D0301"));
    EXPECT_TRUE(test.info->InitConnect(test.server.ConnectionString()));
    EXPECT_TRUE(test.info->LoadInfo(sampleward::InPatientIdNum));
    EXPECT_EQ(test.info->Station(), sampleward::StationName);
    EXPECT_THAT(test.server.Unanswered(), IsEmpty());
}

// An empty text lists every room and the nurse's choice is taken; an unknown one lists what holds it, and closing the
// list keeps the room validated before.
TEST(PatientSearchRoomList, ChoosingTakesTheRoomAndClosingKeepsThePreviousOne) {
    Components<sampleward::SampleServer> test;
    sampleward::DeclareSampleWard(test.server);
    test.host.OnModal<components::frmPickList>([](components::frmPickList& list) {
        EXPECT_EQ(list.Caption(), "Rooms");
        EXPECT_EQ(list.txtSearch.Text(), "");
        ASSERT_EQ(list.lvwList.ListItemCount(), 6);
        EXPECT_EQ(list.lvwList.ListItems(3).Text(), "SIC-03");
        testkit::DoubleClickListItem(list.lvwList, 3);
    });
    ASSERT_TRUE(test.search->ValidateRoom(""));
    EXPECT_EQ(test.search->Room().RoomID, "SIC-03");
    EXPECT_EQ(test.search->Room().RoomRate, 4500);

    test.host.OnModal<components::frmPickList>([](components::frmPickList& list) {
        EXPECT_EQ(list.txtSearch.Text(), "XYZ");
        EXPECT_EQ(list.lvwList.ListItemCount(), 0);
        testkit::PressKey(list.txtSearch, forms::vbKeyEscape);
    });
    EXPECT_FALSE(test.search->ValidateRoom("XYZ"));
    EXPECT_EQ(test.search->Room().RoomID, "SIC-03");
    EXPECT_THAT(test.server.Unanswered(), IsEmpty());
}

} // namespace
