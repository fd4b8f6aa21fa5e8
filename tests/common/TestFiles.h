// Files for the tests of every layer, in both builds: a private temporary folder,
// files as bytes, sample entries, and databases written and read back through
// the core's codec, independently of the writer or document under test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "database/core/DatabaseCodec.h"

// A new empty folder under the system's temporary folder, removed afterwards with
// everything in it (read-only files and folders included).
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, and the path of a file in it.
    std::string Path() const { return m_path.string(); }
    std::string Path(const std::string& strName) const { return (m_path / strName).string(); }
    // The names of the files in it, sorted.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::string& strPath);
void WriteBytes(const std::string& strPath, const std::string& bytes);

CEntryList MakeList(std::initializer_list<CEntry> entries);
// n entries with distinct texts: "site i", "user i", "pass i", "note i, with a comma".
CEntryList SampleEntries(int n);

// Writes a database with the codec straight into the file; locked with
// pszPassword, or not locked when it is null.
void WriteDatabaseFile(const std::string& strPath, const CEntryList& list, const char* pszPassword = nullptr);
// Reads a database with the codec; pszPassword is used when it is locked. A file
// that cannot be opened reads as notDatabase.
struct ReadBack {
    DatabaseStatus status = DatabaseStatus::ok;
    WORD wLocked = 0;
    CEntryList list;
};
ReadBack ReadDatabaseFile(const std::string& strPath, const char* pszPassword = nullptr);
// Checks that two lists hold the same entries in the same order.
::testing::AssertionResult SameEntries(const CEntryList& actual, const CEntryList& expected);
