// silvergrain: the application. Files named on the command line open in the current tool (or
// the first tool that takes them all), as its open dialogs would open them.

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>

#include "App/MainWindow.h"
#include "App/QtUiServices.h"
#include "Common/Version.h"

namespace {

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help and quit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and quit.")};
    QCommandLineOption tool{QStringLiteral("tool"),
                            QStringLiteral("Start in this tool, e.g. \"Quad Levels\"."),
                            QStringLiteral("name")};

    explicit Options(QCommandLineParser& parser) {
        parser.setApplicationDescription(QStringLiteral(
            "Silvergrain: make, linearize and trim QuadToneRIP .quad curves for black-and-white "
            "inkjet printing."));
        parser.addOptions({help, version, tool});
        parser.addPositionalArgument(
            QStringLiteral("files"),
            QStringLiteral("Curve files (.quad) and measurement files (.txt, .csv, .ti3) to "
                           "open, e.g. \"wedge.txt curve.quad\" for the Linearization tool."),
            QStringLiteral("[files...]"));
    }
};

QString versionText() {
    return QString::fromUtf8(sg::silvergrainVersion.data(), sg::silvergrainVersion.size());
}

// --help and --version are answered before a window system is needed.
int answerWithoutWindow(int argc, char** argv) {
    for (int index = 1; index < argc; ++index) {
        const QString argument = QString::fromLocal8Bit(argv[index]);
        if (argument == QStringLiteral("--")) {
            break;
        }
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            QCommandLineParser parser;
            const Options options(parser);
            QString text = parser.helpText();
            text.replace(QStringLiteral("<executable_name>"), QStringLiteral("silvergrain"));
            std::fputs(qPrintable(text), stdout);
            return 0;
        }
        if (argument == QStringLiteral("-v") || argument == QStringLiteral("--version")) {
            std::printf("silvergrain %s\n", qPrintable(versionText()));
            return 0;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int answered = answerWithoutWindow(argc, argv); answered >= 0) {
        return answered;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Silvergrain"));
    QApplication::setOrganizationName(QStringLiteral("Halidewerk"));
    QApplication::setApplicationVersion(versionText());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.halidewerk.Silvergrain"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.halidewerk.Silvergrain.svg")));

    QCommandLineParser parser;
    const Options options(parser);
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "silvergrain: %s\n", qPrintable(parser.errorText()));
        return 2;
    }

    sg::QtUiServices ui;
    sg::MainWindow window(ui);
    ui.setParent(&window);
    if (parser.isSet(options.tool) && !window.showTool(parser.value(options.tool))) {
        std::fprintf(stderr, "silvergrain: no tool is called \"%s\"\n",
                     qPrintable(parser.value(options.tool)));
        return 2;
    }
    window.show();
    window.openFiles(parser.positionalArguments());
    return application.exec();
}
