// CResourceCommands: the project tree's commands on the GUI builder's
// resources (32992 to 33009) as operations on the open project: Add Dialog
// and Add Frame on the project's node, a folder or a design group, Delete
// of a resource item, Make Copy, Copy and Paste Resource. Each command
// applies to one kind of node; the renames are label edits of the view.
#pragma once

#include "WinTypes.h"

class CProject;
class CTreeItem;

class CResourceCommands {
public:
    // TRUE when command nID is offered for pNode of project: the open
    // project's node, a folder of it, or one of its resource items (the
    // node a design group or design stands under).
    static BOOL AppliesTo(UINT nID, const CProject& project, const CTreeItem* pNode);
    // Runs command nID on pNode; FALSE when it does not apply or did nothing.
    // Delete commands destroy pNode.
    static BOOL OnCommand(UINT nID, CProject& project, CTreeItem* pNode);
    // TRUE for the renames, which edit the resource item's label.
    static BOOL IsRename(UINT nID);
};
