// Applying the settings: Apply, OK, Cancel and the first write of a queue.
#include "app/vel_dialog.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include "app/app_settings_sync.h"
#include "app/busy_cursor.h"
#include "app/apply_commands.h"
#include "app/password_prompt.h"
#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "profiles/tab_list_ref.h"
#include "ui/message_box.h"
#include "ui/printer_tab.h"
#include "ui/vel_tab_widget.h"

namespace {

void showApplyError(const QString &text)
{
    // File paths and queue names are shown as they are, never as markup.
    showMessageBox(VelDialog::tr("Error"), text, Qt::PlainText);
}

} // namespace

bool VelDialog::writeTolpoptions()
{
    if (!currentOptionSet)
        return false;
    const QString queue = currentOptionSet->printerName();
    // The queue is gone or lpoptions failed: say so, show the Printer tab and
    // let the list catch up with CUPS.
    auto printerFailed = [this]() {
        showApplyError(tr("Error: Printer does not exist or lpoptions failed."));
        tabWidget->setCurrentIndex(0);
        checkPrintersChanged();
        return false;
    };
    if (!installedPrinters().contains(queue))
        return printerFailed();

    const QHash<QString, QString> options = collectTabOptions(*tabListRef);
    // A settings file that cannot be written is reported; the queue's
    // defaults and the other applications are still brought in line.
    const bool saved = writeSettingsFile(userDir + queue + QLatin1String(".cfg"), options, true);
    if (!saved && settingsFileHeldByProfile())
        showApplyError(tr("Error: The settings file could not be written: a profile named %1 stands in its place. "
                          "Give the profile another name to keep this queue's settings.")
                           .arg(queue));
    else if (!saved && !settingsDirectoryRefused())
        showApplyError(tr("Error: The settings file could not be written."));

    // The queue's description as CUPS has it now; without it nothing can be
    // passed to lpoptions.
    const QByteArray queueName = queue.toUtf8();
    const char *ppdPath = cupsGetPPD(queueName.constData());
    ppd_file_t *ppd = ppdPath ? ppdOpenFile(ppdPath) : nullptr;
    bool applied = false;
    bool synced = false;
    {
        BusyCursor busy(this);
        if (ppd) {
            applied = runLpoptions(lpoptionsArguments(ppd, queue, options));
            ppdClose(ppd);
        }
        if (ppdPath)
            unlink(ppdPath);
        if (applied)
            synced = syncOtherApplications(options.value(kw::PageSize));
    }
    if (!applied)
        return printerFailed();
    return saved && synced;
}

void VelDialog::slotButtonApply()
{
    applyOk = true;
    printerTab->refreshPrinterList();
    if (currentOptionSet && !printerSet.contains(currentOptionSet->printerName())) {
        // The selected queue is gone: Apply fails as for any queue CUPS no
        // longer has, then the selection is dropped as the queue check does.
        writeTolpoptions();
        if (currentOptionSet)
            dropVanishedSelection();
        return;
    }
    if (!currentOptionSet) {
        showMessageBox(QString(), tr("Select a printer."));
        return;
    }
    if (printerTab->installedOptionsChanged()) {
        applyInstalledOptionsAsRoot();
        return;
    }
    // Success is confirmed only when the settings really were applied.
    if (writeTolpoptions())
        showSettingsApplied();
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
    if (!settingsSource.isEmpty() && currentOptionSet)
        resyncSettingsFile(settingsSource);
    QDialog::reject();
}

void VelDialog::applyInstalledOptionsAsRoot()
{
    runPasswordPrompt(installedOptionsArgs(printerTab->collectOptions()));
}

void VelDialog::runPasswordPrompt(const QString &args)
{
    PasswordPrompt prompt(this, args);
    prompt.setWindowTitle(tr("Password Prompt"));
    prompt.exec();
}

void VelDialog::showSettingsApplied()
{
    MessageBoxRequest applied;
    applied.title = tr("Success");
    applied.text = tr("Settings applied.");
    applied.minimumSize = QSize(100, 100);
    showMessageBox(applied);
}

bool VelDialog::syncOtherApplications(const QString &pageSize)
{
    PrintSettingsSync sync;
    sync.findSyncTargets();
    sync.syncPrintSettings(pageSize);
    if (sync.failures().isEmpty())
        return true;
    showApplyError(tr("The print settings of other applications could not all be updated:") + QLatin1Char('\n')
                   + sync.failures().join(QLatin1Char('\n')));
    return false;
}
