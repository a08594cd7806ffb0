#include "tabs/general_tab.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "app/program_state.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

const int kComboWidth = 215;
const int kColorGroupWidth = 200;

// Duplex and colour groups get a little air above and below. The sheet's
// stray declarations ("none;", "outline:") are dropped by Qt's parser.
const char kGroupStyle[] =
    "VelButtonGroup{ none; margin-top: 8px; margin-bottom: 8px } QPushButton { border: none; outline: } ";

} // namespace

GeneralTab::GeneralTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    Tab::connectSignals();
    layOut();

    setTabOrder(pageSizeCombo, mediaTypeCombo);
    setTabOrder(mediaTypeCombo, inputSlotCombo);
    setTabOrder(inputSlotCombo, outputBinCombo);
    const QList<QAbstractButton *> collateButtons = collateGroup->buttonList();
    setTabOrder(outputBinCombo, collateButtons.at(0));
    setTabOrder(collateButtons.at(0), collateButtons.at(1));

    // After the base connections, so the choice is recorded and the
    // constraints re-run before the dialog reacts.
    connect(colorModeGroup, SIGNAL(buttonClicked(int)), dialog, SLOT(toggleColorMode()), Qt::UniqueConnection);
    connect(mediaTypeCombo, SIGNAL(currentIndexChanged(int)), dialog, SLOT(togglePublishingFronAndBackLabel()),
            Qt::UniqueConnection);
}

void GeneralTab::setTabName()
{
    tabName = tr("Basic");
}

void GeneralTab::buildWidgets()
{
    tabName = tr("Basic");

    pageSizeLabel = named(new QLabel(tr("Media size") + QStringLiteral(":")), "lblPageSize");
    pageSizeCombo = named(new ComboBoxEx(), "cmbBxPageSize");
    mediaTypeLabel = named(new QLabel(tr("Media type") + QStringLiteral(":")), "lblMediaType");
    mediaTypeCombo = named(new ComboBoxEx(), "cmbBxMediaType");
    inputSlotLabel = named(new QLabel(tr("Source") + QStringLiteral(":")), "lblInputSlot");
    inputSlotCombo = named(new ComboBoxEx(), "cmbBxInputSlot");
    outputBinLabel = named(new QLabel(tr("Destination") + QStringLiteral(":")), "lblOutputBin");
    outputBinCombo = named(new ComboBoxEx(), "cmbBxOutputBin");
    for (ComboBoxEx *combo : {pageSizeCombo, mediaTypeCombo, inputSlotCombo, outputBinCombo})
        combo->setFixedWidth(kComboWidth);

    collateGroup = named(new VelButtonGroup(this, tr("Collate") + QStringLiteral(": ")), "butGroupCol");
    collateGroup->addButton(tr("Off"), QStringLiteral(":/icons/collate-off"), {kw::False});
    collateGroup->addButton(tr("On"), QStringLiteral(":/icons/collate-on"), {kw::True});

    duplexGroup = named(new VelButtonGroup(this, tr("Duplex") + QStringLiteral(": ")), "butGroupDuplex");
    duplexGroup->addButton(tr("Off"), QStringLiteral(":/icons/duplex-off"), {kw::None});
    duplexGroup->addButton(tr("Long edge"), QStringLiteral(":/icons/duplex-long"), {kw::DuplexNoTumble});
    duplexGroup->addButton(tr("Short edge"), QStringLiteral(":/icons/duplex-short"), {kw::DuplexTumble});

    colorModeGroup = named(new VelButtonGroup(this, tr("Color") + QStringLiteral(": ")), "butGroupColorModelGeneral");
    colorModeGroup->setFixedWidth(kColorGroupWidth);
    colorModeGroup->addButton(tr("Full color"), QStringLiteral(":/icons/color"), fullColorKeywords());
    colorModeGroup->addButton(tr("Black & white"), QStringLiteral(":/icons/monochrome"), monochromeKeywords());
    colorModeGroup->updateLabelColor(true);

    controls.insert(kw::PageSize, pageSizeCombo);
    controls.insert(kw::MediaType, mediaTypeCombo);
    controls.insert(kw::InputSlot, inputSlotCombo);
    controls.insert(kw::OutputBin, outputBinCombo);
    controls.insert(kw::Coll, collateGroup);
    controls.insert(kw::Duplex, duplexGroup);
    controls.insert(kw::ColorModel, colorModeGroup);

    labels.insert(kw::PageSize, pageSizeLabel);
    labels.insert(kw::MediaType, mediaTypeLabel);
    labels.insert(kw::InputSlot, inputSlotLabel);
    labels.insert(kw::OutputBin, outputBinLabel);
    labels.insert(kw::Coll, collateGroup);
    labels.insert(kw::Duplex, duplexGroup);
}

void GeneralTab::layOut()
{
    auto *page = new QHBoxLayout;
    setLayout(page);

    auto *combos = new QGridLayout;
    const Qt::Alignment labelAlign = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment comboAlign = Qt::AlignLeft | Qt::AlignTop;
    combos->addWidget(pageSizeLabel, 0, 1, 1, 1, labelAlign);
    combos->addWidget(pageSizeCombo, 1, 1, 1, 1, comboAlign);
    combos->addWidget(mediaTypeLabel, 2, 1, 1, 1, labelAlign);
    combos->addWidget(mediaTypeCombo, 3, 1, 1, 1, comboAlign);
    combos->addWidget(inputSlotLabel, 4, 1, 1, 1, labelAlign);
    combos->addWidget(inputSlotCombo, 5, 1, 1, 1, comboAlign);
    combos->addWidget(outputBinLabel, 7, 1, 1, 1, labelAlign);
    combos->addWidget(outputBinCombo, 8, 1, 1, 1, comboAlign);
    combos->setColumnStretch(2, 1);
    combos->setRowStretch(12, 1);
    page->addLayout(combos, 0);

    page->addWidget(plainLine(QFrame::VLine), 1);

    auto *groups = new QGridLayout;
    groups->addWidget(collateGroup, 0, 0, 1, 2, Qt::AlignLeft);
    groups->addWidget(plainLine(QFrame::HLine), 1, 0, 1, 4);
    groups->addWidget(duplexGroup, 2, 0, 1, 3, Qt::AlignLeft);
    groups->addWidget(plainLine(QFrame::HLine), 3, 0, 1, 4);
    groups->addWidget(colorModeGroup, 4, 0, 1, 2, Qt::AlignLeft);
    colorModeGroup->setFixedWidth(kColorGroupWidth);
    groups->setColumnStretch(2, 1);
    groups->setRowStretch(9, 1);
    page->addLayout(groups, 0);

    duplexGroup->setStyleSheet(QLatin1String(kGroupStyle));
    colorModeGroup->setStyleSheet(QLatin1String(kGroupStyle));
}

QIcon GeneralTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic"));
}

QIcon GeneralTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic-constraint"));
}

bool GeneralTab::hasOptions()
{
    return currentOptionSet != nullptr;
}

void GeneralTab::fillComboBox(ComboBoxEx *combo, vOption *option)
{
    const QList<vChoice *> choices = option->choices();
    for (vChoice *choice : choices) {
        if (choice->keyword() != kw::Custom)
            combo->addItem(choice->text());
    }
}

void GeneralTab::updateLabels()
{
    Tab::updateLabels();
    outputBinLabel->setText(tr("Destination") + QStringLiteral(":"));
    inputSlotLabel->setText(tr("Source") + QStringLiteral(":"));
    pageSizeLabel->setText(tr("Print size") + QStringLiteral(":"));
}

void GeneralTab::clearConstraintMarks()
{
    Tab::clearConstraintMarks();
    colorModeGroup->markLabel(false);
}

void GeneralTab::showFixedMonochrome(VelButtonGroup *group)
{
    group->selectButtonByName(tr("Black & white"));
    group->setEnabled(false);
    group->updateLabelColor(true);
}

bool GeneralTab::enableOptionsForButtonGroup(VelButtonGroup *button_group, vOption *option)
{
    const bool moved = Tab::enableOptionsForButtonGroup(button_group, option);
    if (option && button_group && option->keyword() == kw::ColorModel && option->choiceCount() == 1)
        showFixedMonochrome(button_group);
    return moved;
}

void GeneralTab::applyColorModelFallback()
{
    vOption *colour = storeOption(kw::ColorModel);
    if (!colour) {
        colorModeGroup->selectButtonByName(tr("Black & white"));
        colorModeGroup->updateLabelColor(true);
    } else if (colour->choiceCount() == 1) {
        showFixedMonochrome(colorModeGroup);
    }
}

void GeneralTab::applyDuplexFallback()
{
    if (storeOption(kw::Duplex))
        return;
    duplexGroup->selectButtonByName(tr("Off"));
    duplexGroup->updateLabelColor(true);
}

void GeneralTab::reload()
{
    blockAllSignals(true);
    setTabName();
    constraintMarks->clear();
    clearConstraintMarks();
    updateLabels();
    loadValues();
    markAllOptions();
    enableOptions();
    applyColorModelFallback();
    applyDuplexFallback();
    colorModeGroup->update();
    blockAllSignals(false);
}

QHash<QString, QString> GeneralTab::collectOptions()
{
    Tab::collectOptions();
    const auto pageSize = optionValues.constFind(kw::PageSize);
    if (pageSize != optionValues.constEnd()) {
        const QString value = pageSize.value();
        for (const QString &key : {kw::PageRegion, QStringLiteral("ImageableArea"), QStringLiteral("PaperDimension"),
                                   QStringLiteral("MediaSize")})
            optionValues.insert(key, value);
    }
    return optionValues;
}
