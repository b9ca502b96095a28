#pragma once

#include <optional>

#include <QDialog>
#include <QString>

#include "Common/Alert.h"

namespace sg {

// A file a tool refused, and why.
struct RefusedFile {
    QString path;
    Alert alert;
};

// Help > Send Feedback...: where to report problems, the last file a tool refused with its
// reason, and a button that copies a report (version, system, file name, reason) to paste into
// the message.
class FeedbackDialog : public QDialog {
    Q_OBJECT

public:
    explicit FeedbackDialog(const std::optional<RefusedFile>& lastRefusal,
                            QWidget* parent = nullptr);

    // Program version, Qt version and operating system, one per line.
    static QString systemSummary();
    // The summary, then the refused file's name and the alert's title and text.
    static QString report(const std::optional<RefusedFile>& lastRefusal);
};

}  // namespace sg
