// CArgument: one argument of a method, in source order. Two arguments are
// equal when their types are: the names do not matter for a signature.
#pragma once

#include "Variable.h"

class CArgument : public CVariable {
    MOSK_DECLARE_SERIAL(CArgument)
public:
    CArgument() = default;
    CArgument(const char* pszName, int nStartLine) : CVariable(pszName, nStartLine) {}

    // TRUE when pOther has the same type (case-sensitive).
    BOOL IsEqual(const CVarObject* pOther) const override;
};
