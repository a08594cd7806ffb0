// What the settings tabs rely on from the main dialog: reloading without
// constraint passes, and the colour groups of tabs that may lack them.
#include <QtTest>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>

#include "app/resources_init.h"
#include "dialog_test_util.h"
#include "profiles/profile_dialog.h"
#include "support/cups_test_util.h"
#include "tabs/adjustment_dialog.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

// A tab that logs its reloads and the dialog's passes. Loading switches its
// section off (the section's combo stays empty) and refills a list of its
// own that speaks to the dialog, as a tab's own lists do.
class ReloadTab : public Tab
{
    Q_OBJECT
public:
    explicit ReloadTab(QWidget *dialog)
        : Tab(dialog)
    {
        buildWidgets();
        connectSignals();
        connect(ownList, SIGNAL(currentIndexChanged(int)), dialog, SLOT(setConstraints()));
    }
    void setTabName() override { tabName = QStringLiteral("Reload"); }
    bool hasOptions() override { return currentOptionSet != nullptr; }
    void buildWidgets() override
    {
        tabName = QStringLiteral("Reload");
        section = new VelCheckBoxButton(this, QString(), QIcon());
        auto *emptyCombo = new ComboBoxEx;
        emptyCombo->setParent(this);
        ownList = new ComboBoxEx;
        ownList->setParent(this);
        section->addDependent(emptyCombo, QStringLiteral("Off"));
        controls.insert(QStringLiteral("NoSuchOption"), emptyCombo);
        sectionButtons << section;
    }
    void reload() override
    {
        section->setChecked(true);
        Tab::reload();
        log << QStringLiteral("reload");
    }
    void postReloadHook() override { ownList->addItem(QStringLiteral("one more")); }
    void prepareConstraintMarks() override { log << QStringLiteral("pass"); }
    VelCheckBoxButton *section = nullptr;
    ComboBoxEx *ownList = nullptr;
    QStringList log;
};

class TestTabContract : public QObject
{
    Q_OBJECT

private:
    ModalWatchdog watchdog; // a box no test expects fails the test at once
    QTemporaryDir userBase;
    QString queue;

    // The dialog's constructor sets the real per-user directory.
    void pointUserDirAtTemp() { userDir = userBase.path() + QStringLiteral("/"); }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(userBase.isValid());
        QVERIFY(cupstest::usingPrivateServer());
        queue = cupstest::uniqueQueueName(QStringLiteral("ZContract"));
        QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
    }

    void cleanupTestCase() { cupstest::removeQueue(queue); }

    void init() { resetProgramState(); }

    // Choosing a queue and loading a profile reload every tab with no pass
    // in between, then run exactly one. The tab the queue enables takes its
    // room in the bar, and every tab's icon keeps to the icon area left of
    // the title, whatever the tab's state.
    void reloadAndTabBar()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        auto *tab = new ReloadTab(&d);
        d.tabs.append(tab);
        const int index = d.tabWidget->addTab(tab, tab->tabIcon(), tab->getTabName());
        d.updateTabEnabled(tab);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTabBar *bar = d.tabWidget->tabBar();
        QVERIFY(bar->tabRect(index).isEmpty());
        QVERIFY(selectQueue(d, queue));
        QCOMPARE(tab->log, QStringList({"reload", "pass"}));
        QVERIFY(!tab->section->isChecked() && !tab->section->isEnabled());
        tab->log.clear();
        d.profileDialog->fillProfileTable();
        emit d.profileDialog->buttonBox->accepted();
        QCOMPARE(tab->log, QStringList({"reload", "pass"}));

        QApplication::processEvents();
        QVERIFY(!bar->tabRect(index).isEmpty());
        QVERIFY(bar->tabRect(index).bottom() <= bar->rect().bottom());
        auto iconStaysInItsArea = [&](int i) {
            const QImage image = bar->grab().toImage();
            const QRect rect = bar->tabRect(i);
            const QSize size = bar->iconSize();
            QRect drawn; // the icons are drawn in white
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x < rect.left() + size.width() + 17; ++x)
                    if (qGray(image.pixel(x, y)) > 200)
                        drawn |= QRect(x, y, 1, 1);
            const QRect area(QPoint(rect.left() + 7, rect.top() + (rect.height() - size.height()) / 2), size);
            return !drawn.isEmpty() && area.contains(drawn);
        };
        QCOMPARE(d.tabWidget->currentIndex(), 0);
        QVERIFY(iconStaysInItsArea(0));     // selected
        QVERIFY(iconStaysInItsArea(index)); // normal
        d.tabWidget->setTabIcon(index, tab->tabConstraintIcon());
        QVERIFY(iconStaysInItsArea(index));
    }

    // The colour groups are kept in step only where both tabs have one; the
    // colour adjustment is reset all the same.
    void colourModeWithoutTheOtherGroup()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, queue));
        adjustmentDialog *colour = d.imagingTab->colorAdjustmentDialog;
        auto adjust = [colour] { colour->savedValues = {qMakePair(QStringLiteral("CaHr"), 2.5)}; };
        auto wasReset = [colour] { return colour->savedValues.value(1) == qMakePair(QStringLiteral("CaHr"), 0.0); };
        VelButtonGroup *basic = d.generalTab->colorModeGroup; // the tab connects it itself
        d.imagingTab->colorModeGroup = nullptr;
        adjust();
        emit basic->buttonClicked(1); // the queue has no colour model: the group is fixed
        QVERIFY(wasReset());
        d.generalTab->colorModeGroup = nullptr;
        adjust();
        QMetaObject::invokeMethod(&d, "toggleColorMode");
        QVERIFY(wasReset());
    }
};

QTEST_MAIN(TestTabContract)
#include "test_tab_contract.moc"
