#include "cli/formats/TransferFormat.h"

#include "cli/formats/EntryCsv.h"
#include "cli/formats/EntryJson.h"
#include "database/core/DatabaseCodec.h"
#include "framework/portable/CMemFile.h"
#include "textio/core/EntryLineWriter.h"
#include "textio/core/TextLineReader.h"

namespace {

const int kTextBufferSize = 1024;

std::string TextLines(const CEntryList& list)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store, kTextBufferSize);
    WriteEntryLines(ar, list);
    ar.Close();
    return std::string(reinterpret_cast<const char*>(file.GetData()), static_cast<std::size_t>(file.GetLength()));
}

CString Lines(UINT n)
{
    CString strText;
    strText.Format(n == 1 ? "%u line" : "%u lines", n);
    return strText;
}

void ParseTextLines(const CCliContext& context, const std::string& bytes, const CString& strName, CEntryList& list)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, kTextBufferSize);
    TextLineCounts counts;
    ReadEntryLines(ar, list, &counts);
    // The lines that gave entries the user may not expect; they are imported still.
    CString strReport;
    if (counts.nBlank) strReport += "; " + Lines(counts.nBlank) + " blank (empty entries)";
    if (counts.nNoComma) strReport += "; " + Lines(counts.nNoComma) + " without a comma (all in Notes)";
    if (counts.nLostZeros) strReport += "; " + Lines(counts.nLostZeros) + " with zero bytes (dropped)";
    if (!strReport.IsEmpty()) context.Note("vaultry-cli: " + strName + ":" + strReport.Mid(1));
}

}  // namespace

TransferFormat GetFormatOption(const CCliContext& context)
{
    CString strFormat;
    if (!context.args.GetValue("--format", strFormat) || strFormat == "text") return TransferFormat::text;
    if (strFormat == "csv") return TransferFormat::csv;
    if (strFormat == "json") return TransferFormat::json;
    throw CCliError(kExitUsage, "--format must be text, csv or json");
}

std::string FormatEntries(const CCliContext& context, TransferFormat format, const CEntryList& list)
{
    switch (format) {
    case TransferFormat::csv:
        return EntriesToCsv(context.codec, list);
    case TransferFormat::json:
        return EntriesToJson(context.codec, list);
    default:
        return TextLines(list);
    }
}

void ParseEntries(const CCliContext& context, TransferFormat format, const std::string& bytes, const CString& strName,
                  CEntryList& list)
{
    // A database file read as text gives entries of garbage: its clear header
    // holds the magic, then words with zero bytes.
    if (bytes.compare(0, 7, kDatabaseMagic) == 0 && bytes.find('\0', 7) < kHeaderSize)
        throw CCliError(kExitUsage, strName + " is a Vaultry database, not a text file; nothing was imported");
    switch (format) {
    case TransferFormat::csv:
        EntriesFromCsv(context.codec, bytes, strName, list);
        break;
    case TransferFormat::json:
        EntriesFromJson(context.codec, bytes, strName, list);
        break;
    default:
        ParseTextLines(context, bytes, strName, list);
        break;
    }
}
