#pragma once

#include <QSet>
#include <QString>

class vOptionSet;

// Program-wide values shared by the main dialog, the Printer tab, the
// settings tabs, the settings-file readers and the profile dialogs.  They are
// used on the GUI thread only and have no accessor layer.

// Option store of the selected queue; null while no queue is selected.  A
// replaced store is freed only when control is back in the event loop after
// every tab has moved to the new one (the Printer tab hands it to a holder
// that is deleted later), so a pointer into it stays valid until then.
extern vOptionSet *currentOptionSet;

// The per-user directory (base + user name + "/"); empty until the main
// dialog sets it from defaultUserDir().
extern QString userDir;

// The file the tabs read their stored values from: the queue's settings
// file, a profile file, or userDir alone (reads as nothing).  Empty until a
// queue is selected.
extern QString settingsSource;

// True when the last constraint pass left no tab constrained.
extern bool settingsValid;

// Names of all CUPS destinations seen at the Printer tab's last listing.
extern QSet<QString> printerSet;

// The maker's printer descriptions by model (profile details read them) and
// CUPS's copies of its queues' descriptions (their names are reserved for
// profiles), each ending in "/".  Tests point them elsewhere.
extern QString modelPpdDir;
extern QString cupsPpdDir;

// The root road's programs, by absolute path: sudo, su and the root-side
// writer of installable options (where the build installs it).  Nothing is
// looked up on the user's search path.  Tests point them at stand-ins.
extern QString sudoProgramPath;
extern QString suProgramPath;
extern QString rootWriterPath;

// The per-user directory for the user named by the environment variable USER,
// always ending in "/".  When USER is unset, empty or no plain name (".",
// "..", or holding a "/"), the name comes from the account database.
QString defaultUserDir();
