#include "sampleward/SampleComponents.h"
#include "components/ComponentFactory.h"
#include "platform/vb/Strings.h"

#include <gtest/gtest.h>

namespace {

using namespace sampleward;

TEST(SampleComponents, EveryIdentifierTheStartUpCreatesWithoutAComponentOfOurOwnIsRegistered) {
    components::ComponentFactory factory;
    RegisterSampleComponents(factory);
    for (const char* progId :
         {"Selkarn.clsListGeneric", "Yarrowin.clsListDrugs", "Tembloc.clsDrug", "Ostenay.Labresultviewer"}) {
        SCOPED_TRACE(progId);
        EXPECT_NE(factory.CreateObject(progId), nullptr);
    }
    for (const char* progId :
         {"Zentari_User.clsCurrentuser", "Kappoch.KeyPress", "Gorvath.ICDCodeSearch", "Mibrault.clsChargeSlip",
          "Ulvexa.clsPatientSearch", "Quosset.Patient", "Bramwit.clsCodeSearch", "Virselto.clsRequest",
          "Virselto.clsResults", "Virselto.clsConfinement", "Virselto.clsConfinementResults",
          "Tondrel.clsIssuedMedicines"}) {
        SCOPED_TRACE(progId);
        EXPECT_FALSE(factory.IsRegistered(progId));
    }
    EXPECT_NE(factory.Create<components::DrugListComponent>("Selkarn.clsListGeneric"), nullptr);
}

TEST(SampleComponents, TheListsHandBackEmptyRecordsetsWithTheirFields) {
    components::ComponentFactory factory;
    RegisterSampleComponents(factory);
    auto drug = factory.Create<components::DrugComponent>("Tembloc.clsDrug");
    EXPECT_FALSE(drug->Drug().SearchDrug("PARA500", std::string("20")));
    EXPECT_EQ(drug->Drug().ListPostedDrugs(InPatientIdNum, 2).RecordCount(), 0);
}

} // namespace
