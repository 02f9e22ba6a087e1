// The archive back end: exact bytes, every value type back and forth,
// collections, classes, and archives that end early.
#include "PropExchangeTestSupport.h"

#include "framework/ole/COleDateTime.h"
#include "framework/ole/COleVariant.h"

using namespace proptest;

TEST(PropExchangeArchive, WritesValuesInCallOrderWithoutNamesOrDefaults)
{
    std::vector<BYTE> bytes = StoreToArchive([](CXTPPropExchange* px) {
        long nFive = 5;
        BOOL bTrue = TRUE;
        CSize size(3, 4);
        XTPExchangeLongWithDefault(px, L"A", nFive, 5);
        XTPExchangeBoolWithDefault(px, L"B", bTrue, TRUE);
        // A type without an archive form writes nothing.
        BSTR bstr = SysAllocString(L"ignored");
        EXPECT_TRUE(px->ExchangeProp(L"C", VT_BSTR, &bstr));
        SysFreeString(bstr);
        XTPExchangeSizeWithDefault(px, L"D", size, CSize(3, 4));
    });
    const std::vector<BYTE> expected = {5, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0};
    EXPECT_EQ(expected, bytes);
}

TEST(PropExchangeArchive, EveryValueTypeComesBackUnchanged)
{
    struct Values
    {
        short s = 0;
        long l = 0;
        float f = 0;
        double d = 0;
        CY cy = {};
        COleDateTime dt;
        BOOL b = FALSE;
        COleVariant var;
        BYTE by = 0;
        CString str;
        CRect rc;
        CSize sz;
        ULONGLONG ull = 0;
        void Exchange(CXTPPropExchange* px)
        {
            px->ExchangeProp(L"s", VT_I2, &s);
            px->ExchangeProp(L"l", VT_I4, &l);
            px->ExchangeProp(L"f", VT_R4, &f);
            px->ExchangeProp(L"d", VT_R8, &d);
            px->ExchangeProp(L"cy", VT_CY, &cy);
            px->ExchangeProp(L"dt", VT_DATE, &dt);
            px->ExchangeProp(L"b", VT_BOOL, &b);
            px->ExchangeProp(L"var", VT_VARIANT, static_cast<VARIANT*>(&var));
            px->ExchangeProp(L"by", VT_UI1, &by);
            px->ExchangeProp(L"str", VT_XTP_STRING, &str);
            XTPExchangeRectWithDefault(px, L"rc", rc, CRect());
            XTPExchangeSizeWithDefault(px, L"sz", sz, CSize());
            XTPExchangeULongLongWithDefault(px, L"ull", ull, 0);
        }
    };
    Values in;
    in.s = -2;
    in.l = -70000;
    in.f = 1.5f;
    in.d = -2.25e100;
    in.cy.int64 = -1234567890123LL;
    in.dt = COleDateTime(2006, 6, 9, 18, 5, 7);
    in.b = TRUE;
    in.var = COleVariant(L"variant text");
    in.by = 200;
    in.str = L"Fußball\tWM";
    in.rc = CRect(-1, 2, 300, 40000);
    in.sz = CSize(7, -8);
    in.ull = 0x123456789ABCDEF0ULL;

    std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) { in.Exchange(px); });
    Values out;
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) { out.Exchange(px); });

    EXPECT_EQ(in.s, out.s);
    EXPECT_EQ(in.l, out.l);
    EXPECT_EQ(in.f, out.f);
    EXPECT_EQ(in.d, out.d);
    EXPECT_EQ(in.cy.int64, out.cy.int64);
    EXPECT_TRUE(in.dt == out.dt);
    EXPECT_EQ(in.b, out.b);
    EXPECT_TRUE(in.var == out.var);
    EXPECT_EQ(in.by, out.by);
    EXPECT_STREQ(in.str, out.str);
    EXPECT_TRUE(in.rc == out.rc);
    EXPECT_TRUE(in.sz == out.sz);
    EXPECT_EQ(in.ull, out.ull);
}

TEST(PropExchangeArchive, BlobsAndCollections)
{
    const BYTE data[6] = {1, 2, 3, 4, 5, 6};
    std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) {
        BYTE* pData = const_cast<BYTE*>(data);
        DWORD nBytes = sizeof(data);
        px->ExchangeBlob(L"Blob", pData, nBytes);
        StoreItems(px, {0, 1, 2});
    });
    // Count 6 in two bytes, the six bytes, count 3, three longs.
    ASSERT_EQ(2u + 6u + 2u + 12u, bytes.size());
    EXPECT_EQ(6, bytes[0]);
    EXPECT_EQ(3, bytes[8]);

    // A buffer too small for the blob fails before reading its data.
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) {
        BYTE small[4] = {};
        BYTE* pSmall = small;
        DWORD nSmall = sizeof(small);
        EXPECT_FALSE(px->ExchangeBlob(L"Blob", pSmall, nSmall));
        BYTE rest[6] = {};
        EXPECT_EQ(6u, px->Read(L"Blob", rest, 6));
        EXPECT_EQ(0, memcmp(rest, data, 6));
    });

    LoadFromArchive(bytes, [&](CXTPPropExchange* px) {
        BYTE* pLoaded = nullptr;
        DWORD nLoaded = 0;
        EXPECT_TRUE(px->ExchangeBlob(L"Blob", pLoaded, nLoaded));
        ASSERT_EQ(6u, nLoaded);
        EXPECT_EQ(0, memcmp(pLoaded, data, 6));
        delete[] pLoaded;
        EXPECT_EQ((std::vector<long>{0, 1, 2}), LoadItems(px));
    });
}

TEST(PropExchangeArchive, ObjectsByClassKeepTheirClassAndRefuseStrangers)
{
    CPropTestCircle circle;
    circle.m_nSides = 1;
    std::vector<BYTE> bytes = StoreToArchive([&](CXTPPropExchange* px) {
        CObject* pObject = &circle;
        EXPECT_TRUE(px->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CPropTestShape)));
        pObject->Serialize(*px->GetArchive(L"Data"));
    });
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) {
        CObject* pObject = nullptr;
        EXPECT_TRUE(px->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CPropTestShape)));
        ASSERT_NE(nullptr, pObject);
        EXPECT_EQ(RUNTIME_CLASS(CPropTestCircle), pObject->GetRuntimeClass());
        EXPECT_EQ(1, px->m_nSchema) << "the stored class's schema";
        pObject->Serialize(*px->GetArchive(L"Data"));
        EXPECT_EQ(1, static_cast<CPropTestShape*>(pObject)->m_nSides);
        delete pObject;
    });

    CPropTestStranger stranger;
    bytes = StoreToArchive([&](CXTPPropExchange* px) {
        CObject* pObject = &stranger;
        px->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CObject));
    });
    const int nStrangersBefore = CPropTestStranger::s_nCreated;
    LoadFromArchive(bytes, [&](CXTPPropExchange* px) {
        CObject* pObject = nullptr;
        try
        {
            px->ExchangeObjectByClass(pObject, RUNTIME_CLASS(CPropTestShape));
            ADD_FAILURE() << "a class of the wrong kind was accepted";
        }
        catch (CArchiveException* e)
        {
            EXPECT_EQ(CArchiveException::badClass, e->m_cause);
            e->Delete();
        }
        EXPECT_EQ(nullptr, pObject);
    });
    EXPECT_EQ(nStrangersBefore, CPropTestStranger::s_nCreated);
}

TEST(PropExchangeArchive, ArchivesThatEndEarlyFailCleanly)
{
    std::vector<BYTE> bytes = StoreToArchive([](CXTPPropExchange* px) {
        CRect rc(1, 2, 3, 4);
        XTPExchangeRectWithDefault(px, L"Rect", rc, CRect());
    });
    bytes.resize(10);
    LoadFromArchive(bytes, [](CXTPPropExchange* px) {
        CRect rc(9, 9, 9, 9);
        try
        {
            XTPExchangeRectWithDefault(px, L"Rect", rc, CRect());
            ADD_FAILURE() << "a cut rectangle was read";
        }
        catch (CArchiveException* e)
        {
            EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
            e->Delete();
        }
        EXPECT_TRUE(rc == CRect(9, 9, 9, 9));
    });

    // A blob whose count promises far more than the archive holds.
    const std::vector<BYTE> lying = {0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a', 'b'};
    LoadFromArchive(lying, [](CXTPPropExchange* px) {
        BYTE* pData = nullptr;
        DWORD nBytes = 0;
        EXPECT_FALSE(px->ExchangeBlob(L"Blob", pData, nBytes));
        EXPECT_EQ(nullptr, pData);
        EXPECT_EQ(0u, nBytes);
    });

    std::vector<BYTE> text = StoreToArchive([](CXTPPropExchange* px) {
        CString str(L"a longer text");
        XTPExchangeString(px, L"Text", str);
    });
    text.resize(text.size() - 3);
    LoadFromArchive(text, [](CXTPPropExchange* px) {
        CString str(L"before");
        EXPECT_THROW(
            {
                try
                {
                    XTPExchangeString(px, L"Text", str);
                }
                catch (CArchiveException* e)
                {
                    e->Delete();
                    throw 1;
                }
            },
            int);
        EXPECT_STREQ(L"before", str);
    });
}
