#include "profiles/profile_edit_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "profiles/profile_files.h"
#include "ui/message_box.h"

ProfileEditDialog::ProfileEditDialog(QWidget *parent)
    : ProfileFormDialog(parent)
{
    nameLabel->setText(tr("Name:"));
    descriptionLabel->setText(tr("Description:"));
    setWindowTitle(tr("Edit Profile"));
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(editProfile()));
    connect(buttonBox, SIGNAL(rejected()), this, SLOT(close()));
    connect(nameEdit, SIGNAL(textChanged(QString)), this, SLOT(checkProfileName()));
    connect(descriptionEdit, SIGNAL(textChanged()), this, SLOT(checkProfileName()));
    checkProfileName();
}

void ProfileEditDialog::setProfile(const QString &name, const QString &description)
{
    oldName = name;
    nameEdit->setText(name);
    descriptionEdit->setPlainText(profiles::shownDescription(description));
}

void ProfileEditDialog::checkProfileName()
{
    updateOkButton();
}

void ProfileEditDialog::show()
{
    reservedNames = queueNames();
    checkProfileName();
    QDialog::show();
}

int ProfileEditDialog::exec()
{
    reservedNames = queueNames();
    checkProfileName();
    return QDialog::exec();
}

bool ProfileEditDialog::rewrittenProfile(QByteArray *data) const
{
    QList<QByteArray> lines;
    if (!readFileLines(profileFilePath(oldName), &lines))
        return false;
    const QByteArray key("ProfileDescription=");
    const QByteArray description = key + descriptionForFile().toUtf8();
    // Every other line is kept byte for byte.
    int modelLine = -1;
    bool replaced = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(key)) {
            lines[i] = description;
            replaced = true;
        } else if (modelLine < 0 && profiles::isModelLine(QString::fromUtf8(lines.at(i)))) {
            modelLine = i;
        }
    }
    if (!replaced) {
        if (modelLine < 0)
            modelLine = lines.indexOf(QByteArray("[Profile]"));
        lines.insert(modelLine + 1, description);
    }
    data->clear();
    for (const QByteArray &line : qAsConst(lines))
        *data += line + '\n';
    return true;
}

void ProfileEditDialog::editProfile()
{
    const QString newName = nameEdit->text();
    if (profiles::checkName(newName, descriptionEdit->toPlainText(), reservedNames) != profiles::NameProblem::None)
        return;
    const profiles::FileNameProblem problem = profiles::checkFileName(newName);
    if (problem == profiles::FileNameProblem::Reserved) {
        showMessage(tr("Error"), tr("This name is reserved"));
        return;
    }
    if (problem == profiles::FileNameProblem::NotEncodable) {
        showMessage(tr("Error"), tr("This name cannot be used as a file name with the system's language settings"));
        return;
    }
    const QString oldPath = profileFilePath(oldName);
    const QString newPath = profileFilePath(newName);
    // Another profile of the new name is replaced only when the user says so.
    if (newPath != oldPath && QFileInfo::exists(newPath)) {
        MessageBoxRequest question;
        question.title = tr("Edit Profile");
        question.icon = QMessageBox::Question;
        question.textFormat = Qt::PlainText;
        question.text = tr("A profile named %1 already exists. Replace it?").arg(newName);
        question.acceptButton = tr("Replace");
        if (!showMessageBox(question).accepted)
            return;
    }
    // The profile under its new name is complete before the old file goes.
    QByteArray data;
    if (!rewrittenProfile(&data) || !replaceFileData(newPath, data)) {
        // A directory that cannot be used has its own box on the way.
        if (!settingsDirectoryRefused())
            showMessage(tr("Error"), tr("The profile could not be changed."));
        return;
    }
    if (newPath != oldPath) {
        if (settingsSource == oldPath)
            settingsSource = newPath;
        if (!QFile::remove(oldPath)) {
            showMessage(tr("Error"), tr("The profile could not be changed."));
            return;
        }
    }
    accept();
}
