// CDirSettings: the folders the program works with: the JDK's program,
// source and documentation folders (each with the list offered in the
// Directories dialog), the bean kit's and the server kit's documentation,
// the program folder, the browser, and the help directory list whose
// positions the help index stores as directory numbers (number n is the
// entry at index n - 1; the user's own folders start at index 100).
#pragma once

#include "StringArray.h"

class CProfile;

class CDirSettings {
public:
    // What the Directories dialog hands back on OK: the text fields, the
    // entries selected in the three drop-down lists and the lists themselves.
    struct CDialogValues {
        CString strBrowserPath;
        CString strExePath, strSourcePath, strDocPath;
        CString strBeanDocPath, strJSDKDocPath, strProgramPath;
        CStringArray exePaths, srcPaths, docPaths;
    };

    // Index of the first user folder in the help directory list.
    static constexpr int FIRST_USER_DIR = 100;
    // Number of "Path%d" keys of section "User".
    static constexpr int USER_DIR_KEYS = 100;
    // Sub-folders of the JDK documentation in the help directory list, in their order.
    static constexpr int DOC_SUBFOLDER_COUNT = 29;
    static const char* const s_docSubfolders[DOC_SUBFOLDER_COUNT];

    // Steps 1 to 4 of reading the folders: the strings (each defaulting to
    // its present value), the three lists, DocPath without its "api"
    // folder and ApiDocDir, and pszDefaultProgramPath when the program
    // folder is empty. Empties the help directory list.
    void Load(CProfile& profile, const char* pszDefaultProgramPath);
    // TRUE when the first-run information must be shown: no documentation folder and no warning shown yet.
    BOOL NeedsFirstRunInfo(BOOL bWarningShown) const { return m_strDocPath.IsEmpty() && !bWarningShown; }
    // Cuts DocPath before its first "/api" folder and sets ApiDocDir to
    // DocPath and "/api/"; both stay as they are when DocPath is empty.
    void UpdateApiDocDir();
    // Builds the help directory list: program folder and its "help" folder,
    // the 29 documentation folders (clearing bWarning), the bean and server
    // kit folders, empty entries up to index 100, then the "User" folders.
    void BuildHelpDirs(CProfile& profile, BOOL& bWarning);
    // Writes the strings, the three lists with their counts and the user
    // folders (index 100 on) as "Path1".. in "User"; keys of "User" left
    // over from a longer list are removed. FALSE when the file could not be written.
    BOOL Save(CProfile& profile) const;

    // The Directories dialog's OK: every non-empty path must exist; the first
    // that does not is reported (information icon) and nothing is stored,
    // FALSE. Otherwise the values and lists are stored, ApiDocDir recomputed
    // and the help directory list rebuilt; TRUE.
    BOOL ApplyDialog(const CDialogValues& values, CProfile& profile, BOOL& bWarning);
    // Index of the first entry of list that begins with pszCurrent, -1 when none
    // (the entry a drop-down list opens with; an empty value selects none).
    static int FindSelection(const CStringArray& list, const char* pszCurrent);

    // Directory number (1-based position) of a folder in the help list, compared exactly; 0 if absent.
    int FindHelpDirNumber(const char* pszFolder) const;
    // The folder a directory number names; empty for 0 or a number outside the list.
    CString GetHelpDir(int nNumber) const;

    // One line per field and list entry, for tests and tools.
    CString Dump() const;

    CString m_strDocPath;         // "Java" "DocPath"
    CString m_strBeanDocPath;     // "Java" "BeanDocPath"
    CString m_strExePath;         // "Java" "ExePath"
    CString m_strApiDocDir;       // DocPath and "/api/" (derived)
    CString m_strSourcePath;      // "Java" "SourcePath"
    CString m_strJSDKDocPath;     // "Java" "JSDKDocPath"
    CStringArray m_HelpDirs;
    CString m_strProgramPath;     // "Mosk" "Path"
    CString m_strTipsFile;        // ProgramPath and "/tips.txt"
    CString m_strBrowserPath;     // "Browser" "Path"
    int m_nProgramDirNumber = 0;
    int m_nProgramHelpDirNumber = 0;
    CStringArray m_ExePaths;      // "ExePathCount", "ExePath1"..
    CStringArray m_SrcPaths;      // "SrcPathCount", "SrcPath1"..
    CStringArray m_DocPaths;      // "DocPathCount", "DocPath1"..
};
