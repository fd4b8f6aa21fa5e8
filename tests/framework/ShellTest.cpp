// Ties to the shell that the program's tests cannot reach: switches the program is
// never started with, the profile's registry key, an extension of another type.
#include "DocViewFixture.h"

TEST(CommandLine, FileNamesAndSwitchesMakeTheShellCommand)
{
    const struct {
        std::vector<const char*> args;
        CCommandLineInfo::ShellCommand command;
        const char* file;
    } cases[] = {
        {{"-pt", "file.vty", "printer", "driver", "port"}, CCommandLineInfo::FilePrintTo, "file.vty"},
        {{"/dde"}, CCommandLineInfo::FileDDE, ""},
    };
    for (const auto& c : cases) {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.args.size(); ++i) {
            const char* p = c.args[i];
            BOOL bFlag = p[0] == '/' || p[0] == '-';
            info.ParseParam(bFlag ? p + 1 : p, bFlag, i + 1 == c.args.size());
        }
        EXPECT_EQ(info.m_nShellCommand, c.command) << c.command;
        EXPECT_EQ(info.m_strFileName, c.file) << c.command;
        if (c.command == CCommandLineInfo::FilePrintTo) {
            EXPECT_EQ(info.m_strPrinterName, "printer");
            EXPECT_EQ(info.m_strPortName, "port");
        }
    }
}

TEST_F(DocViewTest, AnExtensionOfAnotherTypeIsLeftAlone)
{
    auto value = [](const char* key) {
        char data[MAX_PATH] = "";
        LONG size = sizeof data;
        return RegQueryValueA(HKEY_CURRENT_USER, key, data, &size) == ERROR_SUCCESS ? std::string(data) : "?";
    };
    RegSetValueA(HKEY_CURRENT_USER, "Software\\Classes\\.tdc", REG_SZ, "Other.Type", 10);
    m_app.RegisterShellFileTypes(TRUE);
    EXPECT_EQ(value("Software\\Classes\\.tdc"), "Other.Type");
    EXPECT_NE(value("Software\\Classes\\FrameworkTest.Document\\shell\\open\\command"), "?");
    m_app.UnregisterShellFileTypes();
    EXPECT_EQ(value("Software\\Classes\\.tdc"), "Other.Type");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.tdc");
}

TEST_F(DocViewTest, ProfileIsKeptUnderTheRegistryKeyAndTheApplicationsTitle)
{
    m_app.SetRegistryKey("Framework Test Company");
    m_app.LoadStdProfileSettings(0);
    EXPECT_STREQ(m_app.m_pszProfileName, "Framework Test");
    EXPECT_TRUE(m_app.WriteProfileString("Settings", "Name", "value"));
    EXPECT_TRUE(m_app.WriteProfileInt("Settings", "Number", 7));
    HKEY hKey = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Framework Test Company\\Framework Test\\Settings", 0,
                            KEY_READ, &hKey),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
    EXPECT_EQ(m_app.GetProfileString("Settings", "Name"), "value");
    EXPECT_EQ(m_app.GetProfileInt("Settings", "Number", 0), 7u);
    EXPECT_EQ(m_app.GetProfileInt("Settings", "Missing", 3), 3u);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Framework Test Company");
}
