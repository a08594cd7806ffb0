#include "tabs/mono_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSlider>
#include <QSpacerItem>
#include <QtMath>

#include "app/program_state.h"
#include "app/settings_files.h"
#include "model/option_keywords.h"
#include "model/option_model.h"

namespace {

const int kRange = 100;

QString textOf(bool checked)
{
    return checked ? kw::True : kw::False;
}

// Tenths as the filter reads them: whole units with ".0".
QString wholeUnits(int value)
{
    return QString::number(value / 10) + QStringLiteral(".0");
}

} // namespace

monoDialog::monoDialog(QWidget *parent)
    : QDialog(parent)
{
    createWidgets();
    connectSignals();

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(customCheckBox, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(brightnessLabel, 1, 0, 1, 1, Qt::AlignLeft);
    grid->addWidget(brightnessEdit, 1, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(brightnessSlider, 2, 0, 1, 2);
    grid->addWidget(contrastLabel, 3, 0, 1, 1, Qt::AlignLeft);
    grid->addWidget(contrastEdit, 3, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(contrastSlider, 4, 0, 1, 2);
    grid->addItem(new QSpacerItem(25, 25, QSizePolicy::Expanding, QSizePolicy::Fixed), 5, 1, 1, 1);
    grid->addWidget(buttonBox, 6, 1, 2, 1, Qt::AlignBottom);
}

void monoDialog::createWidgets()
{
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                     | Qt::WindowContextHelpButtonHint));
    setWindowTitle(tr("Adjustment Settings"));
    setObjectName(QStringLiteral("monoDialog"));

    customCheckBox = new QCheckBox(tr("Custom"), this);
    customCheckBox->setObjectName(QStringLiteral("chkBxMadj"));

    auto makeRow = [this](const QString &text, const QString &name, QLabel **label, QLineEdit **edit,
                          QSlider **slider) {
        *label = new QLabel(text + QStringLiteral(":"), this);
        (*label)->setObjectName(QStringLiteral("lbl") + name);
        *edit = new QLineEdit(this);
        (*edit)->setObjectName(QStringLiteral("lnEdit") + name);
        (*edit)->setValidator(new QRegExpValidator(
            QRegExp(QStringLiteral("-?([0-9]|[1-9][0-9]|100)?"), Qt::CaseSensitive, QRegExp::RegExp), this));
        (*edit)->setMaxLength(6);
        (*edit)->setMaximumWidth(45);
        *slider = new QSlider(Qt::Horizontal, this);
        (*slider)->setObjectName(QStringLiteral("sld") + name);
        (*slider)->setRange(-kRange, kRange);
        (*slider)->setFixedWidth(250);
    };
    makeRow(tr("Brightness"), QStringLiteral("Malt"), &brightnessLabel, &brightnessEdit, &brightnessSlider);
    makeRow(tr("Contrast"), QStringLiteral("Mact"), &contrastLabel, &contrastEdit, &contrastSlider);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttonBox->setObjectName(QStringLiteral("butBoxMadj"));
}

void monoDialog::connectSignals()
{
    connect(customCheckBox, SIGNAL(toggled(bool)), this, SLOT(toggleAdjustment(bool)));
    connect(brightnessSlider, SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
    connect(contrastSlider, SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
    connect(brightnessEdit, SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
    connect(contrastEdit, SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    connect(ok, SIGNAL(clicked()), this, SLOT(saveSettings()));
    connect(ok, SIGNAL(clicked()), this, SLOT(close()));
    connect(buttonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), this, SLOT(close()));
}

void monoDialog::blockSliderSignals(bool block)
{
    contrastSlider->blockSignals(block);
    brightnessSlider->blockSignals(block);
}

void monoDialog::setLineEditText(int value)
{
    blockSliderSignals(true);
    QLineEdit *edit = sender() == contrastSlider ? contrastEdit : brightnessEdit;
    edit->setText(QString::number(value));
    blockSliderSignals(false);
}

void monoDialog::setSliderValue()
{
    blockSliderSignals(true);
    const bool contrast = sender() == contrastEdit;
    QSlider *slider = contrast ? contrastSlider : brightnessSlider;
    slider->setValue((contrast ? contrastEdit : brightnessEdit)->text().toInt());
    blockSliderSignals(false);
}

void monoDialog::toggleAdjustment(bool enabled)
{
    for (QWidget *w : {static_cast<QWidget *>(brightnessLabel), static_cast<QWidget *>(brightnessEdit),
                       static_cast<QWidget *>(brightnessSlider), static_cast<QWidget *>(contrastLabel),
                       static_cast<QWidget *>(contrastEdit), static_cast<QWidget *>(contrastSlider)})
        w->setEnabled(enabled);
    if (enabled)
        return;
    brightnessEdit->setText(QStringLiteral("0"));
    brightnessSlider->setValue(0);
    contrastEdit->setText(QStringLiteral("0"));
    contrastSlider->setValue(0);
}

void monoDialog::saveSettings()
{
    if (!currentOptionSet)
        return;
    savedValues.clear();
    currentOptionSet->markOptionChoice(kw::Madj, textOf(customCheckBox->isChecked()));
    savedValues << qMakePair(QStringLiteral("Malt"), brightnessEdit->text().toInt())
                << qMakePair(QStringLiteral("Mact"), contrastEdit->text().toInt());
}

void monoDialog::showSettings()
{
    if (!currentOptionSet)
        return;
    vOption *custom = currentOptionSet->findOption(kw::Madj);
    if (custom && custom->currentChoice())
        customCheckBox->setChecked(custom->currentChoice()->keyword() == kw::True);

    if (savedValues.isEmpty()) {
        contrastEdit->setText(QStringLiteral("0"));
        contrastSlider->setValue(0);
        brightnessEdit->setText(QStringLiteral("0"));
        brightnessSlider->setValue(0);
    }
    for (const auto &saved : qAsConst(savedValues)) {
        const bool contrast = saved.first == QLatin1String("Mact");
        (contrast ? contrastEdit : brightnessEdit)->setText(QString::number(saved.second));
        (contrast ? contrastSlider : brightnessSlider)->setValue(saved.second);
    }
    toggleAdjustment(customCheckBox->isChecked());
}

int monoDialog::storedSliderValue(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const double value = text.toDouble() * 10.0;
    if (!qIsFinite(value))
        return 0;
    return qRound(qBound(double(-kRange), value, double(kRange)));
}

void monoDialog::loadSettings()
{
    if (!currentOptionSet)
        return;
    const QString custom = readSettingValue(kw::Madj);
    currentOptionSet->markOptionChoice(kw::Madj, custom.isEmpty() ? kw::False : custom);
    const int brightness = storedSliderValue(readSettingValue(QStringLiteral("fMalt")));
    const int contrast = storedSliderValue(readSettingValue(QStringLiteral("fMact")));
    savedValues.clear();
    savedValues << qMakePair(QStringLiteral("Malt"), brightness) << qMakePair(QStringLiteral("Mact"), contrast);
    showSettings();
}

void monoDialog::resetStates()
{
    if (!currentOptionSet)
        return;
    currentOptionSet->markOptionChoice(kw::Madj, kw::False);
    savedValues.clear();
    showSettings();
}

int monoDialog::exec()
{
    if (!currentOptionSet)
        return QDialog::Rejected;
    showSettings();
    return QDialog::exec();
}

void monoDialog::reject()
{
    showSettings();
    QDialog::reject();
}

QList<QPair<QString, QString>> monoDialog::currentSettings() const
{
    const int b = brightnessSlider->value();
    const int c = contrastSlider->value();
    return {
        qMakePair(kw::Madj, textOf(customCheckBox->isChecked())),
        qMakePair(QStringLiteral("Malt"), wholeUnits(b)),
        qMakePair(QStringLiteral("Mact"), wholeUnits(c)),
        qMakePair(QStringLiteral("fMalt"), QString::number(b / 10.0, 'g', 6)),
        qMakePair(QStringLiteral("fMact"), QString::number(c / 10.0, 'g', 6)),
    };
}
