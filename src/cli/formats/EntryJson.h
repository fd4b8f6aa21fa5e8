// vaultry-cli's JSON (--json, export and import --format json): entries as
// objects with the keys "index", "for", "username", "password" and "notes" in
// that order, their texts in UTF-8 (CTextCodec::ToUtf8). Written with
// nlohmann::json, every character beyond ASCII escaped, so that the document
// reads the same in any console or code page.
#pragma once

#include <iosfwd>

#include <nlohmann/json.hpp>

#include "cli/base/TextCodec.h"
#include "database/core/EntryList.h"

// An entry as an object; "index" only when nIndex >= 0, "password" (and the
// one-time code secrets in "notes") only with bPassword.
nlohmann::ordered_json EntryJson(const CTextCodec& codec, int nIndex, const CEntry& entry, BOOL bPassword);
// The document, indented, and a line end.
void WriteJson(std::ostream& out, const nlohmann::ordered_json& document);

// Every entry, as export --format json writes them: an array of objects with
// "for", "username", "password" and "notes".
std::string EntriesToJson(const CTextCodec& codec, const CEntryList& list);
// Appends the entries of such an array (a missing key is an empty text, "index"
// and other keys are ignored). Throws CCliError (kExitUsage) naming strName for
// anything else, or texts the code page cannot hold.
void EntriesFromJson(const CTextCodec& codec, const std::string& text, const CString& strName, CEntryList& list);
