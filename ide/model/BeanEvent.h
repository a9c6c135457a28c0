// CBeanEvent: one event method of a bean's listener interface; complete
// from creation. Stored as its CVarObject part.
#pragma once

#include "VarObject.h"

class CBeanEvent : public CVarObject {
    MOSK_DECLARE_SERIAL(CBeanEvent)
public:
    CBeanEvent();
    CBeanEvent(const char* pszName, int nStartLine);

    int GetImage() const override { return IMG_BEAN_EVENT; }
};
