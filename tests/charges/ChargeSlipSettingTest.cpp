#include "ChargeWindow.h"
#include "charges/frmChargeSlipVerification.h"
#include "core/App.h"
#include "core/HospitalSettings.h"
#include "testkit/FixtureWard.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
using namespace charges_test;
using ward::frmChargeSlipVerification;

namespace {

const std::string ReadNumber = "Select ChargeSlip from STATION..tbSCNChargeSlip ";
const std::string ReadRow = "Select * from STATION..tbSCNChargeSlip ";
const std::vector<std::string> CounterColumns = {"ChargeSlip", "IChargeSlip", "OChargeSlip", "AssessNum"};

std::string Store(int number) {
    return "Update Station..tbSCNChargeSlip Set ChargeSlip =" + std::to_string(number) + ";";
}

// The row guarded by every value read, the counter moved to the number.
std::string Advance(int read, int number) {
    return "UPDATE STATION..tbSCNChargeSlip SET ChargeSlip = " + std::to_string(number) +
           " WHERE ChargeSlip = " + std::to_string(read) + " AND IChargeSlip = 7 AND OChargeSlip = 9 AND AssessNum = 3";
}

std::vector<Row> CounterRow(int chargeSlip) {
    return {{std::int32_t{chargeSlip}, std::int32_t{7}, std::int32_t{9}, std::int32_t{3}}};
}

// The window as the main menu opens it for a nurse of the given station, the counter holding 1500.
struct SlipSetting {
    explicit SlipSetting(std::vector<Row> parameters = {}, std::string station = "SIC") {
        fixture::DeclareSettings(test.server, false, parameters);
        ward::LoadHospitalSettings(test.app);
        test.app.StationID = fixture::StationID;
        test.app.StationName = fixture::StationName;
        test.currentUser.station = std::move(station);
        test.server.On(ReadNumber).Returns({"ChargeSlip"}, {{std::int32_t{1500}}});
    }
    // Shows the window modally; work runs inside it, after the window read the counter.
    void Show(std::function<void(frmChargeSlipVerification&)> work) {
        test.host.OnModal<frmChargeSlipVerification>([this, work](frmChargeSlipVerification& window) {
            mark = test.server.Mark();
            work(window);
        });
        test.app.Forms.Get<frmChargeSlipVerification>().ShowModal();
    }
    void Used(const std::string& slip) { test.server.On(SlipUsed(slip)).Returns({"Refnum"}, {{slip}}); }
    void Free(const std::string& slip) { test.server.On(SlipUsed(slip)).Returns({"Refnum"}, {}); }
    void ExpectAvailable(const std::string& number) {
        test.host.ExpectMsgBox("Available Charge Slip Number : " + number)
            .Title("Message")
            .Buttons(forms::vbInformation + forms::vbOKOnly);
    }
    void ExpectError(const std::string& description) {
        test.host.ExpectMsgBox(description + "\n\nPlease notify your IT department.").Title("Notification");
    }
    // What the window sent after showing itself.
    std::vector<std::string> Sent() const { return test.server.Statements(mark); }
    bool Open() const { return test.app.Forms.IsLoaded<frmChargeSlipVerification>(); }

    TestApp test;
    std::size_t mark = 0;
};

void Retype(forms::TextBox& box, const std::string& text) {
    box.SetText("");
    Type(box, text);
}

// The station picture is for nurses of every station ("ALL") only.
TEST(ChargeSlipSetting, ShowsTheStoredNumberAndTheStation) {
    SlipSetting s;
    s.test.server.Instead(ReadNumber).Returns({"ChargeSlip"}, {{" 1500 "}});
    s.Show([&](frmChargeSlipVerification& window) {
        EXPECT_EQ(window.lblheading.Caption(), "Charge Slip Sequence Number");
        EXPECT_EQ(window.txtChargeSlip.Text(), "1500");
        EXPECT_EQ(window.lblStation(0).Caption(), "SIC");
        EXPECT_EQ(window.lblStation(1).Caption(), fixture::StationName);
        EXPECT_FALSE(window.imgSearch.Enabled());
        EXPECT_TRUE(CloseWindow(window));
    });
    EXPECT_EQ(s.test.server.Statements(s.mark - 1), std::vector<std::string>{ReadNumber});
}

TEST(ChargeSlipSetting, EnterWalksPastUsedNumbersMovingTheCounterAlong) {
    SlipSetting s;
    s.Used("C1200B");
    s.Used("C1201B");
    s.Free("C1202B");
    s.test.server.On(ReadRow).Returns(CounterColumns, CounterRow(1500));
    s.test.server.On(ReadRow).Returns(CounterColumns, CounterRow(1201));
    s.test.server.On(Advance(1500, 1201)).Affects(1);
    s.test.server.On(Advance(1201, 1202)).Affects(1);
    s.test.server.On(Store(1202)).Affects(1);
    s.ExpectAvailable("1202");
    s.Show([&](frmChargeSlipVerification& window) {
        Retype(window.txtChargeSlip, "1200");
        PressKey(window.txtChargeSlip, forms::vbKeyReturn);
        EXPECT_EQ(window.txtChargeSlip.Text(), "1202");
        EXPECT_TRUE(s.Open());
        EXPECT_TRUE(CloseWindow(window));
    });
    EXPECT_TRUE(s.test.server.SentExactly({SlipUsed("C1200B"), ReadRow, Advance(1500, 1201), SlipUsed("C1201B"),
                                           ReadRow, Advance(1201, 1202), SlipUsed("C1202B"), Store(1202)},
                                          s.mark));
}

// The number is checked as the charge saves form their slips, and that number is what is stored.
TEST(ChargeSlipSetting, SaveStoresAFreeNumberAsTheChargeSavesWouldTakeIt) {
    struct Case {
        const char* name;
        std::vector<Row> parameters;
        std::string typed;
        std::string slip;
        int stored;
    };
    const std::vector<Case> cases = {
        {"free number", {}, "1200", "C1200B", 1200},
        {"leading zeros", {}, "00123", "C123B", 123},
        {"zero-padded slips", {{"CSlipFormat", "0000000"}}, "00123", "C0000123B", 123},
        {"zero-padded under fifteen-character slips",
         {{"CSlipFormat", "0000000"}, {"FifteenCSlipFormat", "1"}, {"BirCSlipFormat", "000000000000"}},
         "123",
         "C0000123B",
         123},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SlipSetting s(c.parameters);
        const bool fifteen = c.parameters.size() == 3;
        const std::string check = fifteen ? SlipUsedFifteen(c.slip) : SlipUsed(c.slip);
        s.test.server.On(check).Returns({"Refnum"}, {});
        s.test.server.On(Store(c.stored)).Affects(1);
        s.ExpectAvailable(std::to_string(c.stored));
        s.Show([&](frmChargeSlipVerification& window) {
            Retype(window.txtChargeSlip, c.typed);
            Click(window.lblExit(1));
        });
        EXPECT_TRUE(s.test.server.SentExactly({check, Store(c.stored)}, s.mark));
        EXPECT_FALSE(s.Open());
    }
}

TEST(ChargeSlipSetting, ANumberThatIsNoWholeNumberAboveZeroIsRefusedAndNothingStored) {
    for (const std::string typed : {"", "0", "000", "12.5", ".", "/", "/12"}) {
        for (bool byEnter : {false, true}) {
            SCOPED_TRACE("'" + typed + (byEnter ? "' Enter" : "' Save"));
            SlipSetting s;
            s.test.host.ExpectMsgBox("Please enter a valid Charge Slip Number.")
                .Title("Message")
                .Buttons(forms::vbInformation + forms::vbOKOnly);
            s.Show([&](frmChargeSlipVerification& window) {
                Retype(window.txtChargeSlip, typed);
                if (byEnter)
                    PressKey(window.txtChargeSlip, forms::vbKeyReturn);
                else
                    Click(window.lblExit(1));
                EXPECT_TRUE(s.Open()) << "the nurse corrects the number";
                EXPECT_EQ(window.txtChargeSlip.Text(), typed);
                EXPECT_TRUE(CloseWindow(window));
            });
            EXPECT_THAT(s.Sent(), testing::IsEmpty());
        }
    }
}

TEST(ChargeSlipSetting, OnlyNumberKeysAreTypedAndAnyOtherButTheApostropheStoresTheNumber) {
    SlipSetting s;
    s.Free("C12B");
    s.test.server.On(Store(12)).Affects(1);
    s.ExpectAvailable("12");
    s.Show([&](frmChargeSlipVerification& window) {
        Retype(window.txtChargeSlip, "1'2./");
        EXPECT_EQ(window.txtChargeSlip.Text(), "12./");
        EXPECT_THAT(s.Sent(), testing::IsEmpty());
        PressKey(window.txtChargeSlip, forms::vbKeyBack);
        PressKey(window.txtChargeSlip, forms::vbKeyBack);
        Type(window.txtChargeSlip, "x");
        EXPECT_EQ(window.txtChargeSlip.Text(), "12");
        EXPECT_TRUE(s.Open());
        EXPECT_TRUE(CloseWindow(window));
    });
    EXPECT_TRUE(s.test.server.SentExactly({SlipUsed("C12B"), Store(12)}, s.mark));
}

TEST(ChargeSlipSetting, CloseAndTheClosePictureStoreNothing) {
    for (bool picture : {false, true}) {
        SlipSetting s;
        s.Show([&](frmChargeSlipVerification& window) {
            Retype(window.txtChargeSlip, "1200");
            Click(picture ? static_cast<forms::Control&>(window.imgLegend) : window.lblExit(0));
        });
        EXPECT_FALSE(s.Open());
        EXPECT_THAT(s.Sent(), testing::IsEmpty());
    }
}

// A counter without its row cannot be moved past a used number nor set: the nurse is told, never told it is set.
TEST(ChargeSlipSetting, ACounterWithoutItsRowIsReportedAndTheWindowStaysOpen) {
    for (bool used : {true, false}) {
        SCOPED_TRACE(used ? "used number" : "free number");
        SlipSetting s;
        if (used) {
            s.Used("C1200B");
            s.test.server.On(ReadRow).Returns(CounterColumns, {});
        } else {
            s.Free("C1200B");
            s.test.server.On(Store(1200)).Affects(0);
        }
        s.ExpectError("The charge slip counter STATION..tbSCNChargeSlip has no row.");
        s.Show([&](frmChargeSlipVerification& window) {
            Retype(window.txtChargeSlip, "1200");
            Click(window.lblExit(1));
            EXPECT_TRUE(s.Open());
            EXPECT_TRUE(CloseWindow(window));
        });
    }
}

TEST(ChargeSlipSetting, ALostUpdateIsReadAgainAndAnotherStationThatKeepsWinningStopsTheWalk) {
    for (int lost : {1, 6}) {
        SCOPED_TRACE(lost);
        SlipSetting s;
        s.Used("C1200B");
        s.Free("C1201B");
        s.test.server.On(ReadRow).Returns(CounterColumns, CounterRow(1500));
        for (int i = 0; i < lost; ++i)
            s.test.server.On(Advance(1500, 1201)).Affects(0);
        s.test.server.On(Advance(1500, 1201)).Affects(1);
        s.test.server.On(Store(1201)).Affects(1);
        if (lost < 6)
            s.ExpectAvailable("1201");
        else
            s.ExpectError("Another station is taking charge slip numbers. Nothing was saved; please save again.");
        s.Show([&](frmChargeSlipVerification& window) {
            Retype(window.txtChargeSlip, "1200");
            PressKey(window.txtChargeSlip, forms::vbKeyReturn);
            EXPECT_TRUE(CloseWindow(window));
        });
        const std::vector<std::string> sent = s.Sent();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), Advance(1500, 1201)), std::min(lost + 1, 6));
        EXPECT_EQ(std::count(sent.begin(), sent.end(), Store(1201)), lost < 6 ? 1 : 0);
    }
}

TEST(ChargeSlipSetting, OnlyANurseOfEveryStationPicksAStationWhichIsShownAndTheCounterCheckedAgain) {
    SlipSetting s({}, "ALL");
    s.test.codeSearch.answers[{10, ""}] = [](FakeCodeSearch& search) { search.station = {"MW", "MEDICAL WARD"}; };
    s.Free("C1500B");
    s.test.server.On(Store(1500)).Affects(1);
    s.ExpectAvailable("1500");
    s.Show([&](frmChargeSlipVerification& window) {
        EXPECT_TRUE(window.imgSearch.Enabled());
        Retype(window.txtChargeSlip, "1200");
        Click(window.imgSearch);
        EXPECT_EQ(window.lblStation(0).Caption(), "MW");
        EXPECT_EQ(window.lblStation(1).Caption(), "MEDICAL WARD");
        EXPECT_EQ(window.txtChargeSlip.Text(), "1500");
        EXPECT_TRUE(CloseWindow(window));
    });
    EXPECT_TRUE(s.test.server.SentExactly({ReadNumber, SlipUsed("C1500B"), Store(1500)}, s.mark));

    SlipSetting nothingPicked({}, "ALL");
    nothingPicked.Show([&](frmChargeSlipVerification& window) {
        Click(window.imgSearch);
        EXPECT_EQ(window.lblStation(0).Caption(), "SIC");
        EXPECT_TRUE(CloseWindow(window));
    });
    EXPECT_THAT(nothingPicked.Sent(), testing::IsEmpty());
}

} // namespace
