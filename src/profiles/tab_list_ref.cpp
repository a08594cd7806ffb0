#include "profiles/tab_list_ref.h"

#include <QLatin1String>

#include "ui/tab.h"

namespace {
// The Printer tab's installable options reach the printer only through the
// privileged writer; a tab without options for this queue holds whatever the
// previous queue left on its page.
bool isCollected(Tab *tab)
{
    return QLatin1String(tab->metaObject()->className()) != QLatin1String("PrinterTab") && tab->hasOptions();
}
} // namespace

QHash<QString, QString> collectTabOptions(const TabListRef &ref)
{
    QMultiHash<QString, QString> result;
    if (!ref.tabs)
        return result;
    for (Tab *tab : *ref.tabs) {
        if (!isCollected(tab))
            continue;
        const QHash<QString, QString> options = tab->collectOptions();
        for (auto it = options.constBegin(); it != options.constEnd(); ++it)
            result.replace(it.key(), it.value());
    }
    for (Tab *tab : *ref.tabs) {
        if (!isCollected(tab))
            continue;
        const QHash<QString, QString> extra = tab->extraOptions();
        for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
            result.insert(it.key(), it.value());
    }
    return result;
}
