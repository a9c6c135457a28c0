// CBeanParseData: the reader of the bean descriptions the "DumpBean" helper
// writes. It is the Java parser's sink with its own top-level rule: the word
// "class" outside a declaration starts a CBeanObject, which reads the
// description's sections itself; everything else between beans is passed over.
#pragma once

#include "JavaParseData.h"

#include <memory>
#include <vector>

class CBeanObject;

class CBeanParseData : public CJavaParseData {
public:
    // A reader over nLength bytes of pText (not copied; must outlive the reader).
    CBeanParseData(const char* pText, long lLength);
    ~CBeanParseData() override;

    // The beans read (complete or not); the caller takes them.
    std::vector<std::unique_ptr<CBeanObject>> TakeBeans();

    // Reads the description file pszPath; the complete beans in beans. An
    // empty file gives none. FALSE after "Error opening the file %s for
    // parsing !!!" when it cannot be read.
    static BOOL ReadFile(const char* pszPath, std::vector<std::unique_ptr<CBeanObject>>& beans);
    // The same over a text.
    static void ReadText(const char* pText, long lLength, std::vector<std::unique_ptr<CBeanObject>>& beans);

protected:
    CVarObject* NewDeclaration(const char* pszWord, int nLine) override;

private:
    std::vector<std::unique_ptr<CBeanObject>> m_beans;
};
