// CMacroExpander: the macros of user commands. A macro is a name between
// "<" and ">" in a command's arguments or start-up directory; it is replaced
// by a path or name taken from the run context. Names compare without
// regard to case; an unknown name expands to nothing, so do the file macros
// when no file is known and the "Open Project" macros when no project is open.
#pragma once

#include "String.h"

#include <vector>

class CCommandRunContext;

class CMacroExpander {
public:
    // Copies pszText to strOut with every "<name>" replaced by its expansion.
    // FALSE when a "<" has no ">" after it; strOut then holds what was done.
    static BOOL Expand(const char* pszText, const CCommandRunContext& context, CString& strOut);
    // The expansion of one macro name (without the brackets).
    static CString ExpandMacro(const char* pszName, const CCommandRunContext& context);

    // The macros the Commands dialog offers, with their brackets, in its
    // order; for the start-up directory only the two directory macros.
    static std::vector<CString> GetPickerMacros(BOOL bStartupDir);

    // "package.Class" of a Java source file: its first public class, else its
    // first class; bPreferMain takes the first class with a main method
    // before those. The class alone without a package; empty when the file
    // cannot be read or declares no class.
    static CString GetQualifiedClass(const char* pszJavaPath, BOOL bPreferMain);

    // Pieces of a path, "/" separating folders: the folder with its
    // trailing "/" (empty when none), the base name (no folder, no
    // extension) and the extension with its dot (from the last "." of the name).
    static CString GetFolder(const char* pszPath);
    static CString GetBaseName(const char* pszPath);
    static CString GetExtension(const char* pszPath);
};
