// A window whose paint draws all of it: erasing is skipped so that a picture
// taken of it shows only what the paint drew.
#pragma once
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/CWnd.h"

class CPaintedWindow : public CWnd
{
protected:
    virtual void Paint(CPaintDC& dc) = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND)
            return TRUE;
        if (message != WM_PAINT)
            return CWnd::WindowProc(message, wParam, lParam);
        CPaintDC dc(this);
        Paint(dc);
        return 0;
    }
};
