// The Finishing tab: job separation, the four fold kinds with their details,
// hole punching, stapling and rotation by 180 degrees. Folding, punching and
// stapling are section buttons bound to the program's finishing switches;
// the PPD's fold mode ("FldA") is not shown itself but follows the fold
// buttons.
#pragma once

#include "ui/tab.h"

class ComboBoxEx;
class QFrame;
class QGridLayout;
class QLabel;
class VelButtonGroup;
class VelCheckBoxButton;
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
    // Enabled while the queue has any of the tab's options.
    bool hasOptions() override;
    void reload() override;
    // The shown choices, the fold mode derived from the fold buttons, and
    // "None" for the details of every section that is switched off.
    QHash<QString, QString> collectOptions() override;
    // The base marks, then the error image of the four fold labels.
    void clearConstraintMarks() override;
    bool isConstrained() override;
    // Unchecks the four fold buttons, their slots running.
    void resetCheckButtons() override;

    // The section buttons' own slots, then the base wiring.
    virtual void connectSignals();

    VelButtonGroup *separationGroup = nullptr;
    QGridLayout *leftGrid = nullptr;
    QLabel *triFoldLabel = nullptr;
    VelCheckBoxButton *triFoldButton = nullptr;
    QLabel *triFoldPrintSideLabel = nullptr;
    ComboBoxEx *triFoldPrintSideCombo = nullptr;
    QLabel *triFoldDirectionLabel = nullptr;
    ComboBoxEx *triFoldDirectionCombo = nullptr;
    QLabel *triFoldSheetsLabel = nullptr;
    ComboBoxEx *triFoldSheetsCombo = nullptr;
    QLabel *zFoldLabel = nullptr;
    VelCheckBoxButton *zFoldButton = nullptr;
    QLabel *zFoldDirectionLabel = nullptr;
    ComboBoxEx *zFoldDirectionCombo = nullptr;
    QLabel *zFoldSheetsLabel = nullptr;
    ComboBoxEx *zFoldSheetsCombo = nullptr;
    QLabel *engineeringFoldLabel = nullptr;
    VelCheckBoxButton *engineeringFoldButton = nullptr;
    QLabel *biFoldLabel = nullptr;
    VelCheckBoxButton *biFoldButton = nullptr;
    QLabel *biFoldPrintSideLabel = nullptr;
    ComboBoxEx *biFoldPrintSideCombo = nullptr;
    QLabel *biFoldSheetsLabel = nullptr;
    ComboBoxEx *biFoldSheetsCombo = nullptr;
    QLabel *punchHeading = nullptr;
    QLabel *punchMethodLabel = nullptr;
    VelCheckBoxButton *punchButton = nullptr;
    ComboBoxEx *punchCombo = nullptr;
    QLabel *stapleHeading = nullptr;
    QLabel *stapleLocationLabel = nullptr;
    VelCheckBoxButton *stapleButton = nullptr;
    ComboBoxEx *stapleLocationCombo = nullptr;
    QLabel *stapleMethodLabel = nullptr;
    ComboBoxEx *stapleMethodCombo = nullptr;
    VelButtonGroup *rotateGroup = nullptr;
    QFrame *engineeringSeparator = nullptr;

public slots:
    // The fold mode and the fold switches follow the fold buttons.
    void markFold();
    // All four fold kinds at once is a conflict of the tab's own.
    void checkFoldConstraints();
    void toggleStaple(bool toggled);
    void togglePunch(bool toggled);
    void toggleTriFold(bool toggled);
    void toggleBiFold(bool toggled);
    void toggleZFold(bool toggled);
    // Run by reload: the rows the queue's folding unit and bi-fold print
    // side call for, and the detail rows of the fold kind shown.
    void hideZFold();
    void hideBiFoldPrintSide();
    void hideZFoldOptions();

private:
    // One builder per section, in the order the widgets are made, then the
    // bindings of keywords to controls and labels.
    void buildSeparationSection();
    void buildTriFoldSection();
    void buildZFoldSection();
    void buildEngineeringFoldSection();
    void buildBiFoldSection();
    void buildPunchSection();
    void buildStapleSection();
    void buildRotateSection();
    void bindControls();
    void layOut();
    // The buttons and groups from the stored settings and the queue's options.
    void syncFoldButtons();
    void syncStapleButton();
    void syncPunchButton();
    void syncRotateGroup();
    void syncSeparationButtons();
    // A switch without a stored line of its own takes the state derived from
    // its PPD option's stored choice; its option and dependents follow.
    void keepDerivedSwitch(VelCheckBoxButton *button, const QString &keyword, bool derived);
    // Puts a detail combo back on its first item without recording it: the
    // section's off marking and the next constraint pass record the result.
    static void resetCombo(ComboBoxEx *combo);
    QList<QLabel *> foldLabels() const;
    QList<VelCheckBoxButton *> foldButtons() const;
};
