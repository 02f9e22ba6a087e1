#include "toolkit/commandbars/accessibility/XTPAccessible.h"
#include "framework/core/CCmdTarget.h"

namespace {

typedef void(WINAPI* PFNNOTIFYWINEVENT)(DWORD, HWND, LONG, LONG);
typedef HRESULT(WINAPI* PFNACCESSIBLEOBJECTFROMWINDOW)(HWND, DWORD, REFIID, void**);
typedef LRESULT(WINAPI* PFNLRESULTFROMOBJECT)(REFIID, WPARAM, LPUNKNOWN);

// The system's accessibility entry points, looked up once.
struct CAccessibilityFunctions
{
    PFNNOTIFYWINEVENT pfnNotifyWinEvent = nullptr;
    PFNACCESSIBLEOBJECTFROMWINDOW pfnAccessibleObjectFromWindow = nullptr;
    PFNLRESULTFROMOBJECT pfnLresultFromObject = nullptr;
    bool bOleaccTried = false;

    void LoadOleacc()
    {
        if (bOleaccTried)
            return;
        bOleaccTried = true;
        HMODULE hOleacc = LoadLibraryW(L"oleacc.dll");
        if (!hOleacc)
            return;
        pfnAccessibleObjectFromWindow = reinterpret_cast<PFNACCESSIBLEOBJECTFROMWINDOW>(
            reinterpret_cast<void*>(GetProcAddress(hOleacc, "AccessibleObjectFromWindow")));
        pfnLresultFromObject = reinterpret_cast<PFNLRESULTFROMOBJECT>(
            reinterpret_cast<void*>(GetProcAddress(hOleacc, "LresultFromObject")));
    }
};

CAccessibilityFunctions& Functions()
{
    static CAccessibilityFunctions functions;
    return functions;
}

const int kMaxVariantDepth = 8;

} // namespace

HRESULT XTPAccessibleObjectFromWindow(HWND hWnd, DWORD dwObjectID, REFIID riid, void** ppvObject)
{
    Functions().LoadOleacc();
    if (!Functions().pfnAccessibleObjectFromWindow)
        return E_FAIL;
    return Functions().pfnAccessibleObjectFromWindow(hWnd, dwObjectID, riid, ppvObject);
}

LRESULT XTPLresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN pAcc)
{
    Functions().LoadOleacc();
    if (!Functions().pfnLresultFromObject)
        return E_FAIL;
    return Functions().pfnLresultFromObject(riid, wParam, pAcc);
}

void XTPNotifyWinEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild)
{
    if (Functions().pfnNotifyWinEvent)
        Functions().pfnNotifyWinEvent(event, hWnd, idObject, idChild);
}

CXTPAccessible::CXTPAccessible()
{
    if (!Functions().pfnNotifyWinEvent) {
        HMODULE hUser = GetModuleHandleW(L"USER32");
        if (hUser)
            Functions().pfnNotifyWinEvent =
                reinterpret_cast<PFNNOTIFYWINEVENT>(reinterpret_cast<void*>(GetProcAddress(hUser, "NotifyWinEvent")));
    }
}

long CXTPAccessible::GetChildIndex(const VARIANT* pVarChild)
{
    // Clients hand ids by reference, also through nested variants; a null
    // or self-referring chain gives an invalid id.
    for (int nDepth = 0; pVarChild && nDepth < kMaxVariantDepth; nDepth++) {
        switch (pVarChild->vt) {
        case VT_I4:
            return pVarChild->lVal;
        case VT_I2:
            return pVarChild->iVal;
        case VT_BYREF | VT_I4:
            return pVarChild->plVal ? *pVarChild->plVal : -1;
        case VT_BYREF | VT_I2:
            return pVarChild->piVal ? *pVarChild->piVal : -1;
        case VT_BYREF | VT_VARIANT:
            if (pVarChild->pvarVal == pVarChild)
                return -1;
            pVarChild = pVarChild->pvarVal;
            break;
        default:
            return -1;
        }
    }
    return -1;
}

IAccessible* CXTPAccessible::GetAccessible()
{
    CCmdTarget* pTarget = GetCmdTarget();
    IAccessible* pAccessible = nullptr;
    if (pTarget && pTarget->ExternalQueryInterface(&IID_IAccessible, reinterpret_cast<LPVOID*>(&pAccessible)) != S_OK)
        pAccessible = nullptr;
    return pAccessible;
}

HRESULT CXTPAccessible::GetAccessibleParent(IDispatch**) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleChildCount(long*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleChild(VARIANT, IDispatch**) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleName(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleValue(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleDescription(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleRole(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleState(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleHelp(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleHelpTopic(BSTR*, VARIANT, long*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleKeyboardShortcut(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleFocus(VARIANT*) { return S_FALSE; }
HRESULT CXTPAccessible::GetAccessibleSelection(VARIANT*) { return S_FALSE; }
HRESULT CXTPAccessible::GetAccessibleDefaultAction(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleSelect(long, VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleLocation(long*, long*, long*, long*, VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleNavigate(long, VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleHitTest(long, long, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleDoDefaultAction(VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::PutAccessibleName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT CXTPAccessible::PutAccessibleValue(VARIANT, BSTR) { return E_NOTIMPL; }

#define XTP_ACCESSIBLE_OWNER() METHOD_PROLOGUE(CXTPAccessible, Accessible)

STDMETHODIMP_(ULONG) CXTPAccessible::XAccessible::AddRef()
{
    XTP_ACCESSIBLE_OWNER()
    CCmdTarget* pTarget = pThis->GetCmdTarget();
    return pTarget ? pTarget->ExternalAddRef() : 1;
}

STDMETHODIMP_(ULONG) CXTPAccessible::XAccessible::Release()
{
    XTP_ACCESSIBLE_OWNER()
    CCmdTarget* pTarget = pThis->GetCmdTarget();
    return pTarget ? pTarget->ExternalRelease() : 1;
}

STDMETHODIMP CXTPAccessible::XAccessible::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    XTP_ACCESSIBLE_OWNER()
    CCmdTarget* pTarget = pThis->GetCmdTarget();
    if (!pTarget) {
        *ppvObj = nullptr;
        return E_NOINTERFACE;
    }
    return static_cast<HRESULT>(pTarget->ExternalQueryInterface(&iid, ppvObj));
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accParent(IDispatch** ppdispParent)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleParent(ppdispParent);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accChildCount(long* pcountChildren)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleChildCount(pcountChildren);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleChild(varChild, ppdispChild);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleName(varChild, pszName);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleValue(varChild, pszValue);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleDescription(varChild, pszDescription);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleRole(varChild, pvarRole);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleState(varChild, pvarState);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleHelp(varChild, pszHelp);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleHelpTopic(pszHelpFile, varChild, pidTopic);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleKeyboardShortcut(varChild, pszKeyboardShortcut);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accFocus(VARIANT* pvarChild)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleFocus(pvarChild);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accSelection(VARIANT* pvarChildren)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleSelection(pvarChildren);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->GetAccessibleDefaultAction(varChild, pszDefaultAction);
}
STDMETHODIMP CXTPAccessible::XAccessible::accSelect(long flagsSelect, VARIANT varChild)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->AccessibleSelect(flagsSelect, varChild);
}
STDMETHODIMP CXTPAccessible::XAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                                      VARIANT varChild)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
}
STDMETHODIMP CXTPAccessible::XAccessible::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->AccessibleNavigate(navDir, varStart, pvarEndUpAt);
}
STDMETHODIMP CXTPAccessible::XAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->AccessibleHitTest(xLeft, yTop, pvarChild);
}
STDMETHODIMP CXTPAccessible::XAccessible::accDoDefaultAction(VARIANT varChild)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->AccessibleDoDefaultAction(varChild);
}
STDMETHODIMP CXTPAccessible::XAccessible::put_accName(VARIANT varChild, BSTR szName)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->PutAccessibleName(varChild, szName);
}
STDMETHODIMP CXTPAccessible::XAccessible::put_accValue(VARIANT varChild, BSTR szValue)
{
    XTP_ACCESSIBLE_OWNER()
    return pThis->PutAccessibleValue(varChild, szValue);
}
