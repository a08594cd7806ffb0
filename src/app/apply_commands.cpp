#include "app/apply_commands.h"

#include "app/quiet_command.h"

QStringList lpoptionsArguments(ppd_file_t *ppd, const QString &queue, const QHash<QString, QString> &options)
{
    QStringList arguments;
    arguments << QStringLiteral("-p") << queue;
    if (!ppd)
        return arguments;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const QString keyword = QString::fromUtf8(group.options[o].keyword);
            const QString value = options.value(keyword);
            if (value.isEmpty())
                continue;
            arguments << QStringLiteral("-o") << keyword + QLatin1Char('=') + value;
        }
    }
    return arguments;
}

bool runLpoptions(const QStringList &arguments, int timeoutMs)
{
    return runQuietCommand(QStringLiteral("lpoptions"), arguments, timeoutMs);
}

QString installedOptionsArgs(const QHash<QString, QString> &options)
{
    QString args;
    for (auto it = options.constBegin(); it != options.constEnd(); ++it)
        args += it.key() + QLatin1Char('=') + it.value() + QLatin1Char(' ');
    return args;
}
