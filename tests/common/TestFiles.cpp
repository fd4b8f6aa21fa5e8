#include "common/TestFiles.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include "framework/portable/CFile.h"

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    static std::atomic<int> s_nNext{0};
    m_path = fs::temp_directory_path() / ("vaultry-test-" + std::to_string(getpid()) + "-" + std::to_string(s_nNext++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    // Tests leave read-only files and folders behind; make them removable first.
    std::error_code error;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
    for (fs::recursive_directory_iterator it(m_path, error), end; !error && it != end; it.increment(error))
        if (!it->is_symlink(error)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_path, error);
}

std::vector<std::string> TempFolder::Names() const
{
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(m_path)) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& strPath, const std::string& bytes)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

CEntryList MakeList(std::initializer_list<CEntry> entries)
{
    CEntryList list;
    for (const CEntry& entry : entries) list.Add(entry);
    return list;
}

CEntryList SampleEntries(int n)
{
    CEntryList list;
    for (int i = 0; i < n; ++i) {
        const std::string strI = std::to_string(i);
        list.Add(CEntry(("site " + strI).c_str(), ("user " + strI).c_str(), ("pass " + strI).c_str(),
                        ("note " + strI + ", with a comma").c_str()));
    }
    return list;
}

void WriteDatabaseFile(const std::string& strPath, const CEntryList& list, const char* pszPassword)
{
    CFile file(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
    CRandom random;
    WORD wLocked = pszPassword ? 1 : 0;
    ASSERT_EQ(WriteDatabase(file, list, wLocked, DatabaseKeyText(wLocked, pszPassword ? pszPassword : ""), random),
              DatabaseStatus::ok);
    file.Close();
}

ReadBack ReadDatabaseFile(const std::string& strPath, const char* pszPassword)
{
    ReadBack result;
    CFile file;
    DatabaseHeader header;
    result.status = file.Open(strPath.c_str(), CFile::modeRead | CFile::shareDenyNone)
                        ? ReadDatabaseHeader(file, header)
                        : DatabaseStatus::notDatabase;
    if (result.status != DatabaseStatus::ok) return result;
    result.wLocked = header.wLocked;
    result.status =
        ReadDatabaseBody(file, header, DatabaseKeyText(header.wLocked, pszPassword ? pszPassword : ""), result.list);
    return result;
}

::testing::AssertionResult SameEntries(const CEntryList& actual, const CEntryList& expected)
{
    if (actual.GetCount() != expected.GetCount())
        return ::testing::AssertionFailure() << actual.GetCount() << " entries, expected " << expected.GetCount();
    for (int i = 0; i < actual.GetCount(); ++i)
        if (actual.ElementAt(i) != expected.ElementAt(i))
            return ::testing::AssertionFailure() << "entry " << i << " differs";
    return ::testing::AssertionSuccess();
}
