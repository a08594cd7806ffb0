// The Job tab's checks: what the option rules cannot express (access code,
// box number, custom job name, account ID, user name, e-mail address) is
// tested here, marked on the section headers and reported as a conflict.
#include "tabs/job_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegExp>
#include <QRegExpValidator>

#include "app/program_state.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

// An account ID: one to eight ASCII digits.
bool isAccountId(const QString &id)
{
    if (id.isEmpty() || id.size() > 8)
        return false;
    for (const QChar c : id) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A well-formed address: a local part of letters, digits and the usual
// specials with single dots between its parts, the at sign, a domain of
// letter-and-digit labels joined by dots or minus signs, and a top-level
// domain of two letters or more.
const QString &emailPattern()
{
    static const QString pattern = QStringLiteral(
        "^[a-zA-Z0-9!#$%&'*+\\-\\/=?^_`{|}~]+(\\.?[!#$%&'*+\\-\\/=?^_`{|}~]*[a-zA-Z0-9]+)*"
        "[!#$%&'*+\\-\\/=?^_`{|}~]*@[a-zA-Z0-9]+([\\-\\.][a-zA-Z0-9]+)*\\.[a-zA-Z]{2,}$");
    return pattern;
}

} // namespace

void JobTab::prepareConstraintMarks()
{
    updateJobStorageModes();
    verifyjobName();
    verifyJobStoragePasswordLineEdit();
}

void JobTab::markCustomConstraints()
{
    Tab::markCustomConstraints();
    verifyJobStorage();
    verifyJobEmail();
    verifyUserLogin();
    verifySpecificJobAccountID();
    verifyjobName();
}

void JobTab::verifyJobStoragePasswordLineEdit()
{
    QString code = accessCodeEdit->text();
    code.remove(QRegExp(QStringLiteral("[^0-9]")));
    if (code != accessCodeEdit->text())
        accessCodeEdit->setText(code);
}

void JobTab::verifyJobStorage()
{
    setErrorMark(storageLabel, QString(), false);
    if (!storageButton->isChecked())
        return;
    const QString mode = storageModeCombo->currentText();
    const int length = accessCodeEdit->text().size();
    const QString jobStorage = jobStorageText();
    const QString accessCodeMessage = tr("Access code must be 4 numbers in length.");
    if (!jobStorage.isEmpty() && mode == jobStorage) {
        if (length != 4 && length != 0)
            setErrorMark(storageLabel, accessCodeMessage, true);
    } else if (mode == tr("Private print")) {
        const bool optional = storeOption(kw::ePrivatePrint) != nullptr;
        const bool required = storeOption(kw::cPrivatePrint) != nullptr;
        if (length != 4 && ((optional && length != 0) || required))
            setErrorMark(storageLabel, accessCodeMessage, true);
    } else if (mode == tr("Custom box")) {
        const int number = boxNumberEdit->text().toInt();
        if (number > 1000 || number <= 0)
            setErrorMark(storageLabel, tr("Enter a custom box number between 1 and 1000."), true);
    }
}

void JobTab::verifyjobName()
{
    const bool missing = jobNameCombo->currentIndex() != 0 && jobNameEdit->text().isEmpty();
    setErrorMark(jobNameLabel,
                 missing ? tr("The custom job name field requires a name within a 128 character limit.") : QString(),
                 missing);
}

void JobTab::verifySpecificJobAccountID()
{
    if (!accountingButton->isChecked()) {
        accountIdLineEdit->clear();
        setErrorMark(accountingLabel, QString(), false);
        return;
    }
    const QString lengthMessage = tr("Account ID must be 1 to 8 numbers in length");
    const int mode = accountModeCombo->currentIndex();
    if (mode == 0 && !isAccountId(accountIdLineEdit->text()))
        setErrorMark(accountingLabel, lengthMessage, true);
    else if (mode == 1 && accountIdCombo->currentText().isEmpty())
        setErrorMark(accountingLabel, tr("You must add an account ID to the list."), true);
    else if (mode == 1 && !isAccountId(accountIdCombo->currentText()))
        setErrorMark(accountingLabel, lengthMessage, true);
    else
        setErrorMark(accountingLabel, QString(), false);
}

void JobTab::verifyUserLogin()
{
    const bool on = userLoginButton->isChecked();
    const QLatin1Char quote('"');
    if (on && (loginNameEdit->text().contains(quote) || loginPasswordEdit->text().contains(quote)))
        setErrorMark(userLoginLabel, tr("Value cannot contain the double quote (\") character."), true);
    else if (on && loginNameEdit->text().isEmpty())
        setErrorMark(userLoginLabel, tr("User name must be at least one character long."), true);
    else
        setErrorMark(userLoginLabel, QString(), false);
}

void JobTab::verifyJobEmail()
{
    if (!emailButton->isChecked()) {
        setErrorMark(emailLabel, QString(), false);
        return;
    }
    QRegExpValidator validator((QRegExp(emailPattern())));
    QString address = emailEdit->text();
    int position = 0;
    if (validator.validate(address, position) == QValidator::Acceptable)
        setErrorMark(emailLabel, QString(), false);
    else
        setErrorMark(emailLabel, tr("Enter the e-mail address in a valid format.\nFor example: user@example.com"),
                     true);
}

bool JobTab::isJobNameIncomplete()
{
    return jobNameCombo->currentIndex() == 1 && jobNameEdit->text().trimmed().isEmpty();
}

bool JobTab::isStorageIncomplete()
{
    if (!storageButton->isChecked())
        return false;
    const QString mode = storageModeCombo->currentText();
    const int length = accessCodeEdit->text().size();
    if (mode == tr("Custom box") && boxNumberEdit->text().isEmpty())
        return true;
    const bool privatePrint = mode == tr("Private print");
    if (privatePrint && storeOption(kw::ePrivatePrint) && length != 4 && length != 0)
        return true;
    return privatePrint && storeOption(kw::cPrivatePrint) && length != 4;
}

bool JobTab::isAccountIncomplete()
{
    if (!accountingButton->isChecked())
        return false;
    switch (accountModeCombo->currentIndex()) {
    case 0:
        return !isAccountId(accountIdLineEdit->text());
    case 1:
        return !isAccountId(accountIdCombo->currentText());
    default:
        return false;
    }
}

bool JobTab::isConstrained()
{
    const bool storageError = !storageLabel->toolTip().isEmpty() && storageButton->isChecked();
    const bool emailError = emailButton->isChecked()
                            && (!emailLabel->toolTip().isEmpty() || emailEdit->text().isEmpty());
    const bool loginError = userLoginButton->isChecked() && loginNameEdit->text().isEmpty();
    if (!hasOptions())
        return false;
    if (storageError || emailError || loginError || isJobNameIncomplete() || isStorageIncomplete()
        || isAccountIncomplete()) {
        constrained = true;
        return true;
    }
    return constrained;
}
