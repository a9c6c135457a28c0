// CStringList: a linked list of strings addressed by POSITION.
#pragma once

#include "ListT.h"
#include "String.h"

class CStringList : public CListT<CString> {
public:
    explicit CStringList(int nBlockSize = 10) : CListT<CString>(nBlockSize) {}
    POSITION AddHead(const char* psz) { return CListT<CString>::AddHead(CString(psz)); }
    POSITION AddTail(const char* psz) { return CListT<CString>::AddTail(CString(psz)); }
    using CListT<CString>::AddHead;
    using CListT<CString>::AddTail;
};
