// Popup menu layout: short menus with their expand item, controls stacked
// from the top, and the scrolled layout of a menu taller than the screen.
#include <algorithm>
#include <vector>
#include "framework/gdi/CClientDC.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/dc/XTPFontDC.h"

namespace {
const int kScrollButtonHeight = 16;
const int kMinimumSize = 22;
const DWORD kShortMenuFlags = xtpHideScroll | xtpHideExpand;
} // namespace

// A nested class: its run-time class is spelled out.
CObject* CXTPPopupBar::CXTPControlExpandButton::CreateObject()
{
    return new CXTPControlExpandButton;
}
CRuntimeClass CXTPPopupBar::CXTPControlExpandButton::classCXTPControlExpandButton = {
    "CXTPPopupBar::CXTPControlExpandButton", sizeof(CXTPPopupBar::CXTPControlExpandButton), AFX_NO_SCHEMA,
    CXTPPopupBar::CXTPControlExpandButton::CreateObject, RUNTIME_CLASS(CXTPControlButton), nullptr};
static const AFX_CLASSINIT afxClassInit_CXTPPopupBarExpandButton(
    &CXTPPopupBar::CXTPControlExpandButton::classCXTPControlExpandButton);
CRuntimeClass* CXTPPopupBar::CXTPControlExpandButton::GetRuntimeClass() const
{
    return &classCXTPControlExpandButton;
}

CXTPPopupBar::CXTPControlExpandButton::CXTPControlExpandButton()
{
    m_nId = XTP_ID_POPUPBAR_EXPAND;
    m_dwFlags = 0x5A;
}

CSize CXTPPopupBar::CXTPControlExpandButton::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawSpecialControl(pDC, xtpButtonExpandMenu, this, m_pParent, FALSE, nullptr);
}

void CXTPPopupBar::CXTPControlExpandButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawSpecialControl(pDC, xtpButtonExpandMenu, this, m_pParent, TRUE, nullptr);
}

void CXTPPopupBar::CXTPControlExpandButton::OnExecute()
{
    CXTPPopupBar* pBar = dynamic_cast<CXTPPopupBar*>(m_pParent);
    if (pBar)
        pBar->ExpandBar();
}

CXTPControl* CXTPPopupBar::GetExpandControl()
{
    CXTPControl* pExpand = m_pControls->FindControl(XTP_ID_POPUPBAR_EXPAND);
    if (pExpand && pExpand->IsKindOf(&CXTPControlExpandButton::classCXTPControlExpandButton))
        return pExpand;
    pExpand = m_pControls->Add(new CXTPControlExpandButton(), XTP_ID_POPUPBAR_EXPAND);
    pExpand->SetTemporary(TRUE);
    return pExpand;
}

static BOOL IsExpandItem(CXTPControl* pControl)
{
    return pControl->IsKindOf(&CXTPPopupBar::CXTPControlExpandButton::classCXTPControlExpandButton);
}

void CXTPPopupBar::UpdateShortMenu()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    m_bHiddenExists = FALSE;
    if (!pCommandBars)
        return;
    BOOL bAlwaysFull = pCommandBars->GetOptions()->bAlwaysShowFullMenus;
    if (bAlwaysFull)
        m_bExpanded = TRUE;
    BOOL bOtherShown = FALSE;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (IsExpandItem(pControl))
            continue;
        BOOL bPlain = (pControl->GetHideFlags() & ~kShortMenuFlags) == 0;
        BOOL bHidden = !bAlwaysFull && pCommandBars->IsControlHidden(pControl);
        pControl->SetRarelyUsed(bHidden && bPlain);
        if (!bHidden && bPlain)
            bOtherShown = TRUE;
    }
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (IsExpandItem(pControl))
            continue;
        DWORD dwFlags = pControl->GetHideFlags() & ~static_cast<DWORD>(xtpHideExpand);
        // A short menu is never empty: with nothing else shown, all show.
        if (pControl->GetRarelyUsed() && !m_bExpanded && bOtherShown) {
            dwFlags |= xtpHideExpand;
            m_bHiddenExists = TRUE;
        }
        pControl->SetHideFlags(dwFlags);
    }
}

CSize CXTPPopupBar::CalcDynamicLayout(int /*nLength*/, DWORD dwMode)
{
    m_bLayoutRunning = TRUE;
    // Placeholders put their entries right after themselves: from the end,
    // so that what one adds is not asked again.
    for (int i = GetControlCount() - 1; i >= 0; i--) {
        if (CXTPControl* pControl = GetControl(i))
            pControl->OnCalcDynamicSize(dwMode);
    }
    UpdateShortMenu();
    CClientDC dc(GetSafeHwnd() ? static_cast<CWnd*>(this) : CWnd::FromHandle(::GetDesktopWindow()));
    CSize sz = LayoutMenu(&dc);
    if (m_bScrolling)
        LayoutScrolled(&dc, FALSE);
    m_bLayoutRunning = FALSE;
    return sz;
}

CSize CXTPPopupBar::LayoutMenu(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPFontDC font(pDC, pPaintManager->GetCommandBarFont(this));
    CRect rcWork(0, 0, 0, 0);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rcBorders = pPaintManager->GetCommandBarBorders(this);
    int nMaxWidth = rcWork.right / 3;
    int nGripper = m_bTearOffPopup ? pPaintManager->DrawTearOffGripper(pDC, CRect(0, 0, 0, 0), FALSE, FALSE).cy : 0;

    struct Row
    {
        CXTPControl* pControl;
        int top, bottom;
    };
    std::vector<Row> rows;
    int y = rcBorders.top + nGripper;
    int nWidth = 0;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (IsExpandItem(pControl))
            continue;
        DWORD dwFlags = pControl->GetHideFlags() & ~static_cast<DWORD>(xtpHideScroll);
        if (dwFlags != 0)
            continue;
        pControl->SetHideFlags(dwFlags);
        if (pControl->GetBeginGroup() && !rows.empty())
            y += pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, FALSE).cy;
        CSize szControl = pControl->GetSize(pDC);
        nWidth = std::max(nWidth, std::min(static_cast<int>(szControl.cx), nMaxWidth));
        rows.push_back({pControl, y, y + szControl.cy});
        y += szControl.cy;
    }
    CXTPControl* pExpand = m_pControls->FindControl(XTP_ID_POPUPBAR_EXPAND);
    if (m_bHiddenExists) {
        pExpand = GetExpandControl();
        pExpand->SetHideFlags(0);
        CSize szExpand = pExpand->GetSize(pDC);
        rows.push_back({pExpand, y, y + szExpand.cy});
        y += szExpand.cy;
    } else if (pExpand && IsExpandItem(pExpand)) {
        pExpand->SetHideFlags(xtpHideGeneric);
    }
    nWidth = std::max(nWidth, kMinimumSize);
    if (rows.empty())
        y = rcBorders.top + nGripper + kMinimumSize;
    m_rcTearOffGripper = m_bTearOffPopup
                             ? CRect(rcBorders.left, rcBorders.top, rcBorders.left + nWidth, rcBorders.top + nGripper)
                             : CRect(0, 0, 0, 0);
    for (const Row& row : rows)
        row.pControl->SetRect(CRect(rcBorders.left, row.top, rcBorders.left + nWidth, row.bottom));
    return CSize(rcBorders.left + nWidth + rcBorders.right, y + rcBorders.bottom);
}

void CXTPPopupBar::LayoutScrolled(CDC* pDC, BOOL bUpward)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CRect rcBorders = pPaintManager->GetCommandBarBorders(this);
    int nLeft = rcBorders.left, nRight = m_szLast.cx - rcBorders.right;
    int nTop = rcBorders.top + m_rcTearOffGripper.Height(), nBottom = m_nScrollHeight - rcBorders.bottom;
    m_rcScrollUp.SetRectEmpty();
    m_rcScrollDown.SetRectEmpty();

    // The controls that take part: plain ones (scrolling hides with flag 8).
    std::vector<int> items;
    CXTPControl* pExpand = nullptr;
    for (int i = 0; i < GetControlCount(); i++) {
        CXTPControl* pControl = GetControl(i);
        if (IsExpandItem(pControl)) {
            if (pControl->GetHideFlags() == 0)
                pExpand = pControl;
            continue;
        }
        if ((pControl->GetHideFlags() & ~static_cast<DWORD>(xtpHideScroll)) == 0) {
            pControl->SetHideFlags(pControl->GetHideFlags() & ~static_cast<DWORD>(xtpHideScroll));
            items.push_back(i);
        }
    }
    int nExpandHeight = pExpand ? pExpand->GetRect().Height() : 0;
    int nCount = GetControlCount();
    auto heightOf = [&](size_t k, BOOL bFirst) {
        CXTPControl* pControl = GetControl(items[k]);
        int h = pControl->GetRect().Height();
        if (pControl->GetBeginGroup() && !bFirst)
            h += pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, FALSE).cy;
        return h;
    };
    auto place = [&](size_t k, int top, BOOL bFirst) {
        CXTPControl* pControl = GetControl(items[k]);
        int h = pControl->GetRect().Height();
        int nSeparator = heightOf(k, bFirst) - h;
        pControl->SetRect(CRect(nLeft, top + nSeparator, nRight, top + nSeparator + h));
    };
    int nLimit = nBottom - nExpandHeight;

    if (!bUpward) {
        if (m_nFirstShown == 1)
            m_nFirstShown = 0;
        int y = nTop;
        if (m_nFirstShown > 0) {
            m_rcScrollUp = CRect(nLeft, y, nRight, y + kScrollButtonHeight);
            y += kScrollButtonHeight;
        }
        BOOL bFirst = TRUE, bFull = FALSE;
        m_nLastShown = m_nFirstShown;
        for (size_t k = 0; k < items.size(); k++) {
            CXTPControl* pControl = GetControl(items[k]);
            if (items[k] < m_nFirstShown || bFull) {
                pControl->SetHideFlags(pControl->GetHideFlags() | xtpHideScroll);
                continue;
            }
            int h = heightOf(k, bFirst);
            BOOL bMoreBelow = k + 1 < items.size();
            if (!bFirst && y + h > nLimit - (bMoreBelow ? kScrollButtonHeight : 0)) {
                bFull = TRUE;
                pControl->SetHideFlags(pControl->GetHideFlags() | xtpHideScroll);
                continue;
            }
            place(k, y, bFirst);
            y += h;
            bFirst = FALSE;
            m_nLastShown = items[k] + 1;
        }
        if (bFull)
            m_rcScrollDown = CRect(nLeft, nLimit - kScrollButtonHeight, nRight, nLimit);
    } else {
        if (m_nLastShown >= nCount - 1)
            m_nLastShown = nCount;
        BOOL bMoreBelow = FALSE;
        for (int index : items)
            bMoreBelow |= index >= m_nLastShown;
        int y = nLimit;
        if (bMoreBelow) {
            m_rcScrollDown = CRect(nLeft, y - kScrollButtonHeight, nRight, y);
            y -= kScrollButtonHeight;
        }
        BOOL bFull = FALSE, bPlacedAny = FALSE;
        m_nFirstShown = m_nLastShown;
        for (size_t k = items.size(); k-- > 0;) {
            CXTPControl* pControl = GetControl(items[k]);
            if (items[k] >= m_nLastShown || bFull) {
                pControl->SetHideFlags(pControl->GetHideFlags() | xtpHideScroll);
                continue;
            }
            int h = heightOf(k, k == 0);
            int nAbove = k > 0 ? kScrollButtonHeight : 0;
            if (bPlacedAny && y - h < nTop + nAbove) {
                bFull = TRUE;
                pControl->SetHideFlags(pControl->GetHideFlags() | xtpHideScroll);
                continue;
            }
            y -= h;
            place(k, y, k == 0);
            bPlacedAny = TRUE;
            m_nFirstShown = items[k];
        }
        if (bFull)
            m_rcScrollUp = CRect(nLeft, nTop, nRight, nTop + kScrollButtonHeight);
    }
    if (pExpand)
        pExpand->SetRect(CRect(nLeft, nLimit, nRight, nLimit + nExpandHeight));
}

void CXTPPopupBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CXTPCommandBar::DrawCommandBar(pDC, rcClipBox);
    if (m_bTearOffPopup && GetControlCount() > 0)
        GetPaintManager()->DrawTearOffGripper(pDC, m_rcTearOffGripper, m_bTearOffHot, TRUE);
    if (!m_bScrolling)
        return;
    COLORREF clr = GetPaintManager()->GetColor(18);
    auto triangle = [&](const CRect& rc, BOOL bDown) {
        if (rc.IsRectEmpty())
            return;
        CPoint c = rc.CenterPoint();
        for (int i = 0; i < 3; i++) {
            int y = bDown ? c.y - 1 + i : c.y + 1 - i;
            pDC->FillSolidRect(c.x - 2 + i, y, 5 - 2 * i, 1, clr);
        }
    };
    triangle(m_rcScrollUp, FALSE);
    triangle(m_rcScrollDown, TRUE);
}
