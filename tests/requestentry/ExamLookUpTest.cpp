#include "RequestDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;
constexpr int Exclamation = forms::vbExclamation + forms::vbOKOnly;

// What the remarks dialog was given by the look-up.
struct RemarksSetUp {
    std::string examID, deptID;
    bool specimenEnabled = false;
    friend bool operator==(const RemarksSetUp&, const RemarksSetUp&) = default;
};

struct DepartmentCase {
    std::string dept;
    std::string code;
    std::string search; // what the code search was asked, in order
    std::vector<std::string> row;
    RemarksSetUp remarks;
    std::vector<std::string> sent;
};

std::vector<std::string> RemarksStatements() {
    return {fixture::OtherInfoUpdate(Id, "0", "0"), fixture::PackageInfoQuery(Id), fixture::SeniorCitizenQuery(Id),
            fixture::AdmissionPackageQuery(Id)};
}

std::vector<std::string> Joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(ExamLookUp, EachDepartmentSearchesItsListPricesByTheRoomClassAndSetsUpTheRemarks) {
    const std::string lb = fixture::CbcCode;
    const DepartmentCase cases[] = {
        {"LB",
         lb,
         "SearchListing(101,18)",
         {lb, "COMPLETE BLOOD COUNT", "1", "250", "HEM", "N", "", "WB", "0", "0", "0", "0", "250"},
         {lb, "LB", true},
         Joined({{fixture::ExamStatusCheck(Id, lb, "LB"), fixture::ExamPostedCheck(Id, lb, "LB"),
                  fixture::ProfileQuery(lb), fixture::SpecimenQuery(lb), fixture::PriorityQuery(lb)},
                 RemarksStatements(),
                 {fixture::MaxQtyQuery("LB", lb)}})},
        {"XR",
         fixture::ChestPaCode,
         "SearchListing(12,29)",
         {"12", "CHEST PA", "1", "450", "", "N", "", "0", "0", "0", "0", "0", "450"},
         {"", "XR", false},
         Joined({{fixture::ExamStatusCheck(Id, "12", "XR"), fixture::ExamPostedCheck(Id, "12", "XR")},
                 RemarksStatements(),
                 {fixture::MaxQtyQuery("XR", "12")}})},
        {"US",
         fixture::WholeAbdomenCode,
         "SearchListing(210,27)",
         {"210", "WHOLE ABDOMEN", "1", "1200", "", "N", "", "0", "0", "0", "0", "0", "1200"},
         {"", "US", false},
         Joined({{fixture::ExamStatusCheck(Id, "210", "US"), fixture::ExamPostedCheck(Id, "210", "US")},
                 RemarksStatements(),
                 {fixture::MaxQtyQuery("US", "210")}})},
        {"MI",
         fixture::MriBrainCode,
         "OtherSectionID=MI SearchListing(0601,21)",
         {"0601", "MRI BRAIN PLAIN", "1", "8000", "", "N", "", "0", "0", "0", "0", "0", "8000"},
         {"", "", false},
         Joined({{fixture::ExamStatusCheck(Id, "0601", "MI"), fixture::ExamPostedCheck(Id, "0601", "MI")},
                 RemarksStatements()})},
        {"WC",
         fixture::PapSmearCode,
         "OtherSectionID=WC SearchListing(0701,21)",
         {"0701", "PAP SMEAR", "1", "600", "", "N", "", "0", "0", "0", "0", "0", "600"},
         {"", "", false},
         Joined({{fixture::ExamStatusCheck(Id, "0701", "WC"), fixture::ExamPostedCheck(Id, "0701", "WC")},
                 RemarksStatements()})},
    };
    for (const DepartmentCase& c : cases) {
        SCOPED_TRACE(c.dept);
        RequestDialog r(c.dept);
        const std::size_t mark = r.test.server.Mark();
        r.test.codeSearch.Calls.clear();
        RemarksSetUp seen;
        r.Enter(c.code, [&](ward::frmRemarks& remarks) {
            seen = {remarks.ExamID, remarks.DeptID, remarks.lblSpecimen(1).Enabled() && remarks.cmdSpecimen.Enabled()};
        });
        std::string search;
        for (const std::string& call : r.test.codeSearch.Calls)
            search += (search.empty() ? "" : " ") + call;
        EXPECT_EQ(search, c.search);
        EXPECT_EQ(r.Row(1), c.row);
        EXPECT_EQ(seen, c.remarks);
        EXPECT_TRUE(r.test.server.SentExactly(c.sent, mark));
        EXPECT_EQ(r.Cell(), std::make_pair(1, c.dept == "US" ? 3 : 6)) << "QTY only for an exam ordered more than once";
        EXPECT_EQ(r.grid().Rows(), 3);
    }
}

TEST(ExamLookUp, ASearchThatFindsNothingChangesNothing) {
    RequestDialog r("XR");
    Type(r.d().txtEntry, "zz");
    PressKey(r.d().txtEntry, forms::vbKeyReturn);
    EXPECT_EQ(r.d().txtEntry.Text(), "ZZ");
    EXPECT_EQ(r.Row(1), std::vector<std::string>(13, ""));
    EXPECT_EQ(r.Cell(), std::make_pair(1, 1));
}

// The remarks dialog's answers land in the row; STAT under the by-pass is preset, then overwritten.
TEST(ExamLookUp, TheRowTakesTheRemarksWithLineBreaksAsBlanksAndTheDialogsStat) {
    RequestDialog r("XR", {}, true);
    std::string statBefore;
    r.Enter(fixture::ChestPaCode, [&](ward::frmRemarks& remarks) {
        statBefore = r.grid().TextMatrix(1, 6);
        remarks.txtRemarks.SetText("LEFT\r\nSIDE");
        Click(remarks.chkPortable);
    });
    EXPECT_EQ(statBefore, "Y");
    EXPECT_EQ(r.Row(1, 12),
              (std::vector<std::string>{"12", "CHEST PA", "1", "450", "", "N", "LEFT  SIDE", "0", "0", "0", "0", "1"}));
    EXPECT_EQ(r.Cell(), std::make_pair(1, 7)) << "STAT skipped under the by-pass";
}

// Each refusal empties the row's cells 1 to 11 and leaves the cursor in its code cell.
struct Refusal {
    std::string name;
    std::string dept;
    std::function<void(RequestDialog&)> setUp; // fills rows above and leaves the cursor on the row to use
    std::string code;
    std::function<void(RequestDialog&)> expectMessages;
    bool refused;
    std::string editorAfter;
};

void Filled(RequestDialog& r, std::vector<std::string> codes) {
    for (const std::string& code : codes) {
        r.Enter(code);
        ClickCell(r.grid(), r.grid().Rows() - 1, 1);
    }
}

TEST(ExamLookUp, ExamsAlreadyOrderedRequestedOrInAProfileAreRefused) {
    const std::string sameExam = "Can't Request the Same Examination.";
    const std::string inOrders = "Examination is already in the Orders List.";
    const Refusal cases[] = {
        {"the code in another row", "LB", [](RequestDialog& r) { Filled(r, {fixture::CbcCode}); }, fixture::CbcCode,
         [&](RequestDialog& r) { r.test.host.ExpectMsgBox(sameExam).Title("Message").Buttons(Exclamation); }, true, ""},
        {"the code in the cart under the department", "LB",
         [](RequestDialog& r) { WriteCartRow(r.chart.mshflexOrders, "LB", fixture::CbcCode); }, fixture::CbcCode,
         [&](RequestDialog& r) { r.test.host.ExpectMsgBox(inOrders).Title("Message").Buttons(Exclamation); }, true, ""},
        {"the code in the cart under another department", "LB",
         [](RequestDialog& r) { WriteCartRow(r.chart.mshflexOrders, "XR", fixture::ChestPaCode); },
         fixture::Albumin.code, [](RequestDialog&) {}, false, ""},
        {"pending", "XR",
         [](RequestDialog& r) {
             r.test.server.Instead(fixture::ExamStatusCheck(Id, "12", "XR"))
                 .Returns({"Requestdate"}, {{"12/10/2026 09:15:00 AM"}});
         },
         fixture::ChestPaCode,
         [](RequestDialog& r) {
             r.test.host
                 .ExpectMsgBox(r.test.app.MsgExamRequestedPrefix + "12/10/2026 09:15:00 AM" +
                               r.test.app.MsgExamPendingSuffix)
                 .Title("Message ");
         },
         true, "12"},
        {"processed today and not repeated", "XR",
         [](RequestDialog& r) {
             r.test.server.Instead(fixture::ExamPostedCheck(Id, "12", "XR"))
                 .Returns({"ProcessDate"}, {{"12/11/2026 07:00:00 AM"}});
         },
         fixture::ChestPaCode,
         [](RequestDialog& r) {
             r.test.host
                 .ExpectMsgBox("This Request has been PROCCESSED TODAY AT 12/11/2026 07:00:00 AM! Do you wish to "
                               "REPEAT it ?")
                 .Answer(forms::vbNo);
         },
         true, "12"},
        {"processed today and repeated", "XR",
         [](RequestDialog& r) {
             r.test.server.Instead(fixture::ExamPostedCheck(Id, "12", "XR"))
                 .Returns({"ProcessDate"}, {{"12/11/2026 07:00:00 AM"}});
         },
         fixture::ChestPaCode,
         [](RequestDialog& r) {
             r.test.host
                 .ExpectMsgBox("This Request has been PROCCESSED TODAY AT 12/11/2026 07:00:00 AM! Do you wish to "
                               "REPEAT it ?")
                 .Answer(forms::vbYes);
         },
         false, ""},
        {"a member of a profile in the dialog", "LB", [](RequestDialog& r) { Filled(r, {fixture::LipidProfile.code}); },
         fixture::Cholesterol.code,
         [](RequestDialog& r) {
             r.test.host.ExpectMsgBox("This Exam CHOLESTEROL is included in this Profile(LIPID PROFILE)")
                 .Title("Message")
                 .Buttons(Exclamation);
         },
         true, "510"},
        {"a member of a profile in the cart", "LB",
         [](RequestDialog& r) {
             forms::MSHFlexGrid& profiles = r.chart.mshflexProfileList;
             profiles.SetTextMatrix(1, 1, fixture::Triglycerides.code);
             profiles.SetTextMatrix(1, 2, fixture::Triglycerides.description);
             profiles.SetTextMatrix(1, 3, fixture::LipidProfile.code);
             profiles.SetTextMatrix(1, 4, fixture::LipidProfile.description);
         },
         fixture::Triglycerides.code,
         [](RequestDialog& r) {
             r.test.host.ExpectMsgBox("This Exam TRIGLYCERIDES is included in this Profile(LIPID PROFILE)");
         },
         true, "520"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        RequestDialog r(c.dept);
        c.setUp(r);
        const std::pair<int, int> cell = r.Cell();
        const std::size_t modals = r.test.host.ModalShows().size();
        c.expectMessages(r);
        if (c.refused)
            r.TypeAndEnter(c.code);
        else
            r.Enter(c.code);
        if (c.refused) {
            EXPECT_EQ(r.Row(cell.first, 11), std::vector<std::string>(11, ""));
            EXPECT_EQ(r.Cell(), cell);
            EXPECT_EQ(r.d().txtEntry.Text(), c.editorAfter);
            EXPECT_EQ(r.test.host.ModalShows().size(), modals) << "no remarks";
        } else {
            EXPECT_EQ(r.grid().TextMatrix(cell.first, 1), c.code);
            EXPECT_EQ(r.test.host.ModalShows().size(), modals + 1);
        }
    }
}

// A code typed above an incomplete last row holding the same exam would otherwise go to the cart twice.
TEST(ExamLookUp, TheSameCodeInAnIncompleteLastRowIsRefusedToo) {
    RequestDialog r("MI");
    r.test.app.CurRoomClassID = "F";
    r.Enter(fixture::MriBrainCode);
    ClickCell(r.grid(), 2, 1);
    r.Enter(fixture::MriKneeCode);
    ASSERT_EQ(r.Codes(), (std::vector<std::string>{"0601", "0602"})) << "no price for class F: no row added";
    ClickCell(r.grid(), 1, 1);
    r.test.host.ExpectMsgBox("Can't Request the Same Examination.");
    r.TypeAndEnter(fixture::MriKneeCode);
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"", "0602"}));
}

TEST(ExamLookUp, AProfileTakesThePlaceOfItsMembersInTheDialogOrElseInTheCart) {
    {
        SCOPED_TRACE("members in the dialog");
        RequestDialog r("LB");
        Filled(r, {fixture::Cholesterol.code, fixture::CbcCode, fixture::Triglycerides.code});
        r.test.host.ExpectMsgBox("The Exam CHOLESTEROL in the ORDER LIST is included in this Profile(LIPID PROFILE)")
            .Title("Message")
            .Buttons(Exclamation);
        const std::size_t modals = r.test.host.ModalShows().size();
        r.TypeAndEnter(fixture::LipidProfile.code);
        EXPECT_EQ(r.Codes(), (std::vector<std::string>{"101", "500"}));
        EXPECT_EQ(r.Row(2, 7), (std::vector<std::string>{"500", "LIPID PROFILE", "1", "900", "CHE", "N", ""}));
        EXPECT_EQ(r.Cell(), std::make_pair(2, 1));
        EXPECT_EQ(r.test.host.ModalShows().size(), modals) << "no remarks for the profile";
        EXPECT_EQ(r.DialogProfiles(), (std::vector<std::string>{"510 of 500", "520 of 500"}));
    }
    {
        SCOPED_TRACE("members in the cart");
        RequestDialog r("LB");
        WriteCartRow(r.chart.mshflexOrders, "XR", fixture::ChestPaCode);
        WriteCartRow(r.chart.mshflexOrders, "LB", fixture::Triglycerides.code);
        r.test.host.ExpectMsgBox("The Exam TRIGLYCERIDES in the ORDER LIST is included in this Profile(LIPID PROFILE)");
        r.TypeAndEnter(fixture::LipidProfile.code);
        EXPECT_EQ(r.CartCodes(), (std::vector<std::string>{"XR 12"}));
        EXPECT_EQ(r.Codes(), (std::vector<std::string>{"500"}));
        EXPECT_EQ(r.Cell(), std::make_pair(1, 1));
    }
}

// Looking a new exam up in a row that held a profile takes the profile's members out with it.
TEST(ExamLookUp, ANewExamInAProfilesRowTakesTheMembersOut) {
    RequestDialog r("LB");
    r.Enter(fixture::LipidProfile.code);
    ClickCell(r.grid(), 1, 1);
    r.Enter(fixture::Cholesterol.code);
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"510", ""}));
    EXPECT_EQ(r.DialogProfiles(), (std::vector<std::string>{" of "}));

    r.test.host.ExpectMsgBox("Can't Request the Same Examination.");
    ClickCell(r.grid(), 2, 1);
    r.TypeAndEnter(fixture::Cholesterol.code);
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{"510", ""})) << "a refused search keeps the profile grid";
}

struct PriceCase {
    std::string name;
    std::string dept;
    std::string roomClass;
    bool international;
    std::string code;
    std::vector<std::string> quantities; // each entered in turn
    std::string amount;
    std::vector<std::string> messages;
};

TEST(ExamLookUp, TheAmountFollowsRoomClassInternationalRateAndQuantity) {
    const PriceCase cases[] = {
        {"x-ray, class C", "XR", "C", false, "12", {}, "450", {}},
        {"x-ray, class F", "XR", "F", false, "12", {}, "", {}},
        {"x-ray, class with blanks", "XR", " C ", false, "12", {}, "450", {}},
        {"MRI, class F", "MI", "F", false, fixture::MriBrainCode, {}, "8030", {}},
        {"MRI priced to E, class H", "MI", "H", false, fixture::MriKneeCode, {}, "", {}},
        {"laboratory, international", "LB", "C", true, fixture::CbcCode, {}, "275", {}},
        {"laboratory, international, cents", "LB", "C", true, fixture::FbsCode, {}, "198.55", {}},
        {"quantity 3", "LB", "C", false, fixture::FbsCode, {"3"}, "541.5", {}},
        {"quantity entered twice", "LB", "C", false, fixture::FbsCode, {"3", "2"}, "361", {}},
        {"international, quantity 3", "LB", "C", true, fixture::FbsCode, {"3"}, "595.65", {}},
        {"quantity over the maximum", "US", "C", false, "210", {"3"}, "1200", {"Quantity should be > 0 and <= 2."}},
        {"quantity 0", "LB", "C", false, fixture::FbsCode, {"0"}, "180.5", {"Quantity should be > 0 and <= 5."}},
        {"no price, quantity", "LB", "F", true, fixture::FbsCode, {"2"}, "", {}},
    };
    for (const PriceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        ward::frmFinal& chart = fixture::OpenRequestEntryChart(test);
        (void)chart;
        std::vector<Row> setup = fixture::NurseSetupRows();
        if (c.international)
            setup.push_back({"ZODEAllowInternationalRate", "1"});
        test.server.Instead(fixture::NurseSetupQuery).Returns({"Field", "value"}, setup);
        test.app.Parameters().LoadParameters(test.app);
        test.server.On(fixture::InternationalCheck(Id)).Returns({"isInternational"}, {{"Y"}});
        test.app.CurRoomClassID = c.roomClass;
        ward::frmRequest& dialog = test.app.Forms.Get<ward::frmRequest>();
        dialog.txtDept.SetText(c.dept);
        dialog.SetDepartment(c.dept);
        dialog.Show();
        test.host.OnModal<ward::frmRemarks>([](ward::frmRemarks& remarks) { Click(remarks.Command1); });
        Type(dialog.txtEntry, c.code);
        PressKey(dialog.txtEntry, forms::vbKeyReturn);
        for (const std::string& message : c.messages)
            test.host.ExpectMsgBox(message).Title(forms::ProgramTitle).Buttons(forms::vbOKOnly);
        for (const std::string& quantity : c.quantities) {
            ClickCell(dialog.mshflexEntry, 1, 3);
            Type(dialog.txtEntry, quantity);
            PressKey(dialog.txtEntry, forms::vbKeyReturn);
        }
        EXPECT_EQ(dialog.mshflexEntry.TextMatrix(1, 4), c.amount);
        if (!c.messages.empty()) {
            EXPECT_EQ(dialog.mshflexEntry.TextMatrix(1, 3), "1");
            EXPECT_EQ(dialog.mshflexEntry.Col(), 3) << "the cursor stays";
            EXPECT_EQ(dialog.txtEntry.Text(), "1") << "the editor shows the cell again";
        }
    }
}

// A re-used row takes the new exam's price, or none, never the previous exam's.
TEST(ExamLookUp, ARowLookedUpAgainWithoutAPriceLosesTheOldAmount) {
    RequestDialog r("XR");
    r.Enter(fixture::ChestPaCode);
    r.test.app.CurRoomClassID = "G";
    ClickCell(r.grid(), 1, 1);
    r.Enter(fixture::ChestPaCode);
    EXPECT_EQ(r.grid().TextMatrix(1, 4), "");
}

// The quantity rule follows the last exam looked up and the activation brings back the department's default.
TEST(ExamLookUp, QuantityIsAnEntryColumnAfterAnExamOrderedMoreThanOnce) {
    RequestDialog r("US");
    r.Enter(fixture::WholeAbdomenCode);
    EXPECT_EQ(r.Cell(), std::make_pair(1, 3));
    EXPECT_FALSE(r.d().ExcemptCol(3));
    r.TypeAndEnter("2");
    EXPECT_EQ(r.grid().TextMatrix(1, 4), "2400");
    EXPECT_EQ(r.Cell(), std::make_pair(1, 6));
}

} // namespace
