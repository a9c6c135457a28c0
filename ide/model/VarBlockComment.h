// CVarBlockComment: one block comment of a parsed file.
#pragma once

#include "VarPattern.h"

class CVarBlockComment : public CVarPattern {
    MOSK_DECLARE_SERIAL(CVarBlockComment)
public:
    CVarBlockComment() = default;
    explicit CVarBlockComment(int nStartLine) : CVarPattern(nStartLine) {}
};
