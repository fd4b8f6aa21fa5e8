#include "framework/win32/FilePaths.h"

CString AfxFileNameOf(const CString& strPath)
{
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); ++i)
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':') nStart = i + 1;
    return strPath.Mid(nStart);
}

CString AfxFullPath(LPCTSTR lpszPath)
{
    char szFull[MAX_PATH * 2] = "";
    char* pFilePart = nullptr;
    DWORD nLength = ::GetFullPathNameA(lpszPath, sizeof(szFull), szFull, &pFilePart);
    if (nLength == 0 || nLength >= sizeof(szFull)) return lpszPath;
    CString strFull = szFull;
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(szFull, &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(hFind);
        CString strName = AfxFileNameOf(strFull);
        if (strName.CompareNoCase(data.cFileName) == 0)
            strFull = strFull.Left(strFull.GetLength() - strName.GetLength()) + data.cFileName;
    }
    return strFull;
}
