#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmRequest.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

// Each search button of the sample in-patient's chart opens its dialog, where two exams of the sample catalogue are
// looked up, given their remarks and accepted into the cart.
TEST(SampleRequestEntry, EachSearchButtonLooksExamsUpAndFillsTheCartWithNoStatementUnanswered) {
    struct Case {
        forms::CommandButton ward::frmFinal::*button;
        std::vector<std::string> codes;
    };
    const Case cases[] = {{&ward::frmFinal::cmdLabMore, {"CBC", "FBS"}},
                          {&ward::frmFinal::cmdXrayMore, {"0101", "0102"}},
                          {&ward::frmFinal::cmdUltraMore, {"0201", "0202"}}};
    SampleWardApp ward;
    ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    chart.Show();
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        ward.host.OnModal<ward::frmRequest>([&](ward::frmRequest& dialog) {
            for (const std::string& code : c.codes) {
                expected.push_back(dialog.txtDept.Text() + " " + code);
                ward.host.OnModal<ward::frmRemarks>([](ward::frmRemarks& remarks) {
                    if (remarks.Picture1.Visible())
                        testkit::ClickCell(remarks.mshflexSpecimen, 1, 2);
                    testkit::Click(remarks.Command1);
                });
                testkit::ClickCell(dialog.mshflexEntry, dialog.mshflexEntry.Rows() - 1, 1);
                testkit::Type(dialog.txtEntry, code);
                if (code == "0102")
                    ward.host
                        .ExpectMsgBox("This Request has been PROCCESSED TODAY AT 12/11/2026 07:45:00 AM! Do you wish "
                                      "to REPEAT it ?")
                        .Answer(forms::vbYes);
                testkit::PressKey(dialog.txtEntry, forms::vbKeyReturn);
            }
            testkit::Click(dialog.cmdOption(0));
        });
        testkit::Click(chart.*c.button);
    }
    std::vector<std::string> cart;
    for (int row = 1; row < chart.mshflexOrders.Rows(); ++row)
        cart.push_back(chart.mshflexOrders.TextMatrix(row, 1) + " " + chart.mshflexOrders.TextMatrix(row, 2));
    EXPECT_EQ(cart, expected);
    EXPECT_FALSE(chart.mshflexOrders.TextMatrix(1, 5).empty()) << "priced for the in-patient's room class";
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
