#include "components/frmLabResultViewer.h"

namespace components {

frmLabResultViewer::frmLabResultViewer(forms::FormsContext& context) : Form(context) {}

void frmLabResultViewer::Design() {
    SetBorderStyle(2);
    SetInnerSize(12000, 8400);
    CRViewer1.Move(0, 0, ScaleWidth(), ScaleHeight());
}

void frmLabResultViewer::Prepare(const std::string& caption, std::shared_ptr<const reports::Document> document) {
    SetCaption(caption);
    pages = std::move(document);
}

void frmLabResultViewer::Form_Load() {
    CRViewer1.SetReportSource(pages);
    CRViewer1.SetDisplayGroupTree(false);
    CRViewer1.SetEnableGroupTree(false);
    CRViewer1.SetEnablePrintButton(true);
    CRViewer1.ViewReport();
}

void frmLabResultViewer::Form_Resize() { CRViewer1.Move(0, 0, ScaleWidth(), ScaleHeight()); }

} // namespace components
