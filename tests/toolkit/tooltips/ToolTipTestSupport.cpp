#include "ToolTipTestSupport.h"

namespace tiptest {

DWORD g_tick = 100000;

BOOL COwnerWnd::CreateAt(int x, int y, int cx, int cy)
{
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                    L"Tooltip owner", WS_POPUP | WS_VISIBLE | WS_BORDER, x, y, cx, cy, nullptr, nullptr);
}

INT_PTR COwnerWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    for (const Tool& tool : tools) {
        if (!::PtInRect(&tool.rect, point))
            continue;
        CXTPToolTipContext::FillInToolInfo(pTI, m_hWnd, tool.rect.left, tool.rect.top, tool.rect.right,
                                           tool.rect.bottom, tool.id, tool.text, tool.title, tool.description);
        if (tool.text == L"<callback>") {
            free(pTI->lpszText);
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        pTI->uFlags |= tool.extraFlags;
        return tool.id;
    }
    return -1;
}

POINT COwnerWnd::ScreenPoint(int x, int y) const
{
    POINT pt = {x, y};
    ::ClientToScreen(m_hWnd, &pt);
    return pt;
}

BOOL COwnerWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (pHdr->code != TTN_GETDISPINFOW)
        return CWnd::OnNotify(wParam, lParam, pResult);
    dispInfoRequests++;
    NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    switch (dispInfoMode) {
    case byPointer:
        pInfo->lpszText = const_cast<LPWSTR>(dispInfoText.GetString());
        break;
    case byResource:
        pInfo->hinst = resourceInstance;
        pInfo->lpszText = MAKEINTRESOURCEW(resourceId);
        break;
    case byBuffer:
        lstrcpynW(pInfo->szText, dispInfoText.GetString(), _countof(pInfo->szText));
        break;
    case byFullBuffer:
        for (size_t i = 0; i < _countof(pInfo->szText); i++)
            pInfo->szText[i] = dispInfoText[(int)(i % (size_t)dispInfoText.GetLength())];
        break;
    }
    *pResult = 0;
    return TRUE;
}

LRESULT CSpyToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TTM_ADDTOOLW:
        if (lParam)
            log.push_back(L"add " + std::to_wstring(reinterpret_cast<TOOLINFOW*>(lParam)->uId));
        break;
    case TTM_DELTOOLW:
        if (lParam)
            log.push_back(L"del " + std::to_wstring(reinterpret_cast<TOOLINFOW*>(lParam)->uId));
        break;
    case TTM_ACTIVATE:
        log.push_back(wParam ? L"activate" : L"deactivate");
        break;
    default:
        break;
    }
    return CXTPToolTipContextToolTip::WindowProc(message, wParam, lParam);
}

CWnd* CSpyContext::CreateToolTip(CWnd* pParent)
{
    created++;
    if (GetStyle() != xtpToolTipOffice)
        return CXTPToolTipContext::CreateToolTip(pParent);
    CSpyToolTip* pTip = new CSpyToolTip(this);
    if (!pTip->Create(pParent, GetToolTipStyle() | TTS_ALWAYSTIP)) {
        delete pTip;
        return nullptr;
    }
    return pTip;
}

void MoveMouse(CXTPToolTipContext& context, CWnd& owner, POINT screenPoint)
{
    ::SetCursorPos(screenPoint.x, screenPoint.y);
    POINT client = screenPoint;
    ::ScreenToClient(owner.GetSafeHwnd(), &client);
    context.FilterToolTipMessage(&owner, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

} // namespace tiptest
