#include "app/vcurl.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

const QString loginPath = QStringLiteral("/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost");

// The characters that would end a value or change its meaning in a form
// body; the server decodes them back.
QString encodeFormValue(const QString &value)
{
    QString encoded;
    encoded.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '%': encoded += QLatin1String("%25"); break;
        case '&': encoded += QLatin1String("%26"); break;
        case '=': encoded += QLatin1String("%3D"); break;
        case '+': encoded += QLatin1String("%2B"); break;
        case '#': encoded += QLatin1String("%23"); break;
        default: encoded += c;
        }
    }
    return encoded;
}

QByteArray loginBody(const QString &userId, const QString &password)
{
    return (QLatin1String("userID=") + encodeFormValue(userId) + QLatin1String("&userPWD=")
            + encodeFormValue(password)).toUtf8();
}

bool isIpv6Address(const QString &text)
{
    // Without a zone ("%eth0"), which an address in a URL cannot carry.
    QHostAddress address;
    return address.setAddress(text) && address.protocol() == QAbstractSocket::IPv6Protocol
        && address.scopeId().isEmpty();
}

// Labels of letters, digits, "-" and "_" joined by dots (a final dot
// allowed), none empty, none starting or ending with "-".
bool isHostName(const QString &text)
{
    QString name = text;
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty() || name.size() > 253)
        return false;
    for (const QString &label : name.split(QLatin1Char('.'))) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith(QLatin1Char('-'))
            || label.endsWith(QLatin1Char('-')))
            return false;
        for (const QChar c : label) {
            if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
                return false;
        }
    }
    return true;
}

} // namespace

vcurl::vcurl()
    : manager(new QNetworkAccessManager(this))
{
}

bool vcurl::isServerName(const QString &host)
{
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        return isIpv6Address(host.mid(1, host.size() - 2));
    return isIpv6Address(host) || isHostName(host);
}

QUrl vcurl::loginUrl(const QString &host, const QString &port)
{
    bool numeric = false;
    const int number = port.toInt(&numeric);
    if (!isServerName(host) || !numeric || number < 1 || number > 65535)
        return QUrl();
    QString bare = host;
    if (bare.startsWith(QLatin1Char('[')))
        bare = bare.mid(1, bare.size() - 2);
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(bare, QUrl::StrictMode);
    url.setPort(number);
    url.setPath(loginPath, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() ? url : QUrl();
}

QString vcurl::loginTag(const QString &host, const QString &port, const QString &userId)
{
    return QStringLiteral("<https://") + host + QLatin1Char(':') + port + QLatin1Char(' ') + userId + QLatin1Char('>');
}

void vcurl::setTransferTimeout(int milliseconds)
{
    timeout = milliseconds;
}

void vcurl::setRequestDeadline(int milliseconds)
{
    deadline = milliseconds;
}

void vcurl::postLogin(const QString &host, const QString &port, const QString &userId, const QString &password)
{
    const QString tag = loginTag(host, port, userId);
    const QUrl url = loginUrl(host, port);
    if (!url.isValid()) {
        // Nothing goes out; the outcome still comes later, as for any login.
        const QString failure =
            tr("The server must be a host name or an IP address, and the port a number from 1 to 65535.");
        QTimer::singleShot(0, this, [this, tag, failure] { emit errorReady(tag + failure); });
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/*"));
    request.setRawHeader("charsets", "utf-8");
    request.setRawHeader("User-Agent", "ZRT");
    request.setTransferTimeout(timeout);
    // Every login stands on its own: no cookie of an earlier one goes along.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    // The certificate is checked against the system's trust store; a
    // certificate error ends the request before anything is sent.
    QNetworkReply *reply = manager->post(request, loginBody(userId, password));
    reply->setObjectName(tag);
    // The network library holds no more of the reply than the bound allows
    // before it is read out here.
    reply->setReadBufferSize(maxReplyBytes + 1);
    pending.insert(reply, Pending());
    connect(reply, &QNetworkReply::metaDataChanged, this, &vcurl::slotMetaDataChanged);
    connect(reply, &QNetworkReply::readyRead, this, &vcurl::slotReadyRead);
    connect(reply, &QNetworkReply::sslErrors, this, &vcurl::slotSslErrors);
    connect(reply, &QNetworkReply::finished, this, &vcurl::slotFinished);
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    const int seconds = qMax(1, (deadline + 999) / 1000);
    connect(timer, &QTimer::timeout, this, [this, reply, seconds] {
        stop(reply, tr("The server did not complete the login within %1 seconds.").arg(seconds));
    });
    timer->start(deadline);
}

void vcurl::stop(QNetworkReply *reply, const QString &failure)
{
    auto it = pending.find(reply);
    if (it == pending.end() || !it->failure.isEmpty())
        return;
    it->failure = failure;
    it->body.clear();
    reply->abort();
}

void vcurl::slotMetaDataChanged()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxReplyBytes)
        stop(reply, tooLargeFailure());
}

void vcurl::slotReadyRead()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    auto it = pending.find(reply);
    if (it == pending.end() || !it->failure.isEmpty())
        return;
    it->body += reply->readAll();
    if (it->body.size() > maxReplyBytes)
        stop(reply, tooLargeFailure());
}

void vcurl::slotSslErrors(const QList<QSslError> &errors)
{
    auto it = pending.find(qobject_cast<QNetworkReply *>(sender()));
    if (it != pending.end())
        it->sslErrors += errors;
}

QString vcurl::certificateFailure(const QList<QSslError> &errors) const
{
    QStringList reasons;
    bool otherHostOnly = true;
    for (const QSslError &error : errors) {
        reasons << error.errorString();
        otherHostOnly = otherHostOnly && error.error() == QSslError::HostNameMismatch;
    }
    reasons.removeDuplicates();
    const QString reason = reasons.join(QStringLiteral("; "));
    return (otherHostOnly ? tr("The server's certificate names another host: %1.").arg(reason)
                          : tr("The server's certificate is not trusted: %1.").arg(reason))
        + QLatin1Char('\n')
        + tr("The README's section \"The print-management server's certificate\" tells the administrator "
             "how to make the system trust it.");
}

QString vcurl::tooLargeFailure() const
{
    return tr("The server's reply is larger than %1 KiB.").arg(maxReplyBytes / 1024);
}

void vcurl::slotFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    Pending state = pending.take(reply);
    const QString tag = reply->objectName();
    if (!state.failure.isEmpty()) {
        emit errorReady(tag + state.failure);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        const bool certificate = reply->error() == QNetworkReply::SslHandshakeFailedError && !state.sslErrors.isEmpty();
        emit errorReady(tag + (certificate ? certificateFailure(state.sslErrors) : reply->errorString()));
        return;
    }
    QByteArray body = state.body + reply->readAll();
    if (body.size() > maxReplyBytes) {
        emit errorReady(tag + tooLargeFailure());
        return;
    }
    const int end = body.indexOf('\0');
    if (end >= 0)
        body.truncate(end);
    emit messageReady(tag + QString::fromUtf8(body));
}
