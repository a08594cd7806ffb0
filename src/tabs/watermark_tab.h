// The Watermark tab: a predefined or custom text mark on every page with its
// font, size, colour, angle, style, fill and repeat flag, the editor of the
// custom watermarks the user keeps, and the super-watermark section.
#pragma once

#include <QMap>
#include <QString>

#include "ui/tab.h"

class ComboBoxEx;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class VelCheckBoxButton;
class VelDialog;

class WatermarkTab : public Tab
{
    Q_OBJECT
public:
    // Attribute name ("font", "size", "color", "angle", "style", "fill",
    // "repeat") to value; a missing attribute reads as 0.
    using WatermarkRecord = QMap<QString, int>;

    explicit WatermarkTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    void addCustomConstraints() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> collectOptions() override;
    QHash<QString, QString> extraOptions() override;
    void retranslate() override;

    // True for one of the seven predefined display texts, and for the text
    // the printer gives one of the seven predefined choices.
    bool isPredefinedWatermark(const QString &name) const;
    // Rebuilds the custom part of the watermark list and selects the stored
    // watermark.
    void fillWatermarkList();
    // Fills the custom watermarks from the settings source (or from the
    // printer's defaults), then the list.
    void loadCustomWatermarks();

    // The "Wtxt" value of a custom watermark as lpoptions must get it:
    // quoted, with the escapes that bring the name through lpoptions and the
    // user's lpoptions file unchanged.
    static QString quotedWatermarkText(const QString &name);
    // One stored "CustomWatermarkStore" value (backslashes already single):
    // the name and its record; false when it names nothing.
    static bool parseStoredWatermark(const QString &value, QString *name, WatermarkRecord *record);

    QMap<QString, WatermarkRecord> customWatermarks;

    QLabel *lblWatermark = nullptr;
    VelCheckBoxButton *chkButWatermark = nullptr;
    QLabel *lblWtxt = nullptr;
    ComboBoxEx *watermarkList = nullptr;
    QLabel *lblWFnt = nullptr;
    ComboBoxEx *cmbBxWFnt = nullptr;
    QLabel *lblWSze = nullptr;
    ComboBoxEx *cmbBxWsze = nullptr;
    QLabel *lblWClr = nullptr;
    ComboBoxEx *cmbBxClr = nullptr;
    QLabel *lblWang = nullptr;
    ComboBoxEx *cmbBxWang = nullptr;
    QLabel *lblWtrans = nullptr;
    ComboBoxEx *cmbBxWtrans = nullptr;
    QLabel *lblWtyp = nullptr;
    ComboBoxEx *cmbBxWtyp = nullptr;
    QLabel *lblCustomWatermark = nullptr;
    QLineEdit *lnEditCustomWatermark = nullptr;
    QCheckBox *chkBxWFlg = nullptr;
    QPushButton *butNewCustomWatermark = nullptr;
    QPushButton *butDeleteCustomWatermark = nullptr;
    QPushButton *butSaveCustomWatermark = nullptr;
    QFrame *separatorLine = nullptr;
    VelCheckBoxButton *chkButSuperWatermark = nullptr;
    QLabel *lblSuperWatermark = nullptr;
    ComboBoxEx *cmbBxSuperWatermark = nullptr;

public slots:
    void toggleWatermarkSection(bool checked);
    void toggleSuperWatermark(bool checked);
    void handleCustomWatermarkTextEdit();
    void createNewCustomWatermark();
    void deleteCustomWatermark();
    void handleWatermarkSelection(QString selection);
    void editCustomWatermark();

private:
    void resetWatermarkControls();
    // Selects the item at index; a list too short for it shows the option's
    // default choice, else its first item.
    void selectResetIndex(ComboBoxEx *combo, const QString &keyword, int index);
    void appendBlackColorItem();
    void loadSuperWatermarkState();
    void removeCustomChoiceItem();
    void updateCustomWatermarkButtons();

    // The page's sections in the order their widgets are made, then the
    // bindings, the section's dependents and the tab's own connections.
    void buildWatermarkSection();
    void buildCustomWatermarkEditor();
    void buildSuperWatermarkSection();
    void bindControls();
    void addSectionDependents();
    void connectOwnSlots();
    // A combo box made as a child of the page.
    ComboBoxEx *childCombo();
    void layOutWidgets();
    // A record of the attributes the controls show now.
    WatermarkRecord currentRecord() const;
};
