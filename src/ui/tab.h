// Base class of every settings tab: binds printer-option keywords to
// controls, loads the controls from the settings source and the option
// store, records the user's changes, greys out blocked choices, marks
// conflicts and collects the tab's settings.
#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "model/option_keywords.h"
#include "model/option_model.h"

// The colour-model choices that the "Full color" and "Black & white"
// buttons of the Basic and Imaging tabs stand for.
inline QStringList fullColorKeywords() { return {kw::CMYK, kw::RGB}; }
inline QStringList monochromeKeywords() { return {kw::Gray}; }

class ComboBoxEx;
class VelButtonGroup;
class VelCheckBoxButton;
class QCheckBox;
class QComboBox;
class QSlider;

class Tab : public QWidget
{
    Q_OBJECT
public:
    // The error image appended to a label's rich text (with its leading
    // blank) and the fragment removed again (without it).
    static const QString errorMark;
    static const QString errorMarkTrimmed;
    static const QString errorTooltipStyle;

    // dialog: the main dialog, receiver of the "setConstraints()" connections.
    explicit Tab(QWidget *dialog);
    ~Tab() override;

    virtual void setTabName() = 0;
    virtual void loadValues();
    virtual void loadComboBox(ComboBoxEx *combo, vOption *option);
    virtual void fillComboBox(ComboBoxEx *combo, vOption *option);
    virtual void buildWidgets() = 0;
    virtual void postReloadHook();
    virtual void connectComboBox(ComboBoxEx *combo);
    virtual void connectCheckBox(QCheckBox *check_box);
    virtual void connectSlider(QSlider *slider);
    virtual void connectButtonGroup(VelButtonGroup *button_group);
    virtual void setErrorMark(QWidget *widget, const QString &tooltip, bool on);
    virtual void addCustomConstraints();
    virtual QIcon tabIcon();
    virtual QIcon tabConstraintIcon();
    virtual bool hasOptions() = 0;
    virtual void reload();
    virtual QHash<QString, QString> collectOptions();
    virtual QHash<QString, QString> extraOptions();
    virtual void markConstraintLabel(const QString &keyword);
    virtual void clearConstraintMarks();
    virtual void prepareConstraintMarks();
    virtual bool isConstrained();
    virtual void retranslate();
    virtual void markOptionForWidget(int value, QWidget *sender);
    virtual void markAllOptions();
    virtual void markCustomConstraints();
    virtual void resetCheckButtons();

    void setConstrained(bool constrained);
    // The icon of tabIcon() or, with constraint, of tabConstraintIcon(),
    // built once and then handed out again: the constraint loop asks for it
    // on every pass.
    QIcon barIcon(bool constraint);
    QString getTabName();
    void addConstraintMark(QWidget *control, QWidget *mark);
    void removeConstraintMark(QWidget *control);
    void blockAllSignals(bool block);
    QHash<QString, QWidget *> getControls() const { return controls; }
    QHash<QString, QWidget *> getLabels() const { return labels; }
    QList<VelCheckBoxButton *> getSectionButtons() const { return sectionButtons; }

    // The choice a group's button stands for: the one whose display text is
    // the button's name, else the first of the button's choice keywords that
    // the option has (the printer may word a choice otherwise than the
    // panel); null when neither names a choice.
    static vChoice *buttonChoice(VelButtonGroup *group, int index, vOption *option);
    // The button that shows the choice: the one named by its display text,
    // else the one standing for its keyword; -1 when none does.
    static int buttonOfChoice(VelButtonGroup *group, vChoice *choice);

    QString widgetValue(QWidget *control, vOption *option);
    QString choiceValueForCombo(vOption *option, const QString &text);
    void selectComboChoice(ComboBoxEx *combo, vOption *option);
    void setComboItemDisabled(int index, QComboBox *combo, bool disabled);
    void updateLabels();
    void loadCheckBox(QCheckBox *check_box, vOption *option);
    void loadButtonGroup(VelButtonGroup *button_group, vOption *option);
    void loadCheckBoxButton(VelCheckBoxButton *checkbox_button, vOption *option);

    // The text a slider stands for: its value with ".0" (tenfold for the
    // hue master), "0" for zero.
    static QString sliderText(const QString &keyword, int value);

    // The widget, with name as its object name and its accessible name
    // (which tests and assistive tools find it by); handed back, so that a
    // tab names a widget where it makes it.
    template <typename W> static W *named(W *widget, const QString &name)
    {
        widget->setObjectName(name);
        widget->setAccessibleName(name);
        return widget;
    }
    template <typename W> static W *named(W *widget, const char *name)
    {
        return named(widget, QString(QLatin1String(name)));
    }

    // Items of a combo box are found by their display text, exactly and
    // case-sensitively: the index of the first item showing text, -1 when
    // none does.
    static int comboItemIndex(const QComboBox *combo, const QString &text);
    // Removes the first item showing text, if there is one.
    static void removeComboItem(QComboBox *combo, const QString &text);

public slots:
    virtual void markOption(bool value);
    virtual void markOption(int value);
    virtual bool enableOptions();
    virtual bool enableOptionsForComboBox(ComboBoxEx *combo_box, vOption *option);
    virtual bool enableOptionsForCheckBox(QCheckBox *check_box, vOption *option);
    virtual bool enableOptionsForCheckBoxButton(VelCheckBoxButton *checkbox_button, vOption *option);
    virtual bool enableOptionsForButtonGroup(VelButtonGroup *button_group, vOption *option);
    void CheckBoxMarkConstraints();
    void CheckBoxMarkConstraintsWithSender(VelCheckBoxButton *check_button);

public:
    // Wires every bound control and section button: the tab's own slot
    // first, the dialog's "setConstraints()" second, all unique.
    void connectSignals();
    void connectIfComboBox(QWidget *control);
    void connectIfCheckBox(QWidget *control);
    void connectIfSlider(QWidget *control);
    void connectIfButtonGroup(QWidget *control);

protected:
    // Connects signal of sender to the dialog's "setConstraints()" (unique).
    void connectToDialog(QObject *sender, const char *signal);

    // Every bound control whose option the store lacks is disabled, and a
    // two-state one unchecked; run last in loading, whatever the loaders did.
    void disableControlsWithoutOption();

    // Gives every section dependent whose option words its off choice
    // otherwise than the panel that choice's own text as its off value (the
    // choice with the panel's text, else the one with the keyword "None"),
    // so that the off item leaves the list and the section stands for it.
    void matchOffValuesToChoices();

    // Blocks or unblocks the signals of the section buttons.
    void blockSectionSignals(bool block);

    // The off choice of the option of a control inside a switched-off
    // section; null when it is in none or the off value names no choice.
    vChoice *offChoiceInSection(QWidget *control, vOption *option) const;

    // True while the control belongs to a section button of this tab that
    // is switched off: freeing its choices does not enable it then.
    bool inSwitchedOffSection(QWidget *control) const;

    // The stored value of a keyword in the settings source; empty when none.
    QString storedValue(const QString &keyword);

    // The option of that keyword in the current store; null while no queue
    // is selected or when the queue lacks the option.
    static vOption *storeOption(const QString &keyword);

    // True when the option store has the option of any bound control.
    bool hasBoundOption() const;

    // Starts a collection: forgets the values collected before and takes
    // the value of every bound control whose option the store has (none
    // for an empty value). False when there is no option store.
    bool collectControlValues();

    QWidget *dialog = nullptr;
    QString tabName;
    bool constrained = false;
    QHash<QWidget *, QWidget *> *constraintMarks = nullptr;
    QHash<QString, QWidget *> controls;
    QHash<QString, QWidget *> labels;
    QHash<QString, QWidget *> iconLabels;
    QList<VelCheckBoxButton *> sectionButtons;
    QHash<QString, QString> optionValues;

private:
    // The off value each section dependent was given by its tab.
    QHash<QWidget *, QString> panelOffValues;
    QIcon plainBarIcon;
    QIcon constraintBarIcon;
};
