// Digests natively: libcrypto's EVP_Digest and one-shot HMAC, which OpenSSL 3
// keeps (its low-level SHA and HMAC_CTX functions are deprecated).
#include "cli/base/Digest.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include "cli/base/CliError.h"

namespace {

const EVP_MD* Md(DigestAlgorithm algorithm)
{
    switch (algorithm) {
    case DigestAlgorithm::sha256:
        return EVP_sha256();
    case DigestAlgorithm::sha512:
        return EVP_sha512();
    default:
        return EVP_sha1();
    }
}

[[noreturn]] void ThrowFailed() { throw CCliError(kExitIo, "the system's cryptography (libcrypto) failed"); }

}  // namespace

void ComputeDigest(DigestAlgorithm algorithm, const void* pData, std::size_t nData, BYTE* pDigest)
{
    unsigned nSize = 0;
    if (!EVP_Digest(pData, nData, pDigest, &nSize, Md(algorithm), nullptr)) ThrowFailed();
}

void ComputeHmac(DigestAlgorithm algorithm, const void* pKey, std::size_t nKey, const void* pMessage,
                 std::size_t nMessage, BYTE* pMac)
{
    unsigned nSize = 0;
    if (!HMAC(Md(algorithm), pKey, static_cast<int>(nKey), static_cast<const BYTE*>(pMessage), nMessage, pMac, &nSize))
        ThrowFailed();
}
