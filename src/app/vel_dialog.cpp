#include "app/vel_dialog.h"

#include <QColor>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTabBar>
#include <QTimer>

#include <cstdlib>
#include <unistd.h>

#include "app/busy_cursor.h"
#include "app/cups_queries.h"
#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_model.h"
#include "profiles/about_dialog.h"
#include "profiles/help_dialog.h"
#include "profiles/profile_dialog.h"
#include "profiles/profile_save_dialog.h"
#include "profiles/tab_list_ref.h"
#include "tabs/booklet_tab.h"
#include "tabs/finishing_tab.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "tabs/job_tab.h"
#include "tabs/pqx_tab.h"
#include "tabs/publishing_tab.h"
#include "tabs/watermark_tab.h"
#include "ui/message_box.h"
#include "ui/option_widgets.h"
#include "ui/printer_tab.h"
#include "ui/vel_tab_widget.h"

namespace {

// %1: the tabs' width.
const char kTabBarStyle[] =
    "QTabBar::tab {    background-color: #A9A9A9;   color: rgba(0,0,0, 1);   width: %1px;   height: 49px;   "
    "padding: 0px;   border: 0px;   margin: 0px;} QTabBar::icon{   margin-top: 10px;   margin-bottom: 10px;   "
    "margin-left: 7px;   margin-right: 7px;}QTabBar::tab:selected{   background-color: rgba(10,155,205,1);   "
    "color: rgba(255,255,255, 1);}QTabBar::tab:disabled{   width: 0;    height: 0;   margin: 0;   padding: 0;   "
    "border: none;}QTabBar::scroller {   width: 0px;   padding: 0px;   border: 0px;   margin: 0px;}";

const char kTabWidgetStyle[] =
    "QTabWidget::tab-bar {   left: -7px;   border: 0px;   padding: 0px;   margin: 0px;}QTabWidget::pane{   "
    "position: absolute;   left: -7px; ;}";

// The boxes about the per-user directory, when the settings files raise one.
void showSettingsAlarm(SettingsAlarm level, const QString &title, const QString &text)
{
    MessageBoxRequest alarm;
    alarm.icon = level == SettingsAlarm::Critical ? QMessageBox::Critical : QMessageBox::Warning;
    alarm.title = title;
    // Paths are shown as they are, never as markup.
    alarm.textFormat = Qt::PlainText;
    alarm.text = text;
    showMessageBox(alarm);
}

} // namespace

VelDialog::VelDialog(QWidget *parent)
    : QDialog(parent)
{
    setSettingsAlarmHandler(showSettingsAlarm);
    userDir = defaultUserDir();
    if (geteuid() == 0) {
        refuseRoot();
        return;
    }
    // Another user's directory in the shared base: the private fallback.
    userDir = chooseUserDir(userDir);

    setFixedSize(800, 735);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *grid = new QGridLayout(this);
    setLayout(grid);
    QPalette background = palette();
    background.setBrush(QPalette::Window, QBrush(QPixmap(QStringLiteral(":/icons/background"))));
    setPalette(background);

    switchingPrinter = false;
    buildTabs();
    buildButtons();
    layOut();
    setWindowTitle(tr("Ordovan"));
    styleTabBar();
    buttonBox->button(QDialogButtonBox::Ok)->clearFocus();
    constraintPasses = 0;
}

VelDialog::~VelDialog()
{
    delete tabListRef;
}

void VelDialog::refuseRoot()
{
    showMessageBox(tr("Ordovan"), tr("Please do not run %1 as root.").arg(tr("Ordovan")));
    std::exit(0);
}

void VelDialog::buildTabs()
{
    printerTab = new PrinterTab(this);
    generalTab = new GeneralTab(this);
    bookletTab = new BookletTab(this);
    finishingTab = new FinishingTab(this);
    imagingTab = new ImagingTab(this);
    publishingTab = new PublishingTab(this);
    jobTab = new JobTab(this);
    watermarkTab = new WatermarkTab(this);
    pqxTab = new PQXTab(this);
    aboutDialog = new AboutDialog(this);
    helpDialog = new HelpDialog(this);
    tabs << printerTab << generalTab << bookletTab << finishingTab << imagingTab << publishingTab << jobTab
         << watermarkTab << pqxTab;
    tabListRef = new TabListRef;
    tabListRef->tabs = &tabs;
}

void VelDialog::buildButtons()
{
    saveAsButton = new QPushButton(tr("Save As..."), this);
    saveAsButton->setFocusPolicy(Qt::NoFocus);
    saveAsButton->setEnabled(false);
    saveAsButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    profilesButton = new QPushButton(tr("Profiles") + QStringLiteral("..."), this);
    profilesButton->setFocusPolicy(Qt::NoFocus);
    profilesButton->setEnabled(false);

    profileDialog = new ProfileDialog(this, tabListRef);
    profileSaveDialog = new ProfileSaveDialog(this, tabListRef);
    connect(profilesButton, SIGNAL(clicked()), profileDialog, SLOT(fillProfileTable()));
    connect(profilesButton, SIGNAL(clicked()), profileDialog, SLOT(show()));
    connect(saveAsButton, SIGNAL(clicked()), profileSaveDialog, SLOT(show()));

    tabWidget = new VelTabWidget(nullptr);
    tabWidget->setTabPosition(QTabWidget::West);
    tabWidget->setIconSize(QSize(30, 30));
    for (Tab *tab : qAsConst(tabs)) {
        tabWidget->addTab(tab, tab->barIcon(false), tab->getTabName());
        updateTabEnabled(tab);
    }

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    buttonBox->setFocusPolicy(Qt::NoFocus);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(buttonBox, SIGNAL(accepted()), this, SLOT(accept()));
    connect(buttonBox->button(QDialogButtonBox::Apply), SIGNAL(clicked()), this, SLOT(slotButtonApply()));
    connect(buttonBox, SIGNAL(rejected()), this, SLOT(reject()));
    for (QDialogButtonBox::StandardButton which :
         {QDialogButtonBox::Ok, QDialogButtonBox::Apply, QDialogButtonBox::Cancel}) {
        QPushButton *button = buttonBox->button(which);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    helpButton = new QPushButton(QStringLiteral("?"), this);
    helpButton->setFixedWidth(32);
    helpButton->setFocusPolicy(Qt::NoFocus);
    connect(tabWidget, SIGNAL(currentChanged(int)), this, SLOT(tabSelected()));
    connect(helpButton, SIGNAL(clicked()), helpDialog, SLOT(exec()));

    aboutButton = new QPushButton(tr("About"), this);
    aboutButton->setFixedWidth(100);
    aboutButton->setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("ComboBoxEx { padding-left: 4px } "));
    connect(aboutButton, SIGNAL(clicked()), aboutDialog, SLOT(exec()));
}

void VelDialog::layOut()
{
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(tabWidget, 1, 1, 1, 8);
    grid->addWidget(saveAsButton, 2, 6, 1, 2, Qt::AlignRight);
    grid->addWidget(profilesButton, 2, 8, 1, 1);
    grid->addItem(new QSpacerItem(1, 50, QSizePolicy::Expanding, QSizePolicy::Minimum), 4, 1, 1, 3);
    grid->addWidget(aboutButton, 4, 1, 1, 1, Qt::AlignBottom);
    grid->addWidget(helpButton, 4, 2, 1, 1, Qt::AlignBottom | Qt::AlignHCenter);
    grid->addWidget(buttonBox, 4, 4, 1, 6, Qt::AlignBottom | Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetNoConstraint);
}

void VelDialog::styleTabBar()
{
    QTabBar *bar = tabWidget->tabBar();
    bar->setIconSize(QSize(28, 28));
    QPalette tabPalette = tabWidget->palette();
    QColor pane(245, 245, 245);
    pane.setAlpha(229);
    tabPalette.setBrush(QPalette::Window, QBrush(pane));
    tabWidget->setPalette(tabPalette);
    // The tabs are 180 pixels wide, or wider where a title in the user's
    // language and font needs it.
    auto *titledBar = qobject_cast<VelTabBar *>(bar);
    const int tabWidth = titledBar ? titledBar->tabWidthForTitles(180) : 180;
    bar->setStyleSheet(QString::fromLatin1(kTabBarStyle).arg(tabWidth));
    tabWidget->setStyleSheet(QLatin1String(kTabWidgetStyle));
}

void VelDialog::updateTabEnabled(Tab *tab)
{
    const int index = tabWidget->indexOf(tab);
    if (index >= 0)
        tabWidget->setTabEnabled(index, tab->hasOptions());
}

void VelDialog::setAcceptButtonsEnabled(bool enabled)
{
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(enabled);
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(enabled);
}

void VelDialog::setConstraints()
{
    // While the tabs reload, a pass would judge half-loaded tabs; whoever
    // reloads them runs one pass when they are all loaded.
    if (!currentOptionSet || reloadingTabs)
        return;
    // The passes that one change starts run nested in this first one.
    const bool outermost = constraintPasses == 0;

    for (Tab *tab : qAsConst(tabs))
        tab->setConstrained(false);

    bool changed = false;
    for (Tab *tab : qAsConst(tabs))
        changed |= tab->enableOptions();

    for (int i = 0; i < tabs.size(); ++i) {
        Tab *tab = tabs.at(i);
        if (!tab->hasOptions())
            continue;
        tab->prepareConstraintMarks();
        tab->clearConstraintMarks();
        tab->markCustomConstraints();
        // The bar repaints only when the tab's icon really changes.
        const QIcon icon = tab->barIcon(tab->isConstrained());
        if (tabWidget->tabIcon(i).cacheKey() != icon.cacheKey())
            tabWidget->setTabIcon(i, icon);
        tab->markAllOptions();
    }

    bool ok = true;
    for (Tab *tab : qAsConst(tabs)) {
        if (tab->isConstrained())
            ok = false;
    }
    setAcceptButtonsEnabled(ok);
    settingsValid = ok;
    saveAsButton->setEnabled(ok);

    // A pass that moved a control runs another one, at most eleven in all;
    // the queue list is checked once, when the last pass is done.
    if (changed && constraintPasses < 10) {
        ++constraintPasses;
        setConstraints();
    } else {
        constraintPasses = 0;
    }
    if (outermost)
        checkPrintersChanged();
}

QSet<QString> VelDialog::installedPrinters()
{
    return queueNames();
}

bool VelDialog::checkPrintersChanged()
{
    const QSet<QString> current = installedPrinters();
    if (current == printerSet)
        return false;

    bool gone = true;
    if (currentOptionSet) {
        const QString queue = currentOptionSet->printerName();
        gone = !printerSet.contains(queue) || !current.contains(queue);
    }
    printerTab->refreshPrinterList();
    if (gone)
        dropVanishedSelection();
    return true;
}

void VelDialog::dropVanishedSelection()
{
    unselectPrinters();
    showMessageBox(tr("Error"), tr("It looks like your installed printers have changed.\nReloading list now."));
}

void VelDialog::printerChanged(int row, int collumn, int prevRow, int prevColumn)
{
    Q_UNUSED(collumn);
    Q_UNUSED(prevColumn);
    if (row == prevRow)
        return;

    saveAsButton->setEnabled(false);
    profilesButton->setEnabled(false);
    setAcceptButtonsEnabled(false);

    if (!currentOptionSet) {
        printerTab->clearConstraintMarks();
        // No queue is loaded: the previous queue's installed options and the
        // tabs that showed its settings go.
        printerTab->clearInstalledOptions();
        for (Tab *tab : qAsConst(tabs))
            updateTabEnabled(tab);
        setWindowTitle(tr("Ordovan"));
        printerTab->releaseStaleStores();
        const QString unreadable = printerTab->unreadableQueue;
        checkPrintersChanged();
        if (!unreadable.isEmpty()) {
            // Said once the click that chose the queue is done, so that its
            // highlight can go and a second click tries again.
            QTimer::singleShot(0, this, [this, unreadable]() { reportUnreadableQueue(unreadable); });
        }
        return;
    }

    {
        BusyCursor busy(this);
        for (Tab *tab : qAsConst(tabs))
            tab->retranslate();
        setWindowTitle(tr("Ordovan") + QStringLiteral(" - ") + currentOptionSet->printerName());
        for (Tab *tab : qAsConst(tabs))
            updateTabEnabled(tab);

        switchingPrinter = true;
        profileChanged();
        switchingPrinter = false;
    }
    // Every tab now works on the new store.
    printerTab->releaseStaleStores();

    if (currentOptionSet && !settingsFileExists(currentOptionSet->printerName()))
        writeTolpoptions();

    setConstraints();

    // OK, Apply and "Save As..." stay as the constraint pass left them: a
    // conflict that stands after the switch keeps them disabled.
    profilesButton->setEnabled(currentOptionSet != nullptr);
    const bool ok = currentOptionSet && settingsValid;
    setAcceptButtonsEnabled(ok);
    saveAsButton->setEnabled(ok);
}

void VelDialog::profileChanged()
{
    if (!currentOptionSet)
        return;
    currentOptionSet->resetConstraintState();
    const bool wasReloading = reloadingTabs;
    reloadingTabs = true;
    for (int i = 0; i < tabs.size(); ++i) {
        Tab *tab = tabs.at(i);
        const bool enabled = tabWidget->isTabEnabled(i);
        if (tab == printerTab) {
            if (switchingPrinter)
                printerTab->reload();
            else
                printerTab->refreshOptionMarks();
        } else if (enabled) {
            tab->reload();
        } else {
            tab->resetCheckButtons();
        }
    }
    // An option that no tab set while reloading (one without a control, or
    // on a disabled tab) keeps its choice, which blocks again what it
    // blocked before the reset.
    currentOptionSet->markUnsetCurrentChoices();
    reloadingTabs = wasReloading;
}

void VelDialog::unselectPrinters()
{
    currentOptionSet = nullptr;
    printerTab->clearPrinterSelection();
    for (Tab *tab : qAsConst(tabs))
        updateTabEnabled(tab);
    // Nothing can be applied or saved until a queue is chosen again.
    setAcceptButtonsEnabled(false);
    saveAsButton->setEnabled(false);
    profilesButton->setEnabled(false);
    setWindowTitle(tr("Ordovan"));
    printerTab->releaseStaleStores();
}

void VelDialog::reportUnreadableQueue(const QString &queue)
{
    // Another queue may have been chosen meanwhile.
    if (currentOptionSet)
        return;
    printerTab->clearHighlight();
    showMessageBox(tr("Error"), tr("The printer description (PPD) of the queue %1 could not be read.").arg(queue),
                   Qt::PlainText);
}

void VelDialog::tabSelected()
{
    const int index = tabWidget->currentIndex();
    if (index < 0 || index >= tabs.size())
        return;
    helpDialog->showTopic(helpTopicOf(tabs.at(index)));
}

QString VelDialog::helpTopicOf(Tab *tab)
{
    // The help pages are found by the tabs' English titles; the displayed
    // title is translated in every other language.
    static const QHash<QString, QString> englishTitles = {
        {QStringLiteral("PrinterTab"), QStringLiteral("Printer")},
        {QStringLiteral("GeneralTab"), QStringLiteral("Basic")},
        {QStringLiteral("BookletTab"), QStringLiteral("Layout")},
        {QStringLiteral("FinishingTab"), QStringLiteral("Finishing")},
        {QStringLiteral("ImagingTab"), QStringLiteral("Imaging")},
        {QStringLiteral("PublishingTab"), QStringLiteral("Publishing")},
        {QStringLiteral("JobTab"), QStringLiteral("Job")},
        {QStringLiteral("WatermarkTab"), QStringLiteral("Watermark")},
        {QStringLiteral("PQXTab"), QStringLiteral("uLmera")},
    };
    const QString title = englishTitles.value(QString::fromLatin1(tab->metaObject()->className()));
    return title.isEmpty() ? tab->getTabName() : title;
}

void VelDialog::toggleColorMode()
{
    // Either tab may lack its colour group for the current queue.
    auto *group = qobject_cast<VelButtonGroup *>(sender());
    VelButtonGroup *basic = generalTab ? generalTab->colorModeGroup : nullptr;
    VelButtonGroup *imaging = imagingTab ? imagingTab->colorModeGroup : nullptr;
    if (group && group == basic) {
        const int index = basic->checkedIndex();
        if (imaging)
            imaging->setButton(index);
        if (imagingTab)
            imagingTab->clearDialogSettings(index);
    } else if (group && group == imaging) {
        if (basic)
            basic->setButton(imaging->checkedIndex());
    } else if (imagingTab) {
        imagingTab->clearDialogSettings(1);
    }
}

void VelDialog::togglePublishingFronAndBackLabel()
{
    // The tab keeps the rule; a change of either cover source applies it.
    if (publishingTab)
        publishingTab->updateCoverPrintOnto();
}

void VelDialog::snapshotPrinterOptions()
{
    printerTab->snapshotInstalledOptions();
}
