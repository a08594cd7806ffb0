#include "app/credential_cipher.h"

unsigned char *encipherCredential(const char *, int *) { return nullptr; }
int deriveCredentialKeyForEncrypt(const unsigned char *, int, const unsigned char *, EVP_CIPHER_CTX *, EVP_CIPHER_CTX *) { return -1; }
unsigned char *encryptBuffer(EVP_CIPHER_CTX *, const unsigned char *, int *) { return nullptr; }
char *decipherCredential(const char *, int) { return nullptr; }
bool hexDecode(const char *, unsigned char **, int *) { return false; }
bool deriveCredentialKey(const unsigned char *, int, const unsigned char *, EVP_CIPHER_CTX *, EVP_CIPHER_CTX *) { return false; }
unsigned char *decryptBuffer(EVP_CIPHER_CTX *, const unsigned char *, int *) { return nullptr; }
bool lessByLengthThenText(const QString &a, const QString &b) { return a.length() != b.length() ? a.length() < b.length() : a < b; }
QString rotate180Text() { return QStringLiteral("Rotate 180\u00b0"); }
