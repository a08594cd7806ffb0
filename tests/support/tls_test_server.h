#pragma once

// A small HTTPS server on 127.0.0.1 for tests of the login client, with
// certificates made for the run by the openssl command.
//
//   tlstest::Certificates certs;                 // a member of the test
//   QVERIFY2(QSslSocket::supportsSsl(), "no SSL support");
//   QString error;
//   QVERIFY2(certs.create(&error), qPrintable(error));   // in initTestCase
//   tlstest::trustForDefault(certs.trusted);     // before any client connects
//
//   tlstest::Server server(certs.trusted, certs.trustedKey);
//   QVERIFY(server.start());
//   server.replies << tlstest::Reply::answer(200, "{\"Policies\":{}}");
//   client.postLogin("127.0.0.1", QString::number(server.serverPort()), "user", "secret");
//   (a tab's fields: server "127.0.0.1", port QString::number(server.serverPort()))
//   QTRY_COMPARE(server.requests.size(), 1);
//   server.requests[0].line / .header("User-Agent") / .body
//
// Certificates: `trusted` (CN and subjectAltName IP:127.0.0.1; also the
// issuer of `localhostOnly`), `untrusted` (the same names, its own key,
// never trusted) and `localhostOnly` (DNS:localhost, so its name does not
// match 127.0.0.1). Each has its key (`trustedKey`, ...).
//
// Replies, used in order, one per request; when the list is empty
// `fallback` answers (200 with an empty body unless changed):
//   Reply::answer(status, body[, delayMs])  status line and body, optionally late
//                                           (reason "OK", "Internal Server Error"
//                                           for 500, else "Status")
//   Reply::inTwoWrites(status, body)        head and first half, the rest 300 ms later
//   Reply::none()                           keeps the connection open, answers nothing
//   Reply::stream(announced, chunk, everyMs) status 200 (with Content-Length
//                                           announced when it is not -1), then
//                                           chunk bytes every everyMs without end
//   Reply::close()                          closes the connection without an answer
// Every answer carries Content-Length and "Connection: close". After a
// close the network library sends the request once more on a new
// connection, which the next reply answers: for a transport error
// ("Connection closed") set `fallback = Reply::close()` as well.
//
// A client's network manager keeps the trust it had when it first
// connected: install the trust before any client makes a request.

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace tlstest {

struct Certificates
{
    QSslCertificate trusted, untrusted, localhostOnly;
    QSslKey trustedKey, untrustedKey, localhostOnlyKey;

    // Makes the three certificates; false with the reason in *error when
    // openssl is missing or fails.
    bool create(QString *error)
    {
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            return fail(error, "the openssl command is not installed");
        // A configuration of our own, so the system's defaults do not matter.
        QFile config(dir.filePath("openssl.cnf"));
        if (!dir.isValid() || !config.open(QIODevice::WriteOnly))
            return fail(error, "cannot write in a temporary directory");
        config.write("[req]\ndistinguished_name = dn\n[dn]\n"
                     "[ip]\nbasicConstraints = critical,CA:TRUE\nsubjectAltName = IP:127.0.0.1\n"
                     "[localhost]\nbasicConstraints = CA:FALSE\nsubjectAltName = DNS:localhost\n");
        config.close();
        const auto make = [&](const QString &name, const QString &cn, const QStringList &more) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(openssl, QStringList{"req", "-config", config.fileName(), "-x509", "-nodes", "-days", "2",
                                         "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                                         "-keyout", dir.filePath(name + ".key"), "-out", dir.filePath(name + ".pem"),
                                         "-subj", "/CN=" + cn, "-extensions", cn == "localhost" ? "localhost" : "ip"}
                                 + more);
            if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
                return fail(error, "openssl: " + QString::fromLocal8Bit(p.readAll()));
            return true;
        };
        return make("trusted", "127.0.0.1", {}) && make("untrusted", "127.0.0.1", {})
            && make("localhost", "localhost",
                    {"-CA", dir.filePath("trusted.pem"), "-CAkey", dir.filePath("trusted.key")})
            && load("trusted", &trusted, &trustedKey, error) && load("untrusted", &untrusted, &untrustedKey, error)
            && load("localhost", &localhostOnly, &localhostOnlyKey, error);
    }

private:
    static bool fail(QString *error, const QString &text)
    {
        if (error)
            *error = text;
        return false;
    }
    bool load(const QString &name, QSslCertificate *cert, QSslKey *key, QString *error) const
    {
        QFile c(dir.filePath(name + ".pem")), k(dir.filePath(name + ".key"));
        if (c.open(QIODevice::ReadOnly) && k.open(QIODevice::ReadOnly)) {
            *cert = QSslCertificate(c.readAll());
            *key = QSslKey(k.readAll(), QSsl::Ec);
        }
        return (!cert->isNull() && !key->isNull()) || fail(error, "unusable certificate " + name);
    }

    QTemporaryDir dir;
};

// Adds cert to the trust of the default SSL configuration, which every
// request made afterwards starts from.
inline void trustForDefault(const QSslCertificate &cert)
{
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificate(cert);
    QSslConfiguration::setDefaultConfiguration(config);
}

struct Reply
{
    enum Kind { Answer, TwoWrites, NoAnswer, Close, Stream };
    Kind kind = Answer;
    int status = 200;
    QByteArray body;
    int delayMs = 0;
    qint64 announced = -1;
    int chunk = 0;

    static Reply answer(int status, const QByteArray &body, int delayMs = 0) { return {Answer, status, body, delayMs}; }
    static Reply inTwoWrites(int status, const QByteArray &body) { return {TwoWrites, status, body, 0}; }
    static Reply none() { return {NoAnswer, 0, {}, 0}; }
    static Reply close() { return {Close, 0, {}, 0}; }
    static Reply stream(qint64 announced, int chunk, int everyMs)
    {
        return {Stream, 200, {}, everyMs, announced, chunk};
    }
};

struct Request
{
    QByteArray line; // "POST /path HTTP/1.1"
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // The value of the first header of that name (any case), or empty.
    QByteArray header(const QByteArray &name) const
    {
        for (const auto &h : headers) {
            if (h.first.compare(name, Qt::CaseInsensitive) == 0)
                return h.second;
        }
        return QByteArray();
    }
};

class Server : public QTcpServer
{
public:
    Server(const QSslCertificate &cert, const QSslKey &key)
        : cert(cert)
        , key(key)
    {
    }

    bool start() { return listen(QHostAddress::LocalHost); }
    QString base() const { return QStringLiteral("https://127.0.0.1:%1").arg(serverPort()); }

    QList<Reply> replies;
    Reply fallback;
    QList<Request> requests;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setLocalCertificate(cert);
        socket->setPrivateKey(key);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            Request request;
            if (!parse(*buffer, &request))
                return;
            buffer->clear();
            requests << request;
            respond(socket, replies.isEmpty() ? fallback : replies.takeFirst());
        });
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        socket->startServerEncryption();
    }

private:
    static bool parse(const QByteArray &data, Request *request)
    {
        const int end = data.indexOf("\r\n\r\n");
        if (end < 0)
            return false;
        const QList<QByteArray> lines = data.left(end).split('\n');
        request->line = lines.value(0).trimmed();
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request->headers << qMakePair(lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed());
        }
        const int length = request->header("Content-Length").toInt();
        if (data.size() < end + 4 + length)
            return false;
        request->body = data.mid(end + 4, length);
        return true;
    }

    static void respond(QSslSocket *socket, const Reply &reply)
    {
        if (reply.kind == Reply::NoAnswer)
            return;
        if (reply.kind == Reply::Close) {
            socket->disconnectFromHost();
            return;
        }
        const QByteArray reason = reply.status == 200 ? "OK" : reply.status == 500 ? "Internal Server Error" : "Status";
        const qint64 length = reply.kind == Reply::Stream ? reply.announced : reply.body.size();
        const QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reason
            + "\r\nContent-Type: text/plain; charset=utf-8\r\n"
            + (length < 0 ? QByteArray() : "Content-Length: " + QByteArray::number(length) + "\r\n")
            + "Connection: close\r\n\r\n";
        if (reply.kind == Reply::Stream) {
            // Never more than a little ahead of what the client takes.
            socket->write(head);
            auto *timer = new QTimer(socket);
            QObject::connect(timer, &QTimer::timeout, socket, [socket, chunk = reply.chunk] {
                if (socket->bytesToWrite() + socket->encryptedBytesToWrite() < (1 << 20))
                    socket->write(QByteArray(chunk, 'x'));
            });
            timer->start(reply.delayMs);
            return;
        }
        if (reply.kind == Reply::TwoWrites) {
            const int half = reply.body.size() / 2;
            socket->write(head + reply.body.left(half));
            QTimer::singleShot(300, socket, [socket, rest = reply.body.mid(half)] {
                socket->write(rest);
                socket->disconnectFromHost();
            });
            return;
        }
        QTimer::singleShot(reply.delayMs, socket, [socket, data = head + reply.body] {
            socket->write(data);
            socket->disconnectFromHost();
        });
    }

    QSslCertificate cert;
    QSslKey key;
};

} // namespace tlstest
