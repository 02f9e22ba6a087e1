#include "toolkit/commandbars/manager/XTPShadowsManager.h"
#include "framework/gdi/CDC.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/colors/XTPColorManager.h"
#include "toolkit/common/images/XTPAlphaBitmap.h"

namespace {

const int kShadowOptionAlways = 1;
const int kShadowOptionClip = 2;
const int kAlphaThickness = 4;
const int kPlainThickness = 2;
const int kPlainShadowColor = 16;

DWORD ShadowPixel(COLORREF clr, int nAlpha, int nNumerator, int nDenominator)
{
    DWORD r = static_cast<DWORD>(GetRValue(clr) * nNumerator / nDenominator);
    DWORD g = static_cast<DWORD>(GetGValue(clr) * nNumerator / nDenominator);
    DWORD b = static_cast<DWORD>(GetBValue(clr) * nNumerator / nDenominator);
    return (static_cast<DWORD>(nAlpha) << 24) | (r << 16) | (g << 8) | b;
}

int ShadowOptions(CXTPCommandBar* pCommandBar)
{
    return pCommandBar->GetPaintManager()->m_nShadowOptions;
}

} // namespace

CXTPShadowsManager* XTPShadowsManager()
{
    static CXTPShadowsManager s_manager;
    return &s_manager;
}

CXTPShadowsManager::CXTPShadowsManager()
    : m_pfnUpdateLayeredWindow(nullptr)
{
    HMODULE hUser = ::GetModuleHandleW(L"USER32");
    if (hUser)
        m_pfnUpdateLayeredWindow =
            reinterpret_cast<PFNXTPUPDATELAYEREDWINDOW>(::GetProcAddress(hUser, "UpdateLayeredWindow"));
}

BOOL CXTPShadowsManager::IsAlphaShadowsPossible() const
{
    return m_pfnUpdateLayeredWindow && !XTPGetColorManager()->IsLowColor();
}

void CXTPShadowsManager::SetShadow(CXTPCommandBar* pCommandBar, const CRect& rcExclude)
{
    if (!pCommandBar || !pCommandBar->GetSafeHwnd() || pCommandBar->IsCustomizeMode())
        return;
    if (!(ShadowOptions(pCommandBar) & kShadowOptionAlways)) {
        BOOL bDropShadow = FALSE;
        ::SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &bDropShadow, 0);
        if (!IsAlphaShadowsPossible() || !bDropShadow)
            return;
    }
    CRect rcOwner;
    pCommandBar->GetWindowRect(&rcOwner);
    CreateShadowPair(pCommandBar, rcOwner, rcExclude);
}

void CXTPShadowsManager::SetShadow(CXTPControl* pControl)
{
    CXTPCommandBar* pCommandBar = pControl ? pControl->GetParent() : nullptr;
    if (!pCommandBar || !pCommandBar->GetSafeHwnd() || pCommandBar->IsCustomizeMode())
        return;
    if ((ShadowOptions(pCommandBar) & (kShadowOptionAlways | kShadowOptionClip)) !=
        (kShadowOptionAlways | kShadowOptionClip))
        return;
    CRect rcControl = pControl->GetRect();
    pCommandBar->ClientToScreen(&rcControl);
    CreateShadowPair(pCommandBar, rcControl, CRect(0, 0, 0, 0));
}

void CXTPShadowsManager::CreateShadowPair(CXTPCommandBar* pCommandBar, CRect rcOwner, CRect rcExclude)
{
    CreateShadow(TRUE, rcOwner, rcExclude, pCommandBar);
    CreateShadow(FALSE, rcOwner, rcExclude, pCommandBar);
}

CXTPShadowsManager::CShadowWnd* CXTPShadowsManager::CreateShadow(BOOL bBelow, CRect rcOwner, CRect rcExclude,
                                                                 CXTPCommandBar* pCommandBar)
{
    if (!pCommandBar->GetPaintManager()->m_bShowShadow)
        return nullptr;
    int nThickness = IsAlphaShadowsPossible() ? kAlphaThickness : kPlainThickness;
    CRect rcShadow = bBelow ? CRect(rcOwner.left + nThickness, rcOwner.bottom, rcOwner.right + nThickness,
                                    rcOwner.bottom + nThickness)
                            : CRect(rcOwner.right, rcOwner.top + nThickness, rcOwner.right + nThickness,
                                    rcOwner.bottom);
    if (rcShadow.IsRectEmpty())
        return nullptr;

    int nFlags = ShadowOptions(pCommandBar);
    CShadowWnd* pShadow = new CShadowWnd(this, pCommandBar, bBelow, nFlags);
    if (!pShadow->Create(rcShadow)) {
        delete pShadow;
        return nullptr;
    }
    // Cut away the opening control and the other shadowed popups, so that a
    // shadow never lies over a window it belongs beside.
    HRGN hRegion = ::CreateRectRgn(0, 0, rcShadow.Width(), rcShadow.Height());
    BOOL bCut = FALSE;
    auto cutAway = [&](CRect rcCut) {
        CRect rcOverlap;
        if (!rcOverlap.IntersectRect(rcCut, rcShadow))
            return;
        rcOverlap.OffsetRect(-rcShadow.left, -rcShadow.top);
        HRGN hCut = ::CreateRectRgnIndirect(&rcOverlap);
        ::CombineRgn(hRegion, hRegion, hCut, RGN_DIFF);
        ::DeleteObject(hCut);
        bCut = TRUE;
    };
    if ((nFlags & kShadowOptionClip) && !rcExclude.IsRectEmpty())
        cutAway(rcExclude);
    for (INT_PTR i = 0; i < m_lstShadow.GetSize(); i++) {
        CXTPCommandBar* pOther = m_lstShadow[i]->GetOwnerBar();
        if (pOther != pCommandBar && pOther->GetSafeHwnd()) {
            CRect rcOther;
            pOther->GetWindowRect(&rcOther);
            cutAway(rcOther);
        }
    }
    // Where a neighbouring popup (a sub-menu beside its parent) already casts
    // a shadow of the other side, the new one gives way: no doubled darkness.
    CRect rcNear = rcOwner;
    rcNear.InflateRect(nThickness, nThickness);
    for (INT_PTR i = 0; i < m_lstShadow.GetSize(); i++) {
        CShadowWnd* pOtherShadow = m_lstShadow[i];
        CXTPCommandBar* pOther = pOtherShadow->GetOwnerBar();
        if (pOther == pCommandBar || !pOther->GetSafeHwnd() || pOtherShadow->IsBelow() == bBelow ||
            !pOtherShadow->GetSafeHwnd())
            continue;
        CRect rcOther, rcTouch;
        pOther->GetWindowRect(&rcOther);
        if (!rcTouch.IntersectRect(rcNear, rcOther))
            continue;
        CRect rcOtherShadow;
        pOtherShadow->GetWindowRect(&rcOtherShadow);
        cutAway(rcOtherShadow);
    }
    if (bCut)
        pShadow->SetWindowRgn(hRegion, FALSE);
    else
        ::DeleteObject(hRegion);

    m_lstShadow.Add(pShadow);
    pShadow->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                          SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    XTPHookManager()->SetHook(pCommandBar->GetSafeHwnd(), pShadow);
    return pShadow;
}

void CXTPShadowsManager::RemoveShadow(CXTPCommandBar* pCommandBar)
{
    CShadowList lstShadows;
    lstShadows.Append(m_lstShadow);
    for (INT_PTR i = 0; i < lstShadows.GetSize(); i++) {
        CShadowWnd* pShadow = lstShadows[i];
        if (pShadow->GetOwnerBar() != pCommandBar)
            continue;
        if (pCommandBar->GetSafeHwnd())
            XTPHookManager()->RemoveHook(pCommandBar->GetSafeHwnd(), pShadow);
        Forget(pShadow);
        pShadow->DestroyWindow();
    }
}

void CXTPShadowsManager::Forget(CShadowWnd* pShadow)
{
    for (INT_PTR i = m_lstShadow.GetSize() - 1; i >= 0; i--)
        if (m_lstShadow[i] == pShadow)
            m_lstShadow.RemoveAt(i);
}

CXTPShadowsManager::CShadowWnd::CShadowWnd(CXTPShadowsManager* pManager, CXTPCommandBar* pOwner, BOOL bBelow,
                                           int nFlags)
    : m_pManager(pManager)
    , m_pCommandBar(pOwner)
    , m_bBelow(bBelow)
    , m_nFlags(nFlags)
{
}

BOOL CXTPShadowsManager::CShadowWnd::Create(CRect rcShadow)
{
    CXTPCommandBars* pCommandBars = m_pCommandBar->GetCommandBars();
    BOOL bSaveBits = pCommandBars ? pCommandBars->GetOptions()->bSaveBits : TRUE;
    LPCTSTR lpszClass =
        AfxRegisterWndClass(bSaveBits ? CS_SAVEBITS | CS_OWNDC : 0, ::LoadCursorW(nullptr, IDC_ARROW));
    DWORD dwExStyle = WS_EX_TOOLWINDOW | (m_pManager->IsAlphaShadowsPossible() ? WS_EX_LAYERED : 0);
    HWND hOwner = ::GetAncestor(m_pCommandBar->GetSafeHwnd(), GA_ROOTOWNER);
    if (!CreateEx(dwExStyle, lpszClass, nullptr, WS_POPUP, rcShadow.left, rcShadow.top, rcShadow.Width(),
                  rcShadow.Height(), hOwner, nullptr))
        return FALSE;
    UpdateLayered();
    return TRUE;
}

void CXTPShadowsManager::CShadowWnd::FillAlphaPixels(std::vector<DWORD>& arrPixels, CSize size, BOOL bBelow,
                                                     BOOL bLight, COLORREF clrShadow)
{
    const int m = bLight ? 1 : 2;
    const int cx = size.cx, cy = size.cy;
    arrPixels.assign(static_cast<size_t>(cx) * static_cast<size_t>(cy), 0);
    for (int y = 0; y < cy; y++) {
        for (int x = 0; x < cx; x++) {
            // Distance from the outer edge (1 at the edge) and, for the
            // corners, from the outer corner along the shadow.
            int k = bBelow ? cy - y : cx - x;
            int nAlong = bBelow ? x : y;
            int nLength = bBelow ? cx : cy;
            int i = 0;
            if (nAlong < kAlphaThickness)
                i = nAlong + 1;
            else if (bBelow && nAlong >= nLength - kAlphaThickness)
                i = nLength - nAlong;
            DWORD dwPixel = i > 0 ? ShadowPixel(clrShadow, 3 * m * i * k, i * k, 20)
                                  : ShadowPixel(clrShadow, 15 * m * k, k, kAlphaThickness);
            arrPixels[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)] = dwPixel;
        }
    }
}

void CXTPShadowsManager::CShadowWnd::UpdateLayered()
{
    if (!m_hWnd || !m_pCommandBar || !m_pManager->IsAlphaShadowsPossible())
        return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CSize size = rcWindow.Size();
    if (size.cx <= 0 || size.cy <= 0)
        return;
    std::vector<DWORD> arrPixels;
    COLORREF clrShadow = m_pCommandBar->GetPaintManager()->GetColor(
        static_cast<int>(m_pCommandBar->GetPaintManager()->m_clrShadowColor));
    FillAlphaPixels(arrPixels, size, m_bBelow, (m_nFlags & kShadowOptionAlways) != 0, clrShadow);

    BYTE* pBits = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMemDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = XTPCreateAlphaDIB(size.cx, size.cy, &pBits);
    if (hBitmap && pBits) {
        memcpy(pBits, arrPixels.data(), arrPixels.size() * sizeof(DWORD));
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        POINT ptSource = {0, 0};
        POINT ptDest = {rcWindow.left, rcWindow.top};
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        m_pManager->m_pfnUpdateLayeredWindow(m_hWnd, hScreen, &ptDest, &size, hMemDC, &ptSource, 0, &blend,
                                             ULW_ALPHA);
        ::SelectObject(hMemDC, hOld);
    }
    if (hBitmap)
        ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(nullptr, hScreen);
}

LRESULT CXTPShadowsManager::CShadowWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        UpdateLayered();
        break;
    case WM_ERASEBKGND: {
        CRect rcClient;
        GetClientRect(&rcClient);
        HBRUSH hBrush = ::CreateSolidBrush(XTPGetColorManager()->GetColor(kPlainShadowColor));
        ::FillRect(reinterpret_cast<HDC>(wParam), &rcClient, hBrush);
        ::DeleteObject(hBrush);
        return 1;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

int CXTPShadowsManager::CShadowWnd::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& /*lParam*/,
                                                  LRESULT& /*lResult*/)
{
    if (nMessage == WM_SHOWWINDOW) {
        ShowWindow(wParam ? SW_SHOWNA : SW_HIDE);
    } else if (nMessage == WM_DESTROY) {
        // Gone with its owner, and out of the list later shadows walk.
        XTPHookManager()->RemoveHook(hWnd, this);
        m_pManager->Forget(this);
        DestroyWindow();
    }
    return 0;
}

void CXTPShadowsManager::CShadowWnd::PostNcDestroy()
{
    delete this;
}
