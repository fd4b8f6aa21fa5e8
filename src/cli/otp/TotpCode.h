// Time-based one-time codes (RFC 6238): the HMAC of the number of periods
// since 1970, cut to a number of nDigits decimal digits (RFC 4226).
#pragma once

#include "cli/otp/OtpSecret.h"

// The code at nTime (seconds since 1970-01-01 00:00 UTC, not before it), zero-
// padded to the secret's digits. Throws CCliError (kExitIo) when the system's
// cryptography fails.
CString TotpCode(const OtpSecret& secret, long long nTime);

// The seconds from nTime until the next code: 1 to the secret's period.
int TotpSecondsLeft(const OtpSecret& secret, long long nTime);

// nTime (not before 1970) as a UTC date and time: "2005-03-18 01:58:29", or
// with bIso "2005-03-18T01:58:29Z".
CString UtcTimeText(long long nTime, BOOL bIso);
