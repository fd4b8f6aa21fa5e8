// The fixture of vaultry-cli's command tests: tables of command lines, run in
// order on the files of one folder, each with its exit code and what it prints. A
// command that fails leaves every file as it was, and no command leaves a file its
// line does not name.
#pragma once

#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/CliTestSupport.h"

// The line's words are split at each space ('' is an empty word); "@" stands for the
// folder. An expected text that starts with "*" lists, between "*", parts that
// must appear in this order; one that starts with "[" or "{" is JSON that the
// output must equal; any other is the whole text.
struct Step {
    std::string line, in;
    int nCode;
    std::string out, err;
};

inline const std::string kLong(300, 'L');
constexpr char kWrong[] = "*File is corrupt or password is incorrect.";

class CliCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteDatabaseFile(At("@db.vty"),
                          MakeList({CEntry("mail", "joe", "secret", ""), CEntry("bank", "", "1234", "")}), "pw");
        WriteDatabaseFile(
            At("@open.vty"),
            MakeList({CEntry("mail", "joe", "s3cret", "n1"), CEntry("Bank", "\ta\tb", "pin", "line\r\nbreak"),
                      CEntry("bank", "\nx", "x", "e-MAIL here"), CEntry("caf\xe9", "", "p\x81", kLong.c_str())}),
            nullptr);
        WriteBytes(At("@text.txt"), "mail,joe,secret,\r\n");
    }

    std::string At(std::string text) const
    {
        const std::string strFolder = m_folder.Path("");
        for (std::size_t n = 0; (n = text.find('@', n)) != std::string::npos; n += strFolder.size())
            text.replace(n, 1, strFolder);
        return text;
    }

    // Every file of the folder with its bytes, or its kind when not a regular file.
    std::map<std::string, std::string> Files() const
    {
        std::map<std::string, std::string> files;
        for (const std::string& strName : m_folder.Names()) {
            const std::filesystem::file_type type = std::filesystem::symlink_status(m_folder.Path(strName)).type();
            files[strName] = type == std::filesystem::file_type::regular ? ReadBytes(m_folder.Path(strName))
                                                                         : std::to_string(static_cast<int>(type));
        }
        return files;
    }

    static void ExpectText(const std::string& actual, const std::string& expected)
    {
        if (!expected.empty() && (expected[0] == '[' || expected[0] == '{')) {
            EXPECT_EQ(nlohmann::json::parse(actual, nullptr, false), nlohmann::json::parse(expected)) << actual;
            return;
        }
        if (expected.empty() || expected[0] != '*') {
            EXPECT_EQ(actual, expected);
            return;
        }
        std::istringstream parts(expected.substr(1));
        std::size_t nAt = 0;
        for (std::string part; nAt != std::string::npos && std::getline(parts, part, '*');)
            EXPECT_NE(nAt = actual.find(part, nAt), std::string::npos) << "\"" << part << "\" not in: " << actual;
    }

    // In-process, or as the program itself (vaultry-cli.exe under Wine in the
    // Windows build), whose stream files in the folder are not checked.
    void Run(const std::vector<Step>& steps, bool bProgram = false)
    {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.line);
            std::vector<std::string> args;
            std::istringstream words(step.line);
            for (std::string word; std::getline(words, word, ' ');) args.push_back(word == "''" ? "" : At(word));
            const auto before = Files();
            const CliResult r = bProgram ? RunCliProcess(m_folder, args, step.in) : RunCliInProcess(args, step.in);
            EXPECT_EQ(r.nCode, step.nCode) << r.err;
            ExpectText(r.out, At(step.out));
            ExpectText(r.err, At(step.err));
            if (bProgram) continue;
            const auto after = Files();
            if (step.nCode != 0) {
                EXPECT_EQ(after, before);
                EXPECT_TRUE(r.err.empty() ||
                            (r.err.rfind("vaultry-cli: ", 0) == 0 && r.err.find('\n') == r.err.size() - 1))
                    << r.err;
            }
            for (const auto& file : after)
                EXPECT_TRUE(before.count(file.first) || step.line.find("@" + file.first) != std::string::npos)
                    << file.first;
        }
    }

    TempFolder m_folder;
};
