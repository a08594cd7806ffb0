// The Printer tab: the list of the maker's CUPS queues, the choice of the
// current queue (which builds the current option store from its PPD) and the
// queue's installable options with the warning that changing them needs root.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <cups/ppd.h>

#include "ui/tab.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QTableWidget;
class VelDialog;
class vOptionSet;

class PrinterTab : public Tab
{
    Q_OBJECT
public:
    explicit PrinterTab(VelDialog *dialog);
    ~PrinterTab() override;

    void setTabName() override;
    void buildWidgets() override;
    void connectComboBox(ComboBoxEx *combo) override;
    void connectCheckBox(QCheckBox *check_box) override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
    void reload() override;
    void retranslate() override;
    // Re-marks the installed options after a profile was loaded, without
    // rebuilding the controls or touching the baseline.
    virtual void refreshOptionMarks();

    void buildPrinterTable();
    // Lists the queues again; the selection follows the selected queue's name.
    void refreshPrinterList();
    // True while an installed option differs from its value at the last
    // snapshot.
    bool installedOptionsChanged() const { return installedChanged; }
    void clearPrinterSelection();
    // Removes the installed-option controls of the last queue: the area is
    // empty, its heading disabled and the root warning hidden.
    void clearInstalledOptions();
    void snapshotInstalledOptions();
    void enableInstalledOptionsLabel();

    // The value of an installed-option control as the snapshot sees it:
    // "True"/"False" for a check box, the shown text for a combo box, a null
    // string for anything else.
    static QString installedControlValue(QWidget *control);

    // Whether a PPD marks its queue as one of the maker's: the manufacturer,
    // a maker filter and a device ID naming Wexa.
    static bool isMakerPpd(ppd_file_t *ppd);

    // The queue whose PPD could not be fetched or opened at the last choice;
    // empty after any other choice.
    QString unreadableQueue;
    // Removes the highlight and the current cell of the table, so that a
    // click on the row that was current chooses it again.
    void clearHighlight();
    // Frees, once control is back in the event loop, every option store this
    // tab made that is no longer the current one. The dialog calls it when
    // every tab has let go of the replaced store.
    void releaseStaleStores();

    QTableWidget *printerTable = nullptr;
    QLabel *installedOptionsLabel = nullptr;
    QLabel *rootWarningLabel = nullptr;
    // Shown while the last listing found no CUPS scheduler answering.
    QLabel *unreachableLabel = nullptr;
    bool schedulerReached = true;
    QGridLayout *optionsGrid = nullptr;
    int nextOptionRow = 0;
    QHash<QString, QString> installedBaseline;
    bool installedChanged = false;

public slots:
    void changePrinter(int row, int collumn, int prev_row, int prev_collumn);
    void checkForChanges(int value);

private:
    void listPrinters();
    void fillTable();
    void fillDestinationColumn();
    void fillStatusColumn();
    void retranslateStatusColumn();
    void showSchedulerState();
    void connectInstalledControl(QWidget *control, const char *signal);
    void buildInstalledOptions();
    void removeInstalledOptionWidgets();

    // Device URI of every destination of the last listing.
    QHash<QString, QString> deviceUris;
    // The option stores this tab made and has not freed yet.
    QList<vOptionSet *> ownStores;
};
