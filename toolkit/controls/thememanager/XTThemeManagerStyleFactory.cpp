#include "toolkit/controls/thememanager/XTThemeManagerStyleFactory.h"

#include <algorithm>

#include "toolkit/controls/thememanager/XTThemeManager.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyle.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyleHost.h"

IMPLEMENT_DYNCREATE(CXTThemeManagerStyleFactory, CObject)

CXTThemeManagerStyleFactory::CXTThemeManagerStyleFactory()
    : m_pManager(XTThemeManager())
{
    if (m_pManager != nullptr)
        m_pManager->AddFactory(this);
}

CXTThemeManagerStyleFactory::~CXTThemeManagerStyleFactory()
{
    if (m_pManager != nullptr)
        m_pManager->RemoveFactory(this);
    // Hosts still listed fall back to no factory rather than a dead one.
    std::vector<CXTThemeManagerStyleHost*> hosts;
    hosts.swap(m_hosts);
    for (CXTThemeManagerStyleHost* pHost : hosts)
        pHost->OnFactoryDestroyed(this);
    delete m_pTheme;
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::CreateTheme(int nTheme)
{
    CXTThemeManagerStyle* pTheme = new CXTThemeManagerStyle;
    pTheme->m_nThemeID = nTheme;
    return pTheme;
}

void CXTThemeManagerStyleFactory::RefreshMetrics()
{
    if (m_pTheme != nullptr)
        m_pTheme->RefreshMetrics();
}

CXTThemeManagerStyle* CXTThemeManagerStyleFactory::GetSafeTheme()
{
    if (m_pTheme == nullptr)
        TakeTheme(CreateTheme(m_pManager != nullptr ? m_pManager->GetTheme() : 0));
    else
        m_pTheme->RefreshMetricsIfColoursChanged();
    return m_pTheme;
}

void CXTThemeManagerStyleFactory::TakeTheme(CXTThemeManagerStyle* pTheme)
{
    m_pTheme = pTheme;
    if (m_pTheme != nullptr)
    {
        m_pTheme->m_pFactory = this;
        m_pTheme->RefreshMetrics();
    }
}

void CXTThemeManagerStyleFactory::SetTheme(CXTThemeManagerStyle* pTheme)
{
    if (pTheme == m_pTheme)
        return;
    delete m_pTheme;
    TakeTheme(pTheme);
    // A host may leave the list when it is told.
    std::vector<CXTThemeManagerStyleHost*> hosts = m_hosts;
    for (CXTThemeManagerStyleHost* pHost : hosts)
        pHost->OnThemeChanged();
}

void CXTThemeManagerStyleFactory::AddHost(CXTThemeManagerStyleHost* pHost)
{
    if (std::find(m_hosts.begin(), m_hosts.end(), pHost) == m_hosts.end())
        m_hosts.push_back(pHost);
}

void CXTThemeManagerStyleFactory::RemoveHost(CXTThemeManagerStyleHost* pHost)
{
    m_hosts.erase(std::remove(m_hosts.begin(), m_hosts.end(), pHost), m_hosts.end());
}
