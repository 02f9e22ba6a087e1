// What a bar tells accessibility clients, and its answer to WM_GETOBJECT.
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPPopupBar.h"

BEGIN_INTERFACE_MAP(CXTPCommandBar, CWnd)
    INTERFACE_PART(CXTPCommandBar, IID_IAccessible, Accessible)
    INTERFACE_PART(CXTPCommandBar, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

HRESULT CXTPCommandBar::GetAccessibleParent(IDispatch** ppdispParent)
{
    if (!ppdispParent)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    CXTPPopupBar* pPopupBar = dynamic_cast<CXTPPopupBar*>(this);
    if (pPopupBar && pPopupBar->GetControlPopup())
        return pPopupBar->GetControlPopup()->ExternalQueryInterface(&IID_IAccessible,
                                                                    reinterpret_cast<LPVOID*>(ppdispParent)) == S_OK
                   ? S_OK
                   : E_FAIL;
    HWND hParent = GetSafeHwnd() ? ::GetParent(GetSafeHwnd()) : nullptr;
    if (!hParent)
        return E_FAIL;
    return XTPAccessibleObjectFromWindow(hParent, static_cast<DWORD>(OBJID_WINDOW), IID_IAccessible,
                                         reinterpret_cast<void**>(ppdispParent));
}

HRESULT CXTPCommandBar::GetAccessibleChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetControlCount();
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CXTPControl* pControl = GetControl(GetChildIndex(&varChild) - 1);
    if (pControl)
        pControl->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<LPVOID*>(ppdispChild));
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (!pszName)
        return E_INVALIDARG;
    long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF) {
        *pszName = SysAllocString(m_strTitle);
        return S_OK;
    }
    CXTPControl* pControl = GetControl(nChild - 1);
    if (!pControl)
        return E_INVALIDARG;
    VARIANT varSelf;
    VariantInit(&varSelf);
    varSelf.vt = VT_I4;
    varSelf.lVal = CHILDID_SELF;
    return pControl->GetAccessibleName(varSelf, pszName);
}

HRESULT CXTPCommandBar::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!pvarRole)
        return E_INVALIDARG;
    pvarRole->vt = VT_I4;
    if (GetChildIndex(&varChild) != CHILDID_SELF) {
        pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
        return S_OK;
    }
    pvarRole->lVal = m_barType == xtpBarTypeMenuBar ? ROLE_SYSTEM_MENUBAR
                     : m_barType == xtpBarTypePopup ? ROLE_SYSTEM_MENUPOPUP
                                                    : ROLE_SYSTEM_TOOLBAR;
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (!pvarState)
        return E_INVALIDARG;
    long nChild = GetChildIndex(&varChild);
    BOOL bVisible = GetSafeHwnd() && ::IsWindowVisible(GetSafeHwnd());
    long nState = bVisible ? 0 : STATE_SYSTEM_INVISIBLE;
    if (nChild != CHILDID_SELF)
        nState |= nChild - 1 == m_nSelected ? 0x300086 : 0x300000;
    pvarState->vt = VT_I4;
    pvarState->lVal = nState;
    return S_OK;
}

HRESULT CXTPCommandBar::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                           VARIANT varChild)
{
    if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!GetSafeHwnd())
        return S_OK;
    long nChild = GetChildIndex(&varChild);
    CRect rc;
    if (nChild == CHILDID_SELF) {
        ::GetWindowRect(GetSafeHwnd(), &rc);
    } else {
        CXTPControl* pControl = GetControl(nChild - 1);
        if (!pControl)
            return E_INVALIDARG;
        rc = pControl->GetRect();
        ClientToScreen(&rc);
    }
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPCommandBar::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    pvarChild->vt = VT_EMPTY;
    RECT rcWindow;
    POINT pt = {xLeft, yTop};
    if (!GetSafeHwnd() || !::GetWindowRect(GetSafeHwnd(), &rcWindow) || !PtInRect(&rcWindow, pt))
        return S_FALSE;
    ScreenToClient(&pt);
    CXTPControl* pControl = m_pControls->HitTest(pt);
    if (pControl) {
        pvarChild->vt = VT_DISPATCH;
        pvarChild->pdispVal = nullptr;
        pControl->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<LPVOID*>(&pvarChild->pdispVal));
        return S_OK;
    }
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}

LRESULT CXTPCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    LONG nObject = static_cast<LONG>(lParam);
    if (nObject != OBJID_CLIENT && nObject != OBJID_MENU)
        return Default();
    IAccessible* pAccessible = GetAccessible();
    if (!pAccessible)
        return E_FAIL;
    LRESULT lResult = XTPLresultFromObject(IID_IAccessible, wParam, pAccessible);
    pAccessible->Release();
    return lResult;
}
