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
    // The bean's class name without qualification.
    void GetDisplayText(CString& strText) const override;
    int GetImage() const override { return IMG_BEAN; }
    BOOL IsClass() const override { return TRUE; }

    // Insert a listener interface in name order (taking ownership).
    POSITION AddListener(CBeanListenInterface* pListener);

    int m_nSection = SECTION_NONE;  // parsing only: section of the description being read
    CVarListT<CBeanListenInterface> m_Listeners;
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;

protected:
    void DumpAttributes(CString& strOut) const override;
    void DumpChildren(CString& strOut, int nIndent) const override;
};
