// The Watermark tab in the main dialog against the private CUPS server:
// custom watermarks applied through the real lpoptions and read back by
// CUPS, the editor and both sections, odd stored files, German texts.
#include <QtTest>

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTranslator>

#include <sys/stat.h>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "tabs/general_tab.h"
#include "tabs/watermark_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

// The "CustomWatermarkStore" entries the tab hands to the settings file.
QStringList storeEntries(WatermarkTab *tab)
{
    return QMultiHash<QString, QString>(tab->extraOptions()).values(QStringLiteral("CustomWatermarkStore"));
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write((lines.join('\n') + '\n').toUtf8()) > 0;
}

// The option as CUPS gives it to this user (the user's lpoptions file over
// the server's defaults).
QString destOption(const QString &queue, const char *option)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    const char *value = dest ? cupsGetOption(option, dest->num_options, dest->options) : nullptr;
    const QString result = value ? QString::fromUtf8(value) : QStringLiteral("(unset)");
    cupsFreeDests(dest ? 1 : 0, dest);
    return result;
}

QStringList listTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The items after the list's separator.
QStringList customItems(const QComboBox *combo)
{
    const QStringList texts = listTexts(combo);
    const int separator = texts.indexOf(QString(), 1);
    return separator < 0 ? QStringList() : texts.mid(separator + 1);
}

} // namespace

class TestWatermarkTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { resetProgramState(); }
    void cleanupTestCase();
    void customWatermarkReachesCups_data();
    void customWatermarkReachesCups();
    void failedWriteKeepsOldLines();
    void editorAndSections();
    void shortListsReset_data();
    void shortListsReset();
    void oddStoredFiles_data();
    void oddStoredFiles();
    void germanTexts();

private:
    // A queue from the test PPD without the lines that name drop.
    QString queueFor(const QString &drop = QString());
    // A new dialog with the queue selected (its tabs reloaded), no box.
    VelDialog *openDialog(const QString &queue);
    // Apply; true when "Settings applied." was the only box.
    bool apply(VelDialog *dialog);
    QString settingsPath(const QString &queue) const { return temp.path() + "/user/" + queue + ".cfg"; }

    QTemporaryDir temp;
    QHash<QString, QString> queues;
    ModalWatchdog watchdog;
};

void TestWatermarkTab::initTestCase()
{
    if (geteuid() == 0)
        QSKIP("the dialog refuses to run as root");
    initOrdovanResources();
    QVERIFY(cupstest::usingPrivateServer() && temp.isValid() && QDir().mkpath(temp.path() + "/user"));
    // lpoptions writes, and CUPS reads, the user's file below HOME.
    qputenv("HOME", temp.path().toUtf8());
}

void TestWatermarkTab::cleanupTestCase()
{
    for (const QString &queue : qAsConst(queues))
        cupstest::removeQueue(queue);
}

QString TestWatermarkTab::queueFor(const QString &drop)
{
    QString ppd = QStringLiteral(ORDOVAN_TEST_DATA "/watermark-tab.ppd");
    if (!queues.contains(drop)) {
        const QString queue = cupstest::uniqueQueueName(QStringLiteral("Watermark"));
        const QStringList lines = fileLines(ppd).filter(QRegularExpression("^(?!.*" + drop + ")"));
        if (!drop.isEmpty() && !writeLines(ppd = temp.path() + "/" + queue + ".ppd", lines))
            return QString();
        if (cupstest::addQueue(queue, ppd))
            queues.insert(drop, queue);
    }
    return queues.value(drop);
}

VelDialog *TestWatermarkTab::openDialog(const QString &queue)
{
    resetProgramState();
    auto *dialog = new VelDialog(nullptr);
    userDir = temp.path() + QStringLiteral("/user/");
    BoxCloser boxes;
    if (queue.isEmpty() || !selectQueue(*dialog, queue) || !boxes.texts.isEmpty() || !currentOptionSet) {
        qWarning("selecting %s: %s", qPrintable(queue), qPrintable(boxes.texts.join('/')));
        delete dialog;
        return nullptr;
    }
    return dialog;
}

bool TestWatermarkTab::apply(VelDialog *dialog)
{
    BoxCloser boxes;
    dialog->slotButtonApply();
    qDebug("Apply: %s", qPrintable(boxes.texts.join('/')));
    return boxes.texts == QStringList(QCoreApplication::translate("VelDialog", "Settings applied."));
}

void TestWatermarkTab::customWatermarkReachesCups_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored"); // as the settings file holds it
    QTest::newRow("blank and !") << "Top secret!" << "Top secret!";
    QTest::newRow("equals sign") << "A=B" << "A=B";
    QTest::newRow("backslash and quotes") << "a\\b \"q\"" << "a\\\\b \"q\"";
    QTest::newRow("leading #") << "#1 Draft" << "#1 Draft";
}

void TestWatermarkTab::customWatermarkReachesCups()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    const QString queue = queueFor();
    {
        QScopedPointer<VelDialog> d(openDialog(queue));
        QVERIFY(d);
        WatermarkTab *tab = d->watermarkTab;
        tab->chkButWatermark->setChecked(true);
        // Typed as a user types it; a pasted tab is refused.
        tab->lnEditCustomWatermark->clear();
        QTest::keyClicks(tab->lnEditCustomWatermark, name);
        QApplication::clipboard()->setText(QStringLiteral("\tx"));
        tab->lnEditCustomWatermark->paste();
        QCOMPARE(tab->lnEditCustomWatermark->text(), name);
        tab->cmbBxWsze->setCurrentIndex(2);
        tab->cmbBxClr->setCurrentIndex(1);
        tab->cmbBxWtyp->setCurrentIndex(1);
        tab->chkBxWFlg->setChecked(true);
        tab->butNewCustomWatermark->click();
        QCOMPARE(tab->watermarkList->currentText(), name);
        QVERIFY(apply(d.data()));
    }
    // The angle stands where switching the section off left it.
    const QStringList lines = fileLines(settingsPath(queue));
    QVERIFY2(lines.contains("CustomWatermarkStore=" + stored + "=0 2 1 23 0 1 1"), qPrintable(lines.join('\n')));
    QVERIFY(lines.contains("CustomWatermarkSet=" + stored));
    QCOMPARE(destOption(queue, "Wtxt"), name);
    QCOMPARE(destOption(queue, "Wtyp"), QStringLiteral("Solid"));

    QScopedPointer<VelDialog> again(openDialog(queue));
    QVERIFY(again);
    WatermarkTab *tab = again->watermarkTab;
    QVERIFY(storeEntries(tab).contains(name + "=0 2 1 23 0 1 1"));
    QCOMPARE(customItems(tab->watermarkList).count(name), 1);
    QCOMPARE(tab->watermarkList->currentText(), name);
    QCOMPARE(tab->lnEditCustomWatermark->text(), name);
    QCOMPARE(tab->cmbBxWtyp->currentText(), QStringLiteral("Solid"));
}

void TestWatermarkTab::failedWriteKeepsOldLines()
{
    const QString queue = queueFor();
    QScopedPointer<VelDialog> d(openDialog(queue));
    QVERIFY(d && apply(d.data()));
    WatermarkTab *tab = d->watermarkTab;
    const QStringList before = fileLines(settingsPath(queue));
    tab->chkButWatermark->setChecked(true);
    tab->lnEditCustomWatermark->setText(QStringLiteral("Unwritten"));
    tab->butNewCustomWatermark->click();
    const QStringList store = tab->customWatermarks.keys();

    const QByteArray dir = QFile::encodeName(userDir);
    QVERIFY(::chmod(dir.constData(), 0555) == 0);
    BoxCloser boxes;
    d->slotButtonApply();
    QVERIFY(::chmod(dir.constData(), 0755) == 0);
    QCOMPARE(boxes.titles.value(0), QStringLiteral("Error"));
    QVERIFY(!boxes.texts.contains(QStringLiteral("Settings applied.")));
    QCOMPARE(fileLines(settingsPath(queue)), before);
    QCOMPARE(tab->customWatermarks.keys(), store);
    QCOMPARE(tab->watermarkList->currentText(), QStringLiteral("Unwritten"));
}

void TestWatermarkTab::editorAndSections()
{
    const QString queue = queueFor();
    QFile::remove(settingsPath(queue));
    QScopedPointer<VelDialog> d(openDialog(queue));
    QVERIFY(d);
    WatermarkTab *tab = d->watermarkTab;
    const QStringList predefined = listTexts(tab->watermarkList);
    QCOMPARE(predefined.size(), 7); // the printer's "Custom" is not listed
    QVERIFY(tab->customWatermarks.isEmpty());

    tab->chkButWatermark->setChecked(true);
    tab->lnEditCustomWatermark->setText(QStringLiteral("CONFIDENTIAL"));
    QVERIFY(!tab->butNewCustomWatermark->isEnabled());
    tab->lnEditCustomWatermark->setText(QStringLiteral("Confidential"));
    QVERIFY(tab->butNewCustomWatermark->isEnabled());

    // New, Save under another name (a rename), Delete.
    tab->lnEditCustomWatermark->setText(QStringLiteral("Mine"));
    tab->butNewCustomWatermark->click();
    tab->lnEditCustomWatermark->setText(QStringLiteral("Mine2"));
    tab->butSaveCustomWatermark->click();
    QCOMPARE(tab->customWatermarks.keys(), QStringList("Mine2"));
    QCOMPARE(customItems(tab->watermarkList), QStringList("Mine2"));
    QCOMPARE(tab->watermarkList->currentText(), QStringLiteral("Mine2"));
    QVERIFY(tab->butDeleteCustomWatermark->isEnabled());
    tab->butDeleteCustomWatermark->click();
    QVERIFY(tab->customWatermarks.isEmpty());
    QCOMPARE(listTexts(tab->watermarkList), predefined);

    // Save with an empty name keeps a predefined watermark's attributes and
    // lists nothing; with no item selected it keeps nothing, nor does Apply.
    tab->watermarkList->setCurrentIndex(predefined.indexOf(QStringLiteral("PROOF")));
    QVERIFY(tab->lnEditCustomWatermark->text().isEmpty());
    tab->butSaveCustomWatermark->click();
    tab->watermarkList->setCurrentIndex(-1);
    tab->butSaveCustomWatermark->click();
    QCOMPARE(storeEntries(tab).size(), 1);
    QCOMPARE(tab->customWatermarks.keys(), QStringList("PROOF"));
    QCOMPARE(listTexts(tab->watermarkList), predefined);

    // A grey colour model blocks every colour but black.
    tab->cmbBxClr->setCurrentIndex(0);
    d->generalTab->colorModeGroup->buttonList().at(1)->click(); // the Basic tab's "Black & white"
    d->setConstraints();
    QCOMPARE(tab->cmbBxClr->currentText(), QStringLiteral("Black"));
    auto *colours = qobject_cast<QStandardItemModel *>(tab->cmbBxClr->model());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(colours->item(i)->isEnabled(), i == 3);
    // The tab's own rules block them too, without the import's.
    vOptionSet own;
    for (const QStringList &option :
         {QStringList{"ColorModel", "CMYK", "Gray"}, {"Wclr", "Red", "Green", "Blue", "Black"}}) {
        auto *o = new vOption(option.first(), option.first());
        for (const QString &choice : option.mid(1))
            o->addChoice(choice, choice);
        own.insertOption(o);
    }
    vOptionSet *store = std::exchange(currentOptionSet, &own);
    tab->addCustomConstraints();
    own.markOptionChoice("ColorModel", "Gray");
    currentOptionSet = store;
    for (const char *colour : {"Red", "Green", "Blue", "Black"})
        QCOMPARE(own.findOption("Wclr")->findChoice(colour)->hasConstraints(), QByteArray(colour) != "Black");

    // Switched off: reset, "Wren" false, every control off through passes.
    tab->watermarkList->setCurrentIndex(0);
    tab->cmbBxWtrans->setCurrentIndex(1);
    tab->chkButWatermark->setChecked(false);
    for (int pass = 0; pass < 3; ++pass)
        d->setConstraints();
    QCOMPARE(QList<int>() << tab->cmbBxWsze->currentIndex() << tab->cmbBxClr->currentIndex()
                          << tab->cmbBxWang->currentIndex() << tab->cmbBxWtrans->currentIndex(),
             QList<int>() << 8 << 3 << 23 << 0);
    for (QWidget *dependent : tab->chkButWatermark->dependents())
        QVERIFY2(!dependent->isEnabled(), qPrintable(dependent->objectName()));

    // The super watermark, its button enabled and unchecked, goes as "None".
    QVERIFY(tab->chkButSuperWatermark->isEnabled() && !tab->chkButSuperWatermark->isChecked());
    QVERIFY(apply(d.data()));
    const QStringList lines = fileLines(settingsPath(queue));
    QVERIFY2(lines.contains(QStringLiteral("Wren=False;False")), qPrintable(lines.join('\n')));
    QVERIFY(lines.contains(QStringLiteral("VZSuperWatermark=None;None")));
    QCOMPARE(destOption(queue, "VZSuperWatermark"), QStringLiteral("None"));
}

// A printer whose size or angle list is too short for the reset indexes
// shows its default there, else the first item; never an empty box.
void TestWatermarkTab::shortListsReset_data()
{
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("angle");
    QTest::newRow("two sizes, three angles: defaults") << "(Wsze (?!12/|48/)|Wang (?!0/|45/|90/))" << "48" << "45";
    QTest::newRow("defaults not listed: first items") << "(Wsze (?!12/|18/)|Wang (?!0/|90/))" << "12" << "0";
}

void TestWatermarkTab::shortListsReset()
{
    QFETCH(QString, drop);
    QFETCH(QString, size);
    QFETCH(QString, angle);
    const QString queue = queueFor(drop);
    QFile::remove(settingsPath(queue));
    QScopedPointer<VelDialog> d(openDialog(queue));
    QVERIFY(d);
    WatermarkTab *tab = d->watermarkTab;
    QVERIFY(tab->cmbBxWang->count() < 24 && tab->cmbBxWsze->count() < 9);
    for (bool on : {true, false, true}) {
        tab->chkButWatermark->setChecked(on);
        QCOMPARE(tab->cmbBxWsze->currentText(), size);
        QCOMPARE(tab->cmbBxWang->currentText(), angle);
    }
    const QHash<QString, QString> values = tab->collectOptions();
    QCOMPARE(values.value(QStringLiteral("Wsze")), size);
    QCOMPARE(values.value(QStringLiteral("Wang")), angle);
}

void TestWatermarkTab::oddStoredFiles_data()
{
    QTest::addColumn<QString>("drop"); // PPD lines left out of the queue
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("store");
    QTest::addColumn<QStringList>("listed");
    const QString key = QStringLiteral("CustomWatermarkStore=");
    QString longNumbers = QStringLiteral("7 8 9 10 11 12 1");
    while (longNumbers.size() < 200)
        longNumbers += QStringLiteral(" 4");

    QTest::newRow("later duplicate wins") << QString() << QStringList{key + "Dup=1 2 3 4 5 6 1", key + "Dup=2 3 0 5 1 1 0"}
                                          << QStringList{"Dup=2 3 0 5 1 1 0"} << QStringList{"Dup"};
    QTest::newRow("no equals sign") << QString() << QStringList{key + "Plain"} << QStringList{"Plain=0 0 0 0 0 0 0"}
                                    << QStringList{"Plain"};
    QTest::newRow("few numbers, blanks") << QString() << QStringList{key + "Few=  3   -4"}
                                         << QStringList{"Few=3 -4 0 0 0 0 0"} << QStringList{"Few"};
    QTest::newRow("200-byte number part")
        << QString() << QStringList{key + "Long=" + longNumbers, key + "Huge=" + QString(200, '9'), key + "After=1 x2 3"}
        << QStringList{"After=1 0 3 0 0 0 0", "Huge=2147483647 0 0 0 0 0 0", "Long=7 8 9 10 11 12 1"}
        << QStringList{"After", "Huge", "Long"};
    QTest::newRow("predefined name: stored, not listed") << QString() << QStringList{key + "FINAL=0 1 2 3 0 1 0"}
                                                         << QStringList{"FINAL=0 1 2 3 0 1 0"} << QStringList();
    QTest::newRow("empty name") << QString() << QStringList{key + "=1 2 3 4 5 6 1"} << QStringList() << QStringList();
    QTest::newRow("no watermark text: no keys") << QStringLiteral("Wtxt")
                                                << QStringList{key + "X=1 1 1 1 1 1 1", "CustomWatermarkSet=X"}
                                                << QStringList() << QStringList();
    QTest::newRow("no default text: no entry") << QStringLiteral("DefaultWtxt") << QStringList() << QStringList()
                                               << QStringList();
    QTest::newRow("strong super watermark: on") << QString() << QStringList{"VZSuperWatermark=SFPattern;None"}
                                                << QStringList() << QStringList();
}

void TestWatermarkTab::oddStoredFiles()
{
    QFETCH(QString, drop);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, store);
    QFETCH(QStringList, listed);
    const QString queue = queueFor(drop);
    QVERIFY(writeLines(settingsPath(queue), QStringList("Wren=False;False") + lines));
    QScopedPointer<VelDialog> d(openDialog(queue));
    QVERIFY(d);
    WatermarkTab *tab = d->watermarkTab;
    QCOMPARE(customItems(tab->watermarkList), listed);
    // A stored super watermark is on, and sent, also without its switch's line.
    const QString super = lines.filter("VZSuperWatermark=").value(0).section('=', 1).section(';', 0, 0);
    QCOMPARE(tab->chkButSuperWatermark->isChecked(), !super.isEmpty());
    QCOMPARE(tab->collectOptions().value("VZSuperWatermark"), super.isEmpty() ? "None" : super);
    QCOMPARE(listTexts(tab->watermarkList).count(QStringLiteral("FINAL")), drop == QLatin1String("Wtxt") ? 0 : 1);
    QStringList written = storeEntries(tab);
    written.sort();
    QCOMPARE(written, store);
}

void TestWatermarkTab::germanTexts()
{
    // libcups settles the language once per process: this case runs in a
    // process of its own under LANG=de_DE.UTF-8 (see CMakeLists.txt).
    if (!qgetenv("LANG").startsWith("de") || qEnvironmentVariableIsSet("LC_ALL"))
        QSKIP("runs under LANG=de_DE.UTF-8 only");
    QTranslator translator;
    QVERIFY(translator.load(translationResourceFor(QLocale::system().name())));
    QApplication::installTranslator(&translator);
    const QString queue = queueFor(QStringLiteral("ColorModel"));
    {
        QScopedPointer<VelDialog> d(openDialog(queue));
        QVERIFY(d);
        WatermarkTab *tab = d->watermarkTab;
        QCOMPARE(d->tabWidget->tabText(d->tabs.indexOf(tab)), QStringLiteral("Wasserzeichen"));
        QVERIFY(!listTexts(tab->watermarkList).contains(QStringLiteral("Benutzerdefiniert")));
        QVERIFY(!listTexts(tab->cmbBxSuperWatermark).contains(QStringLiteral("Keine")));
        QCOMPARE(tab->collectOptions().value(QStringLiteral("VZSuperWatermark")), QStringLiteral("None"));
        // Without a colour model the colour box stands at black.
        QCOMPARE(tab->cmbBxClr->currentText(), QStringLiteral("Schwarz"));
        QVERIFY(!tab->cmbBxClr->isEnabled());

        // A predefined watermark in the printer's words, applied twice.
        tab->chkButWatermark->setChecked(true);
        tab->watermarkList->setCurrentIndex(tab->watermarkList->findText(QStringLiteral("ENTWURF")));
        tab->cmbBxWsze->setCurrentIndex(1);
        QVERIFY(apply(d.data()) && apply(d.data()));
        QCOMPARE(destOption(queue, "Wtxt"), QStringLiteral("Draft"));
        QCOMPARE(listTexts(tab->watermarkList).count(QStringLiteral("ENTWURF")), 1);
    }
    QVERIFY(fileLines(settingsPath(queue)).contains(QStringLiteral("CustomWatermarkSet=ENTWURF")));
    QScopedPointer<VelDialog> again(openDialog(queue));
    QVERIFY(again);
    WatermarkTab *tab = again->watermarkTab;
    QCOMPARE(tab->watermarkList->currentText(), QStringLiteral("ENTWURF"));
    QCOMPARE(listTexts(tab->watermarkList).count(QStringLiteral("ENTWURF")), 1);
    QCOMPARE(tab->cmbBxWsze->currentIndex(), 1);
    QCOMPARE(tab->collectOptions().value(QStringLiteral("Wtxt")), QStringLiteral("Draft"));
    QApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestWatermarkTab)
#include "test_watermark_tab.moc"
