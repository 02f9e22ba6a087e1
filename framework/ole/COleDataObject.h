// The receiving side of data transfer: wraps an IDataObject (one handed to
// a drop target, or the clipboard's) and reads formats from it.
#pragma once
#include <windows.h>
#include <ole2.h>

class COleDataObject
{
public:
    COleDataObject() = default;
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // With bAutoRelease the wrapper releases the interface when it lets go
    // of it (the caller's reference passes to it).
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // The clipboard's current data; FALSE when it cannot be had.
    BOOL AttachClipboard();
    LPDATAOBJECT GetIDataObject(BOOL bAddRef);

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    // A memory block of the caller's (GlobalFree) with the format's data;
    // null when the format is not there.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

private:
    LPDATAOBJECT m_lpDataObject = nullptr;
    BOOL m_bAutoRelease = TRUE;
};

// A FORMATETC for the format: the given one, or content in global memory.
FORMATETC AfxFormatEtcFor(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD tymed = TYMED_HGLOBAL);
// A copy of a global memory block (null when it cannot be made).
HGLOBAL AfxCopyGlobal(HGLOBAL hSource);
