// The Publishing tab in the main dialog on the private CUPS server: the
// page-list check, the three sections and their rules, and the section
// settings written on Apply and read back.
#include <QtTest>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "tabs/publishing_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

const QString kMarkTag = QStringLiteral("<img src=':/icons/error'>");

void choose(QComboBox *combo, const char *text)
{
    QVERIFY2(combo->findText(text) >= 0, text);
    combo->setCurrentIndex(combo->findText(text));
}

// Switches a section or a box the way a click does.
void setOn(QWidget *control, bool on)
{
    auto *section = qobject_cast<VelCheckBoxButton *>(control);
    auto *box = qobject_cast<QAbstractButton *>(control);
    if (section && section->isChecked() != on)
        section->iconButton()->click();
    else if (box && box->isChecked() != on)
        box->click();
}

// Replaces the edit's text as a paste over all of it does.
void paste(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    text.isEmpty() ? edit->del() : edit->insert(text);
}

bool okEnabled(VelDialog *d) { return d->buttonBox->button(QDialogButtonBox::Ok)->isEnabled(); }

} // namespace

class TestPublishingTab : public QObject
{
    Q_OBJECT

    ModalWatchdog watchdog;
    QTemporaryDir home;
    QString queue = cupstest::uniqueQueueName(QStringLiteral("Publishing"));
    QString noBackQueue = cupstest::uniqueQueueName(QStringLiteral("PublishingNoBack"));
    QScopedPointer<VelDialog> listDialog;

    // A dialog with name selected and the Publishing tab enabled.
    VelDialog *openDialog(const QString &name)
    {
        resetProgramState();
        auto *d = new VelDialog(nullptr);
        userDir = home.path() + QStringLiteral("/user/");
        d->show();
        BoxCloser boxes;
        if (selectQueue(*d, name) && boxes.texts.isEmpty()
            && d->tabWidget->isTabEnabled(d->tabs.indexOf(d->publishingTab)))
            return d;
        delete d;
        return nullptr;
    }

    void writeSettings(const QByteArray &lines, const QString &name = QString())
    {
        QDir().mkpath(userDir);
        QFile file(userDir + (name.isEmpty() ? queue : name) + QStringLiteral(".cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(lines) == lines.size());
    }

    // The section settings of the queue's settings file, sorted.
    QStringList ownSettings()
    {
        QFile file(userDir + queue + QStringLiteral(".cfg"));
        if (!file.open(QIODevice::ReadOnly))
            return QStringList();
        QStringList own = QString::fromUtf8(file.readAll()).split('\n');
        own = own.filter(QRegularExpression("^(V[qQ]|Pins=)"));
        own.sort();
        return own;
    }

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the dialog refuses to run as root");
        initOrdovanResources();
        // lpoptions keeps the user's defaults below HOME.
        QVERIFY(cupstest::usingPrivateServer() && home.isValid());
        qputenv("HOME", home.path().toUtf8());
        QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/publishing.ppd")));
        QVERIFY(cupstest::addQueue(noBackQueue, QStringLiteral(ORDOVAN_TEST_DATA "/publishing-noback.ppd")));
    }

    void cleanupTestCase()
    {
        listDialog.reset();
        cupstest::removeQueue(queue);
        cupstest::removeQueue(noBackQueue);
    }

    void pageList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bothFront");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString unclear = QStringLiteral("Please enter your specified pages.");
        const QString fifty = QStringLiteral("You can only insert up to 50 pages.");
        const QString from2 = QStringLiteral("You can only enter page numbers between 2 and 511");
        QStringList twoTo51;
        for (int page = 2; page <= 51; ++page)
            twoTo51 << QString::number(page);

        QTest::newRow("repeats") << "5,3,3-5" << false << "" << "3,4,5";
        QTest::newRow("reversed range") << "12-10" << false << "" << "10,11,12";
        QTest::newRow("fifty pages") << "2-51" << false << "" << twoTo51.join(',');
        QTest::newRow("blank after comma") << "3, 5" << false << "" << "3,5";
        QTest::newRow("longest list") << QString("3,").repeated(16383) + "3" << false << "" << "3";
        QTest::newRow("both front, from 10") << "10-12" << true << "" << "10,11,12";

        QTest::newRow("empty") << "" << false << "Please type a page range." << "";
        QTest::newRow("empty item") << "3,,5" << false << unclear << "";
        QTest::newRow("double range") << "3-5-7" << false << unclear << "";
        QTest::newRow("open range first") << "10-,3" << false << unclear << "";
        QTest::newRow("open range from 1") << "3,1-" << false << unclear << "";
        QTest::newRow("blank between") << "3 5" << false << unclear << "";
        QTest::newRow("three blank-separated") << "3 5 7" << false << unclear << "";
        QTest::newRow("sixty pages") << "2-60" << false << fifty << "";
        QTest::newRow("page 1") << "1,5" << false << from2 << "";
        QTest::newRow("page 512") << "5,512" << false << from2 << "";
        QTest::newRow("near int max") << "2147483600-2147483647" << false << from2 << "";
        QTest::newRow("both front, page 2")
            << "2,5" << true << "You can only enter page numbers between 3 and 511" << "";
        QTest::newRow("huge range") << "2-2147483647" << false << fifty << "";

        // A list whose end names no page is refused, and says so.
        const QString unfinished = QStringLiteral("Please end the list with a page or a range such as 10-12.");
        QTest::newRow("trailing comma") << "3,5," << false << unfinished << "";
        QTest::newRow("trailing open range") << "3,10-" << false << unfinished << "";
        QTest::newRow("trailing open range below") << "3,5-" << false << unfinished << "";
        QTest::newRow("open range alone") << "10-" << false << unfinished << "";
    }

    void pageList()
    {
        QFETCH(QString, text);
        QFETCH(bool, bothFront);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        if (!listDialog)
            listDialog.reset(openDialog(queue));
        QVERIFY(listDialog);
        PublishingTab *tab = listDialog->publishingTab;
        BoxCloser boxes;
        setOn(tab->coverModeButton, true);
        setOn(tab->frontOutsideBox, bothFront);
        setOn(tab->frontInsideBox, bothFront);
        setOn(tab->pageInsertButton, true);

        QElapsedTimer clock;
        clock.start();
        paste(tab->insertPagesEdit, text);
        // However large a range, the check answers at once.
        QVERIFY(clock.elapsed() < 2000);
        QCOMPARE(tab->insertPagesEdit->text(), text);
        QCOMPARE(tab->pageInsertLabel->toolTip(), message);
        QCOMPARE(tab->pageInsertLabel->text().contains(kMarkTag), !message.isEmpty());
        QCOMPARE(tab->pageNumbers, stored);
        QCOMPARE(tab->pageListInvalid, stored.isEmpty());
        QCOMPARE(okEnabled(listDialog.data()), !stored.isEmpty());
        // Switched off, the section forgets its list and both sides by itself
        // (the option rules would move the boxes off too).
        setOn(tab->insertFrontBox, true);
        setOn(tab->insertBackBox, true);
        tab->pageInsertToggled(false);
        QVERIFY(!tab->insertFrontBox->isChecked() && !tab->insertBackBox->isChecked());
        QVERIFY(tab->insertPagesEdit->text().isEmpty());
        QVERIFY(boxes.texts.isEmpty());
    }

    void sections()
    {
        for (const QString &name : {queue, noBackQueue}) {
            const bool hasBack = name == queue;
            QScopedPointer<VelDialog> d(openDialog(name));
            QVERIFY(d);
            PublishingTab *tab = d->publishingTab;
            BoxCloser boxes;
            QCOMPARE(tab->backCoverSourceCombo->isHidden(), !hasBack);

            // Covers (and page insert) and interleaving exclude each other;
            // the second printer has no backing source, so no interleaving.
            setOn(tab->coverModeButton, true);
            QVERIFY(!tab->interleaveButton->isEnabled());
            setOn(tab->coverModeButton, false);
            QCOMPARE(tab->interleaveButton->isEnabled(), hasBack);
            setOn(tab->interleaveButton, true);
            QCOMPARE(tab->interleaveButton->isChecked(), hasBack);
            QCOMPARE(tab->coverModeButton->isEnabled(), !hasBack);
            QCOMPARE(tab->pageInsertButton->isEnabled(), !hasBack);
            setOn(tab->interleaveButton, false);

            // An inserter tray is not printed on: "Front" and its boxes go.
            // The second printer names its trays otherwise and has no back cover.
            setOn(tab->coverModeButton, true);
            choose(tab->frontCoverSourceCombo, hasBack ? "Inserter tray 1" : "Einleger 1");
            QVERIFY(!tab->frontPrintOntoLabel->isEnabled());
            QVERIFY(!tab->frontOutsideBox->isEnabled() && !tab->frontInsideBox->isEnabled());
            choose(tab->frontCoverSourceCombo, hasBack ? "Tray 1" : "Fach 1");
            QVERIFY(tab->frontPrintOntoLabel->isEnabled() && tab->frontOutsideBox->isEnabled());

            if (hasBack) {
                tab->frontBackRadio->click();
                choose(tab->backCoverSourceCombo, "Tray 1");
                setOn(tab->backOutsideBox, true);
                setOn(tab->backInsideBox, true);
                QVERIFY(tab->backPrintOntoLabel->isEnabled() && tab->backInsideBox->isChecked());
                // "Front" resets and disables the back source and clears its boxes.
                tab->frontRadio->click();
                QCOMPARE(tab->backCoverSourceCombo->currentIndex(), 0);
                QVERIFY(!tab->backCoverSourceCombo->isEnabled() && !tab->backPrintOntoLabel->isEnabled());
                QVERIFY(!tab->backOutsideBox->isChecked() && !tab->backInsideBox->isChecked());
                QVERIFY(!tab->backOutsideBox->isEnabled() && !tab->backInsideBox->isEnabled());
            }

            // Page insert without pages marks the tab; nothing can be
            // applied or saved until a list is typed.
            setOn(tab->pageInsertButton, true);
            QCOMPARE(tab->pageInsertLabel->toolTip(), QStringLiteral("Please type a page range."));
            QVERIFY(tab->pageInsertLabel->text().contains(kMarkTag) && tab->isConstrained());
            QVERIFY(!okEnabled(d.data()) && !d->saveAsButton->isEnabled());
            QVERIFY(!d->buttonBox->button(QDialogButtonBox::Apply)->isEnabled());
            paste(tab->insertPagesEdit, QStringLiteral("4"));
            QVERIFY(okEnabled(d.data()) && d->saveAsButton->isEnabled());
            QVERIFY(!tab->pageInsertLabel->text().contains(kMarkTag));
            QVERIFY(boxes.texts.isEmpty());
        }
    }

    void germanTexts()
    {
        // The translator leaves the application when it goes.
        QTranslator translator;
        QVERIFY(translator.load(translationResourceFor(QStringLiteral("de_DE"))));
        QApplication::installTranslator(&translator);
        QScopedPointer<VelDialog> d(openDialog(queue));
        QVERIFY(d);
        PublishingTab *tab = d->publishingTab;
        QCOMPARE(d->tabWidget->tabText(d->tabs.indexOf(tab)), QStringLiteral("Publikation"));
        QCOMPARE(tab->frontBackRadio->text(), QStringLiteral("Vorder- und Rückseite"));
        QCOMPARE(tab->interleavePrintBox->text(), QStringLiteral("Zwischenblatt bedrucken"));
        setOn(tab->pageInsertButton, true);
        paste(tab->insertPagesEdit, QStringLiteral("1"));
        QCOMPARE(tab->pageInsertLabel->toolTip(),
                 QStringLiteral("Sie können nur Seitenzahlen zwischen 2 und 511 eingeben"));
    }

    void storedSettings()
    {
        QScopedPointer<VelDialog> d(openDialog(queue));
        QVERIFY(d);
        PublishingTab *tab = d->publishingTab;
        auto apply = [&]() {
            BoxCloser boxes;
            d->slotButtonApply();
            QCOMPARE(boxes.texts, QStringList() << QStringLiteral("Settings applied."));
        };
        // Front and back covers (front outside, back inside), page insert on
        // both sides before pages 3 to 5.
        setOn(tab->coverModeButton, true);
        tab->frontBackRadio->click();
        choose(tab->frontCoverSourceCombo, "Tray 1");
        setOn(tab->frontOutsideBox, true);
        setOn(tab->backInsideBox, true);
        setOn(tab->pageInsertButton, true);
        setOn(tab->insertFrontBox, true);
        setOn(tab->insertBackBox, true);
        choose(tab->insertSourceCombo, "Tray 1");
        paste(tab->insertPagesEdit, QStringLiteral("5,3,3-5"));
        apply();
        QCOMPARE(ownSettings(),
                 QStringList({"Pins=On", "VQCoverMedia2=Automatic", "VQCoverMedia=Tray 1", "VQPageinsertMedia=Tray 1",
                              "VqCoverModeEnabled=True", "VqCoverModeValue=9", "VqCovermodeRadioButtonState=2",
                              "VqIntLvEnabled=False", "VqIntLvValue=0", "VqPageInsertEnabled=True",
                              "VqPageinsertNums=3,4,5", "VqPageinsertValue=3"}));
        // Only printer options reach lpoptions.
        QFile lpoptions(home.path() + QStringLiteral("/.cups/lpoptions"));
        QVERIFY(lpoptions.open(QIODevice::ReadOnly));
        const QString defaults = QString::fromUtf8(lpoptions.readAll());
        QVERIFY2(defaults.contains("CvrM=Tray1") && defaults.contains("Pmed=Tray1"), qPrintable(defaults));
        QVERIFY(!defaults.contains("Vq") && !defaults.contains("3,4,5"));

        // Interleaving alone, printed on its backing.
        setOn(tab->pageInsertButton, false);
        setOn(tab->coverModeButton, false);
        setOn(tab->interleaveButton, true);
        setOn(tab->interleavePrintBox, true);
        choose(tab->interleaveSourceCombo, "Tray 1");
        apply();
        QCOMPARE(ownSettings(), QStringList({"Pins=Off", "VQTransparencyinterleavingMedia=Tray 1",
                                             "VqCoverModeEnabled=False", "VqIntLvEnabled=True", "VqIntLvValue=2",
                                             "VqPageInsertEnabled=False", "VqPageinsertValue=-1"}));
        setOn(tab->interleaveButton, false);
        apply();
        QCOMPARE(ownSettings(), QStringList({"Pins=Off", "VqCoverModeEnabled=False", "VqIntLvEnabled=False",
                                             "VqIntLvValue=0", "VqPageInsertEnabled=False", "VqPageinsertValue=-1"}));
    }

    void reloadedSettings()
    {
        QScopedPointer<VelDialog> d(openDialog(queue));
        QVERIFY(d);
        PublishingTab *tab = d->publishingTab;
        BoxCloser boxes;
        writeSettings("cCovBut=True\ncCovPOFO=True\nVqCoverModeEnabled=True\nVqCovermodeRadioButtonState=-1\n"
                      "VqCoverModeValue=16\nVqPageInsertEnabled=True\nVqPageinsertValue=3\nVqPageinsertNums=3,5\n");
        d->profileChanged();
        d->setConstraints();
        QVERIFY(tab->coverModeButton->isChecked() && tab->frontRadio->isChecked());
        for (QCheckBox *box : {tab->frontOutsideBox, tab->frontInsideBox, tab->backOutsideBox, tab->backInsideBox})
            QVERIFY(!box->isChecked());
        QVERIFY(tab->insertFrontBox->isChecked() && tab->insertBackBox->isChecked());
        QCOMPARE(tab->pageNumbers, QStringLiteral("3,5"));
        QVERIFY(okEnabled(d.data()));

        // A stored list the check refuses shows its message right away.
        writeSettings("VqPageInsertEnabled=True\nVqPageinsertValue=-1\nVqPageinsertNums=3,x5\n");
        d->profileChanged();
        d->setConstraints();
        QVERIFY(!tab->coverModeButton->isChecked() && !tab->insertFrontBox->isChecked());
        QCOMPARE(tab->pageInsertLabel->toolTip(), QStringLiteral("Please enter your specified pages."));
        QVERIFY(!okEnabled(d.data()) && boxes.texts.isEmpty());

        // A stored section the printer cannot offer stays off.
        writeSettings("VqIntLvEnabled=True\nVqIntLvValue=2\n", noBackQueue);
        QVERIFY(selectQueue(*d, noBackQueue));
        QVERIFY(!tab->interleaveButton->isChecked() && !tab->interleaveButton->isEnabled());
        d.reset();

        // Interleaving beside covers (a hand-edited file) loads off, whichever
        // of the two section buttons the dialog visits first.
        QSet<bool> orders;
        for (int attempt = 0; attempt < 16 && orders.size() < 2; ++attempt) {
            qSetGlobalQHashSeed(attempt == 0 ? 0 : -1);
            writeSettings("cCovBut=True\ncIntBut=True\ncIntPrn=True\nVqCoverModeEnabled=True\n"
                          "VqIntLvEnabled=True\nVqIntLvValue=2\n");
            d.reset(openDialog(queue));
            QVERIFY(d);
            tab = d->publishingTab;
            const QStringList keys = tab->getControls().keys();
            const bool coverFirst = keys.indexOf("cCovBut") < keys.indexOf("cIntBut");
            if (orders.contains(coverFirst))
                continue;
            orders.insert(coverFirst);
            QVERIFY(tab->coverModeButton->isChecked() && !tab->interleaveButton->isChecked());
            QVERIFY(!tab->interleaveButton->isEnabled() && !tab->interleavePrintBox->isChecked());
            QCOMPARE(currentOptionSet->findOption("cIntBut")->currentChoice()->keyword(), QStringLiteral("False"));
            QVERIFY(okEnabled(d.data()));
        }
        qSetGlobalQHashSeed(-1);
        QCOMPARE(orders.size(), 2);
    }
};

QTEST_MAIN(TestPublishingTab)
#include "test_publishing_tab.moc"
