// The device context of a WM_PAINT handler: BeginPaint on construction,
// EndPaint on destruction.
#pragma once
#include "framework/gdi/CDC.h"

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

protected:
    HWND m_hWnd = nullptr;
};
