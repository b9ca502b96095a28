#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

namespace sg {
class SaveRow;
}

namespace sg::testing {

class ScriptedUiServices;

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

// A view's save as the user makes it: the row's "Also export Gutenprint XML" box on when
// `xmlFolder` is not empty, the save dialog answered with `target` and the folder dialog with
// `xmlFolder`, then `save` (the view's save action). True when no alert came and every answer
// was used.
bool saveThroughRow(ScriptedUiServices& ui, SaveRow& row, const QString& target,
                    const QString& xmlFolder, const std::function<void()>& save);

// For each row, in a folder of its own: the view's save, the CLI's file (--output) and standard
// output, and the golden file agree byte for byte, and so do the Gutenprint files of view and
// CLI. Returns what differed, a line per row, or an empty string.
QString compareCliWithView(const std::vector<ComparisonRow>& rows);

}  // namespace sg::testing
