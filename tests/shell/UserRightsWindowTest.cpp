#include "platform/vb/Strings.h"
#include "shell/frmUserRights.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
using ward::frmUserRights;

namespace {

const std::string Items = "Select Description,ItemID From  STATION..tbNurseUserSettings Where Status = 'A'";
const std::string Search = "STATION..spNurse_SearchNurseUsers 'SIC','re'";

std::string StoredRights(const std::string& employee) {
    return "SELECT EmployeeRights FROM STATION..tbNurseUserRights WHERE EmployeeID = '" + employee + "'";
}
std::string Save(const std::string& employee, const std::string& rights) {
    return "STATION..spNurse_SaveUserRights '" + employee + "','" + rights + "','N0001'";
}

// A station with six right items, one of them numbered with three characters, and two employees.
void Declare(TestApp& test) {
    test.server.On(Items).Returns({"Description", "ItemID"}, {{"Request Exams", "1"},
                                                              {"Post Charges", "3"},
                                                              {"Charge Slip Setting", "20"},
                                                              {"Cancel Charges", "22"},
                                                              {"Supervisory Approval", "29"},
                                                              {"Old Item", "129"},
                                                              {vb::Variant::Null(), vb::Variant::Null()}});
    test.server.On(Search).Returns({"EmployeeID", "EmployeeName", "Position"},
                                   {{"N0002", "REYES, ANA", "NURSE"}, {"S0001", "CRUZ, ELENA", "HEAD NURSE"}});
    test.server.On(StoredRights("N0002")).Returns({"EmployeeRights"}, {{"|3|20|22"}});
    test.server.On(StoredRights("S0001")).Returns({"EmployeeRights"}, {{"|1|29|77"}});
}

std::vector<int> Ticked(frmUserRights& window) {
    std::vector<int> ticked;
    for (int line = 0; line < window.lstRights.ListCount(); ++line) {
        if (window.lstRights.Selected(line))
            ticked.push_back(line);
    }
    return ticked;
}

void SearchAndPick(frmUserRights& window, int row) {
    window.txtEmployeeID.SetText("");
    Type(window.txtEmployeeID, "re");
    PressKey(window.txtEmployeeID, forms::vbKeyReturn);
    DoubleClickCell(window.grdUsers, row, 1);
}

void Show(TestApp& test, std::function<void(frmUserRights&)> work) {
    test.host.OnModal<frmUserRights>(std::move(work));
    test.app.Forms.Instance<frmUserRights>().ShowModal();
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmUserRights>());
}

TEST(frmUserRights, ShowsThePickedEmployeesRightsAndSavesTheTicks) {
    TestApp test;
    Declare(test);
    test.server.On(Save("N0002", "|3|20|22|29")).Affects(1);
    test.host.ExpectMsgBox("User rights updated").Title("Notification").Buttons(forms::vbOKOnly | forms::vbInformation);
    Show(test, [](frmUserRights& window) {
        EXPECT_EQ(window.lstRights.ListCount(), 7);
        EXPECT_EQ(window.lstRights.List(0), "Request Exams" + vb::Space(120) + "1");
        EXPECT_EQ(window.lstRights.List(6), vb::Space(120));
        EXPECT_FALSE(window.fraRights.Enabled());
        EXPECT_FALSE(window.cmdSave.Enabled());
        SearchAndPick(window, 2);
        // "|1|29|77": 77 matches no item; the item numbered 129 answers to "29" only by its last two characters,
        // and the first line that does is the one ticked.
        EXPECT_THAT(Ticked(window), testing::ElementsAre(0, 4));
        SearchAndPick(window, 1);
        EXPECT_EQ(window.txtEmployeeID.Text(), "N0002");
        EXPECT_EQ(window.txtEmployee.Text(), "REYES, ANA");
        EXPECT_FALSE(window.fmeUsers.Visible());
        EXPECT_THAT(Ticked(window), testing::ElementsAre(1, 2, 3));
        ClickListLine(window.lstRights, 5);
        Click(window.cmdSave);
    });
    EXPECT_TRUE(test.server.SentExactly(
        {Items, Search, StoredRights("S0001"), Search, StoredRights("N0002"), Save("N0002", "|3|20|22|29")}));
}

TEST(frmUserRights, SavesForTheIdInTheBoxAndAnEmptyTextWhenNothingIsTicked) {
    TestApp test;
    Declare(test);
    test.server.On(Save("N0009", "")).Affects(1);
    test.host.ExpectMsgBox("User rights updated");
    Show(test, [](frmUserRights& window) {
        SearchAndPick(window, 1);
        Click(window.chkSelectAll);
        EXPECT_EQ(Ticked(window).size(), 7u);
        Click(window.chkSelectAll);
        EXPECT_TRUE(Ticked(window).empty());
        window.txtEmployeeID.SetText(" N0009 ");
        Click(window.cmdSave);
    });
    EXPECT_EQ(test.server.Statements().back(), Save("N0009", ""));
}

TEST(frmUserRights, CloseSavesNothing) {
    TestApp test;
    Declare(test);
    const std::size_t mark = test.server.Mark();
    Show(test, [](frmUserRights& window) {
        SearchAndPick(window, 1);
        ClickListLine(window.lstRights, 0);
        Click(window.cmdClose);
    });
    EXPECT_TRUE(test.server.CommittedWrites(mark).empty());
    EXPECT_TRUE(test.server.SentExactly({Items, Search, StoredRights("N0002")}, mark));
}

TEST(frmUserRights, ASearchWithoutResultDisablesTheGridAndItsFrame) {
    TestApp test;
    Declare(test);
    test.server.On("STATION..spNurse_SearchNurseUsers 'SIC','ZZ'").Returns({"EmployeeID", "EmployeeName"}, {});
    Show(test, [](frmUserRights& window) {
        Type(window.txtEmployeeID, "Z'Z");
        Click(window.cmdSearch);
        EXPECT_TRUE(window.fmeUsers.Visible());
        EXPECT_FALSE(window.fmeUsers.Enabled());
        EXPECT_FALSE(window.grdUsers.Enabled());
        Click(window.cmdClose);
    });
}

} // namespace
