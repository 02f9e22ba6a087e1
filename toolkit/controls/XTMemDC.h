// An off-screen device context for flicker-free painting: drawing goes to a
// bitmap of the rectangle's size, optionally prefilled with a gradient, that
// is copied to the target when the object goes out of scope.
#pragma once
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CRect.h"
#include "toolkit/common/colors/XTPGradientValue.h"

class CXTMemDC : public CDC
{
public:
    // An empty rectangle stands for the target's clip box. A background
    // whose dark end is unset leaves the bitmap unfilled.
    CXTMemDC(CDC* pDC, const CRect& rect, const CXTPGradientValue& clrBack = FaceBackground(), BOOL bHorz = FALSE);
    ~CXTMemDC() override;
    CXTMemDC(const CXTMemDC&) = delete;
    CXTMemDC& operator=(const CXTMemDC&) = delete;

    BOOL IsValid() const { return m_bValid; }
    const CRect& GetRect() const { return m_rc; }

    // The 3D face colour of the colour manager, both ends.
    static CXTPGradientValue FaceBackground();

private:
    CDC* m_pDC;
    CRect m_rc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    BOOL m_bValid = FALSE;
};
