#include <QApplication>

#include "App/MainWindow.h"
#include "App/QtUiServices.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Silvergrain"));
    QApplication::setApplicationVersion(QStringLiteral(SILVERGRAIN_VERSION));

    sg::QtUiServices ui;
    sg::MainWindow window(ui);
    ui.setParent(&window);
    window.show();
    return application.exec();
}
