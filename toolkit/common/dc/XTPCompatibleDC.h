// A memory DC compatible with another (the screen for none) with a bitmap
// selected for the length of the scope.
#pragma once
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"

class CXTPCompatibleDC : public CDC
{
public:
    CXTPCompatibleDC(CDC* pDC, CBitmap* pBitmap);
    CXTPCompatibleDC(CDC* pDC, HBITMAP hBitmap);
    ~CXTPCompatibleDC() override;

private:
    HGDIOBJ m_hOldBitmap;
};
