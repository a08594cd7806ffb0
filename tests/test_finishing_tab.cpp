// The Finishing tab in the main dialog against the private CUPS server: the
// fold buttons and the fold mode they stand for, the punch, staple and
// separation sections, the rules it shares with the Basic and Layout tabs,
// stored settings, and what Apply writes to the settings file and lpoptions.
#include <QtTest>

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "tabs/booklet_tab.h"
#include "tabs/finishing_tab.h"
#include "tabs/general_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

QStringList fileLines(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The options lpoptions keeps for the queue in the user's file.
QStringList lpoptionsOf(const QString &queue)
{
    for (const QString &line : fileLines(QDir::homePath() + QStringLiteral("/.cups/lpoptions"))) {
        if (line.section(QLatin1Char(' '), 1, 1) == queue)
            return line.section(QLatin1Char(' '), 2).split(QLatin1Char(' '));
    }
    return QStringList();
}

QString current(const char *option)
{
    vOption *o = currentOptionSet->findOption(QLatin1String(option));
    return o && o->currentChoice() ? o->currentChoice()->keyword() : QStringLiteral("-");
}

// "+" or "-" for enabled, "x" when checked, "h" when hidden.
QString state(QWidget *w)
{
    auto *button = qobject_cast<VelCheckBoxButton *>(w);
    auto *box = qobject_cast<QCheckBox *>(w);
    return QString(w->isEnabled() ? "+" : "-") + ((button && button->isChecked()) || (box && box->isChecked()) ? "x" : "")
        + (w->isHidden() ? "h" : "");
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

    // Opens the dialog on a queue whose settings file holds the lines given;
    // without lines the first selection writes the file.
    void open(const QString &ppd, const QStringList &stored = {})
    {
        d.reset(new VelDialog(nullptr));
        f = d->finishingTab;
        userDir = userBase.path() + QStringLiteral("/");
        QFile file(userDir + queues.value(ppd) + ".cfg");
        file.remove();
        if (!stored.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write((stored.join('\n') + '\n').toUtf8());
            file.close();
        }
        BoxCloser boxes;
        QVERIFY(selectQueue(*d, queues.value(ppd)));
        QCOMPARE(boxes.texts, QStringList());
    }
    void toggle(VelCheckBoxButton *button) { button->checkBoxWidget()->click(); }
    QStringList apply()
    {
        BoxCloser boxes;
        d->slotButtonApply();
        [&] { QCOMPARE(boxes.texts, QStringList{"Settings applied."}); }();
        return fileLines(settingsSource);
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        for (const QString ppd : {"page-full", "page-nofolder", "page-generic", "sample"}) {
            queues.insert(ppd, cupstest::uniqueQueueName(QStringLiteral("Finishing")));
            const QString path = ppd == "sample" ? ORDOVAN_TEST_SOURCE_DIR "/../resources/ppd/velmora-wexa-sample.ppd"
                                                 : ORDOVAN_TEST_DATA "/" + ppd + ".ppd";
            QVERIFY(cupstest::addQueue(queues.value(ppd), path));
        }
    }
    void cleanupTestCase()
    {
        for (const QString &queue : qAsConst(queues))
            cupstest::removeQueue(queue);
    }
    void init() { resetProgramState(); }
    void cleanup() { d.reset(); }

    void folding()
    {
        open("page-full");
        toggle(f->biFoldButton);
        QCOMPARE(current("FldA") + current("cBiFld"), "BifoldTrue");
        QCOMPARE(state(f->triFoldButton) + state(f->zFoldButton) + state(f->engineeringFoldButton), "---");
        f->biFoldSheetsCombo->setCurrentText("Up to 5 sheets");
        toggle(f->biFoldButton);
        for (const char *option : {"FldA", "FldB", "FldC", "FldD", "ZFldC", "ZFldD", "BiFldB", "BFpS"})
            QVERIFY2(current(option) == "None", option);
        QCOMPARE(state(f->triFoldButton) + state(f->zFoldButton), "++");
    }

    void storedFold_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("buttons");   // tri, bi, Z, engineering
        QTest::addColumn<QString>("rows");      // tri direction, Z direction, bi print side, Z label, separator
        QTest::addColumn<int>("biSheetsRow");
        QTest::newRow("tri-fold") << "page-full" << "FldA=Trifold" << "+x---" << "+-h-++" << 14;
        QTest::newRow("no folding unit") << "page-nofolder" << "" << "++-h-h" << "--h-h-h+h" << 12;
        QTest::newRow("no folding unit, Z-fold stored") << "page-nofolder" << "FldA=Zfold" << "++-xh-h" << "-h+-h-h+h"
                                                        << 12;
    }
    void storedFold()
    {
        QFETCH(QString, ppd);
        QFETCH(QString, stored);
        QFETCH(QString, buttons);
        QFETCH(QString, rows);
        QFETCH(int, biSheetsRow);
        open(ppd, stored.isEmpty() ? QStringList{"PageSize=A4"} : QStringList{stored});
        QCOMPARE(state(f->triFoldButton) + state(f->biFoldButton) + state(f->zFoldButton)
                     + state(f->engineeringFoldButton),
                 buttons);
        QCOMPARE(state(f->triFoldDirectionLabel) + state(f->zFoldDirectionCombo) + state(f->biFoldPrintSideCombo)
                     + state(f->zFoldLabel) + state(f->engineeringSeparator),
                 rows);
        int row, column, rowSpan, columnSpan;
        f->leftGrid->getItemPosition(f->leftGrid->indexOf(f->biFoldSheetsCombo), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, biSheetsRow + 1);
        QCOMPARE(f->collectOptions().value("FldA"), stored.isEmpty() ? "None" : stored.mid(5));
    }

    void sections_data()
    {
        QTest::addColumn<QString>("ppd");
        QTest::addColumn<QString>("look"); // tab, punch, staple, bi-fold, staple method when on, separation buttons
        QTest::newRow("full") << "page-full" << "+ + + + + +++";
        QTest::newRow("no folding unit") << "page-nofolder" << "+ + + + - ++-";
        QTest::newRow("shipped sample") << "sample" << "+ + + + + +++";
        QTest::newRow("no finishing") << "page-generic" << "- - - -";
    }
    void sections()
    {
        QFETCH(QString, ppd);
        QFETCH(QString, look);
        open(ppd);
        QString shown = d->tabWidget->isTabEnabled(3) ? "+" : "-";
        for (QWidget *w : {f->punchButton, f->stapleButton, f->biFoldButton})
            shown += " " + state(w);
        if (!d->tabWidget->isTabEnabled(3)) {
            QCOMPARE(shown, look);
            return;
        }
        QVERIFY(f->punchCombo->findText("Off") < 0 && f->punchCombo->count() > 1);
        const QHash<QString, QString> off = f->collectOptions();
        QCOMPARE(off.value("Pnch") + off.value("Stpl") + off.value("Scnt") + off.value("cHole") + off.value("cStpl"),
                 "NoneNoneNoneFalseFalse");
        toggle(f->stapleButton);
        shown += " " + state(f->stapleMethodCombo).left(1) + " ";
        for (QAbstractButton *b : f->separationGroup->buttonList())
            shown += b->isEnabled() ? "+" : "-";
        QCOMPARE(shown, look);
    }

    void crossTab_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("expected");
        QTest::newRow("booklet without saddle unit") << QStringList{"booklet"} << "staple" << "-";
        QTest::newRow("no booklet, A5") << QStringList{"size=A5"} << "staple" << "-";
        QTest::newRow("bi-fold A3, fold tray") << QStringList{"bin=Fold Tray", "size=A3", "bifold"} << "bin" << "Auto-";
        QTest::newRow("fold tray stays for A4") << QStringList{"bin=Fold Tray", "bifold"} << "bin" << "Fold Tray+";
        QTest::newRow("labels") << QStringList{"punch", "media=Labels"} << "punch" << "-";
        QTest::newRow("booklet fold") << QStringList{"booklet", "fold"} << "bifold" << "-";
        QTest::newRow("bi-fold") << QStringList{"booklet", "bifold"} << "fold" << "-";
    }
    void crossTab()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, probe);
        QFETCH(QString, expected);
        open("page-full");
        GeneralTab *basic = d->generalTab;
        for (const QString &step : steps) {
            const QString value = step.section('=', 1);
            if (step == "booklet")
                d->bookletTab->bookletGroup->buttonList().at(1)->click();
            else if (step == "fold")
                d->bookletTab->foldCheckBox->click();
            else if (step == "bifold")
                toggle(f->biFoldButton);
            else if (step == "punch")
                toggle(f->punchButton);
            else
                (step.startsWith("size") ? basic->pageSizeCombo
                 : step.startsWith("bin") ? basic->outputBinCombo
                                          : basic->mediaTypeCombo)->setCurrentText(value);
        }
        QString seen;
        if (probe == "bin") {
            auto *model = qobject_cast<QStandardItemModel *>(basic->outputBinCombo->model());
            const bool trayFree = model->item(basic->outputBinCombo->findText("Fold Tray"))->isEnabled();
            seen = basic->outputBinCombo->currentText() + (trayFree ? "+" : "-");
        } else {
            QWidget *w = probe == "staple" ? f->stapleButton
                : probe == "punch"         ? f->punchButton
                : probe == "bifold"        ? static_cast<QWidget *>(f->biFoldButton)
                                           : d->bookletTab->foldCheckBox;
            seen = state(w);
        }
        QCOMPARE(seen, expected);
    }

    void outputBinKeptWhenPunchGoesOff()
    {
        open("page-full");
        toggle(f->punchButton);
        f->punchCombo->setCurrentText("3 holes");
        d->generalTab->outputBinCombo->setCurrentText("Upper Tray");
        QSignalSpy announced(f->punchCombo, SIGNAL(currentIndexChanged(int)));
        toggle(f->punchButton);
        QCOMPARE(announced.count(), 1); // the section's own announcement; the reset itself records nothing
        QCOMPARE(d->generalTab->outputBinCombo->currentText() + current("OutputBin") + current("Pnch"),
                 "Upper TrayUpperNone");
    }

    void storedChoicesCheckSwitches_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("buttons"); // punch, staple
        QTest::addColumn<QStringList>("written");
        const QStringList choices{"Stpl=Center", "Pnch=3Hole"};
        QTest::newRow("no switch lines") << choices << "+x+x"
                                         << QStringList{"Stpl=Center;None", "Pnch=3Hole;None", "cStpl=True",
                                                        "cHole=True"};
        QTest::newRow("stored switch wins") << choices + QStringList{"cStpl=False"} << "+x+"
                                            << QStringList{"Stpl=None;None", "Pnch=3Hole;None", "cStpl=False"};
    }
    void storedChoicesCheckSwitches()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, buttons);
        QFETCH(QStringList, written);
        open("page-full", stored);
        QCOMPARE(state(f->punchButton) + state(f->stapleButton), buttons);
        const QStringList lines = apply();
        for (const QString &line : written)
            QVERIFY2(lines.contains(line), qPrintable(line));
    }

    void applyWritesFinishing()
    {
        open("page-full");
        toggle(f->biFoldButton);
        f->biFoldSheetsCombo->setCurrentText("Up to 5 sheets");
        f->rotateGroup->buttonList().at(1)->click();
        const QStringList lines = apply();
        for (const char *line : {"FldA=Bifold;None", "BFpS=Multiple;None", "FldB=None;None", "Rotate=True;False",
                                 "cBiFld=True", "cTriFld=False", "cHole=False", "cStpl=False"})
            QVERIFY2(lines.contains(line), line);
        const QStringList sent = lpoptionsOf(queues.value("page-full"));
        QVERIFY(sent.contains("FldA=Bifold") && sent.contains("BFpS=Multiple") && sent.contains("Rotate=True"));
        QCOMPARE(sent.filter(QRegularExpression("^c[A-Z]")), QStringList());
    }

    // Its own CTest entry runs it under LANG=de_DE.UTF-8.
    void germanRotateTitle()
    {
        if (!qgetenv("LANG").startsWith("de"))
            QSKIP("run by the German test entry");
        QTranslator german;
        QVERIFY(german.load(translationResourceFor("de_DE")));
        QApplication::installTranslator(&german);
        open("page-full");
        QVERIFY2(f->rotateGroup->titleLabel()->text().startsWith(QString::fromUtf8("Rotiert 180°: ")),
                 qPrintable(f->rotateGroup->titleLabel()->text()));
        f->separationGroup->buttonList().at(1)->click();
        QCOMPARE(f->separationGroup->checkedButtonName() + f->collectOptions().value("Sep"), "Aufträge versetzenJog");
        QCOMPARE(f->punchCombo->findText("Aus"), -1);
        d.reset();
        QApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(TestFinishingTab)
#include "test_finishing_tab.moc"
