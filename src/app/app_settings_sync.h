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
    // Switches collation off through path + ".tmp", which is removed only
    // after the new text was copied into the registry file.
    void disableCollateInRegistry(const QString &path);
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
    static bool copyInto(const QString &path, const struct stat &original, const QByteArray &text);
    static QString failureLine(const QString &path, const QString &what);

    PageSetupTable pageSetup;
    QMultiHash<QString, QString> foundTargets;
    QString homeDir;
    QList<QString> targetNames;
    QStringList failureList;
};
