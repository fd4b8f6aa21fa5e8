#include "cli/formats/EntryJson.h"

#include <ostream>

#include "cli/base/EntryFields.h"
#include "cli/base/OtpNotes.h"

nlohmann::ordered_json EntryJson(const CTextCodec& codec, int nIndex, const CEntry& entry, BOOL bPassword)
{
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    if (nIndex >= 0) object["index"] = nIndex;
    object["for"] = codec.ToUtf8(entry.m_strFor);
    object["username"] = codec.ToUtf8(entry.m_strUsername);
    if (bPassword) object["password"] = codec.ToUtf8(entry.m_strPassword);
    object["notes"] = codec.ToUtf8(bPassword ? entry.m_strNotes : MaskOtpSecrets(entry.m_strNotes));
    return object;
}

void WriteJson(std::ostream& out, const nlohmann::ordered_json& document)
{
    out << document.dump(2, ' ', true) << '\n';
}

std::string EntriesToJson(const CTextCodec& codec, const CEntryList& list)
{
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (int i = 0; i < list.GetCount(); ++i) entries.push_back(EntryJson(codec, -1, list.ElementAt(i), TRUE));
    return entries.dump(2, ' ', true) + "\n";
}

void EntriesFromJson(const CTextCodec& codec, const std::string& text, const CString& strName, CEntryList& list)
{
    nlohmann::json entries;
    try {
        entries = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& e) {
        throw CCliError(kExitUsage, strName + " is not JSON: " + e.what() + "; nothing was imported");
    }
    if (!entries.is_array())
        throw CCliError(kExitUsage, strName + " does not hold a JSON array of entries; nothing was imported");
    CString strWhere;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        strWhere.Format("%s, entry %u", strName.GetString(), static_cast<unsigned>(i));
        if (!entries[i].is_object()) throw CCliError(kExitUsage, strWhere + " is not an object; nothing was imported");
        CEntry entry;
        for (int f = 0; f < 4; ++f) {
            const auto it = entries[i].find(kFieldNames[f]);
            if (it == entries[i].end()) continue;
            if (!it->is_string())
                throw CCliError(kExitUsage,
                                strWhere + ": \"" + kFieldNames[f] + "\" is not a string; nothing was imported");
            FieldText(entry, f) = codec.FromUtf8(it->get<std::string>(), strWhere + ", \"" + kFieldNames[f] + "\"");
        }
        list.Add(std::move(entry));
    }
}
