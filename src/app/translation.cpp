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
