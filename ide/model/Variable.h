// CVariable: a field of a class or interface (also the base of arguments and
// bean properties). Stored as its CVarObject part.
#pragma once

#include "VarObject.h"

class CVariable : public CVarObject {
    MOSK_DECLARE_SERIAL(CVariable)
public:
    CVariable() = default;
    // A field as the parser makes it.
    CVariable(const char* pszName, int nStartLine) : CVarObject(pszName, nStartLine) {}

    // "static " and "final " when given, then the type, a blank and the name.
    void GetDisplayText(CString& strText) const override;
    // Takes the header at the first "=", ";" or ","; skips an initialiser;
    // FALSE at the "," or ";" that ends the declarator.
    BOOL Parse(char chDelimiter) override;

    int m_nBraceDepth = 0;  // parsing only: brace depth of the initialiser
    int m_nParenDepth = 0;  // parsing only: parenthesis depth of the initialiser
    int m_nArrayDims = 0;   // parsing only: "[" seen before the name
};
