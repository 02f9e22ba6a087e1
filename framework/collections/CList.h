// Doubly linked list walked with POSITION values. The position returned by
// GetNext/GetPrev is computed before the element is handed out, so the
// element just visited may be removed (RemoveAt of its saved position).
#pragma once
#include "framework/core/CInvalidArgException.h"
#include "framework/core/CMemoryException.h"
#include "framework/core/CObject.h"
#include "framework/collections/CollectionHelpers.h"

#include <new>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
    struct CNode : __POSITION
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;

        explicit CNode(ARG_TYPE value)
            : pNext(nullptr)
            , pPrev(nullptr)
            , data(value)
        {
        }
    };

public:
    // The block size is accepted for compatibility; nodes are allocated one by one.
    explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Head and tail of an empty list throw CInvalidArgException.
    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }

    TYPE RemoveHead()
    {
        CNode* node = NonEmpty(m_pNodeHead);
        TYPE value = node->data;
        FreeNode(node);
        return value;
    }

    TYPE RemoveTail()
    {
        CNode* node = NonEmpty(m_pNodeTail);
        TYPE value = node->data;
        FreeNode(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(NewNode(newElement), nullptr, m_pNodeHead); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(NewNode(newElement), m_pNodeTail, nullptr); }

    void AddHead(const CList* pNewList)
    {
        if (pNewList == nullptr)
            AfxThrowInvalidArgException();
        CList copy;
        copy.AddTail(pNewList);
        for (POSITION pos = copy.GetTailPosition(); pos != nullptr;)
            AddHead(copy.GetPrev(pos));
    }

    void AddTail(const CList* pNewList)
    {
        if (pNewList == nullptr)
            AfxThrowInvalidArgException();
        // Counted first, so that appending a list to itself ends.
        INT_PTR count = pNewList->GetCount();
        POSITION pos = pNewList->GetHeadPosition();
        for (INT_PTR i = 0; i < count; ++i)
            AddTail(pNewList->GetNext(pos));
    }

    void RemoveAll()
    {
        CNode* node = m_pNodeHead;
        while (node != nullptr) {
            CNode* next = node->pNext;
            delete node;
            node = next;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return m_pNodeHead; }
    POSITION GetTailPosition() const { return m_pNodeTail; }

    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* node = Node(rPosition);
        rPosition = node->pNext;
        return node->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* node = Node(rPosition);
        rPosition = node->pNext;
        return node->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* node = Node(rPosition);
        rPosition = node->pPrev;
        return node->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* node = Node(rPosition);
        rPosition = node->pPrev;
        return node->data;
    }

    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position) { FreeNode(Node(position)); }

    // A null position inserts at the head (before) or tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* old = Node(position);
        return Link(NewNode(newElement), old->pPrev, old);
    }

    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* old = Node(position);
        return Link(NewNode(newElement), old, old->pNext);
    }

    // Searches from the head, or after startAfter; null when not found.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* node = startAfter != nullptr ? Node(startAfter)->pNext : m_pNodeHead;
        for (; node != nullptr; node = node->pNext) {
            if (CompareElements(&node->data, &searchValue))
                return node;
        }
        return nullptr;
    }

    // Null for an index outside 0 … count − 1.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* node = m_pNodeHead;
        while (nIndex-- > 0)
            node = node->pNext;
        return node;
    }

private:
    static CNode* Node(POSITION position)
    {
        if (position == nullptr)
            AfxThrowInvalidArgException();
        return static_cast<CNode*>(position);
    }

    static CNode* NonEmpty(CNode* node)
    {
        if (node == nullptr)
            AfxThrowInvalidArgException();
        return node;
    }

    static CNode* NewNode(ARG_TYPE value)
    {
        CNode* node = new (std::nothrow) CNode(value);
        if (node == nullptr)
            AfxThrowMemoryException();
        return node;
    }

    POSITION Link(CNode* node, CNode* prev, CNode* next)
    {
        node->pPrev = prev;
        node->pNext = next;
        if (prev != nullptr)
            prev->pNext = node;
        else
            m_pNodeHead = node;
        if (next != nullptr)
            next->pPrev = node;
        else
            m_pNodeTail = node;
        ++m_nCount;
        return node;
    }

    void FreeNode(CNode* node)
    {
        if (node->pPrev != nullptr)
            node->pPrev->pNext = node->pNext;
        else
            m_pNodeHead = node->pNext;
        if (node->pNext != nullptr)
            node->pNext->pPrev = node->pPrev;
        else
            m_pNodeTail = node->pPrev;
        --m_nCount;
        delete node;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};
