#include "toolkit/common/dc/XTPCompatibleDC.h"

CXTPCompatibleDC::CXTPCompatibleDC(CDC* pDC, CBitmap* pBitmap)
    : CXTPCompatibleDC(pDC, pBitmap ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr)
{
}

CXTPCompatibleDC::CXTPCompatibleDC(CDC* pDC, HBITMAP hBitmap)
    : m_hOldBitmap(nullptr)
{
    Attach(::CreateCompatibleDC(pDC ? pDC->GetSafeHdc() : nullptr));
    if (hBitmap)
        m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

CXTPCompatibleDC::~CXTPCompatibleDC()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC();
}
