// Other applications' print settings after Apply, and the page-setup blocks
// written into gedit's page-setup file.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "app/app_settings_sync.h"
#include "app/page_setup_table.h"
#include "support/file_test_util.h"

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}

using filetest::readFile;

const char a4Block[] = "[Page Setup]\nPPDName=A4\nDisplayName=A4\nWidth=210\nHeight=297\n"
                       "MarginTop=3.5277777777777777\nMarginBottom=3.5277777777777777\n"
                       "MarginLeft=4.2333333333333325\nMarginRight=4.2333333333333325\n"
                       "Orientation=portrait\n";

const char letterBlock[] = "[Page Setup]\nPPDName=Letter\nDisplayName=US Letter\n"
                           "Width=215.89999389648438\nHeight=279.39999389648438\n"
                           "MarginTop=2.822222222222222\nMarginBottom=2.822222222222222\n"
                           "MarginLeft=4.2333333333333325\nMarginRight=4.2333333333333325\n"
                           "Orientation=portrait\n";

const char registryText[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<oor:items>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print/Option/Writer\"><prop oor:name=\"Collate\" oor:op=\"fuse\"><value>true</value></prop></item>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print\"><prop oor:name=\"Warning\" oor:op=\"fuse\"><value>true</value></prop></item>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Misc\"><value>caf\xc3\xa9 caf\xe9 true</value></item>\r\n"
    "<item oor:path=\"/org.openoffice.Office.Common/Print/Option/Calc\"><prop oor:name=\"Collate\" oor:op=\"fuse\"><value>true</value></prop></item>\r\n"
    "</oor:items>\r\n";

} // namespace

class TestAppSettingsSync : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageSetupBlocks();
    void targetsAreExactFileNames();
    void syncActsOnEveryTargetAndKeepsDecoys();
    void unknownPaperSizeLeavesPageSetupAlone();
    void registryReplacedWhole();
    void leftoverTemporaryNeverReachesRegistry();
    void relativeHomeIsNotScanned();
    void homeThroughSymbolicLink();
    void slowFindIsReadToTheEnd();

private:
    QTemporaryDir *home = nullptr;
    QByteArray savedHome;
    QByteArray savedPath;
};

void TestAppSettingsSync::init()
{
    home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/sync home-XXXXXX"));
    QVERIFY(home->isValid());
    savedHome = qgetenv("HOME");
    savedPath = qgetenv("PATH");
    qputenv("HOME", home->path().toUtf8());
}

void TestAppSettingsSync::cleanup()
{
    qputenv("HOME", savedHome);
    qputenv("PATH", savedPath);
    delete home;
    home = nullptr;
}

void TestAppSettingsSync::pageSetupBlocks()
{
    const PageSetupTable pageSetup;
    QCOMPARE(pageSetup.table.size(), 28);
    QCOMPARE(pageSetup.table.value(QStringLiteral("A4")), QString::fromLatin1(a4Block));
    QCOMPARE(pageSetup.table.value(QStringLiteral("A4")).size(), 203);
    QCOMPARE(pageSetup.table.value(QStringLiteral("Letter")), QString::fromLatin1(letterBlock));

    // The Japanese and the ISO B5 are two entries.
    const QString b5 = pageSetup.table.value(QStringLiteral("B5"));
    QVERIFY(b5.contains(QLatin1String("DisplayName=JB5\nWidth=182\nHeight=257\n")));
    QVERIFY(b5.contains(QLatin1String("MarginLeft=7.4083333333333323\nMarginRight=7.4083333333333323\n")));
    QVERIFY(pageSetup.table.value(QStringLiteral("ISOB5")).contains(QLatin1String("DisplayName=B5\nWidth=176\n")));
    QVERIFY(pageSetup.table.value(QStringLiteral("P8K")).contains(
        QLatin1String("MarginTop=3.8805555555555551\nMarginBottom=4.2333333333333325\n"
                      "MarginLeft=4.2333333333333325\nMarginRight=3.8805555555555551\n")));

    for (auto it = pageSetup.table.constBegin(); it != pageSetup.table.constEnd(); ++it) {
        QVERIFY2(it.value().startsWith(QLatin1String("[Page Setup]\nPPDName=") + it.key() + QLatin1Char('\n')),
                 qPrintable(it.key()));
        QVERIFY(it.value().endsWith(QLatin1String("\nOrientation=portrait\n")));
        QCOMPARE(it.value().count(QLatin1Char('\n')), 10);
    }

    QVERIFY(pageSetup.table.value(QStringLiteral("a4")).isEmpty());
    QVERIFY(pageSetup.table.value(QStringLiteral("Custom")).isEmpty());
    QVERIFY(pageSetup.table.value(QString()).isEmpty());
}

void TestAppSettingsSync::targetsAreExactFileNames()
{
    PrintSettingsSync sync;
    const QString h = home->path();
    QCOMPARE(sync.matchSyncTarget(h + "/.local/share/gedit/gedit-print-settings"), QStringLiteral("gedit-print-settings"));
    QCOMPARE(sync.matchSyncTarget(h + "/.local/share/gedit/gedit-page-setup"), QStringLiteral("gedit-page-setup"));
    QCOMPARE(sync.matchSyncTarget(h + "/.config/evince/print-settings"), QStringLiteral("evince/print-settings"));
    QCOMPARE(sync.matchSyncTarget(h + "/.config/eog/eog-print-settings.ini"), QStringLiteral("eog-print-settings.ini"));
    QCOMPARE(sync.matchSyncTarget(h + "/.config/libreoffice/4/user/registrymodifications.xcu"),
             QStringLiteral("/user/registrymodifications.xcu"));

    // Only the applications' own files, never a path that merely contains
    // one of their names.
    QCOMPARE(sync.matchSyncTarget(h + "/backup/evince/print-settings.bak"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/evince/print-settings/notes.txt"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/old-evince/print-settings"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/gedit-print-settings/keep.txt"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/my-gedit-page-setup"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/poweruser/registrymodifications.xcu"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/user/registrymodifications.xcu.bak"), QString());
    // Temporary copies are never targets.
    QCOMPARE(sync.matchSyncTarget(h + "/.tmp/gedit/gedit-page-setup"), QString());
    QCOMPARE(sync.matchSyncTarget(h + "/.config/libreoffice/4/user/registrymodifications.xcu.tmp"), QString());
}

void TestAppSettingsSync::syncActsOnEveryTargetAndKeepsDecoys()
{
    const QString h = home->path();
    const QString pageSetup = h + "/.local/share/gedit/gedit-page-setup";
    const QString geditSettings = h + "/.local/share/gedit/gedit-print-settings";
    const QString evince = h + "/.config/evince/print-settings";
    const QString evinceBlanks = h + "/My Files/evince/print-settings";
    const QString eog = h + "/.config/eog/eog-print-settings.ini";
    const QString decoyBackup = h + "/backup/evince/print-settings.bak";
    const QString decoyInDir = h + "/gedit-print-settings/keep.txt";
    const QString precious = h + "/precious.ini";
    const QString decoyLink = h + "/links/eog-print-settings.ini";

    QVERIFY(writeFile(pageSetup, "[Page Setup]\nPPDName=A3\n"));
    QVERIFY(writeFile(geditSettings, "x"));
    QVERIFY(writeFile(evince, "x"));
    QVERIFY(writeFile(evinceBlanks, "x"));
    QVERIFY(writeFile(eog, "x"));
    QVERIFY(writeFile(decoyBackup, "backup"));
    QVERIFY(writeFile(decoyInDir, "keep"));
    QVERIFY(writeFile(precious, "precious"));
    QDir().mkpath(h + "/links");
    QVERIFY(QFile::link(precious, decoyLink));

    PrintSettingsSync sync;
    QCOMPARE(sync.homeDirectory(), h);
    sync.findSyncTargets();
    QCOMPARE(sync.targets().values(QStringLiteral("evince/print-settings")).size(), 2);
    sync.syncPrintSettings(QStringLiteral("Letter"));

    QCOMPARE(readFile(pageSetup), QByteArray(letterBlock));
    QVERIFY(!QFile::exists(geditSettings));
    QVERIFY(!QFile::exists(evince));
    QVERIFY(!QFile::exists(evinceBlanks));
    QVERIFY(!QFile::exists(eog));

    QCOMPARE(readFile(decoyBackup), QByteArray("backup"));
    QCOMPARE(readFile(decoyInDir), QByteArray("keep"));
    QVERIFY(QFileInfo(decoyLink).isSymLink());
    QCOMPARE(readFile(precious), QByteArray("precious"));

    // A second Apply with A4 rewrites the block again.
    PrintSettingsSync again;
    again.findSyncTargets();
    again.syncPrintSettings(QStringLiteral("A4"));
    QCOMPARE(readFile(pageSetup), QByteArray(a4Block));
}

void TestAppSettingsSync::unknownPaperSizeLeavesPageSetupAlone()
{
    const QString pageSetup = home->path() + "/.local/share/gedit/gedit-page-setup";
    const QByteArray before("[Page Setup]\nPPDName=A3\nDisplayName=A3\n");
    QVERIFY(writeFile(pageSetup, before));

    for (const QString &size : {QStringLiteral("Custom.100x200mm"), QString()}) {
        PrintSettingsSync sync;
        sync.findSyncTargets();
        QCOMPARE(sync.targets().values(QStringLiteral("gedit-page-setup")), QStringList() << pageSetup);
        sync.syncPrintSettings(size);
        QCOMPARE(readFile(pageSetup), before);
    }
}

void TestAppSettingsSync::registryReplacedWhole()
{
    const QString registry = home->path() + "/.config/libreoffice/4/user/registrymodifications.xcu";
    QVERIFY(writeFile(registry, registryText));
    QVERIFY(QFile::setPermissions(registry, QFile::ReadOwner | QFile::WriteOwner));
    struct stat before;
    QCOMPARE(stat(QFile::encodeName(registry).constData(), &before), 0);

    PrintSettingsSync sync;
    sync.findSyncTargets();
    sync.syncPrintSettings(QStringLiteral("A4"));

    QByteArray expected(registryText);
    expected.replace("\r\n", "\n");
    expected.replace("\"Collate\" oor:op=\"fuse\"><value>true", "\"Collate\" oor:op=\"fuse\"><value>false");
    QCOMPARE(readFile(registry), expected);
    QVERIFY(expected.contains("\"Warning\" oor:op=\"fuse\"><value>true"));

    struct stat after;
    QCOMPARE(stat(QFile::encodeName(registry).constData(), &after), 0);
    // A new file took its place by a rename, with the registry's mode.
    QVERIFY(after.st_ino != before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QVERIFY(!QFile::exists(registry + ".tmp"));
}

void TestAppSettingsSync::leftoverTemporaryNeverReachesRegistry()
{
    const QString registry = home->path() + "/.config/libreoffice/4/user/registrymodifications.xcu";
    QVERIFY(writeFile(registry, "<prop oor:name=\"Collate\"><value>true</value></prop>\n<short/>\n"));
    QVERIFY(writeFile(registry + ".tmp", QByteArray(4096, 'X') + "\nold leftover line\n"));

    PrintSettingsSync sync;
    sync.disableCollateInRegistry(registry);
    QCOMPARE(readFile(registry), QByteArray("<prop oor:name=\"Collate\"><value>false</value></prop>\n<short/>\n"));
    QVERIFY(!QFile::exists(registry + ".tmp"));
}

void TestAppSettingsSync::relativeHomeIsNotScanned()
{
    // A home that is no absolute path is no home: nothing is scanned, and
    // the program goes on.
    qputenv("HOME", "relative/home");
    PrintSettingsSync sync;
    QVERIFY(sync.homeDirectory().isEmpty());
    sync.findSyncTargets();
    QVERIFY(sync.targets().isEmpty());
    sync.syncPrintSettings(QStringLiteral("A4"));
}

void TestAppSettingsSync::homeThroughSymbolicLink()
{
    // Home directories are often reached through a link (/home -> /data/home).
    const QString real = home->path() + "/real";
    const QString linked = home->path() + "/linked";
    const QString evince = real + "/.config/evince/print-settings";
    QVERIFY(writeFile(evince, "x"));
    QVERIFY(QFile::link(real, linked));
    qputenv("HOME", linked.toUtf8());
    PrintSettingsSync sync;
    sync.findSyncTargets();
    QCOMPARE(sync.targets().values(QStringLiteral("evince/print-settings")).size(), 1);
    sync.syncPrintSettings(QStringLiteral("A4"));
    QVERIFY(!QFile::exists(evince));
}

void TestAppSettingsSync::slowFindIsReadToTheEnd()
{
    // A find that pauses in the middle of a path and ends without a final
    // NUL: every path it printed is still handled.
    const QString h = home->path();
    const QString first = h + "/.config/evince/print-settings";
    const QString last = h + "/.config/eog/eog-print-settings.ini";
    QVERIFY(writeFile(first, "x"));
    QVERIFY(writeFile(last, "x"));

    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QString script = bin.path() + "/find";
    // The stand-in takes the starting point as its second argument (after
    // -H) and ends each path with a NUL byte.
    QVERIFY(writeFile(script, QByteArray("#!/bin/sh\n"
                                         "set -- \"$2\"\n"
                                         "printf '%s\\0' \"$1\"\n"
                                         "printf '%s' \"$1/.config/evince/print-\"\n"
                                         "sleep 1\n"
                                         "printf '%s\\0' settings\n"
                                         "sleep 1\n"
                                         "printf '%s' \"$1/.config/eog/eog-print-settings.ini\"\n")));
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("PATH", bin.path().toUtf8() + ":" + savedPath);

    PrintSettingsSync sync;
    sync.findSyncTargets();
    QCOMPARE(sync.targets().value(QStringLiteral("evince/print-settings")), first);
    QCOMPARE(sync.targets().value(QStringLiteral("eog-print-settings.ini")), last);
    sync.syncPrintSettings(QStringLiteral("A4"));
    QVERIFY(!QFile::exists(first));
    QVERIFY(!QFile::exists(last));
}

QTEST_GUILESS_MAIN(TestAppSettingsSync)
#include "test_app_settings_sync.moc"
