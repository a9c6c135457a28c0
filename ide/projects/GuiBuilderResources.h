// CGuiBuilderResources: the project's resource files of the GUI builder:
// Add Dialog and Add Frame (a new ".res" file with its block), Make Copy,
// Copy and Paste Resource through the clipboard, and the renames of a
// resource file and of the design inside it. Messages and file dialogs go
// through the user-interface seam.
#pragma once

#include "String.h"

class CProject;
class CProjectFileItem;
class CTreeFolder;

class CGuiBuilderResources {
public:
    // The proposed base name: "Dialog" (or "Frame") and the first N of 1..99
    // without such a ".res" file on disk or in the project; N = 1 when all are taken.
    static CString ProposeName(const CProject& project, BOOL bFrame);
    // Add Dialog / Add Frame: the save dialog, the extension check, the new
    // file with its header, the file added to pFolder (null: the project's
    // node) and the block appended. FALSE when nothing was added.
    static BOOL NewResource(CProject& project, CTreeFolder* pFolder, BOOL bFrame);
    // Make Copy: pszSource copied into the project's folder under a name the
    // project does not hold yet, added to pFolder, its design renamed after
    // the copy. FALSE when no copy was added.
    static BOOL MakeCopy(const char* pszSource, CProject& project, CTreeFolder* pFolder);
    // Copy: "Dialog:" or "Frame:" and the full path on the clipboard.
    static BOOL CopyToClipboard(const char* pszPath, BOOL bFrame);
    // TRUE when strText starts with "Dialog:" or "Frame:" (without regard to
    // case) followed by the path (at most 260 characters) of an existing ".res" file.
    static BOOL NamesResource(const CString& strText, CString& strPath);
    // Paste Resource is enabled: the clipboard names a resource.
    static BOOL CanPaste();
    // Paste Resource: a copy of the resource the clipboard names, in pFolder.
    static BOOL Paste(CProject& project, CTreeFolder* pFolder);
    // Rename of a resource item: the file is renamed in the project (pszNewName
    // a name with extension), then its design is renamed after the new base name.
    static BOOL RenameResourceItem(CProject& project, CProjectFileItem* pItem, const char* pszNewName);
    // Rename of a design node: names with a space are refused.
    static BOOL RenameDesign(const char* pszPath, int nDesign, const char* pszNewName);
    // The first design of pszPath gets the file's base name; FALSE after the messages.
    static BOOL RenameDesignAfterFile(const char* pszPath);
    // The tree shows the item of pszPath again (its picture and designs), when it is in project.
    static void RefreshItem(CProject& project, const char* pszPath);
};
