// CBreachList: passwords known from breaches, in the form of the "Pwned
// Passwords" list: the SHA-1 hashes of UTF-8 passwords ordered by hash, one line
// "HASH:COUNT" each (40 hex digits, a colon, how often it was seen; CR LF or LF).
// Such a list is tens of gigabytes, so it is never read whole: a lookup is a
// binary search by seeking, with 64-bit offsets, a few dozen short reads.
#pragma once

#include "cli/base/Digest.h"
#include "cli/base/TextCodec.h"
#include "cli/passwords/PasswordAudit.h"
#include "framework/portable/CFile.h"

class CBreachList {
public:
    // Opens the list at strPath. Throws CCliError: kExitIo when it cannot be
    // opened (missing, denied); kExitUsage when it is a folder or no regular
    // file, empty, compressed, a list of NTLM hashes (32 hex digits), or when its
    // first line is not HASH:COUNT.
    void Open(const CString& strPath);
    // The same checks on a file that is open already, named strName in messages.
    void Attach(CFile& file, const CString& strName);

    // How often the password with this SHA-1 hash was seen; 0 when the list does
    // not hold it. Throws CCliError (kExitUsage) when a line read on the way is
    // not HASH:COUNT, or two lines read are out of order.
    unsigned long long Count(const BYTE hash[kSha1Size]);

private:
    struct Line {
        unsigned long long nStart = 0;
        BYTE hash[kSha1Size] = {};
        unsigned long long nCount = 0;
    };

    BOOL LineAtOrAfter(unsigned long long nAt, Line& line);
    void ParseLine(const char* p, std::size_t n, Line& line) const;
    [[noreturn]] void ThrowNotInForm(unsigned long long nAt, LPCTSTR pszWhat) const;

    CFile m_file;
    CFile* m_pFile = nullptr;
    CString m_strName;
    unsigned long long m_nLength = 0;
};

// audit --breached: the nBreachCount of the findings of each entry whose
// password (in UTF-8) the list holds. Empty passwords are not looked up.
void FindBreachedPasswords(const CTextCodec& codec, const CEntryList& list, CBreachList& breaches,
                           PasswordAudit& audit);
