// The application object: one per program. Holds the program's names and
// start-up arguments and gives the program its settings storage: the
// registry under HKEY_CURRENT_USER\Software\<registry key>\<profile name>
// after SetRegistryKey, an INI file named by the profile name before.
#pragma once
#include "framework/collections/CollectionHelpers.h"
#include "framework/text/CString.h"
#include "framework/windows/CWinThread.h"

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CRecentFileList;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

public:
    // A null name takes the title string (AFX_IDS_APP_TITLE) or, without
    // one, the program file's name.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Start-up arguments (set by the entry point).
    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    // Names, owned by the object (allocated with _wcsdup, freed with free;
    // a program that replaces one frees the old value first).
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    // The help file: the program's path with the extension ".HLP".
    LPCTSTR m_pszHelpFilePath = nullptr;

    UINT m_nNumPreviewPages = 0;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;

    // Moves the settings into the registry: HKCU\Software\<key>\<app name>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

    // HKCU\Software\<registry key>\<profile name>, created when missing;
    // null without a registry key. The caller closes the key.
    HKEY GetAppRegistryKey();
    // The section's key below the application's key, created when missing.
    HKEY GetSectionKey(LPCTSTR lpszSection);

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    // A null entry deletes the whole section, a null value the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // On success *ppData is allocated with new[] (the caller deletes it);
    // on failure it is null and *pBytes 0.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Reads the framework's own settings and, for nMaxMRU above 0, the
    // recent-file list of that many entries (commands from ID_FILE_MRU_FILE1).
    void LoadStdProfileSettings(UINT nMaxMRU = 4);

    // Document templates, owned by the application from here on.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    // Fills the record from the program's command line.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Does what the command line asks: a plain start makes a new document
    // (FALSE unless a main window came of it); other commands answer FALSE.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // A new document of the first template.
    afx_msg void OnFileNew();

    CDocManager* m_pDocManager = nullptr;
    // Made by LoadStdProfileSettings; owned.
    CRecentFileList* m_pRecentFileList = nullptr;

    // Shows a message box owned by the main window with the application's
    // name as caption.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // FALSE while a modal dialog or sheet runs, TRUE afterwards (calls
    // nest): for modeless windows an application keeps outside its frames.
    // The frame's own windows are not touched here: a frame disabled by the
    // dialog it owns takes them along (CFrameWnd::OnEnable), and a sheet
    // that leaves its frame enabled (the bars' customize sheet) keeps the
    // frame and its bars usable.
    virtual void EnableModeless(BOOL bEnable);

    // Opens the help file for the main window; a help file that does not
    // exist is reported with the framework's message instead.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

protected:
    // ID_APP_EXIT: closes the main window.
    afx_msg void OnAppExit();
    // ID_HELP: the help file's contents and index.
    afx_msg void OnHelpFinder();

    DECLARE_MESSAGE_MAP()

private:
    HKEY OpenSectionKey(LPCTSTR lpszSection, BOOL bCreate);
    HKEY OpenAppKey(BOOL bCreate);
};

// The application object (null before it was constructed).
CWinApp* AfxGetApp();
LPCTSTR AfxGetAppName();

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The module that holds a resource: the resource module when it has it,
// else the program itself.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Called by the program's entry point.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
