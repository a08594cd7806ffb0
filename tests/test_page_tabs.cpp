// The Basic and Layout tabs in the main dialog against the private CUPS
// server: what each kind of queue shows, choices moved by the option rules
// and policies, and what Apply writes to the settings file and lpoptions.
#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "page_tab_test_util.h"
#include "support/cups_test_util.h"
#include "tabs/booklet_tab.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;
using namespace pagetabtest;

namespace {

// How a group shows: checked name, "+" enabled or "-" disabled, and "!" when
// its title is greyed.
QString look(VelButtonGroup *g)
{
    const bool grey = g->titleLabel()->palette().color(g->titleLabel()->foregroundRole()) == QColor("#9f9e9e");
    return g->checkedButtonName() + (g->isEnabled() ? "+" : "-") + (grey ? "!" : "");
}

// The colour a label's text is painted in.
QColor painted(QLabel *label)
{
    return label->palette().color(label->isEnabled() ? QPalette::Active : QPalette::Disabled, label->foregroundRole());
}

} // namespace

class TestPageTabs : public QObject
{
    Q_OBJECT

    QHash<QString, QString> queues; // test PPD name -> queue
    QTemporaryDir userBase;
    QScopedPointer<VelDialog> d;

    // No settings file: the first selection writes the settings at once.
    void open(const QString &ppd) { openOnQueue(d, userBase.path(), queues.value(ppd)); }
    QStringList settings() { return fileLines(settingsSource); }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        addQueues(queues, QStringLiteral("Page"), {"page-full", "page-generic", "page-foldonly", "page-nolayout", "sample"});
    }
    void cleanupTestCase() { removeQueues(queues); }
    void init() { resetProgramState(); }
    void cleanup() { d.reset(); }

    void queueKinds_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<QStringList>("groups"); // colour, duplex, booklet
        QTest::addColumn<QString>("fold");       // text, "+" enabled
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("full") << "page-full" << QStringList{"Full color+", "Off+", "Off+"} << "Booklet Folding-"
                              << QStringList{"ColorModel=CMYK", "Duplex=None", "Fold=False", "VZBooklet=None"};
        QTest::newRow("generic") << "page-generic" << QStringList{"Black & white-", "Off-", "-"} << "Booklet fold-"
                                 << QStringList();
        // The one colour mode ("Grayscale") goes out as the "Black & white" shown.
        QTest::newRow("one colour, fold only") << "page-foldonly" << QStringList{"Black & white-", "Off-", "-!"}
                                               << "Booklet Folding+" << QStringList{"ColorModel=Gray", "Fold=True"};
        QTest::newRow("no layout") << "page-nolayout" << QStringList{"Full color+", "Off+", "-"} << "Booklet fold-"
                                   << QStringList{"ColorModel=CMYK", "Duplex=None"};
        QTest::newRow("shipped sample") << "sample" << QStringList{"Full color+", "Off+", "Off+"} << "Booklet Fold-"
                                        << QStringList{"ColorModel=CMYK", "Duplex=None", "Fold=False", "VZBooklet=None"};
    }
    void queueKinds()
    {
        QFETCH(QString, ppd);
        QFETCH(QStringList, groups);
        QFETCH(QString, fold);
        QFETCH(QStringList, sent);
        open(ppd);
        QVERIFY(d->tabWidget->isTabEnabled(1));
        QCOMPARE(d->tabWidget->isTabEnabled(2), sent.join(' ').contains("Fold"));
        d->show(); // showing polishes the titles
        QVERIFY(QTest::qWaitForWindowExposed(d.data()));
        BookletTab *layout = d->bookletTab;
        QCOMPARE((QStringList{look(d->generalTab->colorModeGroup), look(d->generalTab->duplexGroup),
                              look(layout->bookletGroup)}), groups);
        // Enabled or not, the Basic and Imaging colour and duplex titles keep the normal colour.
        for (VelButtonGroup *g :
             {d->generalTab->colorModeGroup, d->generalTab->duplexGroup, d->imagingTab->colorModeGroup})
            QCOMPARE(painted(g->titleLabel()), QPalette().color(QPalette::WindowText));
        QCOMPARE(layout->foldCheckBox->text() + (layout->foldCheckBox->isEnabled() ? "+" : "-"), fold);
        QStringList options = lpoptionsOf(queues.value(ppd)).filter(QRegularExpression("^(ColorM|Dup|Fold|VZB)"));
        options.sort();
        QCOMPARE(options, sent);
        for (const QString &option : sent)
            QVERIFY2(settings().filter(QRegularExpression("^" + option + "(;|$)")).size() == 1, qPrintable(option));
    }

    void fullQueueApply()
    {
        open("page-full");
        GeneralTab *basic = d->generalTab;
        QCOMPARE(basic->pageSizeLabel->text() + basic->mediaTypeLabel->text(), "Print size:Paper Type:");
        QVERIFY(currentOptionSet->findOption("PageSize")->findChoice("Custom"));
        QCOMPARE(basic->pageSizeCombo->count(), 4);
        for (const char *line : {"PageSize=A4;A4", "PageRegion=A4;A4", "ImageableArea=A4", "PaperDimension=A4",
                                 "MediaSize=A4"})
            QVERIFY2(settings().contains(line), line);
        QCOMPARE(lpoptionsOf(queues.value("page-full")).filter(QRegularExpression("^Pa|^Imag|^MediaS")),
                 (QStringList{"PageRegion=A4", "PageSize=A4"}));

        click(basic->colorModeGroup, "Black & white"); // recorded first, then mirrored
        QCOMPARE(current("ColorModel") + QString::number(d->imagingTab->colorModeGroup->checkedIndex()), "Gray1");
        click(basic->duplexGroup, "Long edge");
        click(d->bookletTab->bookletGroup, "Left edge binding");
        d->bookletTab->foldCheckBox->setChecked(true);
        BoxCloser boxes;
        d->slotButtonApply();
        QCOMPARE(boxes.texts, QStringList{"Settings applied."});
        for (const char *line : {"Duplex=DuplexNoTumble;None", "VZBooklet=Left;None", "Fold=True;False"})
            QVERIFY2(settings().contains(line), line);
        const QStringList sent = lpoptionsOf(queues.value("page-full"));
        for (const char *option : {"Duplex=DuplexNoTumble", "VZBooklet=Left", "Fold=True", "ColorModel=Gray"})
            QVERIFY2(sent.contains(option), option);
    }

    void rulesMoveGroups_data()
    {
        QTest::addColumn<QString>("media");
        QTest::addColumn<QString>("policy");
        QTest::addColumn<QString>("shown"); // duplex and colour group
        QTest::addColumn<QString>("recorded");
        QTest::newRow("transparency") << "Transparency" << "" << "Off-Full color+" << "None CMYK";
        QTest::newRow("duplex policy") << "" << "PQXDuplex" << "Long edge+Full color+" << "DuplexNoTumble CMYK";
        QTest::newRow("colour policy") << "" << "PQXColorMode" << "Off+Black & white-" << "None Gray";
    }
    void rulesMoveGroups()
    {
        QFETCH(QString, media);
        QFETCH(QString, policy);
        QFETCH(QString, shown);
        QFETCH(QString, recorded);
        open("page-full");
        d->generalTab->mediaTypeCombo->setCurrentText(media);
        currentOptionSet->markOptionChoice("PQXToggle", "On");
        currentOptionSet->markOptionChoice(policy, "On");
        d->setConstraints();
        QCOMPARE(look(d->generalTab->duplexGroup) + look(d->generalTab->colorModeGroup), shown);
        QCOMPARE(current("Duplex") + " " + current("ColorModel"), recorded);
        const QHash<QString, QString> collected = d->generalTab->collectOptions();
        QCOMPARE(collected.value("Duplex") + " " + collected.value("ColorModel"), recorded);
    }

    // Its own CTest entry runs it under LANG=de_DE.UTF-8.
    void germanButtonsMatchChoices()
    {
        if (!qgetenv("LANG").startsWith("de"))
            QSKIP("run by the German test entry");
        QTranslator german;
        QVERIFY(german.load(translationResourceFor("de_DE")));
        QApplication::installTranslator(&german);
        open("page-full");
        click(d->generalTab->duplexGroup, "Lange Kante");
        click(d->bookletTab->bookletGroup, "Bindung links");
        QCOMPARE(d->generalTab->collectOptions().value("Duplex") + d->bookletTab->collectOptions().value("VZBooklet"),
                 "DuplexNoTumbleLeft");
        QCOMPARE(look(d->generalTab->colorModeGroup) + look(d->generalTab->collateGroup), "Vollfarbe+An+");
        d.reset();
        QApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(TestPageTabs)
#include "test_page_tabs.moc"
