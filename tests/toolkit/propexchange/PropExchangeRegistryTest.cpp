// The registry back end on the real registry: layouts, defaults that
// delete values, emptied sections, collections and classes by name.
#include "PropExchangeTestSupport.h"

#include "framework/ole/COleDateTime.h"
#include "toolkit/common/propexchange/XTPPropExchangeRegistry.h"

using namespace proptest;

TEST(PropExchangeRegistry, ValuesEqualToTheirDefaultsAreDeleted)
{
    ScratchKey key(L"Defaults");
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"Section");
        BOOL bValue = TRUE;
        EXPECT_TRUE(XTPExchangeBool(&px, L"Flag", bValue));
        EXPECT_EQ(1u, key.DwordValue(L"Section", L"Flag"));
        EXPECT_TRUE(XTPExchangeBoolWithDefault(&px, L"Flag", bValue, TRUE));
        EXPECT_EQ((DWORD)REG_NONE, key.ValueType(L"Section", L"Flag"));

        // With defaults switched off for storing, the value is written.
        px.m_bUseDefaultOnSave = FALSE;
        EXPECT_TRUE(XTPExchangeBoolWithDefault(&px, L"Flag", bValue, TRUE));
        EXPECT_EQ(1u, key.DwordValue(L"Section", L"Flag"));
    }
    CXTPPropExchangeRegistry px(TRUE, key.get(), L"Empty");
    long nValue = 1;
    CString str(L"x");
    CRect rc(1, 1, 1, 1);
    EXPECT_TRUE(XTPExchangeLongWithDefault(&px, L"Long", nValue, 42));
    EXPECT_TRUE(XTPExchangeStringWithDefault(&px, L"Text", str, L"dflt"));
    EXPECT_TRUE(XTPExchangeRectWithDefault(&px, L"Rect", rc, CRect(5, 6, 7, 8)));
    EXPECT_EQ(42, nValue);
    EXPECT_STREQ(L"dflt", str);
    EXPECT_TRUE(rc == CRect(5, 6, 7, 8));
    // Without a default a missing value fails and keeps its contents.
    EXPECT_FALSE(XTPExchangeLong(&px, L"Long", nValue));
    EXPECT_EQ(42, nValue);
    // So does one whose default is switched off for loading.
    px.m_bUseDefaultOnLoad = FALSE;
    EXPECT_FALSE(XTPExchangeLongWithDefault(&px, L"Long", nValue, 7));
    EXPECT_EQ(42, nValue);
}

TEST(PropExchangeRegistry, ChildSectionsInheritStateAndSchemaTravelsAsALong)
{
    ScratchKey key(L"State");
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"S");
        px.m_dwData = 0x1234;
        px.m_bUseDefaultOnSave = FALSE;
        px.ExchangeSchema();
        px.m_nSchema = 20;
        Section child(px.GetSection(L"Child"));
        EXPECT_FALSE(child->IsLoading());
        EXPECT_FALSE(child->IsRootSection());
        EXPECT_EQ(0x1234u, child->m_dwData);
        EXPECT_FALSE(child->m_bUseDefaultOnSave);
        child->ExchangeSchema();
    }
    EXPECT_EQ(17u, key.DwordValue(L"S", L"Schema"));
    EXPECT_EQ(20u, key.DwordValue(L"S\\Child", L"Schema"));

    CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
    Section child(px.GetSection(L"Child"));
    EXPECT_TRUE(child->IsLoading());
    child->ExchangeSchema();
    EXPECT_EQ(20, child->m_nSchema);
}

TEST(PropExchangeRegistry, LayoutOfEachTypeAndItsWayBack)
{
    ScratchKey key(L"Layout");
    short s = -1;
    BYTE by = 0xFE;
    long l = -5;
    float f = 2.5f;
    double d = -0.125;
    CString str(L"Zürich \"quoted\"");
    CRect rc(2, 4, 2, 4);
    CSize sz(-3, 9);
    ULONGLONG ull = 0x0000000100000002ULL;
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"S");
        XTPExchangeShortWithDefault(&px, L"Short", s, 0);
        XTPExchangeByteWithDefault(&px, L"Byte", by, 0);
        XTPExchangeLong(&px, L"Long", l);
        px.ExchangeProp(L"Float", VT_R4, &f);
        XTPExchangeDouble(&px, L"Double", d);
        XTPExchangeString(&px, L"Text", str);
        XTPExchangeRectWithDefault(&px, L"Rect", rc, CRect());
        XTPExchangeSizeWithDefault(&px, L"Size", sz, CSize());
        XTPExchangeULongLongWithDefault(&px, L"Big", ull, 0);
        // Types without a registry form write nothing.
        COleDateTime dt(2006, 6, 1, 0, 0, 0);
        CY cy = {};
        EXPECT_FALSE(XTPExchangeDate(&px, L"Date", dt));
        EXPECT_FALSE(px.ExchangeProp(L"Money", VT_CY, &cy));
    }
    EXPECT_EQ(65535u, key.DwordValue(L"S", L"Short"));
    EXPECT_EQ(0xFEu, key.DwordValue(L"S", L"Byte"));
    EXPECT_EQ((DWORD)-5, key.DwordValue(L"S", L"Long"));
    std::vector<BYTE> data;
    EXPECT_EQ((DWORD)REG_BINARY, key.ValueType(L"S", L"Float", &data));
    EXPECT_EQ(4u, data.size());
    EXPECT_EQ((DWORD)REG_BINARY, key.ValueType(L"S", L"Double", &data));
    EXPECT_EQ(8u, data.size());
    EXPECT_STREQ(str, key.StringValue(L"S", L"Text"));
    EXPECT_STREQ(L"2, 4, 2, 4", key.StringValue(L"S", L"Rect"));
    EXPECT_STREQ(L"-3, 9", key.StringValue(L"S", L"Size"));
    EXPECT_STREQ(L"1, 2", key.StringValue(L"S", L"Big"));
    EXPECT_EQ((DWORD)REG_NONE, key.ValueType(L"S", L"Date"));

    CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
    short s2 = 0;
    BYTE by2 = 0;
    long l2 = 0;
    float f2 = 0;
    double d2 = 0;
    CString str2;
    CRect rc2;
    CSize sz2;
    ULONGLONG ull2 = 0;
    XTPExchangeShortWithDefault(&px, L"Short", s2, 0);
    XTPExchangeByteWithDefault(&px, L"Byte", by2, 0);
    XTPExchangeLong(&px, L"Long", l2);
    EXPECT_TRUE(px.ExchangeProp(L"Float", VT_R4, &f2));
    XTPExchangeDouble(&px, L"Double", d2);
    XTPExchangeString(&px, L"Text", str2);
    XTPExchangeRectWithDefault(&px, L"Rect", rc2, CRect());
    XTPExchangeSizeWithDefault(&px, L"Size", sz2, CSize());
    XTPExchangeULongLongWithDefault(&px, L"Big", ull2, 0);
    EXPECT_EQ(s, s2);
    EXPECT_EQ(by, by2);
    EXPECT_EQ(l, l2);
    EXPECT_EQ(f, f2);
    EXPECT_EQ(d, d2);
    EXPECT_STREQ(str, str2);
    EXPECT_TRUE(rc == rc2);
    EXPECT_TRUE(sz == sz2);
    EXPECT_EQ(ull, ull2);
}

TEST(PropExchangeRegistry, TextsThatDoNotParseGiveTheDefault)
{
    ScratchKey key(L"Parse");
    key.SetString(L"S", L"Size", L"5");
    key.SetString(L"S", L"Rect", L"1, 2, 3");
    CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
    CSize sz(1, 1);
    CRect rc(1, 1, 1, 1);
    EXPECT_TRUE(XTPExchangeSizeWithDefault(&px, L"Size", sz, CSize(10, 20)));
    EXPECT_TRUE(XTPExchangeRectWithDefault(&px, L"Rect", rc, CRect(1, 2, 3, 4)));
    EXPECT_TRUE(sz == CSize(10, 20));
    EXPECT_TRUE(rc == CRect(1, 2, 3, 4));
}

TEST(PropExchangeRegistry, EmptiedSectionIsDeletedAndRecreatedByTheNextValue)
{
    ScratchKey key(L"Empty");
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"S");
        long n = 1;
        XTPExchangeLong(&px, L"Old", n);
        Section child(px.GetSection(L"Child"));
        XTPExchangeLong(child.get(), L"Deep", n);
    }
    ASSERT_TRUE(key.HasSubKey(L"S\\Child"));

    CXTPPropExchangeRegistry px(FALSE, key.get(), L"S");
    px.EmptySection();
    EXPECT_FALSE(key.HasSubKey(L"S"));
    long n = 7;
    EXPECT_TRUE(XTPExchangeLongWithDefault(&px, L"Default", n, 7));
    EXPECT_TRUE(key.HasSubKey(L"S"));
    EXPECT_FALSE(key.HasSubKey(L"S\\Child"));
    EXPECT_EQ((DWORD)REG_NONE, key.ValueType(L"S", L"Old"));
}

TEST(PropExchangeRegistry, CollectionsAreACountAndNumberedSubkeys)
{
    ScratchKey key(L"Collection");
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"List");
        StoreItems(&px, {10, 11});
    }
    EXPECT_EQ(2u, key.DwordValue(L"List", L"Count"));
    EXPECT_EQ(10u, key.DwordValue(L"List\\Item0", L"Value"));
    EXPECT_EQ(11u, key.DwordValue(L"List\\Item1", L"Value"));
    EXPECT_FALSE(key.HasSubKey(L"List\\Item2"));

    CXTPPropExchangeRegistry px(TRUE, key.get(), L"List");
    EXPECT_EQ((std::vector<long>{10, 11}), LoadItems(&px));
    // Without "Count" there is no item.
    CXTPPropExchangeRegistry missing(TRUE, key.get(), L"NoList");
    EXPECT_TRUE(LoadItems(&missing).empty());
}

TEST(PropExchangeRegistry, ObjectsByClassName)
{
    ScratchKey key(L"Classes");
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"S");
        CPropTestShape shape;
        CPropTestCircle circle;
        Section exact(px.GetSection(L"Exact"));
        Section derived(px.GetSection(L"Derived"));
        CObject* pObject = &shape;
        EXPECT_TRUE(exact->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CPropTestShape)));
        pObject = &circle;
        EXPECT_TRUE(derived->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CPropTestShape)));
    }
    // The base class itself is the default and is left out.
    EXPECT_EQ((DWORD)REG_NONE, key.ValueType(L"S\\Exact", L"Class"));
    EXPECT_STREQ(L"CPropTestCircle", key.StringValue(L"S\\Derived", L"Class"));
    key.SetString(L"S\\Unknown", L"Class", L"CNoSuchClass");
    key.SetString(L"S\\Empty", L"Class", L"");
    key.SetString(L"S\\Stranger", L"Class", L"CPropTestStranger");

    CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
    auto load = [&](LPCWSTR pszSection) -> CRuntimeClass* {
        Section section(px.GetSection(pszSection));
        CObject* pObject = nullptr;
        if (!section->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CPropTestShape)))
            return nullptr;
        CRuntimeClass* pClass = pObject->GetRuntimeClass();
        delete pObject;
        return pClass;
    };
    EXPECT_EQ(RUNTIME_CLASS(CPropTestShape), load(L"Exact"));
    EXPECT_EQ(RUNTIME_CLASS(CPropTestCircle), load(L"Derived"));
    // A name that names no class is refused, not read as the base class.
    EXPECT_EQ(nullptr, load(L"Unknown"));
    EXPECT_EQ(nullptr, load(L"Empty"));
    const int nStrangers = CPropTestStranger::s_nCreated;
    EXPECT_EQ(nullptr, load(L"Stranger"));
    EXPECT_EQ(nStrangers, CPropTestStranger::s_nCreated) << "an object of the wrong kind was built";
}

TEST(PropExchangeRegistry, BlobsAndSerializedObjects)
{
    ScratchKey key(L"Blobs");
    CPropTestShape shape;
    shape.m_nSides = 6;
    {
        CXTPPropExchangeRegistry px(FALSE, key.get(), L"S");
        const BYTE data[3] = {0x00, 0x1F, 0xFF};
        px.Write(L"Raw", data, sizeof(data));
        EXPECT_TRUE(XTPExchangeSerialize(&px, L"Shape", &shape));
    }
    std::vector<BYTE> raw;
    EXPECT_EQ((DWORD)REG_BINARY, key.ValueType(L"S", L"Raw", &raw));
    EXPECT_EQ((std::vector<BYTE>{0x00, 0x1F, 0xFF}), raw);

    CXTPPropExchangeRegistry px(TRUE, key.get(), L"S");
    BYTE small[2];
    EXPECT_EQ(0u, px.Read(L"Raw", small, sizeof(small)));
    BYTE big[8] = {};
    EXPECT_EQ(3u, px.Read(L"Raw", big, sizeof(big)));
    CPropTestShape loaded;
    EXPECT_TRUE(XTPExchangeSerialize(&px, L"Shape", &loaded));
    EXPECT_EQ(6, loaded.m_nSides);
    EXPECT_FALSE(XTPExchangeSerialize(&px, L"Missing", &loaded));
}
