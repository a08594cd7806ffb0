#include "app/translation.h"

#include <QHash>

// The standard buttons the dialogs and message boxes show are worded by Qt
// in its own context; listed here, their texts travel in our catalogues.
[[maybe_unused]] static const char *const standardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
};

QString translationResourceFor(const QString &localeName)
{
    static const QHash<QString, QString> catalogues = {
        {QStringLiteral("en"), QStringLiteral(":/strings/english")},
        {QStringLiteral("fr"), QStringLiteral(":/strings/french")},
        {QStringLiteral("de"), QStringLiteral(":/strings/german")},
        {QStringLiteral("it"), QStringLiteral(":/strings/italian")},
        {QStringLiteral("pt"), QStringLiteral(":/strings/portuguese")},
        {QStringLiteral("es"), QStringLiteral(":/strings/spanish")},
    };
    const QString language = localeName.split(QLatin1Char('_')).first();
    return catalogues.value(language, QStringLiteral(":/strings/english"));
}

QString rotate180Text()
{
    const QString language = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("fr"))
        return QStringLiteral("Tourner 180\u00b0");
    if (language == QLatin1String("de"))
        return QStringLiteral("Rotiert 180\u00b0");
    if (language == QLatin1String("it"))
        return QStringLiteral("Ruotato 180\u00b0");
    if (language == QLatin1String("pt"))
        return QStringLiteral("Girar 180\u00b0");
    if (language == QLatin1String("es"))
        return QStringLiteral("Girado 180\u00b0");
    return QStringLiteral("Rotate 180\u00b0");
}
