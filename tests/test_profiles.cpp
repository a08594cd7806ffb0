// The profile list, save and edit dialogs on the main dialog with a queue of
// the private CUPS server, in a temporary per-user directory.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/resources_init.h"
#include "dialog_test_util.h"
#include "model/option_model.h"
#include "profiles/profile_dialog.h"
#include "profiles/profile_edit_dialog.h"
#include "profiles/profile_files.h"
#include "profiles/profile_save_dialog.h"
#include "profiles/tab_list_ref.h"
#include "support/cups_test_util.h"

using profiles::NameProblem;
Q_DECLARE_METATYPE(NameProblem)

namespace {

// Answers every message box at once and records it as "title|text".
struct Boxes : dialogtest::ModalPoller
{
    Boxes()
        : ModalPoller([this](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                seen << dialogtest::boxLine(box), box->done(QMessageBox::Ok);
        })
    {
    }
    QStringList seen;
};

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<none>";
}

void put(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size());
}

QString cfg(const QString &name) { return userDir + name + ".cfg"; }

void useCodec(const char *name) { QTextCodec::setCodecForLocale(QTextCodec::codecForName(name)); }

void click(QDialogButtonBox *box, QDialogButtonBox::ButtonRole role)
{
    for (QAbstractButton *b : box->buttons())
        if (box->buttonRole(b) == role)
            b->click();
}

// Group titles, and "group/label=value" for every detail row.
QStringList details(QTreeWidget *tree)
{
    QStringList out;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = tree->topLevelItem(g);
        out << group->text(0);
        for (int c = 0; c < group->childCount(); ++c)
            out << group->text(0) + '/' + group->child(c)->text(0) + '=' + group->child(c)->text(1);
    }
    return out;
}

const QByteArray model = "[Profile]\n[WR Sample]\n";

} // namespace

class TestProfiles : public QObject
{
    Q_OBJECT

    QTemporaryDir base;
    QString queue;
    QScopedPointer<VelDialog> d;
    QScopedPointer<Boxes> boxes;
    ProfileDialog *list = nullptr;
    int userCount = 0;

    QStringList rows()
    {
        QStringList names;
        for (int r = 0; r < list->profileTable->rowCount(); ++r)
            names << list->profileTable->item(r, 0)->text();
        return names;
    }

    void select(const QString &name)
    {
        list->fillProfileTable();
        QVERIFY2(rows().contains(name), qPrintable(name));
        list->profileTable->setCurrentCell(rows().indexOf(name), 0);
    }

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the dialog refuses to run as root");
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        qputenv("HOME", base.path().toUtf8());
        modelPpdDir = base.path() + "/models/";
        cupsPpdDir = base.path() + "/cups-ppd/";
        QVERIFY(QDir().mkpath(modelPpdDir + "WR") && QDir().mkpath(cupsPpdDir));
        const QString ppd = ORDOVAN_TEST_DATA "/profile-wr.ppd";
        for (const QString &copy : {modelPpdDir + "WR_Sample.ppd", modelPpdDir + "WR_Sample_Monochrome.ppd",
                                    base.path() + "/outside.ppd"})
            QVERIFY(QFile::copy(ppd, copy));
        QCOMPARE(::mkfifo(QFile::encodeName(modelPpdDir + "WR_Fifo.ppd").constData(), 0600), 0);
        put(cupsPpdDir + "Office.ppd", "");
        put(cupsPpdDir + "Lab.Colour.ppd", "");
        queue = cupstest::uniqueQueueName("ProfQ");
        QVERIFY(cupstest::addQueue(queue, ppd));
    }

    // A fresh main dialog, per-user directory and box answerer for each test.
    void init()
    {
        dialogtest::resetProgramState();
        useCodec("UTF-8");
        d.reset(new VelDialog(nullptr));
        userDir = base.path() + QStringLiteral("/user%1/").arg(++userCount);
        boxes.reset(new Boxes);
        QVERIFY(dialogtest::selectQueue(*d, queue) && currentOptionSet);
        QVERIFY(QDir().mkpath(userDir));
        list = d->profileDialog;
    }

    void cleanup() { QCOMPARE(boxes->seen, QStringList()); }

    void cleanupTestCase() { d.reset(), cupstest::removeQueue(queue); }

    void nameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("description");
        QTest::addColumn<NameProblem>("problem");
        const QList<std::tuple<const char *, QString, NameProblem, int>> table = {
            {"empty", "", NameProblem::Empty, 0},
            {"english", "  factory   DEFAULT ", NameProblem::FactoryDefault, 0},
            {"french", QString::fromUtf8("PARAMÈTRES DU\tFABRICANT"), NameProblem::FactoryDefault, 0},
            {"german", "werkseinstellung", NameProblem::FactoryDefault, 0},
            {"italian", "Impostazioni  fabbrica", NameProblem::FactoryDefault, 0},
            {"spanish", QString::fromUtf8(" Valor predeterminado de FÁBRICA"), NameProblem::FactoryDefault, 0},
            {"portuguese", QString::fromUtf8("padrão de fábrica"), NameProblem::FactoryDefault, 0},
            {"longer", "Factory Defaults", NameProblem::None, 0},
            {"reserved", "OFFICE", NameProblem::Reserved, 0},
            {"first part", "lab", NameProblem::Reserved, 0},
            {"dots inside", "Lab.Colour x", NameProblem::None, 0},
            {"dot", ".x", NameProblem::LeadingDot, 0},
            {"slash", "a/b", NameProblem::ForbiddenCharacter, 0},
            {"backquote", "a`b", NameProblem::ForbiddenCharacter, 0},
            {"semicolon", "a;b", NameProblem::ForbiddenCharacter, 0},
            {"quote", "a\"b", NameProblem::ForbiddenCharacter, 0},
            {"line break", "a\nb", NameProblem::ForbiddenCharacter, 0},
            {"tab", "a\tb", NameProblem::ForbiddenCharacter, 0},
            {"250 bytes", QString(125, QChar(0xe9)), NameProblem::None, 0},
            {"252 bytes", QString(126, QChar(0xe9)), NameProblem::NameTooLong, 0},
            {"1024", "ok", NameProblem::None, 1024},
            {"1025", "ok", NameProblem::DescriptionTooLong, 1025},
        };
        for (const auto &row : table)
            QTest::newRow(std::get<0>(row)) << std::get<1>(row) << std::get<3>(row) << std::get<2>(row);
    }

    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(int, description);
        QFETCH(NameProblem, problem);
        QCOMPARE(profiles::checkName(name, QString(description, 'd'), profiles::queueNames()), problem);
        // The edit dialog's OK follows the same rules once it is open.
        ProfileEditDialog *edit = list->editDialog;
        edit->setProfile(name, QString(description, 'd'));
        QTimer::singleShot(0, edit, [edit] { edit->reject(); });
        edit->exec();
        QCOMPARE(edit->buttonBox->button(QDialogButtonBox::Ok)->isEnabled(), problem == NameProblem::None);
    }

    void save()
    {
        ProfileSaveDialog *dialog = d->profileSaveDialog;
        const auto saveAs = [&](const QString &name, const QString &description) {
            dialog->show();
            dialog->nameEdit->setText(name);
            dialog->descriptionEdit->setPlainText(description);
            dialog->buttonBox->button(QDialogButtonBox::Ok)->click();
        };
        const auto expectBox = [&](const QString &text, bool open = true) {
            QCOMPARE(boxes->seen, QStringList({"Save Profile|" + text}));
            QCOMPARE(dialog->isVisible(), open);
            boxes->seen.clear(), dialog->close();
        };

        saveAs("first", "first\nsecond");
        QVERIFY(!dialog->isVisible());
        QList<QByteArray> lines = bytes(cfg("first")).split('\n');
        QCOMPARE(lines.mid(0, 3), QList<QByteArray>({"[Profile]", "[WR Sample]", "ProfileDescription=first\\nsecond"}));
        const QHash<QString, QString> collected = collectTabOptions(*d->tabListRef);
        QSet<QByteArray> settings;
        for (auto it = collected.begin(); it != collected.end(); ++it)
            settings << (it.key() + '=' + it.value()).toUtf8();
        QCOMPARE(QSet<QByteArray>(lines.begin() + 3, lines.end() - 1), settings);
        QCOMPARE(lines.size(), collected.size() + 4);

        // Replacement, also of a name as long as a file name can be.
        for (const QString &name : {QString("first"), QString(251, 'n')}) {
            saveAs(name, "old");
            saveAs(name, "new");
            QVERIFY2(bytes(cfg(name)).contains("ProfileDescription=new\n"), qPrintable(name.left(9)));
        }

        // With 24 profiles listed a 25th is saved; then the dialog does not open.
        put(cfg("decoy"), "x=[Profile]\n");
        put(userDir + "upper.CFG", model);
        for (int i = 0; i < 22; ++i)
            put(cfg(QString("p%1").arg(i)), model);
        saveAs("25th", "");
        QCOMPARE(dialog->countProfiles(), 25);
        dialog->show();
        expectBox("The profile could not be added. A maximum profile count of 25 has been reached.", false);
        for (int i = 0; i < 22; ++i)
            QFile::remove(cfg(QString("p%1").arg(i)));

        // Names of queues and of a queue's settings file are refused.
        put(cfg("OldQueue"), "PageSize=A4\n");
        const QByteArray queueFile = bytes(cfg(queue));
        for (const QString &name : {queue.toLower(), QString("lab.colour"), QString("OldQueue")}) {
            saveAs(name, "x");
            expectBox("This name is reserved");
        }
        QCOMPARE(bytes(cfg(queue)), queueFile);
        QCOMPARE(bytes(cfg("OldQueue")), QByteArray("PageSize=A4\n"));
        // Also the queue shown when CUPS no longer answers and its file is gone.
        QFile::remove(cfg(queue));
        cupsSetServer("/nonexistent/cups.sock");
        saveAs(queue, "x");
        cupsSetServer(qgetenv("CUPS_SERVER").constData());
        expectBox("This name is reserved");
        QVERIFY(!QFile::exists(cfg(queue)));
        put(cfg(queue), queueFile);

        // A name that file names cannot hold under a Latin-1 locale.
        useCodec("ISO-8859-1");
        saveAs(QString::fromUtf8("a€b"), "");
        useCodec("UTF-8");
        expectBox("This name cannot be used as a file name with the system's language settings");
        QVERIFY(!QFile::exists(userDir + "a?b.cfg"));

        // Without a store: no dialog, nothing written.
        vOptionSet *store = currentOptionSet;
        currentOptionSet = nullptr;
        bool opened = false;
        QTimer::singleShot(0, dialog, [&] { opened = dialog->isVisible(); dialog->reject(); });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        currentOptionSet = store;

        // A directory that cannot be written: the old profile stays.
        QVERIFY(QFile::setPermissions(userDir, QFile::ReadOwner | QFile::ExeOwner));
        saveAs("first", "lost");
        QVERIFY(QFile::setPermissions(userDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        expectBox("The profile could not be saved.");
        QVERIFY(bytes(cfg("first")).contains("ProfileDescription=new\n"));
    }

    void listAndDetails()
    {
        put(cfg("b"), model + "ProfileDescription=two\\nlines\nPageSize=A5\nDuplex=Bogus\nResolution=600\n"
                              "VZCollate1=Custom1\nEMailNotification=off\n");
        for (const char *name : {"A", "a.cfg.b", ".hidden"})
            put(cfg(name), model);
        put(userDir + "c.CFG", model);
        put(cfg(queue), "PageSize=A4\n");
        put(cfg("nomodel"), "[Profile]\nPageSize=A5\n");
        put(cfg("other"), "[Profile]\n[WR Other Model]\nPageSize=A4\n");
        put(cfg("vpsl"), "[Profile]\n[WR Sample VPSL]\nProfileDescription=v\nPageSize=A5\nResolution=1\n"
                         "VZBooklet=None\nWren=Front\n");
        list->fillProfileTable();
        QCOMPARE(rows(), QStringList({"Factory Default", "A", "a.cfg.b", "b", "nomodel", "other", "vpsl"}));
        QCOMPARE(list->profileTable->currentRow(), 0);
        QVERIFY(!list->editButton->isEnabled() && !list->deleteButton->isEnabled());
        QStringList shown = details(list->detailsTree);
        QVERIFY(shown.contains("Basic/Print size=A4") && shown.contains("Job/User login=Off"));
        QVERIFY(shown.contains("Publishing/Page insert=Off")); // a queue that is not generic
        QVERIFY(!shown.contains("Profiles"));
        QCOMPARE(shown.last(), QStringLiteral("uLmera/uLmera=Off"));

        select("b");
        QVERIFY(list->editButton->isEnabled() && list->deleteButton->isEnabled());
        shown = details(list->detailsTree);
        for (const char *row : {"Profiles/Description=two\nlines", "Basic/Print size=A5 Sheet", "Basic/Duplex=ERROR 1",
                                "Imaging/Resolution=ERROR 2", "Job/Job settings=Private print",
                                "Job/Job e-mail notification=Off"})
            QVERIFY2(shown.contains(row), row);
        for (const char *name : {"nomodel", "other"}) {
            select(name);
            QVERIFY(details(list->detailsTree).contains("Basic/Print size=ERROR 3"));
        }
        select("vpsl");
        QCOMPARE(details(list->detailsTree), QStringList({"Profiles", "Profiles/Description=v", "Basic",
                                                          "Basic/Print size=A5 Sheet", "Imaging",
                                                          "Imaging/Resolution=ERROR 2"}));

        // Only names that stay in the maker's directory and are regular files
        // open.
        const QList<QPair<QString, bool>> modelLines = {
            {"[WR Sample]", true},         {"[WR/Wexa Sample]", true}, {"[WR Sample B/W VPDL]", true},
            {"[WR Sample VPSL]", true},    {"[WR/../../outside]", false}, {"[WR Fifo]", false},
            {"[WR Missing]", false}};
        for (const auto &line : modelLines) {
            ppd_file_t *ppd = list->openModelPpd(line.first);
            QVERIFY2(bool(ppd) == line.second, qPrintable(line.first));
            if (ppd)
                ppdClose(ppd);
        }

        // The row follows a profile saved from the list.
        ProfileSaveDialog *save = list->saveDialog;
        QTimer::singleShot(0, save, [save] {
            save->nameEdit->setText("aa");
            save->buttonBox->button(QDialogButtonBox::Ok)->click();
            save->reject();
        });
        list->saveButton->click();
        QCOMPARE(list->profileTable->currentItem()->text(), QStringLiteral("aa"));

        // The first row's name in each catalogue is the name the rules refuse.
        const QStringList names = {"english:Factory Default", "french:Paramètres du fabricant",
                                   "german:Werkseinstellung", "italian:Impostazioni fabbrica",
                                   "portuguese:Padrão de fábrica", "spanish:Valor predeterminado de fábrica"};
        for (const QString &name : names) {
            QTranslator translator;
            QVERIFY(translator.load(":/strings/" + name.section(':', 0, 0)));
            QCoreApplication::installTranslator(&translator);
            list->fillProfileTable();
            QCoreApplication::removeTranslator(&translator);
            QCOMPARE(list->profileTable->item(0, 0)->text(), name.section(':', 1));
            // The details show every label whole.
            QTreeWidget *tree = list->detailsTree;
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                const int indent = ((*it)->parent() ? 2 : 1) * tree->indentation() + 4;
                QVERIFY2(tree->columnWidth(0) >= indent + tree->fontMetrics().horizontalAdvance((*it)->text(0)),
                         qPrintable((*it)->text(0)));
            }
        }

        settingsValid = false;
        list->show();
        QVERIFY(!list->saveButton->isEnabled());
        list->close();
    }

    void editRenameDelete()
    {
        const QByteArray rest = "JobTitle=my ProfileDescription text\nPageSize=A5\n";
        put(cfg("e"), model + "ProfileDescription=old\n" + rest);
        put(cfg("bare"), model + rest);
        ProfileEditDialog *edit = list->editDialog;
        const auto editAs = [&](const QString &from, const QString &name, const QString &description) {
            select(from);
            QString opened;
            QTimer::singleShot(0, edit, [&] {
                if (!edit->isVisible())
                    return;
                opened = edit->oldName;
                edit->nameEdit->setText(name);
                edit->descriptionEdit->setPlainText(description);
                edit->buttonBox->button(QDialogButtonBox::Ok)->click();
                edit->reject();
            });
            list->editButton->click();
            QCoreApplication::processEvents();
            QCOMPARE(opened, from);
        };

        editAs("e", "e", "new\nline");
        QCOMPARE(bytes(cfg("e")), model + "ProfileDescription=new\\nline\n" + rest);
        editAs("bare", "bare", "added");
        QCOMPARE(bytes(cfg("bare")), model + "ProfileDescription=added\n" + rest);

        // The loaded profile moves along with its new name.
        settingsSource = cfg("e");
        const QByteArray before = bytes(cfg("e"));
        editAs("e", "f", "new\nline");
        QVERIFY(!QFile::exists(cfg("e")));
        QCOMPARE(bytes(cfg("f")), before);
        QCOMPARE(settingsSource, cfg("f"));
        QCOMPARE(list->profileTable->currentItem()->text(), QStringLiteral("f"));

        // A new file that cannot be written whole (the file size limit stops
        // it), or a queue's settings in the way: the old file stays.
        struct rlimit limit;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
        const struct rlimit small = {16, limit.rlim_max};
        ::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        editAs("f", "g", "lost");
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        put(cfg("gone"), "PageSize=A4\n");
        editAs("f", "gone", "x");
        QCOMPARE(boxes->seen, QStringList({"Error|The profile could not be changed.", "Error|This name is reserved"}));
        boxes->seen.clear();
        QCOMPARE(bytes(cfg("f")), before);
        QCOMPARE(bytes(cfg("gone")), QByteArray("PageSize=A4\n"));
        QVERIFY(!QFile::exists(cfg("g")));

        // Text stays UTF-8 whatever the locale's encoding.
        put(cfg("u"), model + "JobTitle=Caf\xc3\xa9\n");
        useCodec("ISO-8859-1");
        editAs("u", "u", QString::fromUtf8("Crème"));
        QCOMPARE(list->readProfileForEdit("u"), QString::fromUtf8("Crème"));
        useCodec("UTF-8");
        QCOMPARE(bytes(cfg("u")), model + "ProfileDescription=Cr\xc3\xa8me\nJobTitle=Caf\xc3\xa9\n");

        // Names are file names, never words of a command.
        put(cfg("q"), model);
        for (const QString &name : {QString("q\""), QString("a $(touch x) & b")}) {
            put(cfg(name), model);
            select(name);
            list->deleteButton->click();
            QVERIFY(!QFile::exists(cfg(name)));
            QCOMPARE(list->profileTable->currentRow(), 0);
        }
        QVERIFY(QFile::exists(cfg("q")) && !QFile::exists(userDir + "x") && !QFile::exists("x"));
    }

    void load()
    {
        auto *pageSize = dialogtest::findByAccessibleName<QComboBox>(d.data(), "cmbBxPageSize");
        QVERIFY(pageSize);
        QCOMPARE(pageSize->currentText(), QStringLiteral("A4"));
        put(cfg("mine"), model + "ProfileDescription=\nPageSize=A5\n");
        put(cfg("theirs"), "[Profile]\n[WR Other Model]\nProfileDescription=\nPageSize=Tabloid\n");
        // From here on, any lpoptions run leaves a trace.
        const QString trace = base.path() + "/lpoptions-ran";
        QVERIFY(QDir().mkpath(base.path() + "/bin"));
        put(base.path() + "/bin/lpoptions", "#!/bin/sh\ntouch '" + trace.toUtf8() + "'\n");
        QVERIFY(QFile::setPermissions(base.path() + "/bin/lpoptions", QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", base.path().toUtf8() + "/bin:" + path);

        list->show();
        select("mine");
        click(list->buttonBox, QDialogButtonBox::AcceptRole);
        QVERIFY(!list->isVisible());
        QCOMPARE(settingsSource, cfg("mine"));
        QCOMPARE(pageSize->currentText(), QStringLiteral("A5 Sheet"));

        list->show();
        select("Factory Default");
        click(list->buttonBox, QDialogButtonBox::ApplyRole);
        QVERIFY(list->isVisible());
        QCOMPARE(settingsSource, userDir);
        QCOMPARE(pageSize->currentText(), QStringLiteral("A4"));

        select("theirs");
        click(list->buttonBox, QDialogButtonBox::RejectRole);
        QVERIFY(!list->isVisible());
        QCOMPARE(settingsSource, userDir);
        list->show();
        click(list->buttonBox, QDialogButtonBox::AcceptRole);
        QCOMPARE(settingsSource, cfg("theirs"));
        QCOMPARE(pageSize->currentText(), QStringLiteral("A4"));

        qputenv("PATH", path);
        QVERIFY(!QFile::exists(trace));
    }
};

QTEST_MAIN(TestProfiles)
#include "test_profiles.moc"
