#include "chart/frmFinal.h"
#include "requestcart/frmRemarks.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using ward::frmRemarks;

namespace {

const std::string Id = fixture::InPatientIdNum;
constexpr int Exclamation = forms::vbExclamation + forms::vbOKOnly;
const std::string AlreadyInOrders = "Examination is already in the Orders List.";

// The chart of the in-patient with the cart's exams in its lists; the statements from the mark on are the clicks'.
struct Cart {
    TestApp test;
    ward::frmFinal& chart;
    std::size_t mark = 0;

    Cart() : chart(fixture::OpenCartChart(test)) { mark = test.server.Mark(); }

    forms::MSHFlexGrid& Orders() { return chart.mshflexOrders; }
    forms::MSHFlexGrid& Profiles() { return chart.mshflexProfileList; }
    std::vector<std::string> Sent() const { return test.server.Statements(mark); }
    void Restart() { mark = test.server.Mark(); }

    // Ticks or unticks the line of an exam; a tick that gets as far as the remarks dialog presses Enter there (after
    // picking the first specimen of a list).
    void Click(forms::ListBox& list, const std::string& code, std::function<void(frmRemarks&)> work = {}) {
        if (!IsTicked(list, code) || work) {
            test.host.OnModal<frmRemarks>([work](frmRemarks& remarks) {
                if (work)
                    work(remarks);
                if (remarks.IsLoaded() && remarks.Picture1.Visible())
                    ClickCell(remarks.mshflexSpecimen, 1, 2);
                if (remarks.IsLoaded())
                    testkit::Click(remarks.Command1);
            });
        }
        ClickListLine(list, fixture::LineOf(list, code));
    }
    // A click that is refused before the remarks dialog.
    void ClickRefused(forms::ListBox& list, const std::string& code) {
        ClickListLine(list, fixture::LineOf(list, code));
    }
    bool IsTicked(forms::ListBox& list, const std::string& code) {
        const int line = fixture::LineOf(list, code);
        return line >= 0 && list.Selected(line);
    }
    std::vector<std::string> Row(int row) {
        std::vector<std::string> cells;
        for (int col = 1; col <= 16; ++col)
            cells.push_back(Orders().TextMatrix(row, col));
        return cells;
    }
    // Department and code of each data row.
    std::vector<std::string> Codes() {
        std::vector<std::string> codes;
        for (int row = 1; row < Orders().Rows(); ++row)
            codes.push_back(Orders().TextMatrix(row, 1) + " " + Orders().TextMatrix(row, 2));
        return codes;
    }
    std::vector<std::string> ProfileMembers() {
        std::vector<std::string> members;
        for (int row = 1; row < Profiles().Rows(); ++row)
            members.push_back(Profiles().TextMatrix(row, 1) + " of " + Profiles().TextMatrix(row, 3));
        return members;
    }
};

std::string Padded(const std::string& text, std::size_t width) { return text + std::string(width - text.size(), ' '); }

TEST(QuickLists, AnXrayPickAsksTheRemarksWithThePortableBoxAndWritesTheWholeRow) {
    Cart c;
    bool portableShown = false;
    std::string deptID;
    c.Click(c.chart.lstListXray, fixture::ChestPaCode, [&](frmRemarks& remarks) {
        portableShown = remarks.chkPortable.Visible();
        deptID = remarks.DeptID;
        EXPECT_FALSE(remarks.lblSpecimen(1).Enabled());
        EXPECT_FALSE(remarks.cmdSpecimen.Enabled());
        testkit::Click(remarks.Option1(1));
        Type(remarks.txtRemarks, "bedside");
        testkit::Click(remarks.chkPortable);
    });
    EXPECT_TRUE(portableShown);
    EXPECT_EQ(deptID, "XR");
    const std::string line = Padded("Chest pa", 50) + "XR   12";
    EXPECT_EQ(c.Row(1), (std::vector<std::string>{"XR", "12", "Chest pa", "1", " 450", "", "Y", "BEDSIDE",
                                                  "lstListXray", line, "0", "0", "0", "0", "0", "1"}));
    EXPECT_TRUE(c.IsTicked(c.chart.lstListXray, fixture::ChestPaCode));
    EXPECT_EQ(c.Sent(), (std::vector<std::string>{
                            fixture::RightsQuery(fixture::NurseCode),
                            fixture::ClearedCheck(Id, "XR"),
                            fixture::ExamStatusCheck(Id, "12", "XR"),
                            fixture::ExamPostedCheck(Id, "12", "XR"),
                            fixture::OtherInfoUpdate(Id, "0", "0"),
                            fixture::PackageInfoQuery(Id),
                            fixture::SeniorCitizenQuery(Id),
                            fixture::AdmissionPackageQuery(Id),
                            fixture::ExamAmountQuery("XR", "C", "12"),
                        }));
}

TEST(QuickLists, AnUltrasoundPickLeavesTheDialogsDepartmentAndAddsTheSecondRowBelowTheFirst) {
    Cart c;
    c.Click(c.chart.lstListXray, fixture::ChestPaCode);
    std::string deptID = "not shown";
    c.Click(c.chart.lstListUltra, fixture::WholeAbdomenCode, [&](frmRemarks& remarks) {
        deptID = remarks.DeptID;
        EXPECT_FALSE(remarks.chkPortable.Visible());
        EXPECT_FALSE(remarks.lblSpecimen(1).Enabled());
    });
    EXPECT_EQ(deptID, "") << "Enter of the x-ray pick emptied it";
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12", "US 210"}));
    EXPECT_EQ(c.Row(2)[8], "lstListUltra");
    EXPECT_EQ(c.Row(2)[15], "0");
}

// A row the multi-exam dialog wrote: department and code, no list.
void WriteDialogRow(forms::MSHFlexGrid& orders, const std::string& dept, const std::string& code) {
    orders.SetTextMatrix(1, 1, dept);
    orders.SetTextMatrix(1, 2, code);
    orders.SetTextMatrix(1, 3, "FROM THE REQUEST DIALOG");
}

TEST(QuickLists, APendingExamAlreadyInTheCartShowsOnlyThePendingMessage) {
    Cart c;
    WriteDialogRow(c.Orders(), "XR", fixture::ChestPaCode);
    c.test.server.Instead(fixture::ExamStatusCheck(Id, "12", "XR"))
        .Returns({"Requestdate"}, {{"12/11/2026 08:00:00 AM "}});
    c.test.host.ExpectMsgBox("The same exam had been requested at...12/11/2026 08:00:00 AM   and it is Pending...")
        .Title("Message ");
    c.ClickRefused(c.chart.lstListXray, fixture::ChestPaCode);
    EXPECT_THAT(c.test.host.ModalShows(), testing::IsEmpty()) << "no remarks dialog";
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12"}));
    EXPECT_FALSE(c.IsTicked(c.chart.lstListXray, fixture::ChestPaCode));
    EXPECT_EQ(c.Sent().back(), fixture::ExamStatusCheck(Id, "12", "XR"));
}

TEST(QuickLists, ADuplicateIsReportedAfterTheRepeatQuestion) {
    Cart c;
    WriteDialogRow(c.Orders(), "LB", fixture::CbcCode);
    c.test.server.Instead(fixture::ExamPostedCheck(Id, fixture::CbcCode, "LB"))
        .Returns({"ProcessDate"}, {{"12/11/2026 07:00:00 AM"}});
    c.test.host
        .ExpectMsgBox("This Request has been PROCCESSED TODAY AT 12/11/2026 07:00:00 AM! Do you wish to REPEAT it ?")
        .Answer(forms::vbYes);
    c.test.host.ExpectMsgBox(AlreadyInOrders).Title("Message").Buttons(Exclamation);
    c.ClickRefused(c.chart.lstListLaboratory, fixture::CbcCode);
    EXPECT_THAT(c.test.host.ModalShows(), testing::IsEmpty());
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"LB 101"}));
    EXPECT_FALSE(c.IsTicked(c.chart.lstListLaboratory, fixture::CbcCode));
}

TEST(QuickLists, OneCodeInTwoDepartmentsMakesTwoRowsAndUntickingOneLeavesTheOther) {
    Cart c;
    c.Click(c.chart.lstListXray, fixture::ChestPaCode);
    c.Click(c.chart.lstListLaboratory, fixture::Albumin.code);
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12", "LB 12"}));
    EXPECT_EQ(c.Row(2)[5], "CHE");
    EXPECT_EQ(c.Row(2)[11], "SER") << "the first specimen picked";
    c.Click(c.chart.lstListLaboratory, fixture::Albumin.code);
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12"}));
    EXPECT_TRUE(c.IsTicked(c.chart.lstListXray, fixture::ChestPaCode));
}

TEST(QuickLists, AProfileTakesThePlaceOfItsMembersInTheCart) {
    Cart c;
    c.Click(c.chart.lstListLaboratory, fixture::Cholesterol.code);
    c.Click(c.chart.lstListXray, fixture::ChestPaCode);
    c.Click(c.chart.lstListLaboratory, fixture::Triglycerides.code);
    c.test.host.ExpectMsgBox("The Exam CHOLESTEROL in the ORDER LIST is included in this Profile(LIPID PROFILE)")
        .Title("Message")
        .Buttons(Exclamation);
    bool membersListedFirst = false;
    c.Click(c.chart.lstListLaboratory, fixture::LipidProfile.code,
            [&](frmRemarks&) { membersListedFirst = c.ProfileMembers().size() == 2; });
    EXPECT_TRUE(membersListedFirst);
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12", "LB 500"}));
    EXPECT_FALSE(c.IsTicked(c.chart.lstListLaboratory, fixture::Cholesterol.code));
    EXPECT_FALSE(c.IsTicked(c.chart.lstListLaboratory, fixture::Triglycerides.code));
    EXPECT_TRUE(c.IsTicked(c.chart.lstListLaboratory, fixture::LipidProfile.code));
    EXPECT_EQ(c.ProfileMembers(), (std::vector<std::string>{"510 of 500", "520 of 500"}));

    // A member is refused beside its profile.
    c.test.host.ExpectMsgBox("This Exam CHOLESTEROL is included in this Profile(LIPID PROFILE)")
        .Title("Message")
        .Buttons(Exclamation);
    const std::size_t shown = c.test.host.ModalShows().size();
    c.ClickRefused(c.chart.lstListLaboratory, fixture::Cholesterol.code);
    EXPECT_EQ(c.test.host.ModalShows().size(), shown);
    EXPECT_FALSE(c.IsTicked(c.chart.lstListLaboratory, fixture::Cholesterol.code));

    // Unticking the profile frees its members.
    c.Click(c.chart.lstListLaboratory, fixture::LipidProfile.code);
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12"}));
    EXPECT_EQ(c.ProfileMembers(), (std::vector<std::string>{" of "}));
    c.Click(c.chart.lstListLaboratory, fixture::Cholesterol.code);
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12", "LB 510"}));
}

TEST(QuickLists, UntickingWithoutTheRightLeavesTheRowInTheCart) {
    Cart c;
    c.Click(c.chart.lstListXray, fixture::ChestPaCode);
    c.test.server.Instead(fixture::RightsQuery(fixture::NurseCode))
        .Returns({"EmployeeID", "EmployeeRights"}, {{fixture::NurseCode, "|2|"}});
    c.test.host.ExpectMsgBox("Sorry you don't have access right to Request Xray Exams.");
    c.ClickRefused(c.chart.lstListXray, fixture::ChestPaCode);
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{"XR 12"}));
    EXPECT_FALSE(c.IsTicked(c.chart.lstListXray, fixture::ChestPaCode));
}

// A pick that fails on the server leaves no line ticked without a row and no profile members without the profile.
TEST(QuickLists, APickThatFailsLeavesTheLineUntickedAndTheProfileGridAsItWas) {
    Cart c;
    c.test.server.Instead(fixture::ExamAmountQuery("LB", "C", fixture::LipidProfile.code))
        .Fails("Timeout expired", 50000);
    c.test.host.ExpectMsgBox("Timeout expired\n\nPlease notify your IT department.").Title("Notification");
    c.Click(c.chart.lstListLaboratory, fixture::LipidProfile.code);
    EXPECT_FALSE(c.IsTicked(c.chart.lstListLaboratory, fixture::LipidProfile.code));
    EXPECT_EQ(c.Codes(), (std::vector<std::string>{" "}));
    EXPECT_EQ(c.ProfileMembers(), (std::vector<std::string>{" of "}));
}

} // namespace
