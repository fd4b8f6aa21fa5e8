// Writes the fuzzer's seed corpus into the folder named on the command line:
// small valid unlocked databases (built-in key), one file each.
#include <cstdio>

#include "FixedFiller.h"
#include "database/core/DatabaseCodec.h"

namespace {

void WriteSeed(const CString& folder, const char* name, const CEntryList& list)
{
    CFile file(folder + "/" + name, CFile::modeCreate | CFile::modeWrite);
    CFixedFiller filler;
    WriteDatabase(file, list, 0, kBuiltInKey, filler);
    file.Close();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz-seeds FOLDER (which must exist)\n");
        return 2;
    }
    const CString folder = argv[1];
    try {
        CEntryList list;
        WriteSeed(folder, "empty.vty", list);
        list.Add(CEntry());
        WriteSeed(folder, "one-empty-entry.vty", list);
        list.Add(CEntry("mail", "joe", "s3cret", "imap, port 993"));
        list.Add(CEntry("bank", "", "1234", "line one\r\nline two"));
        WriteSeed(folder, "three-entries.vty", list);
        CEntryList longText;
        longText.Add(CEntry(CString('x', 254), CString('y', 255), "", "z"));
        WriteSeed(folder, "long-texts.vty", longText);
    } catch (const CException& e) {
        std::fprintf(stderr, "fuzz-seeds: %s\n", e.GetErrorMessage().GetString());
        return 1;
    }
    return 0;
}
