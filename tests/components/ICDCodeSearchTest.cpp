#include "components/ICDCodeSearch.h"
#include "platform/forms/FormsContext.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

TEST(ICDCodeSearch, SaysThatThereIsNoSearchAndSendsNothing) {
    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    testkit::ScriptedServer server;
    components::ICDCodeSearch search{context};
    search.SetActiveConnection(server);
    host.ExpectMsgBox("ICD code search is not available in this program.")
        .Title("ICD Code Search")
        .Buttons(forms::vbOKOnly | forms::vbInformation);
    search.ValidateICDCode();
    EXPECT_EQ(host.MessageBoxes().size(), 1u);
    EXPECT_TRUE(server.Sent().empty());
}

} // namespace
