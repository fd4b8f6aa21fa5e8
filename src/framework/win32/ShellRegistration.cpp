// CWinApp's registration of its document types with the shell, for the current
// user only (HKEY_CURRENT_USER\Software\Classes), so that no administrator rights
// are needed: the extension names the type, the type has a name, an icon (the
// program file's icon after the main one) and an open command; with bCompat also
// print and print-to commands and an empty new file.
#include <cstring>

#include "framework/win32/CDocTemplate.h"
#include "framework/win32/CWinApp.h"

namespace {

const char kClassesKey[] = "Software\\Classes\\";

BOOL SetClassesValue(const CString& strSubKey, LPCTSTR lpszName, const CString& strValue)
{
    HKEY hKey = nullptr;
    CString strKey = kClassesKey + strSubKey;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &hKey,
                          nullptr) != ERROR_SUCCESS)
        return FALSE;
    LONG lResult = ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                                    static_cast<DWORD>(strValue.GetLength() + 1));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

// The type an extension is registered to: the current user's registration, else
// the machine's. (Wine's HKEY_CLASSES_ROOT does not show the user's classes.)
CString RegisteredTypeOf(const CString& strExt)
{
    char szType[MAX_PATH] = "";
    LONG cbType = sizeof(szType);
    CString strUserKey = kClassesKey + strExt;
    if (::RegQueryValueA(HKEY_CURRENT_USER, strUserKey, szType, &cbType) == ERROR_SUCCESS) return szType;
    cbType = sizeof(szType);
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, strExt, szType, &cbType) == ERROR_SUCCESS) return szType;
    return CString();
}

CString ProgramPath()
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(AfxGetInstanceHandle(), szPath, MAX_PATH);
    return szPath;
}

}  // namespace

void CWinApp::EnableShellOpen()
{
    // Files are opened through the command line; requests by DDE are not served.
    m_bShellOpen = TRUE;
}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    CString strExe = ProgramPath();
    CString strQuotedExe = CString("\"") + strExe + "\"";
    for (int i = 0; i < m_templateList.GetSize(); ++i) {
        CDocTemplate* pTemplate = m_templateList[i];
        CString strTypeId;
        if (!pTemplate->GetDocString(strTypeId, CDocTemplate::regFileTypeId)) continue;
        CString strTypeName;
        if (!pTemplate->GetDocString(strTypeName, CDocTemplate::regFileTypeName)) strTypeName = strTypeId;

        if (!SetClassesValue(strTypeId, nullptr, strTypeName)) continue;
        if (bCompat) {
            CString strIcon;
            strIcon.Format("%s,%d", strExe.GetString(), i + 1);
            SetClassesValue(strTypeId + "\\DefaultIcon", nullptr, strIcon);
            SetClassesValue(strTypeId + "\\shell\\print\\command", nullptr, strQuotedExe + " /p \"%1\"");
            SetClassesValue(strTypeId + "\\shell\\printto\\command", nullptr,
                            strQuotedExe + " /pt \"%1\" \"%2\" \"%3\" \"%4\"");
        }
        SetClassesValue(strTypeId + "\\shell\\open\\command", nullptr, strQuotedExe + " \"%1\"");

        CString strExt;
        if (!pTemplate->GetDocString(strExt, CDocTemplate::filterExt)) continue;
        // An extension that belongs to another program's type is left to it.
        CString strCurrent = RegisteredTypeOf(strExt);
        if (!strCurrent.IsEmpty() && strCurrent != strTypeId) continue;
        SetClassesValue(strExt, nullptr, strTypeId);
        if (bCompat) SetClassesValue(strExt + "\\ShellNew", "NullFile", "");
    }
}

void CWinApp::UnregisterShellFileTypes()
{
    HKEY hClasses = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Classes", 0, KEY_ALL_ACCESS, &hClasses) != ERROR_SUCCESS) return;
    for (int i = 0; i < m_templateList.GetSize(); ++i) {
        CDocTemplate* pTemplate = m_templateList[i];
        CString strTypeId;
        if (!pTemplate->GetDocString(strTypeId, CDocTemplate::regFileTypeId)) continue;
        ::RegDeleteTreeA(hClasses, strTypeId);
        CString strExt;
        if (pTemplate->GetDocString(strExt, CDocTemplate::filterExt) && RegisteredTypeOf(strExt) == strTypeId)
            ::RegDeleteTreeA(hClasses, strExt);
    }
    ::RegCloseKey(hClasses);
}
