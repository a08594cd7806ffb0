#include "profiles/profile_form_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegExpValidator>
#include <QTextEdit>

#include "profiles/profile_files.h"
#include "ui/message_box.h"

BoundedTextEdit::BoundedTextEdit(int maxLength, QWidget *parent)
    : QTextEdit(parent)
    , maxLength(maxLength)
{
    setAcceptRichText(false);
}

int BoundedTextEdit::room() const
{
    const QTextCursor cursor = textCursor();
    return maxLength - (document()->characterCount() - 1) + (cursor.selectionEnd() - cursor.selectionStart());
}

bool BoundedTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void BoundedTextEdit::insertFromMimeData(const QMimeData *source)
{
    const int left = room();
    if (left > 0)
        insertPlainText(source->text().left(left));
}

void BoundedTextEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool adds = !text.isEmpty() && (text.at(0).isPrint() || text == QLatin1String("\r"));
    if (adds && room() < text.size()) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

ProfileFormDialog::ProfileFormDialog(QWidget *parent)
    : QDialog(parent)
{
    layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    nameLabel = new QLabel(this);
    nameEdit = new QLineEdit(this);
    nameEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral(".{,251}")), nameEdit));
    descriptionLabel = new QLabel(this);
    descriptionEdit = new BoundedTextEdit(profiles::maxDescriptionLength, this);
    descriptionEdit->setMaximumSize(400, 50);
    descriptionEdit->setTabChangesFocus(true);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(nameLabel, 1, 1);
    layout->addWidget(nameEdit, 2, 1);
    layout->addWidget(descriptionLabel, 7, 1);
    layout->addWidget(descriptionEdit, 8, 1);
    layout->addWidget(buttonBox, 10, 1);
    setLayout(layout);
    setMinimumSize(350, 200);
    setWindowModality(Qt::WindowModal);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

bool ProfileFormDialog::isFactoryDefaultName(const QString &name) const
{
    return profiles::isFactoryDefaultName(name);
}

QString ProfileFormDialog::profileFilePath(const QString &name) const
{
    return profiles::profileFilePath(name);
}

QStringList ProfileFormDialog::queueNames() const
{
    return profiles::queueNames();
}

void ProfileFormDialog::updateOkButton()
{
    const bool ok = profiles::checkName(nameEdit->text(), descriptionEdit->toPlainText(), reservedNames)
        == profiles::NameProblem::None;
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(ok);
}

QString ProfileFormDialog::descriptionForFile() const
{
    return profiles::storedDescription(descriptionEdit->toPlainText());
}

void ProfileFormDialog::showMessage(const QString &title, const QString &text)
{
    showMessageBox(title, text);
}
