// libFuzzer target over the whole read path: the header from a memory file
// holding the input, then the body deciphered with the built-in key and parsed.
//
// Each input is read twice: as it stands (a database file, like the seeds), and
// with everything after the header enciphered first, so that mutations of those
// bytes reach the record parser as plaintext instead of as cipher noise.
//
// Beyond "no crash, no sanitizer report" it checks the reader's promises: a
// successful read appends exactly the header's count of entries and a failed
// one appends nothing; and what was read is written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FixedFiller.h"
#include "database/core/BlowfishStream.h"
#include "database/core/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"

namespace {

const CString kKey = kBuiltInKey;

void Check(bool bCondition)
{
    if (!bCondition) std::abort();
}

DatabaseStatus ReadAll(CMemFile& file, DatabaseHeader& header, CEntryList& list)
{
    file.SeekToBegin();
    DatabaseStatus status = ReadDatabaseHeader(file, header);
    if (status != DatabaseStatus::ok) return status;
    return ReadDatabaseBody(file, header, kKey, list);
}

void ReadAndCheck(CMemFile& file)
{
    DatabaseHeader header;
    CEntryList list;
    list.Add(CEntry());  // already there: must stay, whatever happens
    const DatabaseStatus status = ReadAll(file, header, list);
    if (status != DatabaseStatus::ok) {
        Check(list.GetCount() == 1);
        return;
    }
    Check(list.GetCount() == 1 + header.wEntryCount);
    list.RemoveAt(0);

    CMemFile again;
    CFixedFiller filler;
    Check(WriteDatabase(again, list, 0, kKey, filler) == DatabaseStatus::ok);
    DatabaseHeader header2;
    CEntryList back;
    Check(ReadAll(again, header2, back) == DatabaseStatus::ok);
    Check(back.GetCount() == list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) Check(back.ElementAt(i) == list.ElementAt(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMemFile file;
    file.Write(data, static_cast<UINT>(size));
    ReadAndCheck(file);

    if (size > kHeaderSize) {
        CMemFile plain, enciphered;
        plain.Write(data + kHeaderSize, static_cast<UINT>(size - kHeaderSize));
        plain.SeekToBegin();
        enciphered.Write(data, kHeaderSize);
        EncryptStream(&plain, &enciphered, reinterpret_cast<const BYTE*>(kKey.GetString()),
                      static_cast<short>(kKey.GetLength()));
        ReadAndCheck(enciphered);
    }
    return 0;
}
