#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdio>

// The state word shown in the Printer tab's Status column: "Idle", "Paused"
// or "Printing" (translated, context "QObject") or, when none is recognised,
// the text that `lpstat -p <queue>` printed (newlines removed).
QString printerStatus(const QString &printer);

// Reads the stream into buffer (size bytes) until end of file or size - 1
// characters are held, dropping newlines; the text is NUL-terminated.
char *readWholeStream(char *buffer, size_t size, FILE *stream);

// Maps lpstat output to tr("Idle"), tr("Paused"), tr("Printing") or the text
// itself.
QString classifyPrinterState(const QString &text);

// What lpstat said about one queue, kept apart from its wording so that the
// Status column can be shown again in another language without asking CUPS.
enum class QueueState { Other, Idle, Paused, Printing, Failed };

struct QueueStatus
{
    QueueState state = QueueState::Other;
    // lpstat's text for the queue (newlines removed, at most 1022 bytes);
    // shown as it is when the state is Other.
    QString output;

    // The Status cell in the current language.
    QString text() const;
};

// The state that a queue's lpstat text names.
QueueState queueStateOf(const QString &output);

// One `lpstat -p` for the queue alone.
QueueStatus queueStatus(const QString &printer);

// The status of every queue of `queues` from one `lpstat -p` run for all
// queues of the server. `known` holds every destination name the server has
// (the queues among them), so that each part of the output can be told apart
// by the queue it names. A queue lpstat says nothing about gets an empty
// text, as a single call for it would; every queue gets the error text when
// lpstat cannot be run or does not end in time.
QHash<QString, QueueStatus> queueStatuses(const QStringList &queues, const QSet<QString> &known);

// Splits `lpstat -p` output into the parts of each queue: a part starts at a
// line that does not begin with a blank or tab and takes in the indented
// lines after it. A part belongs to the first name of `known` among the
// words of its first line, passing over a name that every part holds (a
// queue named like lpstat's own word for "printer"). Parts of names outside
// `queues` and later parts of a queue already seen are dropped. The values
// are the parts' bytes with their newlines removed, cut to 1022 bytes.
QHash<QString, QByteArray> splitStatusOutput(const QByteArray &output, const QStringList &queues,
                                             const QSet<QString> &known);
