#include "app/program_state.h"

#include <QByteArray>

vOptionSet *currentOptionSet = nullptr;
QString userDir;
QString settingsSource;
bool settingsValid = false;
QSet<QString> printerSet;

QString defaultUserDir()
{
    const QString user = QString::fromLocal8Bit(qgetenv("USER"));
    return QString::fromUtf8(ORDOVAN_USER_DIR_BASE) + user + QLatin1Char('/');
}
