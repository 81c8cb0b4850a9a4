#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("Tessun Nurse");
    QMainWindow window;
    window.setWindowTitle("Tessun Nurse");
    window.resize(1024, 768);
    window.show();
    return application.exec();
}
