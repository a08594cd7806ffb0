// The Imaging tab: print quality, colour mode, toner saving and the colour and
// mono adjustment settings.
// This version builds the tab's frame only: it reports no options, so the
// main dialog keeps it disabled and hidden.
#pragma once

#include "ui/tab.h"

class VelDialog;
class VelButtonGroup;

class ImagingTab : public Tab
{
    Q_OBJECT
public:
    explicit ImagingTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;

    // The colour-mode group, mirrored by the main dialog with the Basic tab's
    // group.
    VelButtonGroup *colorModeGroup = nullptr;

    // How often the adjustment settings were reset, per kind (0 mono,
    // 1 colour); the adjustment dialogs take this over.
    int monoResets = 0;
    int colorResets = 0;

public slots:
    // 0 resets the mono adjustment settings, any other value the colour ones.
    void clearDialogSettings(int selection);
    // The same for the checked colour mode.
    void clearDialogSettings();
};
