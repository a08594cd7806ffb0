// The login client of the print-management server: one HTTPS POST per
// login, its outcome handed back as one signal that names the server base
// and user it was made for.
#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;

class vcurl : public QObject
{
    Q_OBJECT
public:
    // How long a request may go without any progress before it is given up.
    static constexpr int defaultTransferTimeout = 30000;

    vcurl();

    // Posts the login for userId with password to serverBase (scheme, host
    // and port, e.g. "https://host:9094") and returns at once. The body is
    // "userID=" user "&userPWD=" password, each value with "%", "&", "=",
    // "+" and "#" percent-encoded and everything else (blanks, non-ASCII)
    // as UTF-8. Requests may overlap; none is cancelled by a later one. Each
    // ends in exactly one messageReady (the whole body, up to its first NUL)
    // or errorReady (the network error text), preceded by the tag
    // "<" + serverBase + " " + userId + ">". The server's certificate must
    // be trusted by the system and match its name, or nothing is sent.
    void postLogin(const QString &serverBase, const QString &userId, const QString &password);

    // Milliseconds without progress after which a request ends in
    // errorReady ("Operation canceled"); applies to later requests.
    void setTransferTimeout(int milliseconds);
    int transferTimeout() const { return timeout; }

signals:
    void messageReady(QString message);
    void errorReady(QString message);

private slots:
    void slotFinished();

private:
    QNetworkAccessManager *manager;
    int timeout = defaultTransferTimeout;
};
