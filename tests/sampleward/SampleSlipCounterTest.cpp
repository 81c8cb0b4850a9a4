#include "SampleWardApp.h"
#include "charges/frmChargeSlipVerification.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

TEST(SampleSlipCounter, TheSettingShowsTheCounterAndWalksPastTheUsedSlipsBelowIt) {
    SampleWardApp ward;
    ward.host.ExpectMsgBox("Available Charge Slip Number : 4521").Title("Message");
    ward.host.OnModal<ward::frmChargeSlipVerification>([](ward::frmChargeSlipVerification& window) {
        EXPECT_EQ(window.txtChargeSlip.Text(), "4521");
        window.txtChargeSlip.SetText("");
        testkit::Type(window.txtChargeSlip, "4518");
        testkit::Click(window.lblExit(1));
    });
    ward.app.Forms.Get<ward::frmChargeSlipVerification>().ShowModal();
    EXPECT_FALSE(ward.app.Forms.IsLoaded<ward::frmChargeSlipVerification>());
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
