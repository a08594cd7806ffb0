// The profile list, save and edit dialogs on the main dialog with a queue of
// the private CUPS server: the name rules, saving, the list and its
// details, editing, renaming and deleting, and loading a profile into the
// tabs.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/program_state.h"
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

// Answers every message box and records it as "title|text"; the dialogs
// under test are left alone.
class Boxes : public QObject
{
public:
    Boxes()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + QLatin1Char('|') + box->text();
                box->done(QMessageBox::Ok);
            }
        });
        timer.start(20);
    }
    QStringList seen;

private:
    QTimer timer;
};

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void put(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QString cfg(const QString &name) { return userDir + name + ".cfg"; }

QAbstractButton *roleButton(QDialogButtonBox *box, QDialogButtonBox::ButtonRole role)
{
    for (QAbstractButton *b : box->buttons()) {
        if (box->buttonRole(b) == role)
            return b;
    }
    return nullptr;
}

QStringList rows(QTableWidget *table)
{
    QStringList names;
    for (int r = 0; r < table->rowCount(); ++r)
        names << table->item(r, 0)->text();
    return names;
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

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void nameRules_data();
    void nameRules();
    void save();
    void listAndDetails();
    void editRenameDelete();
    void load();

private:
    void select(const QString &name);

    QTemporaryDir base;
    QString queue;
    QScopedPointer<VelDialog> d;
    // Every message box of a test function, answered at once.
    QScopedPointer<Boxes> boxes;
    ProfileDialog *list = nullptr;
    int userCount = 0;
};

void TestProfiles::initTestCase()
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
    queue = cupstest::uniqueQueueName(QStringLiteral("ProfQ"));
    QVERIFY(cupstest::addQueue(queue, ppd));
}

void TestProfiles::init()
{
    dialogtest::resetProgramState();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    d.reset(new VelDialog(nullptr));
    userDir = base.path() + QStringLiteral("/user%1/").arg(++userCount);
    boxes.reset(new Boxes);
    QVERIFY(dialogtest::selectQueue(*d, queue) && currentOptionSet);
    QCOMPARE(boxes->seen, QStringList());
    list = d->profileDialog;
}

void TestProfiles::cleanupTestCase()
{
    d.reset();
    if (!queue.isEmpty())
        cupstest::removeQueue(queue);
}

void TestProfiles::select(const QString &name)
{
    list->fillProfileTable();
    const int row = rows(list->profileTable).indexOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    list->profileTable->setCurrentCell(row, 0);
}

void TestProfiles::nameRules_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("description");
    QTest::addColumn<NameProblem>("problem");
    const auto row = [](const char *tag, const QString &name, NameProblem problem, int description = 0) {
        QTest::newRow(tag) << name << description << problem;
    };
    row("empty", "", NameProblem::Empty);
    row("english", "  factory   DEFAULT ", NameProblem::FactoryDefault);
    row("french", QString::fromUtf8("PARAMÈTRES DU\tFABRICANT"), NameProblem::FactoryDefault);
    row("german", "werkseinstellung", NameProblem::FactoryDefault);
    row("italian", "Impostazioni  fabbrica", NameProblem::FactoryDefault);
    row("spanish", QString::fromUtf8(" Valor predeterminado de FÁBRICA"), NameProblem::FactoryDefault);
    row("portuguese", QString::fromUtf8("padrão de fábrica"), NameProblem::FactoryDefault);
    row("longer", "Factory Defaults", NameProblem::None);
    row("reserved", "OFFICE", NameProblem::Reserved);
    row("first part", "lab", NameProblem::Reserved);
    row("dots inside", "Lab.Colour x", NameProblem::None);
    row("dot", ".x", NameProblem::LeadingDot);
    row("slash", "a/b", NameProblem::ForbiddenCharacter);
    row("backquote", "a`b", NameProblem::ForbiddenCharacter);
    row("semicolon", "a;b", NameProblem::ForbiddenCharacter);
    row("quote", "a\"b", NameProblem::ForbiddenCharacter);
    row("250 bytes", QString(125, QChar(0xe9)), NameProblem::None);
    row("252 bytes", QString(126, QChar(0xe9)), NameProblem::NameTooLong);
    row("1024", "ok", NameProblem::None, 1024);
    row("1025", "ok", NameProblem::DescriptionTooLong, 1025);
}

void TestProfiles::nameRules()
{
    QFETCH(QString, name);
    QFETCH(int, description);
    QFETCH(NameProblem, problem);
    const QStringList reserved = profiles::queueNames();
    QVERIFY(reserved.contains("Office") && reserved.contains("Lab"));
    QCOMPARE(profiles::checkName(name, QString(description, 'd'), reserved), problem);
    // The edit dialog's OK follows the same rules after its opening.
    ProfileEditDialog *edit = list->editDialog;
    edit->setProfile(name, QString(description, 'd'));
    QTimer::singleShot(0, edit, [edit] { edit->reject(); });
    edit->exec();
    QCOMPARE(edit->buttonBox->button(QDialogButtonBox::Ok)->isEnabled(), problem == NameProblem::None);
}

void TestProfiles::save()
{
    ProfileSaveDialog *dialog = d->profileSaveDialog;
    QPushButton *ok = dialog->buttonBox->button(QDialogButtonBox::Ok);
    const auto saveAs = [&](const QString &name, const QString &description) {
        dialog->show();
        dialog->nameEdit->setText(name);
        dialog->descriptionEdit->setPlainText(description);
        if (ok->isEnabled())
            ok->click();
    };

    saveAs("first", "first\nsecond");
    QVERIFY(!dialog->isVisible());
    QList<QByteArray> lines = bytes(cfg("first")).split('\n');
    QCOMPARE(lines.mid(0, 3), QList<QByteArray>({"[Profile]", "[WR Sample]", "ProfileDescription=first\\nsecond"}));
    QStringList settings;
    const QHash<QString, QString> collected = collectTabOptions(*d->tabListRef);
    for (auto it = collected.begin(); it != collected.end(); ++it)
        settings << it.key() + '=' + it.value();
    QStringList stored;
    for (const QByteArray &line : lines.mid(3, lines.size() - 4))
        stored << QString::fromUtf8(line);
    settings.sort();
    stored.sort();
    QCOMPARE(stored, settings);

    // Replacement, also of a name as long as a file name can be.
    const QString longest(251, 'n');
    for (const QString &name : {QString("first"), longest}) {
        saveAs(name, "old");
        saveAs(name, "new");
        QVERIFY2(bytes(cfg(name)).contains("ProfileDescription=new\n"), qPrintable(name.left(9)));
    }
    QCOMPARE(dialog->countProfiles(), 2);

    // 24 profiles open the dialog for a 25th; at 25 it does not open.
    put(cfg("decoy"), "x=[Profile]\n");
    put(userDir + "upper.CFG", model);
    for (int i = 0; i < 22; ++i)
        put(cfg(QString("p%1").arg(i)), model);
    saveAs("25th", "");
    QCOMPARE(dialog->countProfiles(), 25);
    dialog->show();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(boxes->seen, QStringList({"Save Profile|The profile could not be added. A maximum profile count of 25 "
                                      "has been reached."}));
    boxes->seen.clear();
    for (int i = 0; i < 22; ++i)
        QFile::remove(cfg(QString("p%1").arg(i)));

    // Names of queues and of a queue's settings file are refused.
    put(cfg("OldQueue"), "PageSize=A4\n");
    const QByteArray queueFile = bytes(cfg(queue));
    for (const QString &name : {queue.toLower(), QString("lab.colour"), QString("OldQueue")}) {
        saveAs(name, "x");
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes->seen, QStringList({"Save Profile|This name is reserved"}));
        boxes->seen.clear();
        dialog->close();
    }
    QCOMPARE(bytes(cfg(queue)), queueFile);
    QCOMPARE(bytes(cfg("OldQueue")), QByteArray("PageSize=A4\n"));

    // A name that file names under a Latin-1 locale cannot hold.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    saveAs(QString::fromUtf8("a€b"), "");
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QCOMPARE(boxes->seen, QStringList({"Save Profile|This name cannot be used as a file name with the system's "
                                       "language settings"}));
    boxes->seen.clear();
    dialog->close();
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

    // A directory that cannot be written: the box, the dialog stays open.
    QVERIFY(QFile::setPermissions(userDir, QFile::ReadOwner | QFile::ExeOwner));
    saveAs("first", "lost");
    QVERIFY(QFile::setPermissions(userDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(dialog->isVisible());
    dialog->close();
    QCOMPARE(boxes->seen, QStringList({"Save Profile|The profile could not be saved."}));
    QVERIFY(bytes(cfg("first")).contains("ProfileDescription=new\n"));
}

void TestProfiles::listAndDetails()
{
    QVERIFY(QDir().mkpath(userDir));
    put(cfg("b"), model + "ProfileDescription=two\\nlines\nPageSize=A5\nDuplex=Bogus\nResolution=600\n"
                          "VZCollate1=Custom1\nEMailNotification=off\nCustomWatermarkStore=x\n");
    put(cfg("A"), model);
    put(cfg("a.cfg.b"), model);
    put(cfg(queue), "PageSize=A4\n");
    put(cfg(".hidden"), model);
    put(userDir + "c.CFG", model);
    put(cfg("nomodel"), "[Profile]\nPageSize=A5\n");
    put(cfg("other"), "[Profile]\nPageSize=A5\n[WR Other Model]\nPageSize=A4\n");
    put(cfg("vpsl"), "[Profile]\n[WR Sample VPSL]\nProfileDescription=v\nPageSize=A5\nResolution=1\n"
                     "VZBooklet=None\nWren=Front\n");
    list->fillProfileTable();
    QCOMPARE(rows(list->profileTable), QStringList({"Factory Default", "A", "a.cfg.b", "b", "nomodel", "other", "vpsl"}));
    QCOMPARE(list->profileTable->currentRow(), 0);
    QVERIFY(!list->editButton->isEnabled() && !list->deleteButton->isEnabled());
    QStringList shown = details(list->detailsTree);
    QVERIFY(shown.contains("Basic/Print size=A4"));
    QVERIFY(shown.contains("Job/User login=Off"));
    QVERIFY(!shown.contains("Profiles"));
    QCOMPARE(shown.last(), QStringLiteral("uLmera/uLmera=Off"));

    select("b");
    QVERIFY(list->editButton->isEnabled() && list->deleteButton->isEnabled());
    shown = details(list->detailsTree);
    for (const char *row : {"Profiles/Description=two\nlines", "Basic/Print size=A5 Sheet", "Basic/Duplex=ERROR 1",
                            "Imaging/Resolution=ERROR 2", "Job/Job settings=Private print",
                            "Job/Job e-mail notification=Off"})
        QVERIFY2(shown.contains(row), row);
    select("nomodel");
    QVERIFY(details(list->detailsTree).contains("Basic/Print size=ERROR 3"));
    select("other");
    QVERIFY(details(list->detailsTree).contains("Basic/Print size=ERROR 3"));
    select("vpsl");
    QCOMPARE(details(list->detailsTree), QStringList({"Profiles", "Profiles/Description=v", "Basic",
                                                      "Basic/Print size=A5 Sheet", "Imaging",
                                                      "Imaging/Resolution=ERROR 2"}));

    // Only names within the maker's directory that are regular files open.
    const QList<QPair<QString, bool>> modelLines = {
        {"[WR Sample]", true},       {"[WR/Wexa Sample]", true}, {"[WR Sample B/W VPDL]", true},
        {"[WR Sample VPSL]", true},  {"[WR/../../outside]", false},    {"[WR Fifo]", false},
        {"[WR Missing]", false},
    };
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
        if (save->isVisible())
            save->reject();
    });
    list->saveButton->click();
    QCOMPARE(list->profileTable->currentItem()->text(), QStringLiteral("aa"));

    // The first row's name in each catalogue is the name the rules refuse.
    const QStringList factory = {"Factory Default", QString::fromUtf8("Paramètres du fabricant"), "Werkseinstellung",
                                 "Impostazioni fabbrica", QString::fromUtf8("Padrão de fábrica"),
                                 QString::fromUtf8("Valor predeterminado de fábrica")};
    const QStringList catalogues = {"english", "french", "german", "italian", "portuguese", "spanish"};
    for (int i = 0; i < catalogues.size(); ++i) {
        QTranslator translator;
        QVERIFY(translator.load(":/strings/" + catalogues.at(i)));
        QCoreApplication::installTranslator(&translator);
        list->fillProfileTable();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(list->profileTable->item(0, 0)->text(), factory.at(i));
    }

    settingsValid = false;
    list->show();
    QVERIFY(!list->saveButton->isEnabled());
    list->close();
    QCOMPARE(boxes->seen, QStringList());
}

void TestProfiles::editRenameDelete()
{
    QVERIFY(QDir().mkpath(userDir));
    const QByteArray rest = "JobTitle=my ProfileDescription text\nPageSize=A5\n";
    put(cfg("e"), model + "ProfileDescription=old\n" + rest);
    put(cfg("bare"), model + rest);
    ProfileEditDialog *edit = list->editDialog;
    QPushButton *ok = edit->buttonBox->button(QDialogButtonBox::Ok);
    const auto editAs = [&](const QString &from, const QString &name, const QString &description) {
        select(from);
        QString opened;
        QTimer::singleShot(0, edit, [&] {
            if (!edit->isVisible())
                return;
            opened = edit->oldName;
            edit->nameEdit->setText(name);
            edit->descriptionEdit->setPlainText(description);
            ok->click();
            if (edit->isVisible())
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
    QCOMPARE(list->readProfileForEdit("e"), QStringLiteral("new\\nline"));

    // The loaded profile moves along with its new name.
    settingsSource = cfg("e");
    const QByteArray before = bytes(cfg("e"));
    editAs("e", "f", "new\nline");
    QVERIFY(!QFile::exists(cfg("e")));
    QCOMPARE(bytes(cfg("f")), before);
    QCOMPARE(settingsSource, cfg("f"));
    QCOMPARE(list->profileTable->currentItem()->text(), QStringLiteral("f"));

    // A rename whose new file cannot be written whole (the file size limit
    // stops it) leaves the old file as it was.
    struct rlimit limit;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const struct rlimit small = {16, limit.rlim_max};
    ::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    editAs("f", "g", "lost");
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    // Nor can it take the place of a queue's settings.
    put(cfg("gone"), "PageSize=A4\n");
    editAs("f", "gone", "x");
    QCOMPARE(boxes->seen, QStringList({"Error|The profile could not be changed.", "Error|This name is reserved"}));
    QCOMPARE(bytes(cfg("f")), before);
    QCOMPARE(bytes(cfg("gone")), QByteArray("PageSize=A4\n"));
    QVERIFY(!QFile::exists(cfg("g")));

    // Text stays UTF-8 whatever the locale's encoding.
    put(cfg("u"), model + "JobTitle=Caf\xc3\xa9\n");
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    editAs("u", "u", QString::fromUtf8("Crème"));
    QCOMPARE(list->readProfileForEdit("u"), QString::fromUtf8("Crème"));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QCOMPARE(bytes(cfg("u")), model + "ProfileDescription=Cr\xc3\xa8me\nJobTitle=Caf\xc3\xa9\n");

    // Names are file names, never command words.
    put(cfg("q"), model);
    for (const QString &name : {QString("q\""), QString("a $(touch x) & b")}) {
        put(cfg(name), model);
        select(name);
        list->deleteButton->click();
        QVERIFY(!QFile::exists(cfg(name)));
        QCOMPARE(list->profileTable->currentRow(), 0);
    }
    QVERIFY(QFile::exists(cfg("q")));
    QVERIFY(!QFile::exists(userDir + "x") && !QFile::exists("x"));
    QCOMPARE(boxes->seen.size(), 2);
}

void TestProfiles::load()
{
    QVERIFY(QDir().mkpath(userDir));
    auto *pageSize = dialogtest::findByAccessibleName<QComboBox>(d.data(), "cmbBxPageSize");
    QVERIFY(pageSize);
    QCOMPARE(pageSize->currentText(), QStringLiteral("A4"));
    put(cfg("mine"), model + "ProfileDescription=\nPageSize=A5\n");
    put(cfg("theirs"), "[Profile]\n[WR Other Model]\nProfileDescription=\nPageSize=Tabloid\n");
    // From here on, any lpoptions run leaves a trace.
    const QString trace = base.path() + "/lpoptions-ran";
    put(base.path() + "/bin/lpoptions", "#!/bin/sh\ntouch '" + trace.toUtf8() + "'\n");
    QVERIFY(QFile::setPermissions(base.path() + "/bin/lpoptions", QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", base.path().toUtf8() + "/bin:" + path);

    list->fillProfileTable();
    list->show();
    select("mine");
    roleButton(list->buttonBox, QDialogButtonBox::AcceptRole)->click();
    QVERIFY(!list->isVisible());
    QCOMPARE(settingsSource, cfg("mine"));
    QCOMPARE(pageSize->currentText(), QStringLiteral("A5 Sheet"));

    list->show();
    select("Factory Default");
    roleButton(list->buttonBox, QDialogButtonBox::ApplyRole)->click();
    QVERIFY(list->isVisible());
    QCOMPARE(settingsSource, userDir);
    QCOMPARE(pageSize->currentText(), QStringLiteral("A4"));

    select("theirs");
    roleButton(list->buttonBox, QDialogButtonBox::RejectRole)->click();
    QVERIFY(!list->isVisible());
    QCOMPARE(settingsSource, userDir);
    list->show();
    select("theirs");
    roleButton(list->buttonBox, QDialogButtonBox::AcceptRole)->click();
    QCOMPARE(settingsSource, cfg("theirs"));
    QCOMPARE(pageSize->currentText(), QStringLiteral("A4"));

    qputenv("PATH", path);
    QVERIFY(!QFile::exists(trace));
    QCOMPARE(boxes->seen, QStringList());
}

QTEST_MAIN(TestProfiles)
#include "test_profiles.moc"
