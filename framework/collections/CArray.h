// Growable array. Every access outside 0 … size − 1 throws
// CInvalidArgException (callers rely on this to end loops over data that
// does not match).
#pragma once
#include "framework/collections/ArrayStorage.h"
#include "framework/core/CObject.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;

    INT_PTR GetSize() const { return m_storage.Size(); }
    INT_PTR GetCount() const { return m_storage.Size(); }
    BOOL IsEmpty() const { return m_storage.Size() == 0; }
    INT_PTR GetUpperBound() const { return m_storage.Size() - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) { m_storage.SetSize(nNewSize, nGrowBy); }
    void FreeExtra() { m_storage.FreeExtra(); }
    void RemoveAll() { m_storage.RemoveAll(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_storage.Data()[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_storage.Data()[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_storage.Data()[Checked(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_storage.Data(); }
    TYPE* GetData() { return m_storage.Data(); }

    // Grows the array when nIndex lies beyond its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        if (nIndex >= m_storage.Size()) {
            // The new element may live in this array; copy it before growing.
            TYPE copy(newElement);
            m_storage.SetSize(nIndex + 1);
            m_storage.Data()[nIndex] = std::move(copy);
        } else {
            m_storage.Data()[nIndex] = newElement;
        }
    }

    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR index = m_storage.Size();
        SetAtGrow(index, newElement);
        return index;
    }

    // Appends the other array's elements and returns the index of the first.
    INT_PTR Append(const CArray& src)
    {
        INT_PTR oldSize = m_storage.Size();
        INT_PTR count = src.GetSize();
        if (&src == this) {
            m_storage.SetSize(oldSize * 2);
            for (INT_PTR i = 0; i < oldSize; ++i)
                m_storage.Data()[oldSize + i] = m_storage.Data()[i];
            return oldSize;
        }
        m_storage.SetSize(oldSize + count);
        for (INT_PTR i = 0; i < count; ++i)
            m_storage.Data()[oldSize + i] = src.m_storage.Data()[i];
        return oldSize;
    }

    void Copy(const CArray& src)
    {
        if (&src == this)
            return;
        m_storage.SetSize(src.GetSize());
        for (INT_PTR i = 0; i < src.GetSize(); ++i)
            m_storage.Data()[i] = src.m_storage.Data()[i];
    }

    // An index beyond the end grows the array up to it first.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        if (nCount == 0)
            return;
        TYPE copy(newElement);
        if (nIndex > m_storage.Size())
            m_storage.SetSize(nIndex);
        m_storage.InsertGap(nIndex, nCount);
        for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
            m_storage.Data()[i] = copy;
    }

    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr || nStartIndex < 0)
            AfxThrowInvalidArgException();
        INT_PTR count = pNewArray->GetSize();
        if (count == 0)
            return;
        if (pNewArray == this) {
            CArray copy;
            copy.Copy(*this);
            InsertAt(nStartIndex, &copy);
            return;
        }
        if (nStartIndex > m_storage.Size())
            m_storage.SetSize(nStartIndex);
        m_storage.InsertGap(nStartIndex, count);
        for (INT_PTR i = 0; i < count; ++i)
            m_storage.Data()[nStartIndex + i] = pNewArray->m_storage.Data()[i];
    }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) { m_storage.Remove(nIndex, nCount); }

private:
    INT_PTR Checked(INT_PTR nIndex) const
    {
        if (!m_storage.IsValidIndex(nIndex))
            AfxThrowInvalidArgException();
        return nIndex;
    }

    CArrayStorage<TYPE> m_storage;
};
