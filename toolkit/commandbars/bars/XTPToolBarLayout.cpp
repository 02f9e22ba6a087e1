// A toolbar's layout docked and floating, and the buttons it places itself:
// the expand button, and the hide button of a floating bar.
#include <algorithm>
#include "framework/gdi/CClientDC.h"
#include "framework/windows/CControlBar.h"
#include "resources/ToolkitCommandBarsIds.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/bars/XTPToolBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/resources/XTPResourceManager.h"

namespace {
// The toolkit's layout bit: a bar may shrink (hiding what does not fit).
const DWORD kLayoutHideWrap = 0x80;
// A floating caption's title keeps at most this many caption heights of room.
const int kFloatingTitleRoom = 3;
} // namespace

// Nested classes: their run-time classes are spelled out.
CObject* CXTPToolBar::CXTPControlExpandButton::CreateObject()
{
    return new CXTPControlExpandButton;
}
CRuntimeClass CXTPToolBar::CXTPControlExpandButton::classCXTPControlExpandButton = {
    "CXTPToolBar::CXTPControlExpandButton", sizeof(CXTPToolBar::CXTPControlExpandButton), AFX_NO_SCHEMA,
    CXTPToolBar::CXTPControlExpandButton::CreateObject, RUNTIME_CLASS(CXTPControlPopup), nullptr};
static const AFX_CLASSINIT afxClassInit_CXTPToolBarExpandButton(
    &CXTPToolBar::CXTPControlExpandButton::classCXTPControlExpandButton);
CRuntimeClass* CXTPToolBar::CXTPControlExpandButton::GetRuntimeClass() const
{
    return &classCXTPControlExpandButton;
}

CObject* CXTPToolBar::CXTPControlButtonHide::CreateObject()
{
    return new CXTPControlButtonHide;
}
CRuntimeClass CXTPToolBar::CXTPControlButtonHide::classCXTPControlButtonHide = {
    "CXTPToolBar::CXTPControlButtonHide", sizeof(CXTPToolBar::CXTPControlButtonHide), AFX_NO_SCHEMA,
    CXTPToolBar::CXTPControlButtonHide::CreateObject, RUNTIME_CLASS(CXTPControlButton), nullptr};
static const AFX_CLASSINIT afxClassInit_CXTPToolBarButtonHide(
    &CXTPToolBar::CXTPControlButtonHide::classCXTPControlButtonHide);
CRuntimeClass* CXTPToolBar::CXTPControlButtonHide::GetRuntimeClass() const
{
    return &classCXTPControlButtonHide;
}

CXTPToolBar::CXTPControlExpandButton::CXTPControlExpandButton()
{
    SetID(XTP_ID_TOOLBAR_EXPAND);
    m_controlType = xtpControlButtonPopup;
    m_dwFlags = 28;
}

void CXTPToolBar::CXTPControlExpandButton::SetRect(CRect rcControl)
{
    CXTPControlPopup::SetRect(rcControl);
    m_bHiddenExists = FALSE;
    for (int i = 0; m_pParent && i < m_pParent->GetControlCount(); i++)
        if (m_pParent->GetControl(i)->GetHideFlags() == xtpHideWrap)
            m_bHiddenExists = TRUE;
}

void CXTPToolBar::CXTPControlExpandButton::Draw(CDC* pDC)
{
    BOOL bFloating = m_pParent && m_pParent->GetPosition() == xtpBarFloating;
    GetPaintManager()->DrawSpecialControl(pDC, bFloating ? xtpButtonCustomize : xtpButtonExpandToolbar, this,
                                          m_pParent, TRUE, &m_bHiddenExists);
}

BOOL CXTPToolBar::CXTPControlExpandButton::OnSetPopup(BOOL bPopup)
{
    m_bPopup = bPopup;
    if (!bPopup)
        return ClosePopupBar();
    CXTPCommandBars* pCommandBars = m_pParent ? m_pParent->GetCommandBars() : nullptr;
    if (!pCommandBars) {
        m_bPopup = FALSE;
        return FALSE;
    }
    // A new popup every time: it lists what the bar hides now.
    if (m_pCommandBar)
        m_pCommandBar->InternalRelease();
    m_pCommandBar = nullptr;
    CXTPPopupBar* pPopup = nullptr;
    CWnd* pSite = pCommandBars->GetSite();
    if (pSite && pSite->GetSafeHwnd()) {
        XTPCreateCommandBarRequest request = {nullptr, 0, 1, TRUE, FALSE, nullptr, 0};
        pSite->SendMessage(WM_XTP_CREATE_COMMANDBAR, 0, reinterpret_cast<LPARAM>(&request));
        pPopup = dynamic_cast<CXTPPopupBar*>(request.pCommandBar);
    }
    if (pPopup == nullptr)
        pPopup = CXTPPopupBar::CreatePopupBar(pCommandBars);
    if (!pPopup->IsKindOf(RUNTIME_CLASS(CXTPDialogBar)))
        pPopup->SetCustomizable(FALSE);
    m_pCommandBar = pPopup;
    CXTPToolBar* pToolBar = dynamic_cast<CXTPToolBar*>(m_pParent);
    pCommandBars->GetHiddenControls(pToolBar, pPopup);
    if (pToolBar && (pCommandBars->GetOptions()->bShowExpandButtonAlways ||
                     pCommandBars->IsCustomizeAvail())) {
        CString strCaption;
        XTPGetResourceManager()->LoadString(&strCaption, XTP_IDS_ADDORREMOVE);
        BOOL bBeginGroup = pPopup->GetControlCount() > 1;
        auto* pAddOrRemove =
            static_cast<CXTPControlPopup*>(pPopup->GetControls()->Add(xtpControlPopup, 0, CString()));
        pAddOrRemove->SetCaption(strCaption);
        pAddOrRemove->SetBeginGroup(bBeginGroup);
        if (pAddOrRemove->GetCommandBar() == nullptr) {
            CXTPPopupBar* pList = CXTPPopupBar::CreatePopupBar(pCommandBars);
            pAddOrRemove->SetCommandBar(pList);
            pList->InternalRelease();
        }
        pCommandBars->GetAddOrRemoveControls(pToolBar, pAddOrRemove->GetCommandBar());
    }
    if (!pPopup->Popup(this, m_bSelected == 2)) {
        m_bPopup = FALSE;
        return FALSE;
    }
    RedrawParent();
    return TRUE;
}

CXTPToolBar::CXTPControlButtonHide::CXTPControlButtonHide()
{
    SetID(XTP_ID_TOOLBAR_HIDE);
    m_dwFlags = 26;
}

CSize CXTPToolBar::CXTPControlButtonHide::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawSpecialControl(pDC, xtpButtonHideFloating, this, m_pParent, FALSE, nullptr);
}

void CXTPToolBar::CXTPControlButtonHide::Draw(CDC* pDC)
{
    GetPaintManager()->DrawSpecialControl(pDC, xtpButtonHideFloating, this, m_pParent, TRUE, nullptr);
}

void CXTPToolBar::CXTPControlButtonHide::OnExecute()
{
    if (m_pParent)
        m_pParent->SetVisible(FALSE);
}

CXTPControl* CXTPToolBar::FindOrAddSpecial(int nId, CRuntimeClass* pClass)
{
    CXTPControl* pControl = m_pControls->FindControl(nId);
    if (pControl && pControl->IsKindOf(pClass))
        return pControl;
    return m_pControls->Add(static_cast<CXTPControl*>(pClass->CreateObject()), nId, CString(), -1, TRUE);
}

CRect CXTPToolBar::GetBorders()
{
    if (m_barPosition == xtpBarFloating)
        return CRect(3, 3, 3, 3);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CRect rcBorder = pPaintManager->GetCommandBarBorders(this);
    if (m_dwStyle & CBRS_GRIPPER) {
        CClientDC dc(this);
        CSize szGripper = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE);
        rcBorder.left += szGripper.cx;
        rcBorder.top += szGripper.cy;
    }
    return rcBorder;
}

CSize CXTPToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcDockingLayout(nLength, dwMode);

    CClientDC dc(this);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPFontDC font(&dc, pPaintManager->GetCommandBarFont(this));
    int nCaption = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE).cy;
    CRect rcBorder = GetBorders();
    rcBorder.top += 1 + nCaption;

    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pHide = m_bCloseable ? FindOrAddSpecial(XTP_ID_TOOLBAR_HIDE, RUNTIME_CLASS(CXTPControlButtonHide))
                                      : nullptr;
    CXTPControl* pExpand = m_bShowExpandButton && pCommandBars
                               ? FindOrAddSpecial(XTP_ID_TOOLBAR_EXPAND, RUNTIME_CLASS(CXTPControlExpandButton))
                               : nullptr;
    if (pHide)
        pHide->SetHideFlags(xtpHideGeneric);
    if (pExpand)
        pExpand->SetHideFlags(xtpHideGeneric);

    BOOL bExpandAlways = !pCommandBars || pCommandBars->GetOptions()->bShowExpandButtonAlways;
    // The caption keeps room for its buttons and a readable start of the title.
    int nButtons = (pHide ? 1 : 0) + (pExpand && bExpandAlways ? 1 : 0);
    int nTitle = m_strTitle.IsEmpty() ? 0 : std::min(static_cast<int>(dc.GetTextExtent(m_strTitle).cx) + 6,
                                                     kFloatingTitleRoom * nCaption);
    int nMinimum = rcBorder.left + nTitle + nButtons * nCaption + rcBorder.right;

    CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder, nMinimum);
    int nRight = sz.cx - 3;
    if (pHide) {
        pHide->SetHideFlags(0);
        pHide->SetRect(CRect(nRight - nCaption, 3, nRight, 3 + nCaption));
        nRight -= nCaption;
    }
    if (pExpand && nRight - nCaption > 0 && bExpandAlways) {
        pExpand->SetWrap(TRUE);
        pExpand->SetHideFlags(0);
        pExpand->SetRect(CRect(nRight - nCaption, 3, nRight, 3 + nCaption));
    }
    return sz;
}

CSize CXTPToolBar::CalcDockingLayout(int nLength, DWORD dwMode)
{
    CClientDC dc(this);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPFontDC font(&dc, pPaintManager->GetCommandBarFont(this));
    CRect rcBorder = GetBorders();
    BOOL bHorz = (dwMode & LM_HORZDOCK) != 0;

    if (CXTPControl* pHide = m_pControls->FindControl(XTP_ID_TOOLBAR_HIDE))
        pHide->SetHideFlags(xtpHideGeneric);
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPControl* pExpand = m_bShowExpandButton && pCommandBars
                               ? FindOrAddSpecial(XTP_ID_TOOLBAR_EXPAND, RUNTIME_CLASS(CXTPControlExpandButton))
                               : nullptr;
    if (pExpand)
        pExpand->SetHideFlags(xtpHideGeneric);

    if (pExpand && !pCommandBars->GetOptions()->bShowExpandButtonAlways) {
        if (!(dwMode & LM_COMMIT)) {
            CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder);
            CSize szShortest = m_pControls->CalcDynamicSize(&dc, 1, dwMode, rcBorder);
            int nVisible = 0;
            for (int i = 0; i < GetControlCount(); i++)
                if ((GetControl(i)->GetHideFlags() & ~static_cast<DWORD>(xtpHideWrap)) == 0)
                    nVisible++;
            // Room for the button the bar shows once it is squeezed.
            if (nVisible > 1) {
                if (bHorz)
                    sz.cx = std::max(sz.cx, szShortest.cx + XTP_EXPAND_BUTTON_SPACE);
                else
                    sz.cy = std::max(sz.cy, szShortest.cy + XTP_EXPAND_BUTTON_SPACE);
            }
            return sz;
        }
        CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder);
        BOOL bHidden = FALSE;
        for (int i = 0; i < GetControlCount(); i++)
            if (GetControl(i)->GetHideFlags() == xtpHideWrap)
                bHidden = TRUE;
        if (!bHidden)
            return sz;
    }

    CRect rcInner = rcBorder;
    if (pExpand) {
        if (bHorz)
            rcBorder.right += XTP_EXPAND_BUTTON_SPACE;
        else
            rcBorder.bottom += XTP_EXPAND_BUTTON_SPACE;
    }
    CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder);
    if (pExpand) {
        pExpand->SetHideFlags(0);
        CRect rcExpand = bHorz ? CRect(sz.cx - rcInner.right - XTP_EXPAND_BUTTON_SPACE, rcInner.top,
                                       sz.cx - rcInner.right, sz.cy - rcInner.bottom)
                               : CRect(rcInner.left, sz.cy - rcInner.bottom - XTP_EXPAND_BUTTON_SPACE,
                                       sz.cx - rcInner.right, sz.cy - rcInner.bottom);
        pExpand->SetRect(rcExpand);
        // A look that places the button itself does so in the window as it
        // is now: move that place to the size the bar is getting.
        if (pPaintManager->DrawSpecialControl(&dc, xtpButtonExpandToolbar, pExpand, this, FALSE, &sz) == CSize(0, 0)) {
            CRect rcPlaced = pExpand->GetRect();
            CXTPClientRect rcClient(GetSafeHwnd());
            if (bHorz) {
                rcPlaced.OffsetRect(sz.cx - rcClient.right, 0);
                rcPlaced.bottom = sz.cy - (rcClient.bottom - rcPlaced.bottom);
            } else {
                rcPlaced.OffsetRect(0, sz.cy - rcClient.bottom);
                rcPlaced.right = sz.cx - (rcClient.right - rcPlaced.right);
            }
            pExpand->SetRect(rcPlaced);
        }
    }
    return sz;
}

LRESULT CXTPToolBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (lpLayout == nullptr || !m_bVisible)
        return 0;
    DWORD dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
    if (m_dwFlags & XTP_BARFLAG_STRETCHED)
        dwMode |= LM_STRETCH;
    if (m_dwFlags & XTP_BARFLAG_HIDEWRAP)
        dwMode |= kLayoutHideWrap;
    if (lpLayout->hDWP == nullptr)
        dwMode &= ~static_cast<DWORD>(LM_COMMIT);
    CRect rcAvail(lpLayout->rect);
    CSize sz = CalcDockingLayout(rcAvail.Width(), dwMode);
    sz.cx = std::min<LONG>(sz.cx, rcAvail.Width());
    sz.cy = std::min<LONG>(sz.cy, rcAvail.Height());
    lpLayout->rect.top += sz.cy;
    lpLayout->sizeTotal.cy += sz.cy;
    lpLayout->sizeTotal.cx = std::max<LONG>(lpLayout->sizeTotal.cx, sz.cx);
    if (lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, nullptr, rcAvail.left, rcAvail.top, sz.cx, sz.cy,
                                          SWP_NOZORDER | SWP_NOACTIVATE);
    m_dwPendingFlags &= ~XTP_BAR_PENDING_REDRAW;
    if (!IsRedrawLocked())
        Invalidate(FALSE);
    return 0;
}
