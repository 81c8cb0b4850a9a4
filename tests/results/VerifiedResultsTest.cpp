#include "results/frmAutoPrint.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace testkit;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const std::string LabList = "Station..sp_Nurse_Get_LabAutoPrint 'SIC'";
const std::string XrayList = "Station..sp_Nurse_Get_RadiologyAutoPrint 'SIC',1";
const std::string CTList = "Station..sp_Nurse_Get_RadiologyAutoPrint 'SIC',2";
const std::string UltrasoundList = "Station..sp_Nurse_Get_RadiologyAutoPrint 'SIC',3";
const std::vector<std::string> AllLists = {LabList, XrayList, CTList, UltrasoundList};

const std::vector<std::string> LabColumns = {"Patient Name", "Examination", "Result Date",
                                             "Charge Slip",  "Request No.", "Adm. No."};
const std::vector<std::string> RadiologyColumns = {
    "Patient Name", "Examination", "Result Date", "Exam Code", "Request No.", "Adm. No.", "Hosp. No.",
    "Room",         "Sex",         "Age",         "Address",   "Civil Status", "Attending Doctor", "Reading Doctor"};
const std::vector<std::string> LookUpColumns = {"XrayNum",    "Interpretation", "TelNum",
                                                "ControlNum", "Radiologist2",   "Remarks",
                                                "RadCode",    "Radiologist3",   "Radiologist4"};

Row LabRow(const std::string& name, const std::string& requestNum) {
    return {name, "CBC", "2026-12-10 14:05:07.123", " CS-77 ", " " + requestNum + " ", " 2026001234 "};
}

Row RadiologyRow(const std::string& name, const std::string& requestNum) {
    return {name,          "CHEST PA",     "2026-12-10 14:05:07.123", "X01",        " " + requestNum + " ",
            " 2026001234 ", " 100234 ",    " SIC-03 ",                " M ",        " 45 ",
            " 12 RIZAL ST. ", " MARRIED ", " DR. ANA LIM ",           " DR. ROSA CRUZ "};
}

Row Released() {
    return {" XN-77 ", "Clear lungs.", " TEL-5 ", " CTL-9 ", " DR. TWO ", " FOLLOW UP ", " RC-3 ", "", ""};
}

std::string LookUp(const std::string& requestNum, int kind) {
    return "STATION..sp_Nurse_Get_RadiologyResults '" + requestNum + "'," + std::to_string(kind);
}
const std::string CleanUp = "DELETE RADIOLOGY..tbRadioResult WHERE UserID = 'N0001' and AdmNum = '2026001234';";
std::string Staging(const std::string& name, const std::string& remarks = "FOLLOW UP") {
    return "RADIOLOGY..SPRADIO_ResultPrint '" + name +
           "','100234','DR. ANA LIM','CHEST PA','MARRIED','45','M','2026001234','XN-77','SIC-03',"
           "'12/10/2026 02:05:07 PM','Clear lungs.','DR. ROSA CRUZ','12 RIZAL ST.','TEL-5',' XN-77 ',' CTL-9 ','N0001',"
           "'DR. TWO','" +
           remarks + "', '', 'RC-3','',''";
}
std::string Mark(const std::string& requestNum, const std::string& department) {
    return "STATION..sp_Comm_UpdateMasterFile '" + requestNum + "','" + department + "'";
}

struct VerifiedResults {
    TestApp test;

    VerifiedResults() {
        test.app.StationID = "SIC";
        test.app.HospitalAddress = " 1 MABINI ST. ";
    }
    // The four lists as every load from now on finds them.
    void Lists(const std::vector<Row>& lab, const std::vector<Row>& xray, const std::vector<Row>& ct,
               const std::vector<Row>& ultrasound) {
        test.server.Instead(LabList).Returns(LabColumns, lab);
        test.server.Instead(XrayList).Returns(RadiologyColumns, xray);
        test.server.Instead(CTList).Returns(RadiologyColumns, ct);
        test.server.Instead(UltrasoundList).Returns(RadiologyColumns, ultrasound);
    }
    ward::frmAutoPrint& Window() { return test.app.Forms.Get<ward::frmAutoPrint>(); }
    ward::frmAutoPrint& Open() {
        ward::frmAutoPrint& window = Window();
        window.Show();
        return window;
    }
    std::vector<bool> TabsOn(ward::frmAutoPrint& w) {
        std::vector<bool> on;
        for (int tab = 0; tab < 4; ++tab)
            on.push_back(w.tabViewResults.TabEnabled(tab));
        return on;
    }
};

TEST(VerifiedResultsList, LoadsTheFourListsAndSelectsTheFirstWithRows) {
    struct Pattern {
        std::string what;
        bool lab, xray, ct, ultrasound;
        int selected;
    };
    const std::vector<Pattern> patterns = {
        {"only CT", false, false, true, false, 2},
        {"laboratory and ultrasound", true, false, false, true, 0},
        {"x-ray and CT", false, true, true, false, 1},
        {"only ultrasound", false, false, false, true, 3},
        {"all four", true, true, true, true, 0},
    };
    for (const Pattern& p : patterns) {
        SCOPED_TRACE(p.what);
        VerifiedResults v;
        auto rows = [](bool any, bool lab) {
            return any ? std::vector<Row>{lab ? LabRow("CRUZ, ANA", "L-1") : RadiologyRow("CRUZ, ANA", "R-1")}
                       : std::vector<Row>{};
        };
        v.Lists(rows(p.lab, true), rows(p.xray, false), rows(p.ct, false), rows(p.ultrasound, false));
        ward::frmAutoPrint& w = v.Open();
        EXPECT_EQ(v.test.server.Statements(), AllLists);
        EXPECT_EQ(v.TabsOn(w), (std::vector<bool>{p.lab, p.xray, p.ct, p.ultrasound}));
        EXPECT_EQ(w.tabViewResults.Tab(), p.selected);
        EXPECT_EQ(w.Caption(), "LIST Of VERIFIED RESULTS");
        for (forms::CommandButton* tagged : {&w.cmdPrint, &w.cmdPrintTag, &w.cmdPrintCT, &w.cmdPrintUltra})
            EXPECT_FALSE(tagged->Enabled()) << tagged->Name();
    }
}

TEST(VerifiedResultsList, WithNothingToPrintItSaysSoAndClosesWhileLoading) {
    VerifiedResults v;
    v.Lists({}, {}, {}, {});
    v.test.host.ExpectMsgBox("No Results are available for printing.")
        .Title("Message")
        .Buttons(forms::vbInformation + forms::vbOKOnly);
    v.test.app.Forms.Instance<ward::frmAutoPrint>().ShowModal();
    EXPECT_FALSE(v.test.app.Forms.IsLoaded<ward::frmAutoPrint>());
    EXPECT_THAT(v.test.host.ModalShows(), IsEmpty());
    EXPECT_EQ(v.test.server.Statements(), AllLists);
}

TEST(VerifiedResultsList, ResultDatesAreRewrittenFromATextOrADate) {
    VerifiedResults v;
    Row byDate = LabRow("REYES, JOSE", "L-2");
    byDate[2] = vb::MakeDate({2026, 12, 10, 14, 5, 7});
    Row empty = LabRow("LIM, ROSA", "L-3");
    empty[2] = vb::Variant::Null();
    v.Lists({LabRow("CRUZ, ANA", "L-1"), byDate, empty}, {}, {}, {});
    ward::frmAutoPrint& w = v.Open();
    EXPECT_EQ(w.grdResults.TextMatrix(1, 3), "12/10/2026 02:05:07 PM");
    EXPECT_EQ(w.grdResults.TextMatrix(2, 3), "12/10/2026 02:05:07 PM");
    EXPECT_EQ(w.grdResults.TextMatrix(3, 3), "");
    EXPECT_EQ(w.grdResults.TextMatrix(0, 1), "Patient Name");
    const int widths[] = {300, 3000, 4000, 2000, 1000, 1000, 1000};
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(w.grdResults.ColWidth(col), widths[col]) << col;
}

TEST(VerifiedResultsPrint, PrintTaggedPrintsTheClickedLaboratoryResultMarksItAndReloadsEveryList) {
    VerifiedResults v;
    v.Lists({LabRow("CRUZ, ANA", "L-1"), LabRow("REYES, JOSE", "L-2")}, {RadiologyRow("LIM, ROSA", "R-1")}, {}, {});
    ward::frmAutoPrint& w = v.Open();
    // The viewer still holds the patient the chart showed last.
    v.test.labResultViewer.SetPatientName("SOMEONE ELSE");
    v.test.labResultViewer.Calls.clear();
    ClickCell(w.grdResults, 2, 1);
    EXPECT_TRUE(w.cmdPrint.Enabled());
    v.test.server.On(Mark("L-2", "LB")).Affects(1);
    v.Lists({LabRow("CRUZ, ANA", "L-1")}, {RadiologyRow("LIM, ROSA", "R-1")}, {}, {});
    const std::size_t mark = v.test.server.Mark();
    Click(w.cmdPrint);
    std::vector<std::string> sent = {Mark("L-2", "LB")};
    sent.insert(sent.end(), AllLists.begin(), AllLists.end());
    EXPECT_EQ(v.test.server.Statements(mark), sent);
    EXPECT_THAT(v.test.labResultViewer.Calls,
                ElementsAre("HospitalNumber", "RoomNumber", "PatientName", "Age", "Sex", "SQLConnection", "RequestNum",
                            "IdNumber", "UserID", "CSNumber", "AutoPrint", "ViewMode", "Show_Results"));
    ASSERT_EQ(v.test.labResultViewer.shows.size(), 1u);
    std::map<std::string, std::string> shown = v.test.labResultViewer.shows[0];
    EXPECT_EQ(shown["RequestNum"], "L-2");
    EXPECT_EQ(shown["IdNumber"], " 2026001234 ");
    EXPECT_EQ(shown["CSNumber"], " CS-77 ");
    EXPECT_EQ(shown["UserID"], "N0001");
    EXPECT_EQ(shown["AutoPrint"], "True");
    EXPECT_EQ(shown["ViewMode"], "1");
    EXPECT_EQ(shown["PatientName"], "");
    EXPECT_EQ(v.test.labResultViewer.connection, &v.test.server);
    EXPECT_FALSE(w.cmdPrint.Enabled());
    EXPECT_EQ(w.MousePointer(), forms::vbDefault);
}

struct RadiologyTab {
    int tab;
    int kind;
    std::string department;
    std::string section;
    std::string caption;
    forms::CommandButton ward::frmAutoPrint::*tagged;
    forms::CommandButton ward::frmAutoPrint::*printAll;
    std::string list;
    forms::Label ward::frmAutoPrint::*status;
    forms::ProgressBar ward::frmAutoPrint::*bar;
};

const RadiologyTab kRadiologyTabs[] = {
    {1, 1, "XR", "X-RAY SECTION", "Xray Result", &ward::frmAutoPrint::cmdPrintTag,
     &ward::frmAutoPrint::cmdXrayPrintAll, XrayList, &ward::frmAutoPrint::lblXray, &ward::frmAutoPrint::pbarXray},
    {2, 2, "CT", "CT-SCAN SECTION", "CT Result", &ward::frmAutoPrint::cmdPrintCT, &ward::frmAutoPrint::cmdPrintAllCT,
     CTList, &ward::frmAutoPrint::lblCT, &ward::frmAutoPrint::pbarCT},
    {3, 3, "US", "ULTRASOUND SECTION", "Ultrasound Result", &ward::frmAutoPrint::cmdPrintUltra,
     &ward::frmAutoPrint::cmdPrintAllUltra, UltrasoundList, &ward::frmAutoPrint::lblUltra,
     &ward::frmAutoPrint::pbarUltra},
};

// Only this tab's list has rows.
void RadiologyLists(VerifiedResults& v, const RadiologyTab& t, const std::vector<Row>& rows) {
    v.Lists({}, t.tab == 1 ? rows : std::vector<Row>{}, t.tab == 2 ? rows : std::vector<Row>{},
            t.tab == 3 ? rows : std::vector<Row>{});
}

forms::MSHFlexGrid& GridOf(ward::frmAutoPrint& w, const RadiologyTab& t) { return w.mshflexRadiology(t.tab - 1); }

TEST(VerifiedResultsPrint, PrintTaggedStagesPrintsAtOnceMarksAndReloadsOnlyItsList) {
    for (const RadiologyTab& t : kRadiologyTabs) {
        SCOPED_TRACE(t.section);
        VerifiedResults v;
        RadiologyLists(v, t, {RadiologyRow("CRUZ, ANA", "R-1"), RadiologyRow("LIM, ROSA", "R-2")});
        ward::frmAutoPrint& w = v.Open();
        ClickCell(GridOf(w, t), 2, 1);
        v.test.server.On(LookUp("R-2", t.kind)).Returns(LookUpColumns, {Released()});
        v.test.server.On(CleanUp).Affects(1);
        v.test.server.On(Staging("LIM, ROSA")).Affects(1);
        v.test.server.On(Mark("R-2", t.department)).Affects(1);
        v.test.server.Instead(t.list).Returns(RadiologyColumns, {RadiologyRow("CRUZ, ANA", "R-1")});
        const std::size_t mark = v.test.server.Mark();
        Click(w.*t.tagged);
        EXPECT_EQ(v.test.server.Statements(mark), (std::vector<std::string>{LookUp("R-2", t.kind), CleanUp,
                                                                            Staging("LIM, ROSA"),
                                                                            Mark("R-2", t.department), t.list}));
        ASSERT_EQ(v.test.reportEngine.PrintedCount(), 1);
        const RecordedReport& report = v.test.reportEngine.Last();
        EXPECT_EQ(report.path, v.test.host.AppPath() + "\\Reports\\RadioResult.Rpt");
        EXPECT_EQ(report.values,
                  (std::vector<vb::Variant>{t.section, "100234", "1 MABINI ST.", "N0001", "2026001234"}));
        EXPECT_FALSE((w.*t.tagged).Enabled());
        EXPECT_EQ(GridOf(w, t).Rows(), 2);
    }
}

TEST(VerifiedResultsPrint, PrintAllGoesOnPastAFailedRowAndReloadsEveryList) {
    for (const RadiologyTab& t : kRadiologyTabs) {
        SCOPED_TRACE(t.section);
        VerifiedResults v;
        const std::vector<Row> rows = {RadiologyRow("CRUZ, ANA", "R-1"), RadiologyRow("LIM, ROSA", "R-2"),
                                       RadiologyRow("TAN, LEO", "R-3")};
        RadiologyLists(v, t, rows);
        ward::frmAutoPrint& w = v.Open();
        for (const char* request : {"R-1", "R-2", "R-3"})
            v.test.server.On(LookUp(request, t.kind)).Returns(LookUpColumns, {Released()});
        v.test.server.On(CleanUp).Affects(1);
        v.test.server.On(Staging("CRUZ, ANA")).Affects(1);
        v.test.server.On(Staging("LIM, ROSA")).Fails("String or binary data would be truncated.", 8152);
        v.test.server.On(Staging("TAN, LEO")).Affects(1);
        v.test.server.On(Mark("R-1", t.department)).Affects(1);
        v.test.server.On(Mark("R-3", t.department)).Affects(1);
        RadiologyLists(v, t, {RadiologyRow("LIM, ROSA", "R-2")});
        v.test.host.ExpectMsgBox("String or binary data would be truncated.\n\nPlease notify your IT department.")
            .Title("Notification");
        const std::size_t mark = v.test.server.Mark();
        Click(w.*t.printAll);
        std::vector<std::string> sent = {LookUp("R-1", t.kind), CleanUp, Staging("CRUZ, ANA"), Mark("R-1", t.department),
                                         LookUp("R-2", t.kind), CleanUp, Staging("LIM, ROSA"),
                                         LookUp("R-3", t.kind), CleanUp, Staging("TAN, LEO"),  Mark("R-3", t.department)};
        sent.insert(sent.end(), AllLists.begin(), AllLists.end());
        EXPECT_EQ(v.test.server.Statements(mark), sent);
        EXPECT_EQ(v.test.reportEngine.PrintedCount(), 2);
        EXPECT_EQ((w.*t.status).Caption(), "Printing :  TAN, LEO's CHEST PA result.");
        EXPECT_FALSE((w.*t.status).Visible());
        EXPECT_EQ((w.*t.bar).Max(), 3);
        EXPECT_EQ((w.*t.bar).Value(), 3);
        EXPECT_EQ(w.tabViewResults.Tab(), t.tab);

        // The next run starts its bar again; the row left on the list is printed this time.
        v.test.server.Instead(Staging("LIM, ROSA")).Affects(1);
        v.test.server.On(Mark("R-2", t.department)).Affects(1);
        RadiologyLists(v, t, {RadiologyRow("LIM, ROSA", "R-2")});
        Click(w.*t.printAll);
        EXPECT_EQ((w.*t.bar).Value(), 1);
        EXPECT_EQ(v.test.reportEngine.PrintedCount(), 3);
    }
}

TEST(VerifiedResultsPrint, ALookUpWithoutARowIsToldAndLeftOnTheList) {
    VerifiedResults v;
    v.Lists({}, {RadiologyRow(" CRUZ, ANA ", "R-1"), RadiologyRow("LIM, ROSA", "R-2")}, {}, {});
    ward::frmAutoPrint& w = v.Open();
    v.test.server.On(LookUp("R-1", 1)).Returns(LookUpColumns, {});
    v.test.server.On(LookUp("R-2", 1)).Returns(LookUpColumns, {Released()});
    v.test.server.On(CleanUp).Affects(1);
    v.test.server.On(Staging("LIM, ROSA")).Affects(1);
    v.test.server.On(Mark("R-2", "XR")).Affects(1);
    v.Lists({}, {RadiologyRow(" CRUZ, ANA ", "R-1")}, {}, {});
    v.test.host.ExpectMsgBox("The result of CRUZ, ANA's CHEST PA was not found. It was not printed.")
        .Title("Message")
        .Buttons(forms::vbInformation);
    const std::size_t mark = v.test.server.Mark();
    Click(w.cmdXrayPrintAll);
    std::vector<std::string> sent = {LookUp("R-1", 1), LookUp("R-2", 1), CleanUp, Staging("LIM, ROSA"),
                                     Mark("R-2", "XR")};
    sent.insert(sent.end(), AllLists.begin(), AllLists.end());
    EXPECT_EQ(v.test.server.Statements(mark), sent);
}

TEST(VerifiedResultsPrint, NullFieldsAreSentEmptyButANullRadiologistCodeStopsThePrint) {
    struct NullCase {
        std::string what;
        int field;
        std::vector<std::string> sent; // after the look-up
        std::string message;
    };
    const std::vector<NullCase> cases = {
        {"no remarks", 5, {CleanUp, Staging("CRUZ, ANA", ""), Mark("R-1", "XR")}, ""},
        {"no radiologist's code", 6, {CleanUp}, "Invalid use of Null\n\nPlease notify your IT department."},
    };
    for (const NullCase& n : cases) {
        SCOPED_TRACE(n.what);
        VerifiedResults v;
        v.Lists({}, {RadiologyRow("CRUZ, ANA", "R-1")}, {}, {});
        ward::frmAutoPrint& w = v.Open();
        ClickCell(w.mshflexRadiology(0), 1, 1);
        Row released = Released();
        released[static_cast<std::size_t>(n.field)] = vb::Variant::Null();
        v.test.server.On(LookUp("R-1", 1)).Returns(LookUpColumns, {released});
        v.test.server.On(CleanUp).Affects(1);
        v.test.server.On(Staging("CRUZ, ANA", "")).Affects(1);
        v.test.server.On(Mark("R-1", "XR")).Affects(1);
        v.test.server.Instead(XrayList).Returns(RadiologyColumns, {RadiologyRow("CRUZ, ANA", "R-1")});
        if (!n.message.empty())
            v.test.host.ExpectMsgBox(n.message).Title("Notification");
        const std::size_t mark = v.test.server.Mark();
        Click(w.cmdPrintTag);
        std::vector<std::string> sent = {LookUp("R-1", 1)};
        sent.insert(sent.end(), n.sent.begin(), n.sent.end());
        sent.push_back(XrayList);
        EXPECT_EQ(v.test.server.Statements(mark), sent);
    }
}

TEST(VerifiedResultsPrint, RowsWithoutARequestNumberArePassedOver) {
    VerifiedResults v;
    Row blank = LabRow("", "");
    v.Lists({LabRow("CRUZ, ANA", "L-1"), blank}, {}, {}, {});
    ward::frmAutoPrint& w = v.Open();
    v.test.server.On(Mark("L-1", "LB")).Affects(1);
    v.Lists({blank}, {RadiologyRow("LIM, ROSA", "R-1")}, {}, {});
    const std::size_t mark = v.test.server.Mark();
    Click(w.cmdAll);
    std::vector<std::string> sent = {Mark("L-1", "LB")};
    sent.insert(sent.end(), AllLists.begin(), AllLists.end());
    EXPECT_EQ(v.test.server.Statements(mark), sent);
    EXPECT_EQ(w.lblStatus.Caption(), "  Printing :  's CBC result.");
    EXPECT_EQ(w.pbarPrint.Value(), 2);
    EXPECT_EQ(v.test.labResultViewer.shows.size(), 1u);
}

TEST(VerifiedResultsPrint, TheLastLaboratoryPrintClosesTheWindowWithItsMessage) {
    VerifiedResults v;
    v.Lists({LabRow("CRUZ, ANA", "L-1")}, {}, {}, {});
    ward::frmAutoPrint& w = v.Open();
    ClickCell(w.grdResults, 1, 1);
    v.test.server.On(Mark("L-1", "LB")).Affects(1);
    v.Lists({}, {}, {}, {});
    v.test.host.ExpectMsgBox("No Results are available for printing.").Title("Message");
    Click(w.cmdPrint);
    EXPECT_FALSE(v.test.app.Forms.IsLoaded<ward::frmAutoPrint>());
}

// A result is marked only after the viewer printed it; a failed row is shown and the run goes on.
TEST(VerifiedResultsPrint, AFailedLaboratoryPrintIsShownLeftUnmarkedAndTheRunGoesOn) {
    struct Failing {
        std::string what;
        std::function<void(VerifiedResults&)> arrange;
        std::vector<std::string> marks;
        std::size_t printed;
    };
    const std::vector<Failing> failures = {
        {"the viewer",
         [](VerifiedResults& v) { v.test.labResultViewer.failures.Fail("Show_Results", "Deadlock victim", 1); },
         {Mark("L-1", "LB")},
         1},
        {"the mark",
         [](VerifiedResults& v) { v.test.server.On(Mark("L-1", "LB")).Fails("Deadlock victim", 1205); },
         {Mark("L-1", "LB"), Mark("L-2", "LB")},
         2},
    };
    for (const Failing& f : failures) {
        SCOPED_TRACE(f.what);
        VerifiedResults v;
        v.Lists({LabRow("CRUZ, ANA", "L-1"), LabRow("REYES, JOSE", "L-2")}, {}, {}, {});
        ward::frmAutoPrint& w = v.Open();
        f.arrange(v);
        v.test.server.On(Mark("L-1", "LB")).Affects(1);
        v.test.server.On(Mark("L-2", "LB")).Affects(1);
        v.Lists({LabRow("CRUZ, ANA", "L-1")}, {}, {}, {});
        v.test.host.ExpectMsgBox("Deadlock victim\n\nPlease notify your IT department.").Title("Notification");
        const std::size_t mark = v.test.server.Mark();
        Click(w.cmdAll);
        std::vector<std::string> sent = f.marks;
        sent.insert(sent.end(), AllLists.begin(), AllLists.end());
        EXPECT_EQ(v.test.server.Statements(mark), sent);
        EXPECT_EQ(v.test.labResultViewer.shows.size(), f.printed);
        EXPECT_EQ(w.MousePointer(), forms::vbDefault);
    }
}

} // namespace
