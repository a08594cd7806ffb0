// Collecting every tab's settings for Apply and profiles, and the login
// client of the print-management server against an HTTPS server of the
// test's own on 127.0.0.1.

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "app/resources_init.h"
#include "app/vcurl.h"
#include "dialog_test_util.h"
#include "profiles/tab_list_ref.h"
#include "support/cups_test_util.h"
#include "support/tls_test_server.h"
#include "ui/tab.h"

namespace {

// A tab that reports "key=value" entries from collectOptions() and from
// extraOptions() (keys may repeat there), and whether it has options.
struct TabSpec
{
    QStringList options, extras;
    bool has = true;
};

class FakeTab : public Tab
{
public:
    FakeTab(QWidget *dialog, const TabSpec &spec) : Tab(dialog), spec(spec) {}
    void setTabName() override {}
    void buildWidgets() override {}
    bool hasOptions() override { return spec.has; }
    QHash<QString, QString> collectOptions() override { return map(spec.options); }
    QHash<QString, QString> extraOptions() override { return map(spec.extras); }

private:
    static QHash<QString, QString> map(const QStringList &entries)
    {
        QMultiHash<QString, QString> map;
        for (const QString &entry : entries)
            map.insert(entry.section('=', 0, 0), entry.section('=', 1));
        return map;
    }
    TabSpec spec;
};

// The map as "key=value", keys sorted, a key's entries in the order a
// reader walks them.
QStringList entries(const QMultiHash<QString, QString> &map)
{
    QStringList keys = map.uniqueKeys(), result;
    keys.sort();
    for (const QString &key : keys) {
        for (const QString &value : map.values(key))
            result << key + '=' + value;
    }
    return result;
}

enum Endpoint { Trusted, Untrusted, LocalhostOnly, ClosedPort };

} // namespace

Q_DECLARE_METATYPE(TabSpec)
Q_DECLARE_METATYPE(tlstest::Reply)

class TestCollectLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void collection_data();
    void collection();
    void printerTabLeftOut();
    void login_data();
    void login();

private:
    tlstest::Certificates certs;
};

void TestCollectLogin::initTestCase()
{
    initOrdovanResources();
    // Without TLS or openssl the client cannot be tested: that is a failure.
    QVERIFY2(QSslSocket::supportsSsl(), "the network library has no SSL support");
    QString error;
    QVERIFY2(certs.create(&error), qPrintable(error));
    tlstest::trustForDefault(certs.trusted);
    // The mismatched certificate is trusted and fails by its name alone.
    const auto errorsOf = [](const QSslCertificate &cert) {
        QList<QSslError::SslError> codes;
        for (const QSslError &e : QSslCertificate::verify({cert}, QStringLiteral("127.0.0.1")))
            codes << e.error();
        return codes;
    };
    QCOMPARE(errorsOf(certs.trusted), QList<QSslError::SslError>());
    QCOMPARE(errorsOf(certs.localhostOnly), QList<QSslError::SslError>{QSslError::HostNameMismatch});
    QVERIFY(!errorsOf(certs.untrusted).isEmpty());
}

void TestCollectLogin::collection_data()
{
    QTest::addColumn<QList<TabSpec>>("tabs");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("later tab wins") << QList<TabSpec>{{{"K=first", "L=1"}, {}}, {{"K=second"}, {}}}
                                    << QStringList{"K=second", "L=1"};
    QTest::newRow("option and extra") << QList<TabSpec>{{{"K=option"}, {}}, {{}, {"K=extra"}}}
                                      << QStringList{"K=extra", "K=option"};
    QTest::newRow("repeated extras") << QList<TabSpec>{{{}, {"S=a", "S=b"}}, {{"T=1"}, {"S=c"}}}
                                     << QStringList{"S=c", "S=a", "S=b", "T=1"};
    QTest::newRow("tab without options")
        << QList<TabSpec>{{{"K=1"}, {}}, {{"K=stale", "M=stale"}, {"X=stale"}, false}} << QStringList{"K=1"};
    QTest::newRow("no tabs") << QList<TabSpec>{} << QStringList{};
}

void TestCollectLogin::collection()
{
    QFETCH(QList<TabSpec>, tabs);
    QFETCH(QStringList, expected);
    QWidget dialog;
    QList<Tab *> list;
    for (const TabSpec &spec : tabs)
        list << new FakeTab(&dialog, spec);
    QCOMPARE(entries(collectTabOptions(TabListRef{&list})), expected);
    QVERIFY(collectTabOptions(TabListRef{}).isEmpty());
}

void TestCollectLogin::printerTabLeftOut()
{
    // The installable options reach the printer only through the privileged
    // writer, never through Apply's settings.
    QVERIFY2(geteuid() != 0, "the dialog refuses root: run as the test user");
    QVERIFY(cupstest::usingPrivateServer());
    const QString queue = cupstest::uniqueQueueName(QStringLiteral("CollectQueue"));
    QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    const auto removeQueue = qScopeGuard([&] { cupstest::removeQueue(queue); });
    QTemporaryDir users;
    dialogtest::resetProgramState();
    VelDialog dialog(nullptr);
    userDir = users.path() + '/';
    {
        dialogtest::BoxCloser boxes;
        QVERIFY(dialogtest::selectQueue(dialog, queue));
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('/')));
    }
    QVERIFY(dialog.printerTab->collectOptions().contains(QStringLiteral("Option17")));
    const QHash<QString, QString> collected = collectTabOptions(*dialog.tabListRef);
    QVERIFY(!collected.contains(QStringLiteral("Option17")));
    QVERIFY(!collected.contains(QStringLiteral("Option8")));
    dialogtest::resetProgramState();
}

void TestCollectLogin::login_data()
{
    QTest::addColumn<int>("endpoint");
    QTest::addColumn<tlstest::Reply>("reply");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("text"); // after the tag; for an error the error text, empty for any

    using tlstest::Reply;
    const QString utf8 = QString::fromUtf8("\"Policies\":{\"JE.FullColorPrint\":\"ON\"} \xc3\xa9");
    QTest::newRow("json") << int(Trusted) << Reply::answer(200, "{" + utf8.toUtf8() + "}") << 30000 << true
                          << "{" + utf8 + "}";
    QTest::newRow("two pieces") << int(Trusted) << Reply::inTwoWrites(200, "first half, second half") << 30000
                                << true << "first half, second half";
    QTest::newRow("empty body") << int(Trusted) << Reply::answer(200, "") << 30000 << true << "";
    QTest::newRow("NUL") << int(Trusted) << Reply::answer(200, QByteArray("INVALID\0rest", 12)) << 30000 << true
                         << "INVALID";
    QTest::newRow("late answer") << int(Trusted) << Reply::answer(200, "late", 700) << 500 << false
                                 << "Operation canceled";
    QTest::newRow("silent") << int(Trusted) << Reply::none() << 500 << false << "Operation canceled";
    QTest::newRow("status 500") << int(Trusted) << Reply::answer(500, "oops") << 30000 << false << "";
    QTest::newRow("untrusted") << int(Untrusted) << Reply() << 30000 << false << "";
    QTest::newRow("name mismatch") << int(LocalhostOnly) << Reply() << 30000 << false << "";
    QTest::newRow("closed port") << int(ClosedPort) << Reply() << 30000 << false << "";
}

void TestCollectLogin::login()
{
    QFETCH(int, endpoint);
    QFETCH(tlstest::Reply, reply);
    QFETCH(int, timeout);
    QFETCH(bool, success);
    QFETCH(QString, text);

    tlstest::Server server(endpoint == Untrusted ? certs.untrusted
                           : endpoint == LocalhostOnly ? certs.localhostOnly : certs.trusted,
                           endpoint == Untrusted ? certs.untrustedKey
                           : endpoint == LocalhostOnly ? certs.localhostOnlyKey : certs.trustedKey);
    QVERIFY(server.start());
    server.replies << reply;
    const QString base = server.base();
    if (endpoint == ClosedPort)
        server.close();

    vcurl client;
    QCOMPARE(client.transferTimeout(), 30000);
    client.setTransferTimeout(timeout);
    QSignalSpy messages(&client, &vcurl::messageReady);
    QSignalSpy errors(&client, &vcurl::errorReady);
    QElapsedTimer clock;
    clock.start();
    client.postLogin(QStringLiteral("127.0.0.1"), base.section(QLatin1Char(':'), -1), QStringLiteral("b ob"),
                     QString::fromUtf8("p&w=1+2%3#\xc3\xa9"));
    QTRY_VERIFY_WITH_TIMEOUT(messages.size() + errors.size() > 0, 10000);
    const qint64 elapsed = clock.elapsed();
    // Anything a request still had to say would come now.
    QTest::qWait(500);

    const QString tag = "<" + base + " b ob>";
    QCOMPARE(messages.size() + errors.size(), 1);
    QCOMPARE(messages.size(), success ? 1 : 0);
    const QString message = (success ? messages : errors).first().first().toString();
    QVERIFY2(message.startsWith(tag), qPrintable(message));
    if (success || !text.isEmpty())
        QCOMPARE(message.mid(tag.size()), text);
    else
        QVERIFY(message.size() > tag.size());
    if (timeout < 30000)
        QVERIFY2(elapsed >= timeout - 100 && elapsed < timeout + 3000, qPrintable(QString::number(elapsed)));

    // A certificate that fails the check gets nothing of the login.
    if (endpoint != Trusted) {
        QVERIFY(server.requests.isEmpty());
        return;
    }
    QCOMPARE(server.requests.size(), 1);
    const tlstest::Request &request = server.requests.first();
    QCOMPARE(request.line, QByteArray("POST /ws/user_manager/MobileAccess/MobileAccessRestService/loginPost HTTP/1.1"));
    QCOMPARE(request.header("Content-Type"), QByteArray("text/*"));
    QCOMPARE(request.header("charsets"), QByteArray("utf-8"));
    QCOMPARE(request.header("User-Agent"), QByteArray("ZRT"));
    QCOMPARE(request.body, QByteArray("userID=b ob&userPWD=p%26w%3D1%2B2%253%23\xc3\xa9"));
}

QTEST_MAIN(TestCollectLogin)
#include "test_collect_login.moc"
