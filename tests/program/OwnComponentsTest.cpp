#include "components/OwnComponents.h"
#include "components/DrugListComponent.h"
#include "platform/forms/FormsContext.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"

#include <gtest/gtest.h>

namespace {

// Every component the start-up creates, but the log-in component, is ours: the generic drug list as well as the
// brand one, so the start-up finds its list whichever the hospital's ByGeneric says.
TEST(OwnComponents, EveryIdentifierTheStartUpCreatesIsOurs) {
    testkit::ScriptedHost host;
    forms::FormsContext forms(host);
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {forms, [&server]() -> db::Connection& { return *server; }});
    for (const char* progId :
         {"Selkarn.clsListGeneric", "Yarrowin.clsListDrugs", "Ulvexa.clsPatientSearch", "Tembloc.clsDrug",
          "Ostenay.Labresultviewer", "Kappoch.KeyPress", "Bramwit.clsCodeSearch", "Gorvath.ICDCodeSearch",
          "Virselto.clsRequest", "Virselto.clsResults", "Mibrault.clsChargeSlip", "Tondrel.clsIssuedMedicines",
          "Virselto.clsConfinementResults", "Virselto.clsConfinement", "Quosset.Patient"}) {
        SCOPED_TRACE(progId);
        EXPECT_NE(factory.CreateObject(progId), nullptr);
    }
    for (const char* list : {"Selkarn.clsListGeneric", "Yarrowin.clsListDrugs"})
        EXPECT_NE(factory.Create<components::DrugListComponent>(list), nullptr);
    EXPECT_TRUE(server->Unanswered().empty());
}

} // namespace
