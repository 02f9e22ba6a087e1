// Hash map template with key and value traits (hash, comparison, argument
// types). The table grows when the load passes the high threshold and
// never shrinks on removal, so removing the element just visited during a
// walk is safe.
#pragma once
#include "framework/collections/CElementTraits.h"
#include "framework/core/CInvalidArgException.h"
#include "framework/collections/HashTable.h"

template <class K, class V, class KTraits = CElementTraits<K>, class VTraits = CElementTraits<V>>
class CAtlMap
{
public:
    typedef typename KTraits::INARGTYPE KINARGTYPE;
    typedef typename KTraits::OUTARGTYPE KOUTARGTYPE;
    typedef typename VTraits::INARGTYPE VINARGTYPE;
    typedef typename VTraits::OUTARGTYPE VOUTARGTYPE;

    class CPair : public __POSITION
    {
    public:
        const K m_key;
        V m_value;

    protected:
        template <class KEY>
        explicit CPair(const KEY& key)
            : m_key(key)
            , m_value()
        {
        }
    };

private:
    struct CTraits
    {
        static UINT Hash(KINARGTYPE key) { return static_cast<UINT>(KTraits::Hash(key)); }
        static bool Equal(const CPair& pair, KINARGTYPE key) { return KTraits::CompareElements(pair.m_key, key); }
    };
    typedef CHashTable<CPair, CTraits> CTable;

public:
    // The low threshold is accepted for compatibility; the table never shrinks.
    explicit CAtlMap(UINT nBins = 17, float fOptimalLoad = 0.75f, float fLoThreshold = 0.25f,
                     float fHiThreshold = 2.25f, UINT nBlockSize = 10)
        : m_table(nBins, fOptimalLoad, fHiThreshold)
    {
        (void)fLoThreshold;
        (void)nBlockSize;
    }
    CAtlMap(const CAtlMap&) = delete;
    CAtlMap& operator=(const CAtlMap&) = delete;

    size_t GetCount() const { return m_table.Count(); }
    bool IsEmpty() const { return m_table.Count() == 0; }

    bool Lookup(KINARGTYPE key, VOUTARGTYPE value) const
    {
        const CPair* pair = m_table.Find(key);
        if (pair == nullptr)
            return false;
        value = pair->m_value;
        return true;
    }
    const CPair* Lookup(KINARGTYPE key) const { return m_table.Find(key); }
    CPair* Lookup(KINARGTYPE key) { return m_table.Find(key); }

    V& operator[](KINARGTYPE key) { return m_table.FindOrAdd(key)->m_value; }
    POSITION SetAt(KINARGTYPE key, VINARGTYPE value)
    {
        CPair* pair = m_table.FindOrAdd(key);
        pair->m_value = value;
        return pair;
    }
    void SetValueAt(POSITION pos, VINARGTYPE value) { Pair(pos)->m_value = value; }

    bool RemoveKey(KINARGTYPE key) { return m_table.Remove(key); }
    void RemoveAll() { m_table.RemoveAll(); }
    void RemoveAtPos(POSITION pos) { m_table.RemovePair(Pair(pos)); }

    POSITION GetStartPosition() const { return m_table.First(); }
    void GetNextAssoc(POSITION& pos, KOUTARGTYPE key, VOUTARGTYPE value) const
    {
        const CPair* pair = Pair(pos);
        pos = m_table.Next(pair);
        key = pair->m_key;
        value = pair->m_value;
    }
    const CPair* GetNext(POSITION& pos) const
    {
        const CPair* pair = Pair(pos);
        pos = m_table.Next(pair);
        return pair;
    }
    CPair* GetNext(POSITION& pos)
    {
        CPair* pair = Pair(pos);
        pos = m_table.Next(pair);
        return pair;
    }
    const K& GetNextKey(POSITION& pos) const { return GetNext(pos)->m_key; }
    const V& GetNextValue(POSITION& pos) const { return GetNext(pos)->m_value; }
    V& GetNextValue(POSITION& pos) { return GetNext(pos)->m_value; }
    const CPair* GetAt(POSITION pos) const { return Pair(pos); }
    CPair* GetAt(POSITION pos) { return Pair(pos); }
    const K& GetKeyAt(POSITION pos) const { return Pair(pos)->m_key; }
    const V& GetValueAt(POSITION pos) const { return Pair(pos)->m_value; }
    V& GetValueAt(POSITION pos) { return Pair(pos)->m_value; }

    UINT GetHashTableSize() const { return m_table.BinCount(); }
    bool InitHashTable(UINT nBins, bool bAllocNow = true)
    {
        (void)bAllocNow;
        if (nBins == 0)
            return false;
        m_table.Rehash(nBins);
        return true;
    }
    void Rehash(UINT nBins = 0) { m_table.Rehash(nBins); }
    void SetOptimalLoad(float fOptimalLoad, float fLoThreshold, float fHiThreshold, bool bRehashNow = false)
    {
        (void)fLoThreshold;
        m_table.SetOptimalLoad(fOptimalLoad, fHiThreshold);
        if (bRehashNow)
            m_table.Rehash(0);
    }
    void EnableAutoRehash() { m_table.EnableAutoGrow(true); }
    void DisableAutoRehash() { m_table.EnableAutoGrow(false); }

private:
    static CPair* Pair(POSITION pos)
    {
        if (pos == nullptr)
            AfxThrowInvalidArgException();
        return static_cast<CPair*>(pos);
    }

    CTable m_table;
};
