#pragma once

#include <cmath>
#include <memory>
#include <type_traits>
#include <vector>

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QXYSeries>

#include "App/CurveChartView.h"

#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

namespace sg::testing {

// What every tool view test starts from: scripted dialogs, a fresh view on them and an empty
// temporary folder. A test class derives from QObject, then from this, and calls setUp() from
// init() and scriptFinished() from cleanup().
template <typename View>
class ViewFixture {
protected:
    bool setUp() {
        view_.reset();
        ui_ = std::make_unique<ScriptedUiServices>();
        view_ = std::make_unique<View>(*ui_);
        ui = ui_.get();
        view = view_.get();
        return folder.reset();
    }
    // True when every scripted answer was used and no dialog came unasked.
    bool scriptFinished() const { return ui->scriptFinished(); }
    // Answers the next open dialog with `path`, then triggers `load`: a slot of the view or a
    // button.
    template <typename Load>
    void openWith(const QString& path, Load load) {
        ui->answerOpen(path);
        if constexpr (std::is_pointer_v<Load>) {
            load->click();
        } else {
            (view->*load)();
        }
    }

    ScriptedUiServices* ui = nullptr;
    View* view = nullptr;
    TestFolder folder;

private:
    std::unique_ptr<ScriptedUiServices> ui_;
    std::unique_ptr<View> view_;
};

// Whether a graph line draws these ink values, level by level, in percent of full ink.
inline bool drawsInkValues(const QXYSeries* line, const std::vector<double>& values) {
    if (line->count() != qsizetype(values.size())) {
        return false;
    }
    for (qsizetype level = 0; level < line->count(); ++level) {
        if (std::abs(line->at(level).y() * 655.35 - values[std::size_t(level)]) > 1e-6) {
            return false;
        }
    }
    return true;
}

// Everything a view shows: its labels, entries, sliders, pop-ups and notes, and every graph with
// its placeholder, caption and points; to prove that a refused action changed nothing.
inline QStringList shownBy(const QWidget& view) {
    QStringList shown;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
        shown << label->text();
    }
    for (const QAbstractSpinBox* box : view.findChildren<QAbstractSpinBox*>()) {
        shown << box->text();
    }
    for (const QAbstractSlider* slider : view.findChildren<QAbstractSlider*>()) {
        shown << QString::number(slider->value());
    }
    for (const QComboBox* box : view.findChildren<QComboBox*>()) {
        shown << box->currentText();
    }
    for (const QPlainTextEdit* edit : view.findChildren<QPlainTextEdit*>()) {
        shown << edit->toPlainText();
    }
    for (const CurveChartView* chart : view.findChildren<CurveChartView*>()) {
        shown << chart->placeholderText() << chart->caption();
        for (const QAbstractSeries* series : chart->chart()->series()) {
            if (const auto* line = qobject_cast<const QXYSeries*>(series)) {
                for (const QPointF& point : line->points()) {
                    shown << QString::number(point.y());
                }
            }
        }
    }
    return shown;
}

}  // namespace sg::testing
