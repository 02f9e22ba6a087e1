// Makes a window accept OLE drops: Register hands the system an IDropTarget
// that calls the virtual handlers below with the window, the dragged data,
// the key state and the point in the window's client coordinates. The
// handlers answer the effect the drop would have; an effect the source
// does not allow counts as none. Revoked explicitly, when the window is
// destroyed, or with the object. No exception leaves the interface: a
// handler that throws answers no effect.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "framework/ole/DropEffect.h"

#include "framework/core/CCmdTarget.h"
#include "framework/gdi/CPoint.h"
#include "framework/ole/COleDataObject.h"

class CWnd;

class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)

public:
    COleDropTarget();
    ~COleDropTarget() override;

    // FALSE when the window has a target already or OLE is not initialised
    // on the calling thread.
    BOOL Register(CWnd* pWnd);
    void Revoke();
    HWND GetRegisteredWindow() const { return m_hWnd; }

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // TRUE when the data was taken.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1, the default, lets OnDrop decide.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);

    IDropTarget* GetInterface() { return &m_xDropTarget; }

private:
    CWnd* Window() const;
    CPoint ClientPoint(POINTL pt) const;

    class XDropTarget : public IDropTarget
    {
    public:
        explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(DragEnter)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHOD(DragOver)(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHOD(DragLeave)() override;
        STDMETHOD(Drop)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

    private:
        COleDropTarget* m_pOwner;
    } m_xDropTarget;

    HWND m_hWnd = nullptr;
    // The data of the drag in progress (a reference held until it ends).
    COleDataObject m_dataObject;
};
