#include "toolkit/customize/imageeditor/XTPImageEditorPicker.h"

#include "framework/gdi/CPaintDC.h"
#include "framework/gdi/CRect.h"
#include "toolkit/customize/imageeditor/XTPImageEditorPicture.h"

BEGIN_MESSAGE_MAP(CXTPImageEditorPicker, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

void FillSolid(HDC hDC, const RECT& rc, COLORREF clr)
{
    ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void Frame(HDC hDC, CRect& rc, COLORREF clr)
{
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::FrameRect(hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
    rc.DeflateRect(1, 1);
}

} // namespace

void CXTPImageEditorPicker::SetColor(COLORREF clr)
{
    m_clr = clr;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CXTPImageEditorPicker::SetSelected(BOOL bSelected)
{
    m_bSelected = bSelected;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

BOOL CXTPImageEditorPicker::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPImageEditorPicker::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    HDC hDC = ::CreateCompatibleDC(dc.GetSafeHdc());
    HBITMAP hBuffer = ::CreateCompatibleBitmap(dc.GetSafeHdc(), rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hDC, hBuffer);
    if (m_clr == XTP_IMAGEEDITOR_TRANSPARENT) {
        FillSolid(hDC, rc, RGB(0xFF, 0xFF, 0xFF));
        const CPoint centre = rc.CenterPoint();
        FillSolid(hDC, CRect(rc.left, rc.top, centre.x, centre.y), RGB(0xEB, 0xEB, 0xEB));
        FillSolid(hDC, CRect(centre.x, centre.y, rc.right, rc.bottom), RGB(0xEB, 0xEB, 0xEB));
    } else {
        FillSolid(hDC, rc, m_clr);
    }
    CRect rcFrame = rc;
    if (m_bSelected) {
        Frame(hDC, rcFrame, RGB(0, 0, 0));
        Frame(hDC, rcFrame, RGB(0xFF, 0xFF, 0xFF));
        Frame(hDC, rcFrame, RGB(0, 0, 0));
    } else {
        Frame(hDC, rcFrame, ::GetSysColor(COLOR_3DDKSHADOW));
    }
    ::BitBlt(dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hDC, 0, 0, SRCCOPY);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBuffer);
    ::DeleteDC(hDC);
}

void CXTPImageEditorPicker::OnLButtonDown(UINT, CPoint)
{
    NMHDR nmhdr = {};
    nmhdr.hwndFrom = m_hWnd;
    nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nmhdr.code = NM_CLICK;
    ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
}

void CXTPImageEditorPicker::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}
