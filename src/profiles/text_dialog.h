// What the help and legal-notices dialogs share: a read-only text area over
// an OK button, and texts read from the program's resources.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QTextEdit;

// Builds a read-only text area over a button box holding OK in the dialog,
// which gets the fixed size of these dialogs. The caller connects OK.
void layOutTextDialog(QDialog *dialog, QTextEdit **textEdit, QDialogButtonBox **buttonBox);

// A resource's text read as UTF-8; an empty string when it cannot be read.
QString readTextResource(const QString &path);
