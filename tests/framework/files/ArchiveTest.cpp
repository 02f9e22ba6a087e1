// Archives: values, strings, VARIANTs and object graphs must come back as
// written; damaged data must end in a CArchiveException*, never in a read
// beyond the data.
#include <gtest/gtest.h>
#include "tests/framework/Printers.h"
#include "framework/files/CArchive.h"
#include "framework/files/CMemFile.h"
#include "framework/ole/COleVariant.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace
{
using Bytes = std::vector<BYTE>;

// Runs the writer on a storing archive and returns the bytes it produced.
Bytes Store(const std::function<void(CArchive&)>& writer, int bufferSize = 4096)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, bufferSize);
        writer(ar);
        ar.Close();
    }
    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* block = file.Detach();
    Bytes bytes(block, block + length);
    std::free(block);
    return bytes;
}

// Runs the reader on a loading archive over exactly these bytes (a block of
// that size, so that reading beyond it would be noticed by the heap
// checker) and returns the archive cause it threw, or none.
int Load(const Bytes& bytes, const std::function<void(CArchive&)>& reader, int bufferSize = 4096)
{
    BYTE* block = static_cast<BYTE*>(std::malloc(bytes.empty() ? 1 : bytes.size()));
    if (!bytes.empty())
        std::memcpy(block, bytes.data(), bytes.size());
    CMemFile file(block, static_cast<UINT>(bytes.size()));
    int cause = CArchiveException::none;
    try {
        CArchive ar(&file, CArchive::load, bufferSize);
        reader(ar);
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    file.Close();
    std::free(block);
    return cause;
}

int g_shapesAlive = 0;
} // namespace

// A serializable object that points at another (or at itself).
class CTestShape : public CObject
{
    DECLARE_SERIAL(CTestShape)
public:
    CTestShape() { ++g_shapesAlive; }
    ~CTestShape() override { --g_shapesAlive; }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_name << m_corners << m_pNeighbour;
        } else {
            m_loadedSchema = ar.GetObjectSchema();
            ar >> m_name >> m_corners >> m_pNeighbour;
        }
    }

    CString m_name;
    int m_corners = 0;
    CTestShape* m_pNeighbour = nullptr;
    UINT m_loadedSchema = 0;
};
IMPLEMENT_SERIAL(CTestShape, CObject, 3)

class CTestSquare : public CTestShape
{
    DECLARE_SERIAL(CTestSquare)
};
IMPLEMENT_SERIAL(CTestSquare, CTestShape, 1)

// Serializable, but not a shape.
class CTestLabel : public CObject
{
    DECLARE_SERIAL(CTestLabel)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
    CString m_text;
};
IMPLEMENT_SERIAL(CTestLabel, CObject, 1)

TEST(Archive, PlainValuesAreWrittenLittleEndianInCallOrder)
{
    const Bytes bytes = Store([](CArchive& ar) { ar << LONG(5) << BOOL(TRUE) << LONG(3) << LONG(4); });
    EXPECT_EQ(bytes, (Bytes{5, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0}));

    EXPECT_EQ(Store([](CArchive& ar) { ar << BYTE(0xAB) << WORD(0x1234) << short(-2) << true; }),
              (Bytes{0xAB, 0x34, 0x12, 0xFE, 0xFF, 1}));
}

TEST(Archive, EverySupportedTypeRoundTrips)
{
    const CString longText(L'x', 70000);
    const Bytes bytes = Store([&](CArchive& ar) {
        ar << BYTE(200) << WORD(65535) << LONG(-123456) << DWORD(0xFFFFFFFF) << int(-7) << UINT(7) << short(-32768)
           << char('A') << wchar_t(L'\u00fc') << true << false << 1.5f << -2.25 << LONGLONG(-1) << ULONGLONG(1ull << 63)
           << CString() << CString(L"Gr\u00fc\u00dfe") << longText << L"wide" << "narrow";
    });
    const int cause = Load(bytes, [&](CArchive& ar) {
        BYTE by = 0;
        WORD w = 0;
        LONG l = 0;
        DWORD dw = 0;
        int i = 0;
        UINT u = 0;
        short s = 0;
        char ch = 0;
        wchar_t wch = 0;
        bool yes = false, no = true;
        float f = 0;
        double d = 0;
        LONGLONG ll = 0;
        ULONGLONG ull = 0;
        CString empty(L"not empty"), umlauts, big, wide, narrow;
        ar >> by >> w >> l >> dw >> i >> u >> s >> ch >> wch >> yes >> no >> f >> d >> ll >> ull >> empty >> umlauts >> big
            >> wide >> narrow;
        EXPECT_EQ(by, 200);
        EXPECT_EQ(w, 65535);
        EXPECT_EQ(l, -123456);
        EXPECT_EQ(dw, 0xFFFFFFFFul);
        EXPECT_EQ(i, -7);
        EXPECT_EQ(u, 7u);
        EXPECT_EQ(s, -32768);
        EXPECT_EQ(ch, 'A');
        EXPECT_EQ(wch, L'\u00fc');
        EXPECT_TRUE(yes);
        EXPECT_FALSE(no);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(d, -2.25);
        EXPECT_EQ(ll, -1);
        EXPECT_EQ(ull, 1ull << 63);
        EXPECT_TRUE(empty.IsEmpty());
        EXPECT_EQ(umlauts, CString(L"Gr\u00fc\u00dfe"));
        EXPECT_EQ(big, longText);
        EXPECT_EQ(wide, CString(L"wide"));
        EXPECT_EQ(narrow, CString(L"narrow"));
        BYTE beyond = 0;
        EXPECT_EQ(ar.Read(&beyond, 1), 0u);
    });
    EXPECT_EQ(cause, CArchiveException::none);
}

TEST(Archive, CountsAreCompact)
{
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(6); }), (Bytes{6, 0}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(0xFFFE); }), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteCount(0xFFFF); }), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteCount(0);
        ar.WriteCount(0x12345678);
    });
    Load(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(), 0u);
        EXPECT_EQ(ar.ReadCount(), 0x12345678u);
    });
}

TEST(Archive, VariantsRoundTripWithTheirType)
{
    COleVariant date(COleDateTime(2006, 6, 9, 18, 5, 7));
    COleVariant null;
    null.vt = VT_NULL;
    std::vector<COleVariant> values = {COleVariant(),
                                       null,
                                       COleVariant(BYTE(9)),
                                       COleVariant(short(-3)),
                                       COleVariant(short(1), VT_BOOL),
                                       COleVariant(123456L),
                                       COleVariant(2.5f),
                                       COleVariant(-0.125),
                                       date,
                                       COleVariant(L"Text mit \u00e4"),
                                       COleVariant(L"")};
    CY currency;
    currency.int64 = -12345678901LL;
    VARIANT cy;
    VariantInit(&cy);
    cy.vt = VT_CY;
    cy.cyVal = currency;
    values.push_back(COleVariant(cy));

    const Bytes bytes = Store([&](CArchive& ar) {
        for (const COleVariant& value : values)
            ar << value;
    });
    Load(bytes, [&](CArchive& ar) {
        for (const COleVariant& expected : values) {
            COleVariant loaded(L"old value");
            ar >> loaded;
            EXPECT_EQ(loaded.vt, expected.vt);
            EXPECT_TRUE(loaded == expected) << "type " << expected.vt;
        }
    });
}

TEST(Archive, VariantByReferenceIsWrittenAsItsValue)
{
    LONG target = 42;
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_I4 | VT_BYREF;
    byRef.plVal = &target;
    const Bytes bytes = Store([&](CArchive& ar) { ar << byRef; });
    Load(bytes, [](CArchive& ar) {
        VARIANT loaded;
        VariantInit(&loaded);
        ar >> loaded;
        EXPECT_EQ(loaded.vt, VT_I4);
        EXPECT_EQ(loaded.lVal, 42);
    });
}

TEST(Archive, ObjectsKeepTheirIdentityAndClass)
{
    const Bytes bytes = Store([](CArchive& ar) {
        CTestShape first;
        first.m_name = L"Erster";
        first.m_corners = 3;
        CTestShape second;
        second.m_name = L"Zweiter";
        second.m_pNeighbour = &first;
        first.m_pNeighbour = &first; // a cycle through itself
        CTestSquare square;
        square.m_corners = 4;
        ar << &first << &second << &square << static_cast<CObject*>(nullptr) << &second;
    });

    EXPECT_EQ(g_shapesAlive, 0);
    Load(bytes, [](CArchive& ar) {
        CTestShape* first = nullptr;
        CTestShape* second = nullptr;
        CTestShape* square = nullptr;
        CObject* none = reinterpret_cast<CObject*>(1);
        CTestShape* secondAgain = nullptr;
        ar >> first >> second >> square >> none >> secondAgain;
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        ASSERT_NE(square, nullptr);
        EXPECT_EQ(first->m_name, CString(L"Erster"));
        EXPECT_EQ(first->m_corners, 3);
        EXPECT_EQ(first->m_pNeighbour, first);
        EXPECT_EQ(first->m_loadedSchema, 3u);
        EXPECT_EQ(second->m_pNeighbour, first);
        EXPECT_TRUE(square->IsKindOf(RUNTIME_CLASS(CTestSquare)));
        EXPECT_EQ(square->m_corners, 4);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(secondAgain, second);
        delete first;
        delete second;
        delete square;
    });
    EXPECT_EQ(g_shapesAlive, 0);
}

TEST(Archive, AClassIsWrittenOnceThenReferenced)
{
    const Bytes once = Store([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CTestShape)); });
    // New-class tag, schema, name length, the name.
    Bytes expected{0xFF, 0xFF, 3, 0, 10, 0};
    for (const char* p = "CTestShape"; *p; ++p)
        expected.push_back(static_cast<BYTE>(*p));
    EXPECT_EQ(once, expected);

    const Bytes twice = Store([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CTestShape));
        ar.WriteClass(RUNTIME_CLASS(CTestShape));
    });
    ASSERT_EQ(twice.size(), once.size() + 2);
    EXPECT_EQ(Bytes(twice.begin(), twice.begin() + once.size()), once);
    EXPECT_EQ(twice[once.size() + 1] & 0x80, 0x80); // a class reference

    // Two distinct objects of one class: the class name appears once.
    const Bytes objects = Store([](CArchive& ar) {
        CTestLabel a, b;
        ar << &a << &b;
    });
    const std::string text(objects.begin(), objects.end());
    EXPECT_EQ(text.find("CTestLabel"), text.rfind("CTestLabel"));

    Load(twice, [](CArchive& ar) {
        UINT schema = 0;
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject), &schema), RUNTIME_CLASS(CTestShape));
        EXPECT_EQ(schema, 3u);
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestShape));
    });
}

TEST(Archive, ManyObjectsUseLongReferences)
{
    // More than 0x7FFF objects and classes make the references 32-bit.
    const int count = 0x8100;
    std::vector<CTestLabel*> labels;
    for (int i = 0; i < count; ++i)
        labels.push_back(new CTestLabel);
    const Bytes bytes = Store([&](CArchive& ar) {
        for (CTestLabel* label : labels)
            ar << label;
        ar.WriteClass(RUNTIME_CLASS(CTestShape)); // a class numbered above 0x7FFF
        ar << labels[0] << labels[count - 1];
        ar.WriteClass(RUNTIME_CLASS(CTestShape));
    });
    for (CTestLabel* label : labels)
        delete label;

    Load(bytes, [&](CArchive& ar) {
        std::vector<CObject*> loaded;
        for (int i = 0; i < count; ++i)
            loaded.push_back(ar.ReadObject(RUNTIME_CLASS(CTestLabel)));
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestShape));
        EXPECT_EQ(ar.ReadObject(nullptr), loaded[0]);
        EXPECT_EQ(ar.ReadObject(nullptr), loaded[count - 1]);
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestShape));
        for (CObject* object : loaded)
            delete object;
    });
}

TEST(Archive, MappedObjectsResolveLaterReferences)
{
    CTestLabel outside;
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.MapObject(&outside);
        ar << &outside;
    });
    CTestLabel elsewhere;
    Load(bytes, [&](CArchive& ar) {
        ar.MapObject(&elsewhere);
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CTestLabel)), &elsewhere);
    });
}

TEST(Archive, ObjectsMappedOnlyByTheReaderLeaveClassReferencesIntact)
{
    // Objects made from a class read by the reader itself are mapped there
    // alone; the class numbers must not move.
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CTestShape));
        ar.WriteClass(RUNTIME_CLASS(CTestLabel));
        ar.WriteClass(RUNTIME_CLASS(CTestLabel));
        ar.WriteClass(RUNTIME_CLASS(CTestShape));
    });
    CTestShape shape;
    CTestLabel label;
    Load(bytes, [&](CArchive& ar) {
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestShape));
        ar.MapObject(&shape);
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestLabel));
        ar.MapObject(&label);
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestLabel));
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CTestShape));
    });
}

TEST(Archive, WrongClassesSchemasAndReferencesThrow)
{
    const Bytes label = Store([](CArchive& ar) {
        CTestLabel l;
        ar << &l;
    });
    EXPECT_EQ(Load(label, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CTestShape)); }),
              CArchiveException::badClass);

    Bytes unknown = Store([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CTestShape)); });
    unknown[6] = 'X'; // "XTestShape" is no class
    EXPECT_EQ(Load(unknown, [](CArchive& ar) { ar.ReadClass(); }), CArchiveException::badClass);

    Bytes otherSchema = Store([](CArchive& ar) {
        CTestShape shape;
        ar << &shape;
    });
    otherSchema[2] = 2; // stored with schema 2, the class has 3
    EXPECT_EQ(Load(otherSchema, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CTestShape)); }),
              CArchiveException::badSchema);
    // Asking for the schema accepts any.
    EXPECT_EQ(Load(otherSchema,
                   [](CArchive& ar) {
                       UINT schema = 0;
                       ar.ReadClass(nullptr, &schema);
                       EXPECT_EQ(schema, 2u);
                   }),
              CArchiveException::none);

    // References to numbers never handed out, or to a class where an
    // object is expected.
    EXPECT_EQ(Load(Bytes{5, 0}, [](CArchive& ar) { ar.ReadObject(nullptr); }), CArchiveException::badIndex);
    EXPECT_EQ(Load(Bytes{0x01, 0x80}, [](CArchive& ar) { ar.ReadClass(); }), CArchiveException::badIndex);
    EXPECT_EQ(Load(Bytes{0xFF, 0x7F, 0x00, 0x00, 0x00, 0x90}, [](CArchive& ar) { ar.ReadClass(); }),
              CArchiveException::badIndex);
    Bytes classThenObjectTag = unknown;
    classThenObjectTag[6] = 'C';
    classThenObjectTag.push_back(1); // object number 1 is the class
    classThenObjectTag.push_back(0);
    EXPECT_EQ(Load(classThenObjectTag,
                   [](CArchive& ar) {
                       ar.ReadClass();
                       ar.ReadObject(nullptr);
                   }),
              CArchiveException::badIndex);
    EXPECT_EQ(Load(Bytes{0xFF, 0xFF, 1, 0, 0, 0}, [](CArchive& ar) { ar.ReadClass(); }), CArchiveException::badClass);
    EXPECT_EQ(Load(Bytes{9, 0, 1, 0}, [](CArchive& ar) {
                  VARIANT v;
                  VariantInit(&v);
                  v.vt = VT_EMPTY;
                  ar >> v;
              }),
              CArchiveException::genericException);
}

TEST(Archive, TruncatedDataThrowsEndOfFileAtEveryLength)
{
    const Bytes bytes = Store([](CArchive& ar) {
        CTestShape shape;
        shape.m_name = L"Dreieck";
        shape.m_pNeighbour = &shape;
        ar << LONGLONG(1) << CString(L"abc") << COleVariant(L"xyz") << COleVariant(3.0) << &shape;
        ar.WriteCount(70000);
    });
    const auto reader = [](CArchive& ar) {
        LONGLONG ll;
        CString text;
        COleVariant a, b;
        ar >> ll >> text >> a >> b;
        CObject* shape = ar.ReadObject(RUNTIME_CLASS(CTestShape));
        delete shape;
        ar.ReadCount();
    };
    EXPECT_EQ(Load(bytes, reader), CArchiveException::none);
    for (size_t length = 0; length < bytes.size(); ++length) {
        const int shapesBefore = g_shapesAlive;
        EXPECT_EQ(Load(Bytes(bytes.begin(), bytes.begin() + length), reader, 128), CArchiveException::endOfFile)
            << "cut at " << length;
        // An object cut off inside its own data is not freed (others may
        // already point at it); nothing else leaks.
        EXPECT_LE(g_shapesAlive - shapesBefore, 1);
    }
}

TEST(Archive, AHugeStringLengthFailsWithoutReadingOrAllocatingIt)
{
    // Claims 0x7FFFFFFF characters but holds three.
    const Bytes bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0, 'b', 0, 'c', 0};
    EXPECT_EQ(Load(bytes,
                   [](CArchive& ar) {
                       CString text;
                       ar >> text;
                   }),
              CArchiveException::endOfFile);
}

TEST(Archive, DirectionIsEnforced)
{
    EXPECT_EQ(Load(Bytes{}, [](CArchive& ar) { ar << 1; }), CArchiveException::readOnly);
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    int cause = CArchiveException::none;
    try {
        int i;
        storing >> i;
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::writeOnly);
}

TEST(Archive, BufferBoundariesDoNotChangeTheData)
{
    // Writes of every size around the buffer size, and a raw block larger
    // than the buffer, with small buffers on both sides.
    Bytes block(1000);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<BYTE>(i * 7);
    const Bytes bytes = Store(
        [&](CArchive& ar) {
            for (int n = 1; n < 300; n += 37) {
                ar.WriteCount(static_cast<DWORD_PTR>(n));
                ar.Write(block.data(), static_cast<UINT>(n));
            }
            ar.Write(block.data(), static_cast<UINT>(block.size()));
        },
        128);
    EXPECT_EQ(Load(bytes,
                   [&](CArchive& ar) {
                       for (int n = 1; n < 300; n += 37) {
                           ASSERT_EQ(ar.ReadCount(), static_cast<DWORD_PTR>(n));
                           Bytes part(static_cast<size_t>(n));
                           ASSERT_EQ(ar.Read(part.data(), static_cast<UINT>(n)), static_cast<UINT>(n));
                           EXPECT_EQ(part, Bytes(block.begin(), block.begin() + n));
                       }
                       Bytes rest(2000);
                       EXPECT_EQ(ar.Read(rest.data(), 2000), 1000u);
                       rest.resize(1000);
                       EXPECT_EQ(rest, block);
                   },
                   200),
              CArchiveException::none);
}

TEST(Archive, FlushCloseAndAbortHandTheFileBack)
{
    CMemFile aborted;
    {
        CArchive ar(&aborted, CArchive::store);
        ar << LONG(1);
        ar.Abort();
    }
    EXPECT_EQ(aborted.GetLength(), 0u);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << LONG(1) << LONG(2);
        EXPECT_EQ(file.GetLength(), 0u); // still in the buffer
        ar.Flush();
        EXPECT_EQ(file.GetLength(), 8u);
        ar << LONG(3);
        // The destructor writes what the buffer still holds.
    }
    EXPECT_EQ(file.GetLength(), 12u);

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    LONG first = 0;
    ar >> first;
    ar.Flush(); // the unread rest goes back to the file
    EXPECT_EQ(file.GetPosition(), 4u);
    ar.Close();
    EXPECT_EQ(ar.GetFile(), nullptr);

    LONG second = 0;
    file.Read(&second, 4);
    EXPECT_EQ(second, 2);
}
