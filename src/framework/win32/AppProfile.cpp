// The application's profile in the registry: HKEY_CURRENT_USER\Software\<registry
// key>\<application name>\<section>. Keys are created when first asked for, as a
// profile reader expects to find them.
#include "framework/win32/CWinApp.h"

#include <cstdlib>
#include <cstring>

#include "framework/win32/ResourceStrings.h"

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    std::free(const_cast<char*>(m_pszRegistryKey));
    m_pszRegistryKey = _strdup(lpszRegistryKey);
    std::free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = _strdup(m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    AfxLoadString(nIDRegistryKey, strKey);
    SetRegistryKey(strKey);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    // No recent-file list is kept; the framework's own standard setting is read so
    // that the profile exists as the framework leaves it.
    m_nMaxMRU = nMaxMRU;
    GetProfileInt("Settings", "PreviewPages", 0);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr) return nullptr;
    HKEY hSoftKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) != ERROR_SUCCESS)
        return nullptr;
    HKEY hCompanyKey = nullptr;
    HKEY hAppKey = nullptr;
    DWORD dw = 0;
    if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                          nullptr, &hCompanyKey, &dw) == ERROR_SUCCESS) {
        ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                          nullptr, &hAppKey, &dw);
        ::RegCloseKey(hCompanyKey);
    }
    ::RegCloseKey(hSoftKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr) return nullptr;
    HKEY hSectionKey = nullptr;
    DWORD dw = 0;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr) return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr) return static_cast<UINT>(nDefault);
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(dwValue);
    LONG lResult =
        ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS && dwType == REG_DWORD ? static_cast<UINT>(dwValue) : static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        CString strValue;
        strValue.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, strValue, m_pszProfileName);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr) return FALSE;
    DWORD dwValue = static_cast<DWORD>(nValue);
    LONG lResult =
        ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString strDefault = lpszDefault != nullptr ? lpszDefault : "";
    if (m_pszRegistryKey == nullptr) {
        char szValue[4096] = "";
        ::GetPrivateProfileStringA(lpszSection, lpszEntry, strDefault, szValue, sizeof(szValue), m_pszProfileName);
        return szValue;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr) return strDefault;
    CString strValue = strDefault;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    if (::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount) == ERROR_SUCCESS &&
        dwType == REG_SZ) {
        LPTSTR pBuffer = strValue.GetBuffer(static_cast<int>(dwCount));
        if (::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(pBuffer), &dwCount) ==
            ERROR_SUCCESS) {
            strValue.ReleaseBuffer();
        } else {
            strValue.ReleaseBuffer(0);
            strValue = strDefault;
        }
    }
    ::RegCloseKey(hSecKey);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == nullptr) return FALSE;
    LONG lResult;
    if (lpszValue == nullptr) {
        lResult = ::RegDeleteValueA(hSecKey, lpszEntry);
    } else {
        lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                   static_cast<DWORD>(std::strlen(lpszValue) + 1));
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}
