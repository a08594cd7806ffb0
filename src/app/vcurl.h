// The login client of the print-management server: one HTTPS POST per
// login, its outcome handed back as one signal that names the server and
// user it was made for.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class vcurl : public QObject
{
    Q_OBJECT
public:
    // How long a request may go without any progress before it is given up.
    static constexpr int defaultTransferTimeout = 30000;
    // How long a whole request may take, however steadily the server sends.
    static constexpr int defaultRequestDeadline = 30000;
    // The largest reply taken: the server answers with one small JSON
    // object.
    static constexpr qint64 maxReplyBytes = 64 * 1024;

    vcurl();

    // True when host is a host name or an IP address, an IPv6 address bare
    // or in brackets: nothing that could carry a port, a path, a user part,
    // a query or a fragment into the address.
    static bool isServerName(const QString &host);
    // The login's address built from its parts; an invalid URL when host is
    // no server name or port no port number (1 to 65535).
    static QUrl loginUrl(const QString &host, const QString &port);
    // The tag that precedes the outcome of the login for userId at host and
    // port: "<https://" + host + ":" + port + " " + userId + ">".
    static QString loginTag(const QString &host, const QString &port, const QString &userId);

    // Posts the login for userId with password to host and port (the texts
    // of the tab's fields) and returns at once. The body is "userID=" user
    // "&userPWD=" password, each value with "%", "&", "=", "+" and "#"
    // percent-encoded and everything else (blanks, non-ASCII) as UTF-8.
    // Requests may overlap; none is cancelled by a later one. Each ends in
    // exactly one messageReady (the whole body, up to its first NUL) or
    // errorReady (why it failed: the network library's error text, or one of
    // this client's own texts for a reply over maxReplyBytes, a request over
    // its deadline, a certificate that fails the check and an address that
    // is no server), preceded by loginTag(host, port, userId). The
    // server's certificate must be trusted by the system and match its name,
    // or nothing is sent.
    void postLogin(const QString &host, const QString &port, const QString &userId, const QString &password);

    // Milliseconds without progress after which a request ends in
    // errorReady ("Operation canceled"); applies to later requests.
    void setTransferTimeout(int milliseconds);
    int transferTimeout() const { return timeout; }
    // Milliseconds after which a request ends in errorReady whatever it is
    // doing; applies to later requests.
    void setRequestDeadline(int milliseconds);
    int requestDeadline() const { return deadline; }

signals:
    void messageReady(QString message);
    void errorReady(QString message);

private slots:
    void slotReadyRead();
    void slotMetaDataChanged();
    void slotSslErrors(const QList<QSslError> &errors);
    void slotFinished();

private:
    // What one request has received so far, and why this client stopped it.
    struct Pending
    {
        QByteArray body;
        QString failure;
        QList<QSslError> sslErrors;
    };

    // Stops the request with failure as its outcome.
    void stop(QNetworkReply *reply, const QString &failure);
    QString certificateFailure(const QList<QSslError> &errors) const;
    QString tooLargeFailure() const;

    QNetworkAccessManager *manager;
    QHash<QNetworkReply *, Pending> pending;
    int timeout = defaultTransferTimeout;
    int deadline = defaultRequestDeadline;
};
