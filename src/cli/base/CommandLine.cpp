#include "cli/base/CommandLine.h"

#include <cstring>

namespace {

const CliOption* FindOption(const CString& strName, const CliOption* pOptions, int nOptions)
{
    for (int i = 0; i < nOptions; ++i)
        if (strName == pOptions[i].pszName || (pOptions[i].pszShort && strName == pOptions[i].pszShort))
            return &pOptions[i];
    return nullptr;
}

}  // namespace

BOOL ParseDecimal(LPCTSTR psz, int nMax, int& nValue)
{
    if (!*psz) return FALSE;
    long long n = 0;
    for (; *psz; ++psz) {
        if (*psz < '0' || *psz > '9') return FALSE;
        n = n * 10 + (*psz - '0');
        if (n > nMax) return FALSE;
    }
    nValue = static_cast<int>(n);
    return TRUE;
}

void CCommandLine::Parse(int argc, const char* const argv[], const CliOption* pOptions, int nOptions, int nMinOperands,
                         int nMaxOperands)
{
    BOOL bOptionsEnded = FALSE;
    for (int i = 0; i < argc; ++i) {
        CString strArg = argv[i];
        if (bOptionsEnded || strArg.GetLength() < 2 || strArg[0] != '-') {
            m_operands.Add(strArg);
            continue;
        }
        if (strArg == "--") {
            bOptionsEnded = TRUE;
            continue;
        }
        int nEquals = strArg.Find('=');
        CString strName = nEquals < 0 ? strArg : strArg.Left(nEquals);
        const CliOption* pOption = FindOption(strName, pOptions, nOptions);
        if (!pOption) throw CCliError(kExitUsage, "unknown option " + strName);
        CString strValue;
        if (pOption->bTakesValue) {
            if (nEquals >= 0) {
                strValue = strArg.Mid(nEquals + 1);
            } else if (i + 1 < argc) {
                strValue = argv[++i];
            } else {
                throw CCliError(kExitUsage, "option " + strName + " needs a value");
            }
        } else if (nEquals >= 0) {
            throw CCliError(kExitUsage, "option " + strName + " takes no value");
        }
        m_names.Add(pOption->pszName);
        m_values.Add(strValue);
    }
    if (m_operands.GetCount() < nMinOperands) throw CCliError(kExitUsage, "missing arguments");
    if (m_operands.GetCount() > nMaxOperands)
        throw CCliError(kExitUsage, "too many arguments: " + m_operands[nMaxOperands]);
}

BOOL CCommandLine::Has(LPCTSTR pszOption) const
{
    for (int i = 0; i < m_names.GetCount(); ++i)
        if (m_names[i] == pszOption) return TRUE;
    return FALSE;
}

BOOL CCommandLine::GetValue(LPCTSTR pszOption, CString& strValue) const
{
    for (int i = m_names.GetCount() - 1; i >= 0; --i) {
        if (m_names[i] == pszOption) {
            strValue = m_values[i];
            return TRUE;
        }
    }
    return FALSE;
}

int CCommandLine::GetNumber(LPCTSTR pszOption, int nDefault, int nMin, int nMax) const
{
    CString strValue;
    if (!GetValue(pszOption, strValue)) return nDefault;
    int n = 0;
    if (!ParseDecimal(strValue, nMax, n) || n < nMin) {
        CString strMessage;
        strMessage.Format("%s must be a number from %d to %d", pszOption, nMin, nMax);
        throw CCliError(kExitUsage, strMessage);
    }
    return n;
}
