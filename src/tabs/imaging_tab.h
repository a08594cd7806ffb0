// The Imaging tab: trapping, gloss, CIE optimisation, halftone screen and
// resolution; colour mode, colour reproduction and conversion, smoothing,
// grey with black toner and moire prevention; toner saving with its level;
// and the colour and mono adjustment dialogs.
#pragma once

#include "ui/tab.h"

class ComboBoxEx;
class QCheckBox;
class QLabel;
class QPushButton;
class VelButtonGroup;
class VelDialog;
class adjustmentDialog;
class monoDialog;

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
    void reload() override;
    QHash<QString, QString> collectOptions() override;
    QHash<QString, QString> extraOptions() override;
    void clearConstraintMarks() override;
    void retranslate() override;

    adjustmentDialog *colorAdjustmentDialog = nullptr;
    monoDialog *monoAdjustmentDialog = nullptr;
    QLabel *printQualityLabel = nullptr;
    QLabel *trapLabel = nullptr;
    QLabel *printQualityIcon = nullptr;
    ComboBoxEx *trapCombo = nullptr;
    // The colour-mode group, mirrored by the main dialog with the Basic tab's
    // group.
    VelButtonGroup *colorModeGroup = nullptr;
    QCheckBox *grayCheckBox = nullptr;
    QCheckBox *moireCheckBox = nullptr;
    QLabel *resolutionLabel = nullptr;
    ComboBoxEx *resolutionCombo = nullptr;
    QCheckBox *smoothingCheckBox = nullptr;
    ComboBoxEx *tonsaveLevelCombo = nullptr;
    VelButtonGroup *tonsaveGroup = nullptr;
    QCheckBox *glossCheckBox = nullptr;
    QLabel *adjustmentLabel = nullptr;
    QPushButton *adjustmentButton = nullptr;
    QLabel *screenLabel = nullptr;
    ComboBoxEx *screenCombo = nullptr;
    QLabel *crepLabel = nullptr;
    ComboBoxEx *crepCombo = nullptr;
    QLabel *rcmLabel = nullptr;
    ComboBoxEx *rcmCombo = nullptr;
    QLabel *cieLabel = nullptr;
    ComboBoxEx *cieCombo = nullptr;

public slots:
    void tonsaveButtonToggled();
    void tonsaveComboBoxChanged();
    void showAdjustmentDialog();
    // A blocked toner-saving "Off" switches the group to "On" and fixes it.
    bool enableOptions() override;
    // The colour group follows the colour model by choice keyword.
    bool enableOptionsForButtonGroup(VelButtonGroup *button_group, vOption *option) override;
    // 0 resets the mono adjustment settings, any other value the colour ones.
    void clearDialogSettings(int selection);
    // The same for the checked colour mode.
    void clearDialogSettings();

private:
    // The page's widgets in the order they are made, a builder for each run
    // of them, then the bindings and the tab's own connections.
    void buildQualityWidgets();
    void buildColorWidgets();
    void buildResolutionWidgets();
    void buildTonsaveWidgets();
    void buildGlossAndAdjustmentWidgets();
    void buildColorHandlingWidgets();
    void bindControls();
    void connectOwnSlots();
    void layOut();
    void loadTonsave();
    void enableAdjustmentButton();
    void enableFixedLabels();
    void applyResolutionFallback();
    void applyColorModelFallback();
    void showFixedMonochrome(VelButtonGroup *group);
    // The level the level combo shows, as a choice of the toner-saving
    // option: the combo's entry, or the third (or last) level when it shows
    // none. Null for an option without levels.
    vChoice *shownLevel(vOption *tonsave) const;
};
