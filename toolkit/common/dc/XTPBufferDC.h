// Paints into an off-screen bitmap and shows the result with one copy when
// the scope ends, so that paint handlers do not flicker. Drawing keeps the
// destination's coordinates.
#pragma once
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"

class CXTPBufferDC : public CDC
{
public:
    CXTPBufferDC(HDC hDestDC, const CRect& rcPaint);
    ~CXTPBufferDC() override;

    CDC* GetDestinationDC() { return CDC::FromHandle(m_hDestDC); }

private:
    HDC m_hDestDC;
    CBitmap m_bitmap;
    CRect m_rect;
    HGDIOBJ m_hOldBitmap;
};
