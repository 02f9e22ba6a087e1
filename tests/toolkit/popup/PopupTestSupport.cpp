#include "PopupTestSupport.h"

namespace popuptest {

BOOL COwner::CreateOwner()
{
    return CreateEx(0, AfxRegisterWndClass(0), L"Besitzer", WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr);
}

LRESULT COwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_XTP_POPUP_EVENT)
        return CWnd::WindowProc(message, wParam, lParam);
    CXTPPopupControl* pPopup = wParam == XTP_PCN_ITEMCLICK ? nullptr : reinterpret_cast<CXTPPopupControl*>(lParam);
    events.push_back({wParam, lParam, deleted ? -1 : (pPopup != nullptr ? pPopup->GetPopupState() : -2)});
    if (pDeleteOn != nullptr && !deleted && wParam == deleteCode &&
        (wParam != XTP_PCN_STATECHANGED || pDeleteOn->GetPopupState() == deleteState))
    {
        delete pDeleteOn;
        pDeleteOn = nullptr;
        deleted = true;
    }
    return 0;
}

std::vector<int> COwner::States() const
{
    std::vector<int> states;
    for (const Event& e : events)
        if (e.code == XTP_PCN_STATECHANGED)
            states.push_back(e.state);
    return states;
}

int Tick(HWND hWnd, UINT_PTR nID, int nMax)
{
    int n = 0;
    while (n < nMax && ::IsWindow(hWnd))
    {
        ::SendMessageW(hWnd, WM_TIMER, nID, 0);
        ++n;
    }
    return n;
}

void ParkCursor()
{
    ::SetCursorPos(5, 5);
}

} // namespace popuptest
