#include <gtest/gtest.h>
#include "framework/collections/CArray.h"
#include "framework/collections/CAtlArray.h"
#include "framework/collections/CByteArray.h"
#include "framework/collections/CObArray.h"
#include "framework/collections/CPtrArray.h"
#include "framework/collections/CStringArray.h"
#include "tests/framework/Printers.h"

#include <functional>

namespace
{
bool ThrowsInvalidArg(const std::function<void()>& action)
{
    try {
        action();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

// Counts live instances to catch leaked or doubly destroyed elements.
struct Tracked
{
    static int alive;
    int value;
    Tracked(int v = 0) : value(v) { ++alive; }
    Tracked(const Tracked& other) : value(other.value) { ++alive; }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --alive; }
};
int Tracked::alive = 0;
}

TEST(CArray, OutOfRangeAccessThrowsInvalidArg)
{
    CArray<int, int> a;
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(0); }));
    a.Add(1);
    a.Add(2);
    EXPECT_EQ(a[1], 2);
    EXPECT_TRUE(ThrowsInvalidArg([&] { a[2]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAt(2, 5); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.ElementAt(100) = 1; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(1, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetSize(-1); }));
    EXPECT_EQ(a.GetSize(), 2);  // failed calls changed nothing

    CAtlArray<int> atl;
    atl.Add(7);
    EXPECT_TRUE(ThrowsInvalidArg([&] { atl.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { atl[static_cast<size_t>(-1)]; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { atl.SetAt(3, 1); }));
    EXPECT_EQ(atl[0], 7);
}

TEST(CArray, GrowingInsertingRemoving)
{
    CArray<int, int> a;
    a.SetSize(3);
    EXPECT_EQ(a[0] + a[1] + a[2], 0);  // new elements are zero
    a.SetAt(1, 5);
    a.InsertAt(1, 9, 2);
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a[1], 9);
    EXPECT_EQ(a[2], 9);
    EXPECT_EQ(a[3], 5);
    a.InsertAt(7, 3);  // beyond the end: grows with zeros first
    EXPECT_EQ(a.GetSize(), 8);
    EXPECT_EQ(a[6], 0);
    EXPECT_EQ(a[7], 3);
    a.RemoveAt(0, 3);
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a[0], 5);
    EXPECT_EQ(a.GetUpperBound(), 4);
    a.SetAtGrow(9, 4);
    EXPECT_EQ(a.GetSize(), 10);

    CArray<int, int> b;
    b.Add(1);
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(b.GetSize(), 11);
    EXPECT_EQ(b.Append(b), 11);  // appending itself doubles it
    EXPECT_EQ(b.GetSize(), 22);
    EXPECT_EQ(b[11], 1);
    b.Copy(a);
    EXPECT_EQ(b.GetSize(), 10);
    EXPECT_EQ(b[9], 4);
    b.InsertAt(0, &b);
    EXPECT_EQ(b.GetSize(), 20);
    b.RemoveAll();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.GetData(), nullptr);

    for (int i = 0; i < 10000; ++i)
        b.Add(i);
    EXPECT_EQ(b[9999], 9999);
}

TEST(CArray, ElementsAreConstructedAndDestroyedOnce)
{
    {
        CArray<Tracked> a;
        for (int i = 0; i < 100; ++i)
            a.Add(Tracked(i));
        // Adding an element of the array itself while it must grow.
        for (int i = 0; i < 50; ++i)
            a.Add(a[0]);
        EXPECT_EQ(a[149].value, 0);
        a.RemoveAt(10, 20);
        a.InsertAt(5, a[99], 3);
        EXPECT_EQ(a[6].value, a[101].value);
        a.SetSize(10);
        EXPECT_EQ(Tracked::alive, 10);
    }
    EXPECT_EQ(Tracked::alive, 0);

    CStringArray strings;
    strings.Add(L"eins");
    strings.Add(CString(L"zwei"));
    for (int i = 0; i < 40; ++i)
        strings.Add(strings[i % 2]);
    EXPECT_EQ(strings[41], L"zwei");
    strings.RemoveAt(0);
    EXPECT_EQ(strings[0], L"zwei");
}

TEST(CArray, TypedArrays)
{
    CPtrArray pointers;
    int x = 0;
    pointers.Add(&x);
    pointers.Add(nullptr);
    EXPECT_EQ(pointers[0], &x);
    EXPECT_TRUE(pointers.IsKindOf(RUNTIME_CLASS(CPtrArray)));
    CByteArray bytes;
    bytes.SetSize(4);
    bytes[3] = 0xFF;
    EXPECT_EQ(bytes.GetData()[3], 0xFF);
    CObArray objects;
    objects.Add(&pointers);
    EXPECT_TRUE(objects[0]->IsKindOf(RUNTIME_CLASS(CPtrArray)));

    CAtlArray<CString> atl;
    EXPECT_EQ(atl.Add(L"a"), 0u);
    EXPECT_EQ(atl.Add(), 1u);
    EXPECT_TRUE(atl[1].IsEmpty());
    EXPECT_TRUE(atl.SetCount(64));
    EXPECT_EQ(atl.GetCount(), 64u);
    atl.InsertAt(0, L"first");
    atl.RemoveAt(1, 2);
    EXPECT_EQ(atl[0], L"first");
    EXPECT_EQ(atl.GetCount(), 63u);
    CAtlArray<CString> other;
    other.Copy(atl);
    other[0] = L"changed";
    EXPECT_EQ(atl[0], L"first");
    EXPECT_EQ(atl.Append(other), 63u);
    EXPECT_EQ(atl[63], L"changed");
}
