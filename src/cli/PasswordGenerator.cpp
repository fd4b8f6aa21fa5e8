#include "cli/PasswordGenerator.h"

#include <cstring>

#include "cli/CliError.h"
#include "cli/SecureRandom.h"

const char kGeneratedAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!#%+-.:=?@_";

CString GeneratePassword(int nLength)
{
    const unsigned nAlphabet = static_cast<unsigned>(std::strlen(kGeneratedAlphabet));
    // Bytes at or above the largest multiple of the alphabet's size are drawn
    // again, so that every character is equally likely.
    const unsigned nLimit = 256 - 256 % nAlphabet;
    CString strPassword;
    unsigned char bytes[64];
    while (strPassword.GetLength() < nLength) {
        if (!SecureRandomBytes(bytes, sizeof bytes))
            throw CCliError(kExitIo, "the system's random source failed");
        for (unsigned char by : bytes)
            if (by < nLimit && strPassword.GetLength() < nLength) strPassword += kGeneratedAlphabet[by % nAlphabet];
    }
    SecureZero(bytes, sizeof bytes);
    return strPassword;
}
