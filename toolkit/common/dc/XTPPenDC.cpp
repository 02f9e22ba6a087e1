#include "toolkit/common/dc/XTPPenDC.h"

CXTPPenDC::CXTPPenDC(HDC hDC, COLORREF crColor)
    : m_hDC(hDC)
    , m_hOldPen(nullptr)
{
    m_pen.CreatePen(PS_SOLID, 1, crColor);
    if (m_hDC)
        m_hOldPen = ::SelectObject(m_hDC, m_pen.GetSafeHandle());
}

CXTPPenDC::~CXTPPenDC()
{
    if (m_hDC && m_hOldPen)
        ::SelectObject(m_hDC, m_hOldPen);
    m_pen.DeleteObject();
}

COLORREF CXTPPenDC::GetColor() const
{
    LOGPEN logPen = {};
    m_pen.GetObject(sizeof(logPen), &logPen);
    return logPen.lopnColor;
}
