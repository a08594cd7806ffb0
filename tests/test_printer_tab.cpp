// The Printer tab against the private CUPS server: which queues are listed,
// the table's columns, list refreshes, and queues whose PPD cannot be used.
#include <QtTest>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QLabel>

#include <cups/cups.h>

#include "app/resources_init.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

// A settings tab that has options exactly while a queue is loaded.
class StoreTab : public Tab
{
public:
    explicit StoreTab(QWidget *dialog)
        : Tab(dialog)
    {
        buildWidgets();
    }
    void setTabName() override { tabName = QStringLiteral("Store"); }
    void buildWidgets() override { tabName = QStringLiteral("Store"); }
    bool hasOptions() override { return currentOptionSet != nullptr; }
};

} // namespace

class TestPrinterTab : public QObject
{
    Q_OBJECT

private:
    dialogtest::ModalWatchdog watchdog; // a box no test expects fails the test at once
    QHash<QString, QString> queues; // role -> queue name
    QTemporaryDir userBase;

    QString q(const char *role) const { return queues.value(QLatin1String(role)); }

    bool addRole(const char *role, const char *ppd)
    {
        const QString name = cupstest::uniqueQueueName(QStringLiteral("Tab_%1").arg(QLatin1String(role)));
        queues.insert(QLatin1String(role), name);
        return cupstest::addQueue(name, QStringLiteral(ORDOVAN_TEST_DATA "/") + QLatin1String(ppd));
    }

    // The dialog's constructor points userDir at the system base; the
    // settings files of the tests go to a temporary directory instead.
    void useTempUserDir()
    {
        userDir = userBase.path() + QStringLiteral("/user/");
        QDir().mkpath(userDir);
    }

    static QStringList tempFiles()
    {
        return QDir(QDir::tempPath()).entryList(QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        QVERIFY(addRole("velmora", "printer-velmora.ppd"));
        QVERIFY(addRole("wexa", "printer-wexa-twofilters.ppd"));
        QVERIFY(addRole("lowercase", "printer-lowercase.ppd"));
        QVERIFY(addRole("prefix", "printer-prefix.ppd"));
        QVERIFY(addRole("otherdevice", "printer-otherdevice.ppd"));
        QVERIFY(addRole("nodeviceid", "printer-nodeviceid.ppd"));
        QVERIFY(addRole("nofilter", "printer-nofilter.ppd"));
        // A raw queue: no PPD at all.
        const QString raw = cupstest::uniqueQueueName(QStringLiteral("Tab_raw"));
        queues.insert(QStringLiteral("raw"), raw);
        QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"),
                                  {QStringLiteral("-p"), raw, QStringLiteral("-E"), QStringLiteral("-v"),
                                   QStringLiteral("file:///dev/null")}));
    }

    void cleanupTestCase()
    {
        for (const QString &name : qAsConst(queues))
            cupstest::removeQueue(name);
    }

    void init() { resetProgramState(); }

    void queueFilter()
    {
        VelDialog d(nullptr);
        useTempUserDir();
        QCOMPARE(rowCountOf(d, q("velmora")), 1);
        // Two maker filter entries still give one row.
        QCOMPARE(rowCountOf(d, q("wexa")), 1);
        for (const char *role : {"lowercase", "prefix", "otherdevice", "nodeviceid", "nofilter", "raw"})
            QVERIFY2(rowOf(d, q(role)) < 0, role);
        // Every destination is remembered, listed or not.
        for (const QString &name : qAsConst(queues))
            QVERIFY2(printerSet.contains(name), qPrintable(name));
    }

    void tableColumns()
    {
        VelDialog d(nullptr);
        useTempUserDir();
        QTableWidget *table = d.printerTab->printerTable;
        QCOMPARE(table->accessibleName(), QStringLiteral("tblPrinters"));
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Printers"));
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Destination"));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Status"));
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
        const int row = rowOf(d, q("velmora"));
        QVERIFY(row >= 0);
        QCOMPARE(table->item(row, 1)->text(), QStringLiteral("file:///dev/null"));
        QCOMPARE(table->item(row, 2)->text(), QStringLiteral("Idle"));
        QVERIFY(table->selectedItems().isEmpty());
        QVERIFY(d.printerTab->rootWarningLabel->isHidden());
        QVERIFY(!d.printerTab->installedOptionsLabel->isEnabled());

        // A destination URI that changes shows after a refresh.
        QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), q("velmora"),
                                                             QStringLiteral("-v"), QStringLiteral("file:///tmp/x")}));
        d.printerTab->refreshPrinterList();
        QCOMPARE(table->item(rowOf(d, q("velmora")), 1)->text(), QStringLiteral("file:///tmp/x"));
        QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), q("velmora"),
                                                             QStringLiteral("-v"), QStringLiteral("file:///dev/null")}));
    }

    // A refresh keeps the user's column widths and fires no selection change.
    void refreshKeepsWidthsAndSelection()
    {
        VelDialog d(nullptr);
        useTempUserDir();
        QVERIFY(selectQueue(d, q("wexa")));
        vOptionSet *store = currentOptionSet;
        QTableWidget *table = d.printerTab->printerTable;
        table->setColumnWidth(0, 77);
        table->setColumnWidth(1, 55);
        QSignalSpy spy(table, SIGNAL(currentCellChanged(int, int, int, int)));
        d.printerTab->refreshPrinterList();
        QCOMPARE(table->columnWidth(0), 77);
        QCOMPARE(table->columnWidth(1), 55);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(selectedQueue(d), q("wexa"));
        QCOMPARE(currentOptionSet, store);
    }

    // The temporary PPD copies are removed after listing and after choosing.
    void temporaryCopiesRemoved()
    {
        const QStringList before = tempFiles();
        VelDialog d(nullptr);
        useTempUserDir();
        QVERIFY(selectQueue(d, q("velmora")));
        d.printerTab->refreshPrinterList();
        QCOMPARE(tempFiles(), before);
    }

    // Replaces a queue's PPD through the scheduler itself, which takes any
    // file that starts like a PPD (lpadmin would refuse one that libcups
    // cannot open).
    static bool replacePpdThroughScheduler(const QString &queue, const QString &ppdPath)
    {
        char uri[HTTP_MAX_URI];
        httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/printers/%s",
                         queue.toUtf8().constData());
        ipp_t *request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ipp_t *response = cupsDoFileRequest(CUPS_HTTP_DEFAULT, request, "/admin/", ppdPath.toUtf8().constData());
        ippDelete(response);
        return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
    }

    // A queue whose PPD can no longer be fetched or opened is treated like
    // an unknown queue: no store, no settings source, no crash, and the
    // temporary copy is removed.
    void unusablePpdGivesNoStore_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("PPD that does not open") << "broken";
        QTest::newRow("no PPD any more") << "raw";
    }

    void unusablePpdGivesNoStore()
    {
        QFETCH(QString, how);
        const QString queue = cupstest::uniqueQueueName(QStringLiteral("Tab_unusable"));
        QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
        VelDialog d(nullptr);
        useTempUserDir();
        auto *storeTab = new StoreTab(&d);
        d.tabs.append(storeTab);
        d.tabWidget->addTab(storeTab, storeTab->tabIcon(), storeTab->getTabName());
        const int storeTabIndex = d.tabWidget->indexOf(storeTab);
        QVERIFY(rowOf(d, queue) >= 0);
        QVERIFY(selectQueue(d, q("velmora")));
        QVERIFY(currentOptionSet != nullptr);
        QVERIFY(!d.printerTab->getControls().isEmpty());
        QVERIFY(d.tabWidget->isTabEnabled(storeTabIndex));
        const QStringList before = tempFiles();
        if (how == QLatin1String("broken")) {
            QVERIFY(replacePpdThroughScheduler(queue, QStringLiteral(ORDOVAN_TEST_DATA "/printer-broken.ppd")));
        } else {
            QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"),
                                      {QStringLiteral("-p"), queue, QStringLiteral("-m"), QStringLiteral("raw")}));
        }
        BoxCloser closer;
        QVERIFY(selectQueue(d, queue));
        QVERIFY(currentOptionSet == nullptr);
        QVERIFY(settingsSource.isEmpty());
        QCOMPARE(d.windowTitle(), QStringLiteral("Ordovan"));
        QVERIFY(!d.buttonBox->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!d.profilesButton->isEnabled());
        QVERIFY(d.printerTab->rootWarningLabel->isHidden());
        // Nothing of the previous queue stays on show.
        QVERIFY(d.printerTab->getControls().isEmpty());
        QVERIFY(d.printerTab->getLabels().isEmpty());
        QVERIFY(!d.printerTab->installedOptionsLabel->isEnabled());
        QVERIFY(!d.tabWidget->isTabEnabled(storeTabIndex));
        QCOMPARE(tempFiles(), before);

        // The next listing no longer shows it.
        d.printerTab->refreshPrinterList();
        QCOMPARE(rowOf(d, queue), -1);
        cupstest::removeQueue(queue);
    }

    // A queue removed between the listing and the choice: no store.
    void vanishedQueueGivesNoStore()
    {
        const QString queue = cupstest::uniqueQueueName(QStringLiteral("Tab_vanish"));
        QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")));
        VelDialog d(nullptr);
        useTempUserDir();
        QVERIFY(selectQueue(d, q("velmora")));
        QVERIFY(cupstest::removeQueue(queue));
        const int row = rowOf(d, queue);
        QVERIFY(row >= 0);
        BoxCloser closer;
        d.printerTab->printerTable->setCurrentCell(row, 0);
        QVERIFY(currentOptionSet == nullptr);
        QVERIFY(settingsSource.isEmpty());
        // The dialog noticed the changed queue set and rebuilt the list.
        QCOMPARE(rowOf(d, queue), -1);
        QCOMPARE(closer.titles, QStringList{QStringLiteral("Error")});
    }

    void installedControlValues()
    {
        QCheckBox box;
        box.setChecked(true);
        QCOMPARE(PrinterTab::installedControlValue(&box), QStringLiteral("True"));
        box.setChecked(false);
        QCOMPARE(PrinterTab::installedControlValue(&box), QStringLiteral("False"));
        QComboBox combo;
        combo.addItems({QStringLiteral("One Tray"), QStringLiteral("Two Trays")});
        combo.setCurrentIndex(1);
        QCOMPARE(PrinterTab::installedControlValue(&combo), QStringLiteral("Two Trays"));
        QLabel label;
        QVERIFY(PrinterTab::installedControlValue(&label).isNull());
    }
};

QTEST_MAIN(TestPrinterTab)
#include "test_printer_tab.moc"
