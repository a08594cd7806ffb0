// The Basic and Layout tabs in the real main dialog against the private CUPS
// server: labels and lists, the fallbacks of queues without colour or duplex,
// choices moved by the option rules and the print-management policies, and
// what Apply writes to the settings file and through the real lpoptions.
#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "tabs/booklet_tab.h"
#include "tabs/general_tab.h"
#include "tabs/imaging_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The options the user's lpoptions file holds for queue.
QHash<QString, QString> lpoptionsOf(const QString &queue)
{
    QHash<QString, QString> options;
    const QStringList lines = fileLines(QDir::homePath() + QStringLiteral("/.cups/lpoptions"));
    for (const QString &line : lines) {
        QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2 || words.at(1) != queue)
            continue;
        for (const QString &word : words.mid(2))
            options.insert(word.section(QLatin1Char('='), 0, 0), word.section(QLatin1Char('='), 1));
    }
    return options;
}

QString current(const char *option)
{
    vOption *o = currentOptionSet ? currentOptionSet->findOption(QLatin1String(option)) : nullptr;
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QString();
}

void clickButton(VelButtonGroup *group, const QString &name)
{
    const int index = group->buttonNames().indexOf(name);
    QVERIFY2(index >= 0, qPrintable(name));
    group->buttonList().at(index)->click();
}

bool titleInNormalColour(VelButtonGroup *group)
{
    QLabel *title = group->titleLabel();
    return title->palette().color(title->foregroundRole()) != QColor(QStringLiteral("#9f9e9e"));
}

} // namespace

class TestPageTabs : public QObject
{
    Q_OBJECT

private:
    QHash<QString, QString> queues; // test PPD name -> queue
    QTemporaryDir userBase;
    QScopedPointer<VelDialog> dialog;

    // A fresh dialog with the queue made from the test PPD selected.
    VelDialog &open(const QString &ppd)
    {
        dialog.reset(new VelDialog(nullptr));
        userDir = userBase.path() + QStringLiteral("/user/");
        QDir().mkpath(userDir);
        BoxCloser boxes;
        if (!selectQueue(*dialog, queues.value(ppd)) || !boxes.titles.isEmpty())
            qWarning("selecting %s: %s", qPrintable(ppd), qPrintable(boxes.texts.join(QLatin1Char('/'))));
        return *dialog;
    }

    QString settingsFile(const QString &ppd) const { return userDir + queues.value(ppd) + QStringLiteral(".cfg"); }

    void applyOk()
    {
        BoxCloser boxes;
        dialog->slotButtonApply();
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Settings applied.")});
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        QVERIFY(userBase.isValid());
        for (const char *ppd : {"page-full", "page-generic", "page-foldonly", "page-nolayout"}) {
            const QString queue = cupstest::uniqueQueueName(QStringLiteral("Page_") + QLatin1String(ppd).mid(5));
            queues.insert(QLatin1String(ppd), queue);
            QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/%1.ppd").arg(QLatin1String(ppd))));
        }
    }

    void cleanupTestCase()
    {
        dialog.reset();
        for (const QString &queue : qAsConst(queues))
            cupstest::removeQueue(queue);
    }

    void init() { resetProgramState(); }
    void cleanup() { dialog.reset(); }

    void fullQueueLoadAndApply()
    {
        VelDialog &d = open(QStringLiteral("page-full"));
        GeneralTab *basic = d.generalTab;
        QVERIFY(d.tabWidget->isTabEnabled(d.tabs.indexOf(basic)));
        QCOMPARE(findByAccessibleName<QLabel>(&d, QStringLiteral("lblPageSize"))->text(), QStringLiteral("Print size:"));
        QCOMPARE(findByAccessibleName<QLabel>(&d, QStringLiteral("lblMediaType"))->text(), QStringLiteral("Paper Type:"));
        QCOMPARE(basic->inputSlotLabel->text(), QStringLiteral("Source:"));
        QCOMPARE(basic->outputBinLabel->text(), QStringLiteral("Destination:"));
        // The description offers a custom size; the list does not.
        QVERIFY(currentOptionSet->findOption(QStringLiteral("PageSize"))->findChoice(QStringLiteral("Custom")));
        auto *sizes = findByAccessibleName<ComboBoxEx>(&d, QStringLiteral("cmbBxPageSize"));
        QStringList items;
        for (int i = 0; i < sizes->count(); ++i)
            items << sizes->itemText(i);
        QCOMPARE(items, (QStringList{"A4", "A3", "A5", "Statement"}));
        QCOMPARE(basic->colorModeGroup->checkedButtonName(), QStringLiteral("Full color"));
        QCOMPARE(basic->collateGroup->checkedButtonName(), QStringLiteral("On"));

        // The first selection wrote the settings and the queue's defaults.
        const QStringList lines = fileLines(settingsFile(QStringLiteral("page-full")));
        for (const char *line : {"PageSize=A4;A4", "PageRegion=A4;A4", "ImageableArea=A4", "PaperDimension=A4",
                                 "MediaSize=A4", "Duplex=None;None", "ColorModel=CMYK;CMYK", "Coll=True;True"})
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        QHash<QString, QString> sent = lpoptionsOf(queues.value(QStringLiteral("page-full")));
        QCOMPARE(sent.value(QStringLiteral("PageSize")), QStringLiteral("A4"));
        QCOMPARE(sent.value(QStringLiteral("PageRegion")), QStringLiteral("A4"));
        for (const char *key : {"ImageableArea", "PaperDimension", "MediaSize"})
            QVERIFY2(!sent.contains(QLatin1String(key)), key);

        // A colour click is recorded before the dialog mirrors it.
        clickButton(basic->colorModeGroup, QStringLiteral("Black & white"));
        QCOMPARE(current("ColorModel"), QStringLiteral("Gray"));
        QCOMPARE(d.imagingTab->colorModeGroup->checkedIndex(), 1);
        QCOMPARE(d.imagingTab->colorResets, 1);

        clickButton(basic->duplexGroup, QStringLiteral("Long edge"));
        sizes->setCurrentIndex(sizes->findText(QStringLiteral("A3")));
        applyOk();
        const QStringList after = fileLines(settingsFile(QStringLiteral("page-full")));
        for (const char *line : {"Duplex=DuplexNoTumble;None", "PageSize=A3;A4", "MediaSize=A3", "ColorModel=Gray;CMYK"})
            QVERIFY2(after.contains(QLatin1String(line)), line);
        sent = lpoptionsOf(queues.value(QStringLiteral("page-full")));
        QCOMPARE(sent.value(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(sent.value(QStringLiteral("PageRegion")), QStringLiteral("A3"));
    }

    // Queues without a colour mode to choose or without duplex show the
    // fallbacks and send neither option.
    void fallbacks_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::newRow("generic, no colour mode") << "page-generic";
        QTest::newRow("one colour mode") << "page-foldonly";
    }

    void fallbacks()
    {
        QFETCH(QString, ppd);
        VelDialog &d = open(ppd);
        GeneralTab *basic = d.generalTab;
        QVERIFY(d.tabWidget->isTabEnabled(d.tabs.indexOf(basic)));
        for (VelButtonGroup *group : {basic->colorModeGroup, basic->duplexGroup}) {
            QVERIFY(!group->isEnabled());
            QVERIFY(titleInNormalColour(group));
        }
        QCOMPARE(basic->colorModeGroup->checkedButtonName(), QStringLiteral("Black & white"));
        QCOMPARE(basic->duplexGroup->checkedButtonName(), QStringLiteral("Off"));
        QVERIFY(!basic->outputBinCombo->isEnabled());
        QVERIFY(!basic->outputBinLabel->isEnabled());
        const QHash<QString, QString> collected = basic->collectOptions();
        for (const char *key : {"ColorModel", "Duplex", "OutputBin"})
            QVERIFY2(!collected.contains(QLatin1String(key)), key);
        QCOMPARE(collected.value(QStringLiteral("PageSize")), QStringLiteral("A4"));
    }

    // Option rules and print-management policies move the groups.
    void rulesMoveGroups_data()
    {
        QTest::addColumn<QString>("mediaType");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("transparency") << "Transparency" << QStringList() << "butGroupDuplex" << "Off"
                                      << "Duplex" << "None" << false;
        QTest::newRow("duplex policy") << "" << QStringList{"PQXToggle=On", "PQXDuplex=On"} << "butGroupDuplex"
                                       << "Long edge" << "Duplex" << "DuplexNoTumble" << true;
        QTest::newRow("colour policy") << "" << QStringList{"PQXToggle=On", "PQXColorMode=On"}
                                       << "butGroupColorModelGeneral" << "Black & white" << "ColorModel" << "Gray"
                                       << false;
    }

    void rulesMoveGroups()
    {
        QFETCH(QString, mediaType);
        QFETCH(QStringList, marks);
        QFETCH(QString, group);
        QFETCH(QString, shown);
        QFETCH(QString, option);
        QFETCH(QString, recorded);
        QFETCH(bool, enabled);
        VelDialog &d = open(QStringLiteral("page-full"));
        if (!mediaType.isEmpty()) {
            QComboBox *media = d.generalTab->mediaTypeCombo;
            media->setCurrentIndex(media->findText(mediaType));
        }
        for (const QString &mark : marks)
            currentOptionSet->markOptionChoice(mark.section(QLatin1Char('='), 0, 0), mark.section(QLatin1Char('='), 1));
        d.setConstraints();
        auto *moved = findByAccessibleName<VelButtonGroup>(&d, group);
        QCOMPARE(moved->checkedButtonName(), shown);
        QCOMPARE(current(option.toLatin1().constData()), recorded);
        QCOMPARE(moved->isEnabled(), enabled);
        QVERIFY(d.buttonBox->button(QDialogButtonBox::Apply)->isEnabled());
    }

    void layoutTabFollowsOptions_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<bool>("tabEnabled");
        QTest::addColumn<bool>("groupEnabled");
        QTest::addColumn<QString>("foldText");
        QTest::addColumn<QStringList>("collected");
        QTest::newRow("both") << "page-full" << true << true << "Booklet Folding"
                              << QStringList{"Fold=False", "VZBooklet=None"};
        QTest::newRow("fold only") << "page-foldonly" << true << false << "Booklet Folding" << QStringList{"Fold=True"};
        QTest::newRow("neither") << "page-nolayout" << false << false << "Booklet fold" << QStringList();
        QTest::newRow("generic") << "page-generic" << false << false << "Booklet fold" << QStringList();
    }

    void layoutTabFollowsOptions()
    {
        QFETCH(QString, ppd);
        QFETCH(bool, tabEnabled);
        QFETCH(bool, groupEnabled);
        QFETCH(QString, foldText);
        QFETCH(QStringList, collected);
        VelDialog &d = open(ppd);
        BookletTab *layout = d.bookletTab;
        QCOMPARE(d.tabWidget->isTabEnabled(d.tabs.indexOf(layout)), tabEnabled);
        QCOMPARE(layout->hasOptions(), tabEnabled);
        QCOMPARE(layout->bookletGroup->isEnabled(), groupEnabled);
        QCOMPARE(layout->foldCheckBox->text(), foldText);
        QStringList pairs;
        const QHash<QString, QString> values = layout->collectOptions();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            pairs << it.key() + QLatin1Char('=') + it.value();
        pairs.sort();
        QCOMPARE(pairs, collected);
    }

    // Booklet folding needs a binding edge; both reach the queue on Apply.
    void bookletFoldAndApply()
    {
        VelDialog &d = open(QStringLiteral("page-full"));
        BookletTab *layout = d.bookletTab;
        QCOMPARE(layout->bookletGroup->checkedButtonName(), QStringLiteral("Off"));
        QVERIFY(!layout->foldCheckBox->isChecked());
        QVERIFY(!layout->foldCheckBox->isEnabled());

        clickButton(layout->bookletGroup, QStringLiteral("Left edge binding"));
        QVERIFY(layout->foldCheckBox->isEnabled());
        layout->foldCheckBox->setChecked(true);
        QCOMPARE(current("Fold"), QStringLiteral("True"));
        applyOk();
        const QStringList lines = fileLines(settingsFile(QStringLiteral("page-full")));
        QVERIFY(lines.contains(QStringLiteral("VZBooklet=Left;None")));
        QVERIFY(lines.contains(QStringLiteral("Fold=True;False")));
        const QHash<QString, QString> sent = lpoptionsOf(queues.value(QStringLiteral("page-full")));
        QCOMPARE(sent.value(QStringLiteral("VZBooklet")), QStringLiteral("Left"));
        QCOMPARE(sent.value(QStringLiteral("Fold")), QStringLiteral("True"));

        // Back to no booklet: the fold goes off again.
        clickButton(layout->bookletGroup, QStringLiteral("Off"));
        QVERIFY(!layout->foldCheckBox->isChecked());
        QVERIFY(!layout->foldCheckBox->isEnabled());
        QCOMPARE(current("Fold"), QStringLiteral("False"));
    }

    // Run under a German locale (its own CTest entry): the German button
    // names meet the description's German choice texts.
    void germanButtonsCollectChoices()
    {
        if (!qgetenv("LANG").startsWith("de") || qEnvironmentVariableIsSet("LC_ALL"))
            QSKIP("needs LANG=de_DE.UTF-8 (the German test entry)");
        QTranslator translator;
        QVERIFY(translator.load(translationResourceFor(QStringLiteral("de_DE"))));
        QApplication::installTranslator(&translator);
        VelDialog &d = open(QStringLiteral("page-full"));
        GeneralTab *basic = d.generalTab;
        QCOMPARE(basic->pageSizeLabel->text(), QStringLiteral("Druckformat:"));
        QCOMPARE(basic->colorModeGroup->checkedButtonName(), QStringLiteral("Vollfarbe"));
        QCOMPARE(basic->collateGroup->checkedButtonName(), QStringLiteral("An"));
        clickButton(basic->duplexGroup, QStringLiteral("Lange Kante"));
        QCOMPARE(basic->collectOptions().value(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
        clickButton(d.bookletTab->bookletGroup, QStringLiteral("Bindung links"));
        QCOMPARE(d.bookletTab->collectOptions().value(QStringLiteral("VZBooklet")), QStringLiteral("Left"));
        dialog.reset();
        QApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestPageTabs)
#include "test_page_tabs.moc"
