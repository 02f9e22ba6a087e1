// Interface maps: parts found through the class's own table and its base
// class's, IUnknown as the first part, reference counts shared with the
// owner, and nested parts reaching the object that holds them.
#include <gtest/gtest.h>
#include <windows.h>
#include <ocidl.h>

#include "framework/Framework.h"

namespace
{
class CDispatchingTarget : public CCmdTarget
{
public:
    UINT typeInfoCount = 7;

    BEGIN_INTERFACE_PART(Dispatch, IDispatch)
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
        STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
        STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
        STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
        {
            return E_NOTIMPL;
        }
    END_INTERFACE_PART(Dispatch)
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CDispatchingTarget, CCmdTarget)
    INTERFACE_PART(CDispatchingTarget, IID_IDispatch, Dispatch)
END_INTERFACE_MAP()

STDMETHODIMP_(ULONG) CDispatchingTarget::XDispatch::AddRef()
{
    METHOD_PROLOGUE(CDispatchingTarget, Dispatch)
    return pThis->ExternalAddRef();
}
STDMETHODIMP_(ULONG) CDispatchingTarget::XDispatch::Release()
{
    METHOD_PROLOGUE(CDispatchingTarget, Dispatch)
    return pThis->ExternalRelease();
}
STDMETHODIMP CDispatchingTarget::XDispatch::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    METHOD_PROLOGUE(CDispatchingTarget, Dispatch)
    return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}
STDMETHODIMP CDispatchingTarget::XDispatch::GetTypeInfoCount(UINT* pctinfo)
{
    METHOD_PROLOGUE(CDispatchingTarget, Dispatch)
    *pctinfo = pThis->typeInfoCount;
    return S_OK;
}

// Adds a part of its own in front of the base's.
class CPersistingTarget : public CDispatchingTarget
{
public:
    explicit CPersistingTarget(bool& gone) : m_gone(gone) {}
    ~CPersistingTarget() override { m_gone = true; }
    CLSID classId = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};

    BEGIN_INTERFACE_PART(Persist, IPersist)
        STDMETHOD(GetClassID)(CLSID* pClassID) override;
    END_INTERFACE_PART(Persist)
    DECLARE_INTERFACE_MAP()

private:
    bool& m_gone;
};

BEGIN_INTERFACE_MAP(CPersistingTarget, CDispatchingTarget)
    INTERFACE_PART(CPersistingTarget, IID_IPersist, Persist)
END_INTERFACE_MAP()

STDMETHODIMP_(ULONG) CPersistingTarget::XPersist::AddRef()
{
    METHOD_PROLOGUE(CPersistingTarget, Persist)
    return pThis->ExternalAddRef();
}
STDMETHODIMP_(ULONG) CPersistingTarget::XPersist::Release()
{
    METHOD_PROLOGUE(CPersistingTarget, Persist)
    return pThis->ExternalRelease();
}
STDMETHODIMP CPersistingTarget::XPersist::QueryInterface(REFIID iid, LPVOID* ppvObj)
{
    METHOD_PROLOGUE(CPersistingTarget, Persist)
    return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}
STDMETHODIMP CPersistingTarget::XPersist::GetClassID(CLSID* pClassID)
{
    METHOD_PROLOGUE(CPersistingTarget, Persist)
    *pClassID = pThis->classId;
    return S_OK;
}
} // namespace

TEST(InterfaceMap, PartsOfTheClassAndItsBaseReachTheirOwnerAndShareItsCount)
{
    bool gone = false;
    CPersistingTarget* target = new CPersistingTarget(gone);
    target->typeInfoCount = 3;

    IDispatch* dispatch = nullptr;
    ASSERT_EQ(target->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    UINT count = 0;
    dispatch->GetTypeInfoCount(&count);
    EXPECT_EQ(count, 3u);

    // From one part to another, and IUnknown always the same part.
    IPersist* persist = nullptr;
    ASSERT_EQ(dispatch->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK);
    CLSID id = {};
    persist->GetClassID(&id);
    EXPECT_TRUE(IsEqualCLSID(id, target->classId));
    IUnknown* viaDispatch = nullptr;
    IUnknown* viaPersist = nullptr;
    dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaDispatch));
    persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaPersist));
    EXPECT_EQ(viaDispatch, viaPersist);
    EXPECT_EQ(viaDispatch, static_cast<IUnknown*>(persist));

    IStream* stream = reinterpret_cast<IStream*>(1);
    EXPECT_EQ(persist->QueryInterface(IID_IStream, reinterpret_cast<void**>(&stream)), E_NOINTERFACE);
    EXPECT_EQ(stream, nullptr);

    EXPECT_EQ(target->m_dwRef, 5);
    viaDispatch->Release();
    viaPersist->Release();
    persist->Release();
    dispatch->Release();
    EXPECT_FALSE(gone);
    target->ExternalRelease();
    EXPECT_TRUE(gone);

    // A target without parts answers nothing.
    CCmdTarget plain;
    void* none = &plain;
    EXPECT_EQ(plain.ExternalQueryInterface(&IID_IUnknown, &none), static_cast<DWORD>(E_NOINTERFACE));
    EXPECT_EQ(none, nullptr);
}
