#include "profiles/license_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

LicenseDialog::LicenseDialog(QWidget *parent)
    : QDialog(parent)
{
    textEdit = new QTextEdit(this);
    textEdit->setReadOnly(true);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(textEdit);
    layout->addWidget(buttonBox);
    setWindowTitle(tr("Legal Notices"));
    setFixedSize(650, 500);
    // Plain text: the notices hold "<" and ">" (mail addresses), which
    // rich text would take for markup.
    textEdit->setPlainText(licenseText());
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(accept()));
}

QString LicenseDialog::licenseText()
{
    QFile file(QStringLiteral(":/strings/license"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    return stream.readAll();
}
