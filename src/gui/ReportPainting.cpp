#include "gui/ReportPainting.h"

#include "gui/Conversions.h"
#include "platform/reports/Layout.h"
#include "platform/reports/ReportError.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace gui {

namespace {

// A font of `size` units of the painter's coordinates (points): the device would otherwise enlarge it by its own
// resolution on top of the painter's transform.
QFont FontFor(const reports::TextRun& run, const QPaintDevice* device) {
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::SansSerif);
    const double deviceDpi = device != nullptr ? device->logicalDpiY() : 72.0;
    font.setPointSizeF(run.size * 72.0 / deviceDpi);
    font.setBold(run.bold);
    return font;
}

void PaintRun(QPainter& painter, const reports::TextRun& run) {
    if (run.text.empty())
        return;
    const QString text = ToQString(run.text);
    const QFont font = FontFor(run, painter.device());
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double natural = metrics.horizontalAdvance(text);
    const double measured = reports::TextWidth(run.text, run.size, run.bold);
    const double squeeze = natural > measured && natural > 0 ? measured / natural : 1.0;
    const double drawn = natural * squeeze;
    double x = run.x;
    if (run.width > 0 && run.align == reports::Align::Center)
        x += (run.width - drawn) / 2;
    else if (run.width > 0 && run.align == reports::Align::Right)
        x += run.width - drawn;
    painter.save();
    painter.translate(x, run.y + metrics.ascent());
    painter.scale(squeeze, 1.0);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

QPageLayout LayoutFor(const reports::Document& document) {
    const bool landscape = document.width > document.height;
    const QSizeF portrait(std::min(document.width, document.height), std::max(document.width, document.height));
    return QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

// Paints every page, one device page each; the painter is active on the device.
void PaintPages(QPainter& painter, QPagedPaintDevice& device, const reports::Document& document) {
    const double scale = device.logicalDpiX() / 72.0;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        PaintPage(painter, document.pages[i]);
        painter.restore();
    }
}

} // namespace

void PaintPage(QPainter& painter, const reports::Page& page) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const reports::Rule& rule : page.rules) {
        painter.setPen(QPen(Qt::black, rule.thickness));
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
    }
    painter.setPen(Qt::black);
    for (const reports::TextRun& run : page.texts)
        PaintRun(painter, run);
}

void WritePdf(const reports::Document& document, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setTitle(ToQString(document.title));
    writer.setCreator(QStringLiteral("Tessun Nurse"));
    writer.setPageLayout(LayoutFor(document));
    QPainter painter;
    if (!painter.begin(&writer))
        throw reports::ReportError(reports::rptErrNoPrinter,
                                   "The report could not be written to " + path.toStdString() + ".");
    PaintPages(painter, writer, document);
    painter.end();
}

void DefaultPrinter::Print(const reports::Document& document) {
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (installed.isNull())
        throw reports::ReportError(reports::rptErrNoPrinter, "No printer is installed: the report cannot be printed.");
    QPrinter printer(installed, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(ToQString(document.title));
    printer.setPageLayout(LayoutFor(document));
    QPainter painter;
    if (!painter.begin(&printer))
        throw reports::ReportError(reports::rptErrNoPrinter, "The printer " + installed.printerName().toStdString() +
                                                                 " did not take the report.");
    PaintPages(painter, printer, document);
    if (!painter.end())
        throw reports::ReportError(reports::rptErrNoPrinter, "The printer " + installed.printerName().toStdString() +
                                                                 " did not finish the report.");
}

} // namespace gui
