// Test helpers: entries, and byte strings in and out of memory files.
#pragma once

#include <string>

#include "database/core/Entry.h"
#include "framework/portable/CMemFile.h"

inline std::string FileBytes(const CMemFile& file)
{
    return std::string(reinterpret_cast<const char*>(file.GetData()), static_cast<std::size_t>(file.GetLength()));
}

// A memory file holding the bytes, positioned at its start.
inline void PutBytes(CMemFile& file, const std::string& bytes)
{
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
}
