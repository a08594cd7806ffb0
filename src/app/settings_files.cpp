#include "app/settings_files.h"

#include "app/program_state.h"
#include "model/option_model.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTextStream>

#include <cerrno>
#include <fcntl.h>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The files hold enciphered credentials: only their owner reads them.
const QFileDevice::Permissions privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

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

// Whole lines of a file (not cut at any length), without their line ends.
bool readLines(const QString &path, QList<QByteArray> *lines)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *lines = data.split('\n');
    if (!lines->isEmpty() && lines->last().isEmpty())
        lines->removeLast(); // the final line end
    return true;
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

// Writes a settings or profile file whole through a temporary sibling that
// takes the file's place only when everything was written.
bool writeFile(const QString &path, const QHash<QString, QString> &options, bool queueFile,
               bool withDescription, const QString &description)
{
    makeUserSettingsDir();
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
    return replaceFileData(path, data);
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
    QList<QByteArray> lines;
    if (!readLines(settingsSource, &lines))
        return QString();
    for (const QByteArray &raw : qAsConst(lines)) {
        const QString line = lineText(raw);
        if (lineKey(line) == key)
            return resolveStoredValue(key, lineValue(line));
    }
    return QString();
}

bool readFileLines(const QString &path, QList<QByteArray> *lines)
{
    return readLines(path, lines);
}

bool replaceFileData(const QString &path, const QByteArray &data)
{
    // A short hidden name: the file's own name may leave no room for a
    // suffix within the longest name the file system takes.
    static int counter = 0;
    const QString dir = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = QFile::encodeName(dir + QStringLiteral(".ordovan-%1-%2").arg(::getpid()).arg(++counter));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    const bool written = done == data.size() && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written
        || ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

QStringList readSettingValues(const QString &key)
{
    QStringList values;
    QList<QByteArray> lines;
    if (!readLines(settingsSource, &lines))
        return values;
    for (const QByteArray &raw : qAsConst(lines)) {
        const QString line = lineText(raw);
        if (lineKey(line) == key)
            values << lineValue(line);
    }
    return values;
}

QStringList readSettingValues(const QString &queue, const QString &key)
{
    Q_UNUSED(queue)
    return readSettingValues(key);
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

    const QString temporary = path + QStringLiteral("-temporary");
    QFile::remove(temporary);
    QFile tmp(temporary);
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    tmp.setPermissions(privateFile);
    const bool written = tmp.write(out) == out.size() && tmp.flush() && fsync(tmp.handle()) == 0;
    tmp.close();
    if (!written || tmp.error() != QFileDevice::NoError) {
        QFile::remove(temporary);
        return false;
    }
    // The rename replaces the file in one step; until then it stays whole.
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

bool settingsFileExists(const QString &queue)
{
    struct stat st;
    return ::stat(QFile::encodeName(userDir + queue + QStringLiteral(".cfg")).constData(), &st) == 0;
}

bool makeUserSettingsDir()
{
    QByteArray path = QFile::encodeName(userDir);
    if (path.isEmpty())
        return false;
    if (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    // Create each missing level; a failure shows up below.
    for (int i = 1; i < path.size(); ++i) {
        if (path.at(i) != '/')
            continue;
        const QByteArray part = path.left(i);
        if (::access(part.constData(), F_OK) != 0)
            ::mkdir(part.constData(), 0775);
    }
    if (::access(path.constData(), F_OK) != 0)
        ::mkdir(path.constData(), 0775);
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
