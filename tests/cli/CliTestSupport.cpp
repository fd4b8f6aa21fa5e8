#include <gtest/gtest.h>

#include "CliTestSupport.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include "cli/RunCli.h"

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

TempFolder::TempFolder()
{
    static std::atomic<int> s_nNext{0};
    m_path = std::filesystem::temp_directory_path() /
             ("vaultry-cli-test-" + std::to_string(getpid()) + "-" + std::to_string(s_nNext++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::vector<std::string> TempFolder::Names() const
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(m_path))
        names.push_back(item.path().filename().string());
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
    CFile file(strPath.c_str(), CFile::modeRead);
    DatabaseHeader header;
    result.status = ReadDatabaseHeader(file, header);
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

TerminalRead CScriptedTerminal::ReadHidden(LPCTSTR pszPrompt, CString& strLine)
{
    if (!bPresent) return TerminalRead::noTerminal;
    prompts.push_back(pszPrompt);
    if (answers.empty()) return TerminalRead::ended;
    strLine = answers.front().c_str();
    answers.pop_front();
    return TerminalRead::ok;
}

CliResult RunCliInProcess(const std::vector<std::string>& args, const std::string& in, CPasswordTerminal* pTerminal)
{
    std::vector<const char*> argv{"vaultry-cli"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream input(in);
    std::ostringstream out, err;
    CScriptedTerminal noTerminal;
    noTerminal.bPresent = false;
    CliResult result;
    result.nCode = RunCli(static_cast<int>(argv.size()), argv.data(), input, out, err,
                          pTerminal ? *pTerminal : noTerminal);
    result.out = out.str();
    result.err = err.str();
    return result;
}
