// CVarContainer: base of classes, interfaces and beans: the members (methods
// and fields, sorted by name without regard to case) and the parent name.
#pragma once

#include "VarList.h"
#include "VarObject.h"

class CClassIndex;

class CVarContainer : public CVarObject {
    MOSK_DECLARE_SERIAL(CVarContainer)
public:
    CVarContainer() = default;
    CVarContainer(const char* pszName, int nStartLine) : CVarObject(pszName, nStartLine) {}
    ~CVarContainer() override;

    void Serialize(CArchive& ar) override;
    void Clear() override;
    // The name, then " extends " and the parent when there is one.
    void GetDisplayText(CString& strText) const override;
    // The name and the names of fields, methods and their arguments lose their qualification.
    BOOL ShortenNames() override;

    // TRUE for classes, FALSE for interfaces.
    virtual BOOL IsClass() const { return FALSE; }
    // TRUE when pszName is among the implemented interfaces (without regard to case).
    virtual BOOL ImplementsInterface(const char* pszName) const { return FALSE; }
    // Whether pMethod (a method of the index) may be overridden here: 0 yes,
    // 1 when its class or interface is no ancestor of this one, 2 when an
    // equal method is already here.
    int CanOverride(const CVarObject* pMethod, const CClassIndex& index) const;

    // Insert a member in name order (taking ownership); returns its position.
    POSITION AddMethod(CVarObject* pMethod) { return m_Methods.AddSorted(pMethod); }
    POSITION AddField(CVarObject* pField) { return m_Fields.AddSorted(pField); }

    CString m_strParent;                    // the name after "extends" (for an interface the first one)
    CVarObject* m_pCurrentMember = nullptr; // parsing only: the member being parsed (owned until placed)
    int m_nCurrentList = 0;                 // parsing only: the list that member goes to
    CVarList m_Methods;                     // methods (CVarMethodDecl and derived)
    CVarList m_Fields;                      // fields (CVariable and derived)
    CVarList m_CodeBlocks;                  // parsing only, not stored
    int m_nArrayDims = 0;                   // parsing only: "[" seen before a member name

protected:
    void DumpAttributes(CString& strOut) const override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
