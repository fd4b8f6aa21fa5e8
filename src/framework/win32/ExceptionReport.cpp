#include "framework/win32/ExceptionReport.h"

#include "framework/win32/MessageBox.h"
#include "framework/win32/UserException.h"

void AfxReportException(const CException& e)
{
    if (dynamic_cast<const CUserException*>(&e) != nullptr) return;
    CString strMessage = e.GetErrorMessage();
    if (strMessage.IsEmpty()) strMessage = "An unsupported operation was attempted.";
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}
