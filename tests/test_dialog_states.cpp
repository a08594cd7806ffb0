// The main dialog against the private CUPS server: what is left after the
// selected queue vanishes or its description cannot be read, the Status
// column's texts, a start without a scheduler, and the Printer tab's look.
#include <QtTest>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <cups/cups.h>

#include "app/printer_status.h"
#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"

using namespace dialogtest;

class TestDialogStates : public QObject
{
    Q_OBJECT

private:
    dialogtest::ModalWatchdog watchdog; // a box no test expects fails the test at once
    QTemporaryDir userBase;
    QString idleQueue, rawQueue;
    const QString errorBox = QStringLiteral("Error: Printer does not exist or lpoptions failed.");
    const QString changedBox = QStringLiteral("It looks like your installed printers have changed.\nReloading list now.");

    void useTempUserDir()
    {
        userDir = userBase.path() + QStringLiteral("/user/");
        QDir().mkpath(userDir);
    }
    static QString status(VelDialog &d, const QString &queue)
    {
        QTableWidgetItem *item = d.printerTab->printerTable->item(rowOf(d, queue), 2);
        return item ? item->text() : QStringLiteral("<no cell>");
    }
    QString addVelmoraQueue(const char *prefix)
    {
        const QString q = cupstest::uniqueQueueName(QLatin1String(prefix));
        return cupstest::addQueue(q, QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")) ? q : QString();
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(userBase.isValid());
        QVERIFY(!(idleQueue = addVelmoraQueue("StatesIdle")).isEmpty());
        QVERIFY(!(rawQueue = addVelmoraQueue("StatesRaw")).isEmpty());
        // Stopped with a reason lpstat words in no way the panel knows.
        QVERIFY(cupstest::runTool(QStringLiteral("cupsdisable"), {QStringLiteral("-r"), QStringLiteral("Out of paper"), rawQueue}));
    }
    void cleanupTestCase()
    {
        cupstest::removeQueue(idleQueue);
        cupstest::removeQueue(rawQueue);
    }
    void init() { resetProgramState(); }

    // The selected queue is removed; the queue check or an Apply notices it
    // and the dialog is back in its start state.
    void vanishedQueueDropsSelection_data()
    {
        QTest::addColumn<bool>("throughApply");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("queue check") << false << QStringList{changedBox};
        QTest::newRow("Apply") << true << QStringList{errorBox, changedBox};
    }
    void vanishedQueueDropsSelection()
    {
        QFETCH(bool, throughApply);
        QFETCH(QStringList, boxes);
        const QString doomed = addVelmoraQueue("StatesGone");
        VelDialog d(nullptr);
        useTempUserDir();
        QVERIFY(selectQueue(d, doomed));
        QVERIFY(cupstest::removeQueue(doomed));
        BoxCloser closer;
        if (throughApply)
            d.slotButtonApply();
        else
            d.setConstraints();
        QCOMPARE(closer.texts, boxes);
        QVERIFY(!currentOptionSet);
        QCOMPARE(d.windowTitle(), QStringLiteral("Ordovan"));
        QVERIFY(d.printerTab->getControls().isEmpty());
        QVERIFY(selectedQueue(d).isEmpty());
        QVERIFY(!d.buttonBox->button(QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(!d.profilesButton->isEnabled());
    }

    // A queue whose description cannot be fetched says so, loses its
    // highlight, and a second click on it tries again.
    void unreadableQueueRetried()
    {
        const QString q = addVelmoraQueue("StatesUnreadable");
        VelDialog d(nullptr);
        useTempUserDir();
        QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), q, QStringLiteral("-m"), QStringLiteral("raw")}));
        BoxCloser closer;
        QVERIFY(selectQueue(d, q));
        // (Other test programs changing the server's queues meanwhile may add
        // the box of a changed queue list.)
        QTRY_COMPARE(closer.texts.filter(q).size(), 1);
        QCOMPARE(closer.titles.at(closer.texts.indexOf(closer.texts.filter(q).first())), QStringLiteral("Error"));
        QVERIFY(!currentOptionSet);
        QVERIFY(selectedQueue(d).isEmpty());
        QCOMPARE(d.printerTab->printerTable->currentRow(), -1);

        QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), q, QStringLiteral("-P"), QStringLiteral(ORDOVAN_TEST_DATA "/printer-velmora.ppd")}));
        // A queue list read again meanwhile (another test program changed
        // the server's queues) left the queue out while it had no description.
        if (rowOf(d, q) < 0)
            d.printerTab->refreshPrinterList();
        QVERIFY(selectQueue(d, q));
        QVERIFY(currentOptionSet && currentOptionSet->printerName() == q);
        QCOMPARE(selectedQueue(d), q);
        cupstest::removeQueue(q);
    }

    // Each cell says what a single lpstat for its queue says; a change of
    // language words the stored states anew without asking CUPS.
    void statusTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("otherLocale");
        QTest::addColumn<QStringList>("words"); // idle, paused; then in the other language
        QTest::newRow("English") << "en_GB" << "de_DE" << QStringList{"Idle", "Paused", "Bereit", "Angehalten"};
        QTest::newRow("German") << "de_DE" << "en_GB" << QStringList{"Bereit", "Angehalten", "Idle", "Paused"};
    }
    void statusTexts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, otherLocale);
        QFETCH(QStringList, words);
        QTranslator first, other;
        QVERIFY(first.load(translationResourceFor(locale)) && other.load(translationResourceFor(otherLocale)));
        QApplication::installTranslator(&first);
        VelDialog d(nullptr);
        useTempUserDir();
        const QString paused = cupstest::pausedQueue();
        for (const QString &q : {idleQueue, paused, rawQueue})
            QCOMPARE(status(d, q), printerStatus(q));
        QCOMPARE(status(d, idleQueue), words.at(0));
        QCOMPARE(status(d, paused), words.at(1));
        const QString raw = status(d, rawQueue);
        QVERIFY2(raw.contains(QStringLiteral("Out of paper")) && !raw.contains(QLatin1Char('\n')), qPrintable(raw));

        QVERIFY(cupstest::disableQueue(idleQueue));
        QApplication::removeTranslator(&first);
        QApplication::installTranslator(&other);
        d.printerTab->retranslate();
        QApplication::removeTranslator(&other);
        QVERIFY(cupstest::enableQueue(idleQueue));
        QCOMPARE(status(d, idleQueue), words.at(2));
        QCOMPARE(status(d, paused), words.at(3));
        QCOMPARE(status(d, rawQueue), raw);
    }

    // lpstat's output for all queues, told apart by the queue each part
    // names (here in German, with a queue named like lpstat's word).
    void statusOutputSplit()
    {
        const QByteArray out = "Drucker Drucker ist im Leerlauf.\n"
                               "Drucker Empfang ist deaktiviert seit x -\n\tPapier fehlt\n"
                               "Drucker Lager ist im Leerlauf.\n";
        const QHash<QString, QByteArray> parts =
            splitStatusOutput(out, {"Drucker", "Empfang", "Fehlt"}, {"Drucker", "Empfang", "Lager", "Fehlt"});
        QCOMPARE(parts.value("Drucker"), QByteArray("Drucker Drucker ist im Leerlauf."));
        QCOMPARE(parts.value("Empfang"), QByteArray("Drucker Empfang ist deaktiviert seit x -\tPapier fehlt"));
        QVERIFY(!parts.contains("Lager") && !parts.contains("Fehlt"));
    }

    // No scheduler answers: an empty list that says why, its last heading in
    // view.
    void startWithoutScheduler()
    {
        const QByteArray server = qgetenv("CUPS_SERVER");
        const QByteArray nowhere = QDir::temp().filePath(QStringLiteral("no-cupsd.sock")).toLocal8Bit();
        qputenv("CUPS_SERVER", nowhere);
        cupsSetServer(nowhere.constData());
        {
            VelDialog d(nullptr);
            d.show();
            QTableWidget *table = d.printerTab->printerTable;
            QCOMPARE(table->rowCount(), 0);
            QVERIFY(!d.printerTab->unreachableLabel->isHidden());
            QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
        }
        qputenv("CUPS_SERVER", server);
        cupsSetServer(server.constData());
        VelDialog d(nullptr);
        QVERIFY(d.printerTab->unreachableLabel->isHidden());
    }

    // The German root warning wraps: nothing moves when it shows. The
    // success box is at least 100 x 100.
    void look()
    {
        QTranslator german;
        QVERIFY(german.load(translationResourceFor(QStringLiteral("de_DE"))));
        QApplication::installTranslator(&german);
        VelDialog d(nullptr);
        useTempUserDir();
        d.show();
        QVERIFY(selectQueue(d, idleQueue));
        QApplication::removeTranslator(&german);
        QCoreApplication::processEvents();
        const QRect buttons = d.buttonBox->geometry(), page = d.printerTab->geometry();
        auto *cover = findByAccessibleName<QCheckBox>(&d, QStringLiteral("chkBxOption28"));
        QVERIFY(cover);
        cover->toggle();
        QCoreApplication::processEvents();
        QLabel *warning = d.printerTab->rootWarningLabel;
        QVERIFY(warning->isVisible());
        QCOMPARE(d.buttonBox->geometry(), buttons);
        QCOMPARE(d.printerTab->geometry(), page);
        QVERIFY(warning->mapTo(d.printerTab, QPoint(warning->width(), 0)).x() <= page.width());

        QSize box;
        onNextModal(50, [&box](QWidget *modal) {
            if (modal) {
                box = modal->size();
                modal->close();
            }
        });
        d.showSettingsApplied();
        QVERIFY2(box.width() >= 100 && box.height() >= 100, qPrintable(QStringLiteral("%1x%2").arg(box.width()).arg(box.height())));
    }
};

QTEST_MAIN(TestDialogStates)
#include "test_dialog_states.moc"
