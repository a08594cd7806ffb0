// The Publishing tab: covers, page insert and transparency interleave.
// This version builds the tab's frame only: it reports no options, so the
// main dialog keeps it disabled and hidden.
#pragma once

#include "ui/tab.h"

class VelDialog;
class ComboBoxEx;
class QLabel;
class VelCheckBoxButton;

class PublishingTab : public Tab
{
    Q_OBJECT
public:
    explicit PublishingTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;

    // Read by the main dialog to keep the cover "print onto" labels in step
    // with the cover paper sources.
    VelCheckBoxButton *coverModeButton = nullptr;
    ComboBoxEx *frontCoverSourceCombo = nullptr;
    ComboBoxEx *backCoverSourceCombo = nullptr;
    QLabel *frontPrintOntoLabel = nullptr;
    QLabel *backPrintOntoLabel = nullptr;
};
