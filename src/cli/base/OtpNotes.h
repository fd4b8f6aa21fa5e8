// One-time code secrets in an entry's Notes, which is one line of words
// separated by white space. A secret is a word that starts with "otpauth://"
// (a URI, whose secret= value is the secret), or a bare Base32 secret: the word
// after a word "totp:", or the rest of a word that starts with "totp:". Both
// prefixes are matched ignoring case. The secret is shown only where the
// password is: elsewhere Notes show it masked.
#pragma once

#include "framework/portable/CString.h"

struct OtpNotesToken {
    int nStart = 0;     // where it begins: the URI, or "totp:"
    int nValue = 0;     // where the URI or the bare secret begins
    int nEnd = 0;       // one past its end (nValue when "totp:" is the last word)
    BOOL bUri = FALSE;  // a URI, not a bare secret
};

// The first such token that begins at or after nFrom, which is not inside a
// word; FALSE when there is none.
BOOL FindOtpToken(const CString& strNotes, OtpNotesToken& token, int nFrom = 0);

// The Notes with every secret in them shown as "(hidden)".
CString MaskOtpSecrets(const CString& strNotes);

// The Notes with strToken in place of the first token there (a bare secret
// with its "totp:"), or appended after a space.
CString SetOtpToken(const CString& strNotes, const CString& strToken);
