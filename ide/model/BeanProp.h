// CBeanProp: a property of a bean: name, type, access, and its getter and
// setter methods (owned, may be null), which decide its image.
#pragma once

#include "Variable.h"

class CVarMethodDecl;

class CBeanProp : public CVariable {
    MOSK_DECLARE_SERIAL(CBeanProp)
public:
    CBeanProp() = default;
    CBeanProp(const char* pszName, int nStartLine) : CVariable(pszName, nStartLine) {}
    ~CBeanProp() override;

    void Serialize(CArchive& ar) override;
    void Clear() override;
    // Read-write, read-only, write-only or plain property image.
    int GetImage() const override;

    CVarMethodDecl* m_pGetter = nullptr;  // owned, may be null
    CVarMethodDecl* m_pSetter = nullptr;  // owned, may be null

protected:
    void DumpChildren(CString& strOut, int nIndent) const override;
};
