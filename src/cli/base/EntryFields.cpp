#include "cli/base/EntryFields.h"

const LPCTSTR kFieldNames[4] = {"for", "username", "password", "notes"};

CString& FieldText(CEntry& entry, int nField)
{
    switch (nField) {
    case 0:
        return entry.m_strFor;
    case 1:
        return entry.m_strUsername;
    case kPasswordField:
        return entry.m_strPassword;
    default:
        return entry.m_strNotes;
    }
}

const CString& FieldText(const CEntry& entry, int nField) { return FieldText(const_cast<CEntry&>(entry), nField); }

int GetFieldOption(const CCliContext& context, int nDefault)
{
    CString strName;
    if (!context.args.GetValue(kFieldOption, strName)) return nDefault;
    for (int i = 0; i < 4; ++i)
        if (strName == kFieldNames[i]) return i;
    throw CCliError(kExitUsage, "--field must be for, username, password or notes");
}
