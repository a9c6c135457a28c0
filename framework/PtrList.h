// CPtrList: a linked list of untyped pointers addressed by POSITION; owns nothing.
#pragma once

#include "ListT.h"

class CPtrList : public CListT<void*> {
public:
    explicit CPtrList(int nBlockSize = 10) : CListT<void*>(nBlockSize) {}
};
