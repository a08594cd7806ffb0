// The print-management tab: switches the Quorix service on or off for the
// queue, holds the server, port and login, logs in to the server and turns
// the server's policies into choices of the option store that block the
// colour, toner-saving and duplex settings they forbid. While the service is
// on, the tab stays constrained until a login with policies has succeeded
// for exactly the values in its fields.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include "ui/tab.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QRegExpValidator;
class VelButtonGroup;
class VelDialog;
class vcurl;

class PQXTab : public Tab
{
    Q_OBJECT
public:
    explicit PQXTab(VelDialog *dialog);
    ~PQXTab() override;

    void setTabName() override;
    void buildWidgets() override;
    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> collectOptions() override;

    // Wires the page once; the order decides the order of the slots that
    // one signal runs.
    virtual void connectSignals();

    // Stored values into the page and the verified copies, then the
    // service state applied.
    void loadPQXSettings();
    // The long password validator where the printer takes long passwords.
    void choosePasswordValidator();

    // True unless the message begins with the tag of a login sent from this
    // tab whose server, port and user equal the fields now.
    bool isStaleReply(const QString &message) const;
    // The stored login is sent when the stored service is on; the policies
    // fall back to "Off" until a reply with policies arrives.
    void autoVerify();
    // policyChoices into the option store.
    void applyPolicyOptions();
    // The three policies from the reply body; true when it carried policies
    // and is no refusal.
    bool parsePolicies(const QString &body);
    void showVerifyResult(const QString &body);

    VelButtonGroup *toggleGroup = nullptr;
    QLabel *serverLabel = nullptr;
    QLineEdit *serverEdit = nullptr;
    QLabel *portLabel = nullptr;
    QLineEdit *portEdit = nullptr;
    QLabel *userLabel = nullptr;
    QLineEdit *userEdit = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QCheckBox *notifyBox = nullptr;
    QRadioButton *continueRadio = nullptr;
    QRadioButton *cancelRadio = nullptr;
    QPushButton *verifyButton = nullptr;
    QRegExpValidator *longPasswordValidator = nullptr;
    QRegExpValidator *shortPasswordValidator = nullptr;
    vcurl *loginClient = nullptr;
    bool changedSinceVerify = false;
    bool verifiedToggle = false;
    QString verifiedServer;
    QString verifiedPort;
    QString verifiedUsername;
    QString verifiedPassword;
    QHash<QString, QString> policyChoices;
    bool verifyingByButton = false;
    bool policiesOk = true;
    bool replyReceived = false;

public slots:
    void verify();
    void markCustomConstraints() override;
    void togglePQX();
    void toggleNotifications();
    void checkForChanges();
    void verifySuccess(QString message);
    void verifyFailure(QString message);

signals:
    // The server's policies force monochrome printing.
    void colorchanged();

private:
    // One login sent and not yet answered: the values it was sent with,
    // under the tag its reply will begin with.
    struct Login
    {
        QString tag, server, port, user, password;
    };

    // Sends a login and records it until its reply or error arrives.
    void postLogin(const QString &server, const QString &port, const QString &user, const QString &password);
    // The recorded login whose tag the message begins with (the longest such
    // tag, the earliest of equal ones); -1 when none.
    int loginOf(const QString &message) const;
    // The twelve widgets that follow the service switch.
    QList<QWidget *> serviceWidgets() const;
    // Enabling, the store's switch and the policies for the service state.
    void applyToggleState(bool on);
    void markToggle(const QString &text);
    void setAllPolicies(const QString &choice);
    // The stored password in clear; empty when none or unreadable.
    static QString storedPassword();

    QList<Login> pendingLogins;
};
