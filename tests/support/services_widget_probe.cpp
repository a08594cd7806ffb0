// Compiled as a service by the test services_without_widgets, which expects
// it to fail at the widget header: a service file sees no widget header.
#include "app/settings_files.h"

#include <QMessageBox>
