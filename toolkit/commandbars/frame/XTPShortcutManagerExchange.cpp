// The shortcut table through property exchange, binary or one section per entry.
#include <vector>
#include "toolkit/commandbars/frame/XTPShortcutManager.h"
#include "toolkit/common/propexchange/XTPPropExchange.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeHelpers.h"


namespace {

const int kEntryBytes = 6;
// More entries than any keyboard has combinations: stored data that claims
// them is damaged.
const DWORD kMaxEntries = 0x8000;
const BYTE kEntryFlags = FVIRTKEY | FSHIFT | FCONTROL | FALT;

} // namespace

void CXTPShortcutManager::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX == nullptr)
        return;
    std::vector<ACCEL> entries;
    if (pPX->IsStoring()) {
        int nCount = XTPCopyAccelTable(m_hAccelTable, nullptr, 0);
        entries.resize(nCount > 0 ? static_cast<size_t>(nCount) : 0);
        if (nCount > 0)
            XTPCopyAccelTable(m_hAccelTable, entries.data(), nCount);
    }

    if (pPX->CanStoreBinary()) {
        if (pPX->IsStoring()) {
            pPX->WriteCount(static_cast<DWORD>(entries.size()));
            std::vector<BYTE> data(kEntryBytes * entries.size());
            for (size_t i = 0; i < entries.size(); i++) {
                BYTE* p = data.data() + kEntryBytes * i;
                p[0] = entries[i].fVirt;
                p[1] = 0;
                p[2] = LOBYTE(entries[i].key);
                p[3] = HIBYTE(entries[i].key);
                p[4] = LOBYTE(entries[i].cmd);
                p[5] = HIBYTE(entries[i].cmd);
            }
            if (!data.empty())
                pPX->Write(L"Data", data.data(), static_cast<UINT>(data.size()));
            return;
        }
        DWORD nCount = pPX->ReadCount();
        if (nCount > kMaxEntries)
            return;
        std::vector<BYTE> data(kEntryBytes * static_cast<size_t>(nCount));
        if (nCount > 0 && pPX->Read(L"Data", data.data(), static_cast<UINT>(data.size())) != data.size())
            return;
        entries.resize(nCount);
        for (DWORD i = 0; i < nCount; i++) {
            const BYTE* p = data.data() + kEntryBytes * i;
            entries[i].fVirt = p[0] & kEntryFlags;
            entries[i].key = MAKEWORD(p[2], p[3]);
            entries[i].cmd = MAKEWORD(p[4], p[5]);
        }
        UpdateAcceleratorTable(entries.data(), static_cast<int>(nCount));
        return;
    }

    CXTPPropExchangeEnumerator enumerator(pPX, L"Accel");
    POSITION pos = enumerator.GetPosition(static_cast<DWORD>(entries.size()));
    std::vector<ACCEL> loaded;
    for (size_t i = 0; pos != nullptr; i++) {
        CXTPPropExchange* pSection = enumerator.GetNext(pos);
        if (pSection == nullptr)
            break;
        ACCEL accel = pPX->IsStoring() && i < entries.size() ? entries[i] : ACCEL{0, 0, 0};
        short nId = static_cast<short>(accel.cmd);
        short nKey = static_cast<short>(accel.key);
        BYTE nVirt = accel.fVirt;
        XTPExchangeShortWithDefault(pSection, L"Id", nId, 0);
        XTPExchangeByteWithDefault(pSection, L"virt", nVirt, 0);
        XTPExchangeShortWithDefault(pSection, L"key", nKey, 0);
        pSection->InternalRelease();
        if (!pPX->IsStoring())
            loaded.push_back({static_cast<BYTE>(nVirt & kEntryFlags), static_cast<WORD>(nKey), static_cast<WORD>(nId)});
    }
    if (!pPX->IsStoring())
        UpdateAcceleratorTable(loaded.data(), static_cast<int>(loaded.size()));
}
