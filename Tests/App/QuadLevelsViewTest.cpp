#include <cstdio>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include "App/InkCurveChart.h"
#include "App/QuadLevelsViewController.h"
#include "App/RangeSlider.h"
#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

using sg::QuadLevelsViewController;
using sg::testing::bytesOf;
using sg::testing::ScriptedUiServices;
using sg::testing::TestFolder;

namespace {

const QString dataFolder = QStringLiteral(SILVERGRAIN_TEST_DATA_DIR "/CurveTools");
const QString warmFile = dataFolder + QStringLiteral("/WarmBaryta8.quad");
const QString refusedFile = dataFolder + QStringLiteral("/DivZeroExport.quad");

// The fixture as read by hand: its header block, labels and integer values.
struct Fixture {
    QList<QByteArray> header;  // header line and comment lines
    QList<QByteArray> labels;
    std::vector<std::vector<long long>> values;
};

Fixture readFixture(const QString& path) {
    const QList<QByteArray> lines = bytesOf(path).split('\n');
    Fixture fixture;
    int line = 0;
    while (!lines[line].startsWith("# K")) {
        fixture.header << lines[line++];
    }
    while (line + 256 < lines.size()) {
        fixture.labels << lines[line++];
        std::vector<long long> channel;
        for (int level = 0; level < 256; ++level) {
            channel.push_back(lines[line++].toLongLong());
        }
        fixture.values.push_back(channel);
    }
    return fixture;
}

// With the selection 0..0.5 the tool reads levels 0..128: output level k reads input position
// k * 128 / 255, the whole level i below it and the remainder r in 255ths.
std::vector<std::vector<double>> firstHalfResult(const Fixture& fixture) {
    std::vector<std::vector<double>> result;
    for (const std::vector<long long>& channel : fixture.values) {
        std::vector<double> out;
        for (std::size_t k = 0; k < 256; ++k) {
            const std::size_t i = k * 128 / 255;
            const std::size_t r = k * 128 % 255;
            const double value = double(channel[i]);
            out.push_back(r == 0 ? value
                                 : value + (double(channel[i + 1]) - value) * (double(r) / 255.0));
        }
        result.push_back(out);
    }
    return result;
}

QByteArray expectedQuadFile(const Fixture& fixture, const std::vector<std::vector<double>>& curve,
                            bool zeroFirst) {
    QList<QByteArray> lines;
    lines << fixture.header.first() << "# Halidewerk Silvergrain v2";
    lines << fixture.header.mid(1);
    for (std::size_t channel = 0; channel < curve.size(); ++channel) {
        lines << fixture.labels[qsizetype(channel)];
        for (std::size_t level = 0; level < 256; ++level) {
            const double value = zeroFirst && level == 0 ? 0.0 : curve[channel][level];
            lines << QByteArray::number(static_cast<long long>(value));
        }
    }
    return lines.join('\n');
}

QByteArray expectedGutenprintFile(const QByteArray& paper, const QByteArray& label,
                                  const std::vector<double>& values) {
    QList<QByteArray> lines{"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                            "<!-- " + paper + " -->",
                            "<channelname>",
                            label,
                            "</channelname>",
                            "<gutenprint>",
                            "<curve wrap=\"nowrap\" type=\"spline\" gamma=\"0\">",
                            "<sequence count=\"256\" lower-bound=\"0\" upper-bound=\"65535\">"};
    for (const double value : values) {
        char text[32];
        std::snprintf(text, sizeof text, "%.0f", value);
        lines << text;
    }
    lines << "</sequence>"
          << "</curve>"
          << "</gutenprint>";
    return lines.join('\n');
}

}  // namespace

class QuadLevelsViewTest : public QObject {
    Q_OBJECT

private:
    ScriptedUiServices* ui = nullptr;
    QuadLevelsViewController* view = nullptr;
    TestFolder folder;

    QPushButton* button(const char* name) const {
        return view->findChild<QPushButton*>(QLatin1String(name));
    }
    void click(QAbstractButton* target) { QTest::mouseClick(target, Qt::LeftButton); }
    void load(const QString& path) {
        ui->answerOpen(path);
        click(button("loadButton"));
    }
    void saveTo(const QString& path, QPushButton* saveButton) {
        ui->answerSave(path);
        click(saveButton);
    }

private slots:
    void init() {
        ui = new ScriptedUiServices;
        view = new QuadLevelsViewController(*ui);
        view->resize(1100, 720);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        QVERIFY(folder.reset());
    }

    void cleanup() {
        QVERIFY2(ui->scriptFinished(), "a dialog was left unanswered or came unasked");
        delete view;
        delete ui;
    }

    void beforeALoadTheRampShowsAndNothingSaves() {
        QCOMPARE(view->toolTitle(), QStringLiteral("Quad Levels"));
        QCOMPARE(view->inkChart()->curveSeries().size(), 8);
        QVERIFY(!view->inkChart()->isShowingPlaceholder());
        QCOMPARE(view->inkChart()->curveSeries().at(0)->at(255).y(), 65280.0 / 655.35);
        QCOMPARE(view->startLabel()->text(), QStringLiteral("Start: gray level 255.0"));
        QCOMPARE(view->endLabel()->text(), QStringLiteral("End: gray level 0.0"));
        view->asPercentCheck()->setChecked(true);
        QCOMPARE(view->startLabel()->text(), QStringLiteral("Start: 0.0 % of input"));
        QCOMPARE(view->endLabel()->text(), QStringLiteral("End: 100.0 % of input"));
        QVERIFY(!(view->canSave() || view->saveButton()->isEnabled() ||
                  view->saveUnzeroedButton()->isEnabled() || view->exportXmlButton()->isEnabled()));
        // The actions themselves ask nothing and write nothing.
        view->saveTrimmedCurve();
        view->saveWithoutZeroing();
        view->exportGutenprintXml();
        QVERIFY(ui->saveRequests.empty());
        QCOMPARE(ui->folderRequests, 0);
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void loadMoveAndSaveWriteExactBytes() {
        load(warmFile);
        QCOMPARE(ui->openRequests.size(), std::size_t(1));
        QCOMPARE(ui->openRequests[0].title, QStringLiteral("Choose a quad file"));
        QCOMPARE(ui->openRequests[0].fileTypes, QStringList{QStringLiteral("quad")});
        QVERIFY(ui->alerts.empty());
        QVERIFY(view->fileNameLabel()->text().contains(QStringLiteral("WarmBaryta8.quad")));
        QVERIFY(view->saveButton()->isEnabled());

        view->rangeSlider()->setSelection({0.0, 0.5});
        QCOMPARE(view->endLabel()->text(), QStringLiteral("End: gray level 127.5"));
        QCOMPARE(view->tool().lowLevel(), 0);
        QCOMPARE(view->tool().highLevel(), 128);
        QCOMPARE(view->limitsLabel()->text(),
                 QStringLiteral("Uses input levels 0 to 128 of the curve"));

        const Fixture fixture = readFixture(warmFile);
        const auto result = firstHalfResult(fixture);
        saveTo(folder.filePath("plain.quad"), view->saveButton());
        QCOMPARE(ui->saveRequests.back(), QStringLiteral("quad"));
        QCOMPARE(bytesOf(folder.filePath("plain.quad")), expectedQuadFile(fixture, result, false));

        // Zero-first: the file starts every channel at 0, and the stored result keeps it, so
        // a following save without zeroing writes the zeros too.
        view->zeroFirstCheck()->setChecked(true);
        saveTo(folder.filePath("zeroed.quad"), view->saveButton());
        const QByteArray zeroed = expectedQuadFile(fixture, result, true);
        QCOMPARE(bytesOf(folder.filePath("zeroed.quad")), zeroed);
        saveTo(folder.filePath("kept.quad"), view->saveUnzeroedButton());
        QCOMPARE(bytesOf(folder.filePath("kept.quad")), zeroed);

        // The next slider move recomputes; the plain save never zeroes.
        view->rangeSlider()->setSelection({0.0, 0.6});
        view->rangeSlider()->setSelection({0.0, 0.5});
        saveTo(folder.filePath("limited.quad"), view->saveUnzeroedButton());
        QCOMPARE(bytesOf(folder.filePath("limited.quad")),
                 expectedQuadFile(fixture, result, false));
        QVERIFY(ui->alerts.empty());
    }

    void exportWritesTheResultPerChannel() {
        load(warmFile);
        view->rangeSlider()->setSelection({0.0, 0.5});
        const QString paper = folder.filePath(QStringLiteral("Baryta 300"));
        QVERIFY(QDir().mkpath(paper));
        ui->answerFolder(paper);
        click(view->exportXmlButton());
        QVERIFY(ui->alerts.empty());

        const Fixture fixture = readFixture(warmFile);
        const auto result = firstHalfResult(fixture);
        const QStringList names{"Black.xml",      "Cyan.xml",           "Magenta.xml",
                                "Yellow.xml",     "LightCyan.xml",      "LightMagenta.xml",
                                "LightBlack.xml", "LightLightBlack.xml"};
        QCOMPARE(QDir(paper).entryList(QDir::Files, QDir::Name).size(), 8);
        for (qsizetype channel = 0; channel < names.size(); ++channel) {
            QCOMPARE(bytesOf(paper + "/" + names[channel]),
                     expectedGutenprintFile("Baryta 300", fixture.labels[channel],
                                            result[std::size_t(channel)]));
        }
    }

    void cancelledDialogsChangeNothing() {
        ui->cancelOpen();
        click(button("loadButton"));
        QVERIFY(!view->tool().curveFile());
        QVERIFY(!view->canSave());

        load(warmFile);
        ui->cancelSave();
        click(view->saveButton());
        ui->cancelFolder();
        click(view->exportXmlButton());
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(ui->alerts.empty());
    }

    void refusedFileLeavesTheToolAsItWas() {
        load(warmFile);
        view->rangeSlider()->setSelection({0.2, 0.8});
        const QString fileLabel = view->fileNameLabel()->text();
        const QList<QPointF> points = view->inkChart()->curveSeries().at(6)->points();
        saveTo(folder.filePath("before.quad"), view->saveButton());

        load(refusedFile);
        QCOMPARE(ui->alerts.size(), std::size_t(1));
        QCOMPARE(ui->alerts[0].title, std::string("Failed to Load Quad File"));
        QVERIFY(ui->alerts[0].text.find("#DIV/0!") != std::string::npos);
        QCOMPARE(view->fileNameLabel()->text(), fileLabel);
        QCOMPARE(view->inkChart()->curveSeries().at(6)->points(), points);
        QVERIFY(view->rangeSlider()->selection() == (sg::SelectionRange{0.2, 0.8}));
        QVERIFY(view->canSave());
        saveTo(folder.filePath("after.quad"), view->saveButton());
        QCOMPARE(bytesOf(folder.filePath("after.quad")), bytesOf(folder.filePath("before.quad")));
    }

    void failedSaveShowsTheReasonAndKeepsTheResult() {
        load(warmFile);
        view->rangeSlider()->setSelection({0.6, 1.0});
        view->zeroFirstCheck()->setChecked(true);
        const double first = view->tool().trimmedCurve()[0][0];
        QVERIFY(first > 0.0);
        // A folder in the way of the target makes the write fail, also for root.
        QVERIFY(QDir().mkpath(folder.filePath("taken.quad")));
        saveTo(folder.filePath("taken.quad"), view->saveButton());
        QCOMPARE(ui->alerts.size(), std::size_t(1));
        QCOMPARE(ui->alerts[0].title, std::string("Failed to Save"));
        QVERIFY(!ui->alerts[0].text.empty());
        QCOMPARE(view->tool().trimmedCurve()[0][0], first);
        QCOMPARE(view->inkChart()->curveSeries().at(0)->at(0).y(), first / 655.35);
    }

    void keyboardReachesTheControlsInLayoutOrder() {
        load(warmFile);  // the save buttons take focus only when enabled
        QVERIFY(QTest::qWaitForWindowActive(view));
        button("loadButton")->setFocus();
        QList<QWidget*> tabStops{QApplication::focusWidget()};
        for (int press = 0; press < 10; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == tabStops.first()) {
                break;
            }
            tabStops << QApplication::focusWidget();
        }
        QCOMPARE(tabStops,
                 (QList<QWidget*>{button("loadButton"), view->rangeSlider(), view->asPercentCheck(),
                                  view->zeroFirstCheck(), view->exportXmlButton(),
                                  view->saveUnzeroedButton(), view->saveButton()}));

        // Alt+I reaches the range, where the arrow keys move the start one level at a time.
        QTest::keyClick(view, Qt::Key_I, Qt::AltModifier);
        QVERIFY(view->rangeSlider()->hasFocus());
        QTest::keyClick(view->rangeSlider(), Qt::Key_Right);
        QTest::keyClick(view->rangeSlider(), Qt::Key_Right);
        QCOMPARE(view->tool().lowLevel(), 2);
        QCOMPARE(view->startLabel()->text(), QStringLiteral("Start: gray level 253.0"));
    }

    void draggingAHandleUpdatesTheChartInPlace() {
        load(warmFile);
        sg::InkCurveChart* graph = view->inkChart();
        QChart* chart = graph->chart();
        const QList<QLineSeries*> series = graph->curveSeries();
        QCOMPARE(series.size(), 8);
        const QList<QAbstractAxis*> axes = chart->axes();
        const QList<QPointF> before = series.at(0)->points();

        sg::RangeSlider* slider = view->rangeSlider();
        const auto y = slider->height() / 2;
        const QPoint startHandle(int(slider->handleCenterX(sg::DraggedSlider::start)), y);
        QTest::mousePress(slider, Qt::LeftButton, {}, startHandle);
        for (int step = 1; step <= 5; ++step) {
            QTest::mouseMove(slider, startHandle + QPoint(step * 60, 0));
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, startHandle + QPoint(300, 0));
        QVERIFY(slider->selection().start > 0.2);

        QCOMPARE(graph->chart(), chart);
        QCOMPARE(graph->curveSeries(), series);
        QCOMPARE(chart->series().size(), 8);
        QCOMPARE(chart->axes(), axes);
        QCOMPARE(graph->xAxis()->max(), 100.0);
        QVERIFY(series.at(0)->points() != before);
        // The lines show the tool's result.
        for (std::size_t channel = 0; channel < 8; ++channel) {
            QCOMPARE(series.at(qsizetype(channel))->at(0).y(),
                     view->tool().trimmedCurve()[channel][0] / 655.35);
        }
        QCOMPARE(view->tool().lowLevel(),
                 sg::CurveLimiter::lowLevelForSelection(slider->selection().start));
    }
};

QTEST_MAIN(QuadLevelsViewTest)
#include "QuadLevelsViewTest.moc"
