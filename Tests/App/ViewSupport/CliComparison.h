#pragma once

#include <functional>

#include <QString>
#include <QStringList>

namespace sg {
class SaveRow;
}

namespace sg::testing {

class ScriptedUiServices;

// One row of a tool's CLI-versus-view comparison.
struct ComparisonRow {
    QStringList cliArguments;  // the subcommand and its settings, without --output/--gutenprint
    QString golden;            // the expected .quad file under Tests/Data/golden
    bool gutenprint = false;   // also export, into a folder named like a paper
};

// Saves with a fresh view set up as the row says, into `target`, exporting into `xmlFolder`
// when it is not empty. False when the view showed an alert or asked an unscripted dialog.
using ViewSave = std::function<bool(const QString& target, const QString& xmlFolder)>;

// A view's save as the user makes it: the row's "Also export Gutenprint XML" box on when
// `xmlFolder` is not empty, the save dialog answered with `target` and the folder dialog with
// `xmlFolder`, then `save` (the view's save action). True when no alert came and every answer
// was used.
bool saveThroughRow(ScriptedUiServices& ui, SaveRow& row, const QString& target,
                    const QString& xmlFolder, const std::function<void()>& save);

// The view's save, the CLI's file (--output) and standard output, and the golden file agree byte
// for byte, and so do the Gutenprint files of view and CLI. Returns what differed, or an empty
// string. `workFolder` is an empty temporary folder.
QString compareCliWithView(const ComparisonRow& row, const ViewSave& saveWithView,
                           const QString& workFolder);

}  // namespace sg::testing
