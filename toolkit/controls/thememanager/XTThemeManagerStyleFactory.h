// Makes and holds the current style of one kind of control, and tells the
// controls that use it (its hosts) when that style is replaced.
#pragma once
#include <vector>

#include "framework/core/CObject.h"

class CXTThemeManager;
class CXTThemeManagerStyle;
class CXTThemeManagerStyleHost;

class CXTThemeManagerStyleFactory : public CObject
{
    DECLARE_DYNCREATE(CXTThemeManagerStyleFactory)

public:
    CXTThemeManagerStyleFactory();
    ~CXTThemeManagerStyleFactory() override;
    CXTThemeManagerStyleFactory(const CXTThemeManagerStyleFactory&) = delete;
    CXTThemeManagerStyleFactory& operator=(const CXTThemeManagerStyleFactory&) = delete;

    // A new style for the theme id; owned by the caller.
    virtual CXTThemeManagerStyle* CreateTheme(int nTheme);
    // Refreshes the current style's metrics.
    virtual void RefreshMetrics();

    // The current style, made for the manager's theme id on first use.
    CXTThemeManagerStyle* GetSafeTheme();
    // Replaces (and deletes) the current style and tells every host.
    void SetTheme(CXTThemeManagerStyle* pTheme);

    void AddHost(CXTThemeManagerStyleHost* pHost);
    void RemoveHost(CXTThemeManagerStyleHost* pHost);
    const std::vector<CXTThemeManagerStyleHost*>& GetHosts() const { return m_hosts; }

private:
    friend class CXTThemeManager;
    void TakeTheme(CXTThemeManagerStyle* pTheme);

    CXTThemeManagerStyle* m_pTheme = nullptr;
    std::vector<CXTThemeManagerStyleHost*> m_hosts;
    // The manager it registered with; cleared when the manager goes first.
    CXTThemeManager* m_pManager = nullptr;
};
