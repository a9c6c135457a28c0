// CBeanObject: an introspected bean: methods (CVarMethodDecl), properties
// (CBeanProp, in the field list), listener interfaces, and two reserved
// integers that are stored and read back.
#pragma once

#include "VarContainer.h"

class CBeanListenInterface;

class CBeanObject : public CVarContainer {
    MOSK_DECLARE_SERIAL(CBeanObject)
public:
    enum { SECTION_NONE, SECTION_PROPERTIES, SECTION_EVENTS, SECTION_METHODS };

    CBeanObject() = default;
    CBeanObject(const char* pszName, int nStartLine) : CVarContainer(pszName, nStartLine) {}

    void Serialize(CArchive& ar) override;
    void Clear() override;
    // Reads a bean description: "class NAME {" then the sections
    // "Properties { ... }", "Events { ... }" and "Methods { ... }"; the "}"
    // outside a section ends the bean (FALSE then).
    BOOL Parse(char chDelimiter) override;
    // The bean's class name without qualification.
    void GetDisplayText(CString& strText) const override;
    int GetImage() const override { return IMG_BEAN; }
    BOOL IsClass() const override { return TRUE; }

    // Insert a listener interface in name order (taking ownership).
    POSITION AddListener(CBeanListenInterface* pListener);

    int m_nSection = SECTION_NONE;  // parsing only: section of the description being read
    int m_nBrackets = 0;            // parsing only: "[" open in the entry being read
    BOOL m_bDescriptor = FALSE;     // parsing only: a ";" inside brackets: the type is a descriptor
    CVarListT<CBeanListenInterface> m_Listeners;
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;

protected:
    // Methods of a bean are declarations without a body.
    CVarMethodDecl* NewMethod(CJavaParseData* pData, int nLine) override;
    // The entry of the properties or the events section in the words.
    void TakeProperty(CJavaParseData* pData, int nLine);
    void TakeListener(CJavaParseData* pData, int nLine);
    void DumpAttributes(CString& strOut) const override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
