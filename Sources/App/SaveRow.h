#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>

#include <QString>
#include <QWidget>

#include "Common/Outcome.h"

class QCheckBox;
class QPushButton;

namespace sg {

class UiServices;

// What a tool saves: its curve, written by `writeCurve` to the chosen path, and on request the
// same curve as Gutenprint XML, one file per channel, written by `exportGutenprint` into the
// chosen folder.
struct CurveSaveRequest {
    QString dialogTitle;    // "Save the linearized curve"
    QString suggestedPath;  // next to the source: suggestedSavePath(source, "linearized", ...)
    std::function<Outcome(const std::filesystem::path&)> writeCurve;
    std::function<Outcome(const std::filesystem::path&)> exportGutenprint;
    std::size_t channelCount = 0;  // the files an export writes
};

// The end of a tool's column: its save button and the "Also export Gutenprint XML" check box,
// and the flow behind them. The view connects saveClicked() (and File > Save) to a slot that
// makes its request and calls save(); on success saved() carries the status message.
class SaveRow : public QWidget {
    Q_OBJECT

public:
    SaveRow(UiServices& ui, const QString& saveText, QWidget* parent = nullptr);

    // The save dialog (the suggested name, ".quad" enforced), the write, then with the box on
    // the folder dialog and the export. A cancelled save dialog ends it all: nothing is written
    // and nothing exported. Refusals are shown as alerts. True when the curve was written.
    bool save(const CurveSaveRequest& request);
    // Only the Gutenprint files: the folder dialog and the export. True when they were written.
    bool exportGutenprintOnly(const CurveSaveRequest& request);

    void setSaveEnabled(bool enabled);
    QPushButton* saveButton() const { return saveButton_; }
    QCheckBox* exportXmlCheck() const { return exportXmlCheck_; }

    // "Saved Baryta-lin.quad and 8 Gutenprint curves to Baryta 300/": what a save wrote, named
    // as the status bar says it. Either part may be missing (an empty path, no folder).
    static QString savedMessage(const QString& curvePath, const QString& gutenprintFolder,
                                std::size_t gutenprintFiles);

signals:
    void saveClicked();
    void saved(const QString& statusMessage);

private:
    // The folder dialog and the export; the chosen folder, or empty when nothing was written.
    QString exportGutenprint(const CurveSaveRequest& request);

    UiServices& ui_;
    QCheckBox* exportXmlCheck_;  // made first: Tab reaches it before the button
    QPushButton* saveButton_;
};

}  // namespace sg
