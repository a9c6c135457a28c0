// CProjectClassNode: a class or interface shown under a parsed source file
// of the project tree. It offers the class commands (48001..: go to the
// class) and the class-node actions (49001..: go to one of its methods),
// and answers them with the line the view jumps to.
#pragma once

#include "ProjectViewHost.h"

class CProjectFileItem;
class CVarContainer;

class CProjectClassNode {
public:
    enum : UINT {
        ID_CLASS_GOTO = 48001,      // the class's declaration line
        ID_CLASS_METHOD_FIRST = 49001,
        MAX_METHODS = 100           // actions 49001 .. 49100
    };

    // The class (bInterface FALSE) or interface pszName of pFile's parse
    // result (pFile not owned, may be null). The node looks the class up
    // in the present parse result each time, so a new parse never leaves it
    // holding a destroyed object.
    CProjectClassNode(CProjectFileItem* pFile, const char* pszName, BOOL bInterface)
        : m_pFile(pFile), m_strName(pszName), m_bInterface(bInterface) {}

    // The node's context menu: "&Go To Class", then one entry per method (at
    // most 100); empty when the class is gone from the parse result.
    std::vector<CProjectViewMenuItem> GetMenu() const;
    // Runs nID: TRUE with the 1-based line to show in nLine and the file in
    // strPath; FALSE (after "Class not found in the file !!!" when the
    // class is gone from the file's parse result) when there is nothing to show.
    BOOL OnCommand(UINT nID, CString& strPath, int& nLine) const;

    CProjectFileItem* GetFile() const { return m_pFile; }
    // The class of the file's present parse result with this node's name; null if gone.
    CVarContainer* FindCurrentClass() const;

private:
    CProjectFileItem* m_pFile;
    CString m_strName;
    BOOL m_bInterface;
};
