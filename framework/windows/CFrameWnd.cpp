#include "framework/windows/CFrameWnd.h"

#include "framework/windows/CCmdUI.h"
#include "framework/windows/CControlBar.h"
#include "framework/windows/CMenu.h"
#include "framework/windows/CView.h"
#include "framework/windows/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_MENUSELECT()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
        hMenu = ::LoadMenuW(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
    m_strTitle = lpszWindowName;
    int x = rect.left, y = rect.top, cx, cy;
    if (rect.left == CW_USEDEFAULT && rect.right == 0) {
        cx = cy = CW_USEDEFAULT;
    } else {
        cx = rect.right - rect.left;
        cy = rect.bottom - rect.top;
    }
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(), hMenu,
                  pContext)) {
        // The object may be gone (PostNcDestroy): only the menu is ours.
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    return TRUE;
}

namespace {

// A topmost window (an alert popup) shows above every dialog: it is meant
// to be used while one runs, as it is when it comes up later.
bool StaysUsableInModalState(HWND hWnd)
{
    return (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace

void CFrameWnd::BeginModalState()
{
    if (m_nModalStack++ > 0 || m_hWnd == nullptr)
        return;
    // The frame and the enabled top-level windows of this thread it owns
    // that the framework made: a box or common dialog the system made
    // modal over the frame is the one window that must stay usable.
    m_disabledForModal.clear();
    const DWORD thread = ::GetCurrentThreadId();
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != m_hWnd && ::GetWindow(hWnd, GW_OWNER) == m_hWnd &&
            ::GetWindowThreadProcessId(hWnd, nullptr) == thread && ::IsWindowEnabled(hWnd) &&
            CWnd::FromHandlePermanent(hWnd) != nullptr && !StaysUsableInModalState(hWnd))
            m_disabledForModal.push_back(hWnd);
    }
    if (::IsWindowEnabled(m_hWnd))
        m_disabledForModal.push_back(m_hWnd);
    for (HWND hWnd : m_disabledForModal)
        ::EnableWindow(hWnd, FALSE);
}

void CFrameWnd::EndModalState()
{
    if (m_nModalStack == 0 || --m_nModalStack > 0)
        return;
    // Only what was disabled here, and only windows that still exist.
    std::vector<HWND> disabled;
    disabled.swap(m_disabledForModal);
    for (HWND hWnd : disabled) {
        if (::IsWindow(hWnd))
            ::EnableWindow(hWnd, TRUE);
    }
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuDefault;
    if (hMenuAlt != nullptr && ::GetMenu(m_hWnd) != hMenuAlt)
        ::SetMenu(m_hWnd, hMenuAlt);
    m_hMenuAlt = hMenuAlt != m_hMenuDefault ? hMenuAlt : nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    LPCWSTR name = MAKEINTRESOURCEW(nIDResource);
    CString title;
    title.LoadString(nIDResource);
    int newline = title.Find(L'\n');
    if (newline >= 0)
        title = title.Left(newline);

    HICON hIcon = ::LoadIconW(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
    LPCTSTR lpszClass = nullptr;
    if (hIcon != nullptr)
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), hIcon);
    HINSTANCE hMenuInst = AfxFindResourceHandle(name, RT_MENU);
    LPCTSTR lpszMenu = ::FindResourceW(hMenuInst, name, RT_MENU) != nullptr ? name : nullptr;
    if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext))
        return FALSE;
    m_hAccelTable = ::LoadAcceleratorsW(AfxFindResourceHandle(name, RT_ACCELERATOR), name);
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (!OnCreateClient(lpCreateStruct, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) {
        CWnd* pView = CreateView(pContext, AFX_IDW_PANE_FIRST);
        if (pView == nullptr)
            return FALSE;
        if (m_pViewActive == nullptr && pView->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView(static_cast<CView*>(pView), FALSE);
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (pObject == nullptr)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CWnd))) {
        delete pObject;
        return nullptr;
    }
    CWnd* pView = static_cast<CWnd*>(pObject);
    // A view that fails deletes itself.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::PostNcDestroy()
{
    // Frames are owned by their window.
    delete this;
}

void CFrameWnd::OnDestroy()
{
    m_pViewActive = nullptr;
    // A menu put in by OnUpdateFrameMenu belongs to someone else: the
    // frame's own goes down with the window instead.
    if (m_hMenuAlt != nullptr && ::GetMenu(m_hWnd) == m_hMenuAlt)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    m_hMenuAlt = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::RecalcLayout(BOOL /*bNotify*/)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    m_nIdleFlags &= ~(idleMenu | idleTitle);
    return 0;
}

void CFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    // Hidden, the frame had no idle updates: its bars take the current
    // states now, before their first paint, not at the next idle pass. The
    // frame's own idle work (a delayed layout) keeps its time.
    if ((lpwndpos->flags & SWP_SHOWWINDOW) && IsWindowVisible())
        SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        BringWindowToTop();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (bMakeVisible)
        ActivateFrame();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL)
{
    CString current;
    GetWindowText(current);
    if (current != m_strTitle)
        SetWindowText(m_strTitle);
}

void CFrameWnd::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
}

CString CFrameWnd::GetTitle() const
{
    return m_strTitle;
}

CView* CFrameWnd::GetActiveView() const
{
    return m_pViewActive;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (bNotify) {
        if (pViewOld != nullptr)
            pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
        if (pViewNew != nullptr)
            pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
    }
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The view first, then the frame, then the application.
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

namespace {

// Owned by hOwner directly or through windows it owns (the tips of a
// floating pane belong to the pane's frame).
bool IsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h != nullptr; h = ::GetWindow(h, GW_OWNER)) {
        if (h == hOwner)
            return true;
    }
    return false;
}

} // namespace

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    DWORD thread = ::GetCurrentThreadId();
    HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD);
    while (hWnd != nullptr) {
        HWND hWndNext = ::GetWindow(hWnd, GW_HWNDNEXT);
        if (hWnd != m_hWnd && ::GetWindowThreadProcessId(hWnd, nullptr) == thread && IsOwnedBy(hWnd, m_hWnd))
            ::SendMessageW(hWnd, WM_FLOATSTATUS, dwFlags, 0);
        hWnd = hWndNext;
    }
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE) {
        // A synchronised floating window of ours keeps the frame's caption active.
        HWND hOther = pWndOther->GetSafeHwnd();
        BOOL stay = hOther != nullptr && ::GetWindow(hOther, GW_OWNER) == m_hWnd &&
                    ::SendMessageW(hOther, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
        m_bStayActive = stay;
        if (stay)
            SendMessage(WM_NCACTIVATE, TRUE);
        else
            NotifyFloatingWindows(FS_DEACTIVATE);
    } else {
        m_bStayActive = FALSE;
        NotifyFloatingWindows(FS_ACTIVATE);
    }
}

void CFrameWnd::SetStayActive(BOOL bStayActive)
{
    if (!m_hWnd || bStayActive == m_bStayActive)
        return;
    m_bStayActive = bStayActive;
    SendMessage(WM_NCACTIVATE, bStayActive);
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_bStayActive)
        bActive = TRUE;
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    // A modal dialog or box disables the top-level frame that owns it: the
    // windows the frame owns go with it until it is enabled again.
    if (::GetParent(m_hWnd) == nullptr) {
        if (!bEnable && !InModalState()) {
            m_bModalByDisable = TRUE;
            BeginModalState();
        } else if (bEnable && m_bModalByDisable) {
            m_bModalByDisable = FALSE;
            EndModalState();
        }
    }
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString text;
    if (text.LoadString(nID)) {
        int newline = text.Find(L'\n');
        rMessage = newline >= 0 ? text.Left(newline) : text;
    } else {
        rMessage.Empty();
    }
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != nullptr) {
        CString message;
        if (lParam != 0)
            message = reinterpret_cast<LPCTSTR>(lParam);
        else if (wParam != 0)
            GetMessageString(static_cast<UINT>(wParam), message);
        pMessageBar->SetWindowText(message);
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    UINT tracking;
    if (nFlags == 0xFFFF && hSysMenu == nullptr)
        tracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        tracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        tracking = AFX_IDS_SCFIRST + (nItemID - 0xF000) / 16;
    else
        tracking = nItemID;
    if (tracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, tracking);
    m_nIDTracking = tracking;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = static_cast<UINT>(pMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;  // separators and popups
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable);
        // The handler may have removed items.
        state.m_nIndexMax = static_cast<UINT>(pMenu->GetMenuItemCount());
    }
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI)
{
    int key = 0;
    switch (pCmdUI->m_nID) {
    case ID_INDICATOR_CAPS: key = VK_CAPITAL; break;
    case ID_INDICATOR_NUM: key = VK_NUMLOCK; break;
    case ID_INDICATOR_SCRL: key = VK_SCROLL; break;
    default:
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->Enable(::GetKeyState(key) & 1);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (bDelay) {
        pBar->DelayShow(bShow);
        DelayRecalcLayout();
    } else {
        pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        RecalcLayout();
    }
}

void CFrameWnd::OnSetPreviewMode(BOOL, CPrintPreviewState*)
{
}
