#include "App/SaveRow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>

#include "App/FilePaths.h"
#include "App/UiServices.h"

namespace sg {

SaveRow::SaveRow(UiServices& ui, const QString& saveText, QWidget* parent)
    : QWidget(parent),
      ui_(ui),
      exportXmlCheck_(new QCheckBox(tr("Also export Gutenprint XML"), this)),
      saveButton_(new QPushButton(saveText, this)) {
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    saveButton_->setDefault(true);
    exportXmlCheck_->setObjectName(QStringLiteral("exportXmlCheck"));
    exportXmlCheck_->setToolTip(
        tr("After saving the .quad file, asks for a folder and writes one Gutenprint XML curve "
           "per ink channel there; the folder's name is written into the files as the paper "
           "name"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(exportXmlCheck_);
    layout->addStretch(1);
    layout->addWidget(saveButton_);
    connect(saveButton_, &QPushButton::clicked, this, &SaveRow::saveClicked);
}

void SaveRow::setSaveEnabled(bool enabled) {
    saveButton_->setEnabled(enabled);
}

bool SaveRow::save(const CurveSaveRequest& request) {
    const std::optional<QString> path =
        ui_.chooseFileToSave(FileKind::curve, request.dialogTitle, request.suggestedPath);
    if (!path) {
        return false;
    }
    if (const Outcome written = request.writeCurve(toFilesystemPath(*path)); written.isRefused()) {
        ui_.showAlert(*written.alert());
        return false;
    }
    const QString folder = exportXmlCheck_->isChecked() ? exportGutenprint(request) : QString();
    emit saved(savedMessage(*path, folder, request.channelCount));
    return true;
}

bool SaveRow::exportGutenprintOnly(const CurveSaveRequest& request) {
    const QString folder = exportGutenprint(request);
    if (folder.isEmpty()) {
        return false;
    }
    emit saved(savedMessage(QString(), folder, request.channelCount));
    return true;
}

QString SaveRow::exportGutenprint(const CurveSaveRequest& request) {
    const std::optional<QString> folder = ui_.chooseFolder(
        FileKind::gutenprintFolder, tr("Choose the folder for the Gutenprint curves"));
    if (!folder) {
        return {};
    }
    if (const Outcome exported = request.exportGutenprint(toFilesystemPath(*folder));
        exported.isRefused()) {
        ui_.showAlert(*exported.alert());
        return {};
    }
    return *folder;
}

QString SaveRow::savedMessage(const QString& curvePath, const QString& gutenprintFolder,
                              std::size_t gutenprintFiles) {
    const QString curves = gutenprintFiles == 1 ? tr("1 Gutenprint curve")
                                                : tr("%1 Gutenprint curves").arg(gutenprintFiles);
    if (curvePath.isEmpty()) {
        return tr("Saved %1 to %2").arg(curves, folderDisplayName(gutenprintFolder));
    }
    const QFileInfo curve(curvePath);
    if (gutenprintFolder.isEmpty()) {
        return tr("Saved %1 to %2").arg(curve.fileName(), folderDisplayName(curve.path()));
    }
    if (QFileInfo(gutenprintFolder).absoluteFilePath() == curve.absolutePath()) {
        return tr("Saved %1 and %2 to %3")
            .arg(curve.fileName(), curves, folderDisplayName(gutenprintFolder));
    }
    return tr("Saved %1 to %2 and %3 to %4")
        .arg(curve.fileName(), folderDisplayName(curve.path()), curves,
             folderDisplayName(gutenprintFolder));
}

}  // namespace sg
