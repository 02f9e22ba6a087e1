#include "framework/ole/COleDropTarget.h"

#include "framework/core/CException.h"
#include "framework/windows/CWnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

namespace
{
// Runs a handler; an exception counts as no effect.
template <typename Handler>
DROPEFFECT Guarded(Handler handler)
{
    try {
        return handler();
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return DROPEFFECT_NONE;
}

// An effect the source does not allow is no effect; scrolling stays.
DWORD Allowed(DROPEFFECT effect, DWORD allowed)
{
    DWORD kinds = effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    if ((kinds & allowed) != kinds)
        kinds = DROPEFFECT_NONE;
    return kinds | (effect & DROPEFFECT_SCROLL);
}
} // namespace

COleDropTarget::COleDropTarget() : m_xDropTarget(this)
{
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || m_hWnd != nullptr || pWnd->m_pDropTarget != nullptr)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, &m_xDropTarget)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    pWnd->m_pDropTarget = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == nullptr)
        return;
    HWND hWnd = m_hWnd;
    m_hWnd = nullptr;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->m_pDropTarget == this)
        pWnd->m_pDropTarget = nullptr;
    m_dataObject.Release();
    ::RevokeDragDrop(hWnd);
}

CWnd* COleDropTarget::Window() const
{
    return CWnd::FromHandle(m_hWnd);
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    POINT point = {pt.x, pt.y};
    ::ScreenToClient(m_hWnd, &point);
    return CPoint(point);
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}

// ---- IDropTarget

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return m_pOwner->ExternalAddRef();
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return m_pOwner->ExternalRelease();
}

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                                   DWORD* pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    COleDropTarget* owner = m_pOwner;
    if (owner->m_hWnd == nullptr || pDataObj == nullptr) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    pDataObj->AddRef();
    owner->m_dataObject.Attach(pDataObj, TRUE);
    const DWORD allowed = *pdwEffect;
    *pdwEffect = Allowed(Guarded([&] {
        return owner->OnDragEnter(owner->Window(), &owner->m_dataObject, grfKeyState, owner->ClientPoint(pt));
    }), allowed);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    COleDropTarget* owner = m_pOwner;
    if (owner->m_hWnd == nullptr || owner->m_dataObject.GetIDataObject(FALSE) == nullptr) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    const DWORD allowed = *pdwEffect;
    *pdwEffect = Allowed(Guarded([&] {
        return owner->OnDragOver(owner->Window(), &owner->m_dataObject, grfKeyState, owner->ClientPoint(pt));
    }), allowed);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    COleDropTarget* owner = m_pOwner;
    if (owner->m_hWnd != nullptr) {
        Guarded([&] {
            owner->OnDragLeave(owner->Window());
            return DROPEFFECT_NONE;
        });
    }
    owner->m_dataObject.Release();
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                              DWORD* pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    COleDropTarget* owner = m_pOwner;
    const DWORD allowed = *pdwEffect;
    *pdwEffect = DROPEFFECT_NONE;
    if (owner->m_hWnd == nullptr || pDataObj == nullptr) {
        owner->m_dataObject.Release();
        return S_OK;
    }
    if (pDataObj != owner->m_dataObject.GetIDataObject(FALSE)) {
        pDataObj->AddRef();
        owner->m_dataObject.Attach(pDataObj, TRUE);
    }
    const CPoint point = owner->ClientPoint(pt);
    // The drop has the effect the last drag-over would have had.
    const DROPEFFECT dropDefault = Allowed(Guarded([&] {
        return owner->OnDragOver(owner->Window(), &owner->m_dataObject, grfKeyState, point);
    }), allowed);
    *pdwEffect = Guarded([&] {
        DROPEFFECT result = owner->OnDropEx(owner->Window(), &owner->m_dataObject, dropDefault, allowed, point);
        if (result != static_cast<DROPEFFECT>(-1))
            return static_cast<DROPEFFECT>(Allowed(result, allowed));
        if (dropDefault == DROPEFFECT_NONE)
            return static_cast<DROPEFFECT>(DROPEFFECT_NONE);
        return owner->OnDrop(owner->Window(), &owner->m_dataObject, dropDefault, point) ? dropDefault
                                                                                       : DROPEFFECT_NONE;
    });
    owner->m_dataObject.Release();
    return S_OK;
}
