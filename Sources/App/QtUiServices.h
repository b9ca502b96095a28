#pragma once

#include "App/UiServices.h"

class QWidget;

namespace sg {

// UiServices through QFileDialog and QMessageBox, parented to the main window.
class QtUiServices final : public UiServices {
public:
    explicit QtUiServices(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> chooseFileToOpen(const QString& title,
                                            const QStringList& fileTypes) override;
    std::optional<QString> chooseFileToSave(const QString& fileType) override;
    std::optional<QString> chooseFolder() override;
    void showAlert(const Alert& alert) override;

private:
    QWidget* parent_;
};

}  // namespace sg
