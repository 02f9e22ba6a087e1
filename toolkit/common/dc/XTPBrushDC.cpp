#include "toolkit/common/dc/XTPBrushDC.h"

CXTPBrushDC::CXTPBrushDC(HDC hDC, COLORREF crColor)
    : m_hDC(hDC)
    , m_hOldBrush(nullptr)
{
    m_brush.CreateSolidBrush(crColor);
    if (m_hDC)
        m_hOldBrush = ::SelectObject(m_hDC, m_brush.GetSafeHandle());
}

CXTPBrushDC::~CXTPBrushDC()
{
    if (m_hDC && m_hOldBrush)
        ::SelectObject(m_hDC, m_hOldBrush);
    m_brush.DeleteObject();
}

void CXTPBrushDC::SetColor(COLORREF crColor)
{
    // The brush must be out of the DC before it can be deleted.
    if (m_hDC && m_hOldBrush)
        ::SelectObject(m_hDC, m_hOldBrush);
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(crColor);
    if (m_hDC)
        m_hOldBrush = ::SelectObject(m_hDC, m_brush.GetSafeHandle());
}
