#include "sampleward/SampleComponents.h"
#include "components/ComponentFactory.h"
#include "platform/vb/Strings.h"

#include <gtest/gtest.h>

namespace {

using namespace sampleward;

TEST(SampleComponents, EveryIdentifierTheStartUpCreatesIsRegisteredButTheLogIn) {
    components::ComponentFactory factory;
    RegisterSampleComponents(factory);
    for (const char* progId :
         {"Selkarn.clsListGeneric", "Yarrowin.clsListDrugs", "Ulvexa.clsPatientSearch", "Tembloc.clsDrug",
          "Ostenay.Labresultviewer", "Kappoch.KeyPress", "Gorvath.ICDCodeSearch", "Virselto.clsRequest",
          "Virselto.clsResults", "Mibrault.clsChargeSlip", "Tondrel.clsIssuedMedicines",
          "Virselto.clsConfinementResults", "Virselto.clsConfinement", "Quosset.Patient"}) {
        SCOPED_TRACE(progId);
        EXPECT_NE(factory.CreateObject(progId), nullptr);
    }
    EXPECT_FALSE(factory.IsRegistered("Zentari_User.clsCurrentuser"));
    EXPECT_NE(factory.Create<components::DrugListComponent>("Selkarn.clsListGeneric"), nullptr);
    EXPECT_NE(factory.Create<components::ConfinementComponent>("Virselto.clsConfinement"), nullptr);
}

TEST(SampleComponents, TheKeyFilterUpperCasesLettersAndTellsDigits) {
    struct Case {
        int key, upper;
        bool digit;
    };
    const std::vector<Case> cases = {
        {'a', 'A', false}, {'z', 'Z', false}, {'A', 'A', false},   {'0', '0', true},
        {'9', '9', true},  {'/', '/', false}, {':', ':', false},   {0, 0, false},
        {8, 8, false},     {13, 13, false},   {0xF1, 0xD1, false}, // n with tilde, in the workstation's code page
    };
    SampleKeyFilter filter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const auto key = static_cast<std::int16_t>(c.key);
        EXPECT_EQ(filter.AllUppers(key), c.upper);
        EXPECT_EQ(filter.IsNumber(key), c.digit);
    }
}

TEST(SampleComponents, ThePatientSearchKnowsTheSampleAdmissions) {
    SamplePatientSearch search;
    ASSERT_TRUE(search.ValidateAdmission(InPatientIdNum));
    EXPECT_EQ(search.Admission().HospitalNumber, InPatientHospNum);
    EXPECT_EQ(search.Admission().Room.RoomID, "SIC-02");
    EXPECT_EQ(search.Admission().Patient().Lastname, "VILLANUEVA");
    EXPECT_EQ(search.Admission().OkeyPH, true);

    EXPECT_FALSE(search.ValidateAdmission("2026999999"));
    EXPECT_EQ(search.Admission().IdNumber, InPatientIdNum);

    ASSERT_TRUE(search.ValidatePatient(OutPatientHospNum));
    EXPECT_EQ(search.PatientMaster().Lastname, "MERCADO");
    components::OutPatientObject& visit = search.PatientClass().clsOutPatient();
    EXPECT_FALSE(visit.OpenOutPatient(InPatientIdNum, InPatientHospNum));
    ASSERT_TRUE(visit.OpenOutPatient(OutPatientIdNum, OutPatientHospNum));
    EXPECT_EQ(visit.Patient().FirstName, "ISABEL");

    EXPECT_TRUE(search.ValidateRoom("sic-04"));
    EXPECT_EQ(search.Room().RoomID, "SIC-04");
    EXPECT_FALSE(search.ValidateRoom(""));
}

TEST(SampleComponents, ThePatientInfoObjectDescribesASampleAdmission) {
    SamplePatientInfo info;
    EXPECT_FALSE(info.LoadInfo("2026999999"));
    ASSERT_TRUE(info.LoadInfo(InPatientIdNum));
    EXPECT_EQ(info.PatientName(), "VILLANUEVA, ROBERTO SALAZAR");
    EXPECT_EQ(info.RoomNumber(), "SIC-02");
    EXPECT_EQ(info.StationID(), StationID);
}

TEST(SampleComponents, TheListsHandBackEmptyRecordsetsWithTheirFields) {
    components::ComponentFactory factory;
    RegisterSampleComponents(factory);
    auto requests = factory.Create<components::RequestListComponent>("Virselto.clsRequest");
    db::Recordset vitals = requests->GetRequests("SAMPLE WARD", InPatientIdNum, "4");
    EXPECT_TRUE(vitals.Eof());
    EXPECT_NO_THROW(vitals.Close());
    auto drug = factory.Create<components::DrugComponent>("Tembloc.clsDrug");
    EXPECT_FALSE(drug->Drug().SearchDrug("PARA500", std::string("20")));
    EXPECT_EQ(drug->Drug().ListPostedDrugs(InPatientIdNum, 2).RecordCount(), 0);
}

} // namespace
