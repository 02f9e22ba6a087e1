// Bar behaviour that comes with the bar window's own part: loading toolbars, keyboard navigation, customize drops, persistence, idle update.
// Until then these keep the bar drawable and clickable and nothing more:
// painting fills the bar and draws its visible controls at the rectangles
// they were given; a press goes to the control under the mouse.
#include "framework/gdi/CPaintDC.h"
#include "toolkit/commandbars/XTPCommandBar.h"
#include "toolkit/commandbars/XTPControl.h"
#include "toolkit/commandbars/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/XTPBufferDC.h"
#include "toolkit/common/XTPClientRect.h"
#include "toolkit/common/XTPFontDC.h"

BOOL CXTPCommandBar::LoadToolBar(UINT /*nIDResource*/, BOOL /*bLoadIcons*/)
{
    return FALSE;
}

void CXTPCommandBar::OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point)
{
    m_rcMarker.SetRectEmpty();
    OnCustomizeDragOver(pDataObject, point);
}

void CXTPCommandBar::OnCustomizeDragLeave()
{
}

DROPEFFECT CXTPCommandBar::OnCustomizeDragOver(CXTPControl* /*pDataObject*/, CPoint /*point*/)
{
    return DROPEFFECT_NONE;
}

void CXTPCommandBar::OnCustomizeDrop(CXTPControl* /*pDataObject*/, DROPEFFECT& /*dropEffect*/, CPoint /*ptDrop*/,
                                     CPoint /*ptDrag*/)
{
}

void CXTPCommandBar::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
}

int CXTPCommandBar::OnHookKeyDown(UINT /*nChar*/, LPARAM /*lParam*/)
{
    return 0;
}

BOOL CXTPCommandBar::ProcessSpecialKey(XTPSpecialKey /*key*/)
{
    return FALSE;
}

void CXTPCommandBar::Copy(CXTPCommandBar* /*pCommandBar*/, BOOL /*bRecursive*/)
{
}

void CXTPCommandBar::GenerateCommandBarList(DWORD& /*nID*/, CXTPCommandBarList* /*pCommandBarList*/,
                                            XTP_COMMANDBARS_PROPEXCHANGE_PARAM* /*pParam*/)
{
}

void CXTPCommandBar::RestoreCommandBarList(CXTPCommandBarList* /*pCommandBarList*/)
{
}

void CXTPCommandBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
}

CXTPCommandBar* CXTPCommandBar::Clone(BOOL /*bRecursive*/)
{
    return nullptr;
}

BOOL CXTPCommandBar::SetPopuped(int nPopuped, BOOL /*bKeyboard*/)
{
    if (nPopuped == m_nPopuped)
        return FALSE;
    m_nPopuped = -1;
    return FALSE;
}

int CXTPCommandBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& /*lResult*/)
{
    if (!hWnd && nMessage == WM_KEYDOWN)
        return OnHookKeyDown(static_cast<UINT>(wParam), lParam);
    return 0;
}

void CXTPCommandBar::DrawCommandBar(CDC* pDC, CRect /*rcClipBox*/)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPFontDC font(pDC, pPaintManager->GetCommandBarFont(this));
    pPaintManager->FillCommandBarEntry(pDC, this);
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && i > 0)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        pControl->Draw(pDC);
    }
}

LRESULT CXTPCommandBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        CPaintDC paint(this);
        CXTPClientRect rc(GetSafeHwnd());
        CXTPBufferDC dc(paint.m_hDC, rc);
        DrawCommandBar(&dc, rc);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        for (int i = 0; i < GetControlCount(); i++) {
            CXTPControl* pControl = GetControl(i);
            if (!pControl->IsVisible() || !pControl->GetRect().PtInRect(pt))
                continue;
            if (message == WM_LBUTTONDOWN)
                pControl->OnClick(FALSE, pt);
            else
                pControl->OnLButtonUp(pt);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
