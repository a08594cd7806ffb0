// The Job tab's page: its widgets, layout and wiring, and the rules that
// show, hide and enable its rows.
#include "tabs/job_tab.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>

#include "app/program_state.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/option_widgets.h"

namespace {

QLineEdit *makeEdit(int maxLength, const QString &pattern, bool password = false)
{
    auto *edit = new QLineEdit;
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    if (!pattern.isEmpty())
        edit->setValidator(new QRegExpValidator(QRegExp(pattern), edit));
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

ComboBoxEx *makeCombo(const QStringList &items)
{
    auto *combo = new ComboBoxEx;
    combo->addItems(items);
    return combo;
}

// Keeps every item of a combo box of the tab's own texts whole: the box is
// at least as wide as its widest text plus what the style (with the dialog's
// padding) takes for frame and arrow, and at least minimum.
void keepItemsWhole(ComboBoxEx *combo, int minimum)
{
    combo->ensurePolished();
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = QRect(0, 0, 1000, combo->sizeHint().height());
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = qMax(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    // The label is drawn a pixel in from each side of the text field; two
    // more keep it off the arrow.
    combo->setMinimumWidth(qMax(minimum, widest + option.rect.width() - field.width() + 4));
}

const QString kLoginPattern = QStringLiteral("^[^\" ][^\"]{255}$");
const QString kDigitsPattern = QStringLiteral("[0-9]*");

// The characters an e-mail address may be typed with, at most 128 of them.
const QString kEmailFieldPattern = QStringLiteral("[a-zA-Z0-9@`.!#$%&'*+\\-\\/=?^_{|}~]{128}");

} // namespace

JobTab::JobTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    layOutWindows();
    layOutPage();
    accountIdLineEdit->hide();
    accountIdCombo->hide();
    accountIdListButton->hide();
    connectWidgets();
}

void JobTab::setTabName()
{
    tabName = tr("Job");
}

QIcon JobTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-job"));
}

QIcon JobTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-job-constraint"));
}

QString JobTab::breakableLabelText(const QString &text)
{
    QString html = text;
    html.replace(QLatin1String("\\n"), QLatin1String("<br>"));
    return QStringLiteral("<font>") + html + QStringLiteral("</font>");
}

// ---------------------------------------------------------------------------
// Building

void JobTab::buildWidgets()
{
    setStyleSheet(QStringLiteral("QLineEdit:disabled{background-color: rgba(204, 204, 204, 100) }"));
    tabName = tr("Job");
    buildStorageSection();
    buildAccountingSection();
    buildAccountIdWindows();
    buildJobNameSection();
    buildEmailSection();
    buildUserLoginSection();

    sectionButtons.append(storageButton);
    sectionButtons.append(accountingButton);

    controls.insert(kw::VZCollate1, storageModeCombo);
    controls.insert(kw::cJobStore, storageButton);
    controls.insert(kw::cJobAccount, accountingButton);
    controls.insert(QStringLiteral("cJACLE"), accountIdLineEdit);
    controls.insert(kw::cUserLogin, userLoginButton);
    controls.insert(QStringLiteral("cJULE"), loginNameEdit);
    controls.insert(QStringLiteral("cJPLE"), loginPasswordEdit);
    controls.insert(kw::cEmail, emailButton);
    controls.insert(QStringLiteral("cJELE"), emailEdit);
    labels.insert(kw::VZCollate1, storageLabel);
    labels.insert(kw::VqManagment, accountingLabel);
}

void JobTab::buildStorageSection()
{
    storageLabel = named(new QLabel(tr("Job settings") + QStringLiteral(":")), "lblVZCollate1");
    storageButton = named(
        new VelCheckBoxButton(nullptr, QStringLiteral("chkButVZCollate1"), QIcon(QStringLiteral(":/icons/storage"))),
        "chkButVZCollate1");
    storageModeCombo = new ComboBoxEx;
    storageModeCombo->setMinimumWidth(180);
    storageModeCombo->setMaximumWidth(180);
    accessCodeLabel = named(new QLabel(tr("Access code") + QStringLiteral(":")), "lblAccesCodeLabel");
    accessCodeEdit = named(makeEdit(4, QString(), true), "lnEditJobStorage");
    boxNumberLabel = named(new QLabel(tr("Box number") + QStringLiteral(":")), "lblBoxNumber");
    boxNumberEdit = named(makeEdit(4, kDigitsPattern), "lnEditBoxNumber");
    boxPasswordLabel = named(new QLabel(tr("Password") + QStringLiteral(":")), "lblBoxPassword");
    boxPasswordEdit = named(makeEdit(16, QString(), true), "lnEditBoxPassword");

    storageButton->addDependent(storageModeCombo, tr("None"));
    for (QWidget *widget : {static_cast<QWidget *>(accessCodeLabel), static_cast<QWidget *>(accessCodeEdit),
                            static_cast<QWidget *>(boxNumberLabel), static_cast<QWidget *>(boxNumberEdit),
                            static_cast<QWidget *>(boxPasswordLabel), static_cast<QWidget *>(boxPasswordEdit)})
        storageButton->addDependent(widget, kw::no_default);
}

void JobTab::buildAccountingSection()
{
    accountingLabel = named(new QLabel(tr("Job accounting") + QStringLiteral(":")), "lblVqManagment");
    accountingButton = named(new VelCheckBoxButton(nullptr, QStringLiteral("chkButVqManagment"),
                                                   QIcon(QStringLiteral(":/icons/accounting"))),
                             "chkButVqManagment");
    accountModeCombo = named(makeCombo({tr("Use specific account ID"), tr("Select account ID")}), "cmbBxVqManagment");
    accountIdLineEdit = named(makeEdit(8, kDigitsPattern), "lnEditAccountID");
    accountIdCombo = named(new ComboBoxEx, "cmbBxAccountID");
    accountIdCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    accountIdListButton = named(new QPushButton(tr("Account ID List")), "butAccountID");

    for (QWidget *widget : {static_cast<QWidget *>(accountModeCombo), static_cast<QWidget *>(accountIdLineEdit),
                            static_cast<QWidget *>(accountIdCombo), static_cast<QWidget *>(accountIdListButton)})
        accountingButton->addDependent(widget, kw::no_default);
}

void JobTab::buildAccountIdWindows()
{
    accountIdListWindow = new QDialog(this);
    accountIdListWindow->setWindowTitle(tr("Account ID"));
    accountIdTable = named(new QTableWidget(0, 2), "tblCustomAccountID");
    accountIdTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Account ID")));
    accountIdTable->setHorizontalHeaderItem(1, new QTableWidgetItem(tr("Description")));
    accountIdTable->setColumnWidth(0, 143);
    accountIdTable->setColumnWidth(1, 142);
    accountIdTable->verticalHeader()->hide();
    accountIdTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    accountIdTable->setSelectionMode(QAbstractItemView::SingleSelection);
    accountIdTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    accountIdTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    accountIdTable->horizontalHeader()->setStretchLastSection(true);
    accountIdTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    accountIdTable->setStyleSheet(Tab::errorTooltipStyle);
    accountIdTable->setSortingEnabled(true);
    accountIdTable->sortByColumn(0, Qt::AscendingOrder);
    accountIdTable->setTabKeyNavigation(false);
    newAccountIdButton = named(new QPushButton(tr("New")), "butNewCustomAccountID");
    editAccountIdButton = named(new QPushButton(tr("Edit")), "butEditCustomAccountID");
    deleteAccountIdButton = named(new QPushButton(tr("Delete")), "butDeleteCustomAccountID");
    accountIdListButtonBox =
        named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "butBoxCustomAccountID");

    accountIdDialog = new QDialog(accountIdListWindow);
    accountIdEditLabel = new QLabel(tr("Account ID:"));
    accountIdEdit = makeEdit(8, kDigitsPattern);
    accountDescriptionLabel = new QLabel(tr("Description:"));
    accountDescriptionEdit = makeEdit(0, QStringLiteral(".{,31}"));
    accountIdButtonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void JobTab::buildJobNameSection()
{
    jobNameLabel = named(new QLabel(tr("Job name") + QStringLiteral(":")), "lblJobName");
    jobNameIcon = named(new QLabel(QString()), "iconJobName");
    jobNameIcon->setPixmap(QPixmap(QStringLiteral(":/icons/name")));
    jobNameCombo = named(makeCombo({tr("Application defined"), tr("Custom")}), "cmbBxJobName");
    jobNameEdit = named(makeEdit(128, kLoginPattern), "lnEditJobName");
    overwriteLabel = named(new QLabel(breakableLabelText(tr("Overwrite job name:"))), "lblOverwrite");
    overwriteLabel->setTextFormat(Qt::RichText);
    overwriteCombo =
        named(makeCombo({tr("Use job name + date and time"), tr("Replace existing file")}), "cmbBxOverwrite");
    overwriteCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    overwriteCombo->setMinimumWidth(200);
}

void JobTab::keepChoiceTextsWhole()
{
    keepItemsWhole(accountModeCombo, 0);
    keepItemsWhole(jobNameCombo, 0);
    keepItemsWhole(overwriteCombo, 200);
}

void JobTab::buildEmailSection()
{
    emailLabel =
        named(new QLabel(breakableLabelText(tr("Job e-mail notification") + QStringLiteral(":"))), "lblJobEmail");
    emailLabel->setTextFormat(Qt::RichText);
    emailButton =
        named(new VelCheckBoxButton(nullptr, QStringLiteral("chkButJobEmail"), QIcon(QStringLiteral(":/icons/email"))),
              "chkButJobEmail");
    emailEdit = named(makeEdit(0, kEmailFieldPattern), "lnEditJobEmail");
}

void JobTab::buildUserLoginSection()
{
    userLoginLabel = named(new QLabel(tr("User Login") + QStringLiteral(":")), "lblUserLogin");
    userLoginButton =
        named(new VelCheckBoxButton(nullptr, QStringLiteral("chkButUserLogin"), QIcon(QStringLiteral(":/icons/user"))),
              "chkButUserLogin");
    loginNameLabel = named(new QLabel(tr("Name:")), "lblLoginUserName");
    loginNameEdit = named(makeEdit(256, kLoginPattern), "lnEditLoginUserName");
    loginPasswordLabel = named(new QLabel(tr("Password:")), "lblLoginPassword");
    loginPasswordEdit = named(makeEdit(256, QStringLiteral("^[^\"]+$"), true), "lnEditLoginPassword");
    for (QWidget *widget : {static_cast<QWidget *>(loginNameLabel), static_cast<QWidget *>(loginNameEdit),
                            static_cast<QWidget *>(loginPasswordLabel), static_cast<QWidget *>(loginPasswordEdit)})
        userLoginButton->addDependent(widget, kw::no_default);
}

void JobTab::layOutWindows()
{
    const Qt::WindowFlags noExtraButtons =
        Qt::WindowContextHelpButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;

    auto *listGrid = new QGridLayout;
    listGrid->addWidget(accountIdTable, 0, 0, 4, 2);
    listGrid->addWidget(newAccountIdButton, 0, 2);
    listGrid->addWidget(editAccountIdButton, 1, 2);
    listGrid->addWidget(deleteAccountIdButton, 2, 2);
    listGrid->addWidget(accountIdListButtonBox, 4, 1, 1, 2);
    listGrid->setRowStretch(4, 1);
    listGrid->setColumnStretch(0, 1); // a wider window widens the table
    accountIdListWindow->setLayout(listGrid);

    auto *idGrid = new QGridLayout;
    idGrid->addWidget(accountIdEditLabel, 0, 0);
    idGrid->addWidget(accountIdEdit, 1, 0);
    idGrid->addWidget(accountDescriptionLabel, 2, 0);
    idGrid->addWidget(accountDescriptionEdit, 3, 0);
    idGrid->addWidget(accountIdButtonBox, 4, 0);
    accountIdDialog->setLayout(idGrid);
    accountIdDialog->setWindowFlags(accountIdDialog->windowFlags() & ~noExtraButtons);

    accountIdListWindow->setFixedSize(400, 200);
    accountIdListWindow->setWindowModality(Qt::WindowModal);
    accountIdListWindow->setWindowFlags(accountIdListWindow->windowFlags() & ~noExtraButtons);
}

void JobTab::layOutPage()
{
    // Each grid has the icon column 0 and the control column 1, which takes
    // the spare width; nothing spans further, since every empty column a
    // span crossed would add its spacing and leave the choice texts less room.
    auto *left = new QGridLayout;
    left->addWidget(storageLabel, 0, 0, 1, 2, Qt::AlignLeft);
    left->addWidget(storageButton, 1, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(storageModeCombo, 1, 1, Qt::AlignLeft);
    left->addWidget(accessCodeLabel, 2, 1, Qt::AlignLeft);
    left->addWidget(boxNumberLabel, 2, 1, Qt::AlignLeft);
    left->addWidget(accessCodeEdit, 3, 1, Qt::AlignLeft);
    left->addWidget(boxNumberEdit, 3, 1, Qt::AlignLeft);
    left->addWidget(boxPasswordLabel, 4, 1, Qt::AlignLeft);
    left->addWidget(boxPasswordEdit, 5, 1, Qt::AlignLeft);
    left->addWidget(plainLine(QFrame::HLine), 8, 0, 1, 2);
    left->addWidget(accountingLabel, 9, 0, 1, 2, Qt::AlignLeft);
    left->addWidget(accountingButton, 10, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(accountModeCombo, 10, 1, Qt::AlignLeft);
    left->addWidget(accountIdLineEdit, 11, 1, Qt::AlignLeft);
    left->addWidget(accountIdCombo, 11, 1, Qt::AlignLeft);
    left->addWidget(accountIdListButton, 12, 1, Qt::AlignLeft);
    left->addWidget(plainLine(QFrame::HLine), 14, 0, 1, 2);
    left->addWidget(userLoginLabel, 15, 0, 1, 2, Qt::AlignVCenter);
    left->addWidget(userLoginButton, 16, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(loginNameLabel, 16, 1, Qt::AlignLeft);
    left->addWidget(loginNameEdit, 17, 1, Qt::AlignLeft);
    left->addWidget(loginPasswordLabel, 18, 1, Qt::AlignLeft);
    left->addWidget(loginPasswordEdit, 19, 1, Qt::AlignLeft);
    left->setColumnStretch(1, 1);
    left->setRowStretch(20, 1);

    auto *right = new QGridLayout;
    right->addWidget(jobNameLabel, 0, 0, 1, 2, Qt::AlignLeft);
    right->addWidget(jobNameIcon, 1, 0, 2, 1, Qt::AlignVCenter);
    right->addWidget(jobNameCombo, 1, 1, Qt::AlignLeft);
    right->addWidget(jobNameEdit, 2, 1, Qt::AlignLeft);
    right->addWidget(overwriteLabel, 3, 1, Qt::AlignLeft);
    right->addWidget(overwriteCombo, 4, 1, 2, 1, Qt::AlignLeft);
    right->addWidget(plainLine(QFrame::HLine), 6, 0, 1, 2);
    right->addWidget(emailLabel, 7, 0, 2, 2, Qt::AlignLeft);
    right->addWidget(emailButton, 9, 0, 2, 1, Qt::AlignLeft);
    right->addWidget(emailEdit, 9, 1, Qt::AlignLeft);
    right->setColumnStretch(1, 1);
    right->setRowStretch(14, 1);

    auto *page = new QHBoxLayout;
    page->addLayout(left);
    page->addWidget(plainLine(QFrame::VLine), 1);
    page->addLayout(right);
    setLayout(page);
}

void JobTab::connectWidgets()
{
    QObject *d = dialog;
    const char *kSetConstraints = SLOT(setConstraints());
    const Qt::ConnectionType unique = Qt::UniqueConnection;

    connect(jobNameCombo, SIGNAL(currentIndexChanged(int)), d, kSetConstraints);
    connect(jobNameCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(enableCustomJobNameSettings(int)));
    connect(jobNameCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(verifyjobName()));
    connect(accountingButton, SIGNAL(toggled(bool)), d, kSetConstraints, unique);
    connect(accountIdListButton, SIGNAL(clicked()), this, SLOT(showCustomAccountIDDialog()));
    connect(accountIdListButton, SIGNAL(clicked()), this, SLOT(loadCustomIDTable()));
    connect(accountIdListButton, SIGNAL(clicked()), this, SLOT(checkCustomIDButtonStates()));
    connect(accountIdTable->horizontalHeader(), SIGNAL(sortIndicatorChanged(int,Qt::SortOrder)), this,
            SLOT(fitAccountIdColumns()));
    connect(accountIdTable, SIGNAL(itemSelectionChanged()), this, SLOT(checkCustomIDButtonStates()));
    connect(accountIdTable, SIGNAL(cellDoubleClicked(int,int)), this, SLOT(customAccountIDDoubleClicked(int,int)));
    connect(accountIdEdit, SIGNAL(textChanged(QString)), this, SLOT(checkCustomIDButtonStates()));
    connect(accountDescriptionEdit, SIGNAL(textChanged(QString)), this, SLOT(checkCustomIDButtonStates()));
    connect(newAccountIdButton, SIGNAL(clicked()), this, SLOT(showNewCustomAccountIDDialog()));
    connect(editAccountIdButton, SIGNAL(clicked()), this, SLOT(editCustomAccountID()));
    connect(accountIdButtonBox->button(QDialogButtonBox::Ok), SIGNAL(clicked()), this, SLOT(createNewCustomAccountID()));
    connect(accountIdButtonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), accountIdDialog, SLOT(hide()));
    connect(deleteAccountIdButton, SIGNAL(clicked()), this, SLOT(deleteCustomAccountID()));
    connect(accountIdLineEdit, SIGNAL(textEdited(QString)), d, kSetConstraints, unique);
    connect(accountIdLineEdit, SIGNAL(textEdited(QString)), this, SLOT(verifySpecificJobAccountID()));
    QPushButton *listOk = accountIdListButtonBox->button(QDialogButtonBox::Ok);
    connect(listOk, SIGNAL(clicked()), this, SLOT(saveTempAccountIDs()));
    connect(accountIdListButtonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), accountIdListWindow,
            SLOT(hide()));
    connect(listOk, SIGNAL(clicked()), d, kSetConstraints, unique);
    connect(listOk, SIGNAL(clicked()), this, SLOT(verifySpecificJobAccountID()));
    enableCustomJobNameSettings(0);
    connect(accountModeCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(selectJobAccount()), unique);
    connect(accountModeCombo, SIGNAL(currentIndexChanged(int)), d, kSetConstraints, unique);
    connect(accountModeCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(verifySpecificJobAccountID()), unique);
    // Choosing another listed ID is checked like typing one.
    connect(accountIdCombo, SIGNAL(currentIndexChanged(int)), d, kSetConstraints, unique);
    connect(accountingButton, SIGNAL(toggled(bool)), d, kSetConstraints);
    connect(accountingButton, SIGNAL(toggled(bool)), this, SLOT(verifySpecificJobAccountID()));
    connect(userLoginButton, SIGNAL(toggled(bool)), d, kSetConstraints);
    connect(userLoginButton, SIGNAL(toggled(bool)), this, SLOT(toggleUserLogin()));
    for (QLineEdit *edit : {loginNameEdit, loginPasswordEdit}) {
        connect(edit, SIGNAL(textChanged(QString)), d, kSetConstraints);
        connect(edit, SIGNAL(textChanged(QString)), this, SLOT(verifyUserLogin()));
    }
    connectSignals();
    connect(storageButton, SIGNAL(toggled(bool)), this, SLOT(toggleJobSettingsCheckBox(bool)), unique);
    connect(storageButton, SIGNAL(toggled(bool)), d, kSetConstraints, unique);
    for (QLineEdit *edit : {accessCodeEdit, boxNumberEdit, boxPasswordEdit})
        connect(edit, SIGNAL(textEdited(QString)), d, kSetConstraints, unique);
    connect(jobNameEdit, SIGNAL(textEdited(QString)), d, kSetConstraints, unique);
    connect(jobNameEdit, SIGNAL(textEdited(QString)), this, SLOT(verifyjobName()));
    connect(storageModeCombo, SIGNAL(currentIndexChanged(QString)), this, SLOT(toggleJobSettingsInput(QString)));
    connect(storageModeCombo, SIGNAL(currentIndexChanged(QString)), d, kSetConstraints);
    connect(emailEdit, SIGNAL(textChanged(QString)), d, kSetConstraints, unique);
    connect(emailEdit, SIGNAL(textChanged(QString)), this, SLOT(verifyJobEmail()));
    connect(emailButton, SIGNAL(toggled(bool)), this, SLOT(jobEMailNotificationToggle(bool)));
    connect(emailButton, SIGNAL(toggled(bool)), d, kSetConstraints, unique);
    connect(emailButton, SIGNAL(toggled(bool)), this, SLOT(verifyJobEmail()));
}

// ---------------------------------------------------------------------------
// Page rules

QString JobTab::jobStorageText() const
{
    vOption *storage = storeOption(kw::VZCollate1);
    vChoice *choice = storage ? storage->findChoice(kw::JobStorage) : nullptr;
    return choice ? choice->text() : QString();
}

vChoice *JobTab::storageOffChoice() const
{
    vOption *storage = storeOption(kw::VZCollate1);
    if (!storage)
        return nullptr;
    if (vChoice *none = storage->findChoice(kw::None))
        return none;
    const QList<vChoice *> choices = storage->choices();
    return choices.isEmpty() ? nullptr : choices.first();
}

void JobTab::selectProofAndHold()
{
    int index = comboItemIndex(storageModeCombo, tr("Proof and hold"));
    if (index < 0)
        index = comboItemIndex(storageModeCombo, QStringLiteral("Proof and hold"));
    storageModeCombo->setCurrentIndex(index < 0 ? 0 : index);
}

void JobTab::updateJobStorageModes()
{
    const QString privatePrint = tr("Private print");
    const QString customBox = tr("Custom box");
    // Outside a reload, a mode that goes away moves the combo to its first
    // item; that change is recorded here instead of through the combo's
    // signals, which would start another constraint pass inside this one.
    const bool reloading = storageModeCombo->signalsBlocked();
    const QString before = storageModeCombo->currentText();
    {
        const QSignalBlocker blocker(storageModeCombo);
        auto dropMode = [this](const QString &mode) {
            if (storageModeCombo->currentText() == mode)
                storageModeCombo->setCurrentIndex(0);
            removeComboItem(storageModeCombo, mode);
        };
        if (!storeOption(kw::VZCollate1)) {
            removeComboItem(storageModeCombo, privatePrint);
            removeComboItem(storageModeCombo, customBox);
            return;
        }
        vOption *device = storeOption(kw::Option18);
        if (!device || !device->currentChoice())
            return;
        const QString installed = device->currentChoice()->keyword();
        if (storeOption(kw::cPrivatePrint) || storeOption(kw::ePrivatePrint)) {
            if (installed != kw::None) {
                if (comboItemIndex(storageModeCombo, privatePrint) < 0)
                    storageModeCombo->addItem(privatePrint);
            } else {
                dropMode(privatePrint);
            }
        }
        if (storeOption(kw::cCustomBox)) {
            if (installed == QLatin1String("SSDrive") || installed == QLatin1String("HardDisk")) {
                if (comboItemIndex(storageModeCombo, customBox) < 0)
                    storageModeCombo->addItem(customBox);
            } else {
                dropMode(customBox);
            }
        }
    }
    if (!reloading && storageModeCombo->currentText() != before) {
        markOptionForWidget(storageModeCombo->currentIndex(), storageModeCombo);
        toggleJobSettingsInput(storageModeCombo->currentText());
    }
}

void JobTab::toggleJobSettingsInput(QString text)
{
    const QString jobStorage = jobStorageText();
    const bool accessCode = (!jobStorage.isEmpty() && text == jobStorage) || text == tr("Private print");
    const bool customBox = !accessCode && text == tr("Custom box");
    if (accessCode)
        accessCodeEdit->clear();
    if (customBox) {
        boxPasswordEdit->clear();
        boxNumberEdit->clear();
    }
    accessCodeLabel->setVisible(accessCode);
    accessCodeEdit->setVisible(accessCode);
    for (QWidget *widget : {static_cast<QWidget *>(boxNumberLabel), static_cast<QWidget *>(boxNumberEdit),
                            static_cast<QWidget *>(boxPasswordLabel), static_cast<QWidget *>(boxPasswordEdit)})
        widget->setVisible(customBox);
}

void JobTab::toggleJobSettingsCheckBox(bool toggled)
{
    if (toggled)
        return;
    storageModeCombo->blockSignals(true);
    selectProofAndHold();
    if (currentOptionSet)
        currentOptionSet->markOptionChoice(kw::VZCollate1, kw::None);
    toggleJobSettingsInput(storageModeCombo->currentText());
    storageModeCombo->blockSignals(false);
}

void JobTab::updateSectionAvailability()
{
    const bool email = storeOption(kw::cEmail) != nullptr;
    emailButton->setEnabled(email);
    emailEdit->setEnabled(email);
    emailLabel->setEnabled(email);

    const bool jobName = storeOption(kw::cJobName) != nullptr;
    for (QWidget *widget : {static_cast<QWidget *>(jobNameCombo), static_cast<QWidget *>(jobNameLabel),
                            static_cast<QWidget *>(jobNameIcon), static_cast<QWidget *>(overwriteCombo),
                            static_cast<QWidget *>(overwriteLabel)})
        widget->setEnabled(jobName);

    if (storeOption(kw::VqManagment)) {
        accountingButton->setEnabled(true);
    } else {
        accountingButton->setChecked(false);
        accountingButton->setEnabled(false);
    }
}

void JobTab::enableCustomJobNameSettings(int choice)
{
    if (choice == 1) {
        jobNameEdit->setEnabled(true);
        return;
    }
    jobNameEdit->setEnabled(false);
    jobNameEdit->clear();
}

void JobTab::selectJobAccount()
{
    const bool specific = accountModeCombo->currentIndex() == 0;
    accountIdLineEdit->setVisible(specific);
    if (!specific)
        accountIdLineEdit->clear();
    accountIdCombo->setVisible(!specific);
    accountIdListButton->setVisible(!specific);
}

void JobTab::toggleUserLogin()
{
    if (userLoginButton->isChecked())
        return;
    loginNameEdit->clear();
    loginPasswordEdit->clear();
}

void JobTab::jobEMailNotificationToggle(bool checked)
{
    emailEdit->setEnabled(checked);
    emailEdit->clear();
}

void JobTab::checkCustomIDButtonStates()
{
    const bool row = accountIdTable->rowCount() > 0 && accountIdTable->currentRow() >= 0;
    editAccountIdButton->setEnabled(row);
    deleteAccountIdButton->setEnabled(row);
}

void JobTab::showNewCustomAccountIDDialog()
{
    accountIdDialog->setWindowTitle(tr("New Account ID"));
    accountIdEdit->setEnabled(true);
    accountIdEdit->clear();
    accountDescriptionEdit->clear();
    accountIdDialog->setWindowModality(Qt::WindowModal);
    accountIdDialog->setFixedSize(300, 165);
    accountIdDialog->adjustSize();
    accountIdDialog->show();
    newAccountIdMode = true;
    editedAccountId.clear();
}

void JobTab::clearConstraintMarks()
{
    Tab::clearConstraintMarks();
    for (QLabel *label : {accountingLabel, userLoginLabel, emailLabel, jobNameLabel})
        markLabelText(label, false);
}

void JobTab::retranslate()
{
    const QList<QObject *> quiet = {accountIdListButton, accountIdListWindow, accountIdTable, newAccountIdButton,
                                    editAccountIdButton, deleteAccountIdButton, jobNameCombo, overwriteCombo,
                                    emailButton, accountModeCombo};
    for (QObject *object : quiet)
        object->blockSignals(true);
    accountIdListButton->setText(tr("Account ID List"));
    accountIdListWindow->setWindowTitle(tr("Account ID"));
    accountIdTable->horizontalHeaderItem(0)->setText(tr("Account ID"));
    accountIdTable->horizontalHeaderItem(1)->setText(tr("Description"));
    newAccountIdButton->setText(tr("New"));
    editAccountIdButton->setText(tr("Edit"));
    deleteAccountIdButton->setText(tr("Delete"));
    jobNameLabel->setText(tr("Job name:"));
    jobNameCombo->clear();
    jobNameCombo->addItems({tr("Application defined"), tr("Custom")});
    overwriteCombo->clear();
    overwriteCombo->addItems({tr("Use job name + date and time"), tr("Replace existing file")});
    accessCodeLabel->setText(tr("Access code:"));
    boxNumberLabel->setText(tr("Box number") + QStringLiteral(":"));
    boxPasswordLabel->setText(tr("Password") + QStringLiteral(":"));
    accountModeCombo->clear();
    accountModeCombo->addItems({tr("Use specific account ID"), tr("Select account ID")});
    accountIdEditLabel->setText(tr("Account ID:"));
    accountDescriptionLabel->setText(tr("Description:"));
    for (QObject *object : quiet)
        object->blockSignals(false);
    keepChoiceTextsWhole();
}
