#include "framework/ole/COleDropSource.h"

#include "framework/core/CException.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

COleDropSource::COleDropSource() : m_xDropSource(this)
{
}

void COleDropSource::NoteStartingButton()
{
    const bool right = (::GetKeyState(VK_RBUTTON) & 0x8000) && !(::GetKeyState(VK_LBUTTON) & 0x8000);
    m_dwButtonDrop = right ? MK_RBUTTON : MK_LBUTTON;
    m_dwButtonCancel = right ? MK_LBUTTON : MK_RBUTTON;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel))
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & m_dwButtonDrop))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDropSource) {
        *ppv = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return m_pOwner->ExternalAddRef();
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return m_pOwner->ExternalRelease();
}

// No exception leaves through the interface: a failing handler cancels.
STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    try {
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return DRAGDROP_S_CANCEL;
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    try {
        return m_pOwner->GiveFeedback(dwEffect);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
