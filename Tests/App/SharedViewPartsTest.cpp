#include <cmath>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "App/CurveFileBox.h"
#include "App/FilePaths.h"
#include "App/InkCurveColors.h"
#include "App/SaveRow.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::FileKind;
using sg::Outcome;
using sg::SaveRow;
using namespace sg::testing;

namespace {

// A save request that records what reached the tool.
struct RecordingTool {
    std::vector<std::filesystem::path> writes;
    std::vector<std::filesystem::path> exports;
    Outcome writeOutcome;

    sg::CurveSaveRequest request() {
        return {QStringLiteral("Save the curve"), QStringLiteral("/prints/Baryta-levels.quad"),
                [this](const std::filesystem::path& path) {
                    writes.push_back(path);
                    return writeOutcome;
                },
                [this](const std::filesystem::path& folder) {
                    exports.push_back(folder);
                    return Outcome();
                },
                8};
    }
};

double contrastOnWhite(const QColor& color) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
                             0.0722 * linear(color.blueF());
    return 1.05 / (luminance + 0.05);
}

}  // namespace

class SharedViewPartsTest : public QObject {
    Q_OBJECT

private slots:
    void savedPathsGetTheirSuffixAndSitNextToTheirSource() {
        struct Row {
            QString typed;
            FileKind kind;
            QString saved;
        };
        for (const Row& row : {
                 Row{"/p/print", FileKind::curve, "/p/print.quad"},
                 Row{"/p/print.txt", FileKind::curve, "/p/print.txt.quad"},
                 Row{"/p/print.", FileKind::curve, "/p/print.quad"},
                 Row{"/p/print.QUAD", FileKind::curve, "/p/print.QUAD"},
                 Row{"/p/Baryta 300/k.quad", FileKind::curve, "/p/Baryta 300/k.quad"},
                 Row{"/p/graph", FileKind::image, "/p/graph.png"},
                 Row{"/p/Baryta 300", FileKind::gutenprintFolder, "/p/Baryta 300"},
             }) {
            QCOMPARE(sg::withSaveSuffix(row.typed, row.kind), row.saved);
        }
        QCOMPARE(sg::suggestedSavePath("/prints/Baryta v2.quad", "linearized", FileKind::curve),
                 QStringLiteral("/prints/Baryta v2-linearized.quad"));
        QCOMPARE(sg::suggestedSavePath(QString(), "levels", FileKind::curve),
                 QStringLiteral("levels.quad"));
        QVERIFY(sg::isFileOfKind("/a/W.TI3", FileKind::measurements));
        QVERIFY(!sg::isFileOfKind("/a/w.quad", FileKind::measurements));
        QVERIFY(!sg::isFileOfKind("/a/quad", FileKind::curve));
        QCOMPARE(sg::fileDialogFilters(FileKind::measurements),
                 (QStringList{"Measurement files (*.txt *.csv *.ti3)", "All files (*)"}));
    }

    void saveRowSavesThenExportsAndSaysWhatItWrote() {
        ScriptedUiServices ui;
        SaveRow row(ui, QStringLiteral("Save..."));
        QSignalSpy saved(&row, &SaveRow::saved);
        RecordingTool tool;
        row.exportXmlCheck()->setChecked(true);

        // A cancelled save exports nothing and asks for no folder.
        ui.cancelSave();
        QVERIFY(!row.save(tool.request()));
        QVERIFY(tool.writes.empty() && ui.folderRequests.empty() && saved.isEmpty());

        // A typed .txt gets .quad; the folder dialog says what it chooses.
        ui.answerSave("/prints/Baryta 300/Baryta-lin.txt");
        ui.answerFolder("/prints/Baryta 300");
        QVERIFY(row.save(tool.request()));
        QCOMPARE(ui.saveRequests.back().suggestion, QStringLiteral("/prints/Baryta-levels.quad"));
        QCOMPARE(tool.writes.back(),
                 std::filesystem::path("/prints/Baryta 300/Baryta-lin.txt.quad"));
        QCOMPARE(tool.exports.back(), std::filesystem::path("/prints/Baryta 300"));
        QCOMPARE(ui.folderRequests.back().title,
                 QStringLiteral("Choose the folder for the Gutenprint curves"));
        QCOMPARE(
            saved.takeFirst().at(0).toString(),
            QStringLiteral("Saved Baryta-lin.txt.quad and 8 Gutenprint curves to Baryta 300/"));

        // A cancelled folder keeps the saved curve.
        ui.answerSave("/prints/Baryta-lin.quad");
        ui.cancelFolder();
        QVERIFY(row.save(tool.request()));
        QCOMPARE(saved.takeFirst().at(0).toString(),
                 QStringLiteral("Saved Baryta-lin.quad to prints/"));

        // A refused write is shown, and nothing is exported.
        tool.writeOutcome = Outcome::refused({"Failed to Save", "The disk is full."});
        ui.answerSave("/prints/Baryta-lin.quad");
        QVERIFY(!row.save(tool.request()));
        QCOMPARE(ui.alerts.size(), 1u);
        QCOMPARE(tool.exports.size(), 1u);

        ui.answerFolder("/other/Baryta 300");
        QVERIFY(row.exportGutenprintOnly(tool.request()));
        QCOMPARE(saved.takeFirst().at(0).toString(),
                 QStringLiteral("Saved 8 Gutenprint curves to Baryta 300/"));
        QCOMPARE(SaveRow::savedMessage("/prints/a.quad", "/other/Baryta 300", 1),
                 QStringLiteral("Saved a.quad to prints/ and 1 Gutenprint curve to Baryta 300/"));
        QVERIFY(saved.isEmpty() && ui.scriptFinished());
    }

    void curveBoxOffersOnlyChannelsWithInk() {
        sg::CurveFileBox box(QStringLiteral("Curve"), QStringLiteral("Load .quad..."));
        for (int channel = 0; channel < sg::CurveFileBox::toggleCount; ++channel) {
            QVERIFY(!box.channelToggle(channel)->isEnabled());
        }
        std::vector<std::vector<double>> curve(8, std::vector<double>(256, 0.0));
        curve[0][200] = 1.0;
        curve[6][10] = 1.0;
        box.showFile("/prints/Baryta.quad",
                     {"# MK Curve", "# C Curve", "# M Curve", "# Y Curve", "# R curve",
                      "# OR Curve", "# PK CURVE", "# GL Curve"},
                     curve);
        QCOMPARE(box.filePath(), QStringLiteral("/prints/Baryta.quad"));
        QCOMPARE(box.fileLabel()->text(), QStringLiteral("Baryta.quad (8 channels)"));
        QStringList enabled;
        for (int channel = 0; channel < sg::CurveFileBox::toggleCount; ++channel) {
            if (box.channelToggle(channel)->isEnabled()) {
                enabled << box.channelToggle(channel)->text();
            }
        }
        QCOMPARE(enabled, (QStringList{"MK", "PK"}));
        QSignalSpy changed(&box, &sg::CurveFileBox::showFlagsChanged);
        box.channelToggle(6)->setChecked(false);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(box.showFlags(),
                 (std::vector<bool>{true, true, true, true, true, true, false, true, true, true}));
    }

    void graphColoursKeepTheirHueAndReadOnWhite() {
        const char* const inks[] = {
            "Black",         "Cyan",        "Magenta",           "Yellow", "Light Cyan",
            "Light Magenta", "Light Black", "Light Light Black", "Orange", "Green"};
        std::vector<sg::InkSeriesStyle> styles;
        for (std::size_t position = 0; position < 10; ++position) {
            styles.push_back(sg::channelSeriesStyle(position));
            styles.push_back(sg::inkSeriesStyle("", inks[position]));
        }
        for (const sg::InkSeriesStyle& style : styles) {
            const QColor drawn = sg::readableOnWhite(style.color);
            QVERIFY2(contrastOnWhite(drawn) >= 3.0, qPrintable(style.color.name()));
            QCOMPARE(drawn.alphaF(), 1.0f);
            if (style.color.hslSaturationF() > 0.0f) {
                QVERIFY(std::abs(drawn.hslHueF() - style.color.hslHueF()) < 0.01f);
            }
        }
        QCOMPARE(sg::readableOnWhite(Qt::black), QColor(Qt::black));
    }
};

QTEST_MAIN(SharedViewPartsTest)
#include "SharedViewPartsTest.moc"
