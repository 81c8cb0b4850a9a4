// Binding a 10,000-row, 12-column recordset into a grid, against copying the same strings out of the same recordset
// into a plain vector of rows. Both read the recordset through the same calls; the difference is the grid's own cost.
#include "platform/db/Recordset.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/Grid.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 12;

// A host that shows nothing: the benchmark never opens a message box or a window.
class SilentHost : public forms::Host {
public:
    int MsgBox(const forms::MessageBoxRequest&) override { return forms::vbOK; }
    void ShowModeless(forms::Form&) override {}
    void RunModal(forms::Form&) override {}
    void StartTimer(forms::Timer&) override {}
    void StopTimer(forms::Timer&) override {}
    void PopupMenu(forms::Menu&) override {}
    bool PrevInstance() override { return false; }
    std::string AppPath() override { return "."; }
    forms::WorkArea WorkArea() override { return {0, 0, 15360, 11070}; }
    [[noreturn]] void End() override { std::abort(); }
};

class frmList : public forms::Form {
public:
    explicit frmList(forms::FormsContext& context) : Form(context) {}
    forms::MSHFlexGrid mshflexList{*this, "mshflexList"};
};

db::Recordset MakeRecordset() {
    db::ResultTable table;
    table.hasColumns = true;
    for (int column = 0; column < kColumns; ++column)
        table.columns.push_back("Field" + std::to_string(column));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            table.values.push_back(vb::Variant("PARACETAMOL 500 MG TAB " + std::to_string(row * kColumns + column)));
    return db::Recordset(std::move(table), db::CursorType::Static, db::LockType::ReadOnly);
}

void BindIntoGrid(benchmark::State& state) {
    SilentHost host;
    forms::FormsContext context(host);
    auto form = std::make_shared<frmList>(context);
    db::Recordset rs = MakeRecordset();
    for (auto _ : state) {
        form->mshflexList.SetDataSource(rs);
        benchmark::DoNotOptimize(form->mshflexList.Rows());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void CopyIntoVector(benchmark::State& state) {
    db::Recordset rs = MakeRecordset();
    for (auto _ : state) {
        std::vector<std::vector<std::string>> rows;
        rows.reserve(kRows);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            std::vector<std::string> row;
            row.reserve(kColumns);
            for (int field = 0; field < kColumns; ++field)
                row.push_back(rs.Fields(field).AsString());
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(BindIntoGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyIntoVector)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
