#include "App/ToolView.h"

#include <QAbstractSpinBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "App/CurveChartView.h"
#include "App/UiServices.h"

namespace sg {

ToolView::ToolView(UiServices& ui, QWidget* parent) : QWidget(parent), ui_(ui) {}

void ToolView::arrange(const QList<QWidget*>& controls, QLayout* graphs) {
    auto* column = new QWidget;
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(4);
    for (QWidget* control : controls) {
        // Tighter above and below than the style's default, so that a tool's controls fit
        // a 700-pixel-high window without scrolling.
        if (QLayout* inner = control->layout();
            inner != nullptr && control->inherits("QGroupBox")) {
            const QMargins margins = inner->contentsMargins();
            inner->setContentsMargins(margins.left(), 4, margins.right(), 4);
            inner->setSpacing(4);
        }
        columnLayout->addWidget(control);
    }
    columnLayout->addStretch(1);

    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("controlColumn"));
    scroller->setWidget(column);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As wide as the controls want, with room for the scroll bar when the window is short.
    scroller->setFixedWidth(column->sizeHint().width() +
                            scroller->verticalScrollBar()->sizeHint().width());

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scroller, 0);
    layout->addLayout(graphs, 1);

    // Tab follows the column from top to bottom, then the graphs' own controls, whatever order
    // the controls were made in.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* root) {
        QList<QWidget*> widgets{root};
        widgets += root->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            const bool inner = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr;
            if ((widget->focusPolicy() & Qt::TabFocus) != 0 && !inner) {
                if (previous != nullptr) {
                    setTabOrder(previous, widget);
                }
                previous = widget;
            }
        }
    };
    for (QWidget* control : controls) {
        chain(control);
    }
    for (int index = 0; index < graphs->count(); ++index) {
        if (QWidget* widget = graphs->itemAt(index)->widget()) {
            chain(widget);
        }
    }
    // What a graph saves is told in the status bar like any save.
    for (CurveChartView* chart : findChildren<CurveChartView*>()) {
        connect(chart, &CurveChartView::statusMessage, this, &ToolView::statusMessage);
    }
}

void ToolView::openFilesAt(const QStringList& paths) {
    for (const QString& path : paths) {
        openFileAt(path);
    }
}

void ToolView::opened(const QString& path) {
    emit fileOpened(path);
    emit documentChanged();
}

void ToolView::refuseFile(const QString& path, const Alert& alert) {
    ui_.showAlert(alert);
    emit fileRefused(path, alert);
}

void ToolView::setUnsavedResult(bool unsaved) {
    unsavedResult_ = unsaved;
    emit documentChanged();
}

void ToolView::resultSaved(const QString& message) {
    setUnsavedResult(false);
    emit statusMessage(message);
}

}  // namespace sg
