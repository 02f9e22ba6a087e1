// What a control tells accessibility clients.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"

BEGIN_INTERFACE_MAP(CXTPControl, CCmdTarget)
    INTERFACE_PART(CXTPControl, IID_IAccessible, Accessible)
    INTERFACE_PART(CXTPControl, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

namespace {

const long kStateFocusable = 0x100000;
const long kStateSelectedFocused = 0x100086;
const long kStateInvisible = 0x8000;
const long kStateUnavailable = 1;
const long kStateChecked = 0x10;
const long kStatePressed = 8;
const long kStateHasPopup = 0x40000000;

BSTR AllocString(const CString& str)
{
    return SysAllocString(str);
}

} // namespace

HRESULT CXTPControl::GetAccessibleParent(IDispatch** ppdispParent)
{
    if (!ppdispParent)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (!m_pParent)
        return E_FAIL;
    return m_pParent->ExternalQueryInterface(&IID_IAccessible, reinterpret_cast<LPVOID*>(ppdispParent)) == S_OK ? S_OK
                                                                                                              : E_FAIL;
}

HRESULT CXTPControl::GetAccessibleChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetCommandBar() ? 1 : 0;
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CXTPCommandBar* pBar = GetCommandBar();
    if (GetChildIndex(&varChild) == 1 && pBar)
        pBar->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<LPVOID*>(ppdispChild));
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF || !pszName)
        return E_INVALIDARG;
    CString strName = GetCaption();
    CXTPPaintManager::StripMnemonics(strName);
    CString strShortcut = GetCurrentShortcutText();
    if (!strShortcut.IsEmpty())
        strName += L"\t" + strShortcut;
    *pszName = AllocString(strName);
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF || !pszDescription)
        return E_INVALIDARG;
    *pszDescription = AllocString(GetDescription());
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF || !pvarRole)
        return E_INVALIDARG;
    pvarRole->vt = VT_I4;
    if (m_pParent && m_pParent->GetType() == xtpBarTypeNormal)
        pvarRole->lVal = GetCommandBar() ? ROLE_SYSTEM_BUTTONMENU : ROLE_SYSTEM_PUSHBUTTON;
    else
        pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF || !pvarState)
        return E_INVALIDARG;
    long nState = GetSelected() ? kStateSelectedFocused : kStateFocusable;
    BOOL bBarVisible = m_pParent && m_pParent->GetSafeHwnd() && ::IsWindowVisible(m_pParent->GetSafeHwnd());
    if (!bBarVisible || m_dwHideFlags)
        nState |= kStateInvisible;
    if (!m_bEnabled)
        nState |= kStateUnavailable;
    if (m_bChecked)
        nState |= kStateChecked;
    if (m_bPressed)
        nState |= kStatePressed;
    if (GetCommandBar())
        nState |= kStateHasPopup;
    pvarState->vt = VT_I4;
    pvarState->lVal = nState;
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF || !pszDefaultAction)
        return E_INVALIDARG;
    *pszDefaultAction = SysAllocString(L"Click");
    return S_OK;
}

HRESULT CXTPControl::AccessibleSelect(long /*flagsSelect*/, VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    if (m_pParent && m_pParent->GetSafeHwnd()) {
        m_pParent->SetTrackingMode(TRUE, FALSE, FALSE);
        m_pParent->SetSelected(m_nIndex, TRUE);
    }
    return S_OK;
}

HRESULT CXTPControl::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF || !pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return S_OK;
    CRect rc = m_rcControl;
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPControl::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    pvarChild->vt = VT_EMPTY;
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return S_FALSE;
    RECT rcWindow;
    ::GetWindowRect(m_pParent->GetSafeHwnd(), &rcWindow);
    POINT pt = {xLeft, yTop};
    if (!PtInRect(&rcWindow, pt))
        return S_FALSE;
    m_pParent->ScreenToClient(&pt);
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return m_rcControl.PtInRect(pt) ? S_OK : S_FALSE;
}

HRESULT CXTPControl::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    OnClick(TRUE, CPoint(0, 0));
    return S_OK;
}
