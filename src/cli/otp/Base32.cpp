#include "cli/otp/Base32.h"

#include "cli/base/CliError.h"

namespace {

// The value of a Base32 digit, or -1.
int DigitValue(char ch)
{
    if (ch >= 'a' && ch <= 'z') return ch - 'a';
    if (ch >= 'A' && ch <= 'Z') return ch - 'A';
    if (ch >= '2' && ch <= '7') return ch - '2' + 26;
    return -1;
}

}  // namespace

CString DecodeBase32(const CString& strText)
{
    CString strBytes;
    unsigned nBits = 0, nBitCount = 0, nDigits = 0;
    bool bPadding = false;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const char ch = strText[i];
        if (ch == ' ') continue;
        if (ch == '=') {
            bPadding = true;
            continue;
        }
        const int nValue = DigitValue(ch);
        if (nValue < 0) throw CCliError(kExitUsage, "the secret holds a character that is not Base32 (A-Z, 2-7)");
        if (bPadding) throw CCliError(kExitUsage, "the secret has \"=\" before its end");
        nBits = (nBits << 5 | static_cast<unsigned>(nValue)) & 0xFFF;
        nBitCount += 5;
        ++nDigits;
        if (nBitCount >= 8) {
            nBitCount -= 8;
            strBytes += static_cast<char>(nBits >> nBitCount & 0xFF);
        }
    }
    // 8 digits make 5 bytes; a last group of 1, 3 or 6 digits ends no byte cleanly.
    const unsigned nLast = nDigits % 8;
    if (nLast == 1 || nLast == 3 || nLast == 6)
        throw CCliError(kExitUsage, "the secret has a number of Base32 digits that no secret has (a digit missing?)");
    if (strBytes.IsEmpty()) throw CCliError(kExitUsage, "the secret is empty");
    return strBytes;
}
