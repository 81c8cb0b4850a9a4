#include "core/frmReportViewer.h"

#include "core/App.h"
#include "core/ReportPrinting.h"

namespace ward {

ReportViewerWindow::ReportViewerWindow(App& app, int zoom) : Form(app.Forms), app(app), zoom(zoom) {}

void ReportViewerWindow::Design() {
    SetBorderStyle(2);
    SetInnerSize(12000, 8400);
    FillWindow();
}

void ReportViewerWindow::FillWindow() { CRViewer1.Move(0, 0, ScaleWidth(), ScaleHeight()); }

void ReportViewerWindow::Form_Load() {
    loadError = nullptr;
    const bool printButton = PrintButtonEnabled();
    std::shared_ptr<const reports::Document> pages;
    try {
        pages = std::make_shared<const reports::Document>(
            ReportPages(app, reports::ViewerSettings{Caption(), ShowGroupTree, printButton, zoom}));
    } catch (const std::exception&) {
        loadError = std::current_exception();
        Unload();
        return;
    }
    CRViewer1.SetReportSource(pages);
    CRViewer1.SetDisplayGroupTree(ShowGroupTree);
    CRViewer1.SetEnableGroupTree(ShowGroupTree);
    CRViewer1.SetEnablePrintButton(printButton);
    CRViewer1.ViewReport();
    CRViewer1.Zoom(zoom);
}

frmReportViewer::frmReportViewer(App& app) : ReportViewerWindow(app, 125) {}

bool frmReportViewer::PrintButtonEnabled() const { return app.AllowReportPrint; }

void frmReportViewer::Form_Resize() { FillWindow(); }

void frmReportViewer::Form_Unload(int& /*Cancel*/) {
    app.CurrentReport.reset();
    app.AllowReportPrint = true;
}

} // namespace ward
