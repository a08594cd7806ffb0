// The per-user files, other applications' files and the root road, tried as
// a hostile second local user would: a squatted settings directory, the modes
// of everything written under a permissive umask, the office registry's
// temporary copy, and the programs and environment of the root road.

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include "app/app_settings_sync.h"
#include "app/password_prompt.h"
#include "app/program_state.h"
#include "app/resources_init.h"
#include "app/settings_files.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "root_writer_status.h"
#include "support/cups_test_util.h"
#include "support/file_test_util.h"
#include "support/rootwriter_test_util.h"

namespace {

using filetest::readFile;

bool writeFile(const QString &path, const QByteArray &data, QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size()
        && file.setPermissions(mode);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

int modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

const QByteArray registry = "<item><prop oor:name=\"Collate\"><value>true</value></prop></item>\r\n<keep>true</keep>\r\n";
const QByteArray collateOff = "<item><prop oor:name=\"Collate\"><value>false</value></prop></item>\n<keep>true</keep>\n";

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void squattedDirectory_data();
    void squattedDirectory();
    void privateModes();
    void otherApplicationsFiles();
    void rootRoad();

private:
    QString home;
    QString queue;
    QByteArray savedPath;
};

void TestFileSafety::initTestCase()
{
    initOrdovanResources();
    QVERIFY(cupstest::usingPrivateServer());
    home = QString::fromLocal8Bit(qgetenv("HOME"));
    savedPath = qgetenv("PATH");
    queue = cupstest::uniqueQueueName(QStringLiteral("Safety"));
    QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    QVERIFY(writeFile(home + "/.bashrc", "precious\n"));
}

void TestFileSafety::cleanupTestCase()
{
    cupstest::removeQueue(queue);
}

void TestFileSafety::squattedDirectory_data()
{
    QTest::addColumn<QString>("squat");
    QTest::addColumn<QString>("problem");
    QTest::newRow("attacker's, link to a file in HOME") << "link" << "it belongs to another user";
    QTest::newRow("attacker's, dangling link") << "dangling" << "it belongs to another user";
    QTest::newRow("attacker's, planted settings") << "planted" << "it belongs to another user";
    QTest::newRow("own, writable by all") << "open" << "other users may write to it";
    QTest::newRow("own, a symbolic link") << "redirected" << "it is a symbolic link";
}

void TestFileSafety::squattedDirectory()
{
    QFETCH(QString, squat);
    QFETCH(QString, problem);
    // The base is world-writable and sticky, like the real one.
    QTemporaryDir base(QStringLiteral("/tmp/ordovan-base-XXXXXX"));
    QVERIFY(base.isValid() && ::chmod(QFile::encodeName(base.path()).constData(), 01777) == 0);
    const QString dir = base.path() + '/' + QString::fromLocal8Bit(qgetenv("USER"));
    const QString file = queue + ".cfg";
    const QString elsewhere = home + "/elsewhere";
    if (squat == "link" || squat == "dangling" || squat == "planted") {
        ROOTWRITER_REQUIRE();
        QVERIFY(rootwritertest::attack(squat == "planted" ? QStringList{dir, file, "file", "PageSize=Letter;A4"}
                                       : QStringList{dir, file, "link", home + (squat == "link" ? "/.bashrc" : "/made")}));
    } else if (squat == "open") {
        QVERIFY(QDir().mkpath(dir) && ::chmod(QFile::encodeName(dir).constData(), 0777) == 0);
        QVERIFY(QFile::link(home + "/.bashrc", dir + '/' + file));
    } else {
        QVERIFY(QDir().mkpath(elsewhere) && QFile::link(elsewhere, dir));
    }
    const QStringList before = entries(dir);

    dialogtest::resetProgramState();
    VelDialog dialog(nullptr);
    userDir = dir + '/';
    // An lpoptions that records its runs.
    QTemporaryDir bin;
    const QString ran = bin.path() + "/ran";
    QVERIFY(writeFile(bin.path() + "/lpoptions", "#!/bin/sh\necho \"$@\" >> '" + ran.toUtf8() + "'\n", executable));
    qputenv("PATH", bin.path().toUtf8() + ':' + savedPath);
    dialogtest::BoxCloser boxes;
    QVERIFY(dialogtest::selectQueue(dialog, queue));
    // Selecting writes nothing, and a planted file is not read as the user's
    // own settings.
    QVERIFY(!QFile::exists(ran));
    QCOMPARE(settingsSource, userDir + file);
    QVERIFY(readSettingValue(QStringLiteral("PageSize")).isNull());
    QTRY_COMPARE(boxes.texts.size(), 1);
    // Apply goes on with the queue's defaults.
    dialog.slotButtonApply();
    qputenv("PATH", savedPath);
    QVERIFY(QFile::exists(ran));
    QTRY_COMPARE(boxes.texts.size(), 2);
    QTest::qWait(200);
    // One box for the selection and one for Apply, each naming the directory
    // and what is wrong with it.
    // Reading alone from there says so as well.
    settingsSource = dir + "/other.cfg";
    QVERIFY(readSettingValue(QStringLiteral("PageSize")).isNull());
    QTRY_COMPARE(boxes.texts.size(), 3);
    QCOMPARE(boxes.titles, QStringList() << "Error" << "Error" << "Error");
    for (const QString &text : qAsConst(boxes.texts))
        QVERIFY2(text.contains(dir) && text.contains(problem), qPrintable(text));
    QCOMPARE(readFile(home + "/.bashrc"), QByteArray("precious\n"));
    QVERIFY(!QFile::exists(home + "/made"));
    QCOMPARE(entries(dir), before);
    QVERIFY(entries(elsewhere).isEmpty());
    currentOptionSet = nullptr;
}

void TestFileSafety::privateModes()
{
    // Whatever the umask, the directory is the user's alone and every file
    // written there is 0600; a name of 255 bytes still gets its temporary.
    const mode_t savedMask = ::umask(0);
    QTemporaryDir base;
    userDir = base.path() + "/velmora/me/";
    currentOptionSet = nullptr;
    const QString longName = QString(251, QLatin1Char('p')) + ".cfg";
    const QHash<QString, QString> one{{QStringLiteral("A"), QStringLiteral("1")}};
    const QHash<QString, QString> two{{QStringLiteral("A"), QStringLiteral("2")}};
    const bool written = writeSettingsFile(userDir + "Q.cfg", one, true) && writeProfileFile(userDir + longName, one, false, "d")
        && writeProfileFile(userDir + longName, two, false, "d") && resyncSettingsFile(userDir + "Q.cfg")
        && resyncSettingsFile(userDir + longName);
    ::umask(savedMask);
    QVERIFY(written);
    settingsSource = userDir + longName;
    QCOMPARE(readSettingValue(QStringLiteral("A")), QStringLiteral("2"));
    QCOMPARE(modeOf(userDir), 0700);
    const QStringList files = entries(userDir);
    QCOMPARE(files, QStringList() << longName << "Q.cfg");
    for (const QString &name : files)
        QCOMPARE(modeOf(userDir + name), 0600);
    // Only regular files are read: a FIFO or a link reads as nothing, at once.
    QVERIFY(::mkfifo(QFile::encodeName(userDir + "fifo.cfg").constData(), 0600) == 0);
    QVERIFY(QFile::link(userDir + "Q.cfg", userDir + "link.cfg"));
    ::alarm(60);
    for (const char *name : {"fifo.cfg", "link.cfg"}) {
        settingsSource = userDir + name;
        QVERIFY(readSettingValue(QStringLiteral("A")).isNull());
    }
    ::alarm(0);
}

void TestFileSafety::otherApplicationsFiles()
{
    const mode_t savedMask = ::umask(0);
    const QString h = home + "/apps";
    qputenv("HOME", h.toUtf8());
    // A cloned tree whose temporary copy links to ~/.bashrc.
    const QString clone = h + "/src/clone/user/registrymodifications.xcu";
    QVERIFY(writeFile(clone, registry) && QFile::link(home + "/.bashrc", clone + ".tmp"));
    // A FIFO named like the temporary copy, and one named like the registry.
    const QString office = h + "/.config/libreoffice/4/user/registrymodifications.xcu";
    QVERIFY(writeFile(office, registry) && ::mkfifo(QFile::encodeName(office + ".tmp").constData(), 0600) == 0);
    const QString fifo = h + "/fifo/user/registrymodifications.xcu";
    QVERIFY(QDir().mkpath(h + "/fifo/user") && ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    // A directory whose name holds a line break, forging a path outside HOME.
    QTemporaryDir outside(home + "/outside-XXXXXX");
    QVERIFY(writeFile(outside.path() + "/evince/print-settings", "keep"));
    const QString forged = h + "/a\n" + outside.path() + "/evince/print-settings";
    QVERIFY(writeFile(forged, "x"));
    // A registry that cannot be written back.
    const QString readOnly = h + "/ro/user/registrymodifications.xcu";
    QVERIFY(writeFile(readOnly, registry, QFile::ReadOwner));

    dialogtest::resetProgramState();
    VelDialog dialog(nullptr);
    dialogtest::BoxCloser boxes;
    ::alarm(60); // a sync stuck on a FIFO ends the test here
    const bool synced = dialog.syncOtherApplications(QStringLiteral("A4"));
    ::alarm(0);
    qputenv("HOME", home.toUtf8());
    ::umask(savedMask);
    QVERIFY(!synced);
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.first().contains(readOnly + ".tmp"), qPrintable(boxes.texts.first()));

    QCOMPARE(readFile(home + "/.bashrc"), QByteArray("precious\n"));
    QCOMPARE(readFile(clone), collateOff);
    QCOMPARE(readFile(office), collateOff);
    QVERIFY(!QFileInfo::exists(clone + ".tmp") && !QFileInfo::exists(office + ".tmp"));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    QVERIFY(!QFile::exists(forged));
    QCOMPARE(readFile(outside.path() + "/evince/print-settings"), QByteArray("keep"));
    // The registry stays whole; its new text is kept beside it, private.
    QCOMPARE(readFile(readOnly), registry);
    QCOMPARE(readFile(readOnly + ".tmp"), collateOff);
    QCOMPARE(modeOf(readOnly + ".tmp"), 0600);

    // A registry that another file replaced after it was read is left to
    // that file.
    const QString swapped = h + "/swap/user/registrymodifications.xcu";
    struct stat read;
    QVERIFY(writeFile(swapped, registry) && ::stat(QFile::encodeName(swapped).constData(), &read) == 0);
    QVERIFY(writeFile(swapped + ".new", "theirs\n") && ::rename(QFile::encodeName(swapped + ".new").constData(),
                                                                QFile::encodeName(swapped).constData()) == 0);
    PrintSettingsSync sync;
    QVERIFY(!sync.writeBackRegistry(swapped, read, collateOff));
    QCOMPARE(readFile(swapped), QByteArray("theirs\n"));
}

void TestFileSafety::rootRoad()
{
    ROOTWRITER_REQUIRE();
    // Stand-ins first on PATH and a BASH_ENV, none of which may ever run.
    QTemporaryDir bin;
    const QString marker = bin.path() + "/ran";
    const QByteArray record = "#!/bin/sh\necho \"$0\" >> '" + marker.toUtf8() + "'\nexit 0\n";
    for (const char *name : {"sudo", "su", "velPPDWrite_H", "bashenv"})
        QVERIFY(writeFile(bin.path() + '/' + name, record, executable));
    qputenv("PATH", bin.path().toUtf8() + ':' + savedPath);
    qputenv("BASH_ENV", (bin.path() + "/bashenv").toUtf8());
    qputenv("ENV", (bin.path() + "/bashenv").toUtf8());
    qputenv("LD_PRELOAD", "libordovan-hostile.so");
    QCOMPARE(rootRoadEnvironment().keys(), QStringList() << "PATH");
    rootWriterPath = rootwritertest::writer();

    const QString other = cupstest::uniqueQueueName(QStringLiteral("SafetyOther"));
    const QString buero = cupstest::uniqueQueueName(QString::fromUtf8("B\xc3\xbcro"));
    const QString comma = cupstest::uniqueQueueName(QStringLiteral("Vel,2"));
    QVERIFY(cupstest::addQueue(other, QStringLiteral(ORDOVAN_TEST_DATA "/printer-otherdevice.ppd")));
    QVERIFY(cupstest::addQueue(buero, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    QVERIFY(cupstest::addQueue(comma, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    const struct {
        QString queue;
        const char *args;
        int status;
    } rows[] = {
        {queue, "PageSize=A5 ", WriterNotInstallable},
        {other, "Option17=Two ", WriterNotMakerQueue},
        {buero, "Option17=Two ", WriterDone},
        {comma, "Option17=One ", WriterDone},
    };
    vOptionSet store;
    currentOptionSet = &store;
    PasswordPrompt prompt(nullptr, QString());
    const QString password = rootwritertest::password();
    for (const auto &row : rows) {
        store.setPrinterName(row.queue);
        PasswordPrompt::dropSudoCredentials();
        QCOMPARE(prompt.runInstalledOptionsWriter(password, QString::fromLatin1(sudoMethodPrefix),
                                                  QString::fromLatin1(row.args)), row.status);
    }
    PasswordPrompt::dropSudoCredentials();
    QCOMPARE(cupstest::queueDefault(buero, "Option17"), QStringLiteral("Two"));
    QCOMPARE(cupstest::queueDefault(comma, "Option17"), QStringLiteral("One"));
    QCOMPARE(cupstest::queueDefault(other, "Option17"), QStringLiteral("One"));
    QCOMPARE(cupstest::queueDefault(queue, "PageSize"), QStringLiteral("A4"));
    // The real su, which refuses a wrong password.
    QVERIFY(prompt.runInstalledOptionsWriter(QStringLiteral("wrong"), QString::fromLatin1(suMethodPrefix),
                                             QStringLiteral("Option17=Two ")) != 0);

    qputenv("PATH", savedPath);
    for (const char *name : {"BASH_ENV", "ENV", "LD_PRELOAD"})
        qunsetenv(name);
    currentOptionSet = nullptr;
    for (const QString &name : {other, buero, comma})
        cupstest::removeQueue(name);
    QVERIFY2(!QFile::exists(marker), readFile(marker).constData());
}

QTEST_MAIN(TestFileSafety)
#include "test_file_safety.moc"
