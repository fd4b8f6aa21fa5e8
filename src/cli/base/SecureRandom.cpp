#include "cli/base/SecureRandom.h"

#ifdef _WIN32

#include <windows.h>
#include <bcrypt.h>

bool SecureRandomBytes(void* pBuffer, std::size_t nCount)
{
    return BCryptGenRandom(nullptr, static_cast<PUCHAR>(pBuffer), static_cast<ULONG>(nCount),
                           BCRYPT_USE_SYSTEM_PREFERRED_RNG) == 0;
}

#else

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/random.h>
#endif

namespace {

bool ReadUrandom(unsigned char* p, std::size_t n)
{
    int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    while (n) {
        ssize_t got = ::read(fd, p, n);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        p += got;
        n -= static_cast<std::size_t>(got);
    }
    ::close(fd);
    return n == 0;
}

}  // namespace

bool SecureRandomBytes(void* pBuffer, std::size_t nCount)
{
    unsigned char* p = static_cast<unsigned char*>(pBuffer);
#if defined(__linux__)
    while (nCount) {
        ssize_t got = ::getrandom(p, nCount, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno == ENOSYS && ReadUrandom(p, nCount);
        p += got;
        nCount -= static_cast<std::size_t>(got);
    }
    return true;
#else
    return ReadUrandom(p, nCount);
#endif
}

#endif
