#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "framework/gdi/CClientDC.h"
#include "framework/windows/CControlBar.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "framework/windows/CMenu.h"
#include "framework/core/ModuleState.h"
#include <algorithm>
#include <utility>
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/input/XTPMouseManager.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "resources/ToolkitCommandBarsIds.h"

IMPLEMENT_DYNCREATE(CXTPMenuBar, CXTPToolBar)

BEGIN_MESSAGE_MAP(CXTPMenuBar, CXTPToolBar)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

BOOL IsMdiControl(const CXTPControl* pControl)
{
    int nId = pControl->GetID();
    return pControl->IsTemporary() && nId >= XTP_ID_MENUBAR_CLOSE && nId <= XTP_ID_MENUBAR_SYSMENU;
}

} // namespace

CXTPMenuBar::CXTPMenuBar()
{
    m_barType = xtpBarTypeMenuBar;
    m_nBarID = 1;
    m_bCloseable = FALSE;
    m_bShowExpandButton = FALSE;
}

CXTPMenuBar::~CXTPMenuBar()
{
    XTPHookManager()->RemoveAll(this);
    FreeTemplateMenus();
    if (m_hMenuDefault != nullptr)
        ::DestroyMenu(m_hMenuDefault);
}

void CXTPMenuBar::FreeTemplateMenus()
{
    POSITION pos = m_mapTemplates.GetStartPosition();
    while (pos != nullptr) {
        UINT nId = 0;
        CXTPControls* pControls = nullptr;
        m_mapTemplates.GetNextAssoc(pos, nId, pControls);
        if (pControls != nullptr)
            pControls->InternalRelease();
    }
    m_mapTemplates.RemoveAll();
}

HWND CXTPMenuBar::GetMdiClient() const
{
    auto* pFrame = dynamic_cast<CMDIFrameWnd*>(GetSite());
    return m_bMdiApp && pFrame ? pFrame->m_hWndMDIClient : nullptr;
}

BOOL CXTPMenuBar::LoadMenuBar(UINT nIDResource)
{
    if (nIDResource != 0) {
        CMenu menu;
        if (!XTPGetResourceManager()->LoadMenu(&menu, nIDResource) || !LoadMenu(&menu, TRUE))
            return FALSE;
        m_nIDResource = m_nIDResourceCurrent = nIDResource;
    }
    CWnd* pSite = GetSite();
    HWND hSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    m_bMdiApp = pSite && pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
    if (hSite != nullptr && m_hWndHookedSite != hSite) {
        XTPHookManager()->SetHook(hSite, this);
        m_hWndHookedSite = hSite;
    }
    HWND hClient = GetMdiClient();
    if (hClient != nullptr && m_hWndHookedClient != hClient) {
        XTPHookManager()->SetHook(hClient, this);
        m_hWndHookedClient = hClient;
    }
    // The glyphs of the window commands, in the bitmap's order.
    static const UINT kWindowCommands[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    if (::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(XTP_IDB_MENUBAR_GLYPHS), RT_BITMAP) != nullptr)
        GetImageManager()->SetIcons(XTP_IDB_MENUBAR_GLYPHS, kWindowCommands, 4, CSize(16, 16));
    if (hSite != nullptr) {
        HMENU hMenu = ::GetMenu(hSite);
        if (hMenu != nullptr) {
            if (m_hMenuDefault != nullptr && m_hMenuDefault != hMenu)
                ::DestroyMenu(m_hMenuDefault);
            m_hMenuDefault = hMenu;
            ::SetMenu(hSite, nullptr);
        }
    }
    return TRUE;
}

HWND CXTPMenuBar::GetActiveMdiChild(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hClient = GetMdiClient();
    HWND hChild = hClient != nullptr && ::IsWindow(hClient)
                      ? reinterpret_cast<HWND>(
                            ::SendMessageW(hClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)))
                      : nullptr;
    if (pbMaximized != nullptr)
        *pbMaximized = hChild != nullptr && bMaximized;
    return hChild;
}

void CXTPMenuBar::SwitchMenu(HMENU hMenu)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    UINT nWanted = GetActiveDocTemplate();
    if (hMenu != nullptr && hMenu == m_hMenuDefault)
        nWanted = m_nIDResource;
    if (nWanted == 0 || m_nIDResourceCurrent == 0 || nWanted == m_nIDResourceCurrent || hMenu == nullptr ||
        ::GetMenuItemCount(hMenu) <= 0)
        return;

    SetTrackingMode(xtpTrackingNone, TRUE, FALSE);
    CMenu menu;
    menu.Attach(hMenu);
    if (pCommandBars && pCommandBars->IsCustomizeAvail()) {
        // Each menu keeps its own customized controls while another one shows.
        RemoveMdiControls();
        CXTPControls* pOld = nullptr;
        if (m_mapTemplates.Lookup(m_nIDResourceCurrent, pOld) && pOld != nullptr)
            pOld->InternalRelease();
        m_pControls->SetParent(nullptr);
        m_mapTemplates.SetAt(m_nIDResourceCurrent, m_pControls);

        CXTPControls* pControls = nullptr;
        if (m_mapTemplates.Lookup(nWanted, pControls) && pControls != nullptr) {
            m_mapTemplates.RemoveKey(nWanted);
            m_pControls = pControls;
            m_pControls->SetParent(this);
        } else {
            m_pControls = new CXTPControls();
            m_pControls->SetCommandBars(pCommandBars);
            m_pControls->SetParent(this);
            LoadMenu(&menu, TRUE);
            m_pControls->CreateInitialControls();
        }
        OnControlsChanged();
    } else {
        LoadMenu(&menu, TRUE);
    }
    menu.Detach();
    m_nIDResourceCurrent = nWanted;
    OnRecalcLayout();
}

void CXTPMenuBar::RemoveMdiControls()
{
    for (int i = m_pControls->GetCount() - 1; i >= 0; i--)
        if (IsMdiControl(m_pControls->GetAt(i)))
            m_pControls->RemoveAt(i);
}

void CXTPMenuBar::RefreshMdiButtons()
{
    BOOL bMaximized = FALSE;
    HWND hChild = GetActiveMdiChild(&bMaximized);
    DWORD dwStyle = hChild != nullptr ? static_cast<DWORD>(::GetWindowLongW(hChild, GWL_STYLE)) : 0;
    HMENU hSysMenu = hChild != nullptr && bMaximized ? ::GetSystemMenu(hChild, FALSE) : nullptr;

    BOOL bWant[4] = {FALSE, FALSE, FALSE, FALSE};  // system menu, minimize, restore, close
    if (bMaximized) {
        bWant[0] = (m_dwFlags & XTP_MENUBAR_SHOW_SYSMENU) && hSysMenu != nullptr;
        bWant[1] = (dwStyle & WS_MINIMIZEBOX) && !(m_dwFlags & XTP_MENUBAR_HIDE_MINIMIZE);
        bWant[2] = (dwStyle & WS_MAXIMIZEBOX) && !(m_dwFlags & XTP_MENUBAR_HIDE_RESTORE);
        bWant[3] = !(m_dwFlags & XTP_MENUBAR_HIDE_CLOSE);
    }
    static const int kIds[4] = {XTP_ID_MENUBAR_SYSMENU, XTP_ID_MENUBAR_MINIMIZE, XTP_ID_MENUBAR_RESTORE,
                                XTP_ID_MENUBAR_CLOSE};
    static const LPCWSTR kGlyphs[4] = {L"", L"0", L"2", L"r"};

    BOOL bChanged = FALSE;
    for (int i = 0; i < 4; i++) {
        CXTPControl* pPresent = nullptr;
        for (int j = 0; j < m_pControls->GetCount() && !pPresent; j++)
            if (IsMdiControl(m_pControls->GetAt(j)) && m_pControls->GetAt(j)->GetID() == kIds[i])
                pPresent = m_pControls->GetAt(j);
        if (!bWant[i]) {
            if (pPresent) {
                m_pControls->Remove(pPresent);
                bChanged = TRUE;
            }
            continue;
        }
        if (i == 0) {
            auto* pSysPopup = static_cast<CXTPControlMDISysMenuPopup*>(pPresent);
            if (pSysPopup && pSysPopup->GetSysMenu() != hSysMenu)
                pSysPopup->SetMDISysMenu(hChild, hSysMenu);
            if (!pSysPopup) {
                m_pControls->Add(new CXTPControlMDISysMenuPopup(hChild, hSysMenu), kIds[i], CString(), 0, TRUE);
                bChanged = TRUE;
            }
        } else if (!pPresent) {
            m_pControls->Add(new CXTPControlMDIButton(), kIds[i], CString(kGlyphs[i]), -1, TRUE);
            bChanged = TRUE;
        }
    }
    if (bChanged) {
        OnControlsChanged();
        OnRecalcLayout();
    }
}

void CXTPMenuBar::HookActiveChild()
{
    HWND hChild = GetActiveMdiChild();
    if (hChild == m_hWndHookedChild)
        return;
    if (m_hWndHookedChild != nullptr && ::IsWindow(m_hWndHookedChild))
        XTPHookManager()->RemoveHook(m_hWndHookedChild, this);
    m_hWndHookedChild = hChild;
    if (hChild != nullptr)
        XTPHookManager()->SetHook(hChild, this);
}

void CXTPMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != XTP_IDT_MENUBAR_MDI) {
        CXTPToolBar::OnTimer(nIDEvent);
        return;
    }
    HookActiveChild();
    if (IsVisible())
        RefreshMdiButtons();
}

void CXTPMenuBar::OnDestroy()
{
    XTPHookManager()->RemoveAll(this);
    m_hWndHookedChild = m_hWndHookedSite = m_hWndHookedClient = nullptr;
    CXTPToolBar::OnDestroy();
}

BOOL CXTPMenuBar::OnKeyMenu()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!IsVisible() || !GetSafeHwnd() || !::IsWindowVisible(GetSafeHwnd()) || IsCustomizeMode() ||
        XTPMouseManager()->IsMouseLocked() || ::GetKeyState(VK_SHIFT) < 0)
        return FALSE;
    // The release of an Alt that opened a menu with a mnemonic comes here
    // too: the open menu stays.
    if (XTPMouseManager()->GetTrackArray().GetSize() > 0)
        return TRUE;
    if (!PreviewAccel(VK_MENU) && pCommandBars != nullptr)
        pCommandBars->ActivateNextBar(this, 0);
    return TRUE;
}

int CXTPMenuBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (hWnd == nullptr)
        return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    BOOL bClient = hWnd == m_hWndHookedClient;
    switch (nMessage) {
    case WM_SYSCOMMAND:
        if (hWnd == m_hWndHookedSite && (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0 && OnKeyMenu())
            return 1;
        break;
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
    case WM_MDIREFRESHMENU:  // what a child made straight as a window of the client (WS_EX_MDICHILD) sends
        if (bClient && GetSafeHwnd())
            PostMessage(WM_TIMER, XTP_IDT_MENUBAR_MDI, 0);
        break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (hWnd == m_hWndHookedChild && GetSafeHwnd())
            PostMessage(WM_TIMER, XTP_IDT_MENUBAR_MDI, 0);
        break;
    case WM_MDISETMENU:
        if (!bClient)
            break;
        if (IsVisible()) {
            if (!(m_dwFlags & XTP_MENUBAR_IGNORE_SETMENU))
                SwitchMenu(wParam != 0 ? reinterpret_cast<HMENU>(wParam) : m_hMenuDefault);
            if (m_hWndHookedSite != nullptr && ::GetMenu(m_hWndHookedSite) != nullptr)
                ::SetMenu(m_hWndHookedSite, nullptr);
            RefreshMdiButtons();
            lResult = 0;
            return 1;
        }
        if (m_hWndHookedSite != nullptr && ::GetMenu(m_hWndHookedSite) == nullptr) {
            lResult = 0;
            return 1;
        }
        break;
    default:
        break;
    }
    return CXTPToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

CSize CXTPMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    // Floating, it lays out under its caption as any toolbar does.
    if (m_barPosition == xtpBarFloating && GetSafeHwnd())
        return CXTPToolBar::CalcDynamicLayout(nLength, dwMode);
    // Docked, the bar shows none of the buttons a floating toolbar places
    // (a bar made to show them floating may still hold them).
    for (int nId : {XTP_ID_TOOLBAR_EXPAND, XTP_ID_TOOLBAR_HIDE})
        if (CXTPControl* pSpecial = m_pControls->FindControl(nId))
            pSpecial->SetHideFlags(xtpHideGeneric);
    CClientDC dc(GetSafeHwnd() ? static_cast<CWnd*>(this) : CWnd::FromHandle(::GetDesktopWindow()));
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPFontDC font(&dc, pPaintManager->GetCommandBarFont(this));
    // Docked, its gripper keeps its room before the titles.
    CRect rcBorder = GetSafeHwnd() ? GetBorders() : pPaintManager->GetCommandBarBorders(this);
    DWORD dwLayout = dwMode & ~static_cast<DWORD>(LM_STRETCH);
    CSize size = m_pControls->CalcDynamicSize(&dc, nLength, dwLayout, rcBorder);
    if (dwMode & LM_STRETCH) {
        if (dwMode & LM_VERTDOCK)
            size.cy = std::max(static_cast<int>(size.cy), nLength);
        else
            size.cx = std::max(static_cast<int>(size.cx), nLength);
    }
    if ((dwMode & LM_COMMIT) && GetSafeHwnd() && !IsRedrawLocked())
        Invalidate(FALSE);
    return size;
}

void CXTPMenuBar::OnRecalcLayout()
{
    // Floating, the bar sizes its own window: the frame's layout leaves it out.
    if (m_barPosition == xtpBarFloating || GetCommandBars() != nullptr)
        CXTPToolBar::OnRecalcLayout();
    else if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CXTPMenuBar::Reset(BOOL bShowWarningMessage)
{
    CXTPControls* pOriginal = m_pControls->GetOriginalControls();
    const BOOL bOneMenu = (m_mapTemplates.GetCount() == 0 && pOriginal != nullptr) || m_nIDResourceCurrent == 0;
    if (bOneMenu && pOriginal == nullptr)
        return;
    if (!bOneMenu && bShowWarningMessage && !ConfirmReset())
        return;
    // The site told of the reset may take the bar off its manager: it is
    // held to the end and then touched no more.
    InternalAddRef();
    const BOOL bListed = IsListed();
    if (bOneMenu) {
        // One menu only: reset as any toolbar (which refuses what it must).
        CXTPToolBar::Reset(bShowWarningMessage);
    } else {
        CMenu menu;
        if (XTPGetResourceManager()->LoadMenu(&menu, m_nIDResourceCurrent))
            LoadMenu(&menu, TRUE);
        NotifySiteOfReset();
    }
    if (!bListed || IsListed()) {
        OnControlsChanged();
        RefreshMdiButtons();
        UpdateCmdUINow();
        OnRecalcLayout();
    }
    InternalRelease();
}

void CXTPMenuBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPToolBar::Copy(pCommandBar, bRecursive);
    auto* pSource = dynamic_cast<CXTPMenuBar*>(pCommandBar);
    if (pSource == nullptr || pSource == this)
        return;
    m_nIDResource = pSource->m_nIDResource;
    FreeTemplateMenus();
    POSITION pos = pSource->m_mapTemplates.GetStartPosition();
    while (pos != nullptr) {
        UINT nId = 0;
        CXTPControls* pControls = nullptr;
        pSource->m_mapTemplates.GetNextAssoc(pos, nId, pControls);
        if (pControls != nullptr)
            m_mapTemplates.SetAt(nId, pControls->Duplicate(TRUE));
    }
}

CXTPCommandBar* CXTPMenuBar::Clone(BOOL bRecursive)
{
    auto* pClone = new CXTPMenuBar();
    pClone->SetCommandBars(GetCommandBars());
    pClone->Copy(this, bRecursive);
    return pClone;
}

CXTPControls* CXTPMenuBar::GetTemplateMenu(UINT nID) const
{
    CXTPControls* pControls = nullptr;
    return m_mapTemplates.Lookup(nID, pControls) ? pControls : nullptr;
}

void CXTPMenuBar::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX->IsStoring() && m_mapTemplates.GetCount() > 0 && m_hMenuDefault != nullptr &&
        m_nIDResourceCurrent != m_nIDResource) {
        SwitchMenu(m_hMenuDefault);
        m_bDirtyMenu = TRUE;
    }
    CXTPToolBar::DoPropExchange(pPX);

    long nResourceId = static_cast<long>(m_nIDResource);
    XTPExchangeLongWithDefault(pPX, L"ResourceId", nResourceId, 0);
    CString strSection;
    if (pPX->IsStoring()) {
        pPX->WriteCount(static_cast<DWORD>(m_mapTemplates.GetCount()));
        POSITION pos = m_mapTemplates.GetStartPosition();
        for (int i = 0; pos != nullptr; i++) {
            UINT nId = 0;
            CXTPControls* pControls = nullptr;
            m_mapTemplates.GetNextAssoc(pos, nId, pControls);
            strSection.Format(L"%s%i", L"MDIMenu", i);
            CXTPPropExchange* pSection = pPX->GetSection(strSection);
            if (pSection == nullptr)
                continue;
            long nTemplateId = static_cast<long>(nId);
            XTPExchangeLongWithDefault(pSection, L"Id", nTemplateId, 0);
            if (pControls != nullptr)
                pControls->DoPropExchange(pSection);
            pSection->InternalRelease();
        }
        return;
    }

    m_nIDResource = m_nIDResourceCurrent = static_cast<UINT>(nResourceId);
    if (pPX->m_nSchema < 5)
        return;
    FreeTemplateMenus();
    // The stored count is only a claim: no more menus than sections stored.
    DWORD nCount = pPX->CountStoredSections(L"MDIMenu", pPX->ReadCount());
    for (DWORD i = 0; i < nCount; i++) {
        strSection.Format(L"%s%i", L"MDIMenu", static_cast<int>(i));
        CXTPPropExchange* pSection = pPX->GetSection(strSection);
        if (pSection == nullptr)
            break;
        long nTemplateId = 0;
        XTPExchangeLongWithDefault(pSection, L"Id", nTemplateId, 0);
        auto* pControls = new CXTPControls();
        pControls->SetCommandBars(GetCommandBars());
        pControls->DoPropExchange(pSection);
        pSection->InternalRelease();
        CXTPControls* pOld = nullptr;
        if (m_mapTemplates.Lookup(static_cast<UINT>(nTemplateId), pOld) && pOld != nullptr)
            pOld->InternalRelease();
        m_mapTemplates.SetAt(static_cast<UINT>(nTemplateId), pControls);
    }
}
