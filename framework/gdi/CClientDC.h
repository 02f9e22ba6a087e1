// The device context of a window's client area for the object's lifetime.
#pragma once
#include "framework/gdi/CDC.h"

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)

public:
    // A null window gives the screen's DC.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
