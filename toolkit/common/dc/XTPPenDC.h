// A one-pixel solid pen selected into a DC for the length of the scope.
#pragma once
#include "framework/gdi/CPen.h"

class CXTPPenDC
{
public:
    CXTPPenDC(HDC hDC, COLORREF crColor);
    virtual ~CXTPPenDC();
    CXTPPenDC(const CXTPPenDC&) = delete;
    CXTPPenDC& operator=(const CXTPPenDC&) = delete;

    COLORREF GetColor() const;

private:
    CPen m_pen;
    HDC m_hDC;
    HGDIOBJ m_hOldPen;
};
