#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"
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

// Opening (load, build the widgets, show) and closing the window, with as many rows as the argument says.
void OpenWindow(benchmark::State& state) {
    BenchApp app;
    auto& form = app.Forms.Instance<frmRows>();
    form.Rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        form.Show();
        QApplication::processEvents();
        form.Unload();
        QApplication::processEvents();
    }
}
BENCHMARK(OpenWindow)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
