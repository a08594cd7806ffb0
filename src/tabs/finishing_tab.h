// The Finishing tab: separation, folding, stapling, punching and rotation.
// This version builds the tab's frame only: it reports no options, so the
// main dialog keeps it disabled and hidden.
#pragma once

#include "ui/tab.h"

class VelDialog;

class FinishingTab : public Tab
{
    Q_OBJECT
public:
    explicit FinishingTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
};
