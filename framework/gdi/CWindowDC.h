// The device context of a whole window (non-client area included).
#pragma once
#include "framework/gdi/CDC.h"

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)

public:
    // A null window gives the screen's DC.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
