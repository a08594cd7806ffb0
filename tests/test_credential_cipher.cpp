// The stored-credential cipher (sizes, round trips, rejection of damaged
// input), and the order of account IDs and the locale's rotation label.

#include "app/credential_cipher.h"
#include "app/text_order.h"
#include "app/translation.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {

// What the tabs store: every backslash doubled, local 8-bit bytes enciphered
// with their NUL, written as lower-case hex.
QString storeCredential(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    const QByteArray bytes = doubled.toLocal8Bit();
    int length = 0;
    unsigned char *cipher = encipherCredential(bytes.constData(), &length);
    if (!cipher)
        return QString();
    QString hex;
    char pair[3];
    for (int i = 0; i < length; ++i) {
        snprintf(pair, sizeof pair, "%02x", cipher[i]);
        hex += QLatin1String(pair);
    }
    free(cipher);
    return hex;
}

// The reverse: null when no value is stored.
QString loadCredential(const QString &hex, bool *ok = nullptr)
{
    const QByteArray h = hex.toLatin1();
    char *plain = decipherCredential(h.constData(), h.size() / 2);
    if (ok)
        *ok = plain != nullptr;
    if (!plain)
        return QString();
    QString text = QString::fromUtf8(plain);
    free(plain);
    text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    return text;
}

} // namespace

class TestCredentialCipher : public QObject
{
    Q_OBJECT

private slots:
    void cipherSizes_data()
    {
        QTest::addColumn<int>("textLength");
        QTest::addColumn<int>("hexDigits");
        QTest::newRow("empty") << 0 << 32;
        QTest::newRow("15 bytes") << 15 << 64;
        QTest::newRow("16 bytes") << 16 << 64;
        QTest::newRow("31 bytes") << 31 << 96;
        QTest::newRow("32 bytes") << 32 << 96;
    }

    void cipherSizes()
    {
        QFETCH(int, textLength);
        QFETCH(int, hexDigits);
        const QString hex = storeCredential(QString(textLength, QLatin1Char('p')));
        QCOMPARE(hex.size(), hexDigits);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]+$")).match(hex).hasMatch());
        QCOMPARE(loadCredential(hex), QString(textLength, QLatin1Char('p')));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("plain") << QStringLiteral("secret");
        QTest::newRow("backslashes") << QStringLiteral("a\\b\\\\c\\");
        QTest::newRow("non-ascii") << QString::fromUtf8("Pässwörd-€-日本-\\x");
        QTest::newRow("equals and semicolon") << QStringLiteral("k=v;w");
        QTest::newRow("long") << QString(500, QLatin1Char('L'));
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        const QString hex = storeCredential(text);
        QVERIFY(!hex.isEmpty());
        bool ok = false;
        QCOMPARE(loadCredential(hex, &ok), text);
        QVERIFY(ok);
        // The same text always gives the same stored form (fixed key and IV),
        // and upper-case hex reads like lower-case.
        QCOMPARE(storeCredential(text), hex);
        QCOMPARE(loadCredential(hex.toUpper()), text);
    }

    void storedFormStaysReadable()
    {
        // A credential stored by an earlier version: the key derivation and
        // the stored form never change.
        const QString text = QStringLiteral("Wexa\\Login 2024");
        const QString stored = QStringLiteral("3f9e31732717b13b81dff3a54d5cac606369a90ac2d2dce0bfc5e427d31289ec");
        QCOMPARE(storeCredential(text), stored);
        QCOMPARE(loadCredential(stored), text);
    }

    void damagedInputGivesNull_data()
    {
        QTest::addColumn<QString>("hex");
        const QString good = storeCredential(QStringLiteral("secret"));
        QTest::newRow("empty") << QString();
        QTest::newRow("odd length") << good.left(31);
        QTest::newRow("non-hex") << QString(32, QLatin1Char('z'));
        QTest::newRow("non-hex in the middle") << good.left(10) + QStringLiteral("g0") + good.mid(12);
        QTest::newRow("not whole blocks") << good.left(30);
        QTest::newRow("garbage block") << QStringLiteral("00112233445566778899aabbccddeeff");
        QTest::newRow("last block damaged") << good.left(30) + QStringLiteral("00");
    }

    void damagedInputGivesNull()
    {
        QFETCH(QString, hex);
        bool ok = true;
        loadCredential(hex, &ok);
        QVERIFY(!ok);
    }

    void nullAndMismatchedLength()
    {
        QCOMPARE(decipherCredential(nullptr, 16), static_cast<char *>(nullptr));
        const QByteArray hex = storeCredential(QStringLiteral("secret")).toLatin1();
        // A length beyond what the text encodes is never read.
        QCOMPARE(decipherCredential(hex.constData(), hex.size()), static_cast<char *>(nullptr));
        QCOMPARE(decipherCredential(hex.constData(), 0), static_cast<char *>(nullptr));
        QCOMPARE(decipherCredential(hex.constData(), -16), static_cast<char *>(nullptr));
    }

    void hexDecodeValues()
    {
        unsigned char *bytes = nullptr;
        int count = 0;
        QVERIFY(hexDecode("00fF7a", &bytes, &count));
        QCOMPARE(count, 3);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(bytes), 4), QByteArray("\x00\xff\x7a\x00", 4));
        free(bytes);
        bytes = nullptr;
        QVERIFY(!hexDecode("", &bytes, &count));
        QVERIFY(!hexDecode("abc", &bytes, &count));
        QVERIFY(!hexDecode("0x", &bytes, &count));
        QVERIFY(!hexDecode(nullptr, &bytes, &count));
        QCOMPARE(bytes, static_cast<unsigned char *>(nullptr));
    }

    void decryptedBytesAreFollowedByZeros()
    {
        // Without a NUL in the plaintext the output still ends within its
        // buffer: the bytes after the plaintext are zero.
        const unsigned char phrase[] = "phrase";
        const unsigned char salt[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        EVP_CIPHER_CTX *enc = EVP_CIPHER_CTX_new();
        EVP_CIPHER_CTX *dec = EVP_CIPHER_CTX_new();
        QCOMPARE(deriveCredentialKeyForEncrypt(phrase, 6, salt, enc, dec), 0);
        QVERIFY(deriveCredentialKey(phrase, 6, salt, enc, dec));
        const unsigned char text[16] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H',
                                        'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'};
        int n = 16;
        unsigned char *cipher = encryptBuffer(enc, text, &n);
        QVERIFY(cipher);
        QCOMPARE(n, 32);
        unsigned char *plain = decryptBuffer(dec, cipher, &n);
        QVERIFY(plain);
        QCOMPARE(n, 16);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(plain)), QByteArray("ABCDEFGHIJKLMNOP"));
        // Both contexts restart for every value.
        n = 16;
        unsigned char *again = encryptBuffer(enc, text, &n);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(again), n), QByteArray(reinterpret_cast<char *>(cipher), n));
        free(again);
        free(plain);
        free(cipher);
        EVP_CIPHER_CTX_free(enc);
        EVP_CIPHER_CTX_free(dec);
    }

    void lengthThenTextOrder()
    {
        QVERIFY(lessByLengthThenText(QStringLiteral("9"), QStringLiteral("10")));
        QVERIFY(!lessByLengthThenText(QStringLiteral("10"), QStringLiteral("9")));
        QVERIFY(lessByLengthThenText(QStringLiteral("10"), QStringLiteral("11")));
        QVERIFY(!lessByLengthThenText(QStringLiteral("11"), QStringLiteral("11")));
        QVERIFY(lessByLengthThenText(QStringLiteral("abc"), QStringLiteral("abd")));
        QStringList ids = {QStringLiteral("100"), QStringLiteral("9"), QStringLiteral("11"), QStringLiteral("10")};
        std::sort(ids.begin(), ids.end(), lessByLengthThenText);
        QCOMPARE(ids, QStringList({QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11"),
                                   QStringLiteral("100")}));
    }

    void rotateTextFollowsSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pt_BR") << "pt_BR.UTF-8" << QString::fromUtf8("Girar 180°");
        QTest::newRow("de_DE") << "de_DE.UTF-8" << QString::fromUtf8("Rotiert 180°");
        QTest::newRow("fr_FR") << "fr_FR.UTF-8" << QString::fromUtf8("Tourner 180°");
        QTest::newRow("sv_SE") << "sv_SE.UTF-8" << QString::fromUtf8("Rotate 180°");
        QTest::newRow("C") << "C.UTF-8" << QString::fromUtf8("Rotate 180°");
    }

    void rotateTextFollowsSystemLocale()
    {
        // The system locale is fixed for a process: ask a child copy of this
        // test under the wanted locale.
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("ORDOVAN_PRINT_ROTATE_TEXT"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProgram(QCoreApplication::applicationFilePath());
        child.start();
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), expected);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("ORDOVAN_PRINT_ROTATE_TEXT")) {
        QCoreApplication app(argc, argv);
        fputs(rotate180Text().toUtf8().constData(), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestCredentialCipher test;
    return ordovantest::exec(&test, argc, argv);
}

#include "test_credential_cipher.moc"
