// The Job tab: job storage, private print, custom boxes, job accounting, user
// login, e-mail notice and job name.
// This version builds the tab's frame only: it reports no options, so the
// main dialog keeps it disabled and hidden.
#pragma once

#include "ui/tab.h"

class VelDialog;

class JobTab : public Tab
{
    Q_OBJECT
public:
    explicit JobTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
};
