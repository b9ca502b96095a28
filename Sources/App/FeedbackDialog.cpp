#include "App/FeedbackDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>
#include <QtGlobal>

#include "Common/Version.h"

namespace sg {

QString FeedbackDialog::systemSummary() {
    return QStringLiteral("Silvergrain %1\nQt %2 (built with %3)\n%4 (%5 %6, %7)")
        .arg(QString::fromUtf8(silvergrainVersion.data(), silvergrainVersion.size()),
             QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
             QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture());
}

QString FeedbackDialog::report(const std::optional<RefusedFile>& lastRefusal) {
    QString text = systemSummary();
    if (lastRefusal) {
        text += QStringLiteral("\n\nRefused file: %1\n%2\n%3")
                    .arg(QFileInfo(lastRefusal->path).fileName(),
                         QString::fromStdString(lastRefusal->alert.title),
                         QString::fromStdString(lastRefusal->alert.text));
    }
    return text;
}

FeedbackDialog::FeedbackDialog(const std::optional<RefusedFile>& lastRefusal, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Send Feedback"));

    auto* explanation = new QLabel(
        tr("Please report problems and suggestions to the Silvergrain project's issue tracker, "
           "or to the maintainer of the package you installed it from. Describe what you did, "
           "what you expected and what happened, and attach the .quad or measurement file "
           "involved if you can."),
        this);
    explanation->setWordWrap(true);

    auto* refusal = new QLabel(this);
    refusal->setObjectName(QStringLiteral("lastRefusal"));
    refusal->setWordWrap(true);
    refusal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (lastRefusal) {
        refusal->setText(tr("<b>Last file refused:</b> %1<br>%2<br>%3")
                             .arg(QFileInfo(lastRefusal->path).fileName().toHtmlEscaped(),
                                  QString::fromStdString(lastRefusal->alert.title).toHtmlEscaped(),
                                  QString::fromStdString(lastRefusal->alert.text)
                                      .toHtmlEscaped()
                                      .replace('\n', QStringLiteral("<br>"))));
    } else {
        refusal->setText(tr("No file has been refused since Silvergrain started."));
    }

    auto* reportView = new QPlainTextEdit(report(lastRefusal), this);
    reportView->setReadOnly(true);
    reportView->setObjectName(QStringLiteral("feedbackReport"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy Report"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyReportButton"));
    copy->setToolTip(tr("Copies the report to the clipboard, to paste into your message"));
    connect(copy, &QPushButton::clicked, this,
            [text = reportView->toPlainText()] { QApplication::clipboard()->setText(text); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(refusal);
    layout->addWidget(new QLabel(tr("Report:"), this));
    layout->addWidget(reportView, 1);
    layout->addWidget(buttons);
    resize(560, 420);
}

}  // namespace sg
