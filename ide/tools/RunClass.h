// CRunClass: what a run of a project starts: the class to run, the folder
// it runs in, the package of a source file, and the search for a class with
// a main method when the project names none. Sources are parsed from disk.
#pragma once

#include "String.h"

class CProject;

class CRunClass {
public:
    // The class a project run starts: the other main class when its switch is
    // on and its text is not empty; else, when a main class file is set, its
    // package (from a parse of the listed file), "." and the file's base name,
    // or the bare base name without a package; else empty.
    static CString ClassToRun(const CProject& project);
    // TRUE when the project names a class to run (ClassToRun is not empty);
    // program arguments follow the class only then.
    static BOOL HasClassToRun(const CProject& project);
    // TRUE when the run starts the other main class rather than the main class file's class.
    static BOOL UsesOtherMainClass(const CProject& project);
    // The folder an application run works in: the listed main class file's
    // folder (no trailing "/" except for the root); empty for the IDE's
    // current directory (the other main class, or no listed main class file).
    static CString RunFolder(const CProject& project);

    // The package name of the source file pszJavaPath ("a.b"), empty when it
    // has none. FALSE and strError when the file could not be read.
    static BOOL PackageName(const char* pszJavaPath, CString& strPackage, CString& strError);
    // The same as a path with "/" separators ("a/b").
    static BOOL PackagePath(const char* pszJavaPath, CString& strPath, CString& strError);

    // The first ".java" file of the project's file list (in list order) whose
    // parse holds a class with a main method; empty when none. Files that
    // cannot be read are skipped.
    static CString FindMainClassFile(const CProject& project);
    // Makes the file FindMainClassFile gives the project's main class file
    // (its name and extension) and marks the project modified. FALSE, and
    // nothing changed, when no file has a main method.
    static BOOL AdoptMainClassFile(CProject& project);
};
