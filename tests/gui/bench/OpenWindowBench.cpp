#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"
#include "platform/forms/Grid.h"
#include "platform/forms/Layout.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

namespace {

struct BenchApp {
    ~BenchApp() { host.ReleaseWindows(); }
    gui::QtHost host;
    forms::FormRegistry<BenchApp> Forms{*this, host};
};

// A list window whose rows are a control array of text boxes: rows is how many it loads in its Load.
class frmRows : public forms::Form {
public:
    explicit frmRows(BenchApp& app) : Form(app.Forms) {}
    forms::Label lblTitle{*this, "lblTitle"};
    forms::ControlArray<forms::TextBox> txtRow{*this, "txtRow"};
    forms::CommandButton cmdClose{*this, "cmdClose"};
    int Rows = 0;

private:
    void Design() override {
        SetCaption("Rows");
        SetInnerSize(6000, 4000);
        lblTitle.SetCaption("Rows");
        cmdClose.SetCaption("&Close");
        forms::Layout(*this).Row({{&lblTitle}}).Buttons({&cmdClose});
    }
    void Form_Load() override {
        for (int row = 0; row < Rows; ++row) {
            forms::TextBox& box = txtRow.Load(row);
            box.Move(120, 600 + row * 15, 3000, 300);
            box.SetText("Row " + std::to_string(row));
        }
    }
};

// Opening (load, build the widgets, show and draw) and closing a window, with as many rows as the argument says.
template <class Window> void OpenAndClose(benchmark::State& state) {
    BenchApp app;
    auto& form = app.Forms.Instance<Window>();
    form.Rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        form.Show();
        QApplication::processEvents();
        form.Unload();
        QApplication::processEvents();
    }
}

void OpenWindow(benchmark::State& state) { OpenAndClose<frmRows>(state); }
BENCHMARK(OpenWindow)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

// A patient list window whose grid holds as many rows as the argument says, filled in its Load as the windows fill
// theirs from a recordset.
class frmPatientList : public forms::Form {
public:
    explicit frmPatientList(BenchApp& app) : Form(app.Forms) {}
    forms::MSHFlexGrid grdPatients{*this, "grdPatients"};
    forms::CommandButton cmdClose{*this, "cmdClose"};
    int Rows = 0;

private:
    void Design() override {
        SetCaption("Patients");
        SetInnerSize(9000, 6000);
        grdPatients.Move(120, 120, 8760, 5000);
        grdPatients.SetFormatString("^Bed|<Patient|<Doctor|<Admitted|<Id");
        grdPatients.SetColWidth(4, 0);
        cmdClose.SetCaption("&Close");
        cmdClose.Move(7680, 5280, 1200, 360);
    }
    void Form_Load() override {
        grdPatients.SetRows(Rows + 1);
        for (int row = 1; row <= Rows; ++row) {
            grdPatients.SetTextMatrix(row, 0, std::to_string(row));
            grdPatients.SetTextMatrix(row, 1, "PATIENT " + std::to_string(row));
            grdPatients.SetTextMatrix(row, 2, "DR. JONES");
            grdPatients.SetTextMatrix(row, 3, "12/10/2026");
            grdPatients.SetTextMatrix(row, 4, std::to_string(100000 + row));
        }
    }
};

// The window with its grid empty or full: only the display's part differs between the two beyond the filling, whose
// share LoadGridWindow shows.
void OpenGridWindow(benchmark::State& state) { OpenAndClose<frmPatientList>(state); }
BENCHMARK(OpenGridWindow)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same window loaded and unloaded without being shown: the model's own share of the time above.
void LoadGridWindow(benchmark::State& state) {
    BenchApp app;
    auto& form = app.Forms.Instance<frmPatientList>();
    form.Rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        form.Load();
        form.Unload();
    }
}
BENCHMARK(LoadGridWindow)->Arg(0)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
