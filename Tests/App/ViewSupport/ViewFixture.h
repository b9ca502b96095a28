#pragma once

#include <memory>

#include "ViewSupport/ScriptedUiServices.h"
#include "ViewSupport/TestFiles.h"

namespace sg::testing {

// What every tool view test starts from: scripted dialogs, a fresh view on them and an empty
// temporary folder. A test class derives from QObject, then from this, and calls setUp() from
// init() and scriptFinished() from cleanup().
template <typename View>
class ViewFixture {
protected:
    bool setUp() {
        view_.reset();
        ui_ = std::make_unique<ScriptedUiServices>();
        view_ = std::make_unique<View>(*ui_);
        ui = ui_.get();
        view = view_.get();
        return folder.reset();
    }
    // True when every scripted answer was used and no dialog came unasked.
    bool scriptFinished() const { return ui->scriptFinished(); }

    ScriptedUiServices* ui = nullptr;
    View* view = nullptr;
    TestFolder folder;

private:
    std::unique_ptr<ScriptedUiServices> ui_;
    std::unique_ptr<View> view_;
};

}  // namespace sg::testing
