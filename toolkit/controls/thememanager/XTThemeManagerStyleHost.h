// The second base of every themed control: it uses the shared factory of
// its factory class, or a private one when the control was given a theme of
// its own.
#pragma once
#include "framework/core/CRuntimeClass.h"

class CXTThemeManagerStyle;
class CXTThemeManagerStyleFactory;

class CXTThemeManagerStyleHost
{
public:
    explicit CXTThemeManagerStyleHost(CRuntimeClass* pFactoryClass);
    virtual ~CXTThemeManagerStyleHost();
    CXTThemeManagerStyleHost(const CXTThemeManagerStyleHost&) = delete;
    CXTThemeManagerStyleHost& operator=(const CXTThemeManagerStyleHost&) = delete;

    // A new factory object of the host's factory class.
    virtual CXTThemeManagerStyleFactory* CreateFactory();
    // Called after the host's theme was replaced.
    virtual void OnThemeChanged();

    // The private factory when there is one, else the shared one.
    CXTThemeManagerStyleFactory* GetSafeThemeFactory() const;
    CXTThemeManagerStyle* GetSafeTheme() const;

    // A style of the host's own (taken over), or null to return to the
    // shared style.
    void SetTheme(CXTThemeManagerStyle* pTheme);

    BOOL HasPrivateFactory() const { return m_bOwnFactory; }

private:
    friend class CXTThemeManagerStyleFactory;
    void OnFactoryDestroyed(CXTThemeManagerStyleFactory* pFactory);

    BOOL m_bOwnFactory = FALSE;
    CRuntimeClass* m_pFactoryClass;
    CXTThemeManagerStyleFactory* m_pPrivateFactory = nullptr;
    CXTThemeManagerStyleFactory* m_pSharedFactory = nullptr;
};
