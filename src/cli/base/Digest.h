// SHA-1, SHA-256 and SHA-512, and HMACs over them, from the platform's own
// cryptography: libcrypto natively (DigestOpenSsl.cpp), the CNG API of
// bcrypt.dll in vaultry-cli.exe (DigestWin32.cpp). The build compiles one.
#pragma once

#include <cstddef>

#include "framework/portable/Types.h"

enum class DigestAlgorithm { sha1, sha256, sha512 };

const std::size_t kSha1Size = 20;
const std::size_t kMaxDigestSize = 64;

inline std::size_t DigestSize(DigestAlgorithm algorithm)
{
    return algorithm == DigestAlgorithm::sha1 ? kSha1Size : algorithm == DigestAlgorithm::sha256 ? 32 : 64;
}

// The digest of the bytes, DigestSize bytes to pDigest. Throw CCliError
// (kExitIo) when the platform's cryptography fails.
void ComputeDigest(DigestAlgorithm algorithm, const void* pData, std::size_t nData, BYTE* pDigest);
// The HMAC of the message under the key (not empty), DigestSize bytes to pMac.
void ComputeHmac(DigestAlgorithm algorithm, const void* pKey, std::size_t nKey, const void* pMessage,
                 std::size_t nMessage, BYTE* pMac);
