// A control (static or edit) with a one-pixel border in the colours of the
// current command-bar theme instead of the system's border.
#pragma once
#include "framework/gdi/CWindowDC.h"
#include "framework/windows/CWnd.h"
#include "toolkit/common/colors/XTPBarThemeQuery.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/dc/XTPWindowRect.h"

template <class TBase, int nBorderWidth>
class CXTPOfficeBorder : public TBase
{
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_CREATE:
            return OnBorderCreate(wParam, lParam);
        case WM_NCCALCSIZE:
            return OnBorderNcCalcSize(wParam, lParam);
        case WM_NCPAINT:
            return OnBorderNcPaint(wParam, lParam);
        default:
            return TBase::WindowProc(message, wParam, lParam);
        }
    }

    // The colour of the top-left (TRUE) or bottom-right (FALSE) edges.
    virtual COLORREF GetBorderColor(BOOL bTopLeft)
    {
        CXTPColorManager* pColors = XTPGetColorManager();
        switch (XTPGetCurrentBarTheme())
        {
        case 0:
        case 1:
            return pColors->GetColor(bTopLeft ? 16 : 20);
        case 2:
            return pColors->GetColor(54);
        case 3:
            return pColors->GetColor(57);
        default:
            return pColors->GetColor(52);
        }
    }

private:
    LRESULT OnBorderCreate(WPARAM wParam, LPARAM lParam)
    {
        LRESULT result = TBase::WindowProc(WM_CREATE, wParam, lParam);
        if (result == -1)
            return -1;
        // The system's border and client edge give way to our own.
        this->ModifyStyle(WS_BORDER, 0);
        this->ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
        ::SetWindowPos(this->GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return 0;
    }

    LRESULT OnBorderNcCalcSize(WPARAM wParam, LPARAM lParam)
    {
        LRESULT result = TBase::WindowProc(WM_NCCALCSIZE, wParam, lParam);
        RECT* pRect = reinterpret_cast<RECT*>(lParam);
        ::InflateRect(pRect, -nBorderWidth, -nBorderWidth);
        return result;
    }

    LRESULT OnBorderNcPaint(WPARAM wParam, LPARAM lParam)
    {
        TBase::WindowProc(WM_NCPAINT, wParam, lParam);

        CWindowDC dc(this);
        CXTPWindowRect rcWindow(this->GetSafeHwnd());
        CRect rc(0, 0, rcWindow.Width(), rcWindow.Height());
        dc.Draw3dRect(rc, GetBorderColor(TRUE), GetBorderColor(FALSE));

        POINT ptClient = {0, 0};
        ::ClientToScreen(this->GetSafeHwnd(), &ptClient);
        if (ptClient.y - rcWindow.top > 1)
        {
            COLORREF clrWindow = XTPGetColorManager()->GetColor(5);
            rc.DeflateRect(1, 1);
            dc.Draw3dRect(rc, clrWindow, clrWindow);
        }
        return 0;
    }
};
