// CArchiveFile: reads or writes a whole file as an archive and turns every
// failure (missing file, malformed stream, full disk) into an error text.
// Writing goes to a temporary file in the same folder that replaces the
// target only when complete, so a failed save leaves the old file intact.
#pragma once

#include "String.h"

#include <functional>
#include <string>

class CArchive;
class CObject;

class CArchiveFile {
public:
    // Reads the file at pszPath and calls fnRead with a loading archive over
    // its bytes. FALSE and strError set when the file cannot be read or
    // fnRead raises the archive error.
    static BOOL Load(const char* pszPath, const std::function<void(CArchive&)>& fnRead, CString& strError);
    // Calls fnWrite with a storing archive and writes its bytes to pszPath.
    // FALSE and strError set when that fails; the old file is then unchanged.
    static BOOL Save(const char* pszPath, const std::function<void(CArchive&)>& fnWrite, CString& strError);

    // Load / Save that serialise one object's fields (not tagged as an object).
    static BOOL LoadObject(const char* pszPath, CObject& object, CString& strError);
    static BOOL SaveObject(const char* pszPath, CObject& object, CString& strError);

    // Whole-file helpers without an archive; FALSE and strError on failure.
    static BOOL ReadWholeFile(const char* pszPath, std::string& strData, CString& strError);
    static BOOL WriteWholeFile(const char* pszPath, const std::string& strData, CString& strError);
};
