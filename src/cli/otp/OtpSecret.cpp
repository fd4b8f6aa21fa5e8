#include "cli/otp/OtpSecret.h"

#include <algorithm>
#include <climits>
#include <set>

#include "cli/base/CommandLine.h"
#include "cli/otp/Base32.h"
#include "cli/text/TextEncoding.h"

namespace {

const char kScheme[] = "otpauth://";
const int kMinKeyBytes = 10;  // 80 bits, the shortest secret sites hand out

[[noreturn]] void Refuse(const std::string& strWhy) { throw CCliError(kExitUsage, strWhy.c_str()); }

bool SameNoCase(const std::string& a, LPCTSTR psz) { return CString(a.c_str()).CompareNoCase(psz) == 0; }

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The text with each %XX replaced by its byte.
std::string PercentDecoded(const std::string& text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        const int nHigh = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        const int nLow = nHigh >= 0 ? HexValue(text[i + 2]) : -1;
        if (nLow < 0) Refuse("the URI has a \"%\" that is not followed by two hex digits");
        decoded += static_cast<char>(nHigh * 16 + nLow);
        i += 2;
    }
    return decoded;
}

int ReadNumber(const std::string& strValue, LPCTSTR pszName, int nMin, int nMax)
{
    int n = 0;
    if (!ParseDecimal(strValue.c_str(), nMax, n) || n < nMin) {
        CString strMessage;
        strMessage.Format("the URI's %s= must be a number from %d to %d", pszName, nMin, nMax);
        Refuse(strMessage.GetString());
    }
    return n;
}

void ReadKey(OtpSecret& secret, const std::string& strBase32)
{
    secret.strKey = DecodeBase32(strBase32);
    if (secret.strKey.GetLength() < kMinKeyBytes) {
        CString strMessage;
        strMessage.Format("the secret is only %d bits long; one-time code secrets have 80 or more (in Notes it is "
                          "one word, without spaces)",
                          secret.strKey.GetLength() * 8);
        Refuse(strMessage.GetString());
    }
}

void ReadParameter(OtpSecret& secret, const std::string& strName, const std::string& strValue)
{
    if (SameNoCase(strName, "secret")) {
        ReadKey(secret, strValue);
    } else if (SameNoCase(strName, "digits")) {
        secret.nDigits = ReadNumber(strValue, "digits", 6, 8);
    } else if (SameNoCase(strName, "period")) {
        secret.nPeriod = ReadNumber(strValue, "period", 1, INT_MAX);
    } else if (SameNoCase(strName, "algorithm")) {
        if (SameNoCase(strValue, "SHA1"))
            secret.algorithm = DigestAlgorithm::sha1;
        else if (SameNoCase(strValue, "SHA256"))
            secret.algorithm = DigestAlgorithm::sha256;
        else if (SameNoCase(strValue, "SHA512"))
            secret.algorithm = DigestAlgorithm::sha512;
        else
            Refuse("the URI's algorithm= must be SHA1, SHA256 or SHA512, not " + strValue);
    }
}

OtpSecret ParseUri(const std::string& uri)
{
    if (uri.find_first_of(" \t\r\n") != std::string::npos)
        Refuse("the URI holds white space (a space in it is written %20)");
    if (!SameNoCase(uri.substr(0, sizeof kScheme - 1), kScheme)) Refuse("it is not an otpauth:// URI");
    const std::size_t nTypeEnd = uri.find_first_of("/?", sizeof kScheme - 1);
    const std::string strType = uri.substr(sizeof kScheme - 1, nTypeEnd - (sizeof kScheme - 1));
    if (SameNoCase(strType, "hotp"))
        Refuse("it is an otpauth://hotp/ URI: counter-based codes are not supported, only time-based ones "
               "(otpauth://totp/)");
    if (!SameNoCase(strType, "totp")) Refuse("it is not an otpauth://totp/ URI");
    const std::size_t nQuery = uri.find('?');
    OtpSecret secret;
    if (nTypeEnd < nQuery) secret.label = PercentDecoded(uri.substr(nTypeEnd + 1, nQuery - nTypeEnd - 1));
    std::u32string decoded;
    CTextEncoding utf8;
    if (!utf8.Open("UTF-8") || !utf8.Decode(secret.label.c_str(), decoded)) Refuse("the URI's label is not UTF-8 text");
    std::set<std::string> seen;
    for (std::size_t nAt = nQuery; nAt < uri.size();) {
        const std::size_t nEnd = std::min(uri.find('&', nAt + 1), uri.size());
        const std::string strParameter = uri.substr(nAt + 1, nEnd - nAt - 1);
        nAt = nEnd;
        const std::size_t nEquals = strParameter.find('=');
        if (nEquals == std::string::npos) Refuse("the URI has a parameter without \"=\"");
        CString strName = PercentDecoded(strParameter.substr(0, nEquals)).c_str();
        strName.MakeLower();
        if (!seen.insert(strName.GetString()).second) Refuse("the URI gives " + std::string(strName) + "= twice");
        ReadParameter(secret, strName.GetString(), PercentDecoded(strParameter.substr(nEquals + 1)));
    }
    if (secret.strKey.IsEmpty()) Refuse("the URI has no secret=");
    return secret;
}

}  // namespace

OtpSecret ParseOtpSecret(const std::string& text, BOOL bUri)
{
    if (bUri) return ParseUri(text);
    OtpSecret secret;
    ReadKey(secret, text);
    return secret;
}

CString OtpTokenToStore(const CTextCodec& codec, const CString& strTyped)
{
    int nStart = 0, nEnd = strTyped.GetLength();
    while (nStart < nEnd && (strTyped[nStart] == ' ' || strTyped[nStart] == '\t')) ++nStart;
    while (nEnd > nStart && (strTyped[nEnd - 1] == ' ' || strTyped[nEnd - 1] == '\t')) --nEnd;
    CString strText = strTyped.Mid(nStart, nEnd - nStart);
    const BOOL bUri = strText.Left(sizeof kScheme - 1).CompareNoCase(kScheme) == 0;
    std::string utf8 = codec.ToUtf8(strText);
    try {
        ParseOtpSecret(utf8, bUri);
    } catch (const CCliError& e) {
        SecureZero(&utf8[0], utf8.size());
        throw CCliError(kExitUsage, "--totp: " + e.m_strMessage + "; nothing was stored");
    }
    SecureZero(&utf8[0], utf8.size());
    if (bUri) return strText;
    CString strSecret;
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText[i] != ' ') strSecret += strText[i];
    strSecret.MakeUpper();
    return "totp: " + strSecret;
}
