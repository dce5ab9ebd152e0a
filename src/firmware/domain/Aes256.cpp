// The OpenSSL backend of Aes256.h and CryptoPrimitives.h (Aes256Cng.cpp on Windows).
#include "firmware/domain/Aes256.h"
#include "firmware/domain/CryptoPrimitives.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <climits>
#include <stdexcept>

namespace vantorel {

namespace {

struct ContextDeleter {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using ContextPtr = std::unique_ptr<EVP_CIPHER_CTX, ContextDeleter>;

// ECB without padding is the plain block cipher applied to each block.
ContextPtr makeContext(const uint8_t* key, bool encrypt)
{
    ContextPtr context(EVP_CIPHER_CTX_new());
    if (!context || EVP_CipherInit_ex(context.get(), EVP_aes_256_ecb(), nullptr, key, nullptr, encrypt ? 1 : 0) != 1
        || EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1)
        throw std::runtime_error("AES-256 is not available");
    return context;
}

void run(EVP_CIPHER_CTX* context, const uint8_t* in, uint8_t* out, size_t count)
{
    // EVP takes int lengths: large inputs go in slices.
    constexpr size_t kMaxBlocksPerCall = (INT_MAX / Aes256::kBlockSize);
    while (count > 0) {
        const size_t blocks = count < kMaxBlocksPerCall ? count : kMaxBlocksPerCall;
        int written = 0;
        if (EVP_CipherUpdate(context, out, &written, in, static_cast<int>(blocks * Aes256::kBlockSize)) != 1
            || written != static_cast<int>(blocks * Aes256::kBlockSize))
            throw std::runtime_error("AES-256 block operation failed");
        in += blocks * Aes256::kBlockSize;
        out += blocks * Aes256::kBlockSize;
        count -= blocks;
    }
}

} // namespace

struct Aes256::Contexts {
    ContextPtr encrypt;
    ContextPtr decrypt;
};

Aes256::Aes256(std::span<const uint8_t, kKeySize> key)
    : m_contexts(std::make_unique<Contexts>(Contexts{makeContext(key.data(), true), makeContext(key.data(), false)}))
{ }

Aes256::~Aes256() = default;

void Aes256::encryptBlocks(const uint8_t* in, uint8_t* out, size_t count) const
{
    run(m_contexts->encrypt.get(), in, out, count);
}

void Aes256::decryptBlocks(const uint8_t* in, uint8_t* out, size_t count) const
{
    run(m_contexts->decrypt.get(), in, out, count);
}

Sha256Digest computeSha256(const uint8_t* data, size_t size)
{
    Sha256Digest digest{};
    unsigned int length = 0;
    if (EVP_Digest(data, size, digest.data(), &length, EVP_sha256(), nullptr) != 1 || length != digest.size())
        throw std::runtime_error("SHA-256 is not available");
    return digest;
}

bool equalInConstantTime(const uint8_t* a, const uint8_t* b, size_t size)
{
    return CRYPTO_memcmp(a, b, size) == 0;
}

void fillRandomBytes(uint8_t* data, size_t size)
{
    while (size > 0) {
        const int chunk = size < static_cast<size_t>(INT_MAX) ? static_cast<int>(size) : INT_MAX;
        if (RAND_bytes(data, chunk) != 1)
            throw std::runtime_error("no random source");
        data += chunk;
        size -= static_cast<size_t>(chunk);
    }
}

} // namespace vantorel
