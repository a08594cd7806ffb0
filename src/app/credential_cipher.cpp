#include "app/credential_cipher.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The built-in pass phrase; its 9 bytes (no terminator) feed the key
// derivation.
const unsigned char passPhrase[] = {'M', 'A', 'R', 'B', 'L', 'E', 'F', 'O', 'X'};
const int passPhraseLength = sizeof passPhrase;

// The 8-byte salt: two 32-bit words laid out little-endian one after the
// other.
void buildSalt(unsigned char salt[8])
{
    const uint32_t words[2] = {0x5d3a9c41u, 0x1e87f20bu};
    for (int w = 0; w < 2; ++w) {
        for (int b = 0; b < 4; ++b)
            salt[w * 4 + b] = static_cast<unsigned char>((words[w] >> (8 * b)) & 0xffu);
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Owns the two cipher contexts of one operation.
struct ContextPair
{
    EVP_CIPHER_CTX *encrypt = EVP_CIPHER_CTX_new();
    EVP_CIPHER_CTX *decrypt = EVP_CIPHER_CTX_new();
    ~ContextPair()
    {
        EVP_CIPHER_CTX_free(encrypt);
        EVP_CIPHER_CTX_free(decrypt);
    }
    bool valid() const { return encrypt && decrypt; }
};

} // namespace

bool deriveCredentialKey(const unsigned char *phrase, int phraseLength, const unsigned char *salt,
                         EVP_CIPHER_CTX *encryptContext, EVP_CIPHER_CTX *decryptContext)
{
    unsigned char key[32];
    unsigned char iv[16];
    const int keyBytes =
        EVP_BytesToKey(EVP_aes_256_cbc(), EVP_sha1(), salt, phrase, phraseLength, 5, key, iv);
    if (keyBytes != 32)
        return false;
    bool ok = true;
    if (encryptContext) {
        EVP_CIPHER_CTX_reset(encryptContext);
        ok = EVP_EncryptInit_ex(encryptContext, EVP_aes_256_cbc(), nullptr, key, iv) == 1 && ok;
    }
    if (decryptContext) {
        EVP_CIPHER_CTX_reset(decryptContext);
        ok = EVP_DecryptInit_ex(decryptContext, EVP_aes_256_cbc(), nullptr, key, iv) == 1 && ok;
    }
    OPENSSL_cleanse(key, sizeof key);
    OPENSSL_cleanse(iv, sizeof iv);
    return ok;
}

int deriveCredentialKeyForEncrypt(const unsigned char *phrase, int phraseLength, const unsigned char *salt,
                                  EVP_CIPHER_CTX *encryptContext, EVP_CIPHER_CTX *decryptContext)
{
    return deriveCredentialKey(phrase, phraseLength, salt, encryptContext, decryptContext) ? 0 : -1;
}

unsigned char *encryptBuffer(EVP_CIPHER_CTX *context, const unsigned char *input, int *length)
{
    if (!context || !input || !length || *length < 0)
        return nullptr;
    const int n = *length;
    unsigned char *out = static_cast<unsigned char *>(malloc(static_cast<size_t>(n) + 16));
    if (!out)
        return nullptr;
    int first = 0;
    int last = 0;
    if (EVP_EncryptInit_ex(context, nullptr, nullptr, nullptr, nullptr) != 1
        || EVP_EncryptUpdate(context, out, &first, input, n) != 1
        || EVP_EncryptFinal_ex(context, out + first, &last) != 1) {
        free(out);
        return nullptr;
    }
    *length = first + last;
    return out;
}

unsigned char *decryptBuffer(EVP_CIPHER_CTX *context, const unsigned char *input, int *length)
{
    if (!context || !input || !length || *length < 0)
        return nullptr;
    const int n = *length;
    // One byte beyond the largest possible output keeps room for a
    // terminator.
    unsigned char *out = static_cast<unsigned char *>(calloc(static_cast<size_t>(n) + 17, 1));
    if (!out)
        return nullptr;
    int first = 0;
    int last = 0;
    if (EVP_DecryptInit_ex(context, nullptr, nullptr, nullptr, nullptr) != 1
        || EVP_DecryptUpdate(context, out, &first, input, n) != 1
        || EVP_DecryptFinal_ex(context, out + first, &last) != 1) {
        // A wrong length or bad padding: nothing usable came out.
        free(out);
        return nullptr;
    }
    *length = first + last;
    return out;
}

unsigned char *encipherCredential(const char *text, int *length)
{
    if (!text || !length)
        return nullptr;
    unsigned char salt[8];
    buildSalt(salt);
    ContextPair contexts;
    if (!contexts.valid()
        || deriveCredentialKeyForEncrypt(passPhrase, passPhraseLength, salt, contexts.encrypt,
                                         contexts.decrypt) != 0)
        return nullptr;
    int n = static_cast<int>(strlen(text)) + 1; // the terminator is enciphered too
    unsigned char *out = encryptBuffer(contexts.encrypt, reinterpret_cast<const unsigned char *>(text), &n);
    if (out)
        *length = n;
    return out;
}

bool hexDecode(const char *hex, unsigned char **bytes, int *count)
{
    if (!hex || !bytes || !count)
        return false;
    const size_t len = strlen(hex);
    if (len == 0 || len % 2 != 0 || len / 2 > static_cast<size_t>(INT32_MAX - 1))
        return false;
    const size_t n = len / 2;
    unsigned char *out = static_cast<unsigned char *>(malloc(n + 1));
    if (!out)
        return false;
    for (size_t i = 0; i < n; ++i) {
        const int high = hexValue(hex[2 * i]);
        const int low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            free(out);
            return false;
        }
        out[i] = static_cast<unsigned char>((high << 4) | low);
    }
    out[n] = 0;
    *bytes = out;
    *count = static_cast<int>(n);
    return true;
}

char *decipherCredential(const char *hex, int length)
{
    unsigned char salt[8];
    buildSalt(salt);
    unsigned char *cipher = nullptr;
    int count = 0;
    if (!hexDecode(hex, &cipher, &count))
        return nullptr;
    // The ciphertext is whole blocks, and never more than the text holds.
    if (length <= 0 || length > count || length % 16 != 0) {
        free(cipher);
        return nullptr;
    }
    ContextPair contexts;
    if (!contexts.valid()
        || !deriveCredentialKey(passPhrase, passPhraseLength, salt, contexts.encrypt, contexts.decrypt)) {
        free(cipher);
        return nullptr;
    }
    int n = length;
    unsigned char *plain = decryptBuffer(contexts.decrypt, cipher, &n);
    free(cipher);
    if (!plain)
        return nullptr;
    // The plaintext normally brings its own terminator; one more after the
    // deciphered bytes keeps a plaintext without one readable.
    plain[n] = 0;
    return reinterpret_cast<char *>(plain);
}
