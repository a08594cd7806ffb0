#include "tabs/imaging_tab.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "tabs/adjustment_dialog.h"
#include "tabs/mono_dialog.h"
#include "ui/option_widgets.h"

namespace {

const int kComboWidth = 175;

bool switchedOn(const QString &keyword)
{
    return keyword == kw::On || keyword.contains(QLatin1String("Level"));
}

} // namespace

ImagingTab::ImagingTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    Tab::connectSignals();
    layOut();
}

void ImagingTab::setTabName()
{
    tabName = tr("Imaging");
}

void ImagingTab::buildWidgets()
{
    tabName = tr("Imaging");
    buildQualityWidgets();
    buildColorWidgets();
    buildResolutionWidgets();
    buildTonsaveWidgets();
    buildGlossAndAdjustmentWidgets();
    buildColorHandlingWidgets();
    colorAdjustmentDialog = new adjustmentDialog(this);
    monoAdjustmentDialog = new monoDialog(this);
    bindControls();
    connectOwnSlots();
}

void ImagingTab::buildQualityWidgets()
{
    printQualityLabel = named(new QLabel(tr("Print quality") + QStringLiteral(":")), "lblPrintQuality");
    trapLabel = named(new QLabel(tr("Trapping") + QStringLiteral(":")), "lblTrap");
    trapCombo = named(new ComboBoxEx(), "cmbBxTrap");
    trapCombo->setFixedWidth(kComboWidth);
    printQualityIcon = named(new QLabel, "iconTrapping");
    printQualityIcon->setPixmap(QPixmap(QStringLiteral(":/icons/print-quality")));
}

void ImagingTab::buildColorWidgets()
{
    colorModeGroup = named(new VelButtonGroup(this, tr("Color") + QStringLiteral(": ")), "butGroupColorModel");
    colorModeGroup->addButton(tr("Full color"), QStringLiteral(":/icons/color"), fullColorKeywords());
    colorModeGroup->addButton(tr("Black & white"), QStringLiteral(":/icons/monochrome"), monochromeKeywords());
    grayCheckBox = named(new QCheckBox(tr("Print grays with black toner")), "chkBxGBTn");
    moireCheckBox = named(new QCheckBox(tr("Moire Prevention")), "chkBxVMoirePrevention");
}

void ImagingTab::buildResolutionWidgets()
{
    resolutionLabel = named(new QLabel(tr("Resolution") + QStringLiteral(":")), "lblResolution");
    resolutionCombo = named(new ComboBoxEx(), "cmbBxResolution");
    resolutionCombo->setFixedWidth(kComboWidth);
    smoothingCheckBox = named(new QCheckBox(tr("VIR")), "chkBxSmoothing");
}

void ImagingTab::buildTonsaveWidgets()
{
    tonsaveGroup = named(new VelButtonGroup(this, tr("Tonsave") + QStringLiteral(":")), "butGroupTnsv");
    tonsaveGroup->addButton(tr("Off"), QStringLiteral(":/icons/tonsave-off"));
    tonsaveGroup->addButton(tr("On"), QStringLiteral(":/icons/tonsave-on"));
    tonsaveLevelCombo = named(new ComboBoxEx(), "cmbBxTnsv");
}

void ImagingTab::buildGlossAndAdjustmentWidgets()
{
    glossCheckBox = named(new QCheckBox(tr("Gloss mode")), "chkBxVZGlossMode");
    adjustmentLabel = named(new QLabel(tr("Adjustment") + QStringLiteral(":")), "lblAdjustment");
    adjustmentButton = named(new QPushButton(tr("Settings...")), "butAdjustment");
}

void ImagingTab::buildColorHandlingWidgets()
{
    screenLabel = named(new QLabel(tr("Halftone screen") + QStringLiteral(":")), "lblVZSCREENMODE");
    screenCombo = named(new ComboBoxEx(), "cmbBxVZSCREENMODE");
    screenCombo->setFixedWidth(kComboWidth);
    crepLabel = named(new QLabel(tr("Color reproduction") + QStringLiteral(":")), "lblCrep");
    crepCombo = named(new ComboBoxEx(), "cmbBxCrep");
    crepCombo->setFixedWidth(kComboWidth);
    rcmLabel = named(new QLabel(tr("Color conversion") + QStringLiteral(":")), "lblRCM");
    rcmCombo = named(new ComboBoxEx(), "cmbBxRCM");
    rcmCombo->setFixedWidth(kComboWidth);
    cieLabel = named(new QLabel(tr("CIE optimization") + QStringLiteral(":")), "lblCIE");
    cieCombo = named(new ComboBoxEx(), "cmbBxCIE");
    cieCombo->setFixedWidth(kComboWidth);
}

void ImagingTab::bindControls()
{
    controls.insert(kw::VSCREENMODE, screenCombo);
    controls.insert(kw::Trap, trapCombo);
    controls.insert(kw::ColorModel, colorModeGroup);
    controls.insert(kw::GBTn, grayCheckBox);
    controls.insert(kw::VMoirePrevention, moireCheckBox);
    controls.insert(kw::Resolution, resolutionCombo);
    controls.insert(kw::Smoothing, smoothingCheckBox);
    // No printer option carries this keyword: the base loading empties and
    // disables the combo and collecting skips it; the toner-saving rules
    // fill and enable it.
    controls.insert(QStringLiteral("cTnsv"), tonsaveLevelCombo);
    controls.insert(kw::VZGlossmode, glossCheckBox);
    controls.insert(kw::Crep, crepCombo);
    controls.insert(kw::RCM, rcmCombo);
    controls.insert(kw::CIE, cieCombo);

    labels.insert(kw::VSCREENMODE, screenLabel);
    labels.insert(kw::Trap, trapLabel);
    labels.insert(kw::ColorModel, colorModeGroup);
    labels.insert(kw::GBTn, grayCheckBox);
    labels.insert(kw::VMoirePrevention, moireCheckBox);
    labels.insert(kw::Smoothing, smoothingCheckBox);
    labels.insert(kw::Tnsv, tonsaveGroup);
    labels.insert(kw::VZGlossmode, glossCheckBox);
    labels.insert(kw::Crep, crepLabel);
    labels.insert(kw::RCM, rcmLabel);
    labels.insert(kw::CIE, cieLabel);
    labels.insert(kw::Cadj, adjustmentLabel);
}

void ImagingTab::connectOwnSlots()
{
    // Before the base connections: a colour click mirrors the Basic tab and
    // resets the other adjustment before the choice is recorded.
    connect(tonsaveGroup, SIGNAL(buttonClicked(int)), this, SLOT(tonsaveButtonToggled()));
    connect(tonsaveGroup, SIGNAL(buttonClicked(int)), dialog, SLOT(setConstraints()));
    connect(tonsaveLevelCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(tonsaveComboBoxChanged()));
    connect(tonsaveLevelCombo, SIGNAL(currentIndexChanged(int)), dialog, SLOT(setConstraints()));
    connect(adjustmentButton, SIGNAL(clicked()), this, SLOT(showAdjustmentDialog()));
    connect(colorModeGroup, SIGNAL(buttonClicked(int)), dialog, SLOT(toggleColorMode()));
    connect(colorModeGroup, SIGNAL(buttonClicked(int)), this, SLOT(clearDialogSettings()));
}

void ImagingTab::layOut()
{
    auto *page = new QHBoxLayout;
    setLayout(page);

    auto *left = new QGridLayout;
    left->addWidget(printQualityIcon, 0, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(printQualityLabel, 0, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(trapLabel, 1, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(trapCombo, 2, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    left->addWidget(glossCheckBox, 3, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(cieLabel, 4, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(cieCombo, 5, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(screenLabel, 6, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(screenCombo, 7, 1, 1, 2, Qt::AlignLeft);
    left->addWidget(resolutionLabel, 8, 1, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    left->addWidget(resolutionCombo, 9, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(plainLine(QFrame::HLine), 10, 0, 1, 6);
    auto *tonsave = new QGridLayout;
    tonsave->addWidget(tonsaveGroup, 0, 0, 1, 2, Qt::AlignLeft);
    tonsave->addWidget(tonsaveLevelCombo, 0, 2, 1, 2, Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter);
    left->addLayout(tonsave, 11, 0, 1, 4, Qt::AlignLeft);
    left->setColumnStretch(5, 1);
    left->setRowStretch(17, 1);
    page->addLayout(left, 0);

    page->addWidget(plainLine(QFrame::VLine), 1);

    auto *right = new QGridLayout;
    right->addWidget(colorModeGroup, 0, 1, 1, 2, Qt::AlignLeft);
    right->addWidget(plainLine(QFrame::HLine), 1, 0, 1, 4);
    right->addWidget(adjustmentLabel, 2, 1, 1, 2, Qt::AlignLeft);
    right->addWidget(adjustmentButton, 3, 1, 1, 1, Qt::AlignLeft);
    right->addWidget(crepLabel, 4, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    right->addWidget(crepCombo, 5, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(rcmLabel, 6, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    right->addWidget(rcmCombo, 7, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(plainLine(QFrame::HLine), 8, 0, 1, 4);
    right->addWidget(smoothingCheckBox, 10, 1, 1, 1, Qt::AlignLeft);
    right->addWidget(grayCheckBox, 11, 1, 1, 2, Qt::AlignLeft);
    right->addWidget(moireCheckBox, 12, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    right->setColumnStretch(2, 1);
    right->setRowStretch(14, 1);
    page->addLayout(right, 0);
}

QIcon ImagingTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging"));
}

QIcon ImagingTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging-constraint"));
}

bool ImagingTab::hasOptions()
{
    return hasBoundOption();
}

void ImagingTab::retranslate()
{
    adjustmentLabel->setText(tr("Adjustment") + QStringLiteral(":"));
    adjustmentButton->setText(tr("Settings..."));
    resolutionLabel->setText(tr("Resolution") + QStringLiteral(":"));
}

void ImagingTab::clearConstraintMarks()
{
    Tab::clearConstraintMarks();
    if (colorModeGroup && colorModeGroup->isEnabled())
        colorModeGroup->markLabel(false);
}

QHash<QString, QString> ImagingTab::extraOptions()
{
    return QHash<QString, QString>();
}

// ---------------------------------------------------------------------------
// Toner saving

vChoice *ImagingTab::shownLevel(vOption *tonsave) const
{
    const QList<vChoice *> choices = tonsave->choices();
    const int levels = choices.size() - 1;
    if (levels <= 0)
        return nullptr;
    int index = tonsaveLevelCombo->currentIndex();
    if (index < 0 || index >= levels)
        index = qMin(2, levels - 1);
    return choices.at(index + 1);
}

void ImagingTab::tonsaveButtonToggled()
{
    vOption *option = storeOption(kw::Tnsv);
    if (!option)
        return;
    if (tonsaveGroup->checkedPushButtonIndex() == 0) {
        tonsaveLevelCombo->setEnabled(false);
        if (option->choiceCount() == 6)
            tonsaveLevelCombo->setCurrentIndex(2);
        if (vChoice *off = option->findChoice(kw::Off))
            option->setCurrentChoice(off);
        return;
    }
    if (vChoice *on = option->findChoice(kw::On)) {
        option->setCurrentChoice(on);
        return;
    }
    // The level shown is the level applied, so the rules judge that one.
    if (vChoice *level = shownLevel(option))
        option->setCurrentChoice(level);
    tonsaveLevelCombo->setEnabled(true);
}

void ImagingTab::tonsaveComboBoxChanged()
{
    if (!tonsaveLevelCombo->isEnabled())
        return;
    vOption *option = storeOption(kw::Tnsv);
    const int index = tonsaveLevelCombo->currentIndex();
    if (!option || index < 0 || index + 1 >= option->choiceCount())
        return;
    option->setCurrentChoice(option->choices().at(index + 1));
}

void ImagingTab::loadTonsave()
{
    vOption *option = storeOption(kw::Tnsv);
    if (!option) {
        tonsaveGroup->setEnabled(false);
        tonsaveLevelCombo->setVisible(false);
        tonsaveGroup->selectButtonByName(tr("Off"));
        return;
    }
    const QString stored = readSettingValue(kw::Tnsv);
    vChoice *def = option->defaultChoice();
    tonsaveGroup->setEnabled(true);

    QString current;
    bool on = false;
    if (stored == kw::On || stored.contains(QLatin1String("Level"))) {
        on = true;
        current = stored;
    } else if (def && switchedOn(def->keyword()) && stored.isEmpty()) {
        on = true;
        current = def->keyword();
    }

    // The levels first, so that switching on takes the level shown.
    const QList<vChoice *> choices = option->choices();
    if (choices.size() <= 2) {
        tonsaveLevelCombo->setVisible(false);
    } else {
        tonsaveLevelCombo->setVisible(true);
        tonsaveLevelCombo->clear();
        int index = 2;
        for (int i = 1; i < choices.size(); ++i) {
            tonsaveLevelCombo->addItem(choices.at(i)->text());
            if (choices.at(i)->keyword() == current)
                index = i - 1;
        }
        tonsaveLevelCombo->setCurrentIndex(qMin(index, tonsaveLevelCombo->count() - 1));
    }

    if (on) {
        tonsaveGroup->selectButtonByName(tr("On"));
    } else {
        tonsaveGroup->selectButtonByName(tr("Off"));
        tonsaveLevelCombo->setEnabled(false);
    }
    tonsaveButtonToggled();
}

// ---------------------------------------------------------------------------
// Reloading

void ImagingTab::enableAdjustmentButton()
{
    const bool any = storeOption(kw::Cadj) || storeOption(kw::Madj);
    adjustmentButton->setEnabled(any);
    adjustmentLabel->setEnabled(any);
}

void ImagingTab::enableFixedLabels()
{
    printQualityIcon->setEnabled(true);
    printQualityLabel->setEnabled(true);
    resolutionLabel->setEnabled(true);
}

void ImagingTab::applyResolutionFallback()
{
    if (storeOption(kw::Resolution))
        return;
    resolutionCombo->clear();
    resolutionCombo->addItem(tr("600 dpi"));
}

void ImagingTab::showFixedMonochrome(VelButtonGroup *group)
{
    group->selectButtonByName(tr("Black & white"));
    group->setEnabled(false);
    group->updateLabelColor(true);
}

void ImagingTab::applyColorModelFallback()
{
    vOption *colour = storeOption(kw::ColorModel);
    if (!colour) {
        colorModeGroup->selectButtonByName(tr("Black & white"));
        colorModeGroup->updateLabelColor(true);
    } else if (colour->choiceCount() == 1) {
        showFixedMonochrome(colorModeGroup);
    }
}

void ImagingTab::reload()
{
    blockAllSignals(true);
    setTabName();
    constraintMarks->clear();
    clearConstraintMarks();
    updateLabels();
    enableAdjustmentButton();
    colorAdjustmentDialog->loadSettings();
    monoAdjustmentDialog->loadSettings();
    enableFixedLabels();
    loadValues();
    loadTonsave();
    applyResolutionFallback();
    applyColorModelFallback();
    markAllOptions();
    blockAllSignals(false);
}

// ---------------------------------------------------------------------------
// Enabling

bool ImagingTab::enableOptions()
{
    bool result = Tab::enableOptions();
    vOption *option = storeOption(kw::Tnsv);
    if (!option || option->choiceCount() == 0)
        return result;
    if (!option->choices().first()->hasConstraints()) {
        tonsaveGroup->setEnabled(true);
        return result;
    }
    tonsaveGroup->setEnabled(false);
    tonsaveGroup->updateLabelColor(true);
    if (tonsaveGroup->checkedIndex() == 0) {
        tonsaveGroup->setButton(1);
        // Makes "On", or the level shown, current.
        tonsaveButtonToggled();
        result = true;
    }
    return result;
}

bool ImagingTab::enableOptionsForButtonGroup(VelButtonGroup *button_group, vOption *option)
{
    const bool result = Tab::enableOptionsForButtonGroup(button_group, option);
    if (!option || !button_group || option->keyword() != kw::ColorModel)
        return result;
    if (option->choiceCount() == 1) {
        showFixedMonochrome(button_group);
    } else if (vChoice *current = option->currentChoice()) {
        button_group->setButton(fullColorKeywords().contains(current->keyword()) ? 0 : 1);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Collecting

QHash<QString, QString> ImagingTab::collectOptions()
{
    if (!collectControlValues())
        return optionValues;
    vOption *colour = storeOption(kw::ColorModel);
    if (!colour)
        optionValues.insert(kw::ColorModel, kw::Gray);
    if (vOption *tonsave = storeOption(kw::Tnsv)) {
        QString value;
        if (tonsaveGroup->checkedPushButtonIndex() == 0) {
            value = kw::Off;
        } else if (tonsave->choiceCount() > 2) {
            // Only a level the option has.
            if (vChoice *level = shownLevel(tonsave))
                value = level->keyword();
        } else {
            value = kw::On;
        }
        if (!value.isEmpty())
            optionValues.insert(kw::Tnsv, value);
    }
    // The adjustment keys go only to the maker's own filter.
    if (!currentOptionSet->isGeneric()) {
        if (colour) {
            const auto pairs = colorAdjustmentDialog->adjustmentSettings();
            for (const auto &pair : pairs)
                optionValues.insert(pair.first, pair.second);
        }
        const auto pairs = monoAdjustmentDialog->currentSettings();
        for (const auto &pair : pairs)
            optionValues.insert(pair.first, pair.second);
    }
    return optionValues;
}

// ---------------------------------------------------------------------------
// Slots

void ImagingTab::showAdjustmentDialog()
{
    if (!currentOptionSet || !colorModeGroup)
        return;
    if (colorModeGroup->checkedIndex() == 0)
        colorAdjustmentDialog->exec();
    else
        monoAdjustmentDialog->exec();
}

void ImagingTab::clearDialogSettings(int selection)
{
    if (!currentOptionSet)
        return;
    if (selection == 0)
        monoAdjustmentDialog->resetStates();
    else
        colorAdjustmentDialog->resetStates();
}

void ImagingTab::clearDialogSettings()
{
    if (colorModeGroup)
        clearDialogSettings(colorModeGroup->checkedIndex());
}
