// CJavaParser: the entry points of the Java parser (editor text, a file
// from disk, the output of the class introspection helper) and the two
// questions asked of its results: which class has a main method, and where
// a class of a package keeps its source.
#pragma once

#include "String.h"

class CFileObject;
class CVarClass;

class CJavaParser {
public:
    // Parses the whole text of an editor (nLength bytes, need not be
    // terminated); the caller owns the result; null when memory ran out.
    static CFileObject* ParseText(const char* pText, long lLength);
    // Parses a file and records its modification time; when it cannot be
    // read, shows "Error opening the file ... for parsing !!!" and returns null.
    static CFileObject* ParseFile(const char* pszPath);
    // The same without a message box: on failure strError says why.
    static CFileObject* ParseFile(const char* pszPath, CString& strError);
    // Parses what the introspection helper wrote: as ParseFile, but an
    // empty file gives null and no file time is taken.
    static CFileObject* ParseIntrospectionFile(const char* pszPath);

    // TRUE when one of the class's methods is a static "main".
    static BOOL HasMainMethod(const CVarClass* pClass);
    // The first class in file order with a main method; null if none.
    static CVarClass* FindMainClass(const CFileObject* pFile);
    // Where the source of pszClass in pszPackage lies: under pszSourceDir,
    // else under the first entry of the ":"-separated class path that has
    // it; the path under pszSourceDir when none has it.
    static CString GetSourcePath(const char* pszPackage, const char* pszClass, const char* pszSourceDir,
                                 const char* pszClassPath);

protected:
    // Reads and parses a file; bFromDisk: a source (file time taken, empty
    // parsed) rather than introspection output. Failures go to *pError when
    // given, else to a message box.
    static CFileObject* ReadAndParse(const char* pszPath, BOOL bFromDisk, CString* pError);
};
