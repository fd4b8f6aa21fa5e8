// One-time codes: the RFC 6238 vectors, secrets as users write them and as
// they do not parse, --totp, and where a secret is shown.
#include <gtest/gtest.h>

#include <chrono>

#include "cli/CliCommandsFixture.h"

namespace {

using nlohmann::json;

const std::string kKey20 = "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ";  // "12345678901234567890"
const std::string kKey32 = kKey20 + "GEZDGNBVGY3TQOJQGEZA====";
const std::string kKey64 = kKey20 + kKey20 + kKey20 + "GEZDGNA=";

// RFC 6238, appendix B: each algorithm with a key of its own length, 8 digits,
// the clock set through the environment.
TEST(CliOtp, TheRfcVectors)
{
    TempFolder folder;
    const std::string strDb = folder.Path("db.vty");
    const std::string uri = "otpauth://totp/RFC?digits=8&secret=";
    WriteDatabaseFile(strDb,
                      MakeList({CEntry("sha1", "", "", (uri + kKey20).c_str()),
                                CEntry("sha256", "", "", (uri + kKey32 + "&algorithm=SHA256").c_str()),
                                CEntry("sha512", "", "", (uri + kKey64 + "&algorithm=SHA512").c_str())}),
                      nullptr);
    const struct {
        long long nTime;
        const char* pszUtc;
        const char* codes[3];
    } vectors[] = {
        {59, "1970-01-01T00:00:59Z", {"94287082", "46119246", "90693936"}},
        {1111111109, "2005-03-18T01:58:29Z", {"07081804", "68084774", "25091201"}},
        {1111111111, "2005-03-18T01:58:31Z", {"14050471", "67062674", "99943326"}},
        {1234567890, "2009-02-13T23:31:30Z", {"89005924", "91819424", "93441116"}},
        {2000000000, "2033-05-18T03:33:20Z", {"69279037", "90698825", "38618901"}},
        {20000000000, "2603-10-11T11:33:20Z", {"65353130", "77737706", "47863826"}},
    };
    for (const auto& v : vectors) {
        for (int a = 0; a < 3; ++a) {
            const CliResult r = RunCliAtTime([&] { return v.nTime; }, {"totp", strDb, std::to_string(a), "--json"});
            ASSERT_EQ(r.nCode, 0) << r.err;
            const json result = json::parse(r.out);
            EXPECT_EQ(result["code"], v.codes[a]) << v.nTime << " " << a;
            EXPECT_EQ(result["time"], v.pszUtc);
            EXPECT_EQ(result["valid_for"], 30 - v.nTime % 30);
        }
    }
    const CliResult r = RunCliAtTime([] { return 59LL; }, {"totp", strDb, "sha1"});
    EXPECT_EQ(r.out, "94287082\n");
    EXPECT_EQ(r.err, "Valid for 1 more second (time used: 1970-01-01 00:00:59 UTC).\n");
    EXPECT_EQ(RunCliAtTime([] { return 0LL; }, {"totp", strDb, "sha1", "-q"}).out, "84755224\n");
    EXPECT_EQ(RunCliAtTime([] { return -1LL; }, {"totp", strDb, "sha1"}).err,
              "vaultry-cli: the system's clock is set before 1970\n");
    // A leap day, just past an hour, the last second of a year, the day after 28 February 2100.
    for (const auto& t :
         {std::pair(1709164800LL, "2024-02-29 00:00:00"), std::pair(1690804805LL, "2023-07-31 12:00:05"),
          std::pair(1735689599LL, "2024-12-31 23:59:59"), std::pair(4107542400LL, "2100-03-01 00:00:00")})
        EXPECT_NE(RunCliAtTime([&] { return t.first; }, {"totp", strDb, "sha1"}).err.find(t.second), std::string::npos);
}

// Notes as users write them give the code of the secret at 00:00:59; those that
// do not parse say what is wrong, never quoting the secret.
TEST(CliOtp, SecretsAsUsersWriteThemAndAsTheyDoNotParse)
{
    const std::string uri = "otpauth://totp/x?secret=" + kKey20;
    const struct {
        std::string notes;
        const char* pszCodeOrError;
    } cases[] = {
        {"2FA: otpauth://totp/ACME%20Co:joe%40mail?secret=gezd%20gnbv%20gy3t%20qojq%20gezd%20gnbv%20gy3t%20qojq"
         "&digits=6 backup in the drawer",
         "287082"},
        {"totp: gezdgnbvgy3tqojqgezdgnbvgy3tqojq", "287082"},
        {"otpauth://totp/a%09b?secret=" + kKey20, "287082"},
        {"totp: 7777777722222222", "718215"},  // 80 bits, the shortest
        {"codes TOTP:" + kKey20 + " and more", "287082"},
        {"OTPAUTH://TOTP/x?SECRET=" + kKey20 + "GEZDGNBVGY3TQOJQGEZA%3D%3D%3D%3D&Algorithm=sha256&digits=8",
         "46119246"},
        {"otpauth://totp/x?secret=" + kKey20 + "&period=60&digits=7", "4755224"},
        {"", "has no one-time code secret in its Notes"},
        {"otpauth://hotp/x?secret=" + kKey20 + "&counter=1", "counter-based codes are not supported"},
        {"otpauth://foo/x?secret=" + kKey20, "it is not an otpauth://totp/ URI"},
        {uri + "&period=0", "period= must be a number from 1 to 2147483647"},
        {uri + "&digits=9", "digits= must be a number from 6 to 8"},
        {uri + "&algorithm=MD5", "algorithm= must be SHA1, SHA256 or SHA512, not MD5"},
        {uri + "&secret=" + kKey20, "the URI gives secret= twice"},
        {uri + "&issuer", "a parameter without \"=\""},
        {"otpauth://totp/x?issuer=ACME", "the URI has no secret="},
        {"otpauth://totp/x%4?secret=" + kKey20, "not followed by two hex digits"},
        {"otpauth://totp/%FF?secret=" + kKey20, "the URI's label is not UTF-8 text"},
        {"totp: GEZDGNBVGY3TQOJ1", "not Base32"},
        {"totp: GEZD=GNBVGY3TQOJQ", "has \"=\" before its end"},
        {"totp: GEZDGNBVGY3TQOJQG", "a number of Base32 digits that no secret has"},
        {"totp: GEZD GNBV GY3T QOJQ", "only 16 bits long"},
        {"totp:", "the secret is empty"},
    };
    TempFolder folder;
    CEntryList list;
    for (const auto& c : cases) list.Add(CEntry("e", "", "", c.notes.c_str()));
    WriteDatabaseFile(folder.Path("db.vty"), list, nullptr);
    for (int i = 0; i < list.GetCount(); ++i) {
        const auto& c = cases[i];
        const CliResult r = RunCliAtTime([] { return 59LL; }, {"totp", folder.Path("db.vty"), std::to_string(i)});
        const bool bCode = c.pszCodeOrError[0] >= '0' && c.pszCodeOrError[0] <= '9';
        EXPECT_EQ(r.nCode, bCode ? 0 : 1) << c.notes;
        EXPECT_EQ(r.out, bCode ? std::string(c.pszCodeOrError) + "\n" : "") << c.notes;
        EXPECT_NE((bCode ? r.out : r.err).find(c.pszCodeOrError), std::string::npos) << c.notes << ": " << r.err;
        EXPECT_EQ(r.err.find("GEZD"), std::string::npos) << r.err;
    }
    const json result =
        json::parse(RunCliAtTime([] { return 59LL; }, {"totp", folder.Path("db.vty"), "0", "--json"}).out);
    EXPECT_EQ(result["label"], "ACME Co:joe@mail");
}

// --totp reads the secret as a password is read and puts it into Notes; it is
// shown where the password is (show -s, --field notes, export) and hidden
// elsewhere, searched nowhere.
TEST_F(CliCommands, TotpSecretsAreStoredByAddAndEditAndShownOnlyWithThePassword)
{
    const std::string strUri = "otpauth://totp/S?secret=" + kKey20 + "&issuer=S";
    const std::string strBare = "totp: " + kKey20;
    Run({
        {"add @db.vty --for site --notes recovery:4711 --totp --password-stdin", "pw\nsecret\n" + strUri + "\n", 0, "",
         "Entry 2 (site) added.\n"},
        {"show @db.vty site --password-stdin", "pw\n", 0,
         "*Password: (hidden; -s shows it)\nNotes: recovery:4711 otpauth://totp/S?secret=(hidden)&issuer=S\n", ""},
        {"show @db.vty site -s --password-stdin", "pw\n", 0, "*Notes: recovery:4711 " + strUri + "\n", ""},
        {"edit @db.vty site --totp --password-stdin", "pw\n  gezd gnbv gy3t qojq gezd gnbv gy3t qojq \n", 0, "",
         "Entry 2 (site) changed.\n"},
        {"show @db.vty site --field notes --password-stdin", "pw\n", 0, "recovery:4711 " + strBare + "\n", ""},
        {"ls @db.vty --json --password-stdin", "pw\n", 0, "*\"notes\": \"recovery:4711 totp: (hidden)\"", ""},
        {"search @db.vty gezd --password-stdin", "pw\n", 1, "", ""},
        {"search @db.vty recovery --json --password-stdin", "pw\n", 0, "*\"notes\": \"recovery:4711 totp: (hidden)\"",
         ""},
        {"export @db.vty --password-stdin", "pw\n", 0, "*site,,secret,recovery:4711 " + strBare + "\r\n", ""},
        {"edit @db.vty site --notes '' --totp --password-stdin", "pw\n" + strUri + "\n", 0, "", "*"},
        {"show @db.vty site --field notes --password-stdin", "pw\n", 0, strUri + "\n", ""},
        {"totp @db.vty site --password-stdin", "pw\n", 0, "*", "*Valid for "},
        {"totp @db.vty mail --password-stdin", "pw\n", 1, "", "*entry 0 (mail) has no one-time code secret"},
        {"edit @db.vty site --totp --password-stdin", "pw\notpauth://hotp/x?secret=" + kKey20 + "\n", 1, "",
         "*--totp: it is an otpauth://hotp/ URI*; nothing was stored\n"},
        {"add @db.vty --for x --generate 8 --totp --password-stdin", "pw\notpauth://totp/a b?secret=" + kKey20 + "\n",
         1, "", "*--totp: the URI holds white space"},
        {"add @db.vty --for x --generate 8 --totp --password-stdin", "pw\n", 1, "", "*standard input ended"},
        {"totp @db.vty site --clip --json", "", 1, "", "*give either --clip or --json"},
        {"totp @db.vty site --timeout 5", "", 1, "", "*--timeout goes with --clip"},
    });
}

// The program itself takes the system's clock: its code and time are those of
// a second while it ran.
TEST_F(CliCommands, TotpOfTheProgramItselfIsForNow)
{
    WriteDatabaseFile(At("@otp.vty"), MakeList({CEntry("site", "", "", ("totp: " + kKey20).c_str())}), nullptr);
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    const long long nStart = now();
    const CliResult r = RunCliProcess(m_folder, {"totp", At("@otp.vty"), "site", "--json"});
    ASSERT_EQ(r.nCode, 0) << r.err;
    bool bSeen = false;
    for (long long nTime = nStart, nEnd = now(); nTime <= nEnd && !bSeen; ++nTime)
        bSeen = RunCliAtTime([&] { return nTime; }, {"totp", At("@otp.vty"), "site", "--json"}).out == r.out;
    EXPECT_TRUE(bSeen) << r.out;
}

}  // namespace
