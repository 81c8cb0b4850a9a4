#pragma once

#include "platform/reports/Page.h"
#include "platform/reports/ReportEngine.h"

#include <QString>

class QPainter;

namespace gui {

// Draws one laid-out page. The painter's coordinates are points from the page's top left corner; text that the
// installed font sets wider than the layout measured it is narrowed to the width the layout gave it.
void PaintPage(QPainter& painter, const reports::Page& page);

// Writes every page of the document into a PDF file; raises a report error when the file cannot be written.
void WritePdf(const reports::Document& document, const QString& path);

// The workstation's default printer: every page at once, no dialog. With no printer installed, or when the printer
// does not take the job, the print raises an error the calling window reports.
class DefaultPrinter : public reports::Printer {
public:
    void Print(const reports::Document& document) override;
};

} // namespace gui
