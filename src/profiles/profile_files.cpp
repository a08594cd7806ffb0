#include "profiles/profile_files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cups/cups.h>

#include "app/program_state.h"
#include "app/settings_files.h"

namespace profiles {

namespace {

const QString cfgSuffix = QStringLiteral(".cfg");

bool containsIgnoringCase(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

QStringList cupsQueueNames()
{
    QStringList names;
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests(&dests);
    for (int i = 0; i < count; ++i)
        names << QString::fromUtf8(dests[i].name);
    cupsFreeDests(count, dests);
    return names;
}

// The names of CUPS's description files less ".ppd", whole.
QStringList cupsPpdNames()
{
    QStringList names;
    const QStringList files = QDir(cupsPpdDir).entryList({QStringLiteral("*.ppd")}, QDir::Files | QDir::CaseSensitive);
    for (const QString &file : files)
        names << file.left(file.size() - 4);
    return names;
}

} // namespace

bool isFactoryDefaultName(const QString &name)
{
    static const QStringList names = {
        QStringLiteral("Factory Default"),
        QStringLiteral("Param\u00e8tres du fabricant"),
        QStringLiteral("Werkseinstellung"),
        QStringLiteral("Impostazioni fabbrica"),
        QStringLiteral("Valor predeterminado de f\u00e1brica"),
        QStringLiteral("Padr\u00e3o de f\u00e1brica"),
    };
    return containsIgnoringCase(names, name.simplified());
}

NameProblem checkName(const QString &name, const QString &description, const QStringList &reservedNames)
{
    if (name.isEmpty())
        return NameProblem::Empty;
    if (isFactoryDefaultName(name))
        return NameProblem::FactoryDefault;
    if (containsIgnoringCase(reservedNames, name))
        return NameProblem::Reserved;
    if (name.startsWith(QLatin1Char('.')))
        return NameProblem::LeadingDot;
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('`'), QLatin1Char(';'), QLatin1Char('"')}) {
        if (name.contains(c))
            return NameProblem::ForbiddenCharacter;
    }
    // Line breaks, tabs and other control characters would break the
    // profile list and the file's lines.
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return NameProblem::ForbiddenCharacter;
    }
    if (description.size() > maxDescriptionLength)
        return NameProblem::DescriptionTooLong;
    if (name.toUtf8().size() > maxNameBytes)
        return NameProblem::NameTooLong;
    return NameProblem::None;
}

FileNameProblem checkFileName(const QString &name)
{
    // Two names that the locale's file-name encoding turns into the same
    // bytes would share one file.
    if (QFile::decodeName(QFile::encodeName(name)) != name)
        return FileNameProblem::NotEncodable;
    if (containsIgnoringCase(cupsQueueNames(), name) || containsIgnoringCase(cupsPpdNames(), name))
        return FileNameProblem::Reserved;
    // A queue's settings file, also of a queue that is gone.
    const QString path = profileFilePath(name);
    if (QFile::exists(path) && !isProfileFile(path))
        return FileNameProblem::Reserved;
    return FileNameProblem::None;
}

QStringList queueNames()
{
    QStringList names;
    const QStringList entries = QDir(cupsPpdDir).entryList();
    for (const QString &entry : entries)
        names << entry.section(QLatin1Char('.'), 0, 0);
    return names;
}

QString profileFilePath(const QString &name)
{
    return userDir + name + cfgSuffix;
}

bool isProfileFile(const QString &path)
{
    return readTextLines(path).contains(QStringLiteral("[Profile]"));
}

QStringList profileNames()
{
    QStringList names;
    const QStringList files = QDir(userDir).entryList({QStringLiteral("*.cfg")}, QDir::Files | QDir::CaseSensitive,
                                                      QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        if (isProfileFile(userDir + file))
            names << file.left(file.size() - cfgSuffix.size());
    }
    return names;
}

QStringList readTextLines(const QString &path)
{
    QStringList lines;
    QList<QByteArray> raw;
    if (!readFileLines(path, &raw))
        return lines;
    for (const QByteArray &line : qAsConst(raw)) {
        QString text = QString::fromUtf8(line);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        lines << text;
    }
    return lines;
}

bool isModelLine(const QString &line)
{
    static const QRegularExpression model(QStringLiteral("^\\[Velmora.*\\]$|^\\[WR.*\\]$|^\\[Hestoral.*\\]$"));
    return model.match(line).hasMatch() && !line.contains(QLatin1String("Profile"));
}

QString storedDescription(QString description)
{
    description.remove(QLatin1Char('\r'));
    return description.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString shownDescription(QString stored)
{
    return stored.replace(QLatin1String("\\n"), QLatin1String("\n"));
}

} // namespace profiles
