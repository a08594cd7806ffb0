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

// Every tab's settings but the Printer tab's and those of tabs without
// options for the current queue: first each tab's collectOptions() in order
// (a later tab's value replaces an earlier one), then every tab's
// extraOptions(), whose keys may repeat; an extra entry goes before the
// entries its key already has, so value() gives the newest one.
QHash<QString, QString> collectTabOptions(const TabListRef &ref);
