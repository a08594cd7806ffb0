// The root password prompt and the road to the root-side option writer:
// argument lists, the password on standard input only, quoting for su, the
// writer's output read to the end, the real sudo with the project's writer
// against the private CUPS server, and the writer's own refusals (an unsafe
// configuration file, a hostile environment, a failing lpadmin).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include "app/password_prompt.h"
#include "app/program_state.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "root_writer_status.h"
#include "support/cups_test_util.h"
#include "support/file_test_util.h"
#include "support/rootwriter_test_util.h"
#include "ui/option_widgets.h"

namespace {

const QString trickyPassword = QStringLiteral("p\"a's $HOME `id` \\x  end ");

bool writeScript(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(text.toUtf8());
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

using filetest::readFile;

// Closes every message box that shows up and records it as "title|text".
class BoxCloser : public dialogtest::ModalPoller
{
public:
    BoxCloser()
        : ModalPoller(
            [this](QWidget *modal) {
                if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                    texts << dialogtest::boxLine(box);
                    box->done(0);
                }
            },
            50)
    {
    }
    QStringList texts;
};

} // namespace

class TestPasswordPrompt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void commandLines();
    void promptWidgets();
    void suFormQuotesEveryWord();
    void sudoFormPassesPasswordOnStandardInputOnly();
    void longWriterOutputIsReadToTheEnd();
    void failureShowsCouldNotAuthorize_data();
    void failureShowsCouldNotAuthorize();
    void writerRefusesUnsafeArguments();
    void realSudoWritesThroughTheWriter();
    void writerTrustsOnlyItsOwnSetup_data();
    void writerTrustsOnlyItsOwnSetup();
    void failingLpadminIsShownAsSuch();

private:
    // A directory with stand-ins for sudo, su and the writer, first on PATH.
    void installStandIns();

    QTemporaryDir work;
    QString bin;
    QString logs;
    QByteArray savedPath;
    vOptionSet store;
};

void TestPasswordPrompt::initTestCase()
{
    QVERIFY(work.isValid());
    savedPath = qgetenv("PATH");
    currentOptionSet = &store;
}

void TestPasswordPrompt::cleanup()
{
    qputenv("PATH", savedPath);
    sudoProgramPath = QStringLiteral(ORDOVAN_SUDO_PATH);
    suProgramPath = QStringLiteral(ORDOVAN_SU_PATH);
    rootWriterPath = QStringLiteral(ORDOVAN_WRITER_PATH);
}

void TestPasswordPrompt::installStandIns()
{
    bin = work.path() + "/bin";
    logs = work.path() + "/logs";
    QDir().mkpath(bin);
    QDir(logs).removeRecursively();
    QDir().mkpath(logs);
    const QString l = logs;
    QVERIFY(writeScript(bin + "/sudo",
                        "#!/bin/sh\n"
                        "printf '%s\\n' \"$*\" >> '" + l + "/sudo.calls'\n"
                        "[ \"$1\" = -k ] && [ $# -eq 1 ] && exit 0\n"
                        "[ \"$1\" = -S ] && [ \"$2\" = -p ] && [ -z \"$3\" ] && [ \"$4\" = -- ] || exit 64\n"
                        "shift 4\n"
                        "IFS= read -r pw\n"
                        "printf '%s' \"$pw\" > '" + l + "/password.seen'\n"
                        "[ -f '" + l + "/refusal' ] && { printf '%b\\n' \"$(cat '" + l + "/refusal')\" >&2; exit 1; }\n"
                        "[ \"$pw\" = \"$(cat '" + l + "/expected')\" ] || exit 1\n"
                        "[ -f '" + l + "/lpadmin' ] && export ORDOVAN_TEST_WRITER_LPADMIN='" + l + "/lpadmin'\n"
                        "exec \"$@\"\n"));
    QVERIFY(writeScript(bin + "/su",
                        "#!/bin/sh\n"
                        "printf '%s\\n' \"$@\" > '" + l + "/su.args'\n"
                        "[ \"$1\" = -l ] && [ \"$2\" = -c ] && [ \"$4\" = root ] && [ $# -eq 4 ] || exit 64\n"
                        "IFS= read -r pw\n"
                        "printf '%s' \"$pw\" > '" + l + "/password.seen'\n"
                        "[ \"$pw\" = \"$(cat '" + l + "/expected')\" ] || exit 1\n"
                        "exec /bin/sh -c \"$3\"\n"));
    QVERIFY(writeScript(bin + "/velPPDWrite_H",
                        "#!/bin/sh\n"
                        ": > '" + l + "/writer.args'\n"
                        "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + l + "/writer.args'; done\n"
                        "env > '" + l + "/writer.env'\n"
                        "lines=$(cat '" + l + "/writer.lines' 2>/dev/null || echo 0)\n"
                        "i=0; while [ $i -lt $lines ]; do echo \"writer says line $i of its report\"; i=$((i+1)); done\n"
                        "exit $(cat '" + l + "/writer.status' 2>/dev/null || echo 0)\n"));
    QVERIFY(writeScript(logs + "/expected", trickyPassword));
    sudoProgramPath = bin + "/sudo";
    suProgramPath = bin + "/su";
    rootWriterPath = bin + "/velPPDWrite_H";
}

void TestPasswordPrompt::commandLines()
{
    rootWriterPath = QStringLiteral("/opt/vel/velPPDWrite_H");
    const RootWriterCommand sudo = buildRootWriterCommand(QString::fromLatin1(sudoMethodPrefix), QStringLiteral("Q1"),
                                                          QStringLiteral("Option17=One Option8=True "));
    QCOMPARE(sudo.program, QStringLiteral(ORDOVAN_SUDO_PATH));
    QVERIFY(sudo.program.startsWith(QLatin1Char('/')));
    QCOMPARE(sudo.arguments, QStringList() << "-S" << "-p" << "" << "--" << "/opt/vel/velPPDWrite_H" << "Q1"
                                           << "Option17=One" << "Option8=True");

    const RootWriterCommand su = buildRootWriterCommand(QString::fromLatin1(suMethodPrefix), QStringLiteral("Q'1"),
                                                        QStringLiteral("A=1 "));
    QCOMPARE(su.program, QStringLiteral(ORDOVAN_SU_PATH));
    QVERIFY(su.program.startsWith(QLatin1Char('/')));
    QCOMPARE(su.arguments, QStringList() << "-l" << "-c" << "'/opt/vel/velPPDWrite_H' 'Q'\\''1' 'A=1'" << "root");

    // Every quoted word comes back from a real shell exactly as it was.
    for (const QString &word : {QStringLiteral("plain"), QStringLiteral("it's"), QStringLiteral("$(id) `id` $HOME"),
                                QStringLiteral("a \"b\" \\c ; d | e"), QString()}) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), "printf '%s' " + shellQuote(word)});
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), word);
    }
}

void TestPasswordPrompt::promptWidgets()
{
    PasswordPrompt prompt(nullptr, QStringLiteral("A=1 "));
    QCOMPARE(prompt.windowTitle(), QStringLiteral("Password Prompt"));
    QCOMPARE(prompt.methodCombo->count(), 2);
    QCOMPARE(prompt.methodCombo->itemText(0), QStringLiteral("sudo"));
    QCOMPARE(prompt.methodCombo->itemText(1), QStringLiteral("su"));
    QCOMPARE(prompt.methodCombo->currentText(), QStringLiteral("sudo"));
    QCOMPARE(prompt.passwordEdit->echoMode(), QLineEdit::Password);
    QVERIFY(!(prompt.windowFlags() & Qt::WindowContextHelpButtonHint));
    // sudo takes the user's own password, su root's.
    QCOMPARE(prompt.promptLabel->text(), QStringLiteral("Please enter your own password."));
    prompt.methodCombo->setCurrentIndex(1);
    QCOMPARE(prompt.promptLabel->text(), QStringLiteral("Please enter the root password."));
}

void TestPasswordPrompt::suFormQuotesEveryWord()
{
    installStandIns();
    // Neither the queue name nor a value is ever run by a shell.
    store.setPrinterName(QStringLiteral("Q'$(touch pwned)`touch pwned2`\"x"));
    QVERIFY(QDir::setCurrent(work.path()));
    PasswordPrompt prompt(nullptr, QStringLiteral("Option17=Two Odd=a'b$c "));
    QCOMPARE(prompt.runInstalledOptionsWriter(trickyPassword, QString::fromLatin1(suMethodPrefix), prompt.args), 0);

    QCOMPARE(readFile(logs + "/password.seen"), trickyPassword.toUtf8());
    QCOMPARE(QString::fromUtf8(readFile(logs + "/writer.args")),
             store.printerName() + "\nOption17=Two\nOdd=a'b$c\n");
    QVERIFY(!QFile::exists(work.path() + "/pwned"));
    QVERIFY(!QFile::exists(work.path() + "/pwned2"));
    QVERIFY(!readFile(logs + "/su.args").contains(trickyPassword.toUtf8()));

    // A writer status other than 0 comes back as it is.
    QVERIFY(writeScript(logs + "/writer.status", QStringLiteral("3")));
    QCOMPARE(prompt.runInstalledOptionsWriter(trickyPassword, QString::fromLatin1(suMethodPrefix), prompt.args), 3);
    // A wrong password never reaches the writer.
    QFile::remove(logs + "/writer.args");
    QCOMPARE(prompt.runInstalledOptionsWriter(QStringLiteral("wrong"), QString::fromLatin1(suMethodPrefix), prompt.args), 1);
    QVERIFY(!QFile::exists(logs + "/writer.args"));
}

void TestPasswordPrompt::sudoFormPassesPasswordOnStandardInputOnly()
{
    installStandIns();
    store.setPrinterName(QStringLiteral("Queue_1"));
    PasswordPrompt prompt(nullptr, QStringLiteral("Option17=One Option8=True "));
    QCOMPARE(prompt.runInstalledOptionsWriter(trickyPassword, QString::fromLatin1(sudoMethodPrefix), prompt.args), 0);
    QCOMPARE(readFile(logs + "/password.seen"), trickyPassword.toUtf8());
    QCOMPARE(readFile(logs + "/writer.args"), QByteArray("Queue_1\nOption17=One\nOption8=True\n"));
    QVERIFY(!readFile(logs + "/sudo.calls").contains(trickyPassword.toUtf8()));
    QVERIFY(!readFile(logs + "/writer.env").contains(trickyPassword.toUtf8()));
    // The empty password is still handed over (as an empty line).
    QVERIFY(writeScript(logs + "/expected", QString()));
    QCOMPARE(prompt.runInstalledOptionsWriter(QString(), QString::fromLatin1(sudoMethodPrefix), prompt.args), 0);
    QCOMPARE(readFile(logs + "/password.seen"), QByteArray());
}

void TestPasswordPrompt::longWriterOutputIsReadToTheEnd()
{
    // A writer that reports far more than a pipe holds still ends normally
    // and its status is what counts.
    installStandIns();
    store.setPrinterName(QStringLiteral("Queue_1"));
    QVERIFY(writeScript(logs + "/writer.lines", QStringLiteral("20000")));
    PasswordPrompt prompt(nullptr, QStringLiteral("Option8=True "));
    QCOMPARE(prompt.runInstalledOptionsWriter(trickyPassword, QString::fromLatin1(sudoMethodPrefix), prompt.args), 0);
    QCOMPARE(prompt.runInstalledOptionsWriter(trickyPassword, QString::fromLatin1(suMethodPrefix), prompt.args), 0);
}

void TestPasswordPrompt::failureShowsCouldNotAuthorize_data()
{
    // sudo's own words (C locale) after the password; a refusal of the
    // command is told apart from a wrong password.
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("sudoSays");
    QTest::addColumn<bool>("refused");
    QTest::newRow("wrong password") << "wrong" << "Sorry, try again.\\nsudo: 1 incorrect password attempt" << false;
    QTest::newRow("command not allowed")
        << trickyPassword << "Sorry, user u is not allowed to execute 'w' as root on h." << true;
    QTest::newRow("not in sudoers") << trickyPassword << "u is not in the sudoers file." << true;
}

void TestPasswordPrompt::failureShowsCouldNotAuthorize()
{
    QFETCH(QString, password);
    QFETCH(QString, sudoSays);
    QFETCH(bool, refused);
    installStandIns();
    QVERIFY(writeScript(logs + "/refusal", sudoSays));
    store.setPrinterName(QStringLiteral("Queue_1"));
    PasswordPrompt prompt(nullptr, QStringLiteral("Option8=True "));
    prompt.passwordEdit->setText(password);
    BoxCloser closer;
    prompt.okButtonSlot();
    const QString expected = refused ? PasswordPrompt::failureText(PasswordPrompt::sudoRefusedStatus)
                                     : QStringLiteral("Could not authorize.");
    QCOMPARE(closer.texts, QStringList() << "Error|" + expected);
    QFile::remove(logs + "/refusal");
    // sudo's cached credentials are dropped before and after the attempt.
    const QList<QByteArray> calls = readFile(logs + "/sudo.calls").split('\n');
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls.first(), QByteArray("-k"));
    QVERIFY(calls.at(1).startsWith("-S -p  -- " + bin.toUtf8() + "/velPPDWrite_H Queue_1"));
    QCOMPARE(calls.at(2), QByteArray("-k"));

    // The right password: no box.
    BoxCloser quiet;
    prompt.passwordEdit->setText(trickyPassword);
    prompt.okButtonSlot();
    QVERIFY(quiet.texts.isEmpty());
}

void TestPasswordPrompt::writerRefusesUnsafeArguments()
{
    // The writer checks every argument before it talks to CUPS at all.
    const QList<QStringList> refused = {
        {},
        {QStringLiteral("Queue")},
        {QStringLiteral("-p"), QStringLiteral("Option8=True")},
        {QStringLiteral("Queue id"), QStringLiteral("Option8=True")},
        {QStringLiteral("Queue#1"), QStringLiteral("Option8=True")},
        {QStringLiteral("Queue"), QStringLiteral("Option8")},
        {QStringLiteral("Queue"), QStringLiteral("Option8=True;id")},
        {QStringLiteral("Queue"), QStringLiteral("Option8=True False")},
        {QStringLiteral("Queue"), QStringLiteral("-Option8=True")},
        {QStringLiteral("Queue"), QStringLiteral("Option8=$(id)")},
        {QStringLiteral("Queue"), QStringLiteral("=True")},
    };
    for (const QStringList &arguments : refused) {
        QProcess writer;
        writer.start(QStringLiteral(ORDOVAN_TEST_WRITER), arguments);
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QVERIFY2(writer.exitCode() == 2, qPrintable(arguments.join(QLatin1Char(' '))));
    }
}

void TestPasswordPrompt::realSudoWritesThroughTheWriter()
{
    ROOTWRITER_REQUIRE();
    rootWriterPath = rootwritertest::writer();
    const QString password = rootwritertest::password();
    QVERIFY(password.contains('"') && password.contains('\'') && password.contains('$')
            && password.contains('`') && password.contains(' '));

    const QString queue = cupstest::uniqueQueueName(QStringLiteral("ApplyRoot"));
    QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    QCOMPARE(cupstest::queueDefault(queue, "Option17"), QStringLiteral("None"));
    store.setPrinterName(queue);
    const QString sudoPrefix = QString::fromLatin1(sudoMethodPrefix);

    PasswordPrompt prompt(nullptr, QStringLiteral("Option17=Two Option8=True "));
    // A wrong password writes nothing.
    PasswordPrompt::dropSudoCredentials();
    QVERIFY(prompt.runInstalledOptionsWriter(password + "x", sudoPrefix, prompt.args) != 0);
    QCOMPARE(cupstest::queueDefault(queue, "Option17"), QStringLiteral("None"));

    // The right one, quotes, "$", backquote and blanks included, reaches sudo
    // intact and the writer sets the defaults.
    PasswordPrompt::dropSudoCredentials();
    QCOMPARE(prompt.runInstalledOptionsWriter(password, sudoPrefix, prompt.args), 0);
    PasswordPrompt::dropSudoCredentials();
    QCOMPARE(cupstest::queueDefault(queue, "Option17"), QStringLiteral("Two"));
    QCOMPARE(cupstest::queueDefault(queue, "Option8"), QStringLiteral("True"));

    // The writer refuses what the description does not know.
    QVERIFY(prompt.runInstalledOptionsWriter(password, sudoPrefix, QStringLiteral("Option17=PF7 ")) != 0);
    PasswordPrompt::dropSudoCredentials();
    QCOMPARE(cupstest::queueDefault(queue, "Option17"), QStringLiteral("Two"));

    // A program no rule allows: sudo's refusal, not a wrong password.
    rootWriterPath = QStringLiteral("/bin/true");
    QCOMPARE(prompt.runInstalledOptionsWriter(password, sudoPrefix, prompt.args), PasswordPrompt::sudoRefusedStatus);
    QCOMPARE(prompt.runInstalledOptionsWriter(password + "x", sudoPrefix, prompt.args), 1);
    rootWriterPath = rootwritertest::writer();

    // Through the prompt itself: no box on success.
    prompt.args = QStringLiteral("Option17=One ");
    prompt.passwordEdit->setText(password);
    BoxCloser closer;
    prompt.okButtonSlot();
    QVERIFY(closer.texts.isEmpty());
    QCOMPARE(cupstest::queueDefault(queue, "Option17"), QStringLiteral("One"));

    cupstest::removeQueue(queue);
}

void TestPasswordPrompt::writerTrustsOnlyItsOwnSetup_data()
{
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<int>("status");
    QTest::newRow("its own file, hostile environment") << QString() << int(WriterDone);
    for (const char *name : {"unsafe-group.conf", "unsafe-world.conf", "unsafe-owner.conf", "unsafe-link.conf"})
        QTest::newRow(name) << QString::fromLatin1(name) << int(WriterUnsafeConfiguration);
}

void TestPasswordPrompt::writerTrustsOnlyItsOwnSetup()
{
    // The tests' build of the writer, run without root, may be handed another
    // configuration file and lpadmin; nothing else of its environment counts.
    QFETCH(QString, configuration);
    QFETCH(int, status);
    ROOTWRITER_REQUIRE();
    installStandIns();
    QVERIFY(writeScript(logs + "/lpadmin", "#!/bin/sh\nenv > '" + logs + "/lpadmin.env'\n"
                                           "printf '%s\\n' \"$@\" > '" + logs + "/lpadmin.args'\n"));
    const QString queue = cupstest::uniqueQueueName(QStringLiteral("WriterSetup"));
    QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    QVERIFY(QDir().mkpath(work.path() + "/hostile-tmp"));

    QProcessEnvironment hostile;
    hostile.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    hostile.insert(QStringLiteral("TMPDIR"), work.path() + "/hostile-tmp");
    hostile.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral("libordovan-hostile.so"));
    hostile.insert(QStringLiteral("ORDOVAN_TEST_WRITER_LPADMIN"), logs + "/lpadmin");
    if (!configuration.isEmpty())
        hostile.insert(QStringLiteral("ORDOVAN_TEST_WRITER_CONF"), rootwritertest::stateDir() + '/' + configuration);
    QProcess writer;
    writer.setProcessEnvironment(hostile);
    writer.start(QStringLiteral(ORDOVAN_TEST_WRITER), {queue, QStringLiteral("Option17=Two")});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), status);
    const QString seen = QString::fromUtf8(readFile(logs + "/lpadmin.env"));
    cupstest::removeQueue(queue);
    if (status != WriterDone) {
        QVERIFY(seen.isEmpty());
        return;
    }
    QVERIFY2(seen.contains("CUPS_SERVER=" ORDOVAN_TEST_CUPS_DIR "/cups.sock\n"), qPrintable(seen));
    QVERIFY2(!seen.contains("TMPDIR") && !seen.contains("LD_PRELOAD") && !seen.contains("ORDOVAN_TEST"),
             qPrintable(seen));
    QCOMPARE(readFile(logs + "/lpadmin.args"), "-p\n" + queue.toUtf8() + "\n-o\nOption17=Two\n");
}

void TestPasswordPrompt::failingLpadminIsShownAsSuch()
{
    // The writer's failure is its own, not a wrong password, and the panel
    // says which.
    ROOTWRITER_REQUIRE();
    installStandIns();
    QVERIFY(writeScript(logs + "/lpadmin", QStringLiteral("#!/bin/sh\nexit 1\n")));
    rootWriterPath = QStringLiteral(ORDOVAN_TEST_WRITER);
    const QString queue = cupstest::uniqueQueueName(QStringLiteral("WriterFails"));
    QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    store.setPrinterName(queue);
    PasswordPrompt prompt(nullptr, QStringLiteral("Option17=Two "));
    QCOMPARE(prompt.runInstalledOptionsWriter(trickyPassword, QString::fromLatin1(sudoMethodPrefix), prompt.args),
             int(WriterLpadminFailed));
    prompt.passwordEdit->setText(trickyPassword);
    BoxCloser closer;
    prompt.okButtonSlot();
    QCOMPARE(closer.texts, QStringList() << "Error|The installable options were not written: lpadmin failed.");
    QCOMPARE(cupstest::queueDefault(queue, "Option17"), QStringLiteral("None"));
    cupstest::removeQueue(queue);
}

QTEST_MAIN(TestPasswordPrompt)
#include "test_password_prompt.moc"
