#include "cli/formats/EntryCsv.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "cli/formats/CsvFile.h"
#include "cli/base/EntryFields.h"

namespace {

const char* const kHeaders[4] = {"Title", "Username", "Password", "Notes"};

// The names each field's column goes by, in lower case.
const std::vector<std::string> kColumnNames[4] = {
    {"title", "name"},
    {"username", "login", "login_username", "user name", "user"},
    {"password", "login_password"},
    {"notes", "note", "comments"},
};
const std::vector<std::string> kUrlNames = {"url", "login_uri", "website", "web site"};
// Columns that say nothing of the entry itself.
const std::vector<std::string> kIgnoredNames = {"type", "reprompt",      "favorite", "archived",
                                                "icon", "last modified", "created"};

bool Holds(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string Normalized(const std::string& header)
{
    std::string name;
    for (char ch : header) name += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const std::size_t nFirst = name.find_first_not_of(' '), nLast = name.find_last_not_of(' ');
    return nFirst == std::string::npos ? std::string() : name.substr(nFirst, nLast - nFirst + 1);
}

}  // namespace

std::string EntriesToCsv(const CTextCodec& codec, const CEntryList& list)
{
    std::string text;
    AppendCsvRecord(text, std::vector<std::string>(kHeaders, kHeaders + 4));
    std::vector<std::string> fields(4);
    for (int i = 0; i < list.GetCount(); ++i) {
        for (int f = 0; f < 4; ++f) fields[f] = codec.ToUtf8(FieldText(list.ElementAt(i), f));
        AppendCsvRecord(text, fields);
    }
    return text;
}

void EntriesFromCsv(const CTextCodec& codec, const std::string& text, const CString& strName, CEntryList& list)
{
    const std::size_t nStart = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    const std::string body = text.substr(nStart);
    CCsvReader reader(body);
    std::vector<std::string> headers, fields;
    CString strWhere;
    try {
        reader.Next(headers);
        // A column for each field (-1: none); the others go into Notes.
        int nColumns[4] = {-1, -1, -1, -1};
        for (std::size_t c = 0; c < headers.size(); ++c)
            for (int f = 0; f < 4; ++f)
                if (nColumns[f] < 0 && Holds(kColumnNames[f], Normalized(headers[c])))
                    nColumns[f] = static_cast<int>(c);
        if (std::count(nColumns, nColumns + 4, -1) == 4)
            throw CCliError(kExitUsage, strName +
                                            " has no Title, Username, Password or Notes column in its first line; "
                                            "nothing was imported");
        while (reader.Next(fields)) {
            strWhere.Format("%s, line %d", strName.GetString(), reader.GetLine());
            if (fields.size() == 1 && fields[0].empty()) continue;  // a blank line
            if (fields.size() > headers.size()) throw std::runtime_error("it has more fields than the first line");
            fields.resize(headers.size());
            std::string texts[4];
            for (int f = 0; f < 4; ++f)
                if (nColumns[f] >= 0) texts[f] = fields[static_cast<std::size_t>(nColumns[f])];
            for (std::size_t c = 0; c < headers.size(); ++c) {
                const std::string name = Normalized(headers[c]);
                if (fields[c].empty() || std::find(nColumns, nColumns + 4, static_cast<int>(c)) != nColumns + 4 ||
                    Holds(kIgnoredNames, name))
                    continue;
                if (!texts[3].empty()) texts[3] += "\r\n";
                texts[3] += (Holds(kUrlNames, name) ? std::string("URL") : headers[c]) + ": " + fields[c];
            }
            CEntry entry;
            for (int f = 0; f < 4; ++f) FieldText(entry, f) = codec.FromUtf8(texts[f], strWhere + ", " + kHeaders[f]);
            list.Add(std::move(entry));
        }
    } catch (const std::runtime_error& e) {
        strWhere.Format("%s, line %d", strName.GetString(), reader.GetLine());
        throw CCliError(kExitUsage, strWhere + ": " + e.what() + "; nothing was imported");
    }
}
