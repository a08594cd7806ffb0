#include "profiles/text_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

void layOutTextDialog(QDialog *dialog, QTextEdit **textEdit, QDialogButtonBox **buttonBox)
{
    *textEdit = new QTextEdit(dialog);
    (*textEdit)->setReadOnly(true);
    *buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(*textEdit);
    layout->addWidget(*buttonBox);
    dialog->setFixedSize(650, 500);
}

QString readTextResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    return stream.readAll();
}
