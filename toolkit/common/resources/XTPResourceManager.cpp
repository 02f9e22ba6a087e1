#include "toolkit/common/resources/XTPResourceManager.h"
#include "framework/gdi/CBitmap.h"
#include "framework/core/CInvalidArgException.h"
#include "framework/windows/CMenu.h"
#include "framework/core/CProcessLocal.h"
#include "framework/windows/CWinApp.h"
#include "framework/core/ModuleState.h"
#include "toolkit/common/resources/XTPResourceModule.h"
#include "toolkit/common/resources/XTPResourceModuleSwitch.h"

namespace {

PROCESS_LOCAL(CXTPResourceManager, s_resourceManager)

// TRUE when the toolkit's resource module holds the resource.
BOOL ModuleHolds(LPCWSTR lpszName, LPCWSTR lpszType)
{
    HMODULE hModule = XTPGetResourceModule();
    return hModule && ::FindResourceW(hModule, lpszName, lpszType) != nullptr;
}

// Runs the load with the toolkit's module when it holds the resource, and
// again with the application's resources when that gave nothing.
template <class Load>
auto LoadWithFallback(LPCWSTR lpszName, LPCWSTR lpszType, Load load) -> decltype(load())
{
    if (ModuleHolds(lpszName, lpszType))
    {
        CXTPResourceModuleSwitch resourceSwitch;
        if (auto result = load())
            return result;
    }
    return load();
}

} // namespace

CXTPResourceManager::CXTPResourceManager()
    : m_bValid(TRUE)
    , m_hResourceFile(nullptr)
{
}

CXTPResourceManager::~CXTPResourceManager()
{
    Close();
}

BOOL CXTPResourceManager::LoadString(CString* pString, UINT nIDResource)
{
    return LoadWithFallback(MAKEINTRESOURCEW((nIDResource >> 4) + 1), RT_STRING,
                            [&] { return pString->LoadString(AfxGetResourceHandle(), nIDResource); });
}

BOOL CXTPResourceManager::LoadMenu(CMenu* pMenu, UINT nIDResource)
{
    return LoadWithFallback(MAKEINTRESOURCEW(nIDResource), RT_MENU, [&] { return pMenu->LoadMenu(nIDResource); });
}

BOOL CXTPResourceManager::LoadBitmap(CBitmap* pBitmap, UINT nIDResource)
{
    return LoadWithFallback(MAKEINTRESOURCEW(nIDResource), RT_BITMAP,
                            [&] { return pBitmap->LoadBitmap(nIDResource); });
}

HCURSOR CXTPResourceManager::LoadCursor(UINT nIDResource)
{
    // A cursor's id names its group; the single images are numbered apart.
    return LoadWithFallback(MAKEINTRESOURCEW(nIDResource), RT_GROUP_CURSOR, [&] {
        return ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource));
    });
}

HRSRC CXTPResourceManager::LoadDialogResource(UINT nIDResource, HMODULE* phModule)
{
    HMODULE hModules[] = {XTPGetResourceModule(), AfxGetResourceHandle()};
    for (HMODULE hModule : hModules)
    {
        if (!hModule)
            continue;
        if (HRSRC hResource = ::FindResourceW(hModule, MAKEINTRESOURCEW(nIDResource), RT_DIALOG))
        {
            if (phModule)
                *phModule = hModule;
            return hResource;
        }
    }
    return nullptr;
}

LPCDLGTEMPLATE CXTPResourceManager::LoadDialogTemplate(UINT nIDResource)
{
    HMODULE hModule = nullptr;
    HRSRC hResource = LoadDialogResource(nIDResource, &hModule);
    if (!hResource)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hModule, hResource);
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

void CXTPResourceManager::Close()
{
    if (m_hResourceFile)
        ::FreeLibrary(m_hResourceFile);
    m_hResourceFile = nullptr;
}

int CXTPResourceManager::ShowMessageBox(UINT nIDPrompt, UINT nType)
{
    CString strPrompt;
    LoadString(&strPrompt, nIDPrompt);
    return AfxMessageBox(strPrompt, nType);
}

CXTPResourceManager* XTPGetResourceManager()
{
    CXTPResourceManager* pManager = s_resourceManager.GetData();
    if (!pManager)
        AfxThrowInvalidArgException();
    return pManager;
}
