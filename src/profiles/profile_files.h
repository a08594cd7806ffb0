// Profiles in the per-user directory: where their files are, which files are
// profiles, and the rules a profile's name follows.  Shared by the profile
// list, save and edit dialogs.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace profiles {

// Longest name (bytes of UTF-8) and description (UTF-16 code units).
const int maxNameBytes = 251;
const int maxDescriptionLength = 1024;
// Most profiles the save dialog lets the directory hold.
const int maxProfiles = 25;

// What keeps the OK button of the save and edit dialogs disabled, in the
// order the rules are tested.
enum class NameProblem {
    None,
    Empty,
    FactoryDefault,
    Reserved,
    LeadingDot,
    // One of "/", "`", ";", the double quotation mark, or a control
    // character (line break, tab and the like).
    ForbiddenCharacter,
    DescriptionTooLong,
    NameTooLong,
};

// What keeps a name from becoming a file when the profile is written.
enum class FileNameProblem {
    None,
    // A queue's name, or the name of a file that is no profile.
    Reserved,
    // The file-name encoding of the locale cannot hold the name.
    NotEncodable,
};

// True when the name, blanks simplified, is one of the factory-default row's
// names in the program's languages, ignoring case.
bool isFactoryDefaultName(const QString &name);

NameProblem checkName(const QString &name, const QString &description, const QStringList &reservedNames);

FileNameProblem checkFileName(const QString &name);

// The entries of CUPS's description directory up to their first ".".
QStringList queueNames();

// userDir + name + ".cfg".
QString profileFilePath(const QString &name);

// True when one of the file's lines is exactly "[Profile]".
bool isProfileFile(const QString &path);

// The profiles in userDir: the "*.cfg" files that are profiles, less
// ".cfg", ordered by name ignoring case.
QStringList profileNames();

// The file's lines as UTF-8 text, without line ends; empty when it cannot be
// read.
QStringList readTextLines(const QString &path);

// "[" + a model name of the maker's or its brands' + "]".
bool isModelLine(const QString &line);

// The description with its line breaks as stored ("\" and "n") and back.
QString storedDescription(QString description);
QString shownDescription(QString stored);

} // namespace profiles
