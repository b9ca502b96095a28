#include "App/QtUiServices.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace sg {
namespace {

std::optional<QString> firstSelection(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtUiServices::startFolder(FileKind kind) const {
    for (const FileKind candidate : {kind, FileKind::curve}) {
        const QString folder = settings_.lastFolder(candidate);
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return QDir::homePath();
}

void QtUiServices::remember(FileKind kind, const QString& chosen, bool isFolder) {
    settings_.rememberFolder(kind, isFolder ? chosen : QFileInfo(chosen).absolutePath());
}

std::optional<QString> QtUiServices::chooseFileToOpen(FileKind kind, const QString& title) {
    QFileDialog dialog(parent_, title, startFolder(kind));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Read-only: no new folders from an open dialog.
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setNameFilters(fileDialogFilters(kind));
    const std::optional<QString> path = firstSelection(dialog);
    if (path) {
        remember(kind, *path, false);
    }
    return path;
}

std::optional<QString> QtUiServices::chooseFileToSave(FileKind kind, const QString& title,
                                                      const QString& suggestedPath) {
    QFileDialog dialog(parent_, title);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(fileDialogFilters(kind));
    dialog.setDefaultSuffix(fileSuffixes(kind).value(0));
    const QFileInfo suggestion(suggestedPath);
    dialog.setDirectory(suggestion.isAbsolute() ? suggestion.absolutePath() : startFolder(kind));
    dialog.selectFile(suggestion.fileName());
    while (const std::optional<QString> chosen = firstSelection(dialog)) {
        const QString path = withSaveSuffix(*chosen, kind);
        // The dialog asked about replacing the name as typed; a name with the suffix added is
        // asked about here.
        if (path != *chosen && QFileInfo::exists(path) &&
            QMessageBox::question(parent_, title,
                                  QObject::tr("%1 already exists. Do you want to replace it?")
                                      .arg(QFileInfo(path).fileName())) != QMessageBox::Yes) {
            dialog.selectFile(QFileInfo(path).fileName());
            continue;
        }
        remember(kind, path, false);
        return path;
    }
    return std::nullopt;
}

std::optional<QString> QtUiServices::chooseFolder(FileKind kind, const QString& title) {
    QFileDialog dialog(parent_, title, startFolder(kind));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const std::optional<QString> folder = firstSelection(dialog);
    if (folder) {
        remember(kind, *folder, true);
    }
    return folder;
}

void QtUiServices::showAlert(const Alert& alert) {
    QMessageBox box(QMessageBox::Warning, QString(), QString::fromStdString(alert.title),
                    QMessageBox::Ok, parent_);
    box.setInformativeText(QString::fromStdString(alert.text));
    box.exec();
}

UnsavedResultAnswer QtUiServices::askAboutUnsavedResult(const QString& what) {
    QMessageBox box(QMessageBox::Warning, QString(),
                    QObject::tr("Do you want to save %1?").arg(what),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setInformativeText(QObject::tr("If you don't save it, the result is lost."));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedResultAnswer::save;
        case QMessageBox::Discard:
            return UnsavedResultAnswer::discard;
        default:
            return UnsavedResultAnswer::cancel;
    }
}

bool QtUiServices::confirm(const Confirmation& question) {
    QMessageBox box(QMessageBox::Warning, QString(), question.title, QMessageBox::Cancel, parent_);
    box.setInformativeText(question.text);
    QPushButton* accept = box.addButton(question.acceptLabel, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == accept;
}

}  // namespace sg
