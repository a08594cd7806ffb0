#include "profiles/profile_save_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QDialogButtonBox>
#include <QTextEdit>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_model.h"
#include "profiles/profile_files.h"
#include "profiles/tab_list_ref.h"
#include "ui/message_box.h"

ProfileSaveDialog::ProfileSaveDialog(QWidget *parent, TabListRef *tabs)
    : ProfileFormDialog(parent)
    , tabListRef(tabs)
{
    nameLabel->setText(tr("Name:"));
    descriptionLabel->setText(tr("Description") + QLatin1Char(':'));
    setWindowTitle(tr("Save Profile"));
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(saveProfile()));
    connect(buttonBox, SIGNAL(rejected()), this, SLOT(close()));
    connect(nameEdit, SIGNAL(textChanged(QString)), this, SLOT(checkProfileNameAndDescription()));
    connect(descriptionEdit, SIGNAL(textChanged()), this, SLOT(checkProfileNameAndDescription()));
    checkProfileNameAndDescription();
}

int ProfileSaveDialog::countProfiles() const
{
    return profiles::profileNames().size();
}

void ProfileSaveDialog::checkProfileNameAndDescription()
{
    updateOkButton();
}

bool ProfileSaveDialog::prepareOpening(int *result)
{
    *result = QDialog::Rejected;
    // The queue went away: there is nothing to save.
    if (!currentOptionSet)
        return false;
    if (countProfiles() >= profiles::maxProfiles) {
        *result = showMessageBox(tr("Save Profile"),
                                 tr("The profile could not be added. A maximum profile count of 25 has been reached."))
                      .result;
        return false;
    }
    nameEdit->clear();
    descriptionEdit->clear();
    reservedNames = queueNames();
    checkProfileNameAndDescription();
    return true;
}

void ProfileSaveDialog::show()
{
    int result;
    if (prepareOpening(&result))
        QDialog::show();
}

int ProfileSaveDialog::exec()
{
    int result;
    if (!prepareOpening(&result))
        return result;
    return QDialog::exec();
}

void ProfileSaveDialog::saveProfile()
{
    const QString name = nameEdit->text();
    if (!currentOptionSet) {
        showMessage(tr("Save Profile"), tr("The profile could not be saved."));
        close();
        return;
    }
    if (name.isEmpty()) {
        showMessage(tr("Save Profile"), tr("You must enter a profile name"));
        return;
    }
    const profiles::FileNameProblem problem = profiles::checkFileName(name);
    if (name == currentOptionSet->printerName() || problem == profiles::FileNameProblem::Reserved) {
        showMessage(tr("Save Profile"), tr("This name is reserved"));
        return;
    }
    if (problem == profiles::FileNameProblem::NotEncodable) {
        showMessage(tr("Save Profile"), tr("This name cannot be used as a file name with the system's language settings"));
        return;
    }
    const QHash<QString, QString> settings = collectTabOptions(*tabListRef);
    if (!writeProfileFile(profileFilePath(name), settings, false, descriptionForFile())) {
        // A directory that cannot be used has its own box on the way.
        if (!settingsDirectoryRefused())
            showMessage(tr("Save Profile"), tr("The profile could not be saved."));
        return;
    }
    accept();
}
