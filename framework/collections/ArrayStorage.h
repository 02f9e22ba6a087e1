// The growable element store behind the array classes: elements are
// constructed, moved and destroyed properly (no raw memory copies), and
// every index is checked by the callers before it reaches this store.
#pragma once
#include "framework/core/CInvalidArgException.h"
#include "framework/core/CMemoryException.h"

#include <cstdlib>
#include <new>
#include <utility>

template <class TYPE>
class CArrayStorage
{
public:
    CArrayStorage() = default;
    ~CArrayStorage() { RemoveAll(); }
    CArrayStorage(const CArrayStorage&) = delete;
    CArrayStorage& operator=(const CArrayStorage&) = delete;

    INT_PTR Size() const { return m_nSize; }
    INT_PTR Capacity() const { return m_nMaxSize; }
    TYPE* Data() const { return m_pData; }
    bool IsValidIndex(INT_PTR index) const { return index >= 0 && index < m_nSize; }

    // nGrowBy −1 keeps the current growth step (default: about 1/8 of the size).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        if (nNewSize > m_nMaxSize)
            Reserve(GrownCapacity(nNewSize));
        while (m_nSize < nNewSize) {
            new (static_cast<void*>(m_pData + m_nSize)) TYPE();
            ++m_nSize;
        }
        while (m_nSize > nNewSize)
            m_pData[--m_nSize].~TYPE();
    }

    // Opens count default-constructed elements at index (0 … size).
    void InsertGap(INT_PTR index, INT_PTR count)
    {
        if (index < 0 || index > m_nSize || count < 0)
            AfxThrowInvalidArgException();
        if (count == 0)
            return;
        if (count > (INT_PTR)0x7FFFFFFF - m_nSize)
            AfxThrowMemoryException();
        INT_PTR oldSize = m_nSize;
        SetSize(oldSize + count);
        for (INT_PTR i = oldSize - 1; i >= index; --i)
            m_pData[i + count] = std::move(m_pData[i]);
        for (INT_PTR i = index; i < index + count; ++i)
            m_pData[i] = TYPE();
    }

    void Remove(INT_PTR index, INT_PTR count)
    {
        if (index < 0 || count < 0 || index > m_nSize || count > m_nSize - index)
            AfxThrowInvalidArgException();
        if (count == 0)
            return;
        for (INT_PTR i = index; i + count < m_nSize; ++i)
            m_pData[i] = std::move(m_pData[i + count]);
        SetSize(m_nSize - count);
    }

    void RemoveAll()
    {
        while (m_nSize > 0)
            m_pData[--m_nSize].~TYPE();
        std::free(m_pData);
        m_pData = nullptr;
        m_nMaxSize = 0;
    }

    void FreeExtra()
    {
        if (m_nSize == 0)
            RemoveAll();
        else if (m_nSize < m_nMaxSize)
            Reserve(m_nSize, true);
    }

    // Whether adding one element moves the elements (and so invalidates
    // references into the array).
    bool IsFull() const { return m_nSize == m_nMaxSize; }

private:
    INT_PTR GrownCapacity(INT_PTR nNewSize) const
    {
        INT_PTR grow = m_nGrowBy;
        if (grow <= 0) {
            grow = m_nSize / 8;
            grow = grow < 4 ? 4 : (grow > 1024 ? 1024 : grow);
        }
        INT_PTR grown = m_nMaxSize + grow;
        return nNewSize > grown ? nNewSize : grown;
    }

    void Reserve(INT_PTR capacity, bool shrink = false)
    {
        if (!shrink && capacity <= m_nMaxSize)
            return;
        if (capacity < 0 || static_cast<size_t>(capacity) > 0x7FFFFFFFu / sizeof(TYPE))
            AfxThrowMemoryException();
        TYPE* fresh = static_cast<TYPE*>(std::malloc(static_cast<size_t>(capacity) * sizeof(TYPE)));
        if (fresh == nullptr)
            AfxThrowMemoryException();
        for (INT_PTR i = 0; i < m_nSize; ++i) {
            new (static_cast<void*>(fresh + i)) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
        std::free(m_pData);
        m_pData = fresh;
        m_nMaxSize = capacity;
    }

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = -1;
};
