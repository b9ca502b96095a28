#include "App/CurveEditorViewController.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>
#include <QVBoxLayout>

#include "App/CurveEditorUndoStep.h"
#include "App/CurveEditorView.h"
#include "App/CurveFileBox.h"
#include "App/InkCurveChart.h"
#include "App/SaveRow.h"
#include "App/UiServices.h"

namespace sg {
namespace {

// The size the editor starts with, until the widget is laid out.
constexpr double startWidth = 500.0;
constexpr double startHeight = 340.0;

// Whether a change is worth an undo step: choosing another point alone is not.
bool changesTheEdit(const CurveEditorState& before, const CurveEditorState& after) {
    return before.editPoints != after.editPoints || before.channel != after.channel ||
           before.acceptedChannels != after.acceptedChannels;
}

}  // namespace

CurveEditorViewController::CurveEditorViewController(UiServices& ui, QWidget* parent)
    : ToolView(ui, parent),
      editor_(startWidth, startHeight),
      curveBox_(new CurveFileBox(tr("Curve"), tr("Load .quad..."), this)),
      channelBox_(new QComboBox(this)),
      acceptButton_(new QPushButton(tr("Accept Edit"), this)),
      resetButton_(new QPushButton(tr("Reset Points"), this)),
      saveRow_(new SaveRow(ui, tr("Save Edited Curve..."), this)),
      editorView_(new CurveEditorView(editor_, this)),
      inkChart_(new InkCurveChart(ui, tr("Load .quad file to show ink graphs."), this)),
      undoStack_(new QUndoStack(this)),
      undoAction_(undoStack_->createUndoAction(this, tr("&Undo"))),
      redoAction_(undoStack_->createRedoAction(this, tr("&Redo"))) {
    curveBox_->loadButton()->setToolTip(tr("The .quad curve to edit (Ctrl+O)"));
    channelBox_->setObjectName(QStringLiteral("channelBox"));
    channelBox_->setToolTip(
        tr("The ink channel to reshape; its curve as loaded is drawn in gray behind the edit"));
    acceptButton_->setObjectName(QStringLiteral("acceptButton"));
    acceptButton_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    acceptButton_->setToolTip(
        tr("Turns the edited curve into the channel's 256 ink values, in whole numbers; Save "
           "writes every accepted channel (Ctrl+Return)"));
    resetButton_->setObjectName(QStringLiteral("resetButton"));
    resetButton_->setToolTip(
        tr("Puts the points back as the channel was loaded; accepted channels stay accepted"));
    editorView_->setObjectName(QStringLiteral("curveEditorView"));
    inkChart_->setObjectName(QStringLiteral("inkChart"));
    // Beside the plot, which keeps the height it needs under the editing area.
    inkChart_->chart()->legend()->setAlignment(Qt::AlignRight);
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    addAction(undoAction_);
    addAction(redoAction_);

    auto* editBox = new QGroupBox(tr("Edit"), this);
    auto* editLayout = new QGridLayout(editBox);
    auto* channelLabel = new QLabel(tr("&Channel:"), editBox);
    channelLabel->setBuddy(channelBox_);
    editLayout->addWidget(channelLabel, 0, 0);
    editLayout->addWidget(channelBox_, 0, 1, 1, 2);
    editLayout->addWidget(acceptButton_, 1, 1);
    editLayout->addWidget(resetButton_, 1, 2);
    editLayout->setColumnStretch(1, 1);
    editLayout->setColumnStretch(2, 1);

    auto* hint = new QLabel(
        tr("Drag a point to move it, out of the frame to remove it; right-click adds one. Tab "
           "chooses a point, the arrows move it (Shift: 10 steps), Delete removes it, Esc "
           "leaves."),
        this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #555555;"));
    auto* graphs = new QVBoxLayout;
    graphs->addWidget(editorView_, 3);
    graphs->addWidget(hint);
    graphs->addWidget(inkChart_, 2);
    arrange({curveBox_, editBox, saveRow_}, graphs);

    connect(curveBox_, &CurveFileBox::loadClicked, this, &CurveEditorViewController::loadCurve);
    connect(curveBox_, &CurveFileBox::showFlagsChanged, this,
            [this] { inkChart_->setShowFlags(curveBox_->showFlags()); });
    connect(channelBox_, &QComboBox::activated, this, &CurveEditorViewController::chooseChannel);
    connect(acceptButton_, &QPushButton::clicked, this, &CurveEditorViewController::acceptEdit);
    connect(resetButton_, &QPushButton::clicked, this, &CurveEditorViewController::resetPoints);
    connect(saveRow_, &SaveRow::saveClicked, this, &CurveEditorViewController::saveEditedCurve);
    connect(saveRow_, &SaveRow::saved, this, &CurveEditorViewController::resultSaved);
    connect(editorView_, &CurveEditorView::changeStarting, this,
            &CurveEditorViewController::changeStarting);
    connect(editorView_, &CurveEditorView::changeFinished, this,
            &CurveEditorViewController::changeFinished);

    redraw();
}

QString CurveEditorViewController::toolTitle() const {
    return QStringLiteral("Curve Editor");
}

QStringList CurveEditorViewController::documentNames() const {
    if (!editor_.curveFile()) {
        return {};
    }
    return {QString::fromStdString(editor_.curveFile()->fileName())};
}

bool CurveEditorViewController::takesFile(const QString& path) const {
    return isFileOfKind(path, FileKind::curve);
}

void CurveEditorViewController::loadCurve() {
    const std::optional<QString> path =
        ui().chooseFileToOpen(FileKind::curve, tr("Choose the curve to edit"));
    if (path) {
        openFileAt(*path);
    }
}

void CurveEditorViewController::openFileAt(const QString& path) {
    if (const Outcome loaded = editor_.loadQuadFile(toFilesystemPath(path)); loaded.isRefused()) {
        refuseFile(path, *loaded.alert());
        return;
    }
    undoStack_->clear();
    savedChannels_.clear();
    const QuadFile& file = *editor_.curveFile();
    curveBox_->showFile(path, file.labels(), file.curve());
    graphStyles_.clear();
    const QSignalBlocker blocker(channelBox_);
    channelBox_->clear();
    for (std::size_t channel = 0; channel < file.labels().size(); ++channel) {
        const QString label = QString::fromStdString(file.labels()[channel]);
        channelBox_->addItem(label);
        // The ink colour table by position; light inks broken as in every ink graph.
        graphStyles_.push_back(
            {label, inkColorForPosition(channel), channelSeriesStyle(channel).penStyle});
    }
    redraw();
    opened(path);
}

void CurveEditorViewController::chooseChannel(int channel) {
    if (channel >= 0) {
        change(tr("Choose Channel"),
               [this, channel] { editor_.selectChannel(static_cast<std::size_t>(channel)); });
    }
}

void CurveEditorViewController::acceptEdit() {
    change(tr("Accept Edit"), [this] { editor_.acceptEdit(); });
}

void CurveEditorViewController::resetPoints() {
    change(tr("Reset Points"), [this] { editor_.reset(); });
}

void CurveEditorViewController::saveEditedCurve() {
    if (!editor_.canSave()) {
        return;
    }
    const bool saved = saveRow_->save(
        {tr("Save the edited curve"),
         suggestedSavePath(curveBox_->filePath(), QStringLiteral("edited"), FileKind::curve),
         [this](const std::filesystem::path& path) { return editor_.save(path); },
         [this](const std::filesystem::path& folder) {
             return editor_.exportGutenprintXml(folder);
         },
         editor_.curveFile()->channelCount()});
    if (saved) {
        savedChannels_ = editor_.state().acceptedChannels;
    }
}

void CurveEditorViewController::changeStarting() {
    changeStart_ = editor_.state();
}

void CurveEditorViewController::changeFinished(const QString& what) {
    if (!changesTheEdit(changeStart_, editor_.state())) {
        redraw();
        return;
    }
    // Pushing redoes the step, which shows the state it is already in.
    undoStack_->push(
        new CurveEditorUndoStep(what, changeStart_, editor_.state(),
                                [this](const CurveEditorState& state) { showState(state); }));
}

void CurveEditorViewController::change(const QString& what, const std::function<void()>& action) {
    changeStarting();
    action();
    changeFinished(what);
}

void CurveEditorViewController::showState(const CurveEditorState& state) {
    editor_.restore(state);
    redraw();
}

void CurveEditorViewController::redraw() {
    const std::optional<QuadFile>& file = editor_.curveFile();
    channelBox_->setEnabled(file.has_value());
    acceptButton_->setEnabled(file.has_value());
    if (file) {
        const QSignalBlocker blocker(channelBox_);
        channelBox_->setCurrentIndex(static_cast<int>(editor_.channel()));
        editorView_->setLineColor(readableOnWhite(inkColorForPosition(editor_.channel())));
        inkChart_->setCaption(tr("Output curve"));
        inkChart_->setCurve(editor_.outputCurve(), graphStyles_);
    } else {
        editorView_->setLineColor(Qt::black);
        inkChart_->setCaption(QString());
        inkChart_->clearCurve();
    }
    editorView_->update();

    saveRow_->setSaveEnabled(editor_.canSave());
    saveRow_->saveButton()->setToolTip(
        editor_.canSave() ? tr("Saves the output curve as a .quad file for QuadToneRIP (Ctrl+S)")
                          : QString::fromStdString(editor_.saveUnavailableReason()));
    setUnsavedResult(file.has_value() && editor_.state().acceptedChannels != savedChannels_);
}

}  // namespace sg
