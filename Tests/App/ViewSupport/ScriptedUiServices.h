#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "App/UiServices.h"

namespace sg::testing {

// UiServices for view tests: dialogs answer from a script queued by the test, alerts are
// recorded. A dialog with no scripted answer counts as unexpected and is cancelled.
class ScriptedUiServices final : public UiServices {
public:
    struct OpenRequest {
        QString title;
        QStringList fileTypes;
    };

    // Queue the next answer of each kind of dialog.
    void answerOpen(const QString& path) { openAnswers_.push_back(path); }
    void answerSave(const QString& path) { saveAnswers_.push_back(path); }
    void answerFolder(const QString& path) { folderAnswers_.push_back(path); }
    void cancelOpen() { openAnswers_.push_back(QString()); }
    void cancelSave() { saveAnswers_.push_back(QString()); }
    void cancelFolder() { folderAnswers_.push_back(QString()); }

    std::optional<QString> chooseFileToOpen(const QString& title,
                                            const QStringList& fileTypes) override;
    std::optional<QString> chooseFileToSave(const QString& fileType) override;
    std::optional<QString> chooseFolder() override;
    void showAlert(const Alert& alert) override;

    std::vector<Alert> alerts;
    std::vector<OpenRequest> openRequests;
    std::vector<QString> saveRequests;  // the file type of each save dialog
    int folderRequests = 0;
    int unexpectedDialogs = 0;

    // True when every queued answer was used and no dialog came unasked.
    bool scriptFinished() const;

private:
    std::optional<QString> next(std::deque<QString>& answers);

    std::deque<QString> openAnswers_;
    std::deque<QString> saveAnswers_;
    std::deque<QString> folderAnswers_;
};

}  // namespace sg::testing
