// CJavaOutline: the declarations of a parsed file as text, one per line,
// depth first in source order, fields separated by tabs:
//   FILE START END KIND NAME TYPE ACCESS FLAGS DETAIL
// KIND: package, import, class, interface, inner class, inner interface,
// local class, method, field, argument. NAME: qualified by the enclosing
// classes (Outer.Inner.run; a local class or an argument also by its
// method). TYPE: of a field or argument, a method's return type; for a
// class or interface the keyword it was declared with (class, enum, record,
// interface, @interface). ACCESS: public, protected, private. FLAGS: static,
// final, abstract, synchronized, native, incomplete joined by ",". DETAIL:
// "extends X implements A, B" of a class or interface, "throws E, F" of a
// method. An empty field is written "-". mosk-tool outline prints it, and
// tests compare whole parse results with it.
#pragma once

#include "String.h"

class CFileObject;

class CJavaOutline {
public:
    // Appends the outline of pFile to strOut, naming the file pszFile in the first field.
    static void Write(const CFileObject& file, const char* pszFile, CString& strOut);
};
