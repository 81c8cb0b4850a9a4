#include "RequestDialog.h"
#include "testkit/FixtureSignIn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;

struct Button {
    std::string name;
    forms::CommandButton ward::frmFinal::*button;
    std::string dept;
    std::string caption;
    std::string rightRefusal;
};

const Button Buttons[] = {
    {"cmdLabMore", &ward::frmFinal::cmdLabMore, "LB", "Laboratory Request Entry",
     "Sorry you don't have access right to Request Laboratory Exams."},
    {"cmdUltraMore", &ward::frmFinal::cmdUltraMore, "US", "Ultrasound Request Entry",
     "Sorry you don't have access right to Request Ultrasound Exams."},
    {"cmdXrayMore", &ward::frmFinal::cmdXrayMore, "XR", "Xray Request Entry",
     "Sorry you don't have access right to Request Xray Exams."},
};

enum class Way { Refused, Passed, Bypass };

// What the dialog saw while it was shown.
struct Seen {
    std::string caption, dept, department;
    bool flag = false;
    std::vector<int> entryColumns;
};

TEST(SearchButtons, EachButtonOpensItsDepartmentsDialogBehindTheGateAndItsBypass) {
    for (const Button& b : Buttons) {
        for (Way way : {Way::Refused, Way::Passed, Way::Bypass}) {
            SCOPED_TRACE(b.name + " " + std::to_string(static_cast<int>(way)));
            TestApp test;
            ward::frmFinal& chart =
                fixture::OpenRequestEntryChart(test, {{"IsAllowByPassClinicalDepartmentCashBasis", true}});
            fixture::DeclareSignIns(test.server);
            test.app.ValidatedUserID = fixture::ActingNurseCode;
            components::AdmissionData& admission = test.patientSearch.admissions[Id].admission;
            if (way == Way::Refused) {
                test.server.Instead(fixture::RightsQuery(fixture::NurseCode))
                    .Returns({"EmployeeID", "EmployeeRights"}, {{fixture::NurseCode, "|2|"}});
                test.host.ExpectMsgBox(b.rightRefusal);
            }
            if (way == Way::Bypass) {
                admission.OkeyLab = admission.OkeyXray = admission.OkeyUltra = false;
                test.host.ExpectMsgBox("The patient's account has been placed under cash basis " +
                                       std::string(b.dept == "LB"   ? "for ( Laboratory Charges ) "
                                                   : b.dept == "XR" ? "for ( Xray Charges ) "
                                                                    : "for ( Ultrasound Charges ) ") +
                                       "by the Billing Officer. Please advise the patient/watcher to see the "
                                       "Billing staff immediately for further instructions.");
                test.host
                    .ExpectMsgBox("Note: You can by pass the cash basis condition if the request is really a "
                                  "'STAT'.\n\rProvided that you will enter the reason for the STAT request and a "
                                  "Supervisor Log-in.\n\r\n\rDo You want to Proceed?")
                    .Answer(forms::vbYes);
                fixture::SignInAsSupervisor(test, fixture::SupervisorCode);
            }
            std::vector<Seen> seen;
            for (int click = 0; click < 2 && (way != Way::Bypass || click == 0); ++click) {
                if (way != Way::Refused)
                    test.host.OnModal<ward::frmRequest>([&](ward::frmRequest& dialog) {
                        std::vector<int> cols;
                        for (int col = 1; col <= 7; ++col)
                            if (!dialog.ExcemptCol(col))
                                cols.push_back(col);
                        seen.push_back({dialog.Caption(), dialog.txtDept.Text(), dialog.Department(),
                                        test.app.CashBasisStatBypass, cols});
                        // What the first showing leaves must not reach the second.
                        dialog.txtDept.SetText("??");
                        dialog.SetDepartment("??");
                        dialog.SetCaption("??");
                        Click(dialog.cmdOption(1));
                    });
                else if (click == 1)
                    test.host.ExpectMsgBox(b.rightRefusal);
                Click(chart.*b.button);
            }
            if (way == Way::Refused) {
                EXPECT_THAT(test.host.ModalShows(), testing::IsEmpty());
                EXPECT_EQ(chart.mshflexOrders.TextMatrix(1, 1), "");
                continue;
            }
            ASSERT_EQ(seen.size(), way == Way::Bypass ? 1u : 2u);
            const std::vector<int> entry =
                way == Way::Bypass ? (b.dept == "LB" ? std::vector<int>{1, 3, 7} : std::vector<int>{1, 7})
                                   : (b.dept == "LB" ? std::vector<int>{1, 3, 6, 7} : std::vector<int>{1, 6, 7});
            for (const Seen& s : seen) {
                EXPECT_EQ(s.caption, b.caption);
                EXPECT_EQ(s.dept, b.dept);
                EXPECT_EQ(s.department, b.dept);
                EXPECT_EQ(s.flag, way == Way::Bypass);
                EXPECT_EQ(s.entryColumns, entry);
            }
            EXPECT_FALSE(test.app.CashBasisStatBypass);
            EXPECT_EQ(test.app.ValidatedUserID,
                      way == Way::Bypass ? fixture::SupervisorCode : fixture::ActingNurseCode);
            ward::BypassApprovals approvals;
            if (way == Way::Bypass)
                approvals[b.dept] = {fixture::SupervisorCode, "Allowed "};
            EXPECT_EQ(chart.StatBypassApprovals, approvals);
        }
    }
}

} // namespace
