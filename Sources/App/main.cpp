#include <QApplication>

#include "App/MainWindow.h"
#include "App/QtUiServices.h"
#include "Common/Version.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Silvergrain"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(sg::silvergrainVersion.data(), sg::silvergrainVersion.size()));

    sg::QtUiServices ui;
    sg::MainWindow window(ui);
    ui.setParent(&window);
    window.show();
    return application.exec();
}
