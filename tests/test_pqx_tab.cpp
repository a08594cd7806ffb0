// The print-management tab in the main dialog, against the private CUPS
// server and an HTTPS server of the test's own.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
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
#include "tabs/general_tab.h"
#include "tabs/pqx_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

enum Endpoint { Trusted, Untrusted, ClosedPort, OtherHost };
const QString verifyAgain = "You must click Verify after making changes.";
const QString noServer = "Unable to connect to the server.";
// A failed login's box: the mark's text, then what failed.
QString failed(const QString &reason) { return "Unable to connect to the server.\n\n" + reason; }
const QString readme = "\nThe README's section \"The print-management server's certificate\" tells the administrator "
                       "how to make the system trust it.";
const QString refused = "Login failed. The user name or password you entered is incorrect.";
const QString authenticated = "Server and user credentials have been authenticated and policies have been applied."
                              "\n\nCredentials and policies will be checked again during printing.\n";
const QByteArray colourAndToner =
    R"({"Policies":{"JE.FullColorPrint":"ON","DR.TonsaveRestriction":"PV.On","DR.DuplexRestriction":"PV.Off"}})";

QString choiceOf(const QString &option)
{
    vOption *o = currentOptionSet->findOption(option);
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QString();
}

QString policies()
{
    return choiceOf("PQXColorMode") + ' ' + choiceOf("PQXTonsave") + ' ' + choiceOf("PQXDuplex");
}

bool blocked(const QString &option, const QString &choice)
{
    return currentOptionSet->findOption(option)->findChoice(choice)->hasConstraints();
}

} // namespace

class TestPqxTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { d.reset(); for (const QString &q : {pqxQueue, longQueue, vpslQueue, pageQueue}) cupstest::removeQueue(q); }
    void queues_data();
    void queues();
    void verify_data();
    void verify();
    void pendingReplies();
    void storedSettings();
    void basicTabFollowsPolicies();
    void germanCatalogue();
    void cipherUnavailable();

private:
    // A new dialog with the queue selected from the given stored settings
    // (none when empty); true when the queue is loaded.
    bool open(const QString &queue, const QByteArray &stored = QByteArray())
    {
        d.reset();
        resetProgramState();
        QFile::remove(users.filePath(queue + ".cfg"));
        QFile file(users.filePath(queue + ".cfg"));
        if (!stored.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(stored) != stored.size()))
            return false;
        file.close();
        d.reset(new VelDialog(nullptr));
        userDir = users.path() + '/';
        tab = d->pqxTab;
        return selectQueue(*d, queue) && currentOptionSet && currentOptionSet->printerName() == queue;
    }
    // Settings with the service on and a login of alice to port.
    static QByteArray storedLogin(quint16 port)
    {
        int length = 0;
        unsigned char *cipher = encipherCredential("secret", &length);
        const QByteArray hex = QByteArray(reinterpret_cast<char *>(cipher), length).toHex();
        free(cipher);
        return "PQX_enabled=ON\nPQX_server=127.0.0.1\nPQX_port=" + QByteArray::number(port)
            + "\nPQX_username=alice\nPQX_password=" + hex + '\n';
    }
    void click(int button) { tab->toggleGroup->buttonList().at(button)->click(); }
    void fill(const QStringList &values)
    {
        int i = 0;
        for (QLineEdit *edit : {tab->serverEdit, tab->portEdit, tab->userEdit, tab->passwordEdit})
            edit->setText(values.value(i++));
        d->setConstraints();
    }
    QString mark() const { return tab->toggleGroup->titleLabel()->toolTip(); }
    // The tab lets the dialog accept (other tabs may still hold it back).
    bool tabFree() const { return !tab->isConstrained() && mark().isEmpty(); }

    ModalWatchdog watchdog;
    tlstest::Certificates certs;
    QTemporaryDir home, users;
    QString pqxQueue, longQueue, vpslQueue, pageQueue;
    QScopedPointer<VelDialog> d;
    PQXTab *tab = nullptr;
};

void TestPqxTab::initTestCase()
{
    QVERIFY2(geteuid() != 0, "the dialog refuses root: run as the test user");
    initOrdovanResources();
    // The usual desktop font, at which the error mark is taller than a text line.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    QVERIFY(cupstest::usingPrivateServer() && home.isValid() && users.isValid());
    // The run without a usable cipher has a broken crypto set-up and no TLS.
    if (!qEnvironmentVariableIsSet("ORDOVAN_TEST_NO_CIPHER")) {
        QVERIFY2(QSslSocket::supportsSsl(), "the network library has no SSL support");
        QString error;
        QVERIFY2(certs.create(&error), qPrintable(error));
        tlstest::trustForDefault(certs.trusted);
    }
    qputenv("HOME", home.path().toUtf8());
    pqxQueue = cupstest::uniqueQueueName("PqxQueue");
    longQueue = cupstest::uniqueQueueName("PqxLong");
    vpslQueue = cupstest::uniqueQueueName("PqxVpsl");
    QVERIFY(cupstest::addQueue(pqxQueue, ORDOVAN_TEST_DATA "/builtin-pqx.ppd"));
    QVERIFY(cupstest::addQueue(longQueue, ORDOVAN_TEST_DATA "/velmora-wexa-c45.ppd"));
    QVERIFY(cupstest::addQueue(vpslQueue, ORDOVAN_TEST_DATA "/import-vpsl.ppd"));
    pageQueue = cupstest::uniqueQueueName("PqxPage");
    QVERIFY(cupstest::addQueue(pageQueue, ORDOVAN_TEST_DATA "/page-full.ppd"));
}

void TestPqxTab::queues_data()
{
    QTest::addColumn<int>("queue");
    QTest::addColumn<int>("passwordLength"); // 0: the tab is disabled
    QTest::newRow("short passwords") << 0 << 64;
    QTest::newRow("long passwords") << 1 << 256;
    QTest::newRow("VPSL filter") << 2 << 0;
}

void TestPqxTab::queues()
{
    QFETCH(int, queue);
    QFETCH(int, passwordLength);
    const QString name = QStringList{pqxQueue, longQueue, vpslQueue}.at(queue);
    QVERIFY(open(name));
    // The first selection stored the settings, with the service off.
    const QStringList stored = fileLines(users.filePath(name + ".cfg")).filter(QRegularExpression("^PQX_"));
    QCOMPARE(d->tabWidget->isTabEnabled(d->tabs.indexOf(tab)), passwordLength > 0);
    QCOMPARE(stored.size(), passwordLength > 0 ? 7 : 0);
    if (passwordLength == 0)
        return;
    QVERIFY(tabFree() && !tab->cancelRadio->isEnabled() && tab->continueRadio->isChecked());
    QVERIFY(stored.contains("PQX_enabled=OFF") && stored.contains("PQX_password="));

    const QSize unmarked = tab->toggleGroup->sizeHint();
    click(1);
    QCOMPARE(tab->portEdit->text(), QStringLiteral("9094"));
    QCOMPARE(mark(), QStringLiteral("Server, Port, and Login user information must be filled out."));
    QCOMPARE(tab->toggleGroup->sizeHint().height(), unmarked.height()); // the mark's room is kept
    QVERIFY(!tab->verifyButton->isEnabled() && !settingsValid && !d->saveAsButton->isEnabled());
    QTest::keyClicks(tab->passwordEdit, QString(300, 'p'));
    QCOMPARE(tab->passwordEdit->text().size(), passwordLength);
    // The radios follow the notify box.
    QVERIFY(tab->notifyBox->isChecked() && tab->cancelRadio->isEnabled());
    tab->cancelRadio->click();
    tab->notifyBox->click();
    QVERIFY(!tab->cancelRadio->isEnabled() && tab->continueRadio->isChecked());
    tab->notifyBox->click();
    QVERIFY(tab->cancelRadio->isEnabled());

    fill({"127.0.0.1", "9094", "alice", "secret"});
    QCOMPARE(mark(), verifyAgain);
    QVERIFY(tab->verifyButton->isEnabled() && !settingsValid && !d->saveAsButton->isEnabled());
    // Off frees the tab and lifts every policy.
    for (const char *policy : {"PQXColorMode", "PQXTonsave", "PQXDuplex"})
        currentOptionSet->markOptionChoice(policy, "On");
    click(0);
    QVERIFY(tabFree());
    QCOMPARE(policies(), QStringLiteral("Off Off Off"));
}

void TestPqxTab::verify_data()
{
    QTest::addColumn<int>("endpoint");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("expectedMark");
    QTest::addColumn<QString>("expected"); // the colour, toner-saving and duplex policies

    QTest::newRow("policies") << int(Trusted) << colourAndToner << authenticated << "" << "On On Off";
    QTest::newRow("angle brackets in values")
        << int(Trusted) << QByteArray(R"({"Policies":{"N":"<b>1 < 2","DR.TonsaveRestriction":"PV.On",)"
                                        R"("DR.DuplexRestriction":"PV.On","M":"3 > 2</b>"}})")
        << authenticated << "" << "Off On On";
    QTest::newRow("refused") << int(Trusted) << QByteArray("INVALID_USER_NAME_OR_PASSWORD") << refused << refused
                             << "Off Off Off";
    QTest::newRow("refused with policies")
        << int(Trusted) << QByteArray(R"({"Policies":{"JE.FullColorPrint":"ON"},"E":"INVALID_USER_NAME_OR_PASSWORD"})")
        << refused << refused << "Off Off Off";
    QTest::newRow("mono only") << int(Trusted) << QByteArray(R"({"Policies":{"JE.MonoPrint":"ON"}})")
                               << "You do not have permission to print." << "" << "Off Off Off";
    QTest::newRow("closed port") << int(ClosedPort) << QByteArray() << failed("Connection refused") << noServer
                                 << "Off Off Off";
    // A certificate the system does not trust is named as such.
    QTest::newRow("untrusted")
        << int(Untrusted) << QByteArray()
        << failed("The server's certificate is not trusted: The certificate is self-signed, and untrusted." + readme)
        << noServer << "Off Off Off";
    QTest::newRow("other host")
        << int(OtherHost) << QByteArray()
        << failed("The server's certificate names another host: The host name did not match any of the valid hosts "
                  "for this certificate." + readme)
        << noServer << "Off Off Off";
}

void TestPqxTab::verify()
{
    QFETCH(int, endpoint);
    QFETCH(QByteArray, body);
    QFETCH(QString, box);
    QFETCH(QString, expectedMark);
    QFETCH(QString, expected);
    const bool untrusted = endpoint == Untrusted, otherHost = endpoint == OtherHost;
    tlstest::Server server(untrusted ? certs.untrusted : otherHost ? certs.localhostOnly : certs.trusted,
                           untrusted ? certs.untrustedKey : otherHost ? certs.localhostOnlyKey : certs.trustedKey);
    QVERIFY(server.start());
    server.replies << tlstest::Reply::answer(200, body) << tlstest::Reply::answer(200, body);
    const quint16 port = server.serverPort();
    if (endpoint == ClosedPort)
        server.close();
    // Loading sends the stored login, then Verify the same values again.
    BoxCloser boxes;
    QVERIFY(open(pqxQueue, storedLogin(port)));
    QSignalSpy colour(tab, &PQXTab::colorchanged);
    QTRY_VERIFY(tab->replyReceived || !boxes.texts.isEmpty());
    // An automatic login shows a failure, never the authenticated text.
    const int automatic = boxes.texts.size();
    QCOMPARE(automatic, box == authenticated ? 0 : 1);
    tab->verifyButton->click();
    QTRY_COMPARE(boxes.texts.size(), automatic + 1);
    boxes.titles.removeDuplicates();
    boxes.texts.removeDuplicates();
    QCOMPARE(boxes.titles + boxes.texts, QStringList({"uLmera", box}));
    QCOMPARE(mark(), expectedMark);
    QCOMPARE(tabFree(), expectedMark.isEmpty());
    QCOMPARE(policies(), expected);
    const QStringList on = expected.split(' ');
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
    QCOMPARE(policies(), expected);
    QVERIFY(tabFree());
}

void TestPqxTab::pendingReplies()
{
    tlstest::Server server(certs.trusted, certs.trustedKey);
    QVERIFY(server.start());
    server.replies << tlstest::Reply::answer(200, colourAndToner, 800) << tlstest::Reply::answer(200, colourAndToner, 800);
    const QString port = QString::number(server.serverPort());
    QVERIFY(open(pqxQueue));
    click(1);
    fill({"127.0.0.1", port, "alice", "secret"});
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
    QVERIFY(tabFree());

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
    QVERIFY2(boxes.texts.last().startsWith(noServer + "\n\n"), qPrintable(boxes.texts.last()));
}

void TestPqxTab::storedSettings()
{
    tlstest::Server server(certs.trusted, certs.trustedKey);
    QVERIFY(server.start());
    server.replies << tlstest::Reply::answer(200, colourAndToner) << tlstest::Reply::answer(200, colourAndToner);
    const QString port = QString::number(server.serverPort());
    const QString password = QString::fromUtf8("pa\\ss \xc3\xa9");
    const QString path = users.filePath(pqxQueue + ".cfg");
    // A user whose locale is not UTF-8 stores the same bytes.
    QTextCodec *localCodec = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const auto restoreCodec = qScopeGuard([&] { QTextCodec::setCodecForLocale(localCodec); });
    QVERIFY(open(pqxQueue));
    click(1);
    fill({"127.0.0.1", port, "carol", password});
    {
        BoxCloser boxes;
        tab->verifyButton->click();
        QTRY_COMPARE(boxes.texts.size(), 1);
        d->slotButtonApply();
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
    QCOMPARE(QByteArray(plain), QByteArray("pa\\\\ss \xc3\xa9"));
    free(plain);
    // lpoptions keeps what it is given: nothing of this tab reached it.
    const QString defaults = fileLines(home.filePath(".cups/lpoptions")).join(' ');
    QVERIFY2(defaults.contains(pqxQueue) && !defaults.contains("PQX_") && !defaults.contains("carol")
                 && !defaults.contains(hex), qPrintable(defaults));

    // Loaded with the service on, the stored login goes out at once.
    const QByteArray file = fileLines(path).join('\n').toUtf8() + '\n';
    QVERIFY(open(pqxQueue, file));
    QCOMPARE(tab->passwordEdit->text(), password);
    QTRY_COMPARE(server.requests.size(), 2);
    QCOMPARE(server.requests[1].body, QByteArray("userID=carol&userPWD=pa\\ss \xc3\xa9"));
    QTRY_VERIFY(tabFree());
    // Only "ON" switches the service on.
    QVERIFY(open(pqxQueue, QByteArray(file).replace("PQX_enabled=ON", "PQX_enabled=on")));
    QCOMPARE(tab->toggleGroup->checkedIndex(), 0);
    QTest::qWait(300);
    QCOMPARE(server.requests.size(), 2);
}

void TestPqxTab::basicTabFollowsPolicies()
{
    tlstest::Server server(certs.trusted, certs.trustedKey);
    QVERIFY(server.start());
    server.fallback =
        tlstest::Reply::answer(200, R"({"Policies":{"JE.FullColorPrint":"ON","DR.DuplexRestriction":"PV.On"}})");
    QVERIFY(open(pageQueue, storedLogin(server.serverPort())));
    QTRY_VERIFY(tab->replyReceived);
    // Full colour and one-sided printing are out; the groups move off them.
    VelButtonGroup *colour = d->generalTab->colorModeGroup, *duplex = d->generalTab->duplexGroup;
    QVERIFY(tabFree() && !colour->buttonList()[0]->isEnabled() && !duplex->buttonList()[0]->isEnabled());
    QCOMPARE(colour->checkedIndex(), 1);
    QCOMPARE(duplex->checkedIndex(), 1);
    click(0);
    QVERIFY(colour->buttonList()[0]->isEnabled() && duplex->buttonList()[0]->isEnabled());
}

void TestPqxTab::germanCatalogue()
{
    QTranslator german;
    QVERIFY(german.load(":/strings/german"));
    QCoreApplication::installTranslator(&german);
    const bool loaded = open(pqxQueue);
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
    // Without a usable cipher no password is stored rather than one that
    // cannot be read back.
    int length = 0;
    unsigned char *probe = encipherCredential("x", &length);
    const bool cipherWorks = probe != nullptr;
    free(probe);
    QCOMPARE(cipherWorks, !qEnvironmentVariableIsSet("ORDOVAN_TEST_NO_CIPHER"));
    QVERIFY(open(pqxQueue));
    click(1);
    fill({"127.0.0.1", "9094", "dave", "secret"});
    const QHash<QString, QString> collected = tab->collectOptions();
    QVERIFY(collected.value("PQX_username") == "dave" && collected.contains("PQX_password") == cipherWorks);
}

QTEST_MAIN(TestPqxTab)
#include "test_pqx_tab.moc"
