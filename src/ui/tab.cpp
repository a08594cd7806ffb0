#include "ui/tab.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItem>
#include <QStandardItemModel>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/message_box.h"
#include "ui/option_widgets.h"

const QString Tab::errorMark = errorMarkText();
const QString Tab::errorMarkTrimmed = errorMarkTrimmedText();
const QString Tab::errorTooltipStyle = errorTooltipStyleText();

namespace {

const QString kNotInHash = QStringLiteral("NOT_IN_HASH");

// The choice a two-state control stands for in one of its states: "True"
// and "False" by keyword when the option has them, otherwise the second
// choice for checked and the first for unchecked. An option with fewer than
// two choices has only what it names by keyword ("True" alone, for
// instance); the missing state is null.
vChoice *twoStateChoice(vOption *option, bool checked)
{
    if (!option)
        return nullptr;
    vChoice *on = option->findChoice(kw::True);
    vChoice *off = option->findChoice(kw::False);
    if (on && off)
        return checked ? on : off;
    const QList<vChoice *> choices = option->choices();
    if (choices.size() < 2)
        return checked ? on : off;
    return checked ? choices.at(1) : choices.at(0);
}

// The choice stored for the option in the settings source, or else its
// default; null when neither names a choice.
vChoice *storedOrDefaultChoice(vOption *option, const QString &stored)
{
    vChoice *choice = stored.isEmpty() ? nullptr : option->findChoice(stored);
    return choice ? choice : option->defaultChoice();
}

// Unchecks a check box or radio button, also the checked one of an
// exclusive set, which refuses to be unchecked by itself.
void uncheck(QAbstractButton *button)
{
    if (!button->isChecked())
        return;
    QButtonGroup *group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

} // namespace

Tab::Tab(QWidget *dialog)
    : QWidget(dialog)
    , dialog(dialog)
    , constrained(false)
    , constraintMarks(new QHash<QWidget *, QWidget *>)
{
    setStyleSheet(QStringLiteral("ComboBoxEx{ margin-bottom: 8px }VelButtonGroup{ margin-bottom: 8px }"
                                 "QCheckBox{ margin-bottom: 8px }VelCheckBoxButton{ margin-bottom: 8px }"));
    setContentsMargins(10, 10, 10, 10);
}

Tab::~Tab()
{
    delete constraintMarks;
}

// ---------------------------------------------------------------------------
// Small members

void Tab::setConstrained(bool constrained)
{
    this->constrained = constrained;
}

QString Tab::getTabName()
{
    if (tabName.isEmpty()) {
        showMessageBox(QString(), QStringLiteral("ERROR: tabName not init'd!"));
        return QStringLiteral("ERROR");
    }
    return tabName;
}

void Tab::addConstraintMark(QWidget *control, QWidget *mark)
{
    constraintMarks->insert(control, mark);
}

void Tab::removeConstraintMark(QWidget *control)
{
    constraintMarks->remove(control);
}

void Tab::blockAllSignals(bool block)
{
    for (QWidget *control : qAsConst(controls))
        if (control)
            control->blockSignals(block);
}

QString Tab::storedValue(const QString &keyword)
{
    return readSettingValue(keyword);
}

vOption *Tab::storeOption(const QString &keyword)
{
    return currentOptionSet ? currentOptionSet->findOption(keyword) : nullptr;
}

int Tab::comboItemIndex(const QComboBox *combo, const QString &text)
{
    return combo->findData(text, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void Tab::removeComboItem(QComboBox *combo, const QString &text)
{
    const int index = comboItemIndex(combo, text);
    if (index >= 0)
        combo->removeItem(index);
}

QString Tab::sliderText(const QString &keyword, int value)
{
    if (keyword == kw::CaHueMaster)
        return QString::number(value * 10);
    QString text = QString::number(value);
    if (text != QLatin1String("0"))
        text += QStringLiteral(".0");
    return text;
}

QString Tab::choiceValueForCombo(vOption *option, const QString &text)
{
    if (!option)
        return QString();
    vChoice *choice = option->findChoiceByText(text);
    return choice ? choice->keyword() : QString();
}

vChoice *Tab::buttonChoice(VelButtonGroup *group, int index, vOption *option)
{
    if (!group || !option || index < 0 || index >= group->count())
        return nullptr;
    if (vChoice *shown = option->findChoiceByText(group->buttonNames().at(index)))
        return shown;
    const QStringList keywords = group->choiceKeywords(index);
    for (const QString &keyword : keywords) {
        if (vChoice *choice = option->findChoice(keyword))
            return choice;
    }
    return nullptr;
}

int Tab::buttonOfChoice(VelButtonGroup *group, vChoice *choice)
{
    if (!group || !choice)
        return -1;
    const QStringList names = group->buttonNames();
    const int shown = names.indexOf(choice->text());
    if (shown >= 0)
        return shown;
    for (int i = 0; i < names.size(); ++i) {
        if (group->choiceKeywords(i).contains(choice->keyword()))
            return i;
    }
    return -1;
}

QString Tab::widgetValue(QWidget *control, vOption *option)
{
    QString value;
    if (!option || !control)
        return value;
    if (auto *combo = qobject_cast<ComboBoxEx *>(control)) {
        value = choiceValueForCombo(option, combo->currentText());
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        vChoice *choice = twoStateChoice(option, box->isChecked());
        value = choice ? choice->keyword() : (box->isChecked() ? kw::True : kw::False);
    } else if (auto *slider = qobject_cast<QSlider *>(control)) {
        value = sliderText(option->keyword(), slider->value());
    } else if (auto *group = qobject_cast<VelButtonGroup *>(control)) {
        vChoice *choice = buttonChoice(group, group->checkedIndex(), option);
        value = choice ? choice->keyword() : QString();
    } else if (auto *button = qobject_cast<VelCheckBoxButton *>(control)) {
        value = button->isChecked() ? kw::True : kw::False;
    }
    return value;
}

// ---------------------------------------------------------------------------
// Wiring

void Tab::connectToDialog(QObject *sender, const char *signal)
{
    if (!dialog || !sender)
        return;
    connect(sender, signal, dialog, SLOT(setConstraints()), Qt::UniqueConnection);
}

void Tab::connectSignals()
{
    for (QWidget *control : qAsConst(controls)) {
        if (!control)
            continue;
        connectIfComboBox(control);
        connectIfCheckBox(control);
        connectIfSlider(control);
        connectIfButtonGroup(control);
        if (auto *button = qobject_cast<VelCheckBoxButton *>(control)) {
            connect(button, SIGNAL(toggled(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
            connectToDialog(button, SIGNAL(toggled(int)));
        }
        if (auto *radio = qobject_cast<QRadioButton *>(control)) {
            connect(radio, SIGNAL(toggled(bool)), this, SLOT(markOption(bool)), Qt::UniqueConnection);
            connectToDialog(radio, SIGNAL(toggled(bool)));
        }
    }
    for (VelCheckBoxButton *section : qAsConst(sectionButtons)) {
        if (!section)
            continue;
        connect(section, SIGNAL(toggled(bool)), this, SLOT(CheckBoxMarkConstraints()), Qt::UniqueConnection);
        connectToDialog(section, SIGNAL(toggled(bool)));
    }
}

void Tab::connectIfComboBox(QWidget *control)
{
    if (auto *combo = qobject_cast<ComboBoxEx *>(control))
        connectComboBox(combo);
}

void Tab::connectIfCheckBox(QWidget *control)
{
    if (auto *box = qobject_cast<QCheckBox *>(control))
        connectCheckBox(box);
}

void Tab::connectIfSlider(QWidget *control)
{
    if (auto *slider = qobject_cast<QSlider *>(control))
        connectSlider(slider);
}

void Tab::connectIfButtonGroup(QWidget *control)
{
    if (auto *group = qobject_cast<VelButtonGroup *>(control))
        connectButtonGroup(group);
}

void Tab::connectComboBox(ComboBoxEx *combo)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(combo, SIGNAL(currentIndexChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(combo, SIGNAL(currentIndexChanged(int)));
}

void Tab::connectCheckBox(QCheckBox *check_box)
{
    connect(check_box, SIGNAL(stateChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(check_box, SIGNAL(stateChanged(int)));
}

void Tab::connectSlider(QSlider *slider)
{
    connect(slider, SIGNAL(valueChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(slider, SIGNAL(valueChanged(int)));
}

void Tab::connectButtonGroup(VelButtonGroup *button_group)
{
    connect(button_group, SIGNAL(buttonClicked(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(button_group, SIGNAL(buttonClicked(int)));
}

// ---------------------------------------------------------------------------
// Virtual operations with empty or fixed base bodies

void Tab::postReloadHook() {}
void Tab::addCustomConstraints() {}
void Tab::prepareConstraintMarks() {}
void Tab::retranslate() {}
void Tab::resetCheckButtons() {}

QIcon Tab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic"));
}

QIcon Tab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic-constraint"));
}

QIcon Tab::barIcon(bool constraint)
{
    QIcon &icon = constraint ? constraintBarIcon : plainBarIcon;
    if (icon.isNull())
        icon = constraint ? tabConstraintIcon() : tabIcon();
    return icon;
}

bool Tab::isConstrained()
{
    return constrained;
}

QHash<QString, QString> Tab::extraOptions()
{
    return QHash<QString, QString>();
}

// ---------------------------------------------------------------------------
// Loading

void Tab::loadValues()
{
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        QWidget *control = it.value();
        if (!control)
            continue;
        vOption *option = storeOption(it.key());
        if (auto *combo = qobject_cast<ComboBoxEx *>(control))
            loadComboBox(combo, option);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            loadCheckBox(box, option);
        else if (auto *group = qobject_cast<VelButtonGroup *>(control))
            loadButtonGroup(group, option);
        else if (auto *button = qobject_cast<VelCheckBoxButton *>(control))
            loadCheckBoxButton(button, option);
        else if (qobject_cast<QSlider *>(control) || qobject_cast<QRadioButton *>(control))
            control->setEnabled(option != nullptr);
    }
    matchOffValuesToChoices();
    for (VelCheckBoxButton *section : qAsConst(sectionButtons))
        if (section)
            section->syncDependentCombos();
    disableControlsWithoutOption();
}

void Tab::matchOffValuesToChoices()
{
    for (VelCheckBoxButton *section : qAsConst(sectionButtons)) {
        if (!section)
            continue;
        const QList<QWidget *> dependents = section->dependents();
        for (QWidget *dependent : dependents) {
            if (!qobject_cast<ComboBoxEx *>(dependent))
                continue;
            auto panelText = panelOffValues.constFind(dependent);
            if (panelText == panelOffValues.constEnd())
                panelText = panelOffValues.insert(dependent, section->dependentValue(dependent));
            const QString keyword = controls.key(dependent);
            vOption *option = keyword.isEmpty() ? nullptr : storeOption(keyword);
            if (!option || panelText.value() == kw::no_default)
                continue;
            vChoice *off = option->findChoiceByText(panelText.value());
            if (!off)
                off = option->findChoice(kw::None);
            section->setDependentValue(dependent, off ? off->text() : panelText.value());
        }
    }
}

void Tab::disableControlsWithoutOption()
{
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        QWidget *control = it.value();
        if (!control || storeOption(it.key()))
            continue;
        if (auto *group = qobject_cast<VelButtonGroup *>(control)) {
            group->setEnabled(false);
            continue;
        }
        if (auto *box = qobject_cast<QAbstractButton *>(control))
            uncheck(box);
        else if (auto *button = qobject_cast<VelCheckBoxButton *>(control))
            button->setChecked(false);
        control->setEnabled(false);
    }
}

void Tab::loadComboBox(ComboBoxEx *combo, vOption *option)
{
    combo->clear();
    if (!option) {
        combo->setEnabled(false);
        return;
    }
    combo->setEnabled(true);
    fillComboBox(combo, option);
    selectComboChoice(combo, option);
}

void Tab::fillComboBox(ComboBoxEx *combo, vOption *option)
{
    const QList<vChoice *> choices = option->choices();
    for (vChoice *choice : choices)
        combo->addItem(choice->text());
}

void Tab::selectComboChoice(ComboBoxEx *combo, vOption *option)
{
    int index = -1;
    const QString stored = storedValue(option->keyword());
    if (!stored.isEmpty()) {
        if (vChoice *choice = option->findChoice(stored))
            index = comboItemIndex(combo, choice->text());
    }
    if (index < 0 && option->defaultChoice())
        index = comboItemIndex(combo, option->defaultChoice()->text());
    combo->setCurrentIndex(index);
}

void Tab::loadCheckBox(QCheckBox *check_box, vOption *option)
{
    if (!option)
        return;
    check_box->setEnabled(true);
    vChoice *choice = storedOrDefaultChoice(option, storedValue(option->keyword()));
    check_box->setChecked(choice && choice == twoStateChoice(option, true));
}

void Tab::loadButtonGroup(VelButtonGroup *button_group, vOption *option)
{
    if (!option) {
        button_group->setEnabled(false);
        return;
    }
    button_group->setEnabled(true);
    vChoice *choice = storedOrDefaultChoice(option, storedValue(option->keyword()));
    if (!choice) {
        button_group->setEnabled(false);
        return;
    }
    const int index = buttonOfChoice(button_group, choice);
    if (index >= 0)
        button_group->setButton(index);
    else
        button_group->selectButtonByName(choice->text());
}

void Tab::loadCheckBoxButton(VelCheckBoxButton *checkbox_button, vOption *option)
{
    if (!option)
        return;
    checkbox_button->setEnabled(true);
    vChoice *choice = storedOrDefaultChoice(option, storedValue(option->keyword()));
    checkbox_button->setChecked(choice && choice->keyword() == kw::True);
}

void Tab::updateLabels()
{
    if (!currentOptionSet)
        return;
    for (auto it = iconLabels.constBegin(); it != iconLabels.constEnd(); ++it)
        if (it.value())
            it.value()->setEnabled(currentOptionSet->findOption(it.key()) != nullptr);
    for (auto it = labels.constBegin(); it != labels.constEnd(); ++it) {
        QWidget *widget = it.value();
        if (!widget)
            continue;
        vOption *option = currentOptionSet->findOption(it.key());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (option) {
                // The printer description's text, never taken for markup.
                setPlainLabelText(label, option->text() + QStringLiteral(":"));
                label->setEnabled(true);
            } else {
                label->setEnabled(false);
            }
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            if (option) {
                box->setText(option->text());
                box->setEnabled(true);
            } else {
                box->setChecked(false);
                box->setEnabled(false);
            }
        }
    }
}

void Tab::blockSectionSignals(bool block)
{
    for (VelCheckBoxButton *section : qAsConst(sectionButtons))
        if (section)
            section->blockSignals(block);
}

void Tab::reload()
{
    // Loading records nothing through the controls' signals and starts no
    // constraint pass: neither the bound controls nor the section buttons
    // (which loading may switch off) speak until the tab is loaded.
    blockAllSignals(true);
    blockSectionSignals(true);
    setTabName();
    constraintMarks->clear();
    addCustomConstraints();
    clearConstraintMarks();
    updateLabels();
    loadValues();
    markAllOptions();
    postReloadHook();
    enableOptions();
    blockSectionSignals(false);
    blockAllSignals(false);
}

// ---------------------------------------------------------------------------
// Recording choices

void Tab::markOption(bool value)
{
    markOptionForWidget(value ? 1 : 0, qobject_cast<QWidget *>(sender()));
}

void Tab::markOption(int value)
{
    markOptionForWidget(value, qobject_cast<QWidget *>(sender()));
}

void Tab::markOptionForWidget(int value, QWidget *sender)
{
    if (!sender || !currentOptionSet)
        return;
    const QString keyword = controls.key(sender);
    if (keyword.isEmpty())
        return;
    vOption *option = currentOptionSet->findOption(keyword);
    if (!option)
        return;

    vChoice *choice = nullptr;
    const QByteArray className = sender->metaObject()->className();
    if (className == "VelCheckBoxButton") {
        auto *button = static_cast<VelCheckBoxButton *>(sender);
        choice = option->findChoice(button->isChecked() ? kw::True : kw::False);
    } else if (className == "QCheckBox" || className == "QRadioButton") {
        choice = twoStateChoice(option, value != 0);
    } else if (className == "ComboBoxEx") {
        // Inside a switched-off section the combo stands for its off choice.
        choice = offChoiceInSection(sender, option);
        if (!choice)
            choice = option->findChoiceByText(static_cast<ComboBoxEx *>(sender)->currentText());
    } else if (className == "QSlider") {
        choice = option->findChoiceByText(sliderText(keyword, value));
    } else if (className == "VelButtonGroup") {
        auto *group = static_cast<VelButtonGroup *>(sender);
        choice = buttonChoice(group, group->checkedIndex(), option);
    }
    if (!choice)
        choice = option->defaultChoice();
    option->setCurrentChoice(choice);
}

void Tab::markAllOptions()
{
    for (QWidget *control : qAsConst(controls)) {
        if (!control)
            continue;
        if (auto *combo = qobject_cast<ComboBoxEx *>(control))
            markOptionForWidget(combo->currentIndex(), control);
        if (auto *box = qobject_cast<QCheckBox *>(control))
            markOptionForWidget(box->isChecked() ? 1 : 0, control);
        if (auto *slider = qobject_cast<QSlider *>(control))
            markOptionForWidget(slider->value(), control);
        if (qobject_cast<VelButtonGroup *>(control))
            markOptionForWidget(0, control);
        if (auto *button = qobject_cast<VelCheckBoxButton *>(control))
            markOptionForWidget(button->isChecked() ? 1 : 0, control);
        if (auto *radio = qobject_cast<QRadioButton *>(control))
            markOptionForWidget(radio->isChecked() ? 1 : 0, control);
    }
    for (VelCheckBoxButton *section : qAsConst(sectionButtons))
        CheckBoxMarkConstraintsWithSender(section);
}

void Tab::CheckBoxMarkConstraints()
{
    CheckBoxMarkConstraintsWithSender(qobject_cast<VelCheckBoxButton *>(sender()));
}

void Tab::CheckBoxMarkConstraintsWithSender(VelCheckBoxButton *check_button)
{
    if (!check_button)
        return;
    const QList<QWidget *> dependents = check_button->dependents();
    const QList<QString> offValues = check_button->dependentValues();
    for (int i = 0; i < dependents.size(); ++i) {
        auto *combo = qobject_cast<ComboBoxEx *>(dependents.at(i));
        if (!combo)
            continue;
        if (check_button->isChecked()) {
            markOptionForWidget(combo->currentIndex(), combo);
            continue;
        }
        if (!currentOptionSet)
            continue;
        const QString keyword = controls.key(combo);
        vOption *option = keyword.isEmpty() ? nullptr : currentOptionSet->findOption(keyword);
        if (!option)
            continue;
        if (vChoice *off = option->findChoiceByText(offValues.value(i)))
            option->setCurrentChoice(off);
    }
}

// ---------------------------------------------------------------------------
// Collecting

bool Tab::hasBoundOption() const
{
    if (!currentOptionSet)
        return false;
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        if (currentOptionSet->findOption(it.key()))
            return true;
    }
    return false;
}

bool Tab::collectControlValues()
{
    optionValues.clear();
    if (!currentOptionSet)
        return false;
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        vOption *option = currentOptionSet->findOption(it.key());
        if (!option || !it.value())
            continue;
        const QString value = widgetValue(it.value(), option);
        if (!value.isEmpty())
            optionValues.insert(it.key(), value);
    }
    return true;
}

QHash<QString, QString> Tab::collectOptions()
{
    if (!collectControlValues())
        return optionValues;
    for (VelCheckBoxButton *section : qAsConst(sectionButtons)) {
        if (!section || section->isChecked())
            continue;
        const QList<QWidget *> dependents = section->dependents();
        const QList<QString> offValues = section->dependentValues();
        for (int i = 0; i < dependents.size(); ++i) {
            const QString keyword = controls.key(dependents.at(i), kNotInHash);
            if (keyword == kNotInHash)
                continue;
            const QString offValue = offValues.value(i);
            if (offValue == kw::no_default)
                continue;
            vOption *option = currentOptionSet->findOption(keyword);
            if (!option)
                continue;
            // The off state is the choice shown as the off value; a value
            // naming a choice keyword is accepted too. Without either, the
            // option is left out rather than sent with an "on" choice.
            vChoice *off = option->findChoiceByText(offValue);
            if (!off)
                off = option->findChoice(offValue);
            if (off)
                optionValues.insert(keyword, off->keyword());
            else
                optionValues.remove(keyword);
        }
    }
    return optionValues;
}

// ---------------------------------------------------------------------------
// Enabling by constraints

vChoice *Tab::offChoiceInSection(QWidget *control, vOption *option) const
{
    for (VelCheckBoxButton *section : sectionButtons) {
        if (!section || section->isChecked() || !section->dependents().contains(control))
            continue;
        if (vChoice *off = option->findChoiceByText(section->dependentValue(control)))
            return off;
    }
    return nullptr;
}

bool Tab::inSwitchedOffSection(QWidget *control) const
{
    for (VelCheckBoxButton *section : sectionButtons)
        if (section && !section->isChecked() && section->dependents().contains(control))
            return true;
    return false;
}

bool Tab::enableOptions()
{
    bool changed = false;
    if (!currentOptionSet)
        return changed;
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        QWidget *control = it.value();
        vOption *option = currentOptionSet->findOption(it.key());
        if (!option || !control)
            continue;
        if (auto *combo = qobject_cast<ComboBoxEx *>(control))
            changed |= enableOptionsForComboBox(combo, option);
        else if (auto *box = qobject_cast<QCheckBox *>(control))
            changed |= enableOptionsForCheckBox(box, option);
        else if (auto *button = qobject_cast<VelCheckBoxButton *>(control))
            changed |= enableOptionsForCheckBoxButton(button, option);
        else if (auto *group = qobject_cast<VelButtonGroup *>(control))
            changed |= enableOptionsForButtonGroup(group, option);
    }
    return changed;
}

void Tab::setComboItemDisabled(int index, QComboBox *combo, bool disabled)
{
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    if (!model)
        return;
    QStandardItem *item = model->item(index, 0);
    if (!item)
        return;
    if (disabled) {
        item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        item->setData(combo->palette().color(QPalette::Disabled, QPalette::Text), Qt::ForegroundRole);
    } else {
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setData(QVariant(), Qt::ForegroundRole);
    }
}

bool Tab::enableOptionsForComboBox(ComboBoxEx *combo_box, vOption *option)
{
    if (!combo_box || !option || !combo_box->isEnabled())
        return false;
    bool currentBlocked = false;
    int firstFree = -1;
    const QList<vChoice *> choices = option->choices();
    for (vChoice *choice : choices) {
        const int index = comboItemIndex(combo_box, choice->text());
        if (index < 0)
            continue;
        const bool blocked = choice->hasConstraints();
        if (index == combo_box->currentIndex() && blocked)
            currentBlocked = true;
        else if (!blocked && firstFree < 0)
            firstFree = index;
        setComboItemDisabled(index, combo_box, blocked);
    }
    if (!currentBlocked)
        return false;
    const QSignalBlocker blocker(combo_box);
    if (firstFree < 0) {
        combo_box->setCurrentIndex(0);
        return false;
    }
    combo_box->setCurrentIndex(firstFree);
    markOptionForWidget(firstFree, combo_box);
    return true;
}

bool Tab::enableOptionsForCheckBox(QCheckBox *check_box, vOption *option)
{
    vChoice *unchecked = twoStateChoice(option, false);
    vChoice *checked = twoStateChoice(option, true);
    if (!check_box || !unchecked || !checked)
        return false;
    // The box's own change is recorded here; its signals stay quiet so that
    // the running constraint pass is not entered again from inside.
    if (checked->hasConstraints()) {
        const bool wasChecked = check_box->isChecked();
        if (wasChecked)
            markOptionForWidget(0, check_box);
        const QSignalBlocker blocker(check_box);
        check_box->setEnabled(false);
        check_box->setChecked(false);
        return wasChecked;
    }
    if (!unchecked->hasConstraints()) {
        check_box->setEnabled(!inSwitchedOffSection(check_box));
        return false;
    }
    const bool wasUnchecked = !check_box->isChecked();
    if (wasUnchecked)
        markOptionForWidget(1, check_box);
    const QSignalBlocker blocker(check_box);
    check_box->setChecked(true);
    check_box->setEnabled(false);
    return wasUnchecked;
}

bool Tab::enableOptionsForCheckBoxButton(VelCheckBoxButton *checkbox_button, vOption *option)
{
    if (!checkbox_button || !option)
        return false;
    vChoice *on = option->findChoice(kw::True);
    vChoice *off = option->findChoice(kw::False);
    if (!on || !off)
        return false;
    if (on->hasConstraints()) {
        const bool wasChecked = checkbox_button->isChecked();
        const QSignalBlocker blocker(checkbox_button);
        checkbox_button->setChecked(false);
        if (wasChecked)
            markOptionForWidget(0, checkbox_button);
        checkbox_button->setEnabled(false);
        return wasChecked;
    }
    if (!off->hasConstraints()) {
        checkbox_button->setEnabled(!inSwitchedOffSection(checkbox_button));
        return false;
    }
    const bool wasUnchecked = !checkbox_button->isChecked();
    const QSignalBlocker blocker(checkbox_button);
    checkbox_button->setChecked(true);
    if (wasUnchecked)
        markOptionForWidget(1, checkbox_button);
    checkbox_button->setEnabled(false);
    return wasUnchecked;
}

bool Tab::enableOptionsForButtonGroup(VelButtonGroup *button_group, vOption *option)
{
    if (!button_group || !option)
        return false;
    const int buttonCount = button_group->count();
    button_group->setEnabled(true);
    int blockedCount = 0;
    int firstFree = -1;
    bool mustMove = false;
    for (int i = 0; i < buttonCount; ++i) {
        vChoice *choice = buttonChoice(button_group, i, option);
        if (!choice)
            continue;
        const bool blocked = choice->hasConstraints();
        button_group->enableButton(i, !blocked);
        if (blocked)
            ++blockedCount;
        else if (firstFree < 0)
            firstFree = i;
        if (blocked && choice == option->currentChoice())
            mustMove = true;
    }
    if (mustMove) {
        if (firstFree < 0) {
            option->setCurrentChoice(nullptr);
        } else {
            option->setCurrentChoice(buttonChoice(button_group, firstFree, option));
            button_group->setButton(firstFree);
        }
    }
    const int n = option->choiceCount();
    if (n > 0 && blockedCount == n) {
        button_group->setEnabled(false);
        button_group->updateLabelColor(true);
        option->setCurrentChoice(option->choices().first());
        button_group->setButton(0);
    } else if (n > 0 && blockedCount == n - 1) {
        button_group->setEnabled(false);
        button_group->updateLabelColor(true);
    } else {
        button_group->setEnabled(!inSwitchedOffSection(button_group));
    }
    // Without a free button to move to, another pass would only find the
    // same blocked choice shown again: report a change only when the group
    // now stands on a free choice.
    return mustMove && firstFree >= 0;
}

// ---------------------------------------------------------------------------
// Marks

void Tab::clearConstraintMarks()
{
    for (QWidget *widget : qAsConst(labels)) {
        if (!widget)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            markLabelText(label, false);
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            box->setIcon(QIcon());
            box->setText(withoutErrorMark(box->text()));
        } else if (auto *group = qobject_cast<VelButtonGroup *>(widget)) {
            group->markLabel(false);
        }
    }
}

void Tab::markCustomConstraints()
{
    for (auto it = constraintMarks->constBegin(); it != constraintMarks->constEnd(); ++it) {
        constrained = true;
        QWidget *widget = it.value();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            markLabelText(label, true);
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            box->setIcon(QIcon(QPixmap(QStringLiteral(":/icons/error"))));
        } else if (auto *group = qobject_cast<VelButtonGroup *>(widget)) {
            group->markLabel(true);
        }
    }
}

void Tab::setErrorMark(QWidget *widget, const QString &tooltip, bool on)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        markLabelText(label, on);
        label->setToolTip(on ? tooltip : QString());
        if (on)
            label->setStyleSheet(errorTooltipStyle);
    } else if (auto *group = qobject_cast<VelButtonGroup *>(widget)) {
        if (on)
            group->showErrorTooltip(tooltip);
        else
            group->clearError();
    }
}

void Tab::markConstraintLabel(const QString &keyword)
{
    if (auto *label = qobject_cast<QLabel *>(labels.value(keyword))) {
        markLabelText(label, true);
        return;
    }
    if (auto *box = qobject_cast<QCheckBox *>(controls.value(keyword))) {
        box->setIcon(QIcon(QPixmap(QStringLiteral(":/icons/error"))));
        if (keyword != kw::Cadj)
            constrained = true;
        return;
    }
    QWidget *widget = labels.value(keyword);
    if (!qobject_cast<VelButtonGroup *>(widget))
        widget = controls.value(keyword);
    if (auto *group = qobject_cast<VelButtonGroup *>(widget))
        group->markLabel(true);
}
