// The nurse's path on a large ward, each measured against the bare fetch of the same rows from the same connection:
// opening the chart (its set-up and load) with catalogues of 2,000 exams, on the in-process ward and on the same rows
// in a SQLite file read through the ODBC layer, and the time to the chart's first paint; and the station's list of
// 1,000 admissions searched against fetching its rows. Run by hand, best as
//   nurse_path_benchmark --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
//                        --benchmark_report_aggregates_only=true
// so that a busy machine weighs on both sides alike.
#include "chart/frmFinal.h"
#include "components/OwnComponents.h"
#include "core/App.h"
#include "core/ModuleHelpers.h"
#include "gui/QtHost.h"
#include "platform/db/SqlText.h"
#include "platform/db/odbc/OdbcConnection.h"
#include "platform/vb/Conversions.h"
#include "sampleward/LargeWard.h"
#include "sampleward/SampleWard.h"
#include "shell/frmSearch.h"
#include "testkit/FakeComponents.h"
#include "testkit/FixturePatientList.h"
#include "testkit/UserActions.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Passes every statement on and keeps what it answered, so the same results can be written elsewhere.
class RecordingConnection : public db::Connection {
public:
    explicit RecordingConnection(db::Connection& inner) : inner(inner) {}
    std::vector<std::pair<std::string, db::ResultTable>> Sent;

    std::string ConnectionString() const override { return inner.ConnectionString(); }
    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>& parameters) override {
        db::ResultTable result = inner.Send(sql, parameters);
        Sent.emplace_back(sql, result);
        return result;
    }
    std::vector<std::string> PrimaryKeyColumns(const std::string& table) override {
        return inner.PrimaryKeyColumns(table);
    }

protected:
    void StartTransaction() override {}
    void EndTransaction(bool) override {}

private:
    db::Connection& inner;
};

// The chart's statements answered from tables of a SQLite file through the ODBC layer: each statement the chart sends
// is read from the table its recorded result was written to, so the server's SQL dialect plays no part.
class SqliteWard : public db::Connection {
public:
    SqliteWard(const std::vector<std::pair<std::string, db::ResultTable>>& results)
        : file(std::filesystem::temp_directory_path() / ("ward-path-" + std::to_string(::getpid()) + ".db")),
          odbc(Create(file, results, tables)) {}
    ~SqliteWard() override { std::filesystem::remove(file); }

    std::string ConnectionString() const override { return odbc->ConnectionString(); }
    db::ResultTable Send(const std::string& sql, const std::vector<db::Parameter>& parameters) override {
        auto table = tables.find(sql);
        if (table == tables.end())
            throw std::runtime_error("Not in the large ward's file: " + sql);
        return odbc->Send("SELECT * FROM " + table->second, parameters);
    }
    std::vector<std::string> PrimaryKeyColumns(const std::string&) override { return {}; }
    const std::map<std::string, std::string>& Tables() const { return tables; }

protected:
    void StartTransaction() override {}
    void EndTransaction(bool) override {}

private:
    static std::unique_ptr<db::odbc::OdbcConnection>
    Create(const std::filesystem::path& file, const std::vector<std::pair<std::string, db::ResultTable>>& results,
           std::map<std::string, std::string>& tables) {
        std::filesystem::remove(file);
        auto odbc = std::make_unique<db::odbc::OdbcConnection>(std::string("Driver=") + WARD_SQLITE_ODBC_DRIVER +
                                                               ";Database=" + file.string() + ";");
        odbc->BeginTrans();
        for (const auto& [statement, result] : results) {
            if (tables.contains(statement) || !result.hasColumns)
                continue;
            const std::string table = "t" + std::to_string(tables.size());
            tables[statement] = table;
            std::string columns;
            for (std::size_t c = 0; c < result.columns.size(); ++c)
                columns +=
                    (c ? ", c" : "c") + std::to_string(c) + " AS " +
                    db::SqlColumnName(result.columns[c].empty() ? "Expr" + std::to_string(c) : result.columns[c]);
            odbc->Execute("CREATE TABLE " + table + "_data (" + ColumnList(result.columns.size()) + ")");
            for (std::size_t row = 0; row < result.RowCount(); ++row) {
                std::string values;
                for (std::size_t c = 0; c < result.columns.size(); ++c)
                    values += (c ? "," : "") + db::SqlLiteral(result.values[row * result.columns.size() + c]);
                odbc->Execute("INSERT INTO " + table + "_data VALUES (" + values + ")");
            }
            odbc->Execute("CREATE VIEW " + table + " AS SELECT " + columns + " FROM " + table + "_data");
        }
        odbc->CommitTrans();
        return odbc;
    }
    static std::string ColumnList(std::size_t count) {
        std::string list;
        for (std::size_t c = 0; c < count; ++c)
            list += (c ? ", c" : "c") + std::to_string(c);
        return list;
    }

    std::filesystem::path file;
    std::map<std::string, std::string> tables;
    std::unique_ptr<db::odbc::OdbcConnection> odbc;
};

// The program on the offscreen desktop, signed in on a connection with our own components, the sample in-patient
// current.
struct Ward {
    explicit Ward(db::Connection& connection) {
        app.CurrentUser = std::make_unique<testkit::FakeLogin>(&connection);
        components::RegisterOwnComponents(app.Factory,
                                          {app.Forms, [this]() -> db::Connection& { return app.Connection(); }});
        app.PatientSearch = app.Factory.Create<components::PatientSearchComponent>("Ulvexa.clsPatientSearch");
        app.KeyFilter = app.Factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
        app.KeyFilter1 = app.Factory.Create<components::KeyFilterComponent>("Kappoch.KeyPress");
        app.RequestObject = app.Factory.Create<components::RequestListComponent>("Virselto.clsRequest");
        app.PatientObject = app.Factory.Create<components::PatientInfoComponent>("Quosset.Patient");
        app.StationID = sampleward::StationID;
        app.StationName = sampleward::StationName;
        app.CurIdNum = sampleward::InPatientIdNum;
        app.CurHospNum = sampleward::InPatientHospNum;
    }
    ~Ward() { host.ReleaseWindows(); }
    gui::QtHost host;
    ward::App app{host};
};

// Opens the chart as the patient list does, without showing it.
void OpenChart(ward::App& app) {
    ward::frmFinal& chart = app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    benchmark::DoNotOptimize(chart.lstListLaboratory.ListCount());
    chart.Unload();
}

constexpr int kAdmissions = 1000;

// The large ward whose station lists 1,000 admissions.
std::unique_ptr<sampleward::SampleServer> OpenWardWithLongList() {
    std::unique_ptr<sampleward::SampleServer> server = sampleward::large::OpenLargeWard();
    server->Instead(testkit::ward_fixture::PatientListQuery())
        .Returns(testkit::ward_fixture::PatientListColumns(), testkit::ward_fixture::ManyAdmissions(kAdmissions));
    return server;
}

// The statements of one opening of the chart, after the first (which also makes the window), as recorded.
const std::vector<std::pair<std::string, db::ResultTable>>& ChartStatements() {
    static const std::vector<std::pair<std::string, db::ResultTable>> sent = [] {
        std::unique_ptr<sampleward::SampleServer> server = OpenWardWithLongList();
        RecordingConnection recording(*server);
        {
            Ward ward(recording);
            OpenChart(ward.app);
            recording.Sent.clear();
            OpenChart(ward.app);
        }
        return recording.Sent;
    }();
    return sent;
}

// The statements of one search of the station's list, as recorded.
const std::vector<std::pair<std::string, db::ResultTable>>& ListStatements() {
    static const std::vector<std::pair<std::string, db::ResultTable>> sent = [] {
        std::unique_ptr<sampleward::SampleServer> server = OpenWardWithLongList();
        RecordingConnection recording(*server);
        {
            Ward ward(recording);
            ward::frmSearch& list = ward.app.Forms.Get<ward::frmSearch>();
            recording.Sent.clear();
            list.Command1_Click();
            list.Unload();
        }
        return recording.Sent;
    }();
    return sent;
}

std::vector<std::pair<std::string, db::ResultTable>> AllStatements() {
    std::vector<std::pair<std::string, db::ResultTable>> all = ChartStatements();
    all.insert(all.end(), ListStatements().begin(), ListStatements().end());
    return all;
}

// The same statements' rows fetched into vectors of text: what any client has to do.
void FetchTheSameRows(db::Connection& connection,
                      const std::vector<std::pair<std::string, db::ResultTable>>& statements) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& [statement, result] : statements) {
        db::Recordset rs = connection.Open(statement, db::CursorType::ForwardOnly, db::LockType::ReadOnly);
        for (; !rs.Eof(); rs.MoveNext()) {
            std::vector<std::string> row;
            for (int field = 0; field < rs.FieldCount(); ++field) {
                const vb::Variant& value = rs.Fields(field);
                row.push_back(value.IsNull() ? std::string() : vb::CStr(value));
            }
            rows.push_back(std::move(row));
        }
    }
    benchmark::DoNotOptimize(rows.size());
}

std::unique_ptr<sampleward::SampleServer>& InProcessWard() {
    static std::unique_ptr<sampleward::SampleServer> server = OpenWardWithLongList();
    return server;
}

SqliteWard& SqliteFile() {
    static SqliteWard ward(AllStatements());
    return ward;
}

void ChartOpening_InProcess(benchmark::State& state) {
    Ward ward(*InProcessWard());
    OpenChart(ward.app); // the first opening also makes the window
    for (auto _ : state)
        OpenChart(ward.app);
}
BENCHMARK(ChartOpening_InProcess)->Unit(benchmark::kMillisecond);

void ChartFetch_InProcess(benchmark::State& state) {
    for (auto _ : state)
        FetchTheSameRows(*InProcessWard(), ChartStatements());
}
BENCHMARK(ChartFetch_InProcess)->Unit(benchmark::kMillisecond);

void ChartOpening_Sqlite(benchmark::State& state) {
    Ward ward(SqliteFile());
    OpenChart(ward.app);
    for (auto _ : state)
        OpenChart(ward.app);
}
BENCHMARK(ChartOpening_Sqlite)->Unit(benchmark::kMillisecond);

void ChartFetch_Sqlite(benchmark::State& state) {
    for (auto _ : state)
        FetchTheSameRows(SqliteFile(), ChartStatements());
}
BENCHMARK(ChartFetch_Sqlite)->Unit(benchmark::kMillisecond);

// One search of the station's list, the window not shown: the statement, the rows into the grid, every cell
// coloured, row 1 entered.
void SearchList(benchmark::State& state, db::Connection& connection) {
    Ward ward(connection);
    ward::frmSearch& list = ward.app.Forms.Get<ward::frmSearch>();
    for (auto _ : state)
        list.Command1_Click();
    list.Unload();
}

void PatientList_InProcess(benchmark::State& state) { SearchList(state, *InProcessWard()); }
BENCHMARK(PatientList_InProcess)->Unit(benchmark::kMillisecond);

void PatientListFetch_InProcess(benchmark::State& state) {
    for (auto _ : state)
        FetchTheSameRows(*InProcessWard(), ListStatements());
}
BENCHMARK(PatientListFetch_InProcess)->Unit(benchmark::kMillisecond);

void PatientList_Sqlite(benchmark::State& state) { SearchList(state, SqliteFile()); }
BENCHMARK(PatientList_Sqlite)->Unit(benchmark::kMillisecond);

void PatientListFetch_Sqlite(benchmark::State& state) {
    for (auto _ : state)
        FetchTheSameRows(SqliteFile(), ListStatements());
}
BENCHMARK(PatientListFetch_Sqlite)->Unit(benchmark::kMillisecond);

// From the patient list's opening to the chart drawn on the screen for the first time.
void ChartFirstPaint_InProcess(benchmark::State& state) {
    Ward ward(*InProcessWard());
    OpenChart(ward.app);
    for (auto _ : state) {
        ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        QApplication::processEvents();
        state.PauseTiming();
        chart.Unload();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ChartFirstPaint_InProcess)->Unit(benchmark::kMillisecond);

// The statements the nurse's path sends on the sample ward: opening the station's list, choosing its first patient,
// opening the chart and its header's load. WARD_LIST_STATEMENTS=1 lists them.
std::vector<std::string> StatementsOfThePath() {
    std::unique_ptr<sampleward::SampleServer> server = sampleward::OpenSampleWard();
    RecordingConnection recording(*server);
    std::vector<std::string> sent;
    {
        Ward ward(recording);
        ward::frmSearch& list = ward.app.Forms.Get<ward::frmSearch>();
        list.Show();
        testkit::ClickCell(list.mshflexList, 1, 1);
        testkit::DoubleClickCell(list.mshflexList, 1, 1);
        ward.app.Forms.Instance<ward::frmFinal>().Timer1.Tick();
        for (const auto& [statement, result] : recording.Sent)
            sent.push_back(statement);
    }
    return sent;
}

// What the path must send: the windows' own statements, and for each call of the patient search what our
// component sends (the sample in-patient has one attending doctor).
int PrescribedStatements() {
    const int validatePatient = 1;   // the patient
    const int validateAdmission = 5; // the admission, its doctor, its patient, its room, the room's class
    const int refresh = validateAdmission;
    const int loadPatient = 1;
    const int chooseRow = validatePatient + validateAdmission + 1;   // and the maintained-room check
    const int listLoad = 1 + chooseRow;                              // the station's list, its first row chosen
    const int setUp = 1 + 3 + 11;                                    // report list, settings, catalogues
    const int open = 1 + 2 * setUp + 1;                              // transfer check, made and loaded, package
    const int header = refresh + validateAdmission + loadPatient + 2 // diet, membership
                       + 3                                           // package, senior citizen, admission package
                       + refresh;                                    // the cash-basis flags
    return listLoad + chooseRow + open + header;
}

void StatementsPerAction(benchmark::State& state) {
    std::vector<std::string> sent;
    for (auto _ : state)
        sent = StatementsOfThePath();
    state.counters["sent"] = static_cast<double>(sent.size());
    state.counters["prescribed"] = PrescribedStatements();
    if (std::getenv("WARD_LIST_STATEMENTS"))
        for (const std::string& statement : sent)
            std::cerr << statement << "\n";
}
BENCHMARK(StatementsPerAction)->Iterations(1);

} // namespace
