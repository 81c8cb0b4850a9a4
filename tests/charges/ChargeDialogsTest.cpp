#include "charges/frmDoctorsFee.h"
#include "charges/frmPSIReading.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
using ward::frmDoctorsFee;
using ward::frmPSIReading;

namespace {

// The entry grid of any of the four charge windows: row 1 holds the oxygen item, flagged for PSI by the caller.
class frmStandIn : public forms::Form {
public:
    using forms::Form::Form;
    forms::MSHFlexGrid mshflexEntry{*this, "mshflexEntry"};
};

const std::string OxygenCode = "OX-0001";
const std::vector<std::string> TankColumns = {"ItemID", "TankNum", "TransDate", "InitialR", "LastR"};

std::string TankQuery(const std::string& tank) {
    return "SELECT top 1 * From INVENTORY..tbCSROxygen Where ItemID = 'OX-0001' and TankNum = '" + tank +
           "' ORDER BY ItemID, TransDate DESC";
}

struct PSIDialog {
    PSIDialog() : window(test.app.Forms) {
        window.mshflexEntry.SetCols(15);
        window.mshflexEntry.SetRows(3);
        window.mshflexEntry.SetTextMatrix(1, 11, "1");
        test.app.PSIReading = 0;
        frmPSIReading& dialog = test.app.Forms.Instance<frmPSIReading>();
        dialog.Code = OxygenCode + " ";
        dialog.Description = "OXYGEN TANK, PSI";
        dialog.Grid = &window.mshflexEntry;
        dialog.SelectedRow = 1;
    }
    // Shows the dialog modally; work runs inside it and must close it.
    void Show(std::function<void(frmPSIReading&)> work) {
        test.host.OnModal<frmPSIReading>(std::move(work));
        test.app.Forms.Instance<frmPSIReading>().ShowModal();
        EXPECT_FALSE(test.app.Forms.IsLoaded<frmPSIReading>());
    }
    std::vector<std::string> Cells() const {
        std::vector<std::string> cells;
        for (int col = 11; col <= 14; ++col)
            cells.push_back(window.mshflexEntry.TextMatrix(1, col));
        return cells;
    }
    void Refusal(const std::string& prompt) {
        test.host.ExpectMsgBox(prompt).Title("Notification").Buttons(forms::vbOKOnly + forms::vbCritical);
    }

    TestApp test;
    frmStandIn window;
};

// Looks the tank up and types the readings the lookup left open, each followed by Enter.
void Enter(frmPSIReading& dialog, const std::string& tank, const std::string& initial, const std::string& last) {
    Type(dialog.txtTank, tank);
    PressKey(dialog.txtTank, forms::vbKeyReturn);
    if (!dialog.txtInitialReading.Locked()) {
        Type(dialog.txtInitialReading, initial);
        PressKey(dialog.txtInitialReading, forms::vbKeyReturn);
    }
    Type(dialog.txtLastReading, last);
}

TEST(PSIReading, TheTanksNewestRecordDecidesWhereTheReadingStarts) {
    struct Case {
        const char* name;
        std::vector<Row> newest;
        bool historyTaken;
    };
    const std::vector<Case> cases = {
        {"no record", {}, false},
        {"pressure left", {{OxygenCode, "17", "12/01/2026", 2000, 1500}}, true},
        {"emptied", {{OxygenCode, "17", "12/01/2026", 2000, 0}}, false},
        {"nothing used", {{OxygenCode, "17", "12/01/2026", 1500, 1500}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PSIDialog d;
        d.test.server.On(TankQuery("17")).Returns(TankColumns, c.newest);
        d.Show([&](frmPSIReading& dialog) {
            EXPECT_EQ(dialog.lblCode.Caption(), " OX-0001 ");
            EXPECT_TRUE(dialog.txtInitialReading.Locked());
            EXPECT_TRUE(dialog.txtLastReading.Locked());
            Type(dialog.txtTank, "17");
            PressKey(dialog.txtTank, forms::vbKeyReturn);
            EXPECT_EQ(dialog.txtInitialReading.Locked(), c.historyTaken);
            EXPECT_EQ(dialog.txtInitialReading.Enabled(), !c.historyTaken);
            EXPECT_FALSE(dialog.txtLastReading.Locked());
            EXPECT_EQ(dialog.txtInitialReading.HasFocus(), !c.historyTaken);
            EXPECT_EQ(dialog.txtLastReading.HasFocus(), c.historyTaken);
            if (c.historyTaken) {
                EXPECT_EQ(dialog.txtInitialReading.Text(), "1500");
                EXPECT_EQ(dialog.txtTank.Text(), "17");
            } else {
                Type(dialog.txtInitialReading, "2000");
            }
            Type(dialog.txtLastReading, "1200");
            Click(dialog.lblExit(1));
        });
        EXPECT_TRUE(d.test.server.SentExactly({TankQuery("17")}));
        EXPECT_EQ(d.test.app.PSIReading, c.historyTaken ? 300 : 800);
    }
}

TEST(PSIReading, KeysOtherThanDigitsPointSlashAndBackspaceAreDropped) {
    PSIDialog d;
    d.test.server.On(TankQuery("12/5")).Returns(TankColumns, {});
    d.Show([&](frmPSIReading& dialog) {
        Type(dialog.txtTank, "1a'2/-5 ");
        EXPECT_EQ(dialog.txtTank.Text(), "12/5");
        PressKey(dialog.txtTank, forms::vbKeyReturn);
        Click(dialog.lblExit(0));
    });
}

TEST(PSIReading, EnterChecksTheReadingsAndMovesOn) {
    enum Refused { None, AtInitial, AtLast };
    struct Case {
        const char* initial;
        const char* last;
        Refused refused;
        const char* refusal;
        const char* consumed;
    };
    const std::vector<Case> cases = {
        {"0", "", AtInitial, "INVALID Initial Reading. It should be > 0", ""},
        {"1000", "1200", AtInitial, "INVALID Initial Reading. It should be > Last Reading", ""},
        {"1000", "1000", AtLast, "INVALID Last Reading. It should be < Initial Reading", ""},
        {"1000", "", None, "", "1000"}, // an empty last reading counts as 0 here
        {"12/5", "2", None, "", "10"},
        {"1.5.3", "1", None, "", "0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.initial) + " / " + c.last);
        PSIDialog d;
        d.test.server.On(TankQuery("21")).Returns(TankColumns, {});
        d.Show([&](frmPSIReading& dialog) {
            Type(dialog.txtTank, "21");
            PressKey(dialog.txtTank, forms::vbKeyReturn);
            dialog.txtLastReading.SetText(c.last);
            Type(dialog.txtInitialReading, c.initial);
            const bool initialRefused = c.refused == AtInitial;
            if (initialRefused)
                d.Refusal(c.refusal);
            PressKey(dialog.txtInitialReading, forms::vbKeyReturn);
            EXPECT_EQ(dialog.txtInitialReading.HasFocus(), initialRefused);
            if (!initialRefused) {
                EXPECT_TRUE(dialog.txtLastReading.HasFocus());
                if (c.refused == AtLast)
                    d.Refusal(c.refusal);
                PressKey(dialog.txtLastReading, forms::vbKeyReturn);
                EXPECT_EQ(dialog.txtLastReading.HasFocus(), c.refused == AtLast);
                EXPECT_EQ(dialog.lblConsumed.Caption(), c.consumed);
            }
            Click(dialog.lblExit(0));
        });
    }
}

TEST(PSIReading, SaveChecksTheReadingsAgainWithItsOwnMessages) {
    struct Case {
        const char* initial;
        const char* last;
        const char* refusal;
        bool initialFocused;
    };
    const std::vector<Case> cases = {
        {"", "", "INVALID Initial Reading. It should be greater than zero(0)", true},
        {"1000", "1200", "INVALID Initial Reading. It should be greater than the Last Reading", true},
        {"1000", "", "INVALID Last Reading. It should be zero(0) or greater than zero(0).", false},
        {"1000", "1000", "INVALID Last Reading. It should be less than the Initial Reading", false},
        {"40000", "1", "INVALID Reading. Qty. Consumed should not be greater than 32767", true},
        {"32768.5", "1", "INVALID Reading. Qty. Consumed should not be greater than 32767", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.initial) + " / " + c.last);
        PSIDialog d;
        d.test.server.On(TankQuery("21")).Returns(TankColumns, {});
        d.Show([&](frmPSIReading& dialog) {
            Type(dialog.txtTank, "21");
            PressKey(dialog.txtTank, forms::vbKeyReturn);
            dialog.txtInitialReading.SetText(c.initial);
            dialog.txtLastReading.SetText(c.last);
            d.Refusal(c.refusal);
            Click(dialog.lblExit(1));
            forms::TextBox& corrected = c.initialFocused ? dialog.txtInitialReading : dialog.txtLastReading;
            EXPECT_TRUE(corrected.HasFocus());
            EXPECT_EQ(corrected.SelLength(), static_cast<int>(corrected.Text().size()));
            EXPECT_EQ(d.Cells(), (std::vector<std::string>{"1", "", "", ""})) << "nothing written";
            Click(dialog.lblExit(0));
        });
        EXPECT_EQ(d.test.app.PSIReading, 0);
    }
}

TEST(PSIReading, SaveWritesTheReadingsAndRoundsTheConsumptionHalfToEven) {
    struct Case {
        const char* initial;
        const char* last;
        std::int16_t reading;
    };
    const std::vector<Case> cases = {
        {"1500", "1200", 300}, {"3", "0.5", 2}, {"4", "0.5", 4}, {"1", "0.6", 0}, {"32768", "1", 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.initial) + " / " + c.last);
        PSIDialog d;
        d.test.app.PSIReading = 77;
        d.test.server.On(TankQuery("9")).Returns(TankColumns, {});
        d.Show([&](frmPSIReading& dialog) {
            Enter(dialog, "9", c.initial, c.last);
            Click(dialog.lblExit(1));
        });
        EXPECT_EQ(d.Cells(), (std::vector<std::string>{"1", c.initial, c.last, "9"}));
        EXPECT_EQ(d.test.app.PSIReading, c.reading);
    }
}

TEST(PSIReading, ExitTheClosePictureAndTheCloseBoxLeaveNoPSIRow) {
    const std::vector<std::function<void(frmPSIReading&)>> ways = {
        [](frmPSIReading& dialog) { Click(dialog.lblExit(0)); },
        [](frmPSIReading& dialog) { Click(dialog.imgLegend); },
        [](frmPSIReading& dialog) { EXPECT_TRUE(CloseWindow(dialog)); },
    };
    for (std::size_t way = 0; way < ways.size(); ++way) {
        SCOPED_TRACE(way);
        PSIDialog d;
        d.window.mshflexEntry.SetTextMatrix(1, 12, "900");
        d.test.app.PSIReading = 5;
        d.Show(ways[way]);
        EXPECT_EQ(d.Cells(), (std::vector<std::string>{"0", "", "", ""}));
        EXPECT_EQ(d.test.app.PSIReading, 0);
    }
}

TEST(PSIReading, TheButtonUnderTheMouseIsHighlighted) {
    PSIDialog d;
    d.Show([&](frmPSIReading& dialog) {
        const std::string rest = dialog.ImageList1.ListImage(4).Path, hot = dialog.ImageList1.ListImage(5).Path;
        EXPECT_EQ(dialog.imgOption(1).Picture().Path, rest);
        MouseMove(dialog.lblExit(1), 10, 10);
        EXPECT_EQ(dialog.imgOption(1).Picture().Path, hot);
        EXPECT_EQ(dialog.imgOption(0).Picture().Path, rest);
        MouseMove(dialog.lblExit(0), 10, 10);
        EXPECT_EQ(dialog.imgOption(0).Picture().Path, hot);
        EXPECT_EQ(dialog.imgOption(1).Picture().Path, rest);
        Click(dialog.lblExit(0));
    });
}

// The doctor's fee picker.
const std::vector<std::string> FeeColumns = {"Description", "Amount"};
const std::string FeeCheck = "Select TOP 1 1 from BUILD_FILE..tbCoDoctorBill Where DoctorID ='D0201' and Status = 1 "
                             "and Amount >0";
const std::string FeeList = "Select Description,Amount from BUILD_FILE..tbCoDoctorBill Where DoctorID ='D0201' and "
                            "Status = 1 and Amount >0 Order By Description";

struct FeePicker {
    FeePicker() {
        picker.DoctorCode = "D0201 ";
        picker.DoctorName = "REYES ,MARIO";
    }
    void Show(std::function<void(frmDoctorsFee&)> work) {
        test.host.OnModal<frmDoctorsFee>(std::move(work));
        picker.ShowModal();
        EXPECT_FALSE(test.app.Forms.IsLoaded<frmDoctorsFee>());
    }
    TestApp test;
    frmDoctorsFee& picker = test.app.Forms.Instance<frmDoctorsFee>();
};

TEST(DoctorsFee, SearchRecordCountsOnlyActiveFeesAboveZero) {
    FeePicker f;
    f.test.server.On(FeeCheck).Returns({""}, {{1}});
    f.test.server.On(FeeCheck).Returns({""}, {});
    EXPECT_TRUE(f.picker.SearchRecord());
    EXPECT_FALSE(f.picker.SearchRecord());
    EXPECT_TRUE(f.test.server.SentExactly({FeeCheck, FeeCheck}));
}

TEST(DoctorsFee, ChoosingByDoubleClickOrEnterHandsBackTheAmountAndEachShowingStartsAtZero) {
    FeePicker f;
    f.test.server.On(FeeList).Returns(FeeColumns, {{"ADMISSION", 1000.0}, {"CONSULTATION", 500.0}});
    f.Show([](frmDoctorsFee& picker) {
        EXPECT_EQ(picker.lblDoctor.Caption(), "List of Professional Fees of REYES ,MARIO");
        EXPECT_EQ(picker.mshFlexDoctorsFee.Cols(), 3);
        EXPECT_EQ(picker.mshFlexDoctorsFee.ColWidth(0), 0);
        EXPECT_EQ(picker.mshFlexDoctorsFee.ColWidth(1), 4000);
        EXPECT_EQ(picker.mshFlexDoctorsFee.ColWidth(2), 1000);
        EXPECT_EQ(picker.mshFlexDoctorsFee.TextMatrix(1, 1), "ADMISSION");
        DoubleClickCell(picker.mshFlexDoctorsFee, 2, 1);
    });
    EXPECT_EQ(f.picker.SelectedDoctorFee, 500);

    f.Show([](frmDoctorsFee& picker) {
        EXPECT_EQ(picker.SelectedDoctorFee, 0);
        ClickCell(picker.mshFlexDoctorsFee, 1, 1);
        PressKey(picker.mshFlexDoctorsFee, forms::vbKeyDown);
        PressKey(picker.mshFlexDoctorsFee, forms::vbKeyReturn);
    });
    EXPECT_EQ(f.picker.SelectedDoctorFee, 500) << "Enter chooses the line the arrow moved to";

    f.Show([](frmDoctorsFee& picker) { EXPECT_TRUE(CloseWindow(picker)); });
    EXPECT_EQ(f.picker.SelectedDoctorFee, 0) << "no earlier fee reaches a row closed without a choice";
    f.Show([](frmDoctorsFee& picker) { PressKey(picker, forms::vbKeyEscape); });
    EXPECT_EQ(f.picker.SelectedDoctorFee, 0);
    EXPECT_TRUE(f.test.server.SentExactly({FeeList, FeeList, FeeList, FeeList}));
}

TEST(DoctorsFee, AnEmptyListIsDisabledAndCanStillBeClosed) {
    FeePicker f;
    f.test.server.On(FeeList).Returns(FeeColumns, {});
    f.Show([](frmDoctorsFee& picker) {
        EXPECT_FALSE(picker.mshFlexDoctorsFee.Enabled());
        EXPECT_EQ(picker.mshFlexDoctorsFee.Rows(), 2);
        EXPECT_TRUE(CloseWindow(picker));
    });
    EXPECT_EQ(f.picker.SelectedDoctorFee, 0);
}

} // namespace
