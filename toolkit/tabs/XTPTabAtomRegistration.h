// Keeps one strip on the list of the paint manager that lays it out, so that
// an option changed there lays the strip out again. The registration holds a
// reference, so the strip can always leave the list, even after the paint
// manager's owner has let it go or replaced it.
#pragma once

class CXTPTabManagerAtom;
class CXTPTabPaintManager;

class CXTPTabAtomRegistration
{
public:
    explicit CXTPTabAtomRegistration(CXTPTabManagerAtom* pAtom) : m_pAtom(pAtom) {}
    ~CXTPTabAtomRegistration();
    CXTPTabAtomRegistration(const CXTPTabAtomRegistration&) = delete;
    CXTPTabAtomRegistration& operator=(const CXTPTabAtomRegistration&) = delete;

    // Moves the strip onto this paint manager's list; null takes it off.
    void Register(CXTPTabPaintManager* pPaintManager);
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }

private:
    CXTPTabManagerAtom* m_pAtom;
    CXTPTabPaintManager* m_pPaintManager = nullptr;
};
