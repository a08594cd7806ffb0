// The main dialog's list of tabs as handed to the profile dialogs, and the
// collection of every tab's settings for saving.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

class Tab;

struct TabListRef
{
    QList<Tab *> *tabs = nullptr;
};

// Every tab's settings but the Printer tab's: first each tab's
// collectOptions() in order (a later tab's value replaces an earlier one),
// then every tab's extraOptions(), whose keys may repeat.
QHash<QString, QString> collectTabOptions(const TabListRef &ref);
