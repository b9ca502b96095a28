#pragma once

#include <functional>
#include <vector>

#include <QCheckBox>
#include <QString>
#include <QStringList>

#include "App/SaveRow.h"
#include "ViewSupport/ScriptedUiServices.h"

namespace sg::testing {

// Saves with a fresh view set up as a row says, into `target`, exporting into `xmlFolder`
// when it is not empty. False when the view showed an alert or asked an unscripted dialog.
using ViewSave = std::function<bool(const QString& target, const QString& xmlFolder)>;

// One row of a tool's CLI-versus-view comparison.
struct ComparisonRow {
    QStringList cliArguments;  // the subcommand and its settings, without --output/--gutenprint
    QString golden;            // the expected .quad file under Tests/Data/golden
    bool gutenprint;           // also export, into a folder named like a paper
    ViewSave saveWithView;
};

// A row whose view save is the user's: a fresh `View` on scripted dialogs, set up by `setUp`;
// the save row's "Also export Gutenprint XML" box on when there is an export folder, the save
// dialog answered with the target and the folder dialog with the export folder, then the view's
// save. It counts when no alert came and every answer was used.
template <typename View>
ComparisonRow viewRow(QStringList cliArguments, QString golden, bool gutenprint,
                      std::function<void(ScriptedUiServices&, View&)> setUp) {
    return {std::move(cliArguments), std::move(golden), gutenprint,
            [setUp](const QString& target, const QString& xmlFolder) {
                ScriptedUiServices ui;
                View view(ui);
                setUp(ui, view);
                view.saveRow()->exportXmlCheck()->setChecked(!xmlFolder.isEmpty());
                ui.answerSave(target);
                if (!xmlFolder.isEmpty()) {
                    ui.answerFolder(xmlFolder);
                }
                view.saveFile();
                return ui.alerts.empty() && ui.scriptFinished();
            }};
}

// For each row, in a folder of its own: the view's save, the CLI's file (--output) and standard
// output, and the golden file agree byte for byte, and so do the Gutenprint files of view and
// CLI. Returns what differed, a line per row, or an empty string.
QString compareCliWithView(const std::vector<ComparisonRow>& rows);

}  // namespace sg::testing
