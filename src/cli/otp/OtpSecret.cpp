#include "cli/otp/OtpSecret.h"

#include <climits>

#include "cli/base/CommandLine.h"
#include "cli/otp/Base32.h"
#include "cli/text/TextEncoding.h"

namespace {

// Texts here are CStrings, which wipe their bytes: the secret passes through them.
const char kScheme[] = "otpauth://";
const int kSchemeLength = sizeof kScheme - 1;
const int kMinKeyBytes = 10;  // 80 bits, the shortest secret sites hand out

[[noreturn]] void Refuse(const CString& strWhy) { throw CCliError(kExitUsage, strWhy); }

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

// The text with each %XX replaced by its byte.
CString PercentDecoded(const CString& strText)
{
    CString strDecoded;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (strText[i] != '%') {
            strDecoded += strText[i];
            continue;
        }
        // A CString ends in a zero byte, which is no hex digit.
        const int nHigh = HexValue(strText[i + 1]);
        const int nLow = nHigh >= 0 ? HexValue(strText[i + 2]) : -1;
        if (nLow < 0) Refuse("the URI has a \"%\" that is not followed by two hex digits");
        strDecoded += static_cast<char>(nHigh * 16 + nLow);
        i += 2;
    }
    return strDecoded;
}

int ReadNumber(const CString& strValue, LPCTSTR pszName, int nMin, int nMax)
{
    int n = 0;
    if (!ParseDecimal(strValue, nMax, n) || n < nMin) {
        CString strMessage;
        strMessage.Format("the URI's %s= must be a number from %d to %d", pszName, nMin, nMax);
        Refuse(strMessage);
    }
    return n;
}

void ReadKey(OtpSecret& secret, const CString& strBase32)
{
    secret.strKey = DecodeBase32(strBase32);
    if (secret.strKey.GetLength() < kMinKeyBytes) {
        CString strMessage;
        strMessage.Format("the secret is only %d bits long; one-time code secrets have 80 or more (in Notes it is "
                          "one word, without spaces)",
                          secret.strKey.GetLength() * 8);
        Refuse(strMessage);
    }
}

void ReadParameter(OtpSecret& secret, const CString& strName, const CString& strValue)
{
    if (strName == "secret") {
        ReadKey(secret, strValue);
    } else if (strName == "digits") {
        secret.nDigits = ReadNumber(strValue, "digits", 6, 8);
    } else if (strName == "period") {
        secret.nPeriod = ReadNumber(strValue, "period", 1, INT_MAX);
    } else if (strName == "algorithm") {
        if (strValue.CompareNoCase("SHA1") == 0)
            secret.algorithm = DigestAlgorithm::sha1;
        else if (strValue.CompareNoCase("SHA256") == 0)
            secret.algorithm = DigestAlgorithm::sha256;
        else if (strValue.CompareNoCase("SHA512") == 0)
            secret.algorithm = DigestAlgorithm::sha512;
        else
            Refuse("the URI's algorithm= must be SHA1, SHA256 or SHA512, not " + strValue);
    }
}

OtpSecret ParseUri(const CString& strUri)
{
    for (int i = 0; i < strUri.GetLength(); ++i)
        if (strUri[i] == ' ' || strUri[i] == '\t') Refuse("the URI holds white space (a space in it is written %20)");
    if (strUri.Left(kSchemeLength).CompareNoCase(kScheme) != 0) Refuse("it is not an otpauth:// URI");
    int nQuery = strUri.Find('?');
    if (nQuery < 0) nQuery = strUri.GetLength();
    int nTypeEnd = strUri.Find('/', kSchemeLength);
    if (nTypeEnd < 0 || nTypeEnd > nQuery) nTypeEnd = nQuery;
    const CString strType = strUri.Mid(kSchemeLength, nTypeEnd - kSchemeLength);
    if (strType.CompareNoCase("hotp") == 0)
        Refuse("it is an otpauth://hotp/ URI: counter-based codes are not supported, only time-based ones "
               "(otpauth://totp/)");
    if (strType.CompareNoCase("totp") != 0) Refuse("it is not an otpauth://totp/ URI");
    OtpSecret secret;
    if (nTypeEnd < nQuery) secret.label = PercentDecoded(strUri.Mid(nTypeEnd + 1, nQuery - nTypeEnd - 1));
    std::u32string decoded;
    CTextEncoding utf8;
    if (!utf8.Open("UTF-8") || !utf8.Decode(secret.label, decoded)) Refuse("the URI's label is not UTF-8 text");
    CString strSeen = "&";  // the names read, each followed by "&"
    for (int nAt = nQuery; nAt < strUri.GetLength();) {
        int nEnd = strUri.Find('&', nAt + 1);
        if (nEnd < 0) nEnd = strUri.GetLength();
        const CString strParameter = strUri.Mid(nAt + 1, nEnd - nAt - 1);
        nAt = nEnd;
        const int nEquals = strParameter.Find('=');
        if (nEquals < 0) Refuse("the URI has a parameter without \"=\"");
        CString strName = PercentDecoded(strParameter.Left(nEquals));
        strName.MakeLower();
        if (strSeen.Find("&" + strName + "&") >= 0) Refuse("the URI gives " + strName + "= twice");
        strSeen += strName + "&";
        ReadParameter(secret, strName, PercentDecoded(strParameter.Mid(nEquals + 1)));
    }
    if (secret.strKey.IsEmpty()) Refuse("the URI has no secret=");
    return secret;
}

}  // namespace

OtpSecret ParseOtpSecret(const CString& strText, BOOL bUri)
{
    if (bUri) return ParseUri(strText);
    OtpSecret secret;
    ReadKey(secret, strText);
    return secret;
}

OtpSecret ParseOtpSecret(const CTextCodec& codec, const CString& strStored, BOOL bUri)
{
    std::string text = codec.ToUtf8(strStored);
    const CString strText(text.data(), static_cast<int>(text.size()));
    SecureZero(&text[0], text.size());
    return ParseOtpSecret(strText, bUri);
}

CString OtpTokenToStore(const CTextCodec& codec, const CString& strTyped)
{
    int nStart = 0, nEnd = strTyped.GetLength();
    while (nStart < nEnd && (strTyped[nStart] == ' ' || strTyped[nStart] == '\t')) ++nStart;
    while (nEnd > nStart && (strTyped[nEnd - 1] == ' ' || strTyped[nEnd - 1] == '\t')) --nEnd;
    const CString strText = strTyped.Mid(nStart, nEnd - nStart);
    const BOOL bUri = strText.Left(kSchemeLength).CompareNoCase(kScheme) == 0;
    try {
        ParseOtpSecret(codec, strText, bUri);
    } catch (const CCliError& e) {
        throw CCliError(kExitUsage, "--totp: " + e.m_strMessage + "; nothing was stored");
    }
    if (bUri) return strText;
    CString strSecret;
    for (int i = 0; i < strText.GetLength(); ++i)
        if (strText[i] != ' ') strSecret += strText[i];
    strSecret.MakeUpper();
    return "totp: " + strSecret;
}
