// The colour adjustment dialog opened from the Imaging tab for full-colour
// printing: a custom switch ("Cadj") and, when it is on, either HSL (a master
// hue or one hue per colour, saturation, lightness and contrast) or colour
// balance (cyan-red, magenta-green and yellow-blue), "CaColorSpace" 0 or 1.
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class ComboBoxEx;
class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

class adjustmentDialog : public QDialog
{
    Q_OBJECT
public:
    explicit adjustmentDialog(QWidget *parent);

    // The thirteen value keys in their fixed order: the master hue, six
    // colour hues, saturation, lightness, contrast and three balance axes.
    static const QStringList &valueKeys();

    // Reads the custom switch, the colour space, the hue entry and the
    // "f"-prefixed values from the settings source, makes them the saved
    // state and shows it.
    void loadSettings();
    // What the widgets show now: 29 keyword/value pairs.
    QList<QPair<QString, QString>> adjustmentSettings() const;

    int scale = 100;
    int hueIndex = 0;
    QHash<QString, QSlider *> sliders;
    QHash<QString, QLineEdit *> lineEdits;
    QHash<QString, QString> hueKeys;
    QHash<QString, QLabel *> rowLabels;
    QList<QPair<QString, double>> savedValues;

    QLabel *iconLabel = nullptr;
    QCheckBox *customCheckBox = nullptr;
    QRadioButton *hslRadio = nullptr;
    QRadioButton *balanceRadio = nullptr;
    QGroupBox *hueBox = nullptr;
    QLabel *modifyLabel = nullptr;
    ComboBoxEx *hueCombo = nullptr;
    QGroupBox *levelsBox = nullptr;
    QList<QLabel *> balanceLabels; // left and right of each axis
    QDialogButtonBox *buttonBox = nullptr;

public slots:
    int exec() override;
    void saveSettings();
    void resetStates();
    void hueSelectedChanged(QString hue);
    void setLineEditText(int value);
    void setSliderValue();
    void markCaColorSpace();
    void clearMasterSliderValue();
    void clearOtherSliderValues();
    void clearHSLSettings();
    void clearColorBalanceSettings();
    // Cancel, Escape and the window's close button give up the changes: the
    // saved state is shown again.
    void reject() override;

private:
    void createWidgets();
    void connectSignals();
    void buildControlMaps();
    void layOut();
    void blockEditing(bool block);
    void hideHueControls();
    void showHueControls(const QString &hue);
    void showSettings();
    // Slider units of a value of key: whole degrees for the master hue,
    // hundredths otherwise; rounded, within the slider's range, and 0 for a
    // value that is not finite.
    int sliderUnits(const QString &key, double value) const;
    // A stored value kept within its key's range; 0 when it is not finite.
    static double boundedValue(const QString &key, double value);

    QList<QSlider *> orderedSliders;
    QList<QLineEdit *> orderedEdits;
    QList<QLabel *> orderedRowLabels;
    // Set while the master hue zeroes the colour hues, so that their
    // changes do not zero the master in turn.
    bool clearingColourHues = false;
};
