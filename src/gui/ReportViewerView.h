#pragma once

#include "gui/ControlView.h"

#include <memory>

namespace forms {
class ReportViewer;
}

namespace gui {

// The report viewer control: a tool bar with the print button and the zoom, the group tree beside the pages, and
// the pages of its source (a laid-out document) one under the other, scrolled. The print button asks the model,
// which tells the view to print the pages on the default printer; a printer error goes to the window's error report.
std::unique_ptr<ControlView> MakeReportViewerView(forms::ReportViewer& viewer, FormWindow& window);

} // namespace gui
