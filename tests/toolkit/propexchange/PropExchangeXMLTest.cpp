// The XML back end over the system's DOM: compact and element modes,
// escapes, the year-day-month dates, collections and broken files.
#include "PropExchangeTestSupport.h"

#include "framework/ole/COleDateTime.h"
#include "framework/ole/COleVariant.h"
#include "toolkit/common/propexchange/XTPPropExchangeEnumerator.h"
#include "toolkit/common/propexchange/XTPPropExchangeXMLNode.h"

using namespace proptest;

namespace {

class PropExchangeXML : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pDocument = NewDomDocument();
        ASSERT_NE(nullptr, m_pDocument) << "no DOM document class";
    }
    void TearDown() override
    {
        if (m_pDocument)
            m_pDocument->Release();
        CXTPPropExchange::m_nLocale = -1;
    }
    CString Xml() const { return DocumentXml(m_pDocument); }

    ComScope m_com;
    IXMLDOMDocument* m_pDocument = nullptr;
};

struct XmlValues
{
    short s = 0;
    long l = 0;
    double d = 0;
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
        XTPExchangeShortWithDefault(px, L"Short", s, 0);
        XTPExchangeLong(px, L"Long", l);
        XTPExchangeDouble(px, L"Double", d);
        XTPExchangeDate(px, L"Date", dt);
        XTPExchangeBool(px, L"Bool", b);
        px->ExchangeProp(L"Variant", VT_VARIANT, static_cast<VARIANT*>(&var));
        XTPExchangeByteWithDefault(px, L"Byte", by, 0);
        XTPExchangeString(px, L"Text", str);
        XTPExchangeRectWithDefault(px, L"Rect", rc, CRect());
        XTPExchangeSizeWithDefault(px, L"Size", sz, CSize());
        XTPExchangeULongLongWithDefault(px, L"Big", ull, 0);
    }
    void Fill()
    {
        s = -1;
        l = -123456;
        d = 3.25;
        dt = COleDateTime(2006, 6, 1, 12, 30, 0);
        b = TRUE;
        var = COleVariant(COleDateTime(2006, 7, 9, 20, 0, 0));
        by = 255;
        str = L"Tab\there, back\\slash, line\nfeed, Ölfeld <&> \"q\"";
        rc = CRect(-1, 2, 3, 4);
        sz = CSize(5, -6);
        ull = 0x0000000100000002ULL;
    }
    void ExpectEqual(const XmlValues& other) const
    {
        EXPECT_EQ(s, other.s);
        EXPECT_EQ(l, other.l);
        EXPECT_EQ(d, other.d);
        EXPECT_TRUE(dt == other.dt);
        EXPECT_EQ(b, other.b);
        EXPECT_TRUE(var == other.var);
        EXPECT_EQ(by, other.by);
        EXPECT_STREQ(str, other.str);
        EXPECT_TRUE(rc == other.rc);
        EXPECT_TRUE(sz == other.sz);
        EXPECT_EQ(ull, other.ull);
    }
};

} // namespace

TEST_F(PropExchangeXML, BothModesKeepTheirLayoutAndComeBack)
{
    const struct
    {
        BOOL compact;
        std::vector<LPCWSTR> present;
    } modes[] = {
        {TRUE,
         {L"<Root CompactMode=\"1\">", L"Short=\"65535\"", L"Date=\"2006-01-06T12:30:00\"",
          L"Variant=\"2006-09-07T20:00:00\"", L"Double=\"3.250000\"", L"Big=\"1, 2\"",
          L"Tab\\there, back\\\\slash, line\\nfeed"}},
        // A root without "CompactMode" is read in element mode.
        {FALSE, {L"<Long>-123456</Long>", L"<Date>2006-01-06T12:30:00</Date>", L"<Rect>-1, 2, 3, 4</Rect>"}},
    };
    for (const auto& mode : modes)
    {
        SCOPED_TRACE(mode.compact ? "compact" : "elements");
        m_pDocument->Release();
        m_pDocument = NewDomDocument();
        XmlValues in;
        in.Fill();
        {
            CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
            px.SetCompactMode(mode.compact);
            Section section(px.GetSection(L"Values"));
            in.Exchange(section.get());
        }
        const CString xml = Xml();
        EXPECT_EQ(!mode.compact, -1 == xml.Find(L"CompactMode")) << (LPCWSTR)xml;
        for (LPCWSTR fragment : mode.present)
            EXPECT_NE(-1, xml.Find(fragment)) << (LPCWSTR)xml;

        XmlValues out;
        CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
        Section section(px.GetSection(L"Values"));
        out.Exchange(section.get());
        in.ExpectEqual(out);
    }
}

TEST_F(PropExchangeXML, DatesPutTheDayBeforeTheMonth)
{
    COleDateTime dateOnly(2006, 6, 1, 0, 0, 0);
    COleDateTime timeOnly;
    timeOnly.SetTime(12, 30, 5);
    {
        CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
        XTPExchangeDate(&px, L"DateOnly", dateOnly);
        XTPExchangeDate(&px, L"TimeOnly", timeOnly);
    }
    const CString xml = Xml();
    EXPECT_NE(-1, xml.Find(L"DateOnly=\"2006-01-06\"")) << (LPCWSTR)xml;
    EXPECT_NE(-1, xml.Find(L"TimeOnly=\"12:30:05\"")) << (LPCWSTR)xml;

    CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
    COleDateTime dt1, dt2;
    XTPExchangeDate(&px, L"DateOnly", dt1);
    XTPExchangeDate(&px, L"TimeOnly", dt2);
    EXPECT_TRUE(dt1 == dateOnly);
    EXPECT_EQ(12, dt2.GetHour());
    EXPECT_EQ(30, dt2.GetMinute());
    EXPECT_EQ(5, dt2.GetSecond());
    EXPECT_LT((double)dt2.m_dt, 1.0);
}

TEST_F(PropExchangeXML, DatesInAChosenLocaleUseItsOwnTextForm)
{
    CXTPPropExchange::m_nLocale = 0x407;
    COleDateTime dt(2006, 6, 9, 18, 5, 7);
    {
        CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
        XTPExchangeDate(&px, L"Date", dt);
    }
    EXPECT_NE(-1, Xml().Find(dt.Format(0, 0x407))) << (LPCWSTR)Xml();
    CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
    COleDateTime loaded;
    XTPExchangeDate(&px, L"Date", loaded);
    EXPECT_TRUE(loaded == dt);
}

TEST_F(PropExchangeXML, UnsupportedTypesAndTextThatDoesNotParse)
{
    {
        CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
        float f = 1.0f;
        CY cy = {};
        BSTR bstr = SysAllocString(L"text");
        EXPECT_FALSE(px.ExchangeProp(L"Float", VT_R4, &f));
        EXPECT_FALSE(px.ExchangeProp(L"Money", VT_CY, &cy));
        EXPECT_FALSE(px.ExchangeProp(L"Bstr", VT_BSTR, &bstr));
        SysFreeString(bstr);
        CString one(L"7"), junk(L"junk"), escaped(L"a\\b");
        XTPExchangeString(&px, L"Size", one);
        XTPExchangeString(&px, L"Long", junk);
        XTPExchangeString(&px, L"Date", junk);
        XTPExchangeString(&px, L"Bstr", escaped);
    }
    EXPECT_EQ(-1, Xml().Find(L"Float")) << (LPCWSTR)Xml();

    CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
    CSize sz(1, 1);
    long l = 1;
    COleDateTime dt(2000, 1, 1, 0, 0, 0);
    EXPECT_TRUE(XTPExchangeSizeWithDefault(&px, L"Size", sz, CSize(3, 4)));
    EXPECT_TRUE(sz == CSize(3, 4));
    EXPECT_TRUE(XTPExchangeLongWithDefault(&px, L"Long", l, 9));
    EXPECT_EQ(9, l);
    EXPECT_FALSE(XTPExchangeDate(&px, L"Date", dt));
    EXPECT_TRUE(dt == COleDateTime(2000, 1, 1, 0, 0, 0));
    BSTR bstr = nullptr;
    EXPECT_TRUE(px.ExchangeProp(L"Bstr", VT_BSTR, &bstr));
    EXPECT_STREQ(L"a\\b", bstr);
    SysFreeString(bstr);
}

TEST_F(PropExchangeXML, BlobsAreTwoLettersPerByte)
{
    {
        CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
        const BYTE data[3] = {0x00, 0x1F, 0xFF};
        px.Write(L"Blob", data, sizeof(data));
        CString odd(L"AAP"), bad(L"AZ");
        XTPExchangeString(&px, L"Odd", odd);
        XTPExchangeString(&px, L"Bad", bad);
    }
    EXPECT_NE(-1, Xml().Find(L"Blob=\"AAPBPP\"")) << (LPCWSTR)Xml();

    CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
    BYTE* pData = nullptr;
    DWORD nBytes = 0;
    ASSERT_TRUE(px.ExchangeBlob(L"Blob", pData, nBytes));
    ASSERT_EQ(3u, nBytes);
    EXPECT_EQ(0x1F, pData[1]);
    EXPECT_EQ(0xFF, pData[2]);
    delete[] pData;
    BYTE small[2];
    EXPECT_EQ(0u, px.Read(L"Blob", small, sizeof(small)));
    pData = nullptr;
    EXPECT_FALSE(px.ExchangeBlob(L"Odd", pData, nBytes));
    EXPECT_FALSE(px.ExchangeBlob(L"Bad", pData, nBytes));
    EXPECT_EQ(nullptr, pData);
}

TEST_F(PropExchangeXML, CollectionsAreRunsOfElementsAndEmptyOnesLeaveNoTrace)
{
    {
        CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
        Section list(px.GetSection(L"List"));
        StoreItems(list.get(), {0, 1, 2});
        Section empty(px.GetSection(L"Empty"));
        StoreItems(empty.get(), {});
    }
    const CString xml = Xml();
    EXPECT_EQ(-1, xml.Find(L"Count")) << (LPCWSTR)xml;
    EXPECT_NE(-1, xml.Find(L"<Item Value=\"2\"/>")) << (LPCWSTR)xml;
    EXPECT_EQ(-1, xml.Find(L"<Empty><Item")) << (LPCWSTR)xml;

    auto readList = [&](LPCWSTR pszSection) {
        CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
        Section list(px.GetSection(pszSection));
        return LoadItems(list.get());
    };
    EXPECT_EQ((std::vector<long>{0, 1, 2}), readList(L"List"));
    EXPECT_TRUE(readList(L"Empty").empty());
    EXPECT_TRUE(readList(L"Missing").empty());

    // A section with "Count" is read as numbered sections.
    m_pDocument->Release();
    m_pDocument = NewDomDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    BSTR bstrXml = SysAllocString(L"<Root CompactMode=\"1\"><List Count=\"2\"><Item0 Value=\"5\"/>"
                                  L"<Item1 Value=\"6\"/><Item Value=\"99\"/></List></Root>");
    m_pDocument->loadXML(bstrXml, &ok);
    SysFreeString(bstrXml);
    ASSERT_EQ(VARIANT_TRUE, ok);
    EXPECT_EQ((std::vector<long>{5, 6}), readList(L"List"));
}

TEST_F(PropExchangeXML, EmptiedSectionIsRemovedAndMissingSectionsGiveDefaults)
{
    {
        CXTPPropExchangeXMLNode px(FALSE, m_pDocument, L"Root");
        Section old(px.GetSection(L"Old"));
        long n = 1;
        XTPExchangeLong(old.get(), L"Gone", n);
        old->EmptySection();
        XTPExchangeLong(old.get(), L"Kept", n);
    }
    EXPECT_EQ(-1, Xml().Find(L"Gone")) << (LPCWSTR)Xml();
    EXPECT_NE(-1, Xml().Find(L"Kept")) << (LPCWSTR)Xml();

    CXTPPropExchangeXMLNode px(TRUE, m_pDocument, L"Root");
    Section missing(px.GetSection(L"Nowhere"));
    Section deeper(missing->GetSection(L"Deeper"));
    CString str(L"x");
    EXPECT_TRUE(XTPExchangeStringWithDefault(deeper.get(), L"Text", str, L"default"));
    EXPECT_STREQ(L"default", str);
    EXPECT_EQ(-1, Xml().Find(L"Nowhere")) << "loading created a section";
}

TEST_F(PropExchangeXML, FilesThatCannotBeReadFailCleanly)
{
    CXTPPropExchangeXMLNode missing(TRUE, nullptr, L"Games");
    EXPECT_FALSE(missing.LoadFromFile(L"no-such-file.xml"));
    WCHAR szFolder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, szFolder);
    EXPECT_FALSE(missing.LoadFromFile(szFolder));

    const CString strBroken = WriteScratchFile(L"broken.xml", "<?xml version=\"1.0\"?><Games><Record><ID>1</Rec");
    CXTPPropExchangeXMLNode broken(TRUE, nullptr, L"Games");
    EXPECT_FALSE(broken.LoadFromFile(strBroken));
    long nId = 5;
    EXPECT_TRUE(XTPExchangeLongWithDefault(&broken, L"ID", nId, 0));
    EXPECT_EQ(0, nId);
    CXTPPropExchangeEnumerator* pEnum = broken.GetEnumerator(L"Record");
    EXPECT_EQ(nullptr, pEnum->GetPosition());
    delete pEnum;
}
