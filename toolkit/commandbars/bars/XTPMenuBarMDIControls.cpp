// The maximized MDI child's controls on the menu bar: its system menu and
// its minimize, restore and close buttons.
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/windows/CMenu.h"
#include "toolkit/common/dc/XTPFontDC.h"
#include "toolkit/common/resources/XTPResourceManager.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

// Nested classes: their run-time classes are spelled out.
#define XTP_IMPLEMENT_NESTED_DYNCREATE(scope, name, base, init)                                               \
    CObject* scope::name::CreateObject()                                                                      \
    {                                                                                                         \
        return new name;                                                                                      \
    }                                                                                                         \
    CRuntimeClass scope::name::class##name = {#scope "::" #name, sizeof(scope::name), AFX_NO_SCHEMA,          \
                                              scope::name::CreateObject, RUNTIME_CLASS(base), nullptr};       \
    static const AFX_CLASSINIT init(&scope::name::class##name);                                               \
    CRuntimeClass* scope::name::GetRuntimeClass() const                                                       \
    {                                                                                                         \
        return &class##name;                                                                                  \
    }

XTP_IMPLEMENT_NESTED_DYNCREATE(CXTPMenuBar, CXTPControlMDIButton, CXTPControlButton, afxClassInit_MDIButton)
XTP_IMPLEMENT_NESTED_DYNCREATE(CXTPMenuBar, CXTPControlMDISysMenuPopup, CXTPControlPopup, afxClassInit_MDISysMenu)
XTP_IMPLEMENT_NESTED_DYNCREATE(CXTPMenuBar::CXTPControlMDISysMenuPopup, CXTPSysMenuPopupBar, CXTPPopupBar,
                               afxClassInit_SysMenuBar)

namespace {

const int kMdiControlSize = 16;
// System commands run from 0xF000 in steps of 16; their descriptions are
// framework strings from 0xEF00 on.
const UINT kFirstSysCommand = 0xF000;
const UINT kLastSysCommand = 0xF1EF;
const UINT kFirstSysCommandString = 0xEF00;

HWND ChildOf(const CXTPControl* pControl)
{
    auto* pMenuBar = dynamic_cast<CXTPMenuBar*>(pControl->GetParent());
    return pMenuBar ? pMenuBar->GetActiveMdiChild() : nullptr;
}

HICON ChildIcon(HWND hWndChild)
{
    HICON hIcon = nullptr;
    DWORD_PTR dwResult = 0;
    auto ask = [&](UINT nMessage, WPARAM wParam) {
        if (!hIcon && ::SendMessageTimeoutW(hWndChild, nMessage, wParam, 0, SMTO_ABORTIFHUNG, 1000, &dwResult))
            hIcon = reinterpret_cast<HICON>(dwResult);
    };
    if (hWndChild != nullptr) {
        ask(WM_XTP_GETWINDOWICON, 0);
        ask(WM_GETICON, ICON_SMALL);
        ask(WM_GETICON, ICON_BIG);
        if (!hIcon)
            hIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(hWndChild, GCLP_HICONSM));
    }
    if (!hIcon)
        hIcon = ::LoadIconW(nullptr, IDI_WINLOGO);
    return static_cast<HICON>(::CopyImage(hIcon, IMAGE_ICON, kMdiControlSize, kMdiControlSize, 0));
}

} // namespace

CXTPMenuBar::CXTPControlMDIButton::CXTPControlMDIButton()
{
    m_dwFlags |= xtpFlagRightAlign | xtpFlagSkipFocus | xtpFlagManualUpdate | xtpFlagNoMovable;
}

CSize CXTPMenuBar::CXTPControlMDIButton::GetSize(CDC* /*pDC*/)
{
    return CSize(kMdiControlSize, kMdiControlSize);
}

void CXTPMenuBar::CXTPControlMDIButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawControlState(pDC, this);
    // 8 points at 96 dpi whatever the device's resolution: the glyphs keep their size.
    CFont font;
    font.CreatePointFont(::MulDiv(80, 96, ::GetDeviceCaps(pDC->GetSafeHdc(), LOGPIXELSY)), L"Marlett", pDC);
    CXTPFontDC fontDC(pDC, &font, ::GetSysColor(GetEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    CRect rc = GetRect();
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(GetParameter(), -1, &rc, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
}

void CXTPMenuBar::CXTPControlMDIButton::OnExecute()
{
    HWND hChild = ChildOf(this);
    if (hChild == nullptr)
        return;
    WPARAM nCommand = m_nId == XTP_ID_MENUBAR_CLOSE     ? SC_CLOSE
                      : m_nId == XTP_ID_MENUBAR_RESTORE ? SC_RESTORE
                                                        : SC_MINIMIZE;
    ::PostMessageW(hChild, WM_SYSCOMMAND, nCommand, 0);
}

CXTPMenuBar::CXTPControlMDISysMenuPopup::CXTPControlMDISysMenuPopup()
{
    m_controlType = xtpControlPopup;
    m_dwFlags |= xtpFlagManualUpdate | xtpFlagNoMovable;
    auto* pBar = new CXTPSysMenuPopupBar();
    SetCommandBar(pBar);
    pBar->InternalRelease();
}

CXTPMenuBar::CXTPControlMDISysMenuPopup::CXTPControlMDISysMenuPopup(HWND hWndChild, HMENU hSysMenu)
    : CXTPControlMDISysMenuPopup()
{
    SetMDISysMenu(hWndChild, hSysMenu);
}

CXTPMenuBar::CXTPControlMDISysMenuPopup::~CXTPControlMDISysMenuPopup()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
}

void CXTPMenuBar::CXTPControlMDISysMenuPopup::SetMDISysMenu(HWND hWndChild, HMENU hSysMenu)
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = ChildIcon(hWndChild);
    m_hMenu = hSysMenu;
    SetParameter(L"-");
    CXTPControls* pControls = m_pCommandBar->GetControls();
    pControls->RemoveAll();
    int nCount = hSysMenu != nullptr ? ::GetMenuItemCount(hSysMenu) : 0;
    UINT nDefault = hSysMenu != nullptr ? ::GetMenuDefaultItem(hSysMenu, FALSE, 0) : static_cast<UINT>(-1);
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; i++) {
        UINT nId = ::GetMenuItemID(hSysMenu, i);
        if (nId == 0) {
            bBeginGroup = TRUE;
            continue;
        }
        if (nId < kFirstSysCommand || nId > kLastSysCommand)
            continue;
        wchar_t szText[256] = {};
        ::GetMenuStringW(hSysMenu, static_cast<UINT>(i), szText, 255, MF_BYPOSITION);
        CXTPControl* pButton = pControls->Add(xtpControlButton, static_cast<int>(nId));
        pButton->SetFlags(pButton->GetFlags() | xtpFlagManualUpdate);
        pButton->SetCaption(szText);
        CString strDescription;
        if (XTPGetResourceManager()->LoadString(&strDescription, kFirstSysCommandString + (nId - kFirstSysCommand) / 16))
            pButton->SetDescription(strDescription);
        pButton->SetDefaultItem(nId == nDefault);
        pButton->SetEnabled(!(::GetMenuState(hSysMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_DISABLED));
        pButton->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
    }
}

CSize CXTPMenuBar::CXTPControlMDISysMenuPopup::GetSize(CDC* /*pDC*/)
{
    return CSize(kMdiControlSize + 4, kMdiControlSize + 4);
}

void CXTPMenuBar::CXTPControlMDISysMenuPopup::Draw(CDC* pDC)
{
    if (m_hIcon == nullptr)
        return;
    CRect rc = GetRect();
    CPoint pt(rc.left + (rc.Width() - kMdiControlSize) / 2, rc.top + (rc.Height() - kMdiControlSize) / 2);
    ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0, pt.x, pt.y,
                 kMdiControlSize, kMdiControlSize, DST_ICON | DSS_NORMAL);
}

void CXTPMenuBar::CXTPControlMDISysMenuPopup::AdjustExcludeRect(CRect& rc)
{
    rc.InflateRect(1, 1);
}
