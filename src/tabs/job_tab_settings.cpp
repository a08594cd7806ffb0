// The Job tab's stored settings: what it hands over when settings are
// written, how it comes back from a settings file or profile, the enciphered
// credentials, and the list of account IDs the user keeps.
#include "tabs/job_tab.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExp>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>

#include <openssl/crypto.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "app/credential_cipher.h"
#include "app/program_state.h"
#include "app/settings_files.h"
#include "app/text_order.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/message_box.h"
#include "ui/option_widgets.h"

namespace {

// A credential as stored: backslashes doubled, UTF-8, enciphered with its
// terminating zero, written as lower-case hexadecimal. Empty when the
// cipher fails.
QString encipherForStore(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    QByteArray plain = doubled.toUtf8();
    int length = 0;
    unsigned char *cipher = encipherCredential(plain.constData(), &length);
    OPENSSL_cleanse(plain.data(), static_cast<size_t>(plain.size()));
    if (!cipher)
        return QString();
    const QByteArray hex = QByteArray(reinterpret_cast<const char *>(cipher), length).toHex();
    free(cipher);
    return QString::fromLatin1(hex);
}

// The plain credential of a stored one; empty when it does not decipher.
QString decipherFromStore(const QString &stored)
{
    const QByteArray hex = stored.toLatin1();
    char *plain = decipherCredential(hex.constData(), hex.size() / 2);
    if (!plain)
        return QString();
    const QString text = QString::fromUtf8(plain);
    OPENSSL_cleanse(plain, strlen(plain));
    free(plain);
    return unescapeBackslashes(text);
}

bool sameMode(const QString &text, const QString &mode)
{
    return !mode.isEmpty() && text.compare(mode, Qt::CaseInsensitive) == 0;
}

} // namespace

// ---------------------------------------------------------------------------
// Table items

JobTab::CustomAccountIdItem::CustomAccountIdItem(const QString &text)
    : QTableWidgetItem(text)
{
}

JobTab::CustomAccountIdItem::~CustomAccountIdItem() = default;

bool JobTab::CustomAccountIdItem::operator<(const QTableWidgetItem &other) const
{
    const QString mine = text();
    const QString theirs = other.text();
    static const QRegExp digits(QStringLiteral("^[0-9]+$"));
    if (digits.exactMatch(mine) && digits.exactMatch(theirs))
        return lessByLengthThenText(mine, theirs);
    return mine < theirs;
}

// ---------------------------------------------------------------------------
// Reload and collection

bool JobTab::hasOptions()
{
    return hasBoundOption();
}

void JobTab::reload()
{
    blockAllSignals(true);
    accountModeCombo->blockSignals(true);
    jobNameCombo->blockSignals(true);
    setTabName();
    constraintMarks->clear();
    clearConstraintMarks();
    updateLabels();
    // "Storage off" is the option's own choice; its item is not a mode.
    vChoice *off = storageOffChoice();
    storageButton->setDependentValue(storageModeCombo, off ? off->text() : tr("None"));
    loadValues();
    updateJobStorageModes();
    updateSectionAvailability();
    loadJobSettings();
    loadCustomAccountIds();
    loadUserLogin();
    markAllOptions();
    verifyJobEmail();
    accountModeCombo->blockSignals(false);
    jobNameCombo->blockSignals(false);
    blockAllSignals(false);
}

QHash<QString, QString> JobTab::collectOptions()
{
    optionValues.clear();
    if (!currentOptionSet)
        return optionValues;
    const QString jobStorage = jobStorageText();
    for (auto it = controls.constBegin(); it != controls.constEnd(); ++it) {
        vOption *option = currentOptionSet->findOption(it.key());
        if (!option || !it.value())
            continue;
        const QString value = widgetValue(it.value(), option);
        if (value.isEmpty())
            continue;
        if (it.value() == storageModeCombo) {
            // The storage modes are written by the extra settings.
            const QString mode = storageModeCombo->currentText();
            if (sameMode(mode, jobStorage) || sameMode(mode, tr("Private print")) || sameMode(mode, tr("Custom box")))
                continue;
        }
        optionValues.insert(it.key(), value);
    }
    optionValues.insert(QStringLiteral("JobDate"), overwriteCombo->currentText() == tr("Replace existing file")
                                                       ? QStringLiteral("false")
                                                       : QStringLiteral("true"));
    for (VelCheckBoxButton *section : qAsConst(sectionButtons)) {
        if (section->isChecked())
            continue;
        for (QWidget *dependent : section->dependents()) {
            const QString keyword = controls.key(dependent);
            vOption *option = keyword.isEmpty() ? nullptr : currentOptionSet->findOption(keyword);
            if (!option)
                continue;
            vChoice *choice = dependent == storageModeCombo ? storageOffChoice() : option->choices().value(0);
            if (choice)
                optionValues.insert(keyword, choice->keyword());
        }
    }
    return optionValues;
}

QHash<QString, QString> JobTab::extraOptions()
{
    QMultiHash<QString, QString> extra;
    extra.insert(QStringLiteral("EMailNotification"), emailButton->isChecked() ? emailEdit->text() : kw::off);
    if (jobNameCombo->currentText() == tr("Custom"))
        extra.insert(QStringLiteral("CustomJobName"), jobNameEdit->text());
    if (overwriteCombo->currentText() == tr("Replace existing file")) {
        extra.insert(QStringLiteral("ReplaceJob"), QStringLiteral("true"));
        extra.insert(QStringLiteral("JobDate"), QStringLiteral("false"));
    }

    if (storageButton->isChecked()) {
        const QString mode = storageModeCombo->currentText();
        auto addAccessCode = [&]() {
            if (accessCodeEdit->text().size() != 4)
                return;
            const QString code = encipherForStore(accessCodeEdit->text());
            if (!code.isEmpty())
                extra.insert(QStringLiteral("AccessCode"), code);
        };
        if (sameMode(mode, jobStorageText())) {
            extra.insert(QStringLiteral("JobStorage"), kw::True);
            extra.insert(kw::VZCollate1, kw::JobStorage);
            addAccessCode();
        } else if (sameMode(mode, tr("Private print"))) {
            extra.insert(QStringLiteral("PrivatePrint"), kw::True);
            extra.insert(kw::VZCollate1, kw::Custom1);
            addAccessCode();
        } else if (sameMode(mode, tr("Custom box"))) {
            QString number = boxNumberEdit->text();
            while (number.size() < 4)
                number.prepend(QLatin1Char('0'));
            boxNumberEdit->setText(number);
            extra.insert(QStringLiteral("CustomBox"), number);
            if (boxPasswordEdit->text().isEmpty()) {
                extra.insert(QStringLiteral("CustomBoxPassword"), QString());
            } else {
                const QString password = encipherForStore(boxPasswordEdit->text());
                if (!password.isEmpty())
                    extra.insert(QStringLiteral("CustomBoxPassword"), password);
            }
            extra.insert(kw::VZCollate1, kw::Custom2);
        }
    }

    if (storeOption(kw::VqManagment)) {
        if (!accountingButton->isEnabledTo(this) || !accountingButton->isChecked()) {
            extra.insert(kw::VqManagment, kw::Default);
        } else {
            QString id;
            if (accountModeCombo->currentIndex() == 0)
                id = accountIdLineEdit->text();
            else if (accountModeCombo->currentIndex() == 1)
                id = accountIdCombo->currentText();
            if (!id.isEmpty()) {
                extra.insert(kw::VqManagment, id);
                extra.insert(QStringLiteral("CustomAccountID"), id);
            }
        }
    }
    const QStringList ids = sortedAccountIds(accountIds);
    for (const QString &id : ids)
        extra.insert(QStringLiteral("CustomAccountIDStore"), id + QLatin1Char('=') + accountIds.value(id));

    const bool login = userLoginButton->isChecked();
    extra.insert(QStringLiteral("UserLogin"), login ? kw::True : kw::False);
    if (login) {
        const QString name = encipherForStore(loginNameEdit->text());
        if (!name.isEmpty())
            extra.insert(QStringLiteral("UserLoginName"), name);
        const QString password = encipherForStore(loginPasswordEdit->text());
        if (!password.isEmpty())
            extra.insert(QStringLiteral("UserLoginPass"), password);
    }
    return extra;
}

// ---------------------------------------------------------------------------
// Loading

void JobTab::loadJobSettings()
{
    // E-mail notice.
    vOption *email = storeOption(kw::cEmail);
    if (email) {
        const bool on = readSettingValue(kw::cEmail) == kw::True;
        currentOptionSet->markOptionChoice(kw::cEmail, on ? kw::True : kw::False);
        if (!email->currentChoice())
            email = nullptr;
    }
    bool emailOn = false;
    QString address;
    if (email) {
        const QString keyword = email->currentChoice()->keyword();
        const QString stored = readSettingValue(QStringLiteral("EMailNotification"));
        if (!stored.isEmpty() && stored != kw::False && stored != kw::off) {
            emailOn = true;
            address = stored;
        } else if (keyword != kw::off && keyword != kw::False && stored.isEmpty()) {
            emailOn = true;
            address = keyword;
            address.remove(QStringLiteral("Custom."));
        }
    }
    emailButton->setChecked(emailOn);
    emailEdit->setEnabled(emailOn);
    emailEdit->setText(address);

    // Job name and what to do with an existing job of that name.
    const QString name = readSettingValue(QStringLiteral("CustomJobName"));
    const QString dateFlag = readSettingValue(QStringLiteral("JobDate"));
    vOption *jobName = storeOption(kw::JobName);
    QString shownName;
    bool custom = true;
    if (!name.isEmpty())
        shownName = name;
    else if (jobName && jobName->defaultChoiceKeyword() != kw::off && dateFlag.isEmpty())
        shownName = jobName->defaultChoiceKeyword().mid(7);
    else
        custom = false;
    jobNameCombo->setCurrentIndex(custom ? 1 : 0);
    jobNameEdit->setEnabled(custom);
    jobNameEdit->setText(shownName);

    bool replace;
    if (!dateFlag.isEmpty()) {
        replace = dateFlag == QLatin1String("false");
    } else {
        vOption *jobDate = storeOption(QStringLiteral("JobDate"));
        replace = jobDate && jobDate->defaultChoiceKeyword() == QLatin1String("false");
    }
    overwriteCombo->setCurrentIndex(replace ? 1 : 0);

    // Storage mode, access code and custom box.
    updateJobStorageModes();
    if (vOption *storage = storeOption(kw::VZCollate1)) {
        const int defaultItem = comboItemIndex(storageModeCombo, storage->defaultChoiceKeyword());
        if (defaultItem >= 0 && readSettingValue(kw::VZCollate1).isEmpty()) {
            storageModeCombo->setCurrentIndex(defaultItem);
            storageButton->setChecked(true);
        }
        const QString jobStorage = jobStorageText();
        if (!readSettingValue(QStringLiteral("JobStorage")).isEmpty())
            storageModeCombo->setCurrentIndex(comboItemIndex(storageModeCombo, jobStorage));
        if (!readSettingValue(QStringLiteral("PrivatePrint")).isEmpty())
            storageModeCombo->setCurrentIndex(comboItemIndex(storageModeCombo, tr("Private print")));
    }

    // A value this file does not store must not stay from the queue or
    // profile shown before.
    const QString accessCode = readSettingValue(QStringLiteral("AccessCode"));
    if (accessCode.isEmpty())
        accessCodeEdit->clear();
    else if (QRegExp(QStringLiteral("[0-9]{4}")).exactMatch(accessCode))
        accessCodeEdit->setText(accessCode);
    else
        accessCodeEdit->setText(decipherFromStore(accessCode));

    const QString boxNumber = readSettingValue(QStringLiteral("CustomBox"));
    if (!boxNumber.isEmpty()) {
        const int item = comboItemIndex(storageModeCombo, tr("Custom box"));
        if (item >= 0)
            storageModeCombo->setCurrentIndex(item);
    }
    boxNumberEdit->setText(boxNumber);
    const QString boxPassword = readSettingValue(QStringLiteral("CustomBoxPassword"));
    boxPasswordEdit->setText(boxPassword.isEmpty() ? QString() : decipherFromStore(boxPassword));

    applyStorageMode(storageModeCombo->currentText());
}

void JobTab::applyStorageMode(const QString &modeText)
{
    const QString jobStorage = jobStorageText();
    const bool accessCode = (!jobStorage.isEmpty() && modeText == jobStorage) || modeText == tr("Private print");
    const bool customBox = !accessCode && modeText == tr("Custom box");
    vOption *storage = storeOption(kw::VZCollate1);
    if (!storage) {
        storageButton->setEnabled(false);
        storageButton->setChecked(false);
    } else {
        storageButton->setEnabled(true);
        const QString stored = readSettingValue(kw::VZCollate1);
        if (stored == kw::None || (stored.isEmpty() && storage->defaultChoiceKeyword() == kw::None)) {
            storageButton->setChecked(false);
            selectProofAndHold();
        } else if (!accessCode && !customBox) {
            storageButton->setChecked(true);
        }
    }

    if (accessCode || customBox)
        storageButton->setChecked(true);
    accessCodeLabel->setVisible(accessCode);
    accessCodeEdit->setVisible(accessCode);
    for (QWidget *widget : {static_cast<QWidget *>(boxNumberLabel), static_cast<QWidget *>(boxNumberEdit),
                            static_cast<QWidget *>(boxPasswordLabel), static_cast<QWidget *>(boxPasswordEdit)})
        widget->setVisible(customBox);
}

void JobTab::loadUserLogin()
{
    if (!storeOption(kw::cUserLogin)) {
        userLoginButton->setChecked(false);
        userLoginButton->setEnabled(false);
        for (QWidget *widget : {static_cast<QWidget *>(userLoginLabel), static_cast<QWidget *>(loginNameLabel),
                                static_cast<QWidget *>(loginPasswordLabel), static_cast<QWidget *>(loginNameEdit),
                                static_cast<QWidget *>(loginPasswordEdit)})
            widget->setEnabled(false);
        loginNameEdit->clear();
        loginPasswordEdit->clear();
        return;
    }
    userLoginButton->setEnabled(true);
    userLoginButton->setChecked(false);
    userLoginLabel->setEnabled(true);
    for (QLineEdit *edit : {loginNameEdit, loginPasswordEdit}) {
        edit->setEnabled(true);
        edit->clear();
    }
    const QString name = readSettingValue(QStringLiteral("UserLoginName"));
    if (name.isEmpty()) {
        userLoginButton->setChecked(false);
        loginNameEdit->setEnabled(false);
        loginNameLabel->setEnabled(false);
    } else {
        userLoginButton->setChecked(true);
        loginNameEdit->setText(decipherFromStore(name));
    }
    const QString password = readSettingValue(QStringLiteral("UserLoginPass"));
    if (password.isEmpty()) {
        loginPasswordEdit->setEnabled(false);
        loginPasswordLabel->setEnabled(false);
    } else {
        loginPasswordEdit->setText(decipherFromStore(password));
    }
}

// ---------------------------------------------------------------------------
// Account IDs

QStringList JobTab::sortedAccountIds(const QHash<QString, QString> &ids)
{
    QStringList keys = ids.keys();
    std::sort(keys.begin(), keys.end(), lessByLengthThenText);
    return keys;
}

void JobTab::fillAccountIdCombo()
{
    const QSignalBlocker blocker(accountIdCombo);
    const QString chosen = accountIdCombo->currentText();
    accountIdCombo->clear();
    const QStringList ids = sortedAccountIds(accountIds);
    for (const QString &id : ids)
        accountIdCombo->addItem(id);
    const int index = comboItemIndex(accountIdCombo, chosen);
    if (index >= 0)
        accountIdCombo->setCurrentIndex(index);
}

void JobTab::loadCustomAccountIds()
{
    const QString stored = readSettingValue(kw::VqManagment);
    vOption *option = storeOption(kw::VqManagment);
    if (!option) {
        // Nor does the list of the queue shown before stay to be stored here.
        accountIds.clear();
        accountIdCombo->clear();
        return;
    }
    QString fallback = kw::Default;
    if (stored.isEmpty() && option->defaultChoice())
        fallback = option->defaultChoice()->keyword();
    if (stored != kw::Default)
        accountingButton->setChecked(true);

    accountIds.clear();
    accountIdLineEdit->clear();
    const QStringList entries = readSettingValues(QStringLiteral("CustomAccountIDStore"));
    for (const QString &entry : entries)
        accountIds.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    accountIdCombo->clear();
    fillAccountIdCombo();

    const QString chosen = readSettingValue(QStringLiteral("CustomAccountID"));
    if (!chosen.isEmpty() && accountIds.contains(chosen)) {
        accountModeCombo->setCurrentIndex(1);
        accountIdCombo->setCurrentIndex(comboItemIndex(accountIdCombo, chosen));
    } else if (!chosen.isEmpty()) {
        // Cut to the field's length the ID would bill another account: the
        // field stays empty then and the check asks for a valid one.
        accountIdLineEdit->setText(chosen.size() <= accountIdLineEdit->maxLength() ? chosen : QString());
        accountModeCombo->setCurrentIndex(0);
    } else if (fallback == kw::Default) {
        accountingButton->setChecked(false);
        accountModeCombo->setCurrentIndex(1);
    } else {
        QString id = fallback;
        id.remove(QStringLiteral("Custom."));
        id.remove(QStringLiteral("MG"));
        accountIdLineEdit->setText(id);
        accountModeCombo->setCurrentIndex(0);
    }
    selectJobAccount();
    for (QWidget *widget : accountingButton->dependents())
        widget->setEnabled(accountingButton->isChecked());
}

void JobTab::showCustomAccountIDDialog()
{
    tempAccountIds = accountIds;
    accountIdListWindow->show();
    fitAccountIdColumns();
}

void JobTab::fitAccountIdColumns()
{
    if (!accountIdListWindow->isVisible())
        return;
    QHeaderView *header = accountIdTable->horizontalHeader();
    // The header's size hints make room for the sort arrow on every heading;
    // only the sorted one shows it.
    const int arrow = header->isSortIndicatorShown()
                          ? header->height() + header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header)
                          : 0;
    const int sorted = header->sortIndicatorSection();
    int need[2];
    for (int i = 0; i < 2; ++i)
        need[i] = header->sectionSizeHint(i) - (i == sorted ? 0 : arrow);
    const int margin = 2 * (accountIdTable->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    need[0] = qMax(need[0], accountIdTable->fontMetrics().horizontalAdvance(QStringLiteral("88888888")) + margin);

    const int extra = accountIdListWindow->width() - 400;
    const int shortfall = need[0] + need[1] - (accountIdTable->viewport()->width() - extra);
    if (qMax(0, shortfall) != extra) {
        accountIdListWindow->setFixedWidth(400 + qMax(0, shortfall));
        accountIdListWindow->layout()->activate();
    }
    header->resizeSection(0, need[0]);
    header->resizeSection(1, qMax(need[1], accountIdTable->viewport()->width() - need[0]));
}

void JobTab::loadCustomIDTable()
{
    accountIdTable->setRowCount(0);
    QHeaderView *header = accountIdTable->horizontalHeader();
    const int column = header->sortIndicatorSection();
    const Qt::SortOrder order = header->sortIndicatorOrder();
    accountIdTable->setSortingEnabled(false);
    const QStringList ids = sortedAccountIds(tempAccountIds);
    for (const QString &id : ids) {
        const int row = accountIdTable->rowCount();
        accountIdTable->insertRow(row);
        accountIdTable->setItem(row, 0, new CustomAccountIdItem(id));
        accountIdTable->setItem(row, 1, new CustomAccountIdItem(tempAccountIds.value(id)));
    }
    accountIdTable->setSortingEnabled(true);
    accountIdTable->sortItems(column, order);
}

void JobTab::customAccountIDDoubleClicked(int row, int column)
{
    Q_UNUSED(row);
    Q_UNUSED(column);
    editCustomAccountID();
}

void JobTab::editCustomAccountID()
{
    const int row = accountIdTable->currentRow();
    QTableWidgetItem *idItem = row >= 0 ? accountIdTable->item(row, 0) : nullptr;
    if (!idItem)
        return;
    QTableWidgetItem *descriptionItem = accountIdTable->item(row, 1);
    accountIdDialog->setWindowTitle(tr("Edit Account ID"));
    accountIdEdit->setText(idItem->text());
    accountDescriptionEdit->setText(descriptionItem ? descriptionItem->text() : QString());
    accountIdDialog->setWindowModality(Qt::WindowModal);
    accountIdDialog->show();
    loadCustomIDTable();
    checkCustomIDButtonStates();
    newAccountIdMode = false;
    editedAccountId = accountIdEdit->text();
}

void JobTab::createNewCustomAccountID()
{
    const QString id = accountIdEdit->text();
    const bool changed = !newAccountIdMode && id != editedAccountId;
    auto refuse = [this](const QString &text) {
        MessageBoxRequest refusal;
        refusal.icon = QMessageBox::Warning;
        refusal.title = tr("Account ID Error");
        refusal.text = text;
        refusal.buttons = QMessageBox::Ok;
        refusal.parent = accountIdDialog;
        showMessageBox(refusal);
    };
    if (id.isEmpty()) {
        refuse(tr("Account ID must be 1 to 8 numbers in length"));
        return;
    }
    if (tempAccountIds.contains(id) && (newAccountIdMode || changed)) {
        refuse(tr("This Account ID already exists."));
        return;
    }
    if (changed)
        tempAccountIds.remove(editedAccountId);
    tempAccountIds.insert(id, accountDescriptionEdit->text());
    loadCustomIDTable();
    checkCustomIDButtonStates();
    accountIdDialog->close();
}

void JobTab::deleteCustomAccountID()
{
    const int row = accountIdTable->currentRow();
    QTableWidgetItem *idItem = row >= 0 ? accountIdTable->item(row, 0) : nullptr;
    if (idItem)
        tempAccountIds.remove(idItem->text());
    loadCustomIDTable();
    checkCustomIDButtonStates();
    fillAccountIdCombo();
}

void JobTab::saveTempAccountIDs()
{
    accountIds = tempAccountIds;
    accountIdListWindow->hide();
    fillAccountIdCombo();
}
