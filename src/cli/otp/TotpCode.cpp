#include "cli/otp/TotpCode.h"

CString TotpCode(const OtpSecret& secret, long long nTime)
{
    unsigned long long nCounter = static_cast<unsigned long long>(nTime / secret.nPeriod);
    BYTE message[8];
    for (int i = 7; i >= 0; --i, nCounter >>= 8) message[i] = static_cast<BYTE>(nCounter & 0xFF);
    BYTE mac[kMaxDigestSize];
    const std::size_t nMac = DigestSize(secret.algorithm);
    ComputeHmac(secret.algorithm, secret.strKey.GetString(), static_cast<std::size_t>(secret.strKey.GetLength()),
                message, sizeof message, mac);
    // The four bytes at the offset that the last byte's low bits give, without
    // their sign bit.
    const std::size_t nOffset = mac[nMac - 1] & 0x0F;
    unsigned long nNumber = (mac[nOffset] & 0x7Ful) << 24 | static_cast<unsigned long>(mac[nOffset + 1]) << 16 |
                            static_cast<unsigned long>(mac[nOffset + 2]) << 8 | mac[nOffset + 3];
    SecureZero(mac, sizeof mac);
    CString strCode(' ', secret.nDigits);
    for (int i = secret.nDigits - 1; i >= 0; --i, nNumber /= 10)
        strCode.SetAt(i, static_cast<char>('0' + nNumber % 10));
    return strCode;
}

int TotpSecondsLeft(const OtpSecret& secret, long long nTime)
{
    return secret.nPeriod - static_cast<int>(nTime % secret.nPeriod);
}

CString UtcTimeText(long long nTime, BOOL bIso)
{
    // Days since 1970 to a date of the Gregorian calendar, by eras of 400 years
    // (146,097 days) counted from 1 March of year 0, so that a leap day ends its
    // year (H. Hinnant's civil_from_days, for days from 1970 on).
    const long long nDays = nTime / 86400, nSeconds = nTime % 86400;
    const long long nEra = (nDays + 719468) / 146097;
    const long long nDayOfEra = nDays + 719468 - nEra * 146097;
    const long long nYearOfEra = (nDayOfEra - nDayOfEra / 1460 + nDayOfEra / 36524 - nDayOfEra / 146096) / 365;
    const long long nDayOfYear = nDayOfEra - (365 * nYearOfEra + nYearOfEra / 4 - nYearOfEra / 100);
    const long long nMonthIndex = (5 * nDayOfYear + 2) / 153;  // 0 is March
    const int nDay = static_cast<int>(nDayOfYear - (153 * nMonthIndex + 2) / 5 + 1);
    const int nMonth = static_cast<int>(nMonthIndex < 10 ? nMonthIndex + 3 : nMonthIndex - 9);
    const long long nYear = nYearOfEra + nEra * 400 + (nMonth <= 2 ? 1 : 0);
    CString strText;
    strText.Format(bIso ? "%04d-%02d-%02dT%02d:%02d:%02dZ" : "%04d-%02d-%02d %02d:%02d:%02d", static_cast<int>(nYear),
                   nMonth, nDay, static_cast<int>(nSeconds / 3600), static_cast<int>(nSeconds / 60 % 60),
                   static_cast<int>(nSeconds % 60));
    return strText;
}
