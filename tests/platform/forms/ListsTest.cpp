#include "platform/forms/Lists.h"
#include "TestWindows.h"
#include "platform/forms/ListView.h"
#include "platform/vb/VbError.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

// A quick list with a tick on each line, a plain list, a shift combo and a department list view.
class frmLists : public Form {
public:
    explicit frmLists(TestApp& app) : Form(app.Forms), log(app.log) {
        lstExams.ItemCheck = [this](int Item) { log.push_back("lstExams_ItemCheck " + std::to_string(Item)); };
        lstExams.Click = [this] { log.push_back("lstExams_Click " + std::to_string(lstExams.ListIndex())); };
        lstPlain.Click = [this] { log.push_back("lstPlain_Click " + lstPlain.Text()); };
        lstPlain.DblClick = [this] { log.push_back("lstPlain_DblClick " + lstPlain.Text()); };
        cboShift.Click = [this] { log.push_back("cboShift_Click " + cboShift.Text()); };
        cboShift.Change = [this] { log.push_back("cboShift_Change " + cboShift.Text()); };
        lvwDepartments.ItemClick = [this](ListItem& Item) { log.push_back("ItemClick " + Item.Text()); };
    }
    ListBox lstExams{*this, "lstExams"};
    ListBox lstPlain{*this, "lstPlain"};
    ComboBox cboShift{*this, "cboShift"};
    ListView lvwDepartments{*this, "lvwDepartments"};

private:
    void Design() override {
        SetInnerSize(6000, 5000);
        lstExams.SetStyle(vbListBoxCheckbox);
        lstExams.SetSorted(true);
        Layout(*this).Full(lstExams, 1200).Full(lstPlain, 1200).Full(cboShift).Full(lvwDepartments, 1200);
    }
    std::vector<std::string>& log;
};

class ListsTest : public ::testing::Test {
protected:
    TestApp app;
    frmLists& form = app.Forms.Get<frmLists>();
};

} // namespace

TEST_F(ListsTest, TickingACheckBoxLineRaisesItemCheckThenClickByTheUserAndByCode) {
    for (const char* exam : {"CBC", "URINALYSIS", "FBS"})
        form.lstExams.AddItem(exam);
    form.Show();
    testkit::ClickListLine(form.lstExams, 2);
    form.lstExams.SetSelected(0, true);
    form.lstExams.SetSelected(0, true);
    testkit::ClickListLine(form.lstExams, 2);
    EXPECT_THAT(app.log, ElementsAre("lstExams_ItemCheck 2", "lstExams_Click 2", "lstExams_ItemCheck 0",
                                     "lstExams_Click 2", "lstExams_ItemCheck 2", "lstExams_Click 2"));
    EXPECT_TRUE(form.lstExams.Selected(0));
    EXPECT_FALSE(form.lstExams.Selected(2));
    EXPECT_EQ(form.lstExams.SelCount(), 1);
    EXPECT_EQ(form.lstExams.ListIndex(), 2) << "a tick by code does not move the chosen line";
}

TEST_F(ListsTest, ALineRemovedAndAddedAgainComesBackUntickedAtItsSortedPlace) {
    for (const char* exam : {"URINALYSIS", "cbc", "FBS", "ALBUMIN"})
        form.lstExams.AddItem(exam);
    EXPECT_EQ(form.lstExams.List(0), "ALBUMIN");
    EXPECT_EQ(form.lstExams.List(1), "cbc") << "sorting ignores case";
    form.lstExams.SetItemData(2, 42);
    form.lstExams.SetSelected(2, true);
    form.lstExams.SetListIndex(3);
    form.lstExams.RemoveItem(2);
    EXPECT_EQ(form.lstExams.ListIndex(), 2) << "the chosen line keeps its text";
    form.lstExams.AddItem("FBS");
    EXPECT_EQ(form.lstExams.NewIndex(), 2);
    EXPECT_EQ(form.lstExams.List(2), "FBS");
    EXPECT_FALSE(form.lstExams.Selected(2));
    EXPECT_EQ(form.lstExams.ItemData(2), 0);
    EXPECT_EQ(form.lstExams.List(form.lstExams.ListIndex()), "URINALYSIS");
}

TEST_F(ListsTest, LinesAddedAtOnceStandWhereOneAfterAnotherWouldPutThem) {
    const std::vector<std::string> batch = {"urinalysis", "Cbc", "CBC", "Albumin", "cbc", "Zinc"};
    for (bool sorted : {true, false}) {
        auto oneForm = app.Forms.New<frmLists>();
        auto allForm = app.Forms.New<frmLists>();
        frmLists& one = *oneForm;
        frmLists& all = *allForm;
        for (ListBox* list : {&one.lstPlain, &all.lstPlain}) {
            list->SetSorted(sorted);
            list->AddItem("Potassium");
            list->AddItem("Blood sugar");
            list->SetListIndex(1);
        }
        for (const std::string& line : batch)
            one.lstPlain.AddItem(line);
        all.lstPlain.AddItems(batch);
        std::vector<std::string> oneByOne, atOnce;
        for (int i = 0; i < one.lstPlain.ListCount(); ++i) {
            oneByOne.push_back(one.lstPlain.List(i));
            atOnce.push_back(all.lstPlain.List(i));
        }
        EXPECT_EQ(atOnce, oneByOne) << (sorted ? "sorted" : "unsorted");
        EXPECT_EQ(all.lstPlain.NewIndex(), one.lstPlain.NewIndex()) << (sorted ? "sorted" : "unsorted");
        EXPECT_EQ(all.lstPlain.Text(), one.lstPlain.Text()) << "the chosen line stays chosen";
        EXPECT_EQ(all.lstPlain.ListIndex(), one.lstPlain.ListIndex());
    }
}

TEST_F(ListsTest, APlainListRaisesClickWhenCodeChoosesALine) {
    form.lstPlain.AddItem("DAY");
    form.lstPlain.AddItem("NIGHT");
    form.lstPlain.AddItem("FIRST", 0);
    form.lstPlain.SetListIndex(1);
    form.lstPlain.SetListIndex(1);
    form.lstPlain.SetSelected(2, true);
    EXPECT_FALSE(form.lstPlain.Selected(1)) << "one line at a time";
    form.Show();
    testkit::DoubleClickListLine(form.lstPlain, 0);
    EXPECT_THAT(app.log, ElementsAre("lstPlain_Click DAY", "lstPlain_Click NIGHT", "lstPlain_Click FIRST",
                                     "lstPlain_DblClick FIRST"));
    EXPECT_EQ(form.lstPlain.List(7), "") << "reading past the end gives nothing";
}

TEST_F(ListsTest, ClicksInMultiSelectListsToggleOrReplaceTheSelection) {
    struct Case {
        int multiSelect;
        std::vector<bool> expected;
    };
    const Case cases[] = {
        {vbMultiSelectSimple, {true, true, false}},
        {vbMultiSelectExtended, {false, true, false}},
    };
    for (const Case& c : cases) {
        TestApp app;
        frmLists& lists = app.Forms.Get<frmLists>();
        lists.lstPlain.SetMultiSelect(c.multiSelect);
        for (const char* exam : {"CBC", "FBS", "ESR"})
            lists.lstPlain.AddItem(exam);
        lists.Show();
        testkit::ClickListLine(lists.lstPlain, 0);
        testkit::ClickListLine(lists.lstPlain, 1);
        std::vector<bool> selected;
        for (int i = 0; i < 3; ++i)
            selected.push_back(lists.lstPlain.Selected(i));
        EXPECT_EQ(selected, c.expected) << c.multiSelect;
        EXPECT_EQ(app.log.size(), 2u) << "one Click per click";
    }
}

TEST_F(ListsTest, ListIndexesOutsideTheListRaiseThePlatformsErrors) {
    form.lstPlain.AddItem("DAY");
    form.cboShift.AddItem("DAY");
    struct Case {
        const char* name;
        std::function<void()> action;
        int number;
    };
    const Case cases[] = {
        {"ListIndex past the end", [&] { form.lstPlain.SetListIndex(1); }, 380},
        {"ListIndex below -1", [&] { form.lstPlain.SetListIndex(-2); }, 380},
        {"RemoveItem past the end", [&] { form.lstPlain.RemoveItem(1); }, 5},
        {"AddItem past the end", [&] { form.lstPlain.AddItem("x", 3); }, 5},
        {"Selected past the end", [&] { form.lstPlain.SetSelected(1, true); }, 381},
        {"ItemData past the end", [&] { (void)form.lstPlain.ItemData(1); }, 381},
        {"combo ListIndex", [&] { form.cboShift.SetListIndex(1); }, 380},
        {"combo RemoveItem", [&] { form.cboShift.RemoveItem(-1); }, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VbErrorOf(c.action), c.number) << c.name;
    EXPECT_THAT(app.log, testing::IsEmpty());
}

TEST_F(ListsTest, AComboChoosesByListIndexWithClickAndAnEditableOneTakesAnyText) {
    ComboBox& combo = form.cboShift;
    for (const char* shift : {"DAY", "EVENING", "NIGHT"})
        combo.AddItem(shift);
    combo.SetListIndex(1);
    combo.SetText("night");
    EXPECT_EQ(combo.ListIndex(), 2) << "a text naming a line chooses it";
    combo.SetText("GRAVEYARD");
    EXPECT_EQ(combo.ListIndex(), -1);
    form.Show();
    testkit::ChooseComboLine(combo, "DAY");
    combo.Clear();
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_THAT(app.log, ElementsAre("cboShift_Click EVENING", "cboShift_Change night", "cboShift_Change GRAVEYARD",
                                     "cboShift_Click DAY", "cboShift_Change "));
}

TEST_F(ListsTest, ADropDownListTakesOnlyTheTextOfOneOfItsLines) {
    ComboBox& combo = form.cboShift;
    combo.SetStyle(vbComboDropdownList);
    combo.AddItem("DAY");
    combo.AddItem("NIGHT");
    combo.SetText("NIGHT");
    EXPECT_EQ(combo.ListIndex(), 1);
    std::string text;
    EXPECT_EQ(VbErrorOf([&] { combo.SetText("NOON"); }, &text), 383);
    EXPECT_EQ(text, "'Text' property is read-only");
    EXPECT_EQ(combo.Text(), "NIGHT");
    form.Show();
    testkit::Type(combo, "d");
    EXPECT_EQ(combo.Text(), "DAY") << "a letter jumps to the next line that starts with it";
    EXPECT_THAT(app.log, ElementsAre("cboShift_Click NIGHT", "cboShift_Click DAY"));
}

TEST_F(ListsTest, AListViewHoldsItemsWithSubItemsUnderItsColumnHeaders) {
    ListView& view = form.lvwDepartments;
    view.AddColumnHeader(0, "", "Code", 800);
    view.AddColumnHeader(0, "", "Department", 2400);
    ListItem& lab = view.AddListItem(0, "LB", "LB");
    lab.SetSubItems(1, "LABORATORY");
    ListItem& xray = view.AddListItem(0, "XR", "XR");
    xray.SetSubItems(1, "RADIOLOGY");
    EXPECT_EQ(view.SelectedItem(), &lab) << "the first line added is the selected one";
    EXPECT_EQ(view.ListItems("XR").SubItems(1), "RADIOLOGY");
    EXPECT_EQ(xray.Index(), 2);

    form.Show();
    testkit::ClickListItem(view, 2);
    EXPECT_EQ(view.SelectedItem(), &xray);
    EXPECT_THAT(app.log, ElementsAre("ItemClick XR"));

    std::string text;
    EXPECT_EQ(VbErrorOf([&] { view.ListItems(3); }, &text), 35600);
    EXPECT_EQ(text, "Index out of bounds");
    EXPECT_EQ(VbErrorOf([&] { (void)lab.SubItems(2); }), 35600) << "two headers leave one sub-item";
    EXPECT_EQ(VbErrorOf([&] { view.AddListItem(0, "LB", "again"); }), 35602);
    view.RemoveListItem(2);
    EXPECT_EQ(view.SelectedItem(), nullptr);
}
