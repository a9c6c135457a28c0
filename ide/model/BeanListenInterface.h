// CBeanListenInterface: a listener interface of a bean: its adder and
// remover methods (owned, may be null) and its events sorted by name.
#pragma once

#include "VarList.h"
#include "VarObject.h"

class CBeanEvent;
class CVarMethodDecl;

class CBeanListenInterface : public CVarObject {
    MOSK_DECLARE_SERIAL(CBeanListenInterface)
public:
    CBeanListenInterface() = default;
    CBeanListenInterface(const char* pszName, int nStartLine) : CVarObject(pszName, nStartLine) {}
    ~CBeanListenInterface() override;

    void Serialize(CArchive& ar) override;
    void Clear() override;
    int GetImage() const override { return IMG_BEAN_LISTENER; }

    // Insert an event in name order (taking ownership).
    POSITION AddEvent(CBeanEvent* pEvent);

    CVarMethodDecl* m_pAdder = nullptr;    // owned, may be null
    CVarMethodDecl* m_pRemover = nullptr;  // owned, may be null
    CVarListT<CBeanEvent> m_Events;

protected:
    void DumpChildren(CString& strOut, int nIndent) const override;
};
