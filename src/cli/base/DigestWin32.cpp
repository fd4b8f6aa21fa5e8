// Digests in vaultry-cli.exe: the CNG API of bcrypt.dll as Windows 7 has it (an
// algorithm provider, opened with BCRYPT_ALG_HANDLE_HMAC_FLAG for an HMAC, and a
// hash object whose memory the provider manages).
#include "cli/base/Digest.h"

#include <windows.h>
#include <bcrypt.h>

#include "cli/base/CliError.h"

namespace {

LPCWSTR AlgorithmId(DigestAlgorithm algorithm)
{
    switch (algorithm) {
    case DigestAlgorithm::sha256:
        return BCRYPT_SHA256_ALGORITHM;
    case DigestAlgorithm::sha512:
        return BCRYPT_SHA512_ALGORITHM;
    default:
        return BCRYPT_SHA1_ALGORITHM;
    }
}

void Check(NTSTATUS status)
{
    if (status < 0) throw CCliError(kExitIo, "the system's cryptography (bcrypt.dll) failed");
}

void Compute(DigestAlgorithm algorithm, BOOL bHmac, const void* pKey, std::size_t nKey, const void* pData,
             std::size_t nData, BYTE* pOut)
{
    BCRYPT_ALG_HANDLE hAlgorithm = nullptr;
    Check(BCryptOpenAlgorithmProvider(&hAlgorithm, AlgorithmId(algorithm), nullptr,
                                      bHmac ? BCRYPT_ALG_HANDLE_HMAC_FLAG : 0));
    BCRYPT_HASH_HANDLE hHash = nullptr;
    NTSTATUS status = BCryptCreateHash(hAlgorithm, &hHash, nullptr, 0, static_cast<PUCHAR>(const_cast<void*>(pKey)),
                                       static_cast<ULONG>(nKey), 0);
    if (status >= 0)
        status = BCryptHashData(hHash, static_cast<PUCHAR>(const_cast<void*>(pData)), static_cast<ULONG>(nData), 0);
    if (status >= 0) status = BCryptFinishHash(hHash, pOut, static_cast<ULONG>(DigestSize(algorithm)), 0);
    if (hHash) BCryptDestroyHash(hHash);
    BCryptCloseAlgorithmProvider(hAlgorithm, 0);
    Check(status);
}

}  // namespace

void ComputeDigest(DigestAlgorithm algorithm, const void* pData, std::size_t nData, BYTE* pDigest)
{
    Compute(algorithm, FALSE, nullptr, 0, pData, nData, pDigest);
}

void ComputeHmac(DigestAlgorithm algorithm, const void* pKey, std::size_t nKey, const void* pMessage,
                 std::size_t nMessage, BYTE* pMac)
{
    Compute(algorithm, TRUE, pKey, nKey, pMessage, nMessage, pMac);
}
