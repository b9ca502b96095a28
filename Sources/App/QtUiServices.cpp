#include "App/QtUiServices.h"

#include <QFileDialog>
#include <QMessageBox>

namespace sg {
namespace {

QString nameFilter(const QStringList& fileTypes) {
    QStringList patterns;
    for (const QString& type : fileTypes) {
        patterns << QStringLiteral("*.") + type;
    }
    return QStringLiteral("%1 (%2)").arg(fileTypes.join(QStringLiteral(", ")),
                                         patterns.join(QLatin1Char(' ')));
}

std::optional<QString> firstSelection(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtUiServices::chooseFileToOpen(const QString& title,
                                                      const QStringList& fileTypes) {
    QFileDialog dialog(parent_, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(nameFilter(fileTypes));
    return firstSelection(dialog);
}

std::optional<QString> QtUiServices::chooseFileToSave(const QString& fileType) {
    QFileDialog dialog(parent_);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(nameFilter({fileType}));
    dialog.setDefaultSuffix(fileType);
    return firstSelection(dialog);
}

std::optional<QString> QtUiServices::chooseFolder() {
    QFileDialog dialog(parent_);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return firstSelection(dialog);
}

void QtUiServices::showAlert(const Alert& alert) {
    QMessageBox box(QMessageBox::Warning, QString(), QString::fromStdString(alert.title),
                    QMessageBox::Ok, parent_);
    box.setInformativeText(QString::fromStdString(alert.text));
    box.exec();
}

}  // namespace sg
