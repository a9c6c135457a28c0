// CResourceFileItem: a GUI-builder resource file (".res") of a project,
// stored like any file item. Its picture tells a dialog from a frame.
#pragma once

#include "ProjectFileItem.h"

// What the first design of a resource file is.
enum EResourceKind {
    RESOURCE_NONE,    // no design, or the file cannot be read
    RESOURCE_DIALOG,
    RESOURCE_FRAME
};

class CResourceFileItem : public CProjectFileItem {
    MOSK_DECLARE_SERIAL(CResourceFileItem)
public:
    CResourceFileItem() = default;
    explicit CResourceFileItem(const char* pszPath) : CProjectFileItem(pszPath) {}

    int GetContextMenu() const override;
    int GetDoubleClickAction() const override;
    int GetImage() const override;
    BOOL HasExpandButton() const override { return TRUE; }

    // One of EResourceKind, from the file's first "Begin Dialog" or "Begin Frame" line.
    int GetResourceKind() const;

    BOOL m_bEditing = FALSE;  // the GUI builder is running for it
};
