#include "chart/frmFinal.h"
#include "platform/vb/DateSerialNumber.h"
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

// The remarks dialog over the in-patient's chart; the statements from the mark on are the dialog's.
struct Remarks {
    TestApp test;
    ward::frmFinal& chart;
    std::size_t mark = 0;

    Remarks() : chart(fixture::OpenCartChart(test)) {
        test.app.ServerDate = vb::MakeDate({2026, 12, 11, 14, 30, 0});
        mark = test.server.Mark();
    }
    frmRemarks& Dialog() { return test.app.Forms.Instance<frmRemarks>(); }
    // Shows the dialog for the department (and exam) as a caller does; work runs while it is open.
    void Show(const std::string& deptID, const std::string& examID, std::function<void(frmRemarks&)> work) {
        Dialog().DeptID = deptID;
        Dialog().ExamID = examID;
        test.host.OnModal<frmRemarks>([work](frmRemarks& remarks) {
            work(remarks);
            if (remarks.IsLoaded())
                remarks.Unload();
        });
        Dialog().ShowModal();
    }
    std::vector<std::string> Sent() const { return test.server.Statements(mark); }
    std::vector<std::string> EnterStatements(const std::string& transplant = "0", const std::string& dialysis = "0") {
        return {fixture::OtherInfoUpdate(Id, transplant, dialysis), fixture::PackageInfoQuery(Id),
                fixture::SeniorCitizenQuery(Id), fixture::AdmissionPackageQuery(Id)};
    }
};

// What the dialog shows for a department.
struct DepartmentCase {
    std::string deptID;
    bool specimenBand;
    bool rehabilitationBand;
    bool portableBox;
};

TEST(frmRemarks, EachDepartmentSeesItsOwnBandsAndEnterAnswersRoutineWithoutAPortableMachine) {
    const std::vector<DepartmentCase> cases = {
        {"LB", true, false, false}, {"XR", true, false, true},  {"PT", false, true, false}, {"US", true, false, false},
        {"AU", true, false, false}, {"CT", true, false, false}, {"HS", true, false, false}, {"NU", true, false, false},
        {"PA", true, false, false}, {"NE", true, false, false}, {"", true, false, false},
    };
    for (const DepartmentCase& c : cases) {
        SCOPED_TRACE("department " + c.deptID);
        Remarks r;
        r.test.app.UsePortableMachine = true;
        r.test.app.ExamStatYN = "Y";
        r.Show(c.deptID, c.deptID == "LB" ? fixture::FbsCode : "", [&](frmRemarks& d) {
            EXPECT_EQ(d.fraSpecimen.Visible(), c.specimenBand);
            EXPECT_EQ(d.fraSpecimen.Enabled(), c.specimenBand);
            EXPECT_EQ(d.fraPT.Visible(), c.rehabilitationBand);
            EXPECT_EQ(d.chkPortable.Visible(), c.portableBox);
            EXPECT_TRUE(d.Option1(0).Value());
            EXPECT_TRUE(d.Option1(0).Enabled());
            EXPECT_TRUE(d.Option1(1).Enabled());
            EXPECT_FALSE(r.test.app.UsePortableMachine);
            if (c.rehabilitationBand) {
                EXPECT_EQ(d.dtpOrdered.Value(), vb::MakeDate({2026, 12, 11}));
                EXPECT_TRUE(d.dtpReffered.CanPick(vb::MakeDate({2026, 12, 8})));
                EXPECT_FALSE(d.dtpReffered.CanPick(vb::MakeDate({2026, 12, 7})));
                EXPECT_FALSE(d.dtpReffered.CanPick(vb::MakeDate({2026, 12, 12})));
            }
            Click(d.Command1);
        });
        EXPECT_FALSE(r.Dialog().IsLoaded());
        EXPECT_EQ(r.test.app.ExamStatYN, "N");
        EXPECT_FALSE(r.test.app.UsePortableMachine);
        EXPECT_EQ(r.Dialog().DeptID, "");
        EXPECT_EQ(r.Dialog().ExamID, "");
        std::vector<std::string> sent;
        if (c.deptID == "LB")
            sent = {fixture::SpecimenQuery(fixture::FbsCode), fixture::PriorityQuery(fixture::FbsCode)};
        for (const std::string& statement : r.EnterStatements())
            sent.push_back(statement);
        EXPECT_EQ(r.Sent(), sent);
    }
}

TEST(frmRemarks, ThePortableMachineIsUsedOnlyWhenItsBoxIsTickedAtEnter) {
    Remarks r;
    r.Show("XR", "", [](frmRemarks& d) {
        Click(d.chkPortable);
        Click(d.Command1);
    });
    EXPECT_TRUE(r.test.app.UsePortableMachine);
}

// The catalogue's STAT flag, the server's weekday and whether it is past 17:00 there.
struct PriorityCase {
    std::string name;
    std::string stat;
    std::int32_t dayOfWeek;
    std::string after5;
    bool statSelected;
    bool routineEnabled;
    bool statEnabled;
};

TEST(frmRemarks, ALaboratoryExamsPriorityFollowsItsStatFlagTheWeekdayAndTheHour) {
    const std::vector<PriorityCase> cases = {
        {"STAT only", "Y", 3, "F", true, false, true},
        {"routine only", "N", 7, "T", false, true, false},
        {"either, on a Saturday", "", 7, "F", true, true, true},
        {"either, after 17:00", "", 3, "T", true, true, true},
        {"either, on a weekday before 17:00", "", 3, "F", false, true, true},
        {"another flag", "X", 2, "F", false, true, true},
    };
    for (const PriorityCase& c : cases) {
        SCOPED_TRACE(c.name);
        Remarks r;
        r.test.server.Instead(fixture::PriorityQuery(fixture::CbcCode))
            .Returns({"Stat", "DayofWeek", "AFter5"}, {{c.stat, c.dayOfWeek, c.after5}});
        r.Show("LB", " 101 ", [&](frmRemarks& d) {
            EXPECT_EQ(d.Option1(1).Value(), c.statSelected);
            EXPECT_EQ(d.Option1(0).Enabled(), c.routineEnabled);
            EXPECT_EQ(d.Option1(1).Enabled(), c.statEnabled);
            Click(d.Command1);
        });
        EXPECT_EQ(r.test.app.ExamStatYN, c.statSelected ? "Y" : "N");
    }
}

TEST(frmRemarks, TheMorningPickUpMakesAStatOnlyExamRoutineAndClearingItEmptiesTheRemarks) {
    Remarks r;
    r.test.server.Instead(fixture::PriorityQuery(fixture::CbcCode))
        .Returns({"Stat", "DayofWeek", "AFter5"}, {{"Y", std::int32_t{3}, "F"}});
    r.Show("LB", fixture::CbcCode, [&](frmRemarks& d) {
        Type(d.txtRemarks, "fasting");
        Click(d.chkAMPickUp);
        EXPECT_EQ(d.txtRemarks.Text(), "In AM PICK UP");
        EXPECT_TRUE(r.test.app.AMPickUp);
        EXPECT_FALSE(d.Option1(0).Enabled());
        EXPECT_FALSE(d.Option1(1).Enabled());
        EXPECT_TRUE(d.Option1(0).Value());
        Click(d.chkAMPickUp);
        EXPECT_EQ(d.txtRemarks.Text(), "");
        EXPECT_FALSE(r.test.app.AMPickUp);
        EXPECT_TRUE(d.Option1(1).Value()) << "the exam's rule again";
        Click(d.chkAMPickUp);
        Click(d.Command1);
    });
    EXPECT_EQ(r.test.app.ExamStatYN, "N");
    EXPECT_EQ(r.test.app.ExamRemarks, "In AM PICK UP");
    EXPECT_TRUE(r.test.app.AMPickUp);
    const std::string priority = fixture::PriorityQuery(fixture::CbcCode);
    const std::vector<std::string> sent = r.Sent();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), priority), 2);
}

// An exam with no specimen, one, or one of several.
struct SpecimenCase {
    std::string name;
    std::string examID;
    std::string shown;
    std::string specimenCode;
    bool listed;
};

TEST(frmRemarks, TheSpecimenIsTakenAsTheExamHasItOrPickedFromTheList) {
    const std::vector<SpecimenCase> cases = {
        {"none", fixture::FbsCode, "None", "0", false},
        {"one", fixture::CbcCode, "WHOLE BLOOD", "WB", false},
        {"several", fixture::Albumin.code, "", "", true},
    };
    for (const SpecimenCase& c : cases) {
        SCOPED_TRACE(c.name);
        Remarks r;
        r.Show("LB", c.examID, [&](frmRemarks& d) {
            EXPECT_EQ(d.lblSpecimen(1).Caption(), c.shown);
            EXPECT_EQ(r.test.app.SpecimenCode, c.specimenCode);
            EXPECT_EQ(d.Picture1.Visible(), c.listed);
            if (!c.listed) {
                Click(d.Command1);
                return;
            }
            EXPECT_EQ(d.mshflexSpecimen.Rows(), 3);
            EXPECT_EQ(d.mshflexSpecimen.TextMatrix(2, 2), "PLASMA");
            r.test.host.ExpectMsgBox("Please Select Specimen.")
                .Title("Message")
                .Buttons(forms::vbExclamation + forms::vbOKOnly);
            Click(d.Command1);
            EXPECT_TRUE(d.IsLoaded());
            EXPECT_TRUE(d.Picture1.Visible());
            ClickCell(d.mshflexSpecimen, 2, 2);
            EXPECT_FALSE(d.Picture1.Visible());
            EXPECT_EQ(d.lblSpecimen(1).Caption(), "PLASMA");
            Click(d.Command1);
        });
        EXPECT_FALSE(r.Dialog().IsLoaded());
        EXPECT_EQ(r.test.app.SpecimenCode, c.listed ? "PLA" : c.specimenCode);
    }
}

// The admission's texts as the chart read them, and the codes saved for them.
struct StatusCase {
    std::string transplantText;
    std::string dialysisText;
    std::string transplantID;
    std::string dialysisID;
};

TEST(frmRemarks, EnterSavesTheTransplantAndDialysisOfTheAdmissionsTexts) {
    const std::vector<StatusCase> cases = {
        {"Non_Transplant", "None", "1", "0"},
        {"Transplant", "Pre-Dialysis", "1", "1"},
        {"Non-Transplant", "Post-Dialysis", "0", "2"},
        {"Non_Transplant", "Other", "1", "2"},
    };
    for (const StatusCase& c : cases) {
        SCOPED_TRACE(c.transplantText + " " + c.dialysisText);
        Remarks r;
        r.test.app.TransplantID = "1";
        r.test.app.DialysisID = "2";
        r.test.app.TransplantText = c.transplantText;
        r.test.app.DialysisText = c.dialysisText;
        r.test.server.On(fixture::OtherInfoUpdate(Id, c.transplantID, c.dialysisID)).Affects(1);
        r.Show("US", "", [](frmRemarks& d) { Click(d.Command1); });
        EXPECT_EQ(r.Sent(), r.EnterStatements(c.transplantID, c.dialysisID));
    }
}

TEST(frmRemarks, ACallerTouchingAControlFirstGetsALoadOfThePreviousDepartment) {
    Remarks r;
    r.Dialog().DeptID = "PT";
    frmRemarks& dialog = r.test.app.Forms.Get<frmRemarks>();
    dialog.lblSpecimen(1).SetEnabled(false);
    EXPECT_TRUE(dialog.fraPT.Visible());
    r.test.host.OnModal<frmRemarks>([](frmRemarks& d) {
        EXPECT_TRUE(d.fraPT.Visible()) << "as loaded";
        EXPECT_TRUE(d.chkPortable.Visible()) << "the activation reads the department again";
        EXPECT_FALSE(d.lblSpecimen(1).Enabled());
        Click(d.Command1);
    });
    dialog.DeptID = "XR";
    dialog.ShowModal();
    EXPECT_EQ(dialog.DeptID, "");
}

TEST(frmRemarks, RemarksAreTypedInCapitalsWithoutApostrophesUpToAHundredCharacters) {
    Remarks r;
    r.Show("US", "", [](frmRemarks& d) {
        Type(d.txtRemarks, "patient's own film");
        EXPECT_EQ(d.txtRemarks.Text(), "PATIENTS OWN FILM");
        Type(d.txtRemarks, std::string(100, 'x'));
        EXPECT_EQ(d.txtRemarks.Text().size(), 100u);
        Click(d.Command1);
    });
    EXPECT_EQ(r.test.app.ExamRemarks.substr(0, 17), "PATIENTS OWN FILM");
}

TEST(frmRemarks, AnEmptyPhysiatristBoxPassesAndANameNoLongerFoundHoldsTheFocus) {
    Remarks r;
    r.test.codeSearch.answers[{1, ""}] = [](FakeCodeSearch& search) {
        search.doctor = {"D0300", "  VILLA ", " ROSA ", "", false};
    };
    r.Show("PT", "", [&](frmRemarks& d) {
        Focus(d.txtPhysiatrist);
        EXPECT_TRUE(Focus(d.txtRemarks)) << "nobody has to be named";
        Click(d.cmdPhysiatrist);
        EXPECT_EQ(d.txtPhysiatrist.Text(), "VILLA ,ROSA");
        r.test.host.ExpectMsgBox("Doctor Code Not Exist!.").Buttons(forms::vbOKOnly);
        Focus(d.txtPhysiatrist);
        EXPECT_FALSE(Focus(d.txtRemarks));
        EXPECT_TRUE(d.txtPhysiatrist.HasFocus());
    });
}

} // namespace
