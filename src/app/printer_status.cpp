#include "app/printer_status.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
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

} // namespace

QString printerStatus(const QString &printer)
{
    // The queue name is one argument of its own: nothing in it is ever
    // interpreted by a shell.  A name that starts with "-" is attached to the
    // option so that lpstat cannot take it for another option.
    QStringList args;
    if (printer.startsWith(QLatin1Char('-')))
        args << QStringLiteral("-p") + printer;
    else
        args << QStringLiteral("-p") << printer;

    QProcess process;
    process.setProgram(QStringLiteral("lpstat"));
    process.setArguments(args);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted())
        return statusErrorText();
    process.closeWriteChannel();

    if (!process.waitForFinished(lpstatTimeoutMs)) {
        // No end within the time limit: a hanging lpstat must not block the
        // dialog for ever.
        process.kill();
        process.waitForFinished(2000);
        return statusErrorText();
    }
    QByteArray output = process.readAllStandardOutput();
    output.replace('\n', QByteArray());
    if (output.size() > maxStatusBytes)
        output.truncate(maxStatusBytes);
    return classifyPrinterState(QString::fromUtf8(output));
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

QString classifyPrinterState(const QString &text)
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
        return QObject::tr("Idle");
    if (contains(pausedWords, sizeof pausedWords / sizeof *pausedWords))
        return QObject::tr("Paused");
    if (contains(printingWords, sizeof printingWords / sizeof *printingWords))
        return QObject::tr("Printing");
    return text;
}
