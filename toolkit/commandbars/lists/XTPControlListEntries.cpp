#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/controls/XTPControlButton.h"
#include "toolkit/commandbars/controls/XTPControls.h"

CString XTPFormatNumberedCaption(const CString& strText, int nNumber)
{
    CString strEscaped = strText;
    strEscaped.Replace(L"&", L"&&");
    CString strCaption;
    if (nNumber == 0)
        strCaption = strEscaped;
    else if (nNumber < 10)
        strCaption.Format(L"&%i %s", nNumber, strEscaped);
    else if (nNumber == 10)
        strCaption.Format(L"1&0 %s", strEscaped);
    else
        strCaption.Format(L"%i %s", nNumber, strEscaped);
    return strCaption;
}

void XTPRemoveGeneratedEntries(CXTPControl* pPlaceholder, BOOL (*pfnIsEntry)(CXTPControl*, void*), void* pContext)
{
    CXTPControls* pControls = pPlaceholder->GetControls();
    if (!pControls)
        return;
    int nNext = pPlaceholder->GetIndex() + 1;
    while (nNext < pControls->GetCount()) {
        CXTPControl* pEntry = pControls->GetAt(nNext);
        // Entries are always temporary: a control of the bar's own that
        // merely has a matching id (any id from 1 up once MDI children are
        // numbered from 1) stays.
        if (!pEntry || !pEntry->IsTemporary() || !pfnIsEntry(pEntry, pContext))
            break;
        pControls->RemoveAt(nNext);
    }
}

CXTPControl* XTPAddGeneratedEntry(CXTPControl* pPlaceholder, int nOffset, int nId)
{
    CXTPControls* pControls = pPlaceholder->GetControls();
    if (!pControls)
        return nullptr;
    CXTPControl* pEntry = pControls->Add(new CXTPControlButton(), nId, CString(),
                                         pPlaceholder->GetIndex() + 1 + nOffset, TRUE);
    pEntry->SetFlags(pEntry->GetFlags() | xtpFlagManualUpdate);
    return pEntry;
}
