#pragma once

#include <openssl/evp.h>

// Stored credentials: AES-256-CBC under a key and IV derived from a built-in
// pass phrase.  Every returned buffer is malloc'd and released by the caller
// with free().

// Enciphers the NUL-terminated text together with its NUL; *length receives
// the ciphertext byte count (a whole number of 16-byte blocks).  Null on
// failure.
unsigned char *encipherCredential(const char *text, int *length);

// Derives the key and IV into both contexts; 0 on success, -1 on failure.
int deriveCredentialKeyForEncrypt(const unsigned char *passPhrase, int passLength, const unsigned char *salt,
                                  EVP_CIPHER_CTX *encryptContext, EVP_CIPHER_CTX *decryptContext);

// Enciphers *length bytes of input; *length receives the output length.
unsigned char *encryptBuffer(EVP_CIPHER_CTX *context, const unsigned char *input, int *length);

// Deciphers the hexadecimal text encoding length bytes.  Returns a
// NUL-terminated plaintext, or null for text that is not even-length
// hexadecimal, a length that does not match it, or a ciphertext that does not
// decipher (bad padding).
char *decipherCredential(const char *hex, int length);

// Decodes hexadecimal text (either case) into a malloc'd buffer followed by a
// NUL byte; *count receives the number of decoded bytes.  False for null,
// empty or odd-length text or a character that is not a hex digit.
bool hexDecode(const char *hex, unsigned char **bytes, int *count);

// Derives the key and IV into both contexts; false on failure.
bool deriveCredentialKey(const unsigned char *passPhrase, int passLength, const unsigned char *salt,
                         EVP_CIPHER_CTX *encryptContext, EVP_CIPHER_CTX *decryptContext);

// Deciphers *length bytes of input; *length receives the output length.  Null
// when the final block does not decipher.
unsigned char *decryptBuffer(EVP_CIPHER_CTX *context, const unsigned char *input, int *length);
