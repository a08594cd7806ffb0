#include "app/settings_files.h"

#include "app/program_state.h"

#include <QTextStream>

bool writeSettingsFile(const QString &, const QHash<QString, QString> &, bool) { return false; }
bool writeProfileFile(const QString &, const QHash<QString, QString> &, bool, const QString &) { return false; }
void writeOptionLines(QTextStream &, const QHash<QString, QString> &, bool) {}
QString escapeValueForKey(const QString &, const QString &value) { return value; }
QString readSettingValue(const QString &) { return QString(); }
QStringList readSettingValues(const QString &) { return QStringList(); }
QStringList readSettingValues(const QString &, const QString &key) { return readSettingValues(key); }
QString resolveStoredValue(const QString &, const QString &value) { return value; }
QString unescapeBackslashes(const QString &value) { return value; }
bool resyncSettingsFile(const QString &) { return false; }
bool settingsFileExists(const QString &) { return false; }
bool makeUserSettingsDir() { return false; }
