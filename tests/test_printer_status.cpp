// Queue status words: the mapping of lpstat output, the stream reader, and
// the real lpstat against the private test server; a stand-in lpstat first
// on PATH forces the outputs the server cannot give.

#include "app/printer_status.h"
#include "support/cups_test_util.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cstdio>

namespace {

// Translates the three state words of context "QObject" into German.
class GermanStates : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        const QByteArray s(sourceText);
        if (s == "Idle")
            return QStringLiteral("Bereit");
        if (s == "Paused")
            return QStringLiteral("Angehalten");
        if (s == "Printing")
            return QStringLiteral("Drucken");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestPrinterStatus : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir fakeDir;
    QByteArray savedPath;

    // Puts a stand-in lpstat first on PATH: it records its arguments, one a
    // line, and prints the given output.
    void installFakeLpstat(const QByteArray &output)
    {
        QFile out(fakeDir.filePath(QStringLiteral("output")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(output);
        out.close();
        QFile script(fakeDir.filePath(QStringLiteral("lpstat")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n"
                     "d=$(dirname \"$0\")\n"
                     ": > \"$d/args\"\n"
                     "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$d/args\"; done\n"
                     "cat \"$d/output\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", fakeDir.path().toLocal8Bit() + ':' + savedPath);
    }

    QStringList fakeArgs()
    {
        QFile f(fakeDir.filePath(QStringLiteral("args")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QString text = QString::fromUtf8(f.readAll());
        text.chop(1);
        return text.split(QLatin1Char('\n'));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(fakeDir.isValid());
        savedPath = qgetenv("PATH");
    }

    void cleanup() { qputenv("PATH", savedPath); }

    void classify_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("idle") << "printer A is idle.  enabled since x" << "Idle";
        QTest::newRow("printing") << "printer A now printing A-12.  enabled" << "Printing";
        QTest::newRow("paused on second line") << "printer A disabled since x -\tPaused" << "Paused";
        QTest::newRow("idle wins over printing") << "idle printing" << "Idle";
        QTest::newRow("idle wins over paused") << "Paused idle" << "Idle";
        QTest::newRow("paused wins over printing") << "printing Paused" << "Paused";
        QTest::newRow("capital Idle is no idle word") << "Idle" << "Idle";
        QTest::newRow("capital Printing unknown") << "Printing now" << "Printing now";
        QTest::newRow("lower-case paused unknown") << "paused" << "paused";
        QTest::newRow("french disabled") << QString::fromUtf8("imprimante A désactivée depuis") << "Paused";
        QTest::newRow("german disabled") << "Drucker A deaktiviert seit" << "Paused";
        QTest::newRow("german idle") << "Drucker A ist im Leerlauf." << "Idle";
        QTest::newRow("italian waiting") << "stampante A in attesa." << "Idle";
        QTest::newRow("spanish printing") << "la impresora A imprimiendo A-3." << "Printing";
        QTest::newRow("german printing") << "Drucker A druckt A-3." << "Printing";
        QTest::newRow("trailing blank belongs to word") << "stampante A stampando" << "stampante A stampando";
        QTest::newRow("italian printing") << "stampante A stampando A-2" << "Printing";
        QTest::newRow("empty") << "" << "";
    }

    void classify()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(classifyPrinterState(text), expected);
    }

    void translatedWords()
    {
        GermanStates german;
        QCoreApplication::installTranslator(&german);
        QCOMPARE(classifyPrinterState(QStringLiteral("printer A is idle.")), QStringLiteral("Bereit"));
        QCOMPARE(classifyPrinterState(QStringLiteral("x -\tPaused")), QStringLiteral("Angehalten"));
        QCOMPARE(classifyPrinterState(QStringLiteral("now printing")), QStringLiteral("Drucken"));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(classifyPrinterState(QStringLiteral("now printing")), QStringLiteral("Printing"));
    }

    void readWholeStreamJoinsLinesAndStopsAtSize()
    {
        char text[] = "line one\nline two\n";
        FILE *f = fmemopen(text, sizeof text - 1, "r");
        QVERIFY(f);
        char buffer[64];
        memset(buffer, 'x', sizeof buffer);
        QCOMPARE(readWholeStream(buffer, sizeof buffer, f), buffer);
        fclose(f);
        QCOMPARE(QByteArray(buffer), QByteArray("line oneline two"));

        f = fmemopen(text, sizeof text - 1, "r");
        char small[6];
        memset(small, 'x', sizeof small);
        readWholeStream(small, sizeof small, f);
        fclose(f);
        QCOMPARE(QByteArray(small, sizeof small), QByteArray("line \0", 6));
    }

    void realLpstatIdleAndPaused()
    {
        if (!cupstest::usingPrivateServer())
            QSKIP("needs the private CUPS server");
        QCOMPARE(printerStatus(cupstest::baseQueue()), QStringLiteral("Idle"));
        QCOMPARE(printerStatus(cupstest::pausedQueue()), QStringLiteral("Paused"));

        const QString q = cupstest::uniqueQueueName(QStringLiteral("StatusTest"));
        QVERIFY(cupstest::addQueue(q, QStringLiteral(ORDOVAN_TEST_DATA "/status-velmora.ppd")));
        QCOMPARE(printerStatus(q), QStringLiteral("Idle"));
        QVERIFY(cupstest::disableQueue(q));
        QCOMPARE(printerStatus(q), QStringLiteral("Paused"));
        QVERIFY(cupstest::enableQueue(q));
        QCOMPARE(printerStatus(q), QStringLiteral("Idle"));
        QVERIFY(cupstest::removeQueue(q));
        // lpstat prints nothing on standard output for an unknown queue.
        QCOMPARE(printerStatus(q), QString());
    }

    void queueNameIsNeverRunByAShell()
    {
        if (!cupstest::usingPrivateServer())
            QSKIP("needs the private CUPS server");
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work.path()));
        // CUPS accepts "$", "(", "{" and backquotes in queue names.
        const QString q = QStringLiteral("Q$(touch${IFS}pwned)`touch${IFS}pwned2`_%1")
                              .arg(QCoreApplication::applicationPid());
        QVERIFY(cupstest::addQueue(q, QStringLiteral(ORDOVAN_TEST_DATA "/status-velmora.ppd")));
        const QString status = printerStatus(q);
        cupstest::removeQueue(q);
        QDir::setCurrent(oldCwd);
        QCOMPARE(status, QStringLiteral("Idle"));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("pwned"))));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("pwned2"))));
    }

    void fakeLpstatOutputs()
    {
        installFakeLpstat("printer A now printing A-7.  enabled since x\n");
        QCOMPARE(printerStatus(QStringLiteral("A")), QStringLiteral("Printing"));
        QCOMPARE(fakeArgs(), QStringList({QStringLiteral("-p"), QStringLiteral("A")}));

        // Output matching no word: shown as it is, newlines removed.
        installFakeLpstat("first\nsecond\n");
        QCOMPARE(printerStatus(QStringLiteral("A")), QStringLiteral("firstsecond"));

        // Long output is cut to 1022 bytes.
        installFakeLpstat(QByteArray(3000, 'z') + '\n');
        QCOMPARE(printerStatus(QStringLiteral("A")), QString(1022, QLatin1Char('z')));

        GermanStates german;
        QCoreApplication::installTranslator(&german);
        installFakeLpstat("Drucker A druckt A-7.\n");
        const QString localised = printerStatus(QStringLiteral("A"));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(localised, QStringLiteral("Drucken"));
    }

    void fakeLpstatGetsNameAsOneArgument()
    {
        installFakeLpstat("printer is idle\n");
        const QString name = QStringLiteral("a\"b $(x) `y` 'c'");
        QCOMPARE(printerStatus(name), QStringLiteral("Idle"));
        QCOMPARE(fakeArgs(), QStringList({QStringLiteral("-p"), name}));
        // A name starting with "-" cannot pass for another option.
        printerStatus(QStringLiteral("-r"));
        QCOMPARE(fakeArgs(), QStringList({QStringLiteral("-p-r")}));
    }

    void missingLpstatGivesErrorText()
    {
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toLocal8Bit());
        QCOMPARE(printerStatus(QStringLiteral("A")),
                 QStringLiteral("Error: Printer does not exist or lpstat failed."));
    }
};

QTEST_GUILESS_MAIN(TestPrinterStatus)
#include "test_printer_status.moc"
