#pragma once

#include "App/AppSettings.h"
#include "App/UiServices.h"

class QWidget;

namespace sg {

// UiServices through QFileDialog and QMessageBox, parented to the main window. Every chosen
// file or folder becomes the last folder of its kind in AppSettings.
class QtUiServices final : public UiServices {
public:
    explicit QtUiServices(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> chooseFileToOpen(FileKind kind, const QString& title) override;
    std::optional<QString> chooseFileToSave(FileKind kind, const QString& title,
                                            const QString& suggestedPath) override;
    std::optional<QString> chooseFolder(FileKind kind, const QString& title) override;
    void showAlert(const Alert& alert) override;
    UnsavedResultAnswer askAboutUnsavedResult(const QString& what) override;
    bool confirm(const Confirmation& question) override;

private:
    // The folder last used for the kind, else for curves, else the home folder.
    QString startFolder(FileKind kind) const;
    void remember(FileKind kind, const QString& chosen, bool isFolder);

    QWidget* parent_;
    AppSettings settings_;
};

}  // namespace sg
