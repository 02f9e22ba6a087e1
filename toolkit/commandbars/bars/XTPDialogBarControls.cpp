// The dialog bar's caption controls and the popup of its caption.
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPen.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"

// Nested classes: their run-time classes are spelled out.
#define XTP_IMPLEMENT_DIALOGBAR_NESTED(nested, base)                                                          \
    CObject* CXTPDialogBar::nested::CreateObject() { return new nested; }                                    \
    CRuntimeClass CXTPDialogBar::nested::class##nested = {"CXTPDialogBar::" #nested,                         \
                                                          sizeof(CXTPDialogBar::nested), AFX_NO_SCHEMA,      \
                                                          CXTPDialogBar::nested::CreateObject,               \
                                                          RUNTIME_CLASS(base), nullptr};                     \
    static const AFX_CLASSINIT afxClassInit_CXTPDialogBar##nested(&CXTPDialogBar::nested::class##nested);    \
    CRuntimeClass* CXTPDialogBar::nested::GetRuntimeClass() const { return &class##nested; }

XTP_IMPLEMENT_DIALOGBAR_NESTED(CXTPCaptionPopupBar, CXTPPopupBar)
XTP_IMPLEMENT_DIALOGBAR_NESTED(CXTPControlCaptionPopup, CXTPControlPopup)
// The hide cross derives from the toolbar's nested glyph.
CObject* CXTPDialogBar::CXTPControlButtonHide::CreateObject()
{
    return new CXTPControlButtonHide;
}
CRuntimeClass CXTPDialogBar::CXTPControlButtonHide::classCXTPControlButtonHide = {
    "CXTPDialogBar::CXTPControlButtonHide", sizeof(CXTPDialogBar::CXTPControlButtonHide), AFX_NO_SCHEMA,
    CXTPDialogBar::CXTPControlButtonHide::CreateObject,
    &CXTPToolBar::CXTPControlButtonHide::classCXTPControlButtonHide, nullptr};
static const AFX_CLASSINIT afxClassInit_CXTPDialogBarButtonHide(
    &CXTPDialogBar::CXTPControlButtonHide::classCXTPControlButtonHide);
CRuntimeClass* CXTPDialogBar::CXTPControlButtonHide::GetRuntimeClass() const
{
    return &classCXTPControlButtonHide;
}

CXTPDialogBar::CXTPCaptionPopupBar::CXTPCaptionPopupBar()
{
    m_popupFlags = xtpPopupDown;
}

void CXTPDialogBar::CXTPCaptionPopupBar::UpdateLocation()
{
    CXTPPopupBar::UpdateLocation();
    if (m_pControlPopup == nullptr || m_pControlPopup->GetParent() == nullptr)
        return;
    CRect rc = m_pControlPopup->GetRect();
    CPoint pt(rc.left, rc.bottom);
    m_pControlPopup->GetParent()->ClientToScreen(&pt);
    m_ptPopup = pt;
    m_popupFlags = xtpPopupLeft | xtpPopupDown;
}

CXTPDialogBar::CXTPControlCaptionPopup::CXTPControlCaptionPopup()
{
    m_dwFlags = 30;
}

BOOL CXTPDialogBar::CXTPControlCaptionPopup::OnSetPopup(BOOL bPopup)
{
    if (bPopup && !m_bHasPopup)
        return FALSE;
    return CXTPControlPopup::OnSetPopup(bPopup);
}

void CXTPDialogBar::CXTPControlCaptionPopup::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!m_bHasPopup)
        return;
    CXTPControlPopup::OnClick(bKeyboard, pt);
}

void CXTPDialogBar::CXTPControlCaptionPopup::AdjustExcludeRect(CRect& rc)
{
    GetPaintManager()->AdjustExcludeRect(rc, this, FALSE);
}

void CXTPDialogBar::CXTPControlCaptionPopup::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPFontDC font(pDC, pPaintManager->GetCommandBarFont(m_pParent));
    CRect rc = GetRect();
    if (!m_bHasPopup) {
        pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    } else {
        pPaintManager->DrawStateRect(pDC, rc, GetEnabled(), GetSelected(), GetPressed(), GetChecked(), GetPopup(),
                                     m_pParent != nullptr ? m_pParent->GetPosition() : xtpBarTop);
        const int nMiddle = rc.CenterPoint().y;
        POINT arrow[3] = {{rc.right - 13, nMiddle - 2}, {rc.right - 5, nMiddle - 2}, {rc.right - 9, nMiddle + 2}};
        const COLORREF clrArrow = pDC->GetTextColor();
        CBrush brush;
        brush.CreateSolidBrush(clrArrow);
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, clrArrow);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->Polygon(arrow, 3);
        pDC->SelectObject(pOldPen);
        pDC->SelectObject(pOldBrush);
        rc.right -= 13;
    }
    pDC->SetBkMode(TRANSPARENT);
    CString strCaption = GetCaption();
    pDC->DrawText(strCaption, &rc, DT_VCENTER | DT_SINGLELINE);
}

CXTPDialogBar::CXTPControlButtonHide::CXTPControlButtonHide()
{
    SetTooltip(L"\nSchlie\x00DF" L"en");
}

void CXTPDialogBar::CXTPControlButtonHide::Draw(CDC* pDC)
{
    CFont font;
    const int nDpi = pDC->GetDeviceCaps(LOGPIXELSX);
    font.CreatePointFont(80 * 96 / (nDpi > 0 ? nDpi : 96), L"Marlett", pDC);
    CFont* pOldFont = pDC->SelectObject(&font);
    GetPaintManager()->DrawControlState(pDC, this);
    pDC->SetBkMode(TRANSPARENT);
    CRect rc = GetRect();
    pDC->DrawText(CString(L"r"), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
}
