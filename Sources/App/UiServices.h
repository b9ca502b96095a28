#pragma once

#include <optional>

#include <QString>

#include "App/FilePaths.h"
#include "Common/Alert.h"

namespace sg {

// A question with a cancelling and an accepting answer, the latter named by `acceptLabel`
// ("Save Anyway").
struct Confirmation {
    QString title;
    QString text;
    QString acceptLabel;
};

// The answers to "this result is not saved yet".
enum class UnsavedResultAnswer { save, discard, cancel };

// The one way views reach dialogs and alerts, so that every view runs offscreen in tests with a
// scripted implementation (Tests/App/ViewSupport/ScriptedUiServices). A dialog answer of
// std::nullopt means the user cancelled. Titles say what the dialog chooses ("Choose the
// measurements of the printed wedge").
class UiServices {
public:
    virtual ~UiServices() = default;

    // An open dialog for one existing file of the kind, filtered by the kind's suffixes with
    // "All files (*)" besides. It starts in the folder last used for the kind and cannot
    // create folders.
    virtual std::optional<QString> chooseFileToOpen(FileKind kind, const QString& title) = 0;

    // A save dialog for the kind offering `suggestedPath`: a full path puts the dialog in that
    // folder (a result next to its source), a bare name in the folder last used for the kind.
    // The answer always ends in the kind's suffix (see withSaveSuffix); replacing a file is
    // asked first.
    virtual std::optional<QString> chooseFileToSave(FileKind kind, const QString& title,
                                                    const QString& suggestedPath) = 0;

    // A folder dialog that can create folders, starting in the folder last chosen for the kind.
    virtual std::optional<QString> chooseFolder(FileKind kind, const QString& title) = 0;

    // A warning with one "OK" button: the alert's title as its message, its text below.
    virtual void showAlert(const Alert& alert) = 0;

    // Save / Discard / Cancel before a result is lost; `what` names the result ("the
    // Linearization result for example-curve.quad").
    virtual UnsavedResultAnswer askAboutUnsavedResult(const QString& what) = 0;

    // True when the user takes the accepting answer.
    virtual bool confirm(const Confirmation& question) = 0;
};

}  // namespace sg
