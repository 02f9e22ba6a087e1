#include "toolkit/tabs/XTPTabClientWnd.h"
#include "framework/gdi/CClientDC.h"
#include "framework/gdi/CPaintDC.h"
#include "framework/windows/CCmdUI.h"
#include "framework/windows/CMDIFrameWnd.h"
#include "toolkit/common/dc/XTPBufferDC.h"
#include "toolkit/common/dc/XTPClientRect.h"
#include "toolkit/tabs/XTPTabClientSite.h"
#include "toolkit/tabs/XTPTabPaintManager.h"

IMPLEMENT_DYNAMIC(CXTPTabClientWnd, CWnd)

BEGIN_MESSAGE_MAP(CXTPTabClientWnd, CWnd)
    ON_UPDATE_COMMAND_UI_RANGE(XTP_ID_WORKSPACE_MOVEPREVIOUS, XTP_ID_WORKSPACE_NEWVERTICAL, OnUpdateGroupCommand)
    ON_COMMAND_RANGE(XTP_ID_WORKSPACE_MOVEPREVIOUS, XTP_ID_WORKSPACE_NEWVERTICAL, OnGroupCommand)
END_MESSAGE_MAP()

namespace {

// The frame parts a tabbed child loses: its page is framed by the strip.
const DWORD kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME;
const DWORD kFrameExStyles = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

} // namespace

CXTPTabClientWnd::CXTPTabClientWnd() : m_pPaintManager(new CXTPTabPaintManager())
{
    m_pPaintManager->m_bDisableLunaColors = TRUE;
    m_pPaintManager->RefreshMetrics();
}

CXTPTabClientWnd::~CXTPTabClientWnd()
{
    Detach();
    DeleteWorkspaces();
    m_pPaintManager->InternalRelease();
}

void CXTPTabClientWnd::DeleteWorkspaces()
{
    CArray<CXTPTabClientWorkspace*, CXTPTabClientWorkspace*> arrWorkspace;
    arrWorkspace.Copy(m_arrWorkspace);
    m_arrWorkspace.RemoveAll();
    for (INT_PTR i = 0; i < arrWorkspace.GetSize(); i++)
        delete arrWorkspace[i];
    m_nActiveWorkspace = 0;
}

BOOL CXTPTabClientWnd::Attach(CMDIFrameWnd* pFrame, BOOL bEnableGroups)
{
    if (IsAttached() || !pFrame || !::IsWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    if (!SubclassWindow(pFrame->m_hWndMDIClient))
        return FALSE;
    m_pFrame = pFrame;
    m_bEnableGroups = bEnableGroups;
    // Tabbed children fill their pages: a maximized one would cover the strips.
    BOOL bMaximized = FALSE;
    HWND hWndActive = reinterpret_cast<HWND>(
        ::SendMessageW(m_hWnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&bMaximized)));
    if (hWndActive && bMaximized)
        ::SendMessageW(m_hWnd, WM_MDIRESTORE, reinterpret_cast<WPARAM>(hWndActive), 0);
    ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_FRAMECHANGED);
    m_arrWorkspace.Add(new CXTPTabClientWorkspace(this));
    Refresh(TRUE);
    return TRUE;
}

void CXTPTabClientWnd::Detach()
{
    if (!m_pFrame)
        return;
    CMDIFrameWnd* pFrame = m_pFrame;
    m_pFrame = nullptr;
    GiveFramesBack();
    DeleteWorkspaces();
    if (m_hWnd) {
        UnsubclassWindow();
        ::InvalidateRect(pFrame->m_hWndMDIClient, nullptr, TRUE);
    }
}

CXTPTabClientSite* CXTPTabClientWnd::GetSite() const
{
    return dynamic_cast<CXTPTabClientSite*>(m_pFrame);
}

CXTPTabClientWorkspace* CXTPTabClientWnd::GetWorkspace(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetWorkspaceCount() ? m_arrWorkspace[nIndex] : nullptr;
}

int CXTPTabClientWnd::FindWorkspace(HWND hWndChild) const
{
    for (int i = 0; i < GetWorkspaceCount(); i++)
        if (m_arrWorkspace[i]->FindItem(hWndChild))
            return i;
    return -1;
}

CXTPTabManagerItem* CXTPTabClientWnd::FindItem(HWND hWndChild) const
{
    int nWorkspace = FindWorkspace(hWndChild);
    return nWorkspace >= 0 ? m_arrWorkspace[nWorkspace]->FindItem(hWndChild) : nullptr;
}

HWND CXTPTabClientWnd::GetActiveChild() const
{
    return m_hWnd ? reinterpret_cast<HWND>(::SendMessageW(m_hWnd, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

BOOL CXTPTabClientWnd::IsTabbedChild(HWND hWnd) const
{
    return ::IsWindow(hWnd) && ::GetParent(hWnd) == m_hWnd &&
           (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD) &&
           (::GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE);
}

void CXTPTabClientWnd::Refresh(BOOL bRecalcLayout)
{
    if (!IsAttached() || m_bRefreshing)
        return;
    m_bRefreshing = TRUE;
    UpdateContents();
    if (GetWorkspaceCount() > 0) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        int nCount = m_bEnableGroups ? GetWorkspaceCount() : 1;
        for (int i = 0; i < nCount; i++)
            m_arrWorkspace[i]->PerformMouseMove(m_hWnd, point);
    }
    Invalidate(FALSE);
    if (bRecalcLayout) {
        // A size change the frame's layout undoes at once lays the workspaces out anew.
        if (m_bEnableGroups)
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER);
        CXTPTabClientSite* pSite = GetSite();
        if (!pSite || !pSite->RecalcSiteLayout())
            m_pFrame->RecalcLayout();
    }
    m_bRefreshing = FALSE;
}

void CXTPTabClientWnd::UpdateContents()
{
    // Moving and restyling children sends messages that would ask again.
    if (!IsAttached() || m_bUpdating)
        return;
    m_bUpdating = TRUE;
    HWND hWndActive = GetActiveChild();
    BOOL bChanged = RemoveGoneTabs();
    bChanged |= AddNewTabs();
    bChanged |= UpdateCaptions();
    if (bChanged)
        RemoveEmptyWorkspaces();
    int nActive = FindWorkspace(hWndActive);
    if (nActive >= 0 && nActive != m_nActiveWorkspace) {
        m_nActiveWorkspace = nActive;
        bChanged = TRUE;
    }
    UpdateSelection(hWndActive);
    if (bChanged)
        Reposition();
    m_bUpdating = FALSE;
}

BOOL CXTPTabClientWnd::RemoveGoneTabs()
{
    BOOL bChanged = FALSE;
    for (int w = 0; w < GetWorkspaceCount(); w++) {
        CXTPTabClientWorkspace* pWorkspace = m_arrWorkspace[w];
        for (int i = pWorkspace->GetItemCount() - 1; i >= 0; i--) {
            if (IsTabbedChild(pWorkspace->GetItem(i)->GetHandle()))
                continue;
            if (pWorkspace->GetItem(i) == pWorkspace->GetSelectedItem())
                pWorkspace->m_pSelected = nullptr;
            pWorkspace->DeleteItem(i);
            bChanged = TRUE;
        }
    }
    // A child gone from the client takes nothing of its frame with it.
    for (INT_PTR i = m_arrFrames.GetSize() - 1; i >= 0; i--)
        if (!::IsWindow(m_arrFrames[i].hWnd) || ::GetParent(m_arrFrames[i].hWnd) != m_hWnd)
            m_arrFrames.RemoveAt(i);
    return bChanged;
}

BOOL CXTPTabClientWnd::AddNewTabs()
{
    // Bottom of the z-order first: the oldest children get the first tabs.
    CArray<HWND, HWND> arrNew;
    for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        if (IsTabbedChild(hWnd) && FindWorkspace(hWnd) < 0)
            arrNew.InsertAt(0, hWnd);
    if (arrNew.GetSize() == 0)
        return FALSE;
    if (GetWorkspaceCount() == 0)
        m_arrWorkspace.Add(new CXTPTabClientWorkspace(this));
    // New children join the workspace the user works in.
    int nTarget = m_nActiveWorkspace < GetWorkspaceCount() ? m_nActiveWorkspace : 0;
    for (INT_PTR i = 0; i < arrNew.GetSize(); i++) {
        TakeFrame(arrNew[i]);
        m_arrWorkspace[nTarget]->AddChild(arrNew[i]);
    }
    return TRUE;
}

BOOL CXTPTabClientWnd::UpdateCaptions()
{
    BOOL bChanged = FALSE;
    for (int w = 0; w < GetWorkspaceCount(); w++) {
        CXTPTabClientWorkspace* pWorkspace = m_arrWorkspace[w];
        for (int i = 0; i < pWorkspace->GetItemCount(); i++) {
            CXTPTabManagerItem* pItem = pWorkspace->GetItem(i);
            WCHAR szTitle[256] = L"";
            ::GetWindowTextW(pItem->GetHandle(), szTitle, 256);
            if (pItem->m_strCaption != szTitle) {
                pItem->m_strCaption = szTitle;
                bChanged = TRUE;
            }
        }
    }
    return bChanged;
}

void CXTPTabClientWnd::UpdateSelection(HWND hWndActive)
{
    for (int w = 0; w < GetWorkspaceCount(); w++) {
        CXTPTabClientWorkspace* pWorkspace = m_arrWorkspace[w];
        CXTPTabManagerItem* pItem = pWorkspace->FindItem(hWndActive);
        if (!pItem && !pWorkspace->GetSelectedItem()) {
            // The child on top of this workspace's page is the one shown.
            for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd && !pItem; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
                pItem = pWorkspace->FindItem(hWnd);
        }
        pWorkspace->SetActive(w == m_nActiveWorkspace && hWndActive != nullptr);
        if (pItem && pItem != pWorkspace->GetSelectedItem())
            pWorkspace->SetSelectedItem(pItem);
    }
}

void CXTPTabClientWnd::RemoveEmptyWorkspaces()
{
    for (int w = GetWorkspaceCount() - 1; w >= 0 && GetWorkspaceCount() > 1; w--) {
        if (m_arrWorkspace[w]->GetItemCount() > 0)
            continue;
        delete m_arrWorkspace[w];
        m_arrWorkspace.RemoveAt(w);
        if (m_nActiveWorkspace >= w && m_nActiveWorkspace > 0)
            m_nActiveWorkspace--;
    }
}

void CXTPTabClientWnd::TakeFrame(HWND hWnd)
{
    // One record per child: one shown again after a time without a tab is held already.
    for (INT_PTR i = 0; i < m_arrFrames.GetSize(); i++)
        if (m_arrFrames[i].hWnd == hWnd)
            return;
    CHILDFRAME frame = {hWnd, static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_STYLE)),
                        static_cast<DWORD>(::GetWindowLongW(hWnd, GWL_EXSTYLE))};
    m_arrFrames.Add(frame);
    ::SetWindowLongW(hWnd, GWL_STYLE, static_cast<LONG>(frame.dwStyle & ~kFrameStyles));
    ::SetWindowLongW(hWnd, GWL_EXSTYLE, static_cast<LONG>(frame.dwExStyle & ~kFrameExStyles));
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CXTPTabClientWnd::GiveFramesBack()
{
    for (INT_PTR i = 0; i < m_arrFrames.GetSize(); i++) {
        const CHILDFRAME& frame = m_arrFrames[i];
        if (!::IsWindow(frame.hWnd))
            continue;
        DWORD dwStyle = static_cast<DWORD>(::GetWindowLongW(frame.hWnd, GWL_STYLE));
        DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongW(frame.hWnd, GWL_EXSTYLE));
        ::SetWindowLongW(frame.hWnd, GWL_STYLE, static_cast<LONG>(dwStyle | (frame.dwStyle & kFrameStyles)));
        ::SetWindowLongW(frame.hWnd, GWL_EXSTYLE, static_cast<LONG>(dwExStyle | (frame.dwExStyle & kFrameExStyles)));
        ::SetWindowPos(frame.hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    m_arrFrames.RemoveAll();
}

CRect CXTPTabClientWnd::GetWorkspaceRect(int nIndex) const
{
    CXTPClientRect rc(this);
    int nCount = GetWorkspaceCount();
    if (nCount <= 1)
        return rc;
    if (m_bHorizSplitting) {
        int nHeight = rc.Height() / nCount;
        int nTop = rc.top + nHeight * nIndex;
        return CRect(rc.left, nTop, rc.right, nIndex == nCount - 1 ? rc.bottom : nTop + nHeight);
    }
    int nWidth = rc.Width() / nCount;
    int nLeft = rc.left + nWidth * nIndex;
    return CRect(nLeft, rc.top, nIndex == nCount - 1 ? rc.right : nLeft + nWidth, rc.bottom);
}

void CXTPTabClientWnd::Reposition()
{
    if (!IsAttached() || m_bRepositioning)
        return;
    m_bRepositioning = TRUE;
    {
        CClientDC dc(this);
        for (int w = 0; w < GetWorkspaceCount(); w++)
            m_pPaintManager->RepositionTabControl(m_arrWorkspace[w], &dc, GetWorkspaceRect(w));
    }
    for (int w = 0; w < GetWorkspaceCount(); w++) {
        CXTPTabClientWorkspace* pWorkspace = m_arrWorkspace[w];
        CRect rcPage = pWorkspace->GetClientRect();
        for (int i = 0; i < pWorkspace->GetItemCount(); i++) {
            CXTPTabManagerItem* pItem = pWorkspace->GetItem(i);
            UINT nFlags = SWP_NOACTIVATE;
            if (pItem != pWorkspace->GetSelectedItem())
                nFlags |= SWP_NOZORDER;
            ::SetWindowPos(pItem->GetHandle(), HWND_TOP, rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(),
                           nFlags);
        }
    }
    Invalidate(FALSE);
    m_bRepositioning = FALSE;
}

CXTPTabClientWorkspace* CXTPTabClientWnd::HitTestWorkspace(CPoint point) const
{
    for (int w = 0; w < GetWorkspaceCount(); w++)
        if (m_arrWorkspace[w]->GetControlRect().PtInRect(point))
            return m_arrWorkspace[w];
    return nullptr;
}

void CXTPTabClientWnd::Paint()
{
    CPaintDC paint(this);
    CXTPClientRect rc(this);
    CXTPBufferDC dc(paint.m_hDC, rc);
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_APPWORKSPACE));
    for (int w = 0; w < GetWorkspaceCount(); w++)
        if (m_arrWorkspace[w]->GetItemCount() > 0)
            m_pPaintManager->DrawTabControl(m_arrWorkspace[w], &dc, m_arrWorkspace[w]->GetControlRect());
}

LRESULT CXTPTabClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsAttached())
        return CWnd::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY:
        // The frame goes with its client: nothing of either is touched again.
        m_pFrame = nullptr;
        m_arrFrames.RemoveAll();
        DeleteWorkspaces();
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MDIMAXIMIZE:
        // Pages already fill the strips' room; a maximized child would hide them.
        return 0;
    case WM_LBUTTONDOWN: {
        CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (CXTPTabClientWorkspace* pWorkspace = HitTestWorkspace(point))
            pWorkspace->PerformClick(m_hWnd, point);
        return 0;
    }
    case WM_MOUSEMOVE: {
        CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        for (int w = 0; w < GetWorkspaceCount(); w++)
            m_arrWorkspace[w]->PerformMouseMove(m_hWnd, point);
        return 0;
    }
    case WM_MOUSELEAVE:
        for (int w = 0; w < GetWorkspaceCount(); w++)
            m_arrWorkspace[w]->PerformMouseMove(m_hWnd, CPoint(-1, -1));
        return 0;
    default:
        break;
    }
    LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
        Reposition();
        break;
    case WM_MDIACTIVATE:
    case WM_MDIDESTROY:
    case WM_MDICREATE:
    case WM_MDINEXT:
    case WM_MDIRESTORE:
    case WM_MDICASCADE:
    case WM_MDITILE:
    case WM_IDLEUPDATECMDUI:
        // Window moves of the system's arrangements are undone by the layout.
        UpdateContents();
        if (message != WM_IDLEUPDATECMDUI && message != WM_MDIACTIVATE && message != WM_MDIDESTROY)
            Reposition();
        break;
    default:
        break;
    }
    return lResult;
}

BOOL CXTPTabClientWnd::IsGroupCommandEnabled(UINT nID) const
{
    if (!IsAttached() || !m_bEnableGroups)
        return FALSE;
    HWND hWndActive = GetActiveChild();
    int nWorkspace = FindWorkspace(hWndActive);
    if (nWorkspace < 0)
        return FALSE;
    int nCount = GetWorkspaceCount();
    BOOL bSeveralTabs = m_arrWorkspace[nWorkspace]->GetItemCount() > 1;
    switch (nID) {
    case XTP_ID_WORKSPACE_MOVEPREVIOUS:
        return nWorkspace > 0;
    case XTP_ID_WORKSPACE_MOVENEXT:
        return nWorkspace < nCount - 1;
    case XTP_ID_WORKSPACE_NEWHORIZONTAL:
        return (nCount == 1 || m_bHorizSplitting) && bSeveralTabs;
    case XTP_ID_WORKSPACE_NEWVERTICAL:
        return (nCount == 1 || !m_bHorizSplitting) && bSeveralTabs;
    default:
        return TRUE;
    }
}

void CXTPTabClientWnd::OnUpdateGroupCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsGroupCommandEnabled(pCmdUI->m_nID));
}

void CXTPTabClientWnd::OnGroupCommand(UINT nID)
{
    if (!IsGroupCommandEnabled(nID))
        return;
    int nWorkspace = FindWorkspace(GetActiveChild());
    switch (nID) {
    case XTP_ID_WORKSPACE_MOVEPREVIOUS:
        MoveActiveChild(nWorkspace - 1, FALSE);
        break;
    case XTP_ID_WORKSPACE_MOVENEXT:
        MoveActiveChild(nWorkspace + 1, FALSE);
        break;
    default:
        m_bHorizSplitting = nID == XTP_ID_WORKSPACE_NEWHORIZONTAL;
        MoveActiveChild(nWorkspace + 1, TRUE);
        break;
    }
}

void CXTPTabClientWnd::MoveActiveChild(int nWorkspace, BOOL bNewWorkspace)
{
    HWND hWndActive = GetActiveChild();
    int nFrom = FindWorkspace(hWndActive);
    if (nFrom < 0)
        return;
    CXTPTabClientWorkspace* pFrom = m_arrWorkspace[nFrom];
    CXTPTabManagerItem* pItem = pFrom->FindItem(hWndActive);
    if (pItem == pFrom->GetSelectedItem())
        pFrom->m_pSelected = nullptr;
    pFrom->DeleteItem(pItem->GetIndex());
    if (bNewWorkspace)
        m_arrWorkspace.InsertAt(nWorkspace, new CXTPTabClientWorkspace(this));
    CXTPTabClientWorkspace* pTo = m_arrWorkspace[nWorkspace];
    pTo->SetSelectedItem(pTo->AddChild(hWndActive));
    m_nActiveWorkspace = nWorkspace;
    RemoveEmptyWorkspaces();
    m_nActiveWorkspace = FindWorkspace(hWndActive);
    UpdateSelection(hWndActive);
    Reposition();
}
