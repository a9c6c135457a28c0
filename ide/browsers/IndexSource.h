// CIndexSource: where the source of a class of the package index lies in
// the JDK source folder, and the line of a declaration in it. The index
// keeps no paths: a class of package "p.q" is looked for as p/q/NAME.java
// under the folder, or under one of its module folders (the layout of an
// unpacked "src.zip"); the "User" package is the folder itself.
#pragma once

#include "String.h"

class CIndexSource {
public:
    // The source file of class pszClass of package pszPackage under
    // pszFolder; empty when no such file exists.
    static CString FindSource(const char* pszFolder, const char* pszPackage, const char* pszClass);
    // The 1-based line of pszPath that declares pszName: nHint when that
    // line declares it, else the first line that does (for a type, bType:
    // "class", "interface" or "enum" before the name; for a member: the
    // name as a whole word), else the first line naming it, else 1.
    static int FindDeclarationLine(const char* pszPath, const char* pszName, int nHint, BOOL bType);
};
