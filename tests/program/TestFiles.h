// Files for the program's tests: a temporary folder, and databases written and
// read back through the core, independently of the document under test.
#pragma once

#include <string>
#include <vector>

#include "database/core/DatabaseCodec.h"

namespace apptest {

// A new empty folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // The names of the files in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

// n entries with distinct texts: "site i", "user i", "pass i", "note i".
CEntryList SampleEntries(int n);

// Writes a database with the core. An empty password means not locked.
void WriteDatabaseFile(const std::string& path, const CEntryList& list, const std::string& password = "");

// Reads a database with the core; the password is used when it is locked.
struct ReadBack {
    DatabaseStatus status = DatabaseStatus::ok;
    DatabaseHeader header;
    CEntryList entries;
};
ReadBack ReadDatabaseFile(const std::string& path, const std::string& password = "");

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

bool SameEntries(const CEntryList& a, const CEntryList& b);

}  // namespace apptest
