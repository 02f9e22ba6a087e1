#include <gtest/gtest.h>
#include "framework/collections/CAtlMap.h"
#include "framework/collections/CList.h"
#include "framework/collections/CMap.h"
#include "framework/collections/CMapPtrToPtr.h"
#include "framework/collections/CMapStringToPtr.h"
#include "framework/collections/CStringList.h"
#include "tests/framework/Printers.h"

#include <set>
#include <vector>

namespace
{
CString Join(const CList<int, int>& list)
{
    CString text;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        text.AppendFormat(L"%d,", list.GetNext(pos));
    return text;
}
}

TEST(CList, BuildingAndWalking)
{
    CList<int, int> list;
    list.AddTail(2);
    list.AddTail(3);
    POSITION first = list.AddHead(1);
    list.InsertAfter(first, 15);
    list.InsertBefore(list.GetTailPosition(), 25);
    list.InsertBefore(nullptr, 0);
    list.InsertAfter(nullptr, 4);
    EXPECT_EQ(Join(list), L"0,1,15,2,25,3,4,");
    EXPECT_EQ(list.GetCount(), 7);
    EXPECT_EQ(list.GetHead(), 0);
    EXPECT_EQ(list.GetTail(), 4);

    CString backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.AppendFormat(L"%d,", list.GetPrev(pos));
    EXPECT_EQ(backwards, L"4,3,25,2,15,1,0,");

    POSITION found = list.Find(2);
    ASSERT_NE(found, nullptr);
    list.SetAt(found, 20);
    EXPECT_EQ(list.Find(2), nullptr);
    EXPECT_EQ(list.Find(20, found), nullptr);  // search starts after the position
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), 20);
    EXPECT_EQ(list.FindIndex(7), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.RemoveHead(), 0);
    EXPECT_EQ(list.RemoveTail(), 4);

    CList<int, int> copy;
    copy.AddTail(&list);
    copy.AddTail(&copy);  // appending itself doubles it once
    copy.AddHead(&list);
    EXPECT_EQ(copy.GetCount(), 15);
    EXPECT_EQ(copy.GetHead(), 1);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    try {
        list.RemoveHead();
        ADD_FAILURE() << "RemoveHead of an empty list";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
}

TEST(CList, RemovingTheVisitedElementDuringAWalk)
{
    CList<int, int> list;
    for (int i = 0; i < 10; ++i)
        list.AddTail(i);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        POSITION current = pos;
        if (list.GetNext(pos) % 3 != 0)
            list.RemoveAt(current);
    }
    EXPECT_EQ(Join(list), L"0,3,6,9,");
    // Backwards, removing everything, ends with an empty list.
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;) {
        POSITION current = pos;
        list.GetPrev(pos);
        list.RemoveAt(current);
    }
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);

    CStringList names;
    names.AddTail(L"Ann");
    names.AddTail(CString(L"Bob"));
    EXPECT_NE(names.Find(L"Bob"), nullptr);
    EXPECT_EQ(names.Find(L"bob"), nullptr);
}

TEST(CMap, LookupInsertRemove)
{
    CMap<int, int, CString, LPCWSTR> map;
    CString value;
    EXPECT_FALSE(map.Lookup(1, value));
    map.SetAt(1, L"eins");
    map[2] = L"zwei";
    map.SetAt(1, L"one");
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_TRUE(map.Lookup(1, value));
    EXPECT_EQ(value, L"one");
    EXPECT_TRUE(map[3].IsEmpty());  // operator[] adds an empty value
    EXPECT_EQ(map.GetCount(), 3);
    EXPECT_TRUE(map.RemoveKey(3));
    EXPECT_FALSE(map.RemoveKey(3));
    ASSERT_NE(map.PLookup(2), nullptr);
    EXPECT_EQ(map.PLookup(2)->value, L"zwei");

    CMapStringToPtr byName;
    int a = 0, b = 0;
    byName.SetAt(L"Alpha", &a);
    byName[CString(L"Beta")] = &b;
    void* found = nullptr;
    EXPECT_TRUE(byName.Lookup(L"Beta", found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(byName.Lookup(L"alpha", found));  // case-sensitive

    // Many keys: the table grows and every key stays reachable.
    CMapPtrToPtr pointers;
    pointers.InitHashTable(10);
    std::vector<int> storage(5000);
    for (int& slot : storage)
        pointers[&slot] = &slot + 1;
    EXPECT_EQ(pointers.GetCount(), 5000);
    EXPECT_GT(pointers.GetHashTableSize(), 10u);
    for (int& slot : storage) {
        void* target = nullptr;
        ASSERT_TRUE(pointers.Lookup(&slot, target));
        ASSERT_EQ(target, &slot + 1);
    }
}

TEST(CMap, RemovingTheVisitedElementDuringAWalk)
{
    CMap<int, int, int, int> map;
    for (int i = 0; i < 200; ++i)
        map[i] = i * i;
    std::set<int> seen;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        int key, value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ(value, key * key);
        EXPECT_TRUE(seen.insert(key).second) << "visited twice: " << key;
        if (key % 2 == 1)
            map.RemoveKey(key);
    }
    EXPECT_EQ(seen.size(), 200u);
    EXPECT_EQ(map.GetCount(), 100);
    int value;
    EXPECT_FALSE(map.Lookup(7, value));
    EXPECT_TRUE(map.Lookup(8, value));

    // Removing everything while walking.
    for (pos = map.GetStartPosition(); pos != nullptr;) {
        int key;
        map.GetNextAssoc(pos, key, value);
        map.RemoveKey(key);
    }
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CAtlMap, CaseInsensitiveStringKeys)
{
    // As the team names are kept.
    CAtlMap<CString, int, CStringElementTraitsI<CString>> teams(17, 0.75f, 0.25f, 2.25f, 10);
    teams.SetAt(L"Deutschland", 1);
    teams[L"Elfenbeink\x00FCste"] = 2;
    teams.SetAt(L"DEUTSCHLAND", 3);  // same key
    EXPECT_EQ(teams.GetCount(), 2u);
    int id = 0;
    EXPECT_TRUE(teams.Lookup(L"deutschland", id));
    EXPECT_EQ(id, 3);
    EXPECT_TRUE(teams.Lookup(L"ELFENBEINK\x00DCSTE", id));
    EXPECT_EQ(id, 2);
    EXPECT_FALSE(teams.Lookup(L"Deutschlan", id));
    const CAtlMap<CString, int, CStringElementTraitsI<CString>>::CPair* pair = teams.Lookup(L"dEUTSCHLAND");
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->m_key, L"Deutschland");  // the first spelling stays
    EXPECT_TRUE(teams.RemoveKey(L"elfenbeinK\x00FCSTE"));
    EXPECT_EQ(teams.GetCount(), 1u);

    CAtlMap<CString, int> exact;
    exact[L"Ab"] = 1;
    EXPECT_EQ(exact.Lookup(L"ab"), nullptr);
}

TEST(CAtlMap, GrowsAndAllowsRemovalWhileWalking)
{
    CAtlMap<int, int> map;
    for (int i = 0; i < 1000; ++i)
        map.SetAt(i, -i);
    EXPECT_GT(map.GetHashTableSize(), 17u);
    int sum = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        POSITION current = pos;
        const CAtlMap<int, int>::CPair* pair = map.GetNext(pos);
        sum += pair->m_key;
        if (pair->m_key >= 10)
            map.RemoveAtPos(current);
    }
    EXPECT_EQ(sum, 999 * 1000 / 2);
    EXPECT_EQ(map.GetCount(), 10u);
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        int key, value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ(value, -key);
    }
}
