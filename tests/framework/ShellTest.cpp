// The application's ties to the shell: its profile key, the registration of its
// document type for the current user, and the command line.
#include "DocViewFixture.h"

namespace {

std::string RegValue(HKEY hRoot, const std::string& key, const char* name = nullptr)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(hRoot, key.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS) return "<no key>";
    char value[1024] = "";
    DWORD cb = sizeof(value);
    DWORD type = 0;
    LONG result = RegQueryValueExA(hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &cb);
    RegCloseKey(hKey);
    return result == ERROR_SUCCESS && type == REG_SZ ? value : "<no value>";
}

std::string ProgramPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

TEST_F(DocViewTest, RegistryKeyHoldsTheProfileUnderTheApplicationsTitle)
{
    m_app.SetRegistryKey("Framework Test Company");
    m_app.LoadStdProfileSettings(0);
    EXPECT_STREQ(m_app.m_pszProfileName, "Framework Test");
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Framework Test Company\\Framework Test", 0, KEY_READ, &hKey),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
    EXPECT_TRUE(m_app.WriteProfileString("Settings", "Name", "value"));
    EXPECT_EQ(m_app.GetProfileString("Settings", "Name"), "value");
    EXPECT_TRUE(m_app.WriteProfileInt("Settings", "Number", 7));
    EXPECT_EQ(m_app.GetProfileInt("Settings", "Number", 0), 7u);
    EXPECT_EQ(m_app.GetProfileInt("Settings", "Missing", 3), 3u);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Framework Test Company");
}

TEST_F(DocViewTest, DocumentTypeIsRegisteredForTheCurrentUser)
{
    m_app.RegisterShellFileTypes(TRUE);
    const std::string classes = "Software\\Classes\\";
    const std::string exe = ProgramPath();
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + ".tdc"), "FrameworkTest.Document");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + "FrameworkTest.Document"), "Framework Test Document");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + "FrameworkTest.Document\\DefaultIcon"), exe + ",1");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + "FrameworkTest.Document\\shell\\open\\command"),
              "\"" + exe + "\" \"%1\"");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + "FrameworkTest.Document\\shell\\print\\command"),
              "\"" + exe + "\" /p \"%1\"");

    m_app.UnregisterShellFileTypes();
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + ".tdc"), "<no key>");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, classes + "FrameworkTest.Document"), "<no key>");
}

TEST_F(DocViewTest, AnExtensionOfAnotherTypeIsLeftAlone)
{
    HKEY hKey = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Classes\\.tdc", 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr);
    RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("Other.Type"), 11);
    RegCloseKey(hKey);
    m_app.RegisterShellFileTypes(FALSE);
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\Classes\\.tdc"), "Other.Type");
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\Classes\\FrameworkTest.Document\\shell\\open\\command"),
              "\"" + ProgramPath() + "\" \"%1\"");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.tdc");
    m_app.UnregisterShellFileTypes();
}

namespace {

// The parsed command line of args, as ParseCommandLine hands them over.
struct Parsed : CCommandLineInfo {
    explicit Parsed(std::vector<const char*> args)
    {
        for (size_t i = 0; i < args.size(); ++i) {
            const char* p = args[i];
            BOOL bFlag = p[0] == '/' || p[0] == '-';
            ParseParam(bFlag ? p + 1 : p, bFlag, i + 1 == args.size());
        }
    }
};

}  // namespace

TEST(CommandLine, FileNamesAndSwitchesMakeTheShellCommand)
{
    EXPECT_EQ(Parsed({}).m_nShellCommand, CCommandLineInfo::FileNew);
    Parsed open({"C:\\data\\file.vty"});
    EXPECT_EQ(open.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(open.m_strFileName, "C:\\data\\file.vty");
    Parsed print({"/p", "file.vty"});
    EXPECT_EQ(print.m_nShellCommand, CCommandLineInfo::FilePrint);
    EXPECT_EQ(print.m_strFileName, "file.vty");
    Parsed printTo({"-pt", "file.vty", "printer", "driver", "port"});
    EXPECT_EQ(printTo.m_nShellCommand, CCommandLineInfo::FilePrintTo);
    EXPECT_EQ(printTo.m_strPrinterName, "printer");
    EXPECT_EQ(printTo.m_strPortName, "port");
    EXPECT_EQ(Parsed({"/dde"}).m_nShellCommand, CCommandLineInfo::FileDDE);
    EXPECT_EQ(Parsed({"/Unregister"}).m_nShellCommand, CCommandLineInfo::AppUnregister);
}

TEST_F(DocViewTest, ShellCommandsNewAndOpen)
{
    WriteFile("shell.tdc", "opened");
    CCommandLineInfo info;
    EXPECT_TRUE(m_app.ProcessShellCommand(info));
    EXPECT_NE(m_app.m_pMainWnd, nullptr);
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = PathOf("shell.tdc").c_str();
    EXPECT_TRUE(m_app.ProcessShellCommand(info));
    EXPECT_EQ(Doc()->m_strText, "opened");
}

TEST_F(DocViewTest, PrintSwitchOpensHiddenAndEndsTheProgram)
{
    WriteFile("print.tdc", "to print");
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FilePrint;
    info.m_strFileName = PathOf("print.tdc").c_str();
    EXPECT_FALSE(m_app.ProcessShellCommand(info));
    ASSERT_NE(Doc(), nullptr);
    EXPECT_EQ(Doc()->m_strText, "to print");
    EXPECT_FALSE(Frame()->IsWindowVisible());
}

TEST_F(DocViewTest, UnregisterRemovesTheFileTypeAndTheProfile)
{
    m_app.SetRegistryKey("Framework Test Company");
    m_app.LoadStdProfileSettings(0);
    m_app.RegisterShellFileTypes(TRUE);
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::AppUnregister;
    EXPECT_FALSE(m_app.ProcessShellCommand(info));
    EXPECT_EQ(RegValue(HKEY_CURRENT_USER, "Software\\Classes\\.tdc"), "<no key>");
    HKEY hKey = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Framework Test Company\\Framework Test", 0, KEY_READ, &hKey),
              ERROR_SUCCESS);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Framework Test Company");
}
