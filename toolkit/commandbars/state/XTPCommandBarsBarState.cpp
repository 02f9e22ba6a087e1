// Saving and restoring the layout of a frame's command bars: where each
// toolbar is, the rows of the dock bars, the status bar's visibility, and
// the customized contents of the bars through an archive.
#include <shlobj.h>
#include <memory>
#include "framework/files/CArchive.h"
#include "framework/files/CFile.h"
#include "framework/files/CFileException.h"
#include "framework/files/CMemFile.h"
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "resources/ToolkitCustomizeIds.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/manager/XTPCommandBarsOptions.h"
#include "toolkit/commandbars/controls/XTPControls.h"
#include "toolkit/commandbars/bars/XTPDialogBar.h"
#include "toolkit/commandbars/bars/XTPDockBar.h"
#include "toolkit/commandbars/bars/XTPMenuBar.h"
#include "toolkit/commandbars/state/XTPLoadedIconsStage.h"
#include "toolkit/commandbars/state/XTPToolBarInfo.h"
#include "toolkit/common/images/XTPImageManager.h"
#include "toolkit/common/propexchange/XTPPropExchangeArchive.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/resources/XTPResourceManager.h"

namespace {

const UINT kStatusBarID = 59393;
// Larger customized controls go to a file instead of the registry.
const UINT kMaxRegistryControls = 16000;
const DWORD kFirstStoredPopupID = 0x1000000;
// More records than a frame has toolbars are never written; a larger
// stored count is damage.
const int kMaxBarRecords = 1024;

CString Section(LPCTSTR lpszProfileName, LPCTSTR lpszFormat)
{
    CString strSection;
    strSection.Format(lpszFormat, lpszProfileName);
    return strSection;
}

CWnd* FindStatusBar(CWnd* pSite)
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(pSite);
    if (!pFrame || !pFrame->GetSafeHwnd())
        return nullptr;
    CWnd* pStatusBar = pFrame->GetDlgItem(kStatusBarID);
    return pStatusBar && pStatusBar->GetSafeHwnd() ? pStatusBar : nullptr;
}

// The existing bar takes over the loaded one; a given set stays its
// original set afterwards.
void CopyKeepingOriginal(CXTPToolBar* pExisting, CXTPToolBar* pLoaded, CXTPControls* pKeep)
{
    if (pKeep)
        pKeep->InternalAddRef();
    pExisting->Copy(pLoaded);
    if (pKeep) {
        pExisting->GetControls()->SetOriginalControls(pKeep);
        pKeep->InternalRelease();
    }
}

} // namespace

void CXTPCommandBars::SaveBarState(LPCTSTR lpszProfileName, BOOL bOnlyCustomized)
{
    CXTPToolBarInfoList state;
    for (int i = 0; i < GetCount(); i++) {
        CXTPToolBar::CToolBarInfo info;
        info.FromBar(GetAt(i));
        state.m_arrInfo.push_back(info);
    }
    state.SaveState(lpszProfileName);
    SaveDockBarsState(lpszProfileName);

    // The bar's own visibility: a frame hidden in the tray hides it too.
    CWnd* pStatusBar = FindStatusBar(m_pFrame);
    if (pStatusBar && (pStatusBar->GetStyle() & WS_VISIBLE) == 0)
        AfxGetApp()->WriteProfileInt(lpszProfileName, L"StatusBar", 0);
    else
        AfxGetApp()->WriteProfileString(lpszProfileName, L"StatusBar", nullptr);

    if (m_bCustomizeAvail)
        SaveControls(lpszProfileName, bOnlyCustomized);
    // Saving showed the default menu: the active document's comes back.
    auto* pMenuBar = dynamic_cast<CXTPMenuBar*>(GetMenuBar());
    if (pMenuBar && pMenuBar->IsMenuSwitchedForSaving()) {
        pMenuBar->SetMenuSwitchedForSaving(FALSE);
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(m_pFrame))
            pFrame->OnUpdateFrameMenu(nullptr);
    }
    m_pOptions->bDirty = FALSE;
}

void CXTPCommandBars::SaveDockBarsState(LPCTSTR lpszProfileName) const
{
    CWinApp* pApp = AfxGetApp();
    for (int d = xtpBarTop; d <= xtpBarRight; d++) {
        CString strSection;
        strSection.Format(L"%s-DockBar%d", lpszProfileName, d);
        pApp->WriteProfileString(strSection, nullptr, nullptr);
        CXTPDockBar* pDockBar = m_pDocks[d];
        if (!pDockBar)
            continue;
        // The array's leading and closing row ends carry nothing.
        int nFirst = 1;
        int nLast = pDockBar->GetEntryCount() - 1;
        while (nLast >= nFirst && pDockBar->GetEntry(nLast) == nullptr)
            nLast--;
        if (nLast - nFirst + 1 <= 1)
            continue;
        int nWritten = 0;
        BOOL bLastEmpty = FALSE;
        for (int i = nFirst; i <= nLast; i++) {
            CXTPToolBar* pBar = pDockBar->GetEntry(i);
            if (!pBar && bLastEmpty)
                continue;
            CString strEntry;
            strEntry.Format(L"Bar#%d", nWritten++);
            pApp->WriteProfileInt(strSection, strEntry, pBar ? static_cast<int>(pBar->GetBarID()) : 0);
            bLastEmpty = pBar == nullptr;
        }
        pApp->WriteProfileInt(strSection, L"Bars", nWritten);
    }
}

void CXTPCommandBars::SaveControls(LPCTSTR lpszProfileName, BOOL bOnlyCustomized)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = Section(lpszProfileName, L"%s-Controls");

    XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
    param.bSaveOnlyCustomized = bOnlyCustomized;
    param.pCommandBars = this;
    CXTPCommandBarList list;
    GenerateCommandBarList(&list, &param);

    CMemFile file(1024);
    BOOL bSaved = FALSE;
    try {
        CArchive ar(&file, CArchive::store, 4096);
        CXTPPropExchangeArchive px(ar);
        px.m_dwData = reinterpret_cast<DWORD_PTR>(&param);
        bSaved = SaveCommandBarList(&px, &list, &param);
        ar.Close();
    } catch (CException* pException) {
        pException->Delete();
        bSaved = FALSE;
    }
    if (!bSaved) {
        pApp->WriteProfileString(strSection, nullptr, nullptr);
        return;
    }

    UINT nLength = static_cast<UINT>(file.GetLength());
    std::unique_ptr<BYTE, decltype(&free)> pData(file.Detach(), &free);
    CString strFile = GetControlsFileName(lpszProfileName);
    if (!strFile.IsEmpty() && ::GetFileAttributesW(strFile) != INVALID_FILE_ATTRIBUTES) {
        ::SetFileAttributesW(strFile, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(strFile);
    }
    if (nLength <= kMaxRegistryControls || strFile.IsEmpty()) {
        pApp->WriteProfileBinary(strSection, L"Controls", pData.get(), nLength);
        pApp->WriteProfileInt(strSection, L"LoadFromFile", 0);
        return;
    }
    try {
        CFile fileControls(strFile, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        fileControls.Write(pData.get(), nLength);
        fileControls.Close();
        pApp->WriteProfileString(strSection, L"Controls", strFile);
        pApp->WriteProfileInt(strSection, L"LoadFromFile", 1);
        ::SetFileAttributesW(strFile, FILE_ATTRIBUTE_HIDDEN);
    } catch (CFileException* pException) {
        pException->Delete();
    }
}

CString CXTPCommandBars::GetControlsFileName(LPCTSTR lpszProfileName) const
{
    if (!m_strControlsFileName.IsEmpty())
        return m_strControlsFileName;
    CString strProfile = lpszProfileName;
    strProfile.Replace(L'\\', L'_');

    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    WCHAR szPath[MAX_PATH] = {};
    CWinApp* pApp = AfxGetApp();
    if (::GetVersionExW(&info) && info.dwPlatformId >= 2 && info.dwMajorVersion >= 5 && pApp &&
        pApp->m_pszAppName && ::SHGetSpecialFolderPathW(nullptr, szPath, CSIDL_APPDATA, FALSE)) {
        CString strFolder = CString(szPath) + L"\\" + pApp->m_pszAppName;
        if (::GetFileAttributesW(strFolder) == INVALID_FILE_ATTRIBUTES)
            ::CreateDirectoryW(strFolder, nullptr);
        DWORD dwAttributes = ::GetFileAttributesW(strFolder);
        if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return strFolder + L"\\" + strProfile;
    }
    WCHAR szModule[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szModule, MAX_PATH);
    CString strFile;
    strFile.Format(L"%s-%s", szModule, static_cast<LPCTSTR>(strProfile));
    return strFile;
}

void CXTPCommandBars::GenerateCommandBarList(CXTPCommandBarList* pCommandBarList,
                                             XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParam)
{
    DWORD nID = kFirstStoredPopupID;
    for (int i = 0; i < GetCount(); i++) {
        CXTPToolBar* pBar = GetAt(i);
        if (pParam && pParam->bSaveOnlyCustomized && pBar->IsBuiltIn() && !pBar->IsChanged()) {
            CXTPControls* pControls = pBar->GetControls();
            CXTPMenuBar* pMenuBar = dynamic_cast<CXTPMenuBar*>(pBar);
            BOOL bChanged = (pMenuBar && pMenuBar->GetTemplateMenuCount() > 0) ||
                            pControls->GetOriginalControls() == nullptr || pControls->IsChanged();
            if (!pBar->IsCustomizable() || !bChanged)
                continue;
        }
        pBar->GenerateCommandBarList(nID, pCommandBarList, pParam);
    }
}

BOOL CXTPCommandBars::SaveCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pCommandBarList,
                                         XTP_COMMANDBARS_PROPEXCHANGE_PARAM* /*pParam*/)
{
    CXTPSectionHolder section(pPX->GetSection(L"CommandBars"));
    CXTPPropExchangeEnumerator enumerator(section.Get(), L"CommandBar");
    POSITION pos = enumerator.GetPosition(static_cast<DWORD>(pCommandBarList->GetCount()));
    for (int i = 0; pos; i++) {
        CXTPSectionHolder item(enumerator.GetNext(pos));
        CXTPCommandBar* pBar = pCommandBarList->GetAt(i);
        CObject* pObject = pBar;
        item->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPCommandBar));
        pBar->DoPropExchange(item.Get());
    }
    return TRUE;
}

BOOL CXTPCommandBars::LoadCommandBarList(CXTPPropExchange* pPX, CXTPCommandBarList* pCommandBarList)
{
    // All or nothing: the custom icons come in only with the whole list.
    CXTPLoadedIconsStage icons(pPX, this);
    CXTPSectionHolder section(pPX->GetSection(L"CommandBars"));
    CXTPPropExchangeEnumerator enumerator(section.Get(), L"CommandBar");
    POSITION pos = enumerator.GetPosition();
    while (pos) {
        CXTPSectionHolder item(enumerator.GetNext(pos));
        CObject* pObject = nullptr;
        if (!item->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CXTPCommandBar)) || !pObject)
            return FALSE;
        auto* pBar = static_cast<CXTPCommandBar*>(pObject);
        pBar->SetCommandBars(this);
        pCommandBarList->AddNew(pBar);
        pBar->DoPropExchange(item.Get());
    }
    icons.HandOn();
    return TRUE;
}

void CXTPCommandBars::RestoreCommandBarList(CXTPCommandBarList* pCommandBarList, BOOL bSilent)
{
    for (int i = 0; i < pCommandBarList->GetCount(); i++)
        pCommandBarList->GetAt(i)->RestoreCommandBarList(pCommandBarList);

    for (int i = 0; i < pCommandBarList->GetCount(); i++) {
        auto* pLoaded = dynamic_cast<CXTPToolBar*>(pCommandBarList->GetAt(i));
        if (!pLoaded)
            continue;
        CXTPToolBar* pExisting = FindToolBar(pLoaded->GetBarID());
        if (!pExisting) {
            pLoaded->InternalAddRef();
            pLoaded->SetCommandBars(this);
            pLoaded->EnableDocking(pLoaded->GetFlags());
            // A window of its own: floating in one, or docked on its side.
            XTPBarPosition position = pLoaded->GetPosition();
            BOOL bPlaced = position == xtpBarFloating
                               ? FloatCommandBar(pLoaded)
                               : DockCommandBar(pLoaded, position <= xtpBarRight ? position : xtpBarTop);
            if (!bPlaced) {
                pLoaded->InternalRelease();
                continue;
            }
            AppendBar(pLoaded);
            AddToRebar(pLoaded);
            continue;
        }
        if (pExisting == pLoaded)
            continue;
        CXTPControls* pLoadedOriginal = pLoaded->GetControls()->GetOriginalControls();
        CXTPControls* pOriginal = pExisting->GetControls()->GetOriginalControls();
        if (!pLoadedOriginal || !pOriginal || pLoadedOriginal->IsEqual(pOriginal)) {
            CopyKeepingOriginal(pExisting, pLoaded, pLoadedOriginal ? nullptr : pOriginal);
            // It holds the stored state now, and is stored again.
            pExisting->SetChanged(TRUE);
            continue;
        }
        // The program's bar changed since the state was stored.
        if (bSilent || !pLoaded->GetControls()->IsChanged())
            continue;
        CString strFormat, strMessage;
        XTPGetResourceManager()->LoadString(&strFormat, XTP_IDS_CONFIRM_UPDATE);
        strMessage.Format(strFormat, static_cast<LPCTSTR>(pExisting->GetTitle()));
        if (AfxMessageBox(strMessage, MB_YESNO | MB_ICONQUESTION) == IDNO) {
            CopyKeepingOriginal(pExisting, pLoaded, pOriginal);
            pExisting->SetChanged(TRUE);
        }
    }
}

void CXTPCommandBars::LoadBarState(LPCTSTR lpszProfileName, BOOL bSilent)
{
    CXTPToolBarInfoList state;
    state.LoadState(lpszProfileName, kMaxBarRecords);
    if (m_bCustomizeAvail)
        LoadControls(lpszProfileName, bSilent, state);
    LoadDockBarsState(lpszProfileName);

    CWnd* pStatusBar = FindStatusBar(m_pFrame);
    if (pStatusBar && AfxGetApp()->GetProfileInt(lpszProfileName, L"StatusBar", 1) == 0) {
        auto* pControlBar = dynamic_cast<CControlBar*>(pStatusBar);
        auto* pFrame = dynamic_cast<CFrameWnd*>(m_pFrame);
        if (pControlBar && pFrame)
            pFrame->ShowControlBar(pControlBar, FALSE, FALSE);
        else
            pStatusBar->ShowWindow(SW_HIDE);
    }

    for (CXTPToolBar::CToolBarInfo& info : state.m_arrInfo) {
        CXTPToolBar* pBar = FindToolBar(info.m_nBarID);
        if (!pBar)
            continue;
        info.KeepInsideDockBar();
        if (!info.m_bVisible) {
            // Hidden before it is placed: a new window shows a bar still
            // marked visible, and would flash until the stored state came.
            pBar->SetVisible(FALSE);
            // A hidden tear-off bar leaves the manager.
            if (FindToolBar(info.m_nBarID) != pBar)
                continue;
        }
        CXTPDockBar* pMRUDockBar = nullptr;
        for (CXTPDockBar* pDockBar : m_pDocks)
            if (pDockBar && pDockBar->GetSafeHwnd() &&
                static_cast<UINT>(pDockBar->GetDlgCtrlID()) == info.m_uMRUDockID)
                pMRUDockBar = pDockBar;
        if (info.m_bFloating) {
            // Off its dock bar into a window of its own, placed below.
            if (pBar->GetPosition() != xtpBarFloating || pBar->GetDockBar() || !pBar->GetSafeHwnd())
                FloatCommandBar(pBar);
        } else {
            if (pMRUDockBar && pBar->GetDockBar() != pMRUDockBar)
                DockCommandBar(pBar, nullptr, pMRUDockBar);
            else if (!pBar->GetDockBar() && !pBar->GetSafeHwnd()) {
                DockCommandBar(pBar, pBar->GetPosition() <= xtpBarRight ? pBar->GetPosition() : xtpBarTop);
            }
        }
        pBar->SetWidth(info.m_nMRUWidth);
        auto* pDialogBar = dynamic_cast<CXTPDialogBar*>(pBar);
        if (info.m_bDialogBar && pDialogBar) {
            // A stored size no window could have leaves the bar's own.
            auto usable = [](CSize size) {
                return size.cx > 0 && size.cy > 0 && size.cx < 32768 && size.cy < 32768;
            };
            if (usable(info.m_szDialogBarDockingClient))
                pDialogBar->SetDockingClientSize(info.m_szDialogBarDockingClient);
            if (usable(info.m_szDialogBarFloatingClient))
                pDialogBar->SetFloatingClientSize(info.m_szDialogBarFloatingClient);
        }
        CXTPDockContext* pContext = pBar->GetDockContext();
        pContext->m_uMRUDockID = info.m_uMRUDockID;
        // The side a floating bar docks back on follows the dock bar it left.
        if (pMRUDockBar)
            pContext->m_uMRUDockPosition = pMRUDockBar->GetPosition();
        pContext->m_rectMRUDockPos = info.m_rectMRUDockPos;
        pContext->m_ptMRUFloatPos = info.m_ptMRUFloatPos;
        if (pBar->GetSafeHwnd()) {
            UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE;
            CPoint pt = info.m_pointPos;
            if (info.m_bFloating && pBar->GetPosition() == xtpBarFloating) {
                // The floating window's screen place; the float position when none was stored.
                if (pt.x == CXTPToolBar::CToolBarInfo::kNotSet || pt.y == CXTPToolBar::CToolBarInfo::kNotSet)
                    pt = info.m_ptMRUFloatPos;
                pBar->OnRecalcLayout();
            } else if (!pBar->GetDockBar()) {
                nFlags |= SWP_NOMOVE;
            }
            nFlags |= info.m_bVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
            pBar->SetWindowPos(nullptr, pt.x, pt.y, 0, 0, nFlags);
        }
        pBar->SetVisible(info.m_bVisible);
    }

    RecalcFrameLayout(TRUE);
    m_pOptions->bDirty = FALSE;
}

void CXTPCommandBars::LoadDockBarsState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    // Row ends between bars: never more entries than twice the bars.
    const int nMaxEntries = 2 * GetCount() + 1;
    CArray<CXTPToolBar*, CXTPToolBar*> arrPlaced;
    for (int d = xtpBarTop; d <= xtpBarRight; d++) {
        CXTPDockBar* pDockBar = m_pDocks[d];
        if (!pDockBar)
            continue;
        CString strSection;
        strSection.Format(L"%s-DockBar%d", lpszProfileName, d);
        int nBars = static_cast<int>(pApp->GetProfileInt(strSection, L"Bars", 0));
        if (nBars <= 1)
            continue;
        nBars = std::min(nBars, nMaxEntries);
        CXTPDockBar::CToolBarArray arrEntries;
        for (int n = 0; n < nBars; n++) {
            CString strEntry;
            strEntry.Format(L"Bar#%d", n);
            CXTPToolBar* pBar = FindToolBar(pApp->GetProfileInt(strSection, strEntry, 0));
            BOOL bPlaced = FALSE;
            for (INT_PTR k = 0; pBar && k < arrPlaced.GetSize(); k++)
                bPlaced = bPlaced || arrPlaced[k] == pBar;
            // A bar named twice keeps its first place.
            if (bPlaced)
                continue;
            if (pBar) {
                arrPlaced.Add(pBar);
                if (pBar->GetDockBar())
                    pBar->GetDockBar()->RemoveCommandBar(pBar);
            }
            arrEntries.push_back(pBar);
        }
        pDockBar->PlaceEntries(arrEntries);
    }
}

void CXTPCommandBars::LoadControls(LPCTSTR lpszProfileName, BOOL bSilent, const CXTPToolBarInfoList& state)
{
    CWinApp* pApp = AfxGetApp();
    CString strSection = Section(lpszProfileName, L"%s-Controls");

    XTP_COMMANDBARS_PROPEXCHANGE_PARAM param;
    param.bSaveOnlyCustomized = TRUE;
    param.bLoadSilent = bSilent;
    param.pCommandBars = this;
    CXTPCommandBarList list;
    auto readList = [&](CFile& file) {
        CArchive ar(&file, CArchive::load, 4096);
        CXTPPropExchangeArchive px(ar);
        px.m_dwData = reinterpret_cast<DWORD_PTR>(&param);
        return LoadCommandBarList(&px, &list);
    };

    BOOL bLoaded = FALSE;
    // Stored data that cannot be read (cut short, damaged, naming unknown
    // classes) loads nothing: the bars stay as built.
    try {
        if (pApp->GetProfileInt(strSection, L"LoadFromFile", 0) != 0) {
            CString strFile = pApp->GetProfileString(strSection, L"Controls", L"");
            CFile file;
            if (strFile.IsEmpty() || !file.Open(strFile, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
                return;
            bLoaded = readList(file);
        } else {
            BYTE* pBytes = nullptr;
            UINT nBytes = 0;
            if (!pApp->GetProfileBinary(strSection, L"Controls", &pBytes, &nBytes) || !pBytes)
                return;
            std::unique_ptr<BYTE[]> pData(pBytes);
            CMemFile file(pData.get(), nBytes);
            bLoaded = readList(file);
        }
    } catch (CException* pException) {
        pException->Delete();
        bLoaded = FALSE;
    }
    if (!bLoaded)
        return;
    // A bar of the user's stored hidden is hidden before it gets its window,
    // which would show it until its record is applied.
    for (int i = 0; i < list.GetCount(); i++) {
        auto* pLoaded = dynamic_cast<CXTPToolBar*>(list.GetAt(i));
        if (pLoaded && !pLoaded->m_bTearOff && !FindToolBar(pLoaded->GetBarID()) &&
            state.IsStoredHidden(pLoaded->GetBarID()))
            pLoaded->SetVisible(FALSE);
    }
    RestoreCommandBarList(&list, bSilent);
}
