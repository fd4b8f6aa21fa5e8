// What tells that another program changed a database file: SHA-256, the file read
// at once with its stamp, and the watch that waits for a burst of saves to end.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "common/TestFiles.h"
#include "database/core/DatabaseFileImage.h"
#include "database/core/FileChangeWatch.h"

namespace {

// Known answers (FIPS 180-4's examples, padding edges), added whole and in uneven pieces.
TEST(Sha256, KnownAnswers)
{
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases) {
        CSha256 pieces;
        for (std::size_t n = 0, nStep = 1; n < c.message.size(); n += nStep, nStep = nStep * 3 % 997)
            pieces.Update(c.message.data() + n, std::min(nStep, c.message.size() - n));
        for (const Sha256Digest& digest : {CSha256::Of(c.message.data(), c.message.size()), pieces.Finish()}) {
            std::string hex;
            for (BYTE b : digest.bytes) hex += "0123456789abcdef"[b >> 4], hex += "0123456789abcdef"[b & 15];
            EXPECT_EQ(hex, c.digest) << c.message.size();
        }
    }
}

// An image holds the file's bytes, stamp and hash, and reads its header and entries.
TEST(DatabaseFileImage, ReadsTheFileWithItsIdentity)
{
    TempFolder folder;
    const std::string path = folder.Path("db.vty");
    CDatabaseFileImage image;
    WriteDatabaseFile(path, SampleEntries(3), "pw");
    const std::string bytes = ReadBytes(path);
    ASSERT_TRUE(image.Read(path.c_str(), CFile::shareDenyNone));
    const FileIdentity identity = image.GetIdentity();
    EXPECT_TRUE(image.Exists() && image.Holds(identity));
    EXPECT_EQ(identity.stamp, GetFileStamp(path.c_str()));
    EXPECT_EQ(identity.hash, CSha256::Of(bytes.data(), bytes.size()));
    EXPECT_EQ(identity.hash, CSha256::OfFile(image.GetBytes()));
    DatabaseHeader header;
    CEntryList list = SampleEntries(1);  // replaced, not added to
    ASSERT_EQ(image.ReadHeader(header), DatabaseStatus::ok);
    EXPECT_EQ(image.ReadEntries(header, "wrong", list), DatabaseStatus::unreadable);
    ASSERT_EQ(image.ReadEntries(header, "pw", list), DatabaseStatus::ok);
    EXPECT_TRUE(SameEntries(list, SampleEntries(3)));

    // Read again: one byte, no database; then nothing, which holds no file's bytes.
    WriteBytes(path, "V");
    ASSERT_TRUE(image.Read(path.c_str(), CFile::shareDenyWrite));
    EXPECT_FALSE(image.Holds(identity));
    EXPECT_EQ(image.GetBytes().GetLength(), 1u);
    EXPECT_EQ(image.ReadHeader(header), DatabaseStatus::notDatabase);
    const FileIdentity oneByte = image.GetIdentity();
    ASSERT_TRUE(image.Read(folder.Path("none.vty").c_str(), CFile::shareDenyNone));
    EXPECT_FALSE(image.Exists() || image.Holds(oneByte));
    EXPECT_EQ(image.GetBytes().GetLength(), 0u);

    std::filesystem::create_directory(folder.Path("folder.vty"));
    EXPECT_THROW(image.Read(folder.Path("folder.vty").c_str(), CFile::shareDenyNone), CFileException);

    // A writer at work while it is read: the image is not to be used.
    std::atomic<bool> bDone{false};
    std::thread writer([&] {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        while (!bDone) out.put('x').flush();
    });
    BOOL bRefused = FALSE;
    for (int n = 0; n < 500 && !bRefused; ++n) bRefused = !image.Read(path.c_str(), CFile::shareDenyNone);
    bDone = true;
    writer.join();
    EXPECT_TRUE(bRefused);
}

// A change is read once the stamp stayed as it was for one look; back as known is no change.
TEST(FileChangeWatch, ReportsAChangeOnceItHasSettled)
{
    using Look = CFileChangeWatch::Look;
    const FileStamp a = {TRUE, 10, 100}, b = {TRUE, 10, 200}, c = {TRUE, 11, 200}, gone;
    const FileStamp stamps[] = {a, b, c, c, c, a, b, a, gone, gone};
    const Look looks[] = {Look::unchanged, Look::changing, Look::changing,  Look::settled,  Look::settled,
                          Look::unchanged, Look::changing, Look::unchanged, Look::changing, Look::settled};
    CFileChangeWatch watch;
    watch.SetKnown(a);
    for (int n = 0; n < 10; ++n) EXPECT_EQ(watch.LookAt(stamps[n]), looks[n]) << "look " << n;
    watch.SetKnown(c);  // forgets the change it was seeing
    EXPECT_EQ(watch.LookAt(gone), Look::changing);
}

}  // namespace
