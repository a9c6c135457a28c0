// CDragToken: a small heap object a browser makes for an in-process drag of a
// source-model object. Its drag text is the kind's tag followed by the
// token's address in decimal, e.g. "MOSKMETHOD140234". A dropped text is only
// turned back into a token when that address is a token alive in this process,
// so a foreign or stale text can never be taken for an object.
#pragma once

#include "String.h"

class CVarObject;

class CDragToken {
public:
    enum Kind { DRAG_METHOD, DRAG_CLASS, DRAG_IFACE, DRAG_PROJCLASS, DRAG_KIND_COUNT };

    // A token of nKind for pObject (not owned).
    CDragToken(int nKind, CVarObject* pObject);
    ~CDragToken();
    CDragToken(const CDragToken&) = delete;
    CDragToken& operator=(const CDragToken&) = delete;

    int GetKind() const { return m_nKind; }
    CVarObject* GetObject() const { return m_pObject; }
    // The drag text: tag and decimal address.
    CString GetText() const;

    // The tag of a kind ("MOSKMETHOD", "MOSKCLASS", "MOSKIFACE", "MOSKPROJCLASS").
    static const char* GetTag(int nKind);
    // The kind whose tag begins pszText (case-sensitive), or -1.
    static int KindOfText(const char* pszText);
    // The live token whose drag text pszText is (the tag, then the decimal
    // address, optionally followed by white space); null for any other text.
    static CDragToken* FromText(const char* pszText);

private:
    int m_nKind;
    CVarObject* m_pObject;
};
