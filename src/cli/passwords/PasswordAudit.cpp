#include "cli/passwords/PasswordAudit.h"

#include <algorithm>

#ifdef VAULTRY_HAVE_ZXCVBN
#include <zxcvbn.h>
#endif

namespace {

#ifdef VAULTRY_HAVE_ZXCVBN
// zxcvbn's entropy in bits, the entry's For and Username counting as words an
// attacker would try first.
double StrengthBits(const CTextCodec& codec, const CEntry& entry)
{
    std::string password = codec.ToUtf8(entry.m_strPassword);
    const std::string strFor = codec.ToUtf8(entry.m_strFor), strUsername = codec.ToUtf8(entry.m_strUsername);
    const char* words[] = {strFor.c_str(), strUsername.c_str(), nullptr};
    const double dBits = ZxcvbnMatch(password.c_str(), words, nullptr);
    SecureZero(&password[0], password.size());
    return dBits;
}
#endif

}  // namespace

BOOL HaveStrengthEstimate()
{
#ifdef VAULTRY_HAVE_ZXCVBN
    return TRUE;
#else
    return FALSE;
#endif
}

PasswordAudit AuditPasswords(const CTextCodec& codec, const CEntryList& list)
{
    const CCodePage& codePage = codec.GetCodePage();
    PasswordAudit audit;
    std::vector<PasswordFindings>& findings = audit.entries;
    findings.resize(static_cast<std::size_t>(list.GetCount()));
    // Entries in the order of their passwords: those that share one stand together.
    std::vector<int> order(findings.size());
    for (int i = 0; i < list.GetCount(); ++i) order[static_cast<std::size_t>(i)] = i;
    auto password = [&](int i) -> const CString& { return list.ElementAt(i).m_strPassword; };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return password(a) < password(b); });
    for (std::size_t first = 0, last; first < order.size(); first = last) {
        for (last = first + 1; last < order.size() && password(order[last]) == password(order[first]);) ++last;
        if (last - first < 2 || password(order[first]).IsEmpty()) continue;
        audit.reused.emplace_back(order.begin() + static_cast<long>(first), order.begin() + static_cast<long>(last));
        for (std::size_t i = first; i < last; ++i) findings[static_cast<std::size_t>(order[i])].bReused = true;
    }
    std::sort(audit.reused.begin(), audit.reused.end());
    for (int i = 0; i < list.GetCount(); ++i) {
        const CEntry& entry = list.ElementAt(i);
        PasswordFindings& found = findings[static_cast<std::size_t>(i)];
        found.nIndex = i;
        found.bEmpty = entry.m_strPassword.IsEmpty();
        found.bShort = !found.bEmpty && entry.m_strPassword.GetLength() < kShortPasswordLength;
        found.bSameAsFor = !found.bEmpty && codePage.SameIgnoringCase(entry.m_strPassword, entry.m_strFor);
        found.bSameAsUsername = !found.bEmpty && codePage.SameIgnoringCase(entry.m_strPassword, entry.m_strUsername);
#ifdef VAULTRY_HAVE_ZXCVBN
        found.dBits = StrengthBits(codec, entry);
        found.bWeak = !found.bEmpty && found.dBits < kWeakPasswordBits;
#endif
    }
    return audit;
}
