#include "framework/win32/DataExchange.h"

#include <vector>

#include "framework/win32/MessageBox.h"
#include "framework/win32/UserException.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr), m_bEditLastControl(FALSE)
{}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace {

// The name of the field a control edits: the text of the label before it, without
// its mnemonic ampersand. Empty when there is no label.
CString FieldName(HWND hWndCtrl)
{
    HWND hLabel = ::GetWindow(hWndCtrl, GW_HWNDPREV);
    char szClass[16] = "";
    if (hLabel == nullptr || !::GetClassNameA(hLabel, szClass, sizeof szClass) || lstrcmpiA(szClass, "Static") != 0)
        return CString();
    char szLabel[128] = "";
    ::GetWindowTextA(hLabel, szLabel, sizeof szLabel);
    CString strName;
    for (const char* p = szLabel; *p != 0; ++p) {
        if (*p == '&' && *++p == 0) break;  // "&x" shows x underlined, "&&" an ampersand
        strName += *p;
    }
    return strName;
}

// The control's text as the code page's 8-bit text. FALSE when a character had
// no equal there: it would have turned into "?" or a look-alike.
BOOL ReadTextExactly(HWND hWndCtrl, CString& strText)
{
    std::vector<WCHAR> wide(static_cast<size_t>(::GetWindowTextLengthW(hWndCtrl)) + 1);
    int nWide = ::GetWindowTextW(hWndCtrl, wide.data(), static_cast<int>(wide.size()));
    // UTF-8 holds every character, and takes neither flag nor default-character check.
    const BOOL bUtf8 = ::GetACP() == CP_UTF8;
    BOOL bLost = FALSE;
    const DWORD dwFlags = bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int n = ::WideCharToMultiByte(CP_ACP, dwFlags, wide.data(), nWide, nullptr, 0, nullptr, bUtf8 ? nullptr : &bLost);
    n = ::WideCharToMultiByte(CP_ACP, dwFlags, wide.data(), nWide, strText.GetBuffer(n), n, nullptr,
                              bUtf8 ? nullptr : &bLost);
    strText.ReleaseBuffer(n);
    SecureZero(wide.data(), wide.size() * sizeof(WCHAR));  // it may be a password
    return !bLost;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (hWndCtrl == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        // Read as typed, so that text the code page cannot hold is refused
        // instead of being kept as something else.
        CString strText;
        if (!ReadTextExactly(hWndCtrl, strText)) {
            CString strField = FieldName(hWndCtrl);
            CString strPrompt = strField.IsEmpty() ? CString("This field") : "The " + strField + " field";
            AfxMessageBox(strPrompt + " contains characters that cannot be stored.\n"
                                      "Use only characters of your keyboard's standard set.",
                          MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = strText;
    } else {
        ::SetWindowTextA(hWndCtrl, value);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr) return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    rControl.SubclassWindow(hWndCtrl);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString strPrompt;
            strPrompt.Format("Please enter no more than %d characters.", nChars);
            AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    } else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}
