#include "App/FeedbackDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
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

FeedbackDialog::FeedbackDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Send Feedback"));

    auto* explanation = new QLabel(
        tr("Please report problems and suggestions to the Silvergrain project's issue tracker, "
           "or to the maintainer of the package you installed it from.\n\n"
           "Describe what you did, what you expected and what happened, and attach the .quad "
           "or measurement file involved if you can. Include this summary:"),
        this);
    explanation->setWordWrap(true);

    summaryView_ = new QPlainTextEdit(systemSummary(), this);
    summaryView_->setReadOnly(true);
    summaryView_->setObjectName(QStringLiteral("feedbackSummary"));
    summaryView_->setMaximumHeight(90);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy Summary"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(summaryView_->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(summaryView_);
    layout->addWidget(buttons);
    resize(480, 260);
}

}  // namespace sg
