#include "toolkit/controls/thememanager/XTThemeManagerStyleHost.h"

#include "toolkit/controls/thememanager/XTThemeManager.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyle.h"
#include "toolkit/controls/thememanager/XTThemeManagerStyleFactory.h"

CXTThemeManagerStyleHost::CXTThemeManagerStyleHost(CRuntimeClass* pFactoryClass)
    : m_pFactoryClass(pFactoryClass)
{
    m_pSharedFactory = XTThemeManager()->GetDefaultThemeFactory(pFactoryClass);
    if (m_pSharedFactory != nullptr)
        m_pSharedFactory->AddHost(this);
}

CXTThemeManagerStyleHost::~CXTThemeManagerStyleHost()
{
    CXTThemeManagerStyleFactory* pFactory = GetSafeThemeFactory();
    if (pFactory != nullptr)
        pFactory->RemoveHost(this);
    if (m_bOwnFactory)
        delete m_pPrivateFactory;
}

CXTThemeManagerStyleFactory* CXTThemeManagerStyleHost::CreateFactory()
{
    if (m_pFactoryClass == nullptr)
        return nullptr;
    CObject* pObject = m_pFactoryClass->CreateObject();
    CXTThemeManagerStyleFactory* pFactory = dynamic_cast<CXTThemeManagerStyleFactory*>(pObject);
    if (pFactory == nullptr)
        delete pObject;
    return pFactory;
}

void CXTThemeManagerStyleHost::OnThemeChanged()
{
}

CXTThemeManagerStyleFactory* CXTThemeManagerStyleHost::GetSafeThemeFactory() const
{
    return m_pPrivateFactory != nullptr ? m_pPrivateFactory : m_pSharedFactory;
}

CXTThemeManagerStyle* CXTThemeManagerStyleHost::GetSafeTheme() const
{
    CXTThemeManagerStyleFactory* pFactory = GetSafeThemeFactory();
    return pFactory != nullptr ? pFactory->GetSafeTheme() : nullptr;
}

void CXTThemeManagerStyleHost::SetTheme(CXTThemeManagerStyle* pTheme)
{
    if (m_pPrivateFactory == nullptr && pTheme == nullptr)
        return;
    // The style it already has: replacing it would delete what it is given.
    if (pTheme != nullptr && m_pPrivateFactory != nullptr && m_pPrivateFactory->GetSafeTheme() == pTheme)
        return;

    CXTThemeManagerStyleFactory* pOld = GetSafeThemeFactory();
    if (pOld != nullptr)
        pOld->RemoveHost(this);
    if (m_bOwnFactory)
        delete m_pPrivateFactory;
    m_pPrivateFactory = nullptr;
    m_bOwnFactory = FALSE;

    if (pTheme != nullptr)
    {
        m_pPrivateFactory = CreateFactory();
        if (m_pPrivateFactory != nullptr)
        {
            m_pPrivateFactory->SetTheme(pTheme);
            m_bOwnFactory = TRUE;
        }
        else
        {
            delete pTheme;
        }
    }
    OnThemeChanged();
    CXTThemeManagerStyleFactory* pNew = GetSafeThemeFactory();
    if (pNew != nullptr)
        pNew->AddHost(this);
}

void CXTThemeManagerStyleHost::OnFactoryDestroyed(CXTThemeManagerStyleFactory* pFactory)
{
    if (pFactory == m_pSharedFactory)
        m_pSharedFactory = nullptr;
    if (pFactory == m_pPrivateFactory)
    {
        m_pPrivateFactory = nullptr;
        m_bOwnFactory = FALSE;
    }
}
