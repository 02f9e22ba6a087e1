// The process-wide register of theme factories: one shared factory per
// factory class, made on first request and owned here, and the list of
// every live factory (shared or private to one control).
#pragma once
#include <map>
#include <vector>

#include "framework/core/CNoTrackObject.h"
#include "framework/core/CRuntimeClass.h"

class CXTThemeManagerStyleFactory;

class CXTThemeManager : public CNoTrackObject
{
public:
    CXTThemeManager();
    ~CXTThemeManager() override;
    CXTThemeManager(const CXTThemeManager&) = delete;
    CXTThemeManager& operator=(const CXTThemeManager&) = delete;

    // The shared factory of the class, created through the run-time class
    // on first request; null when the class cannot make one.
    CXTThemeManagerStyleFactory* GetDefaultThemeFactory(CRuntimeClass* pFactoryClass);

    // The theme id new shared styles are made for.
    int GetTheme() const { return m_nTheme; }

    // Factories register themselves while they live.
    void AddFactory(CXTThemeManagerStyleFactory* pFactory);
    void RemoveFactory(CXTThemeManagerStyleFactory* pFactory);
    const std::vector<CXTThemeManagerStyleFactory*>& GetFactories() const { return m_factories; }

private:
    std::map<CRuntimeClass*, CXTThemeManagerStyleFactory*> m_sharedFactories;
    int m_nTheme = 0;
    std::vector<CXTThemeManagerStyleFactory*> m_factories;
};

// The process's theme manager, made on first use.
CXTThemeManager* XTThemeManager();
