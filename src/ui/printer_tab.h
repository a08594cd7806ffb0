// The Printer tab: the list of the maker's CUPS queues, the choice of the
// current queue (which builds the current option store from its PPD) and the
// queue's installable options with the warning that changing them needs root.
#pragma once

#include <QHash>
#include <QString>

#include <cups/ppd.h>

#include "ui/tab.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QTableWidget;
class VelDialog;

class PrinterTab : public Tab
{
    Q_OBJECT
public:
    explicit PrinterTab(VelDialog *dialog);

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

    QTableWidget *printerTable = nullptr;
    QLabel *installedOptionsLabel = nullptr;
    QLabel *rootWarningLabel = nullptr;
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
    void fillColumn(int column, QString (*valueOf)(const QString &queue));
    void fillStatusColumn();
    void connectInstalledControl(QWidget *control, const char *signal);
    void buildInstalledOptions();
    void removeInstalledOptionWidgets();
};
