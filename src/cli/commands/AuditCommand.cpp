// audit DB [--json] [-s]: a health report of the passwords; exit code 1 when it
// finds anything.
#include <string>

#include "cli/base/CliDatabase.h"
#include "cli/commands/Commands.h"
#include "cli/formats/EntryJson.h"
#include "cli/base/EntryOutput.h"
#include "cli/passwords/BreachList.h"
#include "cli/passwords/PasswordAudit.h"

namespace {

CString FindingsText(const PasswordFindings& found)
{
    CString strText;
    auto add = [&](const CString& strFinding) { strText += (strText.IsEmpty() ? "" : "; ") + strFinding; };
    if (found.bReused) add("shares its password with other entries");
    if (found.bEmpty) add("empty password");
    if (found.bShort) add("short password (under 12 characters)");
    if (found.bSameAsFor) add("password equals its For");
    if (found.bSameAsUsername) add("password equals its Username");
    if (found.bWeak) {
        CString strWeak;
        strWeak.Format("weak password (zxcvbn: %.1f bits)", found.dBits);
        add(strWeak);
    }
    if (found.nBreachCount)
        add(CString("in the breach list (seen ") + std::to_string(found.nBreachCount).c_str() +
            (found.nBreachCount == 1 ? " time)" : " times)"));
    return strText;
}

void WriteReport(CCliContext& context, const CEntryList& list, const PasswordAudit& audit, int nFlagged, BOOL bPassword)
{
    for (const std::vector<int>& group : audit.reused) {
        CString strLine = "Same password:";
        for (std::size_t i = 0; i < group.size(); ++i)
            strLine += (i ? ", " : " ") + EntryLabel(context.codec, group[i], list.ElementAt(group[i]));
        context.out << strLine.GetString() << '\n';
    }
    for (const PasswordFindings& found : audit.entries) {
        if (!found.Any()) continue;
        const CEntry& entry = list.ElementAt(found.nIndex);
        WriteText(context.out, EntryLabel(context.codec, found.nIndex, entry) + ": " + FindingsText(found));
        if (bPassword) WriteText(context.out, "; password: " + context.codec.ToStream(entry.m_strPassword));
        context.out << '\n';
    }
    CString strSummary;
    strSummary.Format("%d of %d %s flagged%s.\n", nFlagged, list.GetCount(), list.GetCount() == 1 ? "entry" : "entries",
                      HaveStrengthEstimate() ? "" : " (this build has no strength estimate)");
    context.out << strSummary.GetString();
}

void WriteJsonReport(CCliContext& context, const CEntryList& list, const PasswordAudit& audit, int nFlagged,
                     BOOL bPassword, BOOL bBreached)
{
    nlohmann::ordered_json findings = nlohmann::ordered_json::array();
    for (const PasswordFindings& found : audit.entries) {
        if (!found.Any()) continue;
        nlohmann::ordered_json item = EntryJson(context.codec, found.nIndex, list.ElementAt(found.nIndex), bPassword);
        item.erase("notes");
        item["reused"] = found.bReused;
        item["empty"] = found.bEmpty;
        item["short"] = found.bShort;
        item["same_as_for"] = found.bSameAsFor;
        item["same_as_username"] = found.bSameAsUsername;
        if (HaveStrengthEstimate()) {
            item["strength_bits"] = found.dBits;
            item["weak"] = found.bWeak;
        }
        if (bBreached) item["breached"] = found.nBreachCount;
        findings.push_back(item);
    }
    nlohmann::ordered_json report = {
        {"entries", list.GetCount()},
        {"flagged", nFlagged},
        {"strength_estimate", HaveStrengthEstimate() ? nlohmann::ordered_json("zxcvbn") : nlohmann::ordered_json()},
        {"reused", audit.reused},
        {"findings", findings},
    };
    WriteJson(context.out, report);
}

void RunAudit(CCliContext& context)
{
    // The list is checked before the password is asked for.
    CString strBreachList;
    const BOOL bBreached = context.args.GetValue("--breached", strBreachList);
    CBreachList breaches;
    if (bBreached) breaches.Open(context.codec.ToPath(strBreachList));
    CPasswordInput passwords(context);
    CCliDatabase db(context);
    db.Load(context.PathOperand(0), passwords);
    PasswordAudit audit = AuditPasswords(context.codec, db.list);
    if (bBreached) FindBreachedPasswords(context.codec, db.list, breaches, audit);
    int nFlagged = 0;
    for (const PasswordFindings& found : audit.entries) nFlagged += found.Any() ? 1 : 0;
    const BOOL bPassword = context.args.Has("--show-password");
    if (context.args.Has("--json"))
        WriteJsonReport(context, db.list, audit, nFlagged, bPassword, bBreached);
    else
        WriteReport(context, db.list, audit, nFlagged, bPassword);
    if (nFlagged) context.nAnswer = kExitUsage;
}

const CliOption kOptions[] = {{"--json", FALSE}, {"--show-password", FALSE, "-s"}, {"--breached", TRUE}};

}  // namespace

// clang-format off
const CliCommand kAuditCommand = {
    "audit", "audit DB [--json] [-s | --show-password] [--breached FILE]", "report weak, reused and empty passwords",
    "Lists the entries that share a password, then each entry whose password is\n"
    "empty, shorter than 12 characters, equal to its For or Username (ignoring\n"
    "case), or weak by zxcvbn's estimate (under 10^8 guesses; where this build has\n"
    "zxcvbn). Passwords are shown only with --show-password. --json prints the\n"
    "report as a JSON object. The exit status is 0 when nothing is flagged, 1\n"
    "otherwise.\n"
    "--breached FILE also flags each password that a breach list holds, and how\n"
    "often it was seen there (\"breached\" in JSON), offline: FILE is the \"Pwned\n"
    "Passwords\" list of SHA-1 hashes ordered by hash, one HASH:COUNT line each,\n"
    "unpacked. It is searched in place, a few dozen reads per password, never\n"
    "read whole; passwords are hashed as UTF-8, and no hash is shown.\n",
    kOptions, 3, 1, 1, RunAudit,
};
// clang-format on
