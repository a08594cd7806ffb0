// Brings other desktop applications' stored print settings in line with the
// queue defaults just applied: gedit's page setup takes the chosen paper
// size, the gedit, evince and eog print settings are removed, and collation
// is switched off in the office suite's user registry.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

#include "app/page_setup_table.h"

class PrintSettingsSync
{
public:
    PrintSettingsSync();
    ~PrintSettingsSync();

    // Scans the home directory and records every file of a known target.
    void findSyncTargets();
    // Acts on every file found; pageSize is the applied "PageSize" keyword.
    void syncPrintSettings(const QString &pageSize);

    // Finds the home directory (HOME, else the password entry); false when
    // there is none, and then nothing is scanned or touched.
    bool findHomeDirectory();
    // The target name a found path stands for, or an empty string.
    QString matchSyncTarget(const QString &path) const;
    void removeFile(const QString &path);
    // Switches collation off: the new text is written to path + ".tmp" and
    // renamed over the registry (writeBackRegistry).
    void disableCollateInRegistry(const QString &path);
    // Puts text in the place of the registry file at path, which was read
    // as the file original describes: written whole to path + ".tmp" in the
    // same directory, flushed to disk, given the registry's mode and renamed
    // over it, so the registry is either the old file or the new one, never
    // cut. Only while path is still that very file and the user may write to
    // it; otherwise the registry is left alone, the new text stays in the
    // temporary file and false is returned (the failure is recorded).
    bool writeBackRegistry(const QString &path, const struct stat &original, const QByteArray &text);
    // Replaces the file's content with text; false when it cannot be written.
    bool overwriteFile(const QString &path, const QString &text);
    void writeGeditPageSetup(const QString &path, const QString &pageSize);

    QString homeDirectory() const { return homeDir; }
    QMultiHash<QString, QString> targets() const { return foundTargets; }
    // What could not be updated, one line per file, for the user.
    QStringList failures() const { return failureList; }

    // Upper bound of one scan of the home directory, in milliseconds.
    static const int scanTimeoutMs = 120000;
    // Upper bound of each helper command, in milliseconds.
    static const int commandTimeoutMs = 30000;

private:
    void takePath(const QByteArray &bytes);
    static QString failureLine(const QString &path, const QString &what);

    PageSetupTable pageSetup;
    QMultiHash<QString, QString> foundTargets;
    QString homeDir;
    QList<QString> targetNames;
    QStringList failureList;
};
