// Decides how a drag that DoDragDrop runs goes on: it ends with a drop when
// the mouse button that started it is released, and is cancelled by Escape
// or by pressing the other button.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "framework/ole/DropEffect.h"

#include "framework/core/CCmdTarget.h"

class COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)

public:
    COleDropSource();

    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);

    // Notes which button drives the drag (called before the drag starts).
    void NoteStartingButton();
    IDropSource* GetInterface() { return &m_xDropSource; }

protected:
    DWORD m_dwButtonDrop = MK_LBUTTON;
    DWORD m_dwButtonCancel = MK_RBUTTON;

private:
    class XDropSource : public IDropSource
    {
    public:
        explicit XDropSource(COleDropSource* pOwner) : m_pOwner(pOwner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(QueryContinueDrag)(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHOD(GiveFeedback)(DWORD dwEffect) override;

    private:
        COleDropSource* m_pOwner;
    } m_xDropSource;
};
