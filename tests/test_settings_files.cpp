// Per-queue settings files and profiles: file contents written, values read
// back against the current printer-description defaults, Cancel's
// resynchronisation, and the files surviving failed writes.

#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The lines of a file whose line order follows a hash: compared as a set,
// with the line count checked apart.
QSet<QByteArray> lineSet(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    return QSet<QByteArray>(lines.begin(), lines.end());
}

int mode(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return st.st_mode & 07777;
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    vOptionSet *store = nullptr;

    QString path(const QString &name) const { return tmp.filePath(name); }

private slots:
    void initTestCase()
    {
        // Before anything is selected.
        QCOMPARE(currentOptionSet, static_cast<vOptionSet *>(nullptr));
        QVERIFY(userDir.isEmpty());
        QVERIFY(settingsSource.isEmpty());
        QCOMPARE(settingsValid, false);
        QVERIFY(printerSet.isEmpty());
        // Nothing is read without a source.
        QVERIFY(readSettingValue(QStringLiteral("Duplex")).isNull());
        QVERIFY(readSettingValues(QStringLiteral("Duplex")).isEmpty());
    }

    void init()
    {
        QVERIFY(tmp.isValid());
        store = new vOptionSet;
        store->setModelName(QStringLiteral("Velmora Test 5000"));
        store->setPpdDefault(QStringLiteral("Duplex"), QStringLiteral("None"));
        store->setPpdDefault(QStringLiteral("PageSize"), QStringLiteral("A4"));
        currentOptionSet = store;
        userDir = tmp.path() + QStringLiteral("/user-%1/").arg(QLatin1String(QTest::currentTestFunction()));
        settingsSource.clear();
    }

    void cleanup()
    {
        // Stores are never freed while the program runs; here each test owns
        // its own.
        currentOptionSet = nullptr;
        delete store;
        store = nullptr;
    }

    void userDirFromEnvironment()
    {
        const QByteArray saved = qgetenv("USER");
        qputenv("USER", "erin");
        QCOMPARE(defaultUserDir(), QStringLiteral(ORDOVAN_USER_DIR_BASE "erin/"));
        // Without a plain name in USER, the account database names the user;
        // never the bare base or a path outside it.
        const struct passwd *entry = getpwuid(getuid());
        QVERIFY(entry);
        const QString own = QStringLiteral(ORDOVAN_USER_DIR_BASE) + QString::fromLocal8Bit(entry->pw_name) + '/';
        for (const char *user : {"", "..", ".", "../../etc", "a/b"}) {
            qputenv("USER", user);
            QCOMPARE(defaultUserDir(), own);
        }
        qunsetenv("USER");
        QCOMPARE(defaultUserDir(), own);
        qputenv("USER", saved);
    }

    void queueFileContents()
    {
        QMultiHash<QString, QString> options;
        options.insert(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        options.insert(QStringLiteral("Tnsv"), QStringLiteral("5"));
        options.insert(QStringLiteral("CustomJobName"), QStringLiteral("a\\b"));
        options.insert(QStringLiteral("Formula"), QStringLiteral("x=1;y=2"));
        options.insert(QStringLiteral("CustomWatermarkStore"), QStringLiteral("one\\"));
        options.insert(QStringLiteral("CustomWatermarkStore"), QStringLiteral("two"));
        const QString file = userDir + QStringLiteral("Queue.cfg");
        QVERIFY(writeSettingsFile(file, options, true));

        const QByteArray bytes = fileBytes(file);
        QVERIFY(bytes.endsWith('\n'));
        QCOMPARE(bytes.count('\n'), 6);
        QCOMPARE(lineSet(bytes), QSet<QByteArray>({"Duplex=DuplexNoTumble;None", "Tnsv=5",
                                                   "CustomJobName=a\\\\b", "Formula=x=1;y=2",
                                                   "CustomWatermarkStore=one\\\\",
                                                   "CustomWatermarkStore=two"}));
        QCOMPARE(mode(file), 0600);

        settingsSource = file;
        QCOMPARE(readSettingValue(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(readSettingValue(QStringLiteral("Tnsv")), QStringLiteral("5"));
        QCOMPARE(readSettingValue(QStringLiteral("CustomJobName")), QStringLiteral("a\\b"));
        QCOMPARE(readSettingValues(QStringLiteral("CustomJobName")), QStringList(QStringLiteral("a\\\\b")));
        QCOMPARE(readSettingValue(QStringLiteral("Formula")), QStringLiteral("x=1;y=2"));
        QStringList store = readSettingValues(QStringLiteral("CustomWatermarkStore"));
        std::sort(store.begin(), store.end());
        QCOMPARE(store, QStringList({QStringLiteral("one\\\\"), QStringLiteral("two")}));
        QCOMPARE(readSettingValues(QStringLiteral("Tnsv")), QStringList(QStringLiteral("5")));
        QVERIFY(readSettingValue(QStringLiteral("Missing")).isNull());
        QVERIFY(settingsFileExists(QStringLiteral("Queue")));
        QVERIFY(!settingsFileExists(QStringLiteral("Other")));
    }

    void profileFileContents()
    {
        QHash<QString, QString> options;
        options.insert(QStringLiteral("Duplex"), QStringLiteral("DuplexTumble"));
        const QString file = userDir + QStringLiteral("Weekly.cfg");
        QVERIFY(writeProfileFile(file, options, false, QStringLiteral("first\\nsecond")));
        QCOMPARE(fileBytes(file), QByteArray("[Profile]\n[Velmora Test 5000]\nProfileDescription=first\\nsecond\n"
                                             "Duplex=DuplexTumble\n"));
        QCOMPARE(mode(file), 0600);

        // A profile carries no recorded default, so a changed printer default
        // never overrides it.
        store->setPpdDefault(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        settingsSource = file;
        QCOMPARE(readSettingValue(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));

        // The settings writer's profile form has no description line; line
        // breaks left in a description cannot start new lines.
        QVERIFY(writeSettingsFile(file, options, false));
        QCOMPARE(fileBytes(file), QByteArray("[Profile]\n[Velmora Test 5000]\nDuplex=DuplexTumble\n"));
        QVERIFY(writeProfileFile(file, {}, false, QStringLiteral("a\r\nb\nDuplex=Forged")));
        QCOMPARE(fileBytes(file),
                 QByteArray("[Profile]\n[Velmora Test 5000]\nProfileDescription=a\\nb\\nDuplex=Forged\n"));
        QVERIFY(readSettingValue(QStringLiteral("Duplex")).isNull());
    }

    void changedPrinterDefault()
    {
        const QString file = path(QStringLiteral("changed.cfg"));
        QVERIFY(putFile(file, "Duplex=DuplexTumble;None\nPageSize=Letter\nOther=v;w\n"));
        settingsSource = file;
        QCOMPARE(readSettingValue(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));
        store->setPpdDefault(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(readSettingValue(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
        // Without a recorded default the stored choice holds.
        QCOMPARE(readSettingValue(QStringLiteral("PageSize")), QStringLiteral("Letter"));
        // A key without a printer default keeps its ";" text.
        QCOMPARE(readSettingValue(QStringLiteral("Other")), QStringLiteral("v;w"));
    }

    void backslashes()
    {
        const QString file = path(QStringLiteral("slashes.cfg"));
        // Keys without a printer default collapse backslash pairs on reading;
        // keys with one never do.
        QVERIFY(putFile(file, "Plain=a\\\\\\b\nDuplex=x\\\\y;None\n"));
        settingsSource = file;
        QCOMPARE(readSettingValue(QStringLiteral("Plain")), QStringLiteral("a\\\\b"));
        QCOMPARE(readSettingValue(QStringLiteral("Duplex")), QStringLiteral("x\\\\y"));
        QCOMPARE(unescapeBackslashes(QStringLiteral("\\\\\\\\\\")), QStringLiteral("\\\\\\"));

        for (const char *key : {"CustomWatermarkSet", "CustomWatermarkStore", "CustomJobName"})
            QCOMPARE(escapeValueForKey(QLatin1String(key), QStringLiteral("c:\\d\\\\")), QStringLiteral("c:\\\\d\\\\\\\\"));
        QCOMPARE(escapeValueForKey(QStringLiteral("customJobName"), QStringLiteral("a\\b")), QStringLiteral("a\\b"));
        QCOMPARE(escapeValueForKey(QStringLiteral("UserLoginPass"), QStringLiteral("a\\b")), QStringLiteral("a\\b"));
    }

    void repeatedKeys()
    {
        const QString file = path(QStringLiteral("repeat.cfg"));
        QVERIFY(putFile(file, "Acct=300\nX=1\nAcct=100\nAcct=200\n"));
        settingsSource = file;
        QCOMPARE(readSettingValue(QStringLiteral("Acct")), QStringLiteral("300"));
        QCOMPARE(readSettingValues(QStringLiteral("Acct")),
                 QStringList({QStringLiteral("300"), QStringLiteral("100"), QStringLiteral("200")}));
    }

    void unreadableSources()
    {
        settingsSource = userDir; // "Factory Default": the directory itself
        QVERIFY(makeUserSettingsDir());
        QVERIFY(readSettingValue(QStringLiteral("Duplex")).isNull());
        QVERIFY(readSettingValues(QStringLiteral("Duplex")).isEmpty());
        settingsSource = path(QStringLiteral("absent.cfg"));
        QVERIFY(readSettingValue(QStringLiteral("Duplex")).isNull());
        QVERIFY(readSettingValues(QStringLiteral("Duplex")).isEmpty());
    }

    void longLinesStayWhole()
    {
        const QString file = userDir + QStringLiteral("Long.cfg");
        const QString big = QString(10000, QLatin1Char('v')) + QStringLiteral("END");
        // A tail that would read as a line of its own if lines were cut into
        // 2048- or 1024-character pieces.
        const QString forged = QString(2048 - 5, QLatin1Char('x')) + QStringLiteral("Secret=forged");
        const QString forged1k = QString(1024 - 5, QLatin1Char('x')) + QStringLiteral("Secret=forged");
        QHash<QString, QString> options;
        options.insert(QStringLiteral("Big"), big);
        options.insert(QStringLiteral("Note"), forged);
        options.insert(QStringLiteral("Memo"), forged1k);
        QVERIFY(writeSettingsFile(file, options, true));
        settingsSource = file;
        QCOMPARE(readSettingValue(QStringLiteral("Big")), big);
        QCOMPARE(readSettingValues(QStringLiteral("Big")), QStringList(big));
        QCOMPARE(readSettingValue(QStringLiteral("Note")), forged);
        QVERIFY(readSettingValue(QStringLiteral("Secret")).isNull());
        QVERIFY(readSettingValues(QStringLiteral("Secret")).isEmpty());
    }

    void lineBreaksInValues()
    {
        const QString file = userDir + QStringLiteral("Breaks.cfg");
        QHash<QString, QString> options;
        options.insert(QStringLiteral("CustomJobName"), QStringLiteral("job\nInjected=1\r\nMore=2"));
        QVERIFY(writeSettingsFile(file, options, true));
        QCOMPARE(fileBytes(file).count('\n'), 1);
        QVERIFY(!fileBytes(file).contains('\r'));
        settingsSource = file;
        QVERIFY(readSettingValue(QStringLiteral("Injected")).isNull());
        QCOMPARE(readSettingValue(QStringLiteral("CustomJobName")), QStringLiteral("job Injected=1  More=2"));
    }

    void rewriteReplacesWholeFile()
    {
        // A shorter rewrite leaves no tail of the old file, and an old file
        // readable by others becomes private.
        const QString file = userDir + QStringLiteral("Shrink.cfg");
        QVERIFY(makeUserSettingsDir());
        QVERIFY(putFile(file, QByteArray(5000, 'o') + "\nStale=1\n"));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        QHash<QString, QString> options;
        options.insert(QStringLiteral("Tnsv"), QStringLiteral("1"));
        QVERIFY(writeSettingsFile(file, options, true));
        QCOMPARE(fileBytes(file), QByteArray("Tnsv=1\n"));
        QCOMPARE(mode(file), 0600);
        // No temporary sibling is left behind.
        QCOMPARE(QDir(userDir).entryList(QDir::Files), QStringList(QStringLiteral("Shrink.cfg")));
    }

    void failedWriteKeepsOldFile()
    {
        if (geteuid() == 0)
            QSKIP("directory permissions do not bind root");
        QVERIFY(makeUserSettingsDir());
        const QString file = userDir + QStringLiteral("Kept.cfg");
        const QByteArray old("Duplex=DuplexTumble;None\nTnsv=3\n");
        QVERIFY(putFile(file, old));
        QVERIFY(QFile::setPermissions(userDir, QFile::ReadOwner | QFile::ExeOwner));
        QHash<QString, QString> options;
        options.insert(QStringLiteral("Tnsv"), QStringLiteral("9"));
        const bool settingsOk = writeSettingsFile(file, options, true);
        const bool profileOk = writeProfileFile(file, options, false, QStringLiteral("d"));
        store->setPpdDefault(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        const bool resyncOk = resyncSettingsFile(file);
        QFile::setPermissions(userDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!settingsOk);
        QVERIFY(!profileOk);
        QVERIFY(!resyncOk);
        QCOMPARE(fileBytes(file), old);
        QCOMPARE(QDir(userDir).entryList(QDir::Files), QStringList(QStringLiteral("Kept.cfg")));
    }

    void resyncRewritesOnlyChangedDefaults()
    {
        const QString file = path(QStringLiteral("resync.cfg"));
        const QByteArray longLine = "Note=" + QByteArray(3000, 'n') + "\n";
        const QByteArray before = QByteArray("Duplex=DuplexTumble;None\n")
            + "PageSize=Letter;A4\n"
            + "Tnsv=5\n"
            + "CustomJobName=a\\\\b;x\n"
            + "Duplex=None;None\n"
            + "Crlf=1;2\r\n"
            + "no key at all\n"
            + QByteArray("Caf\xc3\xa9=\xe2\x82\xac\n")
            + longLine
            + "PageSize=A4\n";
        QVERIFY(putFile(file, before));
        store->setPpdDefault(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        QVERIFY(resyncSettingsFile(file));
        const QByteArray after = QByteArray("Duplex=DuplexNoTumble;DuplexNoTumble\n")
            + "PageSize=Letter;A4\n"
            + "Tnsv=5\n"
            + "CustomJobName=a\\\\b;x\n"
            + "Duplex=DuplexNoTumble;DuplexNoTumble\n"
            + "Crlf=1;2\r\n"
            + "no key at all\n"
            + QByteArray("Caf\xc3\xa9=\xe2\x82\xac\n")
            + longLine
            + "PageSize=A4\n";
        QCOMPARE(fileBytes(file), after);
        QVERIFY(!QFile::exists(file + QStringLiteral("-temporary")));
        QCOMPARE(mode(file), 0600);

        // Unchanged defaults: the file stays as it is.
        QVERIFY(resyncSettingsFile(file));
        QCOMPARE(fileBytes(file), after);
    }

    void resyncKeepsFileWhenTemporaryCannotBeWritten()
    {
        const QString file = path(QStringLiteral("blocked.cfg"));
        const QByteArray before("Duplex=DuplexTumble;None\n");
        QVERIFY(putFile(file, before));
        // Something that is not a file stands where the temporary goes.
        QVERIFY(QDir().mkpath(file + QStringLiteral("-temporary/inner")));
        store->setPpdDefault(QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        QVERIFY(!resyncSettingsFile(file));
        QCOMPARE(fileBytes(file), before);
        QVERIFY(!resyncSettingsFile(path(QStringLiteral("absent.cfg"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("absent.cfg"))));
    }

    void makeDirWithParents()
    {
        userDir = tmp.path() + QStringLiteral("/deep/er/dir/");
        QVERIFY(makeUserSettingsDir());
        QVERIFY(QFileInfo(userDir).isDir());
        QCOMPARE(mode(userDir) & 0700, 0700);
        QVERIFY(makeUserSettingsDir());
        // A path that ends in "//" names the same directory.
        userDir = tmp.path() + QStringLiteral("/nouser//");
        QVERIFY(makeUserSettingsDir());
        QVERIFY(QFileInfo(tmp.path() + QStringLiteral("/nouser")).isDir());
        // Writers create the directory themselves.
        userDir = tmp.path() + QStringLiteral("/fresh/sub/");
        QVERIFY(writeSettingsFile(userDir + QStringLiteral("Q.cfg"), {{QStringLiteral("A"), QStringLiteral("1")}}, true));
        QVERIFY(settingsFileExists(QStringLiteral("Q")));
        // Paths far beyond 256 bytes.
        userDir = tmp.path() + QLatin1Char('/') + QString(200, QLatin1Char('a')) + QLatin1Char('/')
            + QString(200, QLatin1Char('b')) + QLatin1Char('/');
        QVERIFY(writeSettingsFile(userDir + QStringLiteral("Q.cfg"), {{QStringLiteral("A"), QStringLiteral("1")}}, true));
        QVERIFY(settingsFileExists(QStringLiteral("Q")));
        // A path below a file cannot be made.
        QVERIFY(putFile(tmp.path() + QStringLiteral("/plainfile"), "x"));
        userDir = tmp.path() + QStringLiteral("/plainfile/sub/");
        QVERIFY(!makeUserSettingsDir());
        QVERIFY(!writeSettingsFile(userDir + QStringLiteral("Q.cfg"), {{QStringLiteral("A"), QStringLiteral("1")}}, true));
    }

    void readsWithoutOptionStore()
    {
        const QString file = path(QStringLiteral("nostore.cfg"));
        QVERIFY(putFile(file, "Duplex=DuplexTumble;None\nJ=a\\\\b\n"));
        currentOptionSet = nullptr;
        settingsSource = file;
        // Without a store no key has a printer default.
        QCOMPARE(readSettingValue(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble;None"));
        QCOMPARE(readSettingValue(QStringLiteral("J")), QStringLiteral("a\\b"));
        QVERIFY(resyncSettingsFile(file));
        QCOMPARE(fileBytes(file), QByteArray("Duplex=DuplexTumble;None\nJ=a\\\\b\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "test_settings_files.moc"
