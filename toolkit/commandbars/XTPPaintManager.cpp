#include "toolkit/commandbars/XTPPaintManager.h"

namespace {

// Owns the current paint manager and releases it at process exit.
class CCurrentPaintManager
{
public:
    ~CCurrentPaintManager() { Replace(nullptr); }

    CXTPPaintManager* Get() const { return m_pPaintManager; }

    void Replace(CXTPPaintManager* pPaintManager)
    {
        CXTPPaintManager* pOld = m_pPaintManager;
        m_pPaintManager = pPaintManager;
        if (pOld)
            pOld->InternalRelease();
    }

private:
    CXTPPaintManager* m_pPaintManager = nullptr;
};

CCurrentPaintManager& CurrentPaintManager()
{
    static CCurrentPaintManager current;
    return current;
}

} // namespace

CXTPPaintManager::CXTPPaintManager()
    : m_themeCurrent(0)
{
}

CXTPPaintManager::~CXTPPaintManager() = default;

void CXTPPaintManager::SetTheme(int nTheme)
{
    // Every theme number gets the default paint manager until the themed
    // ones exist; the number is what callers ask for.
    CXTPPaintManager* pPaintManager = new CXTPPaintManager();
    pPaintManager->m_themeCurrent = nTheme;
    CurrentPaintManager().Replace(pPaintManager);
}

CXTPPaintManager* XTPPaintManager()
{
    return CurrentPaintManager().Get();
}
