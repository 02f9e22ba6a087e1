// A frame built as the program builds its own: status bar, menu bar from
// menu 128, the toolbar from resource 130 and the accelerators 128, its
// layout loaded from and saved to the profile "CommandBars2"; its customize
// command makes the sheet with the program's pages and categories.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/frame/XTPFrameWnd.h"
#include "toolkit/commandbars/frame/XTPStatusBar.h"

class CXTPCustomizeSheet;
class CXTPToolBar;

namespace custtest {

constexpr UINT kCustomizeCommand = 35001;
constexpr UINT kStatusBarId = 59393;
extern const wchar_t kProgramProfile[];

// The registry key the program frame's application stores under.
class CProgramApp : public CWinApp
{
public:
    CProgramApp();
    // Removes everything stored under the application's key.
    static void DeleteStored();
};

class CProgramFrame : public CXTPFrameWnd
{
public:
    // Loads the stored layout while it is created when bLoad.
    explicit CProgramFrame(BOOL bLoad = FALSE) : m_bLoad(bLoad) {}
    ~CProgramFrame() override;
    BOOL Open();
    void Save();
    CXTPToolBar* ToolBar();
    // The sheet while the customize command runs it.
    CXTPCustomizeSheet* Sheet() const { return m_pSheet; }
    HWND View() const { return m_hWndView; }
    int viewClicks = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCustomize();
    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK ViewProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL m_bLoad;
    CXTPStatusBar m_wndStatusBar;
    CXTPCustomizeSheet* m_pSheet = nullptr;
    HWND m_hWndView = nullptr;
    int m_nThemeBefore = -1;
};

} // namespace custtest
