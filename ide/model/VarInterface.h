// CVarInterface: a top-level interface (and the base of inner interfaces).
// Stored as its CVarContainer part.
#pragma once

#include "VarContainer.h"

class CVarInterface : public CVarContainer {
    MOSK_DECLARE_SERIAL(CVarInterface)
public:
    CVarInterface() = default;
    CVarInterface(const char* pszName, int nStartLine) : CVarContainer(pszName, nStartLine) {}

    int GetImage() const override { return AccessImage(IMG_INTERFACE_PUBLIC); }
    CDragToken* MakeDragToken() override;
};
