// Small requests to the CUPS scheduler that the dialog makes often.
#pragma once

#include <QSet>
#include <QString>

// The names of the scheduler's queues and classes, from one request that
// asks for nothing but the names. `reached` (when given) tells whether the
// scheduler answered at all; an unanswered request gives an empty set.
QSet<QString> queueNames(bool *reached = nullptr);

// Whether the last request to the scheduler failed because no scheduler
// could be reached (none running, or the configured server unknown).
bool schedulerUnreachable();
