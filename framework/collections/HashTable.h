// The chained hash table behind the map classes. PAIR is the map's public
// key/value record (constructed from a key); TRAITS supplies
//   static UINT Hash(const K& key) and static bool Equal(const PAIR&, const K&)
// for every key form the map looks up by. The table grows on insertion
// only, so removing the element just visited during a walk is safe.
#pragma once
#include "framework/core/CMemoryException.h"
#include "framework/collections/CollectionHelpers.h"

#include <cstdlib>
#include <new>

template <class PAIR, class TRAITS>
class CHashTable
{
    struct CNode : PAIR
    {
        template <class K>
        CNode(const K& key, UINT hash)
            : PAIR(key)
            , pNext(nullptr)
            , nHash(hash)
        {
        }
        CNode* pNext;
        UINT nHash;
    };

public:
    explicit CHashTable(UINT nBins = 17, float fOptimalLoad = 0.75f, float fHiLoad = 2.25f)
        : m_nBins(nBins > 0 ? nBins : 17)
        , m_fOptimalLoad(fOptimalLoad > 0 ? fOptimalLoad : 0.75f)
        , m_fHiLoad(fHiLoad > 0 ? fHiLoad : 2.25f)
    {
    }
    ~CHashTable() { RemoveAll(); }
    CHashTable(const CHashTable&) = delete;
    CHashTable& operator=(const CHashTable&) = delete;

    size_t Count() const { return m_nCount; }
    UINT BinCount() const { return m_nBins; }
    void EnableAutoGrow(bool enable) { m_bAutoGrow = enable; }

    template <class K>
    PAIR* Find(const K& key) const
    {
        if (m_ppBins == nullptr)
            return nullptr;
        UINT hash = TRAITS::Hash(key);
        for (CNode* node = m_ppBins[hash % m_nBins]; node != nullptr; node = node->pNext) {
            if (node->nHash == hash && TRAITS::Equal(*node, key))
                return node;
        }
        return nullptr;
    }

    // The pair of the key, added (value-initialised) when missing.
    template <class K>
    PAIR* FindOrAdd(const K& key)
    {
        if (PAIR* found = Find(key))
            return found;
        if (m_ppBins == nullptr)
            AllocateBins(m_nBins);
        UINT hash = TRAITS::Hash(key);
        CNode* node = new (std::nothrow) CNode(key, hash);
        if (node == nullptr)
            AfxThrowMemoryException();
        CNode*& bin = m_ppBins[hash % m_nBins];
        node->pNext = bin;
        bin = node;
        ++m_nCount;
        if (m_bAutoGrow && m_nCount > static_cast<size_t>(m_nBins * m_fHiLoad))
            Rehash(PickSize(static_cast<size_t>(m_nCount / m_fOptimalLoad)));
        return node;
    }

    template <class K>
    bool Remove(const K& key)
    {
        PAIR* pair = Find(key);
        if (pair == nullptr)
            return false;
        RemovePair(pair);
        return true;
    }

    void RemovePair(PAIR* pair)
    {
        CNode* node = static_cast<CNode*>(pair);
        CNode** link = &m_ppBins[node->nHash % m_nBins];
        while (*link != node)
            link = &(*link)->pNext;
        *link = node->pNext;
        delete node;
        --m_nCount;
    }

    void RemoveAll()
    {
        if (m_ppBins != nullptr) {
            for (UINT i = 0; i < m_nBins; ++i) {
                for (CNode* node = m_ppBins[i]; node != nullptr;) {
                    CNode* next = node->pNext;
                    delete node;
                    node = next;
                }
            }
            std::free(m_ppBins);
            m_ppBins = nullptr;
        }
        m_nCount = 0;
    }

    PAIR* First() const
    {
        return m_ppBins != nullptr ? FirstFrom(0) : nullptr;
    }

    PAIR* Next(const PAIR* pair) const
    {
        const CNode* node = static_cast<const CNode*>(pair);
        if (node->pNext != nullptr)
            return node->pNext;
        return FirstFrom(node->nHash % m_nBins + 1);
    }

    // Redistributes the elements over nBins bins (0: a size fitting the count).
    void Rehash(UINT nBins)
    {
        if (nBins == 0)
            nBins = PickSize(static_cast<size_t>(m_nCount / m_fOptimalLoad));
        if (m_ppBins == nullptr) {
            m_nBins = nBins;
            return;
        }
        CNode** old = m_ppBins;
        UINT oldBins = m_nBins;
        m_ppBins = nullptr;
        AllocateBins(nBins);
        for (UINT i = 0; i < oldBins; ++i) {
            for (CNode* node = old[i]; node != nullptr;) {
                CNode* next = node->pNext;
                CNode*& bin = m_ppBins[node->nHash % m_nBins];
                node->pNext = bin;
                bin = node;
                node = next;
            }
        }
        std::free(old);
    }

    void SetOptimalLoad(float fOptimalLoad, float fHiLoad)
    {
        if (fOptimalLoad > 0)
            m_fOptimalLoad = fOptimalLoad;
        if (fHiLoad > 0)
            m_fHiLoad = fHiLoad;
    }

private:
    PAIR* FirstFrom(UINT bin) const
    {
        for (; bin < m_nBins; ++bin) {
            if (m_ppBins[bin] != nullptr)
                return m_ppBins[bin];
        }
        return nullptr;
    }

    void AllocateBins(UINT nBins)
    {
        if (nBins == 0 || nBins > 0x3FFFFFFFu / sizeof(CNode*))
            AfxThrowMemoryException();
        m_ppBins = static_cast<CNode**>(std::calloc(nBins, sizeof(CNode*)));
        if (m_ppBins == nullptr)
            AfxThrowMemoryException();
        m_nBins = nBins;
    }

    static UINT PickSize(size_t wanted)
    {
        static const UINT primes[] = {17, 37, 79, 163, 331, 673, 1361, 2729, 5471, 10949, 21911, 43853, 87719,
                                      175447, 350899, 701819, 1403641, 2807303, 5614657, 11229331};
        for (UINT prime : primes) {
            if (prime >= wanted)
                return prime;
        }
        return primes[sizeof primes / sizeof primes[0] - 1];
    }

    CNode** m_ppBins = nullptr;
    UINT m_nBins;
    size_t m_nCount = 0;
    float m_fOptimalLoad;
    float m_fHiLoad;
    bool m_bAutoGrow = true;
};
