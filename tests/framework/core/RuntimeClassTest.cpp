#include <gtest/gtest.h>
#include "framework/core/CCmdTarget.h"
#include "framework/core/CException.h"
#include "framework/core/CObject.h"

#include <cstring>

namespace
{
int g_animalsAlive = 0;
}

class CTestAnimal : public CObject
{
    DECLARE_DYNAMIC(CTestAnimal)
public:
    CTestAnimal() { ++g_animalsAlive; }
    ~CTestAnimal() override { --g_animalsAlive; }
};
IMPLEMENT_DYNAMIC(CTestAnimal, CObject)

class CTestDog : public CTestAnimal
{
    DECLARE_DYNCREATE(CTestDog)
public:
    int m_legs = 4;
};
IMPLEMENT_DYNCREATE(CTestDog, CTestAnimal)

class CTestPuppy : public CTestDog
{
    DECLARE_DYNCREATE(CTestPuppy)
};
IMPLEMENT_DYNCREATE(CTestPuppy, CTestDog)

TEST(RuntimeClass, KindOfFollowsTheBaseChain)
{
    CTestPuppy puppy;
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CTestPuppy)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CTestDog)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CTestAnimal)));
    EXPECT_TRUE(puppy.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(puppy.IsKindOf(RUNTIME_CLASS(CCmdTarget)));

    CTestDog dog;
    EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CTestPuppy)));
    // Through a base pointer the most derived class answers.
    CObject* object = &puppy;
    EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, "CTestPuppy");
    EXPECT_EQ(object->GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CTestDog));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestDog, object), &puppy);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCmdTarget, object), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTestDog)->m_nObjectSize, static_cast<int>(sizeof(CTestDog)));
}

TEST(RuntimeClass, LookupByNameAndCreation)
{
    EXPECT_EQ(CRuntimeClass::FromName("CTestDog"), RUNTIME_CLASS(CTestDog));
    EXPECT_EQ(CRuntimeClass::FromName(L"CTestPuppy"), RUNTIME_CLASS(CTestPuppy));
    // Framework classes register themselves like the program's own.
    EXPECT_EQ(CRuntimeClass::FromName(L"CCmdTarget"), RUNTIME_CLASS(CCmdTarget));
    EXPECT_EQ(CRuntimeClass::FromName(L"CException"), RUNTIME_CLASS(CException));
    EXPECT_EQ(CRuntimeClass::FromName("ctestdog"), nullptr);  // names are exact
    EXPECT_EQ(CRuntimeClass::FromName(L"CTestDogX"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(L""), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(static_cast<LPCWSTR>(nullptr)), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(L"CTest\x00C4"), nullptr);

    int alive = g_animalsAlive;
    CObject* created = CRuntimeClass::CreateObject(L"CTestDog");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(CTestDog));
    EXPECT_EQ(static_cast<CTestDog*>(created)->m_legs, 4);
    EXPECT_EQ(g_animalsAlive, alive + 1);
    delete created;  // through the virtual destructor
    EXPECT_EQ(g_animalsAlive, alive);

    // A DYNAMIC class has no factory.
    EXPECT_EQ(RUNTIME_CLASS(CTestAnimal)->CreateObject(), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
    EXPECT_FALSE(RUNTIME_CLASS(CTestDog)->IsDerivedFrom(RUNTIME_CLASS(CTestPuppy)));
    EXPECT_FALSE(CTestDog().IsSerializable());

    // Every registered class is listed exactly once.
    int dogs = 0;
    for (CRuntimeClass* c = CRuntimeClass::GetFirstClass(); c != nullptr; c = c->m_pNextClass)
        dogs += std::strcmp(c->m_lpszClassName, "CTestDog") == 0;
    EXPECT_EQ(dogs, 1);
}

namespace
{
int g_finalReleases = 0;
int g_destroyed = 0;
}

class CCountedTarget : public CCmdTarget
{
public:
    ~CCountedTarget() override { ++g_destroyed; }
    void OnFinalRelease() override
    {
        ++g_finalReleases;
        CCmdTarget::OnFinalRelease();
    }
};

TEST(CmdTarget, LastReleaseDeletesOnce)
{
    g_finalReleases = g_destroyed = 0;
    CCountedTarget* target = new CCountedTarget;
    EXPECT_EQ(target->m_dwRef, 1);
    EXPECT_EQ(target->InternalAddRef(), 2u);
    EXPECT_EQ(target->ExternalAddRef(), 3u);
    EXPECT_EQ(target->InternalRelease(), 2u);
    EXPECT_EQ(target->ExternalRelease(), 1u);
    EXPECT_EQ(g_destroyed, 0);
    EXPECT_EQ(target->InternalRelease(), 0u);
    EXPECT_EQ(g_finalReleases, 1);
    EXPECT_EQ(g_destroyed, 1);
}

namespace
{
struct ReleaseJob
{
    CCmdTarget* target;
    int rounds;
};

DWORD WINAPI ReleaseMany(LPVOID p)
{
    ReleaseJob* job = static_cast<ReleaseJob*>(p);
    for (int i = 0; i < job->rounds; ++i)
        job->target->InternalRelease();
    return 0;
}
}

TEST(CmdTarget, ReferenceCountIsThreadSafe)
{
    g_finalReleases = g_destroyed = 0;
    CCountedTarget* target = new CCountedTarget;
    const int threads = 4;
    const int rounds = 20000;
    for (int i = 0; i < threads * rounds; ++i)
        target->InternalAddRef();
    ReleaseJob job = {target, rounds};
    HANDLE handles[threads];
    for (HANDLE& h : handles) {
        h = CreateThread(nullptr, 0, ReleaseMany, &job, 0, nullptr);
        ASSERT_NE(h, nullptr);
    }
    WaitForMultipleObjects(threads, handles, TRUE, INFINITE);
    for (HANDLE h : handles)
        CloseHandle(h);
    EXPECT_EQ(g_destroyed, 0);
    EXPECT_EQ(target->m_dwRef, 1);
    target->InternalRelease();
    EXPECT_EQ(g_finalReleases, 1);
    EXPECT_EQ(g_destroyed, 1);
}
