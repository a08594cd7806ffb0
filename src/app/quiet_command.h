// Running a helper command without a shell, its output discarded.
#pragma once

#include <QString>
#include <QStringList>

// Starts `program` with `arguments` (no shell), standard input, output and
// error tied to /dev/null, and waits up to `timeoutMs` for it to start and
// again for it to end; a command still running then is killed. True only for
// a normal exit with status 0.
bool runQuietCommand(const QString &program, const QStringList &arguments, int timeoutMs);
