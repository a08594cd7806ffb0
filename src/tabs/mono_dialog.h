// The mono adjustment dialog opened from the Imaging tab for black-and-white
// printing: a custom switch ("Madj") with brightness and contrast, each from
// -100 to 100.
#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSlider;

class monoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit monoDialog(QWidget *parent);

    // Reads "Madj", "fMalt" and "fMact" from the settings source, makes them
    // the saved state and shows it.
    void loadSettings();
    // What the widgets show now: "Madj", "Malt", "Mact", "fMalt", "fMact".
    QList<QPair<QString, QString>> currentSettings() const;

    QCheckBox *customCheckBox = nullptr;
    QLabel *brightnessLabel = nullptr;
    QLineEdit *brightnessEdit = nullptr;
    QSlider *brightnessSlider = nullptr;
    QLabel *contrastLabel = nullptr;
    QLineEdit *contrastEdit = nullptr;
    QSlider *contrastSlider = nullptr;
    QDialogButtonBox *buttonBox = nullptr;

public slots:
    int exec() override;
    void saveSettings();
    void resetStates();
    void setLineEditText(int value);
    void setSliderValue();
    void toggleAdjustment(bool enabled);
    // Cancel, Escape and the window's close button give up the changes: the
    // saved state is shown again.
    void reject() override;

private:
    void createWidgets();
    void connectSignals();
    void blockSliderSignals(bool block);
    void showSettings();
    // The slider value of a stored "f" number: tenfold, rounded, within the
    // slider's range; empty, non-numeric or non-finite text reads as 0.
    static int storedSliderValue(const QString &text);

    QList<QPair<QString, int>> savedValues;
};
