#include "sampleward/SampleComponents.h"
#include "components/ComponentFactory.h"
#include "platform/vb/Strings.h"

#include <gtest/gtest.h>

namespace {

using namespace sampleward;

TEST(SampleComponents, EveryIdentifierTheStartUpCreatesWithoutAComponentOfOurOwnIsRegistered) {
    components::ComponentFactory factory;
    RegisterSampleComponents(factory);
    for (const char* progId : {"Virselto.clsRequest", "Virselto.clsResults", "Tondrel.clsIssuedMedicines",
                               "Virselto.clsConfinementResults", "Virselto.clsConfinement"}) {
        SCOPED_TRACE(progId);
        EXPECT_NE(factory.CreateObject(progId), nullptr);
    }
    for (const char* progId :
         {"Zentari_User.clsCurrentuser", "Kappoch.KeyPress", "Gorvath.ICDCodeSearch", "Mibrault.clsChargeSlip",
          "Ulvexa.clsPatientSearch", "Quosset.Patient", "Bramwit.clsCodeSearch", "Ostenay.Labresultviewer",
          "Selkarn.clsListGeneric", "Yarrowin.clsListDrugs", "Tembloc.clsDrug"}) {
        SCOPED_TRACE(progId);
        EXPECT_FALSE(factory.IsRegistered(progId));
    }
    EXPECT_NE(factory.Create<components::ConfinementComponent>("Virselto.clsConfinement"), nullptr);
}

TEST(SampleComponents, TheListsHandBackEmptyRecordsetsWithTheirFields) {
    components::ComponentFactory factory;
    RegisterSampleComponents(factory);
    auto requests = factory.Create<components::RequestListComponent>("Virselto.clsRequest");
    db::Recordset vitals = requests->GetRequests("SAMPLE WARD", InPatientIdNum, "4");
    EXPECT_TRUE(vitals.Eof());
    EXPECT_NO_THROW(vitals.Close());
}

} // namespace
