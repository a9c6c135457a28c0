// CCommandRunContext: what one run of a user command knows: the file or
// project node it was chosen on, and the data of the open project that the
// "Open Project" macros and the class-path switch read. The caller fills it.
#pragma once

#include "StringArray.h"

class CProjectDoc;

// The open project's part of a run: filled by whoever owns the project.
struct COpenProjectData {
    BOOL m_bOpen = FALSE;                 // a project is open; the other fields count only then
    CStringArray m_Files;                 // full paths of the project's files, in file-list order
    CString m_strMainClassPath;           // full path of the main class's source file; empty when none
    CString m_strMainHtmlPath;            // full path of the main HTML page; empty when none
    CString m_strInterpreterClassPath;    // the global interpreter class path
    BOOL m_bInterpreterClassPathOn = FALSE;  // its switch
};

class CCommandRunContext {
public:
    // A run from a file item: pszFilePath is the selected file's full path.
    static CCommandRunContext ForFile(const char* pszFilePath);
    // A run from a project node: pszProjectPath is the project's ".mosk" path.
    static CCommandRunContext ForProject(const char* pszProjectPath);

    // The selected file's path when a file is known, else empty.
    CString GetFilePath() const { return m_bKnown ? m_strFilePath : CString(); }
    // The selected project's path when a project is known, else empty.
    CString GetProjectPath() const { return m_bKnown ? m_strProjectPath : CString(); }
    // Fills the open project's part from the project list document: the open
    // project's files in file-list order, its main class and main HTML
    // paths, and the global interpreter class path with its switch.
    void SetOpenProject(const CProjectDoc& doc);
    // The open project's data when a project is open, else null.
    const COpenProjectData* GetOpenProject() const { return m_OpenProject.m_bOpen ? &m_OpenProject : nullptr; }

    CString m_strFilePath;       // selected file (run from a file item)
    CString m_strProjectPath;    // selected project's ".mosk" file (run from a project node)
    BOOL m_bKnown = FALSE;       // a file or a project was selected
    COpenProjectData m_OpenProject;
};
