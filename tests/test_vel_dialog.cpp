// The main dialog against the private CUPS server: start-up state, choosing
// a queue, the constraint loop, vanished and added queues, translations.
#include <QtTest>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "profiles/help_dialog.h"
#include "profiles/profile_dialog.h"
#include "support/cups_test_util.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "tabs/pqx_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

// A settings tab whose own check finds a conflict while "Option17" stands
// at "Three", the way the settings tabs mark what the option rules cannot
// express.
class ConflictTab : public Tab
{
public:
    explicit ConflictTab(QWidget *dialog)
        : Tab(dialog)
    {
        marker = new QLabel(QStringLiteral("Paper Trays:"), this);
        labels.insert(QStringLiteral("Option17"), marker);
        buildWidgets();
    }
    void setTabName() override { tabName = QStringLiteral("Conflict"); }
    void buildWidgets() override { tabName = QStringLiteral("Conflict"); }
    bool hasOptions() override { return currentOptionSet != nullptr; }
    void prepareConstraintMarks() override
    {
        vOption *trays = currentOptionSet ? currentOptionSet->findOption(QStringLiteral("Option17")) : nullptr;
        if (trays && trays->currentChoice() && trays->currentChoice()->keyword() == QLatin1String("Three"))
            addConstraintMark(marker, marker);
        else
            removeConstraintMark(marker);
    }
    QLabel *marker = nullptr;
};

// A tab whose rules move a control on every pass, as a chain of rules that
// never settles would.
class RestlessTab : public Tab
{
public:
    explicit RestlessTab(QWidget *dialog)
        : Tab(dialog)
    {
        buildWidgets();
    }
    void setTabName() override { tabName = QStringLiteral("Restless"); }
    void buildWidgets() override { tabName = QStringLiteral("Restless"); }
    bool hasOptions() override { return true; }
    bool enableOptions() override
    {
        ++passes;
        return true;
    }
    int passes = 0;
};

bool sameIcon(const QIcon &a, const QIcon &b)
{
    return a.pixmap(30, 30).toImage() == b.pixmap(30, 30).toImage();
}

} // namespace

class TestVelDialog : public QObject
{
    Q_OBJECT

private:
    dialogtest::ModalWatchdog watchdog; // a box no test expects fails the test at once
    QString makerQueue;   // Velmora, maker filter, MFG:Wexa
    QString conflictQueue;
    QTemporaryDir userBase;

    QPushButton *ok(VelDialog &d) { return d.buttonBox->button(QDialogButtonBox::Ok); }
    QPushButton *apply(VelDialog &d) { return d.buttonBox->button(QDialogButtonBox::Apply); }

    void pointUserDirAtTemp()
    {
        userDir = userBase.path() + QStringLiteral("/user/");
        QDir().mkpath(userDir);
    }

    ConflictTab *addConflictTab(VelDialog &d)
    {
        auto *tab = new ConflictTab(&d);
        d.tabs.append(tab);
        d.tabWidget->addTab(tab, tab->tabIcon(), tab->getTabName());
        d.updateTabEnabled(tab);
        return tab;
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        QVERIFY(userBase.isValid());
        // "Z" sorts the queue after any queue added later by the tests.
        makerQueue = cupstest::uniqueQueueName(QStringLiteral("ZDialogMaker"));
        conflictQueue = cupstest::uniqueQueueName(QStringLiteral("ZDialogConflict"));
        QVERIFY(cupstest::addQueue(makerQueue, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
        QVERIFY(cupstest::addQueue(conflictQueue, QStringLiteral(ORDOVAN_TEST_DATA "/printer-conflict.ppd")));
    }

    void cleanupTestCase()
    {
        cupstest::removeQueue(makerQueue);
        cupstest::removeQueue(conflictQueue);
    }

    void init() { resetProgramState(); }

    void startState()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QCOMPARE(d.windowTitle(), QStringLiteral("Ordovan"));
        QVERIFY(!ok(d)->isEnabled());
        QVERIFY(!apply(d)->isEnabled());
        QVERIFY(d.buttonBox->button(QDialogButtonBox::Cancel)->isEnabled());
        QVERIFY(!d.saveAsButton->isEnabled());
        QVERIFY(!d.profilesButton->isEnabled());
        QCOMPARE(d.profilesButton->text(), QStringLiteral("Profiles..."));
        QCOMPARE(d.tabWidget->count(), 9);
        const QStringList titles = {"Printer", "Basic", "Layout", "Finishing", "Imaging",
                                    "Publishing", "Job", "Watermark", "uLmera"};
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(d.tabWidget->tabText(i), titles.at(i));
            QCOMPARE(d.tabWidget->isTabEnabled(i), i == 0);
            QCOMPARE(d.tabWidget->widget(i), static_cast<QWidget *>(d.tabs.at(i)));
        }
        QVERIFY(!d.tabWidget->tabIcon(0).isNull());
        QVERIFY(sameIcon(d.tabWidget->tabIcon(0), QIcon(QStringLiteral(":/icons/tab-printer"))));
        QVERIFY(currentOptionSet == nullptr);
        QVERIFY(settingsSource.isEmpty());
        QVERIFY(printerSet.contains(makerQueue));
        QCOMPARE(d.size(), QSize(800, 735));
    }

    // Without a store the loop does nothing at all, not even the queue check.
    void constraintLoopWithoutStore()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        const QString extra = cupstest::uniqueQueueName(QStringLiteral("ZDialogIdle"));
        QVERIFY(cupstest::addQueue(extra, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
        BoxCloser closer;
        d.setConstraints();
        QVERIFY(!printerSet.contains(extra));
        QCOMPARE(rowOf(d, extra), -1);
        QVERIFY(!ok(d)->isEnabled());
        QVERIFY(closer.titles.isEmpty());
        cupstest::removeQueue(extra);
    }

    void selectingQueueLoadsStore()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        QVERIFY(currentOptionSet != nullptr);
        QCOMPARE(currentOptionSet->printerName(), makerQueue);
        QVERIFY(currentOptionSet->findOption(QStringLiteral("Option17")) != nullptr);
        QCOMPARE(settingsSource, userDir + makerQueue + QStringLiteral(".cfg"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Ordovan - ") + makerQueue);
        QVERIFY(ok(d)->isEnabled());
        QVERIFY(apply(d)->isEnabled());
        QVERIFY(d.saveAsButton->isEnabled());
        QVERIFY(d.profilesButton->isEnabled());
        QVERIFY(settingsValid);
        QVERIFY(d.tabWidget->isTabEnabled(0));
        // The Basic tab is enabled with any queue.
        QVERIFY(d.tabWidget->isTabEnabled(1));

        // The installed options are shown: check boxes for True/False
        // options, a label and a combo for the others.
        auto *duplexUnit = findByAccessibleName<QCheckBox>(&d, QStringLiteral("chkBxOption8"));
        auto *trays = findByAccessibleName<QComboBox>(&d, QStringLiteral("cmbBxOption17"));
        auto *traysLabel = findByAccessibleName<QLabel>(&d, QStringLiteral("lblOption17"));
        QVERIFY(duplexUnit && trays && traysLabel);
        QCOMPARE(duplexUnit->text(), QStringLiteral("Duplex Unit"));
        QVERIFY(!duplexUnit->isChecked());
        QCOMPARE(trays->currentText(), QStringLiteral("One Tray"));
        QCOMPARE(traysLabel->text(), QStringLiteral("Paper Trays:"));
        QVERIFY(d.printerTab->installedOptionsLabel->isEnabled());

        // Another cell of the same row changes nothing.
        vOptionSet *store = currentOptionSet;
        d.printerTab->printerTable->setCurrentCell(rowOf(d, makerQueue), 2);
        QCOMPARE(currentOptionSet, store);
    }

    // A rule of the PPD moves a control off a blocked choice in the loop.
    void ppdRuleEnforcedByLoop()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        auto *duplexUnit = findByAccessibleName<QCheckBox>(&d, QStringLiteral("chkBxOption8"));
        auto *trays = findByAccessibleName<QComboBox>(&d, QStringLiteral("cmbBxOption17"));
        QVERIFY(duplexUnit && trays);
        QVERIFY(duplexUnit->isEnabled());

        trays->setCurrentIndex(trays->findText(QStringLiteral("Two Trays")));
        QCOMPARE(currentOptionSet->findOption(QStringLiteral("Option17"))->currentChoice()->keyword(),
                 QStringLiteral("Two"));
        QVERIFY(duplexUnit->isChecked());
        QVERIFY(!duplexUnit->isEnabled());
        QCOMPARE(currentOptionSet->findOption(QStringLiteral("Option8"))->currentChoice()->keyword(),
                 QStringLiteral("True"));
        QCOMPARE(d.constraintPasses, 0);

        trays->setCurrentIndex(trays->findText(QStringLiteral("One Tray")));
        QVERIFY(duplexUnit->isEnabled());
        QVERIFY(ok(d)->isEnabled());
    }

    // A conflict a tab marks disables OK, Apply and "Save As..." and shows
    // the tab's constraint icon; undoing the choice enables them again.
    void conflictMarkBlocksAccept()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        ConflictTab *tab = addConflictTab(d);
        QVERIFY(selectQueue(d, makerQueue));
        const int index = d.tabs.indexOf(tab);
        QVERIFY(d.tabWidget->isTabEnabled(index));
        QVERIFY(ok(d)->isEnabled());
        const qint64 plainIcon = d.tabWidget->tabIcon(index).cacheKey();

        auto *trays = findByAccessibleName<QComboBox>(&d, QStringLiteral("cmbBxOption17"));
        QVERIFY(trays);
        trays->setCurrentIndex(trays->findText(QStringLiteral("Three Trays")));
        QVERIFY(tab->isConstrained());
        QVERIFY(!ok(d)->isEnabled());
        QVERIFY(!apply(d)->isEnabled());
        QVERIFY(!d.saveAsButton->isEnabled());
        QVERIFY(d.profilesButton->isEnabled());
        QVERIFY(!settingsValid);
        QVERIFY(sameIcon(d.tabWidget->tabIcon(index), tab->tabConstraintIcon()));
        QVERIFY(tab->marker->text().contains(QStringLiteral(":/icons/error")));

        trays->setCurrentIndex(trays->findText(QStringLiteral("One Tray")));
        QVERIFY(!tab->isConstrained());
        QVERIFY(ok(d)->isEnabled());
        QVERIFY(apply(d)->isEnabled());
        QVERIFY(d.saveAsButton->isEnabled());
        QVERIFY(settingsValid);
        QVERIFY(sameIcon(d.tabWidget->tabIcon(index), tab->tabIcon()));
        QCOMPARE(d.tabWidget->tabIcon(index).cacheKey(), plainIcon); // built once, not per pass
        QVERIFY(!tab->marker->text().contains(QStringLiteral(":/icons/error")));
    }

    // A conflict that stands right after a printer change keeps OK, Apply
    // and "Save As..." disabled; the profiles button is enabled.
    void conflictAfterPrinterChangeKeepsAcceptDisabled()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        addConflictTab(d);
        QVERIFY(selectQueue(d, conflictQueue));
        QCOMPARE(currentOptionSet->printerName(), conflictQueue);
        QVERIFY(!settingsValid);
        QVERIFY(!ok(d)->isEnabled());
        QVERIFY(!apply(d)->isEnabled());
        QVERIFY(!d.saveAsButton->isEnabled());
        QVERIFY(d.profilesButton->isEnabled());

        // Switching to a queue without the conflict enables them.
        QVERIFY(selectQueue(d, makerQueue));
        QVERIFY(ok(d)->isEnabled());
        QVERIFY(apply(d)->isEnabled());
        QVERIFY(d.saveAsButton->isEnabled());
    }

    // A loop whose tabs keep changing controls stops after 11 passes; the
    // next trigger starts counting from 0 again.
    void constraintLoopStopsAfterElevenPasses()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        auto *tab = new RestlessTab(&d);
        d.tabs.append(tab);
        d.tabWidget->addTab(tab, tab->tabIcon(), tab->getTabName());
        d.setConstraints();
        QCOMPARE(tab->passes, 11);
        QCOMPARE(d.constraintPasses, 0);
        d.setConstraints();
        QCOMPARE(tab->passes, 22);
        QCOMPARE(d.constraintPasses, 0);
    }

    void installedOptionChangeShowsRootWarning()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        QLabel *warning = findByAccessibleName<QLabel>(&d, QStringLiteral("lblRootWarning"));
        QVERIFY(warning);
        QVERIFY(warning->isHidden());
        QVERIFY(!d.printerTab->installedOptionsChanged());

        auto *coverUnit = findByAccessibleName<QCheckBox>(&d, QStringLiteral("chkBxOption28"));
        QVERIFY(coverUnit);
        QVERIFY(coverUnit->isChecked());
        coverUnit->setChecked(false);
        QVERIFY(!warning->isHidden());
        QVERIFY(d.printerTab->installedOptionsChanged());
        QCOMPARE(currentOptionSet->findOption(QStringLiteral("Option28"))->currentChoice()->keyword(),
                 QStringLiteral("False"));

        coverUnit->setChecked(true);
        QVERIFY(warning->isHidden());
        QVERIFY(!d.printerTab->installedOptionsChanged());

        // A combo counts too, and a new snapshot takes its value over.
        auto *trays = findByAccessibleName<QComboBox>(&d, QStringLiteral("cmbBxOption17"));
        trays->setCurrentIndex(trays->findText(QStringLiteral("Three Trays")));
        QVERIFY(!warning->isHidden());
        d.snapshotPrinterOptions();
        QVERIFY(warning->isHidden());
        QVERIFY(!d.printerTab->installedOptionsChanged());
    }

    // Choosing "Factory Default" in the profile list points the settings
    // source at the directory and reloads the tabs; the Printer tab keeps its
    // controls and baseline and only re-marks its options.
    void factoryDefaultProfileReloads()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        auto *trays = findByAccessibleName<QComboBox>(&d, QStringLiteral("cmbBxOption17"));
        QVERIFY(trays);
        trays->setCurrentIndex(trays->findText(QStringLiteral("Three Trays")));
        QVERIFY(!d.printerTab->rootWarningLabel->isHidden());
        currentOptionSet->findOption(QStringLiteral("Option17"))->setCurrentChoice(nullptr);

        d.profileDialog->fillProfileTable();
        emit d.profileDialog->buttonBox->accepted();
        QCOMPARE(settingsSource, userDir);
        QCOMPARE(findByAccessibleName<QComboBox>(&d, QStringLiteral("cmbBxOption17")), trays);
        QCOMPARE(trays->currentText(), QStringLiteral("Three Trays"));
        // The shown value is recorded again in the store.
        QCOMPARE(currentOptionSet->findOption(QStringLiteral("Option17"))->currentChoice()->keyword(),
                 QStringLiteral("Three"));
        QVERIFY(d.printerTab->installedOptionsChanged());
        QVERIFY(!d.printerTab->rootWarningLabel->isHidden());
        QVERIFY(ok(d)->isEnabled());
    }

    void removedQueueDropsSelection()
    {
        const QString doomed = cupstest::uniqueQueueName(QStringLiteral("ZDialogDoomed"));
        QVERIFY(cupstest::addQueue(doomed, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, doomed));
        QCOMPARE(currentOptionSet->printerName(), doomed);
        QVERIFY(d.printerTab->optionsGrid->count() > 0);

        QVERIFY(cupstest::removeQueue(doomed));
        BoxCloser closer;
        d.setConstraints();
        QCOMPARE(closer.titles, QStringList{QStringLiteral("Error")});
        QCOMPARE(closer.texts.value(0),
                 QStringLiteral("It looks like your installed printers have changed.\nReloading list now."));
        QVERIFY(currentOptionSet == nullptr);
        QCOMPARE(rowOf(d, doomed), -1);
        QVERIFY(selectedQueue(d).isEmpty());
        QVERIFY(!printerSet.contains(doomed));
        QVERIFY(d.tabWidget->isTabEnabled(0));
        for (int i = 1; i < d.tabWidget->count(); ++i)
            QVERIFY(!d.tabWidget->isTabEnabled(i));
        QVERIFY(d.printerTab->getControls().isEmpty());
        QVERIFY(!d.printerTab->installedOptionsLabel->isEnabled());
        // Without a queue nothing can be applied, saved or loaded.
        QVERIFY(!ok(d)->isEnabled());
        QVERIFY(!apply(d)->isEnabled());
        QVERIFY(!d.saveAsButton->isEnabled());
        QVERIFY(!d.profilesButton->isEnabled());

        // Picking a queue again works from the cleared state.
        QVERIFY(selectQueue(d, makerQueue));
        QCOMPARE(currentOptionSet->printerName(), makerQueue);
        QCOMPARE(selectedQueue(d), makerQueue);
        QVERIFY(ok(d)->isEnabled());
        QVERIFY(d.profilesButton->isEnabled());
    }

    // A new queue only rebuilds the list; the highlighted row still names the
    // current queue although its row index moved.
    void addedQueueKeepsSelection()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        vOptionSet *store = currentOptionSet;

        const QString added = cupstest::uniqueQueueName(QStringLiteral("AaDialogAdded"));
        QVERIFY(cupstest::addQueue(added, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
        BoxCloser closer;
        QVERIFY(d.checkPrintersChanged());
        QVERIFY(closer.titles.isEmpty());
        // The new queue sorts first, so the selected queue's row moved down
        // (other test programs may add or remove queues meanwhile, so the
        // exact index is not fixed).
        QVERIFY(rowOf(d, added) >= 0);
        QVERIFY(rowOf(d, added) < rowOf(d, makerQueue));
        QCOMPARE(selectedQueue(d), makerQueue);
        QCOMPARE(currentOptionSet, store);
        QVERIFY(cupstest::removeQueue(added));
        QVERIFY(d.checkPrintersChanged());
        QCOMPARE(selectedQueue(d), makerQueue);
        QVERIFY(closer.titles.isEmpty());
    }

    void germanCatalogue()
    {
        QTranslator translator;
        QVERIFY(translator.load(translationResourceFor(QStringLiteral("de_DE"))));
        QApplication::installTranslator(&translator);
        {
            VelDialog d(nullptr);
            pointUserDirAtTemp();
            QTableWidget *table = d.printerTab->printerTable;
            QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Drucker"));
            QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Ziel"));
            QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Status"));
            QCOMPARE(d.tabWidget->tabText(0), QStringLiteral("Drucker"));
            QCOMPARE(d.printerTab->installedOptionsLabel->text(), QStringLiteral("Installierte Optionen"));
            const int row = rowOf(d, makerQueue);
            QVERIFY(row >= 0);
            QCOMPARE(table->item(row, 2)->text(), QStringLiteral("Bereit"));
        }
        QApplication::removeTranslator(&translator);
    }

    void catalogueChoice_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("resource");
        QTest::newRow("de") << "de_DE" << ":/strings/german";
        QTest::newRow("fr") << "fr_FR" << ":/strings/french";
        QTest::newRow("it") << "it_IT" << ":/strings/italian";
        QTest::newRow("pt_BR") << "pt_BR" << ":/strings/portuguese";
        QTest::newRow("es") << "es_ES" << ":/strings/spanish";
        QTest::newRow("en") << "en_GB" << ":/strings/english";
        QTest::newRow("zh_CN") << "zh_CN" << ":/strings/english";
        QTest::newRow("C") << "C" << ":/strings/english";
    }

    void catalogueChoice()
    {
        QFETCH(QString, locale);
        QFETCH(QString, resource);
        QCOMPARE(translationResourceFor(locale), resource);
        QTranslator translator;
        QVERIFY(translator.load(resource));
    }

    void helpFollowsSelectedTab()
    {
        VelDialog d(nullptr);
        pointUserDirAtTemp();
        QVERIFY(selectQueue(d, makerQueue));
        d.tabWidget->setCurrentIndex(0);
        d.tabSelected();
        QCOMPARE(d.helpDialog->textEdit->toPlainText().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Printer"));
    }
};

QTEST_MAIN(TestVelDialog)
#include "test_vel_dialog.moc"
