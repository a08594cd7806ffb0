// The Job tab: job storage (a storage mode with an access code, or a custom
// box with its password), job accounting (one account ID typed or chosen from
// a list the user keeps), user login, the job name with what to do when a
// stored job of that name exists, and the job's e-mail notice.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTableWidgetItem>

#include "ui/tab.h"

class ComboBoxEx;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class VelCheckBoxButton;
class VelDialog;

class JobTab : public Tab
{
    Q_OBJECT
public:
    // A cell of the account-ID table: IDs sort as numbers (shorter first,
    // then by text), descriptions as text.
    class CustomAccountIdItem : public QTableWidgetItem
    {
    public:
        explicit CustomAccountIdItem(const QString &text);
        ~CustomAccountIdItem() override;
        bool operator<(const QTableWidgetItem &other) const override;
    };

    explicit JobTab(VelDialog *dialog);

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> collectOptions() override;
    QHash<QString, QString> extraOptions() override;
    void clearConstraintMarks() override;
    void prepareConstraintMarks() override;
    bool isConstrained() override;
    void retranslate() override;
    void markCustomConstraints() override;

    // Offers "Private print" and "Custom box" as the installed storage
    // device allows.
    void updateJobStorageModes();
    // Enables the e-mail, job-name and accounting rows the printer has.
    void updateSectionAvailability();

    bool isJobNameIncomplete();
    bool isStorageIncomplete();
    bool isAccountIncomplete();

    // The IDs of ids, shorter first, equal lengths by text.
    static QStringList sortedAccountIds(const QHash<QString, QString> &ids);
    // Refills the ID combo from the committed list; the chosen ID stays
    // chosen while it is listed.
    void fillAccountIdCombo();
    void loadCustomAccountIds();
    void loadJobSettings();
    void applyStorageMode(const QString &modeText);
    void loadUserLogin();

    // Widgets of the page.
    QLabel *storageLabel = nullptr;
    VelCheckBoxButton *storageButton = nullptr;
    ComboBoxEx *storageModeCombo = nullptr;
    QLabel *accessCodeLabel = nullptr;
    QLineEdit *accessCodeEdit = nullptr;
    QLabel *boxNumberLabel = nullptr;
    QLineEdit *boxNumberEdit = nullptr;
    QLabel *boxPasswordLabel = nullptr;
    QLineEdit *boxPasswordEdit = nullptr;
    QLabel *accountingLabel = nullptr;
    VelCheckBoxButton *accountingButton = nullptr;
    ComboBoxEx *accountModeCombo = nullptr;
    QLineEdit *accountIdLineEdit = nullptr;
    ComboBoxEx *accountIdCombo = nullptr;
    QPushButton *accountIdListButton = nullptr;
    QLabel *userLoginLabel = nullptr;
    VelCheckBoxButton *userLoginButton = nullptr;
    QLabel *loginNameLabel = nullptr;
    QLineEdit *loginNameEdit = nullptr;
    QLabel *loginPasswordLabel = nullptr;
    QLineEdit *loginPasswordEdit = nullptr;
    QLabel *jobNameLabel = nullptr;
    QLabel *jobNameIcon = nullptr;
    ComboBoxEx *jobNameCombo = nullptr;
    QLineEdit *jobNameEdit = nullptr;
    QLabel *overwriteLabel = nullptr;
    ComboBoxEx *overwriteCombo = nullptr;
    QLabel *emailLabel = nullptr;
    VelCheckBoxButton *emailButton = nullptr;
    QLineEdit *emailEdit = nullptr;

    // The account-ID list window and the New/Edit dialog it opens.
    QDialog *accountIdListWindow = nullptr;
    QTableWidget *accountIdTable = nullptr;
    QPushButton *newAccountIdButton = nullptr;
    QPushButton *editAccountIdButton = nullptr;
    QPushButton *deleteAccountIdButton = nullptr;
    QDialogButtonBox *accountIdListButtonBox = nullptr;
    QDialog *accountIdDialog = nullptr;
    QLabel *accountIdEditLabel = nullptr;
    QLineEdit *accountIdEdit = nullptr;
    QLabel *accountDescriptionLabel = nullptr;
    QLineEdit *accountDescriptionEdit = nullptr;
    QDialogButtonBox *accountIdButtonBox = nullptr;

    // The committed list (what is stored and offered) and the copy the list
    // window edits; ID to description.
    QHash<QString, QString> accountIds;
    QHash<QString, QString> tempAccountIds;
    bool newAccountIdMode = false;
    QString editedAccountId;

public slots:
    void verifyJobEmail();
    void verifyjobName();
    void verifyJobStorage();
    void verifySpecificJobAccountID();
    void verifyUserLogin();
    void enableCustomJobNameSettings(int choice);
    void toggleJobSettingsInput(QString text);
    void toggleJobSettingsCheckBox(bool toggled);
    void toggleUserLogin();
    void loadCustomIDTable();
    void customAccountIDDoubleClicked(int row, int column);
    void checkCustomIDButtonStates();
    void createNewCustomAccountID();
    void deleteCustomAccountID();
    void editCustomAccountID();
    void jobEMailNotificationToggle(bool checked);
    void showNewCustomAccountIDDialog();
    void showCustomAccountIDDialog();
    void saveTempAccountIDs();
    void selectJobAccount();
    void verifyJobStoragePasswordLineEdit();

private slots:
    // Both headings of the account-ID list fit the window whole, the sorted
    // one with its arrow, and the ID column takes an eight-digit ID; the
    // description has the rest. A language whose headings need more than the
    // window's 400 pixels widens it.
    void fitAccountIdColumns();

private:
    void buildStorageSection();
    void buildAccountingSection();
    void buildAccountIdWindows();
    void buildJobNameSection();
    void buildEmailSection();
    void buildUserLoginSection();
    // The account-mode, job-name and overwrite boxes show their choices whole
    // in the present language.
    void keepChoiceTextsWhole();
    void layOutWindows();
    void layOutPage();
    void connectWidgets();

    // The display text of the storage option's choice "JobStorage"; empty
    // when the option or the choice is missing.
    QString jobStorageText() const;
    // The storage option's choice that stands for "storage off": "None"
    // when it has one, else its first choice; null without the option.
    vChoice *storageOffChoice() const;
    // Selects "Proof and hold" (in the user's language, else in English),
    // else the first item.
    void selectProofAndHold();
    // The rich text of the two labels whose translation may break a line.
    static QString breakableLabelText(const QString &text);
};
