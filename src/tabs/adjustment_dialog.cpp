#include "tabs/adjustment_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSlider>
#include <QtMath>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

const int kMasterRange = 180;
const int kValueRange = 10;
const int kHueCount = 7;    // keys 1 to 7: master and six colours
const int kHslCount = 10;   // keys 1 to 10: the hue box

// Row texts of keys 1 to 10, and the two ends of each balance axis.
const char *const kRowTexts[] = {QT_TRANSLATE_NOOP("adjustmentDialog", "Master"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Red"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Yellow"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Green"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Cyan"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Blue"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Magenta"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Saturation"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Lightness"),
                                 QT_TRANSLATE_NOOP("adjustmentDialog", "Contrast")};
const char *const kBalanceTexts[][2] = {
    {QT_TRANSLATE_NOOP("adjustmentDialog", "Cyan"), QT_TRANSLATE_NOOP("adjustmentDialog", "Red")},
    {QT_TRANSLATE_NOOP("adjustmentDialog", "Magenta"), QT_TRANSLATE_NOOP("adjustmentDialog", "Green")},
    {QT_TRANSLATE_NOOP("adjustmentDialog", "Yellow"), QT_TRANSLATE_NOOP("adjustmentDialog", "Blue")}};

QString onOff(bool on)
{
    return on ? kw::True : kw::False;
}

QString currentKeyword(const QString &option)
{
    vOption *o = currentOptionSet ? currentOptionSet->findOption(option) : nullptr;
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QString();
}

} // namespace

const QStringList &adjustmentDialog::valueKeys()
{
    static const QStringList keys{kw::CaHueMaster, kw::CaHr, kw::CaHy, kw::CaHg, kw::CaHc, kw::CaHb, kw::CaHm,
                                  kw::Cast,        kw::Cabt, kw::Cact, kw::CaCR, kw::CaMG, kw::CaYB};
    return keys;
}

adjustmentDialog::adjustmentDialog(QWidget *parent)
    : QDialog(parent)
{
    createWidgets();
    connectSignals();
    buildControlMaps();
    layOut();
    // Until the first load only the master row and the HSL box show.
    hideHueControls();
    orderedRowLabels.first()->show();
    orderedEdits.first()->show();
    orderedSliders.first()->show();
    levelsBox->hide();
}

void adjustmentDialog::createWidgets()
{
    scale = 100;
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                     | Qt::WindowContextHelpButtonHint));
    setWindowTitle(tr("Adjustment Settings"));
    setObjectName(QStringLiteral("adjustmentDialog"));

    iconLabel = new QLabel(this);
    iconLabel->setPixmap(QPixmap(QStringLiteral(":/icons/adjustment")));
    iconLabel->setObjectName(QStringLiteral("iconAdjustment"));
    customCheckBox = new QCheckBox(tr("Custom"), this);
    customCheckBox->setObjectName(QStringLiteral("chkBxCadj"));
    hslRadio = new QRadioButton(tr("HSL(hue, saturation and lightness)"), this);
    hslRadio->setObjectName(QStringLiteral("rdButHSL"));
    balanceRadio = new QRadioButton(tr("Color balance"), this);
    balanceRadio->setObjectName(QStringLiteral("rdButColorBalance"));
    hueBox = new QGroupBox(tr("Hue Adjustment"), this);
    hueBox->setObjectName(QStringLiteral("grpBxHue"));
    modifyLabel = new QLabel(tr("Modify") + QStringLiteral(":"), hueBox);
    modifyLabel->setObjectName(QStringLiteral("lblModify"));
    hueCombo = new ComboBoxEx();
    hueCombo->setParent(hueBox);
    hueCombo->setObjectName(QStringLiteral("cmbBxHue"));

    const QRegExp master(QStringLiteral("-?(([0-9]|[0-9][0-9]|1[0-7][0-9])?)|180|-180"), Qt::CaseSensitive,
                         QRegExp::RegExp);
    const QRegExp value(QStringLiteral("-?([0-9])?(\\.([0-9]|[0-9][0-9]))?|10|-10"), Qt::CaseSensitive,
                        QRegExp::RegExp);
    const QStringList &keys = valueKeys();
    auto makeEdit = [&](const QString &key, QWidget *parent) {
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("lnEdit") + key);
        edit->setMaximumWidth(45);
        const bool isMaster = key == kw::CaHueMaster;
        edit->setValidator(new QRegExpValidator(isMaster ? master : value, this));
        edit->setMaxLength(isMaster ? 7 : 6);
        return edit;
    };
    auto makeSlider = [&](const QString &key, QWidget *parent) {
        auto *slider = new QSlider(Qt::Horizontal, parent);
        slider->setObjectName(QStringLiteral("sld") + key);
        if (key == kw::CaHueMaster)
            slider->setRange(-kMasterRange, kMasterRange);
        else
            slider->setRange(-kValueRange * scale, kValueRange * scale);
        return slider;
    };
    for (int i = 0; i < kHslCount; ++i) {
        auto *label = new QLabel(tr(kRowTexts[i]) + QStringLiteral(":"), hueBox);
        label->setObjectName(QStringLiteral("lbl") + keys.at(i));
        orderedRowLabels << label;
        orderedEdits << makeEdit(keys.at(i), hueBox);
        orderedSliders << makeSlider(keys.at(i), hueBox);
    }
    levelsBox = new QGroupBox(tr("Color levels"), this);
    levelsBox->setObjectName(QStringLiteral("grpBxColorLevels"));
    for (int i = 0; i < 3; ++i) {
        const QString &key = keys.at(kHslCount + i);
        auto *left = new QLabel(tr(kBalanceTexts[i][0]), levelsBox);
        left->setObjectName(QStringLiteral("lbl") + key + QStringLiteral("Left"));
        orderedEdits << makeEdit(key, levelsBox);
        auto *right = new QLabel(tr(kBalanceTexts[i][1]), levelsBox);
        right->setObjectName(QStringLiteral("lbl") + key + QStringLiteral("Right"));
        balanceLabels << left << right;
        orderedSliders << makeSlider(key, levelsBox);
    }
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("butBoxCadj"));
}

void adjustmentDialog::connectSignals()
{
    connect(hslRadio, SIGNAL(toggled(bool)), hueBox, SLOT(show()));
    connect(hslRadio, SIGNAL(toggled(bool)), levelsBox, SLOT(hide()));
    connect(hslRadio, SIGNAL(toggled(bool)), this, SLOT(markCaColorSpace()));
    connect(hslRadio, SIGNAL(toggled(bool)), this, SLOT(clearColorBalanceSettings()));
    connect(balanceRadio, SIGNAL(toggled(bool)), hueBox, SLOT(hide()));
    connect(balanceRadio, SIGNAL(toggled(bool)), levelsBox, SLOT(show()));
    connect(balanceRadio, SIGNAL(toggled(bool)), this, SLOT(markCaColorSpace()));
    connect(balanceRadio, SIGNAL(toggled(bool)), this, SLOT(clearHSLSettings()));
    for (QWidget *w : {static_cast<QWidget *>(hslRadio), static_cast<QWidget *>(hueBox),
                       static_cast<QWidget *>(balanceRadio), static_cast<QWidget *>(levelsBox)})
        connect(customCheckBox, SIGNAL(toggled(bool)), w, SLOT(setEnabled(bool)));
    connect(customCheckBox, SIGNAL(toggled(bool)), this, SLOT(markCaColorSpace()));
    connect(hueCombo, SIGNAL(currentIndexChanged(QString)), this, SLOT(hueSelectedChanged(QString)));

    for (int i = 0; i < orderedSliders.size(); ++i) {
        connect(orderedSliders.at(i), SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
        if (i == 0)
            connect(orderedSliders.at(i), SIGNAL(valueChanged(int)), this, SLOT(clearOtherSliderValues()));
        else if (i < kHueCount)
            connect(orderedSliders.at(i), SIGNAL(valueChanged(int)), this, SLOT(clearMasterSliderValue()));
    }
    for (int i = 0; i < orderedEdits.size(); ++i) {
        connect(orderedEdits.at(i), SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
        if (i == 0)
            connect(orderedEdits.at(i), SIGNAL(textChanged(QString)), this, SLOT(clearOtherSliderValues()));
        else if (i < kHueCount)
            connect(orderedEdits.at(i), SIGNAL(textChanged(QString)), this, SLOT(clearMasterSliderValue()));
    }
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    connect(ok, SIGNAL(clicked()), this, SLOT(saveSettings()));
    connect(ok, SIGNAL(clicked()), this, SLOT(close()));
    connect(buttonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), this, SLOT(close()));
}

void adjustmentDialog::buildControlMaps()
{
    const QStringList &keys = valueKeys();
    for (int i = 0; i < keys.size(); ++i) {
        sliders.insert(keys.at(i), orderedSliders.at(i));
        lineEdits.insert(keys.at(i), orderedEdits.at(i));
        if (i < kHslCount)
            rowLabels.insert(keys.at(i), orderedRowLabels.at(i));
    }
}

void adjustmentDialog::layOut()
{
    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(customCheckBox, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(iconLabel, 1, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(hslRadio, 1, 1, 1, 1, Qt::AlignLeft);
    grid->addWidget(balanceRadio, 2, 1, 1, 1);
    grid->addWidget(hueBox, 3, 1, 1, 1);
    grid->addWidget(levelsBox, 3, 1, 1, 1);
    grid->addWidget(buttonBox, 4, 1, 1, 1);

    auto *hueGrid = new QGridLayout(hueBox);
    hueGrid->addWidget(modifyLabel, 0, 0, 1, 1, Qt::AlignLeft);
    hueGrid->addWidget(hueCombo, 1, 0, 1, 1, Qt::AlignLeft);
    for (int i = 0; i < kHslCount; ++i) {
        // The hue rows share rows 2 and 3; only the selected hue shows.
        const int row = i < kHueCount ? 2 : 4 + 2 * (i - kHueCount);
        hueGrid->addWidget(orderedRowLabels.at(i), row, 0, 1, 1, Qt::AlignLeft);
        hueGrid->addWidget(orderedEdits.at(i), row, 0, 1, 3, Qt::AlignHCenter);
        hueGrid->addWidget(orderedSliders.at(i), row + 1, 0, 1, 2);
    }
    hueGrid->setRowStretch(9, 1);

    auto *levelsGrid = new QGridLayout(levelsBox);
    for (int i = 0; i < 3; ++i) {
        const int row = 2 * i;
        levelsGrid->addWidget(balanceLabels.at(2 * i), row, 0, 1, 1, Qt::AlignLeft);
        levelsGrid->addWidget(orderedEdits.at(kHslCount + i), row, 1, 1, 1, Qt::AlignHCenter);
        levelsGrid->addWidget(balanceLabels.at(2 * i + 1), row, 2, 1, 1, Qt::AlignRight);
        levelsGrid->addWidget(orderedSliders.at(kHslCount + i), row + 1, 0, 1, 3);
    }
    for (QSlider *slider : qAsConst(orderedSliders))
        slider->setFixedWidth(250);
}

void adjustmentDialog::blockEditing(bool block)
{
    for (int i = 0; i < kHslCount; ++i) {
        orderedSliders.at(i)->blockSignals(block);
        orderedEdits.at(i)->blockSignals(block);
    }
    for (int i = kHslCount; i < orderedSliders.size(); ++i)
        orderedSliders.at(i)->blockSignals(block);
    hslRadio->blockSignals(block);
    balanceRadio->blockSignals(block);
}

double adjustmentDialog::boundedValue(const QString &key, double value)
{
    if (!qIsFinite(value))
        return 0.0;
    const double range = key == kw::CaHueMaster ? kMasterRange : kValueRange;
    return qBound(-range, value, range);
}

int adjustmentDialog::sliderUnits(const QString &key, double value) const
{
    value = boundedValue(key, value);
    return qRound(key == kw::CaHueMaster ? value : value * scale);
}

void adjustmentDialog::setLineEditText(int value)
{
    blockEditing(true);
    const QString key = sliders.key(qobject_cast<QSlider *>(sender()));
    if (QLineEdit *edit = lineEdits.value(key)) {
        if (key == kw::CaHueMaster)
            edit->setText(QString::number(value));
        else
            edit->setText(QString::number(value / double(scale), 'g', 6));
    }
    blockEditing(false);
}

void adjustmentDialog::setSliderValue()
{
    blockEditing(true);
    auto *edit = qobject_cast<QLineEdit *>(sender());
    const QString key = lineEdits.key(edit);
    if (QSlider *slider = sliders.value(key)) {
        const double d = edit->text().toDouble();
        if (d == 999) {
            slider->setValue(0);
            edit->setText(QStringLiteral("0"));
        } else {
            slider->setValue(sliderUnits(key, d));
        }
    }
    blockEditing(false);
}

void adjustmentDialog::clearMasterSliderValue()
{
    if (clearingColourHues)
        return;
    for (int i = 1; i < kHueCount; ++i) {
        if (orderedSliders.at(i)->value() != 0) {
            orderedSliders.first()->setValue(0);
            return;
        }
    }
}

void adjustmentDialog::clearOtherSliderValues()
{
    if (orderedSliders.first()->value() == 0)
        return;
    clearingColourHues = true;
    for (int i = 1; i < kHueCount; ++i)
        orderedSliders.at(i)->setValue(0);
    clearingColourHues = false;
}

void adjustmentDialog::clearHSLSettings()
{
    // Keys 1, 2, 3, 4, 6, 5, 7, 8, 9, 10.
    for (int i : {0, 1, 2, 3, 5, 4, 6, 7, 8, 9})
        orderedSliders.at(i)->setValue(0);
    hueIndex = 0;
    hueCombo->setCurrentIndex(0);
}

void adjustmentDialog::clearColorBalanceSettings()
{
    for (int i = kHslCount; i < orderedSliders.size(); ++i)
        orderedSliders.at(i)->setValue(0);
}

void adjustmentDialog::markCaColorSpace()
{
    if (customCheckBox->isChecked())
        return;
    clearHSLSettings();
    clearColorBalanceSettings();
    hslRadio->setChecked(true);
}

void adjustmentDialog::hideHueControls()
{
    for (int i = 0; i < kHueCount; ++i) {
        orderedRowLabels.at(i)->hide();
        orderedEdits.at(i)->hide();
        orderedSliders.at(i)->hide();
    }
}

void adjustmentDialog::showHueControls(const QString &hue)
{
    const QString key = hueKeys.value(hue);
    if (QSlider *slider = sliders.value(key))
        slider->show();
    if (QLineEdit *edit = lineEdits.value(key))
        edit->show();
    if (QLabel *label = rowLabels.value(key))
        label->show();
}

void adjustmentDialog::hueSelectedChanged(QString hue)
{
    if (hue.isEmpty())
        return;
    hideHueControls();
    showHueControls(hue);
}

void adjustmentDialog::saveSettings()
{
    if (!currentOptionSet)
        return;
    const bool custom = customCheckBox->isChecked();
    currentOptionSet->markOptionChoice(kw::Cadj, onOff(custom));
    currentOptionSet->markOptionChoice(kw::CaColorSpace,
                                       !custom ? QStringLiteral("-1")
                                       : hslRadio->isChecked() ? QStringLiteral("0")
                                                               : QStringLiteral("1"));
    savedValues.clear();
    for (const QString &key : valueKeys())
        savedValues << qMakePair(key, boundedValue(key, lineEdits.value(key)->text().toDouble()));
    hueIndex = hueCombo->currentIndex();
}

void adjustmentDialog::showSettings()
{
    if (!currentOptionSet)
        return;
    // Switching the colour space below clears the hue entry; the saved one
    // is shown again at the end.
    const int savedHueIndex = hueIndex;
    hueKeys.clear();
    hueCombo->clear();

    if (currentOptionSet->findOption(kw::Cadj)) {
        // An option without a current choice counts as switched off.
        customCheckBox->setChecked(currentKeyword(kw::Cadj) == kw::True);
        const bool on = customCheckBox->isChecked();
        for (QWidget *w : {static_cast<QWidget *>(hslRadio), static_cast<QWidget *>(hueBox),
                           static_cast<QWidget *>(balanceRadio), static_cast<QWidget *>(levelsBox)})
            w->setEnabled(on);
    }

    if (vOption *space = currentOptionSet->findOption(kw::CaColorSpace)) {
        const QList<vChoice *> choices = space->choices();
        // With fewer than three choices the radios keep their own texts.
        if (choices.size() >= 3) {
            hslRadio->setText(choices.at(1)->text());
            balanceRadio->setText(choices.at(2)->text());
        }
        QString cs = currentKeyword(kw::CaColorSpace);
        if (cs.isEmpty() && space->defaultChoice())
            cs = space->defaultChoice()->keyword();
        if (cs == QLatin1String("1")) {
            balanceRadio->setChecked(true);
            hslRadio->setChecked(false);
            hueBox->hide();
            levelsBox->show();
        } else {
            hslRadio->setChecked(true);
            balanceRadio->setChecked(false);
            hueBox->show();
            levelsBox->hide();
        }
    }

    for (const auto &saved : qAsConst(savedValues)) {
        vOption *option = currentOptionSet->findOption(saved.first);
        if (!option)
            continue;
        if (option->keyword().contains(QLatin1String("CaH"))) {
            hueCombo->addItem(option->text());
            hueKeys.insert(option->text(), option->keyword());
        }
        sliders.value(saved.first)->setValue(sliderUnits(saved.first, saved.second));
        lineEdits.value(saved.first)->setText(QString::number(saved.second, 'g', 6));
    }

    hueIndex = savedHueIndex;
    hueCombo->setCurrentIndex(hueIndex >= 0 && hueIndex < hueCombo->count() ? hueIndex : 0);
    hueSelectedChanged(hueCombo->currentText());
}

void adjustmentDialog::loadSettings()
{
    if (!currentOptionSet)
        return;
    savedValues.clear();
    for (const QString &key : valueKeys()) {
        const QString text = readSettingValue(QStringLiteral("f") + key);
        savedValues << qMakePair(key, boundedValue(key, text.isEmpty() ? 0.0 : text.toDouble()));
    }
    const QString custom = readSettingValue(kw::Cadj);
    currentOptionSet->markOptionChoice(kw::Cadj, custom.isEmpty() ? kw::False : custom);
    const QString space = readSettingValue(kw::CaColorSpace);
    currentOptionSet->markOptionChoice(kw::CaColorSpace,
                                       space.isEmpty() ? QStringLiteral("-1") : space);
    const QString hue = readSettingValue(QStringLiteral("HueIndex"));
    hueIndex = hue.isEmpty() ? 0 : hue.toInt();
    showSettings();
}

void adjustmentDialog::resetStates()
{
    if (!currentOptionSet)
        return;
    currentOptionSet->markOptionChoice(kw::Cadj, kw::False);
    currentOptionSet->markOptionChoice(kw::CaColorSpace, QStringLiteral("-1"));
    savedValues.clear();
    for (const QString &key : valueKeys())
        savedValues << qMakePair(key, 0.0);
    showSettings();
}

int adjustmentDialog::exec()
{
    if (!currentOptionSet)
        return QDialog::Rejected;
    showSettings();
    return QDialog::exec();
}

void adjustmentDialog::reject()
{
    showSettings();
    QDialog::reject();
}

QList<QPair<QString, QString>> adjustmentDialog::adjustmentSettings() const
{
    const bool custom = customCheckBox->isChecked();
    const QString space = !custom ? QStringLiteral("-1") : hslRadio->isChecked() ? QStringLiteral("0")
                                                                                 : QStringLiteral("1");
    QList<QPair<QString, QString>> pairs;
    pairs << qMakePair(kw::Cadj, onOff(custom)) << qMakePair(kw::CaColorSpace, space)
          << qMakePair(QStringLiteral("HueIndex"),
                       space == QLatin1String("0") ? QString::number(hueCombo->currentIndex()) : QStringLiteral("0"));
    const QStringList &keys = valueKeys();
    // The printer's choices: the master hue in whole tens of degrees ("00"
    // within nine degrees of zero), the others in whole units with ".0".
    const int master = orderedSliders.first()->value();
    pairs << qMakePair(keys.first(), QString::number(master / 10) + QStringLiteral("0"));
    for (int i = 1; i < keys.size(); ++i)
        pairs << qMakePair(keys.at(i), QString::number(orderedSliders.at(i)->value() / 100) + QStringLiteral(".0"));
    // What is read back: exact values.
    pairs << qMakePair(QStringLiteral("f") + keys.first(), QString::number(double(master), 'g', 6));
    for (int i = 1; i < keys.size(); ++i)
        pairs << qMakePair(QStringLiteral("f") + keys.at(i),
                           QString::number(orderedSliders.at(i)->value() / 100.0, 'g', 6));
    return pairs;
}
