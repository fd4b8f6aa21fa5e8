// CStringRow: the texts of one list row, one per column in column order.
#pragma once

#include "framework/portable/CArray.h"
#include "framework/portable/CString.h"

class CStringRow {
public:
    CStringRow() = default;
    CStringRow(const CStringRow& other) = default;
    CStringRow& operator=(const CStringRow& other) = default;
    virtual ~CStringRow() = default;

    int GetCount() const { return m_strings.GetCount(); }
    void Add(const CString& str) { m_strings.Add(str); }
    // The text of column nIndex; the index must be below GetCount.
    const CString& GetAt(int nIndex) const { return m_strings.GetAt(nIndex); }

private:
    CArray<CString> m_strings;
};
