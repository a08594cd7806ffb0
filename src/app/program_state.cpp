#include "app/program_state.h"

#include <QByteArray>

vOptionSet *currentOptionSet = nullptr;
QString userDir;
QString settingsSource;
bool settingsValid = false;
QSet<QString> printerSet;
QString modelPpdDir = QStringLiteral(ORDOVAN_PPD_DIR);
QString cupsPpdDir = QStringLiteral("/etc/cups/ppd/");

QString defaultUserDir()
{
    const QString user = QString::fromLocal8Bit(qgetenv("USER"));
    return QString::fromUtf8(ORDOVAN_USER_DIR_BASE) + user + QLatin1Char('/');
}
