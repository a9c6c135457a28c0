// CVarClass: a top-level class (and the base of inner and local classes):
// implemented interfaces in source order, inner classes and inner
// interfaces sorted by name. Stored schemas: 1 had a single implemented
// interface, 2 the interface array, 3 also the inner lists.
#pragma once

#include "StringArray.h"
#include "VarContainer.h"

class CJavaParseData;
class CVarInterface;

class CVarClass : public CVarContainer {
    MOSK_DECLARE_SERIAL(CVarClass)
public:
    CVarClass() = default;
    CVarClass(const char* pszName, int nStartLine) : CVarContainer(pszName, nStartLine) {}

    void Serialize(CArchive& ar) override;
    // Reads the header up to "{" (record components on the way), then the body.
    BOOL Parse(char chDelimiter) override;
    void Clear() override;
    // "Final " when final, the name, " extends " parent, " implements " interfaces.
    void GetDisplayText(CString& strText) const override;
    int GetImage() const override { return AccessImage(IMG_CLASS_PUBLIC); }
    // TRUE when not final.
    BOOL CanBeExtended() const override { return !m_bFinal; }
    CDragToken* MakeProjectDragToken() override;
    CDragToken* MakeDragToken() override;
    BOOL IsClass() const override { return TRUE; }
    BOOL ImplementsInterface(const char* pszName) const override;
    CVarList* GetInnerClassList() override { return &m_InnerClasses; }
    CVarList* GetInnerInterfaceList() override { return &m_InnerInterfaces; }

    // Insert an inner class or interface in name order (taking ownership).
    POSITION AddInnerClass(CVarClass* pClass) { return m_InnerClasses.AddSorted(pClass); }
    POSITION AddInnerInterface(CVarInterface* pInterface);
    // The innermost class declared here (this one or an inner one, searched
    // depth first in list order) whose lines enclose nLine; null if none.
    CVarClass* FindClassAtLine(int nLine);

    CStringArray m_Interfaces;                  // names after "implements", in source order
    CVarListT<CVarClass> m_InnerClasses;
    CVarListT<CVarInterface> m_InnerInterfaces;

    // Parsing only: record components or enum constants being read.
    enum { STEP_NONE = 0, STEP_COMPONENTS, STEP_AFTER_COMPONENTS, STEP_CONSTANTS };
    int m_nParseStep = STEP_NONE;
    int m_nNesting = 0;             // parsing only: brackets open inside an enum constant
    BOOL m_bConstantMade = FALSE;   // parsing only: the enum constant before the next "," exists

protected:
    // Modifiers, keyword and name from the words; index of the name word, -1 without the keyword.
    int TakeHeader(CJavaParseData* pData);
    // "extends" and "implements" from word nFrom on.
    void TakeSupertypes(CJavaParseData* pData, int nFrom);
    // One delimiter of the enum constant list.
    BOOL ParseEnumConstant(char ch);
    // The enum constant named by the last word, once per constant.
    void MakeEnumConstant(CJavaParseData* pData);
    // The record component given by the words (closed by "," or ")").
    void MakeComponent(CJavaParseData* pData);

    void DumpAttributes(CString& strOut) const override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
