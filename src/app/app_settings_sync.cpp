#include "app/app_settings_sync.h"

#include "app/quiet_command.h"
#include "app/safe_files.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
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
    // Regular files only, each path ended by a NUL byte: a name holding a
    // line break stays one path.
    find.setArguments(QStringList() << QStringLiteral("-H") << homeDir << QStringLiteral("-type")
                                    << QStringLiteral("f") << QStringLiteral("-print0"));
    find.setStandardInputFile(QProcess::nullDevice());
    find.setStandardErrorFile(QProcess::nullDevice());
    find.start(QIODevice::ReadOnly);
    if (!find.waitForStarted(commandTimeoutMs))
        return;

    QByteArray pending;
    auto takePaths = [this, &pending](bool atEnd) {
        int start = 0;
        for (int end = pending.indexOf('\0'); end >= 0; end = pending.indexOf('\0', start)) {
            takePath(pending.mid(start, end - start));
            start = end + 1;
        }
        pending.remove(0, start);
        if (atEnd) {
            takePath(pending);
            pending.clear();
        }
    };

    // Read until find ends, not merely until it pauses; the whole scan is
    // bounded so that a huge or stuck home directory cannot hang Apply.
    QDeadlineTimer deadline(scanTimeoutMs);
    bool finished = false;
    while (!finished) {
        pending += find.readAll();
        takePaths(false);
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
        // Whatever is left after the end, a last path without its NUL too.
        pending += find.readAll();
        takePaths(true);
    } else {
        find.kill();
        find.waitForFinished(1000);
    }
}

void PrintSettingsSync::takePath(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const QString path = QFile::decodeName(bytes);
    const QString name = matchSyncTarget(path);
    if (!name.isEmpty())
        foundTargets.insert(name, path);
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
    // A fresh file takes the old one's place; a link standing there is
    // replaced, never followed.
    const QByteArray name = QFile::encodeName(path);
    const QByteArray temporary = QFile::encodeName(QFileInfo(path).path() + QLatin1Char('/'))
        + safefile::temporaryName();
    if (safefile::replaceFile(AT_FDCWD, name, text.toUtf8(), temporary))
        return true;
    failureList << failureLine(path, safefile::errorText(errno));
    return false;
}

QString PrintSettingsSync::failureLine(const QString &path, const QString &what)
{
    return QCoreApplication::translate("PrintSettingsSync", "%1: %2").arg(path, what);
}

void PrintSettingsSync::removeFile(const QString &path)
{
    runQuietCommand(QStringLiteral("rm"), QStringList() << QStringLiteral("-f") << QStringLiteral("--") << path,
                    commandTimeoutMs);
}

void PrintSettingsSync::disableCollateInRegistry(const QString &path)
{
    // Only a regular file of a sane size, opened without following a link
    // or waiting on a FIFO; anything else is not the office suite's.
    QByteArray source;
    struct stat original;
    if (!safefile::readRegularFile(AT_FDCWD, QFile::encodeName(path), &source, nullptr, &original))
        return;

    // Line by line as bytes: only the Collate lines change, every other
    // byte is copied as it stands whatever the locale's encoding; lines end
    // in "\n" afterwards.
    QByteArray text;
    text.reserve(source.size() + 64);
    QList<QByteArray> lines = source.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray line : qAsConst(lines)) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains("name=\"Collate\""))
            line.replace("true", "false");
        text += line;
        text += '\n';
    }

    writeBackRegistry(path, original, text);
}

bool PrintSettingsSync::writeBackRegistry(const QString &path, const struct stat &original, const QByteArray &text)
{
    const QFileInfo info(path);
    const QString temporaryPath = path + QLatin1String(".tmp");
    const int dir = ::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        failureList << failureLine(path, safefile::errorText(errno));
        return false;
    }
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray temporaryName = name + ".tmp";

    // The new text goes whole into a new private file beside the registry
    // (whatever stood under its name, a link or a FIFO included, is removed
    // first) and reaches the disk before anything else happens.
    const int temporary = safefile::createPrivateFile(dir, temporaryName);
    if (temporary < 0) {
        failureList << failureLine(temporaryPath, safefile::errorText(errno));
        ::close(dir);
        return false;
    }
    if (!safefile::writeAll(temporary, text)) {
        const int error = errno;
        ::close(temporary);
        ::unlinkat(dir, temporaryName.constData(), 0);
        ::close(dir);
        failureList << failureLine(temporaryPath, safefile::errorText(error));
        return false;
    }

    // It takes the registry's place by a rename, with the registry's mode,
    // only while the registry is still the very file that was read and the
    // user may write to it; the registry is never cut or written in place.
    struct stat now;
    bool ok = ::fstatat(dir, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(now.st_mode)
        && now.st_dev == original.st_dev && now.st_ino == original.st_ino
        && ::faccessat(dir, name.constData(), W_OK, AT_EACCESS) == 0;
    ok = ok && ::fchmod(temporary, original.st_mode & 07777) == 0;
    ok = ::close(temporary) == 0 && ok;
    ok = ok && ::renameat(dir, temporaryName.constData(), dir, name.constData()) == 0;
    if (ok)
        ::fsync(dir);
    ::close(dir);
    if (!ok)
        failureList << failureLine(path, QCoreApplication::translate("PrintSettingsSync",
                                                                     "not updated; its new text is kept in %1")
                                              .arg(temporaryPath));
    return ok;
}
