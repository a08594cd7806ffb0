#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// Per-user settings files: one "<queue>.cfg" per CUPS queue and any number of
// profile files, all in userDir.  Readers read from settingsSource.

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
// printer-description default; a null string when none is stored.
QString readSettingValue(const QString &key);

// Every stored value of key in settingsSource, in file order, as stored.
QStringList readSettingValues(const QString &key);
// Same; the queue name is not used (kept for callers that pass it).
QStringList readSettingValues(const QString &queue, const QString &key);

// Resolves a stored value against the current printer-description default.
QString resolveStoredValue(const QString &key, const QString &value);

// Every pair of backslashes becomes one, scanning left to right.
QString unescapeBackslashes(const QString &value);

// Cancel: rewrites lines whose recorded printer-description default differs
// from the current one to the current default.  The file is replaced through
// path + "-temporary" by a rename; on failure it stays as it was and false is
// returned.
bool resyncSettingsFile(const QString &path);

// True when userDir + queue + ".cfg" exists.
bool settingsFileExists(const QString &queue);

// Creates userDir with its missing parents (mode 0775); true when the
// directory exists afterwards.
bool makeUserSettingsDir();
