// audit --breached: a breach list the test makes, the files it refuses, and a
// made-up list of 6.9 GB whose lines past 4 GB are found in a few dozen reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "cli/CliCommandsFixture.h"
#include "cli/passwords/BreachList.h"

namespace {

using nlohmann::json;

// The SHA-1 hashes of "password", "123456" and "caf\u00e9" in UTF-8.
const std::string kPassword = "5BAA61E4C9B93F3F0682250B6CF8331B7EE68FD8";
const std::string k123456 = "7c4a8d09ca3762af61e59520943dc26494f8941b";  // in lower case
const std::string kCafe = "F424452A9673918C6F09B0CDD35B20BE8E6AE7D7";

// The lines, with 300 made-up hashes, ordered by hash and ended by strEnd.
std::string BreachList(std::vector<std::string> lines, const std::string& strEnd)
{
    unsigned nSeed = 1;
    for (int i = 0; i < 300; ++i) {
        std::string strHash;
        for (int d = 0; d < 40; ++d) strHash += "0123456789ABCDEF"[(nSeed = nSeed * 1103515245u + 12345u) >> 28];
        lines.push_back(strHash + ":" + std::to_string(i + 1));
    }
    const auto hash = [](std::string strLine) {
        std::transform(strLine.begin(), strLine.end(), strLine.begin(), ::toupper);
        return strLine.substr(0, 40);
    };
    std::sort(lines.begin(), lines.end(),
              [&](const std::string& a, const std::string& b) { return hash(a) < hash(b); });
    std::string strList;
    for (const std::string& strLine : lines) strList += strLine + strEnd;
    return strList;
}

TEST_F(CliCommands, AuditFlagsThePasswordsOfABreachList)
{
    WriteDatabaseFile(
        At("@b.vty"),
        MakeList({CEntry("mail", "joe", "password", ""), CEntry("ok", "u", "q7#Vw!2pLx9@Rt4Zm8", ""),
                  CEntry("cafe", "", "caf\xe9", ""), CEntry("pin", "", "123456", ""), CEntry("none", "", "", "")}),
        nullptr);
    const std::vector<std::string> lines = {kPassword + ":3730471", k123456 + ":1", kCafe + ":12",
                                            "5BAA61E4C9B93F3F0682250B6CF8331B7EE68FD7:9"};
    WriteBytes(At("@crlf.txt"), BreachList(lines, "\r\n"));
    std::string strLf = BreachList(lines, "\n");
    WriteBytes(At("@lf.txt"), strLf.substr(0, strLf.size() - 1));  // no line end at the end
    for (const char* pszList : {"@crlf.txt", "@lf.txt"}) {
        const CliResult r = RunCliInProcess({"audit", At("@b.vty"), "--breached", At(pszList), "--json"});
        EXPECT_EQ(r.nCode, 1) << r.err;
        std::map<int, unsigned long long> breached;
        const json report = json::parse(r.out);
        for (const json& item : report["findings"]) breached[item["index"]] = item["breached"];
        EXPECT_EQ(breached, (std::map<int, unsigned long long>{{0, 3730471}, {2, 12}, {3, 1}, {4, 0}}));
    }
    Run({{"audit @b.vty --breached @crlf.txt", "", 1,
          "*0 (mail): *; in the breach list (seen 3730471 times)\n*2 (cafe): *; in the breach list (seen 12 times)\n"
          "3 (pin): *; in the breach list (seen 1 time)\n",
          ""}});
    const std::string strOut = RunCliInProcess({"audit", At("@b.vty"), "--breached", At("@crlf.txt"), "-s"}).out;
    EXPECT_EQ(strOut.find("5BAA61"), std::string::npos) << strOut;
}

// Refused before the password is asked for: what is no list of SHA-1 hashes;
// on the way: lines not in the form, and lines out of order.
TEST_F(CliCommands, AuditRefusesWhatIsNoBreachList)
{
    const std::string strGood = kPassword + ":1\r\n";
    std::string strGarbled = strGood, strDescending;
    for (int i = 0; i < 20; ++i) strGarbled += "not a line of hashes\r\n";
    for (int i = 99; i >= 10; --i) strDescending += std::to_string(i) + kPassword.substr(2) + ":1\n";
    const std::pair<const char*, std::string> files[] = {
        {"@gz", "\x1F\x8B\x08\x00"},
        {"@zip", "PK\x03\x04" + strGood},
        {"@7z", "7z\xBC\xAF\x27\x1C"},
        {"@ntlm", "8846F7EAEE8FB117AD06BDD830B7586C:1\r\n"},
        {"@count", kPassword + ":x\r\n"},
        {"@long", kPassword + ":12345678901234567890\n"},
        {"@empty", ""},
        {"@wide", strGood + std::string(300, 'A') + "\n"},
        {"@garbled", strGarbled},
        {"@descending", strDescending},
    };
    for (const auto& file : files) WriteBytes(At(file.first), file.second);
    Run({
        {"audit @db.vty --breached @", "", 1, "", "*is a folder, not a list of hashes"},
        {"audit @db.vty --breached @missing", "", 3, "", "*The file could not be found"},
        {"audit @db.vty --breached @gz", "", 1, "", "*@gz is a gzip file; unpack it first"},
        {"audit @db.vty --breached @zip", "", 1, "", "*@zip is a zip file"},
        {"audit @db.vty --breached @7z", "", 1, "", "*@7z is a 7z file"},
        {"audit @db.vty --breached @ntlm", "", 1, "", "*the line at byte 0 is an NTLM hash (32 hex digits)"},
        {"audit @db.vty --breached @count", "", 1, "", "*the line at byte 0 is not HASH:COUNT"},
        {"audit @db.vty --breached @long", "", 1, "", "*the line at byte 0 is not HASH:COUNT"},
        {"audit @db.vty --breached @empty", "", 1, "", "*@empty is empty"},
        {"audit @open.vty --breached @wide", "", 1, "", "*@wide: the line at byte * is longer than HASH:COUNT"},
        {"audit @open.vty --breached @garbled", "", 1, "", "*@garbled: the line at byte * is not HASH:COUNT"},
        {"audit @open.vty --breached @descending", "", 1, "", "*@descending is not ordered by hash (the line at byte "},
    });
}

// Line i of 150 million: 24 zeros, i in 16 hex digits, ":" and i % 900 + 100;
// 46 bytes with its CR LF, made up as it is read.
class CMadeUpList : public CFile {
public:
    static const unsigned long long kLines = 150000000;
    int nReads = 0;

    UINT Read(void* pBuffer, UINT nCount) override
    {
        ++nReads;
        char* p = static_cast<char*>(pBuffer);
        UINT n = 0;
        for (; n < nCount && m_nPosition < GetLength(); ++n, ++m_nPosition) {
            const unsigned long long i = m_nPosition / 46;
            std::string line = std::string(24, '0') + ":" + std::to_string(i % 900 + 100) + "\r\n";
            for (int d = 0; d < 16; ++d) line.insert(24, 1, "0123456789ABCDEF"[i >> (4 * d) & 15]);
            p[n] = line[m_nPosition % 46];
        }
        return n;
    }
    ULONGLONG Seek(LONGLONG lOff, UINT) override { return m_nPosition = static_cast<ULONGLONG>(lOff); }
    ULONGLONG GetLength() const override { return kLines * 46; }

private:
    ULONGLONG m_nPosition = 0;
};

TEST(CliBreachList, FindsLinesPastFourGigabytesInAFewDozenReads)
{
    CMadeUpList file;
    CBreachList list;
    list.Attach(file, "made-up");
    for (const unsigned long long i : {0ull, 93368854ull, 93368855ull, 149999999ull, 150000000ull}) {
        BYTE hash[kSha1Size] = {};
        for (int b = 0; b < 8; ++b) hash[kSha1Size - 1 - b] = static_cast<BYTE>(i >> (8 * b));
        file.nReads = 0;
        EXPECT_EQ(list.Count(hash), i < CMadeUpList::kLines ? i % 900 + 100 : 0) << i;
        EXPECT_LE(file.nReads, 40);
    }
}

}  // namespace
