#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include <tchar.h>
#include <memory>
#include <vector>
#include "framework/windows/CFrameWnd.h"
#include "framework/windows/CWinApp.h"
#include "toolkit/commandbars/manager/XTPCommandBars.h"
#include "toolkit/commandbars/state/XTPCommandBarList.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"

namespace {

const LPCTSTR kAcceleratorsEntry = _T("Accelerators");

// The flag bits an entry may carry; stored bytes are masked to them.
const BYTE kStoredFlags = FVIRTKEY | FSHIFT | FCONTROL | FALT;

struct KeyNameRange
{
    UINT nFirst, nLast;
    LPCTSTR lpszFormat;
    int nBase;
};

const KeyNameRange kNumberedKeys[] = {
    {0x30, 0x39, _T("%d"), 0},
    {0x70, 0x7B, _T("F%d"), 1},
    {0x60, 0x69, _T("Num %d"), 0},
};

const struct
{
    UINT nKey;
    LPCTSTR lpszName;
} kNamedKeys[] = {
    {1, _T("Left Button")}, {2, _T("Right Button")}, {3, _T("Ctrl+Break")}, {4, _T("Middle Button")},
    {8, _T("Backspace")}, {9, _T("Tab")}, {12, _T("Clear")}, {13, _T("Enter")}, {16, _T("Shift")},
    {17, _T("Ctrl")}, {18, _T("Alt")}, {19, _T("Pause")}, {20, _T("Caps Lock")}, {27, _T("Esc")},
    {32, _T("Space")}, {33, _T("Page Up")}, {34, _T("Page Down")}, {35, _T("End")}, {36, _T("Home")},
    {37, _T("Left Arrow")}, {38, _T("Up Arrow")}, {39, _T("Right Arrow")}, {40, _T("Down Arrow")},
    {41, _T("Select")}, {42, _T("Print")}, {43, _T("Execute")}, {44, _T("Snapshot")}, {45, _T("Ins")},
    {46, _T("Del")}, {47, _T("Help")}, {91, _T("Left Windows")}, {92, _T("Right Windows")},
    {93, _T("Application")}, {106, _T("Num *")}, {107, _T("Num +")}, {108, _T("Separator")},
    {109, _T("Num -")}, {110, _T("Num .")}, {111, _T("Num /")}, {144, _T("Num Lock")}, {145, _T("Scrl Lock")},
    {246, _T("Attn")}, {247, _T("Crsel")}, {248, _T("Exsel")}, {249, _T("Ereof")}, {250, _T("Play")},
    {251, _T("Zoom")}, {252, _T("No Name")}, {253, _T("Pa1")}, {254, _T("Oem Clear")},
};

// The entries of a table; none for no table.
std::vector<ACCEL> TableEntries(HACCEL hAccel)
{
    int nCount = XTPCopyAccelTable(hAccel, nullptr, 0);
    std::vector<ACCEL> entries(nCount > 0 ? nCount : 0);
    if (nCount > 0)
        XTPCopyAccelTable(hAccel, entries.data(), nCount);
    return entries;
}

HACCEL CopyTable(HACCEL hAccel)
{
    std::vector<ACCEL> entries = TableEntries(hAccel);
    if (entries.empty())
        return nullptr;
    return ::CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
}

void DestroyTable(HACCEL& hAccel)
{
    if (hAccel != nullptr)
        ::DestroyAcceleratorTable(hAccel);
    hAccel = nullptr;
}

}  // namespace

int XTPCopyAccelTable(HACCEL hAccel, ACCEL* pAccel, int nCount)
{
    if (hAccel == nullptr)
        return 0;
    return ::CopyAcceleratorTableW(hAccel, pAccel, nCount);
}

CXTPShortcutManager::CXTPShortcutManager(CXTPCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars)
{
    for (char ch = 'A'; ch <= 'Z'; ch++)
        m_mapKeyNames[static_cast<UINT>(ch)] = CString(static_cast<TCHAR>(ch));
    for (const KeyNameRange& range : kNumberedKeys)
        for (UINT nKey = range.nFirst; nKey <= range.nLast; nKey++) {
            CString strName;
            strName.Format(range.lpszFormat, static_cast<int>(nKey - range.nFirst) + range.nBase);
            m_mapKeyNames[nKey] = strName;
        }
    for (const auto& named : kNamedKeys)
        m_mapKeyNames[named.nKey] = named.lpszName;
}

CXTPShortcutManager::~CXTPShortcutManager()
{
    DestroyTable(m_hAccelTable);
    DestroyTable(m_hDefaultAccelTable);
}

void CXTPShortcutManager::SetAccelerators(UINT nIDResource)
{
    DestroyTable(m_hAccelTable);
    DestroyTable(m_hDefaultAccelTable);
    LPCTSTR lpszName = MAKEINTRESOURCE(nIDResource);
    HACCEL hLoaded = ::LoadAcceleratorsW(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
    if (hLoaded == nullptr)
        return;
    m_hDefaultAccelTable = CopyTable(hLoaded);
    m_hAccelTable = CopyTable(hLoaded);
    ::DestroyAcceleratorTable(hLoaded);
}

void CXTPShortcutManager::Reset()
{
    DestroyTable(m_hAccelTable);
    m_hAccelTable = CopyTable(m_hDefaultAccelTable);
}

BOOL CXTPShortcutManager::UpdateAcceleratorTable(const ACCEL* pAccel, int nCount)
{
    HACCEL hNew = nCount > 0 ? ::CreateAcceleratorTableW(const_cast<ACCEL*>(pAccel), nCount) : nullptr;
    if (nCount > 0 && hNew == nullptr)
        return FALSE;
    DestroyTable(m_hAccelTable);
    m_hAccelTable = hNew;
    return TRUE;
}

BOOL CXTPShortcutManager::TranslateAccelerator(HWND hWnd, LPMSG lpMsg)
{
    if (m_nDisableShortcuts > 0 || m_hAccelTable == nullptr)
        return FALSE;
    return ::TranslateAcceleratorW(hWnd, m_hAccelTable, lpMsg) != 0;
}

namespace {

// Six bytes an entry: flags, a zero byte, key and command low byte first.
std::vector<BYTE> EntriesToBytes(const std::vector<ACCEL>& entries)
{
    std::vector<BYTE> data(6 * entries.size());
    for (size_t i = 0; i < entries.size(); i++) {
        BYTE* p = &data[6 * i];
        p[0] = entries[i].fVirt;
        p[1] = 0;
        p[2] = LOBYTE(entries[i].key);
        p[3] = HIBYTE(entries[i].key);
        p[4] = LOBYTE(entries[i].cmd);
        p[5] = HIBYTE(entries[i].cmd);
    }
    return data;
}

std::vector<ACCEL> BytesToEntries(const BYTE* pData, size_t nCount)
{
    std::vector<ACCEL> entries(nCount);
    for (size_t i = 0; i < nCount; i++) {
        const BYTE* p = pData + 6 * i;
        entries[i].fVirt = p[0] & kStoredFlags;
        entries[i].key = MAKEWORD(p[2], p[3]);
        entries[i].cmd = MAKEWORD(p[4], p[5]);
    }
    return entries;
}

} // namespace

std::vector<ACCEL> CXTPShortcutManager::GetEntries() const
{
    return TableEntries(m_hAccelTable);
}

void CXTPShortcutManager::SetEntries(const std::vector<ACCEL>& entries)
{
    ACCEL none = {};
    UpdateAcceleratorTable(entries.empty() ? &none : entries.data(), static_cast<int>(entries.size()));
}

void CXTPShortcutManager::SaveShortcuts(LPCTSTR lpszSection)
{
    if (m_hDefaultAccelTable == nullptr)
        return;
    std::vector<BYTE> data = EntriesToBytes(GetEntries());
    AfxGetApp()->WriteProfileBinary(lpszSection, kAcceleratorsEntry, data.empty() ? nullptr : data.data(),
                                    static_cast<UINT>(data.size()));
}

void CXTPShortcutManager::LoadShortcuts(LPCTSTR lpszSection)
{
    if (m_hDefaultAccelTable == nullptr)
        return;
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!AfxGetApp()->GetProfileBinary(lpszSection, kAcceleratorsEntry, &pData, &nBytes))
        return;
    // A value too short for one entry is damaged: the table stays. No bytes
    // at all is the user's empty table.
    if (nBytes == 0 || nBytes >= 6)
        SetEntries(BytesToEntries(pData, nBytes / 6));
    delete[] pData;
}

void CXTPShortcutManager::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX->CanStoreBinary()) {
        if (pPX->IsStoring()) {
            std::vector<ACCEL> entries = GetEntries();
            pPX->WriteCount(static_cast<DWORD>(entries.size()));
            std::vector<BYTE> data = EntriesToBytes(entries);
            BYTE* pBytes = data.empty() ? nullptr : data.data();
            DWORD nBytes = static_cast<DWORD>(data.size());
            pPX->ExchangeBlob(L"Data", pBytes, nBytes);
            return;
        }
        DWORD nCount = pPX->ReadCount();
        BYTE* pData = nullptr;
        DWORD nBytes = 0;
        // A count beyond the stored bytes is damage: the table stays.
        if (pPX->ExchangeBlob(L"Data", pData, nBytes) && nCount <= nBytes / 6 && (nCount == 0 || pData))
            SetEntries(BytesToEntries(pData, nCount));
        delete[] pData;
        return;
    }
    std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(pPX->GetEnumerator(L"Accel"));
    if (pPX->IsStoring()) {
        std::vector<ACCEL> entries = GetEntries();
        POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(entries.size()));
        for (size_t i = 0; pos && i < entries.size(); i++) {
            CXTPSectionHolder section(pEnumerator->GetNext(pos));
            ExchangeEntry(section.Get(), entries[i]);
        }
        return;
    }
    // The enumerator's count covers only the sections really stored.
    std::vector<ACCEL> entries;
    POSITION pos = pEnumerator->GetPosition(0);
    while (pos) {
        CXTPSectionHolder section(pEnumerator->GetNext(pos));
        ACCEL accel = {};
        ExchangeEntry(section.Get(), accel);
        entries.push_back(accel);
    }
    SetEntries(entries);
}

void CXTPShortcutManager::ExchangeEntry(CXTPPropExchange* pPX, ACCEL& accel)
{
    short nId = static_cast<short>(accel.cmd), nKey = static_cast<short>(accel.key);
    BYTE nVirt = accel.fVirt;
    XTPExchangeShortWithDefault(pPX, L"Id", nId, 0);
    XTPExchangeByteWithDefault(pPX, L"virt", nVirt, 0);
    XTPExchangeShortWithDefault(pPX, L"key", nKey, 0);
    if (!pPX->IsStoring()) {
        accel.cmd = static_cast<WORD>(nId);
        accel.key = static_cast<WORD>(nKey);
        accel.fVirt = nVirt & kStoredFlags;
    }
}

BOOL CXTPShortcutManager::IsAccelAllowed(ACCEL accel) const
{
    if (accel.key == VK_ESCAPE && (accel.fVirt & FVIRTKEY) && !(accel.fVirt & (FSHIFT | FCONTROL | FALT)))
        return m_bAllowEscapeShortcut;
    return TRUE;
}

namespace {

WCHAR UpperCase(WCHAR ch)
{
    return static_cast<WCHAR>(
        reinterpret_cast<UINT_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(ch)))));
}

// The one letter the key types when pressed alone on the layout; 0 for none,
// several, a dead key or a character that is no letter.
WCHAR TypedLetter(UINT nKey, UINT nScan, HKL hLayout)
{
    BYTE keyState[256] = {};
    WCHAR buffer[4] = {};
    // Flag 4 leaves a pending dead key to the text the user goes on typing.
    if (::ToUnicodeEx(nKey, nScan, keyState, buffer, 4, 4, hLayout) != 1 || !::IsCharAlphaW(buffer[0]))
        return 0;
    return buffer[0];
}

} // namespace

CString CXTPShortcutManager::GetLayoutKeyName(UINT nKey) const
{
    if (nKey == 3)
        return CString();
    HKL hLayout = ::GetKeyboardLayout(0);
    UINT nScan = ::MapVirtualKeyExW(nKey, 0, hLayout);
    LONG lParam = static_cast<LONG>((nScan & 0xFF) << 16) | 1;
    if (nKey >= VK_PRIOR && nKey <= VK_HELP)
        lParam |= 0x1000000;
    WCHAR szName[51] = {};
    if (::GetKeyNameTextW(lParam, szName, 50) <= 0)
        return CString();
    // A layout may name a letter key by its symbol ("udiaeresis" for the key
    // that types ü): the letter it types names it, as A names the A key.
    if (szName[1] != 0) {
        WCHAR chLetter = TypedLetter(nKey, nScan, hLayout);
        if (chLetter != 0)
            return CString(UpperCase(chLetter));
    }
    CString strName(szName);
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); i++)
        if (::IsCharLowerW(strName[i])) {
            strName.SetAt(i, UpperCase(strName[i]));
            break;
        }
    return strName;
}

CString CXTPShortcutManager::GetKeyName(UINT nKey) const
{
    auto it = m_mapKeyNames.find(nKey);
    CString strBuiltIn = it != m_mapKeyNames.end() ? it->second : CString();
    if (m_bUseSystemKeyNameText) {
        CString strLayout = GetLayoutKeyName(nKey);
        return strLayout.IsEmpty() ? strBuiltIn : strLayout;
    }
    return strBuiltIn.IsEmpty() ? GetLayoutKeyName(nKey) : strBuiltIn;
}

CString CXTPShortcutManager::CKeyHelper::Format() const
{
    CString strText;
    if (m_pAccel == nullptr)
        return strText;
    auto addPart = [&strText](const CString& strName, BOOL bPlus) {
        if (strName.IsEmpty())
            return;
        strText += strName;
        if (bPlus)
            strText += _T("+");
    };
    if (m_pAccel->key != 3) {
        if (m_pAccel->fVirt & FCONTROL)
            addPart(m_pManager->GetKeyName(VK_CONTROL), TRUE);
        if (m_pAccel->fVirt & FSHIFT)
            addPart(m_pManager->GetKeyName(VK_SHIFT), TRUE);
        if (m_pAccel->fVirt & FALT)
            addPart(m_pManager->GetKeyName(VK_MENU), TRUE);
    }
    if (m_pAccel->key == 0) {
        if (!strText.IsEmpty())
            strText = strText.Left(strText.GetLength() - 1);
    } else if (m_pAccel->fVirt & FVIRTKEY) {
        addPart(m_pManager->GetKeyName(m_pAccel->key), FALSE);
    } else if (m_pAccel->key != VK_ESCAPE && m_pAccel->key != VK_TAB) {
        strText += static_cast<TCHAR>(m_pAccel->key);
    }
    return strText;
}

int CXTPShortcutManager::CKeyHelper::Priority() const
{
    if (m_pAccel == nullptr)
        return 0;
    if (m_pAccel->fVirt & FCONTROL)
        return 3;
    if (m_pAccel->fVirt & FALT)
        return 2;
    if (m_pAccel->fVirt & FSHIFT)
        return 1;
    return 4;
}

CString CXTPShortcutManager::FormatAccel(const ACCEL* pAccel, int* pPriority) const
{
    CKeyHelper helper(pAccel, this);
    if (pPriority != nullptr)
        *pPriority = helper.Priority();
    return helper.Format();
}

BOOL CXTPShortcutManager::FindDefaultAccelerator(int nCmd, CString& strShortcut)
{
    HACCEL hAccel = m_hAccelTable;
    if (hAccel == nullptr) {
        auto* pFrame = m_pCommandBars != nullptr ? dynamic_cast<CFrameWnd*>(m_pCommandBars->GetSite()) : nullptr;
        if (m_hDefaultAccelTable != nullptr || pFrame == nullptr || pFrame->m_hAccelTable == nullptr)
            return FALSE;
        hAccel = pFrame->m_hAccelTable;
    }
    CString strBest;
    int nBest = -1;
    BOOL bIncomingFound = FALSE;
    for (const ACCEL& entry : TableEntries(hAccel)) {
        if (entry.cmd != static_cast<WORD>(nCmd))
            continue;
        int nPriority = 0;
        CString strText = FormatAccel(&entry, &nPriority);
        if (strText == strShortcut)
            bIncomingFound = TRUE;
        if (nPriority > nBest) {
            nBest = nPriority;
            strBest = strText;
        }
    }
    if (nBest < 0) {
        strShortcut.Empty();
        return FALSE;
    }
    if (!bIncomingFound)
        strShortcut = strBest;
    return TRUE;
}

BOOL CXTPShortcutManager::GetCommandShortcutText(int nCmd, CString& strShortcut)
{
    // The search empties its text when the table lacks the command.
    CString strFound = strShortcut;
    if (FindDefaultAccelerator(nCmd, strFound)) {
        strShortcut = strFound;
        return TRUE;
    }
    if (!HasDefaultAccelerator(nCmd))
        return FALSE;
    strShortcut.Empty();
    return TRUE;
}

BOOL CXTPShortcutManager::HasDefaultAccelerator(int nCmd) const
{
    for (const ACCEL& entry : TableEntries(m_hDefaultAccelTable))
        if (entry.cmd == static_cast<WORD>(nCmd))
            return TRUE;
    return FALSE;
}

CXTPShortcutManager::CKeyAssign::CKeyAssign(CXTPShortcutManager* pManager)
    : m_keyHelper(&m_accel, pManager)
    , m_pManager(pManager)
{
}

CXTPShortcutManager::CKeyAssign::~CKeyAssign() = default;

void CXTPShortcutManager::CKeyAssign::ResetKey()
{
    m_accel = ACCEL{0, 0, 0};
    m_bKeyDefined = FALSE;
    if (m_hWnd != nullptr)
        SetWindowText(L"");
}

BOOL CXTPShortcutManager::CKeyAssign::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_MBUTTONDOWN || pMsg->message == WM_RBUTTONDOWN) {
        SetFocus();
        return TRUE;
    }
    const BOOL bKeyDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
    const BOOL bKeyUp = pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYUP;
    if (!bKeyDown && !bKeyUp)
        return CEdit::PreTranslateMessage(pMsg);

    const UINT nKey = static_cast<UINT>(pMsg->wParam);
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const BOOL bAlt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
    if (nKey == VK_TAB && !bCtrl && !bAlt) {
        if (!m_bKeyDefined)
            ResetKey();
        return FALSE;  // dialog navigation
    }
    if (bKeyDown && !(pMsg->lParam & (1 << 30)))
        ResetKey();
    if (!m_bKeyDefined) {
        m_accel.fVirt = 0;
        if (::GetKeyState(VK_SHIFT) & 0x8000)
            m_accel.fVirt |= FSHIFT;
        if (bCtrl)
            m_accel.fVirt |= FCONTROL;
        if (bAlt)
            m_accel.fVirt |= FALT;
        if (nKey != VK_SHIFT && nKey != VK_CONTROL && nKey != VK_MENU) {
            m_accel.key = static_cast<WORD>(nKey);
            if (bKeyDown) {
                m_bKeyDefined = TRUE;
                m_accel.fVirt |= FVIRTKEY;
            }
        }
    }
    if (!m_pManager->IsAccelAllowed(m_accel)) {
        ResetKey();
        return TRUE;
    }
    SetWindowText(m_keyHelper.Format());
    return TRUE;
}
