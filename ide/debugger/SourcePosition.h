// CSourcePosition: the source position a line of the debugger's output
// names, as the stack lines of "where all" do ("  [1] p.Hello.main
// (Hello.java:9)"): the file name and the line number, and the class the
// line's method belongs to when it shows one.
#pragma once

#include "String.h"

class CSourcePosition {
public:
    // FALSE when the line names no position. The first ":" marks it, or
    // the next one when the character after it is not a digit; the file
    // name runs back to the nearest space or "(", the number forward to
    // the next space or ")". strClass is the qualified class of the method
    // before " (" ("p.Hello"), empty when there is none.
    static BOOL Parse(const char* pszLine, CString& strFile, int& nLine, CString& strClass);
    // Where the source of strClass lies under pszFolder: the package's
    // folders and strFile ("src/p/Hello.java"); empty when either is empty.
    static CString PathUnder(const char* pszFolder, const CString& strClass, const CString& strFile);
};
