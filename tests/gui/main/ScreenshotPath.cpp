#include "gui/main/ScreenshotPath.h"

#include <QDir>
#include <QString>

#include <cstdlib>

namespace guitest {

std::string ScreenshotPath(const std::string& name) {
    const char* folder = std::getenv("WARD_SCREENSHOT_DIR");
    QString directory = folder != nullptr ? QString::fromUtf8(folder) : QDir::tempPath();
    QDir().mkpath(directory);
    return (directory + "/" + QString::fromStdString(name) + ".png").toStdString();
}

} // namespace guitest
