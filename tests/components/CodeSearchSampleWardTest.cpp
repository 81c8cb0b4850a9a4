#include "components/CodeSearch.h"
#include "components/OwnComponents.h"
#include "components/frmPickList.h"
#include "platform/forms/FormsContext.h"
#include "sampleward/SampleWard.h"
#include "testkit/ScriptedHost.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using components::frmPickList;

// Every list of the code search on the sample ward: the whole list shows rows and the nurse takes the first, and a
// code the list holds is taken at once, with no statement left unanswered.
TEST(CodeSearchOnTheSampleWard, EveryListShowsRowsAndEveryStatementIsAnswered) {
    struct Case {
        int kind;
        const char* code;
    };
    const Case cases[] = {{1, "1021"},  {6, "02"},    {10, "SIC"},  {14, "0301"}, {16, "BID"},
                          {17, "0401"}, {18, "CBC"},  {20, "0501"}, {21, "0412"}, {23, "0701"},
                          {25, "0801"}, {27, "0201"}, {29, "0101"}};
    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    components::ComponentFactory factory;
    components::RegisterOwnComponents(factory, {context, [&]() -> db::Connection& { return *server; }});
    auto search = factory.Create<components::CodeSearchComponent>("Bramwit.clsCodeSearch");
    search->SetOtherSectionID("OR");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        host.OnModal<frmPickList>([](frmPickList& list) {
            EXPECT_GT(list.lvwList.ListItemCount(), 0);
            testkit::PressKey(list.txtSearch, forms::vbKeyReturn);
        });
        EXPECT_TRUE(search->SearchListing("", c.kind));
        EXPECT_TRUE(search->SearchListing(c.code, c.kind));
    }
    EXPECT_EQ(search->DoctorRecord().Lastname, "SANTOS");
    EXPECT_EQ(search->LabExamRecord().LabSectionID, "HEM");
    EXPECT_THAT(server->Unanswered(), testing::IsEmpty());
}

} // namespace
