// Aes256.h and CryptoPrimitives.h on Windows: the system's own CNG
// (bcrypt.dll), so that a Windows build ships no cipher library. Elsewhere
// Aes256.cpp uses OpenSSL.
#include "firmware/domain/Aes256.h"
#include "firmware/domain/CryptoPrimitives.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <bcrypt.h>

#include <climits>
#include <stdexcept>
#include <string>

#ifdef _MSC_VER
#pragma comment(lib, "bcrypt.lib")
#endif

namespace vantorel {

namespace {

bool succeeded(NTSTATUS status)
{
    return status >= 0;
}

struct AlgorithmDeleter {
    void operator()(void* handle) const { BCryptCloseAlgorithmProvider(static_cast<BCRYPT_ALG_HANDLE>(handle), 0); }
};
struct KeyDeleter {
    void operator()(void* handle) const { BCryptDestroyKey(static_cast<BCRYPT_KEY_HANDLE>(handle)); }
};

} // namespace

// One ECB key serves both directions: CNG keeps no chaining state in it.
struct Aes256::Contexts {
    std::unique_ptr<void, AlgorithmDeleter> algorithm;
    std::unique_ptr<void, KeyDeleter> key;
};

namespace {

void run(BCRYPT_KEY_HANDLE key, bool encrypt, const uint8_t* in, uint8_t* out, size_t count)
{
    // CNG takes ULONG lengths: large inputs go in slices.
    constexpr size_t kMaxBlocksPerCall = ULONG_MAX / Aes256::kBlockSize;
    while (count > 0) {
        const size_t blocks = count < kMaxBlocksPerCall ? count : kMaxBlocksPerCall;
        const ULONG bytes = static_cast<ULONG>(blocks * Aes256::kBlockSize);
        ULONG written = 0;
        // CNG reads the input as writable memory; in == out is allowed.
        auto* input = const_cast<PUCHAR>(in);
        const NTSTATUS status = encrypt
            ? BCryptEncrypt(key, input, bytes, nullptr, nullptr, 0, out, bytes, &written, 0)
            : BCryptDecrypt(key, input, bytes, nullptr, nullptr, 0, out, bytes, &written, 0);
        if (!succeeded(status) || written != bytes)
            throw std::runtime_error("AES-256 block operation failed");
        in += bytes;
        out += bytes;
        count -= blocks;
    }
}

} // namespace

Aes256::Aes256(std::span<const uint8_t, kKeySize> key)
    : m_contexts(std::make_unique<Contexts>())
{
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!succeeded(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_AES_ALGORITHM, nullptr, 0)))
        throw std::runtime_error("AES-256 is not available");
    m_contexts->algorithm.reset(algorithm);

    static const std::wstring kEcb = BCRYPT_CHAIN_MODE_ECB;
    if (!succeeded(BCryptSetProperty(algorithm, BCRYPT_CHAINING_MODE,
                                     reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(kEcb.c_str())),
                                     static_cast<ULONG>((kEcb.size() + 1) * sizeof(wchar_t)), 0)))
        throw std::runtime_error("AES-256 is not available");

    BCRYPT_KEY_HANDLE keyHandle = nullptr;
    if (!succeeded(BCryptGenerateSymmetricKey(algorithm, &keyHandle, nullptr, 0, const_cast<PUCHAR>(key.data()),
                                              static_cast<ULONG>(key.size()), 0)))
        throw std::runtime_error("AES-256 is not available");
    m_contexts->key.reset(keyHandle);
}

Aes256::~Aes256() = default;

void Aes256::encryptBlocks(const uint8_t* in, uint8_t* out, size_t count) const
{
    run(static_cast<BCRYPT_KEY_HANDLE>(m_contexts->key.get()), true, in, out, count);
}

void Aes256::decryptBlocks(const uint8_t* in, uint8_t* out, size_t count) const
{
    run(static_cast<BCRYPT_KEY_HANDLE>(m_contexts->key.get()), false, in, out, count);
}

Sha256Digest computeSha256(const uint8_t* data, size_t size)
{
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    if (!succeeded(BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0)))
        throw std::runtime_error("SHA-256 is not available");
    const std::unique_ptr<void, AlgorithmDeleter> algorithmOwner(algorithm);
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (!succeeded(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0)))
        throw std::runtime_error("SHA-256 is not available");
    bool ok = true;
    while (ok && size > 0) {
        const ULONG chunk = size < ULONG_MAX ? static_cast<ULONG>(size) : ULONG_MAX;
        ok = succeeded(BCryptHashData(hash, const_cast<PUCHAR>(data), chunk, 0));
        data += chunk;
        size -= chunk;
    }
    Sha256Digest digest{};
    ok = ok && succeeded(BCryptFinishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
    BCryptDestroyHash(hash);
    if (!ok)
        throw std::runtime_error("SHA-256 failed");
    return digest;
}

bool equalInConstantTime(const uint8_t* a, const uint8_t* b, size_t size)
{
    volatile uint8_t difference = 0;
    for (size_t i = 0; i < size; ++i)
        difference = static_cast<uint8_t>(difference | (a[i] ^ b[i]));
    return difference == 0;
}

void fillRandomBytes(uint8_t* data, size_t size)
{
    while (size > 0) {
        const ULONG chunk = size < ULONG_MAX ? static_cast<ULONG>(size) : ULONG_MAX;
        if (!succeeded(BCryptGenRandom(nullptr, data, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
            throw std::runtime_error("no random source");
        data += chunk;
        size -= chunk;
    }
}

} // namespace vantorel
