#include "tabs/pqx_tab.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QValidator>

#include <cstdlib>

#include "app/credential_cipher.h"
#include "app/program_state.h"
#include "app/settings_files.h"
#include "app/vcurl.h"
#include "app/vel_dialog.h"
#include "model/option_keywords.h"
#include "model/option_model.h"
#include "ui/message_box.h"
#include "ui/option_widgets.h"

namespace {

const QString kTitle = QStringLiteral("uLmera");
const QString kDefaultPort = QStringLiteral("9094");
const QString kRefused = QStringLiteral("INVALID_USER_NAME_OR_PASSWORD");
const QString kMonoOnly = QStringLiteral("\"JE.MonoPrint\":\"ON\"");
const QString kUnspecified = QStringLiteral("An unspecified error occured.");

const QString kEnabledKey = QStringLiteral("PQX_enabled");
const QString kNotifyKey = QStringLiteral("PQX_notify");
const QString kServerKey = QStringLiteral("PQX_server");
const QString kBlockingKey = QStringLiteral("PQX_blocking");
const QString kPortKey = QStringLiteral("PQX_port");
const QString kUserKey = QStringLiteral("PQX_username");
const QString kPasswordKey = QStringLiteral("PQX_password");

QString onOff(bool on)
{
    return on ? kw::ON : kw::OFF;
}

// A stored password as enciphered, lower-case hexadecimal; empty when the
// cipher is not available, so that nothing unreadable is stored.
QString encipherPassword(const QString &password)
{
    QString doubled = password;
    doubled.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    const QByteArray plain = doubled.toUtf8();
    int length = 0;
    unsigned char *cipher = encipherCredential(plain.constData(), &length);
    if (!cipher)
        return QString();
    const QString hex = QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(cipher), length).toHex());
    free(cipher);
    return hex;
}

// The password in clear from its stored form; empty for an empty or
// unreadable value.
QString decipherPassword(const QString &stored)
{
    if (stored.isEmpty())
        return QString();
    const QByteArray hex = stored.toUtf8();
    char *plain = decipherCredential(hex.constData(), hex.size() / 2);
    if (!plain)
        return QString();
    const QString text = QString::fromUtf8(plain);
    free(plain);
    return unescapeBackslashes(text);
}

// The server field takes a host name or an IP address: characters that
// could add a port, a path, a user part, a query or a fragment to the
// address are refused as they are typed; what is typed is a server only
// once it is complete (the tab's mark says so until then).
class ServerNameValidator : public QValidator
{
public:
    explicit ServerNameValidator(QObject *parent) : QValidator(parent) {}

    State validate(QString &input, int &) const override
    {
        if (input.size() > 260)
            return Invalid;
        if (input.isEmpty() || vcurl::isServerName(input))
            return Acceptable;
        for (const QChar c : qAsConst(input)) {
            if (!c.isLetterOrNumber() && !QStringLiteral("-._:[]").contains(c))
                return Invalid;
        }
        return Intermediate;
    }
};

} // namespace

PQXTab::PQXTab(VelDialog *dialog)
    : Tab(dialog)
{
    buildWidgets();
    connectSignals();
    setTabName();

    auto *grid = new QGridLayout(this);
    grid->addWidget(toggleGroup, 0, 0, 1, 4);
    grid->addWidget(serverLabel, 1, 0, 1, 6);
    grid->addWidget(serverEdit, 2, 0, 1, 6);
    grid->addWidget(portLabel, 1, 7, 1, 3);
    grid->addWidget(portEdit, 2, 7, 1, 3);
    grid->addWidget(userLabel, 3, 0, 1, 10);
    grid->addWidget(userEdit, 4, 0, 1, 10);
    grid->addWidget(passwordLabel, 5, 0, 1, 10);
    grid->addWidget(passwordEdit, 6, 0, 1, 10);
    grid->addWidget(notifyBox, 7, 0, 1, 5);
    grid->addWidget(continueRadio, 8, 1, 1, 3);
    grid->addWidget(cancelRadio, 9, 1, 1, 3);
    grid->addWidget(verifyButton, 10, 0, 1, 2);
    grid->setColumnStretch(10, 1);
    grid->setRowStretch(15, 1);
}

PQXTab::~PQXTab()
{
    delete loginClient;
}

void PQXTab::setTabName()
{
    tabName = kTitle;
}

void PQXTab::buildWidgets()
{
    // The buttons carry the store's choice texts, so that selecting and
    // marking find each other in every language.
    toggleGroup = named(new VelButtonGroup(this, kTitle + QLatin1Char(':')), "butGroupPQX");
    tabName = kTitle;
    const QString offText = QCoreApplication::translate("QObject", "Off");
    toggleGroup->addButton(offText, QStringLiteral(":/icons/pqx-off"));
    toggleGroup->addButton(QCoreApplication::translate("QObject", "On"), QStringLiteral(":/icons/pqx-on"));
    toggleGroup->selectButtonByName(offText);
    // The error mark is taller than the title's text: the title keeps that
    // room from the start, so that the buttons stay put when it shows.
    QLabel marked(toggleGroup->titleLabel()->text());
    markLabelText(&marked, true);
    toggleGroup->titleLabel()->setMinimumHeight(marked.sizeHint().height());

    const QRegExp userPattern(QStringLiteral("^[\\w][\\w ]{63}$"));
    const QRegExp shortPasswordPattern(QStringLiteral(".{,64}"));
    const QRegExp longPasswordPattern(QStringLiteral(".{,256}"));
    const QRegExp portPattern(QStringLiteral("[0-9]{,16}"));
    longPasswordValidator = new QRegExpValidator(longPasswordPattern, this);
    shortPasswordValidator = new QRegExpValidator(shortPasswordPattern, this);

    serverLabel = named(new QLabel(tr("Server") + QLatin1Char(':'), this), "lblPQXServer");
    serverEdit = named(new QLineEdit(this), "lnEditPQXServer");
    serverEdit->setValidator(new ServerNameValidator(this));
    portLabel = named(new QLabel(tr("Port") + QLatin1Char(':'), this), "lblPQXPort");
    portEdit = named(new QLineEdit(this), "lnEditPQXPort");
    portEdit->setValidator(new QRegExpValidator(portPattern, this));
    userLabel = named(new QLabel(tr("Login user name") + QLatin1Char(':'), this), "lblPQXUser");
    userEdit = named(new QLineEdit(this), "lnEditPQXUser");
    userEdit->setValidator(new QRegExpValidator(userPattern, this));
    passwordLabel = named(new QLabel(tr("Password") + QLatin1Char(':'), this), "lblPQXPassword");
    passwordEdit = named(new QLineEdit(this), "lnEditPQXPassword");
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setMaxLength(256);
    notifyBox =
        named(new QCheckBox(tr("No notifications for policy conflicts") + QLatin1Char(':'), this), "chkBxPQXConflict");
    continueRadio = named(new QRadioButton(tr("Continue printing"), this), "rdButPQXContinue");
    cancelRadio = named(new QRadioButton(tr("Cancel printing"), this), "rdButPQXCancel");
    verifyButton = named(new QPushButton(tr("Verify"), this), "butPQXVerify");

    controls.insert(kw::PQXToggle, toggleGroup);

    loginClient = new vcurl;

    changedSinceVerify = false;
    verifyingByButton = false;
    policiesOk = true;
    replyReceived = false;
    constrained = false;
    setAllPolicies(kw::Off);
}

void PQXTab::connectSignals()
{
    connect(toggleGroup, SIGNAL(buttonClicked(int)), this, SLOT(togglePQX()));
    Tab::connectSignals();
    connect(verifyButton, SIGNAL(clicked(bool)), this, SLOT(verify()));
    connect(notifyBox, SIGNAL(clicked(bool)), this, SLOT(toggleNotifications()));
    // A reply first settles the tab's state, then the dialog re-marks.
    connect(loginClient, SIGNAL(messageReady(QString)), this, SLOT(verifySuccess(QString)), Qt::UniqueConnection);
    connectToDialog(loginClient, SIGNAL(messageReady(QString)));
    connect(loginClient, SIGNAL(errorReady(QString)), this, SLOT(verifyFailure(QString)), Qt::UniqueConnection);
    connectToDialog(loginClient, SIGNAL(errorReady(QString)));
    connectToDialog(toggleGroup, SIGNAL(buttonClicked(int)));
    for (QLineEdit *edit : {serverEdit, portEdit, userEdit, passwordEdit})
        connectToDialog(edit, SIGNAL(textEdited(QString)));
    if (dialog)
        connect(this, SIGNAL(colorchanged()), dialog, SLOT(toggleColorMode()), Qt::UniqueConnection);
}

QIcon PQXTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-pqx"));
}

QIcon PQXTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-pqx-constraint"));
}

bool PQXTab::hasOptions()
{
    return currentOptionSet && !currentOptionSet->hasVpslFilter();
}

void PQXTab::reload()
{
    blockAllSignals(true);
    setTabName();
    constraintMarks->clear();
    clearConstraintMarks();
    updateLabels();
    loadValues();
    choosePasswordValidator();
    markAllOptions();
    postReloadHook();
    enableOptions();
    loadPQXSettings();
    replyReceived = false;
    autoVerify();
    applyPolicyOptions();
    blockAllSignals(false);
}

// ---------------------------------------------------------------------------
// Service state and marks

QList<QWidget *> PQXTab::serviceWidgets() const
{
    return {serverLabel, serverEdit, portLabel, portEdit, userLabel, userEdit,
            passwordLabel, passwordEdit, notifyBox, continueRadio, cancelRadio, verifyButton};
}

void PQXTab::setAllPolicies(const QString &choice)
{
    policyChoices.insert(kw::PQXColorMode, choice);
    policyChoices.insert(kw::PQXTonsave, choice);
    policyChoices.insert(kw::PQXDuplex, choice);
}

void PQXTab::applyToggleState(bool on)
{
    for (QWidget *widget : serviceWidgets())
        widget->setEnabled(on);
    if (currentOptionSet)
        currentOptionSet->markOptionChoice(kw::PQXToggle, on ? kw::On : kw::Off);
    if (on) {
        if (portEdit->text().isEmpty())
            portEdit->setText(kDefaultPort);
    } else if (currentOptionSet) {
        // Off lifts every policy in the store; policyChoices keeps what the
        // server said for when the service is switched on again.
        for (const QString &keyword : {kw::PQXColorMode, kw::PQXTonsave, kw::PQXDuplex})
            currentOptionSet->markOptionChoice(keyword, kw::Off);
    }
}

void PQXTab::togglePQX()
{
    const bool on = toggleGroup->checkedIndex() == 1;
    notifyBox->setChecked(true);
    continueRadio->setChecked(true);
    applyToggleState(on);
    // The policies of the last login hold again as soon as the service is
    // back: the tab counts itself verified, so the store must agree.
    if (on)
        applyPolicyOptions();
    toggleNotifications();
}

void PQXTab::toggleNotifications()
{
    const bool free = notifyBox->isChecked() && toggleGroup->checkedIndex() == 1;
    continueRadio->setEnabled(free);
    cancelRadio->setEnabled(free);
    if (!free)
        continueRadio->setChecked(true);
}

void PQXTab::checkForChanges()
{
    changedSinceVerify = toggleGroup->isEnabled() != verifiedToggle || serverEdit->text() != verifiedServer
        || portEdit->text() != verifiedPort || userEdit->text() != verifiedUsername
        || passwordEdit->text() != verifiedPassword;
}

void PQXTab::markToggle(const QString &text)
{
    setErrorMark(toggleGroup, text, true);
}

void PQXTab::markCustomConstraints()
{
    checkForChanges();
    constrained = true;
    if (toggleGroup->checkedIndex() != 1) {
        setErrorMark(toggleGroup, QString(), false);
        constrained = false;
        return;
    }
    verifyButton->setEnabled(false);
    for (QLineEdit *edit : {serverEdit, portEdit, userEdit, passwordEdit}) {
        if (edit->text().isEmpty()) {
            markToggle(tr("Server, Port, and Login user information must be filled out."));
            return;
        }
    }
    if (!vcurl::isServerName(serverEdit->text())) {
        markToggle(tr("Enter a host name or an IP address as server, without a port or anything else."));
        return;
    }
    verifyButton->setEnabled(true);
    if (changedSinceVerify) {
        markToggle(tr("You must click Verify after making changes."));
    } else if (!replyReceived) {
        markToggle(tr("Unable to connect to the server."));
    } else if (policiesOk) {
        setErrorMark(toggleGroup, QString(), false);
        constrained = false;
    } else {
        markToggle(tr("Login failed. The user name or password you entered is incorrect."));
    }
}

// ---------------------------------------------------------------------------
// Stored settings

QHash<QString, QString> PQXTab::collectOptions()
{
    optionValues.clear();
    const bool on = toggleGroup->checkedIndex() == 1;
    const bool notify = notifyBox->isChecked();
    optionValues.insert(kEnabledKey, onOff(on));
    optionValues.insert(kNotifyKey, onOff(notify));
    optionValues.insert(kServerKey, serverEdit->text());
    optionValues.insert(kBlockingKey, onOff(notify && cancelRadio->isChecked()));
    optionValues.insert(kPortKey, portEdit->text());
    optionValues.insert(kUserKey, userEdit->text());
    if (on) {
        const QString cipher = encipherPassword(passwordEdit->text());
        if (!cipher.isEmpty())
            optionValues.insert(kPasswordKey, cipher);
    } else {
        optionValues.insert(kPasswordKey, QString());
    }
    return optionValues;
}

QString PQXTab::storedPassword()
{
    return decipherPassword(readSettingValue(kPasswordKey));
}

void PQXTab::loadPQXSettings()
{
    const QString enabled = readSettingValue(kEnabledKey);
    const QString notify = readSettingValue(kNotifyKey);
    const QString server = readSettingValue(kServerKey);
    const QString blocking = readSettingValue(kBlockingKey);
    const QString port = readSettingValue(kPortKey);
    const QString user = readSettingValue(kUserKey);
    const QString password = storedPassword();

    const bool on = enabled == kw::ON;
    toggleGroup->setButton(on ? 1 : 0);
    verifiedToggle = on;
    serverEdit->setText(server);
    verifiedServer = server;
    portEdit->setText(port);
    verifiedPort = port;
    userEdit->setText(user);
    verifiedUsername = user;
    passwordEdit->setText(password);
    verifiedPassword = password;
    notifyBox->setChecked(notify == kw::ON);
    if (blocking == kw::OFF)
        continueRadio->setChecked(true);
    if (blocking == kw::ON)
        cancelRadio->setChecked(true);
    applyToggleState(on);
    toggleNotifications();
}

void PQXTab::choosePasswordValidator()
{
    const bool longPasswords = storeOption(kw::cMaxPassword) != nullptr;
    passwordEdit->setValidator(longPasswords ? longPasswordValidator : shortPasswordValidator);
}

// ---------------------------------------------------------------------------
// Verification

void PQXTab::postLogin(const QString &server, const QString &port, const QString &user, const QString &password)
{
    pendingLogins.append({vcurl::loginTag(server, port, user), server, port, user, password});
    loginClient->postLogin(server, port, user, password);
}

void PQXTab::verify()
{
    const QString port = portEdit->text();
    const QString server = serverEdit->text();
    const QString user = userEdit->text();
    const QString password = passwordEdit->text();
    verifyingByButton = true;
    policiesOk = false;
    postLogin(server, port, user, password);
}

void PQXTab::autoVerify()
{
    const QString enabled = readSettingValue(kEnabledKey);
    const QString server = readSettingValue(kServerKey);
    const QString port = readSettingValue(kPortKey);
    const QString user = readSettingValue(kUserKey);
    const QString password = storedPassword();
    verifyingByButton = false;
    if (enabled == kw::ON) {
        policiesOk = false;
        // A stored server that is no host name or address is not asked;
        // the tab's mark says why.
        if (vcurl::isServerName(server))
            postLogin(server, port, user, password);
    }
    setAllPolicies(kw::Off);
}

int PQXTab::loginOf(const QString &message) const
{
    int found = -1;
    for (int i = 0; i < pendingLogins.size(); ++i) {
        const QString &tag = pendingLogins.at(i).tag;
        if (message.startsWith(tag) && (found < 0 || tag.size() > pendingLogins.at(found).tag.size()))
            found = i;
    }
    return found;
}

bool PQXTab::isStaleReply(const QString &message) const
{
    // The login's own values decide, not a reading of the tag: a server
    // such as "[::1]" holds the separators the tag is built with.
    const int index = loginOf(message);
    if (index < 0)
        return true;
    const Login &login = pendingLogins.at(index);
    return serverEdit->text() != login.server || portEdit->text() != login.port || userEdit->text() != login.user;
}

void PQXTab::verifySuccess(QString message)
{
    const int index = loginOf(message);
    const bool stale = isStaleReply(message);
    if (index < 0)
        return;
    const Login login = pendingLogins.takeAt(index);
    if (stale)
        return;
    // Only the tag goes: the body may hold "<" and ">" of its own.
    const QString body = message.mid(login.tag.size());
    policiesOk = parsePolicies(body);
    replyReceived = true;
    applyPolicyOptions();
    if (policiesOk) {
        // What this login sent is verified, whatever the fields hold by the
        // time the result box is closed.
        changedSinceVerify = false;
        verifiedToggle = toggleGroup->isEnabled();
        verifiedServer = login.server;
        verifiedPort = login.port;
        verifiedUsername = login.user;
        verifiedPassword = login.password;
    }
    showVerifyResult(body);
}

void PQXTab::verifyFailure(QString message)
{
    const int index = loginOf(message);
    const bool stale = isStaleReply(message);
    if (index < 0)
        return;
    const QString reason = message.mid(pendingLogins.takeAt(index).tag.size());
    if (stale)
        return;
    replyReceived = false;
    applyPolicyOptions();
    // What failed, in the client's or the network library's words, shown
    // as plain text whatever the server put into it.
    MessageBoxRequest failure;
    failure.title = kTitle;
    failure.textFormat = Qt::PlainText;
    failure.text = tr("Unable to connect to the server.") + QStringLiteral("\n\n") + reason;
    failure.buttons = QMessageBox::Ok;
    showMessageBox(failure);
}

bool PQXTab::parsePolicies(const QString &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body.toUtf8());
    const QJsonObject top = document.isObject() ? document.object() : QJsonObject();
    // A refusal grants nothing, whatever else the body holds.
    if (body.contains(kRefused) || !top.contains(QLatin1String("Policies"))) {
        setAllPolicies(kw::Off);
        return false;
    }
    const QJsonObject policies = top.value(QLatin1String("Policies")).toObject();
    const auto take = [&](const char *member, const QString &keyword, const char *onValue) {
        const QString name = QLatin1String(member);
        if (policies.contains(name))
            policyChoices.insert(keyword, policies.value(name).toString() == QLatin1String(onValue) ? kw::On : kw::Off);
    };
    take("JE.FullColorPrint", kw::PQXColorMode, "ON");
    take("DR.TonsaveRestriction", kw::PQXTonsave, "PV.On");
    take("DR.DuplexRestriction", kw::PQXDuplex, "PV.On");
    return true;
}

void PQXTab::applyPolicyOptions()
{
    if (!currentOptionSet)
        return;
    const QString color = policyChoices.value(kw::PQXColorMode);
    currentOptionSet->markOptionChoice(kw::PQXColorMode, color);
    if (color == kw::On)
        emit colorchanged();
    currentOptionSet->markOptionChoice(kw::PQXTonsave, policyChoices.value(kw::PQXTonsave));
    currentOptionSet->markOptionChoice(kw::PQXDuplex, policyChoices.value(kw::PQXDuplex));
}

void PQXTab::showVerifyResult(const QString &body)
{
    QString text = kUnspecified;
    if (body.contains(kRefused))
        text = tr("Login failed. The user name or password you entered is incorrect.");
    // Authenticated only when the reply carried policies and is no refusal.
    if (verifyingByButton && policiesOk && body.contains(QLatin1Char('{')))
        text = tr("Server and user credentials have been authenticated and policies have been applied.")
            + QStringLiteral("\n\n") + tr("Credentials and policies will be checked again during printing.")
            + QLatin1Char('\n');
    if (body.contains(kMonoOnly))
        text = tr("You do not have permission to print.");
    if (text == kUnspecified && !verifyingByButton)
        return;
    MessageBoxRequest result;
    result.title = kTitle;
    result.text = text;
    result.buttons = QMessageBox::Ok;
    showMessageBox(result);
}
