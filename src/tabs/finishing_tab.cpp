#include "tabs/finishing_tab.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "app/program_state.h"
#include "app/translation.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

const int kComboWidth = 200;

// A fold detail's combo box: all of them are equally wide.
ComboBoxEx *fixedWidthCombo()
{
    auto *combo = new ComboBoxEx();
    combo->setFixedWidth(kComboWidth);
    return combo;
}

// A section's detail: its label writes nothing when the section is off, its
// combo box stands for "Off".
void addDetail(VelCheckBoxButton *section, QLabel *label, ComboBoxEx *combo)
{
    section->addDependent(label, kw::no_default);
    section->addDependent(combo, FinishingTab::tr("Off"));
}

void mark(const QString &option, const QString &choice)
{
    currentOptionSet->markOptionChoice(option, choice);
}

void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *widget : widgets)
        widget->setVisible(shown);
}

void setEnabledAll(std::initializer_list<QWidget *> widgets, bool enabled)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

FinishingTab::FinishingTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
    layOut();
}

void FinishingTab::setTabName()
{
    tabName = tr("Finishing");
}

void FinishingTab::buildWidgets()
{
    tabName = tr("Finishing");
    buildSeparationSection();
    buildTriFoldSection();
    buildZFoldSection();
    buildEngineeringFoldSection();
    buildBiFoldSection();
    buildPunchSection();
    buildStapleSection();
    buildRotateSection();
    bindControls();
}

void FinishingTab::buildSeparationSection()
{
    separationGroup = named(new VelButtonGroup(this, tr("Separation") + QStringLiteral(": ")), "butGroupSep");
    separationGroup->addButton(tr("Off"), QStringLiteral(":/icons/separation-off"), {kw::None});
    separationGroup->addButton(tr("Offset jobs"), QStringLiteral(":/icons/separation-offset"), {QStringLiteral("Jog")});
    separationGroup->addButton(tr("Rotate copies"), QStringLiteral(":/icons/separation-rotate"),
                               {QStringLiteral("Rot")});
}

void FinishingTab::buildTriFoldSection()
{
    const QString colon = QStringLiteral(":");
    triFoldLabel = named(new QLabel(tr("Tri-Fold") + colon), "lblTriFld");
    triFoldButton =
        named(new VelCheckBoxButton(this, QStringLiteral("TriFold"), QIcon(QStringLiteral(":/icons/trifold"))),
              "chkButTriFld");
    triFoldPrintSideLabel = named(new QLabel(tr("Print side") + colon), "lblFldB");
    triFoldPrintSideCombo = named(fixedWidthCombo(), "cmbBxFldB");
    triFoldDirectionLabel = named(new QLabel(tr("Direction of fold") + colon), "lblFldC");
    triFoldDirectionCombo = named(fixedWidthCombo(), "cmbBxFldC");
    triFoldSheetsLabel = named(new QLabel(tr("Number of sheets") + colon), "lblFldD");
    triFoldSheetsCombo = named(fixedWidthCombo(), "cmbBxFldD");

    addDetail(triFoldButton, triFoldPrintSideLabel, triFoldPrintSideCombo);
    addDetail(triFoldButton, triFoldDirectionLabel, triFoldDirectionCombo);
    addDetail(triFoldButton, triFoldSheetsLabel, triFoldSheetsCombo);
}

void FinishingTab::buildZFoldSection()
{
    const QString colon = QStringLiteral(":");
    zFoldLabel = named(new QLabel(tr("Z-Fold") + colon), "lblTriFldZ");
    zFoldButton = named(new VelCheckBoxButton(this, QStringLiteral("Zfold"), QIcon(QStringLiteral(":/icons/zfold"))),
                        "chkButTriFldZ");
    zFoldDirectionLabel = named(new QLabel(tr("Direction of fold") + colon), "lblZFldC");
    zFoldDirectionCombo = named(fixedWidthCombo(), "cmbBxZFldC");
    zFoldSheetsLabel = named(new QLabel(tr("Number of sheets") + colon), "lblZFldD");
    zFoldSheetsCombo = named(fixedWidthCombo(), "cmbBxZFldD");

    addDetail(zFoldButton, zFoldDirectionLabel, zFoldDirectionCombo);
    addDetail(zFoldButton, zFoldSheetsLabel, zFoldSheetsCombo);
}

void FinishingTab::buildEngineeringFoldSection()
{
    engineeringFoldLabel = named(new QLabel(tr("Engineering Fold") + QStringLiteral(":")), "lblHalfZFld");
    engineeringFoldButton =
        named(new VelCheckBoxButton(this, QStringLiteral("EngrFold"), QIcon(QStringLiteral(":/icons/efold"))),
              "chkButHalfZFld");
}

void FinishingTab::buildBiFoldSection()
{
    const QString colon = QStringLiteral(":");
    biFoldLabel = named(new QLabel(tr("Bi-Fold") + colon), "lblBiFld");
    biFoldButton = named(new VelCheckBoxButton(this, QStringLiteral("BiFold"), QIcon(QStringLiteral(":/icons/bifold"))),
                         "chkButBiFld");
    biFoldPrintSideLabel = named(new QLabel(tr("Print side") + colon), "cmbBxLblBiFld");
    biFoldPrintSideCombo = named(fixedWidthCombo(), "cmbBxBiFld");
    biFoldSheetsLabel = named(new QLabel(tr("Number of sheets") + colon), "lblFldB");
    biFoldSheetsCombo = named(fixedWidthCombo(), "cmbBxFldA");

    addDetail(biFoldButton, biFoldPrintSideLabel, biFoldPrintSideCombo);
    addDetail(biFoldButton, biFoldSheetsLabel, biFoldSheetsCombo);
}

void FinishingTab::buildPunchSection()
{
    punchHeading = named(new QLabel(tr("Punch") + QStringLiteral(": ")), "lblHolePunch");
    punchMethodLabel = named(new QLabel(tr("Punch Method:")), "lblPnch");
    punchButton =
        named(new VelCheckBoxButton(this, QStringLiteral("Hole punch"), QIcon(QStringLiteral(":/icons/punch"))),
              "chkButPnch");
    punchCombo = named(new ComboBoxEx(), "cmbBxPnch");

    addDetail(punchButton, punchMethodLabel, punchCombo);
}

void FinishingTab::buildStapleSection()
{
    stapleHeading = named(new QLabel(tr("Staple:")), "lblStaple");
    stapleLocationLabel = named(new QLabel(tr("Staple location:")), "lblStpl");
    stapleButton = named(new VelCheckBoxButton(this, QStringLiteral("Staple"), QIcon(QStringLiteral(":/icons/staple"))),
                         "chkButStpl");
    stapleLocationCombo = named(new ComboBoxEx(), "cmbBxStpl");
    stapleMethodLabel = named(new QLabel(tr("Staple method")), "lblScnt");
    stapleMethodCombo = named(new ComboBoxEx(), "cmbBxScnt");

    addDetail(stapleButton, stapleMethodLabel, stapleMethodCombo);
    addDetail(stapleButton, stapleLocationLabel, stapleLocationCombo);
}

void FinishingTab::buildRotateSection()
{
    // The title follows the system locale, like every other place that
    // names this rotation.
    rotateGroup = named(new VelButtonGroup(this, rotate180Text() + QStringLiteral(": ")), "butGroupRot");
    rotateGroup->addButton(tr("Off"), QStringLiteral(":/icons/Rotate-180-off"), {kw::False});
    rotateGroup->addButton(tr("On"), QStringLiteral(":/icons/Rotate-180-on"), {kw::True});
}

void FinishingTab::bindControls()
{
    controls.insert(kw::Sep, separationGroup);
    controls.insert(kw::FldB, triFoldPrintSideCombo);
    controls.insert(kw::FldC, triFoldDirectionCombo);
    controls.insert(kw::FldD, triFoldSheetsCombo);
    controls.insert(kw::ZFldC, zFoldDirectionCombo);
    controls.insert(kw::ZFldD, zFoldSheetsCombo);
    controls.insert(kw::BiFldB, biFoldPrintSideCombo);
    controls.insert(kw::BFpS, biFoldSheetsCombo);
    controls.insert(kw::Rotate, rotateGroup);
    controls.insert(kw::Pnch, punchCombo);
    controls.insert(kw::Stpl, stapleLocationCombo);
    controls.insert(kw::Scnt, stapleMethodCombo);
    controls.insert(kw::cTriFld, triFoldButton);
    controls.insert(kw::cBiFld, biFoldButton);
    controls.insert(kw::cHole, punchButton);
    controls.insert(kw::cStpl, stapleButton);
    controls.insert(kw::cEngrFld, engineeringFoldButton);
    controls.insert(kw::cTriFldZ, zFoldButton);

    labels.insert(kw::Sep, separationGroup);
    labels.insert(kw::Pnch, punchMethodLabel);
    labels.insert(kw::Stpl, stapleHeading);
    labels.insert(kw::Scnt, stapleMethodLabel);
    labels.insert(kw::Rotate, rotateGroup);

    sectionButtons << punchButton << stapleButton << triFoldButton << biFoldButton << engineeringFoldButton
                   << zFoldButton;
}

void FinishingTab::connectSignals()
{
    const auto on = [this](VelCheckBoxButton *button, const char *slot) {
        connect(button, SIGNAL(toggled(bool)), this, slot, Qt::UniqueConnection);
    };
    on(punchButton, SLOT(togglePunch(bool)));
    on(stapleButton, SLOT(toggleStaple(bool)));
    for (VelCheckBoxButton *fold : {triFoldButton, biFoldButton, engineeringFoldButton, zFoldButton}) {
        on(fold, SLOT(markFold()));
        on(fold, SLOT(checkFoldConstraints()));
        on(fold, fold == triFoldButton ? SLOT(toggleTriFold(bool)) : SLOT(toggleBiFold(bool)));
    }
    on(zFoldButton, SLOT(toggleZFold(bool)));
    Tab::connectSignals();
}

void FinishingTab::layOut()
{
    auto *page = new QHBoxLayout;
    setLayout(page);

    leftGrid = new QGridLayout;
    const Qt::Alignment left = Qt::AlignLeft;
    leftGrid->addWidget(separationGroup, 0, 0, 1, 3, left);
    leftGrid->addWidget(plainLine(QFrame::HLine), 1, 0, 1, 4);
    leftGrid->addWidget(triFoldLabel, 2, 0, 1, 2, left);
    leftGrid->addWidget(triFoldButton, 3, 0, 2, 1, left);
    leftGrid->addWidget(triFoldPrintSideLabel, 3, 1, 1, 1, left);
    leftGrid->addWidget(triFoldPrintSideCombo, 4, 1, 1, 1, left);
    leftGrid->addWidget(triFoldDirectionLabel, 5, 1, 1, 1, left);
    leftGrid->addWidget(triFoldDirectionCombo, 6, 1, 1, 1, left);
    leftGrid->addWidget(triFoldSheetsLabel, 7, 1, 1, 1, left);
    leftGrid->addWidget(triFoldSheetsCombo, 8, 1, 1, 1, left);
    // The Z-fold details share the tri-fold rows; one kind shows at a time.
    leftGrid->addWidget(zFoldDirectionLabel, 5, 1, 1, 1, left);
    leftGrid->addWidget(zFoldDirectionCombo, 6, 1, 1, 1, left);
    leftGrid->addWidget(zFoldSheetsLabel, 7, 1, 1, 1, left);
    leftGrid->addWidget(zFoldSheetsCombo, 8, 1, 1, 1, left);
    leftGrid->addWidget(zFoldLabel, 5, 0, 1, 1, left);
    leftGrid->addWidget(zFoldButton, 6, 0, 2, 1, left);
    leftGrid->addWidget(plainLine(QFrame::HLine), 10, 0, 1, 4);
    leftGrid->addWidget(biFoldLabel, 11, 0, 1, 2, left);
    leftGrid->addWidget(biFoldButton, 12, 0, 2, 1, left);
    leftGrid->addWidget(biFoldPrintSideLabel, 12, 1, 1, 1, left);
    leftGrid->addWidget(biFoldPrintSideCombo, 13, 1, 1, 1, left);
    leftGrid->addWidget(biFoldSheetsLabel, 14, 1, 1, 1, left);
    leftGrid->addWidget(biFoldSheetsCombo, 15, 1, 1, 1, left);
    engineeringSeparator = plainLine(QFrame::HLine);
    leftGrid->addWidget(engineeringSeparator, 17, 0, 1, 4);
    leftGrid->addWidget(engineeringFoldLabel, 18, 0, 1, 2, left);
    leftGrid->addWidget(engineeringFoldButton, 19, 0, 2, 1, left);
    leftGrid->setColumnStretch(3, 1);
    leftGrid->setRowStretch(21, 1);
    page->addLayout(leftGrid, 0);

    page->addWidget(plainLine(QFrame::VLine), 1);

    auto *rightGrid = new QGridLayout;
    rightGrid->addWidget(stapleHeading, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    rightGrid->addWidget(stapleButton, 1, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    rightGrid->addWidget(stapleLocationLabel, 1, 1, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    rightGrid->addWidget(stapleLocationCombo, 2, 1, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    rightGrid->addWidget(stapleMethodLabel, 3, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    rightGrid->addWidget(stapleMethodCombo, 4, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    rightGrid->addWidget(plainLine(QFrame::HLine), 5, 0, 1, 4);
    rightGrid->addWidget(punchHeading, 6, 0, 1, 2, left);
    rightGrid->addWidget(punchMethodLabel, 7, 1, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    rightGrid->addWidget(punchButton, 7, 0, 2, 1, left);
    rightGrid->addWidget(punchCombo, 8, 1, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    rightGrid->addWidget(plainLine(QFrame::HLine), 9, 0, 1, 4);
    rightGrid->addWidget(rotateGroup, 10, 0, 1, 2);
    rightGrid->setColumnStretch(3, 1);
    rightGrid->setRowStretch(16, 1);
    page->addLayout(rightGrid, 0);
}

QIcon FinishingTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing"));
}

QIcon FinishingTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing-constraint"));
}

bool FinishingTab::hasOptions()
{
    return hasBoundOption();
}

bool FinishingTab::isConstrained()
{
    return hasOptions() && Tab::isConstrained();
}

QList<QLabel *> FinishingTab::foldLabels() const
{
    return {triFoldLabel, biFoldLabel, zFoldLabel, engineeringFoldLabel};
}

QList<VelCheckBoxButton *> FinishingTab::foldButtons() const
{
    return {triFoldButton, biFoldButton, zFoldButton, engineeringFoldButton};
}

void FinishingTab::clearConstraintMarks()
{
    Tab::clearConstraintMarks();
    // The whole mark goes, with its leading blank, so that the labels do not
    // grow by a blank on every pass.
    for (QLabel *label : foldLabels())
        markLabelText(label, false);
}

void FinishingTab::resetCheckButtons()
{
    for (VelCheckBoxButton *button : foldButtons())
        button->setChecked(false);
}

// ---------------------------------------------------------------------------
// Folding

void FinishingTab::markFold()
{
    if (!currentOptionSet)
        return;
    const bool tri = triFoldButton->isChecked();
    const bool bi = biFoldButton->isChecked();
    const bool z = zFoldButton->isChecked();
    const bool engineering = engineeringFoldButton->isChecked();
    const int checked = int(tri) + int(bi) + int(z) + int(engineering);
    if (checked == 1) {
        if (bi) {
            mark(kw::FldA, kw::Bifold);
            mark(kw::cBiFld, kw::True);
        } else if (tri) {
            mark(kw::FldA, kw::Trifold);
            mark(kw::cTriFld, kw::True);
        } else if (z) {
            mark(kw::FldA, kw::Zfold);
            mark(kw::cTriFldZ, kw::True);
        } else {
            mark(kw::FldA, kw::EngrFold);
            mark(kw::cEngrFld, kw::True);
        }
    } else if (checked == 0) {
        for (const QString &option :
             {kw::FldA, kw::FldB, kw::FldC, kw::FldD, kw::ZFldC, kw::ZFldD, kw::BiFldB, kw::BFpS})
            mark(option, kw::None);
        for (const QString &option : {kw::cBiFld, kw::cTriFld, kw::cTriFldZ, kw::cEngrFld})
            mark(option, kw::False);
    }
}

void FinishingTab::checkFoldConstraints()
{
    bool all = true;
    for (VelCheckBoxButton *button : foldButtons())
        all = all && button->isChecked();
    for (QLabel *label : foldLabels()) {
        if (all)
            addConstraintMark(label, label);
        else
            removeConstraintMark(label);
    }
}

void FinishingTab::syncFoldButtons()
{
    const QList<QPair<VelCheckBoxButton *, QLabel *>> rows = {{biFoldButton, biFoldLabel},
                                                              {triFoldButton, triFoldLabel},
                                                              {zFoldButton, zFoldLabel},
                                                              {engineeringFoldButton, engineeringFoldLabel}};
    vOption *fold = storeOption(kw::FldA);
    if (!fold) {
        for (const auto &row : rows) {
            row.first->setEnabled(false);
            row.second->setEnabled(false);
            row.first->setChecked(false);
        }
        checkFoldConstraints();
        return;
    }
    const bool folder = storeOption(kw::Option24) != nullptr;
    setEnabledAll({biFoldButton, biFoldLabel, triFoldButton, triFoldLabel}, true);
    setEnabledAll({zFoldButton, zFoldLabel, engineeringFoldButton, engineeringFoldLabel}, folder);

    // Without a folding unit a stored Z-fold or engineering fold is not
    // shown, so it is neither kept checked nor sent.
    const QString stored = storedValue(fold->keyword());
    biFoldButton->setChecked(stored == kw::Bifold);
    triFoldButton->setChecked(stored == kw::Trifold);
    zFoldButton->setChecked(folder && stored == kw::Zfold);
    engineeringFoldButton->setChecked(folder && stored == kw::EngrFold);
    checkFoldConstraints();
}

// ---------------------------------------------------------------------------
// The other sections

void FinishingTab::syncStapleButton()
{
    if (!storeOption(kw::Stpl)) {
        stapleButton->setChecked(false);
        return;
    }
    const QString stored = storedValue(kw::Stpl);
    bool stapled = false;
    for (const char *word : {"Center", "Rear", "Front", "BookletStitch", "Internal"})
        stapled = stapled || stored.contains(QLatin1String(word));
    stapleButton->setChecked(stapled);
}

void FinishingTab::syncPunchButton()
{
    if (!storeOption(kw::Pnch)) {
        punchHeading->setEnabled(false);
        punchButton->setChecked(false);
        return;
    }
    punchHeading->setEnabled(true);
    punchButton->setChecked(storedValue(kw::Pnch).contains(QLatin1String("Hole")));
}

void FinishingTab::syncRotateGroup()
{
    if (!storeOption(kw::Rotate))
        rotateGroup->setButton(0);
}

void FinishingTab::syncSeparationButtons()
{
    vOption *separation = storeOption(kw::Sep);
    if (!separation) {
        separationGroup->selectButtonByName(tr("Off"));
        return;
    }
    separationGroup->setEnabled(true);
    separationGroup->enableButton(2, separation->hasChoice(QStringLiteral("Rot")));
    separationGroup->enableButton(1, separation->hasChoice(QStringLiteral("Jog")));
}

void FinishingTab::keepDerivedSwitch(VelCheckBoxButton *button, const QString &keyword, bool derived)
{
    if (!storeOption(keyword) || button->isChecked() == derived || !storedValue(keyword).isEmpty())
        return;
    // The dependents follow the button by themselves; nothing else speaks.
    blockAllSignals(true);
    button->setChecked(derived);
    markOptionForWidget(derived ? 1 : 0, button);
    blockAllSignals(false);
}

// ---------------------------------------------------------------------------
// Section slots

void FinishingTab::resetCombo(ComboBoxEx *combo)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(0);
}

void FinishingTab::togglePunch(bool toggled)
{
    if (!toggled)
        resetCombo(punchCombo);
}

void FinishingTab::toggleStaple(bool toggled)
{
    if (!toggled) {
        resetCombo(stapleLocationCombo);
        resetCombo(stapleMethodCombo);
        return;
    }
    vOption *method = storeOption(kw::Scnt);
    const bool choosable = !method || method->choiceCount() >= 3;
    setEnabledAll({stapleMethodCombo, stapleMethodLabel}, choosable);
}

void FinishingTab::toggleTriFold(bool toggled)
{
    if (!toggled) {
        resetCombo(triFoldDirectionCombo);
        resetCombo(triFoldSheetsCombo);
        resetCombo(triFoldPrintSideCombo);
        return;
    }
    setShown({zFoldDirectionLabel, zFoldDirectionCombo, zFoldSheetsLabel, zFoldSheetsCombo}, false);
}

void FinishingTab::toggleBiFold(bool toggled)
{
    if (toggled)
        return;
    resetCombo(biFoldSheetsCombo);
    resetCombo(biFoldPrintSideCombo);
}

void FinishingTab::toggleZFold(bool toggled)
{
    if (!toggled) {
        resetCombo(zFoldDirectionCombo);
        resetCombo(zFoldSheetsCombo);
    }
    setShown({triFoldDirectionLabel, triFoldDirectionCombo, triFoldSheetsLabel, triFoldSheetsCombo}, !toggled);
    setShown({zFoldDirectionLabel, zFoldDirectionCombo, zFoldSheetsLabel, zFoldSheetsCombo}, toggled);
}

void FinishingTab::hideZFold()
{
    setShown({zFoldLabel, zFoldButton, engineeringFoldLabel, engineeringFoldButton, engineeringSeparator},
             storeOption(kw::Option24) != nullptr);
    syncFoldButtons();
}

void FinishingTab::hideBiFoldPrintSide()
{
    const bool printSide = storeOption(kw::BiFldB) != nullptr;
    setShown({biFoldPrintSideLabel, biFoldPrintSideCombo}, printSide);
    const int row = printSide ? 14 : 12;
    for (QWidget *widget : {static_cast<QWidget *>(biFoldSheetsLabel), static_cast<QWidget *>(biFoldSheetsCombo)}) {
        leftGrid->removeWidget(widget);
        leftGrid->addWidget(widget, widget == biFoldSheetsLabel ? row : row + 1, 1, 1, 1, Qt::AlignLeft);
    }
    syncFoldButtons();
}

void FinishingTab::hideZFoldOptions()
{
    toggleZFold(zFoldButton->isChecked());
}

// ---------------------------------------------------------------------------
// Loading and collecting

void FinishingTab::reload()
{
    blockAllSignals(true);
    syncFoldButtons();
    syncStapleButton();
    syncPunchButton();
    syncRotateGroup();
    syncSeparationButtons();
    const bool stapled = stapleButton->isChecked();
    const bool punched = punchButton->isChecked();
    blockAllSignals(false);

    // Loads every bound control, the switches from their own stored lines.
    Tab::reload();
    keepDerivedSwitch(stapleButton, kw::cStpl, stapled);
    keepDerivedSwitch(punchButton, kw::cHole, punched);

    // A fold button that changes here runs its slots.
    hideZFold();
    hideBiFoldPrintSide();
    hideZFoldOptions();

    blockAllSignals(true);
    CheckBoxMarkConstraintsWithSender(punchButton);
    CheckBoxMarkConstraintsWithSender(stapleButton);
    toggleStaple(stapleButton->isChecked());
    blockAllSignals(false);
}

QHash<QString, QString> FinishingTab::collectOptions()
{
    if (!collectControlValues())
        return optionValues;

    if (storeOption(kw::FldA)) {
        QString fold = kw::None;
        if (biFoldButton->isChecked())
            fold = kw::Bifold;
        else if (triFoldButton->isChecked())
            fold = kw::Trifold;
        else if (engineeringFoldButton->isChecked())
            fold = kw::EngrFold;
        else if (zFoldButton->isChecked())
            fold = kw::Zfold;
        optionValues.insert(kw::FldA, fold);
    }

    for (VelCheckBoxButton *section : qAsConst(sectionButtons)) {
        if (section->isChecked())
            continue;
        const QList<QWidget *> dependents = section->dependents();
        for (QWidget *dependent : dependents) {
            const QString keyword = controls.key(dependent);
            if (!keyword.isEmpty() && currentOptionSet->findOption(keyword))
                optionValues.insert(keyword, kw::None);
        }
    }
    return optionValues;
}
