#include "components/ChargeSlipListComponent.h"
#include "components/ICDSearchComponent.h"
#include "components/KeyFilterComponent.h"
#include "components/OwnComponents.h"
#include "platform/forms/FormsContext.h"
#include "sampleward/SampleServer.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

// The program's registration on the sample ward: every member of the key filter, the ICD search and the charge-slip
// list works on what the program gives them and leaves the sample server nothing it cannot answer.
TEST(SmallComponents, AreMadeByTheProgramsRegistrationAndWorkOnTheSampleWard) {
    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {context, [&server]() -> db::Connection& { return *server; }});

    auto keys = factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
    EXPECT_NE(factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress"), keys);
    EXPECT_EQ(keys->AllUppers('q'), 'Q');
    EXPECT_TRUE(keys->IsNumber('5'));

    auto icd = factory.Create<components::ICDSearchComponent>("Gorvath.ICDCodeSearch");
    icd->SetActiveConnection(*server);
    host.ExpectMsgBox("ICD code search is not available in this program.").Title("ICD Code Search");
    icd->ValidateICDCode();

    auto slips = factory.Create<components::ChargeSlipListComponent>("Mibrault.clsChargeSlip");
    EXPECT_TRUE(slips->InitConnection(server->ConnectionString()));

    EXPECT_THAT(server->Unanswered(), testing::IsEmpty());
}

} // namespace
