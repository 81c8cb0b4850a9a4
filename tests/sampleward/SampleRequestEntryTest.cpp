#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "platform/vb/Strings.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/ExamPicker.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmPTRequestEntry.h"
#include "requestentry/frmRTfile.h"
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

template <class Picker> void PickFirstExamAndClose(SampleWardApp& ward, std::vector<std::string>& opened) {
    ward.host.OnModal<Picker>([&ward, &opened](Picker& picker) {
        opened.push_back(picker.Name());
        ward.host.OnModal<ward::frmRemarks>([](ward::frmRemarks& remarks) { testkit::Click(remarks.Command1); });
        testkit::ClickListLine(picker.ExamList(), 0);
        testkit::Click(picker.CloseButton());
    });
}

// Every line of the sample in-patient's other-departments list opens its window; a picker's first exam goes into
// the cart, and each line is unticked again when its window closes.
TEST(SampleRequestEntry, EachOtherDepartmentOpensItsWindowWithNoStatementUnanswered) {
    SampleWardApp ward;
    ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    chart.Show();
    ward.host.FireTimer(chart.Timer1);
    forms::ListBox& others = chart.lstListOthers;
    std::vector<std::string> opened;
    for (int line = 0; line < others.ListCount(); ++line) {
        const std::string code = vb::Right(others.List(line), 2);
        SCOPED_TRACE(code);
        if (code == "PT")
            PickFirstExamAndClose<ward::frmPTFile>(ward, opened);
        else if (code == "CT")
            PickFirstExamAndClose<ward::frmCTfile>(ward, opened);
        else if (code == "PA")
            PickFirstExamAndClose<ward::frmRTfile>(ward, opened);
        else if (code == "AU")
            PickFirstExamAndClose<ward::frmAudio>(ward, opened);
        else if (code == "HS")
            PickFirstExamAndClose<ward::frmHeart>(ward, opened);
        else if (code == "NU")
            PickFirstExamAndClose<ward::frmNuclear>(ward, opened);
        else if (code == "NE")
            PickFirstExamAndClose<ward::frmNeuRoExams>(ward, opened);
        else
            ward.host.OnModal<ward::frmRequest>([&opened](ward::frmRequest& dialog) {
                opened.push_back(dialog.Caption());
                testkit::Click(dialog.cmdOption(1));
            });
        testkit::ClickListLine(others, line);
        EXPECT_FALSE(others.Selected(line));
    }
    EXPECT_EQ(opened.size(), 10u);
    EXPECT_THAT(opened, testing::Contains("MRI Request Entry"));
    EXPECT_EQ(chart.mshflexOrders.Rows(), 8) << "one exam of each picker";
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

TEST(SampleRequestEntry, TheRehabilitationEntryListsTheInPatientsRequestsInEachStatus) {
    SampleWardApp ward;
    ward::frmPTRequestEntry& entry = ward.app.Forms.Instance<ward::frmPTRequestEntry>();
    entry.ID = sampleward::InPatientIdNum;
    entry.Show();
    EXPECT_EQ(entry.mshflexList.Rows(), 4);
    EXPECT_EQ(entry.mshflexList.TextMatrix(2, 5), "PROCESSED");
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
