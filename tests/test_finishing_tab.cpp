// The Finishing tab in the main dialog against the private CUPS server: the
// fold buttons and the fold mode they stand for, the punch, staple and
// separation sections, the rules it shares with the Basic and Layout tabs,
// stored settings, and what Apply writes to the settings file and lpoptions.
#include <QtTest>

#include <QGridLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "page_tab_test_util.h"
#include "support/cups_test_util.h"
#include "tabs/booklet_tab.h"
#include "tabs/finishing_tab.h"
#include "tabs/general_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

QString current(const char *option)
{
    vOption *o = currentOptionSet->findOption(QLatin1String(option));
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QStringLiteral("-");
}

// "+" or "-" for enabled, then "x" when checked and "h" when hidden.
QString state(QWidget *w)
{
    auto *button = qobject_cast<VelCheckBoxButton *>(w);
    auto *box = qobject_cast<QAbstractButton *>(w);
    const bool checked = (button && button->isChecked()) || (box && box->isChecked());
    return QString(w->isEnabled() ? "+" : "-") + (checked ? "x" : "") + (w->isHidden() ? "h" : "");
}

} // namespace

class TestFinishingTab : public QObject
{
    Q_OBJECT

    ModalWatchdog watchdog;
    QHash<QString, QString> queues; // test PPD name -> queue
    QTemporaryDir userBase;
    QScopedPointer<VelDialog> d;
    FinishingTab *f = nullptr;

    // The dialog on a queue whose settings file holds the lines given;
    // without lines the first selection writes the file.
    void open(const QString &ppd, const QStringList &stored = {})
    {
        pagetabtest::openOnQueue(d, userBase.path(), queues.value(ppd), stored);
        f = d->finishingTab;
    }
    void toggle(VelCheckBoxButton *button) { button->checkBoxWidget()->click(); }
    QStringList apply()
    {
        BoxCloser boxes;
        d->slotButtonApply();
        return boxes.texts + fileLines(settingsSource);
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        pagetabtest::addQueues(queues, QStringLiteral("Finishing"), {"page-full", "page-nofolder", "page-generic", "sample"});
    }
    void cleanupTestCase() { pagetabtest::removeQueues(queues); }
    void init() { resetProgramState(); }
    void cleanup() { d.reset(); }

    void biFoldApplied()
    {
        open("page-full");
        toggle(f->biFoldButton);
        QCOMPARE(current("FldA") + current("cBiFld"), "BifoldTrue");
        QCOMPARE(state(f->triFoldButton) + state(f->zFoldButton) + state(f->engineeringFoldButton), "---");
        f->biFoldSheetsCombo->setCurrentText("Up to 5 sheets");
        f->rotateGroup->buttonList().at(1)->click();
        const QStringList lines = apply();
        for (const char *line : {"Settings applied.", "FldA=Bifold;None", "BFpS=Multiple;None", "FldB=None;None",
                                 "Rotate=True;False", "cBiFld=True", "cTriFld=False", "cHole=False", "cStpl=False"})
            QVERIFY2(lines.contains(line), line);
        const QString sent = fileLines(QDir::homePath() + "/.cups/lpoptions").filter(queues.value("page-full")).join(' ');
        QVERIFY2(sent.contains(QRegularExpression("(?=.* BFpS=Multiple)(?=.* FldA=Bifold)(?=.* Rotate=True)"))
                     && !sent.contains(QRegularExpression(" c[A-Z]\\w*=")),
                 qPrintable(sent));

        toggle(f->biFoldButton);
        for (const char *option : {"FldA", "FldB", "FldC", "FldD", "ZFldC", "ZFldD", "BiFldB", "BFpS"})
            QVERIFY2(current(option) == "None", option);
        QCOMPARE(state(f->triFoldButton) + state(f->zFoldButton), "++");
    }

    void storedSettings_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<QStringList>("stored");
        // Tri, bi, Z and engineering buttons; tri direction, Z direction, bi
        // print side, Z label, separator; bi sheets combo's row; punch, staple.
        QTest::addColumn<QString>("look");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("tri-fold") << "page-full" << QStringList{"FldA=Trifold"} << "+x--- +-h-++ 15 ++"
                                  << QStringList{"FldA=Trifold;None", "cTriFld=True"};
        QTest::newRow("no folding unit") << "page-nofolder" << QStringList{"PageSize=A4"} << "++-h-h --h-h-h+h 13 ++"
                                         << QStringList{"FldA=None;None"};
        QTest::newRow("stored Z-fold, no unit") << "page-nofolder" << QStringList{"FldA=Zfold"}
                                                << "++-h-h --h-h-h+h 13 ++" << QStringList{"FldA=None;None"};
        QTest::newRow("stored engineering fold, no unit") << "page-nofolder" << QStringList{"FldA=EngrFold"}
                                                          << "++-h-h --h-h-h+h 13 ++" << QStringList{"FldA=None;None"};
        const QStringList choices{"Stpl=Center", "Pnch=3Hole"};
        QTest::newRow("no switch lines") << "page-full" << choices << "++++ --h-++ 15 +x+x"
                                         << QStringList{"Stpl=Center;None", "Pnch=3Hole;None", "cStpl=True", "cHole=True"};
        QTest::newRow("stored switch wins") << "page-full" << choices + QStringList{"cStpl=False"}
                                            << "++++ --h-++ 15 +x+"
                                            << QStringList{"Stpl=None;None", "Pnch=3Hole;None", "cStpl=False"};
    }
    void storedSettings()
    {
        QFETCH(QString, ppd);
        QFETCH(QStringList, stored);
        QFETCH(QString, look);
        QFETCH(QStringList, written);
        open(ppd, stored);
        int row, column, rowSpan, columnSpan;
        f->leftGrid->getItemPosition(f->leftGrid->indexOf(f->biFoldSheetsCombo), &row, &column, &rowSpan, &columnSpan);
        QString shown;
        for (QWidget *w : QList<QWidget *>{f->triFoldButton, f->biFoldButton, f->zFoldButton, f->engineeringFoldButton, nullptr,
                           f->triFoldDirectionLabel, f->zFoldDirectionCombo, f->biFoldPrintSideCombo, f->zFoldLabel,
                           f->engineeringSeparator})
            shown += w ? state(w) : " ";
        QCOMPARE(shown + " " + QString::number(row) + " " + state(f->punchButton) + state(f->stapleButton), look);
        const QStringList lines = apply();
        for (const QString &line : written)
            QVERIFY2(lines.contains(line), qPrintable(line));
    }

    void sections_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<QString>("look"); // tab, punch, staple, bi-fold; staple method when on; separation buttons
        QTest::newRow("full") << "page-full" << "++++ + +++";
        QTest::newRow("no folding unit") << "page-nofolder" << "++++ - ++-";
        QTest::newRow("shipped sample") << "sample" << "++++ + +++";
        QTest::newRow("no finishing") << "page-generic" << "----";
    }
    void sections()
    {
        QFETCH(QString, ppd);
        QFETCH(QString, look);
        open(ppd);
        QString shown = d->tabWidget->isTabEnabled(3) ? "+" : "-";
        for (QWidget *w : {f->punchButton, f->stapleButton, f->biFoldButton})
            shown += state(w);
        if (shown == "++++") {
            QVERIFY(f->punchCombo->findText("Off") < 0 && f->punchCombo->count() > 1);
            const QHash<QString, QString> off = f->collectOptions();
            QCOMPARE(off.value("Pnch") + off.value("Stpl") + off.value("Scnt") + off.value("cHole") + off.value("cStpl"),
                     "NoneNoneNoneFalseFalse");
            toggle(f->stapleButton);
            shown += " " + state(f->stapleMethodCombo).left(1) + " ";
            for (QAbstractButton *b : f->separationGroup->buttonList())
                shown += b->isEnabled() ? "+" : "-";
        }
        QCOMPARE(shown, look);
    }

    void crossTab_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("expected");
        QTest::newRow("booklet without saddle unit") << "booklet" << "staple" << "-";
        QTest::newRow("no booklet, A5") << "size=A5" << "staple" << "-";
        QTest::newRow("bi-fold A3, fold tray") << "bin=Fold_Tray size=A3 bifold" << "bin" << "AutoAuto-";
        QTest::newRow("Z-fold A3, fold tray") << "bin=Fold_Tray size=A3 zfold" << "bin" << "AutoAuto-";
        QTest::newRow("tri-fold off resets its side") << "trifold side=Outside trifold" << "side" << "Inside-";
        QTest::newRow("fold tray stays for A4") << "bin=Fold_Tray bifold" << "bin" << "Fold TrayFLDTRAY+";
        QTest::newRow("labels") << "punch media=Labels" << "punch" << "-";
        QTest::newRow("booklet fold") << "booklet fold" << "bifold" << "-";
        QTest::newRow("bi-fold") << "booklet bifold" << "fold" << "-";
        // Switching punching off puts its combo back on "2 holes" without recording it.
        QTest::newRow("punch off from 3 holes") << "punch pnch=3_holes bin=Upper_Tray punch" << "bin" << "Upper TrayUpper+";
    }
    void crossTab()
    {
        QFETCH(QString, steps);
        QFETCH(QString, probe);
        QFETCH(QString, expected);
        open("page-full");
        GeneralTab *basic = d->generalTab;
        const QHash<QString, QWidget *> widgets{{"staple", f->stapleButton}, {"punch", f->punchButton},
                                                {"bifold", f->biFoldButton}, {"fold", d->bookletTab->foldCheckBox},
                                                {"size", basic->pageSizeCombo}, {"bin", basic->outputBinCombo},
                                                {"media", basic->mediaTypeCombo}, {"pnch", f->punchCombo},
                                                {"booklet", d->bookletTab->bookletGroup->buttonList().at(1)},
                                                {"zfold", f->zFoldButton}, {"trifold", f->triFoldButton},
                                                {"side", f->triFoldPrintSideCombo}};
        QSignalSpy punchRecorded(f->punchCombo, SIGNAL(currentIndexChanged(int)));
        for (const QString &step : steps.split(' ')) {
            QWidget *w = widgets.value(step.section('=', 0, 0));
            punchRecorded.clear();
            if (auto *combo = qobject_cast<QComboBox *>(w))
                combo->setCurrentText(step.section('=', 1).replace('_', ' '));
            else if (auto *section = qobject_cast<VelCheckBoxButton *>(w))
                toggle(section);
            else
                qobject_cast<QAbstractButton *>(w)->click();
            QVERIFY2(punchRecorded.count() <= 1, qPrintable(step));
        }
        QComboBox *bin = basic->outputBinCombo;
        const bool trayFree = qobject_cast<QStandardItemModel *>(bin->model())->item(bin->findText("Fold Tray"))->isEnabled();
        auto *probed = qobject_cast<QComboBox *>(widgets.value(probe));
        QCOMPARE(probe == "bin" ? bin->currentText() + current("OutputBin") + (trayFree ? "+" : "-")
                 : probed       ? probed->currentText() + state(probed)
                                : state(widgets.value(probe)),
                 expected);
    }

    // Its own CTest entry runs it under LANG=de_DE.UTF-8.
    void germanTexts()
    {
        if (!qgetenv("LANG").startsWith("de"))
            QSKIP("run by the German test entry");
        QTranslator german;
        QVERIFY(german.load(translationResourceFor("de_DE")));
        QApplication::installTranslator(&german);
        open("page-full");
        QVERIFY(f->rotateGroup->titleLabel()->text().startsWith(QString::fromUtf8("Rotiert 180°: ")));
        f->separationGroup->buttonList().at(1)->click();
        QCOMPARE(f->separationGroup->checkedButtonName() + f->collectOptions().value("Sep"), "Aufträge versetzenJog");
        QCOMPARE(f->punchCombo->findText("Aus"), -1);
        d.reset();
        QApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(TestFinishingTab)
#include "test_finishing_tab.moc"
