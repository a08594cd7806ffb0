#include "profiles/profile_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/program_state.h"
#include "app/vel_dialog.h"

ProfileDialog::ProfileDialog(VelDialog *dialog, TabListRef *tabs)
    : QDialog(dialog)
    , dialog(dialog)
    , tabs(tabs)
{
    setWindowTitle(tr("Profiles"));
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    saveButton = new QPushButton(tr("Save"), this);
    buttonBox->addButton(saveButton, QDialogButtonBox::ActionRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buttonBox);
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(loadProfile()));
    connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(profileChanged()));
    connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(setConstraints()));
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(close()));
    connect(buttonBox, SIGNAL(rejected()), this, SLOT(reject()));
}

void ProfileDialog::fillProfileTable()
{
}

void ProfileDialog::show()
{
    saveButton->setEnabled(settingsValid);
    QDialog::show();
}

void ProfileDialog::loadProfile()
{
    // The first row, "Factory Default": the directory alone reads as nothing,
    // so every tab shows the printer description's defaults.
    settingsSource = userDir;
}
