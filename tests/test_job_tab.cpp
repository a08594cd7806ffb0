// The Job tab in the main dialog against the private CUPS server: storage
// modes and their checks, stored settings with enciphered credentials, the
// job-name, overwrite and e-mail rows, the account-ID list, and the sections
// the print-management switch blocks. lpoptions runs for real behind a stand-in
// that records its arguments.
#include <QtTest>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCodec>
#include <QTranslator>

#include <cstdlib>
#include <functional>

#include "app/credential_cipher.h"
#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "support/cups_test_util.h"
#include "tabs/job_tab.h"
#include "tabs/pqx_tab.h"
#include "ui/option_widgets.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

// Every value stored under key, without a recorded default.
QStringList valuesOf(const QStringList &lines, const QString &key)
{
    QStringList values;
    for (const QString &line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            values << line.mid(key.size() + 1).section(QLatin1Char(';'), 0, 0);
    }
    return values;
}

// The bytes a stored credential deciphers to; "!" when it is not lower-case
// hexadecimal or does not decipher.
QByteArray decipheredBytes(const QString &hex)
{
    if (!QRegularExpression(QStringLiteral("^[0-9a-f]+$")).match(hex).hasMatch())
        return "!";
    const QByteArray text = hex.toLatin1();
    char *plain = decipherCredential(text.constData(), text.size() / 2);
    const QByteArray bytes = plain ? QByteArray(plain) : QByteArray("!");
    free(plain);
    return bytes;
}

void choose(QComboBox *combo, const QString &text)
{
    QVERIFY2(combo->findText(text) >= 0, qPrintable(text));
    combo->setCurrentIndex(combo->findText(text));
}

QStringList itemsOf(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestJobTab : public QObject
{
    Q_OBJECT

private:
    ModalWatchdog watchdog;
    QTemporaryDir home, users, bin;
    QString queue;         // private print with a required access code
    QString optionalQueue; // private print whose access code may be empty
    QString sampleQueue;   // the shipped sample description
    QString argsPath;
    QScopedPointer<VelDialog> d;
    JobTab *job = nullptr;

    QString settingsPath(const QString &q) const { return userDir + q + QStringLiteral(".cfg"); }
    QStringList lines() const { return fileLines(settingsPath(currentOptionSet->printerName())); }
    QStringList lpoptionsArgs() const { return fileLines(argsPath); }
    bool constrained() const { return !d->buttonBox->button(QDialogButtonBox::Ok)->isEnabled(); }

    // A dialog showing q, whose settings file holds stored (none when null).
    void open(const QString &q, const QByteArray &stored = QByteArray())
    {
        d.reset();
        d.reset(new VelDialog(nullptr));
        userDir = users.path() + QStringLiteral("/u/");
        QDir().mkpath(userDir);
        QFile::remove(settingsPath(q));
        if (!stored.isNull()) {
            QFile file(settingsPath(q));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        }
        QVERIFY(selectQueue(*d, q));
        job = d->jobTab;
        QVERIFY(d->tabWidget->isTabEnabled(d->tabs.indexOf(job)));
    }
    void apply()
    {
        QCOMPARE(boxesOf([this]() { d->slotButtonApply(); }), QStringList() << "Success|Settings applied.");
    }
    void storageMode(const QString &mode)
    {
        job->storageButton->setChecked(true);
        choose(job->storageModeCombo, mode);
    }
    void addAccountId(const QString &id, const QString &description)
    {
        job->newAccountIdButton->click();
        QVERIFY(job->accountIdDialog->isVisible());
        QTest::keyClicks(job->accountIdEdit, id);
        QTest::keyClicks(job->accountDescriptionEdit, description);
        job->accountIdButtonBox->button(QDialogButtonBox::Ok)->click();
    }
    void selectRow(const QString &id)
    {
        const QList<QTableWidgetItem *> found = job->accountIdTable->findItems(id, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        job->accountIdTable->setCurrentCell(found.first()->row(), 0);
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        // Credentials must not depend on the locale's 8-bit encoding.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        qputenv("HOME", home.path().toUtf8());
        queue = cupstest::uniqueQueueName(QStringLiteral("JobTab"));
        optionalQueue = cupstest::uniqueQueueName(QStringLiteral("JobTabYes"));
        QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/job-tab.ppd")));
        QVERIFY(cupstest::addQueue(optionalQueue, QStringLiteral(ORDOVAN_TEST_DATA "/job-tab-private-yes.ppd")));
        sampleQueue = cupstest::uniqueQueueName(QStringLiteral("JobTabSample"));
        QVERIFY(cupstest::addQueue(sampleQueue,
                                   QStringLiteral(ORDOVAN_TEST_SOURCE_DIR "/../resources/ppd/velmora-wexa-sample.ppd")));
        argsPath = bin.path() + QStringLiteral("/lpoptions.args");
        const QString real = QStandardPaths::findExecutable(QStringLiteral("lpoptions"));
        QFile script(bin.path() + QStringLiteral("/lpoptions"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + argsPath.toUtf8() + "'\nexec '" + real.toUtf8()
                     + "' \"$@\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toUtf8() + ':' + qgetenv("PATH"));
    }
    void cleanupTestCase()
    {
        d.reset();
        cupstest::removeQueue(queue);
        cupstest::removeQueue(optionalQueue);
        cupstest::removeQueue(sampleQueue);
    }

    void storageModesFollowTheDevice()
    {
        open(queue);
        auto *device = findByAccessibleName<ComboBoxEx>(d->printerTab, QStringLiteral("cmbBxOption18"));
        QVERIFY(device);
        const QStringList all = {"Proof and hold", "Job Storage", "Private print", "Custom box"};
        QCOMPARE(itemsOf(job->storageModeCombo), all);
        storageMode(QStringLiteral("Private print"));
        QVERIFY(job->accessCodeEdit->isVisibleTo(job));
        choose(device, QStringLiteral("None"));
        QCOMPARE(itemsOf(job->storageModeCombo), all.mid(0, 2));
        QCOMPARE(job->storageModeCombo->currentText(), QStringLiteral("Proof and hold"));
        QVERIFY(!job->accessCodeEdit->isVisibleTo(job));
        choose(device, QStringLiteral("Solid State Drive"));
        QCOMPARE(itemsOf(job->storageModeCombo), all);
    }

    void storageChecks_data()
    {
        QTest::addColumn<bool>("optional");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("marked");
        auto row = [](const char *name, bool optional, const char *mode, const char *code, const char *box,
                      bool marked) {
            QTest::newRow(name) << optional << QString(mode) << QString(code) << QString(box) << marked;
        };
        row("job storage, two digits", false, "Job Storage", "12", "", true);
        row("job storage, four digits", false, "Job Storage", "1234", "", false);
        row("job storage, no code", false, "Job Storage", "", "", false);
        row("private print, code required", false, "Private print", "", "", true);
        row("private print, code optional", true, "Private print", "", "", false);
        row("private print, two digits", true, "Private print", "12", "", true);
        row("box 0", false, "Custom box", "", "0", true);
        row("box 1001", false, "Custom box", "", "1001", true);
        row("box empty", false, "Custom box", "", "", true);
        row("box 1000", false, "Custom box", "", "1000", false);
        // User login: the name in code, the password in box.
        row("login, quote in password", false, "User login", "me", "a\"b", true);
        row("login, name and password", false, "User login", "me", "secret", false);
    }
    void storageChecks()
    {
        QFETCH(bool, optional);
        QFETCH(QString, mode);
        QFETCH(QString, code);
        QFETCH(QString, box);
        QFETCH(bool, marked);
        open(optional ? optionalQueue : queue);
        const bool login = mode == QLatin1String("User login");
        QLabel *label = login ? job->userLoginLabel : job->storageLabel;
        VelCheckBoxButton *section = login ? job->userLoginButton : job->storageButton;
        if (login) { // as stored settings bring them, past the validators
            section->setChecked(true);
            job->loginNameEdit->setText(code);
            job->loginPasswordEdit->setText(box);
            d->setConstraints();
        } else {
            storageMode(mode);
            QTest::keyClicks(job->accessCodeEdit, code);
            QTest::keyClicks(job->boxNumberEdit, box);
        }
        QCOMPARE(!label->toolTip().isEmpty(), marked);
        if (!login) // a login's quote is marked only
            QCOMPARE(constrained(), marked);
        // Switched off, the section's errors count no more; a login forgets its password.
        section->setChecked(false);
        QVERIFY(label->toolTip().isEmpty() && !constrained());
        QVERIFY(job->loginPasswordEdit->text().isEmpty());
    }

    void storedStorageAndCredentials()
    {
        open(queue);
        // Custom box with a password, and the user login.
        const QString boxPassword = QStringLiteral("b\\x\u00e9");
        const QString name = QStringLiteral("n\\a\\\\m\u00e9");
        const QString password = QStringLiteral("p \u00e9\\");
        storageMode(QStringLiteral("Custom box"));
        QTest::keyClicks(job->boxNumberEdit, QStringLiteral("7"));
        job->boxPasswordEdit->setText(boxPassword);
        job->userLoginButton->setChecked(true);
        job->loginNameEdit->setText(name);
        job->loginPasswordEdit->setText(password);
        QVERIFY(!constrained());
        apply();
        QCOMPARE(job->boxNumberEdit->text(), QStringLiteral("0007"));
        QStringList stored = lines();
        QCOMPARE(valuesOf(stored, "CustomBox"), QStringList() << "0007");
        QCOMPARE(valuesOf(stored, "VZCollate1").first(), QStringLiteral("Custom2"));
        const QString boxHex = valuesOf(stored, "CustomBoxPassword").value(0);
        const QString nameHex = valuesOf(stored, "UserLoginName").value(0);
        const QString passHex = valuesOf(stored, "UserLoginPass").value(0);
        QCOMPARE(decipheredBytes(boxHex), QByteArray("b\\\\x\xc3\xa9"));
        QCOMPARE(decipheredBytes(nameHex), QByteArray("n\\\\a\\\\\\\\m\xc3\xa9"));
        QCOMPARE(decipheredBytes(passHex), QByteArray("p \xc3\xa9\\\\"));
        const QString args = lpoptionsArgs().join(QLatin1Char(' '));
        for (const QString &secret : {boxHex, nameHex, passHex, boxPassword, name, password, QStringLiteral("0007")})
            QVERIFY2(!args.contains(secret), qPrintable(args));
        d->profileChanged();
        QCOMPARE(job->storageModeCombo->currentText(), QStringLiteral("Custom box"));
        QCOMPARE(job->boxPasswordEdit->text(), boxPassword);
        QCOMPARE(job->loginNameEdit->text(), name);
        QCOMPARE(job->loginPasswordEdit->text(), password);

        // Private print: the access code, and the mode written for the printer.
        choose(job->storageModeCombo, QStringLiteral("Private print"));
        QTest::keyClicks(job->accessCodeEdit, QStringLiteral("4321"));
        apply();
        stored = lines();
        QCOMPARE(valuesOf(stored, "PrivatePrint"), QStringList() << "True");
        QCOMPARE(valuesOf(stored, "VZCollate1").first(), QStringLiteral("Custom1"));
        QVERIFY(lpoptionsArgs().contains(QStringLiteral("VZCollate1=Custom1")));
        QCOMPARE(decipheredBytes(valuesOf(stored, "AccessCode").value(0)), QByteArray("4321"));
        QVERIFY(!lpoptionsArgs().join(' ').contains(QLatin1String("4321")));
        d->profileChanged();
        QCOMPARE(job->accessCodeEdit->text(), QStringLiteral("4321"));
        // What this file does not store is not left from the one before.
        QVERIFY(job->boxNumberEdit->text().isEmpty() && job->boxPasswordEdit->text().isEmpty());

        // Storage off.
        job->storageButton->setChecked(false);
        apply();
        QVERIFY(valuesOf(lines(), "VZCollate1").contains(QStringLiteral("None")));
        QVERIFY(lpoptionsArgs().contains(QStringLiteral("VZCollate1=None")));
        d->profileChanged();
        QVERIFY(!job->storageButton->isChecked());
        QCOMPARE(job->storageModeCombo->currentText(), QStringLiteral("Proof and hold"));
        QVERIFY(job->accessCodeEdit->text().isEmpty());
    }

    void nameOverwriteAndEmail()
    {
        open(queue);
        choose(job->jobNameCombo, QStringLiteral("Custom"));
        QVERIFY(!job->jobNameLabel->toolTip().isEmpty() && constrained());
        QTest::keyClicks(job->jobNameEdit, QStringLiteral("Report"));
        QVERIFY(job->jobNameLabel->toolTip().isEmpty() && !constrained());
        choose(job->overwriteCombo, QStringLiteral("Replace existing file"));

        job->emailButton->setChecked(true);
        QVERIFY(!job->emailLabel->toolTip().isEmpty() && constrained());
        for (const char *bad : {"a..b@example.com", "u@example.c"}) {
            job->emailEdit->setText(QString::fromLatin1(bad));
            QVERIFY2(!job->emailLabel->toolTip().isEmpty() && constrained(), bad);
        }
        job->emailEdit->setText(QStringLiteral("user@example.com"));
        QVERIFY(job->emailLabel->toolTip().isEmpty() && !constrained());
        apply();
        QStringList stored = lines();
        QCOMPARE(valuesOf(stored, "ReplaceJob"), QStringList() << "true");
        QCOMPARE(valuesOf(stored, "JobDate"), QStringList() << "false" << "false");
        QCOMPARE(valuesOf(stored, "CustomJobName"), QStringList() << "Report");
        QCOMPARE(valuesOf(stored, "EMailNotification"), QStringList() << "user@example.com");
        job->emailButton->setChecked(false);
        apply();
        QCOMPARE(valuesOf(lines(), "EMailNotification"), QStringList() << "off");

        // A stored name of blanks only: no mark, but not complete either.
        open(queue, "CustomJobName=   \n");
        QCOMPARE(job->jobNameCombo->currentIndex(), 1);
        QVERIFY(job->jobNameLabel->toolTip().isEmpty() && constrained());
    }

    // In every language, at the usual nine-point desktop font, the page fits
    // the tab, the account-mode, job-name and overwrite boxes show their
    // choices whole, so do the tab titles and the account-ID list's headings.
    void choiceTextsWhole_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "fr", "de", "it", "pt", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void choiceTextsWhole()
    {
        QFETCH(QString, language);
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        QTranslator translator;
        QVERIFY(translator.load(translationResourceFor(language)));
        QApplication::installTranslator(&translator);
        // As the user meets it: the queue chosen in the shown dialog.
        d.reset(new VelDialog(nullptr));
        userDir = users.path() + QStringLiteral("/u/");
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.data()));
        QVERIFY(selectQueue(*d, sampleQueue));
        job = d->jobTab;
        d->tabWidget->setCurrentWidget(job);
        QApplication::processEvents();
        const QMargins margins = job->contentsMargins();
        QVERIFY(job->layout()->minimumSize().width() + margins.left() + margins.right() <= job->width());
        // The layout may not squeeze a box below its text, nor did it.
        for (ComboBoxEx *combo : {job->accountModeCombo, job->jobNameCombo, job->overwriteCombo}) {
            const int whole = combo->sizeHint().width();
            const int floor = combo->minimumWidth() > 0 ? combo->minimumWidth() : combo->minimumSizeHint().width();
            QVERIFY2(floor >= whole && combo->width() >= whole, qPrintable(combo->itemText(0)));
        }
        auto *bar = qobject_cast<VelTabBar *>(d->tabWidget->tabBar());
        const int pageLeft = job->mapTo(d.data(), QPoint(0, 0)).x();
        for (int i = 0; i < bar->count(); ++i) {
            const int end = bar->tabRect(i).left() + bar->titleOffset()
                            + QFontMetrics(VelTabBar::titleFont()).horizontalAdvance(bar->tabText(i));
            QVERIFY2(!bar->tabRect(i).isEmpty() && bar->mapTo(d.data(), QPoint(end, 0)).x() + 2 <= pageLeft,
                     qPrintable(bar->tabText(i)));
        }
        job->showCustomAccountIDDialog();
        QHeaderView *header = job->accountIdTable->horizontalHeader();
        QVERIFY(header->length() <= job->accountIdTable->viewport()->width());
        for (int i = 0; i < 2; ++i) {
            const int arrow = i == 0 ? header->height() : 0; // sorted by ID
            QVERIFY(header->sectionSize(i) >= header->fontMetrics().horizontalAdvance(
                                                  job->accountIdTable->horizontalHeaderItem(i)->text()) + arrow + 8);
        }
        job->accountIdListWindow->hide();
        d.reset();
        QApplication::removeTranslator(&translator);
        QApplication::setFont(font);
    }

    void accountIdList()
    {
        open(queue);
        job->accountingButton->setChecked(true);
        job->accountModeCombo->setCurrentIndex(1);
        QCOMPARE(job->accountingLabel->toolTip(), QStringLiteral("You must add an account ID to the list."));
        job->accountIdListButton->click();
        QVERIFY(job->accountIdListWindow->isVisible());
        for (const char *id : {"100", "011", "9", "10"})
            addAccountId(QString::fromLatin1(id), QStringLiteral("d") + QLatin1String(id));
        QStringList order;
        for (int row = 0; row < job->accountIdTable->rowCount(); ++row)
            order << job->accountIdTable->item(row, 0)->text();
        QCOMPARE(order, QStringList() << "9" << "10" << "011" << "100");
        const QString error = QStringLiteral("Account ID Error|");
        QCOMPARE(boxesOf([this]() { addAccountId("10", "again"); }),
                 QStringList() << error + "This Account ID already exists.");
        QCOMPARE(boxesOf([this]() { job->accountIdEdit->clear(); job->accountIdButtonBox->button(QDialogButtonBox::Ok)->click(); }),
                 QStringList() << error + "Account ID must be 1 to 8 numbers in length");
        QVERIFY(job->accountIdDialog->isVisible());
        job->accountDescriptionEdit->clear();
        QTest::keyClicks(job->accountDescriptionEdit, QString(40, QLatin1Char('x')));
        QCOMPARE(job->accountDescriptionEdit->text().size(), 31);
        job->accountIdButtonBox->button(QDialogButtonBox::Cancel)->click();
        job->accountIdListButtonBox->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(itemsOf(job->accountIdCombo), order);
        choose(job->accountIdCombo, QStringLiteral("011"));
        QVERIFY(!constrained());

        // OK and Delete keep the chosen ID; Cancel keeps the whole list.
        job->accountIdListButton->click();
        addAccountId(QStringLiteral("5"), QStringLiteral("a=b"));
        selectRow(QStringLiteral("9"));
        job->deleteAccountIdButton->click();
        QCOMPARE(job->accountIdCombo->currentText(), QStringLiteral("011"));
        job->accountIdListButtonBox->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(job->accountIdCombo->currentText(), QStringLiteral("011"));
        job->accountIdListButton->click();
        selectRow(QStringLiteral("10"));
        job->deleteAccountIdButton->click();
        addAccountId(QStringLiteral("77"), QString());
        job->accountIdListButtonBox->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(itemsOf(job->accountIdCombo), QStringList() << "5" << "10" << "011" << "100");

        apply();
        QStringList stored = lines();
        QCOMPARE(valuesOf(stored, "VqManagment").first(), QStringLiteral("011"));
        QCOMPARE(valuesOf(stored, "CustomAccountID"), QStringList() << "011");
        QVERIFY(lpoptionsArgs().contains(QStringLiteral("VqManagment=011")));
        d->profileChanged();
        QCOMPARE(job->accountIds.value(QStringLiteral("5")), QStringLiteral("a=b"));
        QCOMPARE(job->accountIdCombo->currentText(), QStringLiteral("011"));

        job->accountingButton->setChecked(false);
        apply();
        stored = lines();
        QCOMPARE(valuesOf(stored, "VqManagment"), QStringList() << "Default");
        QCOMPARE(valuesOf(stored, "CustomAccountIDStore").size(), 4);

        job->accountingButton->setChecked(true);
        job->accountModeCombo->setCurrentIndex(0);
        QTest::keyClicks(job->accountIdLineEdit, QStringLiteral("12345"));
        apply();
        QCOMPARE(valuesOf(lines(), "CustomAccountID"), QStringList() << "12345");
        QVERIFY(lpoptionsArgs().contains(QStringLiteral("VqManagment=12345")));

        // A queue without job accounting does not store the list shown before.
        QFile::remove(settingsPath(optionalQueue));
        QVERIFY(selectQueue(*d, optionalQueue));
        QVERIFY(!job->accountingButton->isEnabled());
        QVERIFY(valuesOf(lines(), "CustomAccountIDStore").isEmpty());
    }

    void storedAccountIds_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("marked");
        auto row = [](const char *name, const char *stored, int mode, const char *shown, bool marked) {
            QTest::newRow(name) << QByteArray(stored) << mode << QString(shown) << marked;
        };
        row("listed", "VqManagment=9\nCustomAccountID=9\nCustomAccountIDStore=9=x\n", 1, "9", false);
        row("not listed", "VqManagment=777\nCustomAccountID=777\n", 0, "777", false);
        row("letters", "VqManagment=12a\nCustomAccountID=12a\n", 0, "12a", true);
        row("too long", "VqManagment=123456789\nCustomAccountID=123456789\n", 0, "", true);
        row("letters listed", "VqManagment=1b\nCustomAccountID=1b\nCustomAccountIDStore=1b=\nCustomAccountIDStore=5=\n",
            1, "1b", true);
    }
    void storedAccountIds()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, mode);
        QFETCH(QString, shown);
        QFETCH(bool, marked);
        open(queue, stored);
        QVERIFY(job->accountingButton->isChecked());
        QCOMPARE(job->accountModeCombo->currentIndex(), mode);
        QCOMPARE(mode == 0 ? job->accountIdLineEdit->text() : job->accountIdCombo->currentText(), shown);
        QCOMPARE(job->accountingLabel->toolTip().isEmpty(), !marked);
        QCOMPARE(constrained(), marked);
        if (mode == 1 && marked) {
            choose(job->accountIdCombo, QStringLiteral("5"));
            QVERIFY(job->accountingLabel->toolTip().isEmpty() && !constrained());
        }
    }

    void printManagementBlocksSections()
    {
        open(queue);
        job->storageButton->setChecked(true);
        job->userLoginButton->setChecked(true);
        // The print-management service switched on in its own tab.
        d->pqxTab->toggleGroup->buttonList().at(1)->click();
        for (VelCheckBoxButton *section : {job->storageButton, job->accountingButton, job->userLoginButton})
            QVERIFY(!section->isChecked() && !section->isEnabled());
    }
};

QTEST_MAIN(TestJobTab)
#include "test_job_tab.moc"
