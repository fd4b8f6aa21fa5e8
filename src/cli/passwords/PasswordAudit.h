// The health of a database's passwords, as audit reports it: passwords that
// several entries share, empty and short ones, ones equal to their entry's For
// or Username (ignoring case), and zxcvbn's strength estimate where the build
// has the library.
#pragma once

#include <vector>

#include "cli/base/TextCodec.h"
#include "database/core/EntryList.h"

const int kShortPasswordLength = 12;    // characters; shorter is short
const double kWeakPasswordBits = 26.5;  // zxcvbn: under 10^8 guesses (its scores 0 to 2)

struct PasswordFindings {
    int nIndex = 0;
    bool bReused = false;  // other entries have the same password
    bool bEmpty = false;
    bool bShort = false;
    bool bSameAsFor = false;
    bool bSameAsUsername = false;
    double dBits = -1;  // zxcvbn's estimate; -1 without it
    bool bWeak = false;
    unsigned long long nBreachCount = 0;  // times seen in a breach list (audit --breached)

    bool Any() const { return bReused || bEmpty || bShort || bSameAsFor || bSameAsUsername || bWeak || nBreachCount; }
};

// TRUE when this build estimates strength with zxcvbn.
BOOL HaveStrengthEstimate();

struct PasswordAudit {
    std::vector<PasswordFindings> entries;  // of every entry, in index order
    std::vector<std::vector<int>> reused;   // the entries that share a password, each group in index order
};

PasswordAudit AuditPasswords(const CTextCodec& codec, const CEntryList& list);
