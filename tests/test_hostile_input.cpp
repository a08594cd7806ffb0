// What a hostile print-management server, printer description, second
// local user or name can make of the panel.

#include <QClipboard>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/app_settings_sync.h"
#include "app/resources_init.h"
#include "app/settings_files.h"
#include "app/vcurl.h"
#include "dialog_test_util.h"
#include "profiles/profile_edit_dialog.h"
#include "support/cups_test_util.h"
#include "support/tls_test_server.h"
#include "tabs/pqx_tab.h"
#include "tabs/general_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

// Counts the opens of one file (inotify; its closes are watched too, or
// the opens that follow each other would count as one).
class OpenWatch
{
public:
    explicit OpenWatch(const QString &path) : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd, QFile::encodeName(path).constData(), IN_OPEN | IN_CLOSE);
    }
    ~OpenWatch() { ::close(fd); }
    int opens()
    {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
            for (char *p = buffer; p < buffer + got; p += sizeof(inotify_event) + reinterpret_cast<inotify_event *>(p)->len)
                count += (reinterpret_cast<inotify_event *>(p)->mask & IN_OPEN) != 0;
        }
        return count;
    }

private:
    int fd, count = 0;
};

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QByteArray text = status.readAll();
    return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLongLong();
}

QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &data)
{
    QFile file((QDir().mkpath(QFileInfo(path).path()), path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

int modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) ? -1 : int(info.st_mode & 07777);
}

// Answers the next message box with the button of that text and records
// the box's text.
void answerBox(const QString &button, QString *text)
{
    onNextModal(50, [button, text](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        *text = box->text();
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == button)
                b->click();
        }
    });
}

} // namespace

Q_DECLARE_METATYPE(tlstest::Reply)

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(geteuid() != 0, "the dialog refuses root: run as the test user");
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer() && work.isValid() && users.isValid() && trapDir.isValid());
        QVERIFY2(QSslSocket::supportsSsl(), "the network library has no SSL support");
        QString error;
        QVERIFY2(certs.create(&error), qPrintable(error));
        tlstest::trustForDefault(certs.trusted);
        qputenv("XDG_CONFIG_HOME", work.filePath("xdg").toUtf8());
        // A description whose paper-type text names a picture to load.
        trap = trapDir.filePath("t.png");
        QVERIFY(put(trap, QByteArray(64, 'x')));
        QByteArray ppd = bytes(ORDOVAN_TEST_DATA "/page-full.ppd");
        QVERIFY(ppd.contains("*OpenUI *MediaType/Paper Type:"));
        ppd.replace("*OpenUI *MediaType/Paper Type:", "*OpenUI *MediaType/<img src=\"" + trap.toUtf8() + "\">:");
        QVERIFY(put(work.filePath("img.ppd"), ppd));
        queue = cupstest::uniqueQueueName(QStringLiteral("Hostile"));
        QVERIFY(cupstest::addQueue(queue, work.filePath("img.ppd")));
    }

    void loginBounds_data()
    {
        QTest::addColumn<tlstest::Reply>("reply");
        QTest::addColumn<QString>("failure"); // empty: the reply is taken
        QTest::addColumn<int>("atLeastMs");
        using tlstest::Reply;
        const QString tooLarge = "The server's reply is larger than 64 KiB.";
        QTest::newRow("64 KiB") << Reply::answer(200, QByteArray(64 * 1024, 'y')) << QString() << 0;
        QTest::newRow("1 MB") << Reply::answer(200, QByteArray(1 << 20, 'y')) << tooLarge << 0;
        QTest::newRow("1 MB announced, sent slowly") << Reply::stream(1 << 20, 1, 200) << tooLarge << 0;
        QTest::newRow("endless") << Reply::stream(-1, 64 * 1024, 1) << tooLarge << 0;
        QTest::newRow("a byte every 300 ms")
            << Reply::stream(-1, 1, 300) << "The server did not complete the login within 2 seconds." << 1900;
    }

    void loginBounds()
    {
        QFETCH(tlstest::Reply, reply);
        QFETCH(QString, failure);
        QFETCH(int, atLeastMs);
        tlstest::Server server(certs.trusted, certs.trustedKey);
        QVERIFY(server.start());
        server.replies << reply;
        vcurl client;
        QCOMPARE(client.requestDeadline(), 30000);
        client.setTransferTimeout(1000);
        client.setRequestDeadline(2000);
        QSignalSpy messages(&client, &vcurl::messageReady), errors(&client, &vcurl::errorReady);
        const qint64 before = residentKiB();
        QElapsedTimer clock;
        clock.start();
        client.postLogin("127.0.0.1", QString::number(server.serverPort()), "u", "p");
        QTRY_VERIFY_WITH_TIMEOUT(messages.size() + errors.size() > 0, 8000);
        const qint64 elapsed = clock.elapsed();
        QTest::qWait(300);
        QCOMPARE(messages.size() + errors.size(), 1);
        const QString tag = "<https://127.0.0.1:" + QString::number(server.serverPort()) + " u>";
        if (failure.isEmpty())
            QCOMPARE(messages.first().first().toString(), tag + QString(64 * 1024, 'y'));
        else
            QCOMPARE(errors.first().first().toString(), tag + failure);
        QVERIFY2(elapsed >= atLeastMs && elapsed < qMax(atLeastMs, 1000) + 1500, qPrintable(QString::number(elapsed)));
        QVERIFY2(residentKiB() - before < 32 * 1024, qPrintable(QString::number(residentKiB() - before)));
    }

    void serverField_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("url"); // empty: refused
        const QString path = ":9094/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";
        QTest::newRow("port") << "127.0.0.1:18443" << "";
        QTest::newRow("path") << "127.0.0.1/x" << "";
        QTest::newRow("user part") << "a@127.0.0.1" << "";
        QTest::newRow("fragment") << "127.0.0.1#" << "";
        QTest::newRow("query") << "127.0.0.1?" << "";
        QTest::newRow("blank") << "print server" << "";
        QTest::newRow("host name") << "print-1.example" << "https://print-1.example" + path;
        QTest::newRow("IPv4") << "127.0.0.1" << "https://127.0.0.1" + path;
        QTest::newRow("IPv6") << "::1" << "https://[::1]" + path;
        QTest::newRow("IPv6 in brackets") << "[::1]" << "https://[::1]" + path;
    }

    void serverField()
    {
        QFETCH(QString, server);
        QFETCH(QString, url);
        QCOMPARE(vcurl::loginUrl(server, "9094").toString(), url);
        QCOMPARE(vcurl::isServerName(server), !url.isEmpty());
        if (QTest::currentDataTag() != QLatin1String("port"))
            return;
        // A stored server that carries a port of its own: nothing is sent, the
        // tab says why and Verify stays off.
        tlstest::Server https(certs.trusted, certs.trustedKey);
        QVERIFY(https.start());
        QVERIFY(open("PQX_enabled=ON\nPQX_server=127.0.0.1:" + QByteArray::number(https.serverPort())
                     + "/x?\nPQX_port=1\nPQX_username=a\n"));
        d->pqxTab->passwordEdit->setText("secret");
        d->setConstraints();
        QTest::qWait(500);
        QVERIFY(https.requests.isEmpty());
        QCOMPARE(d->pqxTab->toggleGroup->titleLabel()->toolTip(),
                 "Enter a host name or an IP address as server, without a port or anything else.");
        QVERIFY(!d->pqxTab->verifyButton->isEnabled());
        // Typing refuses what cannot be part of a host.
        d->pqxTab->serverEdit->clear();
        QTest::keyClicks(d->pqxTab->serverEdit, "a@b/c?d#e f");
        QCOMPARE(d->pqxTab->serverEdit->text(), QStringLiteral("abcdef"));
    }

    void printerTextsArePlain()
    {
        OpenWatch watch(trap);
        // The settings file is read once for the whole selection.
        QVERIFY(open("MediaType=Plain\n"));
        QVERIFY2(settingsOpens <= 2, qPrintable(QString::number(settingsOpens)));
        auto *label = findByAccessibleName<QLabel>(d.data(), "lblMediaType");
        QVERIFY(label);
        const QString text = "<img src=\"" + trap + "\">:";
        d->show();
        d->tabWidget->setCurrentWidget(d->generalTab);
        // As loaded, with the constraint mark, and without it again.
        for (int step = 0; step < 3; ++step) {
            const bool marked = step == 1;
            if (step > 0)
                markLabelText(label, marked);
            label->grab();
            QCOMPARE(labelPlainText(label), text);
            QCOMPARE(label->textFormat() == Qt::PlainText, !marked);
            QCOMPARE(label->text().startsWith("&lt;img"), marked);
        }
        QCOMPARE(watch.opens(), 0);
        d->hide();
    }

    void sharedDirectoryTaken_data()
    {
        QTest::addColumn<QString>("shared");
        QTest::addColumn<QString>("problem"); // empty: the shared directory is used
        QTest::newRow("own") << "own" << "";
        QTest::newRow("missing") << "missing" << "";
        QTest::newRow("writable by all") << "open" << "other users may write to it";
        QTest::newRow("a link") << "link" << "it is a symbolic link";
    }

    void sharedDirectoryTaken()
    {
        QFETCH(QString, shared);
        QFETCH(QString, problem);
        d.reset();
        QTemporaryDir base;
        const QString dir = base.filePath("me");
        const QString fallback = work.filePath("xdg/ordovan");
        QDir(fallback).removeRecursively();
        if (shared == "own" || shared == "open")
            QVERIFY(QDir().mkdir(dir) && ::chmod(QFile::encodeName(dir).constData(), shared == "own" ? 0700 : 0777) == 0);
        if (shared == "link")
            QVERIFY(QDir().mkdir(base.filePath("elsewhere")) && QFile::link(base.filePath("elsewhere"), dir));
        // The dialog installs the settings files' box: build one, so that
        // the case sees the box also when it runs alone.
        d.reset(new VelDialog(nullptr));
        d.reset();
        currentOptionSet = nullptr;
        {
            BoxCloser boxes;
            userDir = chooseUserDir(dir + '/');
            QTest::qWait(200);
            QCOMPARE(userDir, problem.isEmpty() ? dir + '/' : fallback + '/');
            QCOMPARE(boxes.texts.size(), problem.isEmpty() ? 0 : 1);
            if (!problem.isEmpty())
                QCOMPARE(boxes.texts.first(), "The settings directory " + dir + " cannot be used: " + problem
                                                  + ".\nYour settings and profiles are saved in " + fallback + " instead.");
        }
        QCOMPARE(QFileInfo::exists(fallback), !problem.isEmpty());
        // The settings are saved where the panel says and read back from there.
        QVERIFY(writeSettingsFile(userDir + "Q.cfg", {{"A", "1"}}, true));
        settingsSource = userDir + "Q.cfg";
        QCOMPARE(readSettingValue("A"), QStringLiteral("1"));
        QCOMPARE(modeOf(userDir), 0700);
        if (!problem.isEmpty())
            QVERIFY(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        settingsSource.clear();
    }

    void profilesAndQueueFiles()
    {
        // A queue added after a profile of its name: the profile is not read
        // as the queue's settings, not resynchronised, and not overwritten.
        const QByteArray profile = "[Profile]\n[Wexa Page Full]\nProfileDescription=mine\nMediaType=Transparency\n";
        {
            BoxCloser boxes;
            QVERIFY(open(profile));
            QCOMPARE(settingsSource, userDir);
            d->slotButtonApply();
            QTRY_COMPARE(boxes.texts.size(), 1);
            QCOMPARE(boxes.texts.first(), "Error: The settings file could not be written: a profile named " + queue
                                              + " stands in its place. Give the profile another name to keep this "
                                                "queue's settings.");
            d->reject();
        }
        QCOMPARE(bytes(cfg(queue)), profile);

        // Renaming onto another profile asks first.
        QVERIFY(put(cfg("a"), "[Profile]\n[M]\nProfileDescription=\nA=1\n") && put(cfg("b"), "[Profile]\n[M]\nB=2\n"));
        ProfileEditDialog edit(nullptr);
        edit.setProfile("a", QString());
        edit.nameEdit->setText("b");
        QString asked;
        answerBox("Cancel", &asked);
        edit.editProfile();
        QCOMPARE(asked, QStringLiteral("A profile named b already exists. Replace it?"));
        QVERIFY(QFile::exists(cfg("a")) && bytes(cfg("b")) == "[Profile]\n[M]\nB=2\n");
        answerBox("Replace", &asked);
        edit.editProfile();
        QVERIFY(!QFile::exists(cfg("a")));
        QCOMPARE(bytes(cfg("b")), QByteArray("[Profile]\n[M]\nProfileDescription=\nA=1\n"));

        // A paste of 1 MB into the description is cut at once to the bound,
        // and typing adds nothing beyond it.
        QApplication::clipboard()->setText(QString(1 << 20, 'p'));
        QElapsedTimer clock;
        clock.start();
        edit.descriptionEdit->paste();
        QTest::keyClick(edit.descriptionEdit, 'z');
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(edit.descriptionEdit->toPlainText(), QString(1024, 'p'));
    }

    void registryNeverCut()
    {
        const QString registry = work.filePath("home/.config/libreoffice/4/user/registrymodifications.xcu");
        const QByteArray old = "<item><prop oor:name=\"Collate\"><value>true</value></prop></item>\n"
            + QByteArray(8192, ' ') + "\n";
        QVERIFY(put(registry, old) && ::chmod(QFile::encodeName(registry).constData(), 0640) == 0);
        PrintSettingsSync sync;
        // A write that fails part-way (the file size limit stands in for a full
        // disk): the registry stays whole and no temporary is left.
        struct rlimit limit;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
        const struct rlimit small = {4096, limit.rlim_max};
        ::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        sync.disableCollateInRegistry(registry);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        QCOMPARE(sync.failures().size(), 1);
        QCOMPARE(bytes(registry), old);
        QVERIFY(!QFile::exists(registry + ".tmp"));
        // Written whole, it keeps the registry's mode.
        sync.disableCollateInRegistry(registry);
        QCOMPARE(sync.failures().size(), 1);
        QVERIFY(bytes(registry).startsWith("<item><prop oor:name=\"Collate\"><value>false</value>"));
        QCOMPARE(modeOf(registry), 0640);
    }

    void cleanupTestCase() { d.reset(), cupstest::removeQueue(queue); }

private:
    // A new dialog with the test queue selected; stored: its settings file.
    bool open(const QByteArray &stored = QByteArray())
    {
        d.reset();
        resetProgramState();
        QFile::remove(cfg(queue));
        if (!stored.isEmpty() && !put(cfg(queue), stored))
            return false;
        d.reset(new VelDialog(nullptr));
        userDir = users.path() + '/';
        OpenWatch watch(cfg(queue));
        const bool selected = selectQueue(*d, queue) && currentOptionSet;
        settingsOpens = watch.opens();
        return selected;
    }
    QString cfg(const QString &name) const { return users.filePath(name + ".cfg"); }

    ModalWatchdog watchdog;
    tlstest::Certificates certs;
    QTemporaryDir work, users, trapDir{QStringLiteral("/tmp/ordovan-XXXXXX")};
    QString queue, trap;
    QScopedPointer<VelDialog> d;
    int settingsOpens = 0;
};

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"
