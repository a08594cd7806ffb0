#include "app/translation.h"

#include <QHash>

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
