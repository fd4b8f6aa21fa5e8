#include "TestFiles.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "database/core/SafeDatabaseWriter.h"
#include "framework/portable/CFile.h"

namespace apptest {

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        std::ostringstream name;
        name << base << "vaultry-test-" << GetCurrentProcessId() << "-" << ++counter;
        if (CreateDirectoryA(name.str().c_str(), nullptr)) {
            path_ = name.str();
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    for (const std::string& name : Names()) {
        std::string file = File(name);
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> TempFolder::Names() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

CEntryList SampleEntries(int n)
{
    CEntryList list;
    for (int i = 0; i < n; ++i) {
        CEntry e;
        e.m_strFor.Format("site %d", i);
        e.m_strUsername.Format("user %d", i);
        e.m_strPassword.Format("pass %d", i);
        e.m_strNotes.Format("note %d, with a comma", i);
        list.Add(e);
    }
    return list;
}

void WriteDatabaseFile(const std::string& path, const CEntryList& list, const std::string& password)
{
    WORD locked = password.empty() ? 0 : 1;
    SaveDatabaseFile(path.c_str(), list, locked, DatabaseKeyText(locked, password.c_str()));
}

ReadBack ReadDatabaseFile(const std::string& path, const std::string& password)
{
    ReadBack result;
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone)) {
        result.status = DatabaseStatus::notDatabase;
        return result;
    }
    result.status = ReadDatabaseHeader(file, result.header);
    if (result.status == DatabaseStatus::ok)
        result.status = ReadDatabaseBody(file, result.header,
                                         DatabaseKeyText(result.header.wLocked, password.c_str()), result.entries);
    return result;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SameEntries(const CEntryList& a, const CEntryList& b)
{
    if (a.GetCount() != b.GetCount()) return false;
    for (int i = 0; i < a.GetCount(); ++i)
        if (a.GetAt(i) != b.GetAt(i)) return false;
    return true;
}

}  // namespace apptest
