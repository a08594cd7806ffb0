// What a control shows is what goes out, against the private CUPS server:
// the rules of options without a control after the tabs reload, the Status
// column at a printer change, a custom watermark that Apply keeps, and (in a
// process per language) choices that a printer words otherwise than the
// panel's catalogue.
#include <QtTest>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "page_tab_test_util.h"
#include "tabs/general_tab.h"
#include "tabs/watermark_tab.h"
#include "ui/option_widgets.h"

using namespace dialogtest;
using namespace pagetabtest;

class TestShownIsSent : public QObject
{
    Q_OBJECT

    QHash<QString, QString> queues; // test PPD name -> queue
    QTemporaryDir userBase;
    QScopedPointer<VelDialog> d;
    QTranslator translator;
    ModalWatchdog watchdog;

    bool applied()
    {
        BoxCloser boxes;
        d->slotButtonApply();
        return boxes.texts == QStringList(QCoreApplication::translate("VelDialog", "Settings applied."));
    }
    QString statusOf(const QString &queue)
    {
        return d->printerTab->printerTable->item(rowOf(*d, queue), 2)->text();
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        // The catalogue of the run's language, as the program picks it.
        QVERIFY(translator.load(translationResourceFor(QString::fromLocal8Bit(qgetenv("LANG")))));
        QCoreApplication::installTranslator(&translator);
        addQueues(queues, QStringLiteral("Shown"), {"shown-sent", "watermark-tab"});
    }
    void cleanupTestCase() { removeQueues(queues); }
    void init() { resetProgramState(); }
    void cleanup() { d.reset(); }

    // FldA has no control; its "None" keeps the fold tray and stacker
    // blocked after a printer change and a profile load alike, while a fold
    // shown on the Finishing tab frees them.
    void foldTrayRules_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("profileLoad");
        QTest::addColumn<QString>("outputBin"); // shown and current afterwards
        const QStringList triFold{"FldA=Trifold", "cTriFld=True", "OutputBin=FLDTRAY"};
        QTest::newRow("no fold, printer change") << QStringList() << false << "Standard";
        QTest::newRow("no fold, profile load") << QStringList() << true << "Standard";
        QTest::newRow("fold tray stored without fold") << QStringList{"OutputBin=FLDTRAY"} << false << "Standard";
        QTest::newRow("tri-fold, printer change") << triFold << false << "FLDTRAY";
        QTest::newRow("tri-fold, profile load") << triFold << true << "FLDTRAY";
    }
    void foldTrayRules()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, profileLoad);
        QFETCH(QString, outputBin);
        openOnQueue(d, userBase.path(), queues.value("shown-sent"), stored);
        if (profileLoad) {
            d->profileChanged();
            d->setConstraints();
        }
        vOption *bin = currentOptionSet->findOption("OutputBin");
        const bool folded = outputBin == QLatin1String("FLDTRAY");
        for (const char *tray : {"FLDTRAY", "FDStackerA"})
            QCOMPARE(bin->findChoice(tray)->hasConstraints(), !folded);
        QCOMPARE(current("OutputBin"), outputBin);
        QCOMPARE(d->generalTab->outputBinCombo->currentText(), bin->findChoice(outputBin)->text());
    }

    // A queue paused outside the panel reads so at the next printer change.
    void statusAtPrinterChange()
    {
        const QString paused = queues.value("shown-sent"), other = queues.value("watermark-tab");
        openOnQueue(d, userBase.path(), other);
        QCOMPARE(statusOf(paused), QCoreApplication::translate("QObject", "Idle"));
        QVERIFY(cupstest::disableQueue(paused));
        QVERIFY(selectQueue(*d, paused));
        const QString seen = statusOf(paused);
        QVERIFY(cupstest::enableQueue(paused));
        QCOMPARE(seen, QCoreApplication::translate("QObject", "Paused"));
        QVERIFY(selectQueue(*d, other));
        QCOMPARE(statusOf(paused), QCoreApplication::translate("QObject", "Idle"));
    }

    // A name typed over the selected custom watermark is no rename: Apply
    // keeps "Alpha" (and stores no "Beta").
    void applyKeepsSelectedWatermark()
    {
        openOnQueue(d, userBase.path(), queues.value("watermark-tab"));
        WatermarkTab *tab = d->watermarkTab;
        tab->chkButWatermark->setChecked(true);
        tab->lnEditCustomWatermark->setText(QStringLiteral("Alpha"));
        tab->butNewCustomWatermark->click();
        tab->lnEditCustomWatermark->setText(QStringLiteral("Beta"));
        QVERIFY(applied());
        QCOMPARE(tab->customWatermarks.keys(), QStringList("Alpha"));
        const QStringList lines = fileLines(settingsSource);
        QVERIFY(lines.contains("CustomWatermarkSet=Alpha"));
        QCOMPARE(lines.filter(QRegularExpression("^CustomWatermarkStore=")).join('|').count("Alpha="), 1);
        QVERIFY(lines.filter("Beta").isEmpty());
    }

    // Run once per language: the PPD words these choices otherwise than the
    // catalogue; each control sends the choice it shows, and shows it again
    // from what was stored.
    void shownIsSent_data()
    {
        QTest::addColumn<QString>("control"); // accessible name
        QTest::addColumn<int>("from");         // button or item index chosen first
        QTest::addColumn<int>("to");           // then this one
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("sent");
        const QByteArray language = qgetenv("LANG").left(2);
        if (language == "de") {
            QTest::newRow("full colour (Farbe)") << "butGroupColorModelGeneral" << 1 << 0 << "ColorModel" << "CMYK";
            QTest::newRow("black and white") << "butGroupColorModelGeneral" << 0 << 1 << "ColorModel" << "Gray";
        } else if (language == "fr") {
            QTest::newRow("rotate copies (Rotation des copies)") << "butGroupSep" << 1 << 2 << "Sep" << "Rot";
        } else if (language == "it" || language == "pt" || language == "es") {
            // The "None" item goes, so the strong pattern is the second item.
            QTest::newRow("super watermark") << "cmbBxSuperWatermark" << 0 << 1 << "VZSuperWatermark" << "SFPattern";
        } else {
            QSKIP("run by the entries of the other languages");
        }
    }
    void shownIsSent()
    {
        QFETCH(QString, control);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, option);
        QFETCH(QString, sent);
        const QString queue = queues.value("shown-sent");
        openOnQueue(d, userBase.path(), queue);
        for (int index : {from, to}) {
            if (auto *group = findByAccessibleName<VelButtonGroup>(d.data(), control)) {
                group->buttonList().at(index)->click();
            } else {
                d->watermarkTab->chkButSuperWatermark->setChecked(true);
                findByAccessibleName<ComboBoxEx>(d.data(), control)->setCurrentIndex(index);
            }
            QVERIFY(applied());
        }
        QVERIFY2(lpoptionsOf(queue).contains(option + "=" + sent), qPrintable(lpoptionsOf(queue).join(' ')));
        openOnQueue(d, userBase.path(), queue, fileLines(settingsSource)); // what was stored, anew
        QCOMPARE(current(option), sent);
        auto *group = findByAccessibleName<VelButtonGroup>(d.data(), control);
        auto *combo = findByAccessibleName<ComboBoxEx>(d.data(), control);
        QCOMPARE(group ? group->checkedIndex() : combo->currentIndex(), to);
    }
};

QTEST_MAIN(TestShownIsSent)
#include "test_shown_is_sent.moc"
