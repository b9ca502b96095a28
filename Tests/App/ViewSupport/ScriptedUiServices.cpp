#include "ViewSupport/ScriptedUiServices.h"

namespace sg::testing {

std::optional<QString> ScriptedUiServices::next(std::deque<QString>& answers) {
    if (answers.empty()) {
        ++unexpectedDialogs;
        return std::nullopt;
    }
    const QString answer = answers.front();
    answers.pop_front();
    if (answer.isNull()) {
        return std::nullopt;  // a scripted cancel
    }
    return answer;
}

std::optional<QString> ScriptedUiServices::chooseFileToOpen(FileKind kind, const QString& title) {
    openRequests.push_back({kind, title, QString()});
    return next(openAnswers_);
}

std::optional<QString> ScriptedUiServices::chooseFileToSave(FileKind kind, const QString& title,
                                                            const QString& suggestedPath) {
    saveRequests.push_back({kind, title, suggestedPath});
    const std::optional<QString> path = next(saveAnswers_);
    return path ? std::optional<QString>(withSaveSuffix(*path, kind)) : std::nullopt;
}

std::optional<QString> ScriptedUiServices::chooseFolder(FileKind kind, const QString& title) {
    folderRequests.push_back({kind, title, QString()});
    return next(folderAnswers_);
}

void ScriptedUiServices::showAlert(const Alert& alert) {
    alerts.push_back(alert);
}

UnsavedResultAnswer ScriptedUiServices::askAboutUnsavedResult(const QString& what) {
    unsavedQuestions.push_back(what);
    if (unsavedAnswers_.empty()) {
        ++unexpectedDialogs;
        return UnsavedResultAnswer::cancel;
    }
    const UnsavedResultAnswer answer = unsavedAnswers_.front();
    unsavedAnswers_.pop_front();
    return answer;
}

bool ScriptedUiServices::confirm(const Confirmation& question) {
    confirmations.push_back(question);
    if (confirmAnswers_.empty()) {
        ++unexpectedDialogs;
        return false;
    }
    const bool answer = confirmAnswers_.front();
    confirmAnswers_.pop_front();
    return answer;
}

bool ScriptedUiServices::scriptFinished() const {
    return unexpectedDialogs == 0 && openAnswers_.empty() && saveAnswers_.empty() &&
           folderAnswers_.empty() && unsavedAnswers_.empty() && confirmAnswers_.empty();
}

}  // namespace sg::testing
