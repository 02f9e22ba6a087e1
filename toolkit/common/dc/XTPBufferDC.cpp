#include "toolkit/common/dc/XTPBufferDC.h"

CXTPBufferDC::CXTPBufferDC(HDC hDestDC, const CRect& rcPaint)
    : m_hDestDC(hDestDC)
    , m_rect(rcPaint)
    , m_hOldBitmap(nullptr)
{
    Attach(::CreateCompatibleDC(m_hDestDC));
    m_bitmap.Attach(::CreateCompatibleBitmap(m_hDestDC, m_rect.right, m_rect.bottom));
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
}

CXTPBufferDC::~CXTPBufferDC()
{
    ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}
