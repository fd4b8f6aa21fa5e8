// vaultry-cli's commands: every change reaches the file, failures say what and
// change nothing, entries are found and shown, and the program itself.
#include <gtest/gtest.h>

#include "cli/CliCommandsFixture.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

TEST_F(CliCommands, EveryChangeReachesTheFile)
{
    WriteBytes(At("@in.txt"), "bank,,,\r\nx,y,z,notes, more\n,,,\r\n");
    Run({
        {"create @new.vty --password-stdin", "pw\n", 0, "", "*: warning: *\n@new.vty created.\n"},
        // Any password opens a locked database without entries: a change asks
        // for it twice, so that a typo does not become its key.
        {"add @new.vty --for x --generate 4 --password-stdin", "pw\npq\n", 1, "", "*the two passwords do not match"},
        {"ls @new.vty --password-stdin", "anything\n", 0, "",
         "vaultry-cli: @new.vty holds no entries, so any password opens it: a wrong password cannot be told\n"},
        {"add @new.vty --for mail --username=joe --notes home,work --password-stdin", "pw\r\npw\r\nsecret\r\n", 0, "",
         "Entry 0 (mail) added.\n"},
        {"import @new.vty @in.txt --password-stdin", "pw\n", 0, "", "3 records imported.\n"},
        {"show @new.vty 2 -s --password-stdin", "pw\n", 0, "For: x\nUsername: y\nPassword: z\nNotes: notes, more\n",
         ""},
        {"export @new.vty --password-stdin", "pw\n", 0,
         "mail,joe,secret,home,work\r\nbank,,,\r\nx,y,z,notes, more\r\n,,,\r\n", ""},
        {"edit @new.vty 1 --for Bank --username alice --password --password-stdin", "pw\nb4nk\n", 0, "",
         "Entry 1 (Bank) changed.\n"},
        {"edit @new.vty 2 --notes '' -q --password-stdin", "pw\n", 0, "", ""},
        {"rm @new.vty 0 --yes --password-stdin", "pw\n", 0, "", "Entry 0 (mail) deleted.\n"},
        {"passwd @new.vty --password-stdin", "pw\nnew password\n", 0, "",
         "*: warning: *\nThe password of @new.vty was changed.\n"},
        {"ls @new.vty --password-stdin", "pw\n", 2, "", kWrong},
        {"check @new.vty --password-stdin", "new password\n", 0,
         "@new.vty: a readable Vaultry database, locked, with 3 entries.\n", ""},
        {"passwd @new.vty --no-lock --password-stdin", "new password\n", 0, "", "@new.vty is no longer locked.\n"},
        {"check @new.vty", "", 0, "@new.vty: a readable Vaultry database, not locked, with 3 entries.\n", ""},
    });
    const CEntryList expected = MakeList({CEntry("Bank", "alice", "b4nk", ""), CEntry("x", "y", "z", ""), CEntry()});
    EXPECT_TRUE(SameEntries(ReadDatabaseFile(At("@new.vty"), nullptr).list, expected));
}

// Exit code 1 for the command line and its texts, 2 for what cannot be read as a
// database, 3 for what the file system refuses.
TEST_F(CliCommands, FailuresSayWhatAndChangeNothing)
{
    WriteBytes(At("@short.vty"), std::string("VAULTRY\x01\x00\x01", 10));
    std::string strNewer = ReadBytes(At("@db.vty"));
    strNewer[9] = 2;
    WriteBytes(At("@newer.vty"), strNewer);
    fs::copy_file(At("@db.vty"), At("@readonly.vty"));
    fs::permissions(At("@readonly.vty"), fs::perms::owner_read);
    Run({
        {"ls @db.vty --password-stdin", "wrong\n", 2, "", kWrong},
        {"export @db.vty @out.txt --password-stdin", "wrong\n", 2, "", kWrong},
        {"check @db.vty --password-stdin", "\n", 2, "", kWrong},
        {"add @db.vty --for x --generate 8 --password-stdin", "wrong\n", 2, "", kWrong},
        {"ls @text.txt", "", 2, "", "*This is not a Vaultry database, or else it is corrupted."},
        {"ls @short.vty", "", 2, "", "*short.vty: Error reading database."},
        {"check @newer.vty", "", 2, "", "*This Vaultry database cannot be read using this version."},

        {"frobnicate @db.vty", "", 1, "", "*unknown command \"frobnicate\""},
        {"", "", 1, "", "*no command given"},
        {"help nothing", "", 1, "", "*nothing"},
        {"ls", "", 1, "", "*missing arguments (usage: vaultry-cli ls DB"},
        {"ls @db.vty --verbose", "", 1, "", "*unknown option --verbose"},
        {"audit @db.vty extra", "", 1, "", "*too many arguments: extra"},
        {"create @new.vty extra --no-lock", "", 1, "", "*too many arguments: extra"},
        {"add @db.vty --for", "", 1, "", "*option --for needs a value"},
        {"rm @db.vty one --password-stdin", "pw\n", 1, "", "*has no entry one"},
        {"diff @db.vty @readonly.vty --password-stdin", "pw\n", 0, "", ""},  // only a change needs it writable
        {"rm @db.vty 0 --password-stdin", "pw\n", 1, "", "*"},               // no terminal to ask, no --yes
        {"add @db.vty --username u", "", 1, "", "*add needs --for"},
        {"add @db.vty --for a\nb", "", 1, "", "*--for cannot hold a line break"},
        {"add @db.vty --for x --generate 0", "", 1, "", "*--generate must be a number from 1 to 1024"},
        {"clip @db.vty mail --timeout 0", "", 1, "", "*--timeout must be a number from 1 to "},
        {"edit @db.vty 0", "", 1, "", "*nothing to change"},
        {"edit @db.vty 0 --password --generate 9", "", 1, "", "*either --password or --generate"},
        {"generate --length 2000", "", 1, "", "*--length must be a number from 1 to 1024"},
        {"generate --digits --exclude 0123456789", "", 1, "", "*"},
        {"generate --length 3 --lower --upper --digits --symbols", "", 1, "", "*"},
        {"ls @db.vty --password-stdin", "", 1, "", "*standard input ended before the password"},
        {"ls @db.vty", "", 1, "", "*no terminal to ask for the password on; use --password-stdin"},
        {"ls @db.vty --codepage UTF-8", "", 1, "", "*"},
        {"passwd @db.vty --password-stdin", "pw\n\n", 1, "", "*must be 1 to 56 characters of the database's code page"},
        {"create @new.vty --password-stdin", std::string("a\0b\n", 4), 1, "", "*1 to 56 characters"},
        {"create '' --no-lock", "", 1, "", "*the file name is empty"},
        {"ls ''", "", 1, "", "*the file name is empty"},
        {"export @db.vty ''", "", 1, "", "*the file name is empty"},
        {"import @db.vty @db.vty --password-stdin", "pw\n", 1, "", "*db.vty is a Vaultry database, not a text file"},

        {"ls @missing.vty", "", 3, "", "*The file could not be found"},
        {"ls @", "", 3, "", "* is a folder, not a database"},
        {"create @db.vty --no-lock", "", 3, "", "*db.vty already exists; it was not changed"},
        {"create @text.txt/new.vty --no-lock", "", 3, "", "*new.vty was not created: "},
        {"import @db.vty @missing.txt --password-stdin", "pw\n", 3, "", "*Error opening import file."},
        {"export @db.vty @newer.vty --password-stdin", "pw\n", 3, "",
         "*is a Vaultry database; export does not overwrite"},
        {"export @db.vty @text.txt/out.txt --password-stdin", "pw\n", 3, "", "*Error opening export file."},
        // Read-only stays so, as the program's save leaves it (even for an administrator).
        {"add @readonly.vty --for x --generate 8", "", 3, "", "*readonly.vty is read-only; it was not changed"},
        {"passwd @readonly.vty --no-lock", "", 3, "", "*readonly.vty is read-only"},
    });
}

// Entries named by index or For, passwords shown only when asked, columns that
// hold, search over For, Username and Notes ignoring case, and help.
TEST_F(CliCommands, EntriesAreFoundAndShown)
{
    const std::string kAll = "0\tmail\tjoe\n1\tBank\t\\ta\\tb\n2\tbank\t\\nx\n3\tcaf\xC3\xA9\t\n";
    const std::string kJson[] = {R"({"index": 0, "for": "mail", "username": "joe", "notes": "n1"})",
                                 R"({"index": 1, "for": "Bank", "username": "\ta\tb", "notes": "line\r\nbreak"})",
                                 R"({"index": 2, "for": "bank", "username": "\nx", "notes": "e-MAIL here"})",
                                 R"({"index": 3, "for": "caf\u00e9", "username": "", "notes": ")" + kLong + "\"}"};
    Run({
        {"show @open.vty MAIL", "", 0, "For: mail\nUsername: joe\nPassword: (hidden; -s shows it)\nNotes: n1\n", ""},
        {"show @open.vty bank", "", 0, "*For: bank\n", ""},
        {"show @open.vty CAF\xC3\x89 -s", "", 0,
         "For: caf\xC3\xA9\nUsername: \nPassword: p\\x81\nNotes: " + kLong + "\n", ""},
        {"show @open.vty BANK", "", 1, "", "*has 2 entries for BANK; give the index of one: 1 (Bank), 2 (bank)\n"},
        {"show @open.vty 9", "", 1, "", "*has no entry 9; its entries are 0 to 3\n"},
        {"show @open.vty shop", "", 1, "", "*has no entry shop\n"},
        {"show @open.vty mail --field password", "", 0, "s3cret\n", ""},
        {"show @open.vty 0 --field=username", "", 0, "joe\n", ""},
        {"show @open.vty 1 --field for", "", 0, "Bank\n", ""},
        {"show @open.vty 0 --field url", "", 1, "", "*"},
        {"ls @open.vty", "", 0, kAll, ""},
        {"search @open.vty mail", "", 0, "0\tmail\tjoe\n2\tbank\t\\nx\n", ""},
        {"search @open.vty A\tB", "", 0, "1\tBank\t\\ta\\tb\n", ""},
        {"search @open.vty S3CRET", "", 1, "", ""},
        {"search @open.vty -- -mail", "", 0, "2\tbank\t\\nx\n", ""},
        {"search @open.vty ''", "", 0, kAll, ""},
        // Export keeps the stored bytes and names what the text format loses.
        {"export @open.vty", "", 0,
         "mail,joe,s3cret,n1\r\nBank,\ta\tb,pin,line\r\nbreak\r\nbank,\nx,x,e-MAIL here\r\ncaf\xe9,,p\x81," + kLong +
             "\r\n",
         "*: warning: entry 1 (Bank) has a line break, which the text format cannot keep: an export of it imports as "
         "more than one entry\nvaultry-cli: warning: entry 2 (bank) has a line break"},
        // JSON: UTF-8, a character of its own for a byte the code page leaves undefined.
        {"ls @open.vty --json", "", 0, "[" + kJson[0] + "," + kJson[1] + "," + kJson[2] + "," + kJson[3] + "]", ""},
        {"show @open.vty 3 --json", "", 0, kJson[3], ""},
        {"show @open.vty 3 -s --json", "", 0, kJson[3].substr(0, kJson[3].size() - 1) + R"(, "password": "p\uf781"})",
         ""},
        {"search @open.vty BANK --json", "", 0, "[" + kJson[1] + "," + kJson[2] + "]", ""},
        {"search @open.vty nothing --json", "", 1, "[]", ""},
        {"check @open.vty --json", "", 0, R"({"locked": false, "entries": 4})", ""},
        {"-V", "", 0, "*vaultry-cli ", ""},
        {"-h", "", 0, "*Usage: vaultry-cli COMMAND*Commands:\n", ""},
        {"help rm", "", 0, "*Usage: vaultry-cli rm DB ENTRY [-y | --yes]", ""},
        {"rm -h", "", 0, "*Usage: vaultry-cli rm DB ENTRY [-y | --yes]", ""},
    });
}

// The program itself: export to standard output keeps its CR LF; the Unicode
// command line arrives whole; texts go to VAULTRY_CODEPAGE's code page (else
// Windows-1252), and show in the terminal's encoding (vaultry-cli.exe: ANSI).
TEST_F(CliCommands, TheProgramItself)
{
#ifdef _WIN32
    const std::string kCafe = "Caf\xE9";
#else
    const std::string kCafe = "Caf\xC3\xA9";
#endif
    putenv(const_cast<char*>("VAULTRY_CODEPAGE=1251"));
    Run({{"create @new.vty --password-stdin -q", "pw\n", 0, "", ""},
         {"add @new.vty --for \xD0\x96 -q --password-stdin", "pw\npw\nx\n", 0, "", ""}},
        true);
    putenv(const_cast<char*>("VAULTRY_CODEPAGE="));  // empty: as if not set
    Run({{"add @new.vty --for Caf\xC3\xA9 --password-stdin", "pw\nbuy\n", 0, "", "*"},
         {"add @new.vty --for \xC5\x82 --password-stdin", "pw\nbuy\n", 1, "", "*--for holds characters that the"},
         {"search @new.vty CAF\xC3\x89 --password-stdin", "pw\n", 0, "1\t" + kCafe + "\t\n", ""},
         {"export @new.vty --password-stdin", "pw\n", 0, "\xc6,,x,\r\nCaf\xe9,,buy,\r\n", ""},
         {"export @new.vty --password-stdin", "wrong\n", 2, "", kWrong}},
        true);
}

// Nothing but a regular file is opened or replaced (a FIFO would hang, a device
// become a file of passwords); a link only when asked.
TEST_F(CliCommands, NothingButRegularFilesIsOpenedOrReplaced)
{
    fs::create_directory(At("@folder"));
    std::vector<std::string> paths = {"@folder"};
    std::vector<Step> steps;
#ifdef _WIN32
    paths.push_back("NUL");
#else
    ASSERT_EQ(mkfifo(At("@fifo").c_str(), 0600), 0);
    paths.push_back("@fifo");
    // A device of its own, so that a fault replaces no file of the system.
    if (mknod(At("@null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) paths.push_back("@null");
    fs::create_symlink("elsewhere.txt", At("@link.txt"));
    steps.push_back({"export @open.vty @link.txt", "", 3, "", "*@link.txt is a symbolic link"});
#endif
    for (const std::string& strPath : paths)
        for (const char* pszCommand : {"export @open.vty ", "ls ", "add --for x "})
            steps.push_back({pszCommand + strPath, "", 3, "", "*" + strPath + " is a"});
    Run(steps);
}

// Standard output fails after the change was saved: exit code 0, so that a retry
// does not add the entry twice.
TEST_F(CliCommands, SavedChangeIsNotReportedAsFailed)
{
    CliResult r = RunCliInProcess({"add", At("@open.vty"), "--for", "x", "--generate", "4"}, "", nullptr, true);
    EXPECT_EQ(r.nCode, 0);
    EXPECT_EQ(r.err,
              At("Entry 4 (x) added.\nvaultry-cli: @open.vty was changed and saved, but standard output could not "
                 "be written\n"));
    EXPECT_EQ(ReadDatabaseFile(At("@open.vty"), nullptr).list.GetCount(), 5);
    EXPECT_EQ(RunCliInProcess({"ls", At("@open.vty")}, "", nullptr, true).nCode, 3);
}

#ifndef _WIN32

// Cleartext goes into a new private file whatever was there; a link is written
// through when asked, and a database's link stays a link. A database keeps its
// mode, and its owner and group when an administrator changes it (needs root, as CI runs).
TEST_F(CliCommands, LinksAreFollowedCleartextStaysPrivateDatabasesKeepTheirOwners)
{
    const bool bRoot = geteuid() == 0 && chown(At("@open.vty").c_str(), 4321, 4322) == 0;
    fs::permissions(At("@open.vty"), fs::perms(0640));
    WriteBytes(At("@out.txt"), "old text");
    fs::permissions(At("@out.txt"), fs::perms(0644));
    fs::create_symlink("out.txt", At("@link.txt"));
    fs::create_symlink("open.vty", At("@link.vty"));
    Run({
        {"export @db.vty @link.txt --follow-link --password-stdin", "pw\n", 0, "",
         "2 entries exported to @link.txt.\n"},
        {"add @link.vty --for x --password-stdin", "pw\n", 0, "", "Entry 4 (x) added.\n"},
    });
    EXPECT_EQ(ReadBytes(At("@out.txt")), "mail,joe,secret,\r\nbank,,1234,\r\n");
    EXPECT_EQ(fs::status(At("@out.txt")).permissions(), fs::perms(0600));
    EXPECT_TRUE(fs::is_symlink(At("@link.txt")) && fs::is_symlink(At("@link.vty")));
    EXPECT_EQ(ReadDatabaseFile(At("@open.vty"), nullptr).list.GetCount(), 5);
    struct stat st;
    ASSERT_EQ(stat(At("@open.vty").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777u, 0640u);
    EXPECT_TRUE(!bRoot || (st.st_uid == 4321 && st.st_gid == 4322)) << st.st_uid << ":" << st.st_gid;
}

// A full disk (a limit on file sizes, which holds for root too): the message
// names the database, not the temporary file, and says it was not changed.
TEST_F(CliCommands, FailedSaveNamesTheDatabase)
{
    struct rlimit old;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const struct rlimit limited = {8, old.rlim_max};
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    Run({{"add @open.vty --for x --generate 4", "", 3, "",
          "vaultry-cli: @open.vty was not changed: The disk is full: @open.vty.\n"}});
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, previous);
}

#endif

}  // namespace
