// CResourceFile: the designs of a GUI builder resource file (".res"): each
// "Begin Dialog 1.0 "NAME"" or "Begin Frame 1.0 "NAME"" line, with the
// design's name and where it stands, and the rename of a design in the
// file. The texts of new files and blocks are made here too.
#pragma once

#include "String.h"

#include <string>
#include <vector>

class CResourceFile {
public:
    struct CDesign {
        BOOL bFrame = FALSE;  // a frame, else a dialog
        CString strName;
        size_t nNameOffset = 0;  // of the name between the quotes
    };

    // Reads pszPath; FALSE when it cannot be read.
    BOOL Read(const char* pszPath);
    // The designs in file order.
    const std::vector<CDesign>& GetDesigns() const { return m_designs; }
    // The first dialog, else the first frame; null when there is neither.
    const CDesign* GetFirstDesign() const;
    // Rewrites the name of design nIndex to pszName in the file (written
    // safely) and reads it again; FALSE when that fails.
    BOOL RenameDesign(int nIndex, const char* pszName);

    // The first line of a new file: "// Mosk Resource file" (no line break).
    static const char* HEADER;
    // The block of a new dialog or frame named pszName, without a final line break.
    static CString BlockText(const char* pszName, BOOL bFrame);

private:
    CString m_strPath;
    std::string m_strText;
    std::vector<CDesign> m_designs;
};
