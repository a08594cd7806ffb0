// The main dialog: the nine settings tabs, the OK / Cancel / Apply buttons,
// "Save As...", the profiles, help and About buttons, and the constraint loop
// that every control change runs.
#pragma once

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>

class AboutDialog;
class BookletTab;
class FinishingTab;
class GeneralTab;
class HelpDialog;
class ImagingTab;
class JobTab;
class PQXTab;
class PrinterTab;
class ProfileDialog;
class ProfileSaveDialog;
class PublishingTab;
class QDialogButtonBox;
class QPushButton;
class Tab;
class VelTabWidget;
class WatermarkTab;
struct TabListRef;

class VelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VelDialog(QWidget *parent);
    ~VelDialog() override;

    // The tab's page is enabled exactly while the tab reports options.
    void updateTabEnabled(Tab *tab);
    // The names of every CUPS destination (instances collapse into their
    // queue's name).
    QSet<QString> installedPrinters();
    // Compares the destinations with those of the last listing; on a change
    // the Printer tab lists again, and when the selected queue is gone the
    // selection is dropped with a message. True when the set changed.
    bool checkPrintersChanged();

    // Applying (OK, Apply, the root path) and the first write of a queue.
    void applyInstalledOptionsAsRoot();
    void runPasswordPrompt(const QString &args);
    void showSettingsApplied();
    // False, after its box, when a file could not be updated.
    bool syncOtherApplications(const QString &pageSize);
    // The Printer tab's current installed options become its baseline.
    void snapshotPrinterOptions();
    // The tab's untranslated title, by which its help page is found.
    static QString helpTopicOf(Tab *tab);

    // The last Apply may close the dialog.
    bool applyOk = false;
    // Re-run counter of setConstraints().
    int constraintPasses = 0;
    QPushButton *saveAsButton = nullptr;
    QPushButton *profilesButton = nullptr;
    ProfileDialog *profileDialog = nullptr;
    ProfileSaveDialog *profileSaveDialog = nullptr;
    VelTabWidget *tabWidget = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *aboutButton = nullptr;
    AboutDialog *aboutDialog = nullptr;
    HelpDialog *helpDialog = nullptr;
    // The nine tabs in display order.
    QList<Tab *> tabs;
    PrinterTab *printerTab = nullptr;
    GeneralTab *generalTab = nullptr;
    BookletTab *bookletTab = nullptr;
    FinishingTab *finishingTab = nullptr;
    ImagingTab *imagingTab = nullptr;
    PublishingTab *publishingTab = nullptr;
    JobTab *jobTab = nullptr;
    WatermarkTab *watermarkTab = nullptr;
    PQXTab *pqxTab = nullptr;
    TabListRef *tabListRef = nullptr;
    // True only while printerChanged() runs profileChanged().
    bool switchingPrinter = false;
    // True while profileChanged() reloads the tabs: no constraint pass runs.
    bool reloadingTabs = false;

public slots:
    bool writeTolpoptions();
    void setConstraints();
    void toggleColorMode();
    void togglePublishingFronAndBackLabel();
    void accept() override;
    void unselectPrinters();
    void slotButtonApply();
    void printerChanged(int row, int collumn, int, int);
    void profileChanged();
    void reject() override;
    void tabSelected();

private:
    void refuseRoot();
    void buildTabs();
    void buildButtons();
    void layOut();
    void styleTabBar();
    void setAcceptButtonsEnabled(bool enabled);
    // Drops the selection of a queue that CUPS no longer has and says that
    // the list is read again.
    void dropVanishedSelection();
    // The "Error" box for a queue whose printer description could not be
    // fetched or opened; the row loses its highlight first.
    void reportUnreadableQueue(const QString &queue);
};
