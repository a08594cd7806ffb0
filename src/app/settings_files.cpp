#include "app/settings_files.h"

#include "app/program_state.h"
#include "app/safe_files.h"
#include "model/option_model.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QTextStream>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray profileHeader("[Profile]");

// Whether the last write failed because the per-user directory could not be
// used, or because a profile holds the queue file's place, and whether the
// box that says the first is still to be shown or showing.
bool directoryRefused = false;
bool heldByProfile = false;
bool alarmPending = false;

SettingsAlarmHandler &alarmHandler()
{
    static SettingsAlarmHandler handler;
    return handler;
}

// The "Error" box shown when the program is back in its event loop; without
// a handler (a tool or a test without the dialog) the text goes to the log.
void showLater(SettingsAlarm level, const QString &text, bool *pending = nullptr)
{
    if (!alarmHandler() || !QCoreApplication::instance()) {
        qWarning("%s", qPrintable(text));
        return;
    }
    if (pending)
        *pending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [level, text, pending]() {
        if (alarmHandler())
            alarmHandler()(level, SettingsFiles::tr("Error"), text);
        else
            qWarning("%s", qPrintable(text));
        if (pending)
            *pending = false;
    });
}

// One "Error" box for all the reads and writes of one user action: the box
// is shown when the program is back in its event loop, and every further
// report until it is closed joins it.
void raiseDirectoryAlarm(const QString &dir, const QString &problem)
{
    directoryRefused = true;
    if (alarmPending)
        return;
    showLater(SettingsAlarm::Critical,
              SettingsFiles::tr("The settings directory %1 cannot be used: %2.\n"
                                "No settings are read from it or saved in it.")
                  .arg(dir, problem),
              &alarmPending);
}

// The directory (without its final "/") and the file name of path; false
// when path names no file (empty, or a directory such as userDir itself).
bool splitPath(const QString &path, QString *dir, QByteArray *name)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || slash == path.size() - 1)
        return false;
    *dir = slash == 0 ? QStringLiteral("/") : path.left(slash);
    *name = QFile::encodeName(path.mid(slash + 1));
    return true;
}

QString withoutTrailingSlashes(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

bool sameDirectory(const QString &a, const QString &b)
{
    return !a.isEmpty() && withoutTrailingSlashes(a) == withoutTrailingSlashes(b);
}

// Makes the directory dir (0700) and its missing parents (parentMode) when
// it does not exist; what went wrong, or an empty string.
QString createDirectory(const QString &dir, mode_t parentMode)
{
    const QByteArray path = QFile::encodeName(withoutTrailingSlashes(dir));
    if (path.isEmpty())
        return SettingsFiles::tr("no directory is set");
    struct stat info;
    if (::lstat(path.constData(), &info) == 0)
        return QString(); // whatever it is, the check decides
    for (int i = 1; i < path.size(); ++i) {
        if (path.at(i) != '/')
            continue;
        const QByteArray part = path.left(i);
        if (::lstat(part.constData(), &info) != 0)
            ::mkdir(part.constData(), parentMode);
    }
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return SettingsFiles::tr("it cannot be created (%1)").arg(safefile::errorText(errno));
    return QString();
}

// Makes userDir (0700) and its missing parents (0755) when it does not
// exist; what went wrong, or an empty string.
QString createUserDir()
{
    return createDirectory(userDir, 0755);
}

// The user's private configuration directory for the panel:
// $XDG_CONFIG_HOME/ordovan/, else ~/.config/ordovan/; empty when no home is
// known.
QString fallbackDirectory()
{
    QString base = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (!base.startsWith(QLatin1Char('/'))) {
        QString home = QFile::decodeName(qgetenv("HOME"));
        if (!home.startsWith(QLatin1Char('/'))) {
            const struct passwd *entry = getpwuid(geteuid());
            home = entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
        }
        if (!home.startsWith(QLatin1Char('/')))
            return QString();
        base = withoutTrailingSlashes(home) + QStringLiteral("/.config");
    }
    return withoutTrailingSlashes(base) + QStringLiteral("/ordovan/");
}

QHash<QString, QString> currentDefaults()
{
    return currentOptionSet ? currentOptionSet->ppdDefaults() : QHash<QString, QString>();
}

// A line break inside a key or value would add lines to the file: each CR or
// LF becomes a blank.
QString singleLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The description keeps its line breaks as the two characters "\" and "n".
QString descriptionLine(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

// Whole lines of a file in a directory that must be private to the user (not
// cut at any length), without their line ends. A missing directory or file
// reads as nothing; a directory that cannot be trusted raises its alarm.
// *status, when given, receives the file's fstat.
bool readLines(const QString &path, QList<QByteArray> *lines, struct stat *status = nullptr)
{
    QString dir;
    QByteArray name;
    if (!splitPath(path, &dir, &name))
        return false;
    const safefile::PrivateDir directory(dir);
    if (!directory.usable()) {
        if (!directory.missing())
            raiseDirectoryAlarm(dir, directory.problem());
        return false;
    }
    QByteArray data;
    if (!safefile::readRegularFile(directory.fd(), name, &data, nullptr, status))
        return false;
    *lines = data.split('\n');
    if (!lines->isEmpty() && lines->last().isEmpty())
        lines->removeLast(); // the final line end
    return true;
}

bool isProfileLine(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return line == profileHeader;
}

QString lineText(const QByteArray &line)
{
    QString text = QString::fromUtf8(line);
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

QString lineKey(const QString &line) { return line.section(QLatin1Char('='), 0, 0); }
QString lineValue(const QString &line) { return line.section(QLatin1Char('='), 1, -1); }

// The settings source, read once per user action: its values by key, each
// key's values in file order. It is read again when the program has been
// back in its event loop, when the source names another file, when a
// settings file was written, or when the file is no longer the one read.
struct SourceValues
{
    bool valid = false;
    QString path;
    struct stat identity = {};
    QHash<QString, QStringList> values;
};
SourceValues cachedSource;
bool dropScheduled = false;

void dropSourceValues()
{
    cachedSource = SourceValues();
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size
        && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec
        && a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// The values of settingsSource; null when it cannot be read.
const QHash<QString, QStringList> *sourceValues()
{
    if (cachedSource.valid && cachedSource.path == settingsSource) {
        struct stat now;
        if (::lstat(QFile::encodeName(settingsSource).constData(), &now) == 0 && sameFile(now, cachedSource.identity))
            return &cachedSource.values;
    }
    dropSourceValues();
    QList<QByteArray> lines;
    struct stat identity;
    if (!readLines(settingsSource, &lines, &identity))
        return nullptr;
    cachedSource.valid = true;
    cachedSource.path = settingsSource;
    cachedSource.identity = identity;
    for (const QByteArray &raw : qAsConst(lines)) {
        const QString line = lineText(raw);
        cachedSource.values[lineKey(line)].append(lineValue(line));
    }
    if (!dropScheduled && QCoreApplication::instance()) {
        dropScheduled = true;
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            dropScheduled = false;
            dropSourceValues();
        });
    }
    return &cachedSource.values;
}

// Replaces path with data; the directory is the user's own (made when it is
// userDir and missing) or nothing is written.
bool replaceSettingsFile(const QString &path, const QByteArray &data, const QByteArray &temporary = QByteArray())
{
    dropSourceValues();
    directoryRefused = false;
    QString dir;
    QByteArray name;
    if (!splitPath(path, &dir, &name))
        return false;
    QString problem;
    if (sameDirectory(dir, userDir))
        problem = createUserDir();
    const safefile::PrivateDir directory(dir);
    if (!directory.usable()) {
        raiseDirectoryAlarm(dir, problem.isEmpty() ? directory.problem() : problem);
        return false;
    }
    return safefile::replaceFile(directory.fd(), name, data,
                                 temporary.isEmpty() ? safefile::temporaryName() : temporary);
}


// Writes a settings or profile file whole through a temporary sibling that
// takes the file's place only when everything was written.
bool writeFile(const QString &path, const QHash<QString, QString> &options, bool queueFile,
               bool withDescription, const QString &description)
{
    heldByProfile = false;
    // A profile that bears the queue's name keeps its file.
    if (queueFile && startsWithProfileHeader(path)) {
        heldByProfile = true;
        return false;
    }
    QByteArray data;
    {
        QTextStream out(&data, QIODevice::WriteOnly);
        out.setCodec("UTF-8");
        if (!queueFile) {
            const QString model = currentOptionSet ? currentOptionSet->modelName() : QString();
            out << "[Profile]\n";
            out << '[' << singleLine(model) << "]\n";
            if (withDescription)
                out << "ProfileDescription=" << descriptionLine(description) << '\n';
        }
        writeOptionLines(out, options, queueFile);
        out.flush();
    }
    return replaceSettingsFile(path, data);
}

} // namespace

bool writeSettingsFile(const QString &path, const QHash<QString, QString> &options, bool queueFile)
{
    return writeFile(path, options, queueFile, false, QString());
}

bool writeProfileFile(const QString &path, const QHash<QString, QString> &options, bool queueFile,
                      const QString &description)
{
    return writeFile(path, options, queueFile, true, description);
}

void writeOptionLines(QTextStream &stream, const QHash<QString, QString> &options, bool queueFile)
{
    const QHash<QString, QString> defaults = currentDefaults();
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        const QString key = singleLine(it.key());
        stream << key << '=' << singleLine(escapeValueForKey(key, it.value()));
        if (queueFile) {
            const QString def = defaults.value(it.key());
            if (!def.isEmpty())
                stream << ';' << singleLine(def);
        }
        stream << '\n';
    }
    stream.flush();
}

QString escapeValueForKey(const QString &key, const QString &value)
{
    if (key == QLatin1String("CustomWatermarkSet") || key == QLatin1String("CustomWatermarkStore")
        || key == QLatin1String("CustomJobName")) {
        QString escaped = value;
        escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"));
        return escaped;
    }
    return value;
}

QString readSettingValue(const QString &key)
{
    const QHash<QString, QStringList> *values = sourceValues();
    if (!values)
        return QString();
    const auto found = values->constFind(key);
    return found == values->constEnd() ? QString() : resolveStoredValue(key, found->first());
}

bool readFileLines(const QString &path, QList<QByteArray> *lines)
{
    return readLines(path, lines);
}

bool replaceFileData(const QString &path, const QByteArray &data)
{
    return replaceSettingsFile(path, data);
}

QStringList readSettingValues(const QString &key)
{
    const QHash<QString, QStringList> *values = sourceValues();
    return values ? values->value(key) : QStringList();
}

QString resolveStoredValue(const QString &key, const QString &value)
{
    const QHash<QString, QString> defaults = currentDefaults();
    const QString current = defaults.value(key);
    QString result;
    QString stored;
    if (defaults.contains(key)) {
        result = value.section(QLatin1Char(';'), 0, 0);
        stored = value.section(QLatin1Char(';'), 1, -1);
    } else {
        result = unescapeBackslashes(value);
    }
    // The printer description's default changed since the value was stored:
    // the new default replaces the old choice.
    if (!stored.isEmpty() && !current.isEmpty() && stored != current)
        return current;
    return result.isEmpty() ? QString() : result;
}

QString unescapeBackslashes(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        result += value.at(i);
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size() && value.at(i + 1) == QLatin1Char('\\'))
            ++i;
    }
    return result;
}

bool resyncSettingsFile(const QString &path)
{
    QList<QByteArray> lines;
    if (!readLines(path, &lines))
        return false;
    // A profile records no defaults: nothing to bring in line.
    if (!lines.isEmpty() && isProfileLine(lines.first()))
        return true;

    const QHash<QString, QString> defaults = currentDefaults();
    QByteArray out;
    for (const QByteArray &raw : qAsConst(lines)) {
        const QString line = lineText(raw);
        const QString key = lineKey(line);
        const QString current = defaults.value(key);
        const int semicolon = line.indexOf(QLatin1Char(';'));
        if (!current.isEmpty() && semicolon >= 0 && line.mid(semicolon + 1) != current)
            out += (key + QLatin1Char('=') + current + QLatin1Char(';') + current).toUtf8();
        else
            out += raw; // every other line stays byte for byte
        out += '\n';
    }

    // The "-temporary" sibling, or a short name where the file's own name
    // leaves no room for the suffix.
    QByteArray temporary = QFile::encodeName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1)) + "-temporary";
    if (temporary.size() > NAME_MAX)
        temporary = safefile::temporaryName();
    return replaceSettingsFile(path, out, temporary);
}

bool settingsFileExists(const QString &queue)
{
    const safefile::PrivateDir directory(userDir);
    if (!directory.usable()) {
        if (directory.missing())
            return false;
        // Nothing may be written there: the first write is not attempted.
        raiseDirectoryAlarm(withoutTrailingSlashes(userDir), directory.problem());
        return true;
    }
    struct stat info;
    const QByteArray name = QFile::encodeName(queue + QStringLiteral(".cfg"));
    return ::fstatat(directory.fd(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool makeUserSettingsDir()
{
    createUserDir();
    return safefile::PrivateDir(userDir).usable();
}

void setSettingsAlarmHandler(const SettingsAlarmHandler &handler)
{
    alarmHandler() = handler;
}

bool settingsDirectoryRefused()
{
    return directoryRefused;
}

bool settingsFileHeldByProfile()
{
    return heldByProfile;
}

bool startsWithProfileHeader(const QString &path)
{
    QList<QByteArray> lines;
    return readLines(path, &lines) && !lines.isEmpty() && isProfileLine(lines.first());
}

QString chooseUserDir(const QString &shared)
{
    const safefile::PrivateDir own(shared);
    if (own.usable() || own.missing())
        return shared;
    const QString fallback = fallbackDirectory();
    if (fallback.isEmpty() || !createDirectory(fallback, 0700).isEmpty() || !safefile::PrivateDir(fallback).usable())
        return shared;
    showLater(SettingsAlarm::Warning,
              SettingsFiles::tr("The settings directory %1 cannot be used: %2.\n"
                                "Your settings and profiles are saved in %3 instead.")
                  .arg(withoutTrailingSlashes(shared), own.problem(), withoutTrailingSlashes(fallback)));
    return fallback;
}
