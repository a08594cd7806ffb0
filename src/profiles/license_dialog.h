// The legal notices of the components the program is built on, opened from
// the About box.
#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QTextEdit;

class LicenseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LicenseDialog(QWidget *parent);

    // The compiled-in notices, or an empty string when they cannot be read.
    static QString licenseText();

    QTextEdit *textEdit = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
};
