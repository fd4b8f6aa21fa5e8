// CArray: a growable, contiguous array of values addressed by index. Callers pass
// valid indexes; the array does not check them.
#pragma once

#include <utility>
#include <vector>

#include "framework/portable/Types.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;
    // Moving hands the elements over without copying them.
    CArray(CArray&&) noexcept = default;
    CArray& operator=(CArray&&) noexcept = default;
    virtual ~CArray() = default;

    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_data.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }

    const TYPE& GetAt(int nIndex) const { return m_data[nIndex]; }
    TYPE& ElementAt(int nIndex) { return m_data[nIndex]; }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_data[nIndex] = newElement; }
    const TYPE& operator[](int nIndex) const { return m_data[nIndex]; }
    TYPE& operator[](int nIndex) { return m_data[nIndex]; }
    const TYPE* GetData() const { return m_data.data(); }

    // Grows by one at the end (amortised constant time) and returns the new index.
    int Add(ARG_TYPE newElement)
    {
        m_data.push_back(newElement);
        return GetSize() - 1;
    }
    // Grows by one default element at the end and returns it, to be filled in place.
    TYPE& AddNew() { return m_data.emplace_back(); }
    void SetAtGrow(int nIndex, ARG_TYPE newElement)
    {
        if (nIndex >= GetSize()) m_data.resize(nIndex + 1);
        m_data[nIndex] = newElement;
    }
    void InsertAt(int nIndex, ARG_TYPE newElement) { m_data.insert(m_data.begin() + nIndex, newElement); }
    void RemoveAt(int nIndex, int nCount = 1)
    {
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }
    void SetSize(int nNewSize) { m_data.resize(nNewSize); }
    void Reserve(int nCount) { m_data.reserve(nCount); }
    // Destroys every element and frees the storage.
    void RemoveAll() { std::vector<TYPE>().swap(m_data); }

private:
    std::vector<TYPE> m_data;
};

// Unsigned integers by value.
typedef CArray<UINT, UINT> CUIntArray;
