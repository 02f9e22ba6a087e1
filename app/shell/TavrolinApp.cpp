#include "app/shell/TavrolinApp.h"

#include <commctrl.h>
#include <locale.h>

#include "app/MainFrame.h"
#include "app/dialogs/AboutBoxDlg.h"
#include "app/TavrolinDoc.h"
#include "app/shell/SingleInstance.h"
#include "engine/OnlineCheck.h"
#include "engine/SettingsStore.h"
#include "engine/db/CDatabaseManager.h"
#include "framework/docview/CCommandLineInfo.h"
#include "framework/docview/CSingleDocTemplate.h"
#include "framework/ole/AfxOleInit.h"
#include "resources/AppIds.h"
#include "resources/FrameworkIds.h"

namespace {

// Messages of the start-up name no help topic.
void ShowStartupMessage(UINT nID)
{
    AfxMessageBox(nID, MB_OK, 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CTavrolinApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
END_MESSAGE_MAP()

CTavrolinApp::CTavrolinApp()
    : m_hInstanceMutex(nullptr)
    , m_bSettingsLoaded(FALSE)
{
}

BOOL CTavrolinApp::InitInstance()
{
    // The history dump's dates follow this locale.
    _wsetlocale(LC_ALL, L"german");

    m_hInstanceMutex = ::CreateMutexW(nullptr, TRUE, BuildSingleInstanceMutexName());
    const DWORD dwError = ::GetLastError();
    if (m_hInstanceMutex != nullptr)
        ::ReleaseMutex(m_hInstanceMutex);
    if (dwError == ERROR_ALREADY_EXISTS)
    {
        ::PostMessageW(GetSharedMainWindow(), WM_ALREADY_RUNNING, 0, 0);
        return FALSE;
    }

    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), 0xFF};
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    if (!AfxOleInit())
    {
        ShowStartupMessage(IDS_OLE_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();
    SetRegistryKey(L"Brannoch");
    LoadStdProfileSettings(0);

    // The view is found by its run-time class, as the template creates it.
    CRuntimeClass* pViewClass = CRuntimeClass::FromName(L"CTavrolinView");
    if (pViewClass == nullptr)
        return FALSE;
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTavrolinDoc), RUNTIME_CLASS(CMainFrame),
                                          pViewClass));

    if (!CDatabaseManager::GetInstance().OpenOrCreate())
    {
        ShowStartupMessage(IDS_DATABASE_FAILED);
        return FALSE;
    }
    if (!IsOnline())
    {
        ShowStartupMessage(IDS_OFFLINE);
        return FALSE;
    }
    CSettingsStore::GetInstance().Load();
    m_bSettingsLoaded = TRUE;

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    ShowMainWindow(m_pMainWnd);
    return TRUE;
}

void CTavrolinApp::ShowMainWindow(CWnd* pMainWnd)
{
    CMainFrame* pFrame = DYNAMIC_DOWNCAST(CMainFrame, pMainWnd);
    // Started minimized with the search running: the window stays in the tray.
    if (pFrame == nullptr || !pFrame->IsInTray())
    {
        pMainWnd->ShowWindow(SW_SHOW);
        pMainWnd->UpdateWindow();
    }
    pMainWnd->SendMessage(WM_SHOW_STARTUP_INFO, 0, 0);
}

int CTavrolinApp::ExitInstance()
{
    if (m_bSettingsLoaded)
        CSettingsStore::GetInstance().Save();
    CDatabaseManager& database = CDatabaseManager::GetInstance();
    database.DeleteOpenOffers();
    database.Close();
    return CWinApp::ExitInstance();
}

void CTavrolinApp::OnAppAbout()
{
    CAboutBoxDlg dlg;
    dlg.DoModal();
}
