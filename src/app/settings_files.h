#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// Per-user settings files: one "<queue>.cfg" per CUPS queue and any number of
// profile files, all in userDir.  Readers read from settingsSource.
//
// The files hold enciphered credentials and their directory lies below a base
// that every user may write to.  Before any file is read or written, the
// directory that holds it is opened without following a link and must be a
// directory owned by the user that nobody else may write to; otherwise
// nothing is read from or written to it, and one "Error" box naming the
// directory and what is wrong is shown when the program is back in its event
// loop (all the reads and writes of one user action share that box).
// Files are read only when they are regular and of a sane size; they are
// replaced through a short hidden temporary sibling (mode 0600, created with
// O_EXCL, never through a link) and a rename, so the old file stays whole
// until the new one is complete.

// Writes the queue settings file at path (queueFile true: each line of a key
// with a printer-description default carries ";" + that default).  The file
// is replaced whole through a temporary sibling; on failure the old file is
// left as it was and false is returned.
bool writeSettingsFile(const QString &path, const QHash<QString, QString> &options, bool queueFile);

// Writes a profile file ("[Profile]", "[model]", "ProfileDescription=...",
// then the settings) when queueFile is false, a queue file otherwise.  Same
// replacement and failure rules as writeSettingsFile.
bool writeProfileFile(const QString &path, const QHash<QString, QString> &options, bool queueFile,
                      const QString &description);

// Every line of the file at path as stored, without its line end; false when
// the file cannot be read.
bool readFileLines(const QString &path, QList<QByteArray> *lines);

// Replaces the file at path with data, with the replacement and failure
// rules of writeSettingsFile.
bool replaceFileData(const QString &path, const QByteArray &data);

// Writes one "key=value[;default]" line per entry, in the hash's order.
void writeOptionLines(QTextStream &stream, const QHash<QString, QString> &options, bool queueFile);

// Doubles every backslash in the values of "CustomWatermarkSet",
// "CustomWatermarkStore" and "CustomJobName"; other values are unchanged.
QString escapeValueForKey(const QString &key, const QString &value);

// The stored value of key in settingsSource, resolved against the current
// printer-description default; a null string when none is stored. The
// source is read once per user action: its values are kept until the
// program is back in its event loop, a settings file is written, or the
// file changes.
QString readSettingValue(const QString &key);

// Every stored value of key in settingsSource, in file order, as stored.
QStringList readSettingValues(const QString &key);

// Resolves a stored value against the current printer-description default.
QString resolveStoredValue(const QString &key, const QString &value);

// Every pair of backslashes becomes one, scanning left to right.
QString unescapeBackslashes(const QString &value);

// Cancel: rewrites lines whose recorded printer-description default differs
// from the current one to the current default.  The file is replaced through
// path + "-temporary" by a rename; on failure it stays as it was and false is
// returned.
bool resyncSettingsFile(const QString &path);

// True when userDir + queue + ".cfg" exists; also true when userDir exists
// but cannot be used, since nothing may be written there (its box is shown).
bool settingsFileExists(const QString &queue);

// Creates userDir (mode 0700) with its missing parents (0755); true when it
// exists afterwards and may be used.
bool makeUserSettingsDir();

// How the boxes about the per-user directory reach the user: the main dialog
// installs a handler that shows one (a warning when the settings go to the
// private fallback, a critical one when nothing can be read or saved), with
// the title and text given. It is called when the program is back in its
// event loop; without a handler the text goes to the log.
enum class SettingsAlarm { Warning, Critical };
using SettingsAlarmHandler = std::function<void(SettingsAlarm level, const QString &title, const QString &text)>;
void setSettingsAlarmHandler(const SettingsAlarmHandler &handler);

// True when the last write failed because the directory could not be used;
// its box is already on its way, so callers add none of their own.
bool settingsDirectoryRefused();

// True when the last queue-file write was refused because a profile of the
// queue's name holds the file: a profile is never overwritten as a queue's
// settings, nor read as them.
bool settingsFileHeldByProfile();

// True when the file's first line is the profile header "[Profile]".
bool startsWithProfileHeader(const QString &path);

// The per-user directory to use, given the shared one: shared itself while
// it is the user's own or does not exist yet (it is made when first
// written). When it is refused (another user's, a link, or writable by
// others), the private fallback $XDG_CONFIG_HOME/ordovan/ (by default
// ~/.config/ordovan/), made 0700 and checked as the shared one is, and one
// box says where the settings go instead; shared again when the fallback
// cannot be used either. The result ends in "/".
QString chooseUserDir(const QString &shared);
