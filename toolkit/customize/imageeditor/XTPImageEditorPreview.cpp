#include "toolkit/customize/imageeditor/XTPImageEditorPreview.h"

#include "framework/gdi/CDC.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/gdi/CRect.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"
#include "toolkit/common/images/XTPImageBlit.h"
#include "toolkit/customize/imageeditor/XTPImageEditorDlg.h"
#include "toolkit/customize/imageeditor/XTPImageEditorPicture.h"

BEGIN_MESSAGE_MAP(CXTPImageEditorPreview, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

void FillSolid(HDC hDC, const RECT& rc, COLORREF clr)
{
    ::SetBkColor(hDC, clr);
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

// Top and left edges in one colour, bottom and right in the other.
void Frame3D(HDC hDC, const CRect& rc, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolid(hDC, CRect(rc.left, rc.top, rc.right - 1, rc.top + 1), clrTopLeft);
    FillSolid(hDC, CRect(rc.left, rc.top, rc.left + 1, rc.bottom - 1), clrTopLeft);
    FillSolid(hDC, CRect(rc.left, rc.bottom - 1, rc.right, rc.bottom), clrBottomRight);
    FillSolid(hDC, CRect(rc.right - 1, rc.top, rc.right, rc.bottom), clrBottomRight);
}

} // namespace

BOOL CXTPImageEditorPreview::Create(UINT nID, CXTPImageEditorDlg* pDlg)
{
    m_pDlg = pDlg;
    const CSize size = pDlg->GetImageSize();
    m_nImageWidth = size.cx;
    m_nImageHeight = size.cy;
    return SubclassDlgItem(nID, pDlg);
}

BOOL CXTPImageEditorPreview::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTPImageEditorPreview::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    HBITMAP hBuffer = ::CreateCompatibleBitmap(dc.GetSafeHdc(), rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(memDC.GetSafeHdc(), hBuffer);
    const HDC hDC = memDC.GetSafeHdc();
    FillSolid(hDC, rc, ::GetSysColor(COLOR_3DFACE));

    const CRect rcImage(CPoint(10, (rc.Height() - m_nImageHeight) / 2), CSize(m_nImageWidth, m_nImageHeight));
    CRect rcFrame = rcImage;
    rcFrame.InflateRect(3, 3);
    Frame3D(hDC, rcFrame, RGB(0xFF, 0xFF, 0xFF), ::GetSysColor(COLOR_3DSHADOW));
    rcFrame.InflateRect(1, 1);
    Frame3D(hDC, rcFrame, ::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DDKSHADOW));

    const CXTPImageEditorPicture::CAlphaBitmap* pImage = m_pDlg != nullptr ? m_pDlg->GetPicture().GetImage() : nullptr;
    if (pImage != nullptr && pImage->m_bAlpha) {
        HBITMAP hPremultiplied = XTPPreMultiplyAlphaBitmap(static_cast<HBITMAP>(pImage->GetSafeHandle()));
        if (hPremultiplied != nullptr) {
            XTPDrawAlphaBitmap(&memDC, hPremultiplied, rcImage.left, rcImage.top, m_nImageWidth, m_nImageHeight);
            ::DeleteObject(hPremultiplied);
        }
    } else if (pImage != nullptr) {
        CXTPImageEditorPicture::CAlphaBitmap* pShown = pImage->Clone();
        DWORD* pPixels = pShown != nullptr ? pShown->GetPixels() : nullptr;
        if (pPixels != nullptr) {
            const COLORREF face = ::GetSysColor(COLOR_3DFACE);
            const DWORD facePixel = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
            const CSize size = pShown->GetSize();
            for (long i = 0; i < size.cx * size.cy; i++) {
                if ((pPixels[i] & 0xFFFFFF) == 0xFFFEFF)
                    pPixels[i] = facePixel;
            }
            HDC hImageDC = ::CreateCompatibleDC(hDC);
            HGDIOBJ hOldImage = ::SelectObject(hImageDC, pShown->GetSafeHandle());
            ::BitBlt(hDC, rcImage.left, rcImage.top, m_nImageWidth, m_nImageHeight, hImageDC, 0, 0, SRCCOPY);
            ::SelectObject(hImageDC, hOldImage);
            ::DeleteDC(hImageDC);
        }
        delete pShown;
    }
    ::BitBlt(dc.GetSafeHdc(), 0, 0, rc.Width(), rc.Height(), hDC, 0, 0, SRCCOPY);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBuffer);
}
