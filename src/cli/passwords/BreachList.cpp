#include "cli/passwords/BreachList.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/portable/PlatformFile.h"

namespace {

const std::size_t kHashDigits = 2 * kSha1Size;
const std::size_t kNtlmDigits = 32;
const std::size_t kMaxCountDigits = 19;  // fits 64 bits
// The longest line: hash, colon, count, CR LF.
const std::size_t kMaxLine = kHashDigits + 1 + kMaxCountDigits + 2;

const struct {
    const char* pszMagic;
    std::size_t nLength;
    LPCTSTR pszName;
} kCompressed[] = {
    {"\x1F\x8B", 2, "gzip"},
    {"7z\xBC\xAF\x27\x1C", 6, "7z"},
    {"PK\x03\x04", 4, "zip"},
};

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

CString Offset(unsigned long long n) { return std::to_string(n).c_str(); }

}  // namespace

void CBreachList::Open(const CString& strPath)
{
    const PathKind kind = GetPathKind(ResolveLinks(strPath));
    if (kind == PathKind::folder) throw CCliError(kExitUsage, strPath + " is a folder, not a list of hashes");
    if (kind != PathKind::regular && kind != PathKind::missing)
        throw CCliError(kExitUsage, strPath + " is not a regular file, not a list of hashes");
    CFileException error;
    if (!m_file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite, &error))
        throw CCliError(kExitIo, error.GetErrorMessage());
    Attach(m_file, strPath);
}

void CBreachList::Attach(CFile& file, const CString& strName)
{
    m_pFile = &file;
    m_strName = strName;
    m_nLength = file.GetLength();
    if (m_nLength == 0) throw CCliError(kExitUsage, strName + " is empty, not a list of hashes");
    char magic[8] = {};
    file.SeekToBegin();
    const UINT nRead = file.Read(magic, sizeof magic);
    for (const auto& compressed : kCompressed)
        if (nRead >= compressed.nLength && std::memcmp(magic, compressed.pszMagic, compressed.nLength) == 0)
            throw CCliError(kExitUsage, strName + " is a " + compressed.pszName +
                                            " file; unpack it first (the list is read in place, by seeking)");
    Line line;
    LineAtOrAfter(0, line);
}

void CBreachList::ThrowNotInForm(unsigned long long nAt, LPCTSTR pszWhat) const
{
    throw CCliError(kExitUsage, m_strName + ": the line at byte " + Offset(nAt) + " " + pszWhat +
                                    "; audit --breached needs the SHA-1 list ordered by hash, a line HASH:COUNT "
                                    "each");
}

void CBreachList::ParseLine(const char* p, std::size_t n, Line& line) const
{
    std::size_t i = 0;
    for (; i < n && i < kHashDigits && HexValue(p[i]) >= 0; ++i)
        if (i % 2) line.hash[i / 2] = static_cast<BYTE>(HexValue(p[i - 1]) * 16 + HexValue(p[i]));
    if (i == kNtlmDigits && i < n && p[i] == ':') ThrowNotInForm(line.nStart, "is an NTLM hash (32 hex digits)");
    if (i < kHashDigits || i >= n || p[i] != ':') ThrowNotInForm(line.nStart, "is not HASH:COUNT");
    line.nCount = 0;
    const std::size_t nDigits = ++i;
    for (; i < n && i - nDigits < kMaxCountDigits && p[i] >= '0' && p[i] <= '9'; ++i)
        line.nCount = line.nCount * 10 + static_cast<unsigned>(p[i] - '0');
    if (i < n && p[i] == '\r') ++i;
    const BOOL bEnded = i < n ? p[i] == '\n' : line.nStart + i == m_nLength;
    if (i == nDigits || !bEnded) ThrowNotInForm(line.nStart, "is not HASH:COUNT");
}

BOOL CBreachList::LineAtOrAfter(unsigned long long nAt, Line& line)
{
    // A line starts at nAt when it is the file's start or follows a line feed.
    const unsigned long long nFrom = nAt == 0 ? 0 : nAt - 1;
    char buffer[2 * kMaxLine];
    m_pFile->Seek(static_cast<LONGLONG>(nFrom), CFile::begin);
    const std::size_t nWanted =
        static_cast<std::size_t>(std::min<unsigned long long>(sizeof buffer, m_nLength - nFrom));
    std::size_t n = 0;
    for (UINT nRead; n < nWanted && (nRead = m_pFile->Read(buffer + n, static_cast<UINT>(nWanted - n))) > 0;)
        n += nRead;
    std::size_t i = 0;
    if (nAt > 0) {
        while (i < n && i < kMaxLine && buffer[i] != '\n') ++i;
        if (i == n) return FALSE;  // the last line's end
        if (i == kMaxLine) ThrowNotInForm(nFrom, "is longer than HASH:COUNT");
        ++i;
    }
    if (nFrom + i >= m_nLength) return FALSE;
    line.nStart = nFrom + i;
    ParseLine(buffer + i, n - i, line);
    return TRUE;
}

unsigned long long CBreachList::Count(const BYTE hash[kSha1Size])
{
    // The first line whose hash is not below the one sought starts at or after
    // byte nHigh: the smallest offset whose line at or after it is not below.
    unsigned long long nLow = 0, nHigh = m_nLength;
    Line low, high, line;
    BOOL bLow = FALSE, bHigh = FALSE;
    while (nLow < nHigh) {
        const unsigned long long nMiddle = nLow + (nHigh - nLow) / 2;
        const BOOL bLine = LineAtOrAfter(nMiddle, line);
        if (bLine && ((bLow && std::memcmp(line.hash, low.hash, kSha1Size) < 0) ||
                      (bHigh && std::memcmp(line.hash, high.hash, kSha1Size) > 0)))
            throw CCliError(kExitUsage, m_strName + " is not ordered by hash (the line at byte " + Offset(line.nStart) +
                                            " is out of order); audit --breached needs the list ordered by hash");
        if (!bLine || std::memcmp(line.hash, hash, kSha1Size) >= 0) {
            nHigh = nMiddle;
            bHigh = bLine;
            high = line;
        } else {
            nLow = nMiddle + 1;
            bLow = TRUE;
            low = line;
        }
    }
    return bHigh && std::memcmp(high.hash, hash, kSha1Size) == 0 ? high.nCount : 0;
}

void FindBreachedPasswords(const CTextCodec& codec, const CEntryList& list, CBreachList& breaches, PasswordAudit& audit)
{
    for (int i = 0; i < list.GetCount(); ++i) {
        const CString& strPassword = list.ElementAt(i).m_strPassword;
        if (strPassword.IsEmpty()) continue;
        std::string utf8 = codec.ToUtf8(strPassword);
        BYTE hash[kSha1Size];
        ComputeDigest(DigestAlgorithm::sha1, utf8.data(), utf8.size(), hash);
        SecureZero(&utf8[0], utf8.size());
        audit.entries[static_cast<std::size_t>(i)].nBreachCount = breaches.Count(hash);
        SecureZero(hash, sizeof hash);
    }
}
