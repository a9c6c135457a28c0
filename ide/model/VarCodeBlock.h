// CVarCodeBlock: an initialiser block in braces met in a class or interface
// body. Kept only while parsing; never written to an archive.
#pragma once

#include "VarObject.h"

class CVarCodeBlock : public CVarObject {
    MOSK_DECLARE_DYNAMIC(CVarCodeBlock)
public:
    CVarCodeBlock() = default;
    explicit CVarCodeBlock(int nStartLine) : CVarObject("", nStartLine) {}

    // Counts braces from the opening one; FALSE at the closing one.
    BOOL Parse(char chDelimiter) override;

    int m_nBraceDepth = 0;  // braces open inside the block
};
