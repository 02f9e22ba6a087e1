// Windows and spies shared by the tooltip tests: an owner window with a list
// of tools, a drawn tip that logs the tooltip messages it gets and runs on a
// hand-set clock, and a context that creates such tips.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/windows/CWnd.h"
#include "toolkit/common/tooltips/XTPToolTipContext.h"
#include "toolkit/common/tooltips/XTPToolTipContextToolTip.h"
#include "support/TestPump.h"

namespace tiptest {

// The clock of every spy tip.
extern DWORD g_tick;

struct Tool
{
    UINT id;
    RECT rect;
    CString text;
    CString title;
    CString description;
    UINT extraFlags = 0;
};

class COwnerWnd : public CWnd
{
public:
    std::vector<Tool> tools;
    // The answer to the tip's text request: set lpszText to this pointer,
    // or to a resource id of resourceInstance, or copy into the buffer.
    // byFullBuffer fills all 80 characters and leaves out the terminator.
    enum DispInfoMode { byPointer, byResource, byBuffer, byFullBuffer } dispInfoMode = byPointer;
    CString dispInfoText;
    HINSTANCE resourceInstance = nullptr;
    UINT resourceId = 0;
    int dispInfoRequests = 0;

    BOOL CreateAt(int x, int y, int cx, int cy);
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    // Screen point of a client point.
    POINT ScreenPoint(int x, int y) const;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CSpyToolTip : public CXTPToolTipContextToolTip
{
public:
    explicit CSpyToolTip(CXTPToolTipContext* pContext) : CXTPToolTipContextToolTip(pContext) {}
    std::vector<std::wstring> log;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    DWORD GetCurrentTick() const override { return g_tick; }
};

class CSpyContext : public CXTPToolTipContext
{
public:
    int created = 0;
    void SetComCtlVersion(DWORD dwVersion) { m_dwComCtlVersion = dwVersion; }
    CWnd* CreateToolTip(CWnd* pParent) override;
    CSpyToolTip* Spy() const { return dynamic_cast<CSpyToolTip*>(GetToolTip()); }
};

// Puts the mouse on a screen point and hands the context a mouse move.
void MoveMouse(CXTPToolTipContext& context, CWnd& owner, POINT screenPoint);

} // namespace tiptest
