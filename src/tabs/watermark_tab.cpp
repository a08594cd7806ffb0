#include "tabs/watermark_tab.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <climits>
#include <initializer_list>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

const QString kStoreKey = QStringLiteral("CustomWatermarkStore");
const QString kSetKey = QStringLiteral("CustomWatermarkSet");

// The predefined watermarks: the text the list shows and the choice keyword
// of "Wtxt".
struct Predefined
{
    const char *text;
    const char *keyword;
};
const Predefined kPredefined[] = {
    {"CONFIDENTIAL", "Confidential"}, {"ORIGINAL", "Original"}, {"COPY", "Copy"},
    {"DO NOT PHOTOCOPY", "DoNotPhotoCopy"}, {"DRAFT", "Draft"}, {"FINAL", "Final"},
    {"PROOF", "Proof"},
};

bool isPredefinedKeyword(const QString &keyword)
{
    for (const Predefined &p : kPredefined)
        if (keyword == QLatin1String(p.keyword))
            return true;
    return false;
}

// The stored attributes in their written order.
const char *const kAttributes[] = {"font", "size", "color", "angle", "style", "fill", "repeat"};

// A number of a stored record: optional white space and sign, then digits
// up to the first other character; no digits read as 0. Too many digits
// stop at the integer range.
int readInteger(const QByteArray &token)
{
    int i = 0;
    while (i < token.size() && (token.at(i) == ' ' || (token.at(i) >= '\t' && token.at(i) <= '\r')))
        ++i;
    bool negative = false;
    if (i < token.size() && (token.at(i) == '+' || token.at(i) == '-'))
        negative = token.at(i++) == '-';
    qint64 value = 0;
    for (; i < token.size() && token.at(i) >= '0' && token.at(i) <= '9'; ++i) {
        value = value * 10 + (token.at(i) - '0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1;
    }
    if (negative)
        return int(-value);
    return int(qMin(value, qint64(INT_MAX)));
}

} // namespace

WatermarkTab::WatermarkTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
    layOutWidgets();
}

// ---------------------------------------------------------------------------
// Page

void WatermarkTab::setTabName()
{
    tabName = tr("Watermark");
}

void WatermarkTab::buildWidgets()
{
    buildWatermarkSection();
    buildCustomWatermarkEditor();
    buildSuperWatermarkSection();
    bindControls();
    addSectionDependents();
    connectOwnSlots();
    tabName = tr("Watermark");
}

ComboBoxEx *WatermarkTab::childCombo()
{
    auto *combo = new ComboBoxEx();
    combo->setParent(this);
    return combo;
}

void WatermarkTab::buildWatermarkSection()
{
    const QString colon = QStringLiteral(":");
    lblWatermark = named(new QLabel(tr("Watermark/Stamp"), this), "lblWatermark");
    chkButWatermark = named(
        new VelCheckBoxButton(this, QStringLiteral("chkButWatermark"), QIcon(QStringLiteral(":/icons/watermark"))),
        "chkButWatermark");
    lblWtxt = named(new QLabel(tr("Text") + colon, this), "lblWtxt");
    watermarkList = childCombo();
    lblWFnt = named(new QLabel(tr("Font") + colon, this), "lblWFnt");
    cmbBxWFnt = named(childCombo(), "cmbBxWFnt");
    lblWSze = named(new QLabel(tr("Size") + colon, this), "lblWSze");
    cmbBxWsze = named(childCombo(), "cmbBxWsze");
    lblWClr = named(new QLabel(tr("Color") + colon, this), "lblWClr");
    cmbBxClr = named(childCombo(), "cmbBxClr");
    lblWang = named(new QLabel(tr("Angle") + colon, this), "lblWang");
    cmbBxWang = named(childCombo(), "cmbBxWang");
    lblWtrans = named(new QLabel(tr("Style") + colon, this), "lblWtrans");
    cmbBxWtrans = named(childCombo(), "cmbBxWtrans");
    lblWtyp = named(new QLabel(tr("Fill") + colon, this), "lblWtyp");
    cmbBxWtyp = named(childCombo(), "cmbBxWtyp");
}

void WatermarkTab::buildCustomWatermarkEditor()
{
    lblCustomWatermark = named(new QLabel(tr("Custom watermark:"), this), "lblCustomWatermark");
    lnEditCustomWatermark = named(new QLineEdit(this), "lnEditCustomWatermark");
    lnEditCustomWatermark->setMaxLength(32);
    // The first character is no blank, no later one a "#"; no control
    // character anywhere (a tab would cut the name on its way to the printer).
    lnEditCustomWatermark->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\s\\p{Cc}][^#\\p{Cc}]*")), lnEditCustomWatermark));
    chkBxWFlg = named(new QCheckBox(tr("Repeat watermark"), this), "chkBxWFlg");
    butNewCustomWatermark = named(new QPushButton(tr("New"), this), "butNewCustomWatermark");
    butDeleteCustomWatermark = named(new QPushButton(tr("Delete"), this), "butDeleteCustomWatermark");
    butSaveCustomWatermark = named(new QPushButton(tr("Save"), this), "butSaveCustomWatermark");
}

void WatermarkTab::buildSuperWatermarkSection()
{
    separatorLine = new QFrame(this);
    separatorLine->setFrameShape(QFrame::HLine);
    separatorLine->setFrameShadow(QFrame::Plain);
    chkButSuperWatermark = named(new VelCheckBoxButton(this, QStringLiteral("chkButSuperWatermark"),
                                                       QIcon(QStringLiteral(":/icons/super-watermark"))),
                                 "chkButSuperWatermark");
    lblSuperWatermark = named(new QLabel(tr("Super watermark") + QStringLiteral(":"), this), "lblSuperWatermark");
    cmbBxSuperWatermark = named(childCombo(), "cmbBxSuperWatermark");
}

void WatermarkTab::bindControls()
{
    controls.insert(kw::Wren, chkButWatermark);
    controls.insert(kw::Wtxt, watermarkList);
    controls.insert(kw::Wfnt, cmbBxWFnt);
    controls.insert(kw::Wsze, cmbBxWsze);
    controls.insert(kw::Wclr, cmbBxClr);
    controls.insert(kw::Wang, cmbBxWang);
    controls.insert(kw::Wtrans, cmbBxWtrans);
    controls.insert(kw::Wtyp, cmbBxWtyp);
    controls.insert(QStringLiteral("cCustom"), lnEditCustomWatermark);
    controls.insert(kw::Wflg, chkBxWFlg);
    controls.insert(kw::cSuper, chkButSuperWatermark);
    controls.insert(kw::VZSuperWatermark, cmbBxSuperWatermark);

    labels.insert(kw::Wren, chkButWatermark);
    labels.insert(kw::Wtxt, lblWtxt);
    labels.insert(kw::Wfnt, lblWFnt);
    labels.insert(kw::Wsze, lblWSze);
    labels.insert(kw::Wclr, lblWClr);
    labels.insert(kw::Wang, lblWang);
    labels.insert(kw::Wtrans, lblWtrans);
    labels.insert(kw::Wtyp, lblWtyp);
    labels.insert(kw::Wflg, chkBxWFlg);
    labels.insert(kw::VZSuperWatermark, lblSuperWatermark);
}

void WatermarkTab::addSectionDependents()
{
    for (QWidget *dependent : {static_cast<QWidget *>(butNewCustomWatermark),
                               static_cast<QWidget *>(butSaveCustomWatermark),
                               static_cast<QWidget *>(butDeleteCustomWatermark),
                               static_cast<QWidget *>(lblWtxt), static_cast<QWidget *>(watermarkList),
                               static_cast<QWidget *>(lblWFnt), static_cast<QWidget *>(cmbBxWFnt),
                               static_cast<QWidget *>(lblWSze), static_cast<QWidget *>(cmbBxWsze),
                               static_cast<QWidget *>(lblWClr), static_cast<QWidget *>(cmbBxClr),
                               static_cast<QWidget *>(lblWang), static_cast<QWidget *>(cmbBxWang),
                               static_cast<QWidget *>(lblWtrans), static_cast<QWidget *>(cmbBxWtrans),
                               static_cast<QWidget *>(lblWtyp), static_cast<QWidget *>(cmbBxWtyp),
                               static_cast<QWidget *>(lblCustomWatermark),
                               static_cast<QWidget *>(lnEditCustomWatermark), static_cast<QWidget *>(chkBxWFlg)})
        chkButWatermark->addDependent(dependent, kw::no_default);
    chkButSuperWatermark->addDependent(lblSuperWatermark, kw::no_default);
    chkButSuperWatermark->addDependent(cmbBxSuperWatermark, tr("None"));
    // The watermark section is run by toggleWatermarkSection(); only the
    // super watermark is a section of the base class.
    sectionButtons.append(chkButSuperWatermark);
}

void WatermarkTab::connectOwnSlots()
{
    connect(lnEditCustomWatermark, SIGNAL(textChanged(QString)), this, SLOT(handleCustomWatermarkTextEdit()));
    connect(butNewCustomWatermark, SIGNAL(clicked()), this, SLOT(createNewCustomWatermark()));
    connect(butDeleteCustomWatermark, SIGNAL(clicked()), this, SLOT(deleteCustomWatermark()));
    connect(butSaveCustomWatermark, SIGNAL(clicked()), this, SLOT(editCustomWatermark()));
    connect(watermarkList, SIGNAL(currentIndexChanged(QString)), this, SLOT(handleWatermarkSelection(QString)));
    connect(chkButWatermark, SIGNAL(toggled(bool)), this, SLOT(toggleWatermarkSection(bool)));
    connect(chkButSuperWatermark, SIGNAL(toggled(bool)), this, SLOT(toggleSuperWatermark(bool)));
}

void WatermarkTab::layOutWidgets()
{
    auto *grid = new QGridLayout(this);
    const Qt::Alignment leftBottom = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment leftTop = Qt::AlignLeft | Qt::AlignTop;
    grid->addWidget(lblWatermark, 0, 0, 1, 2);
    grid->addWidget(chkButWatermark, 1, 0, 2, 1);
    grid->addWidget(lblWtxt, 1, 1, 1, 2, leftBottom);
    grid->addWidget(watermarkList, 2, 1, 1, 2, leftTop);

    auto *attributes = new QGridLayout;
    attributes->addWidget(lblWFnt, 0, 0);
    attributes->addWidget(cmbBxWFnt, 1, 0);
    attributes->addWidget(lblWClr, 2, 0);
    attributes->addWidget(cmbBxClr, 3, 0);
    attributes->addWidget(lblWSze, 0, 1);
    attributes->addWidget(cmbBxWsze, 1, 1);
    attributes->addWidget(lblWang, 2, 1);
    attributes->addWidget(cmbBxWang, 3, 1);
    grid->addLayout(attributes, 3, 1, 1, 2, Qt::AlignLeft);

    grid->addWidget(lblWtrans, 4, 1, leftBottom);
    grid->addWidget(cmbBxWtrans, 5, 1, leftTop);
    grid->addWidget(lblWtyp, 6, 1, leftBottom);
    grid->addWidget(cmbBxWtyp, 7, 1, leftTop);
    grid->addWidget(lblCustomWatermark, 8, 1, 1, 2, leftBottom);
    grid->addWidget(lnEditCustomWatermark, 9, 1, 1, 2, leftTop);
    grid->addWidget(chkBxWFlg, 10, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);

    auto *editorButtons = new QHBoxLayout;
    editorButtons->addWidget(butNewCustomWatermark);
    editorButtons->addWidget(butDeleteCustomWatermark);
    editorButtons->addWidget(butSaveCustomWatermark);
    grid->addLayout(editorButtons, 11, 1, 1, 2, Qt::AlignLeft);

    grid->addWidget(separatorLine, 12, 0, 1, 3);
    grid->addWidget(chkButSuperWatermark, 13, 0, 2, 1);
    grid->addWidget(lblSuperWatermark, 13, 1, 1, 2);
    grid->addWidget(cmbBxSuperWatermark, 14, 1);

    grid->setColumnStretch(3, 1);
    grid->setRowStretch(17, 1);
}

void WatermarkTab::addCustomConstraints()
{
    if (!currentOptionSet)
        return;
    vOption *colorModel = currentOptionSet->findOption(kw::ColorModel);
    vOption *color = currentOptionSet->findOption(kw::Wclr);
    if (!colorModel || !color || !colorModel->isValid() || !color->isValid())
        return;
    for (const QString &colour : {kw::Red, kw::Green, kw::Blue})
        currentOptionSet->addConstraint(kw::ColorModel, kw::Gray, kw::Wclr, colour);
}

QIcon WatermarkTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark"));
}

QIcon WatermarkTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark-constraint"));
}

bool WatermarkTab::hasOptions()
{
    return hasBoundOption();
}

void WatermarkTab::retranslate()
{
    setTabName();
    lblCustomWatermark->setText(tr("Custom watermark:"));
    butNewCustomWatermark->setText(tr("New"));
    butSaveCustomWatermark->setText(tr("Save"));
    butDeleteCustomWatermark->setText(tr("Delete"));
}

void WatermarkTab::reload()
{
    blockAllSignals(true);
    addCustomConstraints();
    constraintMarks->clear();
    loadSuperWatermarkState();
    const bool superWatermark = chkButSuperWatermark->isChecked();
    setTabName();
    updateLabels();
    loadValues();
    // A file without the switch's own line keeps the super watermark it
    // stores, instead of losing it at the next Apply.
    if (readSettingValue(kw::cSuper).isEmpty())
        chkButSuperWatermark->setChecked(superWatermark);
    lnEditCustomWatermark->clear();
    customWatermarks.clear();
    removeCustomChoiceItem();
    appendBlackColorItem();
    loadCustomWatermarks();
    handleWatermarkSelection(watermarkList->currentText());
    markAllOptions();
    toggleWatermarkSection(chkButWatermark->isChecked());
    blockAllSignals(false);
}

// ---------------------------------------------------------------------------
// Sections

void WatermarkTab::resetWatermarkControls()
{
    lnEditCustomWatermark->clear();
    chkBxWFlg->setChecked(false);
    // The list first: selecting its first item may show a saved record,
    // which the reset indexes then replace.
    selectResetIndex(watermarkList, kw::Wtxt, 0);
    selectResetIndex(cmbBxWFnt, kw::Wfnt, 0);
    selectResetIndex(cmbBxWsze, kw::Wsze, 8);
    selectResetIndex(cmbBxClr, kw::Wclr, 3);
    selectResetIndex(cmbBxWang, kw::Wang, 23);
    selectResetIndex(cmbBxWtrans, kw::Wtrans, 0);
    selectResetIndex(cmbBxWtyp, kw::Wtyp, 0);
}

void WatermarkTab::selectResetIndex(ComboBoxEx *combo, const QString &keyword, int index)
{
    if (index >= combo->count()) {
        vOption *option = storeOption(keyword);
        vChoice *choice = option ? option->defaultChoice() : nullptr;
        index = choice ? comboItemIndex(combo, choice->text()) : -1;
        index = qMax(index, 0);
    }
    combo->setCurrentIndex(index);
}

void WatermarkTab::toggleWatermarkSection(bool checked)
{
    if (!checked)
        resetWatermarkControls();
    if (currentOptionSet)
        currentOptionSet->markOptionChoice(kw::Wren, checked ? kw::True : kw::False);

    // A control whose option the printer lacks stays disabled in both states.
    auto enable = [checked](const QString &keyword, std::initializer_list<QWidget *> widgets) {
        const bool on = checked && storeOption(keyword);
        for (QWidget *widget : widgets)
            widget->setEnabled(on);
    };
    enable(kw::Wtxt, {lblWtxt, watermarkList});
    enable(kw::Wfnt, {lblWFnt, cmbBxWFnt});
    enable(kw::Wsze, {lblWSze, cmbBxWsze});
    if (storeOption(kw::ColorModel)) {
        enable(kw::Wclr, {lblWClr, cmbBxClr});
    } else {
        lblWClr->setEnabled(false);
        cmbBxClr->setEnabled(false);
        cmbBxClr->setCurrentIndex(comboItemIndex(cmbBxClr, tr("Black")));
    }

    if (checked) {
        updateCustomWatermarkButtons();
        handleWatermarkSelection(watermarkList->currentText());
    } else {
        watermarkList->setCurrentIndex(0);
    }

    enable(kw::Wang, {lblWang, cmbBxWang});
    enable(kw::Wtrans, {lblWtrans, cmbBxWtrans});
    enable(kw::Wtyp, {lblWtyp, cmbBxWtyp});
    enable(kw::Wtxt, {lblCustomWatermark, lnEditCustomWatermark});
    enable(kw::Wflg, {chkBxWFlg});
}

void WatermarkTab::toggleSuperWatermark(bool checked)
{
    if (storeOption(kw::VZSuperWatermark) && !checked)
        cmbBxSuperWatermark->setCurrentIndex(0);
}

void WatermarkTab::loadSuperWatermarkState()
{
    if (!storeOption(kw::VZSuperWatermark)) {
        chkButSuperWatermark->setChecked(false);
        chkButSuperWatermark->setEnabled(false);
        return;
    }
    const QString stored = readSettingValue(kw::VZSuperWatermark);
    chkButSuperWatermark->setEnabled(true);
    chkButSuperWatermark->setChecked(stored.contains(QLatin1String("UF")) || stored.contains(QLatin1String("SF")));
}

void WatermarkTab::removeCustomChoiceItem()
{
    removeComboItem(watermarkList, tr("Custom"));
}

void WatermarkTab::appendBlackColorItem()
{
    if (!storeOption(kw::Wren))
        return;
    vOption *color = storeOption(kw::Wclr);
    if (!color || color->choiceCount() == 1)
        cmbBxClr->addItem(tr("Black"));
}

// ---------------------------------------------------------------------------
// The custom-watermark editor

WatermarkTab::WatermarkRecord WatermarkTab::currentRecord() const
{
    WatermarkRecord record;
    record.insert(QStringLiteral("font"), cmbBxWFnt->currentIndex());
    record.insert(QStringLiteral("size"), cmbBxWsze->currentIndex());
    record.insert(QStringLiteral("color"), cmbBxClr->currentIndex());
    record.insert(QStringLiteral("angle"), cmbBxWang->currentIndex());
    record.insert(QStringLiteral("style"), cmbBxWtrans->currentIndex());
    record.insert(QStringLiteral("fill"), cmbBxWtyp->currentIndex());
    record.insert(QStringLiteral("repeat"), chkBxWFlg->isChecked() ? 1 : 0);
    return record;
}

void WatermarkTab::updateCustomWatermarkButtons()
{
    const QString name = lnEditCustomWatermark->text();
    bool newOn = !name.isEmpty();
    if (newOn) {
        for (int i = 0; i < watermarkList->count(); ++i)
            if (watermarkList->itemText(i) == name)
                newOn = false;
    }
    const bool saveOn = chkButWatermark->isChecked();
    const bool deleteOn = customWatermarks.contains(name);
    butNewCustomWatermark->setEnabled(newOn);
    butSaveCustomWatermark->setEnabled(saveOn);
    butDeleteCustomWatermark->setEnabled(deleteOn);

    QList<QWidget *> order;
    order << lnEditCustomWatermark;
    if (newOn && !saveOn && !deleteOn)
        order << butNewCustomWatermark;
    else if (newOn && saveOn && !deleteOn)
        order << butNewCustomWatermark << butSaveCustomWatermark;
    else if (!newOn && saveOn && deleteOn)
        order << butDeleteCustomWatermark << butSaveCustomWatermark;
    order << chkBxWFlg;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

void WatermarkTab::handleCustomWatermarkTextEdit()
{
    updateCustomWatermarkButtons();
}

void WatermarkTab::createNewCustomWatermark()
{
    const QString name = lnEditCustomWatermark->text();
    // A watermark needs a name: an empty one would be taken for the list's
    // separator.
    if (name.isEmpty())
        return;
    customWatermarks.insert(name, currentRecord());
    fillWatermarkList();
    updateCustomWatermarkButtons();
    watermarkList->setCurrentIndex(comboItemIndex(watermarkList, name));
}

void WatermarkTab::deleteCustomWatermark()
{
    customWatermarks.remove(lnEditCustomWatermark->text());
    fillWatermarkList();
    updateCustomWatermarkButtons();
    watermarkList->setCurrentIndex(0);
}

void WatermarkTab::handleWatermarkSelection(QString selection)
{
    const QString current = watermarkList->currentText();
    if (customWatermarks.contains(current) && !isPredefinedWatermark(current))
        lnEditCustomWatermark->setText(selection);
    else
        lnEditCustomWatermark->clear();

    if (customWatermarks.contains(selection)) {
        const WatermarkRecord record = customWatermarks.value(selection);
        cmbBxWFnt->setCurrentIndex(record.value(QStringLiteral("font")));
        cmbBxWsze->setCurrentIndex(record.value(QStringLiteral("size")));
        if (record.contains(QStringLiteral("color")) && cmbBxClr->count() == 4)
            cmbBxClr->setCurrentIndex(record.value(QStringLiteral("color")));
        else
            cmbBxClr->setCurrentIndex(0);
        cmbBxWang->setCurrentIndex(record.value(QStringLiteral("angle")));
        cmbBxWtrans->setCurrentIndex(record.value(QStringLiteral("style")));
        cmbBxWtyp->setCurrentIndex(record.value(QStringLiteral("fill")));
        chkBxWFlg->setChecked(record.value(QStringLiteral("repeat")) != 0);
    }
    updateCustomWatermarkButtons();
}

void WatermarkTab::editCustomWatermark()
{
    QString name = lnEditCustomWatermark->text();
    if (name.isEmpty())
        name = watermarkList->currentText();
    // Without a name (no item selected) there is nothing to save.
    if (name.isEmpty())
        return;
    customWatermarks.remove(watermarkList->currentText());
    customWatermarks.insert(name, currentRecord());
    fillWatermarkList();
    updateCustomWatermarkButtons();
    watermarkList->setCurrentIndex(comboItemIndex(watermarkList, name));
}

// ---------------------------------------------------------------------------
// Predefined and stored watermarks

bool WatermarkTab::isPredefinedWatermark(const QString &name) const
{
    for (const Predefined &p : kPredefined)
        if (name == QLatin1String(p.text))
            return true;
    // The printer may show a predefined watermark in its own words (another
    // language or letter case).
    vOption *text = storeOption(kw::Wtxt);
    if (!text)
        return false;
    for (const Predefined &p : kPredefined) {
        vChoice *choice = text->findChoice(QLatin1String(p.keyword));
        if (choice && choice->text() == name)
            return true;
    }
    return false;
}

void WatermarkTab::fillWatermarkList()
{
    {
        // Rebuilt quietly; only the final selection below is announced.
        const QSignalBlocker blocker(watermarkList);
        for (int i = watermarkList->count() - 1; i >= 1; --i) {
            if (!watermarkList->itemText(i).isEmpty())
                continue;
            while (watermarkList->count() > i)
                watermarkList->removeItem(watermarkList->count() - 1);
        }
        // The separator only stands above custom items: saved attributes of
        // predefined watermarks list nothing.
        bool separated = false;
        for (auto it = customWatermarks.constBegin(); it != customWatermarks.constEnd(); ++it) {
            if (isPredefinedWatermark(it.key()))
                continue;
            if (!separated)
                watermarkList->insertSeparator(watermarkList->count());
            separated = true;
            watermarkList->addItem(it.key());
        }
    }

    vOption *text = storeOption(kw::Wtxt);
    if (!text)
        return;
    const QString stored = readSettingValue(kSetKey);
    if (!stored.isEmpty()) {
        watermarkList->setCurrentIndex(comboItemIndex(watermarkList, stored));
        return;
    }
    const QString defaultKeyword = text->defaultChoiceKeyword();
    if (!text->defaultChoice() || isPredefinedKeyword(defaultKeyword) || !readSettingValue(kw::Wtxt).isEmpty())
        return;
    const QString name = defaultKeyword.mid(7);
    const int index = name.isEmpty() ? -1 : comboItemIndex(watermarkList, name);
    if (index >= 0)
        watermarkList->setCurrentIndex(index);
}

bool WatermarkTab::parseStoredWatermark(const QString &value, QString *name, WatermarkRecord *record)
{
    const int equals = value.lastIndexOf(QLatin1Char('='));
    *name = equals < 0 ? value : value.left(equals);
    if (name->isEmpty())
        return false;
    const QByteArray numbers = (equals < 0 ? value : value.mid(equals + 1)).toUtf8();
    QList<QByteArray> tokens;
    for (const QByteArray &token : numbers.split(' '))
        if (!token.isEmpty())
            tokens << token;
    record->clear();
    for (int i = 0; i < 7; ++i)
        record->insert(QLatin1String(kAttributes[i]), i < tokens.size() ? readInteger(tokens.at(i)) : 0);
    return true;
}

void WatermarkTab::loadCustomWatermarks()
{
    // A printer without a watermark text keeps no custom watermarks.
    vOption *text = storeOption(kw::Wtxt);
    if (!text)
        return;
    const QStringList stored = readSettingValues(kStoreKey);
    if (stored.isEmpty()) {
        const QString defaultKeyword = text->defaultChoiceKeyword();
        // Only a real default that is none of the predefined watermarks
        // names an entry of its own.
        const QString name = defaultKeyword.mid(7);
        if (text->defaultChoice() && !isPredefinedKeyword(defaultKeyword) && !name.isEmpty()) {
            WatermarkRecord record;
            const struct
            {
                const QString &keyword;
                const char *attribute;
                ComboBoxEx *combo;
            } attributes[] = {{kw::Wfnt, "font", cmbBxWFnt},      {kw::Wsze, "size", cmbBxWsze},
                              {kw::Wclr, "color", cmbBxClr},      {kw::Wang, "angle", cmbBxWang},
                              {kw::Wtrans, "style", cmbBxWtrans}, {kw::Wtyp, "fill", cmbBxWtyp}};
            for (const auto &a : attributes) {
                vOption *option = storeOption(a.keyword);
                if (option)
                    record.insert(QLatin1String(a.attribute), comboItemIndex(a.combo, option->defaultChoiceKeyword()));
            }
            vOption *repeat = storeOption(kw::Wflg);
            record.insert(QStringLiteral("repeat"), repeat && repeat->defaultChoiceKeyword() == kw::False ? 0 : 1);
            customWatermarks.insert(name, record);
        }
    }
    for (const QString &value : stored) {
        QString name;
        WatermarkRecord record;
        if (parseStoredWatermark(unescapeBackslashes(value), &name, &record))
            customWatermarks.insert(name, record);
    }
    fillWatermarkList();
    updateCustomWatermarkButtons();
}

// ---------------------------------------------------------------------------
// Collecting

QString WatermarkTab::quotedWatermarkText(const QString &name)
{
    QString quoted = QStringLiteral("\"");
    bool hashSeen = false;
    for (const QChar c : name) {
        if (c == QLatin1Char('\\')) {
            quoted += QLatin1String("\\\\");
        } else if (c == QLatin1Char('"')) {
            quoted += QLatin1String("\\\"");
        } else if (c == QLatin1Char('#')) {
            // The user's lpoptions file keeps "#" as it is, and CUPS reads
            // such a line only up to its first "#" that has no backslash
            // before it: the first one goes there as "\#".
            quoted += hashSeen ? QLatin1String("\\#") : QLatin1String("\\\\\\#");
            hashSeen = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('!') || c == QLatin1Char('$') || c == QLatin1Char('@')) {
            quoted += QLatin1Char('\\');
            quoted += c;
        } else {
            quoted += c;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

QHash<QString, QString> WatermarkTab::collectOptions()
{
    if (!collectControlValues())
        return optionValues;
    // The super watermark switched off where it could be on goes out as "None".
    const QString super = kw::VZSuperWatermark;
    if (controls.value(super) && storeOption(super) && chkButSuperWatermark->isEnabledTo(this)
        && !chkButSuperWatermark->isChecked())
        optionValues.insert(super, kw::None);
    const QString current = watermarkList->currentText();
    if (customWatermarks.contains(current) && !isPredefinedWatermark(current))
        optionValues.insert(kw::Wtxt, quotedWatermarkText(current));
    return optionValues;
}

QHash<QString, QString> WatermarkTab::extraOptions()
{
    QMultiHash<QString, QString> extra;
    if (!storeOption(kw::Wtxt))
        return extra;
    // The shown attributes are kept under the selected watermark's own
    // name: a name typed in the field is stored only by New or Save, so that
    // Apply renames (and so loses) no watermark.
    const QString selected = watermarkList->currentText();
    if (chkButWatermark->isChecked() && !selected.isEmpty()) {
        customWatermarks.insert(selected, currentRecord());
        updateCustomWatermarkButtons();
    }
    for (auto it = customWatermarks.constBegin(); it != customWatermarks.constEnd(); ++it) {
        QStringList numbers;
        for (const char *attribute : kAttributes)
            numbers << QString::number(it.value().value(QLatin1String(attribute)));
        extra.insert(kStoreKey, it.key() + QLatin1Char('=') + numbers.join(QLatin1Char(' ')));
    }
    const QString current = watermarkList->currentText();
    if (customWatermarks.contains(current))
        extra.insert(kSetKey, current);
    return extra;
}
