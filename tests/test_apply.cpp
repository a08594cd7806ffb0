// Apply, OK and Cancel of the main dialog against the private CUPS server:
// the settings file, one lpoptions run with the queue's defaults, other
// applications' files, the error and success boxes, Cancel's
// resynchronisation and the root road for installable options.

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <functional>
#include <unistd.h>

#include "app/apply_commands.h"
#include "app/password_prompt.h"
#include "app/program_state.h"
#include "app/resources_init.h"
#include "app/vel_dialog.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "support/cups_test_util.h"
#include "support/file_test_util.h"
#include "support/rootwriter_test_util.h"
#include "ui/option_widgets.h"
#include "ui/printer_tab.h"
#include "ui/tab.h"
#include "ui/vel_tab_widget.h"

namespace {

// Closes the modal boxes that open while it lives and records them as
// "title|text"; a password prompt is answered with the given password.
class ModalHandler : public dialogtest::ModalPoller
{
public:
    explicit ModalHandler(const QString &password = QString())
        : ModalPoller([this](QWidget *modal) { handle(modal); })
        , password(password)
    {
    }
    QStringList seen;

private:
    void handle(QWidget *modal)
    {
        if (handled.contains(modal))
            return;
        handled << modal;
        if (auto *prompt = qobject_cast<PasswordPrompt *>(modal)) {
            seen << QStringLiteral("Prompt|") + prompt->windowTitle();
            prompt->passwordEdit->setText(password);
            QTimer::singleShot(0, prompt, [prompt]() { prompt->okButtonSlot(); });
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << dialogtest::boxLine(box);
            QTimer::singleShot(0, box, [box]() { box->done(0); });
        } else {
            seen << modal->metaObject()->className() + QStringLiteral("|") + modal->windowTitle();
            QTimer::singleShot(0, modal, [modal]() { modal->close(); });
        }
    }

    QString password;
    QList<QWidget *> handled;
};

// A settings tab of the test that binds a few printer options to combo
// boxes and adds one setting of its own.
class ApplyTestTab : public Tab
{
public:
    ApplyTestTab(QWidget *dialog, const QStringList &keywords)
        : Tab(dialog)
    {
        for (const QString &keyword : keywords) {
            auto *combo = new ComboBoxEx();
            combo->setParent(this);
            combo->setAccessibleName(QStringLiteral("cmbBx") + keyword);
            controls.insert(keyword, combo);
        }
        buildWidgets();
        connectSignals();
    }
    void setTabName() override { tabName = QStringLiteral("ApplyTest"); }
    void buildWidgets() override { tabName = QStringLiteral("ApplyTest"); }
    bool hasOptions() override { return currentOptionSet != nullptr; }
    QHash<QString, QString> extraOptions() override
    {
        QHash<QString, QString> extra;
        extra.insert(QStringLiteral("ApplyNote"), QStringLiteral("kept out"));
        return extra;
    }
    ComboBoxEx *combo(const QString &keyword) const { return qobject_cast<ComboBoxEx *>(controls.value(keyword)); }
};

using filetest::readFile;

bool writeFile(const QString &path, const QByteArray &data, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(data);
    file.close();
    if (executable)
        return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

QStringList fileLines(const QString &path)
{
    return QString::fromUtf8(readFile(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool selectQueue(VelDialog &dialog, const QString &queue)
{
    QTableWidget *table = dialog.printerTab->printerTable;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == queue) {
            table->setCurrentCell(row, 0);
            return currentOptionSet && currentOptionSet->printerName() == queue;
        }
    }
    return false;
}

bool chooseText(QComboBox *combo, const QString &text)
{
    const int index = combo ? combo->findText(text) : -1;
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

const QString successBox = QStringLiteral("Success|Settings applied.");
const QString printerErrorBox = QStringLiteral("Error|Error: Printer does not exist or lpoptions failed.");

} // namespace

class TestApply : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void lpoptionsArgumentsFollowTopLevelGroups();
    void firstSelectionWritesSettingsAndDefaults();
    void applyAfterChange();
    void failingOrHangingLpoptions();
    void removedQueue();
    void queueWithoutDescription();
    void noPrinterSelected();
    void cancelResynchronises();
    void unwritableSettingsFileStillApplies();
    void rootRoad();

private:
    // A dialog with the test tab, its queue selected.
    VelDialog *openDialog(const QString &queue, ApplyTestTab **tab = nullptr);
    QString settingsPath(const QString &queue) const { return userDir + queue + ".cfg"; }
    void useStandIn(const QByteArray &script);

    QTemporaryDir home;
    QTemporaryDir users;
    QTemporaryDir bin;
    QByteArray savedPath;
    QByteArray savedHome;
    QString queue;
    QString logPath;
};

void TestApply::initTestCase()
{
    if (geteuid() == 0)
        QSKIP("the dialog refuses to run as root");
    initOrdovanResources();
    QVERIFY(cupstest::usingPrivateServer());
    QVERIFY(home.isValid() && users.isValid() && bin.isValid());
    savedPath = qgetenv("PATH");
    savedHome = qgetenv("HOME");
    // Other applications' files and the user's lpoptions live below HOME.
    qputenv("HOME", home.path().toUtf8());
    queue = cupstest::uniqueQueueName(QStringLiteral("ApplyQueue"));
    QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    logPath = bin.path() + "/lpoptions.args";
}

void TestApply::init()
{
    currentOptionSet = nullptr;
    settingsSource.clear();
    printerSet.clear();
    userDir = users.path() + "/user/";
    qputenv("PATH", savedPath);
}

void TestApply::cleanup()
{
    qputenv("PATH", savedPath);
    currentOptionSet = nullptr;
}

void TestApply::cleanupTestCase()
{
    if (!queue.isEmpty())
        cupstest::removeQueue(queue);
    qputenv("HOME", savedHome);
}

void TestApply::useStandIn(const QByteArray &script)
{
    QVERIFY(writeFile(bin.path() + "/lpoptions", "#!/bin/sh\n" + script, true));
    qputenv("PATH", bin.path().toUtf8() + ":" + savedPath);
}

VelDialog *TestApply::openDialog(const QString &name, ApplyTestTab **tab)
{
    auto *dialog = new VelDialog(nullptr);
    userDir = users.path() + "/user/";
    auto *testTab = new ApplyTestTab(dialog, {QStringLiteral("PageSize"), QStringLiteral("Duplex"),
                                              QStringLiteral("VelToner")});
    dialog->tabs.append(testTab);
    dialog->tabWidget->addTab(testTab, testTab->tabIcon(), testTab->getTabName());
    if (tab)
        *tab = testTab;
    if (name.isEmpty())
        return dialog;
    // Choosing the queue shows no box, also when it writes the queue's
    // settings for the first time.
    ModalHandler boxes;
    if (!selectQueue(*dialog, name) || !boxes.seen.isEmpty()) {
        qWarning("selecting %s: %s", qPrintable(name), qPrintable(boxes.seen.join(QLatin1Char('/'))));
        delete dialog;
        return nullptr;
    }
    return dialog;
}

void TestApply::lpoptionsArgumentsFollowTopLevelGroups()
{
    // Options of subgroups and settings the description does not know stay
    // out; blanks and quotes in values arrive as one argument.
    ppd_file_t *ppd = ppdOpenFile(ORDOVAN_TEST_DATA "/apply-basic.ppd");
    QVERIFY(ppd);
    QHash<QString, QString> options;
    options.insert(QStringLiteral("PageSize"), QStringLiteral("A5"));
    options.insert(QStringLiteral("Duplex"), QString());
    options.insert(QStringLiteral("VelToner"), QStringLiteral("Light \"x\" y"));
    options.insert(QStringLiteral("ApplyNote"), QStringLiteral("kept out"));
    QCOMPARE(lpoptionsArguments(ppd, QStringLiteral("Q"), options),
             QStringList() << "-p" << "Q" << "-o" << "PageSize=A5" << "-o" << "VelToner=Light \"x\" y");

    // Move VelToner's group below the first group as a subgroup.
    ppd_group_t *quality = nullptr;
    for (int i = 0; i < ppd->num_groups; ++i) {
        if (qstrcmp(ppd->groups[i].name, "Quality") == 0)
            quality = &ppd->groups[i];
    }
    QVERIFY(quality);
    ppd_group_t sub = *quality;
    ppd_group_t saved = *quality;
    quality->num_options = 0;
    ppd->groups[0].num_subgroups = 1;
    ppd->groups[0].subgroups = &sub;
    QCOMPARE(lpoptionsArguments(ppd, QStringLiteral("Q"), options),
             QStringList() << "-p" << "Q" << "-o" << "PageSize=A5");
    ppd->groups[0].num_subgroups = 0;
    ppd->groups[0].subgroups = nullptr;
    *quality = saved;
    ppdClose(ppd);

    QCOMPARE(lpoptionsArguments(nullptr, QStringLiteral("Q"), options), QStringList() << "-p" << "Q");
    QHash<QString, QString> installed;
    installed.insert(QStringLiteral("Option17"), QStringLiteral("One"));
    QCOMPARE(installedOptionsArgs(installed), QStringLiteral("Option17=One "));
}

void TestApply::firstSelectionWritesSettingsAndDefaults()
{
    QFile::remove(settingsPath(queue));
    QScopedPointer<VelDialog> d(openDialog(queue));
    QVERIFY(d);

    const QStringList lines = fileLines(settingsPath(queue));
    QVERIFY2(lines.contains(QStringLiteral("PageSize=A4;A4")), qPrintable(lines.join(" ")));
    QVERIFY(lines.contains(QStringLiteral("Duplex=None;None")));
    QVERIFY(lines.contains(QStringLiteral("VelToner=Off;Off")));
    QVERIFY(lines.contains(QStringLiteral("ApplyNote=kept out")));
    // The installed options never go to the settings file.
    QVERIFY(!lines.join(QLatin1Char(' ')).contains(QLatin1String("Option17")));

    const QString lpoptions = QString::fromUtf8(readFile(home.path() + "/.cups/lpoptions"));
    QVERIFY2(lpoptions.contains(queue), qPrintable(lpoptions));
    QVERIFY(lpoptions.contains(QLatin1String("PageSize=A4")));
    QVERIFY(lpoptions.contains(QLatin1String("VelToner=Off")));
    QVERIFY(!lpoptions.contains(QLatin1String("ApplyNote")));
}

void TestApply::applyAfterChange()
{
    const QString pageSetup = home.path() + "/.local/share/gedit/gedit-page-setup";
    const QString evince = home.path() + "/.config/evince/print-settings";
    const QString decoy = home.path() + "/backup/evince/print-settings.bak";
    QVERIFY(writeFile(pageSetup, "[Page Setup]\nPPDName=A5\n"));
    QVERIFY(writeFile(evince, "x"));
    QVERIFY(writeFile(decoy, "keep"));

    ApplyTestTab *tab = nullptr;
    QScopedPointer<VelDialog> d(openDialog(queue, &tab));
    QVERIFY(d);
    QVERIFY(chooseText(tab->combo(QStringLiteral("PageSize")), QStringLiteral("Letter")));
    QVERIFY(chooseText(tab->combo(QStringLiteral("VelToner")), QStringLiteral("Strong")));

    // The real lpoptions, with its arguments recorded on the way.
    useStandIn("printf '%s\\n' \"$@\" > '" + logPath.toUtf8() + "'\nexec " +
               QStandardPaths::findExecutable(QStringLiteral("lpoptions"), savedPath.isEmpty() ? QStringList()
                   : QString::fromUtf8(savedPath).split(':')).toUtf8() + " \"$@\"\n");
    ModalHandler boxes;
    d->slotButtonApply();
    QCOMPARE(boxes.seen, QStringList() << successBox);

    const QStringList lines = fileLines(settingsPath(queue));
    QVERIFY(lines.contains(QStringLiteral("PageSize=Letter;A4")));
    QVERIFY(lines.contains(QStringLiteral("VelToner=Strong;Off")));
    const QStringList args = fileLines(logPath);
    QCOMPARE(args.mid(0, 2), QStringList() << "-p" << queue);
    QVERIFY(args.contains(QStringLiteral("PageSize=Letter")));
    QVERIFY(args.contains(QStringLiteral("VelToner=Strong")));
    QVERIFY(!args.join(' ').contains(QLatin1String("ApplyNote")));
    QVERIFY(!args.join(' ').contains(QLatin1String("Option17")));
    QVERIFY(QString::fromUtf8(readFile(home.path() + "/.cups/lpoptions")).contains(QLatin1String("PageSize=Letter")));

    // Other applications follow.
    QVERIFY(readFile(pageSetup).startsWith("[Page Setup]\nPPDName=Letter\nDisplayName=US Letter\n"));
    QVERIFY(!QFile::exists(evince));
    QCOMPARE(readFile(decoy), QByteArray("keep"));
}

void TestApply::failingOrHangingLpoptions()
{
    ApplyTestTab *tab = nullptr;
    QScopedPointer<VelDialog> d(openDialog(queue, &tab));
    QVERIFY(d);
    const QString pageSetup = home.path() + "/.local/share/gedit/gedit-page-setup";
    QVERIFY(writeFile(pageSetup, "untouched"));
    QVERIFY(chooseText(tab->combo(QStringLiteral("PageSize")), QStringLiteral("A5")));
    d->tabWidget->setCurrentIndex(2);

    useStandIn("exit 1\n");
    {
        ModalHandler boxes;
        d->slotButtonApply();
        QCOMPARE(boxes.seen, QStringList() << printerErrorBox);
    }
    QCOMPARE(d->tabWidget->currentIndex(), 0);
    // The settings file was written before lpoptions ran; the other
    // applications' files were not touched.
    QVERIFY(fileLines(settingsPath(queue)).contains(QStringLiteral("PageSize=A5;A4")));
    QCOMPARE(readFile(pageSetup), QByteArray("untouched"));

    // OK shows the error and still closes the dialog.
    d->show();
    {
        ModalHandler boxes;
        d->accept();
        QCOMPARE(boxes.seen, QStringList() << printerErrorBox);
    }
    QVERIFY(!d->isVisible());

    useStandIn("sleep 120\n");
    QElapsedTimer clock;
    clock.start();
    {
        ModalHandler boxes;
        d->slotButtonApply();
        QCOMPARE(boxes.seen, QStringList() << printerErrorBox);
    }
    QVERIFY(clock.elapsed() < 60000);
}

void TestApply::removedQueue()
{
    const QString doomed = cupstest::uniqueQueueName(QStringLiteral("ApplyGone"));
    QVERIFY(cupstest::addQueue(doomed, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    QScopedPointer<VelDialog> d(openDialog(doomed));
    QVERIFY(d);
    QVERIFY(QFile::exists(settingsPath(doomed)));
    QFile::remove(settingsPath(doomed));
    QVERIFY(cupstest::removeQueue(doomed));

    ModalHandler boxes;
    d->slotButtonApply();
    QVERIFY(!boxes.seen.isEmpty());
    QCOMPARE(boxes.seen.first(), printerErrorBox);
    QVERIFY(!boxes.seen.contains(successBox));
    QVERIFY(!QFile::exists(settingsPath(doomed)));
}

void TestApply::queueWithoutDescription()
{
    // A queue that lost its printer description between selection and
    // Apply: the error box, no crash and no success.
    const QString raw = cupstest::uniqueQueueName(QStringLiteral("ApplyRaw"));
    QVERIFY(cupstest::addQueue(raw, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    QScopedPointer<VelDialog> d(openDialog(raw));
    QVERIFY(d);
    QVERIFY(cupstest::runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), raw, QStringLiteral("-m"),
                                                          QStringLiteral("raw")}));
    ModalHandler boxes;
    d->slotButtonApply();
    QVERIFY(!boxes.seen.isEmpty());
    QCOMPARE(boxes.seen.first(), printerErrorBox);
    QVERIFY(!boxes.seen.contains(successBox));
    d.reset();
    cupstest::removeQueue(raw);
}

void TestApply::noPrinterSelected()
{
    QScopedPointer<VelDialog> d(openDialog(QString()));
    d->show();
    ModalHandler boxes;
    d->accept();
    QCOMPARE(boxes.seen, QStringList() << "|Select a printer.");
    QVERIFY(!d->isVisible());
}

void TestApply::cancelResynchronises()
{
    QScopedPointer<VelDialog> d(openDialog(queue));
    QVERIFY(d);
    QCOMPARE(settingsSource, settingsPath(queue));
    QVERIFY(writeFile(settingsPath(queue), "Duplex=DuplexTumble;DuplexNoTumble\n"
                                           "VelToner=Light;Off\n"
                                           "PageSize=Letter\n"
                                           "ApplyNote=x;y\n"));
    ModalHandler boxes;
    d->reject();
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(fileLines(settingsPath(queue)), QStringList() << "Duplex=None;None"
                                                           << "VelToner=Light;Off"
                                                           << "PageSize=Letter"
                                                           << "ApplyNote=x;y");

    // With factory defaults (the directory itself) nothing is rewritten.
    QScopedPointer<VelDialog> again(openDialog(queue));
    QVERIFY(again);
    settingsSource = userDir;
    const QByteArray before = readFile(settingsPath(queue));
    again->reject();
    QCOMPARE(readFile(settingsPath(queue)), before);
}

void TestApply::unwritableSettingsFileStillApplies()
{
    // A settings file that cannot be replaced (a directory stands in its
    // place) gets its own box; the queue's defaults are applied all the same.
    ApplyTestTab *tab = nullptr;
    QScopedPointer<VelDialog> d(openDialog(queue, &tab));
    QVERIFY(d);
    QVERIFY(QFile::remove(settingsPath(queue)) && QDir().mkpath(settingsPath(queue) + "/blocked"));
    QVERIFY(chooseText(tab->combo(QStringLiteral("PageSize")), QStringLiteral("A5")));
    {
        ModalHandler boxes;
        d->slotButtonApply();
        QCOMPARE(boxes.seen, QStringList() << "Error|Error: The settings file could not be written.");
    }
    QVERIFY(QString::fromUtf8(readFile(home.path() + "/.cups/lpoptions")).contains(QLatin1String("PageSize=A5")));
    QVERIFY(QDir(settingsPath(queue)).removeRecursively());
}

void TestApply::rootRoad()
{
    ROOTWRITER_REQUIRE();
    rootWriterPath = rootwritertest::writer();
    const QString password = rootwritertest::password();

    const QString rootQueue = cupstest::uniqueQueueName(QStringLiteral("ApplyRoot"));
    QVERIFY(cupstest::addQueue(rootQueue, QStringLiteral(ORDOVAN_TEST_DATA "/apply-basic.ppd")));
    ApplyTestTab *tab = nullptr;
    QScopedPointer<VelDialog> d(openDialog(rootQueue, &tab));
    QVERIFY(d);
    QComboBox *cassette = nullptr;
    const QList<QComboBox *> combos = d->printerTab->findChildren<QComboBox *>();
    for (QComboBox *combo : combos) {
        if (combo->accessibleName() == QLatin1String("cmbBxOption17"))
            cassette = combo;
    }
    QVERIFY(cassette);
    QVERIFY(chooseText(cassette, QStringLiteral("One Feeder")));
    QVERIFY(d->printerTab->installedOptionsChanged());
    QVERIFY(chooseText(tab->combo(QStringLiteral("PageSize")), QStringLiteral("Letter")));

    // A wrong password: "Could not authorize.", nothing written, and OK
    // leaves the dialog open.
    const QByteArray settingsBefore = readFile(settingsPath(rootQueue));
    d->show();
    {
        ModalHandler boxes(password + "wrong");
        d->accept();
        QCOMPARE(boxes.seen, QStringList() << "Prompt|Password Prompt" << "Error|Could not authorize.");
    }
    QVERIFY(d->isVisible());
    QVERIFY(!d->applyOk);
    QCOMPARE(cupstest::queueDefault(rootQueue, "Option17"), QStringLiteral("None"));
    QCOMPARE(readFile(settingsPath(rootQueue)), settingsBefore);
    QVERIFY(d->printerTab->installedOptionsChanged());

    // The right password: the writer sets the default, then the settings
    // file and lpoptions follow, "Settings applied." and OK closes.
    {
        ModalHandler boxes(password);
        d->accept();
        QCOMPARE(boxes.seen, QStringList() << "Prompt|Password Prompt" << successBox);
    }
    QVERIFY(!d->isVisible());
    QCOMPARE(cupstest::queueDefault(rootQueue, "Option17"), QStringLiteral("One"));
    QVERIFY(!d->printerTab->installedOptionsChanged());
    QVERIFY(fileLines(settingsPath(rootQueue)).contains(QStringLiteral("PageSize=Letter;A4")));

    d.reset();
    cupstest::removeQueue(rootQueue);
}

QTEST_MAIN(TestApply)
#include "test_apply.moc"
