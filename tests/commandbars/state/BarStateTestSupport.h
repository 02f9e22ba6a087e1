// A frame that handles the customize command and builds two toolbars,
// the application answering message boxes, and readers of the stored
// layout under the test's registry key.
#pragma once
#include <windows.h>
#include <vector>
#include "commandbars/CommandBarsTestSupport.h"
#include "commandbars/frame/FrameTestSupport.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"

const UINT kToolsBar = 100;
const UINT kViewBar = 101;
const UINT kDialogBar = 102;
const wchar_t kRegistryVendor[] = L"TavrolinBarStateTests";
const wchar_t kAppName[] = L"BarStateApp";

// The state tests' application: its name is the profile's.
class CStateApp : public CAnsweringApp
{
public:
    CStateApp() : CAnsweringApp(kAppName) {}
};

struct CFrameBuild
{
    // Buttons of the two built-in toolbars (0: a group begins).
    std::vector<UINT> toolsButtons{201, 202, 203};
    std::vector<UINT> viewButtons{301, 302};
    BOOL viewOnLeft = FALSE;
    BOOL statusBar = TRUE;
    // The tools bar ends with a menu (control 210) of the items 501-503.
    BOOL menuPopup = FALSE;
    // The tools bar ends with a combo box (control 220) listing two cities.
    BOOL comboBox = FALSE;
    // A dialog bar (kDialogBar) docked below the toolbars.
    BOOL dialogBar = FALSE;
    // A rebar (59396) made before the layout is loaded.
    BOOL reBar = FALSE;
    // Loaded while the frame is being created, as the program does.
    LPCWSTR loadProfile = nullptr;
    BOOL loadSilent = FALSE;
};

class CStateFrame : public CTestFrame
{
public:
    explicit CStateFrame(const CFrameBuild& build) : m_build(build) {}
    BOOL Open();
    CXTPToolBar* Bar(UINT nID) { return GetCommandBars()->FindToolBar(nID); }
    // The bar's controls as their ids.
    std::vector<int> Ids(UINT nBarID);
    std::vector<int> OriginalIds(UINT nBarID);
    CXTPCommandBar* Menu();
    // The entries of the tools bar's combo box.
    std::vector<CString> ComboEntries();
    CXTPStatusBar m_statusBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
    CFrameBuild m_build;
};

class CXTPControls;
std::vector<int> IdsOf(CXTPControls* pControls);

// The stored layout of the profile "CommandBars2" of the test application.
class CStoredLayout
{
public:
    static CString Key(LPCWSTR lpszSection);
    static BOOL Has(LPCWSTR lpszSection, LPCWSTR lpszValue);
    static DWORD Number(LPCWSTR lpszSection, LPCWSTR lpszValue, DWORD dwMissing = 0xDEAD);
    static std::vector<BYTE> Binary(LPCWSTR lpszSection, LPCWSTR lpszValue);
    static void SetNumber(LPCWSTR lpszSection, LPCWSTR lpszValue, DWORD dwValue);
    static void SetBinary(LPCWSTR lpszSection, LPCWSTR lpszValue, const std::vector<BYTE>& data);
    static void DeleteAll();
    // The hidden controls file in the prefix's application data.
    static CString ControlsFile();
};
