// Quiralis Reader: the application object runs the main window; the program ends with it.

#include "ui/CQMXReaderApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("quiralis-reader"));
    CQMXReaderApp app;
    app.InitInstance();
    return 0;
}
