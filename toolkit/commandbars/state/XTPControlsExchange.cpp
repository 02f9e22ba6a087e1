// The stored form of a control collection: its controls (temporary ones
// left out), then its original set.
#include "framework/files/CArchiveException.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/controls/XTPControl.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"

namespace {

// A collection nests only an original set below it; deeper nesting in
// stored data is damage and would only eat the stack.
const int kMaxNestedCollections = 2;
int g_nNestedLoads = 0;

class CNestedLoad
{
public:
    CNestedLoad()
    {
        if (g_nNestedLoads >= kMaxNestedCollections)
            AfxThrowArchiveException(CArchiveException::badSchema);
        g_nNestedLoads++;
    }
    ~CNestedLoad() { g_nNestedLoads--; }
    CNestedLoad(const CNestedLoad&) = delete;
    CNestedLoad& operator=(const CNestedLoad&) = delete;
};

void StoreControls(CXTPPropExchange* pPX, const CArray<CXTPControl*, CXTPControl*>& arrControls)
{
    CArray<CXTPControl*, CXTPControl*> arrStored;
    for (INT_PTR i = 0; i < arrControls.GetSize(); i++)
        if (!arrControls[i]->IsTemporary())
            arrStored.Add(arrControls[i]);
    CXTPPropExchangeEnumerator enumerator(pPX, L"Control");
    POSITION pos = enumerator.GetPosition(static_cast<DWORD>(arrStored.GetSize()));
    for (INT_PTR i = 0; pos; i++) {
        CXTPSectionHolder section(enumerator.GetNext(pos));
        CObject* pObject = arrStored[i];
        section->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPControl));
        arrStored[i]->DoPropExchange(section.Get());
    }
}

} // namespace

void CXTPControls::SetOriginalControls(CXTPControls* pControls)
{
    if (pControls == m_pOriginalControls)
        return;
    if (pControls)
        pControls->InternalAddRef();
    if (m_pOriginalControls)
        m_pOriginalControls->InternalRelease();
    m_pOriginalControls = pControls;
}

BOOL CXTPControls::IsEqual(const CXTPControls* pOther) const
{
    if (!pOther)
        return FALSE;
    int i = 0, j = 0;
    for (;;) {
        while (i < GetCount() && GetAt(i)->IsTemporary())
            i++;
        while (j < pOther->GetCount() && pOther->GetAt(j)->IsTemporary())
            j++;
        if (i >= GetCount() || j >= pOther->GetCount())
            return i >= GetCount() && j >= pOther->GetCount();
        if (!GetAt(i)->Compare(pOther->GetAt(j)))
            return FALSE;
        i++;
        j++;
    }
}

void CXTPControls::DoPropExchange(CXTPPropExchange* pPX)
{
    XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam = XTP_COMMANDBARS_PROPEXCHANGE_PARAM::From(pPX);
    BOOL bWithOriginals = pParam == nullptr || pParam->bSaveOriginalControls;

    if (pPX->IsStoring()) {
        StoreControls(pPX, m_arrControls);
        BOOL bOriginal = bWithOriginals && m_pOriginalControls && m_pOriginalControls->GetCount() > 0;
        XTPExchangeBoolWithDefault(pPX, L"OriginalControls", bOriginal, FALSE);
        if (bOriginal) {
            CXTPSectionHolder section(pPX->GetSection(L"OriginalControls"));
            m_pOriginalControls->DoPropExchange(section.Get());
        }
        BOOL bCustomized = FALSE;
        XTPExchangeBoolWithDefault(pPX, L"CustomizedControls", bCustomized, FALSE);
        return;
    }

    RemoveAll();
    {
        CXTPPropExchangeEnumerator enumerator(pPX, L"Control");
        POSITION pos = enumerator.GetPosition();
        while (pos) {
            CXTPSectionHolder section(enumerator.GetNext(pos));
            CObject* pObject = nullptr;
            if (!section->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPControl)) || !pObject)
                AfxThrowArchiveException(CArchiveException::badClass);
            CXTPControl* pControl = static_cast<CXTPControl*>(pObject);
            // Held by the collection at once: a throwing load leaves nothing behind.
            pControl->SetControls(this);
            try {
                pControl->DoPropExchange(section.Get());
            } catch (...) {
                pControl->SetControls(nullptr);
                pControl->InternalRelease();
                throw;
            }
            Add(pControl, pControl->GetID(), pControl->GetParameter(), -1, pControl->IsTemporary());
        }
    }
    if (pPX->m_nSchema > 2) {
        BOOL bOriginal = FALSE;
        XTPExchangeBoolWithDefault(pPX, L"OriginalControls", bOriginal, FALSE);
        if (bOriginal) {
            CNestedLoad nested;
            SetOriginalControls(nullptr);
            CXTPSectionHolder section(pPX->GetSection(L"OriginalControls"));
            CXTPControls* pOriginal = new CXTPControls();
            pOriginal->SetCommandBars(GetCommandBars());
            try {
                pOriginal->DoPropExchange(section.Get());
            } catch (...) {
                pOriginal->InternalRelease();
                throw;
            }
            m_pOriginalControls = pOriginal;
        }
        BOOL bCustomized = FALSE;
        XTPExchangeBoolWithDefault(pPX, L"CustomizedControls", bCustomized, FALSE);
        if (bCustomized) {
            CNestedLoad nested;
            CXTPSectionHolder section(pPX->GetSection(L"CustomizedControls"));
            CXTPControls* pCustomized = new CXTPControls();
            pCustomized->SetCommandBars(GetCommandBars());
            try {
                pCustomized->DoPropExchange(section.Get());
            } catch (...) {
                pCustomized->InternalRelease();
                throw;
            }
            pCustomized->InternalRelease();
        }
    }
}
