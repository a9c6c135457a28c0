// CProjectFolder: one listed project: the path of its ".mosk" file, whether
// its children were read from that file, and whether it is the open project.
// Stored: the folder fields, then the path.
#pragma once

#include "ProjectFolderBase.h"

class CProjectFolder : public CProjectFolderBase {
    MOSK_DECLARE_SERIAL(CProjectFolder)
public:
    CProjectFolder() = default;
    // A node labelled pszLabel for the project file pszPath.
    CProjectFolder(const char* pszLabel, const char* pszPath) : CProjectFolderBase(pszLabel), m_strPath(pszPath) {}

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    BOOL CanDelete() const override { return !m_bCurrent; }
    // Removes the node from the project list (the file stays on disk).
    BOOL DeleteFromProject() override;
    CString GetPathName() const override { return m_strPath; }
    int GetContextMenu() const override;
    int GetDoubleClickAction() const override;
    int GetImage() const override;
    BOOL HasExpandButton() const override { return TRUE; }

    CString m_strPath;        // full path of the ".mosk" file
    BOOL m_bLoaded = FALSE;   // the children were read from the project file
    BOOL m_bCurrent = FALSE;  // this is the open project
};
