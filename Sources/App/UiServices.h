#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "Common/Alert.h"

namespace sg {

// The one way views reach dialogs and alerts, so that every view runs offscreen in tests
// with a scripted implementation. A dialog answer of std::nullopt means the user cancelled.
class UiServices {
public:
    virtual ~UiServices() = default;

    // An open dialog for one existing file of the given types (extensions without dots).
    virtual std::optional<QString> chooseFileToOpen(const QString& title,
                                                    const QStringList& fileTypes) = 0;

    // A save dialog for the given type; the extension is added when the user leaves it off.
    virtual std::optional<QString> chooseFileToSave(const QString& fileType) = 0;

    // A folder dialog that allows creating folders.
    virtual std::optional<QString> chooseFolder() = 0;

    // A warning alert with one "OK" button.
    virtual void showAlert(const Alert& alert) = 0;
};

}  // namespace sg
