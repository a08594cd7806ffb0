#include "profiles/help_dialog.h"

#include <QDialogButtonBox>
#include <QTextEdit>
#include <QVBoxLayout>

HelpDialog::HelpDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Help"));
    setFixedSize(650, 500);
    textEdit = new QTextEdit(this);
    textEdit->setReadOnly(true);
    auto *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(textEdit);
    layout->addWidget(buttonBox);
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(accept()));
    showTopic(QStringLiteral("Printer"));
}

void HelpDialog::showTopic(const QString &tabTitle)
{
    currentTopic = tabTitle;
    textEdit->setPlainText(tabTitle);
}
