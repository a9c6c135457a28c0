// IOutputNavigator: what the output windows need from the main window to
// jump from an error line to the source: open a file at a line, and find
// the source file of a class named in a stack trace.
#pragma once

#include "String.h"

class IOutputNavigator {
public:
    virtual ~IOutputNavigator() = default;
    // Opens pszPath (absolute) in an editor at 1-based line nLine: select that line, bring the window up.
    // FALSE when the file could not be opened.
    virtual BOOL OpenFileAtLine(const char* pszPath, int nLine) = 0;
    // Source file of a class named in a stack trace ("pkg.Foo" or "Foo"); empty when unknown (project, package index).
    virtual CString FindClassSource(const char* pszClass) { return CString(); }
};
