#include "chart/frmFinal.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmPTFile.h"
#include "shell/frmMessage.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

#include <optional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

struct ClosingCase {
    const char* name;
    int requests;                // rows of the cart in use
    std::optional<bool> sendNow; // the answer to the send-now dialog, when it is shown
    const char* question;        // the exit question
    int answer;                  // and its answer
    bool closed;
    int pageAfter;
};

TEST(ChartClosing, OffersToSendTheCartThenAsksToExit) {
    const ClosingCase cases[] = {
        {"empty cart, Yes", 0, std::nullopt, "Do you want to Exit?", forms::vbYes, true, 3},
        {"empty cart, No", 0, std::nullopt, "Do you want to Exit?", forms::vbNo, false, 3},
        {"one request, NO then Yes", 1, false, "Do you want to exit?", forms::vbYes, true, 3},
        {"one request, YES then No", 1, true, "Do you want to exit?", forms::vbNo, false, 0},
        {"two requests, NO then No", 2, false, "Do you want to exit?", forms::vbNo, false, 3},
    };
    for (const ClosingCase& c : cases) {
        TestApp test;
        ward::frmFinal& chart = fixture::OpenChart(test);
        ChooseTab(chart.tabSSTab1, 3);
        for (int row = 1; row <= c.requests; ++row) {
            chart.mshflexOrders.SetRows(row + 1);
            chart.mshflexOrders.SetTextMatrix(row, 1, "LB");
        }
        bool dialogShown = false;
        if (c.sendNow) {
            test.host.OnModal<ward::frmMessage>([&](ward::frmMessage& dialog) {
                dialogShown = true;
                Click(dialog.cmdOption(*c.sendNow ? 0 : 1));
            });
        }
        if (c.sendNow == true) {
            // The save finds the patient in the room; the nurse gives up signing, so nothing is sent.
            test.server.On("STATION..Nurse_CheckPatientRoom '" + std::string(fixture::InPatientIdNum) + "','" +
                           fixture::InPatientHospNum + "',''")
                .Returns({"RoomID", "StationID"}, {});
            test.host.OnModal<ward::frmTransaction_UserValidation>([&](ward::frmTransaction_UserValidation& v) {
                test.app.ValidatedUserID = "";
                v.Unload();
            });
            test.host.ExpectMsgBox("Entered request(s) will not be save! \r\nDo you want to save and send the request(s)?")
                .Answer(forms::vbNo);
        }
        test.host.ExpectMsgBox(c.question)
            .Title("Message")
            .Buttons(forms::vbYesNo + forms::vbQuestion)
            .Answer(c.answer);

        Click(chart.cmdExit);

        EXPECT_EQ(dialogShown, c.sendNow.has_value()) << c.name;
        EXPECT_EQ(!test.app.Forms.IsLoaded<ward::frmFinal>(), c.closed) << c.name;
        EXPECT_EQ(!test.app.Forms.IsLoaded<ward::frmPTFile>(), c.closed) << c.name;
        EXPECT_EQ(!test.app.Forms.IsLoaded<ward::frmNeuRoExams>(), c.closed) << c.name;
        if (!c.closed) {
            EXPECT_EQ(chart.tabSSTab1.Tab(), c.pageAfter) << c.name << ": the cart is sent from its own page";
        }
    }
}

} // namespace
