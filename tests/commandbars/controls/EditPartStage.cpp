#include "EditPartStage.h"
#include <cstring>
#include "framework/gdi/CClientDC.h"
#include "toolkit/commandbars/controls/XTPControls.h"

namespace {

const WORD kFirstAccelerator = 901;
const WORD kLastAccelerator = 904;

} // namespace

HMODULE WINAPI NoRichEditLibrary(LPCWSTR /*lpszName*/)
{
    return nullptr;
}

bool CEditPartStage::CreateStage(const CRect& rcSite, int nBarWidth)
{
    if (!m_site.Create(rcSite))
        return false;
    m_site.ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_site.GetSafeHwnd());
    m_bar.SetBarPosition(xtpBarTop);
    if (!m_bar.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"Bar", WS_CHILD | WS_VISIBLE,
                        0, 0, nBarWidth, 30, m_site.GetSafeHwnd(), nullptr))
        return false;
    m_bar.SetCommandBars(&m_commandBars);
    m_commandBars.SetSite(&m_site);
    return true;
}

void CEditPartStage::DestroyStage()
{
    m_bar.EndTracking();
    m_pAccelerators.reset();
    if (m_hAccel)
        ::DestroyAcceleratorTable(m_hAccel);
    m_hAccel = nullptr;
    m_bar.GetControls()->RemoveAll();
    m_bar.SetCommandBars(nullptr);
    m_bar.DestroyWindow();
    m_site.DestroyWindow();
}

void CEditPartStage::PlaceInRow(int x)
{
    CClientDC dc(&m_bar);
    for (int i = 0; i < m_bar.GetControlCount(); i++) {
        CXTPControl* pControl = m_bar.GetControl(i);
        CSize size = pControl->GetSize(&dc);
        pControl->SetRect(CRect(x, 3, x + size.cx, 3 + size.cy));
        x += size.cx + 6;
    }
}

void CEditPartStage::TranslateClipboardAccelerators()
{
    ACCEL accels[] = {{FCONTROL | FVIRTKEY, 'C', kFirstAccelerator}, {FCONTROL | FVIRTKEY, 'V', 902},
                      {FCONTROL | FVIRTKEY, 'X', 903}, {FCONTROL | FVIRTKEY, 'Z', kLastAccelerator}};
    m_hAccel = ::CreateAcceleratorTableW(accels, 4);
    m_pAccelerators = std::make_unique<testpump::ScopedMessageFilter>(
        [this](MSG& msg) { return ::TranslateAcceleratorW(m_site.GetSafeHwnd(), m_hAccel, &msg) != 0; });
}

BOOL CEditPartStage::AnyAcceleratorCommand() const
{
    for (const CSiteMessage& message : m_site.received)
        if (message.message == WM_COMMAND && LOWORD(message.wParam) >= kFirstAccelerator &&
            LOWORD(message.wParam) <= kLastAccelerator)
            return TRUE;
    return FALSE;
}

std::vector<UINT> CEditPartStage::Notifications() const
{
    std::vector<UINT> codes;
    for (const CSiteMessage& message : m_site.received)
        if (message.message == WM_XTP_CONTROL_NOTIFY)
            codes.push_back(message.code);
    return codes;
}

CString CEditPartStage::ClipboardText() const
{
    CString strText;
    if (!::OpenClipboard(m_site.GetSafeHwnd()))
        return strText;
    if (HANDLE hText = ::GetClipboardData(CF_UNICODETEXT)) {
        strText = static_cast<LPCWSTR>(::GlobalLock(hText));
        ::GlobalUnlock(hText);
    }
    ::CloseClipboard();
    return strText;
}

void CEditPartStage::SetClipboardText(LPCWSTR lpszText) const
{
    ::OpenClipboard(m_site.GetSafeHwnd());
    ::EmptyClipboard();
    if (lpszText) {
        size_t nBytes = (wcslen(lpszText) + 1) * sizeof(wchar_t);
        HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
        memcpy(::GlobalLock(hText), lpszText, nBytes);
        ::GlobalUnlock(hText);
        ::SetClipboardData(CF_UNICODETEXT, hText);
    }
    ::CloseClipboard();
}
