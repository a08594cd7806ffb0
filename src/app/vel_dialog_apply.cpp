// Applying the settings: Apply, OK, Cancel and the first write of a queue.
#include "app/vel_dialog.h"

#include <QMessageBox>

#include "app/program_state.h"
#include "ui/printer_tab.h"

void VelDialog::writeTolpoptions()
{
}

void VelDialog::slotButtonApply()
{
    applyOk = true;
    printerTab->refreshPrinterList();
}

void VelDialog::accept()
{
    slotButtonApply();
    if (applyOk) {
        QDialog::accept();
        close();
    }
}

void VelDialog::reject()
{
    QDialog::reject();
}

void VelDialog::applyInstalledOptionsAsRoot()
{
}

void VelDialog::runPasswordPrompt(const QString &args)
{
    Q_UNUSED(args);
}

void VelDialog::showSettingsApplied()
{
    QMessageBox box;
    box.setWindowTitle(tr("Success"));
    box.setText(tr("Settings applied."));
    box.setMinimumWidth(100);
    box.setMinimumHeight(100);
    box.exec();
}

void VelDialog::syncOtherApplications(const QString &pageSize)
{
    Q_UNUSED(pageSize);
}
