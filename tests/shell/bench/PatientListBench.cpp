#include "core/App.h"
#include "gui/QtHost.h"
#include "shell/frmSearch.h"
#include "testkit/FakeComponents.h"
#include "testkit/FixturePatientList.h"
#include "testkit/ScriptedServer.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

namespace {

namespace fixture = testkit::ward_fixture;

// The list on the offscreen desktop, over the scripted server answering the station's search with the rows.
struct DesktopList {
    explicit DesktopList(int count) {
        server.On(fixture::PatientListQuery()).Returns(fixture::PatientListColumns(), fixture::ManyAdmissions(count));
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(&server);
    }
    ~DesktopList() { host.ReleaseWindows(); }
    gui::QtHost host;
    testkit::ScriptedServer server;
    ward::App app{host};
};

// One search of the shown list: the statement, the rows copied into the grid, every cell coloured, row 1 entered,
// and the window drawn again.
void SearchShownList(benchmark::State& state) {
    DesktopList desktop(static_cast<int>(state.range(0)));
    ward::frmSearch& list = desktop.app.Forms.Get<ward::frmSearch>();
    list.Show();
    QApplication::processEvents();
    for (auto _ : state) {
        list.Command1_Click();
        QApplication::processEvents();
    }
    list.Unload();
}
BENCHMARK(SearchShownList)->Arg(12)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same search on a list never shown: the window's own share of the time above.
void SearchHiddenList(benchmark::State& state) {
    DesktopList desktop(static_cast<int>(state.range(0)));
    ward::frmSearch& list = desktop.app.Forms.Get<ward::frmSearch>();
    for (auto _ : state)
        list.Command1_Click();
    list.Unload();
}
BENCHMARK(SearchHiddenList)->Arg(12)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
