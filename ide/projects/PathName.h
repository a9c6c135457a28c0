// CPathName: a file path split into drive, folder, base name and extension,
// and the conversions between full paths and paths relative to a folder.
// Paths use "/"; texts read from files written on Windows may use "\",
// which every entry point here turns into "/". A drive ("C:") only appears
// in such texts; paths of this system have none.
#pragma once

#include "String.h"

class CPathName {
public:
    CPathName() = default;
    explicit CPathName(const char* pszPath) { SetPath(pszPath); }

    // Splits pszPath ("\" read as "/").
    void SetPath(const char* pszPath);
    // The whole path as set ("/" separators).
    const CString& GetPath() const { return m_strPath; }
    // "X:" for a Windows text with a drive letter, else empty.
    const CString& GetDrive() const { return m_strDrive; }
    // Folder with its trailing "/" ("/home/a/"), empty when the path has none.
    const CString& GetFolder() const { return m_strFolder; }
    // Drive and folder: the folder a file of this path lies in.
    CString GetDriveFolder() const { return m_strDrive + m_strFolder; }
    // Name without folder and extension ("Hello" of "/a/Hello.java").
    const CString& GetBaseName() const { return m_strBaseName; }
    // Extension with its dot (".java"), empty when none.
    const CString& GetExtension() const { return m_strExtension; }
    // Base name and extension.
    CString GetFileName() const { return m_strBaseName + m_strExtension; }
    // TRUE when the extension equals pszExt (with its dot) without regard to case.
    BOOL HasExtension(const char* pszExt) const { return m_strExtension.CompareNoCase(pszExt) == 0; }

    // The text with every "\" turned into "/".
    static CString ToSlashes(const char* pszText);
    // The base name of a path ("Hello" of "/a/Hello.java").
    static CString BaseNameOf(const char* pszPath) { return CPathName(pszPath).GetBaseName(); }
    // The file name of a path ("Hello.java" of "/a/Hello.java").
    static CString FileNameOf(const char* pszPath) { return CPathName(pszPath).GetFileName(); }
    // An absolute path with "." and ".." steps and doubled "/" removed
    // (".." at the root stays at the root). Relative paths are returned with
    // slashes only.
    static CString Normalize(const char* pszPath);
    // How pszPath is stored relative to the folder pszDir: the full path
    // when the drives differ or either is not absolute, else "../" steps out
    // of pszDir and the rest of the path ("../lib/A.java").
    static CString MakeRelative(const char* pszPath, const char* pszDir);
    // The full path a stored text names, read against the folder pszFolder:
    // TRUE and strResult set, or FALSE when the text cannot be resolved here
    // (empty, a drive letter, a folder that is not absolute, too long).
    static BOOL MakeAbsolute(const char* pszText, const char* pszFolder, CString& strResult);

    // Longest full path MakeAbsolute gives.
    static constexpr int MAX_PATH_LENGTH = 4096;

private:
    CString m_strPath;
    CString m_strDrive;
    CString m_strFolder;
    CString m_strBaseName;
    CString m_strExtension;
};
