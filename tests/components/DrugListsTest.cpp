#include "components/DrugListComponent.h"
#include "components/OwnComponents.h"
#include "components/frmPickList.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormsContext.h"
#include "testkit/ScriptedHost.h"
#include "testkit/ScriptedServer.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

namespace {

using components::frmPickList;
using vb::Variant;

std::string ItemsAt(const std::string& location, const std::string& pattern) {
    return "SELECT m.ItemID, m.ItemName FROM INVENTORY..tbInvMaster m JOIN INVENTORY..tbInvLocationStock s ON "
           "s.ItemID = m.ItemID AND s.LocationID = '" +
           location + "' WHERE m.Status = 'A'" +
           (pattern.empty() ? "" : " AND (m.ItemID LIKE " + pattern + " OR m.ItemName LIKE " + pattern + ")") +
           " ORDER BY m.ItemName";
}

class DrugListsTest : public ::testing::Test {
protected:
    DrugListsTest() {
        components::RegisterOwnComponents(factory, {context, [this]() -> db::Connection& { return server; }});
        drugs = factory.Create<components::DrugListComponent>("Yarrowin.clsListDrugs");
        generics = factory.Create<components::DrugListComponent>("Selkarn.clsListGeneric");
    }
    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    testkit::ScriptedServer server;
    components::ComponentFactory factory;
    std::unique_ptr<components::DrugListComponent> drugs;
    std::unique_ptr<components::DrugListComponent> generics;
};

TEST_F(DrugListsTest, TheLocationDecidesWhatIsListedAndTheChoiceIsReturned) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> location;
        std::string statement;
    };
    const Case cases[] = {
        {"no location is the pharmacy", " PA ", std::nullopt, ItemsAt("20", "'PA%'")},
        {"central supply", "GA", std::string("21"), ItemsAt("21", "'GA%'")},
        {"an apostrophe and a percent sign", "O'10%", std::string("20"), ItemsAt("20", "'O''10[%]%'")},
        {"no text", "", std::string("20"), ItemsAt("20", "")},
    };
    drugs->SetDrugsOrCSR(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.On(c.statement).Returns({"ItemID", "ItemName"}, {{Variant("PARA500"), Variant("PARACETAMOL")}});
        const std::size_t mark = server.Mark();
        host.OnModal<frmPickList>([](frmPickList& list) {
            ASSERT_EQ(list.lvwList.ListItemCount(), 1);
            testkit::DoubleClickListItem(list.lvwList, 1);
        });
        EXPECT_EQ(drugs->ShowList(c.text, false, c.location), "PARA500");
        EXPECT_TRUE(server.SentExactly({c.statement}, mark));
    }
}

TEST_F(DrugListsTest, ClosingWithoutAChoiceReturnsNothing) {
    server.On(ItemsAt("20", "'PA%'")).Returns({"ItemID", "ItemName"}, {{Variant("PARA500"), Variant("PARACETAMOL")}});
    host.OnModal<frmPickList>([](frmPickList& list) { testkit::PressKey(list.txtSearch, forms::vbKeyEscape); });
    EXPECT_EQ(drugs->ShowList("PA", false), "");
}

TEST_F(DrugListsTest, TheEntryControlsTextIsSearchedAndTypingListsAgain) {
    forms::Form owner(context);
    forms::TextBox entry(owner, "txtEntry");
    entry.SetText("AM");
    server.On(ItemsAt("20", "'AM%'")).Returns({"ItemID", "ItemName"}, {});
    server.On(ItemsAt("20", "'AMO%'")).Returns({"ItemID", "ItemName"}, {{Variant("AMOX500"), Variant("AMOXICILLIN")}});
    host.OnModal<frmPickList>([](frmPickList& list) {
        EXPECT_EQ(list.txtSearch.Text(), "AM");
        testkit::Type(list.txtSearch, "O");
        testkit::PressKey(list.txtSearch, forms::vbKeyReturn);
    });
    EXPECT_EQ(drugs->ShowList(entry, false, std::string("20")), "AMOX500");
}

TEST_F(DrugListsTest, TheGenericListSearchesCodesAndNames) {
    const std::string statement = "SELECT GenericID, GenericName FROM INVENTORY..tbInvGeneric WHERE (GenericID LIKE "
                                  "'PAR%' OR GenericName LIKE 'PAR%') ORDER BY GenericName";
    server.On(statement).Returns({"GenericID", "GenericName"}, {{Variant("PCM"), Variant("PARACETAMOL")}});
    host.OnModal<frmPickList>([](frmPickList& list) { testkit::PressKey(list.txtSearch, forms::vbKeyReturn); });
    EXPECT_EQ(generics->ShowList("PAR", false), "PCM");
    EXPECT_TRUE(server.SentExactly({statement}));
}

} // namespace
