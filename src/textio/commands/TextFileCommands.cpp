// The main frame's Import and Export commands: all entries to a comma-separated
// text file, and the lines of such a file appended as entries. The file is
// streamed through a 1,024-byte archive buffer, never held whole in memory.
#include "frame/MainFrame.h"

#include "database/document/VaultryDoc.h"
#include "textio/core/TextExport.h"
#include "textio/core/TextLineReader.h"

namespace {

const char kTextFilter[] = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
const int kTextBuffer = 1024;

}  // namespace

BOOL CMainFrame::PromptExportFile()
{
    CFileDialog dlg(FALSE, "txt", "export.txt", OFN_OVERWRITEPROMPT, kTextFilter, this);
    dlg.m_ofn.lpstrTitle = "Export File";
    INT_PTR result = dlg.DoModal();
    UpdateWindow();
    if (result != IDOK) return FALSE;
    m_strTextFile = dlg.GetPathName();
    return TRUE;
}

BOOL CMainFrame::PromptImportFile()
{
    CFileDialog dlg(TRUE, "txt", nullptr, OFN_FILEMUSTEXIST, kTextFilter, this);
    dlg.m_ofn.lpstrTitle = "Import File";
    INT_PTR result = dlg.DoModal();
    UpdateWindow();
    if (result != IDOK) return FALSE;
    m_strTextFile = dlg.GetPathName();
    return TRUE;
}

void CMainFrame::OnFileExport()
{
    if (!PromptExportFile()) return;

    CTextExport exportFile;
    if (!exportFile.Open(m_strTextFile)) {
        AfxMessageBox("Error opening export file.");
        return;
    }
    CVaultryDoc* pDoc = static_cast<CVaultryDoc*>(GetActiveDocument());
    CString strError;
    if (!exportFile.Write(pDoc->m_EntryList, strError)) {
        // A full disk or a vanished drive: the user must not be told it was
        // exported, and the incomplete file, passwords in clear, is gone.
        AfxMessageBox("Error writing export file.\n" + strError, MB_ICONEXCLAMATION);
        return;
    }
    AfxMessageBox("File exported.");
}

void CMainFrame::OnFileImport()
{
    if (!PromptImportFile()) return;

    CFile file;
    if (!file.Open(m_strTextFile, CFile::modeRead)) {
        AfxMessageBox("Error opening import file.");
        file.Abort();
        return;
    }
    CVaultryDoc* pDoc = static_cast<CVaultryDoc*>(GetActiveDocument());
    UINT nImported = 0;
    BOOL bFailed = FALSE;
    CString strError;
    try {
        CArchive ar(&file, CArchive::load, kTextBuffer);
        CTextLineReader reader(ar);
        CEntry entry;
        while (reader.ReadEntry(entry)) {
            ++nImported;
            pDoc->m_EntryList.Add(entry);
        }
        ar.Close();
    } catch (const CException& e) {
        // The entries read before the failure stay; the count says how many.
        bFailed = TRUE;
        strError = e.GetErrorMessage();
    }
    file.Abort();

    CString strMessage;
    strMessage.Format("%u records imported.", nImported);
    if (bFailed) {
        AfxMessageBox(CString("Error reading import file.\n") + strError + "\n" + strMessage, MB_ICONEXCLAMATION);
    } else {
        AfxMessageBox(strMessage, MB_ICONINFORMATION | MB_OK);
    }
    pDoc->SetModifiedFlag(TRUE);
    pDoc->UpdateAllViews(nullptr);
}
