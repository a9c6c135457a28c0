// CVarMethod: a method or constructor of a class, with its local classes
// (sorted by name; stored from schema 3 on). Starts not abstract.
#pragma once

#include "VarMethodDecl.h"

class CVarClass;
class CVarContainer;

class CVarMethod : public CVarMethodDecl {
    MOSK_DECLARE_SERIAL(CVarMethod)
public:
    CVarMethod();
    CVarMethod(const char* pszName, int nStartLine);
    ~CVarMethod() override;

    void Serialize(CArchive& ar) override;
    void Clear() override;
    // Header and arguments as a declaration; then the body, where braces are
    // counted and local classes are made.
    BOOL Parse(char chDelimiter) override;

    // A record's compact constructor: the words before "{" are modifiers and
    // the record's name. The record's components become the arguments and the
    // body begins with the brace just read.
    void StartCompact(CJavaParseData* pData, const CVarContainer& record);
    // Insert a local class in name order (taking ownership).
    POSITION AddLocalClass(CVarClass* pClass);

    int m_nBodyDepth = 0;                      // parsing only: braces open in the body
    CVarContainer* m_pOwnerClass = nullptr;    // the class that declares it; not owned, not stored
    CVarListT<CVarClass> m_LocalClasses;
    CVarClass* m_pLocalClass = nullptr;        // parsing only: the local class being parsed (owned until placed)
    BOOL m_bCompact = FALSE;                   // parsing only: a compact constructor; not stored

protected:
    // A constructor when the last word is the owning class's name after modifiers only.
    void TakeHeader(CJavaParseData* pData) override;
    // One delimiter of the body.
    BOOL ParseBody(CJavaParseData* pData, char ch);
    // Starts a local class of the kind given, handing it ch.
    void StartLocalClass(CJavaParseData* pData, int nKind, char ch);

    void DumpChildren(CString& strOut, int nIndent) const override;
};
