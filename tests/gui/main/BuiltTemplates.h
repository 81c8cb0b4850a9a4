#pragma once

#include "platform/reports/TemplatePath.h"
#include "platform/reports/TemplateReportEngine.h"

#include <QCoreApplication>
#include <QDir>

namespace guitest {

// The template engine on the templates the build copies beside the program (src/gui), for the screenshots, which run
// from tests/<folder>/screenshots.
class BuiltTemplates : public reports::TemplateReportEngine {
public:
    using TemplateReportEngine::TemplateReportEngine;
    std::unique_ptr<reports::Report> OpenReport(const std::string& path) override {
        const QString folder =
            QDir(QCoreApplication::applicationDirPath() + "/../../../src/gui/Reports").absolutePath();
        return TemplateReportEngine::OpenReport(folder.toStdString() + "/" + reports::FileNameOf(path));
    }
};

} // namespace guitest
