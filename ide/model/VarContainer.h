// CVarContainer: base of classes, interfaces and beans: the members (methods
// and fields, sorted by name without regard to case) and the parent name.
#pragma once

#include "StringArray.h"
#include "VarList.h"
#include "VarObject.h"

class CClassIndex;
class CJavaParseData;
class CVarMethodDecl;

class CVarContainer : public CVarObject {
    MOSK_DECLARE_SERIAL(CVarContainer)
public:
    // How the declaration was written (parsing only, not stored).
    enum { KIND_PLAIN = 0, KIND_ENUM = 1, KIND_RECORD = 2, KIND_ANNOTATION = 3 };
    // Whether the header says "sealed" or "non-sealed" (parsing only, not stored).
    enum { SEALED_NONE = 0, SEALED_SEALED = 1, SEALED_NON_SEALED = 2 };
    // The list a member being parsed goes to once complete.
    enum { LIST_NONE = 0, LIST_METHODS, LIST_FIELDS, LIST_INNER_CLASSES, LIST_INNER_INTERFACES, LIST_CODE_BLOCKS };

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

    // The inner class and inner interface lists; null where there are none.
    virtual CVarList* GetInnerClassList() { return nullptr; }
    virtual CVarList* GetInnerInterfaceList() { return nullptr; }

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
    int m_nKind = KIND_PLAIN;               // class or enum or record; interface or @interface; not stored
    int m_nSealed = SEALED_NONE;            // "sealed" / "non-sealed" before the keyword; not stored
    CStringArray m_Permits;                 // the names after "permits", in source order; not stored

protected:
    // One delimiter of the body: members are made, fed and placed; FALSE at
    // the closing brace, or when a member ended incomplete.
    BOOL ParseBody(char ch);
    // Passes ch to the member being parsed; places it once it is complete.
    BOOL FeedMember(char ch);
    // Puts a complete member into its list (a nameless field or method is dropped).
    void PlaceMember(CVarObject* pMember, int nList);
    // TRUE in a record when the words before "{" are modifiers and the record's name.
    BOOL IsCompactConstructor(const CJavaParseData* pData) const;
    // A new method for the words before "(" at 1-based line nLine.
    virtual CVarMethodDecl* NewMethod(CJavaParseData* pData, int nLine);
    // The sealing words among the words before nKeyword, and the names after
    // "permits" from nFrom on (the words up to the brace).
    void TakeSealing(const CJavaParseData* pData, int nKeyword, int nFrom);
    // A class name without the type parameters written after it.
    static CString StripTypeParameters(const CString& strName);

    void DumpAttributes(CString& strOut) const override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
