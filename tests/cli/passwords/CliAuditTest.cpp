// audit: what it finds, and that it shows no password unless asked.
#include <gtest/gtest.h>

#include "cli/CliCommandsFixture.h"
#include "cli/passwords/PasswordAudit.h"

namespace {

using nlohmann::json;

// Planted weaknesses are found, named and counted; passwords stay unshown: each
// finding ends its line where a password would follow.
TEST_F(CliCommands, AuditFindsReusedEmptyShortAndGuessablePasswords)
{
    WriteDatabaseFile(
        At("@weak.vty"),
        MakeList({CEntry("mail", "joe", "Tr0ub4dor&3xyzQ", ""), CEntry("ok", "u", "q7#Vw!2pLx9@Rt4Zm8", ""),
                  CEntry("bank", "ann", "Tr0ub4dor&3xyzQ", ""), CEntry("shop", "", "", ""),
                  CEntry("x", "y", "Sh0rt!", ""), CEntry("server", "Administrator01", "administrator01", ""),
                  CEntry("old", "", "Sh0rt!", "")}),
        nullptr);
    WriteDatabaseFile(At("@good.vty"), MakeList({CEntry("ok", "u", "q7#Vw!2pLx9@Rt4Zm8", "")}), nullptr);
    Run({
        {"audit @weak.vty", "", 1,
         "*Same password: 0 (mail), 2 (bank)\nSame password: 4 (x), 6 (old)\n0 (mail): shares its password with other "
         "entries\n*\n3 (shop): empty password*\n4 (x): shares its password with other entries; short password "
         "(under 12 characters)*\n5 (server): password equals its Username",
         ""},
        {"audit @weak.vty -s", "", 1, "*; password: Tr0ub4dor&3xyzQ\n", ""},
        {"audit @good.vty", "", 0, "*0 of 1 entry flagged", ""},
    });
    const json report = json::parse(RunCliInProcess({"audit", At("@weak.vty"), "--json"}).out);
    EXPECT_EQ(report["reused"], json::parse("[[0, 2], [4, 6]]"));
    EXPECT_EQ(report["flagged"], 6);
    std::vector<int> flagged;
    for (const json& item : report["findings"]) flagged.push_back(item["index"]);
    EXPECT_EQ(flagged, (std::vector<int>{0, 2, 3, 4, 5, 6}));
    const json& shortOne = report["findings"][3];
    EXPECT_TRUE(shortOne["short"] && !shortOne["empty"] && !shortOne.contains("password"));
    EXPECT_EQ(report["strength_estimate"] == "zxcvbn", HaveStrengthEstimate() != FALSE);
    EXPECT_TRUE(!HaveStrengthEstimate() || (shortOne["weak"] && !report["findings"][0]["weak"]));
}

}  // namespace
