#include "ViewSupport/ScriptedUiServices.h"

namespace sg::testing {

namespace {

// The next scripted answer; none, and one more unexpected dialog, when the script has run out.
template <typename Answer>
std::optional<Answer> next(std::deque<Answer>& answers, int& unexpectedDialogs) {
    if (answers.empty()) {
        ++unexpectedDialogs;
        return std::nullopt;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

// A null path is a scripted cancel.
std::optional<QString> chosen(const std::optional<QString>& answer) {
    return answer && !answer->isNull() ? answer : std::nullopt;
}

}  // namespace

std::optional<QString> ScriptedUiServices::chooseFileToOpen(FileKind kind, const QString& title) {
    openRequests.push_back({kind, title, QString()});
    return chosen(next(openAnswers_, unexpectedDialogs));
}

std::optional<QString> ScriptedUiServices::chooseFileToSave(FileKind kind, const QString& title,
                                                            const QString& suggestedPath) {
    saveRequests.push_back({kind, title, suggestedPath});
    const std::optional<QString> path = chosen(next(saveAnswers_, unexpectedDialogs));
    return path ? std::optional<QString>(withSaveSuffix(*path, kind)) : std::nullopt;
}

std::optional<QString> ScriptedUiServices::chooseFolder(FileKind kind, const QString& title) {
    folderRequests.push_back({kind, title, QString()});
    return chosen(next(folderAnswers_, unexpectedDialogs));
}

void ScriptedUiServices::showAlert(const Alert& alert) {
    alerts.push_back(alert);
}

UnsavedResultAnswer ScriptedUiServices::askAboutUnsavedResult(const QString& what) {
    unsavedQuestions.push_back(what);
    return next(unsavedAnswers_, unexpectedDialogs).value_or(UnsavedResultAnswer::cancel);
}

bool ScriptedUiServices::confirm(const Confirmation& question) {
    confirmations.push_back(question);
    return next(confirmAnswers_, unexpectedDialogs).value_or(false);
}

bool ScriptedUiServices::scriptFinished() const {
    return unexpectedDialogs == 0 && openAnswers_.empty() && saveAnswers_.empty() &&
           folderAnswers_.empty() && unsavedAnswers_.empty() && confirmAnswers_.empty();
}

}  // namespace sg::testing
