// The Imaging tab and its colour and mono adjustment dialogs in the main
// dialog against the private CUPS server: toner saving, the colour mode
// shared with the Basic tab, the dialogs driven as a user would, and what
// Apply writes to the settings file and lpoptions.
#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <functional>

#include "app/resources_init.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "page_tab_test_util.h"
#include "support/cups_test_util.h"
#include "tabs/adjustment_dialog.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "tabs/mono_dialog.h"
#include "tabs/pqx_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;
using namespace pagetabtest;

namespace {

QString sign(QWidget *w)
{
    return w->isEnabled() ? QStringLiteral("+") : QStringLiteral("-");
}

// Runs steps on the modal dialog that the next call opens.
void onModal(const std::function<void()> &steps)
{
    onNextModal(0, [steps](QWidget *modal) {
        QVERIFY(modal);
        steps();
    });
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestImagingTab : public QObject
{
    Q_OBJECT

    ModalWatchdog watchdog; // a box no test expects fails the test at once
    QHash<QString, QString> queues; // test PPD name -> queue
    QTemporaryDir userBase;
    QScopedPointer<VelDialog> d;
    ImagingTab *tab = nullptr;

    void open(const QString &ppd)
    {
        openOnQueue(d, userBase.path(), queues.value(ppd));
        tab = d->imagingTab;
    }
    QStringList settings() { return fileLines(settingsSource); }
    // Replaces lines of the settings file and reloads the tabs from it.
    void storeAndReload(const QStringList &lines)
    {
        QStringList kept = settings();
        for (const QString &line : lines)
            kept = kept.filter(QRegularExpression("^(?!" + line.section('=', 0, 0) + "=)"));
        QFile file(settingsSource);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((kept + lines).join('\n').toUtf8() + '\n');
        file.close();
        d->profileChanged();
        d->setConstraints();
    }
    void apply()
    {
        BoxCloser boxes;
        d->slotButtonApply();
        QCOMPARE(boxes.texts, QStringList{"Settings applied."});
    }
    QString collected(const QString &key) { return tab->collectOptions().value(key); }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        addQueues(queues, QStringLiteral("Imaging"),
                  {"page-full", "page-generic", "imaging-tnsv-onoff", "imaging-tnsv-twolevels"});
    }
    void cleanupTestCase() { removeQueues(queues); }
    void init() { resetProgramState(); }
    void cleanup() { d.reset(); }

    void tonerSaving_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<QStringList>("steps"); // buttons, combo entries, "stored ..." or "policy"
        QTest::addColumn<QString>("shown");     // group and level combo
        QTest::addColumn<QString>("level");     // current choice, collected and sent
        QTest::newRow("off again") << "page-full" << QStringList{"On", "Level 5", "Off"} << "Off+ Level 3-" << "Off";
        QTest::newRow("on") << "page-full" << QStringList{"On"} << "On+ Level 3+" << "Level3";
        QTest::newRow("fifth level") << "page-full" << QStringList{"On", "Level 5"} << "On+ Level 5+" << "Level5";
        QTest::newRow("stored level") << "page-full" << QStringList{"stored Tnsv=Level2;Off"} << "On+ Level 2+"
                                      << "Level2";
        QTest::newRow("two levels") << "imaging-tnsv-twolevels" << QStringList{"On"} << "On+ Level 2+" << "Level2";
        QTest::newRow("off and on") << "imaging-tnsv-onoff" << QStringList{"On"} << "On+ hidden" << "On";
        QTest::newRow("policy") << "page-full" << QStringList{"policy"} << "On- Level 3+" << "Level3";
        QTest::newRow("no level listed: the third") << "page-full" << QStringList{"unlisted", "On"} << "On+ +"
                                                    << "Level3";
    }
    void tonerSaving()
    {
        QFETCH(QString, ppd);
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(QString, level);
        open(ppd);
        QCOMPARE(tab->tonsaveGroup->checkedButtonName(), "Off");
        for (const QString &step : steps) {
            if (step.startsWith("stored ")) {
                storeAndReload({step.mid(7)});
            } else if (step == "unlisted") {
                tab->tonsaveLevelCombo->clear();
            } else if (step == "policy") {
                currentOptionSet->markOptionChoice("PQXToggle", "On");
                currentOptionSet->markOptionChoice("PQXTonsave", "On");
                d->setConstraints();
            } else if (tab->tonsaveGroup->buttonNames().contains(step)) {
                click(tab->tonsaveGroup, step);
            } else {
                tab->tonsaveLevelCombo->setCurrentText(step);
            }
        }
        ComboBoxEx *combo = tab->tonsaveLevelCombo;
        QCOMPARE(tab->tonsaveGroup->checkedButtonName() + sign(tab->tonsaveGroup) + " "
                     + (combo->isHidden() ? "hidden" : combo->currentText() + sign(combo)),
                 shown);
        QCOMPARE(current("Tnsv") + " " + collected("Tnsv"), level + " " + level);
        apply();
        QVERIFY2(settings().contains("Tnsv=" + level + ";Off"), qPrintable(settings().filter("Tnsv").join(' ')));
        QVERIFY(lpoptionsOf(queues.value(ppd)).contains("Tnsv=" + level));
    }

    void colourMode()
    {
        open("page-full");
        VelButtonGroup *basic = d->generalTab->colorModeGroup;
        adjustmentDialog *colour = tab->colorAdjustmentDialog;
        monoDialog *mono = tab->monoAdjustmentDialog;
        auto customise = [] { // as an earlier Ok in each dialog leaves them
            currentOptionSet->markOptionChoice("Cadj", "True");
            currentOptionSet->markOptionChoice("Madj", "True");
        };
        auto customs = [&] {
            return current("Cadj") + current("Madj") + (colour->customCheckBox->isChecked() ? "+" : "-")
                   + (mono->customCheckBox->isChecked() ? "+" : "-");
        };
        customise();
        colour->customCheckBox->setChecked(true);
        click(basic, "Black & white");
        QCOMPARE(tab->colorModeGroup->checkedButtonName() + " " + current("ColorModel"), "Black & white Gray");
        QCOMPARE(customs(), "FalseTrue--");

        customise();
        mono->customCheckBox->setChecked(true);
        colour->customCheckBox->setChecked(true);
        click(tab->colorModeGroup, "Full color");
        QCOMPARE(basic->checkedButtonName() + " " + current("ColorModel"), "Full color CMYK");
        QCOMPARE(customs(), "TrueFalse+-");

        QMetaObject::invokeMethod(d->pqxTab, "colorchanged"); // the print-management colour signal
        QCOMPARE(customs(), "FalseFalse--");

        currentOptionSet->markOptionChoice("PQXToggle", "On");
        currentOptionSet->markOptionChoice("PQXColorMode", "On");
        d->setConstraints();
        QCOMPARE(basic->checkedButtonName() + tab->colorModeGroup->checkedButtonName() + sign(tab->colorModeGroup),
                 "Black & whiteBlack & white-");

        // An RGB colour model is full colour too.
        currentOptionSet->markOptionChoice("PQXColorMode", "Off");
        currentOptionSet->findOption("ColorModel")->addChoice("RGB", "RGB");
        currentOptionSet->markOptionChoice("ColorModel", "RGB");
        d->setConstraints();
        QCOMPARE(tab->colorModeGroup->checkedButtonName(), "Full color");
    }

    void genericQueue()
    {
        open("page-generic");
        QVERIFY(d->tabWidget->isTabEnabled(d->tabs.indexOf(tab)));
        QCOMPARE(tab->resolutionCombo->currentText() + sign(tab->resolutionCombo), "600 dpi-");
        QVERIFY(!tab->adjustmentButton->isEnabled());
        QVERIFY(settings().contains("ColorModel=Gray"));
        QCOMPARE(settings().filter(QRegularExpression("^f?(Ca|HueIndex|Madj|Malt|Mact)")), QStringList());
        QCOMPARE(lpoptionsOf(queues.value("page-generic")).filter("ColorModel"), QStringList());
    }

    void colourDialog()
    {
        open("page-full");
        adjustmentDialog *c = tab->colorAdjustmentDialog;
        QVERIFY(!c->customCheckBox->isChecked() && c->hslRadio->isChecked() && !c->hslRadio->isEnabled());
        QCOMPARE(c->hueCombo->count(), 7);
        onModal([c] {
            c->customCheckBox->setChecked(true);
            typeInto(c->lineEdits.value("CaHueMaster"), "30");
            c->buttonBox->button(QDialogButtonBox::Ok)->click();
        });
        tab->adjustmentButton->click();
        apply();
        for (const char *line : {"Cadj=True;False", "CaColorSpace=0;-1", "HueIndex=0", "CaHueMaster=30;00",
                                 "fCaHueMaster=30"})
            QVERIFY2(settings().contains(line), line);
        QVERIFY(lpoptionsOf(queues.value("page-full")).contains("Cadj=True"));
        d->profileChanged();
        QCOMPARE(c->sliders.value("CaHueMaster")->value(), 30);

        // Master and colour hues exclude each other, also with two colours set.
        c->sliders.value("CaHr")->setValue(100);
        c->sliders.value("CaHy")->setValue(50);
        QCOMPARE(c->sliders.value("CaHueMaster")->value(), 0);
        c->sliders.value("CaHueMaster")->setValue(20);
        QCOMPARE(c->sliders.value("CaHueMaster")->value() + c->sliders.value("CaHr")->value()
                     + c->sliders.value("CaHy")->value(),
                 20);
        c->sliders.value("CaHr")->setValue(100);
        QCOMPARE(c->sliders.value("CaHueMaster")->value(), 0);
        int pos = 0;
        QString text = "181";
        QCOMPARE(c->lineEdits.value("CaHueMaster")->validator()->validate(text, pos), QValidator::Invalid);
        text = "11";
        QCOMPARE(c->lineEdits.value("CaHr")->validator()->validate(text, pos), QValidator::Invalid);
        c->sliders.value("CaCR")->setValue(-250);
        c->sliders.value("Cact")->setValue(40);
        c->balanceRadio->setChecked(true);
        int sum = 0;
        for (QSlider *slider : qAsConst(c->sliders))
            sum += qAbs(slider->value());
        QCOMPARE(sum, 0);

        // Values that are not whole hundredths in binary come back unchanged.
        typeInto(c->lineEdits.value("Cast"), "0.29");
        QCOMPARE(c->sliders.value("Cast")->value(), 29);
        storeAndReload({"CaColorSpace=0;-1", "fCaHr=1e300"});
        QCOMPARE(collected("fCaHr"), "10"); // bounded
        storeAndReload({"CaColorSpace=0;-1", "fCaHr=0.29", "fCaHueMaster=0"});
        QCOMPARE(c->sliders.value("CaHr")->value(), 29);
        apply();
        QVERIFY(settings().contains("fCaHr=0.29"));
    }

    void cancelKeepsSettings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close") << "close";
    }
    void cancelKeepsSettings()
    {
        QFETCH(QString, how);
        open("page-full");
        storeAndReload({"Cadj=True;False", "CaColorSpace=0;-1", "fCaHueMaster=30"});
        adjustmentDialog *c = tab->colorAdjustmentDialog;
        onModal([c, how] {
            c->customCheckBox->setChecked(false);
            if (how == "Cancel")
                c->buttonBox->button(QDialogButtonBox::Cancel)->click();
            else if (how == "Escape")
                QTest::keyClick(c, Qt::Key_Escape);
            else
                c->close();
        });
        tab->adjustmentButton->click();
        QCOMPARE(current("Cadj") + " " + collected("Cadj") + " " + collected("fCaHueMaster"), "True True 30");
    }

    void monoAdjustment()
    {
        open("page-full");
        click(tab->colorModeGroup, "Black & white");
        monoDialog *m = tab->monoAdjustmentDialog;
        onModal([m] {
            m->customCheckBox->setChecked(true);
            typeInto(m->brightnessEdit, "55");
            m->contrastSlider->setValue(-7);
            m->buttonBox->button(QDialogButtonBox::Ok)->click();
        });
        tab->adjustmentButton->click();
        QStringList values;
        for (const char *key : {"Madj", "Malt", "fMalt", "Mact", "fMact"})
            values << collected(key);
        QCOMPARE(values.join(' '), "True 5.0 5.5 0.0 -0.7");
        apply();
        d->profileChanged();
        QCOMPARE(QString("%1 %2 %3").arg(m->customCheckBox->isChecked()).arg(m->brightnessSlider->value())
                     .arg(m->contrastSlider->value()),
                 "1 55 -7");
        m->customCheckBox->setChecked(false); // resets both
        QCOMPARE(QString("%1 %2").arg(m->brightnessSlider->value()).arg(m->contrastSlider->value()), "0 0");
        storeAndReload({"fMalt=nan", "fMact=1e300"});
        QCOMPARE(QString("%1 %2").arg(m->brightnessSlider->value()).arg(m->contrastSlider->value()), "0 100");

        // A late reply of the print-management server finds no queue.
        currentOptionSet = nullptr;
        tab->clearDialogSettings(1);
        tab->clearDialogSettings(0);
        tab->tonsaveButtonToggled();
        QCOMPARE(m->contrastSlider->value(), 100);
    }
};

QTEST_MAIN(TestImagingTab)
#include "test_imaging_tab.moc"
