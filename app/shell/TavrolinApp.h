// The program's application object: one instance per logon session, then
// OLE, the registry key, the document template, the history database, the
// online check, the settings and the main window, in that order.
#pragma once
#include "framework/windows/CWinApp.h"

class CTavrolinApp : public CWinApp
{
public:
    CTavrolinApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The start's last step, once the shell command made the main window:
    // shown unless it waits in the tray, then the start-up information.
    static void ShowMainWindow(CWnd* pMainWnd);

protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()

    // Open for the life of the process: the name exists while it runs.
    HANDLE m_hInstanceMutex;
    // A start that ends before the settings were read has none of the
    // user's to save: saving would put the defaults over them.
    BOOL m_bSettingsLoaded;
};
