#include "app/printer_status.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <cstring>

namespace {

// The output is read like a 1024-byte buffer would hold it: newlines dropped,
// at most this many bytes kept.
const int maxStatusBytes = 1022;

// How long one lpstat call may take before it counts as failed.
const int lpstatTimeoutMs = 15000;

QString statusErrorText()
{
    return QObject::tr("Error: Printer does not exist or lpstat failed.");
}

// Runs lpstat with the arguments and returns its standard output; false when
// it could not be started or did not end in time.
bool runLpstat(const QStringList &args, QByteArray *output)
{
    QProcess process;
    process.setProgram(QStringLiteral("lpstat"));
    process.setArguments(args);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return false;
    process.closeWriteChannel();

    if (!process.waitForFinished(lpstatTimeoutMs)) {
        // No end within the time limit: a hanging lpstat must not block the
        // dialog for ever.
        process.kill();
        process.waitForFinished(2000);
        return false;
    }
    *output = process.readAllStandardOutput();
    return true;
}

QByteArray joinedAndCut(QByteArray text)
{
    text.replace('\n', QByteArray());
    if (text.size() > maxStatusBytes)
        text.truncate(maxStatusBytes);
    return text;
}

// The known destination names among the words of a status line, in the
// order they stand (quotes, brackets or a colon around a name count for
// nothing).
QStringList namesInLine(const QByteArray &line, const QSet<QString> &known)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QString wrapping = QStringLiteral("\"'`:,.;()[]<>\u00ab\u00bb\u201c\u201d\u201e\u2018\u2019");
    QStringList names;
    const QStringList words = QString::fromUtf8(line).split(blanks, Qt::SkipEmptyParts);
    for (QString word : words) {
        if (!known.contains(word)) {
            while (!word.isEmpty() && wrapping.contains(word.at(0)))
                word.remove(0, 1);
            while (!word.isEmpty() && wrapping.contains(word.at(word.size() - 1)))
                word.chop(1);
        }
        if (!word.isEmpty() && known.contains(word) && !names.contains(word))
            names.append(word);
    }
    return names;
}

} // namespace

QueueState queueStateOf(const QString &text)
{
    static const char *const idleWords[] = {"idle", "inactiva", "inattiva", "inativa", "inactive",
                                            "inaktiv", "in attesa", "Leerlauf", "leerlauf", "ociosa"};
    static const char *const pausedWords[] = {"Paused", "désactivée", "deaktiviert", "disabilitata",
                                              "desativada"};
    static const char *const printingWords[] = {"printing", "stampando ", "imprimiendo ",
                                                "impression ", "druckt ", "imprimindo "};

    auto contains = [&text](const char *const *words, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (text.indexOf(QString::fromUtf8(words[i])) >= 0)
                return true;
        }
        return false;
    };

    if (contains(idleWords, sizeof idleWords / sizeof *idleWords))
        return QueueState::Idle;
    if (contains(pausedWords, sizeof pausedWords / sizeof *pausedWords))
        return QueueState::Paused;
    if (contains(printingWords, sizeof printingWords / sizeof *printingWords))
        return QueueState::Printing;
    return QueueState::Other;
}

QString QueueStatus::text() const
{
    switch (state) {
    case QueueState::Idle:
        return QObject::tr("Idle");
    case QueueState::Paused:
        return QObject::tr("Paused");
    case QueueState::Printing:
        return QObject::tr("Printing");
    case QueueState::Failed:
        return statusErrorText();
    case QueueState::Other:
        break;
    }
    return output;
}

QString classifyPrinterState(const QString &text)
{
    QueueStatus status;
    status.state = queueStateOf(text);
    status.output = text;
    return status.text();
}

QueueStatus queueStatus(const QString &printer)
{
    // The queue name is one argument of its own: nothing in it is ever
    // interpreted by a shell.  A name that starts with "-" is attached to the
    // option so that lpstat cannot take it for another option.
    QStringList args;
    if (printer.startsWith(QLatin1Char('-')))
        args << QStringLiteral("-p") + printer;
    else
        args << QStringLiteral("-p") << printer;

    QueueStatus status;
    QByteArray output;
    if (!runLpstat(args, &output)) {
        status.state = QueueState::Failed;
        return status;
    }
    status.output = QString::fromUtf8(joinedAndCut(output));
    status.state = queueStateOf(status.output);
    return status;
}

QString printerStatus(const QString &printer)
{
    return queueStatus(printer).text();
}

QHash<QString, QByteArray> splitStatusOutput(const QByteArray &output, const QStringList &queues,
                                             const QSet<QString> &known)
{
    // The parts: a first line and the indented lines after it.
    QList<QByteArray> parts;
    QList<QStringList> names;
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const bool continuation = line.startsWith(' ') || line.startsWith('\t');
        if (continuation && !parts.isEmpty()) {
            parts.last().append(line);
        } else {
            parts.append(line);
            names.append(namesInLine(line, known));
        }
    }

    // A name found in every part is a word of the message itself (a queue
    // called like lpstat's word for "printer"); it owns only a part that
    // names no other destination.
    QHash<QString, int> partsNaming;
    for (const QStringList &list : qAsConst(names)) {
        for (const QString &name : list)
            ++partsNaming[name];
    }
    const QSet<QString> wanted(queues.cbegin(), queues.cend());
    QHash<QString, QByteArray> statuses;
    for (int i = 0; i < parts.size(); ++i) {
        const QStringList &list = names.at(i);
        QString owner = list.value(0);
        for (const QString &name : list) {
            if (parts.size() < 2 || partsNaming.value(name) < parts.size()) {
                owner = name;
                break;
            }
        }
        if (!owner.isEmpty() && wanted.contains(owner) && !statuses.contains(owner))
            statuses.insert(owner, joinedAndCut(parts.at(i)));
    }
    return statuses;
}

QHash<QString, QueueStatus> queueStatuses(const QStringList &queues, const QSet<QString> &known)
{
    QHash<QString, QueueStatus> statuses;
    if (queues.isEmpty())
        return statuses;
    QByteArray output;
    const bool ran = runLpstat({QStringLiteral("-p")}, &output);
    QSet<QString> names = known;
    for (const QString &queue : queues)
        names.insert(queue);
    const QHash<QString, QByteArray> parts = ran ? splitStatusOutput(output, queues, names)
                                                 : QHash<QString, QByteArray>();
    for (const QString &queue : queues) {
        QueueStatus status;
        if (!ran) {
            status.state = QueueState::Failed;
        } else {
            status.output = QString::fromUtf8(parts.value(queue));
            status.state = queueStateOf(status.output);
        }
        statuses.insert(queue, status);
    }
    return statuses;
}

char *readWholeStream(char *buffer, size_t size, FILE *stream)
{
    if (!buffer || size == 0)
        return buffer;
    memset(buffer, 0, size);
    if (!stream)
        return buffer;
    size_t held = 0;
    while (held + 1 < size) {
        const int c = fgetc(stream);
        if (c == EOF)
            break; // end of file or a read error: keep what was read
        if (c == '\n')
            continue;
        buffer[held++] = static_cast<char>(c);
    }
    buffer[held] = '\0';
    return buffer;
}
