// Growable array template with element traits. Every access outside
// 0 … count − 1 throws CInvalidArgException.
#pragma once
#include "framework/collections/ArrayStorage.h"
#include "framework/collections/CElementTraits.h"

template <class E, class ETraits = CElementTraits<E>>
class CAtlArray
{
public:
    typedef typename ETraits::INARGTYPE INARGTYPE;
    typedef typename ETraits::OUTARGTYPE OUTARGTYPE;

    CAtlArray() = default;
    CAtlArray(const CAtlArray&) = delete;
    CAtlArray& operator=(const CAtlArray&) = delete;

    size_t GetCount() const { return static_cast<size_t>(m_storage.Size()); }
    bool IsEmpty() const { return m_storage.Size() == 0; }
    // false when the memory cannot be had (the array is then unchanged).
    bool SetCount(size_t nNewSize, int nGrowBy = -1)
    {
        if (nNewSize > 0x7FFFFFFFu)
            return false;
        try {
            m_storage.SetSize(static_cast<INT_PTR>(nNewSize), nGrowBy);
        } catch (CMemoryException* e) {
            e->Delete();
            return false;
        }
        return true;
    }
    void FreeExtra() { m_storage.FreeExtra(); }
    void RemoveAll() { m_storage.RemoveAll(); }

    const E& GetAt(size_t iElement) const { return m_storage.Data()[Checked(iElement)]; }
    E& GetAt(size_t iElement) { return m_storage.Data()[Checked(iElement)]; }
    void SetAt(size_t iElement, INARGTYPE element) { m_storage.Data()[Checked(iElement)] = element; }
    const E& operator[](size_t iElement) const { return GetAt(iElement); }
    E& operator[](size_t iElement) { return GetAt(iElement); }
    const E* GetData() const { return m_storage.Data(); }
    E* GetData() { return m_storage.Data(); }

    // Adds a value-initialised element and returns its index.
    size_t Add()
    {
        size_t index = GetCount();
        m_storage.SetSize(m_storage.Size() + 1);
        return index;
    }

    size_t Add(INARGTYPE element)
    {
        size_t index = GetCount();
        SetAtGrow(index, element);
        return index;
    }

    void SetAtGrow(size_t iElement, INARGTYPE element)
    {
        if (iElement > 0x7FFFFFFEu)
            AfxThrowInvalidArgException();
        INT_PTR index = static_cast<INT_PTR>(iElement);
        if (index >= m_storage.Size()) {
            E copy(element);  // the element may live in this array
            m_storage.SetSize(index + 1);
            m_storage.Data()[index] = std::move(copy);
        } else {
            m_storage.Data()[index] = element;
        }
    }

    size_t Append(const CAtlArray& src)
    {
        size_t oldSize = GetCount();
        INT_PTR count = src.m_storage.Size();
        m_storage.SetSize(m_storage.Size() + count);
        for (INT_PTR i = 0; i < count; ++i)
            m_storage.Data()[static_cast<INT_PTR>(oldSize) + i] = src.m_storage.Data()[i];
        return oldSize;
    }

    void Copy(const CAtlArray& src)
    {
        if (&src == this)
            return;
        m_storage.SetSize(src.m_storage.Size());
        for (INT_PTR i = 0; i < src.m_storage.Size(); ++i)
            m_storage.Data()[i] = src.m_storage.Data()[i];
    }

    void InsertAt(size_t iElement, INARGTYPE element, size_t nElements = 1)
    {
        if (iElement > 0x7FFFFFFFu || nElements > 0x7FFFFFFFu)
            AfxThrowInvalidArgException();
        if (nElements == 0)
            return;
        E copy(element);
        INT_PTR index = static_cast<INT_PTR>(iElement);
        if (index > m_storage.Size())
            m_storage.SetSize(index);
        m_storage.InsertGap(index, static_cast<INT_PTR>(nElements));
        for (INT_PTR i = index; i < index + static_cast<INT_PTR>(nElements); ++i)
            m_storage.Data()[i] = copy;
    }

    void RemoveAt(size_t iElement, size_t nElements = 1)
    {
        if (iElement > 0x7FFFFFFFu || nElements > 0x7FFFFFFFu)
            AfxThrowInvalidArgException();
        m_storage.Remove(static_cast<INT_PTR>(iElement), static_cast<INT_PTR>(nElements));
    }

private:
    INT_PTR Checked(size_t iElement) const
    {
        if (iElement >= GetCount())
            AfxThrowInvalidArgException();
        return static_cast<INT_PTR>(iElement);
    }

    CArrayStorage<E> m_storage;
};
