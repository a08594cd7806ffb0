#include "app/printer_status.h"

#include <QObject>

QString printerStatus(const QString &) { return QString(); }
char *readWholeStream(char *buffer, size_t, FILE *) { return buffer; }
QString classifyPrinterState(const QString &text) { return text; }
