#include "TestWindows.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Bars.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/Grid.h"
#include "platform/forms/ListView.h"
#include "platform/forms/Lists.h"
#include "platform/forms/ReportViewer.h"
#include "platform/forms/RichTextBox.h"
#include "platform/forms/Tabs.h"
#include "platform/vb/DateTime.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;

namespace {

// One control of each kind that carries data, as a display binding meets them.
class frmEveryKind : public Form {
public:
    explicit frmEveryKind(TestApp& app) : Form(app.Forms) {}
    MSHFlexGrid grdList{*this, "grdList"};
    ListBox lstExams{*this, "lstExams"};
    ComboBox cboShift{*this, "cboShift"};
    ListView lvwItems{*this, "lvwItems"};
    SSTab sstPages{*this, "sstPages"};
    DTPicker dtpDate{*this, "dtpDate"};
    RichTextBox rtbText{*this, "rtbText"};
    ProgressBar prgMeter{*this, "prgMeter"};
    StatusBar stbInfo{*this, "stbInfo"};
    ReportViewer crViewer{*this, "crViewer"};

private:
    void Design() override {
        lstExams.AddItem("CBC");
        cboShift.AddItem("DAY");
        lvwItems.AddColumnHeader(0, "", "Code");
        lvwItems.AddColumnHeader(0, "", "Name");
        lvwItems.AddListItem(0, "", "LB");
        stbInfo.AddPanel();
    }
};

struct Recorder : FormObserver {
    std::vector<std::string> heard;
    void FormChanged(Form&, std::string_view) override {}
    void ControlChanged(Control& control, std::string_view property) override {
        heard.push_back(control.Name() + " " + std::string(property));
    }
    void ControlAdded(Control&) override {}
    void ControlRemoved(Control&) override {}
};

db::Recordset OneRow() {
    db::ResultTable table;
    table.hasColumns = true;
    table.columns = {"Code"};
    table.values.push_back(vb::Variant("LB001"));
    return db::Recordset(std::move(table), db::CursorType::Static, db::LockType::ReadOnly);
}

} // namespace

TEST(ControlNotifications, EveryChangeOfTheDataControlsIsHeardByTheBinding) {
    struct Case {
        const char* name;
        std::function<void(frmEveryKind&)> change;
        const char* heard;
    };
    const Case cases[] = {
        {"cell text", [](frmEveryKind& f) { f.grdList.SetTextMatrix(1, 1, "x"); }, "grdList TextMatrix"},
        {"current row", [](frmEveryKind& f) { f.grdList.SetRow(0); }, "grdList Row"},
        {"added row", [](frmEveryKind& f) { f.grdList.AddItem("a"); }, "grdList Rows"},
        {"cell colour", [](frmEveryKind& f) { f.grdList.SetCellBackColor(vbRed); }, "grdList CellFormat"},
        {"column width", [](frmEveryKind& f) { f.grdList.SetColWidth(1, 0); }, "grdList ColWidth"},
        {"binding",
         [](frmEveryKind& f) {
             db::Recordset rs = OneRow();
             f.grdList.SetDataSource(rs);
         },
         "grdList TextMatrix"},
        {"tick", [](frmEveryKind& f) { f.lstExams.SetSelected(0, true); }, "lstExams ListIndex"},
        {"list line", [](frmEveryKind& f) { f.lstExams.AddItem("FBS"); }, "lstExams List"},
        {"combo choice", [](frmEveryKind& f) { f.cboShift.SetListIndex(0); }, "cboShift Text"},
        {"sub-item", [](frmEveryKind& f) { f.lvwItems.ListItems(1).SetSubItems(1, "LAB"); }, "lvwItems ListItems"},
        {"tab", [](frmEveryKind& f) { f.sstPages.SetTab(2); }, "sstPages Tab"},
        {"tab caption", [](frmEveryKind& f) { f.sstPages.SetTabCaption(1, "Profile"); }, "sstPages TabCaption"},
        {"date", [](frmEveryKind& f) { f.dtpDate.SetValue(vb::DateSerial(2026, 3, 1)); }, "dtpDate Value"},
        {"rich text", [](frmEveryKind& f) { f.rtbText.SetSelText("x"); }, "rtbText Text"},
        {"bold",
         [](frmEveryKind& f) {
             f.rtbText.SetText("ab");
             f.rtbText.SetSelLength(1);
             f.rtbText.SetSelBold(true);
         },
         "rtbText Runs"},
        {"progress", [](frmEveryKind& f) { f.prgMeter.SetValue(50); }, "prgMeter Value"},
        {"panel", [](frmEveryKind& f) { f.stbInfo.Panels(1).SetText("RN"); }, "stbInfo Panels"},
        {"view",
         [](frmEveryKind& f) {
             f.crViewer.SetReportSource(std::make_shared<int>(1));
             f.crViewer.ViewReport();
         },
         "crViewer ViewReport"},
    };
    for (const Case& c : cases) {
        TestApp app;
        frmEveryKind& form = app.Forms.Get<frmEveryKind>();
        Recorder recorder;
        form.AddObserver(&recorder);
        c.change(form);
        EXPECT_THAT(recorder.heard, testing::Contains(c.heard)) << c.name;
        form.RemoveObserver(&recorder);
    }
}

TEST(ControlNotifications, TheMouseOverAGridTellsWhichCellItIsOver) {
    TestApp app;
    frmEveryKind& form = app.Forms.Get<frmEveryKind>();
    form.grdList.Move(0, 0, 4000, 2000);
    form.Show();
    testkit::MouseMove(form.grdList, GridDefaultColWidth + 10, GridDefaultRowHeight + 10);
    EXPECT_EQ(form.grdList.MouseRow(), 1);
    EXPECT_EQ(form.grdList.MouseCol(), 1);
    testkit::MouseMove(form.grdList, 3900, 1900);
    EXPECT_EQ(form.grdList.MouseRow(), -1) << "below the last row";
}
