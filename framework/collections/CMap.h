// Hash map from KEY to VALUE, looked up by ARG_KEY. Walk it with
// GetStartPosition/GetNextAssoc; the element just returned may be removed
// during the walk.
#pragma once
#include "framework/core/CObject.h"
#include "framework/core/CInvalidArgException.h"
#include "framework/collections/HashTable.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    class CPair : public __POSITION
    {
    public:
        const KEY key;
        VALUE value;

    protected:
        template <class K>
        explicit CPair(const K& keyval)
            : key(keyval)
            , value()
        {
        }
    };

private:
    struct CTraits
    {
        template <class K>
        static UINT Hash(const K& key)
        {
            return HashKey<ARG_KEY>(key);
        }
        template <class K>
        static bool Equal(const CPair& pair, const K& key)
        {
            return CompareElements(&pair.key, &key) != FALSE;
        }
    };
    typedef CHashTable<CPair, CTraits> CTable;

public:
    // The block size is accepted for compatibility; nodes are allocated one by one.
    explicit CMap(INT_PTR nBlockSize = 10)
        : m_table(17, 0.75f, 2.0f)
    {
        (void)nBlockSize;
    }

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_table.Count()); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_table.Count() == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CPair* pair = m_table.Find(key);
        if (pair == nullptr)
            return FALSE;
        rValue = pair->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const { return m_table.Find(key); }
    CPair* PLookup(ARG_KEY key) { return m_table.Find(key); }

    // The value of the key, added with a value-initialised value when missing.
    VALUE& operator[](ARG_KEY key) { return m_table.FindOrAdd(key)->value; }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) { return m_table.Remove(key) ? TRUE : FALSE; }
    void RemoveAll() { m_table.RemoveAll(); }

    POSITION GetStartPosition() const { return m_table.First(); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (rNextPosition == nullptr)
            AfxThrowInvalidArgException();
        const CPair* pair = static_cast<const CPair*>(rNextPosition);
        rNextPosition = m_table.Next(pair);
        rKey = pair->key;
        rValue = pair->value;
    }
    const CPair* PGetFirstAssoc() const { return m_table.First(); }
    CPair* PGetFirstAssoc() { return m_table.First(); }
    const CPair* PGetNextAssoc(const CPair* pAssoc) const { return pAssoc != nullptr ? m_table.Next(pAssoc) : nullptr; }
    CPair* PGetNextAssoc(const CPair* pAssoc) { return pAssoc != nullptr ? m_table.Next(pAssoc) : nullptr; }

    // The map also grows its table by itself as elements are added.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        (void)bAllocNow;
        m_table.Rehash(hashSize > 0 ? hashSize : 17);
    }
    UINT GetHashTableSize() const { return m_table.BinCount(); }

private:
    CTable m_table;
};
