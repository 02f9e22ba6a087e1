// A solid brush selected into a DC for the length of the scope.
#pragma once
#include "framework/gdi/CBrush.h"

class CXTPBrushDC
{
public:
    CXTPBrushDC(HDC hDC, COLORREF crColor);
    virtual ~CXTPBrushDC();
    CXTPBrushDC(const CXTPBrushDC&) = delete;
    CXTPBrushDC& operator=(const CXTPBrushDC&) = delete;

    // Replaces the scope's brush by one of another colour.
    void SetColor(COLORREF crColor);

private:
    CBrush m_brush;
    HDC m_hDC;
    HGDIOBJ m_hOldBrush;
};
