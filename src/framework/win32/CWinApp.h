// CWinApp: the application. The one object of a class derived from it registers
// itself when it is constructed; the program's entry point then runs InitInstance,
// the message loop (Run, with accelerators and idle-time command updates) and
// ExitInstance. It also keeps the application's names, its registry profile,
// the document templates, and the File New and File Open commands.
#pragma once

#include "framework/portable/CArray.h"
#include "framework/win32/CCmdTarget.h"
#include "framework/win32/CWnd.h"

class CCommandLineInfo;
class CDocTemplate;
class CDocument;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The application's name defaults to string resource AFX_IDS_APP_TITLE, else
    // the program file's name. The newest application object is the current one;
    // when it goes, the one before it is current again (tests make their own).
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Start-up arguments and names.
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;      // program file name without extension
    LPCTSTR m_pszRegistryKey;  // company key under HKCU\Software, or NULL
    LPCTSTR m_pszProfileName;  // the application's key under the company key
    CWnd* m_pMainWnd;

    // Run-time phases.
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    // Idle-time work; lCount counts the calls since the last message. Returns TRUE
    // while there is more to do.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();

    // Message boxes of AfxMessageBox.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Kept for source compatibility: controls always have the system's look.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    // Profile under HKEY_CURRENT_USER\Software\<registry key>\<application name>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // The application's key (created when missing); the caller closes it. NULL
    // without a registry key.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    // Documents. The application owns its templates and deletes them at the end.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    // Opens a file with the template that fits it; a document that has the file
    // open already is only brought to the front.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    // The recent-file list is not kept; kept for the document's call.
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    // The Open or Save As dialog with the templates' filters; fileName is the
    // initial name and the chosen path.
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);

    // Command line and shell.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Carries out the parsed command: a new document, opening or printing a file,
    // unregistering. FALSE when the program should end.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    void EnableShellOpen();
    // Registers each template's file type for the current user (under
    // HKEY_CURRENT_USER\Software\Classes): extension, type name, icon and open
    // command; with bCompat also the print verbs and the new-file entry.
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void UnregisterShellFileTypes();

    // The message being handled by the loop.
    MSG m_msgCur;

protected:
    afx_msg void OnAppExit();
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();

    DECLARE_MESSAGE_MAP()

private:
    void SetNames(LPCTSTR lpszAppName);
    UINT m_nMaxMRU;
    BOOL m_bShellOpen;
    CWinApp* m_pPreviousApp;
    CArray<CDocTemplate*, CDocTemplate*> m_templateList;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
LPCTSTR AfxGetAppName();
// Sets the start-up arguments of the application object (done by WinMain).
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// The framework's entry: InitInstance, then Run (or ExitInstance when it failed).
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
