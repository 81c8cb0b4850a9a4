#include "gui/main/PdfText.h"

#include "gui/ReportPainting.h"

#include <QProcess>
#include <QTemporaryDir>

namespace guitest {

std::string PdfText(const reports::Document& document) {
    QTemporaryDir folder;
    if (!folder.isValid())
        return "no temporary folder";
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    gui::WritePdf(document, path);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return "pdftotext failed: " + pdftotext.readAllStandardError().toStdString();
    return pdftotext.readAllStandardOutput().toStdString();
}

} // namespace guitest
