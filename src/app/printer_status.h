#pragma once

#include <QString>

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
