// CVarInterface: a top-level interface (and the base of inner interfaces).
// Stored as its CVarContainer part; the classes and interfaces declared
// inside it are kept while the file is open but not stored.
#pragma once

#include "VarContainer.h"

class CVarClass;

class CVarInterface : public CVarContainer {
    MOSK_DECLARE_SERIAL(CVarInterface)
public:
    CVarInterface() = default;
    CVarInterface(const char* pszName, int nStartLine) : CVarContainer(pszName, nStartLine) {}

    // Reads the header up to "{", then the body.
    BOOL Parse(char chDelimiter) override;
    void Clear() override;
    int GetImage() const override { return AccessImage(IMG_INTERFACE_PUBLIC); }
    CDragToken* MakeDragToken() override;
    CVarList* GetInnerClassList() override { return &m_InnerClasses; }
    CVarList* GetInnerInterfaceList() override { return &m_InnerInterfaces; }

    CVarListT<CVarClass> m_InnerClasses;          // not stored
    CVarListT<CVarInterface> m_InnerInterfaces;   // not stored

protected:
    // Methods with a body (default, static, private) are CVarMethod, the others CVarMethodDecl.
    CVarMethodDecl* NewMethod(CJavaParseData* pData, int nLine) override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
