// Selects a bitmap into a DC for the length of the scope.
#pragma once
#include <windows.h>

class CDC;
class CBitmap;

class CXTPBitmapDC
{
public:
    CXTPBitmapDC(CDC* pDC, CBitmap* pBitmap);
    virtual ~CXTPBitmapDC();
    CXTPBitmapDC(const CXTPBitmapDC&) = delete;
    CXTPBitmapDC& operator=(const CXTPBitmapDC&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOldBitmap;
};
