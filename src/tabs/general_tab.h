// The Basic tab: paper size, media type, source and destination in combo
// boxes, collation, two-sided printing and colour mode in icon button groups.
#pragma once

#include "ui/tab.h"

class ComboBoxEx;
class QLabel;
class VelDialog;
class VelButtonGroup;

class GeneralTab : public Tab
{
    Q_OBJECT
public:
    explicit GeneralTab(VelDialog *dialog);

    void setTabName() override;
    // Every choice but a custom paper size.
    void fillComboBox(ComboBoxEx *combo, vOption *option) override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // Enabled whenever a queue is loaded.
    bool hasOptions() override;
    void reload() override;
    // The paper size also goes out under the four page-geometry keywords.
    QHash<QString, QString> collectOptions() override;
    void clearConstraintMarks() override;

    // The base label texts, then the tab's own for size, source and
    // destination.
    virtual void updateLabels();

    QLabel *pageSizeLabel = nullptr;
    ComboBoxEx *pageSizeCombo = nullptr;
    QLabel *mediaTypeLabel = nullptr;
    ComboBoxEx *mediaTypeCombo = nullptr;
    QLabel *inputSlotLabel = nullptr;
    ComboBoxEx *inputSlotCombo = nullptr;
    QLabel *outputBinLabel = nullptr;
    ComboBoxEx *outputBinCombo = nullptr;
    VelButtonGroup *collateGroup = nullptr;
    VelButtonGroup *duplexGroup = nullptr;
    // The colour-mode group, mirrored by the main dialog with the Imaging
    // tab's group.
    VelButtonGroup *colorModeGroup = nullptr;

public slots:
    // A colour mode with a single choice shows "Black & white", fixed.
    bool enableOptionsForButtonGroup(VelButtonGroup *button_group, vOption *option) override;

private:
    void layOut();
    // Shown when the queue has no colour mode to choose, or no duplex.
    void applyColorModelFallback();
    void applyDuplexFallback();
    void showFixedMonochrome(VelButtonGroup *group);
};
