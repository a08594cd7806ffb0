// The Basic tab: paper size, media type, source, destination, collate, duplex
// and colour.
// This version builds the tab's frame only: it reports no options, so the
// main dialog keeps it disabled and hidden.
#pragma once

#include "ui/tab.h"

class VelDialog;
class VelButtonGroup;

class GeneralTab : public Tab
{
    Q_OBJECT
public:
    explicit GeneralTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;

    // The colour-mode group, mirrored by the main dialog with the Imaging
    // tab's group.
    VelButtonGroup *colorModeGroup = nullptr;
};
