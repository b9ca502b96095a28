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

std::optional<QString> ScriptedUiServices::chooseFileToOpen(const QString& title,
                                                            const QStringList& fileTypes) {
    openRequests.push_back({title, fileTypes});
    return next(openAnswers_);
}

std::optional<QString> ScriptedUiServices::chooseFileToSave(const QString& fileType) {
    saveRequests.push_back(fileType);
    return next(saveAnswers_);
}

std::optional<QString> ScriptedUiServices::chooseFolder() {
    ++folderRequests;
    return next(folderAnswers_);
}

void ScriptedUiServices::showAlert(const Alert& alert) {
    alerts.push_back(alert);
}

bool ScriptedUiServices::scriptFinished() const {
    return unexpectedDialogs == 0 && openAnswers_.empty() && saveAnswers_.empty() &&
           folderAnswers_.empty();
}

}  // namespace sg::testing
