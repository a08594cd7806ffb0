#include "app/app_settings_sync.h"

#include "app/quiet_command.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>

#include <pwd.h>
#include <unistd.h>

namespace {

const char targetGeditPrintSettings[] = "gedit-print-settings";
const char targetGeditPageSetup[] = "gedit-page-setup";
const char targetEvincePrintSettings[] = "evince/print-settings";
const char targetEogPrintSettings[] = "eog-print-settings.ini";
const char targetRegistry[] = "/user/registrymodifications.xcu";

// A target name is either a bare file name or "directory/file name"; a
// leading "/" only says that the directory part is a whole directory name.
bool pathMatchesTarget(const QString &path, const QString &target)
{
    QString name = target;
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    const int slash = name.indexOf(QLatin1Char('/'));
    const QString fileName = slash < 0 ? name : name.mid(slash + 1);
    const QString parentName = slash < 0 ? QString() : name.left(slash);

    const int lastSlash = path.lastIndexOf(QLatin1Char('/'));
    if (path.mid(lastSlash + 1) != fileName)
        return false;
    if (parentName.isEmpty())
        return true;
    if (lastSlash <= 0)
        return false;
    const QString parentPath = path.left(lastSlash);
    return parentPath.mid(parentPath.lastIndexOf(QLatin1Char('/')) + 1) == parentName;
}

} // namespace

PrintSettingsSync::PrintSettingsSync()
{
    findHomeDirectory();
    targetNames << QString::fromLatin1(targetGeditPrintSettings)
                << QString::fromLatin1(targetGeditPageSetup)
                << QString::fromLatin1(targetEvincePrintSettings)
                << QString::fromLatin1(targetEogPrintSettings)
                << QString::fromLatin1(targetRegistry);
}

PrintSettingsSync::~PrintSettingsSync() = default;

bool PrintSettingsSync::findHomeDirectory()
{
    foundTargets.clear();
    homeDir = QString::fromUtf8(qgetenv("HOME"));
    if (homeDir.isEmpty()) {
        const struct passwd *entry = getpwuid(getuid());
        if (entry && entry->pw_dir)
            homeDir = QString::fromUtf8(entry->pw_dir);
    }
    // Only an absolute path is scanned: anything else could be taken for an
    // option by find, or name a directory relative to wherever we run.
    if (!homeDir.startsWith(QLatin1Char('/')))
        homeDir.clear();
    return !homeDir.isEmpty();
}

QString PrintSettingsSync::matchSyncTarget(const QString &path) const
{
    for (const QString &name : targetNames) {
        if (!pathMatchesTarget(path, name))
            continue;
        if (path.contains(QLatin1String(".tmp")))
            return QString();
        return name;
    }
    return QString();
}

void PrintSettingsSync::findSyncTargets()
{
    if (homeDir.isEmpty())
        return;

    QProcess find;
    find.setProgram(QStringLiteral("find"));
    // -H: a home directory that is itself a symbolic link is still searched.
    find.setArguments(QStringList() << QStringLiteral("-H") << homeDir);
    find.setStandardInputFile(QProcess::nullDevice());
    find.setStandardErrorFile(QProcess::nullDevice());
    find.start(QIODevice::ReadOnly);
    if (!find.waitForStarted(commandTimeoutMs))
        return;

    auto takeLine = [this](QByteArray line) {
        line.replace('\n', QByteArray());
        if (line.isEmpty())
            return;
        const QString path = QString::fromUtf8(line);
        const QString name = matchSyncTarget(path);
        if (!name.isEmpty())
            foundTargets.insert(name, path);
    };

    // Read until find ends, not merely until it pauses; the whole scan is
    // bounded so that a huge or stuck home directory cannot hang Apply.
    QDeadlineTimer deadline(scanTimeoutMs);
    bool finished = false;
    while (!finished) {
        while (find.canReadLine())
            takeLine(find.readLine());
        if (find.state() == QProcess::NotRunning) {
            finished = true;
            break;
        }
        if (deadline.hasExpired())
            break;
        const qint64 remaining = deadline.remainingTime();
        if (!find.waitForReadyRead(int(qMin<qint64>(remaining, commandTimeoutMs)))) {
            if (find.state() == QProcess::NotRunning)
                finished = true;
        }
    }
    if (finished) {
        // Whatever is left after the end, a last line without "\n" included.
        while (find.canReadLine())
            takeLine(find.readLine());
        takeLine(find.readAll());
    } else {
        find.kill();
        find.waitForFinished(1000);
    }
}

void PrintSettingsSync::syncPrintSettings(const QString &pageSize)
{
    for (auto it = foundTargets.constBegin(); it != foundTargets.constEnd(); ++it) {
        const QString &name = it.key();
        const QString &path = it.value();
        // Only the applications' own regular files are touched; a directory
        // or a symbolic link of the same name is left alone.
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isFile())
            continue;
        if (name == QLatin1String(targetGeditPageSetup))
            writeGeditPageSetup(path, pageSize);
        else if (name == QLatin1String(targetRegistry))
            disableCollateInRegistry(path);
        else
            removeFile(path);
    }
}

void PrintSettingsSync::writeGeditPageSetup(const QString &path, const QString &pageSize)
{
    const QString text = pageSetup.table.value(pageSize);
    // A paper size without a page-setup block leaves gedit's file as it is.
    if (text.isEmpty())
        return;
    overwriteFile(path, text);
}

bool PrintSettingsSync::overwriteFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

void PrintSettingsSync::removeFile(const QString &path)
{
    runQuietCommand(QStringLiteral("rm"), QStringList() << QStringLiteral("-f") << QStringLiteral("--") << path,
                    commandTimeoutMs);
}

void PrintSettingsSync::disableCollateInRegistry(const QString &path)
{
    const QString temporaryPath = path + QLatin1String(".tmp");
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return;
    // Truncated on open, so a copy left over from an interrupted run never
    // reaches the registry file.
    QFile temporary(temporaryPath);
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;

    // Line by line as bytes: only the Collate lines change, every other
    // byte is copied as it stands whatever the locale's encoding; lines end
    // in "\n" afterwards.
    bool written = true;
    while (written && !source.atEnd()) {
        QByteArray line = source.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains("name=\"Collate\""))
            line.replace("true", "false");
        line.append('\n');
        written = temporary.write(line) == line.size();
    }
    written = written && source.error() == QFileDevice::NoError && temporary.flush();
    source.close();
    temporary.close();

    // The text is copied into the registry file, which keeps its inode and
    // permissions; a temporary copy that could not be written completely is
    // never copied over it.
    if (written && temporary.error() == QFileDevice::NoError)
        runQuietCommand(QStringLiteral("cp"), QStringList() << QStringLiteral("--") << temporaryPath << path,
                        commandTimeoutMs);
    removeFile(temporaryPath);
}
