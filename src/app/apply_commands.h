// The commands of one Apply: the lpoptions argument list built from the
// printer description and the collected settings, and running it.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <cups/ppd.h>

// "-p QUEUE" followed by "-o KEY=VALUE" for every option of the description's
// top-level groups, in description order, whose collected value is not
// empty. Options of subgroups and settings the description does not know are
// never passed.
QStringList lpoptionsArguments(ppd_file_t *ppd, const QString &queue, const QHash<QString, QString> &options);

// Runs lpoptions with the arguments; true only when it ended within
// timeoutMs with exit status 0.
bool runLpoptions(const QStringList &arguments, int timeoutMs = 30000);

// The installed options for the root-side writer: "key=value " per entry.
QString installedOptionsArgs(const QHash<QString, QString> &options);
