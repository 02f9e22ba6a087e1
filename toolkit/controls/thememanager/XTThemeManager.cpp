#include "toolkit/controls/thememanager/XTThemeManager.h"

#include <algorithm>

#include "framework/core/CProcessLocal.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyleFactory.h"

namespace {
PROCESS_LOCAL(CXTThemeManager, g_themeManager)
}

CXTThemeManager* XTThemeManager()
{
    return g_themeManager.GetData();
}

CXTThemeManager::CXTThemeManager() = default;

CXTThemeManager::~CXTThemeManager()
{
    // Private factories of controls that outlive the manager must not
    // reach back into it.
    for (CXTThemeManagerStyleFactory* pFactory : m_factories)
        pFactory->m_pManager = nullptr;
    m_factories.clear();
    std::map<CRuntimeClass*, CXTThemeManagerStyleFactory*> shared;
    shared.swap(m_sharedFactories);
    for (auto& entry : shared)
        delete entry.second;
}

CXTThemeManagerStyleFactory* CXTThemeManager::GetDefaultThemeFactory(CRuntimeClass* pFactoryClass)
{
    if (pFactoryClass == nullptr)
        return nullptr;
    auto found = m_sharedFactories.find(pFactoryClass);
    if (found != m_sharedFactories.end())
        return found->second;
    CObject* pObject = pFactoryClass->CreateObject();
    CXTThemeManagerStyleFactory* pFactory = dynamic_cast<CXTThemeManagerStyleFactory*>(pObject);
    if (pFactory == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    m_sharedFactories[pFactoryClass] = pFactory;
    return pFactory;
}

void CXTThemeManager::AddFactory(CXTThemeManagerStyleFactory* pFactory)
{
    if (std::find(m_factories.begin(), m_factories.end(), pFactory) == m_factories.end())
        m_factories.push_back(pFactory);
}

void CXTThemeManager::RemoveFactory(CXTThemeManagerStyleFactory* pFactory)
{
    m_factories.erase(std::remove(m_factories.begin(), m_factories.end(), pFactory), m_factories.end());
}
