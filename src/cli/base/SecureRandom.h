// The operating system's secure random source: getrandom (or /dev/urandom) on
// Linux and other POSIX systems, BCryptGenRandom on Windows.
#pragma once

#include <cstddef>

// Fills the buffer with random bytes; false when the source failed.
bool SecureRandomBytes(void* pBuffer, std::size_t nCount);
