// Saving and loading the manager's options: one routine for both directions.
#include <vector>
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/themes/XTPPaintManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

namespace {

const long kOptionsSchema = 17;
const long kSchemaWithUsage = 7;   // above it: used commands and the newer options
const long kSchemaWithCues = 8;    // above it: keyboard cues

typedef CMap<UINT, UINT, BOOL, BOOL> CCommandMap;

// A command set as one block (count, then the ids) where the exchanger keeps
// binary data, else as a section of numbered items. A block whose size does
// not match its count leaves the set as it is. An empty set is written too:
// left out, the set stored before would stay and come back with the next
// load (a reset of the usage data would be undone).
void ExchangeCommandList(CXTPPropExchange* pPX, LPCTSTR lpszName, CCommandMap& map)
{
    if (pPX->CanStoreBinary()) {
        if (pPX->IsStoring()) {
            std::vector<DWORD> data;
            data.push_back(static_cast<DWORD>(map.GetCount()));
            POSITION pos = map.GetStartPosition();
            while (pos != nullptr) {
                UINT nID;
                BOOL bValue;
                map.GetNextAssoc(pos, nID, bValue);
                data.push_back(nID);
            }
            BYTE* pData = reinterpret_cast<BYTE*>(data.data());
            DWORD nBytes = static_cast<DWORD>(data.size() * sizeof(DWORD));
            pPX->ExchangeBlob(lpszName, pData, nBytes);
            return;
        }
        BYTE* pData = nullptr;
        DWORD nBytes = 0;
        if (!pPX->ExchangeBlob(lpszName, pData, nBytes) || pData == nullptr)
            return;
        const DWORD* pValues = reinterpret_cast<const DWORD*>(pData);
        if (nBytes >= sizeof(DWORD) && pValues[0] == nBytes / sizeof(DWORD) - 1 && nBytes % sizeof(DWORD) == 0) {
            map.RemoveAll();
            for (DWORD i = 1; i <= pValues[0]; i++)
                map.SetAt(pValues[i], TRUE);
        }
        delete[] pData;
        return;
    }
    CXTPPropExchange* pSection = pPX->GetSection(lpszName);
    if (pSection == nullptr)
        return;
    CString strItem;
    if (pPX->IsStoring()) {
        pSection->WriteCount(static_cast<DWORD>(map.GetCount()));
        POSITION pos = map.GetStartPosition();
        for (int i = 0; pos != nullptr; i++) {
            UINT nID;
            BOOL bValue;
            map.GetNextAssoc(pos, nID, bValue);
            long nValue = static_cast<long>(nID);
            strItem.Format(L"Item%i", i);
            XTPExchangeLongWithDefault(pSection, strItem, nValue, 0);
        }
    } else {
        map.RemoveAll();
        // The stored count is only a claim: the list ends at the first
        // missing item.
        DWORD nCount = pSection->ReadCount();
        for (DWORD i = 0; i < nCount; i++) {
            long nValue = 0;
            strItem.Format(L"Item%i", static_cast<int>(i));
            if (!pSection->ExchangeProp(strItem, VT_I4, &nValue, nullptr))
                break;
            map.SetAt(static_cast<UINT>(nValue), TRUE);
        }
    }
    pSection->InternalRelease();
}

}  // namespace

void CXTPCommandBars::DoOptionsExchange(CXTPPropExchange* pPX, BOOL bBasicOnly)
{
    m_pOptions->DoPropExchange(pPX, bBasicOnly);
}

void CXTPCommandBarsOptions::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CXTPPropExchangeArchive px(ar);
        DoPropExchange(&px, FALSE);
        return;
    }
    // An archive that ends early or holds a bad value must not leave the
    // options half loaded: what stood before is kept aside and put back.
    CMemFile before;
    ExchangeThroughArchive(before, CArchive::store);
    try {
        CXTPPropExchangeArchive px(ar);
        DoPropExchange(&px, FALSE);
    } catch (CException*) {
        before.SeekToBegin();
        ExchangeThroughArchive(before, CArchive::load);
        throw;
    }
}

void CXTPCommandBarsOptions::ExchangeThroughArchive(CMemFile& file, UINT nMode)
{
    CArchive ar(&file, nMode);
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px, FALSE);
    ar.Close();
}

void CXTPCommandBarsOptions::DoPropExchange(CXTPPropExchange* pPX, BOOL bBasicOnly)
{
    CXTPCommandBarsOptions* o = this;
    // Every value written, and a missing one left as it is.
    pPX->m_bUseDefaultOnLoad = FALSE;
    pPX->m_bUseDefaultOnSave = FALSE;

    long nSchema = kOptionsSchema;
    XTPExchangeLongWithDefault(pPX, L"Schema", nSchema, kOptionsSchema);
    if (pPX->IsStoring())
        nSchema = kOptionsSchema;
    XTPExchangeBoolWithDefault(pPX, L"AlwaysShowFullMenus", o->bAlwaysShowFullMenus, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"ShowFullAfterDelay", o->bShowFullAfterDelay, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"ToolBarScreenTips", o->bToolBarScreenTips, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"ToolBarAccelTips", o->bToolBarAccelTips, FALSE);
    XTPExchangeBoolWithDefault(pPX, L"LargeIcons", o->bLargeIcons, FALSE);
    if (nSchema > kSchemaWithUsage)
        ExchangeCommandList(pPX, L"UsedCommands", o->m_mapUsedCommands);
    if (nSchema > kSchemaWithUsage || bBasicOnly)
        XTPExchangeLongWithDefault(pPX, L"Animation", o->animationType, 0);
    if (bBasicOnly)
        return;

    XTPExchangeBoolWithDefault(pPX, L"SyncFloatingBars", o->bSyncFloatingBars, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"ShowExpandButtonAlways", o->bShowExpandButtonAlways, TRUE);
    XTPExchangeSizeWithDefault(pPX, L"IconsSize", o->szIcons, CSize(0, 0));
    XTPExchangeSizeWithDefault(pPX, L"LargeIconsSize", o->szLargeIcons, CSize(0, 0));
    ExchangeCommandList(pPX, L"HiddenCommands", o->m_mapHiddenCommands);
    // The icon looks are the paint manager's, which draws them.
    CXTPPaintManager* pPaintManager = m_pCommandBars ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
    XTP_COMMANDBARS_ICONSINFO* pIcons = pPaintManager->GetIconsInfo();
    XTPExchangeBoolWithDefault(pPX, L"IconsWithShadow", pIcons->bIconsWithShadow, FALSE);
    XTPExchangeBoolWithDefault(pPX, L"UseDisabledIcons", pIcons->bUseDisabledIcons, TRUE);
    XTPExchangeBoolWithDefault(pPX, L"UseFadedIcons", pIcons->bUseFadedIcons, TRUE);
    if (nSchema > kSchemaWithUsage) {
        XTPExchangeBoolWithDefault(pPX, L"SyncFloatingBars", o->bSyncFloatingBars, TRUE);
        XTPExchangeBoolWithDefault(pPX, L"ShowExpandButtonAlways", o->bShowExpandButtonAlways, TRUE);
        XTPExchangeBoolWithDefault(pPX, L"DblClickFloat", o->bDblClickFloat, FALSE);
        XTPExchangeBoolWithDefault(pPX, L"ShowTextBelowIcons", o->bShowTextBelowIcons, FALSE);
        XTPExchangeBoolWithDefault(pPX, L"AltDragCustomization", o->bAltDragCustomization, TRUE);
        XTPExchangeBoolWithDefault(pPX, L"AutoHideUnusedPopups", o->bAutoHideUnusedPopups, TRUE);
        XTPExchangeSizeWithDefault(pPX, L"PopupIconsSize", o->szPopupIcons, CSize(16, 16));
    }
    if (nSchema > kSchemaWithCues) {
        XTPExchangeLongWithDefault(pPX, L"KeyboardCuesUse", o->keyboardCuesUse, 1);
        XTPExchangeLongWithDefault(pPX, L"KeyboardCuesShow", o->keyboardCuesShow, 0);
        if (pPX->IsLoading() && m_pCommandBars)
            m_pCommandBars->SetKeyboardCuesShow(o->keyboardCuesShow);
    }
}

void CXTPCommandBars::ExchangeRegistryOptions(LPCTSTR lpszProfileName, BOOL bLoading)
{
    HKEY hAppKey = AfxGetApp()->GetAppRegistryKey();
    if (hAppKey == nullptr)
        return;
    CString strSection;
    strSection.Format(L"%s-Options", lpszProfileName);
    CXTPPropExchangeRegistry px(bLoading, hAppKey, strSection);
    DoOptionsExchange(&px, TRUE);
    ::RegCloseKey(hAppKey);
}

void CXTPCommandBars::SaveOptions(LPCTSTR lpszProfileName)
{
    ExchangeRegistryOptions(lpszProfileName, FALSE);
}

void CXTPCommandBars::LoadOptions(LPCTSTR lpszProfileName)
{
    ExchangeRegistryOptions(lpszProfileName, TRUE);
}
