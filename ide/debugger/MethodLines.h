// CMethodLines: the line range of the method that holds a line of a parsed
// source file (the innermost one, inner and local classes included), as
// the debugger's step over needs it.
#pragma once

#include "WinTypes.h"

class CFileObject;

class CMethodLines {
public:
    // TRUE and the method's first and last line when a method of pFile
    // encloses 1-based nLine; FALSE when none does.
    static BOOL Find(const CFileObject& file, int nLine, int& nFirst, int& nLast);
    // The same for the file at pszPath, parsed from disk; FALSE when it cannot be read.
    static BOOL FindInFile(const char* pszPath, int nLine, int& nFirst, int& nLast);
};
