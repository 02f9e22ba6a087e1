// Base of the GDI object wrappers: owns one GDI handle and deletes it when
// destroyed (unless detached). FromHandle wraps foreign handles in
// temporary objects that live until the next idle time.
#pragma once
#include <windows.h>

#include "framework/core/CObject.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)

public:
    CGdiObject() = default;
    ~CGdiObject() override;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return GetSafeHandle(); }
    // Also answers null when called through a null pointer.
    HGDIOBJ GetSafeHandle() const;

    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

protected:
    // The temporary wrapper of a foreign handle, made as a TObject.
    template <class TObject>
    static TObject* FromHandleAs(HGDIOBJ hObject)
    {
        return static_cast<TObject*>(LookupOrAdd(hObject, [] { return static_cast<CGdiObject*>(new TObject); }));
    }

private:
    static CGdiObject* LookupOrAdd(HGDIOBJ hObject, CGdiObject* (*create)());
};
