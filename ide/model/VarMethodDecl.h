// CVarMethodDecl: a method declared without a body (interface, abstract and
// native methods) and the base of CVarMethod: arguments in source order,
// thrown exceptions, synchronized and native flags. Schemas before 3 stored
// the arguments only.
#pragma once

#include "StringArray.h"
#include "VarList.h"
#include "VarObject.h"

class CJavaParseData;
class CVariable;

class CVarMethodDecl : public CVarObject {
    MOSK_DECLARE_SERIAL(CVarMethodDecl)
public:
    // Starts abstract.
    CVarMethodDecl();
    CVarMethodDecl(const char* pszName, int nStartLine);

    void Serialize(CArchive& ar) override;
    void Clear() override;
    // Header, parameter list, then ";" (or an annotation element's default
    // value, or a body, which is skipped); FALSE once the declaration ended.
    BOOL Parse(char chDelimiter) override;
    // TRUE for a complete method with a return type that is neither static, final nor private.
    BOOL CanBeOverridden() const override;
    // "static " when static, the return type and a blank, the name, "(", the
    // argument types joined by ", " (one blank when none), ")", " throws " and the exceptions.
    void GetDisplayText(CString& strText) const override;
    // "Not Available".
    BOOL GetHelpText(CString& strText) const override;
    // Same name and return type, and pairwise equal argument types.
    BOOL IsEqual(const CVarObject* pOther) const override;
    int GetImage() const override { return AccessImage(IMG_METHOD_PUBLIC); }
    BOOL CanBeExtended() const override { return CanBeOverridden(); }
    CDragToken* MakeDragToken() override;
    // The name and the argument names lose their qualification.
    BOOL ShortenNames() override;

    // Appends an argument (taking ownership), keeping source order.
    POSITION AddArgument(CVariable* pArgument);

    CStringArray m_Exceptions;          // names after "throws", in source order
    BOOL m_bInParams = FALSE;           // parsing only: inside the argument list
    CVarListT<CVariable> m_Arguments;   // CArgument objects in source order
    BOOL m_bSynchronized = FALSE;
    BOOL m_bNative = FALSE;
    int m_nArrayDims = 0;               // parsing only
    BOOL m_bParamsDone = FALSE;         // parsing only: the argument list was closed
    int m_nValueDepth = 0;              // parsing only: braces open in a skipped body or default value
    BOOL m_bDefaultValue = FALSE;       // parsing only: an annotation element's default value follows

protected:
    // Modifiers, return type and name from the words before "(".
    virtual void TakeHeader(CJavaParseData* pData);
    // TRUE when ch belonged to the header or the argument list.
    BOOL ParseSignature(CJavaParseData* pData, char ch);
    // The words after "throws" become the thrown exceptions.
    void TakeThrows(CJavaParseData* pData);
    // Sets end line, end offset and complete, and resets the words.
    void Finish(CJavaParseData* pData);

    void DumpAttributes(CString& strOut) const override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
