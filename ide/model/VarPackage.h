// CVarPackage: the package statement of a file. The name is the dotted name as written
// ("*" included); shown in full, since here the qualification is the point.
#pragma once

#include "VarObject.h"

class CVarPackage : public CVarObject {
    MOSK_DECLARE_SERIAL(CVarPackage)
public:
    CVarPackage() = default;
    CVarPackage(const char* pszName, int nStartLine) : CVarObject(pszName, nStartLine) {}

    // At ";" the word after "package" becomes the name; FALSE then.
    BOOL Parse(char chDelimiter) override;
    // The dotted name as written.
    void GetDisplayText(CString& strText) const override { strText = m_strName; }
    int GetImage() const override { return IMG_PACKAGE; }
};
