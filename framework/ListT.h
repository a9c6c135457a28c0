// CListT: the doubly linked list behind CStringList and CPtrList. A POSITION
// is the address of a node; it stays valid until that node is removed.
#pragma once

#include "WinTypes.h"

#include <cassert>

template <class T>
class CListT {
public:
    explicit CListT(int nBlockSize = 10) { (void)nBlockSize; }
    CListT(const CListT& other) { for (Node* p = other.m_pHead; p; p = p->pNext) AddTail(p->data); }
    CListT& operator=(const CListT& other)
    {
        if (this != &other) {
            RemoveAll();
            for (Node* p = other.m_pHead; p; p = p->pNext)
                AddTail(p->data);
        }
        return *this;
    }
    ~CListT() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Head and tail elements; the list must not be empty.
    T& GetHead() { assert(m_pHead); return m_pHead->data; }
    const T& GetHead() const { assert(m_pHead); return m_pHead->data; }
    T& GetTail() { assert(m_pTail); return m_pTail->data; }
    const T& GetTail() const { assert(m_pTail); return m_pTail->data; }

    // Adds an element; returns its position.
    POSITION AddHead(const T& value) { return InsertBefore(m_pHead, value); }
    POSITION AddTail(const T& value) { return InsertAfter(m_pTail, value); }
    void AddTail(const CListT& other) { for (Node* p = other.m_pHead; p; p = p->pNext) AddTail(p->data); }

    // Removes and returns the head or tail element; the list must not be empty.
    T RemoveHead() { assert(m_pHead); T v = m_pHead->data; RemoveAt(m_pHead); return v; }
    T RemoveTail() { assert(m_pTail); T v = m_pTail->data; RemoveAt(m_pTail); return v; }
    void RemoveAll()
    {
        Node* p = m_pHead;
        while (p) {
            Node* pNext = p->pNext;
            delete p;
            p = pNext;
        }
        m_pHead = m_pTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return m_pHead; }
    POSITION GetTailPosition() const { return m_pTail; }
    // Returns the element at pos and moves pos to the next one (null at the end).
    T& GetNext(POSITION& pos) { Node* p = ToNode(pos); pos = p->pNext; return p->data; }
    const T& GetNext(POSITION& pos) const { Node* p = ToNode(pos); pos = p->pNext; return p->data; }
    T& GetPrev(POSITION& pos) { Node* p = ToNode(pos); pos = p->pPrev; return p->data; }
    const T& GetPrev(POSITION& pos) const { Node* p = ToNode(pos); pos = p->pPrev; return p->data; }
    T& GetAt(POSITION pos) { return ToNode(pos)->data; }
    const T& GetAt(POSITION pos) const { return ToNode(pos)->data; }
    void SetAt(POSITION pos, const T& value) { ToNode(pos)->data = value; }

    // Inserts next to pos (a null pos means the head / tail); returns the new position.
    POSITION InsertBefore(POSITION pos, const T& value)
    {
        Node* pNext = static_cast<Node*>(pos);
        Node* p = new Node{value, pNext ? pNext->pPrev : nullptr, pNext};
        if (!pNext)
            p->pPrev = nullptr, p->pNext = m_pHead;
        Link(p);
        return p;
    }
    POSITION InsertAfter(POSITION pos, const T& value)
    {
        Node* pPrev = static_cast<Node*>(pos);
        Node* p = new Node{value, pPrev, pPrev ? pPrev->pNext : nullptr};
        if (!pPrev)
            p->pPrev = m_pTail, p->pNext = nullptr;
        Link(p);
        return p;
    }
    void RemoveAt(POSITION pos)
    {
        Node* p = ToNode(pos);
        (p->pPrev ? p->pPrev->pNext : m_pHead) = p->pNext;
        (p->pNext ? p->pNext->pPrev : m_pTail) = p->pPrev;
        delete p;
        --m_nCount;
    }

    // Position of the first element equal to value at or after startAfter's successor; null if none.
    POSITION Find(const T& value, POSITION startAfter = nullptr) const
    {
        Node* p = startAfter ? ToNode(startAfter)->pNext : m_pHead;
        for (; p; p = p->pNext)
            if (p->data == value)
                return p;
        return nullptr;
    }
    // Position of the nIndex-th element (from 0); null when out of range.
    POSITION FindIndex(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* p = m_pHead;
        while (nIndex-- > 0)
            p = p->pNext;
        return p;
    }

private:
    struct Node {
        T data;
        Node* pPrev;
        Node* pNext;
    };
    static Node* ToNode(POSITION pos) { assert(pos); return static_cast<Node*>(pos); }
    void Link(Node* p)
    {
        (p->pPrev ? p->pPrev->pNext : m_pHead) = p;
        (p->pNext ? p->pNext->pPrev : m_pTail) = p;
        ++m_nCount;
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    int m_nCount = 0;
};
