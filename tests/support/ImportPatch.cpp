#include "support/ImportPatch.h"

#include <cstring>

namespace testpatch {

namespace {

void** FindImportEntry(const char* lpszModule, const char* lpszFunction)
{
    BYTE* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    auto* pDos = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase);
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return nullptr;
    for (auto* pDesc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress); pDesc->Name != 0;
         ++pDesc)
    {
        if (_stricmp(reinterpret_cast<const char*>(pBase + pDesc->Name), lpszModule) != 0)
            continue;
        auto* pNames = reinterpret_cast<IMAGE_THUNK_DATA*>(
            pBase + (pDesc->OriginalFirstThunk != 0 ? pDesc->OriginalFirstThunk : pDesc->FirstThunk));
        auto* pEntries = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDesc->FirstThunk);
        for (; pNames->u1.AddressOfData != 0; ++pNames, ++pEntries)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            auto* pName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(pName->Name), lpszFunction) == 0)
                return reinterpret_cast<void**>(&pEntries->u1.Function);
        }
    }
    return nullptr;
}

void WriteEntry(void** ppEntry, void* pValue)
{
    DWORD dwOld = 0;
    ::VirtualProtect(ppEntry, sizeof(void*), PAGE_READWRITE, &dwOld);
    *ppEntry = pValue;
    ::VirtualProtect(ppEntry, sizeof(void*), dwOld, &dwOld);
    ::FlushInstructionCache(::GetCurrentProcess(), ppEntry, sizeof(void*));
}

} // namespace

CImportPatch::CImportPatch(const char* lpszModule, const char* lpszFunction, void* pReplacement)
{
    m_ppEntry = FindImportEntry(lpszModule, lpszFunction);
    if (m_ppEntry == nullptr)
        return;
    m_pOriginal = *m_ppEntry;
    WriteEntry(m_ppEntry, pReplacement);
}

CImportPatch::~CImportPatch()
{
    if (m_ppEntry != nullptr)
        WriteEntry(m_ppEntry, m_pOriginal);
}

namespace {

int g_failedGets = 0;

BOOL WINAPI FailGetMessage(LPMSG, HWND, UINT, UINT)
{
    if (++g_failedGets == 100)
        ReleaseCapture();
    return -1;
}

} // namespace

CFailingGetMessage::CFailingGetMessage()
    : m_patch("user32.dll", "GetMessageW", reinterpret_cast<void*>(FailGetMessage))
{
    g_failedGets = 0;
}

int CFailingGetMessage::Calls() const
{
    return g_failedGets;
}

} // namespace testpatch
