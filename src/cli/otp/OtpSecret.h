// A one-time code secret as it is kept in an entry's Notes: an
// otpauth://totp/LABEL?secret=BASE32&digits=6&period=30&algorithm=SHA1 URI
// (digits 6 to 8, period 1 or more seconds, algorithm SHA1, SHA256 or SHA512;
// the label and the values percent-encoded), or a bare Base32 secret with the
// defaults: 6 digits every 30 seconds by HMAC-SHA1.
#pragma once

#include "cli/base/Digest.h"
#include "cli/base/TextCodec.h"

// What the help of add and edit says of --totp.
#define OTP_OPTION_HELP                                                                                                \
    "--totp reads a one-time code secret (an otpauth://totp/ URI, or a Base32\n"                                       \
    "secret) as a password is read, after any password, and puts it into Notes in\n"                                   \
    "place of the one there; totp prints its codes.\n"

struct OtpSecret {
    CString strKey;  // the decoded key (CString wipes its bytes)
    DigestAlgorithm algorithm = DigestAlgorithm::sha1;
    int nDigits = 6;
    int nPeriod = 30;
    CString label;  // the URI's label, decoded (UTF-8); empty for a bare secret
};

// Reads a URI (bUri) or a bare secret, given in UTF-8. Throws CCliError
// (kExitUsage) saying what is wrong, without quoting the secret.
OtpSecret ParseOtpSecret(const CString& strText, BOOL bUri);
// The same for a text in the code page (from Notes, or typed).
OtpSecret ParseOtpSecret(const CTextCodec& codec, const CString& strStored, BOOL bUri);

// What add and edit --totp put into Notes for a URI or a bare secret typed in
// the code page: the URI as it is, or "totp:", a space and the secret in upper
// case without its spaces. Throws CCliError (kExitUsage) saying what is wrong
// when it does not parse.
CString OtpTokenToStore(const CTextCodec& codec, const CString& strTyped);
