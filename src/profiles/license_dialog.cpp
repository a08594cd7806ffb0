#include "profiles/license_dialog.h"

#include <QDialogButtonBox>
#include <QTextEdit>

#include "profiles/text_dialog.h"

LicenseDialog::LicenseDialog(QWidget *parent)
    : QDialog(parent)
{
    layOutTextDialog(this, &textEdit, &buttonBox);
    setWindowTitle(tr("Legal Notices"));
    // Plain text: the notices hold "<" and ">" (mail addresses), which
    // rich text would take for markup.
    textEdit->setPlainText(licenseText());
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(accept()));
}

QString LicenseDialog::licenseText()
{
    return readTextResource(QStringLiteral(":/strings/license"));
}
