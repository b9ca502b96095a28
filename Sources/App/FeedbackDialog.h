#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace sg {

// Help > Send Feedback...: where to report problems, and a summary of this installation to
// paste into the report.
class FeedbackDialog : public QDialog {
    Q_OBJECT

public:
    explicit FeedbackDialog(QWidget* parent = nullptr);

    // Program version, Qt version and operating system, one per line.
    static QString systemSummary();

private:
    QPlainTextEdit* summaryView_;
};

}  // namespace sg
