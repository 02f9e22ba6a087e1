// The offering side of data transfer: holds memory blocks under clipboard
// formats and offers them through an IDataObject, to a drag (DoDragDrop)
// or to the clipboard (SetClipboard). A source put on the clipboard
// belongs to the clipboard from then on and goes when the clipboard lets
// it go (create it with new).
#pragma once
#include <windows.h>
#include <ole2.h>

#include "framework/ole/DropEffect.h"

#include <vector>

#include "framework/core/CCmdTarget.h"

class COleDropSource;

class COleDataSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDataSource)

public:
    COleDataSource();
    ~COleDataSource() override;

    // Takes ownership of hGlobal; a block already held under the same
    // format is freed (unless it is this very block).
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();

    // Runs the drag; the effect the target chose, DROPEFFECT_NONE when the
    // drag was cancelled or could not run (no OLE on the thread). The drag
    // starts at once: callers wait for the mouse to leave their start
    // rectangle themselves (lpRectStartDrag is not consulted).
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);
    // Puts the source on the clipboard (see above); on failure the source
    // is gone too.
    void SetClipboard();

    LPDATAOBJECT GetDataObject(BOOL bAddRef);

private:
    struct Entry
    {
        FORMATETC format;
        HGLOBAL hGlobal;
    };
    const Entry* Find(const FORMATETC& format) const;

    class XDataObject : public IDataObject
    {
    public:
        explicit XDataObject(COleDataSource* pOwner) : m_pOwner(pOwner) {}
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetData)(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
        STDMETHOD(GetDataHere)(FORMATETC* pFormat, STGMEDIUM* pMedium) override;
        STDMETHOD(QueryGetData)(FORMATETC* pFormat) override;
        STDMETHOD(GetCanonicalFormatEtc)(FORMATETC* pIn, FORMATETC* pOut) override;
        STDMETHOD(SetData)(FORMATETC* pFormat, STGMEDIUM* pMedium, BOOL fRelease) override;
        STDMETHOD(EnumFormatEtc)(DWORD dwDirection, IEnumFORMATETC** ppEnum) override;
        STDMETHOD(DAdvise)(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
        STDMETHOD(DUnadvise)(DWORD) override;
        STDMETHOD(EnumDAdvise)(IEnumSTATDATA**) override;

    private:
        COleDataSource* m_pOwner;
    } m_xDataObject;

    std::vector<Entry> m_entries;
};
