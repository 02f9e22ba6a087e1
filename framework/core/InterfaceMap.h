// Interface maps: static tables that say which COM interfaces a command
// target exposes and where their implementations (nested members) lie.
// Each class's table links to its base class's table; a lookup walks from
// the most derived table to the root.
//
//     class CMyBar : public CCmdTarget
//     {
//         BEGIN_INTERFACE_PART(Accessible, IAccessible)
//             ... the interface's methods ...
//         END_INTERFACE_PART(Accessible)
//         DECLARE_INTERFACE_MAP()
//     };
//     BEGIN_INTERFACE_MAP(CMyBar, CCmdTarget)
//         INTERFACE_PART(CMyBar, IID_IAccessible, Accessible)
//     END_INTERFACE_MAP()
//
// A nested part reaches its owner with METHOD_PROLOGUE(CMyBar, Accessible),
// which declares pThis. QueryInterface, AddRef and Release of a part go to
// the owner's ExternalQueryInterface, ExternalAddRef and ExternalRelease.
#pragma once
#include <windows.h>
#include <unknwn.h>

#include <cstddef>

class CCmdTarget;

struct AFX_INTERFACEMAP_ENTRY
{
    const IID* piid;                          // null ends the table
    void* (*pfnGetPart)(CCmdTarget* pTarget); // the nested implementation in the object
};

struct AFX_INTERFACEMAP
{
    const AFX_INTERFACEMAP* (*pfnGetBaseMap)();
    const AFX_INTERFACEMAP_ENTRY* pEntry;
};

// Byte offset of a member (for classes that are not standard layout).
#define AFX_MEMBER_OFFSET(theClass, member) \
    (reinterpret_cast<std::size_t>(&reinterpret_cast<theClass*>(static_cast<std::size_t>(0x1000))->member) - 0x1000)

#define DECLARE_INTERFACE_MAP() \
protected: \
    static const AFX_INTERFACEMAP* GetThisInterfaceMap(); \
    const AFX_INTERFACEMAP* GetInterfaceMap() const override;

#define BEGIN_INTERFACE_MAP(theClass, baseClass) \
    const AFX_INTERFACEMAP* theClass::GetInterfaceMap() const \
    { \
        return GetThisInterfaceMap(); \
    } \
    const AFX_INTERFACEMAP* theClass::GetThisInterfaceMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[] = {

#define INTERFACE_PART(theClass, iid, localClass) \
            {&(iid), [](CCmdTarget* pTarget) -> void* { \
                 return static_cast<void*>(&static_cast<ThisClass*>(pTarget)->m_x##localClass); }},

#define END_INTERFACE_MAP() \
            {nullptr, nullptr} \
        }; \
        static const AFX_INTERFACEMAP interfaceMap = {&TheBaseClass::GetThisInterfaceMap, &_interfaceEntries[0]}; \
        return &interfaceMap; \
    }

// A nested interface implementation; QueryInterface, AddRef and Release
// are declared (define them with the owner's External... calls).
#define BEGIN_INTERFACE_PART(localClass, baseInterface) \
    class X##localClass : public baseInterface \
    { \
    public: \
        STDMETHOD_(ULONG, AddRef)() override; \
        STDMETHOD_(ULONG, Release)() override; \
        STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;

#define END_INTERFACE_PART(localClass) \
    } m_x##localClass; \
    friend class X##localClass;

// Inside a method of a nested part: pThis is the object holding it.
#define METHOD_PROLOGUE(theClass, localClass) \
    theClass* pThis = reinterpret_cast<theClass*>(reinterpret_cast<BYTE*>(this) - \
                                                   AFX_MEMBER_OFFSET(theClass, m_x##localClass)); \
    (void)pThis;
