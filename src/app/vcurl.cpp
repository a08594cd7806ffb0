#include "app/vcurl.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

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

} // namespace

vcurl::vcurl()
    : manager(new QNetworkAccessManager(this))
{
}

void vcurl::setTransferTimeout(int milliseconds)
{
    timeout = milliseconds;
}

void vcurl::postLogin(const QString &serverBase, const QString &userId, const QString &password)
{
    QNetworkRequest request;
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/*"));
    request.setRawHeader("charsets", "utf-8");
    request.setRawHeader("User-Agent", "ZRT");
    request.setUrl(QUrl(serverBase + loginPath, QUrl::TolerantMode));
    request.setTransferTimeout(timeout);
    // Every login stands on its own: no cookie of an earlier one goes along.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    // The certificate is checked against the system's trust store; a
    // certificate error ends the request before anything is sent.
    QNetworkReply *reply = manager->post(request, loginBody(userId, password));
    reply->setObjectName(QLatin1Char('<') + serverBase + QLatin1Char(' ') + userId + QLatin1Char('>'));
    connect(reply, &QNetworkReply::finished, this, &vcurl::slotFinished);
}

void vcurl::slotFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    const QString tag = reply->objectName();
    if (reply->error() != QNetworkReply::NoError) {
        emit errorReady(tag + reply->errorString());
        return;
    }
    QByteArray body = reply->readAll();
    const int end = body.indexOf('\0');
    if (end >= 0)
        body.truncate(end);
    emit messageReady(tag + QString::fromUtf8(body));
}
