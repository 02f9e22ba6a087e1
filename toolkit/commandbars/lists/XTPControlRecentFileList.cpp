#include "toolkit/commandbars/lists/XTPControlRecentFileList.h"
#include "framework/docview/CRecentFileList.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/bars/XTPCommandBar.h"
#include "toolkit/commandbars/lists/XTPControlListEntries.h"
#include "toolkit/commandbars/lists/XTPControlWindowList.h"

IMPLEMENT_DYNCREATE(CXTPControlRecentFileList, CXTPControlButton)

namespace {

struct CEntryRange
{
    int nFirst;
    int nLast;
};

BOOL IsRecentFileEntry(CXTPControl* pControl, void* pContext)
{
    const CEntryRange* pRange = static_cast<const CEntryRange*>(pContext);
    return pControl->GetID() >= pRange->nFirst && pControl->GetID() <= pRange->nLast;
}

} // namespace

CRecentFileList* CXTPControlRecentFileList::GetRecentFileList()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pRecentFileList : nullptr;
}

void CXTPControlRecentFileList::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    CRecentFileList* pList = GetRecentFileList();
    if (!pList)
        return;
    int nFirst = GetFirstMRUID();
    CEntryRange range = {nFirst, nFirst + pList->GetSize()};
    XTPRemoveGeneratedEntries(this, IsRecentFileEntry, &range);

    if (IsCustomizeMode()) {
        SetHideFlags(0);
        SetEnabled(TRUE);
        return;
    }
    if (pList->GetSize() == 0 || (*pList)[0].IsEmpty()) {
        // The placeholder itself stands in, greyed.
        SetHideFlags(0);
        SetEnabled(FALSE);
        return;
    }
    SetHideFlags(xtpHideGeneric);

    wchar_t szCurDir[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryW(MAX_PATH, szCurDir);
    CString strCurDir = szCurDir;
    if (strCurDir.Right(1) != L"\\")
        strCurDir += L"\\";

    int nEntries = 0;
    for (int i = 0; i < pList->GetSize(); i++) {
        CString strName;
        if (!pList->GetDisplayName(strName, i, strCurDir, strCurDir.GetLength()))
            continue;
        CXTPControl* pEntry = XTPAddGeneratedEntry(this, nEntries, nFirst + i);
        if (!pEntry)
            break;
        pEntry->SetCaption(XTPFormatNumberedCaption(strName, i + 1));
        pEntry->SetBeginGroup(nEntries == 0 && GetIndex() != 0);
        nEntries++;
    }
}

BOOL CXTPControlRecentFileList::IsCustomizeDragOverAvail(CXTPCommandBar* pCommandBar, CPoint /*point*/,
                                                         DROPEFFECT& dropEffect)
{
    return XTPAcceptPopupBarTargetOnly(pCommandBar, dropEffect);
}

CXTPControl* CXTPControlRecentFileList::Clone(BOOL bRecursive)
{
    CXTPControlRecentFileList* pControl = new CXTPControlRecentFileList();
    pControl->Copy(this, bRecursive);
    return pControl;
}
