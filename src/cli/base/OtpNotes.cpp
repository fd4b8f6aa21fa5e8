#include "cli/base/OtpNotes.h"

namespace {

const char kUriPrefix[] = "otpauth://";
const char kBarePrefix[] = "totp:";
const char kMask[] = "(hidden)";

BOOL IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

// The prefix holds no white space, so it matches only within the word at nAt.
BOOL StartsWithNoCase(const CString& strText, int nAt, LPCTSTR pszPrefix)
{
    const CString strPrefix = pszPrefix;
    return strText.Mid(nAt, strPrefix.GetLength()).CompareNoCase(strPrefix) == 0;
}

// The word that begins at or after nFrom: [nStart, nEnd); FALSE when none does.
BOOL NextWord(const CString& strText, int nFrom, int& nStart, int& nEnd)
{
    for (nStart = nFrom; nStart < strText.GetLength() && IsSpace(strText[nStart]);) ++nStart;
    for (nEnd = nStart; nEnd < strText.GetLength() && !IsSpace(strText[nEnd]);) ++nEnd;
    return nStart < nEnd;
}

// A URI with the value of each of its secret= parameters masked.
CString MaskUri(const CString& strUri)
{
    int nQuery = strUri.Find('?');
    if (nQuery < 0) nQuery = strUri.GetLength();
    CString strMasked = strUri.Left(nQuery);
    for (int nAt = nQuery; nAt < strUri.GetLength();) {
        int nEnd = strUri.Find('&', nAt + 1);
        if (nEnd < 0) nEnd = strUri.GetLength();
        const CString strParameter = strUri.Mid(nAt + 1, nEnd - nAt - 1);
        const int nEquals = strParameter.Find('=');
        strMasked += strUri[nAt];
        if (nEquals >= 0 && strParameter.Left(nEquals).CompareNoCase("secret") == 0)
            strMasked += strParameter.Left(nEquals + 1) + kMask;
        else
            strMasked += strParameter;
        nAt = nEnd;
    }
    return strMasked;
}

}  // namespace

BOOL FindOtpToken(const CString& strNotes, OtpNotesToken& token, int nFrom)
{
    int nStart = 0, nEnd = nFrom;
    while (NextWord(strNotes, nEnd, nStart, nEnd)) {
        token.nStart = token.nValue = nStart;
        token.nEnd = nEnd;
        token.bUri = StartsWithNoCase(strNotes, nStart, kUriPrefix);
        if (token.bUri) return TRUE;
        if (!StartsWithNoCase(strNotes, nStart, kBarePrefix)) continue;
        token.nValue = nStart + static_cast<int>(sizeof kBarePrefix) - 1;
        int nNext = 0, nNextEnd = 0;
        if (token.nValue == nEnd && NextWord(strNotes, nEnd, nNext, nNextEnd)) {
            token.nValue = nNext;
            token.nEnd = nNextEnd;
        }
        return TRUE;
    }
    return FALSE;
}

CString MaskOtpSecrets(const CString& strNotes)
{
    CString strMasked;
    int nDone = 0;
    OtpNotesToken token;
    for (; FindOtpToken(strNotes, token, nDone); nDone = token.nEnd) {
        strMasked += strNotes.Mid(nDone, token.nValue - nDone);
        const CString strValue = strNotes.Mid(token.nValue, token.nEnd - token.nValue);
        strMasked += token.bUri ? MaskUri(strValue) : strValue.IsEmpty() ? CString() : CString(kMask);
    }
    return strMasked + strNotes.Mid(nDone);
}

CString SetOtpToken(const CString& strNotes, const CString& strToken)
{
    OtpNotesToken token;
    if (FindOtpToken(strNotes, token)) return strNotes.Left(token.nStart) + strToken + strNotes.Mid(token.nEnd);
    return strNotes.IsEmpty() ? strToken : strNotes + " " + strToken;
}
