// clip: the text reaches the clipboard and is cleared after the timeout, unless
// something else was copied meanwhile. Natively through xclip in a private Xvfb
// (the cli-clipboard test); under Wine through the clipboard API.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

#include "cli/CliTestSupport.h"
#include "cli/clipboard/Clipboard.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// How long clip holds the text: Wine's clipboard hands it to another process
// only after a while; xclip sees it at once.
#ifdef _WIN32
const char kHold[] = "5";
#else
const char kHold[] = "3";
#endif

// The clipboard's text, and on Windows whether the copy carries the formats that
// keep it out of history and cloud.
std::string ReadClipboard(bool* pExcluded = nullptr)
{
    std::string text;
    if (pExcluded) *pExcluded = true;
#ifdef _WIN32
    if (!OpenClipboard(nullptr)) return "(busy)";
    HANDLE hData = GetClipboardData(CF_UNICODETEXT);
    if (const wchar_t* psz = hData ? static_cast<const wchar_t*>(GlobalLock(hData)) : nullptr) {
        char buffer[256] = {};
        WideCharToMultiByte(CP_UTF8, 0, psz, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
        text = buffer;
        GlobalUnlock(hData);
    }
    for (const wchar_t* pszFormat : {L"ExcludeClipboardContentFromMonitorProcessing", L"CanIncludeInClipboardHistory",
                                     L"CanUploadToCloudClipboard"})
        if (pExcluded) *pExcluded = *pExcluded && IsClipboardFormatAvailable(RegisterClipboardFormatW(pszFormat));
    CloseClipboard();
#else
    if (FILE* pipe = popen("xclip -selection clipboard -out 2>/dev/null", "r")) {
        char buffer[256];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
        pclose(pipe);
    }
#endif
    return text;
}

TEST(CliClip, ClearsTheClipboardAfterTheTimeoutUnlessItChanged)
{
#ifndef _WIN32
    if (!std::getenv("DISPLAY") || std::system("command -v xclip >/dev/null") != 0)
        GTEST_SKIP() << "needs a display and xclip (ctest runs this as cli-clipboard, under xvfb-run)";
#endif
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    WriteDatabaseFile(strDb, MakeList({CEntry("mail", "joe", "s3cret caf\xe9", "")}), nullptr);
    const struct {
        const char* pszField;
        const char* pszCopied;
        const char* pszMeanwhile;  // copied by another program meanwhile, or null
        const char* pszLast;
    } cases[] = {
        {"password", "s3cret caf\xC3\xA9", nullptr, "Clipboard cleared.\n"},
        {"username", "joe", "other text", "The clipboard has changed meanwhile; it was left as it is.\n"},
    };
    for (const auto& c : cases) {
        CliResult r;
        const std::vector<std::string> args = {"clip", strDb, "mail", "--field", c.pszField, "--timeout", kHold};
#ifdef _WIN32
        // In-process: Wine hands a copy made by another process to this one only
        // now and then (its X11 clipboard bridge races), on Windows it always does.
        std::thread clip([&] { r = RunCliInProcess(args); });
#else
        std::thread clip([&] { r = RunCliProcess(folder, args); });
#endif
        std::string strSeen;
        bool bExcluded = false;
        for (int nWait = 0; nWait < 300 && strSeen != c.pszCopied; ++nWait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            strSeen = ReadClipboard(&bExcluded);
        }
        EXPECT_EQ(strSeen, c.pszCopied);
        EXPECT_TRUE(bExcluded);
        // Another program's copy, as the system's clipboard takes it.
        if (c.pszMeanwhile) OpenSystemClipboard()->Copy(c.pszMeanwhile);
        clip.join();
        EXPECT_EQ(r.nCode, 0) << r.err;
        EXPECT_EQ(r.err, std::string("The ") + c.pszField + " of entry 0 (mail) is on the clipboard.\n" + c.pszLast);
        EXPECT_EQ(ReadClipboard(), c.pszMeanwhile ? c.pszMeanwhile : "");
    }
}

// totp --clip with 5 seconds of the code left copies it; with 2 seconds it
// waits for the next one and copies that.
TEST(CliClip, TotpCopiesTheNextCodeWhenTheCurrentOneEndsSoon)
{
#ifndef _WIN32
    if (!std::getenv("DISPLAY") || std::system("command -v xclip >/dev/null") != 0)
        GTEST_SKIP() << "needs a display and xclip (ctest runs this as cli-clipboard, under xvfb-run)";
#endif
    TempFolder folder;
    WriteDatabaseFile(folder.Path("db.vty"),
                      MakeList({CEntry("site", "", "", "totp: GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ")}), nullptr);
    const struct {
        long long nTime;
        const char* pszCode;
        const char* pszNotes;
    } cases[] = {
        {55, "287082", "Valid for 5 more seconds (time used: 1970-01-01 00:00:55 UTC).\n"},
        {58, "359152",
         "The code changes in 2 s; waiting for the next one.\nValid for 30 more seconds (time used: 1970-01-01 "
         "00:01:00 UTC).\n"},
    };
    for (const auto& c : cases) {
        long long nTime = c.nTime;
        CliResult r;
        std::thread totp([&] {
            r = RunCliAtTime([&] { return std::exchange(nTime, 60); },
                             {"totp", folder.Path("db.vty"), "0", "--clip", "--timeout", kHold});
        });
        std::string strSeen;
        for (int nWait = 0; nWait < 300 && strSeen != c.pszCode; ++nWait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            strSeen = ReadClipboard();
        }
        totp.join();
        EXPECT_EQ(strSeen, c.pszCode);
        EXPECT_EQ(r.nCode, 0) << r.err;
        EXPECT_EQ(r.err, std::string(c.pszNotes) +
                             "The one-time code of entry 0 (site) is on the clipboard.\nClipboard cleared.\n");
        EXPECT_EQ(ReadClipboard(), "");
    }
}

}  // namespace
