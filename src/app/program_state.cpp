#include "app/program_state.h"

#include <QByteArray>

#include <pwd.h>
#include <unistd.h>

vOptionSet *currentOptionSet = nullptr;
QString userDir;
QString settingsSource;
bool settingsValid = false;
QSet<QString> printerSet;
QString modelPpdDir = QStringLiteral(ORDOVAN_PPD_DIR);
QString cupsPpdDir = QStringLiteral("/etc/cups/ppd/");

QString sudoProgramPath = QStringLiteral(ORDOVAN_SUDO_PATH);
QString suProgramPath = QStringLiteral(ORDOVAN_SU_PATH);
QString rootWriterPath = QStringLiteral(ORDOVAN_WRITER_PATH);

namespace {

bool isPlainUserName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/'));
}

} // namespace

QString defaultUserDir()
{
    QString user = QString::fromLocal8Bit(qgetenv("USER"));
    if (!isPlainUserName(user)) {
        // Never the bare base, nor a path outside it.
        const struct passwd *entry = getpwuid(getuid());
        user = entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QString();
        if (!isPlainUserName(user))
            user = QString::number(getuid());
    }
    return QString::fromUtf8(ORDOVAN_USER_DIR_BASE) + user + QLatin1Char('/');
}
