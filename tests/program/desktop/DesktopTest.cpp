#include "gui/Desktop.h"
#include "chart/frmFinal.h"
#include "core/App.h"
#include "core/frmReportViewer.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "gui/Screenshot.h"
#include "gui/main/ScreenshotPath.h"
#include "platform/reports/Page.h"
#include "sampleward/SampleWard.h"
#include "shell/frmLogIn.h"
#include "shell/frmSearch.h"
#include "shell/mdiOrMenu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using guitest::ScreenshotPath;

// What the scripted nurse saw on the way.
struct Visit {
    bool signedIn = false;
    bool listOpened = false;
    bool mainPictured = false;
    bool chartOpened = false;
    std::string chartIdNum;
    bool exitAsked = false;
    bool backAtTheList = false;
    bool censusAsked = false;
    std::string censusShown;
    bool censusClosed = false;
    bool exitChosen = false;
    std::string mainTitle;
    std::string listCaption;
    bool timedOut = false;
};

// The report viewer the program has open, or nullptr.
ward::frmReportViewer* OpenViewer(ward::App& app) {
    for (forms::Form* form : app.Forms.LoadedForms())
        if (auto* viewer = dynamic_cast<ward::frmReportViewer*>(form); viewer != nullptr && viewer->Visible())
            return viewer;
    return nullptr;
}

// Once the census is in its viewer: reads it, takes its picture and closes it. The nurse's own steps wait meanwhile,
// since the viewer's modal loop runs inside one of them.
void ReadTheCensusWhenShown(gui::QtHost& host, ward::App& app, Visit& visit, QTimer& nurse) {
    auto* reader = new QTimer(&nurse);
    QObject::connect(reader, &QTimer::timeout, [&host, &app, &visit, reader] {
        ward::frmReportViewer* viewer = OpenViewer(app);
        if (viewer == nullptr)
            return;
        reader->stop();
        reader->deleteLater();
        visit.censusShown = viewer->CRViewer1.ReportSource<const reports::Document>()->PlainText();
        EXPECT_TRUE(gui::SaveScreenshot(*host.WindowOf(*viewer)->TopLevel(), ScreenshotPath("census_sample_ward")));
        viewer->Unload();
        visit.censusClosed = true;
    });
    reader->start(250);
}

// Presses Yes on the question box the program has open.
void AnswerYes() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr)
        return;
    for (QAbstractButton* button : box->buttons())
        if (button->text() == "&Yes")
            button->click();
}

// The sample nurse at the workstation: signs in on the log-in dialog, waits for the patient list, lets the notices
// blink, takes a picture of the main window and closes it. A step each time the event loop turns.
void WorkAsTheSampleNurse(gui::QtHost& host, ward::App& app, Visit& visit) {
    auto* nurse = new QTimer(QApplication::instance());
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(nurse, &QTimer::timeout, [&host, &app, &visit, nurse, clock] {
        if (clock->elapsed() > 30000) {
            visit.timedOut = true;
        } else if (!visit.signedIn && app.Forms.IsLoaded<ward::frmLogIn>() &&
                   app.Forms.Instance<ward::frmLogIn>().Visible()) {
            ward::frmLogIn& logIn = app.Forms.Instance<ward::frmLogIn>();
            logIn.txtUserID.SetText(sampleward::SampleNurseID);
            logIn.txtAccessCode.SetText(sampleward::SampleNurseAccessCode);
            visit.signedIn = true;
            logIn.cmdLogIn.UserClick();
            return;
        } else if (!visit.listOpened && app.Forms.IsLoaded<ward::frmSearch>() &&
                   app.Forms.Instance<ward::frmSearch>().Visible()) {
            visit.listOpened = true;
            visit.listCaption = app.Forms.Instance<ward::frmSearch>().Caption();
            ward::mdiOrMenu& main = app.Forms.Instance<ward::mdiOrMenu>();
            // The sample ward has a notice of each kind waiting: the polls show them without waiting their turn.
            main.tmrChkClaimSlip_Timer();
            main.tmrRoomTransfer_Timer();
            return;
        } else if (visit.listOpened && !visit.mainPictured) {
            ward::mdiOrMenu& main = app.Forms.Instance<ward::mdiOrMenu>();
            QWidget* frame = host.WindowOf(main)->TopLevel();
            visit.mainTitle = frame->windowTitle().toStdString();
            EXPECT_TRUE(gui::SaveScreenshot(*frame, ScreenshotPath("mdiOrMenu_sample_ward")));
            visit.mainPictured = true;
            // A click on the first patient chooses it, a double-click opens the chart.
            ward::frmSearch& list = app.Forms.Instance<ward::frmSearch>();
            list.mshflexList.SetRow(1);
            list.ClickControl(list.mshflexList);
            list.DoubleClickControl(list.mshflexList);
            return;
        } else if (visit.mainPictured && !visit.exitAsked) {
            if (!app.Forms.IsLoaded<ward::frmFinal>() || !app.Forms.Instance<ward::frmFinal>().Visible())
                return;
            ward::frmFinal& chart = app.Forms.Instance<ward::frmFinal>();
            visit.chartOpened = true;
            visit.chartIdNum = chart.txtId.Text();
            visit.exitAsked = true;
            QTimer::singleShot(300, AnswerYes);
            chart.ClickControl(chart.cmdExit);
            return;
        } else if (visit.exitAsked && !visit.censusAsked) {
            ward::frmSearch& list = app.Forms.Instance<ward::frmSearch>();
            visit.backAtTheList = !app.Forms.IsLoaded<ward::frmFinal>() && list.ActiveControl() == &list.mshflexList &&
                                  !list.lblProcedures(0).Enabled();
            // "View Reports", "Census Report": the census shows in its viewer until the nurse closes it.
            visit.censusAsked = true;
            ReadTheCensusWhenShown(host, app, visit, *nurse);
            forms::Toolbar& bar = app.Forms.Instance<ward::mdiOrMenu>().Toolbar1;
            bar.UserChooseButtonMenu(bar.Buttons("Report").ButtonMenus("Census"));
            return;
        } else if (visit.censusClosed && !visit.exitChosen) {
            // "Exit App.", "Exit Application" ends the program.
            visit.exitChosen = true;
            nurse->stop();
            nurse->deleteLater();
            delete clock;
            forms::Toolbar& bar = app.Forms.Instance<ward::mdiOrMenu>().Toolbar1;
            bar.UserChooseButtonMenu(bar.Buttons("Exit").ButtonMenus("Exit"));
            return;
        } else if (!visit.timedOut) {
            return;
        }
        nurse->stop();
        nurse->deleteLater();
        delete clock;
        if (app.Forms.IsLoaded<ward::mdiOrMenu>())
            app.Forms.Instance<ward::mdiOrMenu>().Unload();
    });
    nurse->start(250);
}

// The one-copy lock lies in the temporary folder: each test takes a folder of its own, so that tests running side by
// side are not taken for second copies of each other.
class Desktop : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(lockFolder.isValid());
        previousTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", lockFolder.path().toUtf8());
    }
    void TearDown() override { qputenv("TMPDIR", previousTemp); }

private:
    QTemporaryDir lockFolder;
    QByteArray previousTemp;
};

TEST_F(Desktop, TheSampleNurseOpensAPatientsChartComesBackPrintsTheCensusAndExitsTheProgram) {
    Visit visit;
    program::Options options;
    options.SampleWard = true;
    gui::RunWardClient(options,
                       [&visit](gui::QtHost& host, ward::App& app) { WorkAsTheSampleNurse(host, app, visit); });
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(visit.timedOut);
    EXPECT_TRUE(visit.signedIn);
    EXPECT_TRUE(visit.listOpened);
    EXPECT_EQ(visit.listCaption, "Patient List");
    EXPECT_TRUE(visit.chartOpened);
    EXPECT_EQ(visit.chartIdNum, sampleward::InPatientIdNum);
    EXPECT_TRUE(visit.backAtTheList);
    EXPECT_NE(visit.censusShown.find("Census Report by Station"), std::string::npos) << visit.censusShown;
    EXPECT_NE(visit.censusShown.find("VILLANUEVA, ROBERTO SALAZAR"), std::string::npos) << visit.censusShown;
    EXPECT_TRUE(visit.exitChosen);
    EXPECT_EQ(visit.mainTitle, "Tessun Zentari - ZODESURGICAL INTENSIVE CARE UNIT - SAMPLE WARD: nothing is saved");
}

TEST_F(Desktop, ASecondCopyOnTheWorkstationIsRefused) {
    gui::QtHost first;
    gui::QtHost second;
    EXPECT_FALSE(first.PrevInstance());
    EXPECT_TRUE(second.PrevInstance());
}

} // namespace
