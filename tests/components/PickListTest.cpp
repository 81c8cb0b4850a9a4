#include "components/frmPickList.h"
#include "platform/db/DbError.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/LayoutCheck.h"
#include "testkit/ScriptedHost.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

namespace {

using components::frmPickList;
using components::PickedRow;

const std::vector<PickedRow> kDoctors = {{"D01", "ABAD, ANA"}, {"D02", "ABELLA, BEN"}, {"D03", "CRUZ, CARL"}};

class PickListTest : public ::testing::Test {
protected:
    // Answers the rows whose name starts with the text, and remembers every text asked.
    std::vector<PickedRow> Doctors(const std::string& text) {
        asked.push_back(text);
        std::vector<PickedRow> found;
        for (const PickedRow& row : kDoctors)
            if (row.Name.rfind(text, 0) == 0)
                found.push_back(row);
        return found;
    }
    std::optional<PickedRow> Show(const std::string& text) {
        return components::ShowPickList(context, "Doctors", text, [this](const std::string& t) { return Doctors(t); });
    }

    testkit::ScriptedHost host;
    forms::FormsContext context{host};
    std::vector<std::string> asked;
};

TEST_F(PickListTest, OpensWithTheCaptionTheTextAndItsRowsAndEnterChoosesTheFirst) {
    host.OnModal<frmPickList>([](frmPickList& list) {
        EXPECT_EQ(list.Caption(), "Doctors");
        EXPECT_EQ(list.txtSearch.Text(), "AB");
        ASSERT_EQ(list.lvwList.ListItemCount(), 2);
        EXPECT_EQ(list.lvwList.ListItems(2).Text(), "D02");
        EXPECT_EQ(list.lvwList.ListItems(2).SubItems(1), "ABELLA, BEN");
        testkit::PressKey(list.txtSearch, forms::vbKeyReturn);
    });
    EXPECT_EQ(Show("AB"), (PickedRow{"D01", "ABAD, ANA"}));
    EXPECT_EQ(asked, std::vector<std::string>{"AB"});
}

TEST_F(PickListTest, EditingTheTextListsAgainAndADoubleClickChooses) {
    host.OnModal<frmPickList>([](frmPickList& list) {
        testkit::Type(list.txtSearch, "C");
        ASSERT_EQ(list.lvwList.ListItemCount(), 1);
        testkit::DoubleClickListItem(list.lvwList, 1);
    });
    EXPECT_EQ(Show(""), (PickedRow{"D03", "CRUZ, CARL"}));
    EXPECT_EQ(asked, (std::vector<std::string>{"", "C"}));
}

TEST_F(PickListTest, ArrowDownThenEnterChoosesTheSelectedRow) {
    host.OnModal<frmPickList>([](frmPickList& list) {
        testkit::PressKey(list.lvwList, forms::vbKeyDown);
        testkit::PressKey(list.lvwList, forms::vbKeyReturn);
    });
    EXPECT_EQ(Show(""), (PickedRow{"D02", "ABELLA, BEN"}));
}

TEST_F(PickListTest, EscapeAndTheCloseBoxChooseNothing) {
    host.OnModal<frmPickList>([](frmPickList& list) { testkit::PressKey(list.txtSearch, forms::vbKeyEscape); });
    EXPECT_EQ(Show(""), std::nullopt);
    host.OnModal<frmPickList>([](frmPickList& list) { EXPECT_TRUE(testkit::CloseWindow(list)); });
    EXPECT_EQ(Show(""), std::nullopt);
}

TEST_F(PickListTest, WithNoRowsEnterKeepsTheListOpen) {
    host.OnModal<frmPickList>([](frmPickList& list) {
        EXPECT_EQ(list.lvwList.ListItemCount(), 0);
        testkit::PressKey(list.txtSearch, forms::vbKeyReturn);
        EXPECT_TRUE(list.IsLoaded());
        testkit::PressKey(list.txtSearch, forms::vbKeyEscape);
    });
    EXPECT_EQ(Show("ZZ"), std::nullopt);
}

TEST_F(PickListTest, AFailingFirstReadReachesTheCallerWithoutAWindow) {
    auto failing = [](const std::string&) -> std::vector<PickedRow> { throw db::DbError(-2, "Timeout expired"); };
    EXPECT_THROW(components::ShowPickList(context, "Doctors", "", failing), db::DbError);
    EXPECT_TRUE(host.ModalShows().empty());
}

TEST_F(PickListTest, HasNoOverlappingControls) {
    auto list = std::make_shared<frmPickList>(context);
    list->Create();
    EXPECT_EQ(forms::FindOverlaps(*list), std::vector<std::string>{});
}

} // namespace
