// CVarPattern: a range of text the parser met (base of the comment ranges);
// start and end are the CVarObject lines and offsets.
#pragma once

#include "VarObject.h"

class CVarPattern : public CVarObject {
    MOSK_DECLARE_SERIAL(CVarPattern)
public:
    CVarPattern() = default;
    explicit CVarPattern(int nStartLine) : CVarObject("", nStartLine) {}

    int GetImage() const override { return IMG_COMMENT; }
};
