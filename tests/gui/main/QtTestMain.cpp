#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The offscreen platform says of each window it shows that it cannot raise it; nothing else is dropped.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
}

} // namespace

// Qt starts on the offscreen platform before any test runs, also when CTest only lists the tests.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenNotes);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
