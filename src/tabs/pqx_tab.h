// The print-management tab: the Quorix server login and its policies.
// This version builds the tab's frame only: it reports no options, so the
// main dialog keeps it disabled and hidden.
#pragma once

#include "ui/tab.h"

class VelDialog;

class PQXTab : public Tab
{
    Q_OBJECT
public:
    explicit PQXTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;

signals:
    // Emitted when the server's policies force full-colour printing on.
    void colorchanged();
};
