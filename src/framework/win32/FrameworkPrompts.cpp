#include "framework/win32/FrameworkPrompts.h"

#include "framework/win32/ResourceStrings.h"

namespace {

struct Prompt {
    UINT nID;
    const char* pszText;
};

const Prompt kPrompts[] = {
    {AFX_IDP_INVALID_FILENAME, "Invalid filename."},
    {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
    {AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
    {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    {AFX_IDS_UNTITLED, "Untitled"},
    {AFX_IDS_OPENFILE, "Open"},
    {AFX_IDS_SAVEFILE, "Save As"},
    {AFX_IDS_ALLFILTER, "All Files (*.*)"},
};

}  // namespace

CString AfxFrameworkPrompt(UINT nID, LPCTSTR lpszArgument)
{
    CString strText;
    if (!AfxLoadString(nID, strText)) {
        for (const Prompt& prompt : kPrompts)
            if (prompt.nID == nID) strText = prompt.pszText;
    }
    int nArg = strText.Find("%1");
    if (nArg >= 0) strText = strText.Left(nArg) + (lpszArgument ? lpszArgument : "") + strText.Mid(nArg + 2);
    return strText;
}
