// CVaultryApp: the application object. It starts the single-document machinery,
// registers the database file type, shows the main window over an empty database
// and then opens the database named on the command line or "Vaultry.vty".
#pragma once

#include "framework/win32/Afx.h"

class CVaultryApp : public CWinApp {
public:
    CVaultryApp();

    BOOL InitInstance() override;

    afx_msg void OnAppAbout();
    // Public: the document calls it to fall back to a fresh, empty database.
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();

    DECLARE_MESSAGE_MAP()
};

// The one application object, as the application class.
CVaultryApp* GetVaultryApp();
