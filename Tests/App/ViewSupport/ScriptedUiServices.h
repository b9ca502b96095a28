#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QString>

#include "App/UiServices.h"

namespace sg::testing {

// UiServices for view tests: dialogs and questions answer from a script queued by the test,
// requests and alerts are recorded. A dialog or question with no scripted answer counts as
// unexpected and is cancelled. Save answers get the kind's suffix as the real dialog adds it.
class ScriptedUiServices final : public UiServices {
public:
    struct Request {
        FileKind kind;
        QString title;
        QString suggestion;  // the suggested path of a save dialog
    };

    // Queue the next answer of each kind of dialog or question.
    void answerOpen(const QString& path) { openAnswers_.push_back(path); }
    void answerSave(const QString& path) { saveAnswers_.push_back(path); }
    void answerFolder(const QString& path) { folderAnswers_.push_back(path); }
    void cancelOpen() { openAnswers_.push_back(QString()); }
    void cancelSave() { saveAnswers_.push_back(QString()); }
    void cancelFolder() { folderAnswers_.push_back(QString()); }
    void answerUnsaved(UnsavedResultAnswer answer) { unsavedAnswers_.push_back(answer); }
    void answerConfirm(bool accept) { confirmAnswers_.push_back(accept); }

    std::optional<QString> chooseFileToOpen(FileKind kind, const QString& title) override;
    std::optional<QString> chooseFileToSave(FileKind kind, const QString& title,
                                            const QString& suggestedPath) override;
    std::optional<QString> chooseFolder(FileKind kind, const QString& title) override;
    void showAlert(const Alert& alert) override;
    UnsavedResultAnswer askAboutUnsavedResult(const QString& what) override;
    bool confirm(const Confirmation& question) override;

    std::vector<Alert> alerts;
    std::vector<Request> openRequests;
    std::vector<Request> saveRequests;
    std::vector<Request> folderRequests;
    std::vector<QString> unsavedQuestions;
    std::vector<Confirmation> confirmations;
    int unexpectedDialogs = 0;

    // True when every queued answer was used and nothing came unasked.
    bool scriptFinished() const;

private:
    std::deque<QString> openAnswers_;
    std::deque<QString> saveAnswers_;
    std::deque<QString> folderAnswers_;
    std::deque<UnsavedResultAnswer> unsavedAnswers_;
    std::deque<bool> confirmAnswers_;
};

}  // namespace sg::testing
