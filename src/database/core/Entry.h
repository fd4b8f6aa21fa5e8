// CEntry: one entry of a database, four free texts in a fixed order. The order is
// that of the file records, the list columns and the exported text lines.
#pragma once

#include "framework/portable/CString.h"

class CEntry {
public:
    // Provided rather than defaulted: with a defaulted one, every value-initialised
    // entry (the list's new ones) would be zero-filled before its texts are built.
    CEntry() {}
    CEntry(const CString& strFor, const CString& strUsername, const CString& strPassword, const CString& strNotes)
        : m_strFor(strFor), m_strUsername(strUsername), m_strPassword(strPassword), m_strNotes(strNotes)
    {}
    CEntry(const CEntry& other) = default;
    CEntry& operator=(const CEntry& other) = default;
    // Moving hands the texts over without copying them (the list moves entries
    // when it grows, and the reader moves each new entry into the list).
    CEntry(CEntry&& other) noexcept = default;
    CEntry& operator=(CEntry&& other) noexcept = default;
    virtual ~CEntry() = default;

    CString m_strFor;
    CString m_strUsername;
    CString m_strPassword;
    CString m_strNotes;
};

bool operator==(const CEntry& a, const CEntry& b);
inline bool operator!=(const CEntry& a, const CEntry& b) { return !(a == b); }
