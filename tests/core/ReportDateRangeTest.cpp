#include "core/frmReport.h"
#include "platform/forms/LayoutCheck.h"
#include "platform/vb/DateTime.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

vb::Date March(int day) { return vb::DateSerial(2026, 3, day); }

struct DateDialog {
    TestApp test;

    DateDialog() { test.app.ServerDate = vb::Date{March(1).serial + 0.6}; } // 1 March, 2:24 PM

    // Shows the dialog as a report menu does; the nurse works it with `work`.
    void Show(std::function<void(ward::frmReport&)> work) {
        test.host.OnModal<ward::frmReport>(std::move(work));
        ward::frmReport& dialog = test.app.Forms.Instance<ward::frmReport>();
        dialog.SetCaption("Enter Report Date for Audit Report");
        dialog.ShowModal();
    }
    std::pair<std::string, std::string> Range() const { return {test.app.ReportDateFrom, test.app.ReportDateTo}; }
};

TEST(frmReport, OpensOnTheServersDateAndOffersNoLaterDay) {
    DateDialog fixture;
    fixture.Show([](ward::frmReport& dialog) {
        EXPECT_EQ(dialog.Caption(), "Enter Report Date for Audit Report");
        EXPECT_EQ(dialog.lblFrom.Caption(), "FROM");
        EXPECT_EQ(dialog.lblTo.Caption(), "TO");
        EXPECT_EQ(dialog.cmdOption(0).Caption(), "&OK");
        EXPECT_EQ(dialog.cmdOption(1).Caption(), "&CANCEL");
        EXPECT_TRUE(forms::FindOverlaps(dialog).empty());
        for (forms::DTPicker* picker : {&dialog.dtpFrom, &dialog.dtpTo}) {
            EXPECT_EQ(picker->Value(), March(1)) << picker->Name();
            EXPECT_FALSE(PickDate(*picker, March(2))) << picker->Name();
            EXPECT_TRUE(PickDate(*picker, vb::DateSerial(2026, 2, 27))) << picker->Name();
        }
        Click(dialog.cmdOption(1));
    });
}

TEST(frmReport, AcceptsARangeAsShortDates) {
    const struct {
        const char* name;
        vb::Date from;
        vb::Date to;
        std::pair<std::string, std::string> range;
    } cases[] = {
        {"same day", March(1), March(1), {"3/1/2026", "3/1/2026"}},
        {"a week", vb::DateSerial(2026, 2, 22), March(1), {"2/22/2026", "3/1/2026"}},
    };
    for (const auto& c : cases) {
        DateDialog fixture;
        fixture.Show([&](ward::frmReport& dialog) {
            PickDate(dialog.dtpFrom, c.from);
            PickDate(dialog.dtpTo, c.to);
            Click(dialog.cmdOption(0));
        });
        EXPECT_EQ(fixture.Range(), c.range) << c.name;
        EXPECT_FALSE(fixture.test.app.Forms.IsLoaded<ward::frmReport>()) << c.name;
    }
}

TEST(frmReport, AStartAfterTheEndIsRefusedAndTheDialogStaysOpen) {
    DateDialog fixture;
    fixture.test.host.ExpectMsgBox("Invalid dates.").Title("Notification").Buttons(forms::vbInformation);
    fixture.Show([&](ward::frmReport& dialog) {
        PickDate(dialog.dtpTo, vb::DateSerial(2026, 2, 27));
        Click(dialog.cmdOption(0));
        EXPECT_TRUE(dialog.IsLoaded());
        EXPECT_EQ(fixture.Range(), (std::pair<std::string, std::string>{"", ""}));
        Click(dialog.cmdOption(1));
    });
    EXPECT_EQ(fixture.Range(), (std::pair<std::string, std::string>{"", ""}));
}

TEST(frmReport, CancelOrTheCloseBoxAfterAnEarlierRangeLeavesNoRange) {
    for (const bool closeBox : {false, true}) {
        DateDialog fixture;
        fixture.Show([](ward::frmReport& dialog) { Click(dialog.cmdOption(0)); });
        ASSERT_EQ(fixture.Range().first, "3/1/2026");
        fixture.Show([closeBox](ward::frmReport& dialog) {
            if (closeBox)
                CloseWindow(dialog);
            else
                Click(dialog.cmdOption(1));
        });
        EXPECT_EQ(fixture.Range(), (std::pair<std::string, std::string>{"", ""})) << closeBox;
    }
}

TEST(frmReport, TheNextShowStartsAgainOnTheServersDate) {
    DateDialog fixture;
    fixture.Show([](ward::frmReport& dialog) {
        PickDate(dialog.dtpFrom, vb::DateSerial(2026, 2, 1));
        Click(dialog.cmdOption(0));
    });
    fixture.Show([](ward::frmReport& dialog) {
        EXPECT_EQ(dialog.dtpFrom.Value(), March(1));
        Click(dialog.cmdOption(1));
    });
}

} // namespace
