#include "toolkit/common/dc/XTPBitmapDC.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CDC.h"

CXTPBitmapDC::CXTPBitmapDC(CDC* pDC, CBitmap* pBitmap)
    : m_hDC(pDC->GetSafeHdc())
    , m_hOldBitmap(nullptr)
{
    // A DC always holds a bitmap; selecting none is the same as keeping it.
    if (pBitmap && pBitmap->GetSafeHandle())
        m_hOldBitmap = ::SelectObject(m_hDC, pBitmap->GetSafeHandle());
}

CXTPBitmapDC::~CXTPBitmapDC()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
}
