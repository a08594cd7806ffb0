// The print-management tab in the main dialog, against the private CUPS
// server and an HTTPS server of the test's own: its marks, the login and the
// server's policies, replies that arrive after an edit, its stored settings
// and its German texts.

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

#include <cstdlib>
#include <unistd.h>

#include "app/credential_cipher.h"
#include "app/resources_init.h"
#include "app/vcurl.h"
#include "dialog_test_util.h"
#include "support/cups_test_util.h"
#include "support/tls_test_server.h"
#include "tabs/pqx_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

enum Endpoint { Trusted, Untrusted, ClosedPort };

const QString fillIn = QStringLiteral("Server, Port, and Login user information must be filled out.");
const QString verifyAgain = QStringLiteral("You must click Verify after making changes.");
const QString noServer = QStringLiteral("Unable to connect to the server.");
const QString refused = QStringLiteral("Login failed. The user name or password you entered is incorrect.");
const QString authenticated = QStringLiteral("Server and user credentials have been authenticated and policies have "
                                             "been applied.\n\nCredentials and policies will be checked again "
                                             "during printing.\n");
const QByteArray colourAndToner = R"({"Policies":{"JE.FullColorPrint":"ON","DR.TonsaveRestriction":"PV.On",)"
                                  R"("DR.DuplexRestriction":"PV.Off"}})";

QString choiceOf(const char *option)
{
    vOption *o = currentOptionSet ? currentOptionSet->findOption(QLatin1String(option)) : nullptr;
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QString();
}

QString policies()
{
    return choiceOf("PQXColorMode") + ' ' + choiceOf("PQXTonsave") + ' ' + choiceOf("PQXDuplex");
}

bool blocked(const char *option, const char *choice)
{
    return currentOptionSet->findOption(QLatin1String(option))->findChoice(QLatin1String(choice))->hasConstraints();
}

QStringList fileLines(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                          : QStringList();
}

} // namespace

class TestPqxTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void queues_data();
    void queues();
    void marks();
    void verify_data();
    void verify();
    void pendingReplies();
    void storedSettings();
    void germanCatalogue();
    void cipherUnavailable();

private:
    // A new dialog with the queue selected; its Quorix tab, or null.
    PQXTab *open(const QString &queue);
    void click(int button) { tab->toggleGroup->buttonList().at(button)->click(); }
    void fill(const QString &server, const QString &port, const QString &user, const QString &password);
    QString mark() const { return tab->toggleGroup->titleLabel()->toolTip(); }
    bool acceptable() const
    {
        return d->buttonBox->button(QDialogButtonBox::Ok)->isEnabled()
            && d->buttonBox->button(QDialogButtonBox::Apply)->isEnabled() && d->saveAsButton->isEnabled();
    }
    QString settingsPath(const QString &queue) const { return users.path() + '/' + queue + ".cfg"; }

    ModalWatchdog watchdog;
    tlstest::Certificates certs;
    QTemporaryDir home, users, bin;
    QString pqxQueue, longQueue, vpslQueue, argsLog;
    QScopedPointer<VelDialog> d;
    PQXTab *tab = nullptr;
};

void TestPqxTab::initTestCase()
{
    QVERIFY2(geteuid() != 0, "the dialog refuses root: run as the test user");
    initOrdovanResources();
    QVERIFY(cupstest::usingPrivateServer() && home.isValid() && users.isValid() && bin.isValid());
    // The run without a usable cipher needs no TLS (its library set-up is
    // broken on purpose).
    if (!qEnvironmentVariableIsSet("ORDOVAN_TEST_NO_CIPHER")) {
        QVERIFY2(QSslSocket::supportsSsl(), "the network library has no SSL support");
        QString error;
        QVERIFY2(certs.create(&error), qPrintable(error));
        tlstest::trustForDefault(certs.trusted);
    }
    qputenv("HOME", home.path().toUtf8());
    // lpoptions records its arguments on the way to the real one.
    const QString real = QStandardPaths::findExecutable(QStringLiteral("lpoptions"));
    QVERIFY(!real.isEmpty());
    argsLog = bin.filePath("lpoptions.args");
    QFile script(bin.filePath("lpoptions"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + argsLog.toUtf8() + "'\nexec '" + real.toUtf8() + "' \"$@\"\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("PATH", bin.path().toUtf8() + ':' + qgetenv("PATH"));
    pqxQueue = cupstest::uniqueQueueName(QStringLiteral("PqxQueue"));
    longQueue = cupstest::uniqueQueueName(QStringLiteral("PqxLong"));
    vpslQueue = cupstest::uniqueQueueName(QStringLiteral("PqxVpsl"));
    QVERIFY(cupstest::addQueue(pqxQueue, QStringLiteral(ORDOVAN_TEST_DATA "/builtin-pqx.ppd")));
    QVERIFY(cupstest::addQueue(longQueue, QStringLiteral(ORDOVAN_TEST_DATA "/velmora-wexa-c45.ppd")));
    QVERIFY(cupstest::addQueue(vpslQueue, QStringLiteral(ORDOVAN_TEST_DATA "/import-vpsl.ppd")));
}

void TestPqxTab::cleanupTestCase()
{
    d.reset();
    for (const QString &queue : {pqxQueue, longQueue, vpslQueue})
        cupstest::removeQueue(queue);
}

PQXTab *TestPqxTab::open(const QString &queue)
{
    d.reset();
    resetProgramState();
    d.reset(new VelDialog(nullptr));
    userDir = users.path() + '/';
    tab = d->pqxTab;
    return selectQueue(*d, queue) && currentOptionSet && currentOptionSet->printerName() == queue ? tab : nullptr;
}

void TestPqxTab::fill(const QString &server, const QString &port, const QString &user, const QString &password)
{
    const QList<QPair<QLineEdit *, QString>> fields{
        {tab->serverEdit, server}, {tab->portEdit, port}, {tab->userEdit, user}, {tab->passwordEdit, password}};
    for (const auto &field : fields) {
        field.first->clear();
        for (const QChar c : field.second) // typed, also what no key names
            QTest::sendKeyEvent(QTest::Click, field.first, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(field.first->text(), field.second);
    }
}

void TestPqxTab::queues_data()
{
    QTest::addColumn<QString>("queue");
    QTest::addColumn<int>("passwordLength"); // 0: the tab is disabled
    QTest::newRow("short passwords") << "pqx" << 64;
    QTest::newRow("long passwords") << "long" << 256;
    QTest::newRow("VPSL filter") << "vpsl" << 0;
}

void TestPqxTab::queues()
{
    QFETCH(QString, queue);
    QFETCH(int, passwordLength);
    queue = queue == "pqx" ? pqxQueue : queue == "long" ? longQueue : vpslQueue;
    QFile::remove(settingsPath(queue));
    QVERIFY(open(queue));
    // The first selection stored the settings, with the service off.
    const QStringList lines = fileLines(settingsPath(queue));
    QCOMPARE(d->tabWidget->isTabEnabled(d->tabs.indexOf(tab)), passwordLength > 0);
    QCOMPARE(lines.filter(QRegularExpression("^PQX_")).size(), passwordLength > 0 ? 7 : 0);
    if (passwordLength == 0)
        return;
    QVERIFY(lines.contains("PQX_enabled=OFF") && lines.contains("PQX_password="));
    click(1);
    QTest::keyClicks(tab->passwordEdit, QString(300, 'p'));
    QCOMPARE(tab->passwordEdit->text().size(), passwordLength);
}

void TestPqxTab::marks()
{
    QFile::remove(settingsPath(pqxQueue));
    QVERIFY(open(pqxQueue));
    QVERIFY(acceptable() && mark().isEmpty());
    QVERIFY(!tab->cancelRadio->isEnabled() && tab->continueRadio->isChecked());

    click(1);
    QCOMPARE(tab->portEdit->text(), QStringLiteral("9094"));
    QCOMPARE(mark(), fillIn);
    QVERIFY(!tab->verifyButton->isEnabled() && !acceptable());
    // The radios follow the notify box.
    QVERIFY(tab->notifyBox->isChecked() && tab->cancelRadio->isEnabled());
    tab->cancelRadio->click();
    tab->notifyBox->click();
    QVERIFY(!tab->cancelRadio->isEnabled() && tab->continueRadio->isChecked());
    tab->notifyBox->click();
    QVERIFY(tab->cancelRadio->isEnabled());

    fill("127.0.0.1", "9094", "alice", "secret");
    QCOMPARE(mark(), verifyAgain);
    QVERIFY(tab->verifyButton->isEnabled() && !acceptable());

    // Off frees the tab and lifts every policy.
    for (const char *policy : {"PQXColorMode", "PQXTonsave", "PQXDuplex"})
        currentOptionSet->markOptionChoice(policy, "On");
    click(0);
    QVERIFY(acceptable() && mark().isEmpty());
    QCOMPARE(policies(), QStringLiteral("Off Off Off"));
}

void TestPqxTab::verify_data()
{
    QTest::addColumn<int>("endpoint");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expectedMark");
    QTest::addColumn<QString>("expectedPolicies"); // colour, toner saving, duplex

    QTest::newRow("policies") << int(Trusted) << colourAndToner << authenticated << "" << "On On Off";
    QTest::newRow("angle brackets in values")
        << int(Trusted)
        << QByteArray(R"({"Policies":{"Note":"<b>1 < 2","DR.TonsaveRestriction":"PV.On","Other":"3 > 2</b>"}})")
        << authenticated << "" << "Off On Off";
    QTest::newRow("refused") << int(Trusted) << QByteArray("INVALID_USER_NAME_OR_PASSWORD") << refused << refused
                             << "Off Off Off";
    QTest::newRow("refused with policies")
        << int(Trusted) << QByteArray(R"({"Policies":{"JE.FullColorPrint":"ON"},"Error":"INVALID_USER_NAME_OR_PASSWORD"})")
        << refused << refused << "Off Off Off";
    QTest::newRow("mono only") << int(Trusted) << QByteArray(R"({"Policies":{"JE.MonoPrint":"ON"}})")
                               << "You do not have permission to print." << "" << "Off Off Off";
    QTest::newRow("closed port") << int(ClosedPort) << QByteArray() << noServer << noServer << "Off Off Off";
    QTest::newRow("untrusted") << int(Untrusted) << QByteArray() << noServer << noServer << "Off Off Off";
}

void TestPqxTab::verify()
{
    QFETCH(int, endpoint);
    QFETCH(QByteArray, body);
    QFETCH(QString, box);
    QFETCH(QString, expectedMark);
    QFETCH(QString, expectedPolicies);

    tlstest::Server server(endpoint == Untrusted ? certs.untrusted : certs.trusted,
                           endpoint == Untrusted ? certs.untrustedKey : certs.trustedKey);
    QVERIFY(server.start());
    server.replies << tlstest::Reply::answer(200, body) << tlstest::Reply::answer(200, body);
    const QString port = QString::number(server.serverPort());
    if (endpoint == ClosedPort)
        server.close();
    // A stored login with the service on: loading sends it, then Verify
    // sends the same values again.
    int length = 0;
    unsigned char *cipher = encipherCredential("secret", &length);
    QVERIFY(cipher);
    const QByteArray hex = QByteArray(reinterpret_cast<char *>(cipher), length).toHex();
    free(cipher);
    QFile file(settingsPath(pqxQueue));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("PQX_enabled=ON\nPQX_notify=ON\nPQX_blocking=OFF\nPQX_server=127.0.0.1\nPQX_port=" + port.toUtf8()
               + "\nPQX_username=alice\nPQX_password=" + hex + '\n');
    file.close();
    BoxCloser boxes;
    QVERIFY(open(pqxQueue));
    QSignalSpy colour(tab, &PQXTab::colorchanged);
    QTRY_VERIFY(tab->replyReceived || !boxes.texts.isEmpty());
    // An automatic login shows a failure, never the authenticated text.
    const int automatic = boxes.texts.size();
    QCOMPARE(automatic, box == authenticated ? 0 : 1);
    tab->verifyButton->click();
    QTRY_COMPARE(boxes.texts.size(), automatic + 1);
    boxes.titles.removeDuplicates();
    boxes.texts.removeDuplicates();
    QCOMPARE(boxes.titles, QStringList{"uLmera"});
    QCOMPARE(boxes.texts, QStringList{box});
    QCOMPARE(mark(), expectedMark);
    QCOMPARE(acceptable(), expectedMark.isEmpty());
    QCOMPARE(policies(), expectedPolicies);
    const QStringList on = expectedPolicies.split(' ');
    QCOMPARE(colour.size(), on[0] == "On" ? 2 : 0);
    QCOMPARE(blocked("ColorModel", "CMYK") && blocked("ColorModel", "RGB"), on[0] == "On");
    QCOMPARE(blocked("Tnsv", "Off"), on[1] == "On");
    QCOMPARE(blocked("Duplex", "None"), on[2] == "On");
    if (!expectedMark.isEmpty())
        return;
    // Switching off and on again puts the server's policies back.
    click(0);
    QCOMPARE(policies(), QStringLiteral("Off Off Off"));
    click(1);
    QCOMPARE(policies(), expectedPolicies);
    QVERIFY(acceptable() && mark().isEmpty());
}

void TestPqxTab::pendingReplies()
{
    tlstest::Server server(certs.trusted, certs.trustedKey);
    QVERIFY(server.start());
    server.replies << tlstest::Reply::answer(200, colourAndToner, 800) << tlstest::Reply::answer(200, colourAndToner, 800);
    const QString port = QString::number(server.serverPort());
    QFile::remove(settingsPath(pqxQueue));
    QVERIFY(open(pqxQueue));
    click(1);
    fill("127.0.0.1", port, "alice", "secret");
    BoxCloser boxes;

    // The server changed before the reply came: nothing of it counts.
    tab->verifyButton->click();
    QTest::keyClick(tab->serverEdit, 'x');
    QTRY_COMPARE(server.requests.size(), 1);
    QTest::qWait(1500);
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(mark(), verifyAgain);
    QCOMPARE(policies(), QStringLiteral("Off Off Off"));

    // The password changed meanwhile: the one sent is the one verified.
    QTest::keyClick(tab->serverEdit, Qt::Key_Backspace);
    tab->verifyButton->click();
    QTest::keyClick(tab->passwordEdit, '2');
    QTRY_COMPARE(boxes.texts, QStringList{authenticated});
    QCOMPARE(mark(), verifyAgain);
    QTest::keyClick(tab->passwordEdit, Qt::Key_Backspace);
    QVERIFY(acceptable() && mark().isEmpty());

    // A server with ":" in it still recognises its own outcome.
    tab->loginClient->setTransferTimeout(3000);
    tab->serverEdit->setText("[::1]");
    tab->verify();
    const QString message = "<https://[::1]:" + port + " alice>x";
    QVERIFY(!tab->isStaleReply(message));
    tab->userEdit->setText("bob");
    QVERIFY(tab->isStaleReply(message));
    tab->userEdit->setText("alice");
    QTRY_COMPARE(boxes.texts.size(), 2);
    QCOMPARE(boxes.texts.last(), noServer);
}

void TestPqxTab::storedSettings()
{
    tlstest::Server server(certs.trusted, certs.trustedKey);
    QVERIFY(server.start());
    server.replies << tlstest::Reply::answer(200, colourAndToner) << tlstest::Reply::answer(200, colourAndToner);
    const QString port = QString::number(server.serverPort());
    const QString password = QString::fromUtf8("pa\\ss \xc3\xa9");
    const QString path = settingsPath(pqxQueue);
    QFile::remove(path);
    // A user whose locale is not UTF-8 stores the same bytes.
    QTextCodec *localCodec = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const auto restoreCodec = qScopeGuard([&] { QTextCodec::setCodecForLocale(localCodec); });
    QVERIFY(open(pqxQueue));
    click(1);
    fill("127.0.0.1", port, "carol", password);
    {
        BoxCloser boxes;
        tab->verifyButton->click();
        QTRY_COMPARE(boxes.texts.size(), 1);
        QFile::remove(argsLog);
        d->buttonBox->button(QDialogButtonBox::Apply)->click();
        QCOMPARE(boxes.texts.last(), QStringLiteral("Settings applied."));
    }
    QStringList stored = fileLines(path).filter(QRegularExpression("^PQX_"));
    stored.sort();
    QCOMPARE(stored.size(), 7);
    const QString hex = stored.takeAt(3).section('=', 1);
    QCOMPARE(stored, QStringList({"PQX_blocking=OFF", "PQX_enabled=ON", "PQX_notify=ON", "PQX_port=" + port,
                                  "PQX_server=127.0.0.1", "PQX_username=carol"}));
    // Backslashes doubled, UTF-8, enciphered with its terminating zero.
    char *plain = decipherCredential(hex.toLatin1().constData(), hex.size() / 2);
    QVERIFY(plain);
    QCOMPARE(QByteArray(plain), QByteArray("pa\\\\ss \xc3\xa9"));
    free(plain);
    const QString args = fileLines(argsLog).join(' ');
    QVERIFY2(args.contains(pqxQueue), qPrintable(args));
    QVERIFY(!args.contains("PQX_") && !args.contains("carol") && !args.contains(hex));

    // Loaded with the service on, the stored login goes out at once.
    QVERIFY(open(pqxQueue));
    QCOMPARE(tab->passwordEdit->text(), password);
    QTRY_COMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests[1].body, QByteArray("userID=carol&userPWD=pa\\ss \xc3\xa9"));
    QTRY_VERIFY(acceptable() && mark().isEmpty());

    // Only "ON" switches the service on.
    QStringList lines = fileLines(path).replaceInStrings(QRegularExpression("^PQX_enabled=ON$"), "PQX_enabled=on");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join('\n').toUtf8() + '\n');
    file.close();
    QVERIFY(open(pqxQueue));
    QCOMPARE(tab->toggleGroup->checkedIndex(), 0);
    QTest::qWait(300);
    QCOMPARE(server.requests.size(), 2);
}

void TestPqxTab::germanCatalogue()
{
    QFile::remove(settingsPath(pqxQueue));
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/strings/german")));
    QCoreApplication::installTranslator(&german);
    PQXTab *loaded = open(pqxQueue);
    QCoreApplication::removeTranslator(&german);
    QVERIFY(loaded);
    QCOMPARE(QStringList({tab->serverLabel->text(), tab->portLabel->text(), tab->userLabel->text(),
                          tab->passwordLabel->text(), tab->verifyButton->text()}),
             QStringList({"Server:", "Port:", "Anmeldename:", "Passwort:", QString::fromUtf8("Überprüfen")}));
    // The buttons carry the store's translated choice texts.
    QCOMPARE(tab->toggleGroup->buttonNames(), QStringList({"Aus", "An"}));
    click(1);
    QCOMPARE(choiceOf("PQXToggle"), QStringLiteral("On"));
}

void TestPqxTab::cipherUnavailable()
{
    // Without a usable cipher (a library set-up that offers none) no
    // password is stored rather than one that cannot be read back.
    int length = 0;
    unsigned char *probe = encipherCredential("x", &length);
    const bool cipherWorks = probe != nullptr;
    free(probe);
    QCOMPARE(cipherWorks, !qEnvironmentVariableIsSet("ORDOVAN_TEST_NO_CIPHER"));
    QFile::remove(settingsPath(pqxQueue));
    QVERIFY(open(pqxQueue));
    click(1);
    fill("127.0.0.1", "9094", "dave", "secret");
    const QHash<QString, QString> collected = tab->collectOptions();
    QCOMPARE(collected.value("PQX_username"), QStringLiteral("dave"));
    QCOMPARE(collected.contains("PQX_password"), cipherWorks);
}

QTEST_MAIN(TestPqxTab)
#include "test_pqx_tab.moc"
