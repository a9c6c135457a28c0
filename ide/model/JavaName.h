// CJavaName: text helpers for Java names and type texts as the parser and
// the class introspection write them, e.g. "java.util.Map<java.lang.String,
// List<Integer>>", "String...", "int[][]", "java.awt.*".
#pragma once

#include "String.h"

class CJavaName {
public:
    // The text with every dotted name cut to its part after the last ".";
    // generic arguments, array brackets and a varargs "..." are kept:
    // "java.util.List<java.lang.String>[]" gives "List<String>[]",
    // "java.lang.Object..." gives "Object...", "java.util.*" gives "*".
    static CString Unqualify(const char* pszText);
};
